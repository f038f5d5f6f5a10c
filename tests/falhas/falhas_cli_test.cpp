// Faults met by the command-line exporter before or after the database work: a bad
// configuration, bad arguments, and an output folder or file that cannot take the
// file. Each case states the fault, the message and what must hold afterwards:
// the exit status, and the output folder exactly as it was (the previous export's
// file intact, nothing partial beside it).
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "Falhas.h"
#include "common/ConfereArquivoEFD.h"

namespace {

using falhas::Arquivos;
using falhas::ArquivosDe;
using falhas::kArquivoAnterior;
using falhas::RodaCLI;
namespace fs = std::filesystem;

// ---- configuration ------------------------------------------------------------

struct CasoConfiguracao {
    const char* nome;
    // Puts (or not) the configuration file at `ini`; may ask for another user. A
    // text returned means the case cannot be staged here, and why.
    std::function<std::string(const fs::path& ini, falhas::OpcoesProcesso& processo)> prepara;
    bool precisaPostgres;
    const char* inicio;  // how the error output starts ({ini}: the file's path)
    const char* causa;   // text that must follow, naming the cause (nullptr: the start is all)
};

// A file with this text at `ini`.
auto Ini(std::function<std::string()> texto) {
    return [texto](const fs::path& ini, falhas::OpcoesProcesso&) {
        teste::GravaBytes(ini, texto());
        return std::string();
    };
}

std::string PortaFechada() {
    // A port nobody listens on: the test cluster's port plus 1000 is outside the
    // range the test scripts hand out.
    return std::to_string(std::atoi(falhas::Ambiente("EFD_PG_PORT")) + 1000);
}

std::string ServidorPG() { return std::string(falhas::Ambiente("EFD_PG_HOST")) + ":" + falhas::Ambiente("EFD_PG_PORT"); }

// Root ignores permissions, so those cases run the exporter as "nobody".
std::string ComoOutroUsuario(falhas::OpcoesProcesso& p) {
    if (::geteuid() != 0) return {};
    const auto u = falhas::UsuarioSemPrivilegios();
    if (!u) return "o teste roda como root e não há usuário \"nobody\" para que as permissões valham";
    p.uid = u->uid;
    p.gid = u->gid;
    return {};
}

const char* const kErroConexao = "erro: Erro ao Conectar a Base de Dados\n";

const CasoConfiguracao kCasosConfiguracao[] = {
    {"ArquivoAusente", [](const fs::path&, falhas::OpcoesProcesso&) { return std::string(); }, false,
     "erro: arquivo de configuração não encontrado: {ini}\n", nullptr},
    {"ArquivoEhUmaPasta",
     [](const fs::path& ini, falhas::OpcoesProcesso&) {
         fs::create_directories(ini);
         return std::string();
     },
     false, "erro: não foi possível ler o arquivo de configuração {ini}: o caminho é uma pasta\n", nullptr},
    {"ArquivoIlegivel",
     [](const fs::path& ini, falhas::OpcoesProcesso& p) {
         teste::GravaBytes(ini, falhas::TextoIni("FIREBIRD", "", "/tmp/ERP.FDB", "", ""));
         fs::permissions(ini, fs::perms::owner_write);
         return ComoOutroUsuario(p);
     },
     false, "erro: não foi possível ler o arquivo de configuração {ini}: permissão negada\n", nullptr},
    // Any kind the program does not know selects Firebird, which then cannot open
    // what was meant for another server.
    {"TipoDeBancoDesconhecido", Ini([] { return falhas::TextoIni("SQLSERVER", "127.0.0.1:1", "erp", "sa", "x"); }), false,
     kErroConexao, "127.0.0.1"},
    {"SenhaErrada",
     Ini([] { return falhas::TextoIni("POSTGRES", ServidorPG(), "postgres", falhas::Ambiente("EFD_PG_USER"), "senha-errada"); }),
     true, kErroConexao, "password authentication failed"},
    {"BaseInexistente",
     Ini([] {
         return falhas::TextoIni("POSTGRES", ServidorPG(), "nao_existe", falhas::Ambiente("EFD_PG_USER"),
                                 falhas::Ambiente("EFD_PG_PASSWORD"));
     }),
     true, kErroConexao, "\"nao_existe\" does not exist"},
    {"ServidorInacessivel", Ini([] { return falhas::TextoIni("POSTGRES", "127.0.0.1:" + PortaFechada(), "erp", "postgres", "x"); }),
     true, kErroConexao, "127.0.0.1"},
    {"BaseFirebirdInexistente",
     [](const fs::path& ini, falhas::OpcoesProcesso&) {
         teste::GravaBytes(ini, falhas::TextoIni("FIREBIRD", "", (ini.parent_path() / "nao_existe" / "ERP.FDB").string(), "", ""));
         return std::string();
     },
     false, kErroConexao, "nao_existe/ERP.FDB"},
    {"OracleSemDriver", Ini([] { return falhas::TextoIni("ORACLE", "srv", "ORCL", "u", "s"); }), false, kErroConexao,
     "Driver QOCI do Qt SQL não está instalado"},
};

void PrintTo(const CasoConfiguracao& c, std::ostream* os) { *os << c.nome; }

class ConfiguracaoComFalha : public ::testing::TestWithParam<CasoConfiguracao> {
protected:
    teste::PastaTemporaria pasta_{falhas::PastaDeTodos()};  // some cases run as another user
};

TEST_P(ConfiguracaoComFalha, MensagemClaraSaida1NadaGravado) {
    const CasoConfiguracao& c = GetParam();
    if (c.precisaPostgres && !falhas::TemPostgres()) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
    const fs::path ini = pasta_.Path() / "TI.ini";
    falhas::OpcoesProcesso processo;
    if (const std::string pulo = c.prepara(ini, processo); !pulo.empty()) GTEST_SKIP() << pulo;
    const fs::path saida = pasta_.Path() / "saida";
    fs::create_directories(saida);
    teste::GravaBytes(saida / "SPED.txt", kArquivoAnterior);

    const falhas::Execucao e = RodaCLI(pasta_.Path(),
                                       {"--config", ini.string(), "--local", saida.string(), "--arquivo", "SPED.txt",
                                        "--inicio", "01/01/2012", "--fim", "31/01/2012"},
                                       processo);
    EXPECT_EQ(e.codigo, 1) << e.erros;
    EXPECT_EQ(e.saida, "");
    std::string inicio = c.inicio;
    if (const size_t p = inicio.find("{ini}"); p != std::string::npos) inicio.replace(p, 5, ini.string());
    if (!c.causa) {
        EXPECT_EQ(e.erros, inicio);
    } else {
        // "Erro ao Conectar a Base de Dados", a line break and the error itself.
        ASSERT_EQ(e.erros.rfind(inicio, 0), 0u) << e.erros;
        EXPECT_NE(e.erros.find(c.causa, inicio.size()), std::string::npos) << e.erros;
    }
    EXPECT_EQ(ArquivosDe(saida), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
}

INSTANTIATE_TEST_SUITE_P(Falhas, ConfiguracaoComFalha, ::testing::ValuesIn(kCasosConfiguracao),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- a fixture database for the cases that get past the connection -----------

class ComBancoPG : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!falhas::TemPostgres()) return;
        fixture::OpcoesGerador o;
        o.empresas = 1;
        o.documentos = 40;
        banco_.Cria("efd_falhas_cli_" + std::to_string(::getpid()), o);
    }
    static void TearDownTestSuite() { banco_.Remove(); }

    void SetUp() override {
        if (!falhas::TemPostgres()) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
        ini_ = pasta_.Path() / "TI.ini";
        teste::GravaBytes(ini_, banco_.Ini());
        saida_ = pasta_.Path() / "saida";
        fs::create_directories(saida_);
    }

    std::vector<std::string> Argumentos(const std::vector<std::string>& extra) const {
        std::vector<std::string> a = {"--config", ini_.string()};
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    }

    static inline falhas::BancoPGCompartilhado banco_;
    teste::PastaTemporaria pasta_{falhas::PastaDeTodos()};  // some cases run as another user
    fs::path ini_, saida_;
};

// ---- bad arguments ------------------------------------------------------------

struct CasoArgumentos {
    const char* nome;
    std::vector<std::string> argumentos;  // besides --config, --local and --arquivo
    int codigo;
    const char* mensagem;
};

const CasoArgumentos kCasosArgumentos[] = {
    {"EmpresaDesconhecida", {"--empresa", "9999", "--inicio", "01/01/2012"}, 2, "empresa não encontrada: 9999"},
    {"FimAntesDoInicio", {"--inicio", "01/02/2012", "--fim", "31/01/2012"}, 2,
     "a data final (31/01/2012) é anterior à inicial (01/02/2012)"},
    {"DiaInexistente", {"--inicio", "31/02/2012"}, 2, "data inválida em --inicio: \"31/02/2012\" (use DD/MM/AAAA)"},
    {"MesTreze", {"--inicio", "01/13/2012"}, 2, "data inválida em --inicio: \"01/13/2012\""},
    {"DataNoFormatoISO", {"--fim", "2012-01-31"}, 2, "data inválida em --fim: \"2012-01-31\""},
    {"AnoComDoisDigitos", {"--inicio", "01/01/12"}, 2, "data inválida em --inicio: \"01/01/12\""},
    {"DataVazia", {"--inicio", ""}, 2, "data inválida em --inicio: \"\""},
    {"OpcaoDesconhecida", {"--inicio", "01/01/2012", "--formato", "xml"}, 2, "opção desconhecida: --formato"},
    {"OpcaoSemValor", {"--inicio"}, 2, "falta o valor de --inicio"},
};

void PrintTo(const CasoArgumentos& c, std::ostream* os) { *os << c.nome; }

class ArgumentosInvalidos : public ComBancoPG, public ::testing::WithParamInterface<CasoArgumentos> {};

TEST_P(ArgumentosInvalidos, MensagemClaraENadaGravado) {
    const CasoArgumentos& c = GetParam();
    teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
    // The argument under test goes last, so that "--inicio" alone lacks its value.
    std::vector<std::string> args = Argumentos({"--local", saida_.string(), "--arquivo", "SPED.txt"});
    args.insert(args.end(), c.argumentos.begin(), c.argumentos.end());
    const falhas::Execucao e = RodaCLI(pasta_.Path(), args);
    EXPECT_EQ(e.codigo, c.codigo) << e.erros;
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find(c.mensagem), std::string::npos) << e.erros;
    EXPECT_EQ(ArquivosDe(saida_), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
}

INSTANTIATE_TEST_SUITE_P(Falhas, ArgumentosInvalidos, ::testing::ValuesIn(kCasosArgumentos),
                         [](const auto& info) { return std::string(info.param.nome); });

// An empty file name or folder is refused by the run itself, with the window's
// messages, before anything is read.
TEST_F(ComBancoPG, NomeOuPastaVaziosRecusados) {
    teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
    for (const auto& [opcoes, mensagem] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--local", saida_.string(), "--arquivo", "  "}, "aviso: Arquivo Inválido.\n"},
             {{"--local", "", "--arquivo", "SPED.txt"}, "aviso: Local Inválido.\n"}}) {
        std::vector<std::string> args = Argumentos(opcoes);
        args.insert(args.end(), {"--inicio", "01/01/2012"});
        const falhas::Execucao e = RodaCLI(pasta_.Path(), args);
        EXPECT_EQ(e.codigo, 2);
        EXPECT_EQ(e.erros, mensagem);
        EXPECT_EQ(e.saida, "");
    }
    EXPECT_EQ(ArquivosDe(saida_), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
}

// ---- the output folder and file ----------------------------------------------

// What a case sets up: the folder and name to export to, how the exporter runs,
// and the folder whose files must come out unchanged.
struct Destino {
    fs::path local;
    std::string arquivo = "SPED.txt";
    falhas::OpcoesProcesso processo;
    fs::path vigiada;
    std::string pulo;  // not empty: the case cannot be staged here, and why
};

struct CasoDestino {
    const char* nome;
    std::function<Destino(const fs::path& saida)> prepara;
    const char* mensagem;
};

const CasoDestino kCasosDestino[] = {
    {"PastaInexistente",
     [](const fs::path& saida) {
         Destino d;
         d.local = saida / "nao_existe";
         d.vigiada = saida;
         return d;
     },
     "A pasta de destino \"{saida}/nao_existe\" não existe."},
    {"PastaSemPermissaoDeEscrita",
     [](const fs::path& saida) {
         Destino d;
         d.local = d.vigiada = saida;
         d.pulo = ComoOutroUsuario(d.processo);
         fs::permissions(saida, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
         return d;
     },
     "Não foi possível criar o arquivo \"{saida}/SPED.txt.parcial\": permissão negada"},
    {"PastaDeDestinoEhUmArquivo",
     [](const fs::path& saida) {
         Destino d;
         d.local = saida / "SPED.txt";
         d.vigiada = saida;
         return d;
     },
     "A pasta de destino \"{saida}/SPED.txt\" é um arquivo, não uma pasta."},
    {"CaminhoEhUmaPasta",
     [](const fs::path& saida) {
         Destino d;
         d.local = d.vigiada = saida;
         d.arquivo = "pasta.txt";
         fs::create_directories(saida / "pasta.txt");
         teste::GravaBytes(saida / "pasta.txt" / "dentro.txt", "conteúdo");
         return d;
     },
     "O caminho \"{saida}/pasta.txt\" é uma pasta, não um arquivo."},
    // A shared folder with the sticky bit (like /tmp): anyone may write there, but
    // only its owner may replace the previous file.
    {"ArquivoQueNaoPodeSerSubstituido",
     [](const fs::path& saida) {
         Destino d;
         d.local = d.vigiada = saida;
         if (::geteuid() != 0) {
             d.pulo = "precisa de um arquivo de outro usuário numa pasta com sticky bit, o que só root prepara";
             return d;
         }
         d.pulo = ComoOutroUsuario(d.processo);
         fs::permissions(saida, fs::perms::all | fs::perms::sticky_bit);
         return d;
     },
     "Não foi possível gravar o arquivo \"{saida}/SPED.txt\": operação não permitida"},
    // A full disk, staged as a file-size limit on the process.
    {"DiscoCheio",
     [](const fs::path& saida) {
         Destino d;
         d.local = d.vigiada = saida;
         d.processo.tamanhoMaximoArquivo = 4096;
         return d;
     },
     "Erro ao gravar o arquivo \"{saida}/SPED.txt.parcial\": o arquivo excede o tamanho máximo permitido"},
};

void PrintTo(const CasoDestino& c, std::ostream* os) { *os << c.nome; }

class DestinoComFalha : public ComBancoPG, public ::testing::WithParamInterface<CasoDestino> {};

TEST_P(DestinoComFalha, ErroClaroNadaParcialArquivoAnteriorIntacto) {
    const CasoDestino& c = GetParam();
    teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
    Destino d = c.prepara(saida_);
    if (!d.pulo.empty()) GTEST_SKIP() << d.pulo;
    const Arquivos antes = ArquivosDe(d.vigiada);

    const falhas::Execucao e = RodaCLI(pasta_.Path(),
                                       Argumentos({"--local", d.local.string(), "--arquivo", d.arquivo, "--empresa", "0001",
                                                   "--inicio", "01/01/2012", "--fim", "31/01/2012", "--f100"}),
                                       d.processo);
    fs::permissions(saida_, fs::perms::all);  // so that the folder can be read back and removed

    std::string mensagem = c.mensagem;
    mensagem.replace(mensagem.find("{saida}"), 7, saida_.string());
    EXPECT_EQ(e.codigo, 1) << e.erros;
    EXPECT_EQ(e.saida, "");
    // The data checks of the writer come first as warnings; the error is the last line.
    EXPECT_EQ(falhas::UltimaLinha(e.erros), "erro: " + mensagem) << e.erros;
    EXPECT_EQ(ArquivosDe(d.vigiada), antes);
    EXPECT_EQ(ArquivosDe(saida_).at("SPED.txt"), kArquivoAnterior);
}

INSTANTIATE_TEST_SUITE_P(Falhas, DestinoComFalha, ::testing::ValuesIn(kCasosDestino),
                         [](const auto& info) { return std::string(info.param.nome); });

// Killed while writing (the file-size limit's signal left to end the process): it
// cannot clean up, but what it wrote sits under a name of its own beside the intact
// previous file, and the next run removes it.
TEST_F(ComBancoPG, MortoNoMeioDaGravacaoOProximoLimpa) {
    teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
    const std::vector<std::string> args = Argumentos({"--local", saida_.string(), "--arquivo", "SPED.txt", "--empresa", "0001",
                                                      "--inicio", "01/01/2012", "--fim", "31/01/2012", "--f100"});
    falhas::OpcoesProcesso p;
    p.tamanhoMaximoArquivo = 4096;
    p.ignoraSIGXFSZ = false;
    const falhas::Execucao morto = RodaCLI(pasta_.Path(), args, p);
    EXPECT_EQ(morto.sinal, SIGXFSZ);
    Arquivos depois = ArquivosDe(saida_);
    EXPECT_EQ(depois.at("SPED.txt"), kArquivoAnterior);
    ASSERT_EQ(depois.count("SPED.txt.parcial"), 1u);
    EXPECT_EQ(depois.size(), 2u);

    const falhas::Execucao e = RodaCLI(pasta_.Path(), args);
    ASSERT_EQ(e.codigo, 0) << e.erros;
    depois = ArquivosDe(saida_);
    ASSERT_EQ(depois.size(), 1u);
    EXPECT_EQ(teste::ConfereArquivoEFD((saida_ / "SPED.txt").string()), std::vector<std::string>{});
}

// The same folder and run without the fault: the cases above fail for their fault,
// not for something the setup left out.
TEST_F(ComBancoPG, SemFalhaOArquivoAnteriorESubstituido) {
    teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
    Destino d;
    if (ComoOutroUsuario(d.processo).empty()) fs::permissions(saida_, fs::perms::all);  // the other user may write here
    const falhas::Execucao e =
        RodaCLI(pasta_.Path(), Argumentos({"--local", saida_.string(), "--arquivo", "SPED.txt", "--empresa", "0001", "--inicio",
                                           "01/01/2012", "--fim", "31/01/2012", "--f100"}),
                d.processo);
    ASSERT_EQ(e.codigo, 0) << e.erros;
    const Arquivos depois = ArquivosDe(saida_);
    ASSERT_EQ(depois.size(), 1u);
    EXPECT_NE(depois.at("SPED.txt"), kArquivoAnterior);
    EXPECT_GT(depois.at("SPED.txt").size(), 4096u) << "o arquivo deve passar do limite do caso DiscoCheio";
}

}  // namespace
