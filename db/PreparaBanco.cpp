#include "PreparaBanco.h"

#include <filesystem>

#include "erpdata/Erros.h"
#include "erpdata/Firebird.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"

namespace fixture {

namespace {

void Executa(erpdata::TTIDatabase& db, const std::string& sql) {
    erpdata::TTIQuery q(&db);
    q.TempoLimite = false;
    q.SetSQL(sql);
    q.ExecSQL();
}

std::string Identificador(const std::string& nome) {
    std::string r = "\"";
    for (char c : nome) { r += c; if (c == '"') r += '"'; }
    return r + "\"";
}

}  // namespace

void PreparaBancoVazio(erpdata::TTIDatabase& db, const erpdata::ConfigBanco& cfg) {
    erpdata::AplicaConfigBanco(db, cfg);
    if (db.DriverID == "FB") {
        std::string alvo = db.HostName.empty() ? db.Database : db.HostName + ":" + db.Database;
        if (db.HostName.empty()) {
            std::error_code ec;
            std::filesystem::remove(db.Database, ec);
            if (auto pai = std::filesystem::path(db.Database).parent_path(); !pai.empty()) std::filesystem::create_directories(pai, ec);
        }
        erpdata::CriaBancoFirebird(alvo, db.User, db.Password);
        db.Conecta();
        return;
    }
    if (db.DriverID == "PG") {
        try {
            db.Conecta();
        } catch (const erpdata::EDatabaseError&) {
            // The database may not exist yet: create it from the maintenance database.
            erpdata::TTIDatabase adm;
            erpdata::AplicaConfigBanco(adm, cfg);
            adm.Database = "postgres";
            adm.Conecta();
            adm.ExecutaForaDaTransacao("CREATE DATABASE " + Identificador(db.Database));
            db.Conecta();
        }
        Executa(db, "DROP SCHEMA IF EXISTS public CASCADE");
        Executa(db, "CREATE SCHEMA public");
        db.Transacao().CommitRetaining();
        return;
    }
    throw erpdata::EDatabaseError("erp-fixture cria bancos Firebird e PostgreSQL; o banco configurado é " + db.DriverID);
}

}  // namespace fixture
