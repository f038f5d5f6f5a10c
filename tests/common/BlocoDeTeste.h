#pragma once
// Helpers for testing one block writer on its own, without the generation
// component: the same settings the component gives every block, the lines the
// block holds, and what a test usually asks of them.
#include <map>
#include <string>
#include <vector>

#include "efd/BlocoSPED.h"
#include "util/Data.h"

namespace teste {

// Delimiter, trimming, mask and period as the generation component sets them.
inline void ConfiguraComoGerador(efd::TBlocoSPED& b, util::Data ini, util::Data fim) {
    b.Delimitador("|");
    b.ReplaceDelimitador(true);
    b.TrimString(true);
    b.CurMascara("#0.00");
    b.DT_INI(ini);
    b.DT_FIN(fim);
}

// The lines the block holds (nothing was flushed: LinhasBuffer is 0).
inline std::vector<std::string> Linhas(const efd::TBlocoSPED& b) {
    std::vector<std::string> v;
    for (size_t i = 0; i < b.Conteudo().Count(); ++i) v.emplace_back(b.Conteudo()[i]);
    return v;
}

// The register code of every line, in order ("|F100|..." -> "F100").
inline std::vector<std::string> Codigos(const std::vector<std::string>& linhas) {
    std::vector<std::string> v;
    for (const auto& l : linhas) v.push_back(l.substr(1, l.find('|', 1) - 1));
    return v;
}

// Fields of a line, REG included: "|F001|0|" has 2.
inline int Campos(const std::string& linha) {
    int barras = 0;
    for (char c : linha) barras += c == '|';
    return barras - 1;
}

// The lines whose register code is `reg`.
inline std::vector<std::string> LinhasDe(const std::vector<std::string>& linhas, const std::string& reg) {
    std::vector<std::string> v;
    for (const auto& l : linhas)
        if (l.compare(0, reg.size() + 2, "|" + reg + "|") == 0) v.push_back(l);
    return v;
}

// Block 9 entries of the block, as a map code -> count.
inline std::map<std::string, int> Entradas(const efd::TBlocoSPED& b) {
    efd::TEntradas9900 e;
    b.EntradasBloco9(e);
    std::map<std::string, int> m;
    for (const auto& [reg, qtd] : e.Itens()) m[reg] = qtd;
    return m;
}

}  // namespace teste
