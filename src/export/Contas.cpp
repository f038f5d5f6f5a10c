// Accounting accounts: the links of natures and documents to the chart of
// accounts, the account of each row, and one 0500 per account used.
#include "erpdata/ContextoERP.h"
#include "efd/GeradorEFD.h"
#include "export/ExportacaoInterno.h"

namespace exportacao {

void TExportacao::CarregaContas() {
    QryCtaNatureza->Close();
    QryCtaNatureza->SetSQL(
        "SELECT MAX(CONTA_CONTC.CODIGO) AS CONTAC, MAX(CONTA_CONTD.CODIGO) AS CONTAD, NAT_CONTA.CODIGO FROM " +
        ctx_.NomeTabela("NAT_CONTA") + " NAT_CONTA\r\n"
        "LEFT JOIN " + ctx_.NomeTabela("CONTA_CONT") +
        " CONTA_CONTC ON (NAT_CONTA.CONTA_C = CONTA_CONTC.CODIGO AND CONTA_CONTC.CT_RESULT = 'S' AND CONTA_CONTC.CONTA2 <> '')\r\n"
        "LEFT JOIN " + ctx_.NomeTabela("CONTA_CONT") +
        " CONTA_CONTD ON (NAT_CONTA.CONTA_D = CONTA_CONTD.CODIGO AND CONTA_CONTD.CT_RESULT = 'S' AND CONTA_CONTD.CONTA2 <> '')\r\n"
        "WHERE 1=1\r\n"
        "GROUP BY NAT_CONTA.CODIGO");
    QryCtaNatureza->Open();
    QryCtaContabil->Close();
    if (ctx_.BuscaParametro("FIN", 40) != "S") return;
    QryCtaContabil->SetSQL(
        "SELECT CONTABIL.NUMERO,CONTABIL.CODCLI, MAX(CONTA_CONTC.CODIGO) AS CONTAC, MAX(CONTA_CONTD.CODIGO) AS CONTAD FROM " +
        ctx_.NomeTabela("CONTABIL") + " CONTABIL\r\n"
        "LEFT JOIN " + ctx_.NomeTabela("CONTA_CONT") +
        " CONTA_CONTC ON (CONTABIL.CONTA_C = CONTA_CONTC.CODIGO and CONTA_CONTC.CT_RESULT = 'S' AND CONTA_CONTC.CONTA2 <> '')\r\n"
        "LEFT JOIN " + ctx_.NomeTabela("CONTA_CONT") +
        " CONTA_CONTD ON (CONTABIL.CONTA_D = CONTA_CONTD.CODIGO and CONTA_CONTD.CT_RESULT = 'S' AND CONTA_CONTD.CONTA2 <> '')\r\n"
        "WHERE 1=1\r\n"
        "GROUP BY CONTABIL.NUMERO,CONTABIL.CODCLI");
    QryCtaContabil->Open();
}

namespace {

// Kind "1" takes the credit account (debit for a return, flag "D"); kind "2" the
// debit account (credit for a return); any other kind nothing.
std::string EscolheConta(erpdata::TTIQuery& q, const std::string& tipo, const std::string& direcao) {
    const bool devolucao = direcao == "D";
    if (tipo == "1") return q.FieldByName(devolucao ? "CONTAD" : "CONTAC").AsString();
    if (tipo == "2") return q.FieldByName(devolucao ? "CONTAC" : "CONTAD").AsString();
    return {};
}

}  // namespace

std::string TExportacao::ResolveConta(const std::string& tipo, const std::string& direcao,
                                      const std::string& participante, const std::string& documento,
                                      const std::string& contaNatureza) {
    std::string conta;
    if (!QryCtaNatureza->IsEmpty() && QryCtaNatureza->Locate("CODIGO", {contaNatureza}))
        conta = EscolheConta(*QryCtaNatureza, tipo, direcao);
    if (conta.empty() && QryCtaContabil->Active() && !QryCtaContabil->IsEmpty() &&
        QryCtaContabil->Locate("NUMERO;CODCLI", {documento, participante}))
        conta = EscolheConta(*QryCtaContabil, tipo, direcao);
    return conta.empty() ? "0" : conta;
}

std::string TExportacao::ResolveContaDaLinha() {
    const Colunas& c = *col_;
    return ResolveConta(c.TP_NAT.AsString(), c.TIPO_NAT.AsString(), c.CREDOR.AsString(), c.NOTA.AsString(),
                        c.NAT_CONT.AsString());
}

void TExportacao::GeraRegistro0500(const std::string& conta) {
    if (ctx_.JaIncluido("0500", conta, true)) return;
    QryAux->Close();
    QryAux->SetSQL("SELECT GRUPO, DESCRICAO, CONTA2 FROM " + ctx_.NomeTabela("CONTA_CONT") + "\r\nWHERE CODIGO = " +
                   erpdata::TContextoERP::Aspas(conta));
    QryAux->Open();
    const bool achou = !QryAux->IsEmpty();
    efd::TRegistro0500& r = *sped_->Bloco_0().Registro0500New();
    r.DT_ALT = util::Data::Hoje();
    r.COD_NAT_CC = efd::TNaturezaConta::ncgResultado;
    r.IND_CTA = efd::TIndCTA::indCTAnalitica;
    r.NIVEL = achou ? QryAux->FieldByName("GRUPO").AsString() : std::string();
    r.COD_CTA = conta;
    r.NOME_CTA = achou ? QryAux->FieldByName("DESCRICAO").AsString() : std::string();
    r.COD_CTA_REF = achou ? QryAux->FieldByName("CONTA2").AsString() : std::string();
    r.CNPJ_EST.clear();
}

}  // namespace exportacao
