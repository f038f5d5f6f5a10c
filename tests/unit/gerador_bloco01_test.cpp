#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/ConfereArquivoEFD.h"
#include "common/PastaTemporaria.h"
#include "efd/GeradorEFD.h"

// Whole files whose shape depends on the registers of blocks 0 and 1.

using namespace efd;
using util::Data;

namespace {

struct Geracao {
    teste::PastaTemporaria pasta;
    TGeradorEFD sped;
    std::vector<std::string> erros;

    Geracao() {
        Data::FixaHoje(Data::FromYMD(2019, 3, 10));
        sped.OnError([this](const std::string& m) { erros.push_back(m); });
        sped.Path(pasta.Path().string());
        sped.Arquivo("SPED_Contribuicoes_0119.txt");
        sped.DT_INI(Data::FromYMD(2019, 1, 1));
        sped.DT_FIN(Data::FromYMD(2019, 1, 31));
        TRegistro0000& r = sped.Bloco_0().Registro0000();
        r.COD_VER = TCodVer::vlVersao320;
        r.NOME = "EMPRESA TESTE";
        r.CNPJ = "11222333000181";
        r.UF = "SP";
        r.COD_MUN = 3550308;
    }
    ~Geracao() { Data::FixaHoje(std::nullopt); }
    std::vector<std::string> Linhas() const {
        std::vector<std::string> p;
        return teste::LeArquivoEFD(teste::LeBytes(sped.ArquivoCompleto()), p).linhas;
    }
    std::vector<std::string> Confere() const { return teste::ConfereArquivoEFD(sped.ArquivoCompleto()); }
};

bool Tem(const std::vector<std::string>& linhas, const std::string& linha) {
    return std::find(linhas.begin(), linhas.end(), linha) != linhas.end();
}

bool TemPrefixo(const std::vector<std::string>& linhas, const std::string& prefixo) {
    return std::any_of(linhas.begin(), linhas.end(), [&](const std::string& l) { return l.rfind(prefixo, 0) == 0; });
}

}  // namespace

// A block P with data needs the 0145 of its establishment.
TEST(GeradorBloco01, BlockPOnlyWithA0145) {
    for (const bool com0145 : {false, true}) {
        Geracao g;
        TBloco_0& b0 = g.sped.Bloco_0();
        b0.Registro0140New()->COD_EST = "1";
        if (com0145) b0.Registro0145New()->COD_INC_TRIB = "1";
        g.sped.Bloco_P().RegistroP001().IND_MOV = TIndMov::imComDados;
        g.sped.SaveFileTXT();
        const auto linhas = g.Linhas();
        EXPECT_EQ(TemPrefixo(linhas, "|P"), com0145) << com0145;
        EXPECT_EQ(TemPrefixo(linhas, "|9900|P"), com0145) << com0145;
        EXPECT_EQ(Tem(linhas, "|9900|0145|1|"), com0145);
        if (com0145) {
            EXPECT_TRUE(Tem(linhas, "|P001|0|"));
            EXPECT_TRUE(Tem(linhas, "|P990|2|"));
        }
        EXPECT_EQ(g.Confere(), std::vector<std::string>{});
        EXPECT_EQ(g.erros, std::vector<std::string>{});
    }
}

TEST(GeradorBloco01, JudicialActionEntriesInBlock9) {
    Geracao g;
    TBloco_1& b1 = g.sped.Bloco_1();
    b1.Registro1001New()->IND_MOV = TIndMov::imComDados;
    b1.Registro1010New()->NUM_PROC = "0001234-56.2015.4.03.6100";
    b1.Registro1011New()->REG_REF = "C170";
    b1.Registro1011New()->REG_REF = "C170";
    g.sped.SaveFileTXT();
    const auto linhas = g.Linhas();
    const auto i1001 = std::find(linhas.begin(), linhas.end(), "|1001|0|");
    ASSERT_NE(i1001, linhas.end());
    EXPECT_EQ(*(i1001 + 4), "|1990|5|");
    const auto e1010 = std::find(linhas.begin(), linhas.end(), "|9900|1010|1|");
    ASSERT_NE(e1010, linhas.end());
    EXPECT_EQ(*(e1010 - 1), "|9900|1001|1|");
    EXPECT_EQ(*(e1010 + 1), "|9900|1011|2|");
    EXPECT_EQ(*(e1010 + 2), "|9900|1990|1|");
    EXPECT_EQ(g.Confere(), std::vector<std::string>{});
}

// One 0140 with two 0150, one 0190, one 0200, and two 0500: eleven lines in block 0.
TEST(GeradorBloco01, Block0LineCount) {
    Geracao g;
    TBloco_0& b0 = g.sped.Bloco_0();
    TRegistro0140* est = b0.Registro0140New();
    est->COD_EST = "1";
    est->CNPJ = "11222333000181";
    for (const char* cod : {"F0001", "C0001"}) {
        TRegistro0150* p = b0.Registro0150New();
        p->COD_PART = cod;
        p->NOME = "PARTICIPANTE";
    }
    b0.Registro0190New()->UNID = "UN";
    b0.Registro0200New()->COD_ITEM = "PRD001";
    b0.Registro0500New()->COD_CTA = "1";
    b0.Registro0500New()->COD_CTA = "2";
    g.sped.SaveFileTXT();
    const auto linhas = g.Linhas();
    EXPECT_TRUE(Tem(linhas, "|0990|11|"));
    const std::vector<std::string> bloco0(linhas.begin(), linhas.begin() + 11);
    std::vector<std::string> codigos;
    for (const auto& l : bloco0) codigos.push_back(teste::CodigoDaLinha(l));
    EXPECT_EQ(codigos, (std::vector<std::string>{"0000", "0001", "0110", "0140", "0150", "0150", "0190", "0200",
                                                 "0500", "0500", "0990"}));
    EXPECT_EQ(g.Confere(), std::vector<std::string>{});
    EXPECT_EQ(g.erros, std::vector<std::string>{});
}

// The writers' data checks reach the component's hook and the file is still written.
TEST(GeradorBloco01, DataChecksReachTheHook) {
    Geracao g;
    g.sped.Bloco_0().Registro0000().UF = "XX";
    g.sped.Bloco_0().Registro0140New();
    TRegistro0150* p = g.sped.Bloco_0().Registro0150New();
    p->COD_PART = "F1";
    p->NOME = "FORNECEDOR";
    p->CNPJ = "11222333000182";
    g.sped.SaveFileTXT();
    EXPECT_EQ(g.erros, (std::vector<std::string>{"(0-0000) ENTIDADE: A UF \"XX\" digitada é inválido!",
                                                 "(0-0150) F1-FORNECEDOR, o CNPJ \"11222333000182\" digitado é inválido!"}));
    EXPECT_EQ(g.Confere(), std::vector<std::string>{});
}
