#pragma once
// Registers of block 1: complementary information.
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// 1001: opening of block 1.
struct TRegistro1001 : TOpenBlocos {};

// 1990: closing of block 1; lines of the block, 1001 and 1990 included.
struct TRegistro1990 {
    int32_t QTD_LIN_1 = 0;
};

}  // namespace efd
