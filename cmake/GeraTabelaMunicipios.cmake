# Writes the municipality table of the validator from the IBGE list.
#   cmake -DCSV=<municipios_ibge.csv> -DSAIDA=<TabelaMunicipios.cpp> -P GeraTabelaMunicipios.cmake
# The first column of every line after the header is a seven-digit IBGE code;
# 9999999 (abroad) is added. The codes are written sorted for a binary search.
if(NOT CSV OR NOT SAIDA)
  message(FATAL_ERROR "GeraTabelaMunicipios: CSV and SAIDA are required")
endif()

file(STRINGS "${CSV}" linhas ENCODING UTF-8)
list(LENGTH linhas total)
if(total LESS 2)
  message(FATAL_ERROR "GeraTabelaMunicipios: ${CSV} has no municipality")
endif()
list(REMOVE_AT linhas 0)

set(codigos "9999999")
set(numero 1)
foreach(linha IN LISTS linhas)
  math(EXPR numero "${numero} + 1")
  string(STRIP "${linha}" linha)
  if(linha STREQUAL "")
    continue()
  endif()
  string(REGEX MATCH "^[^,]*" codigo "${linha}")
  string(STRIP "${codigo}" codigo)
  # A wrong code would silently reject (or accept) municipalities: stop the build.
  if(NOT codigo MATCHES "^[1-9][0-9][0-9][0-9][0-9][0-9][0-9]$")
    message(FATAL_ERROR "GeraTabelaMunicipios: line ${numero} of ${CSV}: \"${codigo}\" is not a seven-digit code")
  endif()
  list(APPEND codigos "${codigo}")
endforeach()

# All codes have seven digits, so the text order is the numeric order.
list(REMOVE_DUPLICATES codigos)
list(SORT codigos)
list(LENGTH codigos quantidade)

set(corpo "")
set(nalinha 0)
foreach(codigo IN LISTS codigos)
  string(APPEND corpo "${codigo}, ")
  math(EXPR nalinha "${nalinha} + 1")
  if(nalinha EQUAL 10)
    string(APPEND corpo "\n    ")
    set(nalinha 0)
  endif()
endforeach()

get_filename_component(nome_csv "${CSV}" NAME)
set(texto "// Generated from ${nome_csv} by GeraTabelaMunicipios.cmake; do not edit.
#include \"util/TabelaMunicipios.h\"

namespace util {
namespace {
const int32_t kCodigos[${quantidade}] = {
    ${corpo}
};
}  // namespace

std::span<const int32_t> TabelaMunicipios() { return kCodigos; }

}  // namespace util
")
# Rewritten only when it changes, so an unchanged list recompiles nothing.
file(CONFIGURE OUTPUT "${SAIDA}" CONTENT "${texto}" @ONLY)
