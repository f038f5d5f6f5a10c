#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "common/PastaTemporaria.h"
#include "util/Currency.h"
#include "util/Data.h"
#include "util/Util.h"
#include "util/Windows1252.h"

using namespace util;

TEST(LimpaPontuacao, RemovesOnlyTheSevenSeparators) {
    struct Caso { const char* entrada; const char* esperado; };
    const Caso casos[] = {
        {"12.345.678/0001-90", "12345678000190"},
        {"01310-100", "01310100"},
        {"A-B_C", "AB_C"},             // underscore is kept
        {"", ""},
        {"(11) 9876-5432, ramal 3", "1198765432ramal3"},
        {"5.102", "5102"},
        {"Ação\t1", "Ação\t1"},        // accents and tabs are kept
        {"a;b:c", "a;b:c"},
    };
    for (const auto& c : casos) EXPECT_EQ(LimpaPontuacao(c.entrada), c.esperado) << c.entrada;
}

TEST(MascaraDecimal, Masks) {
    EXPECT_EQ(MascaraDecimal(4, false), "0.0000");
    EXPECT_EQ(MascaraDecimal(0, false), "0");
    EXPECT_EQ(MascaraDecimal(-1, false), "0");
    EXPECT_EQ(MascaraDecimal(2, false), "0.00");
    EXPECT_EQ(MascaraDecimal(2, true), ",0.00");
}

TEST(FormataDecimal, CommaAndThousands) {
    EXPECT_EQ(FormataDecimal(1234.5, "0.00"), "1234,50");
    EXPECT_EQ(FormataDecimal(1234.5, ",0.00"), "1.234,50");
    EXPECT_EQ(FormataDecimal(1234567.891), "1.234.567,89");  // empty mask: two decimals with thousands
    EXPECT_EQ(FormataDecimal(-0.5, "0"), "-1");              // ties away from zero
    EXPECT_EQ(FormataDecimal(2.675, "0.00"), "2,67");        // the binary 2.67499999... stays below the tie
    EXPECT_EQ(FormataDecimal(-0.001, "0.00"), "0,00");       // a result of zero carries no sign
}

TEST(Currency, FromDoubleRoundsTheExactProductToNearest) {
    // A double is never exactly halfway between two ten-thousandths, so what decides
    // is the exact product value * 10000, taken before any rounding of its own.
    struct Caso { double valor; int64_t raw; };
    const Caso casos[] = {
        {0, 0},
        {1.65, 16500},
        {2.675, 26750},      // the binary 2.67499999... is nearest to 26750
        {333.33, 3333300},
        {0.00005, 1},        // the binary 0.0000500000000000000024 lies above the half
        {0.00015, 1},        // the binary 0.0001499999999999999870 lies below it
        {0.00025, 3},
        {-0.00015, -1},
        {1.23456, 12346},
        {-1.23454, -12345},
        {123456789.1234, 1234567891234},
    };
    for (const auto& c : casos) EXPECT_EQ(Currency::FromDouble(c.valor).Raw(), c.raw) << c.valor;
    EXPECT_THROW(Currency::FromDouble(1e300), std::overflow_error);
}

TEST(Currency, FastConversionAgreesWithTheExtendedProduct) {
    // The conversion rounds in double unless the product sits near a half; it must
    // give what rounding the extended-precision product gives, on money-like values
    // chosen to fall on and around halves.
    std::mt19937_64 gen(7);
    std::uniform_int_distribution<long> d(-100000000, 100000000);
    for (int i = 0; i < 500000; ++i) {
        const double v = (i % 2) ? static_cast<double>(d(gen)) / 100000.0 : static_cast<double>(d(gen)) / 1000.0 + 0.00005;
        const auto esperado = static_cast<int64_t>(std::nearbyintl(static_cast<long double>(v) * 10000.0L));
        ASSERT_EQ(Currency::FromDouble(v).Raw(), esperado) << std::hexfloat << v;
    }
}

TEST(Windows1252, EncodesOneBytePerCharacter) {
    EXPECT_EQ(ParaWindows1252("Ação"), std::string("\x41\xE7\xE3\x6F"));
    EXPECT_EQ(ParaWindows1252("€ – “x”"), std::string("\x80 \x96 \x93x\x94"));
    EXPECT_EQ(ParaWindows1252("日本"), "??");                 // outside the code page
    EXPECT_EQ(ParaWindows1252("a\xF0\x9D\x84\x9E" "b"), "a?b");  // one character, one "?"
    EXPECT_EQ(ParaWindows1252("x\xC3"), "x?");                 // truncated sequence
    EXPECT_EQ(ParaWindows1252("\xC2\x81"), "?");               // C1 control: not in the code page
    EXPECT_EQ(DeWindows1252(std::string("\x41\xE7\xE3\x6F\x80")), "Ação€");
    EXPECT_EQ(ContaCaracteresUtf8("Ação"), 4u);
    EXPECT_EQ(BytesDosPrimeirosCaracteres("Ação", 3), 5u);  // A, ç (2 bytes), ã (2 bytes)
}

TEST(Data, ParseFormatAndCalendar) {
    const Data d = *Data::Parse("01/03/2014");
    EXPECT_EQ(d.Formata("ddmmyyyy"), "01032014");
    EXPECT_EQ(d.Formata("mm/dd/yyyy"), "03/01/2014");
    EXPECT_EQ(Data::Parse("29/02/2012")->UltimoDiaDoMes().Formata("dd/mm/yyyy"), "29/02/2012");
    EXPECT_EQ(Data::Parse("10/02/2013")->UltimoDiaDoMes().Formata("dd/mm/yyyy"), "28/02/2013");
    EXPECT_FALSE(Data::Parse("31/02/2012"));
    EXPECT_FALSE(Data::Parse("2012-01-01"));
    EXPECT_FALSE(Data::Parse("01/01/12"));
    EXPECT_FALSE(Data::Parse(""));
    EXPECT_EQ(Data::ParseIso("2015-12-31 00:00:00")->Formata("ddmmyyyy"), "31122015");
    EXPECT_TRUE(Data().Vazia());
    EXPECT_EQ(Data().Formata("ddmmyyyy"), "");
    EXPECT_LT(Data(), d);  // no date sorts first
    Data::FixaHoje(Data::FromYMD(2013, 1, 15));
    EXPECT_EQ(Data::Hoje().Formata("dd/mm/yyyy"), "15/01/2013");
    Data::FixaHoje(std::nullopt);
    EXPECT_NE(Data::Hoje(), Data::FromYMD(2013, 1, 15));
}

TEST(GravaArquivoTexto, CreatesAppendsAndLeavesAlone) {
    teste::PastaTemporaria pasta;
    const std::string arq = pasta.Arquivo("a.txt");

    GravaArquivoTexto(arq, "");  // missing file, empty data: an empty file
    ASSERT_TRUE(std::filesystem::exists(arq));
    EXPECT_EQ(teste::LeBytes(arq), "");

    GravaArquivoTexto(arq, "abc");
    GravaArquivoTexto(arq, "");  // existing file, empty data: untouched
    EXPECT_EQ(teste::LeBytes(arq), "abc");

    GravaArquivoTexto(arq, "def", /*append=*/true, /*addLineBreak=*/true);
    EXPECT_EQ(teste::LeBytes(arq), "abcdef\r\n");

    GravaArquivoTexto(arq, "novo");  // not appending: replaced
    EXPECT_EQ(teste::LeBytes(arq), "novo");

    const std::string fundo = pasta.Arquivo("x/y/z.txt");
    EXPECT_THROW(GravaArquivoTexto(fundo, "1"), std::runtime_error);
    GravaArquivoTexto(fundo, "1", false, false, /*forceFolders=*/true);
    EXPECT_EQ(teste::LeBytes(fundo), "1");

    GravaArquivoTexto("", "nada");  // no name: nothing happens
}
