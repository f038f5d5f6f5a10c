#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/BlocoDeTeste.h"
#include "efd/EFDBloco_0_Class.h"
#include "efd/EFDBloco_M_Class.h"

using namespace efd;
using util::Currency;
using util::Data;

namespace {

// Block M with block 0 beside it (0000 decides the M210/M610 layout and M211/M611).
struct BlocoM {
    TBloco_0 bloco0;
    TBloco_M m;

    explicit BlocoM(TCodVer versao = TCodVer::vlVersao320) {
        const Data ini = Data::FromYMD(2019, 1, 1);
        teste::ConfiguraComoGerador(m, ini, ini.UltimoDiaDoMes());
        m.Bloco_0 = &bloco0;
        bloco0.Registro0000().COD_VER = versao;
        m.RegistroM001().IND_MOV = TIndMov::imSemDados;
    }
    void ComDados() { m.RegistroM001().IND_MOV = TIndMov::imComDados; }
    std::vector<std::string> Escreve() {
        m.WriteRegistroM001();
        m.WriteRegistroM990();
        return teste::Linhas(m);
    }
};

const std::string kTotaisZerados = "|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|";

}  // namespace

TEST(BlocoM, WithoutDataOnlyOpensAndCloses) {
    BlocoM b;
    b.m.RegistroM100New();  // records under a block without data are not written
    EXPECT_EQ(b.Escreve(), (std::vector<std::string>{"|M001|1|", "|M990|2|"}));
    EXPECT_TRUE(teste::Entradas(b.m).empty());
}

TEST(BlocoM, OneCreditAndOneContributionBringBothConsolidations) {
    BlocoM b;
    b.ComDados();
    TRegistroM100* c = b.m.RegistroM100New();
    c->COD_CRED = "101";
    c->VL_BC_PIS = 1000;
    c->ALIQ_PIS = 1.65;
    c->VL_CRED = Currency::FromDouble(16.5);
    c->VL_CRED_DISP = Currency::FromDouble(16.5);
    c->VL_CRED_DESC = 16.5;
    TRegistroM210* r = b.m.RegistroM210New();
    r->VL_REC_BRT = Currency::FromDouble(5000);
    r->VL_BC_CONT = Currency::FromDouble(5000);
    r->VL_BC_CONT_AJUS = Currency::FromDouble(5000);
    r->ALIQ_PIS = 1.65;
    r->VL_CONT_APUR = Currency::FromDouble(82.5);
    r->VL_CONT_PER = Currency::FromDouble(82.5);

    const std::vector<std::string> esperado = {
        "|M001|0|",
        "|M100|101|0|1000,00|1,6500|||16,50|0,00|0,00|0,00|16,50|0|16,50|0,00|",
        "|M200" + kTotaisZerados,
        "|M210|01|5000,00|5000,00|0,00|0,00|5000,00|1,6500|||82,50|0,00|0,00|||82,50|",
        "|M600" + kTotaisZerados,
        "|M990|6|",
    };
    EXPECT_EQ(b.Escreve(), esperado);
    EXPECT_EQ(b.m.RegistroM200Count, 1);
    EXPECT_EQ(b.m.RegistroM600Count, 1);
    EXPECT_EQ(teste::Entradas(b.m),
              (std::map<std::string, int>{{"M100", 1}, {"M200", 1}, {"M210", 1}, {"M600", 1}}));
}

TEST(BlocoM, ContributionByKindHasThirteenOrSixteenFieldsByLayoutVersion) {
    struct Caso { TCodVer versao; std::string m210, m610; };
    const Caso casos[] = {
        {TCodVer::vlVersao100, "|M210|51|100,00|90,00|0,6500|||0,59|0,00|0,00|0,00||0,59|",
         "|M610|51|100,00|90,00|3,0000|||2,70|0,00|0,00|||2,70|"},
        {TCodVer::vlVersao202, "|M210|51|100,00|90,00|0,6500|||0,59|0,00|0,00|0,00||0,59|",
         "|M610|51|100,00|90,00|3,0000|||2,70|0,00|0,00|||2,70|"},
        {TCodVer::vlVersao310, "|M210|51|100,00|90,00|0,00|10,00|90,00|0,6500|||0,59|0,00|0,00|0,00||0,59|",
         "|M610|51|100,00|90,00|0,00|10,00|90,00|3,0000|||2,70|0,00|0,00|||2,70|"},
        {TCodVer::vlVersao320, "|M210|51|100,00|90,00|0,00|10,00|90,00|0,6500|||0,59|0,00|0,00|0,00||0,59|",
         "|M610|51|100,00|90,00|0,00|10,00|90,00|3,0000|||2,70|0,00|0,00|||2,70|"},
    };
    for (const auto& c : casos) {
        BlocoM b(c.versao);
        b.ComDados();
        TRegistroM210* p = b.m.RegistroM210New();
        p->COD_CONT = TCodCont::ccAcumAliqBasica;
        p->VL_REC_BRT = Currency::FromDouble(100);
        p->VL_BC_CONT = Currency::FromDouble(90);
        p->VL_AJUS_REDUC_BC_PIS = Currency::FromDouble(10);
        p->VL_BC_CONT_AJUS = Currency::FromDouble(90);
        p->ALIQ_PIS = 0.65;
        p->VL_CONT_APUR = Currency::FromDouble(0.585);
        p->VL_CONT_DIFER = 0;  // set to zero: 0,00; VL_CONT_DIFER_ANT unset: empty
        p->VL_CONT_PER = Currency::FromDouble(0.585);
        TRegistroM610* f = b.m.RegistroM610New();
        f->COD_CONT = TCodCont::ccAcumAliqBasica;
        f->VL_REC_BRT = Currency::FromDouble(100);
        f->VL_BC_CONT = Currency::FromDouble(90);
        f->VL_AJUS_REDUC_BC_COFINS = Currency::FromDouble(10);
        f->VL_BC_CONT_AJUS = Currency::FromDouble(90);
        f->ALIQ_COFINS = 3;
        f->VL_CONT_APUR = Currency::FromDouble(2.7);
        f->VL_CONT_PER = Currency::FromDouble(2.7);
        const auto linhas = b.Escreve();
        EXPECT_EQ(teste::LinhasDe(linhas, "M210"), std::vector<std::string>{c.m210}) << CodVerCode(c.versao);
        EXPECT_EQ(teste::LinhasDe(linhas, "M610"), std::vector<std::string>{c.m610}) << CodVerCode(c.versao);
    }
}

TEST(BlocoM, CooperativeBaseOnlyForACooperativeAndForEveryContribution) {
    struct Caso { TIndNatPJ natureza; bool escreve; };
    const Caso casos[] = {
        {TIndNatPJ::indNatPJSocCooperativa, true},
        {TIndNatPJ::indNatPJSocEmpresariaGeral, false},
        {TIndNatPJ::indNatPJSocCooperativaSCP, false},
    };
    for (const auto& c : casos) {
        BlocoM b;
        b.bloco0.Registro0000().IND_NAT_PJ = c.natureza;
        b.ComDados();
        b.m.RegistroM210New();  // its M211 left all zero
        b.m.RegistroM210New();
        TRegistroM211* coop = b.m.RegistroM211New();
        coop->IND_TIP_COOP = TIndTipCoop::itcCredito;
        coop->VL_BC_CONT_ANT_EXC_COOP = Currency::FromDouble(1000);
        coop->VL_EXC_COOP_GER = Currency::FromDouble(200);
        coop->VL_BC_CONT = Currency::FromDouble(800);
        b.m.RegistroM215New();
        b.m.RegistroM610New();
        b.m.RegistroM611New()->IND_TIP_COOP = TIndTipCoop::itcOutras;
        const auto linhas = b.Escreve();
        const auto codigos = teste::Codigos(linhas);
        const std::vector<std::string> esperado =
            c.escreve ? std::vector<std::string>{"M001", "M200", "M210", "M211", "M210", "M211", "M215", "M600",
                                                 "M610", "M611", "M990"}
                      : std::vector<std::string>{"M001", "M200", "M210", "M210", "M215", "M600", "M610", "M990"};
        EXPECT_EQ(codigos, esperado) << Codigo(c.natureza);
        if (c.escreve) {
            EXPECT_EQ(teste::LinhasDe(linhas, "M211"),
                      (std::vector<std::string>{"|M211|01|0,00|0,00|0,00|0,00|",
                                                "|M211|03|1000,00|200,00|0,00|800,00|"}));
            EXPECT_EQ(teste::LinhasDe(linhas, "M611"), std::vector<std::string>{"|M611|99|0,00|0,00|0,00|0,00|"});
        }
        EXPECT_EQ(b.m.RegistroM211Count, c.escreve ? 2 : 0);
        EXPECT_EQ(b.m.RegistroM611Count, c.escreve ? 1 : 0);
    }
}

TEST(BlocoM, PayrollContributionOnlyWithAPayrollAboveZero) {
    struct Caso { double folha; bool escreve; };
    const Caso casos[] = {{0, false}, {-10, false}, {0.01, true}};
    for (const auto& c : casos) {
        BlocoM b;
        b.ComDados();
        TRegistroM350* r = b.m.RegistroM350New();
        r->VL_TOT_FOL = Currency::FromDouble(c.folha);
        r->VL_TOT_BC = Currency::FromDouble(50000);
        r->ALIQ_PIS_FOL = Currency::FromDouble(1);
        r->VL_TOT_CONT_FOL = Currency::FromDouble(500);
        const auto m350 = teste::LinhasDe(b.Escreve(), "M350");
        EXPECT_EQ(m350.size(), c.escreve ? 1u : 0u) << c.folha;
        EXPECT_EQ(b.m.RegistroM350Count, c.escreve ? 1 : 0) << c.folha;
        if (c.escreve) {
            EXPECT_EQ(m350[0], "|M350|0,01|0,00|50000,00|1,00|500,00|");
        }
    }
}

TEST(BlocoM, OptionalNumbersAreEmptyOnlyWhenUnset) {
    BlocoM b;
    b.ComDados();
    TRegistroM100* naoInformado = b.m.RegistroM100New();
    (void)naoInformado;
    TRegistroM100* zero = b.m.RegistroM100New();
    zero->VL_BC_PIS = 0;
    zero->ALIQ_PIS = 0;
    zero->QUANT_BC_PIS = 0;
    zero->ALIQ_PIS_QUANT = 0;
    zero->VL_CRED_DESC = 0;
    EXPECT_EQ(teste::LinhasDe(b.Escreve(), "M100"),
              (std::vector<std::string>{
                  "|M100||0|||||0,00|0,00|0,00|0,00|0,00|0||0,00|",
                  "|M100||0|0,00|0,0000|0,00|0,0000|0,00|0,00|0,00|0,00|0,00|0|0,00|0,00|"}));
}

TEST(BlocoM, AdjustmentDetailsWriteAnEmptyCstAsEmpty) {
    // M115 and M515 write CST in two positions with the null flag; M225 and M625 as
    // a plain code. Either way an unknown CST gives an empty field.
    BlocoM b;
    b.ComDados();
    b.m.RegistroM100New();
    TRegistroM110* aj = b.m.RegistroM110New();
    aj->IND_AJ = TIndAj::indAjAcressimo;
    aj->VL_AJ = Currency::FromDouble(10);
    aj->COD_AJ = TCodAj::codAjEstorno;
    aj->DT_REF = Data::FromYMD(2019, 1, 31);
    TRegistroM115* d = b.m.RegistroM115New();
    d->DET_VALOR_AJ = Currency::FromDouble(10);
    d->CST_PIS = TCstPis::stpisNenhum;
    d->DET_BC_CRED = Currency::FromDouble(1.2345);
    d->DET_ALIQ = Currency::FromDouble(1.65);
    b.m.RegistroM115New()->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    b.m.RegistroM500New();
    b.m.RegistroM510New();
    b.m.RegistroM515New()->CST_COFINS = TCstCofins::stcofinsNenhum;
    const auto linhas = b.Escreve();
    EXPECT_EQ(teste::LinhasDe(linhas, "M110"), std::vector<std::string>{"|M110|1|10,00|06|||31012019|"});
    EXPECT_EQ(teste::LinhasDe(linhas, "M115"),
              (std::vector<std::string>{"|M115|10,00||1,23|1,65|||||", "|M115|0,00|50|0,00|0,00|||||"}));
    EXPECT_EQ(teste::LinhasDe(linhas, "M515"), std::vector<std::string>{"|M515|0,00||0,00|0,00|||||"});
}

TEST(BlocoM, EveryRegisterInTreeOrderWithItsLayoutFieldCount) {
    BlocoM b;
    b.bloco0.Registro0000().IND_NAT_PJ = TIndNatPJ::indNatPJSocCooperativa;
    b.ComDados();
    b.m.RegistroM100New();
    b.m.RegistroM105New();
    b.m.RegistroM110New();
    b.m.RegistroM115New();
    b.m.RegistroM205New();
    b.m.RegistroM210New();
    b.m.RegistroM215New();
    b.m.RegistroM220New();
    b.m.RegistroM225New();
    b.m.RegistroM230New();
    b.m.RegistroM300New();
    b.m.RegistroM350New()->VL_TOT_FOL = Currency::FromDouble(1);
    b.m.RegistroM400New();
    b.m.RegistroM410New();
    b.m.RegistroM500New();
    b.m.RegistroM505New();
    b.m.RegistroM510New();
    b.m.RegistroM515New();
    b.m.RegistroM605New();
    b.m.RegistroM610New();
    b.m.RegistroM615New();
    b.m.RegistroM620New();
    b.m.RegistroM625New();
    b.m.RegistroM630New();
    b.m.RegistroM700New();
    b.m.RegistroM800New();
    b.m.RegistroM810New();

    const auto linhas = b.Escreve();
    const std::vector<std::string> ordem = {
        "M001", "M100", "M105", "M110", "M115", "M200", "M205", "M210", "M211", "M215", "M220", "M225", "M230",
        "M300", "M350", "M400", "M410", "M500", "M505", "M510", "M515", "M600", "M605", "M610", "M611", "M615",
        "M620", "M625", "M630", "M700", "M800", "M810", "M990"};
    EXPECT_EQ(teste::Codigos(linhas), ordem);

    // Fields per line in the published layout (3.1.0 on), REG included.
    const std::map<std::string, int> campos = {
        {"M001", 2},  {"M100", 15}, {"M105", 10}, {"M110", 7},  {"M115", 9},  {"M200", 13}, {"M205", 4},
        {"M210", 16}, {"M211", 6},  {"M215", 10}, {"M220", 7},  {"M225", 9},  {"M230", 7},  {"M300", 8},
        {"M350", 6},  {"M400", 5},  {"M410", 5},  {"M500", 15}, {"M505", 10}, {"M510", 7},  {"M515", 9},
        {"M600", 13}, {"M605", 4},  {"M610", 16}, {"M611", 6},  {"M615", 10}, {"M620", 7},  {"M625", 9},
        {"M630", 7},  {"M700", 8},  {"M800", 5},  {"M810", 5},  {"M990", 2}};
    for (const auto& l : linhas) EXPECT_EQ(teste::Campos(l), campos.at(teste::Codigos({l})[0])) << l;

    EXPECT_EQ(linhas.back(), "|M990|" + std::to_string(linhas.size()) + "|");
    std::map<std::string, int> entradas;
    for (const auto& c : ordem)
        if (c != "M001" && c != "M990") ++entradas[c];
    EXPECT_EQ(teste::Entradas(b.m), entradas);
}

TEST(BlocoM, LookupsFindTheFirstExactMatch) {
    TBloco_M m;
    TRegistroM001& m001 = *m.RegistroM001New();
    EXPECT_EQ(m001.LocalizaRegistroM400(TCstPis::stpisAliquotaZero, "3.01", "VENDAS"), nullptr);

    TRegistroM400* a = m.RegistroM400New();
    a->CST_PIS = TCstPis::stpisAliquotaZero;
    a->COD_CTA = "3.01";
    a->DESC_COMPL = "VENDAS";
    TRegistroM410* a1 = m.RegistroM410New();
    a1->NAT_REC = "101";
    a1->COD_CTA = "3.01";
    TRegistroM400* b = m.RegistroM400New();
    b->CST_PIS = TCstPis::stpisAliquotaZero;
    b->COD_CTA = "3.01";
    b->DESC_COMPL = "VENDAS";
    TRegistroM800* c = m.RegistroM800New();
    c->CST_COFINS = TCstCofins::stcofinsIsentaContribuicao;
    c->COD_CTA = "3.02";
    TRegistroM810* c1 = m.RegistroM810New();
    c1->NAT_REC = "201";
    c1->DESC_COMPL = "Isenta";

    EXPECT_EQ(m001.LocalizaRegistroM400(TCstPis::stpisAliquotaZero, "3.01", "VENDAS"), a);
    EXPECT_EQ(m001.LocalizaRegistroM400(TCstPis::stpisAliquotaZero, "3.01", "vendas"), nullptr);
    EXPECT_EQ(m001.LocalizaRegistroM400(TCstPis::stpisAliquotaZero, "3.01 ", "VENDAS"), nullptr);
    EXPECT_EQ(m001.LocalizaRegistroM400(TCstPis::stpisIsentaContribuicao, "3.01", "VENDAS"), nullptr);
    EXPECT_EQ(a->LocalizaRegistroM410("101", "3.01", ""), a1);
    EXPECT_EQ(a->LocalizaRegistroM410("101", "", ""), nullptr);
    EXPECT_EQ(b->LocalizaRegistroM410("101", "3.01", ""), nullptr);
    EXPECT_EQ(m001.LocalizaRegistroM800(TCstCofins::stcofinsIsentaContribuicao, "3.02", ""), c);
    EXPECT_EQ(m001.LocalizaRegistroM800(TCstCofins::stcofinsAliquotaZero, "3.02", ""), nullptr);
    EXPECT_EQ(c->LocalizaRegistroM810("201", "", "Isenta"), c1);
    EXPECT_EQ(c->LocalizaRegistroM810("201", "", "ISENTA"), nullptr);
}

TEST(BlocoM, NewWithoutItsParentFails) {
    BlocoM b;
    const std::vector<std::pair<const char*, std::function<void()>>> casos = {
        {"M105", [&] { b.m.RegistroM105New(); }}, {"M110", [&] { b.m.RegistroM110New(); }},
        {"M115", [&] { b.m.RegistroM115New(); }}, {"M211", [&] { b.m.RegistroM211New(); }},
        {"M215", [&] { b.m.RegistroM215New(); }}, {"M220", [&] { b.m.RegistroM220New(); }},
        {"M225", [&] { b.m.RegistroM225New(); }}, {"M230", [&] { b.m.RegistroM230New(); }},
        {"M410", [&] { b.m.RegistroM410New(); }}, {"M505", [&] { b.m.RegistroM505New(); }},
        {"M510", [&] { b.m.RegistroM510New(); }}, {"M515", [&] { b.m.RegistroM515New(); }},
        {"M611", [&] { b.m.RegistroM611New(); }}, {"M615", [&] { b.m.RegistroM615New(); }},
        {"M620", [&] { b.m.RegistroM620New(); }}, {"M625", [&] { b.m.RegistroM625New(); }},
        {"M630", [&] { b.m.RegistroM630New(); }}, {"M810", [&] { b.m.RegistroM810New(); }},
    };
    for (const auto& [reg, novo] : casos) EXPECT_THROW(novo(), EListError) << reg;
    // A parent without the middle level is no parent either.
    b.m.RegistroM100New();
    EXPECT_THROW(b.m.RegistroM115New(), EListError);
    b.m.RegistroM210New();
    EXPECT_THROW(b.m.RegistroM225New(), EListError);
    // The single objects always exist.
    EXPECT_EQ(b.m.RegistroM200New(), &b.m.RegistroM001().RegistroM200);
    EXPECT_EQ(b.m.RegistroM350New(), &b.m.RegistroM001().RegistroM350);
    EXPECT_EQ(b.m.RegistroM600New(), &b.m.RegistroM001().RegistroM600);
}

TEST(BlocoM, ResetGivesAFreshTree) {
    BlocoM b;
    b.ComDados();
    b.m.RegistroM100New();
    b.m.RegistroM200New()->VL_TOT_CONT_REC = Currency::FromDouble(5);
    b.Escreve();
    b.m.LimpaRegistros();
    EXPECT_EQ(b.m.RegistroM001().RegistroM100.Count(), 0);
    EXPECT_TRUE(b.m.RegistroM001().RegistroM200.VL_TOT_CONT_REC.IsZero());
    EXPECT_EQ(b.m.RegistroM990().QTD_LIN_M, 0);
    EXPECT_EQ(b.m.RegistroM100Count, 0);
    EXPECT_EQ(b.m.RegistroM200Count, 0);
    EXPECT_TRUE(teste::Linhas(b.m).empty());
}
