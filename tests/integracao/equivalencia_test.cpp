// The same seed gives the same ERP on both servers, and the data layer reads it
// the same way: the documents statement returns identical rows from PostgreSQL and
// from embedded Firebird. (Built into the PostgreSQL tests: it needs both.)
#include <algorithm>
#include <cctype>

#include "BancoTeste.h"
#include "GeradorERP.h"
#include "common/ConsultaDocumentos.h"
#include "erpdata/ContextoERP.h"

namespace {

// Rows of the documents statement as text, sorted (the statement's ORDER BY leaves
// ties between documents of the same country, date and number).
std::vector<std::string> LinhasDocumentos(erpdata::TTIDatabase& db, const std::string& entrada) {
    erpdata::TContextoERP ctx(db);
    ctx.EntradaEmpresa = entrada;
    ctx.CarregaArqLocal();
    ctx.sEmp = ctx.NomeTabela("");
    erpdata::TTIQuery q(&db);
    q.SetSQL(teste::ConsultaDocumentos(ctx, util::Data::FromYMD(2012, 1, 1), util::Data::FromYMD(2012, 1, 31), true));
    q.Open();
    // The select-list date texts are rewritten with the dialect's date literals
    // ('01/01/2012' reads as a month/day/year date), so they are left out.
    // PostgreSQL names the columns in lower case, Firebird in upper case.
    std::vector<int> colunas;
    std::vector<std::string> nomes;
    for (int i = 0; i < q.FieldCount(); ++i) {
        std::string n = q.FieldName(i);
        for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (n.rfind("DT_EMI_", 0) != 0 && n.rfind("DT_SAI_", 0) != 0) {
            colunas.push_back(i);
            nomes.push_back(n);
        }
    }
    std::vector<std::string> linhas;
    for (q.First(); !q.Eof(); q.Next()) {
        std::string l;
        for (size_t k = 0; k < colunas.size(); ++k) {
            auto f = q.Fields(colunas[k]);
            l += nomes[k] + "=" + (f.IsNull() ? std::string("<nulo>") : f.AsString()) + "|";
        }
        linhas.push_back(std::move(l));
    }
    std::sort(linhas.begin(), linhas.end());
    return linhas;
}

class Equivalencia : public teste::BancoTeste {};

}  // namespace

TEST_F(Equivalencia, MesmaSementeMesmosDocumentosNosDoisBancos) {
    fixture::OpcoesGerador o;
    o.documentos = 150;
    o.itens = 5;
    o.semente = 2012;
    o.hostil = true;
    fixture::CriaEsquema(db_, o.empresas);
    fixture::GeraDados(db_, o);

    erpdata::TTIDatabase fb;
    fb.DriverID = "FB";
    fb.SetDatabaseName(":" + (pasta_.Path() / "EQUIV.FDB").string());
    erpdata::CriaBancoFirebird(fb.Database, "", "");
    fb.Conecta();
    fixture::CriaEsquema(fb, o.empresas);
    fixture::GeraDados(fb, o);

    for (const char* entrada : {"0001 - A", "0002 - B"}) {
        auto pg = LinhasDocumentos(db_, entrada);
        auto f = LinhasDocumentos(fb, entrada);
        ASSERT_EQ(pg.size(), f.size()) << entrada;
        ASSERT_GT(pg.size(), 100u);
        for (size_t i = 0; i < pg.size(); ++i) ASSERT_EQ(pg[i], f[i]) << entrada << " linha " << i;
    }
}
