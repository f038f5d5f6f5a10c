// Registers built from the settings tab: the accountant (0100), the complementary
// information of a document (C110 with its process C111) and the lawsuit that
// excludes ICMS from the contributions' base (1010 with one 1011 per document key).
#include "erpdata/ContextoERP.h"
#include "erpdata/TIQuery.h"
#include "efd/GeradorEFD.h"
#include "export/ExportacaoInterno.h"
#include "export/Regras.h"
#include "util/Util.h"

namespace exportacao {

void TExportacao::GeraRegistro0100() {
    std::string codigo = e_->config.EdtContador;
    if (codigo.empty()) codigo = ctx_.BuscaParametro("FAT", 270);
    erpdata::TTIQuery q(&ctx_.Banco());
    q.SetSQL("SELECT *\r\nFROM " + ctx_.NomeTabela("ENTIDADE") + " ENTIDADE\r\nLEFT JOIN " +
             ctx_.NomeTabela("CADCEP") + " CADCEP ON (CADCEP.CEP = ENTIDADE.CEP)\r\nWHERE CODCLI = " +
             erpdata::TContextoERP::Aspas(codigo));
    q.Open();
    if (q.IsEmpty()) {
        ui_.Mensagem("Contador não cadastrado, verifique o parametro 270 do Faturamento.");
        return;
    }
    efd::TRegistro0100& r = *sped_->Bloco_0().Registro0100New();
    r.NOME = Apara(q.FieldByName("NOME").AsString());
    // CPF or CNPJ by the number of digits, so that a CNPJ typed without punctuation
    // (fourteen characters) is still a CNPJ; other lengths follow the typed text.
    const std::string documentoLido = q.FieldByName("CNPJ").AsString();
    const std::string documento = util::LimpaPontuacao(documentoLido);
    const bool cnpj = documento.size() == 14 || (documento.size() != 11 && documentoLido.size() >= 15);
    (cnpj ? r.CNPJ : r.CPF) = documento;
    const std::string crc = util::LimpaPontuacao(q.FieldByName("INSCRICAO").AsString());
    std::string crcMaiusculo = Apara(crc);
    for (char& ch : crcMaiusculo) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    r.CRC = crcMaiusculo == "ISENTO" ? std::string() : crc;
    // The CEP as its digits ("01310-100" is 01310100, not cut to "01310-10").
    r.CEP = util::LimpaPontuacao(q.FieldByName("CEP").AsString());
    r.ENDERECO = q.FieldByName("ENDERECO").AsString();
    r.NUM = q.FieldByName("NUM_END").AsString();
    r.COMPL.clear();
    r.BAIRRO = q.FieldByName("BAIRRO").AsString();
    r.FONE = util::LimpaPontuacao(q.FieldByName("TELEFONE").AsString());
    r.FAX = util::LimpaPontuacao(q.FieldByName("FAX").AsString());
    r.EMAIL = q.FieldByName("EMAIL").AsString();
    r.COD_MUN = InteiroOuZero(q.FieldByName("COD_CID").AsString());
}

void TExportacao::GeraC110(DocumentoC100& doc) {
    std::string codigo, texto;
    SeparaCodigoTexto(e_->config.TextoComplemento(), codigo, texto);
    efd::TRegistroC110& c110 = *doc.c100->RegistroC110.New();
    c110.COD_INF = codigo;
    c110.TXT_COMPL = texto;
    efd::TRegistroC111& c111 = *doc.c100->RegistroC111.New();
    c111.NUM_PROC = e_->config.EdtProcesso;
    static constexpr efd::TOrigemProcesso origens[] = {efd::TOrigemProcesso::opJusticaFederal,
                                                         efd::TOrigemProcesso::opSecexRFB,
                                                         efd::TOrigemProcesso::opOutros};
    const int i = e_->config.CbIndicador;
    c111.IND_PROC = i >= 0 && i < 3 ? origens[i] : efd::TOrigemProcesso::opNenhum;
}

void TExportacao::GeraRegistro1010() {
    if (ctx_.JaIncluido("1010", "0", true)) return;  // one 1010 per run
    const TConfiguracoesSped& c = e_->config;
    efd::TRegistro1010& r = *sped_->Bloco_1().Registro1010New();
    r.NUM_PROC = c.EdtProcesso;
    r.ID_SEC_JUD = c.Edtsecao;
    r.ID_VARA = c.EdtVara;
    r.IND_NAT_ACAO = InteiroOuZero(std::string(c.TextoNaturezaAcao()).substr(0, 2));
    r.DESC_DEC_JUD = c.EdtDescJudicial;
    r.DT_SENT_JUD = c.DataSentenca();
}

void TExportacao::GeraRegistro1011() {
    const Colunas& c = *col_;
    const std::string danfe = c.DANFE.AsString();
    // One 1011 per access key; a document without a key is known by its own key
    // (otherwise every such document after the first would go without its 1011).
    const std::string chave = !danfe.empty() ? danfe
                                             : "\x1f" + ChaveDocumento(c.TP_EMI.AsString(), st_->numeroDocumento,
                                                                       c.CREDOR.AsString(), c.SERIE.AsString());
    if (ctx_.JaIncluido("1011", chave, true)) return;
    const double basePis = c.BASE_PIS_ITEM.AsFloat(), aliqPis = c.PERC_PIS_ITEM.AsFloat();
    const double baseCofins = c.BASE_COFINS_ITEM.AsFloat(), aliqCofins = c.PERC_COFINS_ITEM.AsFloat();
    const double icms = c.VALOR_ICMS_ITEM.AsFloat();
    const int32_t cstPis = InteiroOuZero(c.TRIB_PIS.AsString());
    const int32_t cstCofins = InteiroOuZero(c.TRIB_COFINS.AsString());

    efd::TRegistro1011& r = *sped_->Bloco_1().Registro1011New();
    r.REG_REF = "C100";
    r.CHAVE_DOC = danfe;
    r.COD_PART = c.CREDOR.AsString();
    r.COD_ITEM = c.CODIGO.AsString();
    r.DT_OPER = c.DT_EMISSAO.AsDate();
    r.VL_OPER = util::Currency::FromDouble(c.VALOR_ITEM.AsFloat());
    // With the ICMS in the base (what the contribution would be) ...
    r.CST_PIS = cstPis;
    r.VL_BC_PIS = basePis + icms;
    r.ALIQ_PIS = aliqPis;
    r.VL_PIS = ContribuicaoItemServico(Arredonda(basePis + icms, 4), aliqPis);
    r.CST_COFINS = cstCofins;
    r.VL_BC_COFINS = baseCofins + icms;
    r.ALIQ_COFINS = aliqCofins;
    r.VL_COFINS = ContribuicaoItemServico(Arredonda(baseCofins + icms, 4), aliqCofins);
    // ... and without it (what the lawsuit suspends).
    r.CST_PIS_SUSP = cstPis;
    r.VL_BC_PIS_SUSP = basePis;
    r.ALIQ_PIS_SUSP = aliqPis;
    r.VL_PIS_SUSP = ContribuicaoItemServico(basePis, aliqPis);
    r.CST_COFINS_SUSP = cstCofins;
    r.VL_BC_COFINS_SUSP = baseCofins;
    r.ALIQ_COFINS_SUSP = aliqCofins;
    r.VL_COFINS_SUSP = ContribuicaoItemServico(baseCofins, aliqCofins);
    r.COD_CTA = ResolveContaDaLinha();
    r.COD_CCUS.clear();
    r.DESC_DOC_OPER.clear();
    GeraRegistro0500(r.COD_CTA);
}

}  // namespace exportacao
