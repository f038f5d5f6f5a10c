#pragma once
// Registers of block 1: complementary information. This system fills the
// judicial actions (1010) and the operations they cover (1011); the credit
// controls, extemporaneous contributions, retentions and the other registers
// are written when filled.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "efd/ArquivoTXT.h"
#include "efd/RegistroList.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace efd {

// 1900 COD_SIT: situation of the consolidated documents.
enum class TCodSitF {
    codSitFRegular, codSitFCancelado, codSitFOutros
};
template <>
struct CodigosEnum<TCodSitF> {
    static constexpr std::array<std::string_view, 3> codigos = {
        "00", "02", "99"};
};

// 1011: an operation covered by a judicial action, with the contributions as
// they would be due and as suspended.
struct TRegistro1011 {
    std::string REG_REF;
    std::string CHAVE_DOC;
    std::string COD_PART;
    std::string COD_ITEM;
    util::Data DT_OPER;
    util::Currency VL_OPER;
    int32_t CST_PIS = 0;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante VL_PIS;
    int32_t CST_COFINS = 0;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante VL_COFINS;
    int32_t CST_PIS_SUSP = 0;
    Variante VL_BC_PIS_SUSP;
    Variante ALIQ_PIS_SUSP;
    Variante VL_PIS_SUSP;
    int32_t CST_COFINS_SUSP = 0;
    Variante VL_BC_COFINS_SUSP;
    Variante ALIQ_COFINS_SUSP;
    Variante VL_COFINS_SUSP;
    std::string COD_CTA;
    std::string COD_CCUS;
    std::string DESC_DOC_OPER;
};
using TRegistro1011List = TRegistroList<TRegistro1011>;

// 1010: a judicial action that suspends the contributions.
struct TRegistro1010 {
    std::string NUM_PROC;
    std::string ID_SEC_JUD;
    std::string ID_VARA;
    int32_t IND_NAT_ACAO = 0;
    std::string DESC_DEC_JUD;
    util::Data DT_SENT_JUD;
    TRegistro1011List Registro1011;
};
using TRegistro1010List = TRegistroList<TRegistro1010>;

// 1020: an administrative process that suspends the contributions.
struct TRegistro1020 {
    std::string NUM_PROC;
    int32_t IND_NAT_ACAO = 0;
    util::Data DT_DEC_ADM;
};
using TRegistro1020List = TRegistroList<TRegistro1020>;

// 1050: adjustments of the calculation base outside the period's figures, per CST.
struct TRegistro1050 {
    util::Data DT_REF;
    std::string IND_AJ_BC;
    std::string CNPJ;
    util::Currency VL_AJ_TOT;
    util::Currency VL_AJ_CST01;
    util::Currency VL_AJ_CST02;
    util::Currency VL_AJ_CST03;
    util::Currency VL_AJ_CST04;
    util::Currency VL_AJ_CST05;
    util::Currency VL_AJ_CST06;
    util::Currency VL_AJ_CST07;
    util::Currency VL_AJ_CST08;
    util::Currency VL_AJ_CST09;
    util::Currency VL_AJ_CST49;
    util::Currency VL_AJ_CST99;
    std::string IND_APROP;
    std::string NUM_REC;
    std::string INFO_COMPL;
};
using TRegistro1050List = TRegistroList<TRegistro1050>;

// 1102 / 1502: an extemporaneous credit apportioned between kinds of revenue.
struct TRegistro1102 {
    util::Currency VL_CRED_PIS_TRIB_MI;
    util::Currency VL_CRED_PIS_NT_MI;
    util::Currency VL_CRED_PIS_EXP;
};
struct TRegistro1502 {
    util::Currency VL_CRED_COFINS_TRIB_MI;
    util::Currency VL_CRED_COFINS_NT_MI;
    util::Currency VL_CRED_COFINS_EXP;
};

// 1101 / 1501: a document or operation of an earlier period giving an
// extemporaneous credit. The base may be a value or a quantity (three decimals).
struct TRegistro1101 {
    std::string COD_PART;
    std::string COD_ITEM;
    std::string COD_MOD;
    std::string SER;
    std::string SUB_SER;
    std::string NUM_DOC;
    util::Data DT_OPER;
    std::string CHV_NFE;
    util::Currency VL_OPER;
    std::string CFOP;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TIndOrigCred IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    double VL_BC_PIS = 0;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    std::string COD_CTA;
    std::string COD_CCUS;
    std::string DESC_COMPL;
    std::string PER_ESCRIT;
    std::string CNPJ;
    std::unique_ptr<TRegistro1102> Registro1102;  // created by the first Registro1102New
};
using TRegistro1101List = TRegistroList<TRegistro1101>;

struct TRegistro1501 {
    std::string COD_PART;
    std::string COD_ITEM;
    std::string COD_MOD;
    std::string SER;
    std::string SUB_SER;
    std::string NUM_DOC;
    util::Data DT_OPER;
    std::string CHV_NFE;
    util::Currency VL_OPER;
    std::string CFOP;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TIndOrigCred IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    double VL_BC_COFINS = 0;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
    std::string COD_CCUS;
    std::string DESC_COMPL;
    std::string PER_ESCRIT;
    std::string CNPJ;
    std::unique_ptr<TRegistro1502> Registro1502;  // created by the first Registro1502New
};
using TRegistro1501List = TRegistroList<TRegistro1501>;

// 1100 / 1500: control of the credits of a period and kind.
struct TRegistro1100 {
    std::string PER_APU_CRED;
    std::string ORIG_CRED;
    std::string CNPJ_SUC;
    std::string COD_CRED;
    util::Currency VL_CRED_APU;
    util::Currency VL_CRED_EXT_APU;
    util::Currency VL_TOT_CRED_APU;
    util::Currency VL_CRED_DESC_PA_ANT;
    util::Currency VL_CRED_PER_PA_ANT;
    util::Currency VL_CRED_DCOMP_PA_ANT;
    util::Currency SD_CRED_DISP_EFD;
    util::Currency VL_CRED_DESC_EFD;
    util::Currency VL_CRED_PER_EFD;
    util::Currency VL_CRED_DCOMP_EFD;
    util::Currency VL_CRED_TRANS;
    util::Currency VL_CRED_OUT;
    util::Currency SLD_CRED_FIM;
    TRegistro1101List Registro1101;
};
using TRegistro1100List = TRegistroList<TRegistro1100>;

struct TRegistro1500 {
    std::string PER_APU_CRED;
    std::string ORIG_CRED;
    std::string CNPJ_SUC;
    std::string COD_CRED;
    util::Currency VL_CRED_APU;
    util::Currency VL_CRED_EXT_APU;
    util::Currency VL_TOT_CRED_APU;
    util::Currency VL_CRED_DESC_PA_ANT;
    util::Currency VL_CRED_PER_PA_ANT;
    util::Currency VL_CRED_DCOMP_PA_ANT;
    util::Currency SD_CRED_DISP_EFD;
    util::Currency VL_CRED_DESC_EFD;
    util::Currency VL_CRED_PER_EFD;
    util::Currency VL_CRED_DCOMP_EFD;
    util::Currency VL_CRED_TRANS;
    util::Currency VL_CRED_OUT;
    util::Currency SLD_CRED_FIM;
    TRegistro1501List Registro1501;
};
using TRegistro1500List = TRegistroList<TRegistro1500>;

// 1210 / 1610: an operation behind an extemporaneous contribution.
struct TRegistro1210 {
    std::string CNPJ;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    std::string COD_PART;
    util::Data DT_OPER;
    util::Currency VL_OPER;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    std::string COD_CTA;
    std::string DESC_COMPL;
};
using TRegistro1210List = TRegistroList<TRegistro1210>;

struct TRegistro1610 {
    std::string CNPJ;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    std::string COD_PART;
    util::Data DT_OPER;
    util::Currency VL_OPER;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
    std::string DESC_COMPL;
};
using TRegistro1610List = TRegistroList<TRegistro1610>;

// 1220 / 1620: a credit deducted from an extemporaneous contribution.
struct TRegistro1220 {
    std::string PER_APU_CRED;
    std::string ORIG_CRED;
    std::string COD_CRED;
    util::Currency VL_CRED;
};
using TRegistro1220List = TRegistroList<TRegistro1220>;

struct TRegistro1620 {
    std::string PER_APU_CRED;
    std::string ORIG_CRED;
    std::string COD_CRED;
    util::Currency VL_CRED;
};
using TRegistro1620List = TRegistroList<TRegistro1620>;

// 1200 / 1600: a contribution of an earlier period paid now.
struct TRegistro1200 {
    std::string PER_APUR_ANT;
    std::string NAT_CONT_REC;
    util::Currency VL_CONT_APUR;
    util::Currency VL_CRED_PIS_DESC;
    util::Currency VL_CONT_DEV;
    util::Currency VL_OUT_DED;
    util::Currency VL_CONT_EXT;
    util::Currency VL_MUL;
    util::Currency VL_JUR;
    util::Data DT_RECOL;
    TRegistro1210List Registro1210;
    TRegistro1220List Registro1220;
};
using TRegistro1200List = TRegistroList<TRegistro1200>;

struct TRegistro1600 {
    std::string PER_APUR_ANT;
    std::string NAT_CONT_REC;
    util::Currency VL_CONT_APUR;
    util::Currency VL_CRED_COFINS_DESC;
    util::Currency VL_CONT_DEV;
    util::Currency VL_OUT_DED;
    util::Currency VL_CONT_EXT;
    util::Currency VL_MUL;
    util::Currency VL_JUR;
    util::Data DT_RECOL;
    TRegistro1610List Registro1610;
    TRegistro1620List Registro1620;
};
using TRegistro1600List = TRegistroList<TRegistro1600>;

// 1300 / 1700: control of the amounts withheld at source.
struct TRegistro1300 {
    std::string IND_NAT_RET;
    std::string PR_REC_RET;
    util::Currency VL_RET_APU;
    util::Currency VL_RET_DED;
    util::Currency VL_RET_PER;
    util::Currency VL_RET_DCOMP;
    util::Currency SLD_RET;
};
using TRegistro1300List = TRegistroList<TRegistro1300>;

struct TRegistro1700 {
    std::string IND_NAT_RET;
    std::string PR_REC_RET;
    util::Currency VL_RET_APU;
    util::Currency VL_RET_DED;
    util::Currency VL_RET_PER;
    util::Currency VL_RET_DCOMP;
    util::Currency SLD_RET;
};
using TRegistro1700List = TRegistroList<TRegistro1700>;

// 1809: a process referred to by a 1800.
struct TRegistro1809 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistro1809List = TRegistroList<TRegistro1809>;

// 1800: a real-estate development under the special taxation regime (RET).
struct TRegistro1800 {
    std::string INC_IMOB;
    util::Currency REC_RECEB_RET;
    util::Currency REC_FIN_RET;
    util::Currency BC_RET;
    double ALIQ_RET = 0;
    util::Currency VL_REC_UNI;
    util::Data DT_REC_UNI;
    std::string COD_REC;
    TRegistro1809List Registro1809;
};
using TRegistro1800List = TRegistroList<TRegistro1800>;

// 1900: documents issued in the period, consolidated (presumed profit).
struct TRegistro1900 {
    std::string CNPJ;
    std::string COD_MOD;
    std::string SER;
    std::string SUB_SER;
    TCodSitF COD_SIT = TCodSitF::codSitFRegular;
    util::Currency VL_TOT_REC;
    int32_t QUANT_DOC = 0;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    std::string CFOP;
    std::string INF_COMPL;
    std::string COD_CTA;
};
using TRegistro1900List = TRegistroList<TRegistro1900>;

// 1001: opening of block 1.
struct TRegistro1001 : TOpenBlocos {
    TRegistro1010List Registro1010;
    TRegistro1020List Registro1020;
    TRegistro1050List Registro1050;
    TRegistro1100List Registro1100;
    TRegistro1200List Registro1200;
    TRegistro1300List Registro1300;
    TRegistro1500List Registro1500;
    TRegistro1600List Registro1600;
    TRegistro1700List Registro1700;
    TRegistro1800List Registro1800;
    TRegistro1900List Registro1900;
};

// 1990: closing of block 1; lines of the block, 1001 and 1990 included.
struct TRegistro1990 {
    int32_t QTD_LIN_1 = 0;
};

}  // namespace efd
