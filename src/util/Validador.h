#pragma once
// Document-number checks the block writers run on what they write: CNPJ and CPF
// check digits, state abbreviations, IBGE municipality codes and item genres.
// They only answer valid or invalid; the writers turn a failure into their own
// message through the data-check hook, which never stops the file.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace util {

// Raised by a validator with RaiseExcept, and for a document kind it does not know.
class EValidadorErro : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TValTipoDocto {
    docCPF, docCNPJ, docUF, docInscEst, docNumCheque, docPIS, docCEP, docCartaoCredito, docSuframa,
    docGTIN, docRenavam, docEmail, docCNH, docPrefixoGTIN, docCAEPF, docPlacaMercosul, docCNS
};

enum class TCalcDigFormula { frModulo11, frModulo10PIS, frModulo10 };

// Weighted-sum check-digit calculator. The digits of Documento are weighed from
// the last to the first, the weight stepping from MultiplicadorInicial towards
// MultiplicadorFinal and wrapping back; a non-digit counts as 0.
class TCalcDigito {
public:
    std::string Documento;
    int MultiplicadorInicial = 2;
    int MultiplicadorFinal = 9;
    int MultiplicadorAtual = 0;
    int DigitoFinal = 0;
    int ModuloFinal = 0;
    int SomaDigitos = 0;
    TCalcDigFormula FormulaDigito = TCalcDigFormula::frModulo11;

    // Sets SomaDigitos, ModuloFinal and DigitoFinal. Each call starts a new sum,
    // so the same calculator gives the first and then the second check digit.
    void Calcular();
    // Weights 2 to 9, current weight 0, modulo 11.
    void CalculoPadrao();
};

// Validates one document. This system checks CPF, CNPJ and UF; every other kind
// is reported as not supported (never as valid).
class TValidador {
public:
    const std::string& DoctoValidado() const { return FDoctoValidado; }
    const std::string& MsgErro() const { return FMsgErro; }
    TCalcDigito& Modulo() { return FModulo; }
    const std::string& DigitoCalculado() const { return FDigitoCalculado; }

    TValTipoDocto TipoDocto = TValTipoDocto::docCPF;
    std::string Documento;
    std::string Complemento;
    bool ExibeDigitoCorreto = false;
    std::string IgnorarChar = "./-";
    bool AjustarTamanho = false;
    bool PermiteVazio = false;
    bool RaiseExcept = false;
    std::function<void(const std::string&)> OnMsgErro;

    // True when the document is valid; sets MsgErro, DoctoValidado and DigitoCalculado.
    // With RaiseExcept an invalid document raises EValidadorErro instead; a kind
    // outside TValTipoDocto always raises.
    bool Validar();

private:
    void ValidaCNPJ();
    void ValidaCPF();
    void ValidaUF();
    // Left-pads DoctoValidado with "0" to `tamanho` when AjustarTamanho is set.
    void AjustaTamanho(size_t tamanho);

    std::string FDoctoValidado;
    std::string FMsgErro;
    std::string FDigitoCalculado;
    TCalcDigito FModulo;
};

// The error text of a one-shot validation; empty when the document is valid.
std::string ConfereDocumento(TValTipoDocto tipo, std::string_view documento, std::string_view complemento = {});

bool CNPJValido(std::string_view cnpj);       // empty counts as valid
bool CPFValido(std::string_view cpf);         // empty counts as valid
bool UFValida(std::string_view uf);           // empty is invalid; "EX" (abroad) is valid
bool MunicipioValido(int64_t codigo);         // official IBGE code, or 9999999 (abroad)
bool GeneroValido(std::string_view genero);   // "00" to "99"

}  // namespace util
