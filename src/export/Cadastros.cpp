// Block 0 master data: participants (0150), units (0190), items (0200),
// operation natures (0400) and complementary texts (0450), once per code.
#include "erpdata/ContextoERP.h"
#include "efd/GeradorEFD.h"
#include "export/ExportacaoInterno.h"
#include "export/Regras.h"
#include "util/Util.h"

namespace exportacao {

void TExportacao::AdicionaParticipante() {
    const Colunas& c = *col_;
    const std::string credor = c.CREDOR.AsString();
    if (!st_->TbParticipante.insert(credor).second) return;
    efd::TRegistro0150& r = *sped_->Bloco_0().Registro0150New();
    r.COD_PART = credor;
    r.NOME = c.NOME.AsString();
    r.COD_PAIS = c.COD_PAIS.AsString();
    const std::string documento = util::LimpaPontuacao(c.CNPJ.AsString());
    if (c.TIPO_CLI.AsString() == "2")
        r.CNPJ = documento;
    else
        r.CPF = documento;
    const std::string ie = util::LimpaPontuacao(c.INSCRICAO.AsString());
    std::string ieMaiuscula = Apara(ie);
    for (char& ch : ieMaiuscula) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    r.IE = ieMaiuscula == "ISENTO" ? std::string() : ie;
    r.COD_MUN = InteiroOuZero(c.CODMUN.AsString());
    r.SUFRAMA = c.SUFRAMA.AsString();
    r.ENDERECO = c.ENDERECO.AsString();
    r.NUM = c.NUM_END.AsString();
    r.COMPL = c.COMPLEMENTO.AsString();
    r.BAIRRO = c.BAIRRO.AsString();
}

void TExportacao::AdicionaUnidade(const std::string& codigo) {
    if (!st_->TbUnidade.insert(codigo).second) return;
    efd::TRegistro0190& r = *sped_->Bloco_0().Registro0190New();
    r.UNID = Apara(codigo);
    r.DESCR = Apara("Descricao " + codigo);
}

std::string TExportacao::LeNcmDaCor(const std::string& cor) {
    QryAux->Close();
    QryAux->SetSQL("SELECT CADCORTIN.DESCRICAO, TABFIS.DESCRICAO AS NCM\r\n"
                   "FROM " + ctx_.NomeTabela("CADCORTIN") + " CADCORTIN \r\n"
                   "LEFT JOIN " + ctx_.NomeTabela("TABFIS") + " TABFIS ON (CADCORTIN.COD_CLAFIS = TABFIS.CODIGO)\r\n"
                   "WHERE CADCORTIN.CODIGO = " + erpdata::TContextoERP::Aspas(cor) + " ");
    QryAux->Open();
    return QryAux->IsEmpty() ? std::string() : QryAux->FieldByName("NCM").AsString();
}

void TExportacao::AdicionaItem(const std::string& codigo) {
    if (st_->TbProduto.count(codigo)) return;
    const Colunas& c = *col_;
    efd::TRegistro0200& r = *sped_->Bloco_0().Registro0200New();
    r.COD_ITEM = codigo;
    const std::string tipfat = c.TIPFAT.AsString();
    const bool porCor = tipfat == "T";
    std::string ncmCor;
    if (porCor) {
        // Items billed by colour take the colour's fiscal classification, read once
        // per colour: a large period has thousands of items and a handful of colours.
        const std::string cor = c.COR.AsString();
        auto [lida, nova] = st_->NcmPorCor.try_emplace(cor);
        if (nova) lida->second = LeNcmDaCor(cor);
        ncmCor = lida->second;
    }
    r.DESCR_ITEM = Apara(c.DESCRICAO.AsString());
    r.COD_BARRA.clear();
    r.COD_ANT_ITEM.clear();
    r.EX_IPI.clear();
    r.COD_LST.clear();

    const std::string tipoIt = c.TIPO_IT.AsString();
    std::string unidade, codigoTipo;
    double aliquota = 0;
    if (tipoIt == "M") {
        unidade = c.UNIDADE_MAT.AsString();
        codigoTipo = c.CODSPED_MAT.AsString();
        const std::string ncm = c.NCM_MAT.AsString();
        r.COD_NCM = util::LimpaPontuacao(ncm);
        r.COD_GEN = ncm.substr(0, 2);
        aliquota = c.ICMS_ITEM_MAT.AsFloat();
    } else if (tipoIt == "S") {
        unidade = c.UNIDADE_SERV.AsString();
        codigoTipo = c.CODSPED_SERV.AsString();
        aliquota = c.ICMS_ITEM_SERV.AsFloat();
    } else {
        unidade = c.UNIDADE_PROD.AsString();
        codigoTipo = c.CODSPED_PROD.AsString();
        const std::string ncm = c.NCM_PROD.AsString();
        const std::string limpo = util::LimpaPontuacao(ncm);
        r.COD_NCM = limpo == "0" ? "00000000" : limpo;
        const std::string genero = ncm.substr(0, 2);
        r.COD_GEN = genero == "0" ? "00" : genero;
        aliquota = c.ICMS_ITEM_PROD.AsFloat();
        if (porCor) {
            // The colour's classification, without its punctuation: a dotted NCM
            // ("1905.90.90") is not a valid COD_NCM.
            r.COD_NCM = util::LimpaPontuacao(ncmCor);
            r.COD_GEN = ncmCor.substr(0, 2);
        }
    }
    if (porCor && unidade.empty()) unidade = "KG";
    r.UNID_INV = unidade;
    r.TIPO_ITEM = TipoItem(codigoTipo.empty() ? c.CODSPED.AsString() : codigoTipo, tipfat);
    r.ALIQ_ICMS = aliquota;
    AdicionaUnidade(unidade);
    st_->TbProduto.insert(codigo);
}

void TExportacao::AdicionaNatureza(const std::string& codigo) {
    if (!st_->TbCFOP.insert(codigo).second) return;
    efd::TRegistro0400& r = *sped_->Bloco_0().Registro0400New();
    r.COD_NAT = codigo;
    r.DESCR_NAT = Apara(col_->DESC_NAT.AsString());
}

void TExportacao::AdicionaInformacaoComplementar() {
    std::string codigo, texto;
    SeparaCodigoTexto(e_->config.TextoComplemento(), codigo, texto);
    if (ctx_.JaIncluido("0450", codigo, true)) return;
    efd::TRegistro0450& r = *sped_->Bloco_0().Registro0450New();
    r.COD_INF = codigo;
    r.TXT = texto;
}

}  // namespace exportacao
