#pragma once
// The sample file: every register the writer can write, filled at least once with
// valid and representative values, written through the generation component.
// It is the living example of the writer and lets anyone check a whole file
// against the published layout.
#include <string>

#include "efd/GeradorEFD.h"
#include "util/Data.h"

namespace amostra {

struct OpcoesAmostra {
    util::Data inicio;
    util::Data fim;
    efd::TCodVer versao = efd::TCodVer::vlVersao320;
};

// Codes that block 0 declares and the other blocks refer to.
inline constexpr const char* kCnpjEmpresa = "11222333000181";
inline constexpr const char* kParticipanteCnpj = "F0001";   // a supplier with a CNPJ
inline constexpr const char* kParticipanteCpf = "C0001";    // a customer with a CPF
inline constexpr const char* kCnpjParticipante = "11222333000262";  // CNPJ of kParticipanteCnpj
inline constexpr const char* kItem = "PRD001";
inline constexpr const char* kItemServico = "SRV001";
inline constexpr const char* kUnidade = "UN";
inline constexpr const char* kNatureza = "5102";
inline constexpr const char* kConta = "3.01.01.001";
inline constexpr const char* kInfComplementar = "INF01";   // a 0450 text

// An electronic document's access key (NF-e, CT-e...): state (SP), year and month
// of issue, issuer's CNPJ, model, series, number, issue form, numeric code, then the
// modulo-11 check digit over the 43 digits before it (weights 2 to 9 from the right).
std::string ChaveAcesso(util::Data emissao, const char* cnpj, const char* modelo, int serie, int numero,
                        int codigo);

// One function per block; each fills only its own block (block 0 first).
void PreencheBloco0(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBlocoA(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBlocoC(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBlocoD(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBlocoF(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBlocoI(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBlocoM(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBlocoP(efd::TGeradorEFD& sped, const OpcoesAmostra& o);
void PreencheBloco1(efd::TGeradorEFD& sped, const OpcoesAmostra& o);

// Fills every block and writes the file; data checks go to `avisos` when given.
void GeraAmostra(const OpcoesAmostra& o, const std::string& arquivo,
                 const efd::TErrorEvent& avisos = nullptr);

// "3.2.0" -> vlVersao320 ...; false for an unknown text.
bool VersaoDoLayout(const std::string& texto, efd::TCodVer& versao);

}  // namespace amostra
