#include "erpdata/TIDatabase.h"

#include <atomic>

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlQuery>

#include "erpdata/Erros.h"
#include "erpdata/Firebird.h"
#include "erpdata/LogSQL.h"
#include "erpdata/TIDatabase_p.h"

namespace erpdata {

namespace {

std::string Apara(std::string_view s) {
    size_t i = 0, f = s.size();
    while (i < f && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
    while (f > i && (s[f - 1] == ' ' || s[f - 1] == '\t' || s[f - 1] == '\r' || s[f - 1] == '\n')) --f;
    return std::string(s.substr(i, f - i));
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::string MensagemErroQt(const QSqlError& e) {
    QString t = e.databaseText().trimmed();
    // QPSQL closes its text with the SQLSTATE in parentheses, empty for the errors
    // libpq makes itself (a connection that went away has none).
    if (t.endsWith(QLatin1String("()"))) t = t.chopped(2).trimmed();
    if (t.isEmpty()) t = e.driverText().trimmed();
    if (t.isEmpty()) t = e.text().trimmed();
    return t.toStdString();
}

bool ConexaoPerdida(TTIDatabase::Impl& i, const QSqlError& e) {
    if (!i.db.isValid()) return false;
    // QPSQL reports the connection closed once libpq has seen the server end go
    // ("server closed the connection unexpectedly").
    if (!i.db.isOpen()) return true;
    // A session ended by the server is reported before the socket closes; its
    // SQLSTATE says so: class 08 (connection exception), administrator or crash
    // shutdown, server starting or stopping, idle session time-outs.
    if (i.db.driverName() != QLatin1String("QPSQL")) return false;
    const QString codigo = e.nativeErrorCode();
    return codigo.startsWith(QLatin1String("08")) || codigo == QLatin1String("57P01") ||
           codigo == QLatin1String("57P02") || codigo == QLatin1String("57P03") || codigo == QLatin1String("57P05") ||
           codigo == QLatin1String("25P03");
}

std::string MensagemFalha(TTIDatabase::Impl& i, const QSqlError& e) {
    std::string msg = MensagemErroQt(e);
    // The server's words alone ("terminating connection due to administrator
    // command", "server closed the connection unexpectedly") do not tell the user
    // that every further statement will fail the same way until a new connection.
    if (ConexaoPerdida(i, e)) {
        i.perdida = true;
        return "a conexão com o banco de dados foi perdida: " + msg;
    }
    return msg;
}

TTIDatabase::TTIDatabase() : impl_(std::make_unique<Impl>()) {
    static std::atomic<int> seq{0};
    impl_->nomeConexao = QStringLiteral("erpdata-%1").arg(seq++);
}

TTIDatabase::~TTIDatabase() {
    try {
        Desconecta();
    } catch (...) {
    }
    impl_->db = QSqlDatabase();
    if (QSqlDatabase::contains(impl_->nomeConexao)) QSqlDatabase::removeDatabase(impl_->nomeConexao);
}

void TTIDatabase::SetDatabaseName(const std::string& valor) {
    databaseName_ = valor;
    if (Apara(valor).empty()) return;
    size_t dp = valor.find(':');
    if (dp != std::string::npos) {
        HostName = valor.substr(0, dp);
        Database = Apara(valor.substr(dp + 1));
    } else {
        Database = valor;
        HostName.clear();
    }
}

void TTIDatabase::SetGravaLog(bool valor) {
    if (!valor) {
        dadosGravaLog_.reset();
        return;
    }
    if (!dadosGravaLog_) {
        dadosGravaLog_ = std::make_unique<TTIGravaLog>();
        dadosGravaLog_->NmMaquina = NomeComputador();
        dadosGravaLog_->NrIP = EnderecoIPLocal();
    } else if (!dadosGravaLog_->NmMaquina.empty()) {
        dadosGravaLog_->NmMaquina = NomeComputador();
        dadosGravaLog_->NrIP = EnderecoIPLocal();
    }
}

std::vector<std::string> TTIDatabase::Parametros() const {
    std::vector<std::string> p;
    std::string host = Apara(HostName);
    if (!host.empty()) p.push_back("Server=" + host);
    p.push_back("Database=" + Apara(Database));
    if (!Apara(User).empty()) p.push_back("User_name=" + Apara(User));
    if (!Apara(Password).empty()) p.push_back("Password=" + Apara(Password));
    if (Port != 0) p.push_back("Port=" + std::to_string(Port));
    if (DriverID == "Ora") {
        p.push_back("AuthMode=NORMAL");
    } else if (DriverID == "FB") {
        if (!host.empty()) p.push_back("Protocol=TCPIP");
        p.push_back("PageSize=4096");
    }
    return p;
}

void TTIDatabase::Conecta() {
    if (Conectado()) return;
    Dialeto d = DialetoAtual();
    const char* driver = impl_->NomeDriverQt(d);
    if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(driver))) {
        const char* banco = d == Dialeto::Oracle ? "Oracle" : d == Dialeto::PostgreSQL ? "PostgreSQL" : "Firebird";
        throw EDatabaseError(std::string("Driver ") + driver + " do Qt SQL não está instalado: sem ele não é possível conectar ao " +
                             banco + " (instale o plugin de banco de dados " + driver + " do Qt 6).");
    }
    impl_->db = QSqlDatabase();
    if (QSqlDatabase::contains(impl_->nomeConexao)) QSqlDatabase::removeDatabase(impl_->nomeConexao);
    impl_->db = QSqlDatabase::addDatabase(QString::fromLatin1(driver), impl_->nomeConexao);

    // The same values Parametros() lists, handed to the Qt driver.
    std::string host = Apara(HostName);
    if (d == Dialeto::Firebird && host.empty()) PreparaFirebirdEmbutido();
    if (!host.empty()) impl_->db.setHostName(Q(host));
    impl_->db.setDatabaseName(Q(Apara(Database)));
    if (!Apara(User).empty()) impl_->db.setUserName(Q(Apara(User)));
    if (!Apara(Password).empty()) impl_->db.setPassword(Q(Apara(Password)));
    if (Port != 0) impl_->db.setPort(Port);
    if (d == Dialeto::Firebird) impl_->db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));

    if (!impl_->db.open()) {
        std::string msg = MensagemErroQt(impl_->db.lastError());
        impl_->db = QSqlDatabase();
        QSqlDatabase::removeDatabase(impl_->nomeConexao);
        throw EDatabaseError(msg);
    }
    impl_->transacaoAtiva = false;
    impl_->tempoLimitePg = -1;
    impl_->perdida = false;
}

void TTIDatabase::Desconecta() {
    SetGravaLog(false);
    if (!impl_->db.isValid()) return;
    if (impl_->db.isOpen()) {
        if (impl_->transacaoAtiva) impl_->db.rollback();
        impl_->db.close();
    }
    impl_->transacaoAtiva = false;
}

void TTIDatabase::ExecutaForaDaTransacao(const std::string& sql) {
    if (!Conectado()) throw EDatabaseError("Conexão com o banco de dados não está aberta");
    transacao_.Commit();
    QSqlQuery q(impl_->db);
    if (!q.exec(QString::fromStdString(sql))) throw EDatabaseError(MensagemFalha(*impl_, q.lastError()));
}

bool TTIDatabase::Conectado() const { return impl_->db.isValid() && impl_->db.isOpen(); }

bool TTIDatabase::Perdida() const { return impl_->perdida; }

bool TTIDatabase::Responde() {
    if (!Conectado() || impl_->perdida) return false;
    const char* sql = "SELECT 1";
    if (DialetoAtual() == Dialeto::Firebird) sql = "SELECT 1 FROM RDB$DATABASE";
    if (DialetoAtual() == Dialeto::Oracle) sql = "SELECT 1 FROM DUAL";
    QSqlQuery q(impl_->db);
    if (q.exec(QString::fromLatin1(sql))) return true;
    // Classifying the failure marks a lost connection; anything else (a transaction
    // the server aborted) means the server did answer.
    MensagemFalha(*impl_, q.lastError());
    return !impl_->perdida;
}

void TTITransaction::StartTransaction() {
    auto& i = db_.impl();
    if (i.transacaoAtiva) return;
    if (!db_.Conectado()) throw EDatabaseError("Conexão com o banco de dados não está aberta");
    if (!i.db.transaction()) throw EDatabaseError(MensagemFalha(i, i.db.lastError()));
    i.transacaoAtiva = true;
}

bool TTITransaction::Active() const { return db_.impl().transacaoAtiva; }

void TTITransaction::Commit() {
    auto& i = db_.impl();
    if (!i.transacaoAtiva) return;
    ++i.geracaoTransacao;
    if (!i.db.commit()) throw EDatabaseError(MensagemFalha(i, i.db.lastError()));
    i.transacaoAtiva = false;
}

void TTITransaction::Rollback() {
    auto& i = db_.impl();
    if (!i.transacaoAtiva) return;
    i.transacaoAtiva = false;
    ++i.geracaoTransacao;
    i.tempoLimitePg = -1;  // a SET inside the transaction is undone with it
    if (!i.db.rollback()) throw EDatabaseError(MensagemFalha(i, i.db.lastError()));
}

void TTITransaction::CommitRetaining() { Commit(); }

void TTITransaction::RollbackRetaining() { Rollback(); }

}  // namespace erpdata
