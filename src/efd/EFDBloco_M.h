#pragma once
// Registers of block M: assessment of PIS/PASEP (M100 ... M410) and COFINS
// (M500 ... M810) of the period.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "efd/ArquivoTXT.h"
#include "efd/RegistroList.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace efd {

// M110, M220, M510, M620 IND_AJ and M215, M615 IND_AJ_BC
enum class TIndAj {
    indAjReducao, indAjAcressimo
};
template <>
struct CodigosEnum<TIndAj> {
    static constexpr std::array<std::string_view, 2> codigos = {"0", "1"};
};

// M110, M220, M510, M620 COD_AJ: where the adjustment comes from
enum class TCodAj {
    codAjAcaoJudicial, codAjProcessoAdministrativo, codAjLegislacaoTributaria, codAjOrigemRTT,
    codAjOutrasSituacoes, codAjEstorno
};
template <>
struct CodigosEnum<TCodAj> {
    static constexpr std::array<std::string_view, 6> codigos = {"01", "02", "03", "04", "05", "06"};
};

// M211, M611 IND_TIP_COOP: kind of cooperative
enum class TIndTipCoop {
    itcProdAgropecuaria, itcConsumo, itcCredito, itcEletRural, itcTransCargas, itcMedicos, itcOutras
};
template <>
struct CodigosEnum<TIndTipCoop> {
    static constexpr std::array<std::string_view, 7> codigos = {"01", "02", "03", "04", "05", "06", "99"};
};

// M215, M615 COD_AJ_BC: reason of the adjustment of the base
enum class TCodAjBc {
    tcaVendasCanceladas, tcaDevolucoesVendas, tcaICMSaRecolher, tcaOutrVlrsDecJudicial, tcaOutrVlrsSemDecJudicial
};
template <>
struct CodigosEnum<TCodAjBc> {
    static constexpr std::array<std::string_view, 5> codigos = {"01", "02", "21", "41", "42"};
};

// M300, M700 NAT_CRED_DESC: nature of the credit deducted from the deferred contribution
enum class TNatCredDesc {
    ncdAliqBasica, ncdAliqDiferenciada, ncdAliqUnidProduto, ncdPresAgroindustria
};
template <>
struct CodigosEnum<TNatCredDesc> {
    static constexpr std::array<std::string_view, 4> codigos = {"01", "02", "03", "04"};
};

// ---- PIS/PASEP -----------------------------------------------------------------

// M105: base of the M100 credit by nature and CST.
struct TRegistroM105 {
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    Variante VL_BC_PIS_TOT;
    Variante VL_BC_PIS_CUM;
    Variante VL_BC_PIS_NC;
    Variante VL_BC_PIS;
    Variante QUANT_BC_PIS_TOT;
    Variante QUANT_BC_PIS;
    std::string DESC_CRED;
};
using TRegistroM105List = TRegistroList<TRegistroM105>;

// M115: detail of an M110 adjustment.
struct TRegistroM115 {
    util::Currency DET_VALOR_AJ;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency DET_BC_CRED;
    util::Currency DET_ALIQ;
    util::Data DT_OPER_AJ;
    std::string DESC_AJ;
    std::string COD_CTA;
    std::string INFO_COMPL;
};
using TRegistroM115List = TRegistroList<TRegistroM115>;

// M110: adjustment of the M100 credit.
struct TRegistroM110 {
    TIndAj IND_AJ = TIndAj::indAjReducao;
    util::Currency VL_AJ;
    TCodAj COD_AJ = TCodAj::codAjAcaoJudicial;
    std::string NUM_DOC;
    std::string DESCR_AJ;
    util::Data DT_REF;
    TRegistroM115List RegistroM115;
};
using TRegistroM110List = TRegistroList<TRegistroM110>;

// M100: PIS/PASEP credit of the period.
struct TRegistroM100 {
    std::string COD_CRED;
    TIndCredOri IND_CRED_ORI = TIndCredOri::icoOperProprias;
    Variante VL_BC_PIS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    util::Currency VL_CRED;
    util::Currency VL_AJUS_ACRES;
    util::Currency VL_AJUS_REDUC;
    util::Currency VL_CRED_DIF;
    util::Currency VL_CRED_DISP;
    TIndDescCred IND_DESC_CRED = TIndDescCred::idcTotal;
    Variante VL_CRED_DESC;
    util::Currency SLD_CRED;
    TRegistroM105List RegistroM105;
    TRegistroM110List RegistroM110;
};
using TRegistroM100List = TRegistroList<TRegistroM100>;

// M205: M200 total by revenue code.
struct TRegistroM205 {
    std::string NUM_CAMPO;
    std::string COD_REC;
    util::Currency VL_DEBITO;
};
using TRegistroM205List = TRegistroList<TRegistroM205>;

// M211: base of the M210 contribution of a cooperative (one per M210).
struct TRegistroM211 {
    TIndTipCoop IND_TIP_COOP = TIndTipCoop::itcProdAgropecuaria;
    util::Currency VL_BC_CONT_ANT_EXC_COOP;
    util::Currency VL_EXC_COOP_GER;
    util::Currency VL_EXC_ESP_COOP;
    util::Currency VL_BC_CONT;
};

// M215: adjustment of the M210 base.
struct TRegistroM215 {
    TIndAj IND_AJ_BC = TIndAj::indAjReducao;
    util::Currency VL_AJ_BC;
    TCodAjBc COD_AJ_BC = TCodAjBc::tcaVendasCanceladas;
    std::string NUM_DOC;
    std::string DESCR_AJ_BC;
    util::Data DT_REF;
    std::string COD_CTA;
    std::string CNPJ;
    std::string INFO_COMPL;
};
using TRegistroM215List = TRegistroList<TRegistroM215>;

// M225: detail of an M220 adjustment.
struct TRegistroM225 {
    util::Currency DET_VALOR_AJ;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency DET_BC_CRED;
    util::Currency DET_ALIQ;
    util::Data DT_OPER_AJ;
    std::string DESC_AJ;
    std::string COD_CTA;
    std::string INFO_COMPL;
};
using TRegistroM225List = TRegistroList<TRegistroM225>;

// M220: adjustment of the M210 contribution.
struct TRegistroM220 {
    TIndAj IND_AJ = TIndAj::indAjReducao;
    util::Currency VL_AJ;
    TCodAj COD_AJ = TCodAj::codAjAcaoJudicial;
    std::string NUM_DOC;
    std::string DESCR_AJ;
    util::Data DT_REF;
    TRegistroM225List RegistroM225;
};
using TRegistroM220List = TRegistroList<TRegistroM220>;

// M230: contribution deferred on sales to public bodies.
struct TRegistroM230 {
    std::string CNPJ;
    util::Currency VL_VEND;
    util::Currency VL_NAO_RECEB;
    util::Currency VL_CONT_DIF;
    util::Currency VL_CRED_DIF;
    std::string COD_CRED;
};
using TRegistroM230List = TRegistroList<TRegistroM230>;

// M210: PIS/PASEP contribution by kind. The three base adjustments exist in the
// layout from version 3.1.0 on.
struct TRegistroM210 {
    TCodCont COD_CONT = TCodCont::ccNaoAcumAliqBasica;
    util::Currency VL_REC_BRT;
    util::Currency VL_BC_CONT;
    util::Currency VL_AJUS_ACRES_BC_PIS;
    util::Currency VL_AJUS_REDUC_BC_PIS;
    util::Currency VL_BC_CONT_AJUS;
    Variante ALIQ_PIS;
    Variante QUANT_BC_PIS;
    Variante ALIQ_PIS_QUANT;
    util::Currency VL_CONT_APUR;
    util::Currency VL_AJUS_ACRES;
    util::Currency VL_AJUS_REDUC;
    Variante VL_CONT_DIFER;
    Variante VL_CONT_DIFER_ANT;
    util::Currency VL_CONT_PER;
    TRegistroM211 RegistroM211;
    TRegistroM215List RegistroM215;
    TRegistroM220List RegistroM220;
    TRegistroM230List RegistroM230;
};
using TRegistroM210List = TRegistroList<TRegistroM210>;

// M200: consolidated PIS/PASEP contribution of the period (the caller's totals).
struct TRegistroM200 {
    util::Currency VL_TOT_CONT_NC_PER;
    util::Currency VL_TOT_CRED_DESC;
    util::Currency VL_TOT_CRED_DESC_ANT;
    util::Currency VL_TOT_CONT_NC_DEV;
    util::Currency VL_RET_NC;
    util::Currency VL_OUT_DED_NC;
    util::Currency VL_CONT_NC_REC;
    util::Currency VL_TOT_CONT_CUM_PER;
    util::Currency VL_RET_CUM;
    util::Currency VL_OUT_DED_CUM;
    util::Currency VL_CONT_CUM_REC;
    util::Currency VL_TOT_CONT_REC;
    TRegistroM205List RegistroM205;
    TRegistroM210List RegistroM210;
};

// M300: PIS/PASEP deferred in earlier periods and due now.
struct TRegistroM300 {
    TCodCont COD_CONT = TCodCont::ccNaoAcumAliqBasica;
    util::Currency VL_CONT_APUR_DIFER;
    TNatCredDesc NAT_CRED_DESC = TNatCredDesc::ncdAliqBasica;
    util::Currency VL_CRED_DESC_DIFER;
    util::Currency VL_CONT_DIFER_ANT;
    std::string PER_APUR;  // MMAAAA
    util::Data DT_RECEB;
};
using TRegistroM300List = TRegistroList<TRegistroM300>;

// M350: PIS/PASEP on the payroll; written only with a payroll above zero.
struct TRegistroM350 {
    util::Currency VL_TOT_FOL;
    util::Currency VL_EXC_BC;
    util::Currency VL_TOT_BC;
    util::Currency ALIQ_PIS_FOL;
    util::Currency VL_TOT_CONT_FOL;
};

// M410: detail of an M400 by nature of the revenue.
struct TRegistroM410 {
    std::string NAT_REC;
    util::Currency VL_REC;
    std::string COD_CTA;
    std::string DESC_COMPL;
};
using TRegistroM410List = TRegistroList<TRegistroM410>;

// M400: revenues not subject to PIS/PASEP, by CST.
struct TRegistroM400 {
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_TOT_REC;
    std::string COD_CTA;
    std::string DESC_COMPL;
    TRegistroM410List RegistroM410;

    // The first M410 with these three values (exact, case-sensitive); nullptr when none.
    TRegistroM410* LocalizaRegistroM410(std::string_view ANAT_REC, std::string_view ACOD_CTA,
                                        std::string_view ADESC_COMPL) const;
};
using TRegistroM400List = TRegistroList<TRegistroM400>;

// ---- COFINS --------------------------------------------------------------------

// M505: base of the M500 credit by nature and CST.
struct TRegistroM505 {
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    Variante VL_BC_COFINS_TOT;
    Variante VL_BC_COFINS_CUM;
    Variante VL_BC_COFINS_NC;
    Variante VL_BC_COFINS;
    Variante QUANT_BC_COFINS_TOT;
    Variante QUANT_BC_COFINS;
    std::string DESC_CRED;
};
using TRegistroM505List = TRegistroList<TRegistroM505>;

// M515: detail of an M510 adjustment.
struct TRegistroM515 {
    util::Currency DET_VALOR_AJ;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency DET_BC_CRED;
    util::Currency DET_ALIQ;
    util::Data DT_OPER_AJ;
    std::string DESC_AJ;
    std::string COD_CTA;
    std::string INFO_COMPL;
};
using TRegistroM515List = TRegistroList<TRegistroM515>;

// M510: adjustment of the M500 credit.
struct TRegistroM510 {
    TIndAj IND_AJ = TIndAj::indAjReducao;
    util::Currency VL_AJ;
    TCodAj COD_AJ = TCodAj::codAjAcaoJudicial;
    std::string NUM_DOC;
    std::string DESCR_AJ;
    util::Data DT_REF;
    TRegistroM515List RegistroM515;
};
using TRegistroM510List = TRegistroList<TRegistroM510>;

// M500: COFINS credit of the period.
struct TRegistroM500 {
    std::string COD_CRED;
    TIndCredOri IND_CRED_ORI = TIndCredOri::icoOperProprias;
    Variante VL_BC_COFINS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    util::Currency VL_CRED;
    util::Currency VL_AJUS_ACRES;
    util::Currency VL_AJUS_REDUC;
    util::Currency VL_CRED_DIFER;
    util::Currency VL_CRED_DISP;
    TIndDescCred IND_DESC_CRED = TIndDescCred::idcTotal;
    Variante VL_CRED_DESC;
    util::Currency SLD_CRED;
    TRegistroM505List RegistroM505;
    TRegistroM510List RegistroM510;
};
using TRegistroM500List = TRegistroList<TRegistroM500>;

// M605: M600 total by revenue code.
struct TRegistroM605 {
    std::string NUM_CAMPO;
    std::string COD_REC;
    util::Currency VL_DEBITO;
};
using TRegistroM605List = TRegistroList<TRegistroM605>;

// M611: base of the M610 contribution of a cooperative (one per M610).
struct TRegistroM611 {
    TIndTipCoop IND_TIP_COOP = TIndTipCoop::itcProdAgropecuaria;
    util::Currency VL_BC_CONT_ANT_EXC_COOP;
    util::Currency VL_EXC_COOP_GER;
    util::Currency VL_EXC_ESP_COOP;
    util::Currency VL_BC_CONT;
};

// M615: adjustment of the M610 base.
struct TRegistroM615 {
    TIndAj IND_AJ_BC = TIndAj::indAjReducao;
    util::Currency VL_AJ_BC;
    TCodAjBc COD_AJ_BC = TCodAjBc::tcaVendasCanceladas;
    std::string NUM_DOC;
    std::string DESCR_AJ_BC;
    util::Data DT_REF;
    std::string COD_CTA;
    std::string CNPJ;
    std::string INFO_COMPL;
};
using TRegistroM615List = TRegistroList<TRegistroM615>;

// M625: detail of an M620 adjustment.
struct TRegistroM625 {
    util::Currency DET_VALOR_AJ;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency DET_BC_CRED;
    util::Currency DET_ALIQ;
    util::Data DT_OPER_AJ;
    std::string DESC_AJ;
    std::string COD_CTA;
    std::string INFO_COMPL;
};
using TRegistroM625List = TRegistroList<TRegistroM625>;

// M620: adjustment of the M610 contribution.
struct TRegistroM620 {
    TIndAj IND_AJ = TIndAj::indAjReducao;
    util::Currency VL_AJ;
    TCodAj COD_AJ = TCodAj::codAjAcaoJudicial;
    std::string NUM_DOC;
    std::string DESCR_AJ;
    util::Data DT_REF;
    TRegistroM625List RegistroM625;
};
using TRegistroM620List = TRegistroList<TRegistroM620>;

// M630: COFINS deferred on sales to public bodies.
struct TRegistroM630 {
    std::string CNPJ;
    util::Currency VL_VEND;
    util::Currency VL_NAO_RECEB;
    util::Currency VL_CONT_DIF;
    util::Currency VL_CRED_DIF;
    std::string COD_CRED;
};
using TRegistroM630List = TRegistroList<TRegistroM630>;

// M610: COFINS contribution by kind; the same two layouts as M210.
struct TRegistroM610 {
    TCodCont COD_CONT = TCodCont::ccNaoAcumAliqBasica;
    util::Currency VL_REC_BRT;
    util::Currency VL_BC_CONT;
    util::Currency VL_AJUS_ACRES_BC_COFINS;
    util::Currency VL_AJUS_REDUC_BC_COFINS;
    util::Currency VL_BC_CONT_AJUS;
    Variante ALIQ_COFINS;
    Variante QUANT_BC_COFINS;
    Variante ALIQ_COFINS_QUANT;
    util::Currency VL_CONT_APUR;
    util::Currency VL_AJUS_ACRES;
    util::Currency VL_AJUS_REDUC;
    Variante VL_CONT_DIFER;
    Variante VL_CONT_DIFER_ANT;
    util::Currency VL_CONT_PER;
    TRegistroM611 RegistroM611;
    TRegistroM615List RegistroM615;
    TRegistroM620List RegistroM620;
    TRegistroM630List RegistroM630;
};
using TRegistroM610List = TRegistroList<TRegistroM610>;

// M600: consolidated COFINS contribution of the period (the caller's totals).
struct TRegistroM600 {
    util::Currency VL_TOT_CONT_NC_PER;
    util::Currency VL_TOT_CRED_DESC;
    util::Currency VL_TOT_CRED_DESC_ANT;
    util::Currency VL_TOT_CONT_NC_DEV;
    util::Currency VL_RET_NC;
    util::Currency VL_OUT_DED_NC;
    util::Currency VL_CONT_NC_REC;
    util::Currency VL_TOT_CONT_CUM_PER;
    util::Currency VL_RET_CUM;
    util::Currency VL_OUT_DED_CUM;
    util::Currency VL_CONT_CUM_REC;
    util::Currency VL_TOT_CONT_REC;
    TRegistroM605List RegistroM605;
    TRegistroM610List RegistroM610;
};

// M700: COFINS deferred in earlier periods and due now.
struct TRegistroM700 {
    TCodCont COD_CONT = TCodCont::ccNaoAcumAliqBasica;
    util::Currency VL_CONT_APUR_DIFER;
    TNatCredDesc NAT_CRED_DESC = TNatCredDesc::ncdAliqBasica;
    util::Currency VL_CRED_DESC_DIFER;
    util::Currency VL_CONT_DIFER_ANT;
    std::string PER_APUR;  // MMAAAA
    util::Data DT_RECEB;
};
using TRegistroM700List = TRegistroList<TRegistroM700>;

// M810: detail of an M800 by nature of the revenue.
struct TRegistroM810 {
    std::string NAT_REC;
    util::Currency VL_REC;
    std::string COD_CTA;
    std::string DESC_COMPL;
};
using TRegistroM810List = TRegistroList<TRegistroM810>;

// M800: revenues not subject to COFINS, by CST.
struct TRegistroM800 {
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_TOT_REC;
    std::string COD_CTA;
    std::string DESC_COMPL;
    TRegistroM810List RegistroM810;

    // The first M810 with these three values (exact, case-sensitive); nullptr when none.
    TRegistroM810* LocalizaRegistroM810(std::string_view ANAT_REC, std::string_view ACOD_CTA,
                                        std::string_view ADESC_COMPL) const;
};
using TRegistroM800List = TRegistroList<TRegistroM800>;

// ---- Opening and closing -------------------------------------------------------

// M001: opening of block M. M200, M350 and M600 always exist.
struct TRegistroM001 : TOpenBlocos {
    TRegistroM100List RegistroM100;
    TRegistroM200 RegistroM200;
    TRegistroM300List RegistroM300;
    TRegistroM350 RegistroM350;
    TRegistroM400List RegistroM400;
    TRegistroM500List RegistroM500;
    TRegistroM600 RegistroM600;
    TRegistroM700List RegistroM700;
    TRegistroM800List RegistroM800;

    // The first M400 (M800) with this CST, account and description (texts exact,
    // case-sensitive); nullptr when none.
    TRegistroM400* LocalizaRegistroM400(TCstPis ACST_PIS, std::string_view ACOD_CTA,
                                        std::string_view ADESC_COMPL) const;
    TRegistroM800* LocalizaRegistroM800(TCstCofins ACST_COFINS, std::string_view ACOD_CTA,
                                        std::string_view ADESC_COMPL) const;
};

// M990: closing of block M; lines of the block, M001 and M990 included.
struct TRegistroM990 {
    int32_t QTD_LIN_M = 0;
};

}  // namespace efd
