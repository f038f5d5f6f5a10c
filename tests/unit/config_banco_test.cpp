// The configuration file and the connection parameters it produces, computed
// without connecting.
#include <gtest/gtest.h>

#include "common/PastaTemporaria.h"
#include "erpdata/ConfigBanco.h"
#include "erpdata/TIDatabase.h"

using erpdata::ConfigBanco;
using erpdata::TTIDatabase;

namespace {

std::vector<std::string> ParametrosDe(const ConfigBanco& cfg) {
    TTIDatabase db;
    erpdata::AplicaConfigBanco(db, cfg);
    return db.Parametros();
}

}  // namespace

TEST(ConfigBanco, ParametrosDosExemplos) {
    struct Caso {
        const char* regra;
        ConfigBanco cfg;
        std::vector<std::string> esperado;
    };
    const Caso casos[] = {
        {"Firebird on a server: port dropped, TCP/IP", {"", "FIREBIRD", "srv01:3050", "C:\\Dados\\ERP.FDB", "", ""},
         {"Server=srv01", "Database=C:\\Dados\\ERP.FDB", "Protocol=TCPIP", "PageSize=4096"}},
        {"Firebird local file", {"", "firebird", "", "C:\\Dados\\ERP.FDB", "", ""}, {"Database=C:\\Dados\\ERP.FDB", "PageSize=4096"}},
        {"Oracle default port", {"", "ORACLE", "srv02", "ORCL", "", ""},
         {"Server=srv02", "Database=ORCL", "Port=1521", "AuthMode=NORMAL"}},
        {"PostgreSQL with port", {"", "POSTGRES", "srv03:5433", "erp", "", ""}, {"Server=srv03", "Database=erp", "Port=5433"}},
        {"PostgreSQL port not a number", {"", "POSTGRES", "srv:abc", "erp", "", ""}, {"Server=srv", "Database=erp", "Port=5432"}},
        {"Oracle with two colons", {"", "ORACLE", "srv:1:2", "ORCL", "", ""},
         {"Server=srv", "Database=ORCL", "Port=1521", "AuthMode=NORMAL"}},
        {"Oracle base with host in front", {"", "Oracle", "srv", "outro: ORCL ", "", ""},
         {"Server=srv", "Database=ORCL", "Port=1521", "AuthMode=NORMAL"}},
        {"user and password passed when given", {"2.5", "FIREBIRD", "", "/dados/erp.fdb", "SYSDBA", "masterkey"},
         {"Database=/dados/erp.fdb", "User_name=SYSDBA", "Password=masterkey", "PageSize=4096"}},
        {"blank user and password not passed", {"", "POSTGRES", "srv", "erp", "  ", ""}, {"Server=srv", "Database=erp", "Port=5432"}},
        {"empty base still gives Database=", {"", "", "", "", "", ""}, {"Database=", "PageSize=4096"}},
    };
    for (const auto& c : casos) EXPECT_EQ(ParametrosDe(c.cfg), c.esperado) << c.regra;
}

TEST(ConfigBanco, TipoBanco) {
    EXPECT_EQ(erpdata::TipoBanco("ORACLE", ""), "Ora");
    EXPECT_EQ(erpdata::TipoBanco("Oracle", "11"), "Ora");
    EXPECT_EQ(erpdata::TipoBanco("postgres", ""), "PG");
    EXPECT_EQ(erpdata::TipoBanco("FIREBIRD", "2.5"), "FB");
    EXPECT_EQ(erpdata::TipoBanco("SQLSERVER", ""), "FB");
    EXPECT_EQ(erpdata::TipoBanco("", ""), "FB");
}

TEST(ConfigBanco, DatabaseNameSeparaNoPrimeiroDoisPontos) {
    TTIDatabase db;
    db.SetDatabaseName("srv:C:\\base.fdb");
    EXPECT_EQ(db.HostName, "srv");
    EXPECT_EQ(db.Database, "C:\\base.fdb");
    db.SetDatabaseName("C:\\base.fdb");
    EXPECT_EQ(db.HostName, "C");
    EXPECT_EQ(db.Database, "\\base.fdb");
    db.SetDatabaseName("erp");
    EXPECT_EQ(db.HostName, "");
    EXPECT_EQ(db.Database, "erp");
    db.SetDatabaseName("  ");  // blank: only the stored value changes
    EXPECT_EQ(db.Database, "erp");
}

TEST(ConfigBanco, ArquivoTiIniAntesDeVelmora) {
    teste::PastaTemporaria pasta;
    EXPECT_EQ(erpdata::LocalizaArquivoConfig(pasta.Path()), pasta.Path() / "Velmora.ini");
    EXPECT_FALSE(erpdata::LeConfigBanco(pasta.Path() / "Velmora.ini"));

    teste::GravaBytes(pasta.Path() / "Velmora.ini", "[Banco]\r\nBanco=ORACLE\r\nBase=VELMORA\r\n");
    EXPECT_EQ(erpdata::LocalizaArquivoConfig(pasta.Path()), pasta.Path() / "Velmora.ini");
    teste::GravaBytes(pasta.Path() / "TI.ini",
                      "; configuração\r\n[Outra]\r\nBase=errada\r\n[banco]\r\nVERSAO=2.5\r\nbanco=Postgres\r\nSERVIDOR=srv:5433\r\n"
                      "base=erp\r\nUsuario=fiscal\r\nSenha=s3nh@\r\nBase=segunda\r\n");
    auto arquivo = erpdata::LocalizaArquivoConfig(pasta.Path());
    EXPECT_EQ(arquivo, pasta.Path() / "TI.ini");
    auto cfg = erpdata::LeConfigBanco(arquivo);
    ASSERT_TRUE(cfg);
    EXPECT_EQ(cfg->versao, "2.5");
    EXPECT_EQ(cfg->Banco, "Postgres");
    EXPECT_EQ(cfg->Servidor, "srv:5433");
    EXPECT_EQ(cfg->Base, "erp");
    EXPECT_EQ(cfg->usuario, "fiscal");
    EXPECT_EQ(cfg->senha, "s3nh@");
}

TEST(ConfigBanco, ArquivoEmWindows1252) {
    teste::PastaTemporaria pasta;
    teste::GravaBytes(pasta.Path() / "TI.ini", "[Banco]\r\nBase=C:\\Dados\\Fiscal\xC3\xA7\xC3\xA3o.FDB\r\nsenha=a\xE7\r\n");
    auto cfg = erpdata::LeConfigBanco(pasta.Path() / "TI.ini");
    ASSERT_TRUE(cfg);
    EXPECT_EQ(cfg->Base, "C:\\Dados\\Fiscalção.FDB");  // already UTF-8
    EXPECT_EQ(cfg->senha, "aç");                       // Windows-1252 byte E7
}

TEST(ConfigBanco, SemArquivoNaoMexeNaConexao) {
    teste::PastaTemporaria pasta;
    TTIDatabase db;
    db.DriverID = "PG";
    bool mostrou = false;
    EXPECT_FALSE(erpdata::ConectaBanco(db, pasta.Path() / "TI.ini", [&](const std::string&) { mostrou = true; }));
    EXPECT_FALSE(mostrou);
    EXPECT_EQ(db.DriverID, "PG");
    EXPECT_TRUE(db.Database.empty());
}

// Oracle goes through Qt's QOCI plugin; without it the error names what is missing.
TEST(ConfigBanco, OracleSemPluginDizQualDriverFalta) {
    TTIDatabase db;
    erpdata::AplicaConfigBanco(db, {"", "ORACLE", "srv02", "ORCL", "fiscal", "x"});
    try {
        db.Conecta();
        GTEST_SKIP() << "QOCI instalado e um Oracle respondeu";
    } catch (const std::exception& e) {
        std::string msg = e.what();
        if (msg.find("QOCI") == std::string::npos) GTEST_SKIP() << "QOCI instalado: " << msg;
        EXPECT_NE(msg.find("Oracle"), std::string::npos) << msg;
        EXPECT_NE(msg.find("não está instalado"), std::string::npos) << msg;
    }
    EXPECT_FALSE(db.Conectado());
}
