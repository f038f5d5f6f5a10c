#pragma once
// Rewriting of the program's SQL (written once, in Firebird syntax with a few
// portable macros) for the connected database: Firebird, Oracle or PostgreSQL.
// Pure text in, text out; the query component calls it before every execution.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace erpdata {

enum class Dialeto { Firebird, Oracle, PostgreSQL };

// Oracle when the driver identifier contains "Ora", PostgreSQL when it contains
// "PG", Firebird otherwise.
Dialeto DialetoDoDriver(std::string_view driverId);

// Runs Oracle's dictionary query for the alias.* expansion and returns the column
// names in order. The query component hands one that opens a query on its
// connection; tests hand a table.
using ExecutorDicionario = std::function<std::vector<std::string>(const std::string& sql)>;

// The dictionary statement that lists a table's columns (large objects left out).
std::string SqlColunasOracle(std::string_view tabela);

// The statement rewritten for the dialect. Never throws for bad SQL: what cannot be
// parsed is left as written and the server reports it.
std::string Traduz(std::string_view sql, Dialeto dialeto, const ExecutorDicionario& dicionario = {});

// One translation per distinct text: reopening a query with the same text reuses the
// last result. The comparison is exact: two statements that differ only in the case
// of a quoted value (NOME = 'a' / NOME = 'A') are different statements.
class CacheTraducao {
public:
    const std::string& Traduz(const std::string& sql, Dialeto dialeto, const ExecutorDicionario& dicionario = {});
    // How many times the rules actually ran (the cache missed).
    int Traducoes() const { return traducoes_; }
    void Limpa() { original_.clear(); traduzido_.clear(); valido_ = false; }

private:
    std::string original_;
    std::string traduzido_;
    Dialeto dialeto_ = Dialeto::Firebird;
    bool valido_ = false;
    int traducoes_ = 0;
};

}  // namespace erpdata
