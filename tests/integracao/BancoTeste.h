#pragma once
// A fresh ERP database per test on the server the program is built for:
// BANCO_PG -> a new database on the test PostgreSQL cluster (EFD_PG_* variables),
// otherwise a new embedded Firebird file under the build tree. Each test gets a
// folder with its own TI.ini, and connects through it as the program does.
#include <atomic>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "common/PastaTemporaria.h"
#include "erpdata/ConfigBanco.h"
#include "erpdata/Firebird.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"

// The same tests run on both servers; ctest needs their names apart.
#ifdef BANCO_PG
#define DadosBanco DadosPG
#define GeradorBanco GeradorPG
#else
#define DadosBanco DadosFB
#define GeradorBanco GeradorFB
#endif

namespace teste {

inline const char* Ambiente(const char* nome) {
    const char* v = std::getenv(nome);
    return v ? v : "";
}

class BancoTeste : public ::testing::Test {
protected:
#ifdef BANCO_PG
    static constexpr const char* kDriver = "PG";
#else
    static constexpr const char* kDriver = "FB";
#endif

    void SetUp() override {
#ifdef BANCO_PG
        if (!std::getenv("EFD_PG_PORT")) GTEST_SKIP() << "EFD_PG_PORT não definido: sem servidor PostgreSQL de teste";
        static std::atomic<int> seq{0};
        nomeBanco_ = "efd_" + std::to_string(::getpid()) + "_" + std::to_string(seq++);
        erpdata::TTIDatabase adm;
        adm.DriverID = "PG";
        adm.HostName = Ambiente("EFD_PG_HOST");
        adm.Port = std::atoi(Ambiente("EFD_PG_PORT"));
        adm.User = Ambiente("EFD_PG_USER");
        adm.Password = Ambiente("EFD_PG_PASSWORD");
        adm.Database = "postgres";
        adm.Conecta();
        adm.ExecutaForaDaTransacao("CREATE DATABASE " + nomeBanco_);
        GravaIni("POSTGRES", std::string(Ambiente("EFD_PG_HOST")) + ":" + Ambiente("EFD_PG_PORT"), nomeBanco_,
                 Ambiente("EFD_PG_USER"), Ambiente("EFD_PG_PASSWORD"));
#else
        nomeBanco_ = (pasta_.Path() / "ERP.FDB").string();
        erpdata::CriaBancoFirebird(nomeBanco_, "", "");
        GravaIni("FIREBIRD", "", nomeBanco_, "", "");
#endif
        std::string erro;
        ASSERT_TRUE(erpdata::ConectaBanco(db_, Ini(), [&](const std::string& m) { erro = m; })) << erro;
    }

    void TearDown() override {
        db_.Desconecta();
#ifdef BANCO_PG
        if (nomeBanco_.empty()) return;
        try {
            erpdata::TTIDatabase adm;
            adm.DriverID = "PG";
            adm.HostName = Ambiente("EFD_PG_HOST");
            adm.Port = std::atoi(Ambiente("EFD_PG_PORT"));
            adm.User = Ambiente("EFD_PG_USER");
            adm.Password = Ambiente("EFD_PG_PASSWORD");
            adm.Database = "postgres";
            adm.Conecta();
            adm.ExecutaForaDaTransacao("DROP DATABASE IF EXISTS " + nomeBanco_);
        } catch (...) {
        }
#endif
    }

    void GravaIni(const std::string& banco, const std::string& servidor, const std::string& base, const std::string& usuario,
                  const std::string& senha) {
        GravaBytes(Ini(), "[Banco]\r\nversao=3.0\r\nBanco=" + banco + "\r\nServidor=" + servidor + "\r\nBase=" + base +
                              "\r\nusuario=" + usuario + "\r\nsenha=" + senha + "\r\n");
    }
    std::filesystem::path Ini() const { return pasta_.Path() / "TI.ini"; }

    // Runs statements (each its own ExecSQL) and commits.
    void Executa(std::initializer_list<std::string> comandos) {
        erpdata::TTIQuery q(&db_);
        for (const auto& c : comandos) {
            q.SetSQL(c);
            q.ExecSQL();
        }
        db_.Transacao().CommitRetaining();
    }

    int64_t Conta(const std::string& sql) {
        erpdata::TTIQuery q(&db_);
        q.SetSQL(sql);
        q.Open();
        return q.Fields(0).AsInteger();
    }

    PastaTemporaria pasta_;
    erpdata::TTIDatabase db_;
    std::string nomeBanco_;
};

}  // namespace teste
