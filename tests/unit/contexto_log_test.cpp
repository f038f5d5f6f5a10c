// ERP helpers that need no server, and the SQL log's file name and line form.
#include <gtest/gtest.h>

#include "common/PastaTemporaria.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/LogSQL.h"
#include "erpdata/TIDatabase.h"

using erpdata::TContextoERP;

TEST(ContextoERP, RemoveSufixo) {
    const std::pair<const char*, const char*> casos[] = {
        {"NAT_CONTA_001", "NAT_CONTA"}, {"NOTA_ENTRA_005", "NOTA_ENTRA"}, {"NAT_CONTA_999", "NAT_CONTA_999"},
        {"NAT_CONTA_ABC", "NAT_CONTA_ABC"}, {"NOTA", "NOTA"}, {"CONTABIL_000", "CONTABIL"}, {"CONTABIL001", "CONTABIL001"},
        {"X_1A2", "X_1A2"},
    };
    for (auto [nome, chave] : casos) EXPECT_EQ(TContextoERP::RemoveSufixo(nome), chave) << nome;
}

TEST(ContextoERP, NomeTabelaSemAliasUsaCodigoDaEmpresa) {
    erpdata::TTIDatabase db;
    TContextoERP ctx(db);
    ctx.EntradaEmpresa = "0012 - FILIAL";
    EXPECT_EQ(ctx.CodigoEmpresa(), "0012");
    EXPECT_EQ(ctx.NomeTabela("ENTIDADE"), "ENTIDADE0012");
    EXPECT_EQ(ctx.NomeTabela("Entidade"), "Entidade0012");  // the name keeps its case
    EXPECT_EQ(ctx.NomeTabela(""), "0012");
    ctx.EntradaEmpresa = "0012";
    EXPECT_EQ(ctx.NomeTabela("NOTA"), "NOTA0012");
    ctx.EntradaEmpresa = "";
    EXPECT_EQ(ctx.NomeTabela("NOTA"), "NOTA");
}

TEST(ContextoERP, AspasDobraAspasInternas) {
    EXPECT_EQ(TContextoERP::Aspas("abc"), "'abc'");
    EXPECT_EQ(TContextoERP::Aspas(""), "''");
    EXPECT_EQ(TContextoERP::Aspas("D'Ávila"), "'D''Ávila'");
    EXPECT_EQ(TContextoERP::Aspas("x' OR '1'='1"), "'x'' OR ''1''=''1'");
}

TEST(ContextoERP, JaIncluido) {
    erpdata::TTIDatabase db;
    TContextoERP ctx(db);
    EXPECT_FALSE(ctx.JaIncluido("0500", "123", true));   // not there, now marked
    EXPECT_TRUE(ctx.JaIncluido("0500", "123", false));
    EXPECT_TRUE(ctx.JaIncluido("0500", "123", true));
    EXPECT_FALSE(ctx.JaIncluido("0450", "123", true));   // same key, other prefix
    EXPECT_FALSE(ctx.JaIncluido("1010", "0", false));    // asking does not mark
    EXPECT_FALSE(ctx.JaIncluido("1010", "0", false));
    EXPECT_FALSE(ctx.JaIncluido("0500", "conta", true));
    EXPECT_TRUE(ctx.JaIncluido("0500", "CONTA", false));  // the list ignores case
    ctx.IniciaExecucao();
    EXPECT_FALSE(ctx.JaIncluido("0500", "123", false));
}

TEST(LogSQL, NomeDoArquivo) {
    auto d = util::Data::FromYMD(2012, 1, 31);
    EXPECT_EQ(erpdata::NomeArquivoLog("ESTACAO01", d), "ESTACAO01-20120131.log");
    EXPECT_EQ(erpdata::NomeArquivoLog("", d), "MaqDesconhecida-20120131.log");
}

TEST(LogSQL, FormaDaLinha) {
    EXPECT_EQ(erpdata::LinhaLog("10.0.0.5", "Form1", "ana", "31/01/12 10:05:03",
                                "  ExecSQL (erro): SELECT A|B\r\nFROM T\nWHERE X = '|'\r\n"),
              "|10.0.0.5|Form1|ana|31/01/12 10:05:03|ExecSQL (erro): SELECT AßB FROM T WHERE X = 'ß'|");
    EXPECT_EQ(erpdata::LinhaLog("", "", "", "01/02/12 00:00:00", ""), "||||01/02/12 00:00:00||");
}

TEST(LogSQL, GravaNaPastaLogsDoPrograma) {
    teste::PastaTemporaria pasta;
    erpdata::DefinePastaPrograma(pasta.Path());
    erpdata::DefineNomeJanelaAtiva([] { return std::string("TForm1"); });
    erpdata::TTIDatabase db;
    db.NmUsuario = "fiscal";
    erpdata::GravaLogSQL(&db, "ExecSQL (falhou): UPDATE T SET A = '|'");
    erpdata::GravaLogSQL(&db, "segunda");
    erpdata::DefineNomeJanelaAtiva({});

    std::vector<std::filesystem::path> arquivos;
    for (auto& e : std::filesystem::directory_iterator(pasta.Path() / "Logs")) arquivos.push_back(e.path());
    ASSERT_EQ(arquivos.size(), 1u);
    std::string nome = arquivos[0].filename().string();
    std::string maquina = erpdata::NomeComputador();
    EXPECT_EQ(nome.rfind((maquina.empty() ? "MaqDesconhecida" : maquina) + "-", 0), 0u) << nome;
    std::string conteudo = teste::LeBytes(arquivos[0]);
    std::string ip = erpdata::EnderecoIPLocal();
    EXPECT_EQ(conteudo.rfind("|" + ip + "|TForm1|fiscal|", 0), 0u) << conteudo;
    EXPECT_NE(conteudo.find("|ExecSQL (falhou): UPDATE T SET A = 'ß'|\r\n"), std::string::npos) << conteudo;
    EXPECT_NE(conteudo.find("|segunda|\r\n"), std::string::npos);
}
