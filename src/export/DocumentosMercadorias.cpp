// Goods documents: one C100 per document, one C170 per item line, the NFC-e
// summaries C175, and the ICMS-exclusion registers C110/C111, 1010 and 1011.
#include "efd/GeradorEFD.h"
#include "export/ExportacaoInterno.h"
#include "export/Regras.h"
#include "util/Util.h"

namespace exportacao {

using util::Currency;

namespace {

Currency Moeda(double v) { return Currency::FromDouble(v); }

// The row's nature excludes ICMS from the PIS/COFINS base: third character of REDUCAO.
bool ExcluiIcms(const std::string& reducao) { return reducao.size() >= 3 && reducao[2] == 'S'; }

std::string ComZerosAEsquerda(std::string s, size_t tamanho) {
    while (s.size() < tamanho) s.insert(s.begin(), '0');
    return s;
}

}  // namespace

void TExportacao::GeraC100() {
    const Colunas& c = *col_;
    Estado& st = *st_;
    const std::string abrevi = c.ABREVI.AsString();
    const bool nfce = abrevi == "65";
    const bool comItens = !nfce || e_->CbItensNFCe;
    const std::string credor = c.CREDOR.AsString();
    const std::string tpEmi = c.TP_EMI.AsString();
    // An incoming document without item lines comes as one row whose item columns
    // are all null, its SERIE included (the item table's, never null in an item
    // row): it opens its C100, but there is no item, unit, nature or C170 to write.
    // An item line whose code is null is still an item line: it gets its C170, as
    // its contributions go into block M. (Outgoing rows always have their item row.)
    const bool semItem = tpEmi == "1" && c.SERIE.IsNull();

    if (comItens) {
        AdicionaParticipante();
        if (!semItem) {
            AdicionaItem(c.CODIGO.AsString());
            AdicionaUnidade(c.UNIDADE.AsString());
        }
    }
    if (!semItem) AdicionaNatureza(c.NATUREZA.AsString());

    const std::string serie = c.SERIE.AsString();
    auto [it, novo] = st.notasMercadorias.try_emplace(ChaveDocumento(tpEmi, st.numeroDocumento, credor, serie));
    DocumentoC100& doc = it->second;
    // A document already written to the file (block C is written ahead on large
    // periods) that shows up again is opened anew.
    if (novo || doc.c100 == nullptr) {
        if (!novo) doc = DocumentoC100();
        // Documents written ahead free their registers; only a complete document may
        // go, so the others are written at a document boundary, before this one opens.
        AntecipaBlocoCSeGrande();
        doc.c100 = sped_->Bloco_C().RegistroC100New();
        st.documentosAbertos.push_back(&doc);
        efd::TRegistroC100& r = *doc.c100;
        r.IND_OPER = c.TP_NAT.AsString() == "1" ? efd::TIndTipoOper::tpSaidaPrestacao
                                                 : efd::TIndTipoOper::tpEntradaAquisicao;
        r.IND_EMIT = tpEmi == "0" ? efd::TEmitente::edEmissaoPropria : efd::TEmitente::edTerceiros;
        r.COD_PART = nfce ? std::string() : credor;
        r.COD_MOD = abrevi;
        r.COD_SIT = efd::TCodSit::sdfRegular;
        r.SER = SerieTresDigitos(serie);
        r.NUM_DOC = util::LimpaPontuacao(st.numeroDocumento);
        const std::string danfe = c.DANFE.AsString();
        // An incoming document carries its key only when it is an NF-e key.
        r.CHV_NFE = tpEmi != "1" ? danfe : (danfe.size() == 44 && abrevi == "55" ? danfe : std::string());
        r.DT_DOC = c.DT_EMISSAO.AsDate();
        r.DT_E_S = c.DT_ENTRADA.AsDate();
        r.VL_DOC = Moeda(c.VALOR.AsFloat());
        r.IND_PGTO = IndicadorPagamento(c.COND_PAGTO.AsString());
        r.VL_DESC = Moeda(c.DESCONTO.AsFloat());
        r.VL_ABAT_NT = Currency();
        r.VL_MERC = Moeda(c.VAL_PRODUTOS.AsFloat());
        r.IND_FRT = IndicadorFrete(c.TP_FRETE.AsString());
        r.VL_FRT = Moeda(c.FRETE.AsFloat());
        r.VL_SEG = Moeda(c.SEGURO.AsFloat());
        r.VL_OUT_DA = Moeda(c.DESPESA.AsFloat());
        r.VL_BC_ICMS = Moeda(c.BASE_ICM.AsFloat());
        r.VL_ICMS = Moeda(c.VALOR_ICM.AsFloat());
        r.VL_BC_ICMS_ST = nfce ? Currency() : Moeda(c.BASE_ST.AsFloat());
        r.VL_ICMS_ST = nfce ? Currency() : Moeda(c.VALOR_ST.AsFloat());
        r.VL_IPI = nfce ? Currency() : Moeda(c.VALOR_IPI.AsFloat());
        const bool comContribuicoes = !nfce || e_->cbC175;
        r.VL_PIS = comContribuicoes ? Moeda(c.PIS.AsFloat()) : Currency();
        r.VL_COFINS = comContribuicoes ? Moeda(c.COFINS.AsFloat()) : Currency();
        r.VL_PIS_ST = Currency();
        r.VL_COFINS_ST = Currency();
    }

    const bool exclusao = ExcluiIcms(c.REDUCAO.AsString());
    if (exclusao) {
        sped_->Bloco_1().Registro1001().IND_MOV = efd::TIndMov::imComDados;
        AdicionaInformacaoComplementar();
        if (doc.bGeraC110) GeraC110(doc);
        GeraRegistro1010();
        GeraRegistro1011();
        doc.bGeraC110 = false;
    }
    if (comItens && !semItem) GeraC170(doc, exclusao);
    if (e_->cbC175 && nfce && !semItem) GeraC175(doc);
}

void TExportacao::GeraC170(DocumentoC100& doc, bool exclusaoIcms) {
    const Colunas& c = *col_;
    // Under the row's own document, also when other documents came in between.
    efd::TRegistroC170& r = *doc.c100->RegistroC170.New();
    r.NUM_ITEM = std::to_string(++doc.itens);
    r.COD_ITEM = c.CODIGO.AsString();
    r.DESCR_COMPL = Apara(c.DESCRICAO.AsString());
    r.QTD = c.QTDE_ITEM.AsFloat();
    r.UNID = c.UNIDADE.AsString();
    const double valorItem = c.VALOR_ITEM.AsFloat();
    r.VL_ITEM = Moeda(valorItem);
    Currency desconto = Moeda(DescontoDoItem(valorItem, c.VAL_PRODUTOS.AsFloat(), c.DESCONTO.AsFloat()));
    if (exclusaoIcms) desconto += Moeda(c.VALOR_ICMS_ITEM.AsFloat());
    r.VL_DESC = desconto;
    r.IND_MOV = c.IND_MOV.AsString() == "N" ? efd::TIndMovFisica::mfNao : efd::TIndMovFisica::mfSim;
    const std::string codtri = c.CODTRI.AsString();
    r.CST_ICMS = efd::ParseCstIcms(ComZerosAEsquerda(codtri, 3));
    r.CFOP = CFOPNota(c.CFOP.AsString(), c.NATUREZA.AsString());
    r.COD_NAT = c.NATUREZA.AsString();
    const TIcmsItem icms =
        IcmsDoItem(codtri, c.BASE_ICMS_ITEM.AsFloat(), c.ICMS_ITEM.AsFloat(), c.VALOR_ICMS_ITEM.AsFloat());
    r.VL_BC_ICMS = Moeda(icms.base);
    r.ALIQ_ICMS = Moeda(icms.aliquota);
    r.VL_ICMS = Moeda(icms.valor);
    r.VL_BC_ICMS_ST = Moeda(c.BASE_ST_ITEM.AsFloat());
    r.ALIQ_ST = Currency();
    r.VL_ICMS_ST = Moeda(c.VALOR_ST_ITEM.AsFloat());
    r.IND_APUR = efd::TApuracaoIPI::iaMensal;
    r.CST_IPI = efd::ParseCstIpi(c.TRIB_IPI.AsString());
    r.COD_ENQ.clear();
    r.VL_BC_IPI = Moeda(c.BASE_IPI_ITEM.AsFloat());
    r.ALIQ_IPI = Moeda(c.IPI_ITEM.AsFloat());
    r.VL_IPI = Moeda(c.VALOR_IPI_ITEM.AsFloat());
    const double basePis = c.BASE_PIS_ITEM.AsFloat(), aliqPis = c.PERC_PIS_ITEM.AsFloat();
    const double baseCofins = c.BASE_COFINS_ITEM.AsFloat(), aliqCofins = c.PERC_COFINS_ITEM.AsFloat();
    r.CST_PIS = efd::ParseCstPis(c.TRIB_PIS.AsString());
    r.VL_BC_PIS = basePis;
    r.ALIQ_PIS_PERC = aliqPis;
    r.VL_PIS = ContribuicaoItem(basePis, aliqPis);
    r.CST_COFINS = efd::ParseCstCofins(c.TRIB_COFINS.AsString());
    r.VL_BC_COFINS = baseCofins;
    r.ALIQ_COFINS_PERC = aliqCofins;
    r.VL_COFINS = ContribuicaoItem(baseCofins, aliqCofins);
    // The account is resolved last and described in block 0 right away.
    r.COD_CTA = ResolveContaDaLinha();
    GeraRegistro0500(r.COD_CTA);
}

void TExportacao::GeraC175(DocumentoC100& doc) {
    const Colunas& c = *col_;
    const double valorItem = c.VALOR_ITEM.AsFloat();
    const double desconto = DescontoDoItem(valorItem, c.VAL_PRODUTOS.AsFloat(), c.DESCONTO.AsFloat());
    const double basePis = c.BASE_PIS_ITEM.AsFloat(), aliqPis = c.PERC_PIS_ITEM.AsFloat();
    const double baseCofins = c.BASE_COFINS_ITEM.AsFloat(), aliqCofins = c.PERC_COFINS_ITEM.AsFloat();
    const double valorPis = ContribuicaoItemServico(basePis, aliqPis);
    const double valorCofins = ContribuicaoItemServico(baseCofins, aliqCofins);
    const std::string cfop = CFOPNota(c.CFOP.AsString(), c.NATUREZA.AsString());
    const std::string cstPis = c.TRIB_PIS.AsString();
    const std::string cstCofins = c.TRIB_COFINS.AsString();

    TGrupoC175* grupo = nullptr;
    for (TGrupoC175& g : doc.TbC175)
        if (g.CFOP == cfop && g.CST_PIS == cstPis && g.CST_COFINS == cstCofins && g.ALIQ_PIS == aliqPis &&
            g.ALIQ_COFINS == aliqCofins) {
            grupo = &g;
            break;
        }
    if (grupo) {
        grupo->VL_ITEM += valorItem;
        grupo->VL_DESC += desconto;
        grupo->VL_BC_PIS += basePis;
        grupo->VL_PIS += valorPis;
        grupo->VL_BC_COFINS += baseCofins;
        grupo->VL_COFINS += valorCofins;
    } else {
        doc.TbC175.push_back({cstPis, cstCofins, cfop, valorItem, desconto, basePis, aliqPis, valorPis, baseCofins,
                             aliqCofins, valorCofins});
    }
}

// A document is complete once the run has moved past it: its NFC-e summaries go
// under its C100, one C175 per group in the order the groups were met. (Waiting for
// a count of the document's rows would drop rows the count leaves out.)
void TExportacao::FechaDocumentos() {
    for (DocumentoC100* doc : st_->documentosAbertos) {
        EscreveC175(*doc);
        doc->c100 = nullptr;
    }
    st_->documentosAbertos.clear();
}

void TExportacao::EscreveC175(DocumentoC100& doc) {
    for (const TGrupoC175& g : doc.TbC175) {
        efd::TRegistroC175& r = *doc.c100->RegistroC175.New();
        r.CFOP = g.CFOP;
        r.VL_OPR = g.VL_ITEM;
        r.VL_DESC = g.VL_DESC;
        r.CST_PIS = efd::ParseCstPis(g.CST_PIS);
        r.VL_BC_PIS = g.VL_BC_PIS;
        r.ALIQ_PIS = g.ALIQ_PIS;
        r.VL_PIS = g.VL_PIS;
        r.CST_COFINS = efd::ParseCstCofins(g.CST_COFINS);
        r.VL_BC_COFINS = g.VL_BC_COFINS;
        r.ALIQ_COFINS = g.ALIQ_COFINS;
        r.VL_COFINS = g.VL_COFINS;
        r.INFO_COMPL.clear();
    }
    doc.TbC175.clear();
}

void TExportacao::AntecipaBlocoCSeGrande() {
    // Large periods: once enough complete documents wait in memory, they are written
    // ahead to their own file, which the generation puts in place; memory stays
    // bounded however many documents the period holds.
    if (sped_->Bloco_C().DocumentosPendentes() < documentosAntecipacao_) return;
    FechaDocumentos();
    sped_->AntecipaBloco_C();
}

void TExportacao::GeraC500() {
    const Colunas& c = *col_;
    Estado& st = *st_;
    AdicionaParticipante();
    efd::TRegistroC500& r = *sped_->Bloco_C().RegistroC500New();
    r.COD_PART = c.CREDOR.AsString();
    r.COD_MOD = c.ABREVI.AsString();
    r.COD_SIT = efd::TCodSit::sdfRegular;
    r.SER = c.SERIE.AsString();
    r.NUM_DOC = InteiroOuZero(util::LimpaPontuacao(st.numeroDocumento));
    r.DT_DOC = c.DT_EMISSAO.AsDate();
    r.DT_ENT = c.DT_ENTRADA.AsDate();
    r.VL_DOC = Moeda(c.VALOR.AsFloat());
    r.VL_ICMS = Moeda(c.VALOR_ICM.AsFloat());
    r.COD_INF.clear();
    r.VL_PIS = Moeda(c.PIS.AsFloat());
    r.VL_COFINS = Moeda(c.COFINS.AsFloat());
    r.CHV_DOCe.clear();

    const double valor = c.VALOR.AsFloat();
    const double basePis = c.BASE_PIS_ITEM.AsFloat(), aliqPis = c.PERC_PIS_ITEM.AsFloat();
    const double baseCofins = c.BASE_COFINS_ITEM.AsFloat(), aliqCofins = c.PERC_COFINS_ITEM.AsFloat();
    efd::TRegistroC501& pis = *sped_->Bloco_C().RegistroC501New();
    pis.CST_PIS = efd::ParseCstPis(c.TRIB_PIS.AsString());
    pis.VL_ITEM = Moeda(valor);
    pis.NAT_BC_CRED = efd::TNatBcCred::bccOutrasOpeComDirCredito;
    pis.VL_BC_PIS = Moeda(basePis);
    pis.ALIQ_PIS = aliqPis;
    pis.VL_PIS = Moeda(Arredonda(basePis / 100 * aliqPis, 4));
    pis.COD_CTA = "0";
    efd::TRegistroC505& cofins = *sped_->Bloco_C().RegistroC505New();
    cofins.CST_COFINS = efd::ParseCstCofins(c.TRIB_COFINS.AsString());
    cofins.VL_ITEM = Moeda(valor);
    cofins.NAT_BC_CRED = efd::TNatBcCred::bccOutrasOpeComDirCredito;
    cofins.VL_BC_COFINS = Moeda(baseCofins);
    cofins.ALIQ_COFINS = aliqCofins;
    cofins.VL_COFINS = Moeda(Arredonda(baseCofins / 100 * aliqCofins, 4));
    cofins.COD_CTA = "0";
}

}  // namespace exportacao
