#pragma once
// Registers of block 9: one count line per register code and the file's line count.
#include <cstdint>
#include <string>

#include "efd/RegistroList.h"

namespace efd {

// 9900: lines of one register code in the file.
struct TRegistro9900 {
    std::string REG_BLC;
    int32_t QTD_REG_BLC = 0;
};
using TRegistro9900List = TRegistroList<TRegistro9900>;

// 9001: opening of block 9 (always with data).
struct TRegistro9001 : TOpenBlocos {
    TRegistro9900List Registro9900;  // stays empty; the block holds the entries
};

// 9990: lines of block 9.
struct TRegistro9990 {
    int32_t QTD_LIN_9 = 0;
};

// 9999: lines of the whole file, this one included.
struct TRegistro9999 {
    int32_t QTD_LIN = 0;
};

}  // namespace efd
