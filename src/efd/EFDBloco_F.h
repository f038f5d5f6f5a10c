#pragma once
// Registers of block F: other operations.
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// F001: opening of block F.
struct TRegistroF001 : TOpenBlocos {};

// F990: closing of block F; lines of the block, F001 and F990 included.
struct TRegistroF990 {
    int32_t QTD_LIN_F = 0;
};

}  // namespace efd
