// The fixture ERP database through the command-line exporter, compared byte for
// byte with reviewed golden files. The same golden files serve both databases, so
// the test also shows that PostgreSQL and Firebird give the same file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "BancoTeste.h"
#include "GeradorERP.h"
#include "common/ConfereArquivoEFD.h"

#ifdef BANCO_PG
#define ExportacaoE2E ExportacaoE2EPG
#else
#define ExportacaoE2E ExportacaoE2EFB
#endif

namespace {

struct Execucao {
    int codigo = -1;
    std::string saida;
    std::string erros;
};

// Runs the exporter with "today" fixed, capturing stdout and stderr.
Execucao RodaExportador(const std::filesystem::path& pasta, const std::string& argumentos) {
    const std::filesystem::path saida = pasta / "stdout.txt", erros = pasta / "stderr.txt";
    const std::string comando = std::string("SPED_DATA_HOJE=15/02/2012 '") + CLI_EXPORTADOR + "' " + argumentos +
                                " >'" + saida.string() + "' 2>'" + erros.string() + "'";
    Execucao e;
    const int status = std::system(comando.c_str());
    e.codigo = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    e.saida = teste::LeBytes(saida);
    e.erros = teste::LeBytes(erros);
    return e;
}

}  // namespace

class ExportacaoE2E : public teste::BancoTeste {
protected:
    void SetUp() override {
        BancoTeste::SetUp();
        if (IsSkipped()) return;
        fixture::OpcoesGerador o;
        o.empresas = 2;
        o.documentos = 80;  // enough for every document family in January 2012
        o.semente = 1;
        fixture::CriaEsquema(db_, o.empresas);
        fixture::GeraDados(db_, o);
        // Embedded Firebird opens a database file for one process at a time.
        db_.Desconecta();
    }

    // Exports and compares with the golden file of that name.
    void ConfereComGolden(const std::string& nome, const std::string& opcoes) {
        const std::filesystem::path saida = pasta_.Path() / "saida";
        std::filesystem::create_directories(saida);
        const Execucao e = RodaExportador(pasta_.Path(), "--config '" + Ini().string() + "' --local '" +
                                                             saida.string() + "' --arquivo " + nome + " " + opcoes);
        ASSERT_EQ(e.codigo, 0) << e.erros;
        const std::filesystem::path arquivo = saida / nome;
        EXPECT_EQ(e.saida, "Arquivo Gerado.\n" + arquivo.string() + "\n");
        EXPECT_EQ(teste::ConfereArquivoEFD(arquivo.string()), std::vector<std::string>{});

        const std::filesystem::path golden = std::filesystem::path(PASTA_GOLDEN) / nome;
        const std::string bytes = teste::LeBytes(arquivo);
        if (const char* atualiza = std::getenv("EFD_ATUALIZA_GOLDEN"); atualiza && std::string(atualiza) == "1") {
            teste::GravaBytes(golden, bytes);
            return;
        }
        ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
        EXPECT_TRUE(bytes == teste::LeBytes(golden)) << "o arquivo gerado difere de " << golden
                                                      << " (diff '" << arquivo.string() << "' '" << golden.string() << "')";
    }
};

TEST_F(ExportacaoE2E, DefaultOptions) {
    ConfereComGolden("padrao_0001_012012.txt", "--empresa 0001 --inicio 01/01/2012 --fim 31/01/2012");
}

TEST_F(ExportacaoE2E, EveryOption) {
    ConfereComGolden("opcoes_0001_012012.txt",
                     "--empresa 0001 --inicio 01/01/2012 --fim 31/01/2012 --f100 --zerado --itens-nfce --c175");
}

TEST_F(ExportacaoE2E, SecondCompanyAndOtherAccountant) {
    ConfereComGolden("padrao_0002_012012.txt",
                     "--empresa 0002 --inicio 01/01/2012 --fim 31/01/2012 --c175 --contador 00001");
}

TEST_F(ExportacaoE2E, PeriodWithoutDocuments) {
    ConfereComGolden("vazio_0001_012013.txt", "--empresa 0001 --inicio 01/01/2013 --fim 31/01/2013 --f100");
}
