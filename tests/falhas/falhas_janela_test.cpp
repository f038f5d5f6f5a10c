// The main window's faults, offscreen, with its real message boxes: the connection
// lost in the middle of a run, an output folder or file that cannot take the file,
// a start-up without a usable configuration, and a settings save that fails. Each
// case states the fault, the message (in a box titled with the window caption) and
// what holds afterwards: the previous file intact and nothing partial beside it,
// the pointer back to normal, "&Gerar" usable, and the next press working.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <sstream>

#include "Falhas.h"
#include "app/janela/JanelaPrincipal.h"
#include "common/ConfereArquivoEFD.h"
#include "erpdata/ConfigBanco.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/LogSQL.h"
#include "export/ConfiguracoesSped.h"
#include "util/Data.h"

namespace {

namespace fs = std::filesystem;
using falhas::Arquivos;
using falhas::ArquivosDe;
using falhas::kArquivoAnterior;
using janela::TForm1;

const std::string kTitulo = " Exportação SPED Contribuições - Norvale Sistemas ";
const std::string kConexaoPerdida = "Erro TIQuery.Open: a conexão com o banco de dados foi perdida: ";
const std::string kErroConexao = "Erro ao Conectar a Base de Dados\n";

QApplication& Aplicacao() {
    static int argc = 1;
    static char nome[] = "falhas_janela_tests";
    static char* argv[] = {nome, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A message box as the user saw it before closing it with OK.
struct Caixa {
    std::string titulo, texto;
    bool erro = false;  // the error icon; otherwise the information icon
};

// Reads and closes every message box of the window as soon as it is the active
// modal window, keeping what each showed.
class LeitorDeCaixas {
public:
    LeitorDeCaixas() {
        QObject::connect(&relogio_, &QTimer::timeout, [this] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caixa || caixa->property("lida").toBool()) return;
            caixa->setProperty("lida", true);
            vistas_.push_back({caixa->windowTitle().toStdString(), caixa->text().toStdString(),
                               caixa->icon() == QMessageBox::Critical});
            caixa->button(QMessageBox::Ok)->click();
        });
        relogio_.start(10);
    }
    // The boxes seen since the last call.
    std::vector<Caixa> Novas() { return std::exchange(vistas_, {}); }

private:
    QTimer relogio_;
    std::vector<Caixa> vistas_;
};

std::string Textos(const std::vector<Caixa>& caixas) {
    std::string t;
    for (const Caixa& c : caixas) t += "[" + c.texto + "] ";
    return caixas.empty() ? "nenhuma caixa" : t;
}

// One box, with the window caption as its title and the error icon, whose text
// starts with `inicio` and, when given, names `causa` after it.
void ConfereUmErro(const std::vector<Caixa>& caixas, const std::string& inicio, const std::string& causa = {}) {
    ASSERT_EQ(caixas.size(), 1u) << Textos(caixas);
    EXPECT_EQ(caixas[0].titulo, kTitulo);
    EXPECT_TRUE(caixas[0].erro);
    ASSERT_EQ(caixas[0].texto.rfind(inicio, 0), 0u) << caixas[0].texto;
    if (!causa.empty()) {
        EXPECT_NE(caixas[0].texto.find(causa, inicio.size()), std::string::npos) << caixas[0].texto;
    }
}

void ConfereGerado(const std::vector<Caixa>& caixas) {
    ASSERT_EQ(caixas.size(), 1u) << Textos(caixas);
    EXPECT_EQ(caixas[0].titulo, kTitulo);
    EXPECT_FALSE(caixas[0].erro);
    EXPECT_EQ(caixas[0].texto, "Arquivo Gerado.");
}

// The window after a press that failed: open, idle, its buttons usable, the
// pointer normal and the bar back at the start.
void ConfereUtilizavel(const TForm1& j) {
    EXPECT_TRUE(j.isVisible());
    EXPECT_FALSE(j.Executando());
    EXPECT_TRUE(j.BitBtn1->isEnabled());
    EXPECT_TRUE(j.CbEmpresa->isEnabled());
    EXPECT_TRUE(j.BtGravar->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(j.ProgressBar1->value(), 0);
    EXPECT_GT(j.ProgressBar1->maximum(), 0) << "a busy bar after the run";
}

// The folder holds the one sound file the last run wrote.
void ConfereArquivoNovo(const fs::path& saida) {
    const Arquivos arquivos = ArquivosDe(saida);
    ASSERT_EQ(arquivos.size(), 1u);
    EXPECT_NE(arquivos.at("SPED.txt"), kArquivoAnterior);
    EXPECT_EQ(teste::ConfereArquivoEFD((saida / "SPED.txt").string()), std::vector<std::string>{});
}

class JanelaComFalha : public ::testing::Test {
protected:
    void SetUp() override {
        Aplicacao();
        util::Data::FixaHoje(util::Data::FromYMD(2012, 2, 15));  // default period: January 2012
        erpdata::DefinePastaPrograma(pasta_.Path());             // the SQL log of failed statements
        saida_ = pasta_.Path() / "saida";
        fs::create_directories(saida_);
        teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
        leitor_ = std::make_unique<LeitorDeCaixas>();
    }
    void TearDown() override {
        janelas_.clear();
        leitor_.reset();
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        util::Data::FixaHoje(std::nullopt);
    }

    // The program folder of the next window: where it makes its default output
    // folder and, when no file is named, looks for its configuration file.
    fs::path ProximaPastaPrograma() const { return pasta_.Path() / ("programa" + std::to_string(janelas_.size())); }

    // A window as the program opens it, named after the configuration file.
    TForm1& Abre(const std::optional<fs::path>& ini) {
        janela::TOpcoesJanela o;
        o.arquivoConfig = ini;
        o.pastaPrograma = ProximaPastaPrograma().string() + "/";
        fs::create_directories(o.pastaPrograma);
        auto j = std::make_unique<TForm1>(o);
        j->FormCreate();
        j->show();
        j->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(j.get()));
        janelas_.push_back(std::move(j));
        return *janelas_.back();
    }

    // The run of every case: January 2012 into saida_/SPED.txt, with the interest
    // of F100, whose statement runs after the document loop whatever the rows hold.
    void PreparaExecucao(TForm1& j) {
        j.EdtLocal->setText(QString::fromStdString(saida_.string()));
        j.EdtArq->setText("SPED.txt");
        j.CbF100->setChecked(true);
    }

    // The first time the progress bar moves, `acao` runs (once).
    static void NoProgresso(TForm1& j, std::function<void()> acao) {
        auto feito = std::make_shared<bool>(false);
        QObject::connect(j.ProgressBar1, &QProgressBar::valueChanged, j.ProgressBar1, [feito, acao](int valor) {
            if (valor <= 0 || *feito) return;
            *feito = true;
            acao();
        });
    }

    teste::PastaTemporaria pasta_;
    fs::path saida_;
    std::unique_ptr<LeitorDeCaixas> leitor_;
    std::vector<std::unique_ptr<TForm1>> janelas_;
};

// A database of the test cluster with one company's fixture data, per test program.
class JanelaComBancoPG : public JanelaComFalha {
protected:
    static void SetUpTestSuite() {
        if (!falhas::TemPostgres()) return;
        fixture::OpcoesGerador o;
        o.empresas = 1;
        o.documentos = 60;
        banco_.Cria("efd_falhas_janela_" + std::to_string(::getpid()), o);
    }
    static void TearDownTestSuite() { banco_.Remove(); }

    void SetUp() override {
        if (!falhas::TemPostgres()) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
        JanelaComFalha::SetUp();
        ini_ = pasta_.Path() / "TI.ini";
        teste::GravaBytes(ini_, banco_.Ini());
    }

    // A connection of the test's own to the same database.
    std::unique_ptr<erpdata::TTIDatabase> OutraConexao() {
        auto db = std::make_unique<erpdata::TTIDatabase>();
        falhas::ConfiguraPG(*db, banco_.Nome());
        db->Conecta();
        return db;
    }

    static inline falhas::BancoPGCompartilhado banco_;
    fs::path ini_;
};

// ---- the connection lost in the middle of a run ------------------------------

// Fault: the server process of the window's session is ended from another session
// as the progress bar first moves; the interest statement after the loop meets the
// closed connection.
// Message: "Erro TIQuery.Open: a conexão com o banco de dados foi perdida: " and the
// server's words.
// Afterwards: the previous file intact, nothing partial, the window usable; the next
// press reconnects from the same configuration file and writes the file.
TEST_F(JanelaComBancoPG, SessaoEncerradaNoMeioDaExecucao) {
    TForm1& j = Abre(ini_);
    ASSERT_TRUE(j.Conectado());
    ASSERT_TRUE(leitor_->Novas().empty());
    PreparaExecucao(j);

    auto vigia = OutraConexao();
    const std::string daJanela =
        "FROM pg_stat_activity WHERE datname = current_database() AND pid <> pg_backend_pid() AND backend_type = 'client backend'";
    ASSERT_EQ(falhas::Numero(*vigia, "SELECT COUNT(*) " + daJanela), 1);
    const int64_t pid = falhas::Numero(*vigia, "SELECT pid " + daJanela);
    NoProgresso(j, [&] {
        ASSERT_EQ(falhas::Numero(*vigia, "SELECT CASE WHEN pg_terminate_backend(" + std::to_string(pid) + ") THEN 1 ELSE 0 END"), 1);
        ASSERT_TRUE(falhas::Aguarda(
            [&] { return falhas::Numero(*vigia, "SELECT COUNT(*) FROM pg_stat_activity WHERE pid = " + std::to_string(pid)) == 0; }));
    });
    j.BitBtn1->click();
    ConfereUmErro(leitor_->Novas(), kConexaoPerdida);
    EXPECT_EQ(ArquivosDe(saida_), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
    ConfereUtilizavel(j);

    j.BitBtn1->click();
    ConfereGerado(leitor_->Novas());
    EXPECT_FALSE(j.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ConfereArquivoNovo(saida_);
    EXPECT_NE(falhas::Numero(*vigia, "SELECT pid " + daJanela), pid);
}

// Fault: the whole server stops at once (as in a crash) as the progress bar first
// moves, and is started again later.
// Messages: the lost connection, as above; a press while the server is down:
// "Erro ao Conectar a Base de Dados" + line break + the client's error; a window
// opened while it is down: the same at start-up.
// Afterwards: the previous file intact until a run succeeds; once the server is
// back, the next press writes the file; the window that opened without a
// connection first loads its companies and their settings, says so and writes at
// the press after; a server restarted while a window sat idle costs that window
// nothing.
TEST_F(JanelaComFalha, ServidorParadoNoMeioDaExecucaoEReligado) {
    if (!falhas::TemPostgres()) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
    falhas::ServidorPrivado servidor;
    ASSERT_TRUE(servidor.Ativo()) << "o servidor PostgreSQL privado não subiu";
    const fs::path ini = pasta_.Path() / "TI.ini";
    teste::GravaBytes(ini, falhas::TextoIni("POSTGRES", "127.0.0.1:" + servidor.Porta(), "postgres", "postgres", "efd_teste"));
    {
        erpdata::TTIDatabase db;
        ASSERT_TRUE(erpdata::ConectaBanco(db, ini));
        fixture::OpcoesGerador o;
        o.empresas = 1;
        o.documentos = 40;
        fixture::CriaEsquema(db, o.empresas);
        fixture::GeraDados(db, o);
        db.Transacao().Commit();
    }
    const Arquivos anterior = {{"SPED.txt", kArquivoAnterior}};

    TForm1& a = Abre(ini);
    ASSERT_TRUE(a.Conectado());
    PreparaExecucao(a);
    NoProgresso(a, [&] { servidor.Derruba(); });
    {
        SCOPED_TRACE("servidor parado durante a execução");
        a.BitBtn1->click();
        ConfereUmErro(leitor_->Novas(), kConexaoPerdida);
        EXPECT_EQ(ArquivosDe(saida_), anterior);
        ConfereUtilizavel(a);
    }
    {
        SCOPED_TRACE("Gerar com o servidor parado");
        a.BitBtn1->click();
        ConfereUmErro(leitor_->Novas(), kErroConexao, "127.0.0.1");
        EXPECT_EQ(ArquivosDe(saida_), anterior);
        ConfereUtilizavel(a);
    }
    TForm1& b = Abre(ini);
    {
        SCOPED_TRACE("janela aberta com o servidor parado");
        ConfereUmErro(leitor_->Novas(), kErroConexao, "127.0.0.1");
        EXPECT_FALSE(b.Conectado());
        EXPECT_EQ(b.CbEmpresa->count(), 0);
    }

    servidor.Religa();
    {
        SCOPED_TRACE("Gerar depois de o servidor voltar");
        a.BitBtn1->click();
        ConfereGerado(leitor_->Novas());
        EXPECT_FALSE(a.isVisible());
        ConfereArquivoNovo(saida_);
    }
    {
        SCOPED_TRACE("Gerar na janela que abriu sem conexão");
        teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
        PreparaExecucao(b);
        b.BitBtn1->click();
        const std::vector<Caixa> caixas = leitor_->Novas();
        ASSERT_EQ(caixas.size(), 1u) << Textos(caixas);
        EXPECT_EQ(caixas[0].texto, "Conexão com o banco de dados aberta e empresas carregadas. Confira a empresa e as "
                                   "configurações e pressione o botão novamente.");
        EXPECT_FALSE(caixas[0].erro);
        ASSERT_EQ(b.CbEmpresa->count(), 1);
        EXPECT_EQ(b.EdtProcesso->text().toStdString(), "00123456720114036100");  // the company's settings row
        EXPECT_EQ(ArquivosDe(saida_), anterior);
        ConfereUtilizavel(b);
        b.BitBtn1->click();
        ConfereGerado(leitor_->Novas());
        ConfereArquivoNovo(saida_);
    }
    {
        SCOPED_TRACE("servidor reiniciado com a janela parada");
        teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
        TForm1& c = Abre(ini);
        ASSERT_TRUE(c.Conectado());
        PreparaExecucao(c);
        servidor.Derruba();
        servidor.Religa();
        c.BitBtn1->click();
        ConfereGerado(leitor_->Novas());
        ConfereArquivoNovo(saida_);
    }
}

// ---- the output folder and file ---------------------------------------------

// Fault: each destination that cannot take the file, one press after the other on
// the same window.
// Message: the writer's, naming the path and what is wrong with it.
// Afterwards: the watched folder exactly as before (the previous file intact,
// nothing partial), the window usable; a sound destination then works.
TEST_F(JanelaComBancoPG, DestinoQueNaoRecebeOArquivo) {
    struct Caso {
        const char* nome;
        fs::path local;
        std::string arquivo;
        std::string mensagem;
    };
    fs::create_directories(saida_ / "pasta.txt");
    teste::GravaBytes(saida_ / "pasta.txt" / "dentro.txt", "conteúdo");
    const std::string s = saida_.string();
    const Caso casos[] = {
        {"pasta inexistente", saida_ / "nao_existe", "SPED.txt", "A pasta de destino \"" + s + "/nao_existe\" não existe."},
        {"pasta que é um arquivo", saida_ / "SPED.txt", "SPED.txt",
         "A pasta de destino \"" + s + "/SPED.txt\" é um arquivo, não uma pasta."},
        {"caminho que é uma pasta", saida_, "pasta.txt", "O caminho \"" + s + "/pasta.txt\" é uma pasta, não um arquivo."},
    };
    const Arquivos antes = ArquivosDe(saida_);

    TForm1& j = Abre(ini_);
    ASSERT_TRUE(leitor_->Novas().empty());
    PreparaExecucao(j);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        j.EdtLocal->setText(QString::fromStdString(c.local.string()));
        j.EdtArq->setText(QString::fromStdString(c.arquivo));
        j.BitBtn1->click();
        const std::vector<Caixa> caixas = leitor_->Novas();
        ConfereUmErro(caixas, c.mensagem);
        if (!caixas.empty()) {
            EXPECT_EQ(caixas[0].texto, c.mensagem);
        }
        EXPECT_EQ(ArquivosDe(saida_), antes);
        ConfereUtilizavel(j);
    }

    fs::remove_all(saida_ / "pasta.txt");
    PreparaExecucao(j);
    j.BitBtn1->click();
    ConfereGerado(leitor_->Novas());
    ConfereArquivoNovo(saida_);
}

// Fault: the disk fills while the file is written, staged as a file-size limit on a
// window of its own process (the limit would also cut this program's files).
// Message: "Erro ao gravar o arquivo "…/SPED.txt.parcial": o arquivo excede o
// tamanho máximo permitido".
// Afterwards: the previous file intact, nothing partial, the window open and idle
// with "&Gerar" enabled and the pointer normal.
TEST_F(JanelaComBancoPG, DiscoCheioDuranteAGravacao) {
    falhas::OpcoesProcesso p;
    p.programa = JANELA_AUXILIAR;
    p.tamanhoMaximoArquivo = 4096;
    const falhas::Execucao e = falhas::RodaCLI(
        pasta_.Path(),
        {"--config", ini_.string(), "--programa", (pasta_.Path() / "programa").string() + "/", "--local", saida_.string(),
         "--arquivo", "SPED.txt"},
        p);
    ASSERT_EQ(e.codigo, 0) << e.erros;
    EXPECT_EQ(e.saida, "caixa|" + kTitulo + "|erro|Erro ao gravar o arquivo \"" + saida_.string() +
                           "/SPED.txt.parcial\": o arquivo excede o tamanho máximo permitido\n"
                           "estado|visivel=1|executando=0|gerar=1|cursor=0\n");
    EXPECT_EQ(ArquivosDe(saida_), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
}

// ---- start-up without a usable configuration ---------------------------------

struct CasoInicio {
    const char* nome;
    bool precisaPostgres;
    // Writes the configuration file at `ini`, or not.
    std::function<void(const fs::path& ini)> prepara;
    // The start-up box: its start ("" for none) and what it must name after it.
    const char* inicio;
    std::function<std::string(const fs::path& ini)> causa;
    // The box of "&Gerar" and "&Gravar" when it differs from the start-up one.
    std::function<std::string(const fs::path& ini)> semConexao;
};

std::string ServidorPG() { return std::string(falhas::Ambiente("EFD_PG_HOST")) + ":" + falhas::Ambiente("EFD_PG_PORT"); }

auto Ini(std::function<std::string(const fs::path& ini)> texto) {
    return [texto](const fs::path& ini) { teste::GravaBytes(ini, texto(ini)); };
}
auto Texto(const std::string& t) {
    return [t](const fs::path&) { return t; };
}

const CasoInicio kCasosInicio[] = {
    {"SemArquivoDeConfiguracao", false, [](const fs::path&) {}, "", nullptr,
     [](const fs::path& ini) {
         return "Sem conexão com o banco de dados: o arquivo de configuração \"" +
                (ini.parent_path() / "Velmora.ini").string() + "\" não foi encontrado.";
     }},
    // Any kind the program does not know selects Firebird, which then cannot open
    // what was meant for another server.
    {"TipoDeBancoDesconhecido", false, Ini([](const fs::path&) { return falhas::TextoIni("SQLSERVER", "127.0.0.1:1", "erp", "sa", "x"); }),
     "Erro ao Conectar a Base de Dados\n", Texto("127.0.0.1"), nullptr},
    {"SenhaErrada", true,
     Ini([](const fs::path&) {
         return falhas::TextoIni("POSTGRES", ServidorPG(), "postgres", falhas::Ambiente("EFD_PG_USER"), "senha-errada");
     }),
     "Erro ao Conectar a Base de Dados\n", Texto("password authentication failed"), nullptr},
    {"ServidorInacessivel", true,
     Ini([](const fs::path&) {
         // The test cluster's port plus 1000 is outside the range the scripts hand out.
         const std::string porta = std::to_string(std::atoi(falhas::Ambiente("EFD_PG_PORT")) + 1000);
         return falhas::TextoIni("POSTGRES", "127.0.0.1:" + porta, "erp", "postgres", "x");
     }),
     "Erro ao Conectar a Base de Dados\n", Texto("127.0.0.1"), nullptr},
    {"BaseFirebirdInexistente", false,
     Ini([](const fs::path& ini) {
         return falhas::TextoIni("FIREBIRD", "", (ini.parent_path() / "nao_existe" / "ERP.FDB").string(), "", "");
     }),
     "Erro ao Conectar a Base de Dados\n", [](const fs::path& ini) { return (ini.parent_path() / "nao_existe" / "ERP.FDB").string(); },
     nullptr},
    {"OracleSemDriver", false, Ini([](const fs::path&) { return falhas::TextoIni("ORACLE", "srv", "ORCL", "u", "s"); }),
     "Erro ao Conectar a Base de Dados\n", Texto("Driver QOCI do Qt SQL não está instalado"), nullptr},
};

void PrintTo(const CasoInicio& c, std::ostream* os) { *os << c.nome; }

class JanelaSemConexao : public JanelaComFalha, public ::testing::WithParamInterface<CasoInicio> {};

// Fault: the configuration file is missing or names a database that cannot be
// opened.
// Message: at start-up, none for a missing file and otherwise "Erro ao Conectar a
// Base de Dados" + line break + the cause; "&Gerar" and "&Gravar" try the same file
// again and say the same, or that there is no configuration file.
// Afterwards: an empty window (no company, the settings' defaults) that stays open
// and usable; nothing written in the output folders.
TEST_P(JanelaSemConexao, JanelaVaziaQueDizOQueFalta) {
    const CasoInicio& c = GetParam();
    if (c.precisaPostgres && !falhas::TemPostgres()) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
    // The configuration file beside the program, as the program finds it itself.
    const fs::path ini = ProximaPastaPrograma() / "TI.ini";
    fs::create_directories(ini.parent_path());
    c.prepara(ini);

    TForm1& j = Abre(std::nullopt);
    if (*c.inicio) {
        ConfereUmErro(leitor_->Novas(), c.inicio, c.causa(ini));
    } else {
        EXPECT_TRUE(leitor_->Novas().empty());
    }
    EXPECT_FALSE(j.Conectado());
    EXPECT_EQ(j.CbEmpresa->count(), 0);
    EXPECT_EQ(j.ConfiguracoesDaTela(), exportacao::TConfiguracoesSped{});
    EXPECT_EQ(j.EdtArq->text().toStdString(), "SPED_Contribuicoes_0112.txt");

    const Arquivos antes = ArquivosDe(saida_);
    for (QPushButton* botao : {j.BitBtn1, j.BtGravar}) {
        SCOPED_TRACE(botao->text().toStdString());
        if (botao == j.BitBtn1) PreparaExecucao(j);
        botao->click();
        const std::vector<Caixa> caixas = leitor_->Novas();
        if (c.semConexao) {
            ConfereUmErro(caixas, c.semConexao(ini));
            if (!caixas.empty()) {
                EXPECT_EQ(caixas[0].texto, c.semConexao(ini));
            }
        } else {
            ConfereUmErro(caixas, c.inicio, c.causa(ini));
        }
        ConfereUtilizavel(j);
        EXPECT_EQ(j.CbEmpresa->count(), 0);
    }
    EXPECT_EQ(ArquivosDe(saida_), antes);
    EXPECT_EQ(ArquivosDe(j.FPastaSPED()), Arquivos{});
}

INSTANTIATE_TEST_SUITE_P(Falhas, JanelaSemConexao, ::testing::ValuesIn(kCasosInicio),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- settings -------------------------------------------------------------------

// Fault: "&Gravar" with a value longer than its column (the accountant code, the
// judicial section, the court; the lawsuit number and the decision are cut by their
// fields as typed).
// Message: "As configurações da empresa 0001 não foram gravadas: " and the
// database's error.
// Afterwards: the company's previous SPED_CONFIG row in place for every connection,
// what was typed still on the tab to be corrected, and a corrected save works.
TEST_F(JanelaComBancoPG, GravacaoQueFalhaMantemALinhaAnterior) {
    TForm1& j = Abre(ini_);
    ASSERT_TRUE(leitor_->Novas().empty());
    j.PageControl1->setCurrentIndex(1);
    auto outra = OutraConexao();
    erpdata::TContextoERP ctx(*outra);
    const exportacao::TConfiguracoesSped anteriores = exportacao::CarregaConfiguracoes(ctx, "0001");
    ASSERT_EQ(anteriores.EdtProcesso, "00123456720114036100");
    ASSERT_EQ(j.ConfiguracoesDaTela(), anteriores);

    const std::pair<QLineEdit*, int> casos[] = {{j.EdtContador, 11}, {j.Edtsecao, 61}, {j.EdtVara, 61}};
    for (const auto& [campo, tamanho] : casos) {
        SCOPED_TRACE(campo->objectName().toStdString());
        j.MostraConfiguracoes(anteriores);
        j.EdtProcesso->setText("99999999999999999999");
        campo->setText(QString(tamanho, QLatin1Char('9')));
        j.BtGravar->click();
        ConfereUmErro(leitor_->Novas(), "As configurações da empresa 0001 não foram gravadas: ");
        EXPECT_EQ(exportacao::CarregaConfiguracoes(ctx, "0001"), anteriores);
        EXPECT_EQ(campo->text().size(), tamanho);
        EXPECT_EQ(j.EdtProcesso->text().toStdString(), "99999999999999999999");
        ConfereUtilizavel(j);
    }

    j.MostraConfiguracoes(anteriores);
    j.EdtVara->setText("22A VARA FEDERAL");
    j.BtGravar->click();
    EXPECT_TRUE(leitor_->Novas().empty());
    exportacao::TConfiguracoesSped depois = anteriores;
    depois.EdtVara = "22A VARA FEDERAL";
    EXPECT_EQ(exportacao::CarregaConfiguracoes(ctx, "0001"), depois);
}

// Fault: the database has no company at all.
// Message: "Nenhuma empresa cadastrada: a tabela EMPRESA do banco de dados está
// vazia." for "&Gerar" and for "&Gravar".
// Afterwards: no settings row saved under an empty company code, nothing written,
// the window usable.
TEST_F(JanelaComBancoPG, SemEmpresaNadaEGravado) {
    // A database of its own: the suite's keeps its company.
    struct BancoVazio : falhas::BancoPGCompartilhado {
        ~BancoVazio() { Remove(); }
    } vazio;
    fixture::OpcoesGerador o;
    o.empresas = 1;
    o.documentos = 0;
    vazio.Cria("efd_falhas_janela_vazio_" + std::to_string(::getpid()), o);
    auto outra = std::make_unique<erpdata::TTIDatabase>();
    falhas::ConfiguraPG(*outra, vazio.Nome());
    outra->Conecta();
    erpdata::TTIQuery q(outra.get());
    q.SetSQL("DELETE FROM EMPRESA");
    q.ExecSQL();
    outra->Transacao().Commit();
    teste::GravaBytes(ini_, vazio.Ini());

    TForm1& j = Abre(ini_);
    EXPECT_TRUE(leitor_->Novas().empty());
    ASSERT_TRUE(j.Conectado());
    ASSERT_EQ(j.CbEmpresa->count(), 0);
    PreparaExecucao(j);
    for (QPushButton* botao : {j.BitBtn1, j.BtGravar}) {
        SCOPED_TRACE(botao->text().toStdString());
        botao->click();
        const std::vector<Caixa> caixas = leitor_->Novas();
        ConfereUmErro(caixas, "Nenhuma empresa cadastrada: a tabela EMPRESA do banco de dados está vazia.");
        ConfereUtilizavel(j);
    }
    EXPECT_EQ(falhas::Numero(*outra, "SELECT COUNT(*) FROM SPED_CONFIG WHERE EMPRESA = ''"), 0);
    EXPECT_EQ(ArquivosDe(saida_), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
}

}  // namespace
