#pragma once
// Registers of block C: goods documents and utility bills.
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// C001: opening of block C.
struct TRegistroC001 : TOpenBlocos {};

// C990: closing of block C; lines of the block, C001 and C990 included.
struct TRegistroC990 {
    int32_t QTD_LIN_C = 0;
};

}  // namespace efd
