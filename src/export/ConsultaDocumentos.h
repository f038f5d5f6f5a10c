#pragma once
// The documents statement: every fiscal document of the company and period in
// one query, incoming UNION ALL outgoing, one row per item line, 152 columns that
// every register builder reads by name.
#include <functional>
#include <string>
#include <vector>

#include "util/Data.h"

namespace exportacao {

struct TParametrosDocumentos {
    util::Data inicio;           // first day of the period
    util::Data fim;              // last day of the period
    std::string codigoEmpresa;   // the run's company code
    std::string nota;            // one document number, as typed; empty: every document
    bool zerado = false;         // also documents with PIS and COFINS of zero
};

// Physical name of a per-company table from its logical name.
using TNomeTabela = std::function<std::string(const std::string&)>;

// The statement's lines, in Firebird syntax (the query layer translates it).
std::vector<std::string> MontaSQLDocumentos(const TParametrosDocumentos& p, const TNomeTabela& nomeTabela);

// Lines joined as one SQL text, each followed by CR LF.
std::string JuntaLinhas(const std::vector<std::string>& linhas);

// The result's column names, in order.
const std::vector<std::string>& ColunasDocumentos();

}  // namespace exportacao
