// The fixture's schema and data on the server: the documents statement type-checks
// and returns the document families the export dispatches on.
#include <map>
#include <set>

#include "BancoTeste.h"
#include "GeradorERP.h"
#include "common/ConsultaDocumentos.h"
#include "erpdata/ContextoERP.h"

namespace {

class GeradorBanco : public teste::BancoTeste {
protected:
    void Gera(bool hostil, int documentos = 120) {
        fixture::OpcoesGerador o;
        o.documentos = documentos;
        o.itens = 4;
        o.semente = 7;
        o.hostil = hostil;
        fixture::CriaEsquema(db_, o.empresas);
        fixture::GeraDados(db_, o);
    }

    // Opens the documents statement of January 2012 for a company.
    void AbreDocumentos(erpdata::TTIQuery& q, erpdata::TContextoERP& ctx, const std::string& entrada, bool zerado = true) {
        ctx.EntradaEmpresa = entrada;
        ctx.CarregaArqLocal();
        ctx.sEmp = ctx.NomeTabela("");
        q.SetSQL(teste::ConsultaDocumentos(ctx, util::Data::FromYMD(2012, 1, 1), util::Data::FromYMD(2012, 1, 31), zerado));
        q.Open();
    }
};

}  // namespace

TEST_F(GeradorBanco, ConsultaDeDocumentosSobreOsDadosGerados) {
    Gera(false);
    erpdata::TContextoERP ctx(db_);
    erpdata::TTIQuery q(&db_);
    AbreDocumentos(q, ctx, "0001 - COMERCIAL VELMORA 1 LTDA");
    ASSERT_EQ(q.FieldCount(), 152);
    EXPECT_EQ(q.FieldName(0), q.FieldName(0));
    ASSERT_GT(q.RecordCount(), 50);

    std::set<std::string> modelos, emissao, situacao;
    std::map<std::string, int> itensPorDoc;
    auto abrevi = q.FieldByName("ABREVI"), tpEmi = q.FieldByName("TP_EMI"), sit = q.FieldByName("SITUACAO");
    auto nota = q.FieldByName("NOTA"), credor = q.FieldByName("CREDOR"), nr = q.FieldByName("NR_ITENS");
    auto entrada = q.FieldByName("DT_ENTRADA"), danfe = q.FieldByName("DANFE"), cnpj = q.FieldByName("CNPJ_EMP");
    for (q.First(); !q.Eof(); q.Next()) {
        modelos.insert(abrevi.AsString());
        emissao.insert(tpEmi.AsString());
        situacao.insert(sit.AsString());
        if (tpEmi.AsString() == "1") {
            EXPECT_GE(entrada.AsDate(), util::Data::FromYMD(2012, 1, 1));
            EXPECT_LE(entrada.AsDate(), util::Data::FromYMD(2012, 1, 31));
        }
        std::string chave = danfe.AsString();
        EXPECT_TRUE(chave.empty() || chave.size() == 44) << chave;
        if (chave.size() == 44) {
            EXPECT_EQ(chave.back(), fixture::DigitoChaveAcesso(chave.substr(0, 43)));
        }
        EXPECT_EQ(cnpj.AsString().size(), 18u);
        ++itensPorDoc[tpEmi.AsString() + nota.AsString() + "/" + credor.AsString()];
        EXPECT_GE(nr.AsInteger(), 0);
    }
    EXPECT_EQ(emissao, (std::set<std::string>{"0", "1"}));
    EXPECT_EQ(situacao.count("C"), 0u) << "cancelled documents are never selected";
    for (const char* m : {"55", "01", "06", "57", "99"}) EXPECT_TRUE(modelos.count(m)) << "sem modelo " << m;

    // Only documents with PIS and COFINS when zeroed ones are not asked for.
    erpdata::TTIQuery semZerados(&db_);
    AbreDocumentos(semZerados, ctx, "0001 - COMERCIAL VELMORA 1 LTDA", false);
    EXPECT_LT(semZerados.RecordCount(), q.RecordCount());

    // The second company reads its own tables (and the shared catalogues through ARQLOCAL).
    erpdata::TTIQuery q2(&db_);
    AbreDocumentos(q2, ctx, "0002 - COMERCIAL VELMORA 2 LTDA");
    EXPECT_GT(q2.RecordCount(), 50);
    EXPECT_EQ(ctx.NomeTabela("CIDADE"), "CIDADE_001");
    EXPECT_EQ(ctx.NomeTabela("NOTA"), "NOTA0002");
    EXPECT_NE(q2.FieldByName("CNPJ_EMP").AsString(), q.FieldByName("CNPJ_EMP").AsString());
}

TEST_F(GeradorBanco, ParametrosConfiguracoesEContas) {
    Gera(false, 20);
    erpdata::TContextoERP ctx(db_);
    ctx.EntradaEmpresa = "0001 - COMERCIAL VELMORA 1 LTDA";
    ctx.CarregaArqLocal();
    ctx.sEmp = ctx.NomeTabela("");
    EXPECT_EQ(ctx.BuscaParametro("FIN", 40), "S");
    std::string contador = ctx.BuscaParametro("FAT", 270);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM " + ctx.NomeTabela("ENTIDADE") + " WHERE CODCLI = " + erpdata::TContextoERP::Aspas(contador)), 1);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM SPED_CONFIG WHERE EMPRESA = '0001'"), 1);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM SPED_CONFIG WHERE EMPRESA = '0002'"), 0);

    // The account statements, with their empty-text comparisons.
    erpdata::TTIQuery q(&db_);
    q.AddSQL("SELECT MAX(CONTA_CONTC.CODIGO) AS CONTAC, MAX(CONTA_CONTD.CODIGO) AS CONTAD, NAT_CONTA.CODIGO FROM " + ctx.NomeTabela("NAT_CONTA") + " NAT_CONTA");
    q.AddSQL("LEFT JOIN " + ctx.NomeTabela("CONTA_CONT") + " CONTA_CONTC ON (NAT_CONTA.CONTA_C = CONTA_CONTC.CODIGO AND CONTA_CONTC.CT_RESULT = 'S' AND CONTA_CONTC.CONTA2 <> '')");
    q.AddSQL("LEFT JOIN " + ctx.NomeTabela("CONTA_CONT") + " CONTA_CONTD ON (NAT_CONTA.CONTA_D = CONTA_CONTD.CODIGO AND CONTA_CONTD.CT_RESULT = 'S' AND CONTA_CONTD.CONTA2 <> '')");
    q.AddSQL("WHERE 1=1");
    q.AddSQL("GROUP BY NAT_CONTA.CODIGO");
    q.Open();
    ASSERT_TRUE(q.Locate("CODIGO", {"NC08"}));
    EXPECT_EQ(q.FieldByName("CONTAC").AsString(), "3.1.01.001");
    ASSERT_TRUE(q.Locate("CODIGO", {"NC04"}));
    EXPECT_TRUE(q.FieldByName("CONTAC").IsNull()) << "an account without referential account never qualifies";
    ASSERT_TRUE(q.Locate("CODIGO", {"NC09"}));
    EXPECT_TRUE(q.FieldByName("CONTAD").IsNull()) << "balance sheet account";

    // Interest receipts of the period.
    erpdata::TTIQuery r(&db_);
    r.AddSQL("SELECT SUM(RB.JUROS) AS JUROS, MAX(RB.DT_PAGTO) AS DT_EMISSAO");
    r.AddSQL("FROM " + ctx.NomeTabela("RECEBERB") + " RB");
    r.AddSQL("WHERE RB.JUROS > 0");
    r.AddSQL("AND RB.DT_PAGTO >= '01/01/2012'");
    r.AddSQL("AND RB.DT_PAGTO <= '01/31/2012'");
    r.Open();
    EXPECT_GT(r.FieldByName("JUROS").AsCurrency().Raw(), 0);
    EXPECT_EQ(r.FieldByName("DT_EMISSAO").AsDate(), util::Data::FromYMD(2012, 1, 31));
}

TEST_F(GeradorBanco, DadosHostisPassamIntactos) {
    Gera(true, 80);
    erpdata::TContextoERP ctx(db_);
    erpdata::TTIQuery q(&db_);
    AbreDocumentos(q, ctx, "0001 - COMERCIAL VELMORA 1 LTDA");
    ASSERT_GT(q.RecordCount(), 0);
    bool aspas = false, barra = false, quebra = false, foraDe1252 = false, longo = false, nulo = false;
    for (q.First(); !q.Eof(); q.Next()) {
        for (const char* c : {"NOME", "DESCRICAO", "ENDERECO", "EMAIL", "DESC_NAT", "LOGR_CEP"}) {
            auto f = q.FieldByName(c);
            std::string v = f.AsString();
            aspas |= v.find('\'') != std::string::npos;
            barra |= v.find('|') != std::string::npos;
            quebra |= v.find('\n') != std::string::npos;
            foraDe1252 |= v.find("中文") != std::string::npos;
            longo |= v.size() >= 500;
            nulo |= f.IsNull();
        }
    }
    EXPECT_TRUE(aspas && barra && quebra && foraDe1252 && longo && nulo);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM ENTIDADE0001 WHERE CODCLI = " + erpdata::TContextoERP::Aspas("A'B|C")), 1);
}
