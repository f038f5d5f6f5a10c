// The settings tab's row in SPED_CONFIG: load, save, and what survives a failure.
#include "ExportacaoBanco.h"
#include "export/ConfiguracoesSped.h"

using exportacao::CarregaConfiguracoes;
using exportacao::GravaConfiguracoes;
using exportacao::TConfiguracoesSped;
using teste::T;

namespace {

class ConfiguracoesBanco : public teste::ExportacaoBancoBase {
protected:
    void SetUp() override {
        ExportacaoBancoBase::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ctx_ = std::make_unique<erpdata::TContextoERP>(db_);
        ctx_->EntradaEmpresa = teste::kEntradaEmpresa;
        ctx_->CarregaArqLocal();
    }
    void TearDown() override {
        ctx_.reset();
        ExportacaoBancoBase::TearDown();
    }

    TConfiguracoesSped Carrega(const std::string& empresa = "0001") { return CarregaConfiguracoes(*ctx_, empresa); }
    void Grava(const TConfiguracoesSped& c, const std::string& empresa = "0001") { GravaConfiguracoes(*ctx_, empresa, c); }

    std::unique_ptr<erpdata::TContextoERP> ctx_;
};

TConfiguracoesSped Exemplo() {
    TConfiguracoesSped c;
    c.EdtContador = "D'AVILA";
    c.CbComplemento = 1;
    c.EdtProcesso = "0012345'6720114";
    c.Edtsecao = "SJ D'OESTE";
    c.EdtVara = "2' VARA";
    c.EdtDataSentenca = "15/03/2010";
    c.EdtDescJudicial = "DECISAO D'AGUA";
    c.CbIndAcao = 9;  // "12 -..."
    c.CbIndicador = 1;
    return c;
}

}  // namespace

TEST_F(ConfiguracoesBanco, CompanyWithoutARowShowsTheDefaults) {
    const TConfiguracoesSped c = Carrega();
    EXPECT_EQ(c, TConfiguracoesSped{});
    EXPECT_STREQ(c.TextoComplemento(), "0 - Processo de desconto ICMS");
    EXPECT_STREQ(c.TextoNaturezaAcao(), "99 -Outros");
    EXPECT_EQ(c.CbIndicador, 2);  // "9 -Outros"
    EXPECT_EQ(c.EdtDataSentenca, "");
}

TEST_F(ConfiguracoesBanco, SavedSettingsComeBackWithQuotesAndTheSentenceDate) {
    const TConfiguracoesSped c = Exemplo();
    Grava(c);
    Grava(TConfiguracoesSped{}, "0002");  // another company's row stays its own
    EXPECT_EQ(Carrega(), c);
    EXPECT_EQ(Carrega("0002"), TConfiguracoesSped{});
    // The row as stored: codes, not list positions.
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM SPED_CONFIG WHERE EMPRESA = '0001' AND IND_PROCESSO = '3' AND IND_ACAO = '12'"
                    " AND INFO_COMPLEMENTO = 1 AND DT_SENTENCA = '2010-03-15' AND CONTADOR = 'D''AVILA'"),
              1);

    // Saving again replaces the row.
    TConfiguracoesSped outra = c;
    outra.EdtVara = "1A VARA";
    outra.CbIndicador = 0;
    Grava(outra);
    EXPECT_EQ(Carrega(), outra);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM SPED_CONFIG WHERE EMPRESA = '0001'"), 1);
}

TEST_F(ConfiguracoesBanco, AnInvalidSentenceDateIsStoredAsNull) {
    for (const char* data : {"31/02/2010", "15/13/2010", "amanhã", ""}) {
        SCOPED_TRACE(data);
        TConfiguracoesSped c = Exemplo();
        c.EdtDataSentenca = data;
        Grava(c);
        EXPECT_EQ(Conta("SELECT COUNT(*) FROM SPED_CONFIG WHERE EMPRESA = '0001' AND DT_SENTENCA IS NULL"), 1);
        EXPECT_EQ(Carrega().EdtDataSentenca, "");
    }
}

TEST_F(ConfiguracoesBanco, AFailedSaveKeepsThePreviousRow) {
    const TConfiguracoesSped anterior = Exemplo();
    Grava(anterior);
    TConfiguracoesSped longa = anterior;
    longa.EdtProcesso = std::string(21, '9');  // PROCESSO holds 20 characters
    EXPECT_ANY_THROW(Grava(longa));
    EXPECT_EQ(Carrega(), anterior);
    // Nothing is left pending: a new connection sees the same row.
    db_.Desconecta();
    std::string erro;
    ASSERT_TRUE(erpdata::ConectaBanco(db_, Ini(), [&](const std::string& m) { erro = m; })) << erro;
    ctx_ = std::make_unique<erpdata::TContextoERP>(db_);
    ctx_->EntradaEmpresa = teste::kEntradaEmpresa;
    EXPECT_EQ(Carrega(), anterior);
}

TEST_F(ConfiguracoesBanco, UnknownStoredCodesSelectTheListsFallbacks) {
    struct Caso {
        const char *indProcesso, *indAcao, *complemento;
        int indicador, acao, complementoIndice;
    };
    const Caso casos[] = {
        {"1", "01", "1", 0, 0, 1},
        {"3", "19", "0", 1, 15, 0},
        {"9", "10", "7", 2, 16, 0},     // no "10" entry: the last one; no entry 7: the first
        {"X", "", "NULL", 2, 16, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.indProcesso) + "/" + c.indAcao + "/" + c.complemento);
        Sql("DELETE FROM SPED_CONFIG");
        Insere("SPED_CONFIG", {{"EMPRESA", T("0001")}, {"IND_PROCESSO", T(c.indProcesso)}, {"IND_ACAO", T(c.indAcao)},
                               {"INFO_COMPLEMENTO", c.complemento}});
        const TConfiguracoesSped s = Carrega();
        EXPECT_EQ(s.CbIndicador, c.indicador);
        EXPECT_EQ(s.CbIndAcao, c.acao);
        EXPECT_EQ(s.CbComplemento, c.complementoIndice);
    }
}

TEST_F(ConfiguracoesBanco, AccountantNameByItsCode) {
    EXPECT_EQ(exportacao::NomeContador(*ctx_, "09999"), " MARIA CONTADORA ");
    EXPECT_EQ(exportacao::NomeContador(*ctx_, "0'1"), "");
}
