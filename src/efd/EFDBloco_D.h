#pragma once
// Registers of block D: transport and communication documents.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "efd/ArquivoTXT.h"
#include "efd/RegistroList.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace efd {

// D600 IND_REC: kind of revenue of the consolidated communication services.
enum class TIndRec {
    irPropServPrestados, irPropCobrancaDebitos, irPropVendaMercadorias, irPropVendaServPrePago,
    irOutrasProprias, irTerceirosCoFaturamento, irOutras
};
template <>
struct CodigosEnum<TIndRec> {
    static constexpr std::array<std::string_view, 7> codigos = {
        "0", "1", "2", "3", "4", "5", "9"};
};

// D101: PIS/PASEP of the freight.
struct TRegistroD101 {
    TNaturezaFrtContratado IND_NAT_FRT = TNaturezaFrtContratado::nfcVendaOnusEstVendedor;
    util::Currency VL_ITEM;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    std::string COD_CTA;
};
using TRegistroD101List = TRegistroList<TRegistroD101>;

// D105: COFINS of the freight.
struct TRegistroD105 {
    TNaturezaFrtContratado IND_NAT_FRT = TNaturezaFrtContratado::nfcVendaOnusEstVendedor;
    util::Currency VL_ITEM;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
};
using TRegistroD105List = TRegistroList<TRegistroD105>;

// D111: judicial or administrative process of the transport document.
struct TRegistroD111 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroD111List = TRegistroList<TRegistroD111>;

// D100: transport document, acquisition of services (CT-e and the other freight models).
struct TRegistroD100 {
    std::string IND_OPER;
    TIndEmit IND_EMIT = TIndEmit::iedfProprio;
    std::string COD_PART;
    std::string COD_MOD;
    TCodSit COD_SIT = TCodSit::sdfRegular;
    std::string SER;
    std::string SUB;
    std::string NUM_DOC;
    std::string CHV_CTE;
    util::Data DT_DOC;
    util::Data DT_A_P;
    std::string TP_CT_e;
    std::string CHV_CTE_REF;
    util::Currency VL_DOC;
    util::Currency VL_DESC;
    TIndFrt IND_FRT = TIndFrt::tfPorContaEmitente;
    util::Currency VL_SERV;
    util::Currency VL_BC_ICMS;
    util::Currency VL_ICMS;
    util::Currency VL_NT;
    std::string COD_INF;
    std::string COD_CTA;

    TRegistroD101List RegistroD101;
    TRegistroD105List RegistroD105;
    TRegistroD111List RegistroD111;
};
using TRegistroD100List = TRegistroList<TRegistroD100>;

// D201: PIS/PASEP of the consolidated transport services.
struct TRegistroD201 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_ITEM;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    std::string COD_CTA;
};
using TRegistroD201List = TRegistroList<TRegistroD201>;

// D205: COFINS of the consolidated transport services.
struct TRegistroD205 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_ITEM;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
};
using TRegistroD205List = TRegistroList<TRegistroD205>;

// D209: judicial or administrative process of the consolidated transport services.
struct TRegistroD209 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroD209List = TRegistroList<TRegistroD209>;

// D200: transport services rendered, consolidated by day.
struct TRegistroD200 {
    std::string COD_MOD;
    TCodSit COD_SIT = TCodSit::sdfRegular;
    std::string SER;
    std::string SUB;
    int32_t NUM_DOC_INI = 0;
    int32_t NUM_DOC_FIN = 0;
    int32_t CFOP = 0;
    util::Data DT_REF;
    util::Currency VL_DOC;
    util::Currency VL_DESC;

    TRegistroD201List RegistroD201;
    TRegistroD205List RegistroD205;
    TRegistroD209List RegistroD209;
};
using TRegistroD200List = TRegistroList<TRegistroD200>;

// D309: judicial or administrative process of the passenger tickets.
struct TRegistroD309 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroD309List = TRegistroList<TRegistroD309>;

// D300: passenger transport tickets, consolidated.
struct TRegistroD300 {
    std::string COD_MOD;
    std::string SER;
    int32_t SUB = 0;
    int32_t NUM_DOC_INI = 0;
    int32_t NUM_DOC_FIN = 0;
    int32_t CFOP = 0;
    util::Data DT_REF;
    util::Currency VL_DOC;
    util::Currency VL_DESC;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;

    TRegistroD309List RegistroD309;
};
using TRegistroD300List = TRegistroList<TRegistroD300>;

// D359: judicial or administrative process of the fiscal printer tickets.
struct TRegistroD359 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroD359List = TRegistroList<TRegistroD359>;

// D350: passenger tickets issued by a fiscal printer, by reduction Z.
struct TRegistroD350 {
    std::string COD_MOD;
    std::string ECF_MOD;
    std::string ECF_FAB;
    util::Data DT_DOC;
    int32_t CRO = 0;
    int32_t CRZ = 0;
    int32_t NUM_COO_FIN = 0;
    double GT_FIN = 0;
    double VL_BRT = 0;
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

    TRegistroD359List RegistroD359;
};
using TRegistroD350List = TRegistroList<TRegistroD350>;

// D501: PIS/PASEP of the communication document.
struct TRegistroD501 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_ITEM;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    std::string COD_CTA;
};
using TRegistroD501List = TRegistroList<TRegistroD501>;

// D505: COFINS of the communication document.
struct TRegistroD505 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_ITEM;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
};
using TRegistroD505List = TRegistroList<TRegistroD505>;

// D509: judicial or administrative process of the communication document.
struct TRegistroD509 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroD509List = TRegistroList<TRegistroD509>;

// D500: communication or telecommunication document, acquisition.
struct TRegistroD500 {
    TIndOper IND_OPER = TIndOper::itoContratado;
    TIndEmit IND_EMIT = TIndEmit::iedfProprio;
    std::string COD_PART;
    std::string COD_MOD;
    TCodSit COD_SIT = TCodSit::sdfRegular;
    std::string SER;
    int32_t SUB = 0;
    int32_t NUM_DOC = 0;
    util::Data DT_DOC;
    util::Data DT_A_P;
    util::Currency VL_DOC;
    util::Currency VL_DESC;
    util::Currency VL_SERV;
    util::Currency VL_SERV_NT;
    util::Currency VL_TERC;
    util::Currency VL_DA;
    util::Currency VL_BC_ICMS;
    util::Currency VL_ICMS;
    std::string COD_INF;
    util::Currency VL_PIS;
    util::Currency VL_COFINS;

    TRegistroD501List RegistroD501;
    TRegistroD505List RegistroD505;
    TRegistroD509List RegistroD509;
};
using TRegistroD500List = TRegistroList<TRegistroD500>;

// D601: PIS/PASEP of the consolidated communication services, by service class.
struct TRegistroD601 {
    int32_t COD_CLASS = 0;
    Variante VL_ITEM;
    Variante VL_DESC;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante VL_PIS;
    std::string COD_CTA;
};
using TRegistroD601List = TRegistroList<TRegistroD601>;

// D605: COFINS of the consolidated communication services, by service class.
struct TRegistroD605 {
    int32_t COD_CLASS = 0;
    Variante VL_ITEM;
    Variante VL_DESC;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante VL_COFINS;
    std::string COD_CTA;
};
using TRegistroD605List = TRegistroList<TRegistroD605>;

// D609: judicial or administrative process of the consolidated communication services.
struct TRegistroD609 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroD609List = TRegistroList<TRegistroD609>;

// D600: communication services rendered, consolidated.
struct TRegistroD600 {
    std::string COD_MOD;
    int32_t COD_MUN = 0;
    std::string SER;
    int32_t SUB = 0;
    TIndRec IND_REC = TIndRec::irPropServPrestados;
    int32_t QTD_CONS = 0;
    util::Data DT_DOC_INI;
    util::Data DT_DOC_FIN;
    util::Currency VL_DOC;
    util::Currency VL_DESC;
    util::Currency VL_SERV;
    util::Currency VL_SERV_NT;
    util::Currency VL_TERC;
    util::Currency VL_DA;
    util::Currency VL_BC_ICMS;
    util::Currency VL_ICMS;
    util::Currency VL_PIS;
    util::Currency VL_COFINS;

    TRegistroD601List RegistroD601;
    TRegistroD605List RegistroD605;
    TRegistroD609List RegistroD609;
};
using TRegistroD600List = TRegistroList<TRegistroD600>;

// D010: establishment.
struct TRegistroD010 {
    std::string CNPJ;

    TRegistroD100List RegistroD100;
    TRegistroD200List RegistroD200;
    TRegistroD300List RegistroD300;
    TRegistroD350List RegistroD350;
    TRegistroD500List RegistroD500;
    TRegistroD600List RegistroD600;
};
using TRegistroD010List = TRegistroList<TRegistroD010>;

// D001: opening of block D.
struct TRegistroD001 : TOpenBlocos {
    TRegistroD010List RegistroD010;
};

// D990: closing of block D; lines of the block, D001 and D990 included.
struct TRegistroD990 {
    int32_t QTD_LIN_D = 0;
};

}  // namespace efd
