#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "util/TabelaMunicipios.h"
#include "util/Validador.h"

using namespace util;

// What a one-shot validation answers, message for message; an empty message is
// a valid document.
TEST(Validador, ConfereDocumentoMessages) {
    struct Caso { TValTipoDocto tipo; std::string documento, mensagem; };
    const Caso casos[] = {
        {TValTipoDocto::docCNPJ, "11222333000181", ""},
        {TValTipoDocto::docCNPJ, "11.222.333/0001-81", ""},
        {TValTipoDocto::docCNPJ, " 11.222.333/0001-81 ", ""},
        {TValTipoDocto::docCNPJ, "10000017000100", ""},   // both check digits 0
        {TValTipoDocto::docCNPJ, "01234567000195", ""},
        {TValTipoDocto::docCNPJ, "11.222.333/0001 81", "CNPJ deve ter 14 dígitos. (Apenas números)"},
        {TValTipoDocto::docCNPJ, "1122233300018", "CNPJ deve ter 14 dígitos. (Apenas números)"},
        {TValTipoDocto::docCNPJ, "112223330001810", "CNPJ deve ter 14 dígitos. (Apenas números)"},
        {TValTipoDocto::docCNPJ, "1122233300018A", "CNPJ deve ter 14 dígitos. (Apenas números)"},
        {TValTipoDocto::docCNPJ, "00000000000000", "CNPJ inválido."},
        {TValTipoDocto::docCNPJ, "11222333000182", "CNPJ inválido."},   // second digit wrong
        {TValTipoDocto::docCNPJ, "11222333000191", "CNPJ inválido."},   // first digit wrong
        {TValTipoDocto::docCNPJ, "", "CNPJ não pode ser vazio."},
        {TValTipoDocto::docCNPJ, " ./- ", "CNPJ não pode ser vazio."},
        {TValTipoDocto::docCPF, "52998224725", ""},
        {TValTipoDocto::docCPF, "529.982.247-25", ""},
        {TValTipoDocto::docCPF, "10000003700", ""},          // both check digits 0
        {TValTipoDocto::docCPF, "11111111111", "CPF inválido !"},
        {TValTipoDocto::docCPF, "000.000.000-00", "CPF inválido !"},
        {TValTipoDocto::docCPF, "52998224724", "CPF inválido."},
        {TValTipoDocto::docCPF, "52998224735", "CPF inválido."},
        {TValTipoDocto::docCPF, "5299822472", "CPF deve ter 11 dígitos. (Apenas números)"},
        {TValTipoDocto::docCPF, "529 982 247 25", "CPF deve ter 11 dígitos. (Apenas números)"},
        {TValTipoDocto::docCPF, "", "CPF não pode ser vazio."},
        {TValTipoDocto::docUF, "SP", ""},
        {TValTipoDocto::docUF, "sp", ""},
        {TValTipoDocto::docUF, "EX", ""},
        {TValTipoDocto::docUF, "XX", "UF inválido: XX"},
        {TValTipoDocto::docUF, "SP,RJ", "UF inválido: SP,RJ"},   // not a state, though ",SP,RJ," is in the list
        {TValTipoDocto::docUF, "S", "UF inválido: S"},
        {TValTipoDocto::docUF, "", "UF não pode ser vazio."},
        {TValTipoDocto::docInscEst, "110042490114", "Validação de Inscrição Estadual não disponível neste sistema."},
        {TValTipoDocto::docEmail, "a@b.com", "Validação de E-Mail não disponível neste sistema."},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ConfereDocumento(c.tipo, c.documento), c.mensagem)
            << "kind " << static_cast<int>(c.tipo) << " \"" << c.documento << "\"";
}

TEST(Validador, YesNoChecks) {
    EXPECT_TRUE(CNPJValido(""));
    EXPECT_TRUE(CNPJValido("11.222.333/0001-81"));
    EXPECT_FALSE(CNPJValido("00000000000000"));
    EXPECT_FALSE(CNPJValido("11222333 000181"));
    EXPECT_TRUE(CPFValido(""));
    EXPECT_TRUE(CPFValido("12345678909"));
    EXPECT_FALSE(CPFValido("11111111111"));
    EXPECT_TRUE(UFValida("sp"));
    EXPECT_TRUE(UFValida("EX"));
    EXPECT_FALSE(UFValida("XX"));
    EXPECT_FALSE(UFValida(""));

    struct Genero { std::string texto; bool valido; };
    const Genero generos[] = {{"00", true}, {"99", true}, {"47", true}, {"100", false}, {"1", false},
                              {" 01", false}, {"", false}, {"0a", false}};
    for (const auto& g : generos) EXPECT_EQ(GeneroValido(g.texto), g.valido) << "\"" << g.texto << "\"";
}

TEST(Validador, MunicipioValido) {
    struct Caso { int64_t codigo; bool valido; };
    const Caso casos[] = {
        {3550308, true},    // São Paulo
        {5300108, true},    // Brasília
        {1100015, true},    // lowest code of the list
        {9999999, true},    // abroad
        {0, false},
        {-3550308, false},
        {3550309, false},
        {355030, false},
        {35503080, false},
    };
    for (const auto& c : casos) EXPECT_EQ(MunicipioValido(c.codigo), c.valido) << c.codigo;
}

// The table is the whole IBGE list of the repository plus 9999999, nothing more.
TEST(Validador, MunicipalityTableMatchesTheIbgeList) {
    std::ifstream csv(std::string(DADOS_IBGE_DIR) + "/municipios_ibge.csv");
    ASSERT_TRUE(csv.is_open());
    std::string linha;
    std::getline(csv, linha);  // header
    size_t lidos = 0;
    std::vector<int64_t> recusados;
    while (std::getline(csv, linha)) {
        if (linha.empty()) continue;
        const int64_t codigo = std::stoll(linha.substr(0, linha.find(',')));
        ++lidos;
        if (!MunicipioValido(codigo)) recusados.push_back(codigo);
    }
    EXPECT_GT(lidos, 5000u);
    EXPECT_EQ(recusados, std::vector<int64_t>{});
    EXPECT_EQ(TabelaMunicipios().size(), lidos + 1);
}

TEST(Validador, CalcularWeightsAndFormulas) {
    struct Caso {
        std::string documento;
        int inicial, final, atual;
        TCalcDigFormula formula;
        int soma, modulo, digito;
    };
    using F = TCalcDigFormula;
    const Caso casos[] = {
        // Twelve digits with weights 2..9: the ninth digit from the right is weighed 2 again.
        {"111111111111", 2, 9, 0, F::frModulo11, 58, 3, 8},
        {"100000000", 2, 9, 0, F::frModulo11, 2, 2, 9},
        {"1111", 9, 2, 0, F::frModulo11, 30, 8, 3},    // stepping down: 9, 8, 7, 6
        {"111", 9, 7, 0, F::frModulo11, 24, 2, 9},     // 9, 8, 7
        {"1111", 9, 7, 0, F::frModulo11, 33, 0, 0},    // 9, 8, 7, then back to 9
        {"111", 2, 9, 5, F::frModulo11, 18, 7, 4},     // starts at the current weight
        {"111", 2, 9, 12, F::frModulo11, 9, 9, 2},     // current weight outside: starts at 2
        {"6", 2, 9, 0, F::frModulo11, 12, 1, 0},       // remainder 1 gives 0
        {"A1", 2, 9, 0, F::frModulo11, 2, 2, 9},       // a non-digit counts as 0
        {"9", 2, 9, 0, F::frModulo10, 9, 9, 1},        // 18 becomes 1 + 8
        {"55", 2, 9, 0, F::frModulo10, 7, 7, 3},       // 10 -> 1, 15 -> 6
        {"", 2, 9, 0, F::frModulo10, 0, 0, 0},         // 10 - 0 is above 9
        {"1", 2, 9, 0, F::frModulo10PIS, 2, 2, 9},
        {"5", 2, 9, 0, F::frModulo10PIS, 10, 10, 1},
        {"", 2, 9, 0, F::frModulo10PIS, 0, 0, 0},
    };
    for (const auto& c : casos) {
        TCalcDigito calc;
        calc.Documento = c.documento;
        calc.MultiplicadorInicial = c.inicial;
        calc.MultiplicadorFinal = c.final;
        calc.MultiplicadorAtual = c.atual;
        calc.FormulaDigito = c.formula;
        for (int vez = 0; vez < 2; ++vez) {  // a second call starts a new sum
            calc.Calcular();
            EXPECT_EQ(calc.SomaDigitos, c.soma) << "\"" << c.documento << "\" call " << vez;
            EXPECT_EQ(calc.ModuloFinal, c.modulo) << "\"" << c.documento << "\"";
            EXPECT_EQ(calc.DigitoFinal, c.digito) << "\"" << c.documento << "\"";
        }
    }

    TCalcDigito padrao;
    padrao.MultiplicadorInicial = 3;
    padrao.MultiplicadorFinal = 4;
    padrao.MultiplicadorAtual = 4;
    padrao.FormulaDigito = F::frModulo10;
    padrao.CalculoPadrao();
    EXPECT_EQ(padrao.MultiplicadorInicial, 2);
    EXPECT_EQ(padrao.MultiplicadorFinal, 9);
    EXPECT_EQ(padrao.MultiplicadorAtual, 0);
    EXPECT_EQ(padrao.FormulaDigito, F::frModulo11);
}

TEST(Validador, ValidatorOptions) {
    TValidador v;
    v.TipoDocto = TValTipoDocto::docCNPJ;
    v.Documento = "11.222.333/0001-99";
    std::vector<std::string> avisos;
    v.OnMsgErro = [&](const std::string& m) { avisos.push_back(m); };
    EXPECT_FALSE(v.Validar());
    EXPECT_EQ(v.DoctoValidado(), "11222333000199");
    EXPECT_EQ(v.DigitoCalculado(), "81");
    EXPECT_EQ(avisos, std::vector<std::string>{"CNPJ inválido."});

    v.ExibeDigitoCorreto = true;
    EXPECT_FALSE(v.Validar());
    EXPECT_EQ(v.MsgErro(), "CNPJ inválido... Digito calculado: 81");

    v.TipoDocto = TValTipoDocto::docCPF;
    v.Documento = "529.982.247-00";
    EXPECT_FALSE(v.Validar());
    EXPECT_EQ(v.MsgErro(), "CPF inválido... Dígito calculado: 25");

    // A valid document clears the previous error.
    v.Documento = "529.982.247-25";
    EXPECT_TRUE(v.Validar());
    EXPECT_EQ(v.MsgErro(), "");
    EXPECT_EQ(v.DigitoCalculado(), "25");

    v.RaiseExcept = true;
    v.Documento = "52998224726";
    try {
        v.Validar();
        ADD_FAILURE() << "no exception";
    } catch (const EValidadorErro& e) {
        EXPECT_STREQ(e.what(), "CPF inválido... Dígito calculado: 25");
    }
    v.RaiseExcept = false;

    v.Documento = "";
    EXPECT_FALSE(v.Validar());
    v.PermiteVazio = true;
    EXPECT_TRUE(v.Validar());

    // Shorter numbers are completed with zeros in front; longer ones are not cut.
    v.AjustarTamanho = true;
    v.TipoDocto = TValTipoDocto::docCNPJ;
    v.Documento = "1234567000195";
    EXPECT_TRUE(v.Validar());
    EXPECT_EQ(v.DoctoValidado(), "01234567000195");
    v.Documento = "112223330001810";
    EXPECT_FALSE(v.Validar());
    EXPECT_EQ(v.MsgErro(), "CNPJ deve ter 14 dígitos. (Apenas números)");
    v.TipoDocto = TValTipoDocto::docCPF;
    v.Documento = "191";
    EXPECT_TRUE(v.Validar());
    EXPECT_EQ(v.DoctoValidado(), "00000000191");

    // Only the characters of IgnorarChar are dropped.
    v.AjustarTamanho = false;
    v.IgnorarChar = "";
    v.Documento = "529.982.247-25";
    EXPECT_FALSE(v.Validar());

    v.TipoDocto = static_cast<TValTipoDocto>(99);
    v.Documento = "1";
    try {
        v.Validar();
        ADD_FAILURE() << "no exception";
    } catch (const EValidadorErro& e) {
        EXPECT_STREQ(e.what(), "Tipo de documento informado inválido!");
    }
}
