// Service documents (block A), transport and communication documents (block D),
// the receivables' interest (F100) and the block M assessment.
#include <cmath>

#include "erpdata/ContextoERP.h"
#include "erpdata/TIQuery.h"
#include "efd/GeradorEFD.h"
#include "export/ExportacaoInterno.h"
#include "export/Regras.h"
#include "util/Util.h"

namespace exportacao {

using util::Currency;

namespace {
Currency Moeda(double v) { return Currency::FromDouble(v); }
}  // namespace

void TExportacao::GeraBlocoA() {
    const Colunas& c = *col_;
    Estado& st = *st_;
    sped_->Bloco_A().RegistroA001().IND_MOV = efd::TIndMov::imComDados;
    AdicionaParticipante();
    AdicionaItem(c.CODIGO.AsString());
    AdicionaUnidade(c.UNIDADE.AsString());

    const std::string credor = c.CREDOR.AsString();
    const std::string serie = c.SERIE.AsString();
    const std::string tpEmi = c.TP_EMI.AsString();
    auto [it, novo] = st.notasServicos.try_emplace(ChaveDocumento(tpEmi, st.numeroDocumento, credor, serie));
    DocumentoA100& doc = it->second;
    if (novo) {
        doc.a100 = sped_->Bloco_A().RegistroA100New();
        efd::TRegistroA100& r = *doc.a100;
        r.IND_OPER = efd::TIndOper::itoContratado;
        r.IND_EMIT = tpEmi == "0" ? efd::TIndEmit::iedfProprio : efd::TIndEmit::iedfTerceiro;
        r.COD_PART = credor;
        r.COD_SIT = efd::TCodSit::sdfRegular;
        r.SER = serie;
        r.SUB.clear();
        r.NUM_DOC = util::LimpaPontuacao(st.numeroDocumento);
        r.CHV_NFSE = c.DANFE.AsString();
        r.DT_DOC = c.DT_EMISSAO.AsDate();
        r.DT_EXE_SERV = c.DT_ENTRADA.AsDate();
        r.VL_DOC = c.VALOR.AsFloat();
        r.IND_PGTO = IndicadorPagamento(c.COND_PAGTO.AsString());
        r.VL_DESC = c.DESCONTO.AsFloat();
        r.VL_BC_PIS = c.BC_PIS.AsFloat();
        r.VL_PIS = c.PIS.AsFloat();
        r.VL_BC_COFINS = c.BC_COFINS.AsFloat();
        r.VL_COFINS = c.COFINS.AsFloat();
        r.VL_PIS_RET = c.PIS_RET.AsFloat();
        r.VL_COFINS_RET = c.COFINS_RET.AsFloat();
        r.VL_ISS = c.VALOR_ISS.AsFloat();
    }

    // Under the row's own document, also when other documents came in between.
    efd::TRegistroA170& r = *doc.a100->RegistroA170.New();
    r.NUM_ITEM = ++doc.itens;
    r.COD_ITEM = c.CODIGO.AsString();
    r.DESCR_COMPL = Apara(c.DESCRICAO.AsString());
    const double valorItem = c.VALOR_ITEM.AsFloat();
    r.VL_ITEM = valorItem;
    r.VL_DESC = DescontoDoItem(valorItem, c.VAL_PRODUTOS.AsFloat(), c.DESCONTO.AsFloat());
    r.NAT_BC_CRED = efd::TNatBcCred::bccOutrasOpeComDirCredito;
    r.IND_ORIG_CRED = efd::TIndOrigCred::opcMercadoInterno;
    const double basePis = c.BASE_PIS_ITEM.AsFloat(), aliqPis = c.PERC_PIS_ITEM.AsFloat();
    const double baseCofins = c.BASE_COFINS_ITEM.AsFloat(), aliqCofins = c.PERC_COFINS_ITEM.AsFloat();
    r.CST_PIS = efd::ParseCstPis(c.TRIB_PIS.AsString());
    r.VL_BC_PIS = basePis;
    r.ALIQ_PIS = aliqPis;
    r.VL_PIS = ContribuicaoItemServico(basePis, aliqPis);
    r.CST_COFINS = efd::ParseCstCofins(c.TRIB_COFINS.AsString());
    r.VL_BC_COFINS = baseCofins;
    r.ALIQ_COFINS = aliqCofins;
    r.VL_COFINS = ContribuicaoItemServico(baseCofins, aliqCofins);
    r.COD_CTA = ResolveContaDaLinha();
    r.COD_CCUS.clear();
    GeraRegistro0500(r.COD_CTA);
}

void TExportacao::GeraD100() {
    const Colunas& c = *col_;
    Estado& st = *st_;
    AdicionaParticipante();
    const std::string credor = c.CREDOR.AsString();
    const std::string serie = c.SERIE.AsString();
    // Only the document's first row makes registers.
    if (!st.notasTransporte.insert(ChaveDocumento(c.TP_EMI.AsString(), st.numeroDocumento, credor, serie)).second)
        return;

    const std::string abrevi = c.ABREVI.AsString();
    const std::string danfe = c.DANFE.AsString();
    const double valor = c.VALOR.AsFloat();
    const double baseIcms = c.BASE_ICM.AsFloat();
    const std::string conta = ResolveContaDaLinha();
    efd::TRegistroD100& r = *sped_->Bloco_D().RegistroD100New();
    r.IND_OPER = "0";
    r.IND_EMIT = efd::TIndEmit::iedfTerceiro;
    r.COD_PART = credor;
    r.COD_MOD = abrevi;
    r.COD_SIT = efd::TCodSit::sdfRegular;
    r.SER = serie;
    r.SUB.clear();
    r.NUM_DOC = util::LimpaPontuacao(st.numeroDocumento);
    r.CHV_CTE = danfe.size() == 44 && abrevi == "57" ? danfe : std::string();
    r.DT_DOC = c.DT_EMISSAO.AsDate();
    r.DT_A_P = c.DT_ENTRADA.AsDate();
    r.TP_CT_e.clear();
    r.CHV_CTE_REF.clear();
    r.VL_DOC = Moeda(valor);
    r.VL_DESC = Moeda(c.DESCONTO.AsFloat());
    r.IND_FRT = efd::TIndFrt::tfPorContaTerceiros;
    r.VL_SERV = Moeda(valor);
    r.VL_BC_ICMS = Moeda(baseIcms);
    r.VL_ICMS = Moeda(c.VALOR_ICM.AsFloat());
    r.VL_NT = Moeda(valor - baseIcms);
    r.COD_INF.clear();
    r.COD_CTA = conta;
    GeraRegistro0500(conta);

    const double basePis = c.BASE_PIS_ITEM.AsFloat(), aliqPis = c.PERC_PIS_ITEM.AsFloat();
    const double baseCofins = c.BASE_COFINS_ITEM.AsFloat(), aliqCofins = c.PERC_COFINS_ITEM.AsFloat();
    efd::TRegistroD101& pis = *sped_->Bloco_D().RegistroD101New();
    pis.IND_NAT_FRT = efd::TNaturezaFrtContratado::nfcTransfAcabadosPJ;
    pis.VL_ITEM = Moeda(valor);
    pis.CST_PIS = efd::ParseCstPis(c.TRIB_PIS.AsString());
    pis.NAT_BC_CRED = efd::TNatBcCred::bccOutrasOpeComDirCredito;
    pis.VL_BC_PIS = Moeda(basePis);
    pis.ALIQ_PIS = aliqPis;
    pis.VL_PIS = Moeda(Arredonda(basePis / 100 * aliqPis, 4));
    pis.COD_CTA = conta;
    efd::TRegistroD105& cofins = *sped_->Bloco_D().RegistroD105New();
    cofins.IND_NAT_FRT = efd::TNaturezaFrtContratado::nfcTransfAcabadosPJ;
    cofins.VL_ITEM = Moeda(valor);
    cofins.CST_COFINS = efd::ParseCstCofins(c.TRIB_COFINS.AsString());
    cofins.NAT_BC_CRED = efd::TNatBcCred::bccOutrasOpeComDirCredito;
    cofins.VL_BC_COFINS = Moeda(baseCofins);
    cofins.ALIQ_COFINS = aliqCofins;
    cofins.VL_COFINS = Moeda(Arredonda(baseCofins / 100 * aliqCofins, 4));
    cofins.COD_CTA = conta;
}

void TExportacao::GeraD500() {
    const Colunas& c = *col_;
    Estado& st = *st_;
    AdicionaParticipante();
    const double valor = c.VALOR.AsFloat();
    efd::TRegistroD500& r = *sped_->Bloco_D().RegistroD500New();
    r.IND_OPER = efd::TIndOper::itoContratado;
    r.IND_EMIT = efd::TIndEmit::iedfTerceiro;
    r.COD_PART = c.CREDOR.AsString();
    r.COD_MOD = c.ABREVI.AsString();
    r.COD_SIT = efd::TCodSit::sdfRegular;
    r.SER = c.SERIE.AsString();
    r.SUB = 0;
    r.NUM_DOC = InteiroOuZero(util::LimpaPontuacao(st.numeroDocumento));
    r.DT_DOC = c.DT_EMISSAO.AsDate();
    r.DT_A_P = c.DT_ENTRADA.AsDate();
    r.VL_DOC = Moeda(valor);
    r.VL_DESC = Moeda(c.DESCONTO.AsFloat());
    r.VL_SERV = Moeda(valor);
    r.VL_SERV_NT = Currency();
    r.VL_TERC = Currency();
    r.VL_DA = Currency();
    r.VL_BC_ICMS = Moeda(c.BASE_ICM.AsFloat());
    r.VL_ICMS = Moeda(c.VALOR_ICM.AsFloat());
    r.COD_INF.clear();
    r.VL_PIS = Moeda(c.PIS.AsFloat());
    r.VL_COFINS = Moeda(c.COFINS.AsFloat());
}

void TExportacao::GeraF100() {
    efd::TBloco_F& f = sped_->Bloco_F();
    f.RegistroF001().IND_MOV = efd::TIndMov::imSemDados;
    QryReceber->Close();
    QryReceber->SetSQL("SELECT SUM(RB.JUROS) AS JUROS, MAX(RB.DT_PAGTO) AS DT_EMISSAO\r\n"
                       "FROM " + ctx_.NomeTabela("RECEBERB") + " RB\r\n"
                       "WHERE RB.JUROS > 0\r\n"
                       "AND RB.DT_PAGTO >= " + erpdata::TContextoERP::Aspas(e_->dtEntIni.Formata("mm/dd/yyyy")) + "\r\n"
                       "AND RB.DT_PAGTO <= " + erpdata::TContextoERP::Aspas(e_->dtEntFim.Formata("mm/dd/yyyy")));
    QryReceber->Open();
    if (QryReceber->IsEmpty() || QryReceber->FieldByName("JUROS").IsNull()) {
        QryReceber->Close();
        return;  // no interest in the period: block F stays empty
    }
    f.RegistroF001().IND_MOV = efd::TIndMov::imComDados;
    f.RegistroF010New()->CNPJ = st_->empresaCnpj;
    const Currency juros = QryReceber->FieldByName("JUROS").AsCurrency();
    const double j = juros.ToDouble();
    efd::TRegistroF100& r = *f.RegistroF100New();
    r.IND_OPER = efd::TIndTpOperacaoReceita::indRepReceitaAuferida;
    r.DT_OPER = QryReceber->FieldByName("DT_EMISSAO").AsDate();
    r.VL_OPER = juros;
    r.CST_PIS = efd::TCstPis::stpisValorAliquotaDiferenciada;
    r.VL_BC_PIS = juros;
    r.ALIQ_PIS = Moeda(0.65);
    r.VL_PIS = Moeda(Arredonda(j * 0.0065, 4));
    r.CST_COFINS = efd::TCstCofins::stcofinsValorAliquotaDiferenciada;
    r.VL_BC_COFINS = juros;
    r.ALIQ_COFINS = Moeda(4.00);
    r.VL_COFINS = Moeda(Arredonda(j * 0.04, 4));
    QryReceber->Close();
}

void TExportacao::AcumulaBlocoM() {
    const Colunas& c = *col_;
    auto acumula = [](std::vector<TTotalContribuicao>& tabela, double base, double aliquota) {
        const double credito = base / 100 * aliquota;
        for (TTotalContribuicao& t : tabela)
            if (t.ALIQ == aliquota) {
                t.VL_BC += base;
                t.VL_CRED += credito;
                t.VL_CRED_DISP += credito;
                return;
            }
        tabela.push_back({aliquota, base, credito, credito});
    };
    acumula(st_->TbM100, c.BASE_PIS_ITEM.AsFloat(), c.PERC_PIS_ITEM.AsFloat());
    acumula(st_->TbM500, c.BASE_COFINS_ITEM.AsFloat(), c.PERC_COFINS_ITEM.AsFloat());
}

void TExportacao::GeraRegistrosBlocoM() {
    efd::TBloco_M& m = sped_->Bloco_M();
    for (const TTotalContribuicao& t : st_->TbM100) {
        efd::TRegistroM100& r = *m.RegistroM100New();
        r.COD_CRED = "101";
        r.IND_CRED_ORI = efd::TIndCredOri::icoOperProprias;
        r.VL_BC_PIS = t.VL_BC;
        r.ALIQ_PIS = t.ALIQ;
        r.QUANT_BC_PIS = 0.0;
        r.ALIQ_PIS_QUANT = 0.0;
        r.VL_CRED = Moeda(t.VL_CRED);
        r.VL_AJUS_ACRES = Currency();
        r.VL_AJUS_REDUC = Currency();
        r.VL_CRED_DIF = Currency();
        r.VL_CRED_DISP = Moeda(t.VL_CRED_DISP);
        r.IND_DESC_CRED = efd::TIndDescCred::idcTotal;
        r.VL_CRED_DESC = 0.0;
        r.SLD_CRED = Currency();

        efd::TRegistroM210& m210 = *m.RegistroM210New();
        m210.COD_CONT = efd::TCodCont::ccNaoAcumAliqBasica;
        m210.ALIQ_PIS = t.ALIQ;
        m210.QUANT_BC_PIS = 0.0;
        m210.ALIQ_PIS_QUANT = 0.0;
        m210.VL_CONT_DIFER = 0.0;
        m210.VL_CONT_DIFER_ANT = 0.0;
    }
    for (const TTotalContribuicao& t : st_->TbM500) {
        efd::TRegistroM500& r = *m.RegistroM500New();
        r.COD_CRED = "101";
        r.IND_CRED_ORI = efd::TIndCredOri::icoOperProprias;
        r.VL_BC_COFINS = t.VL_BC;
        r.ALIQ_COFINS = t.ALIQ;
        r.QUANT_BC_COFINS = 0.0;
        r.ALIQ_COFINS_QUANT = 0.0;
        r.VL_CRED = Moeda(t.VL_CRED);
        r.VL_AJUS_ACRES = Currency();
        r.VL_AJUS_REDUC = Currency();
        r.VL_CRED_DIFER = Currency();
        r.VL_CRED_DISP = Moeda(t.VL_CRED_DISP);
        r.IND_DESC_CRED = efd::TIndDescCred::idcTotal;
        r.VL_CRED_DESC = 0.0;
        r.SLD_CRED = Currency();
    }
    efd::TRegistroM610& m610 = *m.RegistroM610New();
    m610.COD_CONT = efd::TCodCont::ccNaoAcumAliqBasica;
    m610.ALIQ_COFINS = 0.0;
    m610.QUANT_BC_COFINS = 0.0;
    m610.ALIQ_COFINS_QUANT = 0.0;
    m610.VL_CONT_DIFER = 0.0;
    m610.VL_CONT_DIFER_ANT = 0.0;
}

}  // namespace exportacao
