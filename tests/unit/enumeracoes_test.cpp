#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "efd/EFDBlocos.h"
#include "efd/RegistroList.h"

using namespace efd;

TEST(CodeTables, SizesAndUniqueness) {
    EXPECT_EQ(CodigosEnum<TCstPis>::codigos.size(), 34u);
    EXPECT_EQ(CodigosEnum<TCstCofins>::codigos.size(), 34u);
    EXPECT_EQ(CodigosEnum<TCstIcms>::codigos.size(), 110u);
    EXPECT_EQ(CodigosEnum<TCstIpi>::codigos.size(), 15u);
    // Every code appears once, except the three ICMS texts that are both an origin
    // 3/4/5 code and a Simples Nacional code.
    auto repetidos = [](const auto& tabela) {
        std::set<std::string_view> vistos, rep;
        for (auto c : tabela)
            if (!vistos.insert(c).second) rep.insert(c);
        return rep;
    };
    EXPECT_TRUE(repetidos(CodigosEnum<TCstPis>::codigos).empty());
    EXPECT_TRUE(repetidos(CodigosEnum<TCstCofins>::codigos).empty());
    EXPECT_TRUE(repetidos(CodigosEnum<TCstIpi>::codigos).empty());
    EXPECT_EQ(repetidos(CodigosEnum<TCstIcms>::codigos), (std::set<std::string_view>{"300", "400", "500"}));
}

TEST(ParseCst, ExactMatchesAndNone) {
    EXPECT_EQ(ParseCstPis("01"), TCstPis::stpisValorAliquotaNormal);
    EXPECT_EQ(ParseCstPis("99"), TCstPis::stpisOutrasOperacoes);
    EXPECT_EQ(ParseCstPis("50"), TCstPis::stpisOperCredExcRecTribMercInt);
    for (const char* t : {"1", " 01", "", "01 ", "100"}) EXPECT_EQ(ParseCstPis(t), TCstPis::stpisNenhum) << t;
    EXPECT_EQ(CstPisCode(TCstPis::stpisNenhum), "");
    EXPECT_EQ(ParseCstCofins("70"), TCstCofins::stcofinsOperAquiSemDirCredito);
    EXPECT_EQ(ParseCstCofins("x"), TCstCofins::stcofinsNenhum);

    EXPECT_EQ(ParseCstIcms("060"), TCstIcms::sticmsCobradoAnteriormentePorST);
    EXPECT_EQ(ParseCstIcms("60"), TCstIcms::sticmsNenhum);
    EXPECT_EQ(ParseCstIcms("500"), TCstIcms::sticmsSimplesNacionalCobradoAnteriormentePorST);
    EXPECT_EQ(ParseCstIcms("190"), TCstIcms::sticmsEstrangeiraImportacaoDiretaOutros);
    EXPECT_EQ(ParseCstIcms("300"), TCstIcms::sticmsSimplesNacionalImune);  // shared texts read as Simples Nacional
    EXPECT_EQ(ParseCstIcms("400"), TCstIcms::sticmsSimplesNacionalNaoTributada);
    EXPECT_EQ(ParseCstIcms("310"), TCstIcms::csticms310);
    EXPECT_EQ(CstIcmsCode(TCstIcms::csticms500), "500");
    EXPECT_EQ(ParseCstIcms("890"), TCstIcms::csticms890);
    EXPECT_EQ(CstIcmsCode(TCstIcms::sticmsNenhum), "");
    EXPECT_EQ(CstIcmsCode(TCstIcms::sticmsSimplesNacionalOutros), "900");

    EXPECT_EQ(ParseCstIpi("50"), TCstIpi::stipiSaidaTributada);
    EXPECT_EQ(ParseCstIpi("07"), TCstIpi::stipiVazio);
    EXPECT_EQ(CstIpiCode(TCstIpi::stipiVazio), "");
}

TEST(Codes, RegisterSpecificTables) {
    EXPECT_EQ(CodVerCode(TCodVer::vlVersao101), "002");
    EXPECT_EQ(CodVerCode(TCodVer::vlVersao200), "002");
    EXPECT_EQ(CodVerCode(TCodVer::vlVersao320), "006");
    try {
        CodVerCode(static_cast<TCodVer>(42));
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "Valor informado inválido para ser convertido em TCodVer");
    }
    EXPECT_EQ(Codigo(TCodSit::sdfEspecial), "08");
    EXPECT_EQ(Codigo(TIndPgto::tpSemPagamento), "9");
    EXPECT_EQ(Codigo(TIndPgto::tpNenhum), "");
    EXPECT_EQ(Codigo(TTipoItem::tiOutras), "99");
    EXPECT_EQ(Codigo(TTipoItem::tiOutrosInsumos), "10");
    EXPECT_EQ(Codigo(TNatBcCred::bccVazio), "");
    EXPECT_EQ(Codigo(TNatBcCred::bccEstoqueAberturaBens), "18");
    EXPECT_EQ(Codigo(TCodCont::ccPISPasepSalarios), "99");
    EXPECT_EQ(Codigo(TIndFrt::tfSemCobrancaFrete), "9");
    EXPECT_EQ(Codigo(TIndAtiv::indAtivoOutros), "9");
    EXPECT_EQ(Codigo(TIndCTA::indCTAnalitica), "A");
    EXPECT_EQ(ParseCodigo<TTipoItem>("04"), TTipoItem::tiProdutoAcabado);
    EXPECT_FALSE(ParseCodigo<TTipoItem>("4"));
}

TEST(TRegistroList, OwnsItsItemsAndReportsBadIndexes) {
    struct R { int x = 0; };
    TRegistroList<R> lista;
    EXPECT_EQ(lista.Count(), 0);
    EXPECT_THROW(lista.Ultimo(), EListError);
    R* a = lista.New();
    a->x = 1;
    lista.New()->x = 2;
    EXPECT_EQ(lista.Count(), 2);
    EXPECT_EQ(lista.Items(0)->x, 1);
    EXPECT_EQ(lista.Ultimo()->x, 2);
    int soma = 0;
    for (R& r : lista) soma += r.x;
    EXPECT_EQ(soma, 3);
    try {
        lista.Items(5);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "Índice de lista fora dos limites (5)");
    }
    lista.Clear();
    EXPECT_EQ(lista.Count(), 0);
    TOpenBlocos abertura;
    EXPECT_EQ(abertura.IND_MOV, TIndMov::imComDados);
}

TEST(TRegistroList, EmptiedOneByOneKeepsWhatWasNotWrittenWhenAWriteFails) {
    struct R { int x = 0; };
    TRegistroList<R> lista;
    for (int i = 1; i <= 4; ++i) lista.New()->x = i;
    std::vector<int> escritos;
    EXPECT_THROW(lista.EsvaziaComCada([&](R& r) {
        if (r.x == 3) throw std::runtime_error("disco cheio");
        escritos.push_back(r.x);
    }),
                 std::runtime_error);
    EXPECT_EQ(escritos, (std::vector<int>{1, 2}));
    // No freed slot is left behind: the list holds the registers still to write.
    ASSERT_EQ(lista.Count(), 2);
    EXPECT_EQ(lista.Items(0)->x, 3);
    EXPECT_EQ(lista.Ultimo()->x, 4);
    lista.EsvaziaComCada([&](R& r) { escritos.push_back(r.x); });
    EXPECT_EQ(escritos, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(lista.Count(), 0);
}
