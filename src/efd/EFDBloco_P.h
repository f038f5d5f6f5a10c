#pragma once
// Registers of block P: contribution on gross revenue (CPRB).
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// P001: opening of block P.
struct TRegistroP001 : TOpenBlocos {};

// P990: closing of block P; lines of the block, P001 and P990 included.
struct TRegistroP990 {
    int32_t QTD_LIN_P = 0;
};

}  // namespace efd
