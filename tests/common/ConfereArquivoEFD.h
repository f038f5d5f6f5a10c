#pragma once
// Reads a generated file back and checks what must always hold, whatever its
// content: Windows-1252 lines ending in CR LF, no byte-order mark, every line
// "|REG|...|", block 9 consistent with the lines actually written.
#include <map>
#include <string>
#include <vector>

namespace teste {

struct ArquivoEFD {
    std::vector<std::string> linhas;   // without CR LF, as bytes of the file
    std::map<std::string, int> porRegistro;
};

// Splits the file; appends a problem for every line not ending in CR LF.
ArquivoEFD LeArquivoEFD(const std::string& bytes, std::vector<std::string>& problemas);

// Every problem found (empty when the file is consistent).
std::vector<std::string> ConfereArquivoEFD(const std::string& caminho);

// Register code of a line ("|C170|..." -> "C170").
std::string CodigoDaLinha(const std::string& linha);

}  // namespace teste
