#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "export/ConsultaDocumentos.h"

using namespace exportacao;

namespace {

std::vector<std::string> Monta(const std::string& nota = "", bool zerado = false) {
    TParametrosDocumentos p;
    p.inicio = util::Data::FromYMD(2012, 1, 1);
    p.fim = util::Data::FromYMD(2012, 1, 31);
    p.codigoEmpresa = "0012";
    p.nota = nota;
    p.zerado = zerado;
    // No ARQLOCAL entries: the logical name followed by the company code.
    return MontaSQLDocumentos(p, [](const std::string& t) { return t + "0012"; });
}

bool Tem(const std::vector<std::string>& linhas, const std::string& linha) {
    return std::find(linhas.begin(), linhas.end(), linha) != linhas.end();
}

long Conta(const std::vector<std::string>& linhas, const std::string& linha) {
    return std::count(linhas.begin(), linhas.end(), linha);
}

}  // namespace

TEST(ConsultaDocumentos, PeriodCompanyAndTables) {
    const auto l = Monta();
    EXPECT_EQ(l.front(), "SELECT (SELECT COUNT(ITEN.CODIGO) FROM NF_ENTRA_ITEN0012 ITEN ");
    EXPECT_TRUE(Tem(l, "FROM NOTA_ENTRA0012 NOTA_ENTRA"));
    EXPECT_TRUE(Tem(l, "FROM NOTA0012 NOTA"));
    EXPECT_EQ(Conta(l, "INNER JOIN EMPRESA EMPRESA ON (EMPRESA.EMP_PAT = '0012')"), 2);
    // Select list: day/month/year; WHERE: month/day/year.
    EXPECT_EQ(Conta(l, "'01/01/2012' AS DT_EMI_I,"), 2);
    EXPECT_EQ(Conta(l, "'31/01/2012' AS DT_SAI_F,"), 2);
    EXPECT_TRUE(Tem(l, "WHERE NOTA_ENTRA.DT_ENTRADA >= '01/01/2012'"));
    EXPECT_TRUE(Tem(l, "AND NOTA_ENTRA.DT_ENTRADA <= '01/31/2012'"));
    EXPECT_TRUE(Tem(l, "AND NOTA.DT_EMISSAO <= '01/31/2012'"));
    // Without the zero option only documents with PIS and COFINS.
    EXPECT_TRUE(Tem(l, "AND NOTA_ENTRA.PIS > 0"));
    EXPECT_TRUE(Tem(l, "AND NOTA.VAL_COFINS > 0"));
    EXPECT_FALSE(Tem(Monta("", true), "AND NOTA.VAL_COFINS > 0"));
    // The fiscal type joins inner for incoming documents, outer for outgoing ones.
    EXPECT_TRUE(Tem(l, "INNER JOIN TIPO_FISCAL0012 TIPOFISCAL ON (NOTA_ENTRA.TIPO = TIPOFISCAL.CODIGO)"));
    EXPECT_TRUE(Tem(l, "LEFT JOIN TIPO_FISCAL0012 TIPOFISCAL ON (NOTA.TIPO_FISCAL = TIPOFISCAL.CODIGO)"));
    EXPECT_TRUE(Tem(l, "UNION ALL"));
}

TEST(ConsultaDocumentos, ColumnsAndAliases) {
    const auto l = Monta();
    EXPECT_EQ(ColunasDocumentos().size(), 152u);
    EXPECT_TRUE(Tem(l, "NOTA_ENTRA.NOTAFISCAL AS NOTA,"));
    EXPECT_TRUE(Tem(l, "NOTA_ENTRA.DT_EMISSAO,"));         // same name: no alias
    EXPECT_TRUE(Tem(l, "NOTA.FATURA AS NOTA,"));
    EXPECT_TRUE(Tem(l, "'S' AS SITUACAO,"));
    EXPECT_TRUE(Tem(l, "'1' AS TP_EMI,"));
    EXPECT_TRUE(Tem(l, "'0' AS TP_EMI,"));
    EXPECT_TRUE(Tem(l, "0 AS PIS_RET ,0 AS CONFINS_RET,"));
    EXPECT_TRUE(Tem(l, " CASE UDF_LEN(NOTA.CHAVE_NFE) "));
    EXPECT_TRUE(Tem(l, " END AS TIPFISCAL,"));
    EXPECT_TRUE(Tem(l, "  NOTAITEN.CODIGO||NOTAITEN.COR "));
    EXPECT_TRUE(Tem(l, "COALESCE(TIPOFISCAL.ABREVI, '55') AS ABREVI,"));
    EXPECT_TRUE(Tem(l, "'' AS TIPFAT"));                   // last incoming column: no comma
    EXPECT_TRUE(Tem(l, "NOTA.TIPFAT"));                    // last outgoing column
    EXPECT_EQ(l.back().rfind("ORDER BY 111 NULLS FIRST,10 NULLS FIRST,2 NULLS FIRST,", 0), 0u);
}

TEST(ConsultaDocumentos, TypedDocumentNumberInBothPartsQuotedSafely) {
    const auto l = Monta("12'3");
    EXPECT_TRUE(Tem(l, "AND NOTA_ENTRA.NOTAFISCAL = '12''3'"));
    EXPECT_TRUE(Tem(l, "AND NOTA.FATURA = '12''3'"));
    const auto semNota = Monta();
    EXPECT_EQ(std::count_if(semNota.begin(), semNota.end(),
                            [](const std::string& s) { return s.find("NOTAFISCAL = '") != std::string::npos; }),
              0);
}
