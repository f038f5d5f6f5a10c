#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "efd/EFDBloco_0_Class.h"

using namespace efd;
using util::Currency;
using util::Data;

namespace {

// Block 0 with the settings the generation component gives every block, its
// data checks collected, and its lines read back from memory.
struct Bloco0 {
    TBloco_0 b;
    std::vector<std::string> erros;

    explicit Bloco0(Data ini = Data::FromYMD(2019, 1, 1)) {
        b.Delimitador("|");
        b.ReplaceDelimitador(true);
        b.TrimString(true);
        b.CurMascara("#0.00");
        b.OnError([this](const std::string& m) { erros.push_back(m); });
        b.DT_INI(ini);
        b.DT_FIN(ini.UltimoDiaDoMes());
        TRegistro0000& r = *b.Registro0000New();
        r.COD_VER = TCodVer::vlVersao320;
        r.DT_INI = ini;
        r.DT_FIN = ini.UltimoDiaDoMes();
        r.NOME = "EMPRESA";
        r.CNPJ = "11222333000181";
        r.UF = "SP";
        r.COD_MUN = 3550308;
    }
    std::vector<std::string> Escreve() {
        b.WriteRegistro0000();
        b.WriteRegistro0001();
        b.WriteRegistro0990();
        std::vector<std::string> linhas;
        for (size_t i = 0; i < b.Conteudo().Count(); ++i) linhas.emplace_back(b.Conteudo()[i]);
        return linhas;
    }
    // Lines of one register code.
    std::vector<std::string> Linhas(const std::string& reg) {
        std::vector<std::string> todas = Escreve(), saida;
        for (const auto& l : todas)
            if (l.compare(1, reg.size() + 1, reg + "|") == 0) saida.push_back(l);
        return saida;
    }
};

std::vector<std::pair<std::string, int>> Entradas(const TBloco_0& b) {
    TEntradas9900 e;
    b.EntradasBloco9(e);
    return e.Itens();
}

}  // namespace

// Every register of the tree once: the lines in tree order, each field in its form.
TEST(Bloco0, EveryRegisterInTreeOrder) {
    Bloco0 t;
    TRegistro0000& r0000 = t.b.Registro0000();
    r0000.TIPO_ESCRIT = TTipoEscrit::tpEscrRetificadora;
    r0000.IND_SIT_ESP = TIndSitEsp::indNenhum;
    r0000.NUM_REC_ANTERIOR = "12345";
    r0000.SUFRAMA = "123";
    r0000.IND_ATIV = TIndAtiv::indAtivComercio;

    TRegistro0035* r0035 = t.b.Registro0035New();
    r0035->COD_SCP = "123";
    r0035->DESC_SCP = "SCP UM";

    TRegistro0100* r0100 = t.b.Registro0100New();
    r0100->NOME = "CONTADOR";
    r0100->CPF = "52998224725";
    r0100->CRC = "SP123456";
    r0100->CEP = "1310100";
    r0100->ENDERECO = "RUA A";
    r0100->NUM = "10";
    r0100->BAIRRO = "CENTRO";
    r0100->FONE = "1133334444";
    r0100->EMAIL = "c@x.com";
    r0100->COD_MUN = 3550308;

    TRegistro0110* r0110 = t.b.Registro0110New();
    r0110->IND_APRO_CRED = TIndAproCred::indMetodoDeRateioProporcional;
    r0110->IND_REG_CUM = TIndRegCum::codRegimeCompetEscritDetalhada;  // not written: non-cumulative
    TRegistro0111* r0111 = t.b.Registro0111New();
    r0111->REC_BRU_NCUM_TRIB_MI = Currency::FromDouble(1000.5);
    r0111->REC_BRU_TOTAL = Currency::FromDouble(1000.5);

    TRegistro0120* r0120 = t.b.Registro0120New();
    r0120->MES_DISPENSA = "12018";
    r0120->INF_COMP = "01";

    TRegistro0140* r0140 = t.b.Registro0140New();
    r0140->COD_EST = "1";
    r0140->NOME = "MATRIZ";
    r0140->CNPJ = "11222333000181";
    r0140->UF = "SP";
    r0140->IE = "110042490114";
    r0140->COD_MUN = 3550308;

    TRegistro0145* r0145 = t.b.Registro0145New();
    r0145->COD_INC_TRIB = "1";
    r0145->VL_REC_TOT = Currency::FromDouble(100);
    r0145->VL_REC_ATIV = Currency::FromDouble(60);
    r0145->VL_REC_DEMAIS_ATIV = Currency::FromDouble(40);

    TRegistro0150* r0150 = t.b.Registro0150New();
    r0150->COD_PART = "F0001";
    r0150->NOME = "FORNECEDOR";
    r0150->COD_PAIS = "01058";
    r0150->CNPJ = "11222333000181";
    r0150->COD_MUN = 3304557;
    r0150->ENDERECO = "RUA B";
    r0150->NUM = "1";

    TRegistro0190* r0190 = t.b.Registro0190New();
    r0190->UNID = "UN";
    r0190->DESCR = "UNIDADE";

    TRegistro0200* r0200 = t.b.Registro0200New();
    r0200->COD_ITEM = "PRD001";
    r0200->DESCR_ITEM = "PRODUTO";
    r0200->UNID_INV = "UN";
    r0200->COD_NCM = "22021000";
    r0200->COD_GEN = "22";
    r0200->ALIQ_ICMS = 18.0;
    TRegistro0205* r0205 = t.b.Registro0205New();
    r0205->DESCR_ANT_ITEM = "PRODUTO ANTIGO";
    r0205->DT_INI = Data::FromYMD(2018, 1, 1);
    r0205->DT_FIM = Data::FromYMD(2018, 12, 31);
    r0205->COD_ANT_ITEM = "P1";
    t.b.Registro0206New()->COD_COMB = "910101001";
    TRegistro0208* r0208 = t.b.Registro0208New();
    r0208->COD_TAB = TIndCodIncidencia::codIndTabII;
    r0208->COD_GRU = "01";
    r0208->MARCA_COM = "MARCA";

    TRegistro0400* r0400 = t.b.Registro0400New();
    r0400->COD_NAT = "5102";
    r0400->DESCR_NAT = "VENDA";
    TRegistro0450* r0450 = t.b.Registro0450New();
    r0450->COD_INF = "1";
    r0450->TXT = "TEXTO";

    TRegistro0500* r0500 = t.b.Registro0500New();
    r0500->DT_ALT = Data::FromYMD(2018, 1, 1);
    r0500->COD_NAT_CC = TNaturezaConta::ncgResultado;
    r0500->IND_CTA = TIndCTA::indCTAnalitica;
    r0500->NIVEL = "4";
    r0500->COD_CTA = "3.01.01.001";
    r0500->NOME_CTA = "RECEITA";

    TRegistro0600* r0600 = t.b.Registro0600New();
    r0600->DT_ALT = Data::FromYMD(2018, 1, 1);
    r0600->COD_CCUS = "CC1";
    r0600->CCUS = "ADMINISTRACAO";

    TRegistro0900* r0900 = t.b.Registro0900New();
    r0900->REC_TOTAL_BLOCO_A = 10;
    r0900->REC_TOTAL_BLOCO_C = 1000.5;
    r0900->REC_NRB_BLOCO_C = 0.0;  // a value, though zero
    r0900->REC_TOTAL_PERIODO = 1010.5;

    const std::vector<std::string> esperado = {
        "|0000|006|1||12345|01012019|31012019|EMPRESA|11222333000181|SP|3550308|000000123|00|2|",
        "|0001|0|",
        "|0035|00000000000123|SCP UM||",
        "|0100|CONTADOR|52998224725|SP123456||01310100|RUA A|10||CENTRO|1133334444||c@x.com|3550308|",
        "|0110|1|2|1||",
        "|0111|1000,50|0,00|0,00|0,00|1000,50|",
        "|0120|012018|01|",
        "|0140|1|MATRIZ|11222333000181|SP|110042490114|3550308|||",
        "|0145|1|100,00|60,00|40,00||",
        "|0150|F0001|FORNECEDOR|01058|11222333000181|||3304557||RUA B|1|||",
        "|0190|UN|UNIDADE|",
        "|0200|PRD001|PRODUTO|||UN|00|22021000||22||18,00|",
        "|0205|PRODUTO ANTIGO|01012018|31122018|P1|",
        "|0206|910101001|",
        "|0208|02|01|MARCA|",
        "|0400|5102|VENDA|",
        "|0450|1|TEXTO|",
        "|0500|01012018|04|A|4|3.01.01.001|RECEITA|||",
        "|0600|01012018|CC1|ADMINISTRACAO|",
        "|0900|10,00||1000,50|0,00|0,00||0,00||0,00||0,00||1010,50||",
        "|0990|21|",
    };
    EXPECT_EQ(t.Escreve(), esperado);
    EXPECT_EQ(t.erros, std::vector<std::string>{});
    EXPECT_EQ(t.b.Registro0990().QTD_LIN_0, 21);
    const std::vector<std::pair<std::string, int>> entradas = {
        {"0035", 1}, {"0100", 1}, {"0110", 1}, {"0111", 1}, {"0120", 1}, {"0140", 1},
        {"0145", 1}, {"0150", 1}, {"0190", 1}, {"0200", 1}, {"0205", 1}, {"0206", 1},
        {"0208", 1}, {"0400", 1}, {"0450", 1}, {"0500", 1}, {"0600", 1}, {"0900", 1}};
    EXPECT_EQ(Entradas(t.b), entradas);

    // LimpaRegistros gives back an empty tree with zero counters.
    t.b.LimpaRegistros();
    EXPECT_EQ(t.b.Registro0001().Registro0140.Count(), 0);
    EXPECT_EQ(t.b.Registro0001().Registro0900, nullptr);
    EXPECT_EQ(t.b.Registro0990().QTD_LIN_0, 0);
    EXPECT_TRUE(Entradas(t.b).empty());
}

TEST(Bloco0, CountsAddUpOverSeveralEstablishments) {
    Bloco0 t;
    for (int e = 0; e < 2; ++e) {
        t.b.Registro0140New()->COD_EST = std::to_string(e);
        for (int i = 0; i < 3; ++i) {
            TRegistro0150* p = t.b.Registro0150New();
            p->COD_PART = "P" + std::to_string(i);
            p->NOME = "PARTICIPANTE";
            t.b.Registro0200New()->COD_ITEM = "I" + std::to_string(i);
            t.b.Registro0205New();
            t.b.Registro0205New();
        }
    }
    const auto linhas = t.Escreve();
    // 0000, 0001, 0110, 2 x (0140 + 3 x (0150) + 3 x (0200 + 2 x 0205)), 0990
    EXPECT_EQ(linhas.size(), 4u + 2 * (1 + 3 + 3 * 3));
    EXPECT_EQ(t.b.Registro0140Count, 2);
    EXPECT_EQ(t.b.Registro0150Count, 6);
    EXPECT_EQ(t.b.Registro0200Count, 6);
    EXPECT_EQ(t.b.Registro0205Count, 12);
    EXPECT_EQ(linhas.back(), "|0990|" + std::to_string(linhas.size()) + "|");
}

TEST(Bloco0, WithoutDataOnly0000And0001And0990) {
    Bloco0 t;
    t.b.Registro0001().IND_MOV = TIndMov::imSemDados;
    t.b.Registro0100New()->NOME = "CONTADOR";
    t.b.Registro0140New();
    t.b.Registro0150New()->NOME = "X";
    t.b.Registro0900New();
    const auto linhas = t.Escreve();
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[1], "|0001|1|");
    EXPECT_EQ(linhas[2], "|0990|3|");
    EXPECT_TRUE(Entradas(t.b).empty());
    EXPECT_EQ(t.erros, std::vector<std::string>{});  // unwritten registers are not checked
}

TEST(Bloco0, CreationUnderTheLastParent) {
    Bloco0 t;
    EXPECT_EQ(t.b.Registro0001New(), t.b.Registro0001New());
    EXPECT_EQ(t.b.Registro0000New(), &t.b.Registro0000());
    EXPECT_EQ(t.b.Registro0111New(), &t.b.Registro0110New()->Registro0111);
    TRegistro0900* r0900 = t.b.Registro0900New();
    EXPECT_EQ(t.b.Registro0900New(), r0900);

    TRegistro0140* primeiro = t.b.Registro0140New();
    t.b.Registro0200New();
    TRegistro0140* segundo = t.b.Registro0140New();
    TRegistro0150* a = t.b.Registro0150New();
    TRegistro0150* b = t.b.Registro0150New();
    EXPECT_EQ(primeiro->Registro0150.Count(), 0);
    ASSERT_EQ(segundo->Registro0150.Count(), 2);
    EXPECT_EQ(segundo->Registro0150[0], a);
    EXPECT_EQ(segundo->Registro0150[1], b);
    EXPECT_EQ(t.b.Registro0145New(), &segundo->Registro0145);

    t.b.Registro0200New();
    TRegistro0200* ultimo = t.b.Registro0200New();
    t.b.Registro0205New();
    EXPECT_EQ(ultimo->Registro0205.Count(), 1);
    EXPECT_EQ(t.b.Registro0206New(), &ultimo->Registro0206);
    EXPECT_EQ(t.b.Registro0208New(), &ultimo->Registro0208);
    EXPECT_EQ(primeiro->Registro0200.Count(), 1);
    EXPECT_EQ(primeiro->Registro0200[0]->Registro0205.Count(), 0);
}

TEST(Bloco0, OrphanRegistersRaise) {
    struct Caso { const char* reg; void (*cria)(TBloco_0&); };
    const Caso orfaos[] = {
        {"0150", [](TBloco_0& b) { b.Registro0150New(); }},
        {"0190", [](TBloco_0& b) { b.Registro0190New(); }},
        {"0200", [](TBloco_0& b) { b.Registro0200New(); }},
        {"0400", [](TBloco_0& b) { b.Registro0400New(); }},
        {"0450", [](TBloco_0& b) { b.Registro0450New(); }},
    };
    for (const auto& c : orfaos) {
        TBloco_0 b;
        try {
            c.cria(b);
            ADD_FAILURE() << c.reg << " without a 0140 was created";
        } catch (const ERegistroOrfao& e) {
            EXPECT_EQ(std::string(e.what()), std::string("O registro ") + c.reg +
                                                 " deve ser filho do registro 0140, e não existe nenhum 0140 pai!");
        }
    }

    // No 0140 at all: the last-parent calls find no list item.
    TBloco_0 b;
    EXPECT_THROW(b.Registro0145New(), EListError);
    EXPECT_THROW(b.Registro0205New(), EListError);
    EXPECT_THROW(b.Registro0206New(), EListError);
    EXPECT_THROW(b.Registro0208New(), EListError);

    // A 0140 without a 0200.
    b.Registro0140New();
    try {
        b.Registro0205New();
        ADD_FAILURE() << "0205 without a 0200 was created";
    } catch (const ERegistroOrfao& e) {
        EXPECT_STREQ(e.what(), "O registro 0205 deve ser filho do registro 0200, e não existe nenhum 0200 pai!");
    }
    EXPECT_THROW(b.Registro0206New(), EListError);
    EXPECT_THROW(b.Registro0208New(), EListError);
    EXPECT_NO_THROW(b.Registro0145New());
}

TEST(Bloco0, LocalizaRegistro) {
    TRegistro0150List participantes;
    TRegistro0150* p = participantes.New();
    p->COD_PART = "52998224725";  // a code that looks like a CPF
    p->CPF = "12345678909";
    p = participantes.New();
    p->COD_PART = "C1";
    p->CNPJ = "11222333000181";
    p = participantes.New();
    p->COD_PART = "CÓDIGO1234";  // ten characters, eleven bytes
    p->CPF = "00000000191";

    struct Caso { std::string valor; bool achou; };
    const Caso casos[] = {
        {"12345678909", true},     // 11 characters: CPF
        {"52998224725", false},    // only a COD_PART has it
        {"11222333000181", true},  // 14 characters: CNPJ
        {"C1", true},              // otherwise COD_PART
        {"c1", false},             // case-sensitive
        {"C1 ", false},            // no trimming
        {"CÓDIGO1234", true},      // counted in characters, so a COD_PART
        {"", false},
    };
    for (const auto& c : casos) EXPECT_EQ(participantes.LocalizaRegistro(c.valor), c.achou) << c.valor;

    TRegistro0190List unidades;
    unidades.New()->UNID = "UN";
    EXPECT_TRUE(unidades.LocalizaRegistro("UN"));
    EXPECT_FALSE(unidades.LocalizaRegistro("un"));
    TRegistro0200List itens;
    itens.New()->COD_ITEM = "PRD001";
    EXPECT_TRUE(itens.LocalizaRegistro("PRD001"));
    EXPECT_FALSE(itens.LocalizaRegistro("PRD00"));
    TRegistro0400List naturezas;
    naturezas.New()->COD_NAT = "5102";
    EXPECT_TRUE(naturezas.LocalizaRegistro("5102"));
    EXPECT_FALSE(naturezas.LocalizaRegistro("5405"));
    TRegistro0500List contas;
    contas.New()->COD_CTA = "3.01";
    EXPECT_TRUE(contas.LocalizaRegistro("3.01"));
    EXPECT_FALSE(contas.LocalizaRegistro("301"));
}

TEST(Bloco0, Registro0000FieldsAndChecks) {
    struct Caso {
        TTipoEscrit tipo;
        std::string recibo, cnpj, uf, suframa;
        int32_t municipio;
        std::string linha;
        std::vector<std::string> erros;
    };
    using T = TTipoEscrit;
    const Caso casos[] = {
        {T::tpEscrOriginal, "999", "11222333000181", "SP", "", 3550308,
         "|0000|006|0|0||01012019|31012019|EMPRESA|11222333000181|SP|3550308||00|0|", {}},
        {T::tpEscrRetificadora, "999", "", "sp", "123", 9999999,
         "|0000|006|1|0|999|01012019|31012019|EMPRESA||sp|9999999|000000123|00|0|", {}},
        {T::tpEscrOriginal, "", "11222333000182", "XX", "", 0,
         "|0000|006|0|0||01012019|31012019|EMPRESA|11222333000182|XX|0000000||00|0|",
         {"(0-0000) ENTIDADE: O CNPJ \"11222333000182\" digitado é inválido!",
          "(0-0000) ENTIDADE: A UF \"XX\" digitada é inválido!",
          "(0-0000) ENTIDADE: O código do município \"0\" digitado é inválido!"}},
        {T::tpEscrOriginal, "", "00000000000000", "", "", 3550309,
         "|0000|006|0|0||01012019|31012019|EMPRESA|00000000000000||3550309||00|0|",
         {"(0-0000) ENTIDADE: O CNPJ \"00000000000000\" digitado é inválido!",
          "(0-0000) ENTIDADE: A UF \"\" digitada é inválido!",
          "(0-0000) ENTIDADE: O código do município \"3550309\" digitado é inválido!"}},
    };
    for (const auto& c : casos) {
        Bloco0 t;
        TRegistro0000& r = t.b.Registro0000();
        r.TIPO_ESCRIT = c.tipo;
        r.NUM_REC_ANTERIOR = c.recibo;
        r.CNPJ = c.cnpj;
        r.UF = c.uf;
        r.SUFRAMA = c.suframa;
        r.COD_MUN = c.municipio;
        t.b.Registro0001().IND_MOV = TIndMov::imSemDados;
        EXPECT_EQ(t.Escreve()[0], c.linha);
        EXPECT_EQ(t.erros, c.erros) << c.linha;
    }
}

TEST(Bloco0, Registro0110ByLayoutVersion) {
    struct Caso {
        TCodVer versao;
        TCodIncTrib incidencia;
        TIndAproCred apropriacao;
        TCodTipoCont tipo;
        TIndRegCum regime;
        TIndAtiv atividade;
        std::string linha;
        bool com0111;
    };
    using V = TCodVer;
    using I = TCodIncTrib;
    using A = TIndAproCred;
    using C = TCodTipoCont;
    using R = TIndRegCum;
    const auto ind = TIndAtiv::indAtivIndustrial, fin = TIndAtiv::indAtivoFincanceira;
    const Caso casos[] = {
        {V::vlVersao201, I::codEscrOpIncNaoCumulativo, A::indMetodoApropriacaoDireta, C::codIndTipoConExclAliqBasica,
         R::codRegimeCaixa, ind, "|0110|1|1|1||", false},
        {V::vlVersao201, I::codEscrOpIncCumulativo, A::indMetodoApropriacaoDireta, C::codIndTipoConExclAliqBasica,
         R::codRegimeCompetEscritDetalhada, ind, "|0110|2||1|9|", false},
        {V::vlVersao320, I::codEscrOpIncCumulativo, A::indMetodoDeRateioProporcional, C::codIndTipoAliqEspecificas,
         R::codRegimeCaixa, ind, "|0110|2||2|1|", false},
        {V::vlVersao320, I::codEscrOpIncCumulativo, A::indMetodoApropriacaoDireta, C::codIndTipoConExclAliqBasica,
         R::codRegimeCaixa, fin, "|0110|2||1||", false},
        {V::vlVersao310, I::codEscrOpIncAmbos, A::indMetodoDeRateioProporcional, C::codIndTipoAliqEspecificas,
         R::codRegimeCaixa, ind, "|0110|3|2|2||", true},
        {V::vlVersao202, I::codEscrOpIncNaoCumulativo, A::indMetodoDeRateioProporcional,
         C::codIndTipoConExclAliqBasica, R::codRegimeCaixa, ind, "|0110|1|2|1||", true},
        {V::vlVersao200, I::codEscrOpIncCumulativo, A::indMetodoDeRateioProporcional, C::codIndTipoConExclAliqBasica,
         R::codRegimeCaixa, ind, "|0110|2||1|", false},
        {V::vlVersao101, I::codEscrOpIncNaoCumulativo, A::indMetodoDeRateioProporcional,
         C::codIndTipoConExclAliqBasica, R::codRegimeCaixa, ind, "|0110|1|2|1|", true},
        {V::vlVersao100, I::codEscrOpIncCumulativo, A::indMetodoDeRateioProporcional, C::codIndTipoConExclAliqBasica,
         R::codRegimeCaixa, ind, "|0110|2|2|1|", false},
    };
    for (const auto& c : casos) {
        Bloco0 t;
        t.b.Registro0000().COD_VER = c.versao;
        t.b.Registro0000().IND_ATIV = c.atividade;
        TRegistro0110& r = *t.b.Registro0110New();
        r.COD_INC_TRIB = c.incidencia;
        r.IND_APRO_CRED = c.apropriacao;
        r.COD_TIPO_CONT = c.tipo;
        r.IND_REG_CUM = c.regime;
        const auto linhas = t.Escreve();
        ASSERT_GE(linhas.size(), 4u);
        EXPECT_EQ(linhas[2], c.linha) << c.linha;
        // The 0111 follows even with every amount zero.
        EXPECT_EQ(linhas[3] == "|0111|0,00|0,00|0,00|0,00|0,00|", c.com0111) << c.linha;
        EXPECT_EQ(t.b.Registro0111Count, c.com0111 ? 1 : 0);
        EXPECT_EQ(t.b.Registro0110Count, 1);
    }
}

TEST(Bloco0, Registro0035FromMarch2014) {
    struct Caso { Data ini; bool escrito; };
    const Caso casos[] = {
        {Data::FromYMD(2014, 2, 1), false},
        {Data::FromYMD(2014, 3, 1), true},
        {Data::FromYMD(2019, 1, 1), true},
    };
    for (const auto& c : casos) {
        Bloco0 t(c.ini);
        t.b.Registro0035New()->COD_SCP = "12345678000195";
        t.b.Registro0035New()->COD_SCP = "98765432000198";
        EXPECT_EQ(t.Linhas("0035").size(), c.escrito ? 2u : 0u) << c.ini.Formata("dd/mm/yyyy");
        EXPECT_EQ(t.b.Registro0035Count, c.escrito ? 2 : 0);
    }
}

TEST(Bloco0, Registro0100Checks) {
    struct Caso {
        std::string nome, cpf, cnpj, crc;
        int32_t municipio;
        std::vector<std::string> erros;
    };
    const Caso casos[] = {
        {"ANA", "52998224725", "", "SP1", 3550308, {}},
        {"ANA", "", "11222333000181", "SP1", 3550308, {}},
        {"ANA", " ", "", " ", 3550308,
         {"(0-0100) CONTADOR ANA: O CNPJ/CPF é obrigatório!", "(0-0100) CONTADOR ANA: O CRC é obrigatório!"}},
        {"ANA", "11111111111", "11222333000182", "SP1", 1234567,
         {"(0-0100) CONTADOR ANA: O CPF \"11111111111\" digitado é inválido!",
          "(0-0100) CONTADOR ANA: O CNPJ \"11222333000182\" digitado é inválido!",
          "(0-0100) CONTADOR ANA: O código do município \"1234567\" digitado é inválido!"}},
        {"", "52998224725", "", "SP1", 3550308,
         {"(0-0100) CONTADOR: O nome do contabilista/escritório é obrigatório!"}},
    };
    for (const auto& c : casos) {
        Bloco0 t;
        TRegistro0100* r = t.b.Registro0100New();
        r->NOME = c.nome;
        r->CPF = c.cpf;
        r->CNPJ = c.cnpj;
        r->CRC = c.crc;
        r->COD_MUN = c.municipio;
        EXPECT_EQ(t.Linhas("0100").size(), 1u);  // a failed check never stops the line
        EXPECT_EQ(t.erros, c.erros) << c.nome << "/" << c.cpf << "/" << c.cnpj;
    }
}

TEST(Bloco0, Registro0150MunicipalityOnlyInBrazilAndChecks) {
    struct Caso {
        std::string pais, cnpj, cpf, nome, linha;
        std::vector<std::string> erros;
    };
    const Caso casos[] = {
        {"1058", "11222333000181", "", "NOME", "|0150|P1|NOME|1058|11222333000181|||3304557||||||", {}},
        {"01058", "", "52998224725", "NOME", "|0150|P1|NOME|01058||52998224725||3304557||||||", {}},
        {"05860", "", "", "NOME", "|0150|P1|NOME|05860||||||||||", {}},
        {"", "", "", "NOME", "|0150|P1|NOME|||||||||||", {}},
        {"1058", "11222333000182", "11111111111", "", "|0150|P1||1058|11222333000182|11111111111||3304557||||||",
         {"(0-0150) P1-, o CNPJ \"11222333000182\" digitado é inválido!",
          "(0-0150) P1-, o CPF \"11111111111\" digitado é inválido!",
          "(0-0150) O nome do participante é obrigatório!"}},
    };
    for (const auto& c : casos) {
        Bloco0 t;
        t.b.Registro0140New();
        TRegistro0150* r = t.b.Registro0150New();
        r->COD_PART = "P1";
        r->NOME = c.nome;
        r->COD_PAIS = c.pais;
        r->CNPJ = c.cnpj;
        r->CPF = c.cpf;
        r->COD_MUN = 3304557;
        EXPECT_EQ(t.Linhas("0150"), std::vector<std::string>{c.linha});
        EXPECT_EQ(t.erros, c.erros) << c.linha;
    }
}

// The item's registers: the ICMS rate left without a value, the genre check, and
// 0206 / 0208 written only with their key.
TEST(Bloco0, ItemRegisters) {
    struct Caso {
        std::string genero, combustivel;
        TIndCodIncidencia tabela;
        std::vector<std::string> linhas, erros;
    };
    using I = TIndCodIncidencia;
    const Caso casos[] = {
        {"", "", I::codIndiTabNaoTem, {"|0200|X|ITEM||||00||||||"}, {}},
        {"99", "  ", I::codIndiTabXII, {"|0200|X|ITEM||||00|||99|||", "|0208|12|||"}, {}},
        {"100", "1", I::codIndTabI, {"|0200|X|ITEM||||00|||100|||", "|0206|1|", "|0208|01|||"},
         {"(0-0200) O código do gênero \"100\" digitado é inválido!"}},
        {"1", "", I::codIndiTabNaoTem, {"|0200|X|ITEM||||00|||1|||"},
         {"(0-0200) O código do gênero \"1\" digitado é inválido!"}},
    };
    for (const auto& c : casos) {
        Bloco0 t;
        t.b.Registro0140New();
        TRegistro0200* r = t.b.Registro0200New();
        r->COD_ITEM = "X";
        r->DESCR_ITEM = "ITEM";
        r->COD_GEN = c.genero;
        t.b.Registro0206New()->COD_COMB = c.combustivel;
        t.b.Registro0208New()->COD_TAB = c.tabela;
        std::vector<std::string> linhas;
        for (const auto& l : t.Escreve())
            if (l.rfind("|02", 0) == 0) linhas.push_back(l);
        EXPECT_EQ(linhas, c.linhas) << c.genero;
        EXPECT_EQ(t.erros, c.erros) << c.genero;
        EXPECT_EQ(t.b.Registro0206Count + t.b.Registro0208Count, static_cast<int>(linhas.size()) - 1);
    }
}

TEST(Bloco0, Registro0145OnlyWithItsRegime) {
    for (const std::string incidencia : {"", "  ", "2"}) {
        Bloco0 t;
        t.b.Registro0140New();
        t.b.Registro0145New()->COD_INC_TRIB = incidencia;
        const bool escrito = incidencia == "2";
        EXPECT_EQ(t.Linhas("0145").size(), escrito ? 1u : 0u) << "\"" << incidencia << "\"";
        EXPECT_EQ(t.b.Registro0145Count, escrito ? 1 : 0);
    }
}

TEST(Bloco0, Registro0500Checks) {
    Bloco0 t;
    t.b.Registro0500New()->COD_NAT_CC = TNaturezaConta::ncgOutras;
    TRegistro0500* r = t.b.Registro0500New();
    // Values no typed code can produce still must not pass unnoticed.
    r->COD_NAT_CC = static_cast<TNaturezaConta>(42);
    r->IND_CTA = static_cast<TIndCTA>(7);
    EXPECT_EQ(t.Linhas("0500"), (std::vector<std::string>{"|0500||09|S||||||", "|0500|||0||||||"}));
    EXPECT_EQ(t.erros, (std::vector<std::string>{
                           "(0-0500) O código da natureza da conta/grupo de contas \"\" digitado é inválido!",
                           "(0-0500) O indicador \"\" do tipo de conta, deve ser informado  S ou A!"}));
}

// Phones keep their digits: no zeros in front, an eleven-digit mobile whole, an
// empty phone empty; only what passes eleven characters is cut.
TEST(Bloco0, Registro0100Phones) {
    struct Caso { std::string fone, fax, campos; };
    const Caso casos[] = {
        {"1133334444", "", "|1133334444||"},
        {"33334444", "33335555", "|33334444|33335555|"},
        {"11987654321", "11987654321", "|11987654321|11987654321|"},
        {"", "", "|||"},
        {"119876543210", "", "|11987654321||"},
    };
    for (const auto& c : casos) {
        Bloco0 t;
        TRegistro0100* r = t.b.Registro0100New();
        r->NOME = "ANA";
        r->CPF = "52998224725";
        r->CRC = "SP1";
        r->FONE = c.fone;
        r->FAX = c.fax;
        r->COD_MUN = 3550308;
        const auto linhas = t.Linhas("0100");
        ASSERT_EQ(linhas.size(), 1u);
        EXPECT_EQ(linhas[0], "|0100|ANA|52998224725|SP1||00000000|||||" + c.campos.substr(1) + "|3550308|")
            << c.fone;
    }
}
