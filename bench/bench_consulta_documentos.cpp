// Fetches the documents statement of one company and period from the database of a
// configuration file, and prints time, rows and the memory of the in-memory result
// against the bytes of the values themselves.
//   bench_consulta_documentos ARQUIVO.ini [EMPRESA] [MM/AAAA]
// (make the data first: erp-fixture --config ARQUIVO.ini --criar --documentos 200000 --itens 10)
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "common/ConsultaDocumentos.h"
#include "erpdata/ConfigBanco.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"

namespace {

long PicoMemoriaKb() {
    std::ifstream in("/proc/self/status");
    std::string linha;
    while (std::getline(in, linha))
        if (linha.rfind("VmHWM:", 0) == 0) return std::stol(linha.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "uso: bench_consulta_documentos ARQUIVO.ini [EMPRESA] [MM/AAAA]\n";
        return 2;
    }
    std::string empresa = argc > 2 ? argv[2] : "0001";
    std::string periodo = argc > 3 ? argv[3] : "01/2012";
    try {
        erpdata::TTIDatabase db;
        std::string erro;
        if (!erpdata::ConectaBanco(db, std::filesystem::path(argv[1]), [&](const std::string& m) { erro = m; })) {
            std::cerr << (erro.empty() ? "configuração não encontrada" : erro) << "\n";
            return 1;
        }
        erpdata::TContextoERP ctx(db);
        ctx.EntradaEmpresa = empresa + " - EMPRESA";
        ctx.CarregaArqLocal();
        ctx.sEmp = ctx.NomeTabela("");
        auto inicio = util::Data::FromYMD(std::stoi(periodo.substr(3)), static_cast<unsigned>(std::stoi(periodo.substr(0, 2))), 1);
        erpdata::TTIQuery q(&db);
        q.SetSQL(teste::ConsultaDocumentos(ctx, inicio, inicio.UltimoDiaDoMes(), true));
        long antes = PicoMemoriaKb();
        auto t0 = std::chrono::steady_clock::now();
        q.Open();
        auto t1 = std::chrono::steady_clock::now();
        const auto* r = q.Resultado();
        size_t valores = 0;
        for (size_t l = 0; l < r->Linhas(); ++l)
            for (size_t c = 0; c < r->Colunas(); ++c) {
                if (r->IsNull(l, c)) continue;
                valores += r->Coluna(c).tipo == erpdata::TipoColuna::Texto ? r->TextoBruto(l, c).size()
                           : r->Coluna(c).tipo == erpdata::TipoColuna::Data ? 4 : 8;
            }
        double linhas = static_cast<double>(std::max<size_t>(1, r->Linhas()));
        std::printf("linhas %zu, colunas %zu, abertura %.1f s\n", r->Linhas(), r->Colunas(),
                    std::chrono::duration<double>(t1 - t0).count());
        std::printf("resultado em memória: %.1f MiB (%.0f bytes por linha; valores %.0f bytes por linha; diferença %.0f)\n",
                    r->BytesUsados() / 1048576.0, r->BytesUsados() / linhas, valores / linhas, (r->BytesUsados() - valores) / linhas);
        std::printf("pico do processo: %.1f MiB (antes de abrir %.1f MiB)\n", PicoMemoriaKb() / 1024.0, antes / 1024.0);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
