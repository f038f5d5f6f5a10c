#pragma once
// Registers of block 0: the company and period, the accountant, the tax regime,
// and per establishment its participants, units, items, natures and texts.
#include <cstdint>
#include <string>

#include "efd/RegistroList.h"
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

// 0001: opening of block 0.
struct TRegistro0001 : TOpenBlocos {};

// 0990: closing of block 0.
struct TRegistro0990 {
    int32_t QTD_LIN_0 = 0;
};

}  // namespace efd
