// Reads on a connection that other users write to: what another connection
// committed is seen after this one's own commit or rollback; and the fetch on a
// second connection in a worker thread reads what the ordinary fetch reads, fails
// as it does, and leaves the connection's state right when the server goes away
// or the caller's callback fails.
#include <chrono>
#include <stdexcept>
#include <thread>

#include "BancoTeste.h"
#include "erpdata/Erros.h"
#include "erpdata/InsercaoLote.h"

#ifdef BANCO_PG
#define LeituraBanco DadosLeituraPG
#else
#define LeituraBanco DadosLeituraFB
#endif

using erpdata::EDatabaseError;
using erpdata::TTIDatabase;
using erpdata::TTIQuery;

namespace {

class LeituraBanco : public teste::BancoTeste {
protected:
    // A second user of the same database.
    void ConectaOutro(TTIDatabase& outro) {
        std::string erro;
        ASSERT_TRUE(erpdata::ConectaBanco(outro, Ini(), [&](const std::string& m) { erro = m; })) << erro;
    }

    static void ExecutaEm(TTIDatabase& db, const std::string& sql) {
        TTIQuery q(&db);
        q.SetSQL(sql);
        q.ExecSQL();
    }

    static int64_t Numero(TTIDatabase& db, const std::string& sql) {
        TTIQuery q(&db);
        q.SetSQL(sql);
        q.Open();
        return q.Fields(0).AsInteger();
    }

    static std::string ErroAoAbrir(TTIQuery& q) {
        try {
            q.Open();
        } catch (const EDatabaseError& e) {
            return e.what();
        }
        return "(sem erro)";
    }

    // Every cell of the result as its column type, a null mark or its text.
    static std::vector<std::string> Celulas(const TTIQuery& q) {
        std::vector<std::string> r;
        const erpdata::ResultadoMemoria& res = *q.Resultado();
        for (size_t l = 0; l < res.Linhas(); ++l)
            for (size_t c = 0; c < res.Colunas(); ++c)
                r.push_back(res.Coluna(c).nome + ":" + std::to_string(static_cast<int>(res.Coluna(c).tipo)) + ":" +
                            (res.IsNull(l, c) ? std::string("<nulo>") : res.AsString(l, c)));
        return r;
    }

    // Text, integers, money at two and four places, a double, dates, a time stamp,
    // a fixed-width text and nulls; enough rows for several batches of the fetch.
    void CriaTabelaTipos() {
        Executa({"CREATE TABLE TIPOS (ID INTEGER NOT NULL, NOME VARCHAR(60), VALOR NUMERIC(15,2), TAXA NUMERIC(15,4), "
                 "REAL_ DOUBLE PRECISION, DIA DATE, MOMENTO TIMESTAMP, SIGLA CHAR(3))"});
        Executa({"INSERT INTO TIPOS VALUES (1, 'Açúcar D''Ávila', 1234567.89, 1.6500, 0.5, '01/31/2012', "
                 "'01/31/2012 10:05:03', 'AB')",
                 "INSERT INTO TIPOS VALUES (2, 'segundo', -0.07, 7.6000, 1e-3, '02/29/2012', '02/29/2012 00:00:00', 'XYZ')",
                 "INSERT INTO TIPOS VALUES (3, NULL, NULL, NULL, NULL, NULL, NULL, NULL)"});
        erpdata::TTIInsercaoLote ins(db_, "TIPOS", {"ID", "NOME", "VALOR", "TAXA", "DIA"});
        for (int64_t i = 4; i <= 700; ++i)
            ins.Adiciona({i, i % 5 ? erpdata::ValorSQL("item " + std::to_string(i)) : std::monostate{}, 0.01 * i - 3,
                          i % 3 ? erpdata::ValorSQL(1.0 / i) : std::monostate{}, util::Data::FromYMD(2012, 1, 1 + i % 31)});
        ins.Descarrega();
        db_.Transacao().CommitRetaining();
    }
};

}  // namespace

// The settings save deletes and inserts in one transaction and commits; documents
// another user enters afterwards must reach the file read on the same connection.
TEST_F(LeituraBanco, DepoisDoCommitOuRollbackLeOQueOutraConexaoGravou) {
    Executa({"CREATE TABLE CFG (EMPRESA VARCHAR(4) NOT NULL PRIMARY KEY, VALOR INTEGER)"});
    Executa({"INSERT INTO CFG VALUES ('0001', 1)"});
    TTIDatabase outro;
    ConectaOutro(outro);

    ExecutaEm(db_, "DELETE FROM CFG WHERE EMPRESA = '0001'");
    ExecutaEm(db_, "INSERT INTO CFG VALUES ('0001', 2)");
    db_.Transacao().CommitRetaining();
    EXPECT_EQ(Numero(outro, "SELECT VALOR FROM CFG WHERE EMPRESA = '0001'"), 2);
    ExecutaEm(outro, "INSERT INTO CFG VALUES ('0002', 20)");
    outro.Transacao().CommitRetaining();
    EXPECT_EQ(Numero(db_, "SELECT COUNT(*) FROM CFG WHERE EMPRESA = '0002'"), 1);

    // A save whose insertion fails is rolled back whole: the deletion too.
    ExecutaEm(db_, "DELETE FROM CFG WHERE EMPRESA = '0001'");
    EXPECT_THROW(ExecutaEm(db_, "INSERT INTO CFG VALUES ('00001', 3)"), EDatabaseError);
    db_.Transacao().RollbackRetaining();
    ExecutaEm(outro, "INSERT INTO CFG VALUES ('0003', 30)");
    outro.Transacao().CommitRetaining();
    EXPECT_EQ(Numero(db_, "SELECT VALOR FROM CFG WHERE EMPRESA = '0001'"), 2);
    EXPECT_EQ(Numero(db_, "SELECT COUNT(*) FROM CFG WHERE EMPRESA = '0003'"), 1);

    // The next write works in a transaction of its own, committed as usual.
    ExecutaEm(db_, "UPDATE CFG SET VALOR = 4 WHERE EMPRESA = '0001'");
    db_.Transacao().CommitRetaining();
    EXPECT_EQ(Numero(outro, "SELECT VALOR FROM CFG WHERE EMPRESA = '0001'"), 4);
}

TEST_F(LeituraBanco, BuscaEmSegundoPlanoLeOMesmoQueABuscaComum) {
    CriaTabelaTipos();
    const std::string sql = "SELECT * FROM TIPOS ORDER BY ID";
    TTIQuery comum(&db_);
    comum.SetSQL(sql);
    comum.Open();
    ASSERT_EQ(comum.RecordCount(), 700);

    TTIQuery q(&db_);
    q.BuscaEmSegundoPlano = true;
    int chamadas = 0;
    q.AoBuscarLinhas = [&](int64_t) { ++chamadas; };
    q.SetSQL(sql);
    q.Open();
    EXPECT_GE(chamadas, 1);
    EXPECT_EQ(q.RecordCount(), 700);
    EXPECT_EQ(Celulas(q), Celulas(comum));
    q.First();
    EXPECT_EQ(q.FieldByName("VALOR").AsCurrency().Raw(), 12345678900LL);
    EXPECT_EQ(q.FieldByName("DIA").AsDate(), util::Data::FromYMD(2012, 1, 31));
    EXPECT_EQ(q.FieldByName("NOME").AsString(), "Açúcar D'Ávila");

    // A failing statement fails as on the connection itself, and the connection
    // goes on working.
    q.SetSQL("SELECT X FROM TABELA_QUE_NAO_EXISTE");
    comum.SetSQL(q.SQL());
    const std::string msg = ErroAoAbrir(q);
    EXPECT_EQ(msg.rfind("Erro TIQuery.Open: ", 0), 0u) << msg;
    EXPECT_EQ(msg, ErroAoAbrir(comum));
    EXPECT_FALSE(q.Active());
    EXPECT_FALSE(db_.Perdida());
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM TIPOS"), 700);
    q.SetSQL("SELECT COUNT(*) FROM TIPOS WHERE NOME IS NULL");
    q.Open();
    EXPECT_EQ(q.Fields(0).AsInteger(), 1 + 700 / 5);
}

// A callback that fails (the window going away) in the middle of the fetch is not
// called again, and its failure is raised once the worker has stopped, without
// waiting for a result that takes much longer than that to fetch.
TEST_F(LeituraBanco, FalhaDoAvisoNaoEsperaOResultadoInteiro) {
    Executa({"CREATE TABLE T0 (A INTEGER)"});
    TTIQuery q(&db_);
    q.BuscaEmSegundoPlano = true;
    bool falhou = false;
    int chamadasDepois = 0;
    q.AoBuscarLinhas = [&](int64_t linhas) {
        if (falhou) ++chamadasDepois;
        if (falhou || linhas == 0) return;
        falhou = true;
        throw std::runtime_error("janela fechada");
    };
#ifdef BANCO_PG
    // A millisecond or two a row: some twenty seconds for the whole result.
    q.SetSQL("SELECT G AS N, pg_sleep(0.001) AS P FROM generate_series(1, 10000) G");
#else
    q.SetSQL("EXECUTE BLOCK RETURNS (N INTEGER) AS DECLARE J INTEGER; BEGIN N = 0; WHILE (N < 12000) DO BEGIN "
             "N = N + 1; J = 0; WHILE (J < 20000) DO J = J + 1; SUSPEND; END END");
#endif
    const auto inicio = std::chrono::steady_clock::now();
    EXPECT_EQ(ErroAoAbrir(q), "Erro TIQuery.Open: janela fechada");
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(5));
    EXPECT_TRUE(falhou);
    EXPECT_EQ(chamadasDepois, 0);
    EXPECT_FALSE(q.Active());
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM T0"), 0);
}

#ifdef BANCO_PG
// The server ends every session of the database while the worker's statement runs:
// the worker's failure says the connection is lost, and so does the connection
// itself afterwards, until a new connect.
TEST_F(LeituraBanco, SessoesEncerradasDuranteABuscaEmSegundoPlano) {
    TTIDatabase vigia;
    ConectaOutro(vigia);
    const std::string sessoes =
        "FROM pg_stat_activity WHERE datname = current_database() AND pid <> pg_backend_pid() AND backend_type = 'client backend'";
    bool encerradas = false;
    TTIQuery q(&db_);
    q.BuscaEmSegundoPlano = true;
    q.AoBuscarLinhas = [&](int64_t) {
        if (encerradas || Numero(vigia, "SELECT COUNT(*) " + sessoes + " AND state = 'active'") == 0) return;
        Numero(vigia, "SELECT COUNT(pg_terminate_backend(pid)) " + sessoes);
        for (int i = 0; i < 500 && Numero(vigia, "SELECT COUNT(*) " + sessoes) > 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        encerradas = true;
    };
    q.SetSQL("SELECT pg_sleep(30) AS X");
    const std::string msg = ErroAoAbrir(q);
    EXPECT_TRUE(encerradas);
    EXPECT_EQ(msg.rfind("Erro TIQuery.Open: a conexão com o banco de dados foi perdida: ", 0), 0u) << msg;
    EXPECT_TRUE(db_.Perdida());
    EXPECT_FALSE(db_.Responde());
    db_.Desconecta();
    db_.Conecta();
    EXPECT_FALSE(db_.Perdida());
    EXPECT_EQ(Numero(db_, "SELECT 1"), 1);
}
#endif
