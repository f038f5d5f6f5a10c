#include "export/Inicializacao.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "erpdata/ContextoERP.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"

namespace exportacao {

std::pair<util::Data, util::Data> PeriodoPadrao(util::Data hoje) {
    int ano = hoje.Ano();
    int mes = static_cast<int>(hoje.Mes()) - 1;
    if (mes == 0) {
        mes = 12;
        --ano;
    }
    const util::Data inicio = util::Data::FromYMD(ano, static_cast<unsigned>(mes), 1);
    return {inicio, inicio.UltimoDiaDoMes()};
}

std::string NomeArquivoPadrao(util::Data fim) {
    // Month and year as the date's text shows them: dd/mm/yyyy, characters 4-5 and 9-10.
    const std::string texto = fim.Formata("dd/mm/yyyy");
    if (texto.size() < 10) return "SPED_Contribuicoes_.txt";
    return "SPED_Contribuicoes_" + texto.substr(3, 2) + texto.substr(8, 2) + ".txt";
}

std::string DefinePastaSPED(const std::string& pastaPrograma) {
    namespace fs = std::filesystem;
    const fs::path pasta = fs::path(pastaPrograma) / "SPED";
    std::error_code ec;
    fs::create_directories(pasta, ec);
    if (ec || !fs::is_directory(pasta, ec)) return pastaPrograma;
    std::string texto = pasta.string();
    texto += static_cast<char>(fs::path::preferred_separator);
    return texto;
}

std::vector<std::string> ListaEmpresas(erpdata::TContextoERP& ctx) {
    erpdata::TTIQuery q(&ctx.Banco());
    q.SetSQL("SELECT * FROM EMPRESA\r\nORDER BY EMP_PAT");
    q.Open();
    std::vector<std::string> empresas;
    const erpdata::TTIField pat = q.FieldByName("EMP_PAT");
    const erpdata::TTIField nome = q.FieldByName("EMP_NOME");
    for (q.First(); !q.Eof(); q.Next()) empresas.push_back(pat.AsString() + " - " + nome.AsString());
    return empresas;
}

void FixaHojePeloAmbiente() {
    const char* valor = std::getenv("SPED_DATA_HOJE");
    if (!valor || !*valor) return;
    if (auto d = util::Data::Parse(valor)) util::Data::FixaHoje(*d);
}

}  // namespace exportacao
