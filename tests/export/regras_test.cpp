#include <gtest/gtest.h>

#include "export/Regras.h"

using namespace exportacao;
using efd::TIndFrt;
using efd::TTipoItem;

TEST(Regras, ContributionOfAnItemIsCutNotRounded) {
    struct Caso { double base, aliquota, goods, servico; };
    const Caso casos[] = {
        {333.33, 1.65, 5.49, 5.49},     // 5.4999
        {1000, 7.6, 76.00, 76.00},
        {100, 1.65, 1.65, 1.65},
        {33.33, 7.6, 2.53, 2.53},       // 2.53308 -> 2.5331 -> 2.53
        {10, 1.65, 0.16, 0.16},         // 0.1650
        {1.21, 1.65, 0.02, 0.02},       // 0.019965 rounds to 0.0200 first, then 0.02
        {0, 7.6, 0, 0},
        {-100, 1.65, -1.65, -1.65},     // returns keep their sign
    };
    for (const auto& c : casos) {
        EXPECT_DOUBLE_EQ(ContribuicaoItem(c.base, c.aliquota), c.goods) << c.base << " x " << c.aliquota;
        EXPECT_DOUBLE_EQ(ContribuicaoItemServico(c.base, c.aliquota), c.servico) << c.base << " x " << c.aliquota;
    }
    EXPECT_DOUBLE_EQ(TruncaDuasCasas(0.0199), 0.01);
    EXPECT_DOUBLE_EQ(TruncaDuasCasas(1.65), 1.65);
    EXPECT_DOUBLE_EQ(TruncaDuasCasas(-1.2399), -1.23);
    EXPECT_DOUBLE_EQ(Arredonda(5.49995, 4), 5.5);
    EXPECT_DOUBLE_EQ(Arredonda(0.5, 0), 1);
}

TEST(Regras, DiscountShareOfTheItem) {
    struct Caso { double item, produtos, desconto, esperado; };
    const Caso casos[] = {
        {10, 30, 10, 3.33},
        {100, 300, 10, 3.33},
        {100, 300, 0, 0},
        {100, 300, -5, 0},
        {100, 0, 10, 0},      // no goods total: no share instead of a division by zero
        {50, 100, 0.01, 0.01}, // 0.005 -> halves away from zero
    };
    for (const auto& c : casos)
        EXPECT_DOUBLE_EQ(DescontoDoItem(c.item, c.produtos, c.desconto), c.esperado) << c.item << "/" << c.produtos;
}

TEST(Regras, DocumentNumberCfopAndSeries) {
    EXPECT_EQ(NumeroDocumento("0", "0001234/A"), "000123");
    EXPECT_EQ(NumeroDocumento("0", " 12 "), "12");
    EXPECT_EQ(NumeroDocumento("1", "0001234/A"), "0001234/A");
    EXPECT_EQ(CFOPNota("", "5.102"), "5102");
    EXPECT_EQ(CFOPNota("  ", "5.102 "), "5102");
    EXPECT_EQ(CFOPNota("6.108", "5.102"), "6108");
    EXPECT_EQ(SerieTresDigitos("1"), "001");
    EXPECT_EQ(SerieTresDigitos(""), "000");
    EXPECT_EQ(SerieTresDigitos("1234"), "1234");
    EXPECT_EQ(InteiroOuZero("3550308"), 3550308);
    EXPECT_EQ(InteiroOuZero("35.503"), 0);
    EXPECT_EQ(InteiroOuZero(""), 0);
    EXPECT_EQ(InteiroOuZero("AB123"), 0);
    // Beyond a 32-bit integer: 0, never a wrapped number.
    EXPECT_EQ(InteiroOuZero("2147483647"), 2147483647);
    EXPECT_EQ(InteiroOuZero("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(InteiroOuZero("2147483648"), 0);
    EXPECT_EQ(InteiroOuZero("4294967297"), 0);
}

TEST(Regras, FreightPaymentAndItemType) {
    const std::pair<const char*, TIndFrt> fretes[] = {
        {"1", TIndFrt::tfPorContaEmitente}, {"2", TIndFrt::tfPorContaDestinatario},
        {"3", TIndFrt::tfPorContaTerceiros}, {"4", TIndFrt::tfSemCobrancaFrete},
        {"5", TIndFrt::tfProprioPorContaEmitente}, {"6", TIndFrt::tfProprioPorContaDestinatario},
        {"", TIndFrt::tfSemCobrancaFrete}, {"0", TIndFrt::tfSemCobrancaFrete}, {" 1", TIndFrt::tfSemCobrancaFrete},
    };
    for (const auto& [tp, esperado] : fretes) EXPECT_EQ(IndicadorFrete(tp), esperado) << "'" << tp << "'";
    EXPECT_EQ(IndicadorPagamento("N"), efd::TIndPgto::tpSemPagamento);
    EXPECT_EQ(IndicadorPagamento("S"), efd::TIndPgto::tpPrazo);
    EXPECT_EQ(IndicadorPagamento(""), efd::TIndPgto::tpVista);
    EXPECT_EQ(IndicadorPagamento("s"), efd::TIndPgto::tpVista);

    EXPECT_EQ(TipoItem("00", ""), TTipoItem::tiMercadoriaRevenda);
    EXPECT_EQ(TipoItem("10", ""), TTipoItem::tiOutrosInsumos);
    EXPECT_EQ(TipoItem("00", " T "), TTipoItem::tiProdutoAcabado);  // billing by colour: finished product
    EXPECT_EQ(TipoItem("4", ""), TTipoItem::tiOutras);
    EXPECT_EQ(TipoItem("", ""), TTipoItem::tiOutras);
    EXPECT_EQ(TipoItem("99", ""), TTipoItem::tiOutras);
}

TEST(Regras, IcmsOfTheItemByTaxSituation) {
    struct Caso { const char* codtri; double base; bool cheio; };
    const Caso casos[] = {
        {"060", 100, false}, {"040", 100, false}, {"141", 100, false}, {"030", 100, false},
        {"000", 100, true},  {"010", 0, true},    {"220", 100, true},  {"070", 100, true},
        {"090", 0, false},   {"090", 100, true},  // other situations follow the base
        {"90", 100, true},   {"90", 0, false},    // two characters: s is "0"
        {"", 100, true},     {"", 0, false},
    };
    for (const auto& c : casos) {
        const TIcmsItem r = IcmsDoItem(c.codtri, c.base, 18, c.base * 0.18);
        EXPECT_EQ(r.base, c.cheio ? c.base : 0) << c.codtri;
        EXPECT_EQ(r.aliquota, c.cheio ? 18 : 0) << c.codtri;
    }
}
