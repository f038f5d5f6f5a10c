#include <cstdio>
#include <string>
#include <string_view>

#include "app/amostra/Amostra.h"

namespace amostra {
namespace {

using efd::TCstCofins;
using efd::TCstPis;
using util::Currency;
using util::Data;

// Code of the complementary information (0450) that C110 refers to.
constexpr const char* kInformacao = kInfComplementar;
// The utility company and the supplier of the consolidated purchases, by CNPJ.
constexpr const char* kCnpjFornecedor = kCnpjParticipante;
constexpr const char* kProcesso = "0001234-56.2015.4.03.6100";

Currency Valor(double v) { return Currency::FromDouble(v); }

void Processo(efd::TRegistroProcessoC& r) {
    r.NUM_PROC = kProcesso;
    r.IND_PROC = efd::TOrigemProcesso::opJusticaFederal;
}

// Goods documents: a sale with two items, an import, a cancelled sale, a purchase
// without payment and an NFC-e summarised in C175.
void Documentos(efd::TBloco_C& c, const OpcoesAmostra& o) {
    const Data dia5 = o.inicio.MaisDias(4);

    efd::TRegistroC100& venda = *c.RegistroC100New();
    venda.IND_OPER = efd::TIndTipoOper::tpSaidaPrestacao;
    venda.IND_EMIT = efd::TEmitente::edEmissaoPropria;
    venda.COD_PART = kParticipanteCpf;
    venda.COD_MOD = "55";
    venda.SER = "001";
    venda.NUM_DOC = "1001";
    venda.CHV_NFE = ChaveAcesso(dia5, kCnpjEmpresa, "55", 1, 1001, 1001 * 7);
    venda.DT_DOC = dia5;
    venda.DT_E_S = dia5;
    venda.VL_DOC = Valor(1150);
    venda.IND_PGTO = efd::TIndPgto::tpPrazo;
    venda.VL_MERC = Valor(1000);
    venda.IND_FRT = efd::TIndFrt::tfPorContaEmitente;
    venda.VL_FRT = Valor(100);
    venda.VL_SEG = Valor(30);
    venda.VL_OUT_DA = Valor(20);
    venda.VL_BC_ICMS = Valor(1000);
    venda.VL_ICMS = Valor(180);
    venda.VL_PIS = Valor(16.5);
    venda.VL_COFINS = Valor(76);
    efd::TRegistroC110& info = *c.RegistroC110New();
    info.COD_INF = kInformacao;
    info.TXT_COMPL = "Exclusão do ICMS da base de cálculo das contribuições";
    Processo(*c.RegistroC111New());

    efd::TRegistroC170& item = *c.RegistroC170New();
    item.NUM_ITEM = "1";
    item.COD_ITEM = kItem;
    item.DESCR_COMPL = "PARAFUSO SEXTAVADO M8";
    item.QTD = 8;
    item.UNID = kUnidade;
    item.VL_ITEM = Valor(800);
    item.CST_ICMS = efd::TCstIcms::sticmsTributadaIntegralmente;
    item.CFOP = "5102";
    item.COD_NAT = kNatureza;
    item.VL_BC_ICMS = Valor(800);
    item.ALIQ_ICMS = Valor(18);
    item.VL_ICMS = Valor(144);
    item.CST_IPI = efd::TCstIpi::stipiSaidaNaoTributada;
    item.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    item.VL_BC_PIS = 800;
    item.ALIQ_PIS_PERC = 1.65;
    item.VL_PIS = 13.2;
    item.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    item.VL_BC_COFINS = 800;
    item.ALIQ_COFINS_PERC = 7.6;
    item.VL_COFINS = 60.8;
    item.COD_CTA = kConta;

    // A product taxed per unit: quantity base and rate in reais, no percentage.
    efd::TRegistroC170& porUnidade = *c.RegistroC170New();
    porUnidade = item;
    porUnidade.NUM_ITEM = "2";
    porUnidade.DESCR_COMPL = "";
    porUnidade.QTD = 2;
    porUnidade.VL_ITEM = Valor(200);
    porUnidade.VL_BC_ICMS = Valor(200);
    porUnidade.VL_ICMS = Valor(36);
    porUnidade.CST_PIS = TCstPis::stpisQtdeAliquotaUnidade;
    porUnidade.VL_BC_PIS.reset();
    porUnidade.ALIQ_PIS_PERC.reset();
    porUnidade.QUANT_BC_PIS = 2;
    porUnidade.ALIQ_PIS_R = 1.65;
    porUnidade.VL_PIS = 3.3;
    porUnidade.CST_COFINS = TCstCofins::stcofinsQtdeAliquotaUnidade;
    porUnidade.VL_BC_COFINS.reset();
    porUnidade.ALIQ_COFINS_PERC.reset();
    porUnidade.QUANT_BC_COFINS = 2;
    porUnidade.ALIQ_COFINS_R = 7.6;
    porUnidade.VL_COFINS = 15.2;

    // An import: the importer issues the NF-e of entry, with the import document in C120.
    efd::TRegistroC100& importacao = *c.RegistroC100New();
    importacao.IND_OPER = efd::TIndTipoOper::tpEntradaAquisicao;
    importacao.IND_EMIT = efd::TEmitente::edEmissaoPropria;
    importacao.COD_PART = kParticipanteCnpj;
    importacao.COD_MOD = "55";
    importacao.SER = "001";
    importacao.NUM_DOC = "1002";
    importacao.CHV_NFE = ChaveAcesso(dia5, kCnpjEmpresa, "55", 1, 1002, 1002 * 7);
    importacao.DT_DOC = dia5;
    importacao.DT_E_S = o.inicio.MaisDias(6);
    importacao.VL_DOC = Valor(5000);
    importacao.IND_PGTO = efd::TIndPgto::tpVista;
    importacao.VL_MERC = Valor(5000);
    importacao.IND_FRT = efd::TIndFrt::tfPorContaDestinatario;
    importacao.VL_PIS = Valor(82.5);
    importacao.VL_COFINS = Valor(380);
    efd::TRegistroC120& di = *c.RegistroC120New();
    di.COD_DOC_IMP = efd::TDoctoImporta::diImportacao;
    di.NUM_DOC__IMP = "1512345678";
    di.PIS_IMP = Valor(82.5);
    di.COFINS_IMP = Valor(380);
    efd::TRegistroC170& importado = *c.RegistroC170New();
    importado.NUM_ITEM = "1";
    importado.COD_ITEM = kItem;
    importado.QTD = 50;
    importado.UNID = kUnidade;
    importado.VL_ITEM = Valor(5000);
    importado.CST_ICMS = efd::TCstIcms::sticmsEstrangeiraImportacaoDiretaTributadaIntegralmente;
    importado.CFOP = "3102";
    importado.COD_NAT = kNatureza;
    importado.CST_IPI = efd::TCstIpi::stipiEntradaRecuperacaoCredito;
    importado.VL_BC_IPI = Valor(5000);
    importado.ALIQ_IPI = Valor(5);
    importado.VL_IPI = Valor(250);
    importado.CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    importado.VL_BC_PIS = 5000;
    importado.ALIQ_PIS_PERC = 1.65;
    importado.VL_PIS = 82.5;
    importado.CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    importado.VL_BC_COFINS = 5000;
    importado.ALIQ_COFINS_PERC = 7.6;
    importado.VL_COFINS = 380;
    importado.COD_CTA = kConta;

    // A cancelled sale: the writer keeps its key and number and empties the rest.
    efd::TRegistroC100& cancelada = *c.RegistroC100New();
    cancelada.IND_OPER = efd::TIndTipoOper::tpSaidaPrestacao;
    cancelada.IND_EMIT = efd::TEmitente::edEmissaoPropria;
    cancelada.COD_PART = kParticipanteCpf;
    cancelada.COD_MOD = "55";
    cancelada.COD_SIT = efd::TCodSit::sdfCancelado;
    cancelada.SER = "001";
    cancelada.NUM_DOC = "1003";
    cancelada.CHV_NFE = ChaveAcesso(dia5, kCnpjEmpresa, "55", 1, 1003, 1003 * 7);
    cancelada.DT_DOC = dia5;
    cancelada.VL_DOC = Valor(90);

    // A purchase from the supplier on paper, not paid in money.
    efd::TRegistroC100& compra = *c.RegistroC100New();
    compra.IND_OPER = efd::TIndTipoOper::tpEntradaAquisicao;
    compra.IND_EMIT = efd::TEmitente::edTerceiros;
    compra.COD_PART = kParticipanteCnpj;
    compra.COD_MOD = "01";
    compra.SER = "001";
    compra.NUM_DOC = "457";
    compra.DT_DOC = o.inicio.MaisDias(2);
    compra.DT_E_S = o.inicio.MaisDias(3);
    compra.VL_DOC = Valor(300);
    compra.IND_PGTO = efd::TIndPgto::tpSemPagamento;
    compra.VL_MERC = Valor(300);
    compra.IND_FRT = efd::TIndFrt::tfSemCobrancaFrete;
    efd::TRegistroC170& bonificado = *c.RegistroC170New();
    bonificado.NUM_ITEM = "1";
    bonificado.COD_ITEM = kItem;
    bonificado.QTD = 3;
    bonificado.UNID = kUnidade;
    bonificado.VL_ITEM = Valor(300);
    bonificado.IND_MOV = efd::TIndMovFisica::mfSim;
    bonificado.CST_ICMS = efd::TCstIcms::sticmsOutros;
    bonificado.CFOP = "1910";
    bonificado.COD_NAT = kNatureza;
    bonificado.CST_IPI = efd::TCstIpi::stipiOutrasEntradas;
    bonificado.CST_PIS = TCstPis::stpisOutrasOperacoesEntrada;
    bonificado.VL_BC_PIS = 0;
    bonificado.ALIQ_PIS_PERC = 0;
    bonificado.VL_PIS = 0;
    bonificado.CST_COFINS = TCstCofins::stcofinsOutrasOperacoesEntrada;
    bonificado.VL_BC_COFINS = 0;
    bonificado.ALIQ_COFINS_PERC = 0;
    bonificado.VL_COFINS = 0;
    bonificado.COD_CTA = kConta;

    // An NFC-e to an unidentified consumer, summarised by CFOP and CST.
    efd::TRegistroC100& nfce = *c.RegistroC100New();
    nfce.IND_OPER = efd::TIndTipoOper::tpSaidaPrestacao;
    nfce.IND_EMIT = efd::TEmitente::edEmissaoPropria;
    nfce.COD_MOD = "65";
    nfce.SER = "001";
    nfce.NUM_DOC = "15";
    nfce.CHV_NFE = ChaveAcesso(dia5, kCnpjEmpresa, "65", 1, 15, 15 * 7);
    nfce.DT_DOC = dia5;
    nfce.DT_E_S = dia5;
    nfce.VL_DOC = Valor(58);
    nfce.IND_PGTO = efd::TIndPgto::tpVista;
    nfce.VL_DESC = Valor(2);
    nfce.VL_MERC = Valor(60);
    nfce.IND_FRT = efd::TIndFrt::tfSemCobrancaFrete;
    nfce.VL_PIS = Valor(0.95);
    nfce.VL_COFINS = Valor(4.4);
    efd::TRegistroC175& resumo = *c.RegistroC175New();
    resumo.CFOP = "5102";
    resumo.VL_OPR = 60;
    resumo.VL_DESC = 2;
    resumo.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    resumo.VL_BC_PIS = 58;
    resumo.ALIQ_PIS = 1.65;
    resumo.VL_PIS = 0.95;
    resumo.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    resumo.VL_BC_COFINS = 58;
    resumo.ALIQ_COFINS = 7.6;
    resumo.VL_COFINS = 4.4;
    resumo.COD_CTA = kConta;
}

// Sales and purchases of NF-e consolidated by item (C180, C190).
void Consolidados(efd::TBloco_C& c, const OpcoesAmostra& o) {
    efd::TRegistroC180& vendas = *c.RegistroC180New();
    vendas.COD_MOD = "55";
    vendas.DT_DOC_INI = o.inicio;
    vendas.DT_DOC_FIN = o.fim;
    vendas.COD_ITEM = kItem;
    vendas.COD_NCM = "73181500";
    vendas.VL_TOT_ITEM = Valor(2000);
    efd::TRegistroC181& pis = *c.RegistroC181New();
    pis.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    pis.CFOP = "5102";
    pis.VL_ITEM = Valor(2000);
    pis.VL_DESC = 0;
    pis.VL_BC_PIS = 2000;
    pis.ALIQ_PIS = 1.65;
    pis.VL_PIS = 33;
    pis.COD_CTA = kConta;
    efd::TRegistroC185& cofins = *c.RegistroC185New();
    cofins.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    cofins.CFOP = "5102";
    cofins.VL_ITEM = Valor(2000);
    cofins.VL_BC_COFINS = 2000;
    cofins.ALIQ_COFINS = 7.6;
    cofins.VL_COFINS = 152;
    cofins.COD_CTA = kConta;
    Processo(*c.RegistroC188New());

    efd::TRegistroC190& compras = *c.RegistroC190New();
    compras.COD_MOD = "55";
    compras.DT_REF_INI = o.inicio;
    compras.DT_REF_FIN = o.fim;
    compras.COD_ITEM = kItem;
    compras.COD_NCM = "73181500";
    compras.VL_TOT_ITEM = Valor(1000);
    efd::TRegistroC191& pisCompra = *c.RegistroC191New();
    pisCompra.CNPJ_CPF_PART = kCnpjFornecedor;
    pisCompra.CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    pisCompra.CFOP = 1102;
    pisCompra.VL_ITEM = Valor(1000);
    pisCompra.VL_BC_PIS = 1000;
    pisCompra.ALIQ_PIS = 1.65;
    pisCompra.VL_PIS = 16.5;
    pisCompra.COD_CTA = kConta;
    efd::TRegistroC195& cofinsCompra = *c.RegistroC195New();
    cofinsCompra.CNPJ_CPF_PART = kCnpjFornecedor;
    cofinsCompra.CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    cofinsCompra.CFOP = 1102;
    cofinsCompra.VL_ITEM = Valor(1000);
    cofinsCompra.VL_BC_COFINS = 1000;
    cofinsCompra.ALIQ_COFINS = 7.6;
    cofinsCompra.VL_COFINS = Valor(76);
    cofinsCompra.COD_CTA = kConta;
    Processo(*c.RegistroC198New());
    efd::TRegistroC199& importacao = *c.RegistroC199New();
    importacao.COD_DOC_IMP = efd::TDoctoImporta::diImportacao;
    importacao.NUM_DOC__IMP = "1512345679";
    importacao.VL_PIS_IMP = Valor(16.5);
    importacao.VL_COFINS_IMP = Valor(76);
}

// Consumer invoices on paper, model 02: sales (C380) and purchases (C395).
void NotasDeVendaAConsumidor(efd::TBloco_C& c, const OpcoesAmostra& o) {
    efd::TRegistroC380& vendas = *c.RegistroC380New();
    vendas.COD_MOD = "02";
    vendas.DT_DOC_INI = o.inicio;
    vendas.DT_DOC_FIN = o.fim;
    vendas.NUM_DOC_INI = 101;
    vendas.NUM_DOC_FIN = 150;
    vendas.VL_DOC = Valor(500);
    vendas.VL_DOC_CANC = Valor(20);
    efd::TRegistroC381& pis = *c.RegistroC381New();
    pis.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    pis.COD_ITEM = kItem;
    pis.VL_ITEM = Valor(480);
    pis.VL_BC_PIS = 480;
    pis.ALIQ_PIS = 1.65;
    pis.VL_PIS = 7.92;
    pis.COD_CTA = kConta;
    efd::TRegistroC385& cofins = *c.RegistroC385New();
    cofins.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    cofins.COD_ITEM = kItem;
    cofins.VL_ITEM = Valor(480);
    cofins.VL_BC_COFINS = 480;
    cofins.ALIQ_COFINS = 7.6;
    cofins.VL_COFINS = 36.48;
    cofins.COD_CTA = kConta;

    efd::TRegistroC395& compra = *c.RegistroC395New();
    compra.COD_MOD = "02";
    compra.COD_PART = kParticipanteCnpj;
    compra.SER = "1";
    compra.NUM_DOC = "7788";
    compra.DT_DOC = o.inicio.MaisDias(9);
    compra.VL_DOC = Valor(120);
    efd::TRegistroC396& item = *c.RegistroC396New();
    item.COD_ITEM = kItem;
    item.VL_ITEM = Valor(120);
    item.NAT_BC_CRED = efd::TNatBcCred::bccAqBensUtiComoInsumo;
    item.CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    item.VL_BC_PIS = Valor(120);
    item.ALIQ_PIS = 1.65;
    item.VL_PIS = Valor(1.98);
    item.CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    item.VL_BC_COFINS = Valor(120);
    item.ALIQ_COFINS = 7.6;
    item.VL_COFINS = Valor(9.12);
    item.COD_CTA = kConta;
}

// A fiscal printer with one reduction Z (C400), and the printer documents
// consolidated (C490).
void ImpressoraFiscal(efd::TBloco_C& c, const OpcoesAmostra& o) {
    efd::TRegistroC400& ecf = *c.RegistroC400New();
    ecf.COD_MOD = "2D";
    ecf.ECF_MOD = "MP-4000 TH FI";
    ecf.ECF_FAB = "BE091010100011200123";
    ecf.ECF_CX = 1;
    efd::TRegistroC405& reducao = *c.RegistroC405New();
    reducao.DT_DOC = o.inicio.MaisDias(4);
    reducao.CRO = 2;
    reducao.CRZ = 347;
    reducao.NUM_COO_FIN = 12873;
    reducao.GT_FIN = Valor(254301.7);
    reducao.VL_BRT = Valor(850);
    efd::TRegistroC481& pis = *c.RegistroC481New();
    pis.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    pis.VL_ITEM = Valor(850);
    pis.VL_BC_PIS = 850;
    pis.ALIQ_PIS = 1.65;
    pis.VL_PIS = 14.03;
    pis.COD_ITEM = kItem;
    pis.COD_CTA = kConta;
    efd::TRegistroC485& cofins = *c.RegistroC485New();
    cofins.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    cofins.VL_ITEM = Valor(850);
    cofins.VL_BC_COFINS = 850;
    cofins.ALIQ_COFINS = 7.6;
    cofins.VL_COFINS = 64.6;
    cofins.COD_ITEM = kItem;
    cofins.COD_CTA = kConta;
    Processo(*c.RegistroC489New());

    efd::TRegistroC490& consolidacao = *c.RegistroC490New();
    consolidacao.DT_DOC_INI = o.inicio;
    consolidacao.DT_DOC_FIN = o.fim;
    consolidacao.COD_MOD = "2D";
    efd::TRegistroC491& pisItem = *c.RegistroC491New();
    pisItem.COD_ITEM = kItem;
    pisItem.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    pisItem.CFOP = 5102;
    pisItem.VL_ITEM = Valor(850);
    pisItem.VL_BC_PIS = 850;
    pisItem.ALIQ_PIS = 1.65;
    pisItem.VL_PIS = 14.03;
    pisItem.COD_CTA = kConta;
    efd::TRegistroC495& cofinsItem = *c.RegistroC495New();
    cofinsItem.COD_ITEM = kItem;
    cofinsItem.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    cofinsItem.CFOP = 5102;
    cofinsItem.VL_ITEM = Valor(850);
    cofinsItem.VL_BC_COFINS = 850;
    cofinsItem.ALIQ_COFINS = 7.6;
    cofinsItem.VL_COFINS = 64.6;
    cofinsItem.COD_CTA = kConta;
    Processo(*c.RegistroC499New());
}

// An electricity bill (C500) and a day of consolidated bills (C600).
void ContasDeConsumo(efd::TBloco_C& c, const OpcoesAmostra& o) {
    efd::TRegistroC500& conta = *c.RegistroC500New();
    conta.COD_PART = kParticipanteCnpj;
    conta.COD_MOD = "06";
    conta.COD_SIT = efd::TCodSit::sdfRegular;
    conta.SER = "U";
    conta.NUM_DOC = 123;
    conta.DT_DOC = o.inicio.MaisDias(9);
    conta.DT_ENT = o.inicio.MaisDias(11);
    conta.VL_DOC = Valor(250);
    conta.VL_ICMS = Valor(45);
    conta.VL_PIS = Valor(4.13);
    conta.VL_COFINS = Valor(19);
    // The electronic bill's key exists from layout 3.2.0 on.
    if (o.versao == efd::TCodVer::vlVersao320) conta.CHV_DOCe = ChaveAcesso(conta.DT_DOC, kCnpjFornecedor, "66", 1, 123, 123 * 7);
    efd::TRegistroC501& pis = *c.RegistroC501New();
    pis.CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    pis.VL_ITEM = Valor(250);
    pis.NAT_BC_CRED = efd::TNatBcCred::bccEnergiaEletricaTermica;
    pis.VL_BC_PIS = Valor(250);
    pis.ALIQ_PIS = 1.65;
    pis.VL_PIS = Valor(4.125);
    pis.COD_CTA = kConta;
    efd::TRegistroC505& cofins = *c.RegistroC505New();
    cofins.CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    cofins.VL_ITEM = Valor(250);
    cofins.NAT_BC_CRED = efd::TNatBcCred::bccEnergiaEletricaTermica;
    cofins.VL_BC_COFINS = Valor(250);
    cofins.ALIQ_COFINS = 7.6;
    cofins.VL_COFINS = Valor(19);
    cofins.COD_CTA = kConta;
    Processo(*c.RegistroC509New());

    efd::TRegistroC600& dia = *c.RegistroC600New();
    dia.COD_MOD = "06";
    dia.COD_MUN = 3550308;
    dia.SER = "1";
    dia.COD_CONS = 1;
    dia.QTD_CONS = 40;
    dia.QTD_CANC = 1;
    dia.DT_DOC = o.inicio.MaisDias(14);
    dia.VL_DOC = Valor(9800);
    dia.CONS = 42000;
    dia.VL_FORN = Valor(9800);
    dia.VL_BC_ICMS = Valor(9800);
    dia.VL_ICMS = Valor(1764);
    dia.VL_PIS = Valor(161.7);
    dia.VL_COFINS = Valor(744.8);
    efd::TRegistroC601& pisDia = *c.RegistroC601New();
    pisDia.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    pisDia.VL_ITEM = Valor(9800);
    pisDia.VL_BC_PIS = Valor(9800);
    pisDia.ALIQ_PIS = 1.65;
    pisDia.VL_PIS = Valor(161.7);
    pisDia.COD_CTA = kConta;
    efd::TRegistroC605& cofinsDia = *c.RegistroC605New();
    cofinsDia.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    cofinsDia.VL_ITEM = Valor(9800);
    cofinsDia.VL_BC_COFINS = Valor(9800);
    cofinsDia.ALIQ_COFINS = 7.6;
    cofinsDia.VL_COFINS = Valor(744.8);
    cofinsDia.COD_CTA = kConta;
    Processo(*c.RegistroC609New());
}

// A day of SAT coupons (C860), which exist from May 2015 on.
void CuponsSat(efd::TBloco_C& c, const OpcoesAmostra& o) {
    efd::TRegistroC860& sat = *c.RegistroC860New();
    sat.COD_MOD = "59";
    sat.NR_SAT = 900004019;
    sat.DT_DOC = o.inicio.MaisDias(4);
    sat.DOC_INI = 1201;
    sat.DOC_FIM = 1260;
    efd::TRegistroC870& percentual = *c.RegistroC870New();
    percentual.COD_ITEM = kItem;
    percentual.CFOP = "5102";
    percentual.VL_ITEM = 600;
    percentual.VL_DESC = 0;
    percentual.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    percentual.VL_BC_PIS = 600;
    percentual.ALIQ_PIS = 1.65;
    percentual.VL_PIS = 9.9;
    percentual.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    percentual.VL_BC_COFINS = 600;
    percentual.ALIQ_COFINS = 7.6;
    percentual.VL_COFINS = 45.6;
    percentual.COD_CTA = kConta;
    efd::TRegistroC880& porUnidade = *c.RegistroC880New();
    porUnidade.COD_ITEM = kItem;
    porUnidade.CFOP = "5405";
    porUnidade.VL_ITEM = 100;
    porUnidade.CST_PIS = TCstPis::stpisQtdeAliquotaUnidade;
    porUnidade.QUANT_BC_PIS = 20;
    porUnidade.ALIQ_PIS_QUANT = 0.5;
    porUnidade.VL_PIS = 10;
    porUnidade.CST_COFINS = TCstCofins::stcofinsQtdeAliquotaUnidade;
    porUnidade.QUANT_BC_COFINS = 20;
    porUnidade.ALIQ_COFINS_QUANT = 2.3;
    porUnidade.VL_COFINS = 46;
    porUnidade.COD_CTA = kConta;
    Processo(*c.RegistroC890New());
}

}  // namespace

void PreencheBlocoC(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    efd::TBloco_C& c = sped.Bloco_C();
    c.RegistroC001New()->IND_MOV = efd::TIndMov::imComDados;
    efd::TRegistroC010& estabelecimento = *c.RegistroC010New();
    estabelecimento.CNPJ = kCnpjEmpresa;
    estabelecimento.IND_ESCRI = efd::TIndEscrituracao::IndEscriIndividualizado;

    Documentos(c, o);
    Consolidados(c, o);
    NotasDeVendaAConsumidor(c, o);
    ImpressoraFiscal(c, o);
    ContasDeConsumo(c, o);
    if (!(o.inicio < Data::FromYMD(2015, 5, 1))) CuponsSat(c, o);
}

}  // namespace amostra
