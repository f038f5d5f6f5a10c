#include "app/amostra/Amostra.h"

namespace amostra {

using util::Currency;
using util::Data;

namespace {

Currency Moeda(double v) { return Currency::FromDouble(v); }

// "MMAAAA" of the month before the period.
std::string MesAnterior(const Data& inicio) {
    const Data anterior = inicio.MaisDias(-1);
    return anterior.Formata("mmyyyy");
}

}  // namespace

void PreencheBloco1(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    using namespace efd;
    TBloco_1& b = sped.Bloco_1();
    b.Registro1001New()->IND_MOV = TIndMov::imComDados;
    const Data dia5 = o.inicio.MaisDias(4);
    const Data anterior = o.inicio.MaisDias(-10);
    const std::string mesAnterior = MesAnterior(o.inicio);

    TRegistro1010* acao = b.Registro1010New();
    acao->NUM_PROC = "00012345620154036100";
    acao->ID_SEC_JUD = "SJSP";
    acao->ID_VARA = "01";
    acao->IND_NAT_ACAO = 1;
    acao->DESC_DEC_JUD = "LIMINAR EM MANDADO DE SEGURANCA";
    acao->DT_SENT_JUD = Data::FromYMD(o.inicio.Ano() - 1, 6, 15);

    // One operation with the suspended figures, one with only the contributions due.
    TRegistro1011* suspensa = b.Registro1011New();
    suspensa->REG_REF = "C170";
    suspensa->CHAVE_DOC = "35190111222333000181550010000001231000001234";
    suspensa->COD_PART = kParticipanteCpf;
    suspensa->COD_ITEM = kItem;
    suspensa->DT_OPER = dia5;
    suspensa->VL_OPER = Moeda(1000);
    suspensa->CST_PIS = 1;
    suspensa->VL_BC_PIS = 1000.0;
    suspensa->ALIQ_PIS = 1.65;
    suspensa->VL_PIS = 16.5;
    suspensa->CST_COFINS = 1;
    suspensa->VL_BC_COFINS = 1000.0;
    suspensa->ALIQ_COFINS = 7.6;
    suspensa->VL_COFINS = 76.0;
    suspensa->CST_PIS_SUSP = 9;
    suspensa->VL_BC_PIS_SUSP = 1000.0;
    suspensa->ALIQ_PIS_SUSP = 1.65;
    suspensa->VL_PIS_SUSP = 16.5;
    suspensa->CST_COFINS_SUSP = 9;
    suspensa->VL_BC_COFINS_SUSP = 1000.0;
    suspensa->ALIQ_COFINS_SUSP = 7.6;
    suspensa->VL_COFINS_SUSP = 76.0;
    suspensa->COD_CTA = kConta;
    suspensa->DESC_DOC_OPER = "VENDA COM EXIGIBILIDADE SUSPENSA";
    TRegistro1011* devida = b.Registro1011New();
    devida->REG_REF = "C170";
    devida->COD_PART = kParticipanteCpf;
    devida->COD_ITEM = kItem;
    devida->DT_OPER = dia5;
    devida->VL_OPER = Moeda(500);
    devida->CST_PIS = 1;
    devida->VL_BC_PIS = 500.0;
    devida->ALIQ_PIS = 1.65;
    devida->VL_PIS = 8.25;
    devida->CST_COFINS = 1;
    devida->VL_BC_COFINS = 500.0;
    devida->ALIQ_COFINS = 7.6;
    devida->VL_COFINS = 38.0;
    devida->COD_CTA = kConta;

    TRegistro1020* adm = b.Registro1020New();
    adm->NUM_PROC = "10880123456201811";
    adm->IND_NAT_ACAO = 1;
    adm->DT_DEC_ADM = Data::FromYMD(o.inicio.Ano() - 1, 3, 10);

    TRegistro1050* ajuste = b.Registro1050New();
    ajuste->DT_REF = anterior;
    ajuste->IND_AJ_BC = "01";
    ajuste->CNPJ = kCnpjEmpresa;
    ajuste->VL_AJ_TOT = Moeda(300);
    ajuste->VL_AJ_CST01 = Moeda(300);
    ajuste->IND_APROP = "01";
    ajuste->INFO_COMPL = "AJUSTE DE BASE DE CALCULO";

    // PIS credits: control, an extemporaneous document and its apportionment.
    TRegistro1100* credPis = b.Registro1100New();
    credPis->PER_APU_CRED = mesAnterior;
    credPis->ORIG_CRED = "01";
    credPis->COD_CRED = "101";
    credPis->VL_CRED_APU = Moeda(165);
    credPis->VL_CRED_EXT_APU = Moeda(16.5);
    credPis->VL_TOT_CRED_APU = Moeda(181.5);
    credPis->SD_CRED_DISP_EFD = Moeda(181.5);
    credPis->VL_CRED_DESC_EFD = Moeda(100);
    credPis->SLD_CRED_FIM = Moeda(81.5);
    TRegistro1101* docPis = b.Registro1101New();
    docPis->COD_PART = kParticipanteCnpj;
    docPis->COD_ITEM = kItem;
    docPis->COD_MOD = "55";
    docPis->SER = "1";
    docPis->NUM_DOC = "4567";
    docPis->DT_OPER = anterior;
    docPis->VL_OPER = Moeda(1000);
    docPis->CFOP = "1102";
    docPis->NAT_BC_CRED = TNatBcCred::bccAqBensRevenda;
    docPis->IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    docPis->CST_PIS = TCstPis::stpisOperCredRecTribNaoTribMercInt;
    docPis->VL_BC_PIS = 1000;
    docPis->ALIQ_PIS = 1.65;
    docPis->VL_PIS = Moeda(16.5);
    docPis->COD_CTA = kConta;
    docPis->PER_ESCRIT = mesAnterior;
    docPis->CNPJ = kCnpjEmpresa;
    TRegistro1102* ratPis = b.Registro1102New();
    ratPis->VL_CRED_PIS_TRIB_MI = Moeda(12.5);
    ratPis->VL_CRED_PIS_NT_MI = Moeda(4);

    TRegistro1200* extPis = b.Registro1200New();
    extPis->PER_APUR_ANT = mesAnterior;
    extPis->NAT_CONT_REC = "01";
    extPis->VL_CONT_APUR = Moeda(33);
    extPis->VL_CONT_DEV = Moeda(33);
    extPis->VL_CONT_EXT = Moeda(33);
    extPis->VL_MUL = Moeda(6.6);
    extPis->VL_JUR = Moeda(0.33);
    extPis->DT_RECOL = dia5;
    TRegistro1210* opExtPis = b.Registro1210New();
    opExtPis->CNPJ = kCnpjEmpresa;
    opExtPis->CST_PIS = TCstPis::stpisValorAliquotaNormal;
    opExtPis->COD_PART = kParticipanteCpf;
    opExtPis->DT_OPER = anterior;
    opExtPis->VL_OPER = Moeda(2000);
    opExtPis->VL_BC_PIS = Moeda(2000);
    opExtPis->ALIQ_PIS = 1.65;
    opExtPis->VL_PIS = Moeda(33);
    opExtPis->COD_CTA = kConta;
    TRegistro1220* credExtPis = b.Registro1220New();
    credExtPis->PER_APU_CRED = mesAnterior;
    credExtPis->ORIG_CRED = "01";
    credExtPis->COD_CRED = "101";
    credExtPis->VL_CRED = Moeda(0);

    TRegistro1300* retPis = b.Registro1300New();
    retPis->IND_NAT_RET = "01";
    retPis->PR_REC_RET = mesAnterior;
    retPis->VL_RET_APU = Moeda(10);
    retPis->VL_RET_DED = Moeda(10);

    // COFINS: the same controls.
    TRegistro1500* credCofins = b.Registro1500New();
    credCofins->PER_APU_CRED = mesAnterior;
    credCofins->ORIG_CRED = "01";
    credCofins->COD_CRED = "101";
    credCofins->VL_CRED_APU = Moeda(760);
    credCofins->VL_CRED_EXT_APU = Moeda(76);
    credCofins->VL_TOT_CRED_APU = Moeda(836);
    credCofins->SD_CRED_DISP_EFD = Moeda(836);
    credCofins->VL_CRED_DESC_EFD = Moeda(500);
    credCofins->SLD_CRED_FIM = Moeda(336);
    TRegistro1501* docCofins = b.Registro1501New();
    docCofins->COD_PART = kParticipanteCnpj;
    docCofins->COD_ITEM = kItem;
    docCofins->COD_MOD = "55";
    docCofins->SER = "1";
    docCofins->NUM_DOC = "4567";
    docCofins->DT_OPER = anterior;
    docCofins->VL_OPER = Moeda(1000);
    docCofins->CFOP = "1102";
    docCofins->NAT_BC_CRED = TNatBcCred::bccAqBensRevenda;
    docCofins->IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    docCofins->CST_COFINS = TCstCofins::stcofinsOperCredRecTribNaoTribMercInt;
    docCofins->VL_BC_COFINS = 1000;
    docCofins->ALIQ_COFINS = 7.6;
    docCofins->VL_COFINS = Moeda(76);
    docCofins->COD_CTA = kConta;
    docCofins->PER_ESCRIT = mesAnterior;
    docCofins->CNPJ = kCnpjEmpresa;
    TRegistro1502* ratCofins = b.Registro1502New();
    ratCofins->VL_CRED_COFINS_TRIB_MI = Moeda(57.6);
    ratCofins->VL_CRED_COFINS_NT_MI = Moeda(18.4);

    TRegistro1600* extCofins = b.Registro1600New();
    extCofins->PER_APUR_ANT = mesAnterior;
    extCofins->NAT_CONT_REC = "01";
    extCofins->VL_CONT_APUR = Moeda(152);
    extCofins->VL_CONT_DEV = Moeda(152);
    extCofins->VL_CONT_EXT = Moeda(152);
    extCofins->VL_MUL = Moeda(30.4);
    extCofins->VL_JUR = Moeda(1.52);
    extCofins->DT_RECOL = dia5;
    TRegistro1610* opExtCofins = b.Registro1610New();
    opExtCofins->CNPJ = kCnpjEmpresa;
    opExtCofins->CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    opExtCofins->COD_PART = kParticipanteCpf;
    opExtCofins->DT_OPER = anterior;
    opExtCofins->VL_OPER = Moeda(2000);
    opExtCofins->VL_BC_COFINS = Moeda(2000);
    opExtCofins->ALIQ_COFINS = 7.6;
    opExtCofins->VL_COFINS = Moeda(152);
    opExtCofins->COD_CTA = kConta;
    TRegistro1620* credExtCofins = b.Registro1620New();
    credExtCofins->PER_APU_CRED = mesAnterior;
    credExtCofins->ORIG_CRED = "01";
    credExtCofins->COD_CRED = "101";
    credExtCofins->VL_CRED = Moeda(0);

    TRegistro1700* retCofins = b.Registro1700New();
    retCofins->IND_NAT_RET = "01";
    retCofins->PR_REC_RET = mesAnterior;
    retCofins->VL_RET_APU = Moeda(46);
    retCofins->VL_RET_DED = Moeda(46);

    TRegistro1800* ret = b.Registro1800New();
    ret->INC_IMOB = "RESIDENCIAL AMOSTRA";
    ret->REC_RECEB_RET = Moeda(100000);
    ret->BC_RET = Moeda(100000);
    ret->ALIQ_RET = 4;
    ret->VL_REC_UNI = Moeda(100000);
    ret->DT_REC_UNI = dia5;
    ret->COD_REC = "4095";
    TRegistro1809* processo = b.Registro1809New();
    processo->NUM_PROC = "10880123456201811";
    processo->IND_PROC = TOrigemProcesso::opSecexRFB;

    TRegistro1900* consolidado = b.Registro1900New();
    consolidado->CNPJ = kCnpjEmpresa;
    consolidado->COD_MOD = "55";
    consolidado->SER = "1";
    consolidado->COD_SIT = TCodSitF::codSitFRegular;
    consolidado->VL_TOT_REC = Moeda(3000);
    consolidado->QUANT_DOC = 3;
    consolidado->CST_PIS = TCstPis::stpisValorAliquotaNormal;
    consolidado->CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    consolidado->CFOP = kNatureza;
    consolidado->COD_CTA = kConta;
}

}  // namespace amostra
