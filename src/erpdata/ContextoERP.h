#pragma once
// What the main window and the export run share about the ERP: the connection, the
// company entry, the per-run company code, the ARQLOCAL table aliases and the run's
// register-key list; with the helpers that build table names and quoted literals.
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace erpdata {

class TTIDatabase;

class TContextoERP {
public:
    explicit TContextoERP(TTIDatabase& db) : db_(db) {}

    TTIDatabase& Banco() const { return db_; }

    // Text of the company selector: EMP_PAT + " - " + EMP_NOME.
    std::string EntradaEmpresa;
    // Company code of the current run: NomeTabela("") at the start of each run.
    std::string sEmp;

    // Physical name of a per-company table: its ARQLOCAL alias, or the name as
    // written followed by the company code.
    std::string NomeTabela(std::string_view nome) const;
    // Reloads the aliases from ARQLOCAL (in ARQUIVO order; the first of a key wins).
    void CarregaArqLocal();
    void LimpaArqLocal();
    const std::vector<std::pair<std::string, std::string>>& LstArqLocal() const { return lstArqLocal_; }
    // Alias key of an ARQLOCAL name: NAT_CONTA_001 -> NAT_CONTA; a "_999" suffix,
    // a non-numeric suffix or no suffix leaves the name as it is.
    static std::string RemoveSufixo(std::string_view nome);

    // VALOR of the EMP_PARAM row of this type and code for the run's company, or "".
    std::string BuscaParametro(std::string_view tipo, int codigo) const;
    // First four characters of the company entry.
    std::string CodigoEmpresa() const;
    // The text as an SQL literal: between single quotes, embedded quotes doubled.
    static std::string Aspas(std::string_view texto);

    // Register-key gate of a run: true when prefix + key was already marked
    // (compared without regard to case); otherwise marks it when `incluir` and
    // returns false.
    bool JaIncluido(std::string_view prefixo, std::string_view chave, bool incluir);
    // A new run: empties the key list.
    void IniciaExecucao() { slLocate2_.clear(); }

private:
    TTIDatabase& db_;
    std::vector<std::pair<std::string, std::string>> lstArqLocal_;  // key (upper case), ARQUIVO
    std::unordered_map<std::string, std::string> porChave_;          // first ARQUIVO of a key
    std::unordered_set<std::string> slLocate2_;
};

}  // namespace erpdata
