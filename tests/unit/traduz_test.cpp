// The dialect rewriting, one row per rule: the statement as the program writes it
// and what each database receives.
#include <gtest/gtest.h>

#include "erpdata/Traduz.h"

using erpdata::Dialeto;
using erpdata::Traduz;

namespace {

struct Caso {
    const char* regra;
    const char* entrada;
    const char* firebird;
    const char* oracle;
    const char* postgres;
};

// nullptr in a dialect column: the text reaches that dialect unchanged;
// kNaoConfere: a form left open (Oracle's LIST), not compared.
const char* const kNaoConfere = "?";
const Caso kCasos[] = {
    {"date literal month/day/year", "WHERE D >= '01/31/2012'", nullptr, "WHERE D >= '31/01/2012'", "WHERE D >= '2012-1-31'"},
    {"not a valid month/day/year date", "WHERE D >= '13/01/2012'", nullptr, nullptr, nullptr},
    {"date and time literal", "WHERE D = '01/31/2012 10:05:03'", nullptr, "WHERE D = '31/01/2012 10:5:3'",
     "WHERE D = '2012-1-31 10:5:3'"},
    {"invalid time keeps the literal", "WHERE D = '01/31/2012 25:05:03'", nullptr, nullptr, nullptr},
    {"two dates that are each other's day/month swap", "BETWEEN '01/02/2012' AND '02/01/2012'", nullptr,
     "BETWEEN '02/01/2012' AND '01/02/2012'", "BETWEEN '2012-1-2' AND '2012-2-1'"},
    {"29 February only in leap years", "IN ('02/29/2012', '02/29/2013')", nullptr, "IN ('29/02/2012', '02/29/2013')",
     "IN ('2012-2-29', '02/29/2013')"},
    {"a quoted text with slashes that is no date", "WHERE OBS = 'ab/cd/efgh'", nullptr, nullptr, nullptr},
    {"UDF_LEN in the documents query", " CASE UDF_LEN(NOTA.CHAVE_NFE) \r\n  WHEN 44 THEN '55' ",
     " CASE char_length(NOTA.CHAVE_NFE) \r\n  WHEN 44 THEN '55' ", " CASE length(NOTA.CHAVE_NFE) \r\n  WHEN 44 THEN '55' ",
     " CASE char_length(NOTA.CHAVE_NFE) \r\n  WHEN 44 THEN '55' "},
    {"lower-case udf_len", "SELECT udf_len(X) FROM T", "SELECT char_length(X) FROM T", "SELECT length(X) FROM T",
     "SELECT char_length(X) FROM T"},
    {"COALESCE becomes nvl on Oracle only", "COALESCE(TIPOFISCAL.ABREVI, '55')", nullptr, "nvl(TIPOFISCAL.ABREVI, '55')", nullptr},
    {"DESCENDING", "ORDER BY 1 DESCENDING", "ORDER BY 1 DESC", "ORDER BY 1 DESC", "ORDER BY 1 DESC"},
    {"other function macros", "UDF_TRIM(A) || UDF_UPPER(B) || UDF_YEAR(D)", "trim(A) || UPPER(B) || EXTRACT(YEAR FROM D)",
     "trim(A) || UPPER(B) || EXTRACT(YEAR FROM D)", "trim(A) || UPPER(B) || EXTRACT(YEAR FROM D)"},
    {"empty-text comparison", "AND CONTA2 <> ''", nullptr, "AND CONTA2  IS NOT NULL ", nullptr},
    {"empty-text comparison without blank", "AND CONTA2<>''", nullptr, "AND CONTA2 IS NOT NULL ", nullptr},
    {"empty-text equality in a select", "SELECT A FROM T WHERE B = ''", nullptr, "SELECT A FROM T WHERE B  IS NULL ", nullptr},
    {"UPDATE keeps its SET part", "UPDATE T SET A = '' WHERE B = ''", nullptr, "UPDATE T SET A = '' WHERE B  IS NULL ", nullptr},
    {"a literal starting with a quote is no empty text", "SELECT A FROM T WHERE B = '''x'", nullptr, nullptr, nullptr},
    {"AS of a CAST stays, alias AS goes", "SELECT CAST((A*B) AS NUMERIC(9,2)) AS VALOR FROM T", nullptr,
     "SELECT CAST((A*B) AS NUMERIC(9,2))  VALOR FROM T", nullptr},
    {"AS before a date type stays", "SELECT CAST(X AS DATE) AS D FROM T", nullptr, "SELECT CAST(X AS DATE)  D FROM T", nullptr},
    {"AS inside a quoted text stays", "SELECT 'A AS B' AS X FROM T", nullptr, "SELECT 'A AS B'  X FROM T", nullptr},
    {"current_date and current_time", "SELECT current_date, current_time, current_timestamp FROM T", nullptr,
     "SELECT sysdate, current_timestamp, current_timestamp FROM T", nullptr},
    {"SUBSTRING FROM FOR", "SELECT SUBSTRING(NOME FROM 1 FOR 3) FROM T", nullptr, "SELECT SUBSTR(NOME,1,3) FROM T",
     "SELECT SUBSTR(NOME,1,3) FROM T"},
    {"POSITION IN", "SELECT POSITION ('a' IN NOME) FROM T", nullptr, "SELECT INSTR(NOME,'a') FROM T", nullptr},
    {"ASCII_CHAR", "ASCII_CHAR(13)", nullptr, "CHR(13)", "CHR(13)"},
    {"UDF_NVL, first call only", "UDF_NVL(A) + UDF_NVL(B)", nullptr, "NVL(A,0) + UDF_NVL(B)", "COALESCE(A,0) + UDF_NVL(B)"},
    {"UDF_HOUR and UDF_MINUTE", "UDF_HOUR(D) || UDF_MINUTE(D)", nullptr, "(TO_CHAR(D,'HH24')) || (TO_CHAR(D,'MI'))",
     "(TO_CHAR(D,'HH24')) || (TO_CHAR(D,'MI'))"},
    {"UDF_MINUTESBETWEEN", "UDF_MINUTESBETWEEN(A, B)", nullptr, "(extract(MINUTE FROM A - B ))", "(extract(MINUTE FROM A - B ))"},
    {"udf_copy", "udf_copy(A, 1, 2)", nullptr, "substr(A, 1, 2)", "SUBSTRING(A, 1, 2)"},
    {"days between with a date literal", "UDF_DAYSBETWEEN(D, '01/31/2012')", nullptr,
     "CAST(D-CAST('31/01/2012' AS DATE) AS INTEGER)", "CAST(D-CAST('2012-1-31' AS DATE) AS INTEGER)"},
    {"week day", "UDF_WEEKDAY(D)", nullptr, "CAST(TO_CHAR(D, 'D') AS INTEGER)-1", "CAST(TO_CHAR(D, 'D') AS INTEGER)-1"},
    {"LIST bracket macro", "SELECT LIST[NOME, ',', NOME] FROM T", "SELECT LIST(NOME, ',') FROM T", kNaoConfere,
     "SELECT STRING_AGG(NOME, ',') FROM T"},
    {"WEEK_NUMBER bracket macro", "WEEK_NUMBER[D]", "EXTRACT(WEEK FROM D)", "TO_CHAR(D,'IW')", "TO_CHAR(D,'IW')"},
    {"HORA bracket macro", "HORA[D, True]", "D", "D", "D"},
    {"FIRST bracket macro, inner kind", "FIRST[(SELECT A FROM T), X, 'I', 5]", "(SELECT FIRST 5 A FROM T)",
     "SELECT * FROM (SELECT A FROM T) WHERE ROWNUM <= 5", "SELECT * FROM (SELECT A FROM T LIMIT 5) X"},
    {"large-text macro", "SELECT TI_BLOB(OBS) FROM T", "SELECT OBS FROM T", "SELECT dbms_lob.substr(OBS)  FROM T",
     "SELECT OBS FROM T"},
    {"an unclosed macro is left as written", "SELECT UDF_NVL(A FROM T", nullptr, nullptr, nullptr},
};

const char* Esperado(const Caso& c, Dialeto d) {
    const char* e = d == Dialeto::Firebird ? c.firebird : d == Dialeto::Oracle ? c.oracle : c.postgres;
    return e ? e : c.entrada;
}

}  // namespace

TEST(Traduz, TabelaDeRegrasPorDialeto) {
    for (const Caso& c : kCasos) {
        for (Dialeto d : {Dialeto::Firebird, Dialeto::Oracle, Dialeto::PostgreSQL}) {
            const char* nome = d == Dialeto::Firebird ? "FB" : d == Dialeto::Oracle ? "Ora" : "PG";
            if (Esperado(c, d) == kNaoConfere) continue;
            EXPECT_EQ(Traduz(c.entrada, d), Esperado(c, d)) << c.regra << " [" << nome << "]";
        }
    }
}

TEST(Traduz, DialetoPeloIdentificadorDoDriver) {
    EXPECT_EQ(erpdata::DialetoDoDriver("FB"), Dialeto::Firebird);
    EXPECT_EQ(erpdata::DialetoDoDriver("Ora"), Dialeto::Oracle);
    EXPECT_EQ(erpdata::DialetoDoDriver("PG"), Dialeto::PostgreSQL);
    EXPECT_EQ(erpdata::DialetoDoDriver(""), Dialeto::Firebird);
}

// The alias.* expansion asks Oracle's dictionary for the table's columns.
TEST(Traduz, OracleExpandeAliasAsteriscoPeloDicionario) {
    std::vector<std::string> pedidos;
    auto dicionario = [&](const std::string& sql) {
        pedidos.push_back(sql);
        return std::vector<std::string>{"FATURA", "VALOR"};
    };
    std::string sql = "SELECT DISTINCT N.*, E.NOME FROM NOTA0001 N\r\nLEFT JOIN ENTIDADE0001 E ON (E.CODCLI = N.CODCLI)";
    EXPECT_EQ(Traduz(sql, Dialeto::Oracle, dicionario),
              "SELECT DISTINCT N.FATURA, N.VALOR, E.NOME FROM NOTA0001 N\r\nLEFT JOIN ENTIDADE0001 E ON (E.CODCLI = N.CODCLI)");
    ASSERT_EQ(pedidos.size(), 1u);
    EXPECT_EQ(pedidos[0], erpdata::SqlColunasOracle("NOTA0001"));
    EXPECT_NE(pedidos[0].find("WHERE t.TABLE_NAME = 'NOTA0001'"), std::string::npos);
    EXPECT_NE(pedidos[0].find("NOT IN ('BLOB', 'CLOB')"), std::string::npos);

    // Without DISTINCT or GROUP BY, or for an alias not in FROM/JOIN, nothing is asked.
    pedidos.clear();
    EXPECT_EQ(Traduz("SELECT N.* FROM NOTA0001 N", Dialeto::Oracle, dicionario), "SELECT N.* FROM NOTA0001 N");
    EXPECT_EQ(Traduz("SELECT DISTINCT X.* FROM NOTA0001 N", Dialeto::Oracle, dicionario), "SELECT DISTINCT X.* FROM NOTA0001 N");
    EXPECT_TRUE(pedidos.empty());
}

TEST(Traduz, CacheReaproveitaSoOTextoIgual) {
    erpdata::CacheTraducao cache;
    EXPECT_EQ(cache.Traduz("SELECT * FROM T WHERE D = '01/31/2012'", Dialeto::PostgreSQL), "SELECT * FROM T WHERE D = '2012-1-31'");
    cache.Traduz("SELECT * FROM T WHERE D = '01/31/2012'", Dialeto::PostgreSQL);
    EXPECT_EQ(cache.Traducoes(), 1);
    // Differing only in the case of a quoted value is another statement.
    EXPECT_EQ(cache.Traduz("SELECT * FROM T WHERE N = 'a'", Dialeto::PostgreSQL), "SELECT * FROM T WHERE N = 'a'");
    EXPECT_EQ(cache.Traduz("SELECT * FROM T WHERE N = 'A'", Dialeto::PostgreSQL), "SELECT * FROM T WHERE N = 'A'");
    EXPECT_EQ(cache.Traducoes(), 3);
}
