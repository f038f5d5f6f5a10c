#include "export/ConfiguracoesSped.h"

#include "erpdata/ContextoERP.h"
#include "erpdata/Erros.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"
#include "export/Regras.h"

namespace exportacao {

using erpdata::TContextoERP;
using erpdata::TTIQuery;

util::Data TConfiguracoesSped::DataSentenca() const {
    return util::Data::Parse(Apara(EdtDataSentenca)).value_or(util::Data());
}

const char* TConfiguracoesSped::TextoComplemento() const {
    return kComplementos[CbComplemento >= 0 && CbComplemento < static_cast<int>(kComplementos.size()) ? CbComplemento : 0];
}

const char* TConfiguracoesSped::TextoNaturezaAcao() const {
    const int ultimo = static_cast<int>(kNaturezasAcao.size()) - 1;
    return kNaturezasAcao[CbIndAcao >= 0 && CbIndAcao <= ultimo ? CbIndAcao : ultimo];
}

void SeparaCodigoTexto(const std::string& entrada, std::string& codigo, std::string& texto) {
    const size_t traco = entrada.find('-');
    codigo = Apara(std::string_view(entrada).substr(0, traco));
    texto = traco == std::string::npos ? std::string() : Apara(std::string_view(entrada).substr(traco + 1));
}

TConfiguracoesSped CarregaConfiguracoes(TContextoERP& ctx, const std::string& codigoEmpresa) {
    TTIQuery q(&ctx.Banco());
    q.SetSQL("SELECT * FROM SPED_CONFIG\r\nWHERE EMPRESA = " + TContextoERP::Aspas(codigoEmpresa));
    q.Open();
    TConfiguracoesSped c;
    if (q.IsEmpty()) return c;  // no row: the tab's defaults
    c.EdtContador = q.FieldByName("CONTADOR").AsString();
    const int64_t complemento = InteiroOuZero(q.FieldByName("INFO_COMPLEMENTO").AsString());
    c.CbComplemento = complemento >= 0 && complemento < static_cast<int64_t>(kComplementos.size())
                          ? static_cast<int>(complemento) : 0;
    const std::string indicador = q.FieldByName("IND_PROCESSO").AsString();
    c.CbIndicador = indicador == "1" ? 0 : indicador == "3" ? 1 : 2;
    c.EdtProcesso = q.FieldByName("PROCESSO").AsString();
    c.Edtsecao = q.FieldByName("SECAO").AsString();
    c.EdtVara = q.FieldByName("VARA").AsString();
    c.EdtDescJudicial = q.FieldByName("DECISAO").AsString();
    const util::Data sentenca = q.FieldByName("DT_SENTENCA").AsDate();
    c.EdtDataSentenca = sentenca.Formata("dd/mm/yyyy");
    // The first entry whose two-character code matches; none: the last one ("99 -Outros").
    const std::string acao = q.FieldByName("IND_ACAO").AsString();
    c.CbIndAcao = static_cast<int>(kNaturezasAcao.size()) - 1;
    for (size_t i = 0; i < kNaturezasAcao.size(); ++i)
        if (std::string_view(kNaturezasAcao[i]).substr(0, 2) == acao) {
            c.CbIndAcao = static_cast<int>(i);
            break;
        }
    return c;
}

void GravaConfiguracoes(TContextoERP& ctx, const std::string& codigoEmpresa, const TConfiguracoesSped& c) {
    auto aspas = [](const std::string& s) { return TContextoERP::Aspas(s); };
    const util::Data sentenca = c.DataSentenca();
    const char* const indicadores[] = {"1", "3", "9"};
    const std::string indicador = indicadores[c.CbIndicador >= 0 && c.CbIndicador < 3 ? c.CbIndicador : 2];

    std::string insercao =
        "INSERT INTO SPED_CONFIG (EMPRESA,CONTADOR,IND_PROCESSO,PROCESSO,SECAO,VARA,IND_ACAO,DECISAO,DT_SENTENCA,INFO_COMPLEMENTO)\r\n"
        "VALUES( \r\n" + aspas(codigoEmpresa) + "\r\n";
    for (const std::string& v : {c.EdtContador, indicador, c.EdtProcesso, c.Edtsecao, c.EdtVara,
                                 std::string(c.TextoNaturezaAcao()).substr(0, 2), c.EdtDescJudicial})
        insercao += "," + aspas(v) + "\r\n";
    insercao += sentenca.Vazia() ? std::string(",NULL") : "," + aspas(sentenca.Formata("mm/dd/yyyy"));
    insercao += "\r\n," + std::to_string(c.CbComplemento) + "\r\n) \r\n";

    TTIQuery q(&ctx.Banco());
    erpdata::TTITransaction& t = ctx.Banco().Transacao();
    try {
        q.SetSQL("DELETE FROM SPED_CONFIG\r\nWHERE EMPRESA = " + aspas(codigoEmpresa));
        q.ExecSQL();
        q.SetSQL(insercao);
        q.ExecSQL();
    } catch (const std::exception& erro) {
        // Both statements or neither: a failed insertion must not leave the
        // company without its row. A rollback that fails too (the connection is
        // gone) undoes the deletion as well, and must not hide the first error.
        try {
            t.RollbackRetaining();
        } catch (...) {
        }
        throw erpdata::EDatabaseError("As configurações da empresa " + codigoEmpresa +
                                      " não foram gravadas: " + erro.what());
    }
    t.CommitRetaining();
}

std::string NomeContador(TContextoERP& ctx, const std::string& codigo) {
    TTIQuery q(&ctx.Banco());
    q.SetSQL("SELECT NOME FROM " + ctx.NomeTabela("ENTIDADE") + " ENTIDADE \r\nWHERE ENTIDADE.CODCLI = " +
             TContextoERP::Aspas(codigo));
    q.Open();
    return q.IsEmpty() ? std::string() : q.FieldByName("NOME").AsString();
}

}  // namespace exportacao
