#pragma once
// Registers of block F: other operations (without a fiscal document, fixed-asset
// credits, opening stock, real-estate activity, cash-basis and accrual-basis
// revenue, withholdings, deductions and credits from corporate events).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "efd/RegistroList.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace efd {

// F120, F130 IDENT_BEM_IMOB
enum class TIdentBemImob {
    iocEdificacoesBenfeitorias, iocInstalacoes, iocMaquinas, iocEquipamentos, iocVeiculos, iocOutros
};
template <>
struct CodigosEnum<TIdentBemImob> {
    static constexpr std::array<std::string_view, 6> codigos = {"01", "03", "04", "05", "06", "99"};
};

// F120, F130 IND_UTIL_BEM_IMOB
enum class TIndUtilBemImob {
    ubiProducaoBensDestinadosVenda, ubiPrestacaoServicos, ubiLocacaoTerceiros, ubiOutros
};
template <>
struct CodigosEnum<TIndUtilBemImob> {
    static constexpr std::array<std::string_view, 4> codigos = {"1", "2", "3", "9"};
};

// F130 IND_NR_PARC: in how many instalments the credit is taken
enum class TIndNrParc {
    inrIntegral, inr12Meses, inr24Meses, inr48Meses, inr6Meses, inrOutra
};
template <>
struct CodigosEnum<TIndNrParc> {
    static constexpr std::array<std::string_view, 6> codigos = {"1", "2", "3", "4", "5", "9"};
};

// F525 IND_REC: what identifies the receipt (D600 has its own TIndRec)
enum class TIndRecF525 {
    crCliente, crAdministradora, crTituloDeCredito, crDocumentoFiscal, crItemVendido, crOutros
};
template <>
struct CodigosEnum<TIndRecF525> {
    static constexpr std::array<std::string_view, 6> codigos = {"01", "02", "03", "04", "05", "99"};
};

// F600 IND_NAT_RET: who withheld
enum class TIndNatRet {
    indRetOrgAutarquiasFundFederais, indRetEntAdmPublicaFederal, indRetPesJuridicasDireitoPri,
    indRecolhimentoSociedadeCoop, indRetFabricanteMaqVeiculos, indOutrasRetencoes
};
template <>
struct CodigosEnum<TIndNatRet> {
    static constexpr std::array<std::string_view, 6> codigos = {"01", "02", "03", "04", "05", "99"};
};

// F600 IND_NAT_REC: nature of the revenue the withholding falls on
enum class TIndNatRec {
    indNatRecNaoCumulativa, indNatRecCumulativa, indNatRecVazio
};
template <>
struct CodigosEnum<TIndNatRec> {
    static constexpr std::array<std::string_view, 3> codigos = {"0", "1", ""};
};

// F700 IND_ORI_DED: origin of the deduction
enum class TIndOriDed {
    indCredPreMed, indCredAdmRegCumulativoBeb, indContribSTZFM, indSTNaoOCFatoGeradorPres, indOutrasDeducoes
};
template <>
struct CodigosEnum<TIndOriDed> {
    static constexpr std::array<std::string_view, 5> codigos = {"01", "02", "03", "04", "99"};
};

// F700 IND_NAT_DED
enum class TIndNatDed {
    indNaoAcumulativa, indAcumulativa
};
template <>
struct CodigosEnum<TIndNatDed> {
    static constexpr std::array<std::string_view, 2> codigos = {"0", "1"};
};

// F800 COD_CRED: type of the credit taken over. The hundreds say which revenue the
// credit is linked to (1 taxed in the domestic market, 2 not taxed in the domestic
// market, 3 exports), the units what the credit comes from.
enum class TCodCred {
    ccRecTribMIAliqBasica, ccRecTribMIAliqDiferenciada, ccRecTribMIAliqUnidProduto,
    ccRecTribMIEstoqueAbertura, ccRecTribMIAquisicaoEmbalagem, ccRecTribMIPresumidoAgroindustria,
    ccRecTribMIImportacao, ccRecTribMIAtivImobiliaria, ccRecTribMIOutros,
    ccRecNaoTribMIAliqBasica, ccRecNaoTribMIAliqDiferenciada, ccRecNaoTribMIAliqUnidProduto,
    ccRecNaoTribMIEstoqueAbertura, ccRecNaoTribMIAquisicaoEmbalagem, ccRecNaoTribMIPresumidoAgroindustria,
    ccRecNaoTribMIImportacao, ccRecNaoTribMIOutros,
    ccRecExportacaoAliqBasica, ccRecExportacaoAliqDiferenciada, ccRecExportacaoAliqUnidProduto,
    ccRecExportacaoEstoqueAbertura, ccRecExportacaoAquisicaoEmbalagem, ccRecExportacaoPresumidoAgroindustria,
    ccRecExportacaoOutrosPresumidos, ccRecExportacaoImportacao, ccRecExportacaoOutros
};
template <>
struct CodigosEnum<TCodCred> {
    static constexpr std::array<std::string_view, 26> codigos = {
        "101", "102", "103", "104", "105", "106", "108", "109", "199",
        "201", "202", "203", "204", "205", "206", "208", "299",
        "301", "302", "303", "304", "305", "306", "307", "308", "399"};
};

// F111: process of an F100.
struct TRegistroF111 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF111List = TRegistroList<TRegistroF111>;

// F100: other operation generating contribution or credit.
struct TRegistroF100 {
    TIndTpOperacaoReceita IND_OPER = TIndTpOperacaoReceita::indRepCustosDespesasEncargos;
    std::string COD_PART;
    std::string COD_ITEM;
    util::Data DT_OPER;
    util::Currency VL_OPER;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_BC_PIS;
    util::Currency ALIQ_PIS;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_BC_COFINS;
    util::Currency ALIQ_COFINS;
    util::Currency VL_COFINS;
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TIndOrigCred IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    std::string COD_CTA;
    std::string COD_CCUS;
    std::string DESC_DOC_OPER;
    TRegistroF111List RegistroF111;
};
using TRegistroF100List = TRegistroList<TRegistroF100>;

// F129: process of an F120.
struct TRegistroF129 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF129List = TRegistroList<TRegistroF129>;

// F120: credit on depreciation or amortisation of fixed assets.
struct TRegistroF120 {
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TIdentBemImob IDENT_BEM_IMOB = TIdentBemImob::iocEdificacoesBenfeitorias;
    TIndOrigCred IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    TIndUtilBemImob IND_UTIL_BEM_IMOB = TIndUtilBemImob::ubiProducaoBensDestinadosVenda;
    util::Currency VL_OPER_DEP;
    util::Currency PARC_OPER_NAO_BC_CRED;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
    std::string COD_CCUS;
    std::string DESC_BEM_IMOB;
    TRegistroF129List RegistroF129;
};
using TRegistroF120List = TRegistroList<TRegistroF120>;

// F139: process of an F130.
struct TRegistroF139 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF139List = TRegistroList<TRegistroF139>;

// F130: credit on the acquisition value of fixed assets.
struct TRegistroF130 {
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    TIdentBemImob IDENT_BEM_IMOB = TIdentBemImob::iocEdificacoesBenfeitorias;
    TIndOrigCred IND_ORIG_CRED = TIndOrigCred::opcMercadoInterno;
    TIndUtilBemImob IND_UTIL_BEM_IMOB = TIndUtilBemImob::ubiProducaoBensDestinadosVenda;
    std::string MES_OPER_AQUIS;  // MMAAAA
    util::Currency VL_OPER_AQUIS;
    util::Currency PARC_OPER_NAO_BC_CRED;
    util::Currency VL_BC_CRED;
    TIndNrParc IND_NR_PARC = TIndNrParc::inrIntegral;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_CTA;
    std::string COD_CCUS;
    std::string DESC_BEM_IMOB;
    TRegistroF139List RegistroF139;
};
using TRegistroF130List = TRegistroList<TRegistroF130>;

// F150: presumed credit on opening stock.
struct TRegistroF150 {
    TNatBcCred NAT_BC_CRED = TNatBcCred::bccVazio;
    util::Currency VL_TOT_EST;
    util::Currency EST_IMP;
    util::Currency VL_BC_EST;
    util::Currency VL_BC_MEN_EST;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    double ALIQ_PIS = 0;
    util::Currency VL_CRED_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    double ALIQ_COFINS = 0;
    util::Currency VL_CRED_COFINS;
    std::string DESC_EST;
    std::string COD_CTA;
};
using TRegistroF150List = TRegistroList<TRegistroF150>;

// F205: cost incurred of the real-estate unit sold (one per F200).
struct TRegistroF205 {
    util::Currency VL_CUS_INC_ACUM_ANT;
    util::Currency VL_CUS_INC_PER_ESC;
    util::Currency VL_CUS_INC_ACUM;
    util::Currency VL_EXC_BC_CUS_INC_ACUM;
    util::Currency VL_BC_CUS_INC;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    double ALIQ_PIS = 0;
    util::Currency VL_CRED_PIS_ACUM;
    util::Currency VL_CRED_PIS_DESC_ANT;
    util::Currency VL_CRED_PIS_DESC;
    util::Currency VL_CRED_PIS_DESC_FUT;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    double ALIQ_COFINS = 0;
    util::Currency VL_CRED_COFINS_ACUM;
    util::Currency VL_CRED_COFINS_DESC_ANT;
    util::Currency VL_CRED_COFINS_DESC;
    util::Currency VL_CRED_COFINS_DESC_FUT;
};

// F210: budgeted cost of the real-estate unit sold.
struct TRegistroF210 {
    util::Currency VL_CUS_ORC;
    util::Currency VL_EXC;
    util::Currency VL_CUS_ORC_AJU;
    util::Currency VL_BC_CRED;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    double ALIQ_PIS = 0;
    util::Currency VL_CRED_PIS_UTIL;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    double ALIQ_COFINS = 0;
    util::Currency VL_CRED_COFINS_UTIL;
};
using TRegistroF210List = TRegistroList<TRegistroF210>;

// F211: process of an F200.
struct TRegistroF211 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF211List = TRegistroList<TRegistroF211>;

// F200: real-estate activity, unit sold.
struct TRegistroF200 {
    std::string IND_OPER;
    std::string UNID_IMOB;
    std::string IDENT_EMP;
    std::string DESC_UNID_IMOB;
    std::string NUM_CONT;
    std::string CPF_CNPJ_ADQU;
    util::Data DT_OPER;
    util::Currency VL_TOT_VEND;
    util::Currency VL_REC_ACUM;
    util::Currency VL_TOT_REC;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_BC_PIS;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_BC_COFINS;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    util::Currency PERC_REC_RECEB;
    std::string IND_NAT_EMP;
    std::string INF_COMP;
    TRegistroF205 RegistroF205;
    TRegistroF210List RegistroF210;
    TRegistroF211List RegistroF211;
};
using TRegistroF200List = TRegistroList<TRegistroF200>;

// F509, F519, F559, F569: process of a cash-basis or accrual-basis revenue.
struct TRegistroF509 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF509List = TRegistroList<TRegistroF509>;
struct TRegistroF519 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF519List = TRegistroList<TRegistroF519>;
struct TRegistroF559 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF559List = TRegistroList<TRegistroF559>;
struct TRegistroF569 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroF569List = TRegistroList<TRegistroF569>;

// F500: cash-basis revenue of a presumed-profit company, by CST.
struct TRegistroF500 {
    util::Currency VL_REC_CAIXA;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_DESC_PIS;
    double VL_BC_PIS = 0;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_DESC_COFINS;
    double VL_BC_COFINS = 0;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_MOD;
    int32_t CFOP = 0;
    std::string COD_CTA;
    std::string INFO_COMPL;
    TRegistroF509List RegistroF509;
};
using TRegistroF500List = TRegistroList<TRegistroF500>;

// F510: cash-basis revenue with rates per unit of product.
struct TRegistroF510 {
    util::Currency VL_REC_CAIXA;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_DESC_PIS;
    util::Currency QUANT_BC_PIS;
    util::Currency ALIQ_PIS_QUANT;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_DESC_COFINS;
    util::Currency QUANT_BC_COFINS;
    util::Currency ALIQ_COFINS_QUANT;
    util::Currency VL_COFINS;
    std::string COD_MOD;
    int32_t CFOP = 0;
    std::string COD_CTA;
    std::string INFO_COMPL;
    TRegistroF519List RegistroF519;
};
using TRegistroF510List = TRegistroList<TRegistroF510>;

// F525: composition of the cash-basis revenue.
struct TRegistroF525 {
    util::Currency VL_REC;
    TIndRecF525 IND_REC = TIndRecF525::crCliente;
    std::string CNPJ_CPF;
    std::string NUM_DOC;
    std::string COD_ITEM;
    util::Currency VL_REC_DET;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    std::string INFO_COMPL;
    std::string COD_CTA;
};
using TRegistroF525List = TRegistroList<TRegistroF525>;

// F550: accrual-basis revenue of a presumed-profit company, by CST.
struct TRegistroF550 {
    util::Currency VL_REC_COMP;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_DESC_PIS;
    double VL_BC_PIS = 0;
    double ALIQ_PIS = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_DESC_COFINS;
    double VL_BC_COFINS = 0;
    double ALIQ_COFINS = 0;
    util::Currency VL_COFINS;
    std::string COD_MOD;
    int32_t CFOP = 0;
    std::string COD_CTA;
    std::string INFO_COMPL;
    TRegistroF559List RegistroF559;
};
using TRegistroF550List = TRegistroList<TRegistroF550>;

// F560: accrual-basis revenue with rates per unit of product.
struct TRegistroF560 {
    util::Currency VL_REC_COMP;
    TCstPis CST_PIS = TCstPis::stpisValorAliquotaNormal;
    util::Currency VL_DESC_PIS;
    double QUANT_BC_PIS = 0;
    double ALIQ_PIS_QUANT = 0;
    util::Currency VL_PIS;
    TCstCofins CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    util::Currency VL_DESC_COFINS;
    double QUANT_BC_COFINS = 0;
    double ALIQ_COFINS_QUANT = 0;
    util::Currency VL_COFINS;
    std::string COD_MOD;
    int32_t CFOP = 0;
    std::string COD_CTA;
    std::string INFO_COMPL;
    TRegistroF569List RegistroF569;
};
using TRegistroF560List = TRegistroList<TRegistroF560>;

// F600: contributions withheld at source.
struct TRegistroF600 {
    TIndNatRet IND_NAT_RET = TIndNatRet::indRetOrgAutarquiasFundFederais;
    util::Data DT_RET;
    double VL_BC_RET = 0;
    util::Currency VL_RET;
    std::string COD_REC;
    TIndNatRec IND_NAT_REC = TIndNatRec::indNatRecNaoCumulativa;
    std::string CNPJ;
    util::Currency VL_RET_PIS;
    util::Currency VL_RET_COFINS;
    std::string IND_DEC;
};
using TRegistroF600List = TRegistroList<TRegistroF600>;

// F700: other deductions.
struct TRegistroF700 {
    TIndOriDed IND_ORI_DED = TIndOriDed::indCredPreMed;
    TIndNatDed IND_NAT_DED = TIndNatDed::indNaoAcumulativa;
    util::Currency VL_DED_PIS;
    util::Currency VL_DED_COFINS;
    util::Currency VL_BC_OPER;
    std::string CNPJ;
    std::string INF_COMP;
};
using TRegistroF700List = TRegistroList<TRegistroF700>;

// F800: credits taken over from a merger, split-up or incorporation.
struct TRegistroF800 {
    std::string IND_NAT_EVEN;
    util::Data DT_EVEN;
    std::string CNPJ_SUCED;
    std::string PA_CONT_CRED;  // MMAAAA
    TCodCred COD_CRED = TCodCred::ccRecTribMIAliqBasica;
    util::Currency VL_CRED_PIS;
    util::Currency VL_CRED_COFINS;
    util::Currency PER_CRED_CIS;
};
using TRegistroF800List = TRegistroList<TRegistroF800>;

// F010: establishment.
struct TRegistroF010 {
    std::string CNPJ;
    TRegistroF100List RegistroF100;
    TRegistroF120List RegistroF120;
    TRegistroF130List RegistroF130;
    TRegistroF150List RegistroF150;
    TRegistroF200List RegistroF200;
    TRegistroF500List RegistroF500;
    TRegistroF510List RegistroF510;
    TRegistroF525List RegistroF525;
    TRegistroF550List RegistroF550;
    TRegistroF560List RegistroF560;
    TRegistroF600List RegistroF600;
    TRegistroF700List RegistroF700;
    TRegistroF800List RegistroF800;
};
using TRegistroF010List = TRegistroList<TRegistroF010>;

// F001: opening of block F.
struct TRegistroF001 : TOpenBlocos {
    TRegistroF010List RegistroF010;
};

// F990: closing of block F; lines of the block, F001 and F990 included.
struct TRegistroF990 {
    int32_t QTD_LIN_F = 0;
};

}  // namespace efd
