#include "app/amostra/Amostra.h"

namespace amostra {

using efd::TCodSit;
using efd::TIndEmit;
using efd::TIndOper;
using efd::TIndOrigCred;
using efd::TIndPgto;
using efd::TNatBcCred;

// Three service documents of the company's establishment: a service bought from a
// supplier (with its complement, process, import data and two items), a service
// rendered to a customer, and a cancelled invoice of the company.
void PreencheBlocoA(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    efd::TBloco_A& a = sped.Bloco_A();
    a.RegistroA001New()->IND_MOV = efd::TIndMov::imComDados;
    a.RegistroA010New()->CNPJ = kCnpjEmpresa;

    // Service bought: PIS and COFINS credits on the services used as inputs.
    efd::TRegistroA100& compra = *a.RegistroA100New();
    compra.IND_OPER = TIndOper::itoContratado;
    compra.IND_EMIT = TIndEmit::iedfTerceiro;
    compra.COD_PART = kParticipanteCnpj;
    compra.COD_SIT = TCodSit::sdfRegular;
    compra.SER = "A";
    compra.NUM_DOC = "1001";
    compra.CHV_NFSE = "8K3P2QXA";
    compra.DT_DOC = o.inicio.MaisDias(2);
    compra.DT_EXE_SERV = o.inicio.MaisDias(1);
    compra.VL_DOC = 1500.00;
    compra.IND_PGTO = TIndPgto::tpPrazo;
    // VL_DESC left unassigned: written as 0,00.
    compra.VL_BC_PIS = 1500.00;
    compra.VL_PIS = 24.75;
    compra.VL_BC_COFINS = 1500.00;
    compra.VL_COFINS = 114.00;
    compra.VL_PIS_RET = 0;
    compra.VL_COFINS_RET = 0;
    compra.VL_ISS = 75.00;

    efd::TRegistroA110& inf = *a.RegistroA110New();
    inf.COD_INF = kInfComplementar;
    inf.TXT_COMPL = "Serviço de manutenção conforme contrato 12/2010";

    efd::TRegistroA111& proc = *a.RegistroA111New();
    proc.NUM_PROC = "0001234-56.2010.4.03.6100";
    proc.IND_PROC = efd::TOrigemProcesso::opJusticaFederal;

    efd::TRegistroA120& imp = *a.RegistroA120New();
    imp.VL_TOT_SERV = 500.00;
    imp.VL_BC_PIS = 500.00;
    imp.VL_PIS_IMP = 8.25;
    imp.DT_PAG_PIS = o.inicio.MaisDias(9);
    imp.VL_BC_COFINS = 500.00;
    imp.VL_COFINS_IMP = 38.00;
    imp.DT_PAG_COFINS = o.inicio.MaisDias(9);
    imp.LOC_EXE_SERV = efd::TLocExeServ::lesExecutPais;

    efd::TRegistroA170& manut = *a.RegistroA170New();
    manut.NUM_ITEM = 1;
    manut.COD_ITEM = kItemServico;
    manut.DESCR_COMPL = "Manutenção de equipamentos";
    manut.VL_ITEM = 1000.00;
    manut.VL_DESC = 0;
    manut.NAT_BC_CRED = TNatBcCred::bccAqServUtiComoInsumo;
    manut.IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    manut.CST_PIS = efd::ParseCstPis("50");
    manut.VL_BC_PIS = 1000.00;
    manut.ALIQ_PIS = 1.65;
    manut.VL_PIS = 16.50;
    manut.CST_COFINS = efd::ParseCstCofins("50");
    manut.VL_BC_COFINS = 1000.00;
    manut.ALIQ_COFINS = 7.60;
    manut.VL_COFINS = 76.00;
    manut.COD_CTA = kConta;

    efd::TRegistroA170& suporte = *a.RegistroA170New();
    suporte.NUM_ITEM = 2;
    suporte.COD_ITEM = kItemServico;
    suporte.DESCR_COMPL = "Suporte técnico";
    suporte.VL_ITEM = 500.00;
    suporte.NAT_BC_CRED = TNatBcCred::bccAqServUtiComoInsumo;
    suporte.IND_ORIG_CRED = TIndOrigCred::opcImportacao;
    suporte.CST_PIS = efd::ParseCstPis("50");
    suporte.VL_BC_PIS = 500.00;
    suporte.ALIQ_PIS = 1.65;
    suporte.VL_PIS = 8.25;
    suporte.CST_COFINS = efd::ParseCstCofins("50");
    suporte.VL_BC_COFINS = 500.00;
    suporte.ALIQ_COFINS = 7.60;
    suporte.VL_COFINS = 38.00;
    suporte.COD_CTA = kConta;
    suporte.COD_CCUS = "ADM";

    // Service rendered: revenue taxed at the basic rates, no credit fields.
    efd::TRegistroA100& venda = *a.RegistroA100New();
    venda.IND_OPER = TIndOper::itoPrestado;
    venda.IND_EMIT = TIndEmit::iedfProprio;
    venda.COD_PART = kParticipanteCpf;
    venda.COD_SIT = TCodSit::sdfRegular;
    venda.SER = "A";
    venda.NUM_DOC = "501";
    venda.CHV_NFSE = "Q7W2M9ZC";
    venda.DT_DOC = o.inicio.MaisDias(14);
    venda.DT_EXE_SERV = o.inicio.MaisDias(14);
    venda.VL_DOC = 800.00;
    venda.IND_PGTO = TIndPgto::tpVista;
    venda.VL_DESC = 20.00;
    venda.VL_BC_PIS = 780.00;
    venda.VL_PIS = 12.87;
    venda.VL_BC_COFINS = 780.00;
    venda.VL_COFINS = 59.28;
    venda.VL_ISS = 39.00;

    efd::TRegistroA170& instalacao = *a.RegistroA170New();
    instalacao.NUM_ITEM = 1;
    instalacao.COD_ITEM = kItemServico;
    instalacao.DESCR_COMPL = "Instalação";
    instalacao.VL_ITEM = 800.00;
    instalacao.VL_DESC = 20.00;
    instalacao.NAT_BC_CRED = TNatBcCred::bccVazio;
    instalacao.IND_ORIG_CRED = TIndOrigCred::opcVazio;
    instalacao.CST_PIS = efd::ParseCstPis("01");
    instalacao.VL_BC_PIS = 780.00;
    instalacao.ALIQ_PIS = 1.65;
    instalacao.VL_PIS = 12.87;
    instalacao.CST_COFINS = efd::ParseCstCofins("01");
    instalacao.VL_BC_COFINS = 780.00;
    instalacao.ALIQ_COFINS = 7.60;
    instalacao.VL_COFINS = 59.28;
    instalacao.COD_CTA = kConta;

    // A cancelled invoice: the writer leaves out its key, dates and payment, and its
    // amounts are zero; no participant is given for it.
    efd::TRegistroA100& cancelada = *a.RegistroA100New();
    cancelada.IND_OPER = TIndOper::itoPrestado;
    cancelada.IND_EMIT = TIndEmit::iedfProprio;
    cancelada.COD_SIT = TCodSit::sdfCancelado;
    cancelada.SER = "A";
    cancelada.NUM_DOC = "502";
    cancelada.CHV_NFSE = "R4T6Y8UB";
    cancelada.DT_DOC = o.inicio.MaisDias(15);
}

}  // namespace amostra
