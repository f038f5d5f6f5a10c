#include <gtest/gtest.h>

#include "efd/BlocoSPED.h"

using efd::TBlocoSPED;
using efd::Variante;
using util::Currency;
using util::Data;

namespace {

// A block with one counter, configured as the generation component does.
struct BlocoDeTeste : TBlocoSPED {
    int32_t QTD_LIN = 0;
    BlocoDeTeste() {
        Delimitador("|");
        TrimString(true);
        CurMascara("#0.00");
        FContadorLinhas = &QTD_LIN;
    }
    using TBlocoSPED::Linha;
};

}  // namespace

TEST(Linha, EveryFieldFormInLayoutOrder) {
    BlocoDeTeste b;
    b.Linha("C170")
        .T("1")                                   // T
        .T("512", 4)                              // Tn
        .TNulo("", 9)                             // text with the null flag
        .C("060")                                 // C
        .I(3550308, 7)                            // In
        .INulo(0)                                 // integer with the null flag
        .N(Currency::FromRaw(26750))              // N
        .NNulo(0.0)                               // N*
        .NV(Variante{})                           // NV: unassigned is zero
        .D(Data::FromYMD(2012, 1, 31))            // D
        .D(Data())                                // D without a date
        .F(1.65, 4)                               // Fd
        .V(Variante{}, 5)                         // Vd unassigned
        .V(3.0, 5)                                // Vd
        .VN(1.65, 8, 4)                           // VN
        .NM(Currency::FromRaw(15000), "0.0000");  // N through another mask
    ASSERT_EQ(b.Conteudo().Count(), 1u);
    EXPECT_EQ(b.Conteudo()[0], "|C170|1|0512||060|3550308||2,68||0,00|31012012||1,6500||3,00000|1,65|1,5000|");
    EXPECT_EQ(b.QTD_LIN, 1);
}

TEST(Linha, AFailingFieldLeavesNothingBehind) {
    BlocoDeTeste b;
    b.Linha("0000").T("ok");
    EXPECT_THROW(b.Linha("C100").T("x").N(1e300), std::overflow_error);
    ASSERT_EQ(b.Conteudo().Count(), 1u);
    EXPECT_EQ(b.Conteudo()[0], "|0000|ok|");
    EXPECT_EQ(b.QTD_LIN, 1);
    b.Linha("0990").I(2);
    EXPECT_EQ(b.Conteudo()[1], "|0990|2|");
}
