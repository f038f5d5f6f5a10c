#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/amostra/Amostra.h"
#include "common/ConfereArquivoEFD.h"
#include "common/PastaTemporaria.h"

// The sample file of every layout version, read back: block 9 matches the lines,
// every line is well formed, and the writer reports no data check.
TEST(Amostra, EveryLayoutVersionIsConsistent) {
    struct Caso { const char* versao; util::Data ini, fim; };
    const Caso casos[] = {
        {"3.2.0", util::Data::FromYMD(2019, 1, 1), util::Data::FromYMD(2019, 1, 31)},
        {"3.1.0", util::Data::FromYMD(2018, 6, 1), util::Data::FromYMD(2018, 6, 30)},
        {"2.0.2", util::Data::FromYMD(2013, 12, 1), util::Data::FromYMD(2013, 12, 31)},
        {"2.0.1", util::Data::FromYMD(2012, 7, 1), util::Data::FromYMD(2012, 7, 31)},
        {"2.0.0", util::Data::FromYMD(2012, 1, 1), util::Data::FromYMD(2012, 1, 31)},
        {"1.0.1", util::Data::FromYMD(2011, 6, 1), util::Data::FromYMD(2011, 6, 30)},
        {"1.0.0", util::Data::FromYMD(2011, 1, 1), util::Data::FromYMD(2011, 1, 31)},
    };
    for (const auto& c : casos) {
        teste::PastaTemporaria pasta;
        amostra::OpcoesAmostra o;
        ASSERT_TRUE(amostra::VersaoDoLayout(c.versao, o.versao));
        o.inicio = c.ini;
        o.fim = c.fim;
        std::vector<std::string> avisos;
        const std::string arquivo = pasta.Arquivo("amostra.txt");
        amostra::GeraAmostra(o, arquivo, [&](const std::string& m) { avisos.push_back(m); });
        EXPECT_EQ(teste::ConfereArquivoEFD(arquivo), std::vector<std::string>{}) << c.versao;
        EXPECT_EQ(avisos, std::vector<std::string>{}) << c.versao;
    }
}
