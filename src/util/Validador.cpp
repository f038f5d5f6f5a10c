#include "util/Validador.h"

// Placeholder: every document is accepted until the checks are written.
namespace util {

void TCalcDigito::Calcular() {}
void TCalcDigito::CalculoPadrao() {}
bool TValidador::Validar() { return true; }
std::string ConfereDocumento(TValTipoDocto, std::string_view, std::string_view) { return {}; }
bool CNPJValido(std::string_view) { return true; }
bool CPFValido(std::string_view) { return true; }
bool UFValida(std::string_view) { return true; }
bool MunicipioValido(int64_t) { return true; }
bool GeneroValido(std::string_view) { return true; }

}  // namespace util
