// Faults inside the ERP database, on the server the program is built for (BANCO_PG:
// PostgreSQL, otherwise embedded Firebird): a table or column the export reads is
// missing, the data is hostile, a settings save fails half-way.
#include <algorithm>
#include <functional>

#include "BancoTeste.h"
#include "Falhas.h"
#include "common/ConfereArquivoEFD.h"
#include "erpdata/ContextoERP.h"
#include "export/ConfiguracoesSped.h"

#ifdef BANCO_PG
#define EsquemaIncompleto EsquemaIncompletoPG
#define DadosHostis DadosHostisPG
#define ConfiguracoesSped ConfiguracoesSpedPG
#else
#define EsquemaIncompleto EsquemaIncompletoFB
#define DadosHostis DadosHostisFB
#define ConfiguracoesSped ConfiguracoesSpedFB
#endif

namespace {

namespace fs = std::filesystem;
using falhas::Arquivos;
using falhas::ArquivosDe;
using falhas::kArquivoAnterior;

std::string Maiusculas(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

// ---- a table or column the export reads is missing ------------------------------

struct CasoEsquema {
    const char* nome;
    const char* remove;                  // the statement that takes the object away
    std::vector<std::string> opcoes;     // the run's options besides company and period
    const char* objeto;                  // the name the message must carry
};

// Company 0001 has EMP_PARAM FIN/40 = "S", so its run reads CONTABIL.
const CasoEsquema kCasosEsquema[] = {
    {"SemRECEBERBComF100", "DROP TABLE RECEBERB0001", {"--f100"}, "RECEBERB0001"},
    {"SemColunaJUROSComF100", "ALTER TABLE RECEBERB0001 DROP JUROS", {"--f100"}, "JUROS"},
    {"SemCONTABILComFIN40", "DROP TABLE CONTABIL0001", {}, "CONTABIL0001"},
    {"SemColunaDoDocumento", "ALTER TABLE NOTA0001 DROP VAL_PIS", {}, "VAL_PIS"},
    {"SemARQLOCAL", "DROP TABLE ARQLOCAL", {}, "ARQLOCAL"},
    {"SemEMPRESA", "DROP TABLE EMPRESA", {}, "EMPRESA"},
    {"SemSPED_CONFIG", "DROP TABLE SPED_CONFIG", {}, "SPED_CONFIG"},
};

void PrintTo(const CasoEsquema& c, std::ostream* os) { *os << c.nome; }

class EsquemaIncompleto : public teste::BancoTeste, public ::testing::WithParamInterface<CasoEsquema> {};

TEST_P(EsquemaIncompleto, ErroDaConsultaNadaGravado) {
    const CasoEsquema& c = GetParam();
    fixture::OpcoesGerador o;
    o.empresas = 1;
    o.documentos = 12;
    fixture::CriaEsquema(db_, o.empresas);
    fixture::GeraDados(db_, o);
    Executa({c.remove});
    db_.Desconecta();  // embedded Firebird: one process at a time on the file

    const fs::path saida = pasta_.Path() / "saida";
    fs::create_directories(saida);
    teste::GravaBytes(saida / "SPED.txt", kArquivoAnterior);
    std::vector<std::string> args = {"--config", Ini().string(), "--local", saida.string(), "--arquivo", "SPED.txt",
                                     "--empresa", "0001", "--inicio", "01/01/2012", "--fim", "31/01/2012"};
    args.insert(args.end(), c.opcoes.begin(), c.opcoes.end());
    const falhas::Execucao e = falhas::RodaCLI(pasta_.Path(), args);

    EXPECT_EQ(e.codigo, 1) << e.erros;
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.erros.rfind("erro: Erro TIQuery.Open: ", 0), 0u) << e.erros;
    EXPECT_NE(Maiusculas(e.erros).find(c.objeto), std::string::npos) << e.erros;
    EXPECT_EQ(ArquivosDe(saida), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
}

INSTANTIATE_TEST_SUITE_P(Falhas, EsquemaIncompleto, ::testing::ValuesIn(kCasosEsquema),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- hostile data ---------------------------------------------------------------

// Fields of every register this system writes, REG included, from the layout of
// each block (version 3.20 of the layout for C500 and M210/M610).
const std::map<std::string, int> kCamposPorRegistro = {
    {"0000", 14}, {"0001", 2},  {"0100", 14}, {"0110", 5},  {"0140", 9},  {"0150", 13}, {"0190", 3},
    {"0200", 12}, {"0400", 3},  {"0450", 3},  {"0500", 9},  {"0990", 2},
    {"A001", 2},  {"A010", 2},  {"A100", 21}, {"A170", 18}, {"A990", 2},
    {"C001", 2},  {"C010", 3},  {"C100", 29}, {"C110", 3},  {"C111", 3},  {"C170", 37}, {"C175", 18},
    {"C500", 15}, {"C501", 8},  {"C505", 8},  {"C990", 2},
    {"D001", 2},  {"D010", 2},  {"D100", 23}, {"D101", 9},  {"D105", 9},  {"D500", 22}, {"D990", 2},
    {"F001", 2},  {"F010", 2},  {"F100", 19}, {"F990", 2},
    {"M001", 2},  {"M100", 15}, {"M200", 13}, {"M210", 16}, {"M500", 15}, {"M600", 13}, {"M610", 16}, {"M990", 2},
    {"P001", 2},  {"P990", 2},
    {"1001", 2},  {"1010", 7},  {"1011", 26}, {"1990", 2},
    {"9001", 2},  {"9900", 3},  {"9990", 2},  {"9999", 2},
};

class DadosHostis : public teste::BancoTeste {};

TEST_F(DadosHostis, ArquivoGeradoCadaLinhaComSeusCampos) {
    fixture::OpcoesGerador o;
    o.empresas = 2;
    o.documentos = 120;
    o.semente = 11;
    o.hostil = true;
    fixture::CriaEsquema(db_, o.empresas);
    fixture::GeraDados(db_, o);

    // The fixture holds what the case is about: NULL where numbers and dates are
    // read, and goods documents with no goods value but a discount.
    for (const char* sql : {"SELECT COUNT(*) FROM NOTA_ENTRA0001 WHERE VAL_PRODUTOS IS NULL",
                            "SELECT COUNT(*) FROM NOTA_ENTRA0001 WHERE DT_EMISSAO IS NULL",
                            "SELECT COUNT(*) FROM NF_ENTRA_ITEN0001 WHERE VALOR_TOT IS NULL",
                            "SELECT COUNT(*) FROM NOTA0001 WHERE DT_SAIDA IS NULL",
                            "SELECT COUNT(*) FROM NOTAITEN0001 WHERE PERC_PIS IS NULL",
                            "SELECT COUNT(*) FROM NOTAITEN0001 WHERE QTDE IS NULL",
                            "SELECT COUNT(*) FROM RECEBERB0001 WHERE JUROS IS NULL",
                            "SELECT COUNT(*) FROM NOTA_ENTRA0001 WHERE VAL_PRODUTOS = 0 AND DESCONTO > 0",
                            "SELECT COUNT(*) FROM NOTA0001 WHERE VAL_PRODUTOS = 0 AND DESCONTO > 0",
                            "SELECT COUNT(*) FROM NF_ENTRA_ITEN0001 WHERE VALOR_TOT = 0 AND VAL_DESC > 0"})
        EXPECT_GT(Conta(sql), 0) << sql;
    db_.Desconecta();

    for (const char* empresa : {"0001", "0002"}) {
        SCOPED_TRACE(empresa);
        const fs::path saida = pasta_.Path() / (std::string("saida") + empresa);
        fs::create_directories(saida);
        const falhas::Execucao e = falhas::RodaCLI(
            pasta_.Path(), {"--config", Ini().string(), "--local", saida.string(), "--arquivo", "SPED.txt", "--empresa", empresa,
                            "--inicio", "01/01/2012", "--fim", "31/01/2012", "--f100", "--zerado", "--itens-nfce", "--c175"});
        ASSERT_EQ(e.codigo, 0) << e.erros;
        ASSERT_EQ(ArquivosDe(saida).size(), 1u) << "só o arquivo, nada parcial ao lado";

        // Block 9 against the lines read back, CR LF line ends, no control character
        // (a line break inside a register would split it).
        EXPECT_EQ(teste::ConfereArquivoEFD((saida / "SPED.txt").string()), std::vector<std::string>{});

        std::vector<std::string> problemas;
        const teste::ArquivoEFD arquivo = teste::LeArquivoEFD(teste::LeBytes(saida / "SPED.txt"), problemas);
        EXPECT_GT(arquivo.porRegistro.count("C170"), 0u);
        for (size_t i = 0; i < arquivo.linhas.size(); ++i) {
            const std::string& l = arquivo.linhas[i];
            const std::string reg = teste::CodigoDaLinha(l);
            const auto campos = kCamposPorRegistro.find(reg);
            if (campos == kCamposPorRegistro.end()) {
                ADD_FAILURE() << "linha " << i + 1 << ": registro inesperado: " << l;
                continue;
            }
            const int n = static_cast<int>(std::count(l.begin(), l.end(), '|')) - 1;
            EXPECT_EQ(n, campos->second) << "linha " << i + 1 << ": " << l;
        }
    }
}

// ---- settings ---------------------------------------------------------------------

class ConfiguracoesSped : public teste::BancoTeste {
protected:
    void SetUp() override {
        BancoTeste::SetUp();
        if (IsSkipped()) return;
        fixture::CriaEsquema(db_, 1);
    }

    // The company's settings as a new connection finds them: only what was committed.
    exportacao::TConfiguracoesSped LidasDeOutraConexao(const std::string& empresa) {
        erpdata::TTIDatabase outra;
        std::string erro;
        EXPECT_TRUE(erpdata::ConectaBanco(outra, Ini(), [&](const std::string& m) { erro = m; })) << erro;
        erpdata::TContextoERP ctx(outra);
        return exportacao::CarregaConfiguracoes(ctx, empresa);
    }

    static exportacao::TConfiguracoesSped Anteriores() {
        exportacao::TConfiguracoesSped c;
        c.EdtContador = "90001";
        c.CbComplemento = 1;
        c.EdtProcesso = "00123456720114036100";
        c.Edtsecao = "SAO PAULO";
        c.EdtVara = "21A VARA FEDERAL";
        c.EdtDataSentenca = "17/10/2011";
        c.EdtDescJudicial = "EXCLUSAO DO ICMS DA BASE";
        c.CbIndAcao = 1;
        c.CbIndicador = 0;
        return c;
    }
};

// A text with quotes is stored and read back as typed.
TEST_F(ConfiguracoesSped, AspasEmCadaTextoVoltamIguais) {
    erpdata::TContextoERP ctx(db_);
    exportacao::TConfiguracoesSped c = Anteriores();
    c.EdtContador = "O'B";
    c.EdtProcesso = "'12'3''";
    c.Edtsecao = "SEÇÃO D'ÁGUA";
    c.EdtVara = "'";
    c.EdtDescJudicial = "DECISÃO ''FINAL'' DO 'STF'";
    exportacao::GravaConfiguracoes(ctx, "0001", c);
    EXPECT_EQ(exportacao::CarregaConfiguracoes(ctx, "0001"), c);
    EXPECT_EQ(LidasDeOutraConexao("0001"), c);
}

// A save whose insertion fails (a value longer than its column) keeps the
// company's previous row: the deletion before it is undone with it.
TEST_F(ConfiguracoesSped, InsercaoQueFalhaMantemALinhaAnterior) {
    erpdata::TContextoERP ctx(db_);
    const exportacao::TConfiguracoesSped anteriores = Anteriores();
    exportacao::GravaConfiguracoes(ctx, "0001", anteriores);

    const std::vector<std::pair<const char*, std::function<void(exportacao::TConfiguracoesSped&)>>> casos = {
        {"CONTADOR", [](auto& c) { c.EdtContador = std::string(11, '9'); }},
        {"PROCESSO", [](auto& c) { c.EdtProcesso = std::string(21, '1'); }},
        {"SECAO", [](auto& c) { c.Edtsecao = std::string(61, 'S'); }},
        {"VARA", [](auto& c) { c.EdtVara = std::string(61, 'V'); }},
        {"DECISAO", [](auto& c) { c.EdtDescJudicial = std::string(101, 'D'); }},
    };
    for (const auto& [campo, estraga] : casos) {
        SCOPED_TRACE(campo);
        exportacao::TConfiguracoesSped novas = anteriores;
        novas.EdtVara = "OUTRA VARA";
        estraga(novas);
        try {
            exportacao::GravaConfiguracoes(ctx, "0001", novas);
            ADD_FAILURE() << "a gravação deveria falhar";
        } catch (const std::exception& erro) {
            EXPECT_EQ(std::string(erro.what()).rfind("As configurações da empresa 0001 não foram gravadas: ", 0), 0u)
                << erro.what();
        }
        EXPECT_EQ(exportacao::CarregaConfiguracoes(ctx, "0001"), anteriores);
        EXPECT_EQ(LidasDeOutraConexao("0001"), anteriores);
    }

    // The connection is still good for the next save.
    exportacao::TConfiguracoesSped depois = anteriores;
    depois.EdtVara = "22A VARA FEDERAL";
    exportacao::GravaConfiguracoes(ctx, "0001", depois);
    EXPECT_EQ(LidasDeOutraConexao("0001"), depois);
}

}  // namespace
