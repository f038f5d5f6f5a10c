// efd-amostra --saida ARQUIVO --inicio DD/MM/AAAA --fim DD/MM/AAAA [--versao 3.2.0|3.1.0|2.0.2|...]
// Writes the sample file; data checks are printed on stderr as warnings.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "app/amostra/Amostra.h"

namespace {
int Uso(const char* msg) {
    std::fprintf(stderr, "efd-amostra: %s\n", msg);
    std::fprintf(stderr,
                 "uso: efd-amostra --saida ARQUIVO --inicio DD/MM/AAAA --fim DD/MM/AAAA "
                 "[--versao 3.2.0|3.1.0|2.0.2|2.0.1|2.0.0|1.0.1|1.0.0]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    std::string saida, inicio, fim, versao = "3.2.0";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valor = [&](std::string& destino) {
            if (i + 1 >= argc) return false;
            destino = argv[++i];
            return true;
        };
        bool ok = true;
        if (a == "--saida") ok = valor(saida);
        else if (a == "--inicio") ok = valor(inicio);
        else if (a == "--fim") ok = valor(fim);
        else if (a == "--versao") ok = valor(versao);
        else return Uso(("opção desconhecida: " + a).c_str());
        if (!ok) return Uso(("falta o valor de " + a).c_str());
    }
    if (saida.empty()) return Uso("informe --saida");
    amostra::OpcoesAmostra o;
    const auto ini = util::Data::Parse(inicio);
    const auto fin = util::Data::Parse(fim);
    if (!ini) return Uso("data inicial inválida (use DD/MM/AAAA)");
    if (!fin) return Uso("data final inválida (use DD/MM/AAAA)");
    if (!amostra::VersaoDoLayout(versao, o.versao)) return Uso(("versão do leiaute desconhecida: " + versao).c_str());
    o.inicio = *ini;
    o.fim = *fin;
    try {
        amostra::GeraAmostra(o, saida, [](const std::string& m) { std::fprintf(stderr, "aviso: %s\n", m.c_str()); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "erro: %s\n", e.what());
        return 1;
    }
    std::printf("%s\n", std::filesystem::absolute(saida).string().c_str());
    return 0;
}
