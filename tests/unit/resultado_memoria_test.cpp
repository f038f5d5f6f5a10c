// The in-memory row store: each reader on each column kind, nulls, conversions
// that must fail loudly, and the cost per row of a wide result.
#include <gtest/gtest.h>

#include "erpdata/Erros.h"
#include "erpdata/ResultadoMemoria.h"

using erpdata::ColunaResultado;
using erpdata::ResultadoMemoria;
using erpdata::TipoColuna;

namespace {

std::unique_ptr<ResultadoMemoria> ResultadoExemplo() {
    std::vector<ColunaResultado> cols = {
        {"NOME", TipoColuna::Texto}, {"QTDE", TipoColuna::Inteiro}, {"VALOR", TipoColuna::Real},
        {"DT_EMISSAO", TipoColuna::Data}, {"DT_HORA", TipoColuna::DataHora}, {"NUMTXT", TipoColuna::Texto},
    };
    auto r = std::make_unique<ResultadoMemoria>(std::move(cols));
    const int32_t dia = static_cast<int32_t>(util::Data::FromYMD(2012, 1, 31).SysDays().time_since_epoch().count());
    r->Texto("Açúcar União");
    r->Inteiro(42);
    r->Real(12.5);
    r->Data(dia);
    r->DataHora(int64_t(dia) * 86400 + 10 * 3600 + 5 * 60 + 3);
    r->Texto(" 7,25 ");
    r->FechaLinha();
    for (int i = 0; i < 6; ++i) r->Nulo();
    r->FechaLinha();
    return r;
}

}  // namespace

TEST(ResultadoMemoria, LeitoresPorTipoDeColuna) {
    auto r = ResultadoExemplo();
    EXPECT_EQ(r->AsString(0, 0), "Açúcar União");
    EXPECT_EQ(r->AsString(0, 1), "42");
    EXPECT_EQ(r->AsString(0, 2), "12,5");
    EXPECT_EQ(r->AsString(0, 3), "31/01/2012");
    EXPECT_EQ(r->AsString(0, 4), "31/01/2012 10:05:03");
    EXPECT_EQ(r->AsInteger(0, 1), 42);
    EXPECT_DOUBLE_EQ(r->AsFloat(0, 1), 42.0);
    EXPECT_EQ(r->AsCurrency(0, 1).Raw(), 420000);
    EXPECT_DOUBLE_EQ(r->AsFloat(0, 2), 12.5);
    EXPECT_EQ(r->AsCurrency(0, 2).Raw(), 125000);
    EXPECT_EQ(r->AsInteger(0, 2), 12);  // halves to even
    EXPECT_EQ(r->AsDate(0, 3), util::Data::FromYMD(2012, 1, 31));
    EXPECT_EQ(r->AsDate(0, 4), util::Data::FromYMD(2012, 1, 31));
    EXPECT_DOUBLE_EQ(r->AsFloat(0, 5), 7.25);  // number written as text, decimal comma
    EXPECT_EQ(r->AsCurrency(0, 5).Raw(), 72500);
}

TEST(ResultadoMemoria, NuloLeComoZeroTextoVazioESemData) {
    auto r = ResultadoExemplo();
    for (size_t c = 0; c < r->Colunas(); ++c) {
        EXPECT_TRUE(r->IsNull(1, c));
        EXPECT_EQ(r->AsString(1, c), "");
        EXPECT_EQ(r->AsFloat(1, c), 0.0);
        EXPECT_EQ(r->AsInteger(1, c), 0);
        EXPECT_TRUE(r->AsCurrency(1, c).IsZero());
        EXPECT_TRUE(r->AsDate(1, c).Vazia());
    }
    EXPECT_FALSE(r->IsNull(0, 0));
}

TEST(ResultadoMemoria, ConversaoInvalidaFalhaComMensagem) {
    ResultadoMemoria r({{"CODIGO", TipoColuna::Texto}, {"DATA", TipoColuna::Texto}});
    r.Texto("12A");
    r.Texto("31/02/2012");
    r.FechaLinha();
    r.Texto("  ");
    r.Texto("2012-01-31");
    r.FechaLinha();
    try {
        r.AsInteger(0, 0);
        FAIL() << "sem erro";
    } catch (const erpdata::EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Valor '12A' do campo CODIGO não é um número inteiro válido");
    }
    EXPECT_THROW(r.AsFloat(0, 0), erpdata::EDatabaseError);
    EXPECT_THROW(r.AsDate(0, 1), erpdata::EDatabaseError);
    EXPECT_EQ(r.AsInteger(1, 0), 0);  // blank text reads as zero
    EXPECT_EQ(r.AsDate(1, 1), util::Data::FromYMD(2012, 1, 31));
}

TEST(ResultadoMemoria, NomesSemDiferencaDeMaiusculas) {
    auto r = ResultadoExemplo();
    EXPECT_EQ(r->IndiceColuna("dt_emissao"), 3);
    EXPECT_EQ(r->IndiceColuna("Dt_Emissao"), 3);
    EXPECT_EQ(r->IndiceColuna("NADA"), -1);
}

// Rows whose texts pass 64 KiB switch to wide offsets; both kinds in one result.
TEST(ResultadoMemoria, TextosLongosENaoLongosNaMesmaConsulta) {
    ResultadoMemoria r({{"A", TipoColuna::Texto}, {"B", TipoColuna::Texto}, {"N", TipoColuna::Inteiro}});
    std::string grande(70000, 'x');
    grande.back() = 'y';
    r.Texto("curto"); r.Texto(""); r.Inteiro(1); r.FechaLinha();
    r.Texto(grande); r.Texto("depois"); r.Inteiro(2); r.FechaLinha();
    r.Nulo(); r.Texto("só B"); r.Inteiro(3); r.FechaLinha();
    EXPECT_EQ(r.AsString(0, 0), "curto");
    EXPECT_EQ(r.AsString(0, 1), "");
    EXPECT_FALSE(r.IsNull(0, 1));
    EXPECT_EQ(r.AsString(1, 0), grande);
    EXPECT_EQ(r.AsString(1, 1), "depois");
    EXPECT_EQ(r.AsInteger(1, 2), 2);
    EXPECT_TRUE(r.IsNull(2, 0));
    EXPECT_EQ(r.AsString(2, 1), "só B");
}

TEST(ResultadoMemoria, Utf16ParaUtf8) {
    ResultadoMemoria r({{"T", TipoColuna::Texto}});
    const char16_t s[] = u"ação € 𝄞";
    r.TextoUtf16(s, std::char_traits<char16_t>::length(s));
    r.FechaLinha();
    EXPECT_EQ(r.AsString(0, 0), "ação € 𝄞");
}

// The documents query brings 152 columns per item line: the store must cost only a
// few hundred bytes per row beyond the values themselves.
TEST(ResultadoMemoria, CustoPorLinhaDeResultadoLargo) {
    std::vector<ColunaResultado> cols;
    for (int i = 0; i < 152; ++i)
        cols.push_back({"C" + std::to_string(i), i % 3 == 0 ? TipoColuna::Real : TipoColuna::Texto});
    ResultadoMemoria r(std::move(cols));
    const size_t linhas = 20000;
    size_t bytesValores = 0;
    for (size_t l = 0; l < linhas; ++l) {
        for (int i = 0; i < 152; ++i) {
            if (i % 3 == 0) { r.Real(l * 0.5 + i); bytesValores += 8; }
            else { std::string t = "V" + std::to_string(l % 1000); r.Texto(t); bytesValores += t.size(); }
        }
        r.FechaLinha();
    }
    double porLinha = double(r.BytesUsados()) / linhas;
    double valoresPorLinha = double(bytesValores) / linhas;
    EXPECT_LT(porLinha - valoresPorLinha, 300.0) << "bytes por linha " << porLinha << ", valores " << valoresPorLinha;
    EXPECT_EQ(r.AsString(linhas - 1, 1), "V999");
    EXPECT_DOUBLE_EQ(r.AsFloat(linhas - 1, 3), (linhas - 1) * 0.5 + 3);
}
