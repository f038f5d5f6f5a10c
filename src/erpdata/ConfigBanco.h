#pragma once
// The configuration file beside the program ("TI.ini", else "Velmora.ini"), section
// "Banco", and the connection settings it gives.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace erpdata {

class TTIDatabase;

struct ConfigBanco {
    std::string versao;
    std::string Banco;
    std::string Servidor;
    std::string Base;
    std::string usuario;
    std::string senha;
};

// "TI.ini" in the folder when it exists, otherwise "Velmora.ini" (existing or not).
std::filesystem::path LocalizaArquivoConfig(const std::filesystem::path& pasta);

// The "Banco" section; keys compared without regard to case, absent keys empty.
// nullopt when the file does not exist. A file written in Windows-1252 is read as such.
std::optional<ConfigBanco> LeConfigBanco(const std::filesystem::path& arquivo);

// "ORACLE" -> "Ora", "POSTGRES" -> "PG", anything else -> "FB" (kind compared
// without regard to case; the version changes nothing).
std::string TipoBanco(std::string_view banco, std::string_view versao);

// Fills the connection's driver, host, database, user, password and port from the
// file's values, in the order the system always did.
void AplicaConfigBanco(TTIDatabase& db, const ConfigBanco& cfg);

// Reads the configuration file and opens the connection. `arquivo` overrides the
// file beside the program (command-line front ends). Returns false, silently, when
// the file does not exist; returns false and calls `mostraErro` with
// "Erro ao Conectar a Base de Dados" + line break + the error when connecting fails.
bool ConectaBanco(TTIDatabase& db, const std::optional<std::filesystem::path>& arquivo = std::nullopt,
                  const std::function<void(const std::string&)>& mostraErro = {});

}  // namespace erpdata
