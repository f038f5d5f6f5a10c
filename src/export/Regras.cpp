#include "export/Regras.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "util/FormatoDecimal.h"
#include "util/Util.h"

namespace exportacao {

double Arredonda(double valor, int decimais) {
    std::string texto;
    util::AppendDecimal(texto, valor, decimais, '.');
    return std::strtod(texto.c_str(), nullptr);
}

double TruncaDuasCasas(double valor4) {
    std::string texto;
    util::AppendDecimal(texto, valor4, 4, '.');
    texto.resize(texto.size() - 2);  // drop the third and fourth decimals
    return std::strtod(texto.c_str(), nullptr);
}

double ContribuicaoItem(double base, double aliquota) {
    const double b = Arredonda(base, 4);
    const double r = Arredonda(aliquota, 4);
    return TruncaDuasCasas(Arredonda(b * r / 100, 4));
}

double ContribuicaoItemServico(double base, double aliquota) {
    const double b = Arredonda(base, 4);
    const double r = Arredonda(aliquota, 4);
    return TruncaDuasCasas(Arredonda(b / 100 * r, 4));
}

double DescontoDoItem(double valorItem, double valorProdutos, double desconto) {
    if (!(desconto > 0)) return 0;
    if (valorProdutos == 0) return 0;
    return Arredonda(valorItem / valorProdutos * desconto, 2);
}

std::string Apara(std::string_view texto) {
    size_t ini = 0, fim = texto.size();
    while (ini < fim && static_cast<unsigned char>(texto[ini]) <= 32) ++ini;
    while (fim > ini && static_cast<unsigned char>(texto[fim - 1]) <= 32) --fim;
    return std::string(texto.substr(ini, fim - ini));
}

int32_t InteiroOuZero(std::string_view texto) {
    const std::string t = Apara(texto);
    if (t.empty()) return 0;
    int32_t v = 0;
    const char* ini = t.data();
    if (*ini == '+') ++ini;
    // from_chars refuses a value out of range (errc::result_out_of_range).
    auto r = std::from_chars(ini, t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return 0;
    return v;
}

std::string NumeroDocumento(std::string_view tpEmi, std::string_view nota) {
    if (tpEmi == "0") return Apara(nota.substr(0, 6));
    return std::string(nota);
}

std::string CFOPNota(std::string_view cfop, std::string_view natureza) {
    if (!Apara(cfop).empty()) return Apara(util::LimpaPontuacao(cfop));
    return Apara(util::LimpaPontuacao(natureza));
}

std::string SerieTresDigitos(std::string_view serie) {
    std::string s(serie);
    while (s.size() < 3) s.insert(s.begin(), '0');
    return s;
}

efd::TIndFrt IndicadorFrete(std::string_view tp) {
    using efd::TIndFrt;
    if (tp == "1") return TIndFrt::tfPorContaEmitente;
    if (tp == "2") return TIndFrt::tfPorContaDestinatario;
    if (tp == "3") return TIndFrt::tfPorContaTerceiros;
    if (tp == "5") return TIndFrt::tfProprioPorContaEmitente;
    if (tp == "6") return TIndFrt::tfProprioPorContaDestinatario;
    return TIndFrt::tfSemCobrancaFrete;  // "4" and anything else
}

efd::TIndPgto IndicadorPagamento(std::string_view cond) {
    if (cond == "N") return efd::TIndPgto::tpSemPagamento;
    if (cond == "S") return efd::TIndPgto::tpPrazo;
    return efd::TIndPgto::tpVista;
}

efd::TTipoItem TipoItem(std::string_view codigo, std::string_view tipoFaturamento) {
    std::string c(codigo);
    if (Apara(tipoFaturamento) == "T") c = "04";
    // "00" to "10" select their own value; every other code, "99" included, is "other".
    const auto v = efd::ParseCodigo<efd::TTipoItem>(c);
    return v.value_or(efd::TTipoItem::tiOutras);
}

TIcmsItem IcmsDoItem(std::string_view codtri, double baseIcms, double aliquotaIcms, double valorIcms) {
    const std::string_view s = codtri.size() > 1 ? codtri.substr(1, 2) : std::string_view();
    const TIcmsItem cheio{baseIcms, aliquotaIcms, valorIcms};
    if (s == "30" || s == "40" || s == "41" || s == "50" || s == "60") return {};
    if (s == "00" || s == "10" || s == "20" || s == "70") return cheio;
    return baseIcms > 0 ? cheio : TIcmsItem{};
}

}  // namespace exportacao
