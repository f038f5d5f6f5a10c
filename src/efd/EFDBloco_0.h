#pragma once
// Registers of block 0: the company and period, the accountant, the tax regime,
// and per establishment its participants, units, items, natures and texts.
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

// 0208 COD_TAB: the table of differentiated incidence of the beverage item.
enum class TIndCodIncidencia {
    codIndiTabNaoTem, codIndTabI, codIndTabII, codIndTabIII, codIndTabIV, codIndTabV, codIndTabVI,
    codIndTabVII, codIndTabVIII, codIndTabIX, codIndTabX, codIndTabXI, codIndiTabXII
};
template <>
struct CodigosEnum<TIndCodIncidencia> {
    static constexpr std::array<std::string_view, 13> codigos = {
        "", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"};
};

// 0000: opening of the file, company and period.
struct TRegistro0000 {
    TCodVer COD_VER = TCodVer::vlVersao100;
    TTipoEscrit TIPO_ESCRIT = TTipoEscrit::tpEscrOriginal;
    TIndSitEsp IND_SIT_ESP = TIndSitEsp::indSitAbertura;
    std::string NUM_REC_ANTERIOR;
    util::Data DT_INI;
    util::Data DT_FIN;
    std::string NOME;
    std::string CNPJ;
    std::string UF;
    int32_t COD_MUN = 0;
    std::string SUFRAMA;
    TIndNatPJ IND_NAT_PJ = TIndNatPJ::indNatPJSocEmpresariaGeral;
    TIndAtiv IND_ATIV = TIndAtiv::indAtivIndustrial;
};

// 0035: identification of an SCP (silent partnership).
struct TRegistro0035 {
    std::string COD_SCP;
    std::string DESC_SCP;
    std::string INF_COMP;
};
using TRegistro0035List = TRegistroList<TRegistro0035>;

// 0100: the accountant.
struct TRegistro0100 {
    std::string NOME;
    std::string CPF;
    std::string CRC;
    std::string CNPJ;
    std::string CEP;
    std::string ENDERECO;
    std::string NUM;
    std::string COMPL;
    std::string BAIRRO;
    std::string FONE;
    std::string FAX;
    std::string EMAIL;
    int32_t COD_MUN = 0;
};
using TRegistro0100List = TRegistroList<TRegistro0100>;

// 0111: gross revenue apportionment (with 0110 under the apportionment method).
struct TRegistro0111 {
    util::Currency REC_BRU_NCUM_TRIB_MI;
    util::Currency REC_BRU_NCUM_NT_MI;
    util::Currency REC_BRU_NCUM_EXP;
    util::Currency REC_BRU_CUM;
    util::Currency REC_BRU_TOTAL;
};

// 0110: tax regime of the period.
struct TRegistro0110 {
    TCodIncTrib COD_INC_TRIB = TCodIncTrib::codEscrOpIncNaoCumulativo;
    TIndAproCred IND_APRO_CRED = TIndAproCred::indMetodoApropriacaoDireta;
    TCodTipoCont COD_TIPO_CONT = TCodTipoCont::codIndTipoConExclAliqBasica;
    TIndRegCum IND_REG_CUM = TIndRegCum::codRegimeCaixa;
    TRegistro0111 Registro0111;
};

// 0120: a month without bookkeeping obligation.
struct TRegistro0120 {
    std::string MES_DISPENSA;
    std::string INF_COMP;
};
using TRegistro0120List = TRegistroList<TRegistro0120>;

// 0145: payroll-based contribution regime of the establishment (block P);
// written only when COD_INC_TRIB is filled.
struct TRegistro0145 {
    std::string COD_INC_TRIB;
    util::Currency VL_REC_TOT;
    util::Currency VL_REC_ATIV;
    util::Currency VL_REC_DEMAIS_ATIV;
    std::string INFO_COMPL;
};

// 0150: a participant (supplier, customer ...).
struct TRegistro0150 {
    std::string COD_PART;
    std::string NOME;
    std::string COD_PAIS;
    std::string CNPJ;
    std::string CPF;
    std::string IE;
    int32_t COD_MUN = 0;
    std::string SUFRAMA;
    std::string ENDERECO;
    std::string NUM;
    std::string COMPL;
    std::string BAIRRO;
};
class TRegistro0150List : public TRegistroList<TRegistro0150> {
public:
    // A 14-character value is looked up as a CNPJ, an 11-character one as a CPF,
    // anything else as a COD_PART.
    bool LocalizaRegistro(std::string_view Value) const;
};

// 0190: a unit of measure.
struct TRegistro0190 {
    std::string UNID;
    std::string DESCR;
};
class TRegistro0190List : public TRegistroList<TRegistro0190> {
public:
    bool LocalizaRegistro(std::string_view pUNID) const;
};

// 0205: an earlier description or code of the item.
struct TRegistro0205 {
    std::string DESCR_ANT_ITEM;
    util::Data DT_INI;
    util::Data DT_FIM;
    std::string COD_ANT_ITEM;
};
using TRegistro0205List = TRegistroList<TRegistro0205>;

// 0206: fuel code of the item (written only when filled).
struct TRegistro0206 {
    std::string COD_COMB;
};

// 0208: beverage incidence table of the item (written only with a table).
struct TRegistro0208 {
    TIndCodIncidencia COD_TAB = TIndCodIncidencia::codIndiTabNaoTem;
    std::string COD_GRU;
    std::string MARCA_COM;
};

// 0200: an item (goods or service).
struct TRegistro0200 {
    std::string COD_ITEM;
    std::string DESCR_ITEM;
    std::string COD_BARRA;
    std::string COD_ANT_ITEM;
    std::string UNID_INV;
    TTipoItem TIPO_ITEM = TTipoItem::tiMercadoriaRevenda;
    std::string COD_NCM;
    std::string EX_IPI;
    std::string COD_GEN;
    std::string COD_LST;
    Variante ALIQ_ICMS;
    TRegistro0205List Registro0205;
    TRegistro0206 Registro0206;
    TRegistro0208 Registro0208;
};
class TRegistro0200List : public TRegistroList<TRegistro0200> {
public:
    bool LocalizaRegistro(std::string_view pCOD_ITEM) const;
};

// 0400: an operation nature.
struct TRegistro0400 {
    std::string COD_NAT;
    std::string DESCR_NAT;
};
class TRegistro0400List : public TRegistroList<TRegistro0400> {
public:
    bool LocalizaRegistro(std::string_view pCOD_NAT) const;
};

// 0450: a complementary text referred to by the documents.
struct TRegistro0450 {
    std::string COD_INF;
    std::string TXT;
};
using TRegistro0450List = TRegistroList<TRegistro0450>;

// 0140: an establishment with its master data.
struct TRegistro0140 {
    std::string COD_EST;
    std::string NOME;
    std::string CNPJ;
    std::string UF;
    std::string IE;
    int32_t COD_MUN = 0;
    std::string IM;
    std::string SUFRAMA;
    TRegistro0145 Registro0145;
    TRegistro0150List Registro0150;
    TRegistro0190List Registro0190;
    TRegistro0200List Registro0200;
    TRegistro0400List Registro0400;
    TRegistro0450List Registro0450;
};
using TRegistro0140List = TRegistroList<TRegistro0140>;

// 0500: an account of the chart of accounts.
struct TRegistro0500 {
    util::Data DT_ALT;
    TNaturezaConta COD_NAT_CC = TNaturezaConta::ncgAtivo;
    TIndCTA IND_CTA = TIndCTA::indCTASintetica;
    std::string NIVEL;
    std::string COD_CTA;
    std::string NOME_CTA;
    std::string COD_CTA_REF;
    std::string CNPJ_EST;
};
class TRegistro0500List : public TRegistroList<TRegistro0500> {
public:
    bool LocalizaRegistro(std::string_view ACOD_CTA) const;
};

// 0600: a cost centre.
struct TRegistro0600 {
    util::Data DT_ALT;
    std::string COD_CCUS;
    std::string CCUS;
};
using TRegistro0600List = TRegistroList<TRegistro0600>;

// 0900: composition of the period's revenue per block; the NRB fields (revenue
// not in the contributions' base) may be left without a value.
struct TRegistro0900 {
    double REC_TOTAL_BLOCO_A = 0;
    Variante REC_NRB_BLOCO_A;
    double REC_TOTAL_BLOCO_C = 0;
    Variante REC_NRB_BLOCO_C;
    double REC_TOTAL_BLOCO_D = 0;
    Variante REC_NRB_BLOCO_D;
    double REC_TOTAL_BLOCO_F = 0;
    Variante REC_NRB_BLOCO_F;
    double REC_TOTAL_BLOCO_I = 0;
    Variante REC_NRB_BLOCO_I;
    double REC_TOTAL_BLOCO_1 = 0;
    Variante REC_NRB_BLOCO_1;
    double REC_TOTAL_PERIODO = 0;
    Variante REC_TOTAL_NRB_PERIODO;
};

// 0001: opening of block 0.
struct TRegistro0001 : TOpenBlocos {
    TRegistro0035List Registro0035;
    TRegistro0100List Registro0100;
    TRegistro0110 Registro0110;
    TRegistro0120List Registro0120;
    TRegistro0140List Registro0140;
    TRegistro0500List Registro0500;
    TRegistro0600List Registro0600;
    std::unique_ptr<TRegistro0900> Registro0900;  // created by the first Registro0900New
};

// 0990: closing of block 0.
struct TRegistro0990 {
    int32_t QTD_LIN_0 = 0;
};

}  // namespace efd
