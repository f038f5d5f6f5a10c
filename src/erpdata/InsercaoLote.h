#pragma once
// Bulk insertion for loading data (the fixture generator): prepared statements with
// bound values, many rows per statement where the server takes it (PostgreSQL),
// inside the connection's transaction. Values never pass through SQL text.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "util/Data.h"

namespace erpdata {

class TTIDatabase;

// A bound value: null, integer, number, text (UTF-8) or date.
using ValorSQL = std::variant<std::monostate, int64_t, double, std::string, util::Data>;

class TTIInsercaoLote {
public:
    TTIInsercaoLote(TTIDatabase& db, std::string tabela, std::vector<std::string> colunas);
    ~TTIInsercaoLote();
    TTIInsercaoLote(const TTIInsercaoLote&) = delete;
    TTIInsercaoLote& operator=(const TTIInsercaoLote&) = delete;

    // One row, values in column order. Raises EDatabaseError on a wrong count or a
    // failed statement (with the table's name in the message).
    void Adiciona(std::vector<ValorSQL> linha);
    // Sends the rows still buffered.
    void Descarrega();
    int64_t Total() const { return total_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int64_t total_ = 0;
};

}  // namespace erpdata
