#pragma once
// Registers of block D: transport and communication documents.
#include <cstdint>

#include "efd/RegistroList.h"

namespace efd {

// D001: opening of block D.
struct TRegistroD001 : TOpenBlocos {};

// D990: closing of block D; lines of the block, D001 and D990 included.
struct TRegistroD990 {
    int32_t QTD_LIN_D = 0;
};

}  // namespace efd
