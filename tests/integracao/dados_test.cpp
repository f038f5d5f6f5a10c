// The data layer against a real server: connection from TI.ini, reading and
// navigating results, the readers on each column type, nulls, errors with their
// prefixes and log line, transactions, time limits, the translated dialect and the
// ERP helpers that query the database.
#include <fstream>

#include "BancoTeste.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/Erros.h"
#include "erpdata/InsercaoLote.h"
#include "erpdata/LogSQL.h"

using erpdata::EDatabaseError;
using erpdata::TTIQuery;

namespace {

class DadosBanco : public teste::BancoTeste {
protected:
    void CriaTabelaTipos() {
        Executa({"CREATE TABLE TIPOS (ID INTEGER NOT NULL, GRANDE BIGINT, VALOR NUMERIC(15,2), TAXA NUMERIC(15,4), "
                 "REAL_ DOUBLE PRECISION, NOME VARCHAR(60), SIGLA CHAR(3), DIA DATE, MOMENTO TIMESTAMP, NUMTXT VARCHAR(10))"});
        Executa({"INSERT INTO TIPOS VALUES (1, 9000000000, 1234567.89, 1.6500, 0.5, 'Açúcar D''Ávila', 'AB', '01/31/2012', "
                 "'01/31/2012 10:05:03', '42')",
                 "INSERT INTO TIPOS VALUES (2, -5, -0.07, 7.6000, 1e-3, 'segundo', 'XYZ', '02/29/2012', '02/29/2012 00:00:00', ' 7,5 ')",
                 "INSERT INTO TIPOS VALUES (3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)"});
    }

    static std::string Erro(TTIQuery& q, bool abrir) {
        try {
            abrir ? q.Open() : q.ExecSQL();
        } catch (const EDatabaseError& e) {
            return e.what();
        }
        return "(sem erro)";
    }
};

}  // namespace

TEST_F(DadosBanco, ConectaPeloTiIniAoLadoDoPrograma) {
    EXPECT_EQ(db_.DriverID, kDriver);
    EXPECT_TRUE(db_.Conectado());
    // The same file found by the default look-up in the program's folder.
    erpdata::DefinePastaPrograma(pasta_.Path());
    erpdata::TTIDatabase outro;
    EXPECT_TRUE(erpdata::ConectaBanco(outro));
    EXPECT_TRUE(outro.Conectado());
}

TEST_F(DadosBanco, FalhaAoConectarMostraMensagem) {
#ifdef BANCO_PG
    GravaIni("POSTGRES", std::string(teste::Ambiente("EFD_PG_HOST")) + ":" + teste::Ambiente("EFD_PG_PORT"), "nao_existe_efd",
             teste::Ambiente("EFD_PG_USER"), teste::Ambiente("EFD_PG_PASSWORD"));
#else
    GravaIni("FIREBIRD", "", (pasta_.Path() / "nao" / "existe.fdb").string(), "", "");
#endif
    erpdata::TTIDatabase outro;
    std::string msg;
    EXPECT_FALSE(erpdata::ConectaBanco(outro, Ini(), [&](const std::string& m) { msg = m; }));
    EXPECT_EQ(msg.rfind("Erro ao Conectar a Base de Dados\n", 0), 0u) << msg;
    EXPECT_GT(msg.size(), std::string("Erro ao Conectar a Base de Dados\n").size()) << "sem o erro do servidor";
    EXPECT_FALSE(outro.Conectado());
}

TEST_F(DadosBanco, AbreENavegaOResultado) {
    CriaTabelaTipos();
    TTIQuery q(&db_);
    q.SetSQL("SELECT ID, NOME FROM TIPOS ORDER BY ID");
    q.Open();
    EXPECT_TRUE(q.Active());
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_EQ(q.FieldCount(), 2);
    std::vector<int64_t> ids;
    std::vector<int64_t> recnos;
    for (q.First(); !q.Eof(); q.Next()) {
        ids.push_back(q.FieldByName("ID").AsInteger());
        recnos.push_back(q.RecNo());
    }
    EXPECT_EQ(ids, (std::vector<int64_t>{1, 2, 3}));
    EXPECT_EQ(recnos, (std::vector<int64_t>{1, 2, 3}));
    // Past the end the fields still read the last row, as the export relies on.
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.FieldByName("id").AsInteger(), 3);

    q.SetSQL("SELECT ID FROM TIPOS WHERE ID > 100");
    q.Open();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_EQ(q.RecNo(), 0);
    EXPECT_EQ(q.FieldByName("ID").AsString(), "");
}

TEST_F(DadosBanco, LocatePorUmOuVariosCampos) {
    CriaTabelaTipos();
    TTIQuery q(&db_);
    q.SetSQL("SELECT ID, SIGLA, NOME, VALOR FROM TIPOS ORDER BY ID");
    q.Open();
    EXPECT_TRUE(q.Locate("NOME", {"segundo"}));
    EXPECT_EQ(q.RecNo(), 2);
    EXPECT_TRUE(q.Locate("ID;NOME", {"1", "Açúcar D'Ávila"}));
    EXPECT_EQ(q.RecNo(), 1);
    EXPECT_FALSE(q.Locate("ID;NOME", {"2", "Açúcar D'Ávila"}));
    EXPECT_EQ(q.RecNo(), 1) << "uma busca sem resultado não move";
    EXPECT_FALSE(q.Locate("NOME", {""})) << "nulo não casa com texto vazio";
    EXPECT_FALSE(q.Locate("nome", {"SEGUNDO"})) << "valores comparados exatamente";
    EXPECT_TRUE(q.Locate("valor", {"-0,07"}));
    EXPECT_EQ(q.RecNo(), 2);
    EXPECT_THROW(q.Locate("NADA", {"1"}), EDatabaseError);
}

TEST_F(DadosBanco, LeitoresEmCadaTipoDeColuna) {
    CriaTabelaTipos();
    TTIQuery q(&db_);
    q.SetSQL("SELECT * FROM TIPOS ORDER BY ID");
    q.Open();
    auto f = [&](const char* n) { return q.FieldByName(n); };
    q.First();
    EXPECT_EQ(f("ID").AsInteger(), 1);
    EXPECT_EQ(f("ID").AsString(), "1");
    EXPECT_EQ(f("GRANDE").AsInteger(), 9000000000LL);
    EXPECT_DOUBLE_EQ(f("VALOR").AsFloat(), 1234567.89);
    EXPECT_EQ(f("VALOR").AsCurrency().Raw(), 12345678900LL);
    EXPECT_EQ(f("VALOR").AsString(), "1234567,89");
    EXPECT_EQ(f("TAXA").AsCurrency().Raw(), 16500);
    EXPECT_DOUBLE_EQ(f("REAL_").AsFloat(), 0.5);
    EXPECT_EQ(f("NOME").AsString(), "Açúcar D'Ávila");
    EXPECT_EQ(f("nome").AsString(), f("Nome").AsString());
    EXPECT_EQ(f("SIGLA").AsString(), "AB ") << "CHAR keeps its blanks";
    EXPECT_EQ(f("DIA").AsDate(), util::Data::FromYMD(2012, 1, 31));
    EXPECT_EQ(f("DIA").AsString(), "31/01/2012");
    EXPECT_EQ(f("MOMENTO").AsDate(), util::Data::FromYMD(2012, 1, 31));
    EXPECT_EQ(f("MOMENTO").AsString(), "31/01/2012 10:05:03");
    EXPECT_EQ(f("NUMTXT").AsInteger(), 42);
    EXPECT_THROW(f("NOME").AsInteger(), EDatabaseError);
    q.Next();
    EXPECT_EQ(f("VALOR").AsCurrency().Raw(), -700);
    EXPECT_EQ(f("TAXA").AsCurrency().Raw(), 76000);
    EXPECT_DOUBLE_EQ(f("REAL_").AsFloat(), 0.001);
    EXPECT_DOUBLE_EQ(f("NUMTXT").AsFloat(), 7.5);
    EXPECT_EQ(f("DIA").AsDate(), util::Data::FromYMD(2012, 2, 29));
    EXPECT_EQ(f("MOMENTO").AsString(), "29/02/2012");
    try {
        q.FieldByName("NAO_EXISTE");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Campo 'NAO_EXISTE' não encontrado");
    }
}

TEST_F(DadosBanco, NuloLeComoZeroTextoVazioESemData) {
    CriaTabelaTipos();
    TTIQuery q(&db_);
    q.SetSQL("SELECT * FROM TIPOS WHERE ID = 3");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    for (int i = 1; i < q.FieldCount(); ++i) {
        auto c = q.Fields(i);
        EXPECT_TRUE(c.IsNull()) << c.FieldName();
        EXPECT_EQ(c.AsString(), "") << c.FieldName();
        EXPECT_EQ(c.AsFloat(), 0.0) << c.FieldName();
        EXPECT_EQ(c.AsInteger(), 0) << c.FieldName();
        EXPECT_TRUE(c.AsCurrency().IsZero()) << c.FieldName();
        EXPECT_TRUE(c.AsDate().Vazia()) << c.FieldName();
    }
}

TEST_F(DadosBanco, ErrosComPrefixoELinhaDeLog) {
    erpdata::DefinePastaPrograma(pasta_.Path());
    Executa({"CREATE TABLE T0 (A INTEGER)"});
    TTIQuery q(&db_);
    q.SetSQL("SELECT X FROM TABELA_QUE_NAO_EXISTE");
    std::string msg = Erro(q, true);
    EXPECT_EQ(msg.rfind("Erro TIQuery.Open: ", 0), 0u) << msg;
    EXPECT_GT(msg.size(), 20u);
    EXPECT_FALSE(q.Active());

    // An ExecSQL failure raises the server's message as it is and writes the log line.
    q.SetSQL("UPDATE TABELA_QUE_NAO_EXISTE SET A = '|'");
    msg = Erro(q, false);
    EXPECT_EQ(msg.find("Erro TIQuery"), std::string::npos) << msg;
    std::string log;
    for (auto& e : std::filesystem::directory_iterator(pasta_.Path() / "Logs")) log += teste::LeBytes(e.path());
    std::string textoLog = erpdata::TextoParaLog("ExecSQL (" + msg + "): UPDATE TABELA_QUE_NAO_EXISTE SET A = '|'\r\n");
    EXPECT_NE(log.find("|" + textoLog + "|\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("SET A = 'ß'"), std::string::npos) << log;

    // Opening a change routes it to ExecSQL: the same failure, with the Open prefix.
    q.SetSQL("DELETE FROM TABELA_QUE_NAO_EXISTE");
    msg = Erro(q, true);
    EXPECT_EQ(msg.rfind("Erro TIQuery.Open: ", 0), 0u) << msg;

    // The connection is still usable after the failures.
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM T0"), 0);
}

TEST_F(DadosBanco, OpenDeInsertExecutaSemLinhas) {
    Executa({"CREATE TABLE T1 (A INTEGER)"});
    TTIQuery q(&db_);
    q.SetSQL("INSERT INTO T1 VALUES (7)");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_EQ(q.RowsAffected(), 1);
    db_.Transacao().CommitRetaining();
    EXPECT_EQ(Conta("SELECT SUM(A) FROM T1"), 7);
}

// What a failed statement does to the writes before it: PostgreSQL rolls the whole
// transaction back; Firebird keeps them pending in the open transaction.
TEST_F(DadosBanco, FalhaNoMeioDaTransacao) {
    Executa({"CREATE TABLE CFG (EMPRESA VARCHAR(4) NOT NULL PRIMARY KEY)"});
    Executa({"INSERT INTO CFG VALUES ('0001')"});
    TTIQuery q(&db_);
    q.SetSQL("DELETE FROM CFG WHERE EMPRESA = '0001'");
    q.ExecSQL();
    q.SetSQL("INSERT INTO CFG VALUES ('00001')");  // too long
    EXPECT_THROW(q.ExecSQL(), EDatabaseError);
    db_.Transacao().CommitRetaining();
#ifdef BANCO_PG
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM CFG"), 1);
#else
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM CFG"), 0);
#endif
    // Uncommitted writes vanish with the connection.
    q.SetSQL("INSERT INTO CFG VALUES ('0002')");
    q.ExecSQL();
    db_.Desconecta();
    db_.Conecta();
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM CFG WHERE EMPRESA = '0002'"), 0);
}

TEST_F(DadosBanco, DatasEUdfLenTraduzidosSaoAceitos) {
    CriaTabelaTipos();
    TTIQuery q(&db_);
    q.AddSQL("SELECT ID, udf_len(NOME) AS TAM, UDF_LEN(SIGLA) AS TAM2 FROM TIPOS");
    q.AddSQL("WHERE DIA >= '01/31/2012'");
    q.AddSQL("AND DIA <= '02/29/2012'");
    q.AddSQL("AND MOMENTO >= '01/31/2012 10:05:03'");
    q.AddSQL("ORDER BY ID DESCENDING");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(q.FieldByName("ID").AsInteger(), 2);
    EXPECT_EQ(q.FieldByName("TAM").AsInteger(), 7);
    q.Next();
    EXPECT_EQ(q.FieldByName("TAM").AsInteger(), 14) << "characters, not bytes";
    EXPECT_EQ(q.SQLTraduzido().find("udf_len"), std::string::npos);
    // The same text again reuses its translation.
    q.Open();
    q.Open();
    EXPECT_EQ(q.Traducoes(), 1);
    // Oracle's empty-text comparison form is not sent to these servers.
    q.SetSQL("SELECT COUNT(*) FROM TIPOS WHERE NOME <> ''");
    q.Open();
    EXPECT_EQ(q.Fields(0).AsInteger(), 2);
}

TEST_F(DadosBanco, TempoLimiteDoExecSql) {
    TTIQuery q(&db_);
    q.TempoLimiteMs = 400;
#ifdef BANCO_PG
    const std::string lento = "SELECT pg_sleep(3)";
#else
    const std::string lento = "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 2000000000) DO I = I + 1; END";
#endif
    q.SetSQL(lento);
    auto inicio = std::chrono::steady_clock::now();
    std::string msg = Erro(q, false);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio).count();
    EXPECT_EQ(msg, "ERRO PROVÁVEL DE DEADLOCK :\r\r" + lento + "\r\n");
    EXPECT_LT(ms, 2500);

    // Without TempoLimite the same kind of statement runs to its end.
    q.TempoLimite = false;
#ifdef BANCO_PG
    q.SetSQL("SELECT pg_sleep(0.6)");
#else
    q.SetSQL("EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 3000000) DO I = I + 1; END");
#endif
    EXPECT_NO_THROW(q.ExecSQL());
#ifdef BANCO_PG
    // Reads run without the limit the last ExecSQL set on the session.
    q.TempoLimite = true;
    q.SetSQL("SELECT 1");
    q.ExecSQL();
    q.SetSQL("SELECT pg_sleep(0.6) AS X");
    EXPECT_NO_THROW(q.Open());
#endif
}

// With GravaLog on, every statement goes to the log as it was sent.
TEST_F(DadosBanco, GravaLogRegistraCadaComandoTraduzido) {
    erpdata::DefinePastaPrograma(pasta_.Path());
    db_.SetGravaLog(true);
    ASSERT_NE(db_.DadosGravaLog(), nullptr);
    TTIQuery q(&db_);
    q.SetSQL("SELECT udf_len('a|b') AS N FROM ARQ_INEXISTENTE");
    EXPECT_THROW(q.Open(), EDatabaseError);
    db_.SetGravaLog(false);
    std::string log;
    for (auto& e : std::filesystem::directory_iterator(pasta_.Path() / "Logs")) log += teste::LeBytes(e.path());
    EXPECT_NE(log.find("|SELECT char_length('aßb') AS N FROM ARQ_INEXISTENTE|\r\n"), std::string::npos) << log;
}

TEST_F(DadosBanco, TryExecSqlRepeteSoEmTempoEsgotado) {
    erpdata::DefinePastaPrograma(pasta_.Path());
    TTIQuery q(&db_);
    q.SetSQL("UPDATE TABELA_QUE_NAO_EXISTE SET A = 1");
    auto inicio = std::chrono::steady_clock::now();
    EXPECT_THROW(q.TryExecSQL(), EDatabaseError);
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::milliseconds(900)) << "outro erro não é repetido";
    std::string log;
    for (auto& e : std::filesystem::directory_iterator(pasta_.Path() / "Logs")) log += teste::LeBytes(e.path());
    EXPECT_NE(log.find("|TryExecSQL (Tentativa: 1) ("), std::string::npos) << log;

    // A statement past its time limit is tried four times in all, one second apart,
    // and the last failure is logged and raised.
    q.TempoLimiteMs = 200;
#ifdef BANCO_PG
    q.SetSQL("SELECT pg_sleep(5)");
#else
    q.SetSQL("EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 2000000000) DO I = I + 1; END");
#endif
    inicio = std::chrono::steady_clock::now();
    try {
        q.TryExecSQL();
        FAIL() << "sem erro";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("Timeout expired"), std::string::npos) << e.what();
    }
    EXPECT_GE(std::chrono::steady_clock::now() - inicio, std::chrono::milliseconds(3000));
    log.clear();
    for (auto& e : std::filesystem::directory_iterator(pasta_.Path() / "Logs")) log += teste::LeBytes(e.path());
    EXPECT_NE(log.find("|TryExecSQL (Tentativa: 4) (Timeout expired"), std::string::npos) << log;
    EXPECT_EQ(log.find("Tentativa: 2"), std::string::npos) << "only the last attempt is logged";
}

TEST_F(DadosBanco, ContextoLeArqLocalEParametros) {
    Executa({"CREATE TABLE ARQLOCAL (ARQUIVO VARCHAR(31) NOT NULL)",
             "CREATE TABLE EMP_PARAM (TIPO VARCHAR(3), CODIGO INTEGER, EMPRESA VARCHAR(3), VALOR VARCHAR(100))"});
    Executa({"INSERT INTO ARQLOCAL VALUES ('CONTABIL_002')", "INSERT INTO ARQLOCAL VALUES ('CONTABIL_001')",
             "INSERT INTO ARQLOCAL VALUES ('NOTA_ENTRA_005')", "INSERT INTO ARQLOCAL VALUES ('NAT_CONTA_999')",
             "INSERT INTO EMP_PARAM VALUES ('FIN', 40, '012', 'S')", "INSERT INTO EMP_PARAM VALUES ('FAT', 270, '012', '90001')",
             "INSERT INTO EMP_PARAM VALUES ('FIN', 40, '001', 'N')"});
    erpdata::TContextoERP ctx(db_);
    ctx.EntradaEmpresa = "0012 - FILIAL";
    ctx.CarregaArqLocal();
    EXPECT_EQ(ctx.LstArqLocal().size(), 4u);
    EXPECT_EQ(ctx.NomeTabela("CONTABIL"), "CONTABIL_001");
    EXPECT_EQ(ctx.NomeTabela("contabil"), "CONTABIL_001");
    EXPECT_EQ(ctx.NomeTabela("NOTA_ENTRA"), "NOTA_ENTRA_005");
    EXPECT_EQ(ctx.NomeTabela("NAT_CONTA"), "NAT_CONTA0012");
    EXPECT_EQ(ctx.NomeTabela("ENTIDADE"), "ENTIDADE0012");

    ctx.sEmp = ctx.NomeTabela("");
    EXPECT_EQ(ctx.sEmp, "0012");
    EXPECT_EQ(ctx.BuscaParametro("FIN", 40), "S");
    EXPECT_EQ(ctx.BuscaParametro("FAT", 270), "90001");
    EXPECT_EQ(ctx.BuscaParametro("FAT", 999), "");
    EXPECT_EQ(ctx.BuscaParametro("F'N", 40), "") << "a quote in the type is data, not SQL";

    ctx.LimpaArqLocal();
    EXPECT_EQ(ctx.NomeTabela("CONTABIL"), "CONTABIL0012");
}

// Loading keeps going across commits: a statement prepared in a committed
// transaction must not be reused (Firebird refuses its stale handle).
TEST_F(DadosBanco, InsercaoEmLoteAtravessaCommits) {
    Executa({"CREATE TABLE LOTE (ID INTEGER NOT NULL, NOME VARCHAR(20), VALOR NUMERIC(15,2), DIA DATE)"});
    erpdata::TTIInsercaoLote ins(db_, "LOTE", {"ID", "NOME", "VALOR", "DIA"});
    for (int i = 1; i <= 1500; ++i) {
        ins.Adiciona({int64_t(i), i % 7 ? erpdata::ValorSQL(std::string("nome'|") + std::to_string(i)) : std::monostate{},
                      0.01 * i, util::Data::FromYMD(2012, 1, 1 + i % 31)});
        if (i % 400 == 0) db_.Transacao().CommitRetaining();
    }
    ins.Descarrega();
    db_.Transacao().CommitRetaining();
    EXPECT_EQ(ins.Total(), 1500);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM LOTE"), 1500);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM LOTE WHERE NOME IS NULL"), 1500 / 7);
    TTIQuery q(&db_);
    q.SetSQL("SELECT SUM(VALOR) AS S, MAX(NOME) AS N FROM LOTE WHERE ID <= 10");
    q.Open();
    EXPECT_EQ(q.FieldByName("S").AsCurrency().Raw(), 5500);
    EXPECT_EQ(q.FieldByName("N").AsString(), "nome'|9");
}
