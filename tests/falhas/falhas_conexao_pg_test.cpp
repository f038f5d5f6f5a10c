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

// Runs a statement that returns one number.
int64_t Numero(erpdata::TTIDatabase& db, const std::string& sql) {
    erpdata::TTIQuery q(&db);
    q.SetSQL(sql);
    q.Open();
    return q.IsEmpty() ? 0 : q.Fields(0).AsInteger();
}

// Waits (up to 30 s) for a condition checked every 50 ms.
bool Aguarda(const std::function<bool()>& condicao) {
    for (int i = 0; i < 600; ++i) {
        if (condicao()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

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
        ASSERT_EQ(Numero(db_, "SELECT CASE WHEN pg_terminate_backend(" + std::to_string(pid) + ") THEN 1 ELSE 0 END"), 1);
        ASSERT_TRUE(Aguarda([&] {
            return Numero(db_, "SELECT COUNT(*) FROM pg_stat_activity WHERE pid = " + std::to_string(pid)) == 0;
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
    ASSERT_TRUE(Aguarda([&] {
        pid = Numero(db_, "SELECT pid FROM pg_stat_activity WHERE datname = current_database() AND wait_event_type = 'Lock'");
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
    const int64_t pid = Numero(run.db, "SELECT pg_backend_pid()");
    InterfaceComGatilho ui(3, [&] { EncerraSessao(pid); });
    try {
        run.Executa(ui);
        ADD_FAILURE() << "a execução deveria falhar";
    } catch (const erpdata::EDatabaseError& erro) {
        EXPECT_EQ(std::string(erro.what()).rfind(std::string("Erro TIQuery.Open: ") + kConexaoPerdida, 0), 0u) << erro.what();
    }
    EXPECT_GE(ui.Feitas(), 3);
    ConfereDepoisDaFalha();
}

// A private server (the shared one serves the other tests), stopped at once in the
// middle of the run and started again afterwards.
class ServidorPrivado {
public:
    ServidorPrivado() {
        const std::string saida = Shell("pg_inicia >/dev/null && echo \"$PG_DIR $EFD_PG_PORT\"");
        const size_t espaco = saida.find(' ');
        if (espaco == std::string::npos) return;
        dir_ = saida.substr(0, espaco);
        porta_ = saida.substr(espaco + 1);
        while (!porta_.empty() && (porta_.back() == '\n' || porta_.back() == '\r')) porta_.pop_back();
    }
    ~ServidorPrivado() {
        if (!dir_.empty()) Shell("pg_para");
    }
    bool Ativo() const { return !porta_.empty(); }
    void Derruba() { Shell("pg_derruba"); }
    void Religa() { Shell("pg_religa"); }
    const std::string& Porta() const { return porta_; }

private:
    // Runs the cluster script's function with this server's folder and port.
    std::string Shell(const std::string& comando) {
        const std::string linha = "bash -c 'source \"" PASTA_FONTES "/scripts/pg-cluster.sh\" && PG_DIR=\"" + dir_ +
                                  "\" && EFD_PG_PORT=\"" + porta_ + "\" && " + comando + "'";
        std::string r;
        if (FILE* f = ::popen(linha.c_str(), "r")) {
            char buf[512];
            while (size_t n = std::fread(buf, 1, sizeof buf, f)) r.append(buf, n);
            ::pclose(f);
        }
        return r;
    }
    std::string dir_, porta_;
};

TEST(ServidorParadoPG, ServidorParadoNoMeioDaExecucao) {
    if (!falhas::TemPostgres()) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
    ServidorPrivado servidor;
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
