#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/BlocoDeTeste.h"
#include "common/ConfereArquivoEFD.h"
#include "common/PastaTemporaria.h"
#include "efd/EFDBloco_I_Class.h"
#include "efd/EFDBloco_P_Class.h"
#include "efd/GeradorEFD.h"
#include "util/Validador.h"

using namespace efd;
using util::Currency;
using util::Data;

namespace {

const Data kJan2014 = Data::FromYMD(2014, 1, 1);

template <class B>
struct Bloco {
    B b;
    std::vector<std::string> erros;
    Bloco() {
        teste::ConfiguraComoGerador(b, kJan2014, kJan2014.UltimoDiaDoMes());
        b.OnError([this](const std::string& m) { erros.push_back(m); });
        b.RegistroAbertura()->IND_MOV = TIndMov::imSemDados;
    }
    void ComDados() { b.RegistroAbertura()->IND_MOV = TIndMov::imComDados; }
};

struct BlocoI : Bloco<TBloco_I> {
    std::vector<std::string> Escreve() {
        b.WriteRegistroI001();
        b.WriteRegistroI990();
        return teste::Linhas(b);
    }
};

struct BlocoP : Bloco<TBloco_P> {
    std::vector<std::string> Escreve() {
        b.WriteRegistroP001();
        b.WriteRegistroP990();
        return teste::Linhas(b);
    }
};

TRegistroI100* NovoI100(TBloco_I& b, double receita) {
    TRegistroI100* r = b.RegistroI100New();
    r->VL_REC = receita;
    r->VL_BC_PIS = receita;
    r->ALIQ_PIS = 0.65;
    r->VL_PIS = receita * 0.0065;
    r->VL_BC_COFINS = receita;
    r->ALIQ_COFINS = 4;
    r->VL_COFINS = receita * 0.04;
    return r;
}

}  // namespace

TEST(BlocosIP, WithoutDataOnlyOpenAndClose) {
    BlocoI i;
    EXPECT_EQ(i.Escreve(), (std::vector<std::string>{"|I001|1|", "|I990|2|"}));
    EXPECT_TRUE(teste::Entradas(i.b).empty());
    BlocoP p;
    EXPECT_EQ(p.Escreve(), (std::vector<std::string>{"|P001|1|", "|P990|2|"}));
    EXPECT_TRUE(teste::Entradas(p.b).empty());

    // Opened with data but holding no establishment: the opening line and nothing
    // below, on every call.
    BlocoI i2;
    i2.ComDados();
    i2.b.WriteRegistroI001();
    EXPECT_EQ(i2.Escreve(), (std::vector<std::string>{"|I001|0|", "|I990|2|"}));
    BlocoP p2;
    p2.ComDados();
    EXPECT_EQ(p2.Escreve(), (std::vector<std::string>{"|P001|0|", "|P990|2|"}));
}

TEST(BlocoI, ProcessOriginIsOneCharacterAndEmptyBecomesZero) {
    struct Caso { TOrigemProcesso origem; const char* codigo; };
    const Caso casos[] = {
        {TOrigemProcesso::opJusticaFederal, "1"},
        {TOrigemProcesso::opSecexRFB, "3"},
        {TOrigemProcesso::opOutros, "9"},
        {TOrigemProcesso::opNenhum, "0"},
    };
    for (const auto& c : casos) {
        BlocoI i;
        i.ComDados();
        i.b.RegistroI010New();
        i.b.RegistroI100New();
        TRegistroI199* p = i.b.RegistroI199New();
        p->NUM_PROC = "12345";
        p->IND_PROC = c.origem;
        i.b.RegistroI200New();
        i.b.RegistroI299New()->IND_PROC = c.origem;
        i.b.RegistroI300New();
        i.b.RegistroI399New()->IND_PROC = c.origem;
        const auto linhas = i.Escreve();
        const std::string cod = c.codigo;
        EXPECT_EQ(teste::LinhasDe(linhas, "I199"), std::vector<std::string>{"|I199|12345|" + cod + "|"});
        EXPECT_EQ(teste::LinhasDe(linhas, "I299"), std::vector<std::string>{"|I299||" + cod + "|"});
        EXPECT_EQ(teste::LinhasDe(linhas, "I399"), std::vector<std::string>{"|I399||" + cod + "|"});
    }
}

TEST(BlocoI, EveryRegisterInTreeOrderWithItsLayoutFieldCount) {
    BlocoI i;
    i.ComDados();
    TRegistroI010* e = i.b.RegistroI010New();
    e->CNPJ = "11222333000181";
    e->IND_ATIV = 1;
    TRegistroI100* r = NovoI100(i.b, 1000);
    r->CST_PIS_COFINS = TCstPisCofins::stpiscofinsNenhum;
    r->VL_TOT_DED_GER = 12.345;
    r->INFO_COMPL = "RECEITA";
    i.b.RegistroI199New();
    TRegistroI200* d = i.b.RegistroI200New();
    d->NUM_CAMPO = "4";
    d->COD_DET = "101";
    d->DET_VALOR = 100;
    d->COD_CTA = "3.01";
    i.b.RegistroI299New();
    TRegistroI300* c = i.b.RegistroI300New();
    c->COD_COMP = "C01";
    c->DET_VALOR = 50.5;
    i.b.RegistroI399New();
    NovoI100(i.b, 200)->CST_PIS_COFINS = TCstPisCofins::stpiscofinsOutrasDespesas;

    const auto linhas = i.Escreve();
    const std::vector<std::string> esperado = {
        "|I001|0|",
        "|I010|11222333000181|01||",
        "|I100|1000,00||12,35|0,00|1000,00|0,65|6,50|1000,00|4,00|40,00|RECEITA|",
        "|I199||1|",
        "|I200|04|00101|100,00|3.01||",
        "|I299||1|",
        "|I300|C01|50,50|||",
        "|I399||1|",
        "|I100|200,00|99|0,00|0,00|200,00|0,65|1,30|200,00|4,00|8,00||",
        "|I990|10|",
    };
    EXPECT_EQ(linhas, esperado);
    const std::map<std::string, int> campos = {{"I001", 2}, {"I010", 4}, {"I100", 12}, {"I199", 3}, {"I200", 6},
                                               {"I299", 3}, {"I300", 5}, {"I399", 3},  {"I990", 2}};
    for (const auto& l : linhas) EXPECT_EQ(teste::Campos(l), campos.at(teste::Codigos({l})[0])) << l;
    EXPECT_EQ(teste::Entradas(i.b), (std::map<std::string, int>{{"I010", 1}, {"I100", 2}, {"I199", 1}, {"I200", 1},
                                                                {"I299", 1}, {"I300", 1}, {"I399", 1}}));
    // Written records are freed; the establishment stays.
    EXPECT_EQ(e->RegistroI100.Count(), 0);
    EXPECT_EQ(i.b.RegistroI001().RegistroI010.Count(), 1);
    EXPECT_TRUE(i.erros.empty());
}

TEST(BlocoI, WrittenInTwoCallsThroughTheGenerationComponent) {
    teste::PastaTemporaria pasta;
    struct Hoje {
        Hoje() { Data::FixaHoje(Data::FromYMD(2014, 3, 10)); }
        ~Hoje() { Data::FixaHoje(std::nullopt); }
    } hoje;
    std::vector<std::string> erros;
    {
        TGeradorEFD sped;
        sped.OnError([&](const std::string& m) { erros.push_back(m); });
        sped.Path(pasta.Path().string());
        sped.Arquivo("SPED_Contribuicoes_0114.txt");
        sped.DT_INI(kJan2014);
        sped.DT_FIN(kJan2014.UltimoDiaDoMes());
        TRegistro0000& r0 = sped.Bloco_0().Registro0000();
        r0.COD_VER = TCodVer::vlVersao202;
        r0.NOME = "BANCO TESTE";
        r0.CNPJ = "11222333000181";
        r0.UF = "SP";
        r0.COD_MUN = 3550308;
        sped.Bloco_0().Registro0001().IND_MOV = TIndMov::imSemDados;

        TBloco_I& bi = sped.Bloco_I();
        bi.RegistroI001().IND_MOV = TIndMov::imComDados;
        TRegistroI010* e = bi.RegistroI010New();
        e->CNPJ = "11222333000181";
        NovoI100(bi, 1000);
        bi.RegistroI199New()->NUM_PROC = "P1";
        NovoI100(bi, 2000);

        sped.IniciaGeracao();
        bi.WriteRegistroI001();  // first call: I001, I010 and the two I100
        EXPECT_EQ(e->RegistroI100.Count(), 0);
        NovoI100(bi, 3000);  // under the same I010
        sped.WriteBloco_I();  // second call, through the chain 0 ... F
        EXPECT_EQ(bi.RegistroI010Count, 1);
        EXPECT_EQ(bi.RegistroI100Count, 3);
        EXPECT_EQ(bi.RegistroI199Count, 1);
        sped.WriteBloco_9();

        const std::string arquivo = sped.ArquivoCompleto();
        EXPECT_EQ(teste::ConfereArquivoEFD(arquivo), std::vector<std::string>{});
        std::vector<std::string> problemas;
        const auto linhas = teste::LeArquivoEFD(teste::LeBytes(arquivo), problemas).linhas;
        const auto codigos = teste::Codigos(linhas);
        const auto i001 = std::find(codigos.begin(), codigos.end(), "I001");
        ASSERT_NE(i001, codigos.end());
        EXPECT_EQ(*(i001 - 1), "F990");
        EXPECT_EQ(std::vector<std::string>(i001, i001 + 7),
                  (std::vector<std::string>{"I001", "I010", "I100", "I199", "I100", "I100", "I990"}));
        EXPECT_EQ(*(i001 + 7), "M001");
        EXPECT_EQ(teste::LinhasDe(linhas, "I990"), std::vector<std::string>{"|I990|7|"});
        EXPECT_EQ(teste::LinhasDe(linhas, "I100")[2],
                  "|I100|3000,00|01|0,00|0,00|3000,00|0,65|19,50|3000,00|4,00|120,00||");
        EXPECT_EQ(teste::LinhasDe(linhas, "9900|I100"), std::vector<std::string>{"|9900|I100|3|"});
    }
    EXPECT_TRUE(erros.empty());
}

TEST(BlocoI, RecordsAddedUnderTheLastEstablishmentAreNotLostWhenAnotherFollows) {
    // Between two calls the caller adds an I100 under the establishment already
    // written and then a new establishment: both are written, in tree order.
    BlocoI i;
    i.ComDados();
    i.b.RegistroI010New()->CNPJ = "11222333000181";
    NovoI100(i.b, 100);
    i.b.WriteRegistroI001();
    NovoI100(i.b, 200);
    i.b.RegistroI010New()->CNPJ = "";
    NovoI100(i.b, 300);
    i.b.WriteRegistroI001();
    i.b.WriteRegistroI001();  // nothing new: nothing written
    i.b.WriteRegistroI990();
    const auto linhas = teste::Linhas(i.b);
    EXPECT_EQ(teste::Codigos(linhas),
              (std::vector<std::string>{"I001", "I010", "I100", "I100", "I010", "I100", "I990"}));
    EXPECT_EQ(linhas[3].substr(0, 13), "|I100|200,00|");
    EXPECT_EQ(linhas[5].substr(0, 13), "|I100|300,00|");
    EXPECT_EQ(linhas.back(), "|I990|7|");
    EXPECT_EQ(i.b.RegistroI010Count, 2);
    EXPECT_EQ(i.b.RegistroI100Count, 3);
}

TEST(BlocoP, EveryRegisterInTreeOrderWithItsLayoutFieldCount) {
    BlocoP p;
    p.ComDados();
    TRegistroP010* e = p.b.RegistroP010New();
    e->REG = "XXXX";  // the writer always writes its own code
    e->CNPJ = "11222333000181";
    TRegistroP100* a = p.b.RegistroP100New();
    a->REG = "P999";
    a->DT_INI = Data::FromYMD(2019, 1, 1);
    a->DT_FIM = Data::FromYMD(2019, 1, 31);
    a->VL_REC_TOT_EST = Currency::FromDouble(100000);
    a->COD_ATIV_ECON = "62019";
    a->VL_REC_ATIV_ESTAB = Currency::FromDouble(60000);
    a->VL_BC_CONT = Currency::FromDouble(60000);
    a->ALIQ_CONT = Currency::FromDouble(4.5);
    a->VL_CONT_APU = Currency::FromDouble(2700);
    a->COD_CTA = "2.01";
    TRegistroP110* c = p.b.RegistroP110New();
    c->NUM_CAMPO = "08";
    c->COD_DET = "01";
    c->DET_VALOR = Currency::FromDouble(12.5);
    TRegistroP199* pr = p.b.RegistroP199New();
    pr->NUM_PROC = "0001";
    pr->IND_PROC = "1";
    TRegistroP200* t = p.b.RegistroP200New();
    t->PER_REF = "012019";
    t->VL_TOT_CONT_APU = Currency::FromDouble(2700);
    t->VL_TOT_AJ_REDUC = Currency::FromDouble(10);
    t->VL_TOT_CONT_DEV = Currency::FromDouble(2690);
    t->COD_REC = "298501";
    TRegistroP210* aj = p.b.RegistroP210New();
    aj->IND_AJ = "0";
    aj->VL_AJ = Currency::FromDouble(10);
    aj->COD_AJ = "01";
    aj->DT_REF = Data::FromYMD(2019, 1, 31);

    const auto linhas = p.Escreve();
    const std::vector<std::string> esperado = {
        "|P001|0|",
        "|P010|11222333000181|",
        "|P100|01012019|31012019|100000,00|62019|60000,00|0,00|60000,00|4,50|2700,00|2.01||",
        "|P110|08|01|12,50||",
        "|P199|0001|1|",
        "|P200|012019|2700,00|10,00|0,00|2690,00|298501|",
        "|P210|0|10,00|01|||31012019|",
        "|P990|8|",
    };
    EXPECT_EQ(linhas, esperado);
    const std::map<std::string, int> campos = {{"P001", 2}, {"P010", 2}, {"P100", 12}, {"P110", 5},
                                               {"P199", 3}, {"P200", 7}, {"P210", 7},  {"P990", 2}};
    for (const auto& l : linhas) EXPECT_EQ(teste::Campos(l), campos.at(teste::Codigos({l})[0])) << l;
    EXPECT_EQ(teste::Entradas(p.b), (std::map<std::string, int>{{"P010", 1}, {"P100", 1}, {"P110", 1},
                                                                {"P199", 1}, {"P200", 1}, {"P210", 1}}));
}

TEST(BlocoP, EachCallWritesTheWholeBlockAgain) {
    BlocoP p;
    p.ComDados();
    p.b.RegistroP010New();
    p.b.WriteRegistroP001();
    p.b.WriteRegistroP001();
    EXPECT_EQ(teste::Codigos(teste::Linhas(p.b)), (std::vector<std::string>{"P001", "P010", "P001", "P010"}));
    EXPECT_EQ(p.b.RegistroP010Count, 2);
    EXPECT_EQ(p.b.RegistroP001().RegistroP010.Count(), 1);
}

TEST(BlocosIP, NewWithoutItsParentFails) {
    BlocoI i;
    BlocoP p;
    const std::vector<std::pair<const char*, std::function<void()>>> casos = {
        {"I100", [&] { i.b.RegistroI100New(); }}, {"I199", [&] { i.b.RegistroI199New(); }},
        {"I200", [&] { i.b.RegistroI200New(); }}, {"I299", [&] { i.b.RegistroI299New(); }},
        {"I300", [&] { i.b.RegistroI300New(); }}, {"I399", [&] { i.b.RegistroI399New(); }},
        {"P100", [&] { p.b.RegistroP100New(); }}, {"P110", [&] { p.b.RegistroP110New(); }},
        {"P199", [&] { p.b.RegistroP199New(); }}, {"P210", [&] { p.b.RegistroP210New(); }},
    };
    for (const auto& [reg, novo] : casos) EXPECT_THROW(novo(), EListError) << reg;
    // With the upper level present, the middle one is still missing.
    i.b.RegistroI010New();
    i.b.RegistroI100New();
    EXPECT_THROW(i.b.RegistroI299New(), EListError);
    EXPECT_THROW(i.b.RegistroI300New(), EListError);
    i.b.RegistroI200New();
    EXPECT_THROW(i.b.RegistroI399New(), EListError);
    p.b.RegistroP010New();
    EXPECT_THROW(p.b.RegistroP110New(), EListError);
}

TEST(BlocosIP, EmptyCnpjIsFourteenZerosWithoutMessage) {
    BlocoI i;
    i.ComDados();
    i.b.RegistroI010New();
    EXPECT_EQ(teste::LinhasDe(i.Escreve(), "I010"), std::vector<std::string>{"|I010|00000000000000|00||"});
    BlocoP p;
    p.ComDados();
    p.b.RegistroP010New();
    EXPECT_EQ(teste::LinhasDe(p.Escreve(), "P010"), std::vector<std::string>{"|P010|00000000000000|"});
    EXPECT_TRUE(i.erros.empty());
    EXPECT_TRUE(p.erros.empty());
}

// Needs the real CNPJ check of util::CNPJValido; skipped while its placeholder
// accepts every number.
TEST(BlocosIP, InvalidCnpjIsReportedAndStillWritten) {
    if (util::CNPJValido("11222333000182")) GTEST_SKIP() << "CNPJ check not available yet";
    BlocoI i;
    i.ComDados();
    i.b.RegistroI010New()->CNPJ = "11222333000182";
    EXPECT_EQ(teste::LinhasDe(i.Escreve(), "I010"), std::vector<std::string>{"|I010|11222333000182|00||"});
    EXPECT_EQ(i.erros,
              std::vector<std::string>{"(I-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!"});
    BlocoP p;
    p.ComDados();
    p.b.RegistroP010New()->CNPJ = "11222333000182";
    EXPECT_EQ(teste::LinhasDe(p.Escreve(), "P010"), std::vector<std::string>{"|P010|11222333000182|"});
    EXPECT_EQ(p.erros,
              std::vector<std::string>{"(P-010) ESTABELECIMENTO: O CNPJ \"11222333000182\" digitado é inválido!"});
}
