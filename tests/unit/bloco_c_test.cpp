#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/ConfereArquivoEFD.h"
#include "common/PastaTemporaria.h"
#include "efd/GeradorEFD.h"
#include "util/Validador.h"

using namespace efd;
using util::Currency;
using util::Data;

namespace {

Currency Valor(double v) { return Currency::FromDouble(v); }

// "|C170|a||b|" -> {"C170", "a", "", "b"}: element n-1 is the layout's field n.
std::vector<std::string> Campos(const std::string& linha) {
    std::vector<std::string> campos;
    if (linha.size() < 2) return campos;
    size_t ini = 1;
    for (size_t p = linha.find('|', ini); p != std::string::npos; p = linha.find('|', ini)) {
        campos.push_back(linha.substr(ini, p - ini));
        ini = p + 1;
    }
    return campos;
}

// Block C alone, configured as the generation component configures it, with the
// block 0 whose layout version C500 reads, opened with data and holding one C010.
struct BlocoC {
    TBloco_0 bloco0;
    TBloco_C c;
    std::vector<std::string> erros;

    explicit BlocoC(Data ini = Data::FromYMD(2013, 1, 1), bool comC010 = true) {
        c.Delimitador("|");
        c.ReplaceDelimitador(true);
        c.TrimString(true);
        c.CurMascara("#0.00");
        c.OnError([this](const std::string& m) { erros.push_back(m); });
        c.DT_INI(ini);
        c.DT_FIN(ini.UltimoDiaDoMes());
        c.Bloco_0 = &bloco0;
        bloco0.Registro0000().COD_VER = TCodVer::vlVersao320;
        c.RegistroC001().IND_MOV = TIndMov::imComDados;
        if (comC010) {
            TRegistroC010* r = c.RegistroC010New();
            r->CNPJ = "11222333000181";
            r->IND_ESCRI = TIndEscrituracao::IndEscriIndividualizado;
        }
    }

    // The lines of one WriteRegistroC001 call (the line list is emptied after it).
    std::vector<std::string> Escreve() {
        c.WriteRegistroC001();
        return Retira();
    }
    // The whole block: C001 and below, then C990.
    std::vector<std::string> EscreveBloco() {
        c.WriteRegistroC001();
        c.WriteRegistroC990();
        return Retira();
    }
    std::vector<std::string> Retira() {
        std::vector<std::string> linhas;
        for (size_t i = 0; i < c.Conteudo().Count(); ++i) linhas.emplace_back(c.Conteudo()[i]);
        c.LimpaConteudo();
        return linhas;
    }
    // The first line of a register code written by a whole block.
    std::string LinhaDe(const std::string& reg) {
        for (const auto& l : EscreveBloco())
            if (teste::CodigoDaLinha(l) == reg) return l;
        return "(nenhuma linha " + reg + ")";
    }
};

std::vector<std::string> Codigos(const std::vector<std::string>& linhas) {
    std::vector<std::string> codigos;
    for (const auto& l : linhas) codigos.push_back(teste::CodigoDaLinha(l));
    return codigos;
}

std::vector<std::pair<std::string, int>> Entradas9900(const TBloco_C& c) {
    TEntradas9900 e;
    c.EntradasBloco9(e);
    return e.Itens();
}

const std::string kChave = "35130111222333000181550010000001231000001236";

// A regular NF-e with every amount filled but the discount, and one item.
TRegistroC100& Documento(TBloco_C& c, TCodSit situacao) {
    TRegistroC100& r = *c.RegistroC100New();
    r.IND_OPER = TIndTipoOper::tpSaidaPrestacao;
    r.IND_EMIT = TEmitente::edEmissaoPropria;
    r.COD_PART = "C0001";
    r.COD_MOD = "55";
    r.COD_SIT = situacao;
    r.SER = "001";
    r.NUM_DOC = "123";
    r.CHV_NFE = kChave;
    r.DT_DOC = Data::FromYMD(2013, 1, 10);
    r.DT_E_S = Data::FromYMD(2013, 1, 11);
    r.VL_DOC = Valor(1150);
    r.IND_PGTO = TIndPgto::tpPrazo;
    r.VL_MERC = Valor(1000);
    r.IND_FRT = TIndFrt::tfPorContaDestinatario;
    r.VL_FRT = Valor(100);
    r.VL_SEG = Valor(30);
    r.VL_OUT_DA = Valor(20);
    r.VL_BC_ICMS = Valor(1000);
    r.VL_ICMS = Valor(180);
    r.VL_BC_ICMS_ST = Valor(200);
    r.VL_ICMS_ST = Valor(36);
    r.VL_IPI = Valor(50);
    r.VL_PIS = Valor(16.5);
    r.VL_COFINS = Valor(76);
    r.VL_PIS_ST = Valor(1.1);
    r.VL_COFINS_ST = Valor(2.2);
    c.RegistroC170New()->NUM_ITEM = "1";
    return r;
}

}  // namespace

TEST(BlocoC, WithoutDataTheBlockIsItsOpeningAndClosingLines) {
    BlocoC b;
    Documento(b.c, TCodSit::sdfRegular);
    b.c.RegistroC001().IND_MOV = TIndMov::imSemDados;
    EXPECT_EQ(b.EscreveBloco(), (std::vector<std::string>{"|C001|1|", "|C990|2|"}));
    EXPECT_EQ(b.c.RegistroC010Count, 0);
    EXPECT_TRUE(Entradas9900(b.c).empty());
}

TEST(BlocoC, WithDataButNoEstablishmentOnlyTheFrameIsWritten) {
    BlocoC b(Data::FromYMD(2013, 1, 1), /*comC010=*/false);
    EXPECT_EQ(b.EscreveBloco(), (std::vector<std::string>{"|C001|0|", "|C990|2|"}));
    // A second call does not reach for an establishment either.
    EXPECT_NO_THROW(b.c.WriteRegistroC001());
}

TEST(BlocoC, C010Cnpj) {
    struct Caso { std::string cnpj, linha; };
    const Caso casos[] = {
        {"", "|C010|00000000000000|2|"},  // empty is not an error
        {"11222333000181", "|C010|11222333000181|2|"},
    };
    for (const auto& caso : casos) {
        BlocoC b;
        b.c.RegistroC001().RegistroC010.Ultimo()->CNPJ = caso.cnpj;
        EXPECT_EQ(b.LinhaDe("C010"), caso.linha);
        EXPECT_TRUE(b.erros.empty()) << caso.cnpj;
    }
}

TEST(BlocoC, C010InvalidCnpjIsReportedAndStillWritten) {
    // Needs the real document checks: skipped while util::CNPJValido still accepts everything.
    if (util::CNPJValido("11222333000100")) GTEST_SKIP() << "CNPJ check not in place yet";
    BlocoC b;
    b.c.RegistroC001().RegistroC010.Ultimo()->CNPJ = "11222333000100";
    EXPECT_EQ(b.LinhaDe("C010"), "|C010|11222333000100|2|");
    EXPECT_EQ(b.erros, std::vector<std::string>{"(C-010) ESTABELECIMENTO: O CNPJ \"11222333000100\" digitado é inválido!"});
}

TEST(BlocoC, C100BySituation) {
    const std::string regular = "|C100|1|0|C0001|55|00|001|123|" + kChave +
                                "|10012013|11012013|1150,00|1|0,00|0,00|1000,00|1|100,00|30,00|20,00|1000,00|180,00|"
                                "200,00|36,00|50,00|16,50|76,00|1,10|2,20|";
    // Fields 10 to 29 (dates, payment, freight and every amount) empty.
    const std::string vazios(20, '|');
    struct Caso { TCodSit situacao; std::string linha; };
    const Caso casos[] = {
        {TCodSit::sdfRegular, regular},
        {TCodSit::sdfComplementar, "|C100|1|0|C0001|55|06|001|123|" + kChave + regular.substr(regular.find("|1001"))},
        {TCodSit::sdfCancelado, "|C100|1|0||55|02|001|123|" + kChave + "|" + vazios},
        {TCodSit::sdfExtCancelado, "|C100|1|0||55|03|001|123|" + kChave + "|" + vazios},
        {TCodSit::sdfDenegado, "|C100|1|0||55|04|001|123|" + kChave + "|" + vazios},
        {TCodSit::sdfInutilizado, "|C100|1|0||55|05|001|123||" + vazios},
    };
    for (const auto& caso : casos) {
        BlocoC b;
        Documento(b.c, caso.situacao);
        const auto linhas = b.EscreveBloco();
        ASSERT_EQ(Codigos(linhas), (std::vector<std::string>{"C001", "C010", "C100", "C170", "C990"}))
            << Codigo(caso.situacao);
        EXPECT_EQ(linhas[2], caso.linha);
        EXPECT_EQ(Campos(linhas[2]).size(), 29u);
    }
}

TEST(BlocoC, C100PaymentIndicatorByPeriod) {
    struct Caso { TIndPgto pgto; Data ini; std::string codigo; };
    const Caso casos[] = {
        {TIndPgto::tpSemPagamento, Data::FromYMD(2012, 6, 1), "9"},
        {TIndPgto::tpSemPagamento, Data::FromYMD(2012, 7, 1), "2"},
        {TIndPgto::tpSemPagamento, Data::FromYMD(2019, 1, 1), "2"},
        {TIndPgto::tpVista, Data::FromYMD(2012, 6, 1), "0"},
        {TIndPgto::tpPrazo, Data::FromYMD(2012, 7, 1), "1"},
        {TIndPgto::tpNenhum, Data::FromYMD(2012, 7, 1), ""},
    };
    for (const auto& caso : casos) {
        BlocoC b(caso.ini);
        Documento(b.c, TCodSit::sdfRegular).IND_PGTO = caso.pgto;
        EXPECT_EQ(Campos(b.LinhaDe("C100"))[12], caso.codigo) << caso.ini.Formata("dd/mm/yyyy");
    }
}

TEST(BlocoC, C170InLayoutOrder) {
    BlocoC b;
    b.c.RegistroC100New();
    TRegistroC170& r = *b.c.RegistroC170New();
    r.NUM_ITEM = "2";
    r.COD_ITEM = "PRD001";
    r.DESCR_COMPL = "  PARAFUSO M8  ";
    r.QTD = 12.5;
    r.UNID = "UN";
    r.VL_ITEM = Valor(333.33);
    r.VL_DESC = Valor(3.33);
    r.IND_MOV = TIndMovFisica::mfNao;
    r.CST_ICMS = TCstIcms::sticmsTributadaIntegralmente;
    r.CFOP = "5102";
    r.COD_NAT = "5102";
    r.VL_BC_ICMS = Valor(333.33);
    r.ALIQ_ICMS = Valor(18);
    r.VL_ICMS = Valor(60);
    r.IND_APUR = TApuracaoIPI::iaMensal;
    r.CST_IPI = TCstIpi::stipiSaidaTributada;
    r.VL_BC_IPI = Valor(333.33);
    r.ALIQ_IPI = Valor(5);
    r.VL_IPI = Valor(16.67);
    r.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    r.VL_BC_PIS = 333.33;
    r.ALIQ_PIS_PERC = 1.65;
    r.VL_PIS = 5.49;
    r.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    r.VL_BC_COFINS = 333.33;
    r.ALIQ_COFINS_PERC = 7.6;
    r.VL_COFINS = 25.33;
    r.COD_CTA = "3.01.01.001";
    const auto linhas = b.EscreveBloco();
    ASSERT_EQ(Codigos(linhas), (std::vector<std::string>{"C001", "C010", "C100", "C170", "C990"}));
    EXPECT_EQ(linhas[3],
              "|C170|2|PRD001|PARAFUSO M8|12,50000|UN|333,33|3,33|1|000|5102|5102|333,33|18,00|60,00|0,00|0,00|0,00|"
              "0|50||333,33|5,00|16,67|01|333,33|1,6500|||5,49|01|333,33|7,6000|||25,33|3.01.01.001|");
    EXPECT_EQ(Campos(linhas[3]).size(), 37u);
}

TEST(BlocoC, C170FieldForms) {
    struct Caso {
        const char* regra;
        std::function<void(TRegistroC170&)> preenche;
        size_t campo;
        std::string esperado;
    };
    const Caso casos[] = {
        {"CFOP of three digits is filled to four", [](auto& r) { r.CFOP = "512"; }, 11, "0512"},
        {"CFOP of five digits is cut to four", [](auto& r) { r.CFOP = "51020"; }, 11, "5102"},
        {"unassigned QTD is empty", [](auto&) {}, 5, ""},
        {"QTD has five decimals", [](auto& r) { r.QTD = 3; }, 5, "3,00000"},
        {"IPI base zero is empty", [](auto& r) { r.VL_BC_IPI = {}; }, 22, ""},
        {"IPI rate zero is empty", [](auto&) {}, 23, ""},
        {"ICMS base zero is written", [](auto& r) { r.VL_BC_ICMS = {}; }, 13, "0,00"},
        {"unassigned VL_PIS is zero", [](auto&) {}, 30, "0,00"},
        {"unassigned VL_COFINS is zero", [](auto&) {}, 36, "0,00"},
        {"unassigned PIS base is empty", [](auto&) {}, 26, ""},
        {"PIS base zero is written", [](auto& r) { r.VL_BC_PIS = 0; }, 26, "0,00"},
        {"PIS quantity base has three decimals", [](auto& r) { r.QUANT_BC_PIS = 2; }, 28, "2,000"},
        {"CST ICMS keeps its origin digit", [](auto& r) { r.CST_ICMS = TCstIcms::sticmsCobradoAnteriormentePorST; },
         10, "060"},
        {"no CST ICMS is empty", [](auto& r) { r.CST_ICMS = TCstIcms::sticmsNenhum; }, 10, ""},
        {"no CST IPI is empty", [](auto& r) { r.CST_IPI = TCstIpi::stipiVazio; }, 20, ""},
        {"no CST PIS is empty", [](auto& r) { r.CST_PIS = TCstPis::stpisNenhum; }, 25, ""},
        {"no apuration period is empty", [](auto& r) { r.IND_APUR = TApuracaoIPI::iaVazio; }, 19, ""},
    };
    for (const auto& caso : casos) {
        BlocoC b;
        b.c.RegistroC100New();
        caso.preenche(*b.c.RegistroC170New());
        EXPECT_EQ(Campos(b.LinhaDe("C170"))[caso.campo - 1], caso.esperado) << caso.regra;
    }
}

TEST(BlocoC, C175) {
    BlocoC b;
    Documento(b.c, TCodSit::sdfRegular).COD_MOD = "65";
    TRegistroC175& r = *b.c.RegistroC175New();
    r.CFOP = "5102";
    r.VL_OPR = 30;
    r.CST_PIS = TCstPis::stpisValorAliquotaNormal;
    r.VL_BC_PIS = 30;
    r.ALIQ_PIS = 1.65;  // four decimals passed, two written under the currency mask
    r.VL_PIS = 0.49;
    r.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
    r.VL_BC_COFINS = 30;
    r.ALIQ_COFINS = 7.6;
    r.VL_COFINS = 2.28;
    r.INFO_COMPL = "NFC-E";
    const std::string linha = b.LinhaDe("C175");
    EXPECT_EQ(linha, "|C175|5102|30,00||01|30,00|1,65|||0,49|01|30,00|7,60|||2,28||NFC-E|");
    EXPECT_EQ(Campos(linha).size(), 18u);
}

// One record of every register, written in one call: the order of the lines, their
// number of fields, the counters for block 9 and the lists freed afterwards.
TEST(BlocoC, EveryRegisterInWriteOrder) {
    BlocoC b(Data::FromYMD(2015, 5, 1));
    TBloco_C& c = b.c;
    Documento(c, TCodSit::sdfRegular);
    c.RegistroC110New();
    c.RegistroC111New();
    c.RegistroC120New();
    c.RegistroC175New();
    c.RegistroC180New();
    c.RegistroC181New();
    c.RegistroC185New();
    c.RegistroC188New();
    c.RegistroC190New();
    c.RegistroC191New();
    c.RegistroC195New();
    c.RegistroC198New();
    c.RegistroC199New();
    c.RegistroC380New();
    c.RegistroC381New();
    c.RegistroC385New();
    c.RegistroC395New();
    c.RegistroC396New();
    c.RegistroC400New();
    c.RegistroC405New();
    c.RegistroC481New();
    c.RegistroC485New();
    c.RegistroC489New();
    c.RegistroC490New();
    c.RegistroC491New();
    c.RegistroC495New();
    c.RegistroC499New();
    c.RegistroC500New();
    c.RegistroC501New();
    c.RegistroC505New();
    c.RegistroC509New();
    c.RegistroC600New();
    c.RegistroC601New();
    c.RegistroC605New();
    c.RegistroC609New();
    c.RegistroC800New();
    c.RegistroC810New();
    c.RegistroC820New();
    c.RegistroC830New();
    c.RegistroC860New();
    c.RegistroC870New();
    c.RegistroC880New();
    c.RegistroC890New();

    // Register code and its number of fields, REG included, in the order written.
    const std::vector<std::pair<std::string, size_t>> esperado = {
        {"C001", 2},  {"C010", 3},  {"C100", 29}, {"C110", 3},  {"C111", 3},  {"C120", 6},  {"C170", 37},
        {"C175", 18}, {"C180", 8},  {"C181", 11}, {"C185", 11}, {"C188", 3},  {"C190", 8},  {"C191", 12},
        {"C195", 12}, {"C198", 3},  {"C199", 6},  {"C380", 8},  {"C381", 10}, {"C385", 10}, {"C395", 8},
        {"C396", 14}, {"C400", 5},  {"C405", 7},  {"C481", 10}, {"C485", 10}, {"C489", 3},  {"C490", 4},
        {"C491", 11}, {"C495", 11}, {"C499", 3},  {"C500", 15}, {"C501", 8},  {"C505", 8},  {"C509", 3},
        {"C600", 22}, {"C601", 7},  {"C605", 7},  {"C609", 3},  {"C860", 6},  {"C870", 14}, {"C880", 13},
        {"C890", 3},  {"C990", 2},
    };
    const auto linhas = b.EscreveBloco();
    std::vector<std::pair<std::string, size_t>> obtido;
    for (const auto& l : linhas) obtido.emplace_back(teste::CodigoDaLinha(l), Campos(l).size());
    EXPECT_EQ(obtido, esperado);
    EXPECT_EQ(linhas.back(), "|C990|44|");

    // Every code between C001 and C990 once, in the order of block 9; no C800 family.
    std::vector<std::pair<std::string, int>> entradas;
    for (size_t i = 1; i + 1 < esperado.size(); ++i) entradas.emplace_back(esperado[i].first, 1);
    EXPECT_EQ(Entradas9900(c), entradas);
    EXPECT_EQ(c.RegistroC800Count + c.RegistroC810Count + c.RegistroC820Count + c.RegistroC830Count, 0);

    // The documents are freed once written; the establishment stays.
    const TRegistroC010& c010 = *c.RegistroC001().RegistroC010.Ultimo();
    for (int n : {c010.RegistroC100.Count(), c010.RegistroC180.Count(), c010.RegistroC190.Count(),
                  c010.RegistroC380.Count(), c010.RegistroC395.Count(), c010.RegistroC400.Count(),
                  c010.RegistroC490.Count(), c010.RegistroC500.Count(), c010.RegistroC600.Count(),
                  c010.RegistroC860.Count()})
        EXPECT_EQ(n, 0);
    EXPECT_EQ(c.RegistroC001().RegistroC010.Count(), 1);
}

TEST(BlocoC, C500ByLayoutVersion) {
    struct Caso { TCodVer versao; std::string chave; size_t campos; };
    const std::string chave = "35190111222333000181660010000001231000001230";
    const Caso casos[] = {
        {TCodVer::vlVersao310, chave, 14},
        {TCodVer::vlVersao100, chave, 14},
        {TCodVer::vlVersao320, chave, 15},
        {TCodVer::vlVersao320, "", 15},
    };
    for (const auto& caso : casos) {
        BlocoC b;
        b.bloco0.Registro0000().COD_VER = caso.versao;
        TRegistroC500& r = *b.c.RegistroC500New();
        r.COD_PART = "F0001";
        r.COD_MOD = "6";
        r.NUM_DOC = 123;
        r.CHV_DOCe = caso.chave;
        const auto campos = Campos(b.LinhaDe("C500"));
        ASSERT_EQ(campos.size(), caso.campos) << CodVerCode(caso.versao);
        EXPECT_EQ(campos[2], "06");         // COD_MOD, two characters
        EXPECT_EQ(campos[5], "000");        // SUB 0
        EXPECT_EQ(campos[6], "000000123");  // NUM_DOC, nine digits
        if (caso.campos == 15) EXPECT_EQ(campos[14], caso.chave);
        else EXPECT_EQ(std::find(campos.begin(), campos.end(), chave), campos.end());
    }
}

// Field forms of the other registers of the block that differ from a plain field.
TEST(BlocoC, FieldFormsOfTheOtherRegisters) {
    struct Caso {
        const char* regra;
        std::string reg;
        std::function<void(TBloco_C&)> preenche;
        size_t campo;
        std::string esperado;
    };
    const Caso casos[] = {
        {"C501 rate has four decimals", "C501", [](auto& c) { c.RegistroC500New(); c.RegistroC501New()->ALIQ_PIS = 1.65; },
         6, "1,6500"},
        {"C501 base zero is written", "C501", [](auto& c) { c.RegistroC500New(); c.RegistroC501New(); }, 5, "0,00"},
        {"C501 credit base as two digits", "C501",
         [](auto& c) { c.RegistroC500New(); c.RegistroC501New()->NAT_BC_CRED = TNatBcCred::bccEnergiaEletricaTermica; },
         4, "04"},
        {"C505 no credit base is empty", "C505", [](auto& c) { c.RegistroC500New(); c.RegistroC505New(); }, 4, ""},
        {"C509 process origin", "C509",
         [](auto& c) { c.RegistroC500New(); c.RegistroC509New()->IND_PROC = TOrigemProcesso::opOutros; }, 3, "9"},
        {"C396 credit base", "C396",
         [](auto& c) { c.RegistroC395New(); c.RegistroC396New()->NAT_BC_CRED = TNatBcCred::bccEstoqueAberturaBens; },
         5, "18"},
        {"C380 first number zero is empty", "C380", [](auto& c) { c.RegistroC380New(); }, 5, ""},
        {"C380 first number has six digits", "C380", [](auto& c) { c.RegistroC380New()->NUM_DOC_INI = 123; }, 5,
         "000123"},
        {"C600 count written as an amount", "C600", [](auto& c) { c.RegistroC600New()->QTD_CONS = 5; }, 7, "5,00"},
        {"C600 municipality has seven digits", "C600", [](auto& c) { c.RegistroC600New()->COD_MUN = 3550308; }, 3,
         "3550308"},
        {"C600 series filled to four", "C600", [](auto& c) { c.RegistroC600New()->SER = "1"; }, 4, "0001"},
        {"C120 no drawback act stays empty", "C120", [](auto& c) { c.RegistroC100New(); c.RegistroC120New(); }, 6, ""},
        {"C120 simplified import", "C120",
         [](auto& c) { c.RegistroC100New(); c.RegistroC120New()->COD_DOC_IMP = TDoctoImporta::diSimplificadaImport; },
         2, "1"},
        {"C191 CFOP as an integer of four", "C191", [](auto& c) { c.RegistroC190New(); c.RegistroC191New()->CFOP = 102; },
         4, "0102"},
        {"C195 COFINS is an amount", "C195", [](auto& c) { c.RegistroC190New(); c.RegistroC195New(); }, 11, "0,00"},
        {"C405 CRO has three digits", "C405", [](auto& c) { c.RegistroC400New(); c.RegistroC405New()->CRO = 1; }, 3,
         "001"},
        {"C860 SAT number has nine digits", "C860", [](auto& c) { c.RegistroC860New()->NR_SAT = 900001; }, 3,
         "000900001"},
        {"C870 zero rate under substitution is empty", "C870",
         [](auto& c) { c.RegistroC860New(); c.RegistroC870New()->CST_PIS = TCstPis::stpisValorAliquotaPorST; }, 8, ""},
        {"C870 zero rate otherwise is written", "C870", [](auto& c) { c.RegistroC860New(); c.RegistroC870New(); }, 8,
         "0,0000"},
        {"C870 COFINS zero rate under substitution is empty", "C870",
         [](auto& c) {
             c.RegistroC860New();
             c.RegistroC870New()->CST_COFINS = TCstCofins::stcofinsValorAliquotaPorST;
         },
         12, ""},
        {"C870 unassigned amount counts as zero", "C870", [](auto& c) { c.RegistroC860New(); c.RegistroC870New(); }, 4,
         "0,00"},
        {"C181 unassigned discount is empty", "C181", [](auto& c) { c.RegistroC180New(); c.RegistroC181New(); }, 5, ""},
    };
    for (const auto& caso : casos) {
        BlocoC b(Data::FromYMD(2015, 5, 1));
        caso.preenche(b.c);
        const auto campos = Campos(b.LinhaDe(caso.reg));
        ASSERT_GT(campos.size(), caso.campo - 1) << caso.regra;
        EXPECT_EQ(campos[caso.campo - 1], caso.esperado) << caso.regra;
    }
}

TEST(BlocoC, SatRegistersOnlyFromMay2015AndC800Never) {
    struct Caso { Data ini; std::vector<std::string> codigos; };
    const Caso casos[] = {
        {Data::FromYMD(2015, 4, 1), {"C001", "C010", "C990"}},
        {Data::FromYMD(2015, 5, 1), {"C001", "C010", "C860", "C870", "C880", "C890", "C990"}},
    };
    for (const auto& caso : casos) {
        BlocoC b(caso.ini);
        b.c.RegistroC800New();
        b.c.RegistroC810New();
        b.c.RegistroC860New();
        b.c.RegistroC870New();
        b.c.RegistroC880New();
        b.c.RegistroC890New();
        EXPECT_EQ(Codigos(b.EscreveBloco()), caso.codigos) << caso.ini.Formata("dd/mm/yyyy");
        EXPECT_EQ(b.c.RegistroC860Count, caso.codigos.size() > 3 ? 1 : 0);
        EXPECT_EQ(b.c.RegistroC800Count, 0);
    }
}

TEST(BlocoC, NewWithoutParentRaisesListErrorAndAddsNothing) {
    struct Caso {
        const char* registro;
        std::function<void(TBloco_C&)> pais;  // the levels above that do exist
        std::function<void(TBloco_C&)> novo;
    };
    const Caso casos[] = {
        {"C100 without C010", nullptr, [](auto& c) { c.RegistroC100New(); }},
        {"C500 without C010", nullptr, [](auto& c) { c.RegistroC500New(); }},
        {"C170 without C100", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC170New(); }},
        {"C110 without C100", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC110New(); }},
        {"C181 without C180", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC181New(); }},
        {"C199 without C190", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC199New(); }},
        {"C396 without C395", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC396New(); }},
        {"C481 without C405",
         [](auto& c) {
             c.RegistroC010New();
             c.RegistroC400New();
         },
         [](auto& c) { c.RegistroC481New(); }},
        {"C481 without C400", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC481New(); }},
        {"C501 without C500", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC501New(); }},
        {"C601 without C600", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC601New(); }},
        {"C810 without C800", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC810New(); }},
        {"C870 without C860", [](auto& c) { c.RegistroC010New(); }, [](auto& c) { c.RegistroC870New(); }},
    };
    for (const auto& caso : casos) {
        BlocoC b(Data::FromYMD(2015, 5, 1), /*comC010=*/false);
        if (caso.pais) caso.pais(b.c);
        EXPECT_THROW(caso.novo(b.c), EListError) << caso.registro;
        // Nothing was added: the block holds what the existing levels write.
        const auto codigos = Codigos(b.EscreveBloco());
        const std::vector<std::string> quadro = {"C001", "C990"};
        const std::vector<std::string> comC010 = {"C001", "C010", "C990"};
        const std::vector<std::string> comC400 = {"C001", "C010", "C400", "C990"};
        EXPECT_TRUE(codigos == quadro || codigos == comC010 || codigos == comC400) << caso.registro;
    }
}

TEST(BlocoC, ALaterCallWritesOnlyWhatWasAdded) {
    BlocoC b;
    b.c.RegistroC100New()->NUM_DOC = "1";
    EXPECT_EQ(Codigos(b.Escreve()), (std::vector<std::string>{"C001", "C010", "C100"}));

    // A new establishment with its document: its C010 line, not the first one again.
    b.c.RegistroC010New()->CNPJ = "11444777000161";
    b.c.RegistroC100New()->NUM_DOC = "2";
    const auto segunda = b.Escreve();
    EXPECT_EQ(Codigos(segunda), (std::vector<std::string>{"C010", "C100"}));
    EXPECT_EQ(segunda[0], "|C010|11444777000161|1|");

    // Nothing added: nothing written.
    EXPECT_TRUE(b.Escreve().empty());

    // A document under the last establishment, without its C010 line.
    b.c.RegistroC500New()->COD_MOD = "06";
    EXPECT_EQ(Codigos(b.Escreve()), (std::vector<std::string>{"C500"}));

    // A document under the last establishment written, then a new establishment
    // before the next call: the document is written first, under its own C010,
    // instead of being lost.
    b.c.RegistroC100New()->NUM_DOC = "3";
    b.c.RegistroC010New()->CNPJ = "11222333000262";
    b.c.RegistroC100New()->NUM_DOC = "4";
    const auto quarta = b.Escreve();
    EXPECT_EQ(Codigos(quarta), (std::vector<std::string>{"C100", "C010", "C100"}));
    EXPECT_EQ(quarta[1], "|C010|11222333000262|1|");

    b.c.WriteRegistroC990();
    EXPECT_EQ(b.Retira(), std::vector<std::string>{"|C990|10|"});
    EXPECT_EQ(b.c.RegistroC010Count, 3);
    EXPECT_EQ(b.c.RegistroC100Count, 4);
    EXPECT_EQ(b.c.RegistroC500Count, 1);
}

// The generation component writes block C once with FechaBloco false, the export run
// adds one more document under the same establishment, and block 9 closes the file.
TEST(BlocoC, WrittenInTwoCallsThroughTheGenerator) {
    teste::PastaTemporaria pasta;
    Data::FixaHoje(Data::FromYMD(2013, 3, 10));
    TGeradorEFD sped;
    sped.Path(pasta.Path().string());
    sped.Arquivo("SPED_Contribuicoes_0113.txt");
    sped.DT_INI(Data::FromYMD(2013, 1, 1));
    sped.DT_FIN(Data::FromYMD(2013, 1, 31));
    sped.Bloco_0().Registro0000().COD_VER = TCodVer::vlVersao320;
    sped.Bloco_0().Registro0000().NOME = "EMPRESA TESTE";
    sped.Bloco_0().Registro0001().IND_MOV = TIndMov::imSemDados;
    TBloco_C& c = sped.Bloco_C();
    c.RegistroC001().IND_MOV = TIndMov::imComDados;
    c.RegistroC010New()->CNPJ = "11222333000181";
    c.RegistroC100New()->NUM_DOC = "1";
    c.RegistroC100New()->NUM_DOC = "2";

    sped.IniciaGeracao();
    sped.WriteBloco_C(false);
    EXPECT_FALSE(c.Gravado());
    EXPECT_EQ(c.RegistroC001().RegistroC010.Ultimo()->RegistroC100.Count(), 0);  // freed once written

    c.RegistroC100New()->NUM_DOC = "3";
    sped.WriteBloco_9();
    Data::FixaHoje(std::nullopt);

    std::vector<std::string> problemas;
    const auto arquivo = teste::LeArquivoEFD(teste::LeBytes(sped.ArquivoCompleto()), problemas);
    std::vector<std::string> blocoC;
    for (const auto& l : arquivo.linhas)
        if (l.rfind("|C", 0) == 0) blocoC.push_back(l);
    EXPECT_EQ(Codigos(blocoC), (std::vector<std::string>{"C001", "C010", "C100", "C100", "C100", "C990"}));
    EXPECT_EQ(Campos(blocoC[2])[7], "1");
    EXPECT_EQ(Campos(blocoC[4])[7], "3");
    EXPECT_EQ(blocoC.back(), "|C990|6|");
    EXPECT_EQ(c.RegistroC010Count, 1);
    EXPECT_EQ(c.RegistroC100Count, 3);
    EXPECT_NE(std::find(arquivo.linhas.begin(), arquivo.linhas.end(), "|9900|C100|3|"), arquivo.linhas.end());
    EXPECT_EQ(teste::ConfereArquivoEFD(sped.ArquivoCompleto()), std::vector<std::string>{});
}

// The "before" events of the printer items: called once per record before its line,
// through the generation component's EventsBloco_C, and their flags decide which zero
// values are empty.
TEST(BlocoC, PrinterItemEvents) {
    TGeradorEFD sped;
    sped.DT_INI(Data::FromYMD(2013, 1, 1));
    TBloco_C& c = sped.Bloco_C();
    c.RegistroC001().IND_MOV = TIndMov::imComDados;
    c.RegistroC010New();
    c.RegistroC400New();
    c.RegistroC405New();
    TRegistroC481& zero = *c.RegistroC481New();
    zero.VL_BC_PIS = 0;
    TRegistroC481& cheio = *c.RegistroC481New();
    cheio.VL_BC_PIS = 100;
    cheio.ALIQ_PIS = 1.65;
    cheio.VL_PIS = 1.65;
    c.RegistroC485New();
    c.RegistroC490New();
    c.RegistroC491New();
    c.RegistroC495New();

    std::vector<std::string> chamadas;
    sped.EventsBloco_C().OnBeforeWriteRegistroC481(
        [&](TRegistroC481* r, bool& bc, bool&, bool&, bool&, bool& vl) {
            chamadas.push_back("C481 " + std::to_string(c.Conteudo().Count()));
            bc = true;
            vl = true;
            r->COD_ITEM = "DO EVENTO";
        });
    sped.EventsBloco_C().OnBeforeWriteRegistroC485([&](TRegistroC485*, bool&, bool&, bool&, bool&, bool&) {
        chamadas.push_back("C485");
    });
    sped.EventsBloco_C().OnBeforeWriteRegistroC491([&](TRegistroC491*, bool&, bool& aliq, bool&, bool&, bool&) {
        chamadas.push_back("C491");
        aliq = true;
    });
    sped.EventsBloco_C().OnBeforeWriteRegistroC495([&](TRegistroC495*, bool&, bool&, bool&, bool&, bool&) {
        chamadas.push_back("C495");
    });
    EXPECT_TRUE(static_cast<bool>(c.OnBeforeWriteRegistroC481));  // stored in the block
    // The "after" events are held but never called.
    c.OnAfterWriteRegistroC481 = [&](TRegistroC481*, bool&, bool&, bool&, bool&, bool&) {
        chamadas.push_back("depois C481");
    };

    c.WriteRegistroC001();
    std::vector<std::string> linhas;
    for (size_t i = 0; i < c.Conteudo().Count(); ++i) linhas.emplace_back(c.Conteudo()[i]);
    // C001, C010, C400, C405 are written before the first C481 is asked for.
    EXPECT_EQ(chamadas, (std::vector<std::string>{"C481 4", "C481 5", "C485", "C491", "C495"}));
    ASSERT_EQ(linhas.size(), 10u);
    // Flag set: zero is empty. Flag clear: zero is written, unassigned counting as zero.
    EXPECT_EQ(linhas[4], "|C481|01|0,00||0,0000|0,000|0,0000||DO EVENTO||");
    EXPECT_EQ(linhas[5], "|C481|01|0,00|100,00|1,6500|0,000|0,0000|1,65|DO EVENTO||");
    EXPECT_EQ(linhas[6], "|C485|01|0,00|0,00|0,0000|0,000|0,0000|0,00|||");
    EXPECT_EQ(linhas[8], "|C491||01|0000|0,00|0,00||0,000|0,0000|0,00||");

    // Without a handler the five fields are optional numbers: unassigned is empty.
    BlocoC b;
    b.c.RegistroC400New();
    b.c.RegistroC405New();
    TRegistroC481& semEvento = *b.c.RegistroC481New();
    semEvento.VL_BC_PIS = 0;
    semEvento.ALIQ_PIS = 1.65;
    EXPECT_EQ(b.LinhaDe("C481"), "|C481|01|0,00|0,00|1,6500||||||");
}
