#include "app/amostra/Amostra.h"

namespace amostra {

namespace {

using efd::TCstCofins;
using efd::TCstPis;
using efd::TOrigemProcesso;
using util::Currency;

Currency R(double v) { return Currency::FromDouble(v); }

const char* const kCnpjOrgaoPublico = "00394460005887";
const char* const kCnpjCliente = "33000167000101";
const char* const kCnpjSucedida = "11444777000161";
const char* const kCpfAdquirente = "11144477735";
const char* const kProcessoJudicial = "00012345620124036100";

}  // namespace

// Every register of block F once, with values that agree with each other where a
// register repeats another's amounts (base x rate = contribution).
void PreencheBlocoF(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    efd::TBloco_F& f = sped.Bloco_F();
    f.RegistroF001New()->IND_MOV = efd::TIndMov::imComDados;
    f.RegistroF010New()->CNPJ = kCnpjEmpresa;
    const std::string mesAno = o.inicio.Formata("mmyyyy");

    // Rent of a building taken as a credit, with the judicial process behind it.
    efd::TRegistroF100* f100 = f.RegistroF100New();
    f100->IND_OPER = efd::TIndTpOperacaoReceita::indRepCustosDespesasEncargos;
    f100->COD_PART = kParticipanteCnpj;
    f100->COD_ITEM = kItemServico;
    f100->DT_OPER = o.inicio.MaisDias(9);
    f100->VL_OPER = R(1000);
    f100->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    f100->VL_BC_PIS = R(1000);
    f100->ALIQ_PIS = R(1.65);
    f100->VL_PIS = R(16.5);
    f100->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    f100->VL_BC_COFINS = R(1000);
    f100->ALIQ_COFINS = R(7.6);
    f100->VL_COFINS = R(76);
    f100->NAT_BC_CRED = efd::TNatBcCred::bccAluguelPredios;
    f100->IND_ORIG_CRED = efd::TIndOrigCred::opcMercadoInterno;
    f100->COD_CTA = kConta;
    f100->DESC_DOC_OPER = "ALUGUEL DO GALPAO";
    efd::TRegistroF111* f111 = f.RegistroF111New();
    f111->NUM_PROC = kProcessoJudicial;
    f111->IND_PROC = TOrigemProcesso::opJusticaFederal;

    // Depreciation of a machine used in production.
    efd::TRegistroF120* f120 = f.RegistroF120New();
    f120->NAT_BC_CRED = efd::TNatBcCred::bccMaqCredDepreciacao;
    f120->IDENT_BEM_IMOB = efd::TIdentBemImob::iocMaquinas;
    f120->IND_UTIL_BEM_IMOB = efd::TIndUtilBemImob::ubiProducaoBensDestinadosVenda;
    f120->VL_OPER_DEP = R(2000);
    f120->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    f120->VL_BC_PIS = R(2000);
    f120->ALIQ_PIS = 1.65;
    f120->VL_PIS = R(33);
    f120->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    f120->VL_BC_COFINS = R(2000);
    f120->ALIQ_COFINS = 7.6;
    f120->VL_COFINS = R(152);
    f120->COD_CTA = kConta;
    f120->DESC_BEM_IMOB = "DEPRECIACAO DA PRENSA";
    efd::TRegistroF129* f129 = f.RegistroF129New();
    f129->NUM_PROC = kProcessoJudicial;
    f129->IND_PROC = TOrigemProcesso::opJusticaFederal;

    // Equipment bought this month, its credit taken over 48 months.
    efd::TRegistroF130* f130 = f.RegistroF130New();
    f130->NAT_BC_CRED = efd::TNatBcCred::bccMaqCredAquisicao;
    f130->IDENT_BEM_IMOB = efd::TIdentBemImob::iocEquipamentos;
    f130->IND_UTIL_BEM_IMOB = efd::TIndUtilBemImob::ubiProducaoBensDestinadosVenda;
    f130->MES_OPER_AQUIS = mesAno;
    f130->VL_OPER_AQUIS = R(48000);
    f130->VL_BC_CRED = R(48000);
    f130->IND_NR_PARC = efd::TIndNrParc::inr48Meses;
    f130->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    f130->VL_BC_PIS = R(1000);
    f130->ALIQ_PIS = 1.65;
    f130->VL_PIS = R(16.5);
    f130->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    f130->VL_BC_COFINS = R(1000);
    f130->ALIQ_COFINS = 7.6;
    f130->VL_COFINS = R(76);
    f130->COD_CTA = kConta;
    f130->DESC_BEM_IMOB = "EMPILHADEIRA";
    efd::TRegistroF139* f139 = f.RegistroF139New();
    f139->NUM_PROC = kProcessoJudicial;
    f139->IND_PROC = TOrigemProcesso::opJusticaFederal;

    // Opening stock, its presumed credit in twelve instalments.
    efd::TRegistroF150* f150 = f.RegistroF150New();
    f150->NAT_BC_CRED = efd::TNatBcCred::bccEstoqueAberturaBens;
    f150->VL_TOT_EST = R(12000);
    f150->VL_BC_EST = R(12000);
    f150->VL_BC_MEN_EST = R(1000);
    f150->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    f150->ALIQ_PIS = 0.65;
    f150->VL_CRED_PIS = R(6.5);
    f150->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    f150->ALIQ_COFINS = 3;
    f150->VL_CRED_COFINS = R(30);
    f150->DESC_EST = "MERCADORIAS EM ESTOQUE";
    f150->COD_CTA = kConta;

    // A flat sold, with its incurred and budgeted costs.
    efd::TRegistroF200* f200 = f.RegistroF200New();
    f200->IND_OPER = "01";
    f200->UNID_IMOB = "04";
    f200->IDENT_EMP = "RESIDENCIAL AMOSTRA";
    f200->DESC_UNID_IMOB = "APARTAMENTO 101";
    f200->NUM_CONT = "CV-0001";
    f200->CPF_CNPJ_ADQU = kCpfAdquirente;
    f200->DT_OPER = o.inicio.MaisDias(4);
    f200->VL_TOT_VEND = R(300000);
    f200->VL_TOT_REC = R(300000);
    f200->CST_PIS = TCstPis::stpisValorAliquotaNormal;
    f200->VL_BC_PIS = R(300000);
    f200->ALIQ_PIS = 1.65;
    f200->VL_PIS = R(4950);
    f200->CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    f200->VL_BC_COFINS = R(300000);
    f200->ALIQ_COFINS = 7.6;
    f200->VL_COFINS = R(22800);
    f200->PERC_REC_RECEB = R(100);
    f200->IND_NAT_EMP = "4";
    f200->INF_COMP = "VENDA A VISTA";
    efd::TRegistroF205* f205 = f.RegistroF205New();
    f205->VL_CUS_INC_PER_ESC = R(150000);
    f205->VL_CUS_INC_ACUM = R(150000);
    f205->VL_BC_CUS_INC = R(150000);
    f205->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    f205->ALIQ_PIS = 1.65;
    f205->VL_CRED_PIS_ACUM = R(2475);
    f205->VL_CRED_PIS_DESC = R(2475);
    f205->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    f205->ALIQ_COFINS = 7.6;
    f205->VL_CRED_COFINS_ACUM = R(11400);
    f205->VL_CRED_COFINS_DESC = R(11400);
    efd::TRegistroF210* f210 = f.RegistroF210New();
    f210->VL_CUS_ORC = R(50000);
    f210->VL_CUS_ORC_AJU = R(50000);
    f210->VL_BC_CRED = R(50000);
    f210->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    f210->ALIQ_PIS = 1.65;
    f210->VL_CRED_PIS_UTIL = R(825);
    f210->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    f210->ALIQ_COFINS = 7.6;
    f210->VL_CRED_COFINS_UTIL = R(3800);
    efd::TRegistroF211* f211 = f.RegistroF211New();
    f211->NUM_PROC = kProcessoJudicial;
    f211->IND_PROC = TOrigemProcesso::opJusticaFederal;

    // Cash-basis and accrual-basis revenue of presumed profit exist from 2012 on.
    if (!(o.inicio < util::Data::FromYMD(2012, 1, 1))) {
        efd::TRegistroF500* f500 = f.RegistroF500New();
        f500->VL_REC_CAIXA = R(10000);
        f500->CST_PIS = TCstPis::stpisValorAliquotaNormal;
        f500->VL_BC_PIS = 10000;
        f500->ALIQ_PIS = 0.65;
        f500->VL_PIS = R(65);
        f500->CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
        f500->VL_BC_COFINS = 10000;
        f500->ALIQ_COFINS = 3;
        f500->VL_COFINS = R(300);
        f500->COD_MOD = "55";
        f500->CFOP = 5102;
        f500->COD_CTA = kConta;
        efd::TRegistroF509* f509 = f.RegistroF509New();
        f509->NUM_PROC = kProcessoJudicial;
        f509->IND_PROC = TOrigemProcesso::opJusticaFederal;

        efd::TRegistroF510* f510 = f.RegistroF510New();
        f510->VL_REC_CAIXA = R(5000);
        f510->CST_PIS = TCstPis::stpisQtdeAliquotaUnidade;
        f510->QUANT_BC_PIS = R(1000);
        f510->ALIQ_PIS_QUANT = R(0.1);
        f510->VL_PIS = R(100);
        f510->CST_COFINS = TCstCofins::stcofinsQtdeAliquotaUnidade;
        f510->QUANT_BC_COFINS = R(1000);
        f510->ALIQ_COFINS_QUANT = R(0.47);
        f510->VL_COFINS = R(470);
        f510->COD_MOD = "55";
        f510->CFOP = 5102;
        f510->COD_CTA = kConta;
        efd::TRegistroF519* f519 = f.RegistroF519New();
        f519->NUM_PROC = kProcessoJudicial;
        f519->IND_PROC = TOrigemProcesso::opJusticaFederal;

        efd::TRegistroF525* f525 = f.RegistroF525New();
        f525->VL_REC = R(15000);
        f525->IND_REC = efd::TIndRecF525::crDocumentoFiscal;
        f525->CNPJ_CPF = kCnpjCliente;
        f525->NUM_DOC = "1234";
        f525->COD_ITEM = kItem;
        f525->VL_REC_DET = R(15000);
        f525->CST_PIS = TCstPis::stpisValorAliquotaNormal;
        f525->CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
        f525->COD_CTA = kConta;

        efd::TRegistroF550* f550 = f.RegistroF550New();
        f550->VL_REC_COMP = R(20000);
        f550->CST_PIS = TCstPis::stpisValorAliquotaNormal;
        f550->VL_BC_PIS = 20000;
        f550->ALIQ_PIS = 0.65;
        f550->VL_PIS = R(130);
        f550->CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
        f550->VL_BC_COFINS = 20000;
        f550->ALIQ_COFINS = 3;
        f550->VL_COFINS = R(600);
        f550->COD_MOD = "55";
        f550->CFOP = 5102;
        f550->COD_CTA = kConta;
        efd::TRegistroF559* f559 = f.RegistroF559New();
        f559->NUM_PROC = kProcessoJudicial;
        f559->IND_PROC = TOrigemProcesso::opJusticaFederal;
    }

    efd::TRegistroF560* f560 = f.RegistroF560New();
    f560->VL_REC_COMP = R(8000);
    f560->CST_PIS = TCstPis::stpisQtdeAliquotaUnidade;
    f560->QUANT_BC_PIS = 2000;
    f560->ALIQ_PIS_QUANT = 0.1;
    f560->VL_PIS = R(200);
    f560->CST_COFINS = TCstCofins::stcofinsQtdeAliquotaUnidade;
    f560->QUANT_BC_COFINS = 2000;
    f560->ALIQ_COFINS_QUANT = 0.47;
    f560->VL_COFINS = R(940);
    f560->COD_MOD = "55";
    f560->CFOP = 5102;
    f560->COD_CTA = kConta;
    efd::TRegistroF569* f569 = f.RegistroF569New();
    f569->NUM_PROC = kProcessoJudicial;
    f569->IND_PROC = TOrigemProcesso::opJusticaFederal;

    // Contributions withheld by a federal body on a payment to the company.
    efd::TRegistroF600* f600 = f.RegistroF600New();
    f600->IND_NAT_RET = efd::TIndNatRet::indRetEntAdmPublicaFederal;
    f600->DT_RET = o.inicio.MaisDias(14);
    f600->VL_BC_RET = 10000;
    f600->VL_RET = R(465);
    f600->COD_REC = "6190";
    f600->IND_NAT_REC = efd::TIndNatRec::indNatRecNaoCumulativa;
    f600->CNPJ = kCnpjOrgaoPublico;
    f600->VL_RET_PIS = R(65);
    f600->VL_RET_COFINS = R(400);
    f600->IND_DEC = "0";

    efd::TRegistroF700* f700 = f.RegistroF700New();
    f700->IND_ORI_DED = efd::TIndOriDed::indOutrasDeducoes;
    f700->IND_NAT_DED = efd::TIndNatDed::indNaoAcumulativa;
    f700->VL_DED_PIS = R(10);
    f700->VL_DED_COFINS = R(46);
    f700->VL_BC_OPER = R(1000);
    f700->CNPJ = kCnpjOrgaoPublico;
    f700->INF_COMP = "DEDUCAO DE EXERCICIO ANTERIOR";

    // Credits of a company incorporated this month.
    efd::TRegistroF800* f800 = f.RegistroF800New();
    f800->IND_NAT_EVEN = "01";
    f800->DT_EVEN = o.inicio;
    f800->CNPJ_SUCED = kCnpjSucedida;
    f800->PA_CONT_CRED = mesAno;
    f800->COD_CRED = efd::TCodCred::ccRecTribMIAliqBasica;
    f800->VL_CRED_PIS = R(100);
    f800->VL_CRED_COFINS = R(460);
}

}  // namespace amostra
