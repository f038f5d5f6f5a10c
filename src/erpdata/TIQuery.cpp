#include "erpdata/TIQuery.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <exception>
#include <future>
#include <mutex>
#include <thread>

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>
#include <QVariant>

#include "erpdata/Erros.h"
#include "erpdata/Firebird.h"
#include "erpdata/LogSQL.h"
#include "erpdata/TIDatabase_p.h"

namespace erpdata {

namespace {

std::string Maiusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

bool Contem(std::string_view s, std::string_view p) { return s.find(p) != std::string_view::npos; }

constexpr int64_t kJulianoDe1970 = 2440588;

TipoColuna TipoDaColuna(const QMetaType& t) {
    switch (t.id()) {
        case QMetaType::Bool:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: return TipoColuna::Inteiro;
        case QMetaType::Float:
        case QMetaType::Double: return TipoColuna::Real;
        case QMetaType::QDate: return TipoColuna::Data;
        case QMetaType::QDateTime: return TipoColuna::DataHora;
        case QMetaType::QTime: return TipoColuna::Hora;
        default: return TipoColuna::Texto;
    }
}

// Time limit in milliseconds for a statement of this query.
int LimitePadrao(Dialeto d) { return d == Dialeto::Firebird ? 60000 : 30000; }

// Sets statement_timeout on the PostgreSQL session when it differs from what is set.
void AjustaTempoLimitePg(TTIDatabase::Impl& i, int ms) {
    if (i.tempoLimitePg == ms) return;
    QSqlQuery q(i.db);
    if (q.exec(QStringLiteral("SET statement_timeout = %1").arg(ms))) i.tempoLimitePg = ms;
}

// The QIBASE driver hands its isc_db_handle out as the unsigned int it is.
const void* HandleFirebird(TTIDatabase::Impl& i, QVariant& guarda) {
    guarda = i.db.driver()->handle();
    if (!guarda.isValid()) return nullptr;
    if (qstrcmp(guarda.typeName(), "isc_db_handle") != 0 && guarda.metaType().id() != QMetaType::UInt) return nullptr;
    return guarda.constData();
}

// Firebird describes a CHAR(n) column of a UTF8 connection as 4n bytes, and the
// driver hands out all of them: "0" comes as "0" and three blanks. The column's
// value is its first n characters.
constexpr int kFbCharFixo = 452;
int CaracteresCharFirebird(const QSqlField& f) {
    if ((f.typeID() & ~1) != kFbCharFixo || f.length() <= 0 || f.length() % 4 != 0) return -1;
    return f.length() / 4;
}

// Fixed-point columns arrive as doubles computed by dividing the scaled integer
// (1234567.8900000001); rounding to the column's scale gives the nearest double
// to the decimal the server holds.
double ArredondaEscala(double v, int escala) {
    static constexpr double kPot[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (escala <= 0 || escala > 9) return v;
    double m = v * kPot[escala];
    if (!(std::fabs(m) < 9.0e15)) return v;
    return std::nearbyint(m) / kPot[escala];
}

}  // namespace

// ---- field -----------------------------------------------------------------

std::string TTIField::AsString() const {
    if (q_->IsEmpty()) return {};
    return q_->resultado_->AsString(q_->atual_, indice_);
}
double TTIField::AsFloat() const { return q_->IsEmpty() ? 0 : q_->resultado_->AsFloat(q_->atual_, indice_); }
util::Currency TTIField::AsCurrency() const {
    return q_->IsEmpty() ? util::Currency() : q_->resultado_->AsCurrency(q_->atual_, indice_);
}
util::Data TTIField::AsDate() const { return q_->IsEmpty() ? util::Data() : q_->resultado_->AsDate(q_->atual_, indice_); }
int64_t TTIField::AsInteger() const { return q_->IsEmpty() ? 0 : q_->resultado_->AsInteger(q_->atual_, indice_); }
bool TTIField::IsNull() const { return q_->IsEmpty() || q_->resultado_->IsNull(q_->atual_, indice_); }
const std::string& TTIField::FieldName() const { return q_->FieldName(indice_); }

// ---- query -----------------------------------------------------------------

TTIQuery::TTIQuery(TTIDatabase* db) : db_(db) {}
TTIQuery::~TTIQuery() = default;

TTIDatabase& TTIQuery::Banco() const {
    if (!db_) throw EDatabaseError("Consulta sem conexão com o banco de dados");
    return *db_;
}

void TTIQuery::SetSQL(std::string_view texto) {
    sql_.assign(texto);
    if (!sql_.empty() && sql_.back() != '\n') sql_ += "\r\n";
}

void TTIQuery::AddSQL(std::string_view linha) {
    sql_.append(linha);
    sql_ += "\r\n";
}

void TTIQuery::Close() {
    resultado_.reset();
    atual_ = 0;
    eof_ = true;
    indicesLocate_.clear();
}

const std::string& TTIQuery::TraduzTexto() {
    TTIDatabase& db = Banco();
    ExecutorDicionario dicionario = [&db](const std::string& sql) {
        TTIQuery q(&db);
        q.SetSQL(sql);
        q.Open();
        std::vector<std::string> cols;
        for (q.First(); !q.Eof(); q.Next()) cols.push_back(q.Fields(0).AsString());
        return cols;
    };
    traduzido_ = cache_.Traduz(sql_, db.DialetoAtual(), dicionario);
    if (db.GravaLog()) GravaLogSQL(&db, traduzido_, true);
    return traduzido_;
}

void TTIQuery::Open() {
    Close();
    TTIDatabase& db = Banco();
    Dialeto d = db.DialetoAtual();
    try {
        std::string inicio = Maiusculas(std::string_view(sql_).substr(0, 6));
        if (Contem(inicio, "UPDATE") || Contem(inicio, "INSERT") || Contem(inicio, "DELETE")) {
            ExecSQL();
            return;
        }
        AbreSelect();
    } catch (const std::exception& e) {
        Close();
        if (d == Dialeto::PostgreSQL && db.Transacao().Active()) {
            try {
                db.Transacao().RollbackRetaining();
            } catch (...) {
                try {
                    db.Transacao().RollbackRetaining();
                } catch (...) {
                }
            }
        }
        throw EDatabaseError(std::string("Erro TIQuery.Open: ") + e.what());
    }
}

namespace {

// Runs a select on the connection `i` and fetches every row into a compact store;
// `aoBuscar`, when given, hears the rows fetched so far every 256 rows.
std::unique_ptr<ResultadoMemoria> ExecutaEBusca(TTIDatabase::Impl& i, Dialeto d, const std::string& texto,
                                                const std::function<void(int64_t)>& aoBuscar, int limite) {
    QSqlQuery q(i.db);
    // Forward-only lets the driver stream: QPSQL then holds one row at a time
    // instead of the whole result, and we keep the rows in our compact store.
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    QVariant guarda;
    std::unique_ptr<CanceladorFirebird> cancelador;
    if (d == Dialeto::Firebird && limite > 0) cancelador = std::make_unique<CanceladorFirebird>(HandleFirebird(i, guarda), limite);

    if (!q.exec(QString::fromStdString(texto))) {
        std::string msg = MensagemFalha(i, q.lastError());
        if (cancelador && cancelador->Disparou()) msg = "Timeout expired: " + msg;
        throw EDatabaseError(msg);
    }

    QSqlRecord rec = q.record();
    std::vector<ColunaResultado> colunas;
    std::vector<int> escalas, caracteresChar;
    colunas.reserve(rec.count());
    for (int c = 0; c < rec.count(); ++c) {
        QSqlField f = rec.field(c);
        colunas.push_back({f.name().toStdString(), TipoDaColuna(f.metaType()), 0, 0});
        escalas.push_back(f.precision());
        caracteresChar.push_back(d == Dialeto::Firebird ? CaracteresCharFirebird(f) : -1);
    }
    auto res = std::make_unique<ResultadoMemoria>(std::move(colunas));
    std::vector<TipoColuna> tipos;
    for (size_t c = 0; c < res->Colunas(); ++c) tipos.push_back(res->Coluna(c).tipo);

    int64_t buscadas = 0;
    if (aoBuscar) aoBuscar(0);
    while (q.next()) {
        if (aoBuscar && (++buscadas & 255) == 0) aoBuscar(buscadas);
        for (int c = 0; c < static_cast<int>(tipos.size()); ++c) {
            if (q.isNull(c)) { res->Nulo(); continue; }
            QVariant v = q.value(c);
            switch (tipos[c]) {
                case TipoColuna::Texto:
                    if (v.metaType().id() == QMetaType::QString) {
                        const QString* s = static_cast<const QString*>(v.constData());
                        qsizetype n = s->size();
                        if (caracteresChar[c] >= 0)
                            while (n > caracteresChar[c] && s->at(n - 1) == QLatin1Char(' ')) --n;
                        res->TextoUtf16(reinterpret_cast<const char16_t*>(s->utf16()), static_cast<size_t>(n));
                    } else if (v.metaType().id() == QMetaType::QByteArray) {
                        const QByteArray* b = static_cast<const QByteArray*>(v.constData());
                        res->Texto(std::string_view(b->constData(), static_cast<size_t>(b->size())));
                    } else {
                        QString s = v.toString();
                        res->TextoUtf16(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size()));
                    }
                    break;
                case TipoColuna::Inteiro: res->Inteiro(v.toLongLong()); break;
                case TipoColuna::Real: res->Real(ArredondaEscala(v.toDouble(), escalas[c])); break;
                case TipoColuna::Data: res->Data(static_cast<int32_t>(v.toDate().toJulianDay() - kJulianoDe1970)); break;
                case TipoColuna::DataHora: {
                    QDateTime dt = v.toDateTime();
                    int64_t dias = dt.date().toJulianDay() - kJulianoDe1970;
                    res->DataHora(dias * 86400 + dt.time().msecsSinceStartOfDay() / 1000);
                    break;
                }
                case TipoColuna::Hora: res->Hora(v.toTime().msecsSinceStartOfDay() / 1000); break;
            }
        }
        res->FechaLinha();
    }
    if (q.lastError().isValid()) {
        std::string msg = MensagemFalha(i, q.lastError());
        if (cancelador && cancelador->Disparou()) msg = "Timeout expired: " + msg;
        throw EDatabaseError(msg);
    }
    return res;
}

}  // namespace

void TTIQuery::AbreSelect() {
    TTIDatabase& db = Banco();
    auto& i = db.impl();
    Dialeto d = db.DialetoAtual();
    const std::string& texto = TraduzTexto();
    if (!db.Conectado()) throw EDatabaseError("Conexão com o banco de dados não está aberta");

    // Reads run without a time limit unless the query asks to keep it (never on
    // PostgreSQL, whose limit would also cut the fetch).
    int limite = 0;
    if (TimeOutOpen && d != Dialeto::PostgreSQL && TempoLimite) limite = TempoLimiteMs ? TempoLimiteMs : LimitePadrao(d);
    if (d == Dialeto::PostgreSQL) AjustaTempoLimitePg(i, 0);

    if (BuscaEmSegundoPlano && AoBuscarLinhas && limite == 0) {
        if (auto res = BuscaEmOutraConexao(i, d, texto)) {
            resultado_ = std::move(res);
            First();
            return;
        }
    }
    resultado_ = ExecutaEBusca(i, d, texto, AoBuscarLinhas, limite);
    First();
}

namespace {

// The worker's statement as the caller's thread can stop it. The worker installs
// the cancellation once its connection is open and removes it before closing it.
class CancelaBusca {
public:
    void Define(std::function<void()> f) {
        std::lock_guard lk(m_);
        cancela_ = std::move(f);
    }
    void Cancela() {
        std::lock_guard lk(m_);
        if (cancela_) cancela_();
    }

private:
    std::mutex m_;
    std::function<void()> cancela_;
};

struct BuscaAbandonada {};

}  // namespace

std::unique_ptr<ResultadoMemoria> TTIQuery::BuscaEmOutraConexao(TTIDatabase::Impl& i, Dialeto d,
                                                               const std::string& texto) {
    // A Qt connection belongs to the thread that opened it: the worker opens its own
    // copy of this one, and closes and forgets it before it ends.
    static std::atomic<int> seq{0};
    const QString nome = i.nomeConexao + QStringLiteral("-busca-%1").arg(seq++);
    std::atomic<int64_t> buscadas{0};
    // Set when AoBuscarLinhas failed: nobody wants the rows any more.
    std::atomic<bool> abandonada{false};
    CancelaBusca cancelamento;
    // Read only after the worker ended (the future orders it).
    bool perdidaNoTrabalhador = false;
    auto tarefa = std::async(std::launch::async, [&]() -> std::unique_ptr<ResultadoMemoria> {
        TTIDatabase::Impl w;
        w.nomeConexao = nome;
        struct Esquece {
            TTIDatabase::Impl& w;
            CancelaBusca& cancelamento;
            ~Esquece() {
                cancelamento.Define(nullptr);
                if (w.db.isOpen()) w.db.close();
                w.db = QSqlDatabase();
                QSqlDatabase::removeDatabase(w.nomeConexao);
            }
        } esquece{w, cancelamento};
        w.db = QSqlDatabase::cloneDatabase(i.nomeConexao, nome);
        // Without a second connection (the server refuses one more) the fetch
        // runs on the query's own connection, as without a worker.
        if (!w.db.open()) return nullptr;
        if (d == Dialeto::PostgreSQL) {
            QSqlQuery sessao(w.db);
            sessao.exec(QStringLiteral("SET statement_timeout TO 0"));
            // The driver reads a result to its end before it lets go of it, however
            // little of it is still wanted: only the server can cut it short, asked
            // from the query's own connection (it belongs to the caller's thread).
            if (sessao.exec(QStringLiteral("SELECT pg_backend_pid()")) && sessao.next()) {
                const qlonglong pid = sessao.value(0).toLongLong();
                cancelamento.Define([&i, pid] {
                    QSqlQuery q(i.db);
                    q.exec(QStringLiteral("SELECT pg_cancel_backend(%1)").arg(pid));
                });
            }
        } else if (d == Dialeto::Firebird) {
            QVariant guarda;
            if (HandleFirebird(w, guarda)) cancelamento.Define([guarda] { CancelaOperacaoFirebird(guarda.constData()); });
        }
        if (abandonada.load()) throw BuscaAbandonada{};
        auto aoBuscar = [&](int64_t n) {
            if (abandonada.load(std::memory_order_relaxed)) throw BuscaAbandonada{};
            buscadas.store(n, std::memory_order_relaxed);
        };
        try {
            return ExecutaEBusca(w, d, texto, aoBuscar, 0);
        } catch (const EDatabaseError&) {
            perdidaNoTrabalhador = w.perdida;
            throw;
        }
    });

    // A callback that fails (a window torn down mid-run) is not called again; the
    // worker's statement is cancelled, and the failure raised once the worker ended.
    std::exception_ptr falhaAviso;
    auto avisa = [&](int64_t n) {
        try {
            AoBuscarLinhas(n);
        } catch (...) {
            falhaAviso = std::current_exception();
            abandonada.store(true);
        }
    };
    avisa(0);
    while (!falhaAviso && tarefa.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        avisa(buscadas.load(std::memory_order_relaxed));
    if (falhaAviso) {
        // Asked again until the worker ends: a cancellation that reaches the server
        // just before the statement starts cancels nothing.
        do cancelamento.Cancela();
        while (tarefa.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready);
        std::rethrow_exception(falhaAviso);
    }
    try {
        return tarefa.get();
    } catch (const EDatabaseError&) {
        // The worker's copy found the server gone; whether this connection is gone
        // too is only known by asking it, and Perdida() must say so (the message
        // raised stays the worker's).
        if (perdidaNoTrabalhador) Banco().Responde();
        throw;
    }
}

void TTIQuery::Executa(const std::string& texto, bool limite) {
    TTIDatabase& db = Banco();
    auto& i = db.impl();
    Dialeto d = db.DialetoAtual();
    if (!db.Conectado()) throw EDatabaseError("Conexão com o banco de dados não está aberta");
    int ms = limite ? (TempoLimiteMs ? TempoLimiteMs : LimitePadrao(d)) : 0;

    // Writes run inside the connection's one transaction, started by the first write
    // after a commit or rollback and ended only by the next one.
    db.Transacao().StartTransaction();
    if (d == Dialeto::PostgreSQL) AjustaTempoLimitePg(i, ms);

    QVariant guarda;
    std::unique_ptr<CanceladorFirebird> cancelador;
    if (d == Dialeto::Firebird && ms > 0) cancelador = std::make_unique<CanceladorFirebird>(HandleFirebird(i, guarda), ms);

    QSqlQuery q(i.db);
    if (!q.exec(QString::fromStdString(texto))) {
        QSqlError e = q.lastError();
        std::string msg = MensagemFalha(i, e);
        bool estourou = (cancelador && cancelador->Disparou()) ||
                        (d == Dialeto::PostgreSQL && ms > 0 && e.nativeErrorCode() == QLatin1String("57014"));
        if (estourou) msg = "Timeout expired: " + msg;
        throw EDatabaseError(msg);
    }
    // Only changes have a row count (QIBASE warns when asked after other statements).
    std::string inicio = Maiusculas(std::string_view(texto).substr(0, std::min<size_t>(texto.size(), 16)));
    size_t p = inicio.find_first_not_of(" \t\r\n");
    std::string_view verbo = p == std::string::npos ? std::string_view() : std::string_view(inicio).substr(p);
    bool mudanca = verbo.rfind("INSERT", 0) == 0 || verbo.rfind("UPDATE", 0) == 0 || verbo.rfind("DELETE", 0) == 0;
    linhasAfetadas_ = mudanca ? q.numRowsAffected() : 0;
}

void TTIQuery::ExecSQL() {
    Close();
    TTIDatabase& db = Banco();
    const std::string& texto = TraduzTexto();
    try {
        Executa(texto, TempoLimite);
    } catch (const std::exception& e) {
        std::string msg = e.what();
        if (db.DialetoAtual() == Dialeto::PostgreSQL && db.Transacao().Active()) {
            try {
                db.Transacao().RollbackRetaining();
            } catch (...) {
            }
        }
        GravaLogSQL(&db, "ExecSQL (" + msg + "): " + texto);
        if (Contem(Maiusculas(msg), "TIMEOUT EXPIRED")) throw EDatabaseError("ERRO PROVÁVEL DE DEADLOCK :\r\r" + texto);
        throw EDatabaseError(msg);
    }
}

void TTIQuery::TryExecSQL() {
    Close();
    TTIDatabase& db = Banco();
    const std::string& texto = TraduzTexto();
    constexpr int kTentativas = 4;  // the first and three more
    for (int tentativa = 1;; ++tentativa) {
        try {
            Executa(texto, TempoLimite);
            return;
        } catch (const std::exception& e) {
            std::string msg = e.what();
            if (db.DialetoAtual() == Dialeto::PostgreSQL && db.Transacao().Active()) {
                try {
                    db.Transacao().RollbackRetaining();
                } catch (...) {
                }
            }
            std::string m = Maiusculas(msg);
            bool repete = Contem(m, "TIMEOUT EXPIRED") || Contem(m, "DEADLOCK");
            if (!repete || tentativa == kTentativas) {
                GravaLogSQL(&db, "TryExecSQL (Tentativa: " + std::to_string(tentativa) + ") (" + msg + "): " + texto);
                throw EDatabaseError(msg);
            }
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    }
}

void TTIQuery::SetRecNo(int64_t n) {
    if (Total() == 0) return;
    if (n < 1) n = 1;
    if (static_cast<size_t>(n) > Total()) n = static_cast<int64_t>(Total());
    atual_ = static_cast<size_t>(n - 1);
    eof_ = false;
}

int TTIQuery::FieldCount() const { return resultado_ ? static_cast<int>(resultado_->Colunas()) : 0; }

const std::string& TTIQuery::FieldName(int i) const {
    if (!resultado_ || i < 0 || i >= FieldCount()) throw EDatabaseError("Campo de índice " + std::to_string(i) + " não existe");
    return resultado_->Coluna(static_cast<size_t>(i)).nome;
}

int TTIQuery::FindField(std::string_view nome) const { return resultado_ ? resultado_->IndiceColuna(nome) : -1; }

TTIField TTIQuery::FieldByName(std::string_view nome) const {
    int i = FindField(nome);
    if (i < 0) throw EDatabaseError("Campo '" + std::string(nome) + "' não encontrado");
    return TTIField(*this, i);
}

bool TTIQuery::Locate(std::string_view campos, const std::vector<std::string>& valores) {
    if (!resultado_) return false;
    std::vector<int> indices;
    size_t ini = 0;
    while (ini <= campos.size()) {
        size_t fim = campos.find(';', ini);
        if (fim == std::string_view::npos) fim = campos.size();
        indices.push_back(FieldByName(campos.substr(ini, fim - ini)).Indice());
        ini = fim + 1;
    }
    if (indices.size() != valores.size())
        throw EDatabaseError("Locate: " + std::to_string(indices.size()) + " campos e " + std::to_string(valores.size()) + " valores");

    std::string chaveCampos;
    for (int i : indices) chaveCampos += std::to_string(i) + ";";
    auto [it, novo] = indicesLocate_.try_emplace(chaveCampos);
    auto& indice = it->second;
    if (novo) {
        for (size_t l = 0; l < resultado_->Linhas(); ++l) {
            std::string chave;
            bool temNulo = false;
            for (int c : indices) {
                if (resultado_->IsNull(l, c)) { temNulo = true; break; }
                chave += resultado_->AsString(l, c);
                chave += '\x1f';
            }
            if (!temNulo) indice.try_emplace(std::move(chave), l);
        }
    }
    std::string procura;
    for (const auto& v : valores) { procura += v; procura += '\x1f'; }
    auto achado = indice.find(procura);
    if (achado == indice.end()) return false;
    atual_ = achado->second;
    eof_ = false;
    return true;
}

}  // namespace erpdata
