#include "app/amostra/Amostra.h"

#include <cstdio>
#include <string>

namespace amostra {
namespace {

using efd::TCodSit;
using util::Currency;

Currency Valor(double v) { return Currency::FromDouble(v); }

// A CT-e bought from the supplier: freight on a sale, borne by the company.
efd::TRegistroD100& Conhecimento(efd::TBloco_D& d, util::Data emissao, int numero, double valor) {
    efd::TRegistroD100& r = *d.RegistroD100New();
    r.IND_OPER = "0";
    r.IND_EMIT = efd::TIndEmit::iedfTerceiro;
    r.COD_PART = kParticipanteCnpj;
    r.COD_MOD = "57";
    r.COD_SIT = TCodSit::sdfRegular;
    r.SER = "1";
    r.NUM_DOC = std::to_string(numero);
    r.CHV_CTE = ChaveAcesso(emissao, kCnpjParticipante, "57", 1, numero, 10000000 + numero);
    r.DT_DOC = emissao;
    r.DT_A_P = emissao.MaisDias(1);
    r.TP_CT_e = "0";
    r.VL_DOC = Valor(valor);
    r.VL_DESC = Currency();
    // A mode both freight tables know, so the sample holds for every period.
    r.IND_FRT = efd::TIndFrt::tfPorContaDestinatario;
    r.VL_SERV = Valor(valor);
    r.VL_BC_ICMS = Valor(valor);
    r.VL_ICMS = Valor(valor * 0.12);
    r.VL_NT = Currency();
    r.COD_CTA = kConta;

    efd::TRegistroD101& pis = *d.RegistroD101New();
    pis.IND_NAT_FRT = efd::TNaturezaFrtContratado::nfcVendaOnusEstVendedor;
    pis.VL_ITEM = Valor(valor);
    pis.CST_PIS = efd::ParseCstPis("50");
    pis.NAT_BC_CRED = efd::TNatBcCred::bccArmazenagemMercadoria;
    pis.VL_BC_PIS = Valor(valor);
    pis.ALIQ_PIS = 1.65;
    pis.VL_PIS = Valor(valor * 0.0165);
    pis.COD_CTA = kConta;

    efd::TRegistroD105& cofins = *d.RegistroD105New();
    cofins.IND_NAT_FRT = efd::TNaturezaFrtContratado::nfcVendaOnusEstVendedor;
    cofins.VL_ITEM = Valor(valor);
    cofins.CST_COFINS = efd::ParseCstCofins("50");
    cofins.NAT_BC_CRED = efd::TNatBcCred::bccArmazenagemMercadoria;
    cofins.VL_BC_COFINS = Valor(valor);
    cofins.ALIQ_COFINS = 7.6;
    cofins.VL_COFINS = Valor(valor * 0.076);
    cofins.COD_CTA = kConta;
    return r;
}

}  // namespace

// Every register of block D once at least: freight bought (a CT-e and its
// complement), transport and passenger services rendered, fiscal-printer tickets,
// a telephone bill bought and the communication services rendered.
void PreencheBlocoD(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    efd::TBloco_D& d = sped.Bloco_D();
    d.RegistroD001New()->IND_MOV = efd::TIndMov::imComDados;
    d.RegistroD010New()->CNPJ = kCnpjEmpresa;

    // Freight bought: a CT-e, with the process behind its credit, and its complement.
    efd::TRegistroD100& cte = Conhecimento(d, o.inicio.MaisDias(4), 4567, 1000.00);
    efd::TRegistroD111& processo = *d.RegistroD111New();
    processo.NUM_PROC = "0004321-11.2010.4.03.6100";
    processo.IND_PROC = efd::TOrigemProcesso::opJusticaFederal;
    efd::TRegistroD100& complemento = Conhecimento(d, o.inicio.MaisDias(10), 4570, 150.00);
    complemento.COD_SIT = TCodSit::sdfComplementar;
    complemento.TP_CT_e = "1";
    complemento.CHV_CTE_REF = cte.CHV_CTE;

    // Transport services rendered, consolidated for the day.
    efd::TRegistroD200& transporte = *d.RegistroD200New();
    transporte.COD_MOD = "57";
    transporte.COD_SIT = TCodSit::sdfRegular;
    transporte.SER = "1";
    transporte.NUM_DOC_INI = 101;
    transporte.NUM_DOC_FIN = 180;
    transporte.CFOP = 5353;
    transporte.DT_REF = o.inicio.MaisDias(9);
    transporte.VL_DOC = Valor(12000.00);
    transporte.VL_DESC = Currency();
    efd::TRegistroD201& d201 = *d.RegistroD201New();
    d201.CST_PIS = efd::ParseCstPis("01");
    d201.VL_ITEM = Valor(12000.00);
    d201.VL_BC_PIS = Valor(12000.00);
    d201.ALIQ_PIS = 1.65;
    d201.VL_PIS = Valor(198.00);
    d201.COD_CTA = kConta;
    efd::TRegistroD205& d205 = *d.RegistroD205New();
    d205.CST_COFINS = efd::ParseCstCofins("01");
    d205.VL_ITEM = Valor(12000.00);
    d205.VL_BC_COFINS = Valor(12000.00);
    d205.ALIQ_COFINS = 7.6;
    d205.VL_COFINS = Valor(912.00);
    d205.COD_CTA = kConta;
    efd::TRegistroD209& d209 = *d.RegistroD209New();
    d209.NUM_PROC = "10880.123456/2010-11";
    d209.IND_PROC = efd::TOrigemProcesso::opSecexRFB;

    // Passenger tickets (road), taxed under the cumulative rates.
    efd::TRegistroD300& bilhetes = *d.RegistroD300New();
    bilhetes.COD_MOD = "13";
    bilhetes.SER = "1";
    bilhetes.SUB = 0;
    bilhetes.NUM_DOC_INI = 1;
    bilhetes.NUM_DOC_FIN = 300;
    bilhetes.CFOP = 5357;
    bilhetes.DT_REF = o.inicio.MaisDias(19);
    bilhetes.VL_DOC = Valor(4500.00);
    bilhetes.VL_DESC = Currency();
    bilhetes.CST_PIS = efd::ParseCstPis("01");
    bilhetes.VL_BC_PIS = Valor(4500.00);
    bilhetes.ALIQ_PIS = 0.65;
    bilhetes.VL_PIS = Valor(29.25);
    bilhetes.CST_COFINS = efd::ParseCstCofins("01");
    bilhetes.VL_BC_COFINS = Valor(4500.00);
    bilhetes.ALIQ_COFINS = 3.0;
    bilhetes.VL_COFINS = Valor(135.00);
    bilhetes.COD_CTA = kConta;
    efd::TRegistroD309& d309 = *d.RegistroD309New();
    d309.NUM_PROC = "0007654-22.2011.8.26.0100";
    d309.IND_PROC = efd::TOrigemProcesso::opOutros;

    // Passenger tickets of a fiscal printer, by reduction Z; the per-unit fields
    // stay unassigned and are written empty.
    efd::TRegistroD350& ecf = *d.RegistroD350New();
    ecf.COD_MOD = "2E";
    ecf.ECF_MOD = "MP-4000 TH FI";
    ecf.ECF_FAB = "BE091010100011200055";
    ecf.DT_DOC = o.inicio.MaisDias(19);
    ecf.CRO = 1;
    ecf.CRZ = 245;
    ecf.NUM_COO_FIN = 12345;
    ecf.GT_FIN = 250000.00;
    ecf.VL_BRT = 1800.00;
    ecf.CST_PIS = efd::ParseCstPis("01");
    ecf.VL_BC_PIS = 1800.00;
    ecf.ALIQ_PIS = 0.65;
    ecf.VL_PIS = 11.70;
    ecf.CST_COFINS = efd::ParseCstCofins("01");
    ecf.VL_BC_COFINS = 1800.00;
    ecf.ALIQ_COFINS = 3.0;
    ecf.VL_COFINS = 54.00;
    ecf.COD_CTA = kConta;
    efd::TRegistroD359& d359 = *d.RegistroD359New();
    d359.NUM_PROC = "0007655-33.2011.8.26.0100";
    d359.IND_PROC = efd::TOrigemProcesso::opOutros;

    // A telephone bill bought, with the credits on the service used as input.
    efd::TRegistroD500& conta = *d.RegistroD500New();
    conta.IND_OPER = efd::TIndOper::itoContratado;
    conta.IND_EMIT = efd::TIndEmit::iedfTerceiro;
    conta.COD_PART = kParticipanteCnpj;
    conta.COD_MOD = "22";
    conta.COD_SIT = TCodSit::sdfRegular;
    conta.SER = "U";
    conta.SUB = 0;
    conta.NUM_DOC = 45;
    conta.DT_DOC = o.inicio.MaisDias(5);
    conta.DT_A_P = o.inicio.MaisDias(7);
    conta.VL_DOC = Valor(350.00);
    conta.VL_SERV = Valor(350.00);
    conta.VL_BC_ICMS = Valor(350.00);
    conta.VL_ICMS = Valor(87.50);
    conta.VL_PIS = Valor(5.78);
    conta.VL_COFINS = Valor(26.60);
    efd::TRegistroD501& d501 = *d.RegistroD501New();
    d501.CST_PIS = efd::ParseCstPis("50");
    d501.VL_ITEM = Valor(350.00);
    d501.NAT_BC_CRED = efd::TNatBcCred::bccAqServUtiComoInsumo;
    d501.VL_BC_PIS = Valor(350.00);
    d501.ALIQ_PIS = 1.65;
    d501.VL_PIS = Valor(5.78);
    d501.COD_CTA = kConta;
    efd::TRegistroD505& d505 = *d.RegistroD505New();
    d505.CST_COFINS = efd::ParseCstCofins("50");
    d505.VL_ITEM = Valor(350.00);
    d505.NAT_BC_CRED = efd::TNatBcCred::bccAqServUtiComoInsumo;
    d505.VL_BC_COFINS = Valor(350.00);
    d505.ALIQ_COFINS = 7.6;
    d505.VL_COFINS = Valor(26.60);
    d505.COD_CTA = kConta;
    efd::TRegistroD509& d509 = *d.RegistroD509New();
    d509.NUM_PROC = "10880.654321/2011-22";
    d509.IND_PROC = efd::TOrigemProcesso::opSecexRFB;

    // Communication services rendered in the month, consolidated.
    efd::TRegistroD600& servicos = *d.RegistroD600New();
    servicos.COD_MOD = "21";
    servicos.COD_MUN = 3550308;
    servicos.SER = "U";
    servicos.SUB = 0;
    servicos.IND_REC = efd::TIndRec::irPropServPrestados;
    servicos.QTD_CONS = 350;
    servicos.DT_DOC_INI = o.inicio;
    servicos.DT_DOC_FIN = o.fim;
    servicos.VL_DOC = Valor(20000.00);
    servicos.VL_DESC = Valor(500.00);
    servicos.VL_SERV = Valor(19500.00);
    servicos.VL_BC_ICMS = Valor(19500.00);
    servicos.VL_ICMS = Valor(4875.00);
    servicos.VL_PIS = Valor(321.75);
    servicos.VL_COFINS = Valor(1482.00);
    efd::TRegistroD601& d601 = *d.RegistroD601New();
    d601.COD_CLASS = 101;
    d601.VL_ITEM = 20000.00;
    d601.VL_DESC = 500.00;
    d601.CST_PIS = efd::ParseCstPis("01");
    d601.VL_BC_PIS = 19500.00;
    d601.ALIQ_PIS = 1.65;
    d601.VL_PIS = 321.75;
    d601.COD_CTA = kConta;
    efd::TRegistroD605& d605 = *d.RegistroD605New();
    d605.COD_CLASS = 101;
    d605.VL_ITEM = 20000.00;
    d605.VL_DESC = 500.00;
    d605.CST_COFINS = efd::ParseCstCofins("01");
    d605.VL_BC_COFINS = 19500.00;
    d605.ALIQ_COFINS = 7.6;
    d605.VL_COFINS = 1482.00;
    d605.COD_CTA = kConta;
    efd::TRegistroD609& d609 = *d.RegistroD609New();
    d609.NUM_PROC = "10880.777777/2011-33";
    d609.IND_PROC = efd::TOrigemProcesso::opSecexRFB;
}

}  // namespace amostra
