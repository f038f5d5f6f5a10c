#pragma once
// What the window and the command line both do before a run: the default period
// and file name, the default output folder, the company list.
#include <string>
#include <utility>
#include <vector>

#include "util/Data.h"

namespace erpdata {
class TContextoERP;
}

namespace exportacao {

// The previous calendar month of `hoje`: its first and last day.
std::pair<util::Data, util::Data> PeriodoPadrao(util::Data hoje);

// "SPED_Contribuicoes_" + month and two-digit year of the period's end + ".txt".
std::string NomeArquivoPadrao(util::Data fim);

// The folder "SPED" inside `pastaPrograma`, created with its parents when missing
// (ending in a separator); the program's folder itself when it cannot be created.
std::string DefinePastaSPED(const std::string& pastaPrograma);

// One entry per company, EMP_PAT + " - " + EMP_NOME, ordered by EMP_PAT.
std::vector<std::string> ListaEmpresas(erpdata::TContextoERP& ctx);

// Fixes today's date from the environment variable SPED_DATA_HOJE (DD/MM/AAAA), so
// that tests and reproducible runs fix the date the file carries as today.
void FixaHojePeloAmbiente();

}  // namespace exportacao
