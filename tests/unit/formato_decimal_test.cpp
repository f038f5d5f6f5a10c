#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "util/FormatoDecimal.h"

using namespace util;

namespace {
std::string Decimal(double v, int d) {
    std::string s;
    AppendDecimal(s, v, d);
    return s;
}
std::string Moeda(int64_t raw, const char* mask) {
    std::string s;
    AppendCurrency(s, Currency::FromRaw(raw), ParseMascara(mask));
    return s;
}
}  // namespace

TEST(AppendDecimal, TiesAndNearTies) {
    struct Caso { double v; int d; const char* esperado; };
    const Caso casos[] = {
        {0.5, 0, "1"},        {1.5, 0, "2"},        {2.5, 0, "3"},    // away from zero, never to even
        {-2.5, 0, "-3"},      {0.125, 2, "0,13"},   {0.375, 2, "0,38"},
        {2.675, 2, "2,67"},   {1.005, 2, "1,00"},   {1.015, 2, "1,01"},  // binary values just off the tie
        {5.4999, 4, "5,4999"}, {5.49995, 4, "5,5000"},
        {0.0, 2, "0,00"},     {-0.0, 2, "0,00"},    {-0.004, 2, "0,00"},
        {999.995, 2, "1000,00"}, {9.9999999, 4, "10,0000"},
        {123456789012.345, 2, "123456789012,35"},
        {1e-20, 4, "0,0000"}, {7, 0, "7"},
    };
    for (const auto& c : casos) EXPECT_EQ(Decimal(c.v, c.d), c.esperado) << c.v << " / " << c.d;
}

TEST(AppendDecimal, FastPathAgreesWithTheExactExpansion) {
    // Money-like values (few decimals, near ties on purpose) and arbitrary doubles.
    std::mt19937_64 gen(12345);
    std::uniform_int_distribution<int64_t> centavos(-100000000, 100000000);
    std::uniform_real_distribution<double> qualquer(-1e7, 1e7);
    for (int i = 0; i < 200000; ++i) {
        const int d = i % 7;
        double v;
        switch (i % 3) {
            case 0: v = static_cast<double>(centavos(gen)) / 1000.0; break;             // x.xx5 ties
            case 1: v = static_cast<double>(centavos(gen)) / 100000.0 + 0.000005; break;
            default: v = qualquer(gen); break;
        }
        std::string rapido, exato;
        AppendDecimal(rapido, v, d);
        AppendDecimalExato(exato, v, d);
        ASSERT_EQ(rapido, exato) << std::hexfloat << v << " decimals " << d;
    }
}

TEST(AppendCurrency, MasksRoundAwayFromZero) {
    EXPECT_EQ(Moeda(26750, "#0.00"), "2,68");
    EXPECT_EQ(Moeda(-26750, "#0.00"), "-2,68");
    EXPECT_EQ(Moeda(26749, "#0.00"), "2,67");
    EXPECT_EQ(Moeda(0, "#0.00"), "0,00");
    EXPECT_EQ(Moeda(-49, "#0.00"), "0,00");
    EXPECT_EQ(Moeda(-50, "#0.00"), "-0,01");
    EXPECT_EQ(Moeda(15000, "0.0000"), "1,5000");
    EXPECT_EQ(Moeda(12345678900000, ",0.00"), "1.234.567.890,00");
    EXPECT_EQ(Moeda(INT64_MIN, "#0.00"), "-922337203685477,58");  // the most negative amount
    EXPECT_EQ(Moeda(54999, "0"), "5");
    EXPECT_EQ(Moeda(55000, "0"), "6");
}
