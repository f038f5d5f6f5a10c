#pragma once
// Registers of block 0: the company and period, the accountant, the tax regime,
// and per establishment its participants, units, items, natures and texts.
#include <cstdint>
#include <string>

#include "efd/RegistroList.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace efd {

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

// 0001: opening of block 0; the lists below it are added with the registers.
struct TRegistro0001 : TOpenBlocos {
    TRegistro0110 Registro0110;
};

// 0990: closing of block 0.
struct TRegistro0990 {
    int32_t QTD_LIN_0 = 0;
};

}  // namespace efd
