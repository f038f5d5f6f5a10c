#pragma once
// The query: runs the translated text, fetches every row into a compact in-memory
// result, and reads fields by name. Opening a statement that changes data routes it
// to ExecSQL; failures become EDatabaseError with the component's prefixes.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "erpdata/ResultadoMemoria.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/Traduz.h"
#include "util/Currency.h"
#include "util/Data.h"

namespace erpdata {

class TTIQuery;

// A field of the current row. Cheap to copy; resolve it once with FieldByName and
// keep it: each read goes to the query's current row.
class TTIField {
public:
    TTIField(const TTIQuery& q, int indice) : q_(&q), indice_(indice) {}
    std::string AsString() const;
    double AsFloat() const;
    util::Currency AsCurrency() const;
    util::Data AsDate() const;
    int64_t AsInteger() const;
    bool IsNull() const;
    int Indice() const { return indice_; }
    const std::string& FieldName() const;

private:
    const TTIQuery* q_;
    int indice_;
};

class TTIQuery {
public:
    explicit TTIQuery(TTIDatabase* db = nullptr);
    ~TTIQuery();
    TTIQuery(const TTIQuery&) = delete;
    TTIQuery& operator=(const TTIQuery&) = delete;

    void SetDatabase(TTIDatabase* db) { db_ = db; }
    TTIDatabase* Database() const { return db_; }

    // Keep the command time limit when opening (Firebird and Oracle only).
    bool TimeOutOpen = false;
    // Apply the command time limit when executing.
    bool TempoLimite = true;
    // Milliseconds of the command time limit; 0 picks the system's (60 s on
    // Firebird, 30 s elsewhere). Tests shorten it.
    int TempoLimiteMs = 0;

    // Called now and then while an opening fetches rows (with the rows fetched so
    // far), so that a window can keep repainting during a long fetch.
    std::function<void(int64_t)> AoBuscarLinhas;
    // With AoBuscarLinhas: the statement runs and its rows are fetched on a second
    // connection in a worker thread, and AoBuscarLinhas is called every few
    // milliseconds from this thread meanwhile, also while the server is still
    // working out the first row (a window keeps repainting all along). Without a
    // second connection the fetch runs here as usual. Failures read as on the
    // query's own connection, whose Perdida() also tells when the server went away.
    // An AoBuscarLinhas that raises is not called again: the worker's statement is
    // cancelled, and its exception raised (as an Open failure) once the worker ended.
    bool BuscaEmSegundoPlano = false;

    // The SQL text; every line ends with CR LF.
    void SetSQL(std::string_view texto);
    void AddSQL(std::string_view linha);
    void ClearSQL() { sql_.clear(); }
    const std::string& SQL() const { return sql_; }
    // The text as last sent to the server.
    const std::string& SQLTraduzido() const { return traduzido_; }
    int Traducoes() const { return cache_.Traducoes(); }

    void Open();
    void ExecSQL();
    void TryExecSQL();
    void Close();
    bool Active() const { return resultado_ != nullptr; }
    int64_t RowsAffected() const { return linhasAfetadas_; }

    // Navigation over the fetched rows, as the platform's datasets do: after Next on
    // the last row Eof is true and the fields still read the last row. RecNo is
    // 1-based (0 when there are no rows).
    void FetchAll() {}
    void First() { atual_ = 0; eof_ = Total() == 0; }
    void Next() { if (atual_ + 1 < Total()) ++atual_; else eof_ = true; }
    void Prior() { if (atual_ > 0) --atual_; eof_ = Total() == 0; }
    void Last() { atual_ = Total() ? Total() - 1 : 0; eof_ = Total() == 0; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const { return Total() == 0; }
    int64_t RecNo() const { return Total() ? static_cast<int64_t>(atual_) + 1 : 0; }
    void SetRecNo(int64_t n);
    int64_t RecordCount() const { return static_cast<int64_t>(Total()); }

    // Moves to the first row whose fields (names separated by ";") read, as text,
    // exactly the given values. A null field matches nothing. Unchanged position
    // and false when no row matches. Repeated look-ups on the same fields use a
    // hash index built on the first one.
    bool Locate(std::string_view campos, const std::vector<std::string>& valores);

    int FieldCount() const;
    const std::string& FieldName(int i) const;
    // -1 when there is no such field.
    int FindField(std::string_view nome) const;
    // Raises "Campo 'X' não encontrado" when the result has no such column.
    TTIField FieldByName(std::string_view nome) const;
    TTIField Fields(int i) const { return TTIField(*this, i); }

    const ResultadoMemoria* Resultado() const { return resultado_.get(); }
    size_t LinhaAtual() const { return atual_; }

private:
    friend class TTIField;
    size_t Total() const { return resultado_ ? resultado_->Linhas() : 0; }
    TTIDatabase& Banco() const;
    const std::string& TraduzTexto();
    void AbreSelect();
    std::unique_ptr<ResultadoMemoria> BuscaEmOutraConexao(TTIDatabase::Impl& i, Dialeto d, const std::string& texto);
    void ExecutaSemTentativas(const char* origem, int tentativa);
    void Executa(const std::string& texto, bool limite);

    TTIDatabase* db_ = nullptr;
    std::string sql_;
    std::string traduzido_;
    CacheTraducao cache_;
    std::unique_ptr<ResultadoMemoria> resultado_;
    size_t atual_ = 0;
    bool eof_ = true;
    int64_t linhasAfetadas_ = 0;
    std::unordered_map<std::string, std::unordered_map<std::string, size_t>> indicesLocate_;
};

}  // namespace erpdata
