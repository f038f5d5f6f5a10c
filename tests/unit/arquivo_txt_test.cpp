#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/PastaTemporaria.h"
#include "efd/ArquivoTXT.h"

using efd::TArquivoTXT;
using efd::Variante;
using util::Currency;
using util::Data;

namespace {

// The settings the generation component gives every block.
struct ArquivoComoBloco : TArquivoTXT {
    ArquivoComoBloco() {
        Delimitador("|");
        TrimString(true);
        CurMascara("#0.00");
        ReplaceDelimitador(false);
    }
};

}  // namespace

TEST(LFillTexto, WidthNullTrimAndDelimiter) {
    ArquivoComoBloco a;
    EXPECT_EQ(a.LFill("ABC", 5), "|00ABC");
    EXPECT_EQ(a.LFill("ABCDEFG", 5), "|ABCDE");
    EXPECT_EQ(a.LFill("", 0, true), "|");
    EXPECT_EQ(a.LFill("", 3, false), "|000");
    EXPECT_EQ(a.LFill("", 3, true), "|");
    EXPECT_EQ(a.LFill("  x  "), "|x");
    EXPECT_EQ(a.LFill("Ação", 6), "|00Ação");   // width counts characters, not bytes
    EXPECT_EQ(a.LFill("Ação", 2), "|Aç");
    EXPECT_EQ(a.LFill("a|b"), "|a|b");          // without ReplaceDelimitador the field splits
    a.ReplaceDelimitador(true);
    EXPECT_EQ(a.LFill("a|b"), "|ab");
    a.TrimString(false);
    EXPECT_EQ(a.LFill("  x  "), "|  x  ");
}

TEST(LFillTexto, ControlCharactersBecomeSpaces) {
    // A line break inside a value would split the register across two lines.
    ArquivoComoBloco a;
    EXPECT_EQ(a.LFill("RUA A\r\nCASA 2"), "|RUA A  CASA 2");
    EXPECT_EQ(a.LFill("a\tb\x7F" "c"), "|a b c");
    EXPECT_EQ(a.LFill("\nX\n"), "|X");           // at the ends they are trimmed away
    EXPECT_EQ(a.LFill("\r\n", 0, true), "|");
    EXPECT_EQ(a.RFill("a\nb", 4), "|a b ");
}

TEST(RFill, PadsRight) {
    ArquivoComoBloco a;
    EXPECT_EQ(a.RFill("AB", 4, '?'), "|AB??");
    EXPECT_EQ(a.RFill("ABCDE", 3), "|ABC");
    EXPECT_EQ(a.RFill("a|b", 0), "|a|b");  // no delimiter stripping, ever
}

TEST(LFillInteiro, NullWidthAndSign) {
    ArquivoComoBloco a;
    EXPECT_EQ(a.LFill(int64_t{0}, 0, true), "|");
    EXPECT_EQ(a.LFill(int64_t{0}, 0, false), "|0");
    EXPECT_EQ(a.LFill(3550308, 7), "|3550308");
    EXPECT_EQ(a.LFill(123, 7), "|0000123");
    EXPECT_EQ(a.LFill(12345678, 7), "|1234567");
    EXPECT_EQ(a.LFill(-12, 5), "|00-12");
    EXPECT_EQ(a.LFill(1, 2), "|01");
}

TEST(LFillData, MaskAndNoDate) {
    ArquivoComoBloco a;
    EXPECT_EQ(a.LFill(Data()), "|");
    EXPECT_EQ(a.LFill(Data::FromYMD(2015, 12, 31)), "|31122015");
    EXPECT_EQ(a.LFill(Data::FromYMD(2014, 3, 1), "ddmmyyyy", true), "|01032014");
}

TEST(LFillNumero, CurrencyMask) {
    struct Caso { double valor; bool nulo; const char* esperado; };
    const Caso casos[] = {
        {0, false, "|0,00"},
        {0, true, "|"},
        {2.675, false, "|2,68"},          // held as the amount 2.6750, then ties away from zero
        {-2.675, false, "|-2,68"},
        {-3, false, "|-3,00"},
        {1000000, false, "|1000000,00"},  // no thousands separator
        {1234.5, false, "|1234,50"},
        {0.004, false, "|0,00"},
        {0.005, false, "|0,01"},
        {-0.004, false, "|0,00"},         // no negative zero
        {5.4999, false, "|5,50"},
    };
    ArquivoComoBloco a;
    for (const auto& c : casos) EXPECT_EQ(a.LFill(c.valor, 0, 2, c.nulo), c.esperado) << c.valor;
    EXPECT_EQ(a.LFill(Currency::FromRaw(26750), 0), "|2,68");
    EXPECT_EQ(a.LFill(Currency::FromRaw(15000), 0, 2, false, '0', "0.0000"), "|1,5000");
    EXPECT_EQ(a.LFill(150.5, 0, 4, false, '0', "0.0000"), "|150,5000");
    EXPECT_EQ(a.LFill(1.65, 0, 4, false, '0', "0.0000"), "|1,6500");
    EXPECT_EQ(a.LFill(Currency(), 0, 2, true), "|");
}

TEST(LFillNumero, ImpliedDecimals) {
    struct Caso { double valor; int size; int dec; bool nulo; const char* esperado; };
    const Caso casos[] = {
        {12.5, 0, 2, false, "|1250"},
        {12.5, 6, 2, false, "|001250"},
        {-1.5, 5, 2, false, "|0-150"},   // padding goes before the sign
        {0, 4, 2, false, "|0000"},
        {0.004, 4, 2, true, "|"},        // rounds to zero: empty with the null flag
        {0.5, 5, 2, true, "|00050"},     // leading zeros dropped, then padded again
        {7, 0, 0, false, "|7"},
        {0.5, 0, 0, false, "|1"},        // ties away from zero
    };
    for (const char* mascara : {"#", ""}) {
        ArquivoComoBloco a;
        a.CurMascara(mascara);
        for (const auto& c : casos)
            EXPECT_EQ(a.LFill(c.valor, c.size, c.dec, c.nulo), c.esperado) << c.valor << " mask '" << mascara << "'";
        // An exact amount rounds on its four decimals.
        EXPECT_EQ(a.LFill(Currency::FromRaw(26750), 0, 2), "|268");
    }
}

TEST(DFill, DecimalsAndTies) {
    ArquivoComoBloco a;
    EXPECT_EQ(a.DFill(0.5, 4), "|0,5000");
    EXPECT_EQ(a.DFill(0.5, 0), "|1");
    EXPECT_EQ(a.DFill(-0.5, 0), "|-1");
    EXPECT_EQ(a.DFill(1.65, 4), "|1,6500");
    EXPECT_EQ(a.DFill(0, 2), "|0,00");
    EXPECT_EQ(a.DFill(0, 2, true), "|");
    EXPECT_EQ(a.DFill(2.675, 2), "|2,67");    // the double itself sits below the tie
    EXPECT_EQ(a.DFill(1.005, 2), "|1,00");
    EXPECT_EQ(a.DFill(0.125, 2), "|0,13");    // an exact binary tie goes away from zero
    EXPECT_EQ(a.DFill(1e20, 2), "|100000000000000000000,00");
    EXPECT_EQ(a.DFill(123456.789, 6), "|123456,789000");
    EXPECT_EQ(a.DFill(1234.5, 2), "|1234,50");  // DFill ignores the currency mask
}

TEST(VariantFills, EmptyWhenNoValue) {
    ArquivoComoBloco a;
    EXPECT_EQ(a.VDFill(std::nullopt, 4), "|");
    EXPECT_EQ(a.VDFill(0.0, 4), "|0,0000");
    EXPECT_EQ(a.VDFill(1000.0, 4), "|1000,0000");
    EXPECT_EQ(a.VLFill(Variante{}, 6, 2), "|");
    EXPECT_EQ(a.VLFill(18.0, 6, 2), "|18,00");
    EXPECT_EQ(a.VLFill(0.0, 6, 2), "|0,00");
    EXPECT_EQ(a.VLFill(1.65, 8, 4), "|1,65");   // the currency mask keeps two decimals
    EXPECT_EQ(a.VLFill(std::string_view(""), 0, 2), "|");
    EXPECT_EQ(a.VLFill(std::string_view("12,5"), 0, 2), "|12,50");
    try {
        a.VLFill(std::string_view("abc"), 0, 2);
        FAIL() << "no exception";
    } catch (const efd::EArquivoTXTErro& e) {
        EXPECT_STREQ(e.what(), "Parâmetro \"Value\" não possui um valor numérico.");
    }
}

TEST(Add, TrimsClosesAndSkipsEmptyLines) {
    ArquivoComoBloco a;
    EXPECT_EQ(a.Add(""), -1);
    EXPECT_EQ(a.Add("   "), -1);
    EXPECT_EQ(a.Conteudo().Count(), 0u);
    EXPECT_EQ(a.Add("|0000|x"), 0);
    EXPECT_EQ(a.Add(" |0001|0 ", true), 1);
    EXPECT_EQ(a.Add("|sem", false), 2);
    EXPECT_EQ(a.Conteudo()[0], "|0000|x|");
    EXPECT_EQ(a.Conteudo()[1], "|0001|0|");
    EXPECT_EQ(a.Conteudo()[2], "|sem");
}

TEST(Add, ThousandthLineFlushesToTheFile) {
    teste::PastaTemporaria pasta;
    ArquivoComoBloco a;
    a.NomeArquivo(pasta.Arquivo("f.txt"));
    a.LinhasBuffer(1000);
    for (int i = 0; i < 999; ++i) a.Add("|X|" + std::to_string(i));
    EXPECT_EQ(a.Conteudo().Count(), 999u);
    EXPECT_FALSE(std::filesystem::exists(a.NomeArquivo()));
    EXPECT_EQ(a.Add("|X|999"), 999);
    EXPECT_EQ(a.Conteudo().Count(), 0u);
    const std::string bytes = teste::LeBytes(a.NomeArquivo());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1000);
    a.Add("|Y|1");
    a.WriteBuffer();  // later flushes append
    EXPECT_EQ(teste::LeBytes(a.NomeArquivo()), bytes + "|Y|1|\r\n");
}

TEST(LinhasBuffer, SetterStoresZeroForNonPositive) {
    ArquivoComoBloco a;
    a.LinhasBuffer(-5);
    EXPECT_EQ(a.LinhasBuffer(), 0);
    a.LinhasBuffer(1000);
    EXPECT_EQ(a.LinhasBuffer(), 1000);
}

TEST(WriteBuffer, FileBytesAreWindows1252WithCrLfAndNoBom) {
    teste::PastaTemporaria pasta;
    ArquivoComoBloco a;
    a.NomeArquivo(pasta.Arquivo("f.txt"));
    a.Add("|0000|" + std::string("Ação"));
    a.Add("|9999|2");
    a.WriteBuffer();
    EXPECT_EQ(teste::LeBytes(a.NomeArquivo()), std::string("|0000|\x41\xE7\xE3\x6F|\r\n|9999|2|\r\n"));

    // With no buffer size the caller clears the lines: a second flush appends them again.
    EXPECT_EQ(a.Conteudo().Count(), 2u);

    // Reading back gives the same text.
    ArquivoComoBloco b;
    b.NomeArquivo(a.NomeArquivo());
    b.LoadFromFile();
    ASSERT_EQ(b.Conteudo().Count(), 2u);
    EXPECT_EQ(b.Conteudo()[0], "|0000|Ação|");
    EXPECT_EQ(b.Conteudo()[1], "|9999|2|");
}

TEST(WriteBuffer, EmptyContentStillCreatesTheFile) {
    teste::PastaTemporaria pasta;
    ArquivoComoBloco a;
    a.NomeArquivo(pasta.Arquivo("vazio.txt"));
    a.WriteBuffer();
    EXPECT_TRUE(std::filesystem::exists(a.NomeArquivo()));
    EXPECT_EQ(teste::LeBytes(a.NomeArquivo()), "");
}

TEST(WriteBuffer, Errors) {
    ArquivoComoBloco a;
    a.Add("|X");
    try {
        a.WriteBuffer();
        FAIL();
    } catch (const efd::EArquivoTXTErro& e) {
        EXPECT_STREQ(e.what(), "\"NomeArquivo\" não especificado");
    }
    try {
        a.LoadFromFile();
        FAIL();
    } catch (const efd::EArquivoTXTErro& e) {
        EXPECT_STREQ(e.what(), "\"Nome do Arquivo\" não especificado");
    }
    teste::PastaTemporaria pasta;
    a.NomeArquivo((pasta.Path() / "nao-existe" / "f.txt").string());  // the folder is never created
    EXPECT_THROW(a.WriteBuffer(), std::runtime_error);
    EXPECT_EQ(a.Conteudo().Count(), 1u);
}

TEST(Reset, ClearsLinesAndDeletesTheFile) {
    teste::PastaTemporaria pasta;
    ArquivoComoBloco a;
    a.NomeArquivo(pasta.Arquivo("f.txt"));
    a.Add("|X");
    a.WriteBuffer();
    ASSERT_TRUE(std::filesystem::exists(a.NomeArquivo()));
    a.Reset();
    EXPECT_EQ(a.Conteudo().Count(), 0u);
    EXPECT_FALSE(std::filesystem::exists(a.NomeArquivo()));
    a.Reset();  // a missing file is fine
}

TEST(Check, ReportsOnlyFailuresAndOnlyWithAHandler) {
    ArquivoComoBloco a;
    a.Check(false, "sem handler");  // nothing happens
    std::vector<std::string> recebidas;
    a.OnError([&](const std::string& m) { recebidas.push_back(m); });
    a.Check(true, "ok");
    a.Check(false, "falhou");
    a.Check(false, "(0-0150) %s-%s, o CNPJ \"%s\" digitado é inválido!", {"F1", "Fulano", "123"});
    a.Check(false, "100%% de %d", {"7"});
    ASSERT_EQ(recebidas.size(), 3u);
    EXPECT_EQ(recebidas[0], "falhou");
    EXPECT_EQ(recebidas[1], "(0-0150) F1-Fulano, o CNPJ \"123\" digitado é inválido!");
    EXPECT_EQ(recebidas[2], "100% de 7");
}
