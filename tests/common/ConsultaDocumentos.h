#pragma once
// The documents statement exactly as the export builds it, for the tests and
// benchmarks of the data layer that run it on each server.
#include <string>

#include "erpdata/ContextoERP.h"
#include "export/ConsultaDocumentos.h"
#include "util/Data.h"

namespace teste {

inline std::string ConsultaDocumentos(const erpdata::TContextoERP& ctx, util::Data inicio, util::Data fim,
                                      bool zerado = false, const std::string& nota = "") {
    exportacao::TParametrosDocumentos p;
    p.inicio = inicio;
    p.fim = fim;
    p.codigoEmpresa = ctx.sEmp;
    p.nota = nota;
    p.zerado = zerado;
    return exportacao::JuntaLinhas(
        exportacao::MontaSQLDocumentos(p, [&](const std::string& t) { return ctx.NomeTabela(t); }));
}

}  // namespace teste
