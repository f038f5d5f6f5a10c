#pragma once
// The SQL log: folder "Logs" beside the program, one file per computer and day,
// one pipe-separated line per event.
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "util/Data.h"

namespace erpdata {

class TTIDatabase;

// The program's folder: where "Logs" goes and where the configuration file is
// looked for. Defaults to the executable's folder; tests and front ends may change it.
std::filesystem::path PastaPrograma();
void DefinePastaPrograma(const std::filesystem::path& pasta);

// Name of the window the user is in, written into each line; the window installs it
// (an empty function: no window, an empty field). It is called on the thread that
// writes the line, the one running the statements.
void DefineNomeJanelaAtiva(std::function<std::string()> f);

std::string NomeComputador();
std::string EnderecoIPLocal();

// Computer name + "-" + yyyymmdd + ".log"; "MaqDesconhecida" for an empty name.
std::string NomeArquivoLog(std::string_view maquina, const util::Data& data);
// The event text as it goes into the line: every line break one blank, "|" -> "ß",
// trimmed.
std::string TextoParaLog(std::string_view texto);
// "dd/mm/yy hh:mm:ss" of a local time.
std::string DataHoraLog(std::time_t instante);
// "|ip|janela|usuario|dataHora|texto|"
std::string LinhaLog(std::string_view ip, std::string_view janela, std::string_view usuario,
                     std::string_view dataHora, std::string_view texto);

// Appends one line for `texto`. With `dadosDaConexao` the machine name and address
// come from the connection's log data (GravaLog); otherwise they are read afresh.
// A log that cannot be written never hides the failure being logged: errors here
// are swallowed.
void GravaLogSQL(const TTIDatabase* db, std::string_view texto, bool dadosDaConexao = false);

}  // namespace erpdata
