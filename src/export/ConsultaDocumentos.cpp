#include "export/ConsultaDocumentos.h"

#include <string_view>

namespace exportacao {
namespace {

// One result column: its name and the incoming and outgoing expressions. In an
// expression "\n" starts a new line of the statement, {T:X} is the physical name
// of table X, {INI} and {FIM} the period's first and last day (day/month/year).
struct Coluna {
    const char* nome;
    const char* entrada;
    const char* saida;
};

// The 152 columns, in result order.
constexpr Coluna kColunas[] = {
    {"NR_ITENS", "(SELECT COUNT(ITEN.CODIGO) FROM {T:NF_ENTRA_ITEN} ITEN \nWHERE ITEN.NUMERO = NOTA_ENTRA.NOTAFISCAL \nAND ITEN.CODCRE = NOTA_ENTRA.CREDOR \nAND ITEN.SERIE = NOTA_ENTRA.SERIE \n)", "(SELECT COUNT(ITEN.CODIGO) FROM {T:NOTAITEN} ITEN\nWHERE ITEN.EMPENHO = 'N'\nAND ITEN.EMPENHO <> 'O'\nAND ITEN.FATURA = NOTA.FATURA\n)"},  // 1
    {"NOTA", "NOTA_ENTRA.NOTAFISCAL", "NOTA.FATURA"},  // 2
    {"DT_EMISSAO", "NOTA_ENTRA.DT_EMISSAO", "NOTA.DT_EMISSAO"},  // 3
    {"CREDOR", "NOTA_ENTRA.CREDOR", "NOTA.CODCLI"},  // 4
    {"ALIQUOTA", "NOTA_ENTRA.ALIQUOTA", "NOTA.ALIQUOTA"},  // 5
    {"BASE_ICM", "NOTA_ENTRA.BASE_ICM", "NOTA.BASE_CALC"},  // 6
    {"BASE_IPI", "NOTA_ENTRA.BASE_IPI", "NOTA.BASE_IPI"},  // 7
    {"SERIE", "NF_ENTRA_ITEN.SERIE", "NOTA.SERIE"},  // 8
    {"VALOR", "NOTA_ENTRA.VALOR", "NOTA.VALOR"},  // 9
    {"DT_ENTRADA", "NOTA_ENTRA.DT_ENTRADA", "NOTA.DT_SAIDA"},  // 10
    {"VAL_PRODUTOS", "NOTA_ENTRA.VAL_PRODUTOS", "NOTA.VAL_PRODUTOS"},  // 11
    {"FRETE", "NOTA_ENTRA.FRETENF", "NOTA.VAL_FRETE"},  // 12
    {"ISENTA_ICM", "NOTA_ENTRA.ISENTA_ICM", "0.0"},  // 13
    {"ISENTA_IPI", "NOTA_ENTRA.ISENTA_IPI", "0.0"},  // 14
    {"OUTRAS_IPI", "NOTA_ENTRA.OUTRAS_IPI", "0.0"},  // 15
    {"SEGURO", "NOTA_ENTRA.SEGURO", "NOTA.VAL_SEGURO"},  // 16
    {"VALOR_ICM", "NOTA_ENTRA.VALOR_ICM", "NOTA.VAL_ICMS"},  // 17
    {"VALOR_IPI", "NOTA_ENTRA.VALOR_IPI", "NOTA.VAL_IPI"},  // 18
    {"DESCONTO", "NOTA_ENTRA.DESCONTO", "NOTA.DESCONTO"},  // 19
    {"DESPESA", "NOTA_ENTRA.DESPESA", "NOTA.DESPESAS"},  // 20
    {"PIS", "NOTA_ENTRA.PIS", "NOTA.VAL_PIS"},  // 21
    {"COFINS", "NOTA_ENTRA.COFINS", "NOTA.VAL_COFINS"},  // 22
    {"DANFE", "NOTA_ENTRA.NSU", "NOTA.CHAVE_NFE"},  // 23
    {"TIPFISCAL", "NOTA_ENTRA.TIPO", " CASE UDF_LEN(NOTA.CHAVE_NFE) \n  WHEN 44 THEN '55' \n ELSE '01'\n END"},  // 24
    {"TP_FRETE", "NOTA_ENTRA.TP_FRETE", "NOTA.CIF"},  // 25
    {"OUTRAS_ICM", "NOTA_ENTRA.OUTRAS_ICM", "0.0"},  // 26
    {"DI", "NOTA_ENTRA.DOCTO", "NOTA.DOCTO"},  // 27
    {"VALOR_ST", "NOTA_ENTRA.VALOR_ST", "NOTA.VAL_SUBST"},  // 28
    {"BASE_ST", "NOTA_ENTRA.BASE_ST", "NOTA.BASE_SUBST"},  // 29
    {"QTDE_VOL", "0", "NOTA.VOLUMES"},  // 30
    {"PESO_BRT", "0", "NOTA.PESOB"},  // 31
    {"PESO_LIQ", "0", "NOTA.PESOL"},  // 32
    {"VAL_IMPORT", "0", "NOTA.VAL_IMPORT"},  // 33
    {"SITUACAO", "'S'", "NOTA.IMPRESSO"},  // 34
    {"CODIGO", "NF_ENTRA_ITEN.CODIGO", "CASE NOTA.TIPFAT \nWHEN 'T' THEN \n  NOTAITEN.CODIGO||NOTAITEN.COR \nELSE \n  NOTAITEN.CODIGO \nEND"},  // 35
    {"COR", "NF_ENTRA_ITEN.COR", "NOTAITEN.COR"},  // 36
    {"TAM", "NF_ENTRA_ITEN.TAM", "NOTAITEN.TAMANHO"},  // 37
    {"VAL_FRETE_ITEM", "NF_ENTRA_ITEN.VAL_FRETE", "0.0"},  // 38
    {"VAL_DESC_ITEM", "NF_ENTRA_ITEN.VAL_DESC", "0.0"},  // 39
    {"QTDE_ITEM", "NF_ENTRA_ITEN.QTDE", "NOTAITEN.QTDE"},  // 40
    {"PRECO_ITEM", "NF_ENTRA_ITEN.VALOR", "NOTAITEN.PRECO"},  // 41
    {"VALOR_ITEM", "NF_ENTRA_ITEN.VALOR_TOT", "NOTAITEN.VALOR"},  // 42
    {"BASE_ICMS_ITEM", "NF_ENTRA_ITEN.BASE_ICMS", "NOTAITEN.BASE_ICMS"},  // 43
    {"ICMS_ITEM", "NF_ENTRA_ITEN.ICMS", "NOTAITEN.PERC_ICMS"},  // 44
    {"VALOR_ICMS_ITEM", "NF_ENTRA_ITEN.VAL_ICMS", "CAST((NOTAITEN.BASE_ICMS*(NOTAITEN.PERC_ICMS/100)) AS NUMERIC(9,2))"},  // 45
    {"BASE_IPI_ITEM", "NF_ENTRA_ITEN.BASE_IPI", "NOTAITEN.BASE_IPI"},  // 46
    {"IPI_ITEM", "NF_ENTRA_ITEN.VLR_IPI", "NOTAITEN.PERC_IPI"},  // 47
    {"VALOR_IPI_ITEM", "CAST((NF_ENTRA_ITEN.BASE_IPI*(NF_ENTRA_ITEN.VLR_IPI/100)) AS NUMERIC(9,2))", "CAST((NOTAITEN.BASE_IPI*(NOTAITEN.PERC_IPI/100)) AS NUMERIC(9,2))"},  // 48
    {"NATUREZA", "NF_ENTRA_ITEN.NATUREZA", "NOTAITEN.NATUREZA"},  // 49
    {"BASE_PIS_ITEM", "(NF_ENTRA_ITEN.VALOR_TOT-NF_ENTRA_ITEN.VAL_DESC)", "NOTAITEN.BASE_PIS"},  // 50
    {"BASE_COFINS_ITEM", "(NF_ENTRA_ITEN.VALOR_TOT-NF_ENTRA_ITEN.VAL_DESC)", "NOTAITEN.BASE_COFINS"},  // 51
    {"DESCRICAO", "NF_ENTRA_ITEN.DESCRICAO", "NOTAITEN.DESCRICAO"},  // 52
    {"LOTE", "NF_ENTRA_ITEN.LOTE", "NOTAITEN.LOTE"},  // 53
    {"CLAFIS", "NF_ENTRA_ITEN.CLAFIS", "NOTAITEN.CLA_FIS"},  // 54
    {"CODSPED", "NF_ENTRA_ITEN.CODSPED", "NOTAITEN.CODSPED"},  // 55
    {"CODTRI", "NF_ENTRA_ITEN.CLATRIB", "NOTAITEN.CLA_TRIB"},  // 56
    {"TRIB_COFINS", "NF_ENTRA_ITEN.TRIB_COFINS", "NOTAITEN.TRIB_COFINS"},  // 57
    {"TRIB_IPI", "NF_ENTRA_ITEN.TRIB_IPI", "NOTAITEN.TRIB_IPI"},  // 58
    {"TRIB_PIS", "NF_ENTRA_ITEN.TRIB_PIS", "NOTAITEN.TRIB_PIS"},  // 59
    {"UNIDADE", "NF_ENTRA_ITEN.UNIDADE", "NOTAITEN.UNIDADE"},  // 60
    {"DESC_UNIDADE", "UNIDADE.DESCRICAO", "UNIDADE.DESCRICAO"},  // 61
    {"VALOR_ST_ITEM", "NF_ENTRA_ITEN.VALOR_ST", "NOTAITEN.VALOR_ST"},  // 62
    {"PERC_ST_ITEM", "1", "NOTAITEN.PERC_ST"},  // 63
    {"BASE_ST_ITEM", "NF_ENTRA_ITEN.BASE_ST", "NOTAITEN.BASE_ST"},  // 64
    {"IND_MOV", "NF_ENTRA_ITEN.ESTOQUE", "NOTA.BAI_EST"},  // 65
    {"TIPO_IT", "NF_ENTRA_ITEN.TIPO", "NOTAITEN.TIPO_IT"},  // 66
    {"PERC_PIS_ITEM", "NATUREZA.ALIQ_PIS", "NOTAITEN.PERC_PIS"},  // 67
    {"PERC_COFINS_ITEM", "NATUREZA.ALIQ_COFINS", "NOTAITEN.PERC_COFINS"},  // 68
    {"CUSTO", "MATERIAL.PRE_MEDIO", "NOTAITEN.CUSTO"},  // 69
    {"DESCTIPFISCAL", "TIPOFISCAL.DESCRICAO", " COALESCE(TIPOFISCAL.DESCRICAO, 'NF')"},  // 70
    {"ABREVI", "TIPOFISCAL.ABREVI", "COALESCE(TIPOFISCAL.ABREVI, '55')"},  // 71
    {"DESC_NAT", "NATUREZA.DESCRICAO", "NATUREZA.DESCRICAO"},  // 72
    {"PIS_COFINS", "NATUREZA.PIS_COFINS", "NATUREZA.PIS_COFINS"},  // 73
    {"TP_NAT", "NATUREZA.TP_BASE", "NATUREZA.TP_BASE"},  // 74
    {"COND_PAGTO", "NATUREZA.DUPLI", "NATUREZA.DUPLI"},  // 75
    {"TP_ICMS", "NATUREZA.ICMS", "NATUREZA.ICMS"},  // 76
    {"TP_IPI", "NATUREZA.IPI", "NATUREZA.IPI"},  // 77
    {"NAT_CONT", "NATUREZA.NAT_CONT", "NATUREZA.NAT_CONT"},  // 78
    {"CFOP", "NATUREZA.CFOP", "NATUREZA.CFOP"},  // 79
    {"NCM", "TABFIS.DESCRICAO", "TABFIS.DESCRICAO"},  // 80
    {"DESCSPED", "SPED.DESCRICAO", "SPED.DESCRICAO"},  // 81
    {"UNIDADE_PROD", "PRODUTO.UNIDADE", "PRODUTO.UNIDADE"},  // 82
    {"CODSPED_PROD", "PRODUTO.CODSPED", "PRODUTO.CODSPED"},  // 83
    {"NCM_PROD", "TABFIS_PROD.DESCRICAO", "TABFIS_PROD.DESCRICAO"},  // 84
    {"ICMS_ITEM_PROD", "PRODUTO.ICMS", "PRODUTO.ICMS"},  // 85
    {"SUB_GRUPO", "MATERIAL.SUB_GRUPO", "MATERIAL.SUB_GRUPO"},  // 86
    {"UNIDADE_MAT", "MATERIAL.UNIDADE", "MATERIAL.UNIDADE"},  // 87
    {"CODSPED_MAT", "MATERIAL.CODSPED", "MATERIAL.CODSPED"},  // 88
    {"NCM_MAT", "TABFIS_MAT.DESCRICAO", "TABFIS_MAT.DESCRICAO"},  // 89
    {"ICMS_ITEM_MAT", "NF_ENTRA_ITEN.ICMS", "NOTAITEN.PERC_ICMS"},  // 90
    {"UNIDADE_SERV", "SERVICO.UNIDADE", "SERVICO.UNIDADE"},  // 91
    {"CODSPED_SERV", "SERVICO.CODSPED", "SERVICO.CODSPED"},  // 92
    {"ICMS_ITEM_SERV", "NF_ENTRA_ITEN.ICMS", "NOTAITEN.PERC_ICMS"},  // 93
    {"EMP_NOME", "EMPRESA.EMP_NOME", "EMPRESA.EMP_NOME"},  // 94
    {"EMP_TIPO", "EMPRESA.EMP_TIPONF", "EMPRESA.EMP_TIPONF"},  // 95
    {"CNPJ_EMP", "EMPRESA.EMP_CNPJ", "EMPRESA.EMP_CNPJ"},  // 96
    {"EMP_SERIE", "EMPRESA.EMP_SERIENF", "EMPRESA.EMP_SERIENF"},  // 97
    {"CONTRIBUINTE", "EMPRESA.EMP_CONTRIBUINTE", "EMPRESA.EMP_CONTRIBUINTE"},  // 98
    {"EMP_ENDERECO", "EMPRESA.EMP_ENDERECO", "EMPRESA.EMP_ENDERECO"},  // 99
    {"EMP_NUMERO", "EMPRESA.EMP_NUMERO", "EMPRESA.EMP_NUMERO"},  // 100
    {"EMP_BAIRRO", "EMPRESA.EMP_BAIRRO", "EMPRESA.EMP_BAIRRO"},  // 101
    {"EMP_TELEFONE", "EMPRESA.EMP_TELEFONE", "EMPRESA.EMP_TELEFONE"},  // 102
    {"EMP_FAX", "EMPRESA.EMP_FAX", "EMPRESA.EMP_FAX"},  // 103
    {"EMP_EMAIL", "EMPRESA.EMP_EMAIL", "EMPRESA.EMP_EMAIL"},  // 104
    {"EMP_CEP", "EMPRESA.EMP_CEP", "EMPRESA.EMP_CEP"},  // 105
    {"EMP_INSCRICAO", "EMPRESA.EMP_INSCRICAO", "EMPRESA.EMP_INSCRICAO"},  // 106
    {"ESTADO", "EMPRESA.EMP_ESTADO", "EMPRESA.EMP_ESTADO"},  // 107
    {"EMP_CIDADE", "CID_EMP.COD_CID", "CID_EMP.COD_CID"},  // 108
    {"CODCLI", "FORNECED.CODCLI", "FORNECED.CODCLI"},  // 109
    {"NOME", "FORNECED.NOME", "FORNECED.NOME"},  // 110
    {"COD_PAIS", "FORNECED.COD_PAIS", "FORNECED.COD_PAIS"},  // 111
    {"CNPJ", "FORNECED.CNPJ", "FORNECED.CNPJ"},  // 112
    {"INSCRICAO", "FORNECED.INSCRICAO", "FORNECED.INSCRICAO"},  // 113
    {"SUFRAMA", "FORNECED.SUFRAMA", "FORNECED.SUFRAMA"},  // 114
    {"ENDERECO", "FORNECED.ENDERECO", "FORNECED.ENDERECO"},  // 115
    {"NUM_END", "FORNECED.NUM_END", "FORNECED.NUM_END"},  // 116
    {"COMPLEMENTO", "FORNECED.COMPLEMENTO", "FORNECED.COMPLEMENTO"},  // 117
    {"BAIRRO", "FORNECED.BAIRRO", "FORNECED.BAIRRO"},  // 118
    {"TIPO_CLI", "FORNECED.TIPO", "FORNECED.TIPO"},  // 119
    {"TELEFONE", "FORNECED.TELEFONE", "FORNECED.TELEFONE"},  // 120
    {"FAX", "FORNECED.FAX", "FORNECED.FAX"},  // 121
    {"EMAIL", "FORNECED.EMAIL", "FORNECED.EMAIL"},  // 122
    {"COD_TRAN", "''", "NOTA.TRANSPORT"},  // 123
    {"PLACA_TRAN", "''", "NOTA.PLACA"},  // 124
    {"UF_TRAN", "''", "CID_TRAN.COD_EST"},  // 125
    {"CEP", "CADCEP.CEP", "CADCEP.CEP"},  // 126
    {"CODMUN", "CIDADE.COD_CID", "CIDADE.COD_CID"},  // 127
    {"NOMCEP", "CIDADE.NOME_CID", "CIDADE.NOME_CID"},  // 128
    {"ESTCEP", "CIDADE.COD_EST", "CIDADE.COD_EST"},  // 129
    {"COD_CID", "CIDADE.COD_CID", "CIDADE.COD_CID"},  // 130
    {"LOGR_CEP", "CADCEP.LOGR_CEP", "CADCEP.LOGR_CEP"},  // 131
    {"CONTA_C", "NAT_CONTA.CONTA_C", "NAT_CONTA.CONTA_C"},  // 132
    {"CONTA_D", "NAT_CONTA.CONTA_D", "NAT_CONTA.CONTA_D"},  // 133
    {"GRUPO_CC", "CONTA_C.GRUPO", "CONTA_C.GRUPO"},  // 134
    {"DESCRICAO_CC", "CONTA_C.DESCRICAO", "CONTA_C.DESCRICAO"},  // 135
    {"CONTA2_CC", "CONTA_C.CONTA2", "CONTA_C.CONTA2"},  // 136
    {"GRUPO_CD", "CONTA_D.GRUPO", "CONTA_D.GRUPO"},  // 137
    {"DESCRICAO_CD", "CONTA_D.DESCRICAO", "CONTA_D.DESCRICAO"},  // 138
    {"CONTA2_CD", "CONTA_D.CONTA2", "CONTA_D.CONTA2"},  // 139
    {"TP_EMI", "'1'", "'0'"},  // 140
    {"DT_EMI_I", "{INI}", "{INI}"},  // 141
    {"DT_EMI_F", "{FIM}", "{FIM}"},  // 142
    {"DT_SAI_I", "{INI}", "{INI}"},  // 143
    {"DT_SAI_F", "{FIM}", "{FIM}"},  // 144
    {"VALOR_ISS", "NOTA_ENTRA.VALOR_ISS", "0"},  // 145
    {"BC_PIS", "(SELECT SUM((ITEN.VALOR_TOT-ITEN.VAL_DESC)) FROM {T:NF_ENTRA_ITEN} ITEN \nWHERE ITEN.NUMERO = NOTA_ENTRA.NOTAFISCAL \nAND ITEN.CODCRE = NOTA_ENTRA.CREDOR \nAND ITEN.SERIE = NOTA_ENTRA.SERIE \n)", "(SELECT SUM(ITEN.BASE_PIS) FROM {T:NOTAITEN} ITEN\nWHERE ITEN.EMPENHO = 'N'\nAND ITEN.EMPENHO <> 'O'\nAND ITEN.FATURA = NOTA.FATURA\n)"},  // 146
    {"BC_COFINS", "(SELECT SUM((ITEN.VALOR_TOT-ITEN.VAL_DESC)) FROM {T:NF_ENTRA_ITEN} ITEN \nWHERE ITEN.NUMERO = NOTA_ENTRA.NOTAFISCAL \nAND ITEN.CODCRE = NOTA_ENTRA.CREDOR \nAND ITEN.SERIE = NOTA_ENTRA.SERIE \n)", "(SELECT SUM(ITEN.BASE_COFINS) FROM {T:NOTAITEN} ITEN\nWHERE ITEN.EMPENHO = 'N'\nAND ITEN.EMPENHO <> 'O'\nAND ITEN.FATURA = NOTA.FATURA\n)"},  // 147
    {"PIS_RET", "NOTA_ENTRA.PIS_RET", "0"},  // 148
    {"COFINS_RET", "NOTA_ENTRA.COFINS_RET", "0"},  // 149
    {"TIPO_NAT", "NATUREZA.TIPO", "NATUREZA.TIPO"},  // 150
    {"REDUCAO", "''", "NATUREZA.COMP_BASE_PICO"},  // 151
    {"TIPFAT", "''", "NOTA.TIPFAT"},  // 152
};

static_assert(std::size(kColunas) == 152);

std::string Aspas(std::string_view texto) {
    // Every literal the statement carries doubles its embedded quotes, so a typed
    // document number can neither break the statement nor change it.
    std::string r = "'";
    for (char c : texto) {
        r.push_back(c);
        if (c == '\'') r.push_back('\'');
    }
    r.push_back('\'');
    return r;
}

class Montagem {
public:
    Montagem(const TParametrosDocumentos& p, const TNomeTabela& nomeTabela) : p_(p), nomeTabela_(nomeTabela) {}

    void Linha(std::string texto) { linhas_.push_back(std::move(texto)); }
    std::string T(const std::string& logico) const { return nomeTabela_(logico); }

    // Appends an expression, expanding its placeholders; `sufixo` goes after its last line.
    void Expressao(std::string_view expr, const std::string& prefixo, const std::string& sufixo) {
        std::string atual = prefixo;
        for (size_t i = 0; i < expr.size();) {
            if (expr[i] == '\n') {
                Linha(std::move(atual));
                atual.clear();
                ++i;
            } else if (expr.compare(i, 3, "{T:") == 0) {
                const size_t fim = expr.find('}', i);
                atual += T(std::string(expr.substr(i + 3, fim - i - 3)));
                i = fim + 1;
            } else if (expr.compare(i, 5, "{INI}") == 0) {
                atual += Aspas(p_.inicio.Formata("dd/mm/yyyy"));
                i += 5;
            } else if (expr.compare(i, 5, "{FIM}") == 0) {
                atual += Aspas(p_.fim.Formata("dd/mm/yyyy"));
                i += 5;
            } else {
                atual.push_back(expr[i++]);
            }
        }
        Linha(atual + sufixo);
    }

    void Select(bool entrada) {
        const size_t n = std::size(kColunas);
        for (size_t i = 0; i < n; ++i) {
            const Coluna& c = kColunas[i];
            const std::string virgula = i + 1 < n ? "," : "";
            const std::string prefixo = i == 0 ? "SELECT " : "";
            if (!entrada && std::string_view(c.nome) == "PIS_RET") {
                Linha("0 AS PIS_RET ,0 AS CONFINS_RET" + virgula);
                ++i;  // the line holds both retentions
                continue;
            }
            const std::string_view expr = entrada ? c.entrada : c.saida;
            // A plain TABLE.COLUMN whose column is the result name needs no alias.
            const size_t ponto = expr.find('.');
            const bool semAlias = expr.find_first_of(" ('\n") == std::string_view::npos &&
                                  ponto != std::string_view::npos && expr.substr(ponto + 1) == c.nome;
            Expressao(expr, prefixo, (semAlias ? std::string() : std::string(" AS ") + c.nome) + virgula);
        }
    }

    std::string LinhaEmpresa() const { return "INNER JOIN EMPRESA EMPRESA ON (EMPRESA.EMP_PAT = " + Aspas(p_.codigoEmpresa) + ")"; }
    std::string DataWhere(const util::Data& d) const { return Aspas(d.Formata("mm/dd/yyyy")); }

    std::vector<std::string> Monta() {
        Select(true);
        Linha("FROM " + T("NOTA_ENTRA") + " NOTA_ENTRA");
        Linha(LinhaEmpresa());
        Linha("LEFT JOIN " + T("NF_ENTRA_ITEN") + " NF_ENTRA_ITEN ON (NOTA_ENTRA.NOTAFISCAL = NF_ENTRA_ITEN.NUMERO AND NOTA_ENTRA.CREDOR = NF_ENTRA_ITEN.CODCRE AND NOTA_ENTRA.SERIE = NF_ENTRA_ITEN.SERIE)");
        Linha("LEFT JOIN " + T("ENTIDADE") + " FORNECED ON (NOTA_ENTRA.CREDOR = FORNECED.CODCLI)");
        Linha("LEFT JOIN " + T("CADCEP") + " CADCEP ON (FORNECED.CEP = CADCEP.CEP)");
        Linha("LEFT JOIN " + T("CIDADE") + " CIDADE ON (CADCEP.COD_CID = CIDADE.COD_CID)");
        Linha("LEFT JOIN " + T("NATUREZA") + " NATUREZA ON (NF_ENTRA_ITEN.NATUREZA = NATUREZA.NATUREZA)");
        LinhasContas();
        Linha("LEFT JOIN " + T("MATERIAL") + " MATERIAL ON (NF_ENTRA_ITEN.CODIGO = MATERIAL.CODIGO)");
        Linha("LEFT JOIN " + T("PRODUTO") + " PRODUTO ON (NF_ENTRA_ITEN.CODIGO = PRODUTO.CODIGO)");
        Linha("LEFT JOIN " + T("SERVICO") + " SERVICO ON (NF_ENTRA_ITEN.CODIGO = SERVICO.CODIGO)");
        Linha("INNER JOIN " + T("TIPO_FISCAL") + " TIPOFISCAL ON (NOTA_ENTRA.TIPO = TIPOFISCAL.CODIGO)");
        Linha("LEFT JOIN " + T("TABSPED") + " SPED ON (SPED.CODIGO = NF_ENTRA_ITEN.CODSPED)");
        Linha("LEFT JOIN " + T("TABFIS") + " TABFIS ON (TABFIS.CODIGO = NF_ENTRA_ITEN.CLAFIS)");
        LinhasClassificacaoECidadeEmpresa();
        Linha("LEFT JOIN " + T("UNIDADE") + " UNIDADE ON (NF_ENTRA_ITEN.UNIDADE = UNIDADE.UNIDADE)");
        Linha("WHERE NOTA_ENTRA.DT_ENTRADA >= " + DataWhere(p_.inicio));
        Linha("AND NOTA_ENTRA.DT_ENTRADA <= " + DataWhere(p_.fim));
        if (!p_.zerado) {
            Linha("AND NOTA_ENTRA.PIS > 0");
            Linha("AND NOTA_ENTRA.COFINS > 0");
        }
        if (!p_.nota.empty()) Linha("AND NOTA_ENTRA.NOTAFISCAL = " + Aspas(p_.nota));

        Linha("UNION ALL");

        Select(false);
        Linha("FROM " + T("NOTA") + " NOTA");
        Linha(LinhaEmpresa());
        Linha("LEFT JOIN " + T("NOTAITEN") + " NOTAITEN ON (NOTA.FATURA = NOTAITEN.FATURA)");
        Linha("LEFT JOIN " + T("ENTIDADE") + " FORNECED ON (NOTA.CODCLI = FORNECED.CODCLI)");
        Linha("LEFT JOIN " + T("CADCEP") + " CADCEP ON (FORNECED.CEP = CADCEP.CEP)");
        Linha("LEFT JOIN " + T("CIDADE") + " CIDADE ON (CADCEP.COD_CID = CIDADE.COD_CID)");
        Linha("LEFT JOIN " + T("NATUREZA") + " NATUREZA ON (NOTAITEN.NATUREZA = NATUREZA.NATUREZA)");
        LinhasContas();
        Linha("LEFT JOIN " + T("MATERIAL") + " MATERIAL ON (NOTAITEN.CODIGO = MATERIAL.CODIGO)");
        Linha("LEFT JOIN " + T("PRODUTO") + " PRODUTO ON (NOTAITEN.CODIGO = PRODUTO.CODIGO)");
        Linha("LEFT JOIN " + T("SERVICO") + " SERVICO ON (NOTAITEN.CODIGO = SERVICO.CODIGO)");
        Linha("LEFT JOIN " + T("TABSPED") + " SPED ON (SPED.CODIGO = NOTAITEN.CODSPED)");
        Linha("LEFT JOIN " + T("TABFIS") + " TABFIS ON (TABFIS.CODIGO = NOTAITEN.CLA_FIS)");
        LinhasClassificacaoECidadeEmpresa();
        Linha("LEFT JOIN " + T("TABTRAN") + " TABTRAN ON (NOTA.TRANSPORT = TABTRAN.CODIGO)");
        Linha("LEFT JOIN " + T("CADCEP") + " CEP_TRAN ON (TABTRAN.CEP = CEP_TRAN.CEP)");
        Linha("LEFT JOIN " + T("CIDADE") + " CID_TRAN ON (CEP_TRAN.COD_CID = CID_TRAN.COD_CID)");
        Linha("LEFT JOIN " + T("UNIDADE") + " UNIDADE ON (NOTAITEN.UNIDADE = UNIDADE.UNIDADE)");
        Linha("LEFT JOIN " + T("TIPO_FISCAL") + " TIPOFISCAL ON (NOTA.TIPO_FISCAL = TIPOFISCAL.CODIGO)");
        Linha("WHERE NOTAITEN.EMPENHO <> 'S'");
        Linha("AND NOTAITEN.EMPENHO <> 'O'");
        Linha("AND NOTA.IMPRESSO <> 'D'");
        Linha("AND NOTA.IMPRESSO <> 'C'");
        Linha("AND NOTA.DT_EMISSAO >= " + DataWhere(p_.inicio));
        Linha("AND NOTA.DT_EMISSAO <= " + DataWhere(p_.fim));
        if (!p_.zerado) {
            Linha("AND NOTA.VAL_PIS > 0");
            Linha("AND NOTA.VAL_COFINS > 0");
        }
        if (!p_.nota.empty()) Linha("AND NOTA.FATURA = " + Aspas(p_.nota));

        // Country, date and number first; then the rest of the document key
        // (participant, series, direction) keeps every document's rows together,
        // and the item columns fix the order of its items, so the same data gives
        // the same file on every database. Nulls sort first everywhere.
        Linha("ORDER BY 111 NULLS FIRST,10 NULLS FIRST,2 NULLS FIRST,4 NULLS FIRST,8 NULLS FIRST,140,"
              "35 NULLS FIRST,36 NULLS FIRST,37 NULLS FIRST,40 NULLS FIRST,42 NULLS FIRST");
        return std::move(linhas_);
    }

private:
    void LinhasContas() {
        Linha("LEFT JOIN " + T("NAT_CONTA") + " NAT_CONTA ON (NATUREZA.NAT_CONT = NAT_CONTA.CODIGO AND NAT_CONTA.TIPO = 'VF')");
        Linha("LEFT JOIN " + T("CONTA_CONT") + " CONTA_C ON (NAT_CONTA.CONTA_C = CONTA_C.CONTA)");
        Linha("LEFT JOIN " + T("CONTA_CONT") + " CONTA_D ON (NAT_CONTA.CONTA_D = CONTA_D.CONTA)");
    }
    void LinhasClassificacaoECidadeEmpresa() {
        Linha("LEFT JOIN " + T("TABFIS") + " TABFIS_PROD ON (TABFIS_PROD.CODIGO = PRODUTO.CODFIS)");
        Linha("LEFT JOIN " + T("TABFIS") + " TABFIS_MAT ON (TABFIS_MAT.CODIGO = MATERIAL.CODFIS)");
        Linha("LEFT JOIN " + T("CADCEP") + " CID_EMP ON (EMPRESA.EMP_CEP = CID_EMP.CEP) ");
    }

    const TParametrosDocumentos& p_;
    const TNomeTabela& nomeTabela_;
    std::vector<std::string> linhas_;
};

}  // namespace

std::vector<std::string> MontaSQLDocumentos(const TParametrosDocumentos& p, const TNomeTabela& nomeTabela) {
    return Montagem(p, nomeTabela).Monta();
}

std::string JuntaLinhas(const std::vector<std::string>& linhas) {
    std::string texto;
    for (const auto& l : linhas) {
        texto += l;
        texto += "\r\n";
    }
    return texto;
}

const std::vector<std::string>& ColunasDocumentos() {
    static const std::vector<std::string> nomes = [] {
        std::vector<std::string> v;
        for (const Coluna& c : kColunas) v.emplace_back(c.nome);
        return v;
    }();
    return nomes;
}

}  // namespace exportacao
