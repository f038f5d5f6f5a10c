#include "util/Validador.h"

#include <algorithm>
#include <array>

#include "util/TabelaMunicipios.h"

namespace util {
namespace {

bool EhDigito(char c) { return c >= '0' && c <= '9'; }

bool SoDigitos(std::string_view s) { return std::all_of(s.begin(), s.end(), EhDigito); }

// Leading and trailing characters with a code of 32 or less go.
std::string_view Apara(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return s;
}

// Names of the kinds in TValTipoDocto order, as the messages show them.
constexpr std::array<std::string_view, 17> kNomesTipo = {
    "CPF", "CNPJ", "UF", "Inscrição Estadual", "Número de Cheque", "PIS", "CEP", "Número de Cartão",
    "SUFRAMA", "GTIN", "Renavam", "E-Mail", "Carteira Nacional de Habilitação", "Prefixo do Código GTIN",
    "CAEPF", "Placa", "Número Cartão Nacional do SUS"};

std::string_view NomeTipo(TValTipoDocto tipo) {
    const auto i = static_cast<size_t>(tipo);
    return i < kNomesTipo.size() ? kNomesTipo[i] : std::string_view("Documento");
}

// The states and "EX" (abroad). A whole-code comparison: "SP,RJ" is not a state.
constexpr std::array<std::string_view, 28> kUFs = {
    "AC", "AL", "AP", "AM", "BA", "CE", "DF", "ES", "GO", "MA", "MT", "MS", "MG", "PA",
    "PB", "PR", "PE", "PI", "RJ", "RN", "RS", "RO", "RR", "SC", "SP", "SE", "TO", "EX"};

// One check digit of `documento` through the calculator's current settings.
char Digito(TCalcDigito& calc, std::string documento) {
    calc.Documento = std::move(documento);
    calc.Calcular();
    return static_cast<char>('0' + calc.DigitoFinal);
}

}  // namespace

void TCalcDigito::CalculoPadrao() {
    MultiplicadorInicial = 2;
    MultiplicadorFinal = 9;
    MultiplicadorAtual = 0;
    FormulaDigito = TCalcDigFormula::frModulo11;
}

void TCalcDigito::Calcular() {
    const bool sobe = MultiplicadorFinal >= MultiplicadorInicial;
    const int menor = sobe ? MultiplicadorInicial : MultiplicadorFinal;
    const int maior = sobe ? MultiplicadorFinal : MultiplicadorInicial;
    int peso = (MultiplicadorAtual >= menor && MultiplicadorAtual <= maior) ? MultiplicadorAtual
                                                                              : MultiplicadorInicial;
    // A fresh sum per call: the second check digit must not inherit the first one's.
    SomaDigitos = 0;
    for (auto it = Documento.rbegin(); it != Documento.rend(); ++it) {
        const int digito = EhDigito(*it) ? *it - '0' : 0;
        int produto = digito * peso;
        if (FormulaDigito == TCalcDigFormula::frModulo10 && produto > 9) produto = produto / 10 + produto % 10;
        SomaDigitos += produto;
        if (sobe) {
            if (++peso > MultiplicadorFinal) peso = MultiplicadorInicial;
        } else {
            if (--peso < MultiplicadorFinal) peso = MultiplicadorInicial;
        }
    }
    switch (FormulaDigito) {
        case TCalcDigFormula::frModulo11:
            ModuloFinal = SomaDigitos % 11;
            DigitoFinal = ModuloFinal <= 1 ? 0 : 11 - ModuloFinal;
            break;
        case TCalcDigFormula::frModulo10PIS:
            ModuloFinal = SomaDigitos % 11;
            DigitoFinal = 11 - ModuloFinal > 9 ? 0 : 11 - ModuloFinal;
            break;
        case TCalcDigFormula::frModulo10:
            ModuloFinal = SomaDigitos % 10;
            DigitoFinal = 10 - ModuloFinal > 9 ? 0 : 10 - ModuloFinal;
            break;
    }
}

bool TValidador::Validar() {
    FMsgErro.clear();
    FDigitoCalculado.clear();

    std::string limpo;
    if (TipoDocto == TValTipoDocto::docEmail) {
        limpo = Apara(Documento);
    } else {
        limpo.reserve(Documento.size());
        for (char c : Documento) {
            if (IgnorarChar.find(c) != std::string::npos) continue;
            limpo += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        limpo = Apara(limpo);
    }
    FDoctoValidado = std::move(limpo);

    if (FDoctoValidado.empty()) {
        if (PermiteVazio) return true;
        FMsgErro = std::string(NomeTipo(TipoDocto)) + " não pode ser vazio.";
    } else {
        switch (TipoDocto) {
            case TValTipoDocto::docCNPJ: ValidaCNPJ(); break;
            case TValTipoDocto::docCPF: ValidaCPF(); break;
            case TValTipoDocto::docUF: ValidaUF(); break;
            case TValTipoDocto::docInscEst:
            case TValTipoDocto::docNumCheque:
            case TValTipoDocto::docPIS:
            case TValTipoDocto::docCEP:
            case TValTipoDocto::docCartaoCredito:
            case TValTipoDocto::docSuframa:
            case TValTipoDocto::docGTIN:
            case TValTipoDocto::docRenavam:
            case TValTipoDocto::docEmail:
            case TValTipoDocto::docCNH:
            case TValTipoDocto::docPrefixoGTIN:
            case TValTipoDocto::docCAEPF:
            case TValTipoDocto::docPlacaMercosul:
            case TValTipoDocto::docCNS:
                // Not checked by this system: saying "valid" would pass anything.
                FMsgErro = "Validação de " + std::string(NomeTipo(TipoDocto)) + " não disponível neste sistema.";
                break;
            default:
                throw EValidadorErro("Tipo de documento informado inválido!");
        }
    }

    if (FMsgErro.empty()) return true;
    if (OnMsgErro) OnMsgErro(FMsgErro);
    if (RaiseExcept) throw EValidadorErro(FMsgErro);
    return false;
}

void TValidador::AjustaTamanho(size_t tamanho) {
    // Only shorter texts are completed; a longer one is left as it is and fails
    // the length rule, never cut into a number that might happen to check out.
    if (AjustarTamanho && FDoctoValidado.size() < tamanho)
        FDoctoValidado.insert(0, tamanho - FDoctoValidado.size(), '0');
}

void TValidador::ValidaCNPJ() {
    AjustaTamanho(14);
    const std::string& doc = FDoctoValidado;
    if (doc.size() != 14 || !SoDigitos(doc)) {
        FMsgErro = "CNPJ deve ter 14 dígitos. (Apenas números)";
        return;
    }
    if (doc == "00000000000000") {
        FMsgErro = "CNPJ inválido.";
        return;
    }
    FModulo.CalculoPadrao();
    const std::string base = doc.substr(0, 12);
    const char d1 = Digito(FModulo, base);
    const char d2 = Digito(FModulo, base + d1);
    FDigitoCalculado = {d1, d2};
    if (d1 != doc[12] || d2 != doc[13]) {
        FMsgErro = "CNPJ inválido.";
        if (ExibeDigitoCorreto) FMsgErro += ".. Digito calculado: " + FDigitoCalculado;
    }
}

void TValidador::ValidaCPF() {
    AjustaTamanho(11);
    const std::string& doc = FDoctoValidado;
    if (doc.size() != 11 || !SoDigitos(doc)) {
        FMsgErro = "CPF deve ter 11 dígitos. (Apenas números)";
        return;
    }
    // 000.000.000-00 ... 999.999.999-99 add up but are not numbers anyone holds.
    if (std::all_of(doc.begin(), doc.end(), [&](char c) { return c == doc[0]; })) {
        FMsgErro = "CPF inválido !";
        return;
    }
    FModulo.MultiplicadorInicial = 2;
    FModulo.MultiplicadorFinal = 11;
    FModulo.MultiplicadorAtual = 0;
    FModulo.FormulaDigito = TCalcDigFormula::frModulo11;
    const std::string base = doc.substr(0, 9);
    const char d1 = Digito(FModulo, base);
    const char d2 = Digito(FModulo, base + d1);
    FDigitoCalculado = {d1, d2};
    if (d1 != doc[9] || d2 != doc[10]) {
        FMsgErro = "CPF inválido.";
        if (ExibeDigitoCorreto) FMsgErro += ".. Dígito calculado: " + FDigitoCalculado;
    }
}

void TValidador::ValidaUF() {
    if (std::find(kUFs.begin(), kUFs.end(), FDoctoValidado) == kUFs.end())
        FMsgErro = "UF inválido: " + FDoctoValidado;
}

std::string ConfereDocumento(TValTipoDocto tipo, std::string_view documento, std::string_view complemento) {
    TValidador v;
    v.RaiseExcept = false;
    v.PermiteVazio = false;
    v.TipoDocto = tipo;
    v.Documento = std::string(documento);
    v.Complemento = std::string(complemento);
    return v.Validar() ? std::string() : v.MsgErro();
}

bool CNPJValido(std::string_view cnpj) {
    return cnpj.empty() || ConfereDocumento(TValTipoDocto::docCNPJ, cnpj).empty();
}

bool CPFValido(std::string_view cpf) {
    return cpf.empty() || ConfereDocumento(TValTipoDocto::docCPF, cpf).empty();
}

bool UFValida(std::string_view uf) { return ConfereDocumento(TValTipoDocto::docUF, uf).empty(); }

bool MunicipioValido(int64_t codigo) {
    const auto tabela = TabelaMunicipios();
    return std::binary_search(tabela.begin(), tabela.end(), codigo,
                              [](int64_t a, int64_t b) { return a < b; });
}

bool GeneroValido(std::string_view genero) { return genero.size() == 2 && SoDigitos(genero); }

}  // namespace util
