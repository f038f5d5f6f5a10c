#pragma once
// What the builders of one run share: the documents query's columns, resolved once
// by name, and the run state with its in-memory tables.
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "erpdata/TIQuery.h"
#include "export/Exportacao.h"

namespace exportacao {

// Every column of the documents query a builder reads.
#define EXPORTACAO_COLUNAS(X)                                                                                 \
    X(NR_ITENS) X(NOTA) X(DT_EMISSAO) X(CREDOR) X(BASE_ICM) X(SERIE) X(VALOR) X(DT_ENTRADA) X(VAL_PRODUTOS)   \
    X(FRETE) X(SEGURO) X(VALOR_ICM) X(VALOR_IPI) X(DESCONTO) X(DESPESA) X(PIS) X(COFINS) X(DANFE)            \
    X(TP_FRETE) X(VALOR_ST) X(BASE_ST) X(CODIGO) X(COR) X(QTDE_ITEM) X(VALOR_ITEM) X(BASE_ICMS_ITEM)         \
    X(ICMS_ITEM) X(VALOR_ICMS_ITEM) X(BASE_IPI_ITEM) X(IPI_ITEM) X(VALOR_IPI_ITEM) X(NATUREZA)               \
    X(BASE_PIS_ITEM) X(BASE_COFINS_ITEM) X(DESCRICAO) X(CODSPED) X(CODTRI) X(TRIB_COFINS) X(TRIB_IPI)        \
    X(TRIB_PIS) X(UNIDADE) X(VALOR_ST_ITEM) X(BASE_ST_ITEM) X(IND_MOV) X(TIPO_IT) X(PERC_PIS_ITEM)           \
    X(PERC_COFINS_ITEM) X(ABREVI) X(DESC_NAT) X(TP_NAT) X(COND_PAGTO) X(NAT_CONT) X(CFOP) X(UNIDADE_PROD)    \
    X(CODSPED_PROD) X(NCM_PROD) X(ICMS_ITEM_PROD) X(UNIDADE_MAT) X(CODSPED_MAT) X(NCM_MAT) X(ICMS_ITEM_MAT)  \
    X(UNIDADE_SERV) X(CODSPED_SERV) X(ICMS_ITEM_SERV) X(EMP_NOME) X(CNPJ_EMP) X(ESTADO) X(EMP_CIDADE)         \
    X(NOME) X(COD_PAIS) X(CNPJ) X(INSCRICAO) X(SUFRAMA) X(ENDERECO) X(NUM_END) X(COMPLEMENTO) X(BAIRRO)      \
    X(TIPO_CLI) X(CODMUN) X(TP_EMI) X(VALOR_ISS) X(BC_PIS) X(BC_COFINS) X(PIS_RET) X(COFINS_RET)             \
    X(TIPO_NAT) X(REDUCAO) X(TIPFAT)

struct TExportacao::Colunas {
#define EXPORTACAO_DECLARA(n) erpdata::TTIField n;
    EXPORTACAO_COLUNAS(EXPORTACAO_DECLARA)
#undef EXPORTACAO_DECLARA

#define EXPORTACAO_RESOLVE(n) n(q.FieldByName(#n)),
    explicit Colunas(const erpdata::TTIQuery& q) : EXPORTACAO_COLUNAS(EXPORTACAO_RESOLVE) fim_(0) {}
#undef EXPORTACAO_RESOLVE

private:
    int fim_;
};

// Totals of block M per rate.
struct TTotalContribuicao {
    double ALIQ = 0;
    double VL_BC = 0;
    double VL_CRED = 0;
    double VL_CRED_DISP = 0;
};

// One C175 group of the current NFC-e.
struct TGrupoC175 {
    std::string CST_PIS;
    std::string CST_COFINS;
    std::string CFOP;
    double VL_ITEM = 0;
    double VL_DESC = 0;
    double VL_BC_PIS = 0;
    double ALIQ_PIS = 0;
    double VL_PIS = 0;
    double VL_BC_COFINS = 0;
    double ALIQ_COFINS = 0;
    double VL_COFINS = 0;
};

// A goods document opened in the file: its C100 and what its later rows need.
// Rows of a document met again after other documents still go under its own C100.
struct TExportacao::DocumentoC100 {
    efd::TRegistroC100* c100 = nullptr;
    int itens = 0;                 // NUM_ITEM of its last C170
    bool bGeraC110 = true;         // its C110/C111 not written yet
    std::vector<TGrupoC175> TbC175;
};

// A service document opened in the file: its A100 and its item count.
struct TExportacao::DocumentoA100 {
    efd::TRegistroA100* a100 = nullptr;
    int itens = 0;
};

struct TExportacao::Estado {
    std::string numeroDocumento;   // current document number

    // Documents already opened in the file, one store per register family (a goods
    // document is never swallowed by a service or transport document with the same
    // key). Keys are kept whole and carry the direction.
    std::unordered_map<std::string, DocumentoC100> notasMercadorias;
    std::unordered_map<std::string, DocumentoA100> notasServicos;
    std::unordered_set<std::string> notasTransporte;
    // Goods documents whose C100 is still in memory, in the order they were opened.
    std::vector<DocumentoC100*> documentosAbertos;
    // Codes already written in block 0.
    std::unordered_set<std::string> TbParticipante;
    std::unordered_set<std::string> TbUnidade;
    std::unordered_set<std::string> TbProduto;
    std::unordered_set<std::string> TbCFOP;
    // The fiscal classification of each colour already read (items billed by colour).
    std::unordered_map<std::string, std::string> NcmPorCor;

    std::vector<TTotalContribuicao> TbM100;
    std::vector<TTotalContribuicao> TbM500;

    // The company, as the opening registers carry it.
    std::string empresaNome;
    std::string empresaCnpj;   // without punctuation
    std::string empresaUf;
    int32_t empresaMunicipio = 0;

    std::vector<std::string> avisos;
};

// Key of a document in its store: direction, number, participant and series,
// whole. An incoming and an outgoing document may share number, participant and
// series (a supplier that is also a customer) and are still two documents.
inline std::string ChaveDocumento(const std::string& tpEmi, const std::string& nota, const std::string& credor,
                                  const std::string& serie) {
    std::string k;
    k.reserve(tpEmi.size() + nota.size() + credor.size() + serie.size() + 3);
    k.append(tpEmi).push_back('\x1f');
    k.append(nota).push_back('\x1f');
    k.append(credor).push_back('\x1f');
    k.append(serie);
    return k;
}

}  // namespace exportacao
