#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "efd/EFDBloco_1_Class.h"

using namespace efd;
using util::Currency;
using util::Data;

namespace {

Currency Moeda(double v) { return Currency::FromDouble(v); }

// Block 1 with the settings the generation component gives every block.
struct Bloco1 {
    TBloco_1 b;

    Bloco1() {
        b.Delimitador("|");
        b.ReplaceDelimitador(true);
        b.TrimString(true);
        b.CurMascara("#0.00");
        b.Registro1001().IND_MOV = TIndMov::imComDados;
    }
    std::vector<std::string> Escreve() {
        b.WriteRegistro1001();
        b.WriteRegistro1990();
        std::vector<std::string> linhas;
        for (size_t i = 0; i < b.Conteudo().Count(); ++i) linhas.emplace_back(b.Conteudo()[i]);
        return linhas;
    }
    std::vector<std::pair<std::string, int>> Entradas() const {
        TEntradas9900 e;
        b.EntradasBloco9(e);
        return e.Itens();
    }
};

}  // namespace

TEST(Bloco1, WithoutDataOnlyOpeningAndClosing) {
    Bloco1 t;
    t.b.Registro1001().IND_MOV = TIndMov::imSemDados;
    t.b.Registro1010New();
    t.b.Registro1011New();
    EXPECT_EQ(t.Escreve(), (std::vector<std::string>{"|1001|1|", "|1990|2|"}));
    EXPECT_TRUE(t.Entradas().empty());
}

// The judicial action and its operations: suspended-tax figures never assigned are
// empty fields, their CSTs still 00.
TEST(Bloco1, JudicialActionWithTwoOperations) {
    Bloco1 t;
    TRegistro1010* acao = t.b.Registro1010New();
    acao->NUM_PROC = "0001234-56.2015.4.03.6100";
    acao->ID_SEC_JUD = "SJSP";
    acao->ID_VARA = "01";
    acao->IND_NAT_ACAO = 1;
    acao->DESC_DEC_JUD = "LIMINAR";

    TRegistro1011* op = t.b.Registro1011New();
    op->REG_REF = "C170";
    op->CHAVE_DOC = "CHAVE";
    op->COD_PART = "F0001";
    op->COD_ITEM = "PRD001";
    op->DT_OPER = Data::FromYMD(2019, 1, 15);
    op->VL_OPER = Moeda(1000);
    op->CST_PIS = 1;
    op->VL_BC_PIS = 1000.0;
    op->ALIQ_PIS = 1.65;
    op->VL_PIS = 16.5;
    op->CST_COFINS = 1;
    op->COD_CTA = "3.01";
    t.b.Registro1011New();

    const std::vector<std::string> esperado = {
        "|1001|0|",
        "|1010|0001234-56.2015.4.03.6100|SJSP|01|01|LIMINAR||",
        "|1011|C170|CHAVE|F0001|PRD001|15012019|1000,00|01|1000,0000|1,6500|16,50|01||||00||||00||||3.01|||",
        "|1011||||||0,00|00||||00||||00||||00|||||||",
        "|1990|5|",
    };
    EXPECT_EQ(t.Escreve(), esperado);
    EXPECT_EQ(t.b.Registro1990().QTD_LIN_1, 5);
    EXPECT_EQ(t.Entradas(), (std::vector<std::pair<std::string, int>>{{"1010", 1}, {"1011", 2}}));
}

// Every other register of the block once, in the order of the tree, each field in
// its place.
TEST(Bloco1, EveryOtherRegisterInTreeOrder) {
    Bloco1 t;
    TRegistro1020* r1020 = t.b.Registro1020New();
    r1020->NUM_PROC = "PROC ADM";
    r1020->IND_NAT_ACAO = 2;
    r1020->DT_DEC_ADM = Data::FromYMD(2019, 1, 10);

    TRegistro1050* r1050 = t.b.Registro1050New();
    r1050->DT_REF = Data::FromYMD(2018, 12, 31);
    r1050->IND_AJ_BC = "01";
    r1050->CNPJ = "11222333000181";
    r1050->VL_AJ_TOT = Moeda(300);
    r1050->VL_AJ_CST01 = Moeda(100);
    r1050->VL_AJ_CST02 = Moeda(200);
    r1050->IND_APROP = "01";
    r1050->INFO_COMPL = "AJUSTE";

    TRegistro1100* r1100 = t.b.Registro1100New();
    r1100->PER_APU_CRED = "122018";
    r1100->ORIG_CRED = "01";
    r1100->COD_CRED = "101";
    r1100->VL_CRED_APU = Moeda(50);
    r1100->SLD_CRED_FIM = Moeda(50);
    TRegistro1101* r1101 = t.b.Registro1101New();
    r1101->COD_PART = "F0001";
    r1101->COD_ITEM = "PRD001";
    r1101->COD_MOD = "55";
    r1101->SER = "1";
    r1101->NUM_DOC = "123";
    r1101->DT_OPER = Data::FromYMD(2018, 12, 5);
    r1101->VL_OPER = Moeda(1000);
    r1101->CFOP = "1102";
    r1101->NAT_BC_CRED = TNatBcCred::bccAqBensRevenda;
    r1101->CST_PIS = TCstPis::stpisOperCredExcRecTribMercInt;
    r1101->VL_BC_PIS = 1000;
    r1101->ALIQ_PIS = 1.65;
    r1101->VL_PIS = Moeda(16.5);
    r1101->COD_CTA = "1.01";
    r1101->PER_ESCRIT = "122018";
    r1101->CNPJ = "11222333000181";
    TRegistro1102* r1102 = t.b.Registro1102New();
    r1102->VL_CRED_PIS_TRIB_MI = Moeda(10);
    r1102->VL_CRED_PIS_NT_MI = Moeda(5);
    r1102->VL_CRED_PIS_EXP = Moeda(1.5);

    TRegistro1200* r1200 = t.b.Registro1200New();
    r1200->PER_APUR_ANT = "112018";
    r1200->NAT_CONT_REC = "01";
    r1200->VL_CONT_APUR = Moeda(100);
    r1200->VL_CONT_DEV = Moeda(100);
    r1200->VL_CONT_EXT = Moeda(100);
    r1200->VL_MUL = Moeda(20);
    r1200->VL_JUR = Moeda(1);
    r1200->DT_RECOL = Data::FromYMD(2019, 1, 20);
    TRegistro1210* r1210 = t.b.Registro1210New();
    r1210->CNPJ = "11222333000181";
    r1210->CST_PIS = TCstPis::stpisValorAliquotaNormal;
    r1210->COD_PART = "C0001";
    r1210->DT_OPER = Data::FromYMD(2018, 11, 10);
    r1210->VL_OPER = Moeda(6060.61);
    r1210->VL_BC_PIS = Moeda(6060.61);
    r1210->ALIQ_PIS = 1.65;
    r1210->VL_PIS = Moeda(100);
    r1210->COD_CTA = "3.01";
    TRegistro1220* r1220 = t.b.Registro1220New();
    r1220->PER_APU_CRED = "102018";
    r1220->ORIG_CRED = "01";
    r1220->COD_CRED = "101";
    r1220->VL_CRED = Moeda(10);

    TRegistro1300* r1300 = t.b.Registro1300New();
    r1300->IND_NAT_RET = "01";
    r1300->PR_REC_RET = "122018";
    r1300->VL_RET_APU = Moeda(10);
    r1300->VL_RET_DED = Moeda(5);
    r1300->SLD_RET = Moeda(5);

    TRegistro1500* r1500 = t.b.Registro1500New();
    r1500->PER_APU_CRED = "122018";
    r1500->ORIG_CRED = "01";
    r1500->COD_CRED = "201";
    r1500->VL_CRED_APU = Moeda(76);
    r1500->SLD_CRED_FIM = Moeda(76);
    TRegistro1501* r1501 = t.b.Registro1501New();
    r1501->COD_PART = "F0001";
    r1501->COD_ITEM = "PRD001";
    r1501->COD_MOD = "55";
    r1501->SER = "1";
    r1501->NUM_DOC = "123";
    r1501->DT_OPER = Data::FromYMD(2018, 12, 5);
    r1501->VL_OPER = Moeda(1000);
    r1501->CFOP = "1102";
    r1501->NAT_BC_CRED = TNatBcCred::bccAqBensRevenda;
    r1501->CST_COFINS = TCstCofins::stcofinsOperCredExcRecTribMercInt;
    r1501->VL_BC_COFINS = 1000;
    r1501->ALIQ_COFINS = 7.6;
    r1501->VL_COFINS = Moeda(76);
    r1501->COD_CTA = "1.01";
    r1501->PER_ESCRIT = "122018";
    r1501->CNPJ = "11222333000181";
    TRegistro1502* r1502 = t.b.Registro1502New();
    r1502->VL_CRED_COFINS_TRIB_MI = Moeda(40);
    r1502->VL_CRED_COFINS_NT_MI = Moeda(30);
    r1502->VL_CRED_COFINS_EXP = Moeda(6);

    TRegistro1600* r1600 = t.b.Registro1600New();
    r1600->PER_APUR_ANT = "112018";
    r1600->NAT_CONT_REC = "01";
    r1600->VL_CONT_APUR = Moeda(460);
    r1600->VL_CONT_DEV = Moeda(460);
    r1600->VL_CONT_EXT = Moeda(460);
    r1600->VL_MUL = Moeda(92);
    r1600->VL_JUR = Moeda(4.6);
    r1600->DT_RECOL = Data::FromYMD(2019, 1, 20);
    TRegistro1610* r1610 = t.b.Registro1610New();
    r1610->CNPJ = "11222333000181";
    r1610->COD_PART = "C0001";
    r1610->DT_OPER = Data::FromYMD(2018, 11, 10);
    r1610->VL_OPER = Moeda(6052.63);
    r1610->VL_BC_COFINS = Moeda(6052.63);
    r1610->ALIQ_COFINS = 7.6;
    r1610->VL_COFINS = Moeda(460);
    r1610->COD_CTA = "3.01";
    TRegistro1620* r1620 = t.b.Registro1620New();
    r1620->PER_APU_CRED = "102018";
    r1620->ORIG_CRED = "01";
    r1620->COD_CRED = "201";
    r1620->VL_CRED = Moeda(46);

    TRegistro1700* r1700 = t.b.Registro1700New();
    r1700->IND_NAT_RET = "01";
    r1700->PR_REC_RET = "122018";
    r1700->VL_RET_APU = Moeda(46);
    r1700->VL_RET_DED = Moeda(23);
    r1700->SLD_RET = Moeda(23);

    TRegistro1800* r1800 = t.b.Registro1800New();
    r1800->INC_IMOB = "OBRA 1";
    r1800->REC_RECEB_RET = Moeda(1000);
    r1800->BC_RET = Moeda(1000);
    r1800->ALIQ_RET = 4;
    r1800->COD_REC = "4095";
    TRegistro1809* r1809 = t.b.Registro1809New();
    r1809->NUM_PROC = "PROC 1";
    r1809->IND_PROC = TOrigemProcesso::opSecexRFB;

    TRegistro1900* r1900 = t.b.Registro1900New();
    r1900->CNPJ = "11222333000181";
    r1900->COD_MOD = "55";
    r1900->SER = "1";
    r1900->COD_SIT = TCodSitF::codSitFCancelado;
    r1900->VL_TOT_REC = Moeda(500);
    r1900->QUANT_DOC = 3;
    r1900->CFOP = "5102";
    r1900->COD_CTA = "3.01";

    const std::vector<std::string> esperado = {
        "|1001|0|",
        "|1020|PROC ADM|02|10012019|",
        "|1050|31122018|01|11222333000181|300,00|100,00|200,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|01||"
        "AJUSTE|",
        "|1100|122018|01||101|50,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|50,00|",
        "|1101|F0001|PRD001|55|1||123|05122018||1000,00|1102|01|0|50|1000,000|1,6500|16,50|1.01|||122018|"
        "11222333000181|",
        "|1102|10,00|5,00|1,50|",
        "|1200|112018|01|100,00|0,00|100,00|0,00|100,00|20,00|1,00|20012019|",
        "|1210|11222333000181|01|C0001|10112018|6060,61|6060,61|1,6500|100,00|3.01||",
        "|1220|102018|01|101|10,00|",
        "|1300|01|122018|10,00|5,00|0,00|0,00|5,00|",
        "|1500|122018|01||201|76,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|76,00|",
        "|1501|F0001|PRD001|55|1||123|05122018||1000,00|1102|01|0|50|1000,000|7,6000|76,00|1.01|||122018|"
        "11222333000181|",
        "|1502|40,00|30,00|6,00|",
        "|1600|112018|01|460,00|0,00|460,00|0,00|460,00|92,00|4,60|20012019|",
        "|1610|11222333000181|01|C0001|10112018|6052,63|6052,63|7,6000|460,00|3.01||",
        "|1620|102018|01|201|46,00|",
        "|1700|01|122018|46,00|23,00|0,00|0,00|23,00|",
        "|1800|OBRA 1|1000,00|0,00|1000,00|4,00|0,00||4095|",
        "|1809|PROC 1|3|",
        "|1900|11222333000181|55|1||02|500,00|3|01|01|5102||3.01|",
        "|1990|21|",
    };
    EXPECT_EQ(t.Escreve(), esperado);
    const std::vector<std::pair<std::string, int>> entradas = {
        {"1020", 1}, {"1050", 1}, {"1100", 1}, {"1101", 1}, {"1102", 1}, {"1200", 1}, {"1210", 1},
        {"1220", 1}, {"1300", 1}, {"1500", 1}, {"1501", 1}, {"1502", 1}, {"1600", 1}, {"1610", 1},
        {"1620", 1}, {"1700", 1}, {"1800", 1}, {"1809", 1}, {"1900", 1}};
    EXPECT_EQ(t.Entradas(), entradas);
}

TEST(Bloco1, CreationUnderTheLastParent) {
    struct Caso { const char* reg; void (*cria)(TBloco_1&); };
    const Caso semPai[] = {
        {"1011", [](TBloco_1& b) { b.Registro1011New(); }},
        {"1101", [](TBloco_1& b) { b.Registro1101New(); }},
        {"1102", [](TBloco_1& b) { b.Registro1102New(); }},
        {"1210", [](TBloco_1& b) { b.Registro1210New(); }},
        {"1220", [](TBloco_1& b) { b.Registro1220New(); }},
        {"1501", [](TBloco_1& b) { b.Registro1501New(); }},
        {"1502", [](TBloco_1& b) { b.Registro1502New(); }},
        {"1610", [](TBloco_1& b) { b.Registro1610New(); }},
        {"1620", [](TBloco_1& b) { b.Registro1620New(); }},
        {"1809", [](TBloco_1& b) { b.Registro1809New(); }},
    };
    for (const auto& c : semPai) {
        TBloco_1 b;
        EXPECT_THROW(c.cria(b), EListError) << c.reg;
    }

    TBloco_1 b;
    b.Registro1100New();
    EXPECT_THROW(b.Registro1102New(), EListError);  // a 1100 without a 1101
    b.Registro1101New();
    TRegistro1100* segundo = b.Registro1100New();
    TRegistro1101* doc = b.Registro1101New();
    TRegistro1102* r1102 = b.Registro1102New();
    EXPECT_EQ(b.Registro1102New(), r1102);
    EXPECT_EQ(doc->Registro1102.get(), r1102);
    EXPECT_EQ(segundo->Registro1101.Count(), 1);
    EXPECT_EQ(b.Registro1001().Registro1100[0]->Registro1101.Count(), 1);
    EXPECT_EQ(b.Registro1001().Registro1100[0]->Registro1101[0]->Registro1102, nullptr);

    b.Registro1010New();
    TRegistro1010* acao = b.Registro1010New();
    b.Registro1011New();
    EXPECT_EQ(acao->Registro1011.Count(), 1);
    EXPECT_EQ(b.Registro1001().Registro1010[0]->Registro1011.Count(), 0);
}
