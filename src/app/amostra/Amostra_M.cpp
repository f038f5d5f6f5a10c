#include "app/amostra/Amostra.h"

namespace amostra {

namespace {

using efd::TCstCofins;
using efd::TCstPis;
using util::Currency;

Currency R(double v) { return Currency::FromDouble(v); }

const char* const kCnpjOrgaoPublico = "00394460005887";

}  // namespace

// One assessment of each contribution, its totals agreeing field by field:
// credit 10000 at the basic rate plus an adjustment; contribution on 50000 with a
// reduction, a deferral on sales to a public body and a deferral of an earlier
// period now due; revenue not subject to the contributions; a payroll.
// The base adjustments (M215, M615 and the three M210/M610 fields) exist from
// layout 3.1.0 on; M211 and M611 are written only when block 0 declares a
// cooperative.
void PreencheBlocoM(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    efd::TBloco_M& m = sped.Bloco_M();
    m.RegistroM001New()->IND_MOV = efd::TIndMov::imComDados;
    const bool ajustesDaBase = o.versao >= efd::TCodVer::vlVersao310;
    const std::string mesAnterior = o.inicio.MaisDias(-1).Formata("mmyyyy");

    // ---- PIS/PASEP ----
    efd::TRegistroM100* m100 = m.RegistroM100New();
    m100->COD_CRED = "101";
    m100->IND_CRED_ORI = efd::TIndCredOri::icoOperProprias;
    m100->VL_BC_PIS = 10000;
    m100->ALIQ_PIS = 1.65;
    m100->VL_CRED = R(165);
    m100->VL_AJUS_ACRES = R(10);
    m100->VL_CRED_DISP = R(175);
    m100->IND_DESC_CRED = efd::TIndDescCred::idcTotal;
    m100->VL_CRED_DESC = 175;
    efd::TRegistroM105* m105 = m.RegistroM105New();
    m105->NAT_BC_CRED = efd::TNatBcCred::bccAqBensRevenda;
    m105->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    m105->VL_BC_PIS_TOT = 10000;
    m105->VL_BC_PIS_NC = 10000;
    m105->VL_BC_PIS = 10000;
    efd::TRegistroM110* m110 = m.RegistroM110New();
    m110->IND_AJ = efd::TIndAj::indAjAcressimo;
    m110->VL_AJ = R(10);
    m110->COD_AJ = efd::TCodAj::codAjOutrasSituacoes;
    m110->DESCR_AJ = "CREDITO EXTEMPORANEO";
    m110->DT_REF = o.inicio;
    efd::TRegistroM115* m115 = m.RegistroM115New();
    m115->DET_VALOR_AJ = R(10);
    m115->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    m115->DET_BC_CRED = R(606.06);
    m115->DET_ALIQ = R(1.65);
    m115->DT_OPER_AJ = o.inicio;
    m115->COD_CTA = kConta;

    efd::TRegistroM200* m200 = m.RegistroM200New();
    m200->VL_TOT_CONT_NC_PER = R(783.5);
    m200->VL_TOT_CRED_DESC = R(175);
    m200->VL_TOT_CONT_NC_DEV = R(608.5);
    m200->VL_CONT_NC_REC = R(608.5);
    m200->VL_TOT_CONT_REC = R(608.5);
    efd::TRegistroM205* m205 = m.RegistroM205New();
    m205->NUM_CAMPO = "08";
    m205->COD_REC = "691201";
    m205->VL_DEBITO = R(608.5);

    efd::TRegistroM210* m210 = m.RegistroM210New();
    m210->COD_CONT = efd::TCodCont::ccNaoAcumAliqBasica;
    m210->VL_REC_BRT = R(ajustesDaBase ? 51000 : 50000);
    m210->VL_BC_CONT = R(ajustesDaBase ? 51000 : 50000);
    if (ajustesDaBase) m210->VL_AJUS_REDUC_BC_PIS = R(1000);
    m210->VL_BC_CONT_AJUS = R(50000);
    m210->ALIQ_PIS = 1.65;
    m210->VL_CONT_APUR = R(825);
    m210->VL_AJUS_REDUC = R(25);
    m210->VL_CONT_DIFER = 33;
    m210->VL_CONT_DIFER_ANT = 16.5;
    m210->VL_CONT_PER = R(783.5);
    efd::TRegistroM211* m211 = m.RegistroM211New();
    m211->IND_TIP_COOP = efd::TIndTipCoop::itcConsumo;
    m211->VL_BC_CONT_ANT_EXC_COOP = R(50000);
    m211->VL_BC_CONT = R(50000);
    if (ajustesDaBase) {
        efd::TRegistroM215* m215 = m.RegistroM215New();
        m215->IND_AJ_BC = efd::TIndAj::indAjReducao;
        m215->VL_AJ_BC = R(1000);
        m215->COD_AJ_BC = efd::TCodAjBc::tcaVendasCanceladas;
        m215->NUM_DOC = "1001";
        m215->DESCR_AJ_BC = "VENDA CANCELADA";
        m215->DT_REF = o.inicio;
        m215->COD_CTA = kConta;
    }
    efd::TRegistroM220* m220 = m.RegistroM220New();
    m220->IND_AJ = efd::TIndAj::indAjReducao;
    m220->VL_AJ = R(25);
    m220->COD_AJ = efd::TCodAj::codAjAcaoJudicial;
    m220->NUM_DOC = "00012345620124036100";
    m220->DESCR_AJ = "DECISAO JUDICIAL";
    m220->DT_REF = o.inicio;
    efd::TRegistroM225* m225 = m.RegistroM225New();
    m225->DET_VALOR_AJ = R(25);
    m225->CST_PIS = TCstPis::stpisValorAliquotaNormal;
    m225->DET_BC_CRED = R(1515.15);
    m225->DET_ALIQ = R(1.65);
    m225->DT_OPER_AJ = o.inicio;
    m225->COD_CTA = kConta;
    efd::TRegistroM230* m230 = m.RegistroM230New();
    m230->CNPJ = kCnpjOrgaoPublico;
    m230->VL_VEND = R(2000);
    m230->VL_NAO_RECEB = R(2000);
    m230->VL_CONT_DIF = R(33);

    efd::TRegistroM300* m300 = m.RegistroM300New();
    m300->COD_CONT = efd::TCodCont::ccNaoAcumAliqBasica;
    m300->VL_CONT_APUR_DIFER = R(16.5);
    m300->NAT_CRED_DESC = efd::TNatCredDesc::ncdAliqBasica;
    m300->VL_CONT_DIFER_ANT = R(16.5);
    m300->PER_APUR = mesAnterior;
    m300->DT_RECEB = o.inicio.MaisDias(9);

    efd::TRegistroM350* m350 = m.RegistroM350New();
    m350->VL_TOT_FOL = R(100000);
    m350->VL_TOT_BC = R(100000);
    m350->ALIQ_PIS_FOL = R(1);
    m350->VL_TOT_CONT_FOL = R(1000);

    efd::TRegistroM400* m400 = m.RegistroM400New();
    m400->CST_PIS = TCstPis::stpisAliquotaZero;
    m400->VL_TOT_REC = R(3000);
    m400->COD_CTA = kConta;
    efd::TRegistroM410* m410 = m.RegistroM410New();
    m410->NAT_REC = "101";
    m410->VL_REC = R(3000);
    m410->COD_CTA = kConta;

    // ---- COFINS ----
    efd::TRegistroM500* m500 = m.RegistroM500New();
    m500->COD_CRED = "101";
    m500->IND_CRED_ORI = efd::TIndCredOri::icoOperProprias;
    m500->VL_BC_COFINS = 10000;
    m500->ALIQ_COFINS = 7.6;
    m500->VL_CRED = R(760);
    m500->VL_AJUS_ACRES = R(46);
    m500->VL_CRED_DISP = R(806);
    m500->IND_DESC_CRED = efd::TIndDescCred::idcTotal;
    m500->VL_CRED_DESC = 806;
    efd::TRegistroM505* m505 = m.RegistroM505New();
    m505->NAT_BC_CRED = efd::TNatBcCred::bccAqBensRevenda;
    m505->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    m505->VL_BC_COFINS_TOT = 10000;
    m505->VL_BC_COFINS_NC = 10000;
    m505->VL_BC_COFINS = 10000;
    efd::TRegistroM510* m510 = m.RegistroM510New();
    m510->IND_AJ = efd::TIndAj::indAjAcressimo;
    m510->VL_AJ = R(46);
    m510->COD_AJ = efd::TCodAj::codAjOutrasSituacoes;
    m510->DESCR_AJ = "CREDITO EXTEMPORANEO";
    m510->DT_REF = o.inicio;
    efd::TRegistroM515* m515 = m.RegistroM515New();
    m515->DET_VALOR_AJ = R(46);
    m515->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    m515->DET_BC_CRED = R(605.26);
    m515->DET_ALIQ = R(7.6);
    m515->DT_OPER_AJ = o.inicio;
    m515->COD_CTA = kConta;

    efd::TRegistroM600* m600 = m.RegistroM600New();
    m600->VL_TOT_CONT_NC_PER = R(3609);
    m600->VL_TOT_CRED_DESC = R(806);
    m600->VL_TOT_CONT_NC_DEV = R(2803);
    m600->VL_CONT_NC_REC = R(2803);
    m600->VL_TOT_CONT_REC = R(2803);
    efd::TRegistroM605* m605 = m.RegistroM605New();
    m605->NUM_CAMPO = "08";
    m605->COD_REC = "585601";
    m605->VL_DEBITO = R(2803);

    efd::TRegistroM610* m610 = m.RegistroM610New();
    m610->COD_CONT = efd::TCodCont::ccNaoAcumAliqBasica;
    m610->VL_REC_BRT = R(ajustesDaBase ? 51000 : 50000);
    m610->VL_BC_CONT = R(ajustesDaBase ? 51000 : 50000);
    if (ajustesDaBase) m610->VL_AJUS_REDUC_BC_COFINS = R(1000);
    m610->VL_BC_CONT_AJUS = R(50000);
    m610->ALIQ_COFINS = 7.6;
    m610->VL_CONT_APUR = R(3800);
    m610->VL_AJUS_REDUC = R(115);
    m610->VL_CONT_DIFER = 152;
    m610->VL_CONT_DIFER_ANT = 76;
    m610->VL_CONT_PER = R(3609);
    efd::TRegistroM611* m611 = m.RegistroM611New();
    m611->IND_TIP_COOP = efd::TIndTipCoop::itcConsumo;
    m611->VL_BC_CONT_ANT_EXC_COOP = R(50000);
    m611->VL_BC_CONT = R(50000);
    if (ajustesDaBase) {
        efd::TRegistroM615* m615 = m.RegistroM615New();
        m615->IND_AJ_BC = efd::TIndAj::indAjReducao;
        m615->VL_AJ_BC = R(1000);
        m615->COD_AJ_BC = efd::TCodAjBc::tcaVendasCanceladas;
        m615->NUM_DOC = "1001";
        m615->DESCR_AJ_BC = "VENDA CANCELADA";
        m615->DT_REF = o.inicio;
        m615->COD_CTA = kConta;
    }
    efd::TRegistroM620* m620 = m.RegistroM620New();
    m620->IND_AJ = efd::TIndAj::indAjReducao;
    m620->VL_AJ = R(115);
    m620->COD_AJ = efd::TCodAj::codAjAcaoJudicial;
    m620->NUM_DOC = "00012345620124036100";
    m620->DESCR_AJ = "DECISAO JUDICIAL";
    m620->DT_REF = o.inicio;
    efd::TRegistroM625* m625 = m.RegistroM625New();
    m625->DET_VALOR_AJ = R(115);
    m625->CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    m625->DET_BC_CRED = R(1513.16);
    m625->DET_ALIQ = R(7.6);
    m625->DT_OPER_AJ = o.inicio;
    m625->COD_CTA = kConta;
    efd::TRegistroM630* m630 = m.RegistroM630New();
    m630->CNPJ = kCnpjOrgaoPublico;
    m630->VL_VEND = R(2000);
    m630->VL_NAO_RECEB = R(2000);
    m630->VL_CONT_DIF = R(152);

    efd::TRegistroM700* m700 = m.RegistroM700New();
    m700->COD_CONT = efd::TCodCont::ccNaoAcumAliqBasica;
    m700->VL_CONT_APUR_DIFER = R(76);
    m700->NAT_CRED_DESC = efd::TNatCredDesc::ncdAliqBasica;
    m700->VL_CONT_DIFER_ANT = R(76);
    m700->PER_APUR = mesAnterior;
    m700->DT_RECEB = o.inicio.MaisDias(9);

    efd::TRegistroM800* m800 = m.RegistroM800New();
    m800->CST_COFINS = TCstCofins::stcofinsAliquotaZero;
    m800->VL_TOT_REC = R(3000);
    m800->COD_CTA = kConta;
    efd::TRegistroM810* m810 = m.RegistroM810New();
    m810->NAT_REC = "101";
    m810->VL_REC = R(3000);
    m810->COD_CTA = kConta;
}

}  // namespace amostra
