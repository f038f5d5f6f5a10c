#pragma once
// The documents statement as the export writes it (incoming UNION ALL outgoing, one
// row per item line, 152 columns), built here so the schema and the data layer can
// be checked against it on each server.
#include <string>
#include <vector>

#include "erpdata/ContextoERP.h"
#include "util/Data.h"

namespace teste {

inline std::string ConsultaDocumentos(const erpdata::TContextoERP& ctx, util::Data inicio, util::Data fim, bool zerado = false,
                                      const std::string& nota = "") {
    auto T = [&](const char* nome) { return ctx.NomeTabela(nome); };
    const std::string q = erpdata::TContextoERP::Aspas("");  // Aspas of a constant has nothing to double
    auto A = [](const char* c) { return erpdata::TContextoERP::Aspas(c); };
    const std::string iniDmy = A(inicio.Formata("dd/mm/yyyy").c_str()), fimDmy = A(fim.Formata("dd/mm/yyyy").c_str());
    const std::string iniMdy = A(inicio.Formata("mm/dd/yyyy").c_str()), fimMdy = A(fim.Formata("mm/dd/yyyy").c_str());

    const std::string subEnt = " ITEN \r\nWHERE ITEN.NUMERO = NOTA_ENTRA.NOTAFISCAL \r\nAND ITEN.CODCRE = NOTA_ENTRA.CREDOR \r\nAND ITEN.SERIE = NOTA_ENTRA.SERIE \r\n)";
    const std::string subSai = " ITEN\r\nWHERE ITEN.EMPENHO = " + A("N") + "\r\nAND ITEN.EMPENHO <> " + A("O") + "\r\nAND ITEN.FATURA = NOTA.FATURA\r\n)";

    struct Col { std::string nome, ent, sai; };
    // An empty outgoing expression means "the same as incoming".
    std::vector<Col> c = {
        {"NR_ITENS", "(SELECT COUNT(ITEN.CODIGO) FROM " + T("NF_ENTRA_ITEN") + subEnt, "(SELECT COUNT(ITEN.CODIGO) FROM " + T("NOTAITEN") + subSai},
        {"NOTA", "NOTA_ENTRA.NOTAFISCAL", "NOTA.FATURA"}, {"DT_EMISSAO", "NOTA_ENTRA.DT_EMISSAO", "NOTA.DT_EMISSAO"},
        {"CREDOR", "NOTA_ENTRA.CREDOR", "NOTA.CODCLI"}, {"ALIQUOTA", "NOTA_ENTRA.ALIQUOTA", "NOTA.ALIQUOTA"},
        {"BASE_ICM", "NOTA_ENTRA.BASE_ICM", "NOTA.BASE_CALC"}, {"BASE_IPI", "NOTA_ENTRA.BASE_IPI", "NOTA.BASE_IPI"},
        {"SERIE", "NF_ENTRA_ITEN.SERIE", "NOTA.SERIE"}, {"VALOR", "NOTA_ENTRA.VALOR", "NOTA.VALOR"},
        {"DT_ENTRADA", "NOTA_ENTRA.DT_ENTRADA", "NOTA.DT_SAIDA"}, {"VAL_PRODUTOS", "NOTA_ENTRA.VAL_PRODUTOS", "NOTA.VAL_PRODUTOS"},
        {"FRETE", "NOTA_ENTRA.FRETENF", "NOTA.VAL_FRETE"}, {"ISENTA_ICM", "NOTA_ENTRA.ISENTA_ICM", "0.0"},
        {"ISENTA_IPI", "NOTA_ENTRA.ISENTA_IPI", "0.0"}, {"OUTRAS_IPI", "NOTA_ENTRA.OUTRAS_IPI", "0.0"},
        {"SEGURO", "NOTA_ENTRA.SEGURO", "NOTA.VAL_SEGURO"}, {"VALOR_ICM", "NOTA_ENTRA.VALOR_ICM", "NOTA.VAL_ICMS"},
        {"VALOR_IPI", "NOTA_ENTRA.VALOR_IPI", "NOTA.VAL_IPI"}, {"DESCONTO", "NOTA_ENTRA.DESCONTO", "NOTA.DESCONTO"},
        {"DESPESA", "NOTA_ENTRA.DESPESA", "NOTA.DESPESAS"}, {"PIS", "NOTA_ENTRA.PIS", "NOTA.VAL_PIS"},
        {"COFINS", "NOTA_ENTRA.COFINS", "NOTA.VAL_COFINS"}, {"DANFE", "NOTA_ENTRA.NSU", "NOTA.CHAVE_NFE"},
        {"TIPFISCAL", "NOTA_ENTRA.TIPO", " CASE UDF_LEN(NOTA.CHAVE_NFE) \r\n  WHEN 44 THEN " + A("55") + " \r\n ELSE " + A("01") + "\r\n END"},
        {"TP_FRETE", "NOTA_ENTRA.TP_FRETE", "NOTA.CIF"}, {"OUTRAS_ICM", "NOTA_ENTRA.OUTRAS_ICM", "0.0"},
        {"DI", "NOTA_ENTRA.DOCTO", "NOTA.DOCTO"}, {"VALOR_ST", "NOTA_ENTRA.VALOR_ST", "NOTA.VAL_SUBST"},
        {"BASE_ST", "NOTA_ENTRA.BASE_ST", "NOTA.BASE_SUBST"}, {"QTDE_VOL", "0", "NOTA.VOLUMES"}, {"PESO_BRT", "0", "NOTA.PESOB"},
        {"PESO_LIQ", "0", "NOTA.PESOL"}, {"VAL_IMPORT", "0", "NOTA.VAL_IMPORT"}, {"SITUACAO", A("S"), "NOTA.IMPRESSO"},
        {"CODIGO", "NF_ENTRA_ITEN.CODIGO",
         "CASE NOTA.TIPFAT \r\nWHEN " + A("T") + " THEN \r\n  NOTAITEN.CODIGO||NOTAITEN.COR \r\nELSE \r\n  NOTAITEN.CODIGO \r\nEND"},
        {"COR", "NF_ENTRA_ITEN.COR", "NOTAITEN.COR"}, {"TAM", "NF_ENTRA_ITEN.TAM", "NOTAITEN.TAMANHO"},
        {"VAL_FRETE_ITEM", "NF_ENTRA_ITEN.VAL_FRETE", "0.0"}, {"VAL_DESC_ITEM", "NF_ENTRA_ITEN.VAL_DESC", "0.0"},
        {"QTDE_ITEM", "NF_ENTRA_ITEN.QTDE", "NOTAITEN.QTDE"}, {"PRECO_ITEM", "NF_ENTRA_ITEN.VALOR", "NOTAITEN.PRECO"},
        {"VALOR_ITEM", "NF_ENTRA_ITEN.VALOR_TOT", "NOTAITEN.VALOR"}, {"BASE_ICMS_ITEM", "NF_ENTRA_ITEN.BASE_ICMS", "NOTAITEN.BASE_ICMS"},
        {"ICMS_ITEM", "NF_ENTRA_ITEN.ICMS", "NOTAITEN.PERC_ICMS"},
        {"VALOR_ICMS_ITEM", "NF_ENTRA_ITEN.VAL_ICMS", "CAST((NOTAITEN.BASE_ICMS*(NOTAITEN.PERC_ICMS/100)) AS NUMERIC(9,2))"},
        {"BASE_IPI_ITEM", "NF_ENTRA_ITEN.BASE_IPI", "NOTAITEN.BASE_IPI"}, {"IPI_ITEM", "NF_ENTRA_ITEN.VLR_IPI", "NOTAITEN.PERC_IPI"},
        {"VALOR_IPI_ITEM", "CAST((NF_ENTRA_ITEN.BASE_IPI*(NF_ENTRA_ITEN.VLR_IPI/100)) AS NUMERIC(9,2))",
         "CAST((NOTAITEN.BASE_IPI*(NOTAITEN.PERC_IPI/100)) AS NUMERIC(9,2))"},
        {"NATUREZA", "NF_ENTRA_ITEN.NATUREZA", "NOTAITEN.NATUREZA"},
        {"BASE_PIS_ITEM", "(NF_ENTRA_ITEN.VALOR_TOT-NF_ENTRA_ITEN.VAL_DESC)", "NOTAITEN.BASE_PIS"},
        {"BASE_COFINS_ITEM", "(NF_ENTRA_ITEN.VALOR_TOT-NF_ENTRA_ITEN.VAL_DESC)", "NOTAITEN.BASE_COFINS"},
        {"DESCRICAO", "NF_ENTRA_ITEN.DESCRICAO", "NOTAITEN.DESCRICAO"}, {"LOTE", "NF_ENTRA_ITEN.LOTE", "NOTAITEN.LOTE"},
        {"CLAFIS", "NF_ENTRA_ITEN.CLAFIS", "NOTAITEN.CLA_FIS"}, {"CODSPED", "NF_ENTRA_ITEN.CODSPED", "NOTAITEN.CODSPED"},
        {"CODTRI", "NF_ENTRA_ITEN.CLATRIB", "NOTAITEN.CLA_TRIB"}, {"TRIB_COFINS", "NF_ENTRA_ITEN.TRIB_COFINS", "NOTAITEN.TRIB_COFINS"},
        {"TRIB_IPI", "NF_ENTRA_ITEN.TRIB_IPI", "NOTAITEN.TRIB_IPI"}, {"TRIB_PIS", "NF_ENTRA_ITEN.TRIB_PIS", "NOTAITEN.TRIB_PIS"},
        {"UNIDADE", "NF_ENTRA_ITEN.UNIDADE", "NOTAITEN.UNIDADE"}, {"DESC_UNIDADE", "UNIDADE.DESCRICAO", ""},
        {"VALOR_ST_ITEM", "NF_ENTRA_ITEN.VALOR_ST", "NOTAITEN.VALOR_ST"}, {"PERC_ST_ITEM", "1", "NOTAITEN.PERC_ST"},
        {"BASE_ST_ITEM", "NF_ENTRA_ITEN.BASE_ST", "NOTAITEN.BASE_ST"}, {"IND_MOV", "NF_ENTRA_ITEN.ESTOQUE", "NOTA.BAI_EST"},
        {"TIPO_IT", "NF_ENTRA_ITEN.TIPO", "NOTAITEN.TIPO_IT"}, {"PERC_PIS_ITEM", "NATUREZA.ALIQ_PIS", "NOTAITEN.PERC_PIS"},
        {"PERC_COFINS_ITEM", "NATUREZA.ALIQ_COFINS", "NOTAITEN.PERC_COFINS"}, {"CUSTO", "MATERIAL.PRE_MEDIO", "NOTAITEN.CUSTO"},
        {"DESCTIPFISCAL", "TIPOFISCAL.DESCRICAO", " COALESCE(TIPOFISCAL.DESCRICAO, " + A("NF") + ")"},
        {"ABREVI", "TIPOFISCAL.ABREVI", "COALESCE(TIPOFISCAL.ABREVI, " + A("55") + ")"},
        {"DESC_NAT", "NATUREZA.DESCRICAO", ""}, {"PIS_COFINS", "NATUREZA.PIS_COFINS", ""}, {"TP_NAT", "NATUREZA.TP_BASE", ""},
        {"COND_PAGTO", "NATUREZA.DUPLI", ""}, {"TP_ICMS", "NATUREZA.ICMS", ""}, {"TP_IPI", "NATUREZA.IPI", ""},
        {"NAT_CONT", "NATUREZA.NAT_CONT", ""}, {"CFOP", "NATUREZA.CFOP", ""}, {"NCM", "TABFIS.DESCRICAO", ""},
        {"DESCSPED", "SPED.DESCRICAO", ""}, {"UNIDADE_PROD", "PRODUTO.UNIDADE", ""}, {"CODSPED_PROD", "PRODUTO.CODSPED", ""},
        {"NCM_PROD", "TABFIS_PROD.DESCRICAO", ""}, {"ICMS_ITEM_PROD", "PRODUTO.ICMS", ""}, {"SUB_GRUPO", "MATERIAL.SUB_GRUPO", ""},
        {"UNIDADE_MAT", "MATERIAL.UNIDADE", ""}, {"CODSPED_MAT", "MATERIAL.CODSPED", ""}, {"NCM_MAT", "TABFIS_MAT.DESCRICAO", ""},
        {"ICMS_ITEM_MAT", "NF_ENTRA_ITEN.ICMS", "NOTAITEN.PERC_ICMS"}, {"UNIDADE_SERV", "SERVICO.UNIDADE", ""},
        {"CODSPED_SERV", "SERVICO.CODSPED", ""}, {"ICMS_ITEM_SERV", "NF_ENTRA_ITEN.ICMS", "NOTAITEN.PERC_ICMS"},
        {"EMP_NOME", "EMPRESA.EMP_NOME", ""}, {"EMP_TIPO", "EMPRESA.EMP_TIPONF", ""}, {"CNPJ_EMP", "EMPRESA.EMP_CNPJ", ""},
        {"EMP_SERIE", "EMPRESA.EMP_SERIENF", ""}, {"CONTRIBUINTE", "EMPRESA.EMP_CONTRIBUINTE", ""},
        {"EMP_ENDERECO", "EMPRESA.EMP_ENDERECO", ""}, {"EMP_NUMERO", "EMPRESA.EMP_NUMERO", ""}, {"EMP_BAIRRO", "EMPRESA.EMP_BAIRRO", ""},
        {"EMP_TELEFONE", "EMPRESA.EMP_TELEFONE", ""}, {"EMP_FAX", "EMPRESA.EMP_FAX", ""}, {"EMP_EMAIL", "EMPRESA.EMP_EMAIL", ""},
        {"EMP_CEP", "EMPRESA.EMP_CEP", ""}, {"EMP_INSCRICAO", "EMPRESA.EMP_INSCRICAO", ""}, {"ESTADO", "EMPRESA.EMP_ESTADO", ""},
        {"EMP_CIDADE", "CID_EMP.COD_CID", ""}, {"CODCLI", "FORNECED.CODCLI", ""}, {"NOME", "FORNECED.NOME", ""},
        {"COD_PAIS", "FORNECED.COD_PAIS", ""}, {"CNPJ", "FORNECED.CNPJ", ""}, {"INSCRICAO", "FORNECED.INSCRICAO", ""},
        {"SUFRAMA", "FORNECED.SUFRAMA", ""}, {"ENDERECO", "FORNECED.ENDERECO", ""}, {"NUM_END", "FORNECED.NUM_END", ""},
        {"COMPLEMENTO", "FORNECED.COMPLEMENTO", ""}, {"BAIRRO", "FORNECED.BAIRRO", ""}, {"TIPO_CLI", "FORNECED.TIPO", ""},
        {"TELEFONE", "FORNECED.TELEFONE", ""}, {"FAX", "FORNECED.FAX", ""}, {"EMAIL", "FORNECED.EMAIL", ""},
        {"COD_TRAN", q, "NOTA.TRANSPORT"}, {"PLACA_TRAN", q, "NOTA.PLACA"}, {"UF_TRAN", q, "CID_TRAN.COD_EST"},
        {"CEP", "CADCEP.CEP", ""}, {"CODMUN", "CIDADE.COD_CID", ""}, {"NOMCEP", "CIDADE.NOME_CID", ""}, {"ESTCEP", "CIDADE.COD_EST", ""},
        {"COD_CID", "CIDADE.COD_CID", ""}, {"LOGR_CEP", "CADCEP.LOGR_CEP", ""}, {"CONTA_C", "NAT_CONTA.CONTA_C", ""},
        {"CONTA_D", "NAT_CONTA.CONTA_D", ""}, {"GRUPO_CC", "CONTA_C.GRUPO", ""}, {"DESCRICAO_CC", "CONTA_C.DESCRICAO", ""},
        {"CONTA2_CC", "CONTA_C.CONTA2", ""}, {"GRUPO_CD", "CONTA_D.GRUPO", ""}, {"DESCRICAO_CD", "CONTA_D.DESCRICAO", ""},
        {"CONTA2_CD", "CONTA_D.CONTA2", ""}, {"TP_EMI", A("1"), A("0")}, {"DT_EMI_I", iniDmy, ""}, {"DT_EMI_F", fimDmy, ""},
        {"DT_SAI_I", iniDmy, ""}, {"DT_SAI_F", fimDmy, ""}, {"VALOR_ISS", "NOTA_ENTRA.VALOR_ISS", "0"},
        {"BC_PIS", "(SELECT SUM((ITEN.VALOR_TOT-ITEN.VAL_DESC)) FROM " + T("NF_ENTRA_ITEN") + subEnt,
         "(SELECT SUM(ITEN.BASE_PIS) FROM " + T("NOTAITEN") + subSai},
        {"BC_COFINS", "(SELECT SUM((ITEN.VALOR_TOT-ITEN.VAL_DESC)) FROM " + T("NF_ENTRA_ITEN") + subEnt,
         "(SELECT SUM(ITEN.BASE_COFINS) FROM " + T("NOTAITEN") + subSai},
        {"PIS_RET", "NOTA_ENTRA.PIS_RET", "0"}, {"COFINS_RET", "NOTA_ENTRA.COFINS_RET", "0"}, {"TIPO_NAT", "NATUREZA.TIPO", ""},
        {"REDUCAO", q, "NATUREZA.COMP_BASE_PICO"}, {"TIPFAT", q, "NOTA.TIPFAT"},
    };

    auto expr = [](const std::string& e, const std::string& nome) {
        size_t ponto = e.rfind('.');
        bool mesmoNome = ponto != std::string::npos && e.substr(ponto + 1) == nome && e.find(' ') == std::string::npos;
        return mesmoNome ? e : e + " AS " + nome;
    };
    std::vector<std::string> l;
    for (int parte = 0; parte < 2; ++parte) {
        for (size_t i = 0; i < c.size(); ++i) {
            std::string e = parte == 0 ? c[i].ent : (c[i].sai.empty() ? c[i].ent : c[i].sai);
            std::string linha = parte == 1 && c[i].nome == "PIS_RET" ? "0 AS PIS_RET ,0 AS CONFINS_RET"
                                : parte == 1 && c[i].nome == "COFINS_RET" ? "" : expr(e, c[i].nome);
            if (linha.empty()) continue;
            bool ultimo = i + 1 == c.size();
            l.push_back((i == 0 ? "SELECT " : "") + linha + (ultimo ? "" : ","));
        }
        const std::string empresa = "INNER JOIN EMPRESA EMPRESA ON (EMPRESA.EMP_PAT = " + A(ctx.NomeTabela("").c_str()) + ")";
        if (parte == 0) {
            l.push_back("FROM " + T("NOTA_ENTRA") + " NOTA_ENTRA");
            l.push_back(empresa);
            l.push_back("LEFT JOIN " + T("NF_ENTRA_ITEN") + " NF_ENTRA_ITEN ON (NOTA_ENTRA.NOTAFISCAL = NF_ENTRA_ITEN.NUMERO AND NOTA_ENTRA.CREDOR = NF_ENTRA_ITEN.CODCRE AND NOTA_ENTRA.SERIE = NF_ENTRA_ITEN.SERIE)");
            l.push_back("LEFT JOIN " + T("ENTIDADE") + " FORNECED ON (NOTA_ENTRA.CREDOR = FORNECED.CODCLI)");
        } else {
            l.push_back("FROM " + T("NOTA") + " NOTA");
            l.push_back(empresa);
            l.push_back("LEFT JOIN " + T("NOTAITEN") + " NOTAITEN ON (NOTA.FATURA = NOTAITEN.FATURA)");
            l.push_back("LEFT JOIN " + T("ENTIDADE") + " FORNECED ON (NOTA.CODCLI = FORNECED.CODCLI)");
        }
        const std::string it = parte == 0 ? "NF_ENTRA_ITEN" : "NOTAITEN";
        l.push_back("LEFT JOIN " + T("CADCEP") + " CADCEP ON (FORNECED.CEP = CADCEP.CEP)");
        l.push_back("LEFT JOIN " + T("CIDADE") + " CIDADE ON (CADCEP.COD_CID = CIDADE.COD_CID)");
        l.push_back("LEFT JOIN " + T("NATUREZA") + " NATUREZA ON (" + it + ".NATUREZA = NATUREZA.NATUREZA)");
        l.push_back("LEFT JOIN " + T("NAT_CONTA") + " NAT_CONTA ON (NATUREZA.NAT_CONT = NAT_CONTA.CODIGO AND NAT_CONTA.TIPO = " + A("VF") + ")");
        l.push_back("LEFT JOIN " + T("CONTA_CONT") + " CONTA_C ON (NAT_CONTA.CONTA_C = CONTA_C.CONTA)");
        l.push_back("LEFT JOIN " + T("CONTA_CONT") + " CONTA_D ON (NAT_CONTA.CONTA_D = CONTA_D.CONTA)");
        l.push_back("LEFT JOIN " + T("MATERIAL") + " MATERIAL ON (" + it + ".CODIGO = MATERIAL.CODIGO)");
        l.push_back("LEFT JOIN " + T("PRODUTO") + " PRODUTO ON (" + it + ".CODIGO = PRODUTO.CODIGO)");
        l.push_back("LEFT JOIN " + T("SERVICO") + " SERVICO ON (" + it + ".CODIGO = SERVICO.CODIGO)");
        if (parte == 0) l.push_back("INNER JOIN " + T("TIPO_FISCAL") + " TIPOFISCAL ON (NOTA_ENTRA.TIPO = TIPOFISCAL.CODIGO)");
        l.push_back("LEFT JOIN " + T("TABSPED") + " SPED ON (SPED.CODIGO = " + it + ".CODSPED)");
        l.push_back("LEFT JOIN " + T("TABFIS") + " TABFIS ON (TABFIS.CODIGO = " + it + (parte == 0 ? ".CLAFIS)" : ".CLA_FIS)"));
        l.push_back("LEFT JOIN " + T("TABFIS") + " TABFIS_PROD ON (TABFIS_PROD.CODIGO = PRODUTO.CODFIS)");
        l.push_back("LEFT JOIN " + T("TABFIS") + " TABFIS_MAT ON (TABFIS_MAT.CODIGO = MATERIAL.CODFIS)");
        l.push_back("LEFT JOIN " + T("CADCEP") + " CID_EMP ON (EMPRESA.EMP_CEP = CID_EMP.CEP) ");
        if (parte == 1) {
            l.push_back("LEFT JOIN " + T("TABTRAN") + " TABTRAN ON (NOTA.TRANSPORT = TABTRAN.CODIGO)");
            l.push_back("LEFT JOIN " + T("CADCEP") + " CEP_TRAN ON (TABTRAN.CEP = CEP_TRAN.CEP)");
            l.push_back("LEFT JOIN " + T("CIDADE") + " CID_TRAN ON (CEP_TRAN.COD_CID = CID_TRAN.COD_CID)");
        }
        l.push_back("LEFT JOIN " + T("UNIDADE") + " UNIDADE ON (" + it + ".UNIDADE = UNIDADE.UNIDADE)");
        if (parte == 1) l.push_back("LEFT JOIN " + T("TIPO_FISCAL") + " TIPOFISCAL ON (NOTA.TIPO_FISCAL = TIPOFISCAL.CODIGO)");
        if (parte == 0) {
            l.push_back("WHERE NOTA_ENTRA.DT_ENTRADA >= " + iniMdy);
            l.push_back("AND NOTA_ENTRA.DT_ENTRADA <= " + fimMdy);
            if (!zerado) { l.push_back("AND NOTA_ENTRA.PIS > 0"); l.push_back("AND NOTA_ENTRA.COFINS > 0"); }
            if (!nota.empty()) l.push_back("AND NOTA_ENTRA.NOTAFISCAL = " + erpdata::TContextoERP::Aspas(nota));
            l.push_back("UNION ALL");
        } else {
            l.push_back("WHERE NOTAITEN.EMPENHO <> " + A("S"));
            l.push_back("AND NOTAITEN.EMPENHO <> " + A("O"));
            l.push_back("AND NOTA.IMPRESSO <> " + A("D"));
            l.push_back("AND NOTA.IMPRESSO <> " + A("C"));
            l.push_back("AND NOTA.DT_EMISSAO >= " + iniMdy);
            l.push_back("AND NOTA.DT_EMISSAO <= " + fimMdy);
            if (!zerado) { l.push_back("AND NOTA.VAL_PIS > 0"); l.push_back("AND NOTA.VAL_COFINS > 0"); }
            if (!nota.empty()) l.push_back("AND NOTA.FATURA = " + erpdata::TContextoERP::Aspas(nota));
            l.push_back("ORDER BY 111,10,2");
        }
    }
    std::string sql;
    for (const auto& x : l) sql += x + "\r\n";
    return sql;
}

}  // namespace teste
