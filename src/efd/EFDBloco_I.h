#pragma once
// Registers of block I: financial institutions.
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// I001: opening of block I.
struct TRegistroI001 : TOpenBlocos {};

// I990: closing of block I; lines of the block, I001 and I990 included.
struct TRegistroI990 {
    int32_t QTD_LIN_I = 0;
};

}  // namespace efd
