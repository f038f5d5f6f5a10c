// Formats C170-shaped lines (37 fields of every form) through the writer to a file
// and prints lines per second.  Usage: bench_linhas_c170 [linhas] [arquivo]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "efd/BlocoSPED.h"

namespace {

struct BlocoBench : efd::TBlocoSPED {
    int32_t QTD_LIN = 0;
    BlocoBench() {
        Delimitador("|");
        TrimString(true);
        CurMascara("#0.00");
        ReplaceDelimitador(true);
        LinhasBuffer(1000);
        FContadorLinhas = &QTD_LIN;
    }
    void C170(int i) {
        using util::Currency;
        const double base = 100.0 + (i % 977) * 0.37;
        Linha("C170")
            .T(std::to_string(i % 5 + 1))
            .T("PRD" + std::to_string(i % 5000))
            .T("PARAFUSO SEXTAVADO ACO INOX M8 X 40")
            .V(3.0 + i % 7, 5)
            .T("UN")
            .N(Currency::FromDouble(base))
            .N(Currency::FromRaw(i % 3 == 0 ? 3300 : 0))
            .C("0")
            .C("000")
            .T("5102", 4)
            .T("5.102")
            .N(Currency::FromDouble(base))
            .N(Currency::FromRaw(180000))
            .N(Currency::FromDouble(base * 0.18))
            .N(Currency())
            .N(Currency())
            .N(Currency())
            .C("0")
            .C("50")
            .T("")
            .NNulo(Currency())
            .NNulo(Currency())
            .NNulo(Currency())
            .C("01")
            .V(base, 2)
            .V(1.65, 4)
            .V(std::nullopt, 3)
            .V(std::nullopt, 4)
            .NV(base * 0.0165)
            .C("01")
            .V(base, 2)
            .V(7.6, 4)
            .V(std::nullopt, 3)
            .V(std::nullopt, 4)
            .NV(base * 0.076)
            .T("3.01.01.001");
    }
};

}  // namespace

int main(int argc, char** argv) {
    const long linhas = argc > 1 ? std::atol(argv[1]) : 1000000;
    const std::string arquivo =
        argc > 2 ? argv[2] : (std::filesystem::temp_directory_path() / "bench_linhas_c170.txt").string();
    std::filesystem::remove(arquivo);

    BlocoBench bloco;
    bloco.NomeArquivo(arquivo);
    const auto inicio = std::chrono::steady_clock::now();
    for (long i = 0; i < linhas; ++i) bloco.C170(static_cast<int>(i));
    bloco.WriteBuffer();
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();

    const auto bytes = std::filesystem::file_size(arquivo);
    std::printf("linhas C170: %ld\n", linhas);
    std::printf("segundos:    %.3f\n", segundos);
    std::printf("linhas/s:    %.0f\n", linhas / segundos);
    std::printf("MB/s:        %.1f\n", bytes / segundos / 1e6);
    std::printf("arquivo:     %s (%llu bytes)\n", arquivo.c_str(), static_cast<unsigned long long>(bytes));
    std::filesystem::remove(arquivo);
    return 0;
}
