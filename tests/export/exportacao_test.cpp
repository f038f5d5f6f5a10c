// The export run against a real database: each test inserts the few documents its
// rule needs into the fixture, runs TExportacao and reads the written lines back.
#include <algorithm>
#include <filesystem>
#include <set>

#include "ExportacaoBanco.h"
#include "util/Windows1252.h"

using exportacao::TControle;
using exportacao::TResultadoExportacao;
using teste::Campo;
using teste::Campos;
using teste::ItemEntrada;
using teste::ItemSaida;
using teste::N;
using teste::NotaEntrada;
using teste::NotaSaida;
using teste::T;

namespace {

class ExportacaoBanco : public teste::ExportacaoBancoBase {
protected:
    // A 44-character access key whose last digits tell documents apart.
    static std::string Chave(int n, size_t tamanho = 44) {
        std::string k = "3512016070119000010455001000000" + std::to_string(100000000 + n);
        k.resize(tamanho, '9');
        return k;
    }
};

std::string Latin1(const std::string& utf8) { return util::ParaWindows1252(utf8); }

}  // namespace

// ---------------------------------------------------------------------------
// Goods documents: C100 and C170
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, GoodsItemsCutTheirContributionsAndShareTheDiscount) {
    struct Caso {
        double basePis, percPis, baseCofins, percCofins;
        const char *vlPis, *vlCofins;
    };
    const Caso casos[] = {
        {333.33, 1.65, 1000, 7.6, "5,49", "76,00"},   // 5.4999 is cut, not rounded
        {10, 1.65, 33.33, 7.6, "0,16", "2,53"},       // 0.1650; 2.53308 -> 2.5331 -> 2.53
        {1.21, 1.65, 0, 7.6, "0,02", "0,00"},         // 0.019965 rounds to 0.0200 before the cut
    };
    NotaSaida n;
    n.fatura = "100";
    n.valor = 20;
    n.valProdutos = 30;
    n.desconto = 10;
    int i = 0;
    for (const Caso& c : casos) {
        ItemSaida it;
        it.codigo = "P0" + std::to_string(++i);
        it.valor = 10;
        it.basePis = c.basePis;
        it.percPis = c.percPis;
        it.baseCofins = c.baseCofins;
        it.percCofins = c.percCofins;
        n.itens.push_back(it);
    }
    Insere(n);

    const auto a = Exporta();
    ASSERT_EQ(a.Conta("C100"), 1u);
    const auto c170 = a.Registros("C170");
    ASSERT_EQ(c170.size(), 3u);
    for (size_t k = 0; k < c170.size(); ++k) {
        SCOPED_TRACE(c170[k]);
        EXPECT_EQ(Campo(c170[k], "NUM_ITEM"), std::to_string(k + 1));
        EXPECT_EQ(Campo(c170[k], "VL_DESC"), "3,33");  // 10.00 of 30.00 of a 10.00 discount
        EXPECT_EQ(Campo(c170[k], "VL_PIS"), casos[k].vlPis);
        EXPECT_EQ(Campo(c170[k], "VL_COFINS"), casos[k].vlCofins);
    }
    // Bases and rates go as read: two and four decimals.
    EXPECT_EQ(Campos(c170[0], {"VL_BC_PIS", "ALIQ_PIS", "VL_BC_COFINS", "ALIQ_COFINS"}), "333,33|1,6500|1000,00|7,6000");
}

TEST_F(ExportacaoBanco, ItemIcmsFollowsTheSituationOfItsCst) {
    // CODTRI as stored; the second and third characters pick the rule.
    struct Caso {
        const char* claTrib;
        double baseIcms;
        const char* cst;
        const char* icms;  // VL_BC_ICMS|ALIQ_ICMS|VL_ICMS
    };
    const Caso casos[] = {
        {"000", 100, "000", "100,00|18,00|18,00"},
        {"020", 100, "020", "100,00|18,00|18,00"},
        {"040", 100, "040", "0,00|0,00|0,00"},
        {"060", 100, "060", "0,00|0,00|0,00"},
        {"090", 0, "090", "0,00|0,00|0,00"},
        {"090", 100, "090", "100,00|18,00|18,00"},   // other situations: the columns when there is a base
        {"90", 100, "090", "100,00|18,00|18,00"},    // two characters: the situation read is "0"
        {"90", 0, "090", "0,00|0,00|0,00"},
    };
    NotaSaida n;
    n.fatura = "110";
    int i = 0;
    for (const Caso& c : casos) {
        ItemSaida it;
        it.codigo = "P" + std::to_string(10 + i++);
        it.claTrib = c.claTrib;
        it.baseIcms = c.baseIcms;
        it.percIcms = 18;
        n.itens.push_back(it);
    }
    Insere(n);

    const auto c170 = Exporta().Registros("C170");
    ASSERT_EQ(c170.size(), std::size(casos));
    for (size_t k = 0; k < c170.size(); ++k) {
        SCOPED_TRACE(casos[k].claTrib + std::string(" base ") + std::to_string(casos[k].baseIcms));
        EXPECT_EQ(Campo(c170[k], "CST_ICMS"), casos[k].cst);
        EXPECT_EQ(Campos(c170[k], {"VL_BC_ICMS", "ALIQ_ICMS", "VL_ICMS"}), casos[k].icms);
    }
}

TEST_F(ExportacaoBanco, GoodsDocumentNumberSeriesAndAccessKey) {
    // Outgoing: the first six characters of the number, the series padded to three,
    // the key as stored, whatever its length.
    NotaSaida s;
    s.fatura = "0001234/A";
    s.serie = "1";
    s.chave = Chave(1, 43);
    s.cif = "2";
    s.itens = {ItemSaida{}};
    Insere(s);
    // Incoming: the number whole (without punctuation); the key only when it is an
    // NF-e key of 44 characters.
    struct Entrada {
        const char *numero, *serie, *modelo;
        std::string nsu;
        const char *numDoc, *ser;
        bool comChave;
    };
    const Entrada entradas[] = {
        {"0001234/A", "", "55", Chave(2), "0001234A", "000", true},
        {"5002", "12", "55", Chave(3, 43), "5002", "012", false},
        {"5003", "1", "01", Chave(4), "5003", "001", false},
        {"5004", "123", "55", "", "5004", "123", false},
    };
    for (const Entrada& e : entradas) {
        NotaEntrada n;
        n.notafiscal = e.numero;
        n.serie = e.serie;
        n.modelo = e.modelo;
        n.nsu = e.nsu;
        n.itens = {ItemEntrada{}};
        Insere(n);
    }

    const auto a = Exporta();
    const auto c100 = a.Registros("C100");
    ASSERT_EQ(c100.size(), 1 + std::size(entradas));
    std::map<std::string, std::string> porNumero;
    for (const auto& l : c100) porNumero[Campo(l, "NUM_DOC")] = l;
    ASSERT_TRUE(porNumero.count("000123")) << a.Sequencia({"C100"});
    const std::string& saida = porNumero["000123"];
    EXPECT_EQ(Campos(saida, {"IND_OPER", "IND_EMIT", "COD_PART", "COD_MOD", "COD_SIT", "SER", "CHV_NFE"}),
              "1|0|00001|55|00|001|" + Chave(1, 43));
    EXPECT_EQ(Campos(saida, {"DT_DOC", "DT_E_S", "IND_PGTO", "IND_FRT"}), "10012012|11012012|1|1");
    for (const Entrada& e : entradas) {
        SCOPED_TRACE(e.numero);
        ASSERT_TRUE(porNumero.count(e.numDoc));
        const std::string& l = porNumero[e.numDoc];
        EXPECT_EQ(Campos(l, {"IND_OPER", "IND_EMIT", "COD_MOD", "SER"}), std::string("0|1|") + e.modelo + "|" + e.ser);
        EXPECT_EQ(Campo(l, "CHV_NFE"), e.comChave ? e.nsu : "");
    }
}

TEST_F(ExportacaoBanco, IncomingAndOutgoingDocumentsWithTheSameNumberStayApart) {
    // A supplier that is also a customer: its invoice 123 to the company and the
    // company's invoice 123 to it, both in series 1.
    NotaEntrada e;
    e.notafiscal = "123";
    e.emissao = e.entrada = "2012-01-10";
    ItemEntrada ie;
    ie.codigo = "M01";
    e.itens = {ie};
    Insere(e);
    NotaSaida s;
    s.fatura = "123";
    s.emissao = s.saida = "2012-01-10";
    ItemSaida is1, is2;
    is1.codigo = "P01";
    is2.codigo = "P02";
    s.itens = {is1, is2};
    Insere(s);

    const auto a = Exporta();
    ASSERT_EQ(a.Conta("C100"), 2u) << a.Sequencia({"C100", "C170"});
    // The company's own document first (the direction sorts it), each with its items.
    EXPECT_EQ(a.Sequencia({"C100", "C170"}), "C100 C170 C170 C100 C170");
    const auto c100 = a.Registros("C100");
    EXPECT_EQ(Campo(c100[0], "IND_EMIT") + Campo(c100[1], "IND_EMIT"), "01");
    // Each document numbers its own items.
    const auto c170 = a.Registros("C170");
    ASSERT_EQ(c170.size(), 3u);
    EXPECT_EQ(Campo(c170[0], "NUM_ITEM") + Campo(c170[1], "NUM_ITEM") + Campo(c170[2], "NUM_ITEM"), "121");
}

TEST_F(ExportacaoBanco, RowsOfADocumentMetAgainGoUnderItsOwnDocument) {
    // 000123 and 000123/A are one document number (its first six characters) for
    // the same customer and series, dispatched on different days; a purchase
    // entered between them sorts in the middle.
    NotaSaida primeira;
    primeira.fatura = "000123";
    primeira.emissao = primeira.saida = "2012-01-10";
    ItemSaida p1;
    p1.codigo = "P01";
    primeira.itens = {p1};
    Insere(primeira);
    NotaSaida segunda = primeira;
    segunda.fatura = "000123/A";
    segunda.emissao = segunda.saida = "2012-01-20";
    segunda.itens[0].codigo = "P02";
    Insere(segunda);
    NotaEntrada compra;
    compra.notafiscal = "9001";
    compra.credor = "00002";
    compra.emissao = compra.entrada = "2012-01-15";
    compra.itens = {ItemEntrada{}};
    Insere(compra);
    // The same for services.
    NotaSaida servico = primeira;
    servico.fatura = "000200";
    servico.modelo = "99";
    Insere(servico);
    NotaSaida servicoA = segunda;
    servicoA.fatura = "000200/A";
    servicoA.modelo = "99";
    Insere(servicoA);
    NotaSaida outroServico = primeira;
    outroServico.fatura = "000300";
    outroServico.codcli = "00002";
    outroServico.modelo = "99";
    outroServico.emissao = outroServico.saida = "2012-01-15";
    Insere(outroServico);

    const auto a = Exporta();
    EXPECT_EQ(a.Sequencia({"C100", "C170"}), "C100 C170 C170 C100 C170");
    auto itens = [&](const char* pai, const char* filho) {
        std::string r;
        for (const auto& l : a.linhas) {
            const std::string reg = teste::CodigoDaLinha(l);
            if (reg == pai) r += (r.empty() ? "" : " ") + Campo(l, "NUM_DOC") + ":";
            if (reg == filho) r += " " + Campo(l, "NUM_ITEM") + "=" + Campo(l, "COD_ITEM");
        }
        return r;
    };
    EXPECT_EQ(itens("C100", "C170"), "000123: 1=P01 2=P02 9001: 1=M01");
    EXPECT_EQ(itens("A100", "A170"), "000200: 1=P01 2=P02 000300: 1=P01");
}

TEST_F(ExportacaoBanco, TypedNumberAndZeroContributionsSelectTheDocuments) {
    auto entrada = [&](const char* numero, double pis) {
        NotaEntrada n;
        n.notafiscal = numero;
        n.pis = n.cofins = pis;
        n.itens = {ItemEntrada{}};
        Insere(n);
    };
    auto saida = [&](const char* numero, double pis) {
        NotaSaida n;
        n.fatura = numero;
        n.valPis = n.valCofins = pis;
        n.itens = {ItemSaida{}};
        Insere(n);
    };
    entrada("123", 1.65);
    entrada("124", 0);
    saida("123", 1.65);
    saida("125", 0);
    struct Caso {
        const char* nota;
        bool zerado;
        const char* documentos;  // NUM_DOC/IND_EMIT of each C100, in file order (entry date first)
    };
    const Caso casos[] = {
        {"", true, "123/1 124/1 123/0 125/0"},
        {"", false, "123/1 123/0"},        // PIS and COFINS above zero only
        {"123", true, "123/1 123/0"},      // the typed number, both directions
        {"12'3", true, ""},                // a quote is part of the number, not of the statement
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string("'") + c.nota + "' zerado " + (c.zerado ? "on" : "off"));
        auto e = Entradas();
        e.EdtNota = c.nota;
        e.cbZerado = c.zerado;
        const auto a = Exporta(e);
        std::string documentos;
        for (const auto& l : a.Registros("C100"))
            documentos += (documentos.empty() ? "" : " ") + Campo(l, "NUM_DOC") + "/" + Campo(l, "IND_EMIT");
        EXPECT_EQ(documentos, c.documentos);
    }
}

// ---------------------------------------------------------------------------
// NFC-e: the two options, and the C175 summaries
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, NfceOptionsDecideItemsSummariesAndMasterData) {
    NotaSaida n;
    n.fatura = "600";
    n.modelo = "65";
    n.codcli = "00002";
    n.valSubst = 5;
    n.baseSubst = 50;
    n.valIpi = 3;
    n.valPis = 4.95;
    n.valCofins = 22.8;
    for (const char* codigo : {"P01", "P02", "P03"}) {
        ItemSaida it;
        it.codigo = codigo;
        n.itens.push_back(it);
    }
    Insere(n);

    struct Caso {
        bool itens, c175;
        size_t c170, c175Linhas, cadastros;  // 0150 + 0190 + 0200 lines
        const char* stIpiPisCofins;          // C100 VL_BC_ICMS_ST|VL_ICMS_ST|VL_IPI|VL_PIS|VL_COFINS
    };
    const Caso casos[] = {
        {false, false, 0, 0, 0, "0,00|0,00|0,00|0,00|0,00"},
        {false, true, 0, 1, 0, "0,00|0,00|0,00|4,95|22,80"},
        {true, false, 3, 0, 6, "0,00|0,00|0,00|0,00|0,00"},  // units UN and the items' empty one
        {true, true, 3, 1, 6, "0,00|0,00|0,00|4,95|22,80"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string("itens ") + (c.itens ? "on" : "off") + ", C175 " + (c.c175 ? "on" : "off"));
        auto e = Entradas();
        e.CbItensNFCe = c.itens;
        e.cbC175 = c.c175;
        const auto a = Exporta(e);
        ASSERT_EQ(a.Conta("C100"), 1u);
        const std::string c100 = a.Primeiro("C100");
        EXPECT_EQ(Campo(c100, "COD_PART"), "");  // an NFC-e names no participant
        EXPECT_EQ(Campos(c100, {"VL_BC_ICMS_ST", "VL_ICMS_ST", "VL_IPI", "VL_PIS", "VL_COFINS"}), c.stIpiPisCofins);
        EXPECT_EQ(a.Conta("C170"), c.c170);
        EXPECT_EQ(a.Conta("C175"), c.c175Linhas);
        EXPECT_EQ(a.Conta("0150") + a.Conta("0190") + a.Conta("0200"), c.cadastros);
        ASSERT_EQ(a.Conta("0400"), 1u);  // the nature is described either way
        EXPECT_EQ(a.Primeiro("0400"), "|0400|5102|VENDA DE MERCADORIA|");
    }
}

TEST_F(ExportacaoBanco, NfceSummariesGroupByOperationSituationAndRates) {
    teste::Natureza st;
    st.codigo = "5405";
    st.descricao = "VENDA COM ST";
    st.cfop = "5.405";
    st.tpBase = "1";
    Insere(st);
    // Two items of 5102 with CST 01 at 1.65/7.6 and one of 5405 with CST 04 at 0/0,
    // 10.00 each; a discount of 1.00 over 30.00 of goods.
    NotaSaida a;
    a.fatura = "300";
    a.modelo = "65";
    a.valProdutos = 30;
    a.desconto = 1;
    ItemSaida i1, i2, i3;
    i1.codigo = "P01", i1.valor = i1.basePis = i1.baseCofins = 10;
    i2.codigo = "P02", i2.valor = i2.basePis = i2.baseCofins = 10;
    i3.codigo = "P03", i3.valor = i3.basePis = i3.baseCofins = 10, i3.natureza = "5405";
    i3.tribPis = i3.tribCofins = "04", i3.percPis = i3.percCofins = 0;
    a.itens = {i1, i2, i3};
    Insere(a);
    // Same operation and situations, different PIS rates: two groups.
    NotaSaida b;
    b.fatura = "301";
    b.modelo = "65";
    ItemSaida j1, j2;
    j1.codigo = "P01", j1.valor = j1.basePis = j1.baseCofins = 10;
    j2.codigo = "P02", j2.valor = j2.basePis = j2.baseCofins = 10, j2.percPis = 0.65;
    b.itens = {j1, j2};
    Insere(b);

    auto e = Entradas();
    e.cbC175 = true;
    const auto arq = Exporta(e);
    EXPECT_EQ(arq.Sequencia({"C100", "C175"}), "C100 C175 C175 C100 C175 C175");
    const auto c175 = arq.Registros("C175");
    ASSERT_EQ(c175.size(), 4u);
    const std::vector<std::string> campos = {"CFOP", "VL_OPR", "VL_DESC", "CST_PIS", "VL_BC_PIS", "ALIQ_PIS",
                                             "QUANT_BC_PIS", "ALIQ_PIS_QUANT", "VL_PIS", "CST_COFINS", "VL_BC_COFINS",
                                             "ALIQ_COFINS", "VL_COFINS", "COD_CTA"};
    // Sums of each item's own figures: discount shares of 0.33 (not 0.67 for the
    // group), PIS of 0.1650 cut to 0.16 twice (not 0.33).
    EXPECT_EQ(Campos(c175[0], campos), "5102|20,00|0,66|01|20,00|1,65|||0,32|01|20,00|7,60|1,52|");
    EXPECT_EQ(Campos(c175[1], campos), "5405|10,00|0,33|04|10,00|0,00|||0,00|04|10,00|0,00|0,00|");
    EXPECT_EQ(Campos(c175[2], {"CFOP", "VL_OPR", "ALIQ_PIS", "VL_PIS"}), "5102|10,00|1,65|0,16");
    EXPECT_EQ(Campos(c175[3], {"CFOP", "VL_OPR", "ALIQ_PIS", "VL_PIS"}), "5102|10,00|0,65|0,06");
    // Goods documents of other models never get C175.
    EXPECT_EQ(arq.Conta("C170"), 0u);
}

TEST_F(ExportacaoBanco, NfceSummaryCoversEveryRowOfTheDocument) {
    // Item lines outside the ERP's item count (EMPENHO neither N, S nor O) are
    // exported but not counted. The summary is written when the document is
    // complete, so such rows are summarised like the others instead of leaving the
    // document without C175 (or cutting it short when they sort first).
    NotaSaida n;
    n.fatura = "310";
    n.modelo = "65";
    ItemSaida i1, i2, i3;
    i1.codigo = "P01", i1.empenho = "X";
    i2.codigo = "P02", i2.empenho = "";
    i3.codigo = "P03";  // counted
    n.itens = {i1, i2, i3};
    Insere(n);
    auto e = Entradas();
    e.cbC175 = true;
    e.CbItensNFCe = true;
    const auto a = Exporta(e);
    EXPECT_EQ(a.Conta("C100"), 1u);
    EXPECT_EQ(a.Conta("C170"), 3u);
    ASSERT_EQ(a.Conta("C175"), 1u);
    // The three items of 100.00 at 1.65: all three in the one group.
    EXPECT_EQ(Campos(a.Primeiro("C175"), {"VL_OPR", "VL_BC_PIS", "VL_PIS"}), "300,00|300,00|4,95");
}

// ---------------------------------------------------------------------------
// Services: A100 and A170
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, ServiceDocumentsOneA100PerDocumentAndCutItemAmounts) {
    // A service the company issued: three items of 100.00, a discount of 10.00 over 300.00.
    NotaSaida n;
    n.fatura = "2000001";
    n.modelo = "99";
    n.valor = 290;
    n.valProdutos = 300;
    n.desconto = 10;
    n.valPis = 4.95;
    n.valCofins = 22.80;
    struct Caso {
        double basePis, percPis, baseCofins, percCofins;
        const char* valores;  // VL_ITEM|VL_DESC|VL_BC_PIS|ALIQ_PIS|VL_PIS|VL_BC_COFINS|ALIQ_COFINS|VL_COFINS
    };
    const Caso casos[] = {
        {100, 1.65, 33.33, 7.6, "100,00|3,33|100,00|1,65|1,65|33,33|7,60|2,53"},
        {333.33, 1.65, 100, 7.6, "100,00|3,33|333,33|1,65|5,49|100,00|7,60|7,60"},
        {0, 0, 0, 0, "100,00|3,33|0,00|0,00|0,00|0,00|0,00|0,00"},
    };
    int i = 0;
    for (const Caso& c : casos) {
        ItemSaida it;
        it.codigo = "S0" + std::to_string(++i);
        it.tipoIt = "S";
        it.basePis = c.basePis, it.percPis = c.percPis, it.baseCofins = c.baseCofins, it.percCofins = c.percCofins;
        n.itens.push_back(it);
    }
    Insere(n);
    // The same number (its first six characters) and series from another
    // participant is another document.
    NotaSaida outro = n;
    outro.codcli = "00002";
    outro.fatura = "2000002";
    outro.itens.resize(1);
    Insere(outro);

    const auto a = Exporta();
    EXPECT_EQ(a.Sequencia({"A001", "A100", "A170"}), "A001 A100 A170 A170 A170 A100 A170");
    EXPECT_EQ(a.Primeiro("A001"), "|A001|0|");
    const auto a100 = a.Registros("A100");
    ASSERT_EQ(a100.size(), 2u);
    EXPECT_EQ(Campos(a100[0], {"IND_OPER", "IND_EMIT", "COD_PART", "COD_SIT", "SER", "SUB", "NUM_DOC", "VL_DOC",
                               "IND_PGTO", "VL_DESC", "VL_PIS", "VL_COFINS"}),
              "0|0|00001|00|1||200000|290,00|1|10,00|4,95|22,80");
    EXPECT_EQ(Campo(a100[1], "COD_PART"), "00002");
    const auto a170 = a.Registros("A170");
    ASSERT_EQ(a170.size(), 4u);
    for (size_t k = 0; k < std::size(casos); ++k) {
        SCOPED_TRACE(a170[k]);
        EXPECT_EQ(Campo(a170[k], "NUM_ITEM"), std::to_string(k + 1));
        EXPECT_EQ(Campos(a170[k], {"VL_ITEM", "VL_DESC", "VL_BC_PIS", "ALIQ_PIS", "VL_PIS", "VL_BC_COFINS",
                                   "ALIQ_COFINS", "VL_COFINS"}),
                  casos[k].valores);
        EXPECT_EQ(Campos(a170[k], {"NAT_BC_CRED", "IND_ORIG_CRED", "CST_PIS", "CST_COFINS", "COD_CTA"}), "13|0|01|01|0");
    }
    EXPECT_EQ(Campo(a170[3], "NUM_ITEM"), "1");
}

// ---------------------------------------------------------------------------
// Transport and communication: D100/D101/D105 and D500
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, TransportDocumentComesFromItsFirstRow) {
    // A CT-e (model 57) of two rows, with its 44-character key.
    NotaEntrada cte;
    cte.notafiscal = "7001";
    cte.modelo = "57";
    cte.nsu = Chave(57);
    cte.valor = 1000;
    cte.baseIcm = 600;
    cte.valorIcm = 72;
    cte.desconto = 0;
    ItemEntrada f1, f2;
    f1.codigo = "F01", f1.valorTot = 700;
    f2.codigo = "F02", f2.valorTot = 300;
    cte.itens = {f1, f2};
    Insere(cte);
    // A model 08 document with a key of 44 characters carries no CT-e key.
    NotaEntrada ctrc = cte;
    ctrc.notafiscal = "7002";
    ctrc.modelo = "08";
    ctrc.nsu = Chave(8);
    ctrc.itens = {f1};
    Insere(ctrc);

    const auto a = Exporta();
    EXPECT_EQ(a.Sequencia({"D001", "D010", "D100", "D101", "D105"}), "D001 D010 D100 D101 D105 D100 D101 D105");
    EXPECT_EQ(a.Primeiro("D001"), "|D001|0|");
    const auto d100 = a.Registros("D100");
    ASSERT_EQ(d100.size(), 2u);
    EXPECT_EQ(Campos(d100[0], {"IND_OPER", "IND_EMIT", "COD_PART", "COD_MOD", "COD_SIT", "SER", "SUB", "NUM_DOC",
                               "CHV_CTE", "DT_DOC", "DT_A_P", "VL_DOC", "VL_DESC", "VL_SERV", "VL_BC_ICMS", "VL_ICMS",
                               "VL_NT", "COD_CTA"}),
              "0|1|00001|57|00|1||7001|" + Chave(57) + "|05012012|06012012|1000,00|0,00|1000,00|600,00|72,00|400,00|0");
    EXPECT_EQ(Campo(d100[1], "CHV_CTE"), "");
    // The PIS and COFINS of the first row: 700.00 at 1.65 and 7.6.
    EXPECT_EQ(a.Primeiro("D101"), "|D101|4|1000,00|50|13|700,00|1,6500|11,55|0|");
    EXPECT_EQ(a.Primeiro("D105"), "|D105|4|1000,00|50|13|700,00|7,6000|53,20|0|");
}

TEST_F(ExportacaoBanco, CommunicationDocumentsOneD500PerRow) {
    NotaEntrada n;
    n.notafiscal = "AB-123";
    n.modelo = "22";
    n.valor = 150;
    n.baseIcm = 150;
    n.valorIcm = 37.5;
    n.pis = 2.48;
    n.cofins = 11.4;
    ItemEntrada i1, i2;
    i1.codigo = "T01", i2.codigo = "T02";
    n.itens = {i1, i2};
    Insere(n);
    NotaEntrada m = n;
    m.notafiscal = "4567";
    m.modelo = "21";
    m.itens = {i1};
    Insere(m);

    const auto a = Exporta();
    const auto d500 = a.Registros("D500");
    ASSERT_EQ(d500.size(), 3u);
    const std::vector<std::string> campos = {"IND_OPER", "IND_EMIT", "COD_PART", "COD_MOD", "COD_SIT", "SER", "SUB",
                                             "NUM_DOC", "VL_DOC", "VL_SERV", "VL_SERV_NT", "VL_BC_ICMS", "VL_ICMS",
                                             "VL_PIS", "VL_COFINS"};
    // 4567 sorts first; a number with letters is written as 0.
    EXPECT_EQ(Campos(d500[0], campos), "0|1|00001|21|00|1|000|000004567|150,00|150,00|0,00|150,00|37,50|2,48|11,40");
    EXPECT_EQ(Campos(d500[1], campos), "0|1|00001|22|00|1|000|000000000|150,00|150,00|0,00|150,00|37,50|2,48|11,40");
    EXPECT_EQ(d500[2], d500[1]);
    EXPECT_EQ(a.Conta("D501") + a.Conta("D505") + a.Conta("0500"), 0u);
    EXPECT_EQ(a.Conta("0150"), 1u);
}

// ---------------------------------------------------------------------------
// Utility bills: C500, C501, C505
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, UtilityBillsOneC500PerRowWithItsContributions) {
    NotaEntrada conta;
    conta.notafiscal = "000.123";
    conta.modelo = "06";
    conta.valor = 250;
    conta.valorIcm = 45;
    conta.pis = 4.13;
    conta.cofins = 19;
    ItemEntrada energia;
    energia.codigo = "E01", energia.valorTot = 250;
    conta.itens = {energia};
    Insere(conta);
    // A bill of two rows makes two C500.
    NotaEntrada agua = conta;
    agua.notafiscal = "889";
    agua.modelo = "29";
    ItemEntrada a1, a2;
    a1.codigo = "E02", a1.valorTot = 100;
    a2.codigo = "E03", a2.valorTot = 150;
    agua.itens = {a1, a2};
    Insere(agua);

    const auto a = Exporta();
    EXPECT_EQ(a.Sequencia({"C100", "C500", "C501", "C505"}), "C500 C501 C505 C500 C501 C505 C500 C501 C505");
    EXPECT_EQ(a.Primeiro("C001"), "|C001|0|");
    const auto c500 = a.Registros("C500");
    ASSERT_EQ(c500.size(), 3u);
    EXPECT_EQ(c500[0], "|C500|00001|06|00|1|000|000000123|05012012|06012012|250,00|45,00||4,13|19,00||");
    EXPECT_EQ(Campo(c500[1], "NUM_DOC"), "000000889");
    // 250.00 at 1.65 is 4.1250; at 7.6, 19.0000. Bills carry the account "0" and no 0500.
    EXPECT_EQ(a.Primeiro("C501"), "|C501|50|250,00|13|250,00|1,6500|4,13|0|");
    EXPECT_EQ(a.Primeiro("C505"), "|C505|50|250,00|13|250,00|7,6000|19,00|0|");
    ASSERT_EQ(a.Conta("C501"), 3u);
    EXPECT_EQ(Campos(a.Registros("C501")[2], {"VL_ITEM", "VL_BC_PIS", "VL_PIS"}), "250,00|150,00|2,48");
    EXPECT_EQ(a.Conta("0500"), 0u);
    EXPECT_EQ(a.Conta("0150"), 1u);
}

TEST_F(ExportacaoBanco, DocumentNumbersBeyondTheIntegerRangeAreWrittenAsZero) {
    // Ten digits do not fit NUM_DOC's integer: 4294967297 must not wrap to 1.
    NotaEntrada conta;
    conta.notafiscal = "4294967297";
    conta.modelo = "06";
    conta.itens = {ItemEntrada{}};
    Insere(conta);
    NotaEntrada tel = conta;
    tel.modelo = "22";
    tel.notafiscal = "2147483648";
    Insere(tel);
    const auto a = Exporta();
    EXPECT_EQ(Campo(a.Primeiro("C500"), "NUM_DOC"), "000000000");
    EXPECT_EQ(Campo(a.Primeiro("D500"), "NUM_DOC"), "000000000");
}

// ---------------------------------------------------------------------------
// Other operations: F100 from the receivables' interest
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, InterestReceivedInThePeriodBecomesOneF100) {
    struct Pagamento {
        const char* data;
        double juros;
    };
    struct Caso {
        const char* nome;
        std::vector<Pagamento> pagamentos;
        const char* f100;  // DT_OPER|VL_OPER|VL_BC_PIS|ALIQ_PIS|VL_PIS|VL_BC_COFINS|ALIQ_COFINS|VL_COFINS; "" none
    };
    const Caso casos[] = {
        {"two payments, zero and negative interest and the next month ignored",
         {{"2012-01-05", 12.34}, {"2012-01-20", 7.66}, {"2012-01-10", 0}, {"2012-01-11", -3}, {"2012-02-01", 50},
          {"2011-12-31", 40}},
         "20012012|20,00|20,0000|0,6500|0,13|20,0000|4,0000|0,80"},
        {"a payment on the period's last day", {{"2012-01-31", 10}}, "31012012|10,00|10,0000|0,6500|0,07|10,0000|4,0000|0,40"},
        {"no interest in the period", {{"2012-02-01", 10}, {"2012-01-15", 0}}, ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Sql("DELETE FROM " + Tab("RECEBERB"));
        int id = 0;
        for (const Pagamento& p : c.pagamentos) Recebimento(++id, p.data, p.juros);
        auto e = Entradas();
        e.CbF100 = true;
        const auto a = Exporta(e);
        if (!*c.f100) {
            EXPECT_EQ(a.Primeiro("F001"), "|F001|1|");
            EXPECT_EQ(a.Conta("F010") + a.Conta("F100"), 0u);
            continue;
        }
        EXPECT_EQ(a.Primeiro("F001"), "|F001|0|");
        // The company is named even in a period without documents.
        EXPECT_EQ(a.Registros("F010"), std::vector<std::string>{"|F010|11222333000181|"});
        const auto f100 = a.Registros("F100");
        ASSERT_EQ(f100.size(), 1u);
        EXPECT_EQ(Campos(f100[0], {"DT_OPER", "VL_OPER", "VL_BC_PIS", "ALIQ_PIS", "VL_PIS", "VL_BC_COFINS",
                                   "ALIQ_COFINS", "VL_COFINS"}),
                  c.f100);
        EXPECT_EQ(Campos(f100[0], {"IND_OPER", "COD_PART", "COD_ITEM", "CST_PIS", "CST_COFINS", "NAT_BC_CRED",
                                   "IND_ORIG_CRED", "COD_CTA"}),
                  "1|||02|02||0|");  // unset origin: its first value
    }
}

TEST_F(ExportacaoBanco, WithoutTheF100OptionTheReceivablesAreNotRead) {
    Sql("DROP TABLE " + Tab("RECEBERB"));
    db_.Transacao().CommitRetaining();
    const auto a = Exporta();
    EXPECT_EQ(a.Primeiro("F001"), "|F001|1|");
    // With the option the missing table ends the run.
    auto e = Entradas();
    e.CbF100 = true;
    EXPECT_ANY_THROW(Exporta(e));
}

// ---------------------------------------------------------------------------
// Block M, the dispatch by model, the empty period
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, BlockMTotalsEveryRowPerRateInOrderOfFirstOccurrence) {
    // A document of a model without a builder (2D), earlier in the period, at 0.65 and 3.0 ...
    NotaSaida cupom;
    cupom.fatura = "400";
    cupom.modelo = "2D";
    cupom.emissao = cupom.saida = "2012-01-03";
    ItemSaida c1;
    c1.basePis = c1.baseCofins = 100, c1.percPis = 0.65, c1.percCofins = 3;
    cupom.itens = {c1};
    Insere(cupom);
    // ... and an NF-e of three bases of 33.33 at 1.65 and 7.6.
    NotaSaida nfe;
    nfe.fatura = "401";
    for (const char* codigo : {"P01", "P02", "P03"}) {
        ItemSaida it;
        it.codigo = codigo;
        it.valor = it.basePis = it.baseCofins = 33.33;
        nfe.itens.push_back(it);
    }
    Insere(nfe);

    const auto a = Exporta();
    EXPECT_EQ(a.Primeiro("M001"), "|M001|0|");
    // Each C170 cuts 0.549945 to 0.54; the total credit is 1.649835, 1.6498 as money.
    for (const auto& l : a.Registros("C170")) EXPECT_EQ(Campo(l, "VL_PIS"), "0,54");
    const std::vector<std::string> m100 = {"COD_CRED", "IND_CRED_ORI", "VL_BC_PIS", "ALIQ_PIS", "QUANT_BC_PIS",
                                           "ALIQ_PIS_QUANT", "VL_CRED", "VL_AJUS_ACRES", "VL_AJUS_REDUC",
                                           "VL_CRED_DIF", "VL_CRED_DISP", "IND_DESC_CRED", "VL_CRED_DESC", "SLD_CRED"};
    const auto linhasM100 = a.Registros("M100");
    ASSERT_EQ(linhasM100.size(), 2u);
    EXPECT_EQ(Campos(linhasM100[0], m100), "101|0|100,00|0,6500|0,00|0,0000|0,65|0,00|0,00|0,00|0,65|0|0,00|0,00");
    EXPECT_EQ(Campos(linhasM100[1], m100), "101|0|99,99|1,6500|0,00|0,0000|1,65|0,00|0,00|0,00|1,65|0|0,00|0,00");
    const auto m210 = a.Registros("M210");
    ASSERT_EQ(m210.size(), 2u);
    EXPECT_EQ(m210[0], "|M210|01|0,00|0,00|0,00|0,00|0,00|0,6500|0,000|0,0000|0,00|0,00|0,00|0,00|0,00|0,00|");
    EXPECT_EQ(Campo(m210[1], "ALIQ_PIS"), "1,6500");
    const auto m500 = a.Registros("M500");
    ASSERT_EQ(m500.size(), 2u);
    EXPECT_EQ(Campos(m500[0], {"VL_BC_COFINS", "ALIQ_COFINS", "VL_CRED", "VL_CRED_DISP"}), "100,00|3,0000|3,00|3,00");
    // 3 x 2.53308 = 7.59924.
    EXPECT_EQ(Campos(m500[1], {"VL_BC_COFINS", "ALIQ_COFINS", "VL_CRED", "VL_CRED_DISP"}), "99,99|7,6000|7,60|7,60");
    EXPECT_EQ(a.Registros("M610"),
              std::vector<std::string>{"|M610|01|0,00|0,00|0,00|0,00|0,00|0,0000|0,000|0,0000|0,00|0,00|0,00|0,00|0,00|0,00|"});
    EXPECT_EQ(a.Sequencia({"M100", "M200", "M210", "M500", "M600", "M610"}), "M100 M100 M200 M210 M210 M500 M500 M600 M610");
    // The 2D document has no register of its own.
    EXPECT_EQ(a.Conta("C100"), 1u);
}

TEST_F(ExportacaoBanco, ModelCodesAreComparedExactly) {
    // "1b" is not "1B", and "2D" has no builder: neither makes a document register,
    // but both count for block M.
    NotaSaida a;
    a.fatura = "410";
    a.modelo = "1b";
    a.itens = {ItemSaida{}};
    Insere(a);
    NotaSaida b = a;
    b.fatura = "411";
    b.modelo = "2D";
    Insere(b);

    const auto arq = Exporta();
    for (const char* reg : {"C100", "C500", "A100", "D100", "D500"}) EXPECT_EQ(arq.Conta(reg), 0u) << reg;
    EXPECT_EQ(arq.Primeiro("C001"), "|C001|1|");
    EXPECT_EQ(arq.Primeiro("A001"), "|A001|1|");
    EXPECT_EQ(arq.Primeiro("D001"), "|D001|0|");  // block D is always marked as holding data
    ASSERT_EQ(arq.Conta("M100"), 1u);
    EXPECT_EQ(Campos(arq.Primeiro("M100"), {"VL_BC_PIS", "VL_CRED"}), "200,00|3,30");
    EXPECT_EQ(arq.relatorio.linhasConsulta, 2);
}

TEST_F(ExportacaoBanco, GoodsServiceAndTransportDocumentsHaveTheirOwnKeys) {
    // The same document number (its first six characters), participant and series
    // in three families are three documents, whichever family comes first.
    struct Documento {
        const char *fatura, *modelo;
    };
    const Documento documentos[] = {
        {"000900/A", "99"}, {"000900/B", "57"}, {"000900/C", "55"},  // goods last
        {"000901/A", "55"}, {"000901/B", "07"}, {"000901/C", "99"},  // goods first
    };
    for (const Documento& d : documentos) {
        NotaSaida n;
        n.fatura = d.fatura;
        n.modelo = d.modelo;
        n.itens = {ItemSaida{}};
        Insere(n);
    }

    const auto a = Exporta();
    EXPECT_EQ(a.Sequencia({"C100", "C170"}), "C100 C170 C100 C170");
    EXPECT_EQ(a.Sequencia({"A100", "A170"}), "A100 A170 A100 A170");
    EXPECT_EQ(a.Conta("D100"), 2u);
    for (const char* reg : {"C100", "A100", "D100"}) {
        SCOPED_TRACE(reg);
        const auto linhas = a.Registros(reg);
        ASSERT_EQ(linhas.size(), 2u);
        EXPECT_EQ(Campo(linhas[0], "NUM_DOC") + " " + Campo(linhas[1], "NUM_DOC"), "000900 000901");
    }
}

TEST_F(ExportacaoBanco, PeriodWithoutDocumentsStillNamesTheCompany) {
    NotaSaida fora;
    fora.emissao = fora.saida = "2012-02-01";
    fora.itens = {ItemSaida{}};
    Insere(fora);

    const auto a = Exporta();
    EXPECT_EQ(a.relatorio.linhasConsulta, 0);
    EXPECT_EQ(a.Primeiro("0000"), "|0000|006|0|0||01012012|31012012|EMPRESA TESTE LTDA|11222333000181|SP|3550308||00|0|");
    EXPECT_EQ(a.Primeiro("0140"), "|0140|11222333|EMPRESA TESTE LTDA|11222333000181|SP||3550308|||");
    // Blocks A and C open empty; block D is always marked as holding data.
    EXPECT_EQ(a.Primeiro("D010"), "|D010|11222333000181|");
    EXPECT_EQ(a.Conta("A010") + a.Conta("C010"), 0u);
    EXPECT_EQ(a.Primeiro("A001"), "|A001|1|");
    EXPECT_EQ(a.Primeiro("C001"), "|C001|1|");
    EXPECT_EQ(a.Primeiro("D001"), "|D001|0|");
    EXPECT_EQ(a.Primeiro("M001"), "|M001|1|");
    EXPECT_EQ(a.Conta("M100") + a.Conta("M210") + a.Conta("M500") + a.Conta("M610"), 0u);
    EXPECT_EQ(a.Primeiro("1001"), "|1001|1|");
}

// ---------------------------------------------------------------------------
// ICMS excluded from the base: 0450, C110/C111, 1010 and 1011
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, IcmsExclusionAddsItsProcessRegistersOncePerDocumentAndKey) {
    teste::Natureza exclui;
    exclui.codigo = "5EXC";
    exclui.descricao = "VENDA COM EXCLUSAO DO ICMS";
    exclui.cfop = "5.102";
    exclui.tpBase = "1";
    exclui.compBasePico = "NNS";
    Insere(exclui);
    auto item = [](const char* codigo, const char* natureza) {
        ItemSaida it;
        it.codigo = codigo;
        it.natureza = natureza;
        it.baseIcms = 100;
        it.percIcms = 18;
        return it;
    };
    // Its first row does not exclude ICMS, its second does.
    NotaSaida a;
    a.fatura = "500";
    a.chave = Chave(500);
    a.itens = {item("P01", "5102"), item("P02", "5EXC")};
    Insere(a);
    // Both rows exclude it.
    NotaSaida b;
    b.fatura = "501";
    b.chave = Chave(501);
    b.itens = {item("P01", "5EXC"), item("P02", "5EXC")};
    Insere(b);
    // An ordinary document: block 1 stays out of it.
    NotaSaida c;
    c.fatura = "502";
    c.itens = {item("P01", "5102")};
    Insere(c);

    auto e = Entradas();
    e.config.CbComplemento = 1;
    e.config.EdtProcesso = "00123456720114036100";
    e.config.Edtsecao = "SJSP";
    e.config.EdtVara = "3A VARA";
    e.config.CbIndAcao = 0;
    e.config.EdtDescJudicial = "EXCLUSAO DO ICMS";
    e.config.EdtDataSentenca = "15/03/2010";
    e.config.CbIndicador = 0;
    const auto arq = Exporta(e);

    EXPECT_EQ(arq.Primeiro("1001"), "|1001|0|");
    const std::string texto = "Exclusão do ICMS próprio da base de cálculo das contribuições de PIS/PASEP e COFINS";
    EXPECT_EQ(arq.Registros("0450"), std::vector<std::string>{Latin1("|0450|1|" + texto + "|")});
    // C110 and C111 once per document, under it, even when only its second row asks.
    EXPECT_EQ(arq.Sequencia({"C100", "C110", "C111", "C170"}),
              "C100 C110 C111 C170 C170 C100 C110 C111 C170 C170 C100 C170");
    EXPECT_EQ(arq.Primeiro("C110"), Latin1("|C110|1|" + texto + "|"));
    EXPECT_EQ(arq.Primeiro("C111"), "|C111|00123456720114036100|1|");
    // The item's discount takes its ICMS when its row excludes it.
    const auto c170 = arq.Registros("C170");
    ASSERT_EQ(c170.size(), 5u);
    EXPECT_EQ(Campo(c170[0], "VL_DESC"), "0,00");
    EXPECT_EQ(Campo(c170[1], "VL_DESC"), "18,00");
    EXPECT_EQ(Campo(c170[4], "VL_DESC"), "0,00");
    // One 1010 for the run, one 1011 per access key (the first excluding row of each).
    EXPECT_EQ(arq.Registros("1010"), std::vector<std::string>{"|1010|00123456720114036100|SJSP|3A VARA|01|EXCLUSAO DO ICMS|15032010|"});
    const auto r1011 = arq.Registros("1011");
    ASSERT_EQ(r1011.size(), 2u);
    EXPECT_EQ(Campos(r1011[0], {"REG_REF", "CHAVE_DOC", "COD_PART", "COD_ITEM", "DT_OPER", "VL_OPER"}),
              "C100|" + Chave(500) + "|00001|P02|10012012|100,00");
    // With the ICMS: 118.00 at 1.65 is 1.947, at 7.6 is 8.968; without it 1.65 and 7.60.
    EXPECT_EQ(Campos(r1011[0], {"CST_PIS", "VL_BC_PIS", "ALIQ_PIS", "VL_PIS", "CST_COFINS", "VL_BC_COFINS",
                                "ALIQ_COFINS", "VL_COFINS"}),
              "01|118,0000|1,6500|1,94|01|118,0000|7,6000|8,96");
    EXPECT_EQ(Campos(r1011[0], {"CST_PIS_SUSP", "VL_BC_PIS_SUSP", "ALIQ_PIS_SUSP", "VL_PIS_SUSP", "CST_COFINS_SUSP",
                                "VL_BC_COFINS_SUSP", "ALIQ_COFINS_SUSP", "VL_COFINS_SUSP", "COD_CTA"}),
              "01|100,0000|1,6500|1,65|01|100,0000|7,6000|7,60|0");
    EXPECT_EQ(Campos(r1011[1], {"CHAVE_DOC", "COD_ITEM"}), Chave(501) + "|P01");
}

TEST_F(ExportacaoBanco, DocumentsWithoutAnAccessKeyEachGetTheir1011) {
    // Documents without a key would all share the empty key, and only the first
    // of them would be described in 1011.
    teste::Natureza exclui;
    exclui.codigo = "5EXC";
    exclui.descricao = "VENDA COM EXCLUSAO DO ICMS";
    exclui.cfop = "5.102";
    exclui.tpBase = "1";
    exclui.compBasePico = "NNS";
    Insere(exclui);
    for (const char* fatura : {"601", "602"}) {
        NotaSaida n;
        n.fatura = fatura;
        n.modelo = "01";
        ItemSaida it;
        it.natureza = "5EXC";
        it.baseIcms = 100;
        it.percIcms = 18;
        n.itens = {it, it};
        Insere(n);
    }
    const auto arq = Exporta();
    const auto r1011 = arq.Registros("1011");
    ASSERT_EQ(r1011.size(), 2u);
    EXPECT_EQ(Campo(r1011[0], "CHAVE_DOC"), "");
    EXPECT_EQ(Campo(r1011[1], "CHAVE_DOC"), "");
}

TEST_F(ExportacaoBanco, IncomingDocumentWithoutItemsHasNoEmptyItem) {
    // The documents query gives it one row with empty item columns.
    NotaEntrada n;
    n.notafiscal = "7001";
    n.itens = {};
    Insere(n);
    const auto arq = Exporta();
    EXPECT_EQ(arq.Conta("C100"), 1u);
    EXPECT_EQ(Campo(arq.Primeiro("C100"), "NUM_DOC"), "7001");
    EXPECT_EQ(arq.Conta("C170"), 0u);
    EXPECT_EQ(arq.Conta("0200"), 0u);
    EXPECT_EQ(arq.Conta("0190"), 0u);
    EXPECT_EQ(arq.Conta("0400"), 0u);
    EXPECT_EQ(arq.Conta("0150"), 1u);
}

TEST_F(ExportacaoBanco, ItemLineWithoutACodeKeepsItsC170) {
    // The item code is optional in the ERP. A line without one is still an item
    // line, not a document without items: its C170 carries its amounts, so block C
    // agrees with block M, which takes every row. Both directions.
    NotaEntrada e;
    e.notafiscal = "7101";
    ItemEntrada m01, semCodigoE;
    semCodigoE.codigo = "SEMCOD";
    semCodigoE.descricao = "ITEM SEM CODIGO";
    semCodigoE.valor = semCodigoE.valorTot = 50;
    e.itens = {m01, semCodigoE};
    Insere(e);
    NotaSaida s;
    s.fatura = "7102";
    ItemSaida p01, semCodigoS;
    semCodigoS.codigo = "SEMCOD";
    semCodigoS.descricao = "ITEM SEM CODIGO";
    semCodigoS.valor = semCodigoS.basePis = semCodigoS.baseCofins = 40;
    s.itens = {p01, semCodigoS};
    Insere(s);
    Sql("UPDATE " + Tab("NF_ENTRA_ITEN") + " SET CODIGO = NULL WHERE CODIGO = 'SEMCOD'");
    Sql("UPDATE " + Tab("NOTAITEN") + " SET CODIGO = NULL WHERE CODIGO = 'SEMCOD'");

    const auto a = Exporta();
    EXPECT_EQ(a.Sequencia({"C100", "C170"}), "C100 C170 C170 C100 C170 C170");
    std::vector<std::string> semCodigo;
    double basesC170 = 0;
    for (const auto& l : a.Registros("C170")) {
        if (Campo(l, "COD_ITEM").empty())
            semCodigo.push_back(Campos(l, {"DESCR_COMPL", "VL_ITEM", "VL_BC_PIS", "VL_PIS", "VL_BC_COFINS", "VL_COFINS"}));
        std::string base = Campo(l, "VL_BC_PIS");
        std::replace(base.begin(), base.end(), ',', '.');
        basesC170 += std::stod(base);
    }
    // 50.00 at 1.65 is 0.825, cut to 0.82; at 7.6, 3.80. 40.00: 0.66 and 3.04.
    EXPECT_EQ(semCodigo, (std::vector<std::string>{"ITEM SEM CODIGO|50,00|50,00|0,82|50,00|3,80",
                                                   "ITEM SEM CODIGO|40,00|40,00|0,66|40,00|3,04"}));
    // Block M: 150.00 in and 140.00 out at 1.65, the same bases as the C170 lines.
    ASSERT_EQ(a.Conta("M100"), 1u);
    EXPECT_EQ(Campo(a.Primeiro("M100"), "VL_BC_PIS"), "290,00");
    EXPECT_DOUBLE_EQ(basesC170, 290);
}

TEST_F(ExportacaoBanco, WritingBlockCAheadGivesTheSameFile) {
    // Large periods write their goods documents ahead to keep memory bounded; the
    // file must not change by a byte, whatever comes between them (bills, NFC-e
    // summaries, ICMS-exclusion registers).
    teste::Natureza exclui;
    exclui.codigo = "5EXC";
    exclui.descricao = "VENDA COM EXCLUSAO DO ICMS";
    exclui.cfop = "5.102";
    exclui.tpBase = "1";
    exclui.compBasePico = "NNS";
    Insere(exclui);
    int numero = 800;
    for (const char* modelo : {"55", "65", "06", "55", "01", "28", "65", "55"}) {
        NotaSaida n;
        n.fatura = std::to_string(++numero);
        n.modelo = modelo;
        ItemSaida a, b;
        a.codigo = "P01";
        b.codigo = "P02";
        b.natureza = numero % 2 ? "5EXC" : "5102";
        n.itens = {a, b};
        Insere(n);
    }
    NotaEntrada entrada;
    entrada.itens = {ItemEntrada{}};
    Insere(entrada);
    auto e = Entradas();
    e.cbC175 = true;
    e.CbItensNFCe = true;
    const auto inteiro = Exporta(e);
    const auto antecipado = Exporta(e, 1);
    EXPECT_GT(inteiro.Conta("C100"), 3u);
    EXPECT_GT(inteiro.Conta("C500"), 0u);
    EXPECT_GT(inteiro.Conta("C175"), 0u);
    EXPECT_EQ(antecipado.linhas, inteiro.linhas);
    // Nothing of the writing ahead is left beside the file.
    for (const auto& f : std::filesystem::directory_iterator(std::filesystem::path(inteiro.relatorio.arquivo).parent_path()))
        EXPECT_EQ(f.path().string().find(".parcial"), std::string::npos) << f.path();
}

// ---------------------------------------------------------------------------
// Block 0: participants, units, items, natures
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, MasterDataOncePerCodeWhereFirstNeeded) {
    Participante("00003", "PRODUTOR RURAL", "1", "529.982.247-25", " isento ");
    Participante("00004", "OUTRA LTDA", "2", "33.000.167/0001-01", "isento");
    Produto("P01", "UN", "00", "", 0);
    // Forty documents of one participant, the same item and unit on each.
    for (int i = 0; i < 40; ++i) {
        NotaSaida n;
        n.fatura = std::to_string(1000 + i);
        n.itens = {ItemSaida{}};
        Insere(n);
    }
    for (const char* cli : {"00002", "00003", "00004"}) {
        NotaSaida n;
        n.fatura = std::string("9") + cli;
        n.codcli = cli;
        n.itens = {ItemSaida{}};
        Insere(n);
    }

    const auto a = Exporta();
    EXPECT_EQ(a.Conta("C100"), 43u);
    const auto p = a.Registros("0150");
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0], "|0150|00001|FORNECEDOR E CLIENTE LTDA|1058|60701190000104||110042490114|3550308||AVENIDA BRASIL|100||JARDIM|");
    // TIPO 1 puts the number in CPF; ISENTO in any case or spacing leaves IE empty.
    std::map<std::string, std::string> porCodigo;
    for (const auto& l : p) porCodigo[Campo(l, "COD_PART")] = Campos(l, {"CNPJ", "CPF", "IE"});
    EXPECT_EQ(porCodigo["00002"], "|12345678909|");
    EXPECT_EQ(porCodigo["00003"], "|52998224725|");
    EXPECT_EQ(porCodigo["00004"], "33000167000101||");
    EXPECT_EQ(a.Registros("0190"), std::vector<std::string>{"|0190|UN|Descricao UN|"});
    EXPECT_EQ(a.Conta("0200"), 1u);
    EXPECT_EQ(a.Registros("0400"), std::vector<std::string>{"|0400|5102|VENDA DE MERCADORIA|"});
}

TEST_F(ExportacaoBanco, LongCodesAndDocumentNumbersAreKeptWhole) {
    // Codes that share their first characters are different codes: units beyond
    // three characters, items beyond fifteen (an item billed by colour is its code
    // followed by its colour), incoming document numbers of ten characters. Each
    // gives its register once, however often it occurs. (Participant codes, series
    // and natures are no longer in the ERP than their stores ever kept.)
    for (const char* fatura : {"800", "801"}) {
        NotaSaida n;
        n.fatura = fatura;
        n.tipfat = "T";
        ItemSaida a, b;
        a.codigo = b.codigo = "ABCDEFGHIJKLMNO";
        a.cor = "01", a.unidade = "CAIXA1";
        b.cor = "02", b.unidade = "CAIXA2";
        n.itens = {a, b};
        Insere(n);
    }
    NotaEntrada e;
    e.notafiscal = "1234567890";
    e.itens = {ItemEntrada{}, ItemEntrada{}};
    Insere(e);
    e.notafiscal = "1234567891";
    e.itens.resize(1);
    Insere(e);

    const auto a = Exporta();
    // How many registers `reg` carry `valor` in `campo`.
    auto vezes = [&](const char* reg, const char* campo, const char* valor) {
        int n = 0;
        for (const auto& l : a.Registros(reg)) n += Campo(l, campo) == valor;
        return n;
    };
    EXPECT_EQ(vezes("0200", "COD_ITEM", "ABCDEFGHIJKLMNO01"), 1);
    EXPECT_EQ(vezes("0200", "COD_ITEM", "ABCDEFGHIJKLMNO02"), 1);
    EXPECT_EQ(vezes("0190", "UNID", "CAIXA1"), 1);
    EXPECT_EQ(vezes("0190", "UNID", "CAIXA2"), 1);
    // Each document once, with all its items.
    std::string documentos;
    for (const auto& l : a.linhas) {
        const std::string reg = teste::CodigoDaLinha(l);
        if (reg == "C100") documentos += (documentos.empty() ? "" : " ") + Campo(l, "NUM_DOC") + ":";
        if (reg == "C170") documentos += Campo(l, "NUM_ITEM");
    }
    EXPECT_EQ(documentos, "1234567890:12 1234567891:1 800:12 801:12");
}

TEST_F(ExportacaoBanco, ItemTypeClassificationAndUnit) {
    Insere(Tab("TABFIS"), {{"CODIGO", T("001")}, {"DESCRICAO", T("8471.30.12")}});
    Insere(Tab("TABFIS"), {{"CODIGO", T("002")}, {"DESCRICAO", T("0")}});
    Insere(Tab("TABFIS"), {{"CODIGO", T("003")}, {"DESCRICAO", T("1905.90.90")}});
    Insere(Tab("CADCORTIN"), {{"CODIGO", T("07")}, {"DESCRICAO", T("AZUL")}, {"COD_CLAFIS", T("003")}});
    Produto("P10", "PC", "00", "001", 18);   // plain product
    Produto("P11", "UN", "4", "002", 7);     // one-digit type code, NCM "0"
    Produto("P12", "", "", "", 0);           // no type code: the row's CODSPED
    Produto("P13", "", "00", "001", 12);     // billed by colour
    Material("M10", "KG", "01", "001");
    Servico("S10", "", "09");

    NotaSaida n;
    n.fatura = "700";
    ItemSaida p10, p11, p12, s10;
    p10.codigo = "P10";
    p11.codigo = "P11";
    p12.codigo = "P12", p12.codsped = "07";
    s10.codigo = "S10", s10.tipoIt = "S", s10.unidade = "";
    n.itens = {p10, p11, p12, s10};
    Insere(n);
    NotaSaida cor;
    cor.fatura = "701";
    cor.tipfat = "T";
    ItemSaida p13;
    p13.codigo = "P13", p13.cor = "07";
    cor.itens = {p13};
    Insere(cor);
    NotaEntrada m;
    ItemEntrada m10;
    m10.codigo = "M10", m10.icms = 12;
    m.itens = {m10};
    Insere(m);

    const auto a = Exporta();
    std::map<std::string, std::string> itens;
    const std::vector<std::string> campos = {"UNID_INV", "TIPO_ITEM", "COD_NCM", "COD_GEN", "ALIQ_ICMS"};
    for (const auto& l : a.Registros("0200")) itens[Campo(l, "COD_ITEM")] = Campos(l, campos);
    EXPECT_EQ(itens.size(), 6u);
    EXPECT_EQ(itens["P10"], "PC|00|84713012|84|18,00");
    EXPECT_EQ(itens["P11"], "UN|99|00000000|00|7,00");
    EXPECT_EQ(itens["P12"], "|07|||0,00");
    // By colour: code + colour, "04", the colour's NCM without punctuation, KG.
    EXPECT_EQ(itens["P1307"], "KG|04|19059090|19|12,00");
    EXPECT_EQ(itens["M10"], "KG|01|84713012|84|12,00");
    EXPECT_EQ(itens["S10"], "|09|||0,00");
    // Units once each, the empty one included.
    const auto unidades = a.Registros("0190");
    EXPECT_EQ(std::set<std::string>(unidades.begin(), unidades.end()),
              (std::set<std::string>{"|0190||Descricao|", "|0190|KG|Descricao KG|", "|0190|PC|Descricao PC|",
                                     "|0190|UN|Descricao UN|"}));
    EXPECT_EQ(unidades.size(), 4u);
}

// ---------------------------------------------------------------------------
// Accounts: the account of each row and its 0500
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, AccountOfEachRowFromItsNatureElseItsDocument) {
    ContaContabil("3.1.01", "4", "RECEITA DE VENDAS", "3.01.01.01");
    ContaContabil("1.1.01", "2", "CLIENTES", "1.01.02.01");
    ContaContabil("3.1.02", "4", "OUTRAS RECEITAS", "3.01.09.01");
    ContaContabil("3.1.09", "4", "CONTA SEM RESULTADO", "3.01.09.09", "N");
    NatConta("N1", "3.1.01", "1.1.01");
    NatConta("N2", "3.1.09", "1.1.01");
    auto natureza = [&](const char* codigo, const char* tpBase, const char* tipo, const char* natCont) {
        teste::Natureza n;
        n.codigo = codigo, n.descricao = codigo, n.cfop = "5.102", n.tpBase = tpBase, n.tipo = tipo, n.natCont = natCont;
        Insere(n);
    };
    natureza("5101", "1", "S", "N1");
    natureza("1202", "2", "D", "N1");
    natureza("1201", "2", "E", "N1");
    natureza("5103", "1", "S", "N2");
    Contabil(1, "804", "00001", "3.1.02", "1.1.01");
    Parametro("FIN", 40, "S");
    struct Caso {
        const char *fatura, *natureza, *conta;
    };
    const Caso casos[] = {
        {"801", "5101", "3.1.01"},  // kind 1: the credit account
        {"802", "1202", "3.1.01"},  // kind 2 on a return: the credit account
        {"803", "1201", "1.1.01"},  // kind 2: the debit account
        {"804", "5103", "3.1.02"},  // credit account not a result account: the document's link
        {"805", "5103", "0"},       // ... and without one, "0"
        {"806", "1102", "0"},       // another kind takes nothing
    };
    for (const Caso& c : casos) {
        NotaSaida n;
        n.fatura = c.fatura;
        ItemSaida it;
        it.natureza = c.natureza;
        n.itens = {it, it};
        n.itens[1].codigo = "P02";
        Insere(n);
    }

    auto contas = [&](const teste::ArquivoGerado& a) {
        std::map<std::string, std::string> porDocumento;
        std::string documento;
        for (const auto& l : a.linhas) {
            const std::string reg = teste::CodigoDaLinha(l);
            if (reg == "C100") documento = Campo(l, "NUM_DOC");
            if (reg == "C170") porDocumento[documento] = Campo(l, "COD_CTA");
        }
        return porDocumento;
    };
    const auto a = Exporta();
    const auto porDocumento = contas(a);
    for (const Caso& c : casos) EXPECT_EQ(porDocumento.at(c.fatura), c.conta) << c.fatura;
    // One 0500 per account, described from the chart; "0" with empty texts.
    std::map<std::string, std::string> r0500;
    for (const auto& l : a.Registros("0500")) r0500[Campo(l, "COD_CTA")] = l;
    EXPECT_EQ(a.Conta("0500"), 4u);
    EXPECT_EQ(r0500["3.1.01"], "|0500|15022012|04|A|4|3.1.01|RECEITA DE VENDAS|3.01.01.01||");
    EXPECT_EQ(r0500["0"], "|0500|15022012|04|A||0||||");

    // Without FIN/40 "S" the document links are not read.
    Sql("UPDATE EMP_PARAM SET VALOR = 'N' WHERE TIPO = 'FIN' AND CODIGO = 40");
    EXPECT_EQ(contas(Exporta()).at("804"), "0");
}

// ---------------------------------------------------------------------------
// The accountant (0100) and the run's messages
// ---------------------------------------------------------------------------

TEST_F(ExportacaoBanco, AccountantFromTheSettingsElseTheParameterElseAMessage) {
    Insere(Tab("ENTIDADE"), {{"CODCLI", T("09998")}, {"NOME", T("ESCRITORIO CONTABIL")}, {"CNPJ", T("11222333000181")},
                             {"INSCRICAO", T("isento")}, {"CEP", T("01001-000")}, {"BAIRRO", T("LAPA")}});
    const std::string maria =
        "|0100|MARIA CONTADORA|52998224725|SP123456O8||20010000|RUA A|10||CASTELO|1132221100||c@exemplo.com.br|3304557|";
    struct Caso {
        const char *nome, *digitado, *parametro;
        std::string r0100;  // empty: no 0100 and the message
    };
    const Caso casos[] = {
        {"typed", "09999", "09998", maria},
        {"from FAT/270", "", "09998", "|0100|ESCRITORIO CONTABIL|||11222333000181|01001000||||LAPA||||3550308|"},
        {"neither", "", "", ""},
        {"typed but unknown", "77777", "09998", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Sql("DELETE FROM EMP_PARAM");
        if (*c.parametro) Parametro("FAT", 270, c.parametro);
        auto e = Entradas();
        e.config.EdtContador = c.digitado;
        const auto a = Exporta(e);
        ASSERT_EQ(a.relatorio.resultado, TResultadoExportacao::Gerado);
        if (c.r0100.empty()) {
            EXPECT_EQ(a.mensagens,
                      std::vector<std::string>{"Contador não cadastrado, verifique o parametro 270 do Faturamento."});
            EXPECT_EQ(a.Conta("0100"), 0u);
        } else {
            EXPECT_EQ(a.mensagens, std::vector<std::string>{});
            EXPECT_EQ(a.Registros("0100"), std::vector<std::string>{c.r0100});
        }
    }
}

TEST_F(ExportacaoBanco, EveryRunStartsFromNothing) {
    NotaSaida n;
    n.itens = {ItemSaida{}};
    Insere(n);
    teste::Natureza exclui;
    exclui.codigo = "5EXC", exclui.cfop = "5.102", exclui.tpBase = "1", exclui.compBasePico = "NNS";
    Insere(exclui);
    NotaSaida x;
    x.fatura = "2";
    x.chave = Chave(2);
    x.itens = {ItemSaida{}};
    x.itens[0].natureza = "5EXC";
    Insere(x);
    db_.Transacao().CommitRetaining();
    // The same run object twice: the second file is the first one again, with its
    // participants, items, 0450, 1010, 1011 and 0500 (nothing remembered from before).
    erpdata::TContextoERP ctx(db_);
    ctx.CarregaArqLocal();
    teste::InterfaceTeste ui;
    exportacao::TExportacao exp(ctx, ui);
    const auto e = Entradas();
    const std::string primeiro = teste::LeBytes(exp.Executa(e).arquivo);
    const std::string segundo = teste::LeBytes(exp.Executa(e).arquivo);
    EXPECT_EQ(primeiro, segundo);
    for (const char* reg : {"|0150|", "|0200|", "|0450|", "|0500|", "|1010|", "|1011|", "|C100|"})
        EXPECT_NE(segundo.find(reg), std::string::npos) << reg;
}

TEST_F(ExportacaoBanco, FileNameAndFolderAreRequiredAndDatesToo) {
    struct Caso {
        const char *arquivo, *local, *mensagem;
        TControle foco;
    };
    const std::string pasta = pasta_.Path().string();
    const Caso casos[] = {
        {"  ", pasta.c_str(), "Arquivo Inválido.", TControle::EdtArq},
        {"", "", "Arquivo Inválido.", TControle::EdtArq},
        {"SPED.txt", " ", "Local Inválido.", TControle::EdtLocal},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensagem);
        auto e = Entradas();
        e.EdtArq = c.arquivo;
        e.EdtLocal = c.local;
        db_.Transacao().CommitRetaining();
        erpdata::TContextoERP ctx(db_);
        ctx.CarregaArqLocal();
        teste::InterfaceTeste ui;
        exportacao::TExportacao exp(ctx, ui);
        EXPECT_EQ(exp.Executa(e).resultado, TResultadoExportacao::Cancelado);
        EXPECT_EQ(ui.mensagens, std::vector<std::string>{c.mensagem});
        EXPECT_EQ(ui.focos, std::vector<TControle>{c.foco});
        EXPECT_EQ(ui.cursor, 0);
    }

    auto semInicio = Entradas();
    semInicio.dtEntIni = util::Data();
    try {
        Exporta(semInicio);
        ADD_FAILURE() << "an empty start date was accepted";
    } catch (const std::exception& erro) {
        EXPECT_STREQ(erro.what(), "Informe a data inicial das informações contidas no arquivo!");
    }
    auto semFim = Entradas();
    semFim.dtEntFim = util::Data();
    try {
        Exporta(semFim);
        ADD_FAILURE() << "an empty end date was accepted";
    } catch (const std::exception& erro) {
        EXPECT_STREQ(erro.what(), "Informe a data final das informações contidas no arquivo!");
    }
    EXPECT_FALSE(std::filesystem::exists(pasta_.Path() / "SPED_Contribuicoes_0112.txt"));

    // A destination that cannot take the file is refused before the documents are read.
    auto semPasta = Entradas();
    semPasta.EdtLocal = (pasta_.Path() / "nao-existe").string();
    try {
        Exporta(semPasta);
        ADD_FAILURE() << "a missing folder was accepted";
    } catch (const std::exception& erro) {
        EXPECT_NE(std::string(erro.what()).find("não existe"), std::string::npos) << erro.what();
    }
}
