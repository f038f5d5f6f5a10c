#pragma once
// Registers of block A: service documents.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "efd/ArquivoTXT.h"
#include "efd/RegistroList.h"
#include "util/Data.h"

namespace efd {

// A120 LOC_EXE_SERV: where the imported service was carried out.
enum class TLocExeServ {
    lesExecutPais, lesExecutExterior
};
template <>
struct CodigosEnum<TLocExeServ> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// A110: complementary information of the document.
struct TRegistroA110 {
    std::string COD_INF;
    std::string TXT_COMPL;
};
using TRegistroA110List = TRegistroList<TRegistroA110>;

// A111: judicial or administrative process of the document.
struct TRegistroA111 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroA111List = TRegistroList<TRegistroA111>;

// A120: service imported from abroad.
struct TRegistroA120 {
    Variante VL_TOT_SERV;
    Variante VL_BC_PIS;
    Variante VL_PIS_IMP;
    util::Data DT_PAG_PIS;
    Variante VL_BC_COFINS;
    Variante VL_COFINS_IMP;
    util::Data DT_PAG_COFINS;
    TLocExeServ LOC_EXE_SERV = TLocExeServ::lesExecutPais;
};
using TRegistroA120List = TRegistroList<TRegistroA120>;

// A170: item of the service document.
struct TRegistroA170 {
    int32_t NUM_ITEM = 0;
    std::string COD_ITEM;
    std::string DESCR_COMPL;
    Variante VL_ITEM;
    Variante VL_DESC;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TIndOrigCred IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante VL_COFINS;
    std::string COD_CTA;
    std::string COD_CCUS;
};
using TRegistroA170List = TRegistroList<TRegistroA170>;

// A100: service document (NFS-e and the other municipal invoices).
struct TRegistroA100 {
    TIndOper IND_OPER = TIndOper::itoContratado;
    TIndEmit IND_EMIT = TIndEmit::iedfProprio;
    std::string COD_PART;
    TCodSit COD_SIT = TCodSit::sdfRegular;
    std::string SER;
    std::string SUB;
    std::string NUM_DOC;
    std::string CHV_NFSE;
    util::Data DT_DOC;
    util::Data DT_EXE_SERV;
    Variante VL_DOC;
    TIndPgto IND_PGTO = TIndPgto::tpVista;
    Variante VL_DESC;
    Variante VL_BC_PIS;
    Variante VL_PIS;
    Variante VL_BC_COFINS;
    Variante VL_COFINS;
    Variante VL_PIS_RET;
    Variante VL_COFINS_RET;
    Variante VL_ISS;

    TRegistroA110List RegistroA110;
    TRegistroA111List RegistroA111;
    TRegistroA120List RegistroA120;
    TRegistroA170List RegistroA170;
};
using TRegistroA100List = TRegistroList<TRegistroA100>;

// A010: establishment.
struct TRegistroA010 {
    std::string CNPJ;

    TRegistroA100List RegistroA100;
};
using TRegistroA010List = TRegistroList<TRegistroA010>;

// A001: opening of block A.
struct TRegistroA001 : TOpenBlocos {
    TRegistroA010List RegistroA010;
};

// A990: closing of block A; lines of the block, A001 and A990 included.
struct TRegistroA990 {
    int32_t QTD_LIN_A = 0;
};

}  // namespace efd
