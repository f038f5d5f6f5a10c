#pragma once
// The connection and its transaction over Qt SQL. Driver identifier "FB" opens
// Firebird through QIBASE (no host: the embedded engine on a local file, no server),
// "PG" PostgreSQL through QPSQL, "Ora" Oracle through QOCI when that plugin exists.
#include <memory>
#include <string>
#include <vector>

#include "erpdata/Traduz.h"

namespace erpdata {

class TTIDatabase;

// The connection's one transaction. A write starts it; nothing commits by itself:
// writes stay pending until CommitRetaining and are rolled back when the connection
// closes. Reads outside it each see what was committed when they start; inside it
// they also see its pending writes (and, on Firebird, nothing committed by others
// after it started: Qt starts Firebird transactions as snapshots).
class TTITransaction {
public:
    explicit TTITransaction(TTIDatabase& db) : db_(db) {}
    void StartTransaction();
    bool Active() const;
    void Commit();
    void Rollback();
    // Commit / roll back and leave the next write to start a fresh transaction, so
    // that the reads in between see what other users committed meanwhile (a
    // transaction started at once would freeze them at this moment on Firebird).
    void CommitRetaining();
    void RollbackRetaining();

private:
    TTIDatabase& db_;
};

// Machine data written into the SQL log lines.
struct TTIGravaLog {
    std::string NmMaquina;
    std::string NrIP;
};

class TTIDatabase {
public:
    TTIDatabase();
    ~TTIDatabase();
    TTIDatabase(const TTIDatabase&) = delete;
    TTIDatabase& operator=(const TTIDatabase&) = delete;

    // "FB", "Ora" or "PG".
    std::string DriverID = "FB";
    std::string HostName;
    std::string Database;
    std::string User;
    std::string Password;
    std::string NmUsuario;
    std::string NmMaquina;
    std::string NrIP;
    int Port = 0;

    // Host, colon, database. Setting it splits at the first colon: "srv:C:\base.fdb"
    // gives host srv and database C:\base.fdb; a blank value changes nothing else.
    void SetDatabaseName(const std::string& valor);
    const std::string& DatabaseName() const { return databaseName_; }

    void SetGravaLog(bool valor);
    bool GravaLog() const { return dadosGravaLog_ != nullptr; }
    const TTIGravaLog* DadosGravaLog() const { return dadosGravaLog_.get(); }

    // The client parameters in their order: "Server=", "Database=", "User_name=",
    // "Password=", "Port=", then "AuthMode=NORMAL" (Ora) or "Protocol=TCPIP" /
    // "PageSize=4096" (FB). Computed from the settings alone, without connecting.
    std::vector<std::string> Parametros() const;

    // Opens the connection; raises EDatabaseError with the driver's message.
    void Conecta();
    // Rolls back what is pending and closes.
    void Desconecta();
    bool Conectado() const;
    // True once a statement found the server end of the connection gone (its
    // session ended, the server stopped): nothing more can run on it, and only a
    // new Conecta clears it. The driver may still call such a connection open.
    bool Perdida() const;
    // Whether the server still answers a trivial statement. A connection that is
    // closed or lost does not; one whose statement fails for any other reason does.
    bool Responde();
    void SetConnected(bool conectado) { conectado ? Conecta() : Desconecta(); }

    TTITransaction& Transacao() { return transacao_; }
    // Runs a maintenance statement outside the connection's transaction (CREATE
    // DATABASE on PostgreSQL refuses to run inside one). Raises EDatabaseError.
    void ExecutaForaDaTransacao(const std::string& sql);
    Dialeto DialetoAtual() const { return DialetoDoDriver(DriverID); }

    struct Impl;
    Impl& impl() { return *impl_; }

private:
    std::string databaseName_;
    std::unique_ptr<TTIGravaLog> dadosGravaLog_;
    TTITransaction transacao_{*this};
    std::unique_ptr<Impl> impl_;
};

}  // namespace erpdata
