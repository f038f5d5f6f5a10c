#pragma once
// Registers of block M: assessment of PIS/PASEP and COFINS.
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// M001: opening of block M.
struct TRegistroM001 : TOpenBlocos {};

// M990: closing of block M; lines of the block, M001 and M990 included.
struct TRegistroM990 {
    int32_t QTD_LIN_M = 0;
};

}  // namespace efd
