// erp-fixture --config ARQUIVO.ini --criar [--empresas N] [--documentos N] [--itens N]
//             [--semente S] [--periodo MM/AAAA] [--hostil]
// Creates the ERP schema on the database of the configuration file (for embedded
// Firebird also the database file; an existing one is replaced, and on PostgreSQL
// the public schema is emptied) and fills it with deterministic data.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "GeradorERP.h"
#include "PreparaBanco.h"
#include "erpdata/ConfigBanco.h"
#include "erpdata/TIDatabase.h"

namespace {

[[noreturn]] void Uso(const std::string& erro) {
    if (!erro.empty()) std::cerr << "erp-fixture: " << erro << "\n";
    std::cerr << "uso: erp-fixture --config ARQUIVO.ini --criar [--empresas N] [--documentos N] [--itens N]\n"
                 "                  [--semente S] [--periodo MM/AAAA] [--hostil]\n";
    std::exit(2);
}

long Numero(const std::string& opcao, const char* valor, long minimo) {
    char* fim = nullptr;
    long v = std::strtol(valor, &fim, 10);
    if (!*valor || *fim || v < minimo) Uso("valor inválido para " + opcao + ": " + valor);
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    fixture::OpcoesGerador o;
    o.progresso = true;
    std::string config;
    bool criar = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto valor = [&]() -> const char* {
            if (i + 1 >= argc) Uso("falta o valor de " + a);
            return argv[++i];
        };
        if (a == "--config") config = valor();
        else if (a == "--criar") criar = true;
        else if (a == "--hostil") o.hostil = true;
        else if (a == "--empresas") o.empresas = static_cast<int>(Numero(a, valor(), 1));
        else if (a == "--documentos") o.documentos = static_cast<int>(Numero(a, valor(), 0));
        else if (a == "--itens") o.itens = static_cast<int>(Numero(a, valor(), 1));
        else if (a == "--semente") o.semente = static_cast<uint64_t>(Numero(a, valor(), 0));
        else if (a == "--periodo") {
            std::string p = valor();
            if (p.size() != 7 || p[2] != '/') Uso("período deve ser MM/AAAA: " + p);
            o.mes = static_cast<int>(Numero(a, p.substr(0, 2).c_str(), 1));
            o.ano = static_cast<int>(Numero(a, p.substr(3).c_str(), 1900));
            if (o.mes > 12) Uso("mês inválido: " + p);
        } else if (a == "--help" || a == "-h") Uso("");
        else Uso("opção desconhecida: " + a);
    }
    if (config.empty()) Uso("informe --config");
    if (!criar) Uso("informe --criar");
    if (o.empresas > 9999) Uso("no máximo 9999 empresas");

    try {
        auto cfg = erpdata::LeConfigBanco(config);
        if (!cfg) Uso("arquivo de configuração não encontrado: " + config);
        auto inicio = std::chrono::steady_clock::now();
        erpdata::TTIDatabase db;
        fixture::PreparaBancoVazio(db, *cfg);
        fixture::CriaEsquema(db, o.empresas);
        fixture::GeraDados(db, o);
        db.Transacao().Commit();
        db.Desconecta();
        auto s = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - inicio).count();
        std::cerr << "erp-fixture: banco pronto em " << s << " s\n";
    } catch (const std::exception& e) {
        std::cerr << "erp-fixture: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
