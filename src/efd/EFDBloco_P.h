#pragma once
// Registers of block P: social-security contribution on gross revenue (CPRB).
// Every record below P001 carries a REG text that the writer ignores: the line
// always gets the register's own code.
#include <cstdint>
#include <string>

#include "efd/RegistroList.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace efd {

// P110: complement of the P100 assessment.
struct TRegistroP110 {
    std::string REG;
    std::string NUM_CAMPO;
    std::string COD_DET;
    util::Currency DET_VALOR;
    std::string INF_COMPL;
};
using TRegistroP110List = TRegistroList<TRegistroP110>;

// P199: process of a P100.
struct TRegistroP199 {
    std::string REG;
    std::string NUM_PROC;
    std::string IND_PROC;
};
using TRegistroP199List = TRegistroList<TRegistroP199>;

// P100: contribution on gross revenue by economic activity.
struct TRegistroP100 {
    std::string REG;
    util::Data DT_INI;
    util::Data DT_FIM;
    util::Currency VL_REC_TOT_EST;
    std::string COD_ATIV_ECON;
    util::Currency VL_REC_ATIV_ESTAB;
    util::Currency VL_EXC;
    util::Currency VL_BC_CONT;
    util::Currency ALIQ_CONT;
    util::Currency VL_CONT_APU;
    std::string COD_CTA;
    std::string INFO_COMPL;
    TRegistroP110List RegistroP110;
    TRegistroP199List RegistroP199;
};
using TRegistroP100List = TRegistroList<TRegistroP100>;

// P010: establishment.
struct TRegistroP010 {
    std::string REG;
    std::string CNPJ;
    TRegistroP100List RegistroP100;
};
using TRegistroP010List = TRegistroList<TRegistroP010>;

// P210: adjustment of the contribution of the period.
struct TRegistroP210 {
    std::string REG;
    std::string IND_AJ;
    util::Currency VL_AJ;
    std::string COD_AJ;
    std::string NUM_DOC;
    std::string DESCR_AJ;
    util::Data DT_REF;
};
using TRegistroP210List = TRegistroList<TRegistroP210>;

// P200: contribution of the period, consolidated.
struct TRegistroP200 {
    std::string REG;
    std::string PER_REF;  // MMAAAA
    util::Currency VL_TOT_CONT_APU;
    util::Currency VL_TOT_AJ_REDUC;
    util::Currency VL_TOT_AJ_ACRES;
    util::Currency VL_TOT_CONT_DEV;
    std::string COD_REC;
    TRegistroP210List RegistroP210;
};
using TRegistroP200List = TRegistroList<TRegistroP200>;

// P001: opening of block P.
struct TRegistroP001 : TOpenBlocos {
    TRegistroP010List RegistroP010;
    TRegistroP200List RegistroP200;
};

// P990: closing of block P; lines of the block, P001 and P990 included.
struct TRegistroP990 {
    int32_t QTD_LIN_P = 0;
};

}  // namespace efd
