#pragma once
// Registers of block A: service documents.
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// A001: opening of block A.
struct TRegistroA001 : TOpenBlocos {};

// A990: closing of block A; lines of the block, A001 and A990 included.
struct TRegistroA990 {
    int32_t QTD_LIN_A = 0;
};

}  // namespace efd
