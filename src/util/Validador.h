#pragma once
// Document-number checks the block writers run on what they write: CNPJ and CPF
// check digits, state abbreviations, IBGE municipality codes and item genres.
// They only answer valid or invalid; the writers turn a failure into their own
// message through the data-check hook, which never stops the file.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace util {

enum class TValTipoDocto {
    docCPF, docCNPJ, docUF, docInscEst, docNumCheque, docPIS, docCEP, docCartaoCredito, docSuframa,
    docGTIN, docRenavam, docEmail, docCNH, docPrefixoGTIN, docCAEPF, docPlacaMercosul, docCNS
};

enum class TCalcDigFormula { frModulo11, frModulo10PIS, frModulo10 };

// Weighted-sum check-digit calculator.
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

    void Calcular();
    // Weights 2 to 9, current weight 0, modulo 11.
    void CalculoPadrao();
};

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
    bool Validar();

private:
    std::string FDoctoValidado;
    std::string FMsgErro;
    std::string FDigitoCalculado;
    TCalcDigito FModulo;
};

// The error text of a one-shot validation; empty when the document is valid.
std::string ConfereDocumento(TValTipoDocto tipo, std::string_view documento, std::string_view complemento = {});

bool CNPJValido(std::string_view cnpj);       // empty counts as valid
bool CPFValido(std::string_view cpf);         // empty counts as valid
bool UFValida(std::string_view uf);           // empty is invalid
bool MunicipioValido(int64_t codigo);         // official IBGE code, or 9999999 (abroad)
bool GeneroValido(std::string_view genero);   // "00" to "99"

}  // namespace util
