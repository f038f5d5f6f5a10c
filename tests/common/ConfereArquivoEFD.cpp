#include "common/ConfereArquivoEFD.h"

#include <fstream>
#include <set>
#include <sstream>

namespace teste {

std::string CodigoDaLinha(const std::string& linha) {
    if (linha.size() < 2 || linha[0] != '|') return {};
    const size_t fim = linha.find('|', 1);
    return linha.substr(1, fim == std::string::npos ? std::string::npos : fim - 1);
}

ArquivoEFD LeArquivoEFD(const std::string& bytes, std::vector<std::string>& problemas) {
    ArquivoEFD a;
    size_t ini = 0;
    while (ini < bytes.size()) {
        const size_t lf = bytes.find('\n', ini);
        if (lf == std::string::npos) {
            problemas.push_back("última linha sem CR LF");
            a.linhas.push_back(bytes.substr(ini));
            break;
        }
        if (lf == ini || bytes[lf - 1] != '\r') problemas.push_back("linha " + std::to_string(a.linhas.size() + 1) + " sem CR antes do LF");
        const size_t fim = (lf > ini && bytes[lf - 1] == '\r') ? lf - 1 : lf;
        a.linhas.push_back(bytes.substr(ini, fim - ini));
        ini = lf + 1;
    }
    for (const auto& l : a.linhas) ++a.porRegistro[CodigoDaLinha(l)];
    return a;
}

std::vector<std::string> ConfereArquivoEFD(const std::string& caminho) {
    std::vector<std::string> p;
    std::ifstream in(caminho, std::ios::binary);
    if (!in) return {"arquivo não encontrado: " + caminho};
    std::ostringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) p.push_back("o arquivo começa com BOM");
    const ArquivoEFD a = LeArquivoEFD(bytes, p);
    if (a.linhas.empty()) return {"arquivo vazio"};

    for (size_t i = 0; i < a.linhas.size(); ++i) {
        const std::string& l = a.linhas[i];
        if (l.size() < 6 || l.front() != '|' || l.back() != '|' || CodigoDaLinha(l).size() != 4)
            p.push_back("linha " + std::to_string(i + 1) + " fora do formato |REG|...|: " + l);
        for (unsigned char c : l)
            if (c < 0x20) {
                p.push_back("linha " + std::to_string(i + 1) + " com caractere de controle");
                break;
            }
    }
    if (CodigoDaLinha(a.linhas.front()) != "0000") p.push_back("a primeira linha não é 0000");
    if (CodigoDaLinha(a.linhas.back()) != "9999") p.push_back("a última linha não é 9999");

    // 9900 entries against the lines of each code.
    std::map<std::string, int> declarados;
    int linhas9 = 0;
    for (const auto& l : a.linhas) {
        const std::string reg = CodigoDaLinha(l);
        if (!reg.empty() && reg[0] == '9') ++linhas9;
        if (reg != "9900") continue;
        const size_t a1 = l.find('|', 1), a2 = l.find('|', a1 + 1), a3 = l.find('|', a2 + 1);
        const std::string codigo = l.substr(a1 + 1, a2 - a1 - 1);
        const int qtd = std::stoi(l.substr(a2 + 1, a3 - a2 - 1));
        if (declarados.count(codigo)) p.push_back("9900 repetido para " + codigo);
        declarados[codigo] = qtd;
    }
    for (const auto& [reg, qtd] : a.porRegistro) {
        auto it = declarados.find(reg);
        if (it == declarados.end()) p.push_back("sem 9900 para " + reg + " (" + std::to_string(qtd) + " linhas)");
        else if (it->second != qtd)
            p.push_back("9900 de " + reg + " diz " + std::to_string(it->second) + ", o arquivo tem " + std::to_string(qtd));
    }
    for (const auto& [reg, qtd] : declarados)
        if (!a.porRegistro.count(reg)) p.push_back("9900 de " + reg + " sem nenhuma linha");

    // Closing registers against the lines of their blocks.
    std::map<char, int> porBloco;
    for (const auto& l : a.linhas) {
        const std::string reg = CodigoDaLinha(l);
        if (!reg.empty()) ++porBloco[reg[0]];
    }
    for (const auto& l : a.linhas) {
        const std::string reg = CodigoDaLinha(l);
        if (reg.size() != 4 || reg.substr(1) != "990") continue;
        const int qtd = std::stoi(l.substr(6, l.size() - 7));
        const int esperado = reg[0] == '9' ? linhas9 : porBloco[reg[0]];
        if (qtd != esperado)
            p.push_back(reg + " diz " + std::to_string(qtd) + ", o bloco tem " + std::to_string(esperado) + " linhas");
    }
    const std::string& ultima = a.linhas.back();
    if (CodigoDaLinha(ultima) == "9999" && std::stoi(ultima.substr(6, ultima.size() - 7)) != static_cast<int>(a.linhas.size()))
        p.push_back("9999 diz " + ultima + ", o arquivo tem " + std::to_string(a.linhas.size()) + " linhas");
    return p;
}

}  // namespace teste
