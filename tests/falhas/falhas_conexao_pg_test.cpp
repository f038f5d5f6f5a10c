// The PostgreSQL connection lost in the middle of a run: the server process of the
// run's session ended from another session while the documents statement runs or
// between two statements, and the whole server stopped at once. The run ends with
// the data layer's error, the previous file is intact, nothing partial is left, and
// the next run, on a new connection, writes the file.
#include <cstdio>
#include <functional>

#include "BancoTeste.h"
#include "Falhas.h"
#include "common/ConfereArquivoEFD.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/Erros.h"
#include "export/ConfiguracoesSped.h"
#include "export/Exportacao.h"
#include "export/Inicializacao.h"

namespace {

namespace fs = std::filesystem;
using falhas::Arquivos;
using falhas::ArquivosDe;
using falhas::kArquivoAnterior;

const char* const kConexaoPerdida = "a conexão com o banco de dados foi perdida";

// The run's front end, with a hook at the N-th row of the document loop.
class InterfaceComGatilho : public exportacao::TInterfaceExportacao {
public:
    InterfaceComGatilho(int64_t linha, std::function<void()> acao) : linha_(linha), acao_(std::move(acao)) {}
    void Mensagem(const std::string&) override {}
    void AvancaProgresso() override {
        if (++feitas_ == linha_ && acao_) acao_();
    }
    int64_t Feitas() const { return feitas_; }

private:
    int64_t linha_;
    std::function<void()> acao_;
    int64_t feitas_ = 0;
};

// One run on a connection of its own, as the command line does it.
struct ExecucaoNoProcesso {
    erpdata::TTIDatabase db;
    std::unique_ptr<erpdata::TContextoERP> ctx;
    exportacao::TEntradasExportacao entradas;

    ExecucaoNoProcesso(const fs::path& ini, const fs::path& saida) {
        std::string erro;
        if (!erpdata::ConectaBanco(db, ini, [&](const std::string& m) { erro = m; }))
            throw std::runtime_error("conexão: " + erro);
        ctx = std::make_unique<erpdata::TContextoERP>(db);
        ctx->CarregaArqLocal();
        entradas.empresa = exportacao::ListaEmpresas(*ctx).front();
        ctx->EntradaEmpresa = entradas.empresa;
        entradas.config = exportacao::CarregaConfiguracoes(*ctx, ctx->CodigoEmpresa());
        entradas.dtEntIni = util::Data::FromYMD(2012, 1, 1);
        entradas.dtEntFim = util::Data::FromYMD(2012, 1, 31);
        entradas.EdtLocal = saida.string();
        entradas.EdtArq = "SPED.txt";
        entradas.CbF100 = true;  // the interest statement runs after the loop, whatever the rows hold
    }
    exportacao::TRelatorioExportacao Executa(exportacao::TInterfaceExportacao& ui) {
        exportacao::TExportacao run(*ctx, ui);
        return run.Executa(entradas);
    }
};

class ConexaoPerdidaPG : public teste::BancoTeste {
protected:
    void SetUp() override {
        BancoTeste::SetUp();
        if (IsSkipped()) return;
        fixture::OpcoesGerador o;
        o.empresas = 1;
        o.documentos = 60;
        fixture::CriaEsquema(db_, o.empresas);
        fixture::GeraDados(db_, o);
        // From here on db_ watches the server outside any transaction, where
        // pg_stat_activity is read afresh by every statement.
        db_.Transacao().Commit();
        saida_ = pasta_.Path() / "saida";
        fs::create_directories(saida_);
        teste::GravaBytes(saida_ / "SPED.txt", kArquivoAnterior);
    }

    void EncerraSessao(int64_t pid) {
        ASSERT_EQ(falhas::Numero(db_, "SELECT CASE WHEN pg_terminate_backend(" + std::to_string(pid) + ") THEN 1 ELSE 0 END"), 1);
        ASSERT_TRUE(falhas::Aguarda([&] {
            return falhas::Numero(db_, "SELECT COUNT(*) FROM pg_stat_activity WHERE pid = " + std::to_string(pid)) == 0;
        }));
    }

    // After the fault: the previous file as it was, nothing beside it; and a new run
    // on a new connection writes a sound file.
    void ConfereDepoisDaFalha() {
        EXPECT_EQ(ArquivosDe(saida_), (Arquivos{{"SPED.txt", kArquivoAnterior}}));
        const falhas::Execucao e =
            falhas::RodaCLI(pasta_.Path(), {"--config", Ini().string(), "--local", saida_.string(), "--arquivo", "SPED.txt",
                                            "--inicio", "01/01/2012", "--fim", "31/01/2012", "--f100"});
        ASSERT_EQ(e.codigo, 0) << e.erros;
        EXPECT_EQ(ArquivosDe(saida_).size(), 1u);
        EXPECT_EQ(teste::ConfereArquivoEFD((saida_ / "SPED.txt").string()), std::vector<std::string>{});
    }

    fs::path saida_;
};

// The documents statement waits on a lock another session holds; meanwhile its
// server process is ended.
TEST_F(ConexaoPerdidaPG, SessaoEncerradaDuranteAConsultaDeDocumentos) {
    erpdata::TTIDatabase trava;
    falhas::ConfiguraPG(trava, nomeBanco_);
    trava.Conecta();
    erpdata::TTIQuery lock(&trava);
    lock.SetSQL("LOCK TABLE NOTA0001 IN ACCESS EXCLUSIVE MODE");
    lock.ExecSQL();

    falhas::ProcessoCLI cli(pasta_.Path(), {"--config", Ini().string(), "--local", saida_.string(), "--arquivo", "SPED.txt",
                                            "--inicio", "01/01/2012", "--fim", "31/01/2012"});
    int64_t pid = 0;
    ASSERT_TRUE(falhas::Aguarda([&] {
        pid = falhas::Numero(db_, "SELECT pid FROM pg_stat_activity WHERE datname = current_database() AND wait_event_type = 'Lock'");
        return pid != 0;
    })) << "a consulta de documentos não chegou a esperar pela tabela travada";
    EncerraSessao(pid);
    trava.Transacao().Rollback();

    const falhas::Execucao e = cli.Espera();
    EXPECT_EQ(e.codigo, 1) << e.erros;
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.erros.rfind(std::string("erro: Erro TIQuery.Open: ") + kConexaoPerdida, 0), 0u) << e.erros;
    ConfereDepoisDaFalha();
}

// The rows are all fetched; at the third row the session ends, and the next
// statement of the run (an account, the interest) meets a closed connection.
TEST_F(ConexaoPerdidaPG, SessaoEncerradaEntreComandos) {
    ExecucaoNoProcesso run(Ini(), saida_);
    const int64_t pid = falhas::Numero(run.db, "SELECT pg_backend_pid()");
    InterfaceComGatilho ui(3, [&] { EncerraSessao(pid); });
    try {
        run.Executa(ui);
        ADD_FAILURE() << "a execução deveria falhar";
    } catch (const erpdata::EDatabaseError& erro) {
        EXPECT_EQ(std::string(erro.what()).rfind(std::string("Erro TIQuery.Open: ") + kConexaoPerdida, 0), 0u) << erro.what();
    }
    EXPECT_GE(ui.Feitas(), 3);
    // The connection knows it is lost, whatever the driver says of it, until a
    // new connect on the same object.
    EXPECT_TRUE(run.db.Perdida());
    EXPECT_FALSE(run.db.Responde());
    run.db.Desconecta();
    run.db.Conecta();
    EXPECT_FALSE(run.db.Perdida());
    EXPECT_TRUE(run.db.Responde());
    ConfereDepoisDaFalha();
}

// A private server, stopped at once in the middle of the run and started again
// afterwards.
TEST(ServidorParadoPG, ServidorParadoNoMeioDaExecucao) {
    if (!falhas::TemPostgres()) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
    falhas::ServidorPrivado servidor;
    ASSERT_TRUE(servidor.Ativo()) << "o servidor PostgreSQL privado não subiu";
    teste::PastaTemporaria pasta;
    const fs::path ini = pasta.Path() / "TI.ini", saida = pasta.Path() / "saida";
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
    fs::create_directories(saida);
    teste::GravaBytes(saida / "SPED.txt", kArquivoAnterior);

    {
        ExecucaoNoProcesso run(ini, saida);
        InterfaceComGatilho ui(3, [&] { servidor.Derruba(); });
        try {
            run.Executa(ui);
            ADD_FAILURE() << "a execução deveria falhar";
        } catch (const erpdata::EDatabaseError& erro) {
            EXPECT_EQ(std::string(erro.what()).rfind(std::string("Erro TIQuery.Open: ") + kConexaoPerdida, 0), 0u)
                << erro.what();
        }
    }
    EXPECT_EQ(ArquivosDe(saida), (Arquivos{{"SPED.txt", kArquivoAnterior}}));

    // While it is down, a new run cannot even connect; once it is back, it works.
    const falhas::Execucao fora = falhas::RodaCLI(pasta.Path(), {"--config", ini.string(), "--local", saida.string(),
                                                                 "--arquivo", "SPED.txt", "--inicio", "01/01/2012"});
    EXPECT_EQ(fora.codigo, 1);
    EXPECT_EQ(fora.erros.rfind("erro: Erro ao Conectar a Base de Dados\n", 0), 0u) << fora.erros;
    servidor.Religa();
    ExecucaoNoProcesso depois(ini, saida);
    InterfaceComGatilho ui(0, nullptr);
    EXPECT_EQ(depois.Executa(ui).resultado, exportacao::TResultadoExportacao::Gerado);
    EXPECT_EQ(ArquivosDe(saida).size(), 1u);
    EXPECT_EQ(teste::ConfereArquivoEFD((saida / "SPED.txt").string()), std::vector<std::string>{});
}

}  // namespace
