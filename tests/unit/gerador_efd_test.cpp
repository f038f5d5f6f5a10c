#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/ConfereArquivoEFD.h"
#include "common/PastaTemporaria.h"
#include "efd/GeradorEFD.h"

using namespace efd;
using util::Data;

namespace {

// A generator for January 2013 writing into a test folder, with block 0 reduced
// to 0000, 0001 and 0990 so that the file shows the frame alone.
struct Geracao {
    teste::PastaTemporaria pasta;
    TGeradorEFD sped;
    std::vector<std::string> erros;

    explicit Geracao(Data ini = Data::FromYMD(2013, 1, 1), Data fim = Data::FromYMD(2013, 1, 31)) {
        Data::FixaHoje(Data::FromYMD(2013, 3, 10));
        sped.OnError([this](const std::string& m) { erros.push_back(m); });
        sped.Path(pasta.Path().string());
        sped.Arquivo("SPED_Contribuicoes_0113.txt");
        sped.DT_INI(ini);
        sped.DT_FIN(fim);
        TRegistro0000& r = sped.Bloco_0().Registro0000();
        r.COD_VER = TCodVer::vlVersao320;
        r.NOME = "EMPRESA TESTE";
        r.UF = "SP";
        r.COD_MUN = 3550308;
        sped.Bloco_0().Registro0001().IND_MOV = TIndMov::imSemDados;
    }
    ~Geracao() { Data::FixaHoje(std::nullopt); }
    std::string Final() const { return sped.ArquivoCompleto(); }
    std::vector<std::string> Linhas() const {
        std::vector<std::string> p;
        return teste::LeArquivoEFD(teste::LeBytes(Final()), p).linhas;
    }
};

}  // namespace

TEST(GeradorEFD, AllBlocksEmptyGivesTheFrameAndBlock9) {
    Geracao g;
    g.sped.SaveFileTXT();
    const std::vector<std::string> esperado = {
        "|0000|006|0|0||01012013|31012013|EMPRESA TESTE||SP|3550308||00|0|",
        "|0001|1|", "|0990|3|",
        "|A001|1|", "|A990|2|", "|C001|1|", "|C990|2|", "|D001|1|", "|D990|2|",
        "|F001|1|", "|F990|2|", "|M001|1|", "|M990|2|", "|P001|1|", "|P990|2|",
        "|1001|1|", "|1990|2|",
        "|9001|0|",
        "|9900|0000|1|", "|9900|0001|1|", "|9900|0990|1|",
        "|9900|A001|1|", "|9900|A990|1|", "|9900|C001|1|", "|9900|C990|1|",
        "|9900|D001|1|", "|9900|D990|1|", "|9900|F001|1|", "|9900|F990|1|",
        "|9900|M001|1|", "|9900|M990|1|", "|9900|P001|1|", "|9900|P990|1|",
        "|9900|1001|1|", "|9900|1990|1|",
        "|9900|9001|1|", "|9900|9900|21|", "|9900|9990|1|", "|9900|9999|1|",
        "|9990|24|", "|9999|41|",
    };
    EXPECT_EQ(g.Linhas(), esperado);
    EXPECT_EQ(teste::ConfereArquivoEFD(g.Final()), std::vector<std::string>{});
    EXPECT_TRUE(g.erros.empty());
    // Nothing else is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(g.pasta.Path()), {}), 1);
}

TEST(GeradorEFD, BlockIOnlyFromJanuary2014) {
    struct Caso { Data ini, fim; bool temBlocoI; };
    const Caso casos[] = {
        {Data::FromYMD(2013, 12, 1), Data::FromYMD(2013, 12, 31), false},
        {Data::FromYMD(2014, 1, 1), Data::FromYMD(2014, 1, 31), true},
    };
    for (const auto& c : casos) {
        Geracao g(c.ini, c.fim);
        Data::FixaHoje(Data::FromYMD(2015, 1, 1));
        g.sped.Bloco_I().RegistroI001().IND_MOV = TIndMov::imComDados;
        g.sped.SaveFileTXT();
        const auto linhas = g.Linhas();
        const auto i001 = std::find(linhas.begin(), linhas.end(), "|I001|0|");
        EXPECT_EQ(i001 != linhas.end(), c.temBlocoI) << c.ini.Formata("dd/mm/yyyy");
        if (c.temBlocoI) {
            // Between F and M.
            EXPECT_EQ(*(i001 - 1), "|F990|2|");
            EXPECT_EQ(*(i001 + 1), "|I990|2|");
            EXPECT_EQ(*(i001 + 2), "|M001|1|");
        }
        EXPECT_EQ(teste::ConfereArquivoEFD(g.Final()), std::vector<std::string>{});
    }
}

TEST(GeradorEFD, StartChecksRaise) {
    struct Caso { Data ini, fim; std::string path, arquivo, mensagem; };
    const Data jan1 = Data::FromYMD(2013, 1, 1), jan31 = Data::FromYMD(2013, 1, 31);
    const Caso casos[] = {
        {Data(), jan31, "/tmp", "a.txt", "Informe a data inicial das informações contidas no arquivo!"},
        {jan1, Data(), "/tmp", "a.txt", "Informe a data final das informações contidas no arquivo!"},
        {jan1, jan31, "/tmp", "  ", "Caminho ou nome do arquivo não informado!"},
        {jan1, jan31, " ", "a.txt", "Caminho ou nome do arquivo não informado!"},
    };
    for (const auto& c : casos) {
        TGeradorEFD sped;
        sped.DT_INI(c.ini);
        sped.DT_FIN(c.fim);
        sped.Path(c.path);
        sped.Arquivo(c.arquivo);
        try {
            sped.IniciaGeracao();
            ADD_FAILURE() << "no exception for " << c.mensagem;
        } catch (const EGeradorEFDErro& e) {
            EXPECT_EQ(e.what(), c.mensagem);
        }
        // Writing without a successful start is refused.
        try {
            sped.WriteBloco_0();
            ADD_FAILURE();
        } catch (const EGeradorEFDErro& e) {
            EXPECT_STREQ(e.what(), "Métodos \"IniciaGeracao\" não foi executado");
        }
    }
}

TEST(GeradorEFD, PeriodChecksReportWithoutStopping) {
    struct Caso { Data ini, fim; std::vector<std::string> mensagens; };
    const Caso casos[] = {
        {Data::FromYMD(2013, 1, 1), Data::FromYMD(2013, 1, 31), {}},
        {Data::FromYMD(2013, 1, 5), Data::FromYMD(2013, 1, 20),
         {"CHECAGEM INICIAL: A data inicial deve corresponder ao primeiro dia do mês informado!",
          "CHECAGEM INICIAL: A data final deve corresponder ao último dia do mês informado!"}},
        {Data::FromYMD(2013, 2, 1), Data::FromYMD(2013, 1, 31),
         {"CHECAGEM INICIAL: A data final deve se maior que a data inicial!"}},
        {Data::FromYMD(2013, 3, 1), Data::FromYMD(2013, 3, 31),
         {"CHECAGEM INICIAL: A data final \"31/03/2013\" não pode ser superior a data atual \"10/03/2013\"!"}},
        {Data::FromYMD(2012, 2, 1), Data::FromYMD(2012, 2, 29), {}},
    };
    for (const auto& c : casos) {
        Geracao g(c.ini, c.fim);
        g.sped.SaveFileTXT();
        EXPECT_EQ(g.erros, c.mensagens) << c.ini.Formata("dd/mm/yyyy");
        EXPECT_TRUE(std::filesystem::exists(g.Final()));
    }
}

TEST(GeradorEFD, PathAndArquivoSplitting) {
    TGeradorEFD sped;
    sped.Path("  /dados/saida ");
    EXPECT_EQ(sped.Path(), "/dados/saida/");
    sped.Path("C:\\EXPORT\\");
    EXPECT_EQ(sped.Path(), "C:\\EXPORT\\");
    sped.Arquivo("D:\\SPED\\2012\\SPED_Contribuicoes_0112.txt");
    EXPECT_EQ(sped.Path(), "D:\\SPED\\2012\\");
    EXPECT_EQ(sped.Arquivo(), "SPED_Contribuicoes_0112.txt");
    sped.Arquivo("/tmp/x/y.txt");
    EXPECT_EQ(sped.Path(), "/tmp/x/");
    EXPECT_EQ(sped.Arquivo(), "y.txt");
    sped.Arquivo("C:z.txt");  // a drive alone: the name only
    EXPECT_EQ(sped.Arquivo(), "z.txt");
    EXPECT_EQ(sped.Path(), "/tmp/x/");
    sped.Arquivo("so_nome.txt");
    EXPECT_EQ(sped.ArquivoCompleto(), "/tmp/x/so_nome.txt");
    sped.Path("");
    EXPECT_EQ(sped.Path(), "");
}

TEST(GeradorEFD, WindowSequenceWritesOnceAndCleansUp) {
    // The export run's sequence: IniciaGeracao, WriteBloco_9, SaveFileTXT.
    Geracao g;
    g.sped.IniciaGeracao();
    g.sped.IniciaGeracao();  // a second call changes nothing
    g.sped.WriteBloco_9();
    const std::string bytes = teste::LeBytes(g.Final());
    g.sped.LinhasBuffer(1000);
    g.sped.DT_INI(Data::FromYMD(2013, 1, 1));
    g.sped.DT_FIN(Data::FromYMD(2013, 1, 31));
    g.sped.SaveFileTXT();
    EXPECT_EQ(teste::LeBytes(g.Final()), bytes);
    EXPECT_EQ(teste::ConfereArquivoEFD(g.Final()), std::vector<std::string>{});
    // Registers are fresh again: block 0 opens with data, the others without.
    EXPECT_EQ(g.sped.Bloco_0().Registro0001().IND_MOV, TIndMov::imComDados);
    EXPECT_EQ(g.sped.Bloco_C().RegistroC001().IND_MOV, TIndMov::imSemDados);
    EXPECT_EQ(g.sped.Bloco_0().Registro0000().NOME, "");
}

TEST(GeradorEFD, TheFileIsTheOneNamedWhenTheGenerationStarted) {
    Geracao g;
    const std::string final = g.Final();
    g.sped.IniciaGeracao();
    teste::PastaTemporaria outra;
    g.sped.Path(outra.Path().string());
    g.sped.Arquivo("outro.txt");
    g.sped.WriteBloco_9();
    EXPECT_EQ(teste::ConfereArquivoEFD(final), std::vector<std::string>{});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(g.pasta.Path()), {}), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(outra.Path()), {}), 0);
}

TEST(GeradorEFD, ADelimiterInsideATextDoesNotSplitTheField) {
    Geracao g;
    g.sped.Bloco_0().Registro0000().NOME = "EMPRESA|TESTE";
    g.sped.SaveFileTXT();
    EXPECT_EQ(g.Linhas().front(), "|0000|006|0|0||01012013|31012013|EMPRESATESTE||SP|3550308||00|0|");
}

TEST(GeradorEFD, AFailedGenerationKeepsThePreviousFileAndLeavesNoPartialOne) {
    Geracao g;
    teste::GravaBytes(g.Final(), "arquivo do mês anterior\r\n");
    // A writer error in the middle: an out-of-range layout version cannot be written.
    g.sped.Bloco_0().Registro0000().COD_VER = static_cast<TCodVer>(99);
    EXPECT_THROW(g.sped.SaveFileTXT(), std::invalid_argument);
    EXPECT_EQ(teste::LeBytes(g.Final()), "arquivo do mês anterior\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(g.pasta.Path()), {}), 1);

    // The next generation starts from empty registers and replaces the file.
    g.sped.Bloco_0().Registro0000().COD_VER = TCodVer::vlVersao320;
    g.sped.Bloco_0().Registro0001().IND_MOV = TIndMov::imSemDados;
    g.sped.SaveFileTXT();
    EXPECT_EQ(teste::ConfereArquivoEFD(g.Final()), std::vector<std::string>{});
}

TEST(GeradorEFD, AFailureOutsideSaveFileTXTAlsoDiscardsTheTemporaryFile) {
    Geracao g;
    g.sped.Bloco_0().Registro0000().COD_VER = static_cast<TCodVer>(99);
    g.sped.IniciaGeracao();
    EXPECT_THROW(g.sped.WriteBloco_9(), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(g.Final()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(g.pasta.Path()), {}), 0);
    // Nothing continues a failed generation without a new start.
    EXPECT_THROW(g.sped.WriteBloco_D(), EGeradorEFDErro);
}

TEST(GeradorEFD, DestinationProblemsAreReportedBeforeWriting) {
    Geracao g;
    g.sped.Path((g.pasta.Path() / "nao-existe").string());
    try {
        g.sped.SaveFileTXT();
        FAIL();
    } catch (const EGeradorEFDErro& e) {
        EXPECT_NE(std::string(e.what()).find("não existe"), std::string::npos) << e.what();
    }
    Geracao h;
    std::filesystem::create_directory(h.Final());  // the file name is taken by a folder
    try {
        h.sped.SaveFileTXT();
        FAIL();
    } catch (const EGeradorEFDErro& e) {
        EXPECT_NE(std::string(e.what()).find("é uma pasta"), std::string::npos) << e.what();
    }
}

TEST(GeradorEFD, BlockCWrittenAheadTakesItsPlaceOrLeavesNothing) {
    // Goods documents written ahead land right after block A, and the file equals
    // the one written in one go; on a failure nothing of them is left behind.
    auto preenche = [](TGeradorEFD& sped, int primeiro, int n) {
        for (int i = primeiro; i < primeiro + n; ++i) {
            TRegistroC100& c = *sped.Bloco_C().RegistroC100New();
            c.COD_MOD = "55";
            c.NUM_DOC = std::to_string(i);
            sped.Bloco_C().RegistroC170New()->NUM_ITEM = "1";
        }
    };
    auto prepara = [&](Geracao& g) {
        g.sped.Bloco_C().RegistroC001().IND_MOV = TIndMov::imComDados;
        g.sped.Bloco_C().RegistroC010New()->CNPJ = "11222333000181";
        g.sped.Bloco_A().RegistroA001().IND_MOV = TIndMov::imComDados;
        g.sped.Bloco_A().RegistroA010New()->CNPJ = "11222333000181";
    };
    Geracao inteiro;
    prepara(inteiro);
    preenche(inteiro.sped, 1, 5);
    inteiro.sped.SaveFileTXT();

    // The same five documents in batches, block C written ahead after each batch
    // but the last; also after the generation started.
    struct Caso { bool depoisDoInicio; std::vector<int> lotes; };
    const Caso casos[] = {{false, {2, 2, 1}}, {true, {3, 2}}};
    for (const Caso& c : casos) {
        Geracao antecipado;
        prepara(antecipado);
        if (c.depoisDoInicio) antecipado.sped.IniciaGeracao();
        int primeiro = 1;
        for (size_t i = 0; i < c.lotes.size(); ++i) {
            if (i > 0) antecipado.sped.AntecipaBloco_C();
            preenche(antecipado.sped, primeiro, c.lotes[i]);
            primeiro += c.lotes[i];
        }
        antecipado.sped.SaveFileTXT();
        EXPECT_EQ(teste::LeBytes(antecipado.Final()), teste::LeBytes(inteiro.Final())) << c.depoisDoInicio;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(antecipado.pasta.Path()), {}), 1);
    }

    Geracao falha;
    prepara(falha);
    preenche(falha.sped, 1, 2);
    falha.sped.AntecipaBloco_C();
    falha.sped.Bloco_0().Registro0000().COD_VER = static_cast<TCodVer>(99);
    EXPECT_THROW(falha.sped.SaveFileTXT(), std::invalid_argument);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(falha.pasta.Path()), {}), 0);
}
