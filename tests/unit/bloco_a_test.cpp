#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/ConfereArquivoEFD.h"
#include "common/PastaTemporaria.h"
#include "efd/GeradorEFD.h"
#include "util/Validador.h"

using namespace efd;
using util::Data;

namespace {

// Block A configured as the generation component configures it, with data.
struct BlocoA {
    TBloco_A bloco;
    std::vector<std::string> erros;

    BlocoA() {
        bloco.Delimitador("|");
        bloco.ReplaceDelimitador(true);
        bloco.TrimString(true);
        bloco.CurMascara("#0.00");
        bloco.OnError([this](const std::string& m) { erros.push_back(m); });
        bloco.RegistroA001New()->IND_MOV = TIndMov::imComDados;
    }
    std::vector<std::string> Linhas() const {
        std::vector<std::string> v;
        for (size_t i = 0; i < bloco.Conteudo().Count(); ++i) v.emplace_back(bloco.Conteudo()[i]);
        return v;
    }
    // Adds an A100 with the given document number under the last A010.
    TRegistroA100& Documento(const std::string& num) {
        TRegistroA100& r = *bloco.RegistroA100New();
        r.COD_PART = "F0001";
        r.NUM_DOC = num;
        return r;
    }
};

// A regular service document with every field filled.
void PreencheDocumento(TRegistroA100& r) {
    r.IND_OPER = TIndOper::itoContratado;
    r.IND_EMIT = TIndEmit::iedfTerceiro;
    r.COD_PART = "F0001";
    r.COD_SIT = TCodSit::sdfRegular;
    r.SER = "1";
    r.NUM_DOC = "123";
    r.CHV_NFSE = "ABC123";
    r.DT_DOC = Data::FromYMD(2013, 1, 15);
    r.DT_EXE_SERV = Data::FromYMD(2013, 1, 16);
    r.VL_DOC = 1000;
    r.IND_PGTO = TIndPgto::tpPrazo;
    r.VL_DESC = 0;
    r.VL_BC_PIS = 1000;
    r.VL_PIS = 16.5;
    r.VL_BC_COFINS = 1000;
    r.VL_COFINS = 76;
    r.VL_COFINS_RET = 0;
    r.VL_ISS = 50;
}

// Field n of a line in the layout's numbering (1 is REG).
std::string Campo(const std::string& linha, size_t n) {
    size_t ini = 0;
    for (size_t i = 0; i < n; ++i) ini = linha.find('|', ini) + 1;
    return linha.substr(ini, linha.find('|', ini) - ini);
}

// Each line as its register code, with the CNPJ of an A010 and the NUM_DOC of an A100.
std::vector<std::string> Resumo(const std::vector<std::string>& linhas) {
    std::vector<std::string> v;
    for (const auto& l : linhas) {
        const std::string reg = Campo(l, 1);
        v.push_back(reg == "A010" ? reg + " " + Campo(l, 2) : reg == "A100" ? reg + " " + Campo(l, 8) : reg);
    }
    return v;
}

}  // namespace

TEST(BlocoA, WithoutDataOnlyOpensAndCloses) {
    BlocoA a;
    a.bloco.RegistroA001().IND_MOV = TIndMov::imSemDados;
    a.bloco.RegistroA010New()->CNPJ = "11222333000181";  // ignored without data
    a.bloco.WriteRegistroA001();
    a.bloco.WriteRegistroA990();
    EXPECT_EQ(a.Linhas(), (std::vector<std::string>{"|A001|1|", "|A990|2|"}));
    EXPECT_EQ(a.bloco.RegistroA010Count, 0);
    TEntradas9900 e;
    a.bloco.EntradasBloco9(e);
    EXPECT_TRUE(e.Itens().empty());
}

TEST(BlocoA, WithDataButNoEstablishmentWritesNothingBelowA001) {
    BlocoA a;
    EXPECT_NO_THROW(a.bloco.WriteRegistroA001());
    a.bloco.WriteRegistroA990();
    EXPECT_EQ(a.Linhas(), (std::vector<std::string>{"|A001|0|", "|A990|2|"}));
}

TEST(BlocoA, EveryRegisterInLayoutOrder) {
    BlocoA a;
    a.bloco.RegistroA010New()->CNPJ = "11222333000181";
    PreencheDocumento(*a.bloco.RegistroA100New());
    // Children added out of order are still written A110, A111, A120, A170.
    TRegistroA170& i1 = *a.bloco.RegistroA170New();
    i1.NUM_ITEM = 3;
    i1.COD_ITEM = "SRV001";
    i1.DESCR_COMPL = "  Consultoria  ";
    i1.VL_ITEM = 1000;
    i1.NAT_BC_CRED = TNatBcCred::bccVazio;
    i1.IND_ORIG_CRED = TIndOrigCred::opcVazio;
    i1.CST_PIS = ParseCstPis("50");
    i1.VL_BC_PIS = 1000;
    i1.ALIQ_PIS = 1.65;
    i1.VL_PIS = 16.5;
    i1.CST_COFINS = ParseCstCofins("50");
    i1.VL_BC_COFINS = 1000;
    i1.ALIQ_COFINS = 7.6;
    i1.VL_COFINS = 76;
    i1.COD_CTA = "3.01.01.001";
    TRegistroA170& i2 = *a.bloco.RegistroA170New();
    i2.NUM_ITEM = 4;
    i2.NAT_BC_CRED = TNatBcCred::bccOutrasOpeComDirCredito;
    i2.IND_ORIG_CRED = TIndOrigCred::opcImportacao;
    i2.CST_PIS = TCstPis::stpisNenhum;
    i2.CST_COFINS = TCstCofins::stcofinsNenhum;
    i2.COD_CCUS = "CC01";
    TRegistroA120& imp = *a.bloco.RegistroA120New();
    imp.VL_TOT_SERV = 500;
    imp.VL_BC_PIS = 500;
    imp.VL_PIS_IMP = 8.25;
    imp.DT_PAG_PIS = Data::FromYMD(2013, 1, 20);
    imp.VL_BC_COFINS = 500;
    imp.LOC_EXE_SERV = TLocExeServ::lesExecutExterior;
    TRegistroA111& proc = *a.bloco.RegistroA111New();
    proc.NUM_PROC = "0001234-56.2012";
    proc.IND_PROC = TOrigemProcesso::opSecexRFB;
    a.bloco.RegistroA111New()->IND_PROC = TOrigemProcesso::opNenhum;
    TRegistroA110& inf = *a.bloco.RegistroA110New();
    inf.COD_INF = "INF1";
    inf.TXT_COMPL = "Texto complementar";

    a.bloco.WriteRegistroA001();
    a.bloco.WriteRegistroA990();
    const std::vector<std::string> esperado = {
        "|A001|0|",
        "|A010|11222333000181|",
        "|A100|0|1|F0001|00|1||123|ABC123|15012013|16012013|1000,00|1|0,00|1000,00|16,50|1000,00|76,00|0,00|0,00|"
        "50,00|",
        "|A110|INF1|Texto complementar|",
        "|A111|0001234-56.2012|3|",
        "|A111|||",
        "|A120|500,00|500,00|8,25|20012013|500,00|0,00||1|",
        "|A170|3|SRV001|Consultoria|1000,00|0,00|||50|1000,00|1,65|16,50|50|1000,00|7,60|76,00|3.01.01.001||",
        "|A170|4|||0,00|0,00|13|1||0,00|0,00|0,00||0,00|0,00|0,00||CC01|",
        "|A990|10|",
    };
    EXPECT_EQ(a.Linhas(), esperado);
    EXPECT_EQ(a.bloco.RegistroA990().QTD_LIN_A, 10);
    EXPECT_TRUE(a.erros.empty());

    TEntradas9900 e;
    a.bloco.EntradasBloco9(e);
    const std::vector<std::pair<std::string, int>> entradas = {
        {"A010", 1}, {"A100", 1}, {"A110", 1}, {"A111", 2}, {"A120", 1}, {"A170", 2}};
    EXPECT_EQ(e.Itens(), entradas);
}

TEST(BlocoA, CancelledDocumentLosesWhatDescribesTheService) {
    struct Caso {
        const char* nome;
        TCodSit sit;
        std::function<void(TRegistroA100&)> ajusta;
        const char* linha;
    };
    const Caso casos[] = {
        // Key, dates and payment go; COD_PART stays; zero amounts are empty, others written.
        {"cancelado", TCodSit::sdfCancelado, [](TRegistroA100& r) { r.VL_DOC = 0; },
         "|A100|0|1|F0001|02|1||123|||||||1000,00|16,50|1000,00|76,00|||50,00|"},
        // An amount never assigned counts as zero: empty when cancelled ...
        {"cancelado sem valores", TCodSit::sdfCancelado,
         [](TRegistroA100& r) { r = TRegistroA100{}; r.COD_SIT = TCodSit::sdfCancelado; },
         "|A100|0|0||02|||||||||||||||||"},
        // ... and 0,00 in a regular document.
        {"regular sem valores", TCodSit::sdfRegular, [](TRegistroA100& r) { r = TRegistroA100{}; },
         "|A100|0|0||00|||||||0,00|0|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|"},
        // A situation A100 does not know has no code and is not a cancellation.
        {"denegado", TCodSit::sdfDenegado, [](TRegistroA100&) {},
         "|A100|0|1|F0001||1||123|ABC123|15012013|16012013|1000,00|1|0,00|1000,00|16,50|1000,00|76,00|0,00|0,00|"
         "50,00|"},
    };
    for (const auto& c : casos) {
        BlocoA a;
        a.bloco.RegistroA010New();
        TRegistroA100& r = *a.bloco.RegistroA100New();
        PreencheDocumento(r);
        r.COD_SIT = c.sit;
        c.ajusta(r);
        a.bloco.RegistroA170New()->NUM_ITEM = 1;
        a.bloco.WriteRegistroA001();
        const auto linhas = a.Linhas();
        ASSERT_EQ(linhas.size(), 4u) << c.nome;
        EXPECT_EQ(linhas[2], c.linha) << c.nome;
        // The items of a cancelled document are still written.
        EXPECT_EQ(linhas[3].rfind("|A170|1|", 0), 0u) << c.nome;
    }
}

TEST(BlocoA, EstablishmentCnpj) {
    BlocoA a;
    a.bloco.RegistroA010New();  // empty CNPJ: fourteen zeros, no message
    a.bloco.WriteRegistroA001();
    EXPECT_EQ(a.Linhas()[1], "|A010|00000000000000|");
    EXPECT_TRUE(a.erros.empty());
}

// Needs the real CNPJ check; skipped while the validator still accepts everything.
TEST(BlocoA, InvalidEstablishmentCnpjIsReportedAndWritten) {
    if (util::CNPJValido("11222333000100")) GTEST_SKIP() << "CNPJ check not available yet";
    BlocoA a;
    a.bloco.RegistroA010New()->CNPJ = "11222333000100";
    a.bloco.WriteRegistroA001();
    EXPECT_EQ(a.erros,
              std::vector<std::string>{"(A-010) ESTABELECIMENTO: O CNPJ \"11222333000100\" digitado é inválido!"});
    EXPECT_EQ(a.Linhas()[1], "|A010|11222333000100|");
}

TEST(BlocoA, NewWithoutParentRaisesAndAddsNothing) {
    struct Caso {
        const char* nome;
        bool comA010;
        std::function<void(TBloco_A&)> novo;
    };
    const Caso casos[] = {
        {"A100 sem A010", false, [](TBloco_A& b) { b.RegistroA100New(); }},
        {"A110 sem A010", false, [](TBloco_A& b) { b.RegistroA110New(); }},
        {"A110 sem A100", true, [](TBloco_A& b) { b.RegistroA110New(); }},
        {"A111 sem A100", true, [](TBloco_A& b) { b.RegistroA111New(); }},
        {"A120 sem A100", true, [](TBloco_A& b) { b.RegistroA120New(); }},
        {"A170 sem A100", true, [](TBloco_A& b) { b.RegistroA170New(); }},
    };
    for (const auto& c : casos) {
        BlocoA a;
        if (c.comA010) a.bloco.RegistroA010New();
        EXPECT_THROW(c.novo(a.bloco), EListError) << c.nome;
        a.bloco.WriteRegistroA001();
        a.bloco.WriteRegistroA990();
        EXPECT_EQ(a.bloco.RegistroA990().QTD_LIN_A, c.comA010 ? 3 : 2) << c.nome;
    }
}

TEST(BlocoA, ResumedWriteWritesOnlyWhatWasAdded) {
    BlocoA a;
    a.bloco.RegistroA010New()->CNPJ = "11222333000181";
    a.Documento("1");
    a.bloco.RegistroA170New()->NUM_ITEM = 1;
    a.Documento("2");
    a.bloco.WriteRegistroA001();
    // Written documents are freed; the establishment stays.
    ASSERT_EQ(a.bloco.RegistroA001().RegistroA010.Count(), 1);
    EXPECT_EQ(a.bloco.RegistroA001().RegistroA010.Items(0)->RegistroA100.Count(), 0);

    a.bloco.WriteRegistroA001();  // nothing new: nothing written
    a.Documento("3");
    a.bloco.RegistroA170New()->NUM_ITEM = 1;
    a.bloco.WriteRegistroA001();
    a.bloco.WriteRegistroA990();

    EXPECT_EQ(Resumo(a.Linhas()), (std::vector<std::string>{"A001", "A010 11222333000181", "A100 1", "A170",
                                                             "A100 2", "A100 3", "A170", "A990"}));
    EXPECT_EQ(a.Linhas().back(), "|A990|8|");
    EXPECT_EQ(a.bloco.RegistroA010Count, 1);
    EXPECT_EQ(a.bloco.RegistroA100Count, 3);
    EXPECT_EQ(a.bloco.RegistroA170Count, 2);
}

// Documents added under the last establishment after it was written, followed by a
// new establishment, still come out, under their own A010.
TEST(BlocoA, DocumentsAddedUnderAWrittenEstablishmentAreNotLost) {
    BlocoA a;
    a.bloco.RegistroA010New()->CNPJ = "11222333000181";
    a.Documento("1");
    a.bloco.WriteRegistroA001();
    a.Documento("2");
    a.bloco.RegistroA010New()->CNPJ = "11222333000262";
    a.Documento("3");
    a.bloco.WriteRegistroA001();
    a.bloco.WriteRegistroA990();

    EXPECT_EQ(Resumo(a.Linhas()), (std::vector<std::string>{"A001", "A010 11222333000181", "A100 1", "A100 2",
                                                             "A010 11222333000262", "A100 3", "A990"}));
    EXPECT_EQ(a.Linhas().back(), "|A990|7|");
    EXPECT_EQ(a.bloco.RegistroA010Count, 2);
    EXPECT_EQ(a.bloco.RegistroA100Count, 3);
}

// The export run's way: part of block A before the rest of the documents are
// read, the rest when the file is closed through block 9.
TEST(BlocoA, WrittenInTwoCallsThroughTheGenerator) {
    teste::PastaTemporaria pasta;
    Data::FixaHoje(Data::FromYMD(2013, 3, 10));
    TGeradorEFD sped;
    std::vector<std::string> erros;
    sped.OnError([&](const std::string& m) { erros.push_back(m); });
    sped.Path(pasta.Path().string());
    sped.Arquivo("SPED_Contribuicoes_0113.txt");
    sped.DT_INI(Data::FromYMD(2013, 1, 1));
    sped.DT_FIN(Data::FromYMD(2013, 1, 31));
    sped.Bloco_0().Registro0000().COD_VER = TCodVer::vlVersao320;
    sped.Bloco_0().Registro0000().UF = "SP";  // a valid company: 0000 reports nothing
    sped.Bloco_0().Registro0000().COD_MUN = 3550308;
    sped.Bloco_0().Registro0001().IND_MOV = TIndMov::imSemDados;

    TBloco_A& a = sped.Bloco_A();
    a.RegistroA001New()->IND_MOV = TIndMov::imComDados;
    a.RegistroA010New()->CNPJ = "11222333000181";
    for (const char* num : {"1", "2"}) {
        a.RegistroA100New()->NUM_DOC = num;
        a.RegistroA170New()->NUM_ITEM = 1;
    }
    sped.IniciaGeracao();
    sped.WriteBloco_A(false);
    EXPECT_FALSE(a.Gravado());
    a.RegistroA100New()->NUM_DOC = "3";
    a.RegistroA170New()->NUM_ITEM = 1;
    sped.WriteBloco_9();
    Data::FixaHoje(std::nullopt);

    EXPECT_EQ(teste::ConfereArquivoEFD(sped.ArquivoCompleto()), std::vector<std::string>{});
    EXPECT_TRUE(erros.empty());
    std::vector<std::string> problemas;
    const auto arq = teste::LeArquivoEFD(teste::LeBytes(sped.ArquivoCompleto()), problemas);
    EXPECT_EQ(arq.porRegistro.at("A001"), 1);
    EXPECT_EQ(arq.porRegistro.at("A010"), 1);
    EXPECT_EQ(arq.porRegistro.at("A100"), 3);
    EXPECT_EQ(arq.porRegistro.at("A170"), 3);
    EXPECT_NE(std::find(arq.linhas.begin(), arq.linhas.end(), "|A990|9|"), arq.linhas.end());
    EXPECT_NE(std::find(arq.linhas.begin(), arq.linhas.end(), "|9900|A100|3|"), arq.linhas.end());
    EXPECT_EQ(a.RegistroA010Count, 1);
    EXPECT_EQ(a.RegistroA100Count, 3);
}
