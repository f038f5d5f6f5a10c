#pragma once
// Registers of block C: goods documents and their items, the consolidated sales and
// purchases, fiscal printers, utility bills and SAT coupons.
//
// Fields carry the layout's names, in layout order. Amounts are Currency; the fields
// the layout lets be empty (and those the writer reads as optional numbers) are
// Variante; enumerations start at their first value.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "efd/ArquivoTXT.h"
#include "efd/RegistroList.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace efd {

// C120, C199 COD_DOC_IMP
enum class TDoctoImporta {
    diImportacao, diSimplificadaImport
};
template <>
struct CodigosEnum<TDoctoImporta> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// ---------------------------------------------------------------------------
// Goods documents: C100 and its children.

// C110: complementary information of the document.
struct TRegistroC110 {
    std::string COD_INF;
    std::string TXT_COMPL;
};
using TRegistroC110List = TRegistroList<TRegistroC110>;

// C111, C188, C198, C489, C499, C509, C609, C830, C890: judicial or administrative
// process of the parent register.
struct TRegistroProcessoC {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};

// C111: process of the document.
struct TRegistroC111 : TRegistroProcessoC {};
using TRegistroC111List = TRegistroList<TRegistroC111>;

// C120: import operation.
struct TRegistroC120 {
    TDoctoImporta COD_DOC_IMP = TDoctoImporta::diImportacao;
    std::string NUM_DOC__IMP;  // the layout's NUM_DOC_IMP
    util::Currency PIS_IMP;
    util::Currency COFINS_IMP;
    std::string NUM_ACDRAW;
};
using TRegistroC120List = TRegistroList<TRegistroC120>;

// C170: item of the document.
struct TRegistroC170 {
    std::string NUM_ITEM;
    std::string COD_ITEM;
    std::string DESCR_COMPL;
    Variante QTD;
    std::string UNID;
    util::Currency VL_ITEM;
    util::Currency VL_DESC;
    TIndMovFisica IND_MOV = TIndMovFisica::mfSim;
    TCstIcms CST_ICMS = TCstIcms::sticmsNenhum;
    std::string CFOP;
    std::string COD_NAT;
    util::Currency VL_BC_ICMS;
    util::Currency ALIQ_ICMS;
    util::Currency VL_ICMS;
    util::Currency VL_BC_ICMS_ST;
    util::Currency ALIQ_ST;
    util::Currency VL_ICMS_ST;
    TApuracaoIPI IND_APUR = TApuracaoIPI::iaMensal;
    TCstIpi CST_IPI = TCstIpi::stipiEntradaRecuperacaoCredito;
    std::string COD_ENQ;
    util::Currency VL_BC_IPI;
    util::Currency ALIQ_IPI;
    util::Currency VL_IPI;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS_PERC;  // the layout's ALIQ_PIS (percent)
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_R;     // the layout's ALIQ_PIS_QUANT (per unit)
    Variante VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS_PERC;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_R;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC170List = TRegistroList<TRegistroC170>;

// C175: analytic record of an NFC-e (model 65).
struct TRegistroC175 {
    std::string CFOP;
    Variante VL_OPR;
    Variante VL_DESC;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    Variante VL_COFINS;
    std::string COD_CTA;
    std::string INFO_COMPL;
};
using TRegistroC175List = TRegistroList<TRegistroC175>;

// C100: goods document (NF-e, NFC-e and the other models).
struct TRegistroC100 {
    TIndTipoOper IND_OPER = TIndTipoOper::tpEntradaAquisicao;
    TEmitente IND_EMIT = TEmitente::edEmissaoPropria;
    std::string COD_PART;
    std::string COD_MOD;
    TCodSit COD_SIT = TCodSit::sdfRegular;
    std::string SER;
    std::string NUM_DOC;
    std::string CHV_NFE;
    util::Data DT_DOC;
    util::Data DT_E_S;
    util::Currency VL_DOC;
    TIndPgto IND_PGTO = TIndPgto::tpVista;
    util::Currency VL_DESC;
    util::Currency VL_ABAT_NT;
    util::Currency VL_MERC;
    TIndFrt IND_FRT = TIndFrt::tfPorContaEmitente;
    util::Currency VL_FRT;
    util::Currency VL_SEG;
    util::Currency VL_OUT_DA;
    util::Currency VL_BC_ICMS;
    util::Currency VL_ICMS;
    util::Currency VL_BC_ICMS_ST;
    util::Currency VL_ICMS_ST;
    util::Currency VL_IPI;
    util::Currency VL_PIS;
    util::Currency VL_COFINS;
    util::Currency VL_PIS_ST;
    util::Currency VL_COFINS_ST;

    TRegistroC110List RegistroC110;
    TRegistroC111List RegistroC111;
    TRegistroC120List RegistroC120;
    TRegistroC170List RegistroC170;
    TRegistroC175List RegistroC175;
};
using TRegistroC100List = TRegistroList<TRegistroC100>;

// ---------------------------------------------------------------------------
// Sales consolidated by item, NF-e: C180 and its children.

// C181: PIS/PASEP of the consolidated sales, by CST and CFOP.
struct TRegistroC181 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    std::string CFOP;
    util::Currency VL_ITEM;
    Variante VL_DESC;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    std::string COD_CTA;
};
using TRegistroC181List = TRegistroList<TRegistroC181>;

// C185: COFINS of the consolidated sales, by CST and CFOP.
struct TRegistroC185 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    std::string CFOP;
    util::Currency VL_ITEM;
    Variante VL_DESC;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC185List = TRegistroList<TRegistroC185>;

struct TRegistroC188 : TRegistroProcessoC {};
using TRegistroC188List = TRegistroList<TRegistroC188>;

// C180: sales consolidated by item, NF-e (model 55).
struct TRegistroC180 {
    std::string COD_MOD;
    util::Data DT_DOC_INI;
    util::Data DT_DOC_FIN;
    std::string COD_ITEM;
    std::string COD_NCM;
    std::string EX_IPI;
    util::Currency VL_TOT_ITEM;

    TRegistroC181List RegistroC181;
    TRegistroC185List RegistroC185;
    TRegistroC188List RegistroC188;
};
using TRegistroC180List = TRegistroList<TRegistroC180>;

// ---------------------------------------------------------------------------
// Purchases consolidated by item, NF-e: C190 and its children.

// C191: PIS/PASEP of the consolidated purchases, by supplier, CST and CFOP.
struct TRegistroC191 {
    std::string CNPJ_CPF_PART;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    int32_t CFOP = 0;
    util::Currency VL_ITEM;
    Variante VL_DESC;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    std::string COD_CTA;
};
using TRegistroC191List = TRegistroList<TRegistroC191>;

// C195: COFINS of the consolidated purchases.
struct TRegistroC195 {
    std::string CNPJ_CPF_PART;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    int32_t CFOP = 0;
    util::Currency VL_ITEM;
    Variante VL_DESC;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    util::Currency VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC195List = TRegistroList<TRegistroC195>;

struct TRegistroC198 : TRegistroProcessoC {};
using TRegistroC198List = TRegistroList<TRegistroC198>;

// C199: import of the consolidated purchases.
struct TRegistroC199 {
    TDoctoImporta COD_DOC_IMP = TDoctoImporta::diImportacao;
    std::string NUM_DOC__IMP;  // the layout's NUM_DOC_IMP
    util::Currency VL_PIS_IMP;
    util::Currency VL_COFINS_IMP;
    std::string NUM_ACDRAW;
};
using TRegistroC199List = TRegistroList<TRegistroC199>;

// C190: purchases consolidated by item, NF-e (model 55).
struct TRegistroC190 {
    std::string COD_MOD;
    util::Data DT_REF_INI;
    util::Data DT_REF_FIN;
    std::string COD_ITEM;
    std::string COD_NCM;
    std::string EX_IPI;
    util::Currency VL_TOT_ITEM;

    TRegistroC191List RegistroC191;
    TRegistroC195List RegistroC195;
    TRegistroC198List RegistroC198;
    TRegistroC199List RegistroC199;
};
using TRegistroC190List = TRegistroList<TRegistroC190>;

// ---------------------------------------------------------------------------
// Consumer invoices, model 02: C380 (sales) and C395 (purchases).

// C381: PIS/PASEP of the consolidated consumer-invoice sales, by item.
struct TRegistroC381 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    std::string COD_ITEM;
    util::Currency VL_ITEM;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    std::string COD_CTA;
};
using TRegistroC381List = TRegistroList<TRegistroC381>;

// C385: COFINS of the consolidated consumer-invoice sales, by item.
struct TRegistroC385 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    std::string COD_ITEM;
    util::Currency VL_ITEM;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC385List = TRegistroList<TRegistroC385>;

// C380: consolidated consumer-invoice sales (model 02).
struct TRegistroC380 {
    std::string COD_MOD;
    util::Data DT_DOC_INI;
    util::Data DT_DOC_FIN;
    int32_t NUM_DOC_INI = 0;
    int32_t NUM_DOC_FIN = 0;
    util::Currency VL_DOC;
    util::Currency VL_DOC_CANC;

    TRegistroC381List RegistroC381;
    TRegistroC385List RegistroC385;
};
using TRegistroC380List = TRegistroList<TRegistroC380>;

// C396: item of a purchase by consumer-type document.
struct TRegistroC396 {
    std::string COD_ITEM;
    util::Currency VL_ITEM;
    util::Currency VL_DESC;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC396List = TRegistroList<TRegistroC396>;

// C395: purchase by consumer-type document (models 02, 2D, 2E, 59).
struct TRegistroC395 {
    std::string COD_MOD;
    std::string COD_PART;
    std::string SER;
    std::string SUB_SER;
    std::string NUM_DOC;
    util::Data DT_DOC;
    util::Currency VL_DOC;

    TRegistroC396List RegistroC396;
};
using TRegistroC395List = TRegistroList<TRegistroC395>;

// ---------------------------------------------------------------------------
// Fiscal printers (ECF): C400 and C490 with their children.

// C481: PIS/PASEP by item of a daily reduction Z.
struct TRegistroC481 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_ITEM;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    std::string COD_ITEM;
    std::string COD_CTA;
};
using TRegistroC481List = TRegistroList<TRegistroC481>;

// C485: COFINS by item of a daily reduction Z.
struct TRegistroC485 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_ITEM;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    Variante VL_COFINS;
    std::string COD_ITEM;
    std::string COD_CTA;
};
using TRegistroC485List = TRegistroList<TRegistroC485>;

// C405: daily reduction Z of the printer.
struct TRegistroC405 {
    util::Data DT_DOC;
    int32_t CRO = 0;
    int32_t CRZ = 0;
    int32_t NUM_COO_FIN = 0;
    util::Currency GT_FIN;
    util::Currency VL_BRT;

    TRegistroC481List RegistroC481;
    TRegistroC485List RegistroC485;
};
using TRegistroC405List = TRegistroList<TRegistroC405>;

struct TRegistroC489 : TRegistroProcessoC {};
using TRegistroC489List = TRegistroList<TRegistroC489>;

// C400: fiscal printer equipment.
struct TRegistroC400 {
    std::string COD_MOD;
    std::string ECF_MOD;
    std::string ECF_FAB;
    int32_t ECF_CX = 0;

    TRegistroC405List RegistroC405;
    TRegistroC489List RegistroC489;
};
using TRegistroC400List = TRegistroList<TRegistroC400>;

// C491: PIS/PASEP by item of the consolidated printer documents.
struct TRegistroC491 {
    std::string COD_ITEM;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    int32_t CFOP = 0;
    util::Currency VL_ITEM;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    std::string COD_CTA;
};
using TRegistroC491List = TRegistroList<TRegistroC491>;

// C495: COFINS by item of the consolidated printer documents.
struct TRegistroC495 {
    std::string COD_ITEM;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    int32_t CFOP = 0;
    util::Currency VL_ITEM;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC495List = TRegistroList<TRegistroC495>;

struct TRegistroC499 : TRegistroProcessoC {};
using TRegistroC499List = TRegistroList<TRegistroC499>;

// C490: consolidation of the printer documents of a period.
struct TRegistroC490 {
    util::Data DT_DOC_INI;
    util::Data DT_DOC_FIN;
    std::string COD_MOD;

    TRegistroC491List RegistroC491;
    TRegistroC495List RegistroC495;
    TRegistroC499List RegistroC499;
};
using TRegistroC490List = TRegistroList<TRegistroC490>;

// ---------------------------------------------------------------------------
// Utility bills (electricity, water, gas): C500 and C600 with their children.

// C501: PIS/PASEP of the bill.
struct TRegistroC501 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_ITEM;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    std::string COD_CTA;
};
using TRegistroC501List = TRegistroList<TRegistroC501>;

// C505: COFINS of the bill.
struct TRegistroC505 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_ITEM;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC505List = TRegistroList<TRegistroC505>;

struct TRegistroC509 : TRegistroProcessoC {};
using TRegistroC509List = TRegistroList<TRegistroC509>;

// C500: utility bill, models 06, 28 and 29.
struct TRegistroC500 {
    std::string COD_PART;
    std::string COD_MOD;
    TCodSit COD_SIT = TCodSit::sdfRegular;
    std::string SER;
    int32_t SUB = 0;
    int32_t NUM_DOC = 0;
    util::Data DT_DOC;
    util::Data DT_ENT;
    util::Currency VL_DOC;
    util::Currency VL_ICMS;
    std::string COD_INF;
    util::Currency VL_PIS;
    util::Currency VL_COFINS;
    std::string CHV_DOCe;  // written from layout 3.2.0 on

    TRegistroC501List RegistroC501;
    TRegistroC505List RegistroC505;
    TRegistroC509List RegistroC509;
};
using TRegistroC500List = TRegistroList<TRegistroC500>;

// C601: PIS/PASEP of the consolidated bills.
struct TRegistroC601 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_ITEM;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    std::string COD_CTA;
};
using TRegistroC601List = TRegistroList<TRegistroC601>;

// C605: COFINS of the consolidated bills.
struct TRegistroC605 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_ITEM;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC605List = TRegistroList<TRegistroC605>;

struct TRegistroC609 : TRegistroProcessoC {};
using TRegistroC609List = TRegistroList<TRegistroC609>;

// C600: utility bills consolidated by day, models 06, 28 and 29.
struct TRegistroC600 {
    std::string COD_MOD;
    int32_t COD_MUN = 0;
    std::string SER;
    int32_t SUB = 0;
    int32_t COD_CONS = 0;
    int32_t QTD_CONS = 0;
    int32_t QTD_CANC = 0;
    util::Data DT_DOC;
    util::Currency VL_DOC;
    util::Currency VL_DESC;
    int32_t CONS = 0;
    util::Currency VL_FORN;
    util::Currency VL_SERV_NT;
    util::Currency VL_TERC;
    util::Currency VL_DA;
    util::Currency VL_BC_ICMS;
    util::Currency VL_ICMS;
    util::Currency VL_BC_ICMS_ST;
    util::Currency VL_ICMS_ST;
    util::Currency VL_PIS;
    util::Currency VL_COFINS;

    TRegistroC601List RegistroC601;
    TRegistroC605List RegistroC605;
    TRegistroC609List RegistroC609;
};
using TRegistroC600List = TRegistroList<TRegistroC600>;

// ---------------------------------------------------------------------------
// SAT fiscal coupons (model 59). C800 and its children are held but never written.

// C810: PIS/PASEP and COFINS by item of the coupon, rate in percent.
struct TRegistroC810 {
    std::string CFOP;
    util::Currency VL_ITEM;
    std::string COD_ITEM;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC810List = TRegistroList<TRegistroC810>;

// C820: PIS/PASEP and COFINS by item of the coupon, rate per unit.
struct TRegistroC820 {
    std::string CFOP;
    util::Currency VL_ITEM;
    std::string COD_ITEM;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC820List = TRegistroList<TRegistroC820>;

struct TRegistroC830 : TRegistroProcessoC {};
using TRegistroC830List = TRegistroList<TRegistroC830>;

// C800: SAT fiscal coupon (model 59).
struct TRegistroC800 {
    std::string COD_MOD;
    TCodSit COD_SIT = TCodSit::sdfRegular;
    int32_t NUM_CFE = 0;
    util::Data DT_DOC;
    util::Currency VL_CFE;
    util::Currency VL_PIS;
    util::Currency VL_COFINS;
    std::string CNPJ_CPF;
    int32_t NR_SAT = 0;
    std::string CHV_CFE;
    util::Currency VL_DESC;
    util::Currency VL_MERC;
    util::Currency VL_OUT_DA;
    util::Currency VL_ICMS;
    util::Currency VL_PIS_ST;
    util::Currency VL_COFINS_ST;

    TRegistroC810List RegistroC810;
    TRegistroC820List RegistroC820;
    TRegistroC830List RegistroC830;
};
using TRegistroC800List = TRegistroList<TRegistroC800>;

// C870: PIS/PASEP and COFINS by item of a SAT day, rate in percent.
struct TRegistroC870 {
    std::string COD_ITEM;
    std::string CFOP;
    Variante VL_ITEM;
    Variante VL_DESC;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante VL_BC_PIS;
    double ALIQ_PIS = 0;
    Variante VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC870List = TRegistroList<TRegistroC870>;

// C880: PIS/PASEP and COFINS by item of a SAT day, rate per unit.
struct TRegistroC880 {
    std::string COD_ITEM;
    std::string CFOP;
    Variante VL_ITEM;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    Variante VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroC880List = TRegistroList<TRegistroC880>;

struct TRegistroC890 : TRegistroProcessoC {};
using TRegistroC890List = TRegistroList<TRegistroC890>;

// C860: SAT equipment and the coupon range of one day.
struct TRegistroC860 {
    std::string COD_MOD;
    int32_t NR_SAT = 0;
    util::Data DT_DOC;
    int32_t DOC_INI = 0;
    int32_t DOC_FIM = 0;

    TRegistroC870List RegistroC870;
    TRegistroC880List RegistroC880;
    TRegistroC890List RegistroC890;
};
using TRegistroC860List = TRegistroList<TRegistroC860>;

// ---------------------------------------------------------------------------
// The establishment and the block frame.

// C010: establishment; every other register of the block hangs below one.
struct TRegistroC010 {
    std::string CNPJ;
    TIndEscrituracao IND_ESCRI = TIndEscrituracao::IndEscriConsolidado;

    TRegistroC100List RegistroC100;
    TRegistroC180List RegistroC180;
    TRegistroC190List RegistroC190;
    TRegistroC380List RegistroC380;
    TRegistroC395List RegistroC395;
    TRegistroC400List RegistroC400;
    TRegistroC490List RegistroC490;
    TRegistroC500List RegistroC500;
    TRegistroC600List RegistroC600;
    TRegistroC800List RegistroC800;
    TRegistroC860List RegistroC860;
};
using TRegistroC010List = TRegistroList<TRegistroC010>;

// C001: opening of block C.
struct TRegistroC001 : TOpenBlocos {
    TRegistroC010List RegistroC010;
};

// C990: closing of block C; lines of the block, C001 and C990 included.
struct TRegistroC990 {
    int32_t QTD_LIN_C = 0;
};

}  // namespace efd
