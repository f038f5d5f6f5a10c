#pragma once
// Qt side of the connection, shared by the connection and the query.
#include <cstdint>

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include "erpdata/TIDatabase.h"

namespace erpdata {

struct TTIDatabase::Impl {
    QString nomeConexao;
    QSqlDatabase db;
    bool transacaoAtiva = false;
    // Changes with every commit and rollback: a statement prepared before belongs to
    // a transaction that no longer exists (QIBASE keeps the old handle).
    uint64_t geracaoTransacao = 0;
    // statement_timeout currently set on the PostgreSQL session; -1 = not known.
    int tempoLimitePg = -1;
    // A failure found the server end gone (see TTIDatabase::Perdida).
    bool perdida = false;

    const char* NomeDriverQt(Dialeto d) const {
        switch (d) {
            case Dialeto::Firebird: return "QIBASE";
            case Dialeto::PostgreSQL: return "QPSQL";
            case Dialeto::Oracle: return "QOCI";
        }
        return "QIBASE";
    }
};

// The message of a failure: the server's own text when there is one.
std::string MensagemErroQt(const QSqlError& e);

// True when the server end of the connection is gone (its session ended, the server
// stopped, the network dropped): no statement can run on it any more.
bool ConexaoPerdida(TTIDatabase::Impl& i, const QSqlError& e);

// The message of a failed statement on this connection: MensagemErroQt, said to be a
// lost connection when it is one (and the connection then marked as lost).
std::string MensagemFalha(TTIDatabase::Impl& i, const QSqlError& e);

}  // namespace erpdata
