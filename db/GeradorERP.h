#pragma once
// Creates the ERP schema and fills it with deterministic, realistic data for tests
// and demonstrations: companies with valid CNPJ, participants with valid CNPJ/CPF,
// real IBGE municipalities, every document model the export dispatches on (and one
// it does not), 44-digit access keys with their check digit, natures with and
// without the ICMS exclusion, accounts, receipts with interest and settings rows.
// The same seed gives the same data on Firebird and on PostgreSQL.
#include <cstdint>
#include <string>
#include <vector>

namespace erpdata {
class TTIDatabase;
}

namespace fixture {

struct OpcoesGerador {
    int empresas = 2;
    int documentos = 40;  // per company, half incoming and half outgoing
    int itens = 4;        // most item lines of a document
    uint64_t semente = 1;
    int mes = 1;
    int ano = 2012;
    // Quotes, "|", line breaks, tabs, non-Windows-1252 text, long texts and NULLs in
    // the text columns; NULLs in the number and date columns; documents without goods
    // value that carry a discount.
    bool hostil = false;
    bool progresso = false;  // progress on stderr
};

// The schema text (db/esquema_erp.sql).
const char* TextoEsquemaERP();

// Logical tables every company reaches through an ARQLOCAL alias (shared catalogues).
const std::vector<std::string>& TabelasCompartilhadas();
// Physical name of a logical table for a company ("0001"): the shared alias or
// name + code.
std::string NomeFisico(const std::string& logico, const std::string& empresa);
// "0001", "0002", ...
std::string CodigoEmpresa(int i);

// Runs the schema statements: the global tables, then each company's tables (a
// shared table once).
void CriaEsquema(erpdata::TTIDatabase& db, int empresas);
// Fills every table and commits.
void GeraDados(erpdata::TTIDatabase& db, const OpcoesGerador& opcoes);

// Check digits, for the generator and its tests.
std::string DigitosCnpj(const std::string& doze);  // 12 digits -> 2 check digits
std::string DigitosCpf(const std::string& nove);   // 9 digits -> 2 check digits
char DigitoChaveAcesso(const std::string& quarentaTres);  // mod 11 of an NF-e/CT-e key

}  // namespace fixture
