#pragma once
// The few facts the system asks of the operating system, kept in one place.
#include <string>

namespace util {

// Folder of the running program, ending in a path separator.
std::string PastaDoPrograma();

// A Portuguese description of an operating-system error number (errno), for
// messages such as "disco cheio" instead of the C library's English text.
std::string DescricaoErroSistema(int codigo);

}  // namespace util
