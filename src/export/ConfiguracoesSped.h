#pragma once
// Per-company export settings kept in the ERP table SPED_CONFIG (the accountant,
// the C110 complement, the lawsuit of C111/1010/1011), the values of the settings
// tab, and their load and save.
#include <array>
#include <string>

#include "util/Data.h"

namespace erpdata {
class TContextoERP;
}

namespace exportacao {

// Entries of the settings tab's lists, exactly as the window shows them.
inline constexpr std::array<const char*, 2> kComplementos = {
    "0 - Processo de desconto ICMS",
    "1 - Exclusão do ICMS próprio da base de cálculo das contribuições de PIS/PASEP e COFINS",
};
inline constexpr std::array<const char*, 3> kIndicadores = {
    "1 -Justiça Federal",
    "3 -Secretaria da Receita Federal do Brasil",
    "9 -Outros",
};
inline constexpr std::array<const char*, 17> kNaturezasAcao = {
    "01 -Decisão judicial transitada em julgado, a favor da pessoa jurídica.",
    "02 -Decisão judicial não transitada em julgado, a favor da pessoa jurídica.",
    "03 -Decisão judicial oriunda de liminar em mandado de segurança.",
    "04 -Decisão judicial oriunda de liminar em medida cautelar.",
    "05 -Decisão judicial oriunda de antecipação de tutela.",
    "06 -Decisão judicial vinculada a depósito administrativo ou judicial em montante integral.",
    "07 -Medida judicial em que a pessoa jurídica não é o autor.",
    "08 -Súmula vinculante aprovada pelo STF ou STJ.",
    "09 -Decisão judicial oriunda de liminar em mandado de segurança coletivo.",
    "12 -Decisão judicial não transitada em julgado, a favor da pessoa jurídica -Exigibilidade suspensa de contribuição.",
    "13 -Decisão judicial oriunda de liminar em mandado de segurança -Exigibilidade suspensa de contribuição.",
    "14 -Decisão judicial oriunda de liminar em medida cautelar -Exigibilidade suspensa de contribuição.",
    "15 -Decisão judicial oriunda de antecipação de tutela -Exigibilidade suspensa de contribuição.",
    "16 -Decisão judicial vinculada a depósito administrativo ou judicial em montante integral -Exigibilidade suspensa de contribuição.",
    "17 -Medida judicial em que a pessoa jurídica não é o autor -Exigibilidade suspensa de contribuição.",
    "19 -Decisão judicial oriunda de liminar em mandado de segurança coletivo -Exigibilidade suspensa de contribuição.",
    "99 -Outros",
};

// The settings tab's values (what the run reads, saved or not).
struct TConfiguracoesSped {
    std::string EdtContador;          // accountant's ENTIDADE code
    int CbComplemento = 0;            // index in kComplementos
    std::string EdtProcesso;          // lawsuit number (at most 20 characters)
    std::string Edtsecao;             // judicial section
    std::string EdtVara;              // court
    std::string EdtDataSentenca;      // sentence date as typed, DD/MM/AAAA (may be empty or invalid)
    std::string EdtDescJudicial;      // decision text (upper case, at most 100 characters)
    int CbIndAcao = static_cast<int>(kNaturezasAcao.size()) - 1;  // index in kNaturezasAcao
    int CbIndicador = 2;              // index in kIndicadores

    // The sentence date, or no date when the text is empty or not a valid date.
    util::Data DataSentenca() const;
    const char* TextoComplemento() const;
    const char* TextoNaturezaAcao() const;
    bool operator==(const TConfiguracoesSped&) const = default;
};

// The company's row of SPED_CONFIG, or the defaults when it has none.
TConfiguracoesSped CarregaConfiguracoes(erpdata::TContextoERP& ctx, const std::string& codigoEmpresa);

// Replaces the company's row: the deletion and the insertion are committed
// together or not at all, and a quote in any text is stored as typed. A failure
// raises "As configurações da empresa X não foram gravadas: " + the cause, with the
// previous row still in place.
void GravaConfiguracoes(erpdata::TContextoERP& ctx, const std::string& codigoEmpresa, const TConfiguracoesSped& c);

// Name of the accountant with that ENTIDADE code ("" when there is none).
std::string NomeContador(erpdata::TContextoERP& ctx, const std::string& codigo);

// "0" of "0 - Processo ..." and the text after the first "-", both trimmed.
void SeparaCodigoTexto(const std::string& entrada, std::string& codigo, std::string& texto);

}  // namespace exportacao
