#pragma once
// The IBGE municipality codes accepted in the file, plus 9999999 (abroad),
// in ascending order. Generated at build time from data/municipios_ibge.csv.
#include <cstdint>
#include <span>

namespace util {

std::span<const int32_t> TabelaMunicipios();

}  // namespace util
