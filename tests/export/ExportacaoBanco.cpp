#include "ExportacaoBanco.h"

#include <filesystem>
#include <stdexcept>

#include "erpdata/TIDatabase.h"

namespace teste {

namespace {

// Field names after REG, in layout order, of the registers the tests read.
const std::map<std::string, std::vector<std::string>>& Layouts() {
    static const std::map<std::string, std::vector<std::string>> m = {
        {"0000", {"COD_VER", "TIPO_ESCRIT", "IND_SIT_ESP", "NUM_REC_ANTERIOR", "DT_INI", "DT_FIN", "NOME", "CNPJ", "UF",
                  "COD_MUN", "SUFRAMA", "IND_NAT_PJ", "IND_ATIV"}},
        {"0100", {"NOME", "CPF", "CRC", "CNPJ", "CEP", "ENDERECO", "NUM", "COMPL", "BAIRRO", "FONE", "FAX", "EMAIL",
                  "COD_MUN"}},
        {"0140", {"COD_EST", "NOME", "CNPJ", "UF", "IE", "COD_MUN", "IM", "SUFRAMA"}},
        {"0150", {"COD_PART", "NOME", "COD_PAIS", "CNPJ", "CPF", "IE", "COD_MUN", "SUFRAMA", "ENDERECO", "NUM", "COMPL",
                  "BAIRRO"}},
        {"0190", {"UNID", "DESCR"}},
        {"0200", {"COD_ITEM", "DESCR_ITEM", "COD_BARRA", "COD_ANT_ITEM", "UNID_INV", "TIPO_ITEM", "COD_NCM", "EX_IPI",
                  "COD_GEN", "COD_LST", "ALIQ_ICMS"}},
        {"0400", {"COD_NAT", "DESCR_NAT"}},
        {"0450", {"COD_INF", "TXT"}},
        {"0500", {"DT_ALT", "COD_NAT_CC", "IND_CTA", "NIVEL", "COD_CTA", "NOME_CTA", "COD_CTA_REF", "CNPJ_EST"}},
        {"A010", {"CNPJ"}},
        {"A100", {"IND_OPER", "IND_EMIT", "COD_PART", "COD_SIT", "SER", "SUB", "NUM_DOC", "CHV_NFSE", "DT_DOC",
                  "DT_EXE_SERV", "VL_DOC", "IND_PGTO", "VL_DESC", "VL_BC_PIS", "VL_PIS", "VL_BC_COFINS", "VL_COFINS",
                  "VL_PIS_RET", "VL_COFINS_RET", "VL_ISS"}},
        {"A170", {"NUM_ITEM", "COD_ITEM", "DESCR_COMPL", "VL_ITEM", "VL_DESC", "NAT_BC_CRED", "IND_ORIG_CRED", "CST_PIS",
                  "VL_BC_PIS", "ALIQ_PIS", "VL_PIS", "CST_COFINS", "VL_BC_COFINS", "ALIQ_COFINS", "VL_COFINS", "COD_CTA",
                  "COD_CCUS"}},
        {"C010", {"CNPJ", "IND_ESCRI"}},
        {"C100", {"IND_OPER", "IND_EMIT", "COD_PART", "COD_MOD", "COD_SIT", "SER", "NUM_DOC", "CHV_NFE", "DT_DOC",
                  "DT_E_S", "VL_DOC", "IND_PGTO", "VL_DESC", "VL_ABAT_NT", "VL_MERC", "IND_FRT", "VL_FRT", "VL_SEG",
                  "VL_OUT_DA", "VL_BC_ICMS", "VL_ICMS", "VL_BC_ICMS_ST", "VL_ICMS_ST", "VL_IPI", "VL_PIS", "VL_COFINS",
                  "VL_PIS_ST", "VL_COFINS_ST"}},
        {"C110", {"COD_INF", "TXT_COMPL"}},
        {"C111", {"NUM_PROC", "IND_PROC"}},
        {"C170", {"NUM_ITEM", "COD_ITEM", "DESCR_COMPL", "QTD", "UNID", "VL_ITEM", "VL_DESC", "IND_MOV", "CST_ICMS",
                  "CFOP", "COD_NAT", "VL_BC_ICMS", "ALIQ_ICMS", "VL_ICMS", "VL_BC_ICMS_ST", "ALIQ_ST", "VL_ICMS_ST",
                  "IND_APUR", "CST_IPI", "COD_ENQ", "VL_BC_IPI", "ALIQ_IPI", "VL_IPI", "CST_PIS", "VL_BC_PIS", "ALIQ_PIS",
                  "QUANT_BC_PIS", "ALIQ_PIS_QUANT", "VL_PIS", "CST_COFINS", "VL_BC_COFINS", "ALIQ_COFINS",
                  "QUANT_BC_COFINS", "ALIQ_COFINS_QUANT", "VL_COFINS", "COD_CTA"}},
        {"C175", {"CFOP", "VL_OPR", "VL_DESC", "CST_PIS", "VL_BC_PIS", "ALIQ_PIS", "QUANT_BC_PIS", "ALIQ_PIS_QUANT",
                  "VL_PIS", "CST_COFINS", "VL_BC_COFINS", "ALIQ_COFINS", "QUANT_BC_COFINS", "ALIQ_COFINS_QUANT",
                  "VL_COFINS", "COD_CTA", "INFO_COMPL"}},
        {"C500", {"COD_PART", "COD_MOD", "COD_SIT", "SER", "SUB", "NUM_DOC", "DT_DOC", "DT_ENT", "VL_DOC", "VL_ICMS",
                  "COD_INF", "VL_PIS", "VL_COFINS", "CHV_DOCe"}},
        {"C501", {"CST_PIS", "VL_ITEM", "NAT_BC_CRED", "VL_BC_PIS", "ALIQ_PIS", "VL_PIS", "COD_CTA"}},
        {"C505", {"CST_COFINS", "VL_ITEM", "NAT_BC_CRED", "VL_BC_COFINS", "ALIQ_COFINS", "VL_COFINS", "COD_CTA"}},
        {"D010", {"CNPJ"}},
        {"D100", {"IND_OPER", "IND_EMIT", "COD_PART", "COD_MOD", "COD_SIT", "SER", "SUB", "NUM_DOC", "CHV_CTE", "DT_DOC",
                  "DT_A_P", "TP_CT_e", "CHV_CTE_REF", "VL_DOC", "VL_DESC", "IND_FRT", "VL_SERV", "VL_BC_ICMS", "VL_ICMS",
                  "VL_NT", "COD_INF", "COD_CTA"}},
        {"D101", {"IND_NAT_FRT", "VL_ITEM", "CST_PIS", "NAT_BC_CRED", "VL_BC_PIS", "ALIQ_PIS", "VL_PIS", "COD_CTA"}},
        {"D105", {"IND_NAT_FRT", "VL_ITEM", "CST_COFINS", "NAT_BC_CRED", "VL_BC_COFINS", "ALIQ_COFINS", "VL_COFINS",
                  "COD_CTA"}},
        {"D500", {"IND_OPER", "IND_EMIT", "COD_PART", "COD_MOD", "COD_SIT", "SER", "SUB", "NUM_DOC", "DT_DOC", "DT_A_P",
                  "VL_DOC", "VL_DESC", "VL_SERV", "VL_SERV_NT", "VL_TERC", "VL_DA", "VL_BC_ICMS", "VL_ICMS", "COD_INF",
                  "VL_PIS", "VL_COFINS"}},
        {"F010", {"CNPJ"}},
        {"F100", {"IND_OPER", "COD_PART", "COD_ITEM", "DT_OPER", "VL_OPER", "CST_PIS", "VL_BC_PIS", "ALIQ_PIS", "VL_PIS",
                  "CST_COFINS", "VL_BC_COFINS", "ALIQ_COFINS", "VL_COFINS", "NAT_BC_CRED", "IND_ORIG_CRED", "COD_CTA",
                  "COD_CCUS", "DESC_DOC_OPER"}},
        {"M100", {"COD_CRED", "IND_CRED_ORI", "VL_BC_PIS", "ALIQ_PIS", "QUANT_BC_PIS", "ALIQ_PIS_QUANT", "VL_CRED",
                  "VL_AJUS_ACRES", "VL_AJUS_REDUC", "VL_CRED_DIF", "VL_CRED_DISP", "IND_DESC_CRED", "VL_CRED_DESC",
                  "SLD_CRED"}},
        {"M210", {"COD_CONT", "VL_REC_BRT", "VL_BC_CONT", "VL_AJUS_ACRES_BC_PIS", "VL_AJUS_REDUC_BC_PIS",
                  "VL_BC_CONT_AJUS", "ALIQ_PIS", "QUANT_BC_PIS", "ALIQ_PIS_QUANT", "VL_CONT_APUR", "VL_AJUS_ACRES",
                  "VL_AJUS_REDUC", "VL_CONT_DIFER", "VL_CONT_DIFER_ANT", "VL_CONT_PER"}},
        {"M500", {"COD_CRED", "IND_CRED_ORI", "VL_BC_COFINS", "ALIQ_COFINS", "QUANT_BC_COFINS", "ALIQ_COFINS_QUANT",
                  "VL_CRED", "VL_AJUS_ACRES", "VL_AJUS_REDUC", "VL_CRED_DIFER", "VL_CRED_DISP", "IND_DESC_CRED",
                  "VL_CRED_DESC", "SLD_CRED"}},
        {"M610", {"COD_CONT", "VL_REC_BRT", "VL_BC_CONT", "VL_AJUS_ACRES_BC_COFINS", "VL_AJUS_REDUC_BC_COFINS",
                  "VL_BC_CONT_AJUS", "ALIQ_COFINS", "QUANT_BC_COFINS", "ALIQ_COFINS_QUANT", "VL_CONT_APUR",
                  "VL_AJUS_ACRES", "VL_AJUS_REDUC", "VL_CONT_DIFER", "VL_CONT_DIFER_ANT", "VL_CONT_PER"}},
        {"1010", {"NUM_PROC", "ID_SEC_JUD", "ID_VARA", "IND_NAT_ACAO", "DESC_DEC_JUD", "DT_SENT_JUD"}},
        {"1011", {"REG_REF", "CHAVE_DOC", "COD_PART", "COD_ITEM", "DT_OPER", "VL_OPER", "CST_PIS", "VL_BC_PIS", "ALIQ_PIS",
                  "VL_PIS", "CST_COFINS", "VL_BC_COFINS", "ALIQ_COFINS", "VL_COFINS", "CST_PIS_SUSP", "VL_BC_PIS_SUSP",
                  "ALIQ_PIS_SUSP", "VL_PIS_SUSP", "CST_COFINS_SUSP", "VL_BC_COFINS_SUSP", "ALIQ_COFINS_SUSP",
                  "VL_COFINS_SUSP", "COD_CTA", "COD_CCUS", "DESC_DOC_OPER"}},
    };
    return m;
}

}  // namespace

std::vector<std::string> CamposDaLinha(const std::string& linha) {
    std::vector<std::string> c;
    if (linha.size() < 2) return c;
    size_t ini = 1;
    while (ini < linha.size()) {
        const size_t fim = linha.find('|', ini);
        c.push_back(linha.substr(ini, fim - ini));
        if (fim == std::string::npos) break;
        ini = fim + 1;
    }
    return c;
}

std::string Campo(const std::string& linha, const std::string& nome) {
    const std::vector<std::string> c = CamposDaLinha(linha);
    if (c.empty()) throw std::runtime_error("linha vazia");
    const auto it = Layouts().find(c[0]);
    if (it == Layouts().end()) throw std::runtime_error("registro sem layout no teste: " + c[0]);
    const auto& nomes = it->second;
    for (size_t i = 0; i < nomes.size(); ++i)
        if (nomes[i] == nome) {
            if (c.size() != nomes.size() + 1) throw std::runtime_error("linha com campos a mais ou a menos: " + linha);
            return c[i + 1];
        }
    throw std::runtime_error("campo " + nome + " não existe em " + c[0]);
}

std::string Campos(const std::string& linha, const std::vector<std::string>& nomes) {
    std::string r;
    for (size_t i = 0; i < nomes.size(); ++i) {
        if (i) r += '|';
        r += Campo(linha, nomes[i]);
    }
    return r;
}

std::string ArquivoGerado::Sequencia(const std::vector<std::string>& regs) const {
    std::string r;
    for (const auto& l : linhas) {
        const std::string reg = CodigoDaLinha(l);
        for (const auto& q : regs)
            if (q == reg) {
                if (!r.empty()) r += ' ';
                r += reg;
            }
    }
    return r;
}

void ExportacaoBancoBase::SetUp() {
    BancoTeste::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // The 0500 registers carry today's date.
    util::Data::FixaHoje(util::Data::FromYMD(2012, 2, 15));
    fixture::CriaEsquema(db_, 1);

    for (const auto& t : fixture::TabelasCompartilhadas()) Insere("ARQLOCAL", {{"ARQUIVO", T(t + "_001")}});
    Insere(Tab("CIDADE"), {{"COD_CID", "3550308"}, {"NOME_CID", T("SAO PAULO")}, {"COD_EST", T("SP")}});
    Insere(Tab("CIDADE"), {{"COD_CID", "3304557"}, {"NOME_CID", T("RIO DE JANEIRO")}, {"COD_EST", T("RJ")}});
    Insere(Tab("CADCEP"), {{"CEP", T("01001-000")}, {"LOGR_CEP", T("PRACA DA SE")}, {"BAIRRO", T("SE")}, {"COD_CID", "3550308"}});
    Insere(Tab("CADCEP"), {{"CEP", T("20010-000")}, {"LOGR_CEP", T("RUA PRIMEIRO DE MARCO")}, {"BAIRRO", T("CENTRO")},
                           {"COD_CID", "3304557"}});
    Insere("EMPRESA", {{"EMP_PAT", T("0001")}, {"EMP_NOME", T("EMPRESA TESTE LTDA")}, {"EMP_CNPJ", T(kCnpjEmpresa)},
                       {"EMP_ESTADO", T("SP")}, {"EMP_CEP", T("01001-000")}});
    // One fiscal type per model code, its code "M" + the model (and two the run has no builder for).
    for (const char* m : {"55", "65", "01", "1B", "04", "06", "28", "29", "07", "08", "8B", "09", "10", "11", "26", "27",
                          "57", "21", "22", "99", "2D", "1b"})
        Insere(Tab("TIPO_FISCAL"), {{"CODIGO", T(std::string("M") + m)}, {"DESCRICAO", T(std::string("MODELO ") + m)},
                                    {"ABREVI", T(m)}});
    Participante("00001", "FORNECEDOR E CLIENTE LTDA", "2", "60.701.190/0001-04", "110.042.490.114");
    Participante("00002", "JOSE DA SILVA", "1", "123.456.789-09", "ISENTO");
    // The accountant.
    Insere(Tab("ENTIDADE"), {{"CODCLI", T("09999")}, {"NOME", T(" MARIA CONTADORA ")}, {"TIPO", T("1")},
                             {"CNPJ", T("529.982.247-25")}, {"INSCRICAO", T("SP-123456/O-8")}, {"ENDERECO", T("RUA A")},
                             {"NUM_END", T("10")}, {"BAIRRO", T("CASTELO")}, {"CEP", T("20010-000")},
                             {"TELEFONE", T("(11) 3222-1100")}, {"FAX", T("")}, {"EMAIL", T("c@exemplo.com.br")}});
    Natureza venda;
    venda.codigo = "5102", venda.descricao = " VENDA DE MERCADORIA ", venda.cfop = "5.102", venda.tpBase = "1";
    venda.tipo = "S";
    Insere(venda);
    Natureza compra;
    compra.codigo = "1102", compra.descricao = "COMPRA PARA COMERCIALIZACAO", compra.cfop = "1.102";
    Insere(compra);
}

void ExportacaoBancoBase::TearDown() {
    util::Data::FixaHoje(std::nullopt);
    BancoTeste::TearDown();
}

void ExportacaoBancoBase::Sql(const std::string& comando) {
    erpdata::TTIQuery q(&db_);
    q.SetSQL(comando);
    q.ExecSQL();
}

void ExportacaoBancoBase::Insere(const std::string& tabela, const std::vector<std::pair<std::string, std::string>>& valores) {
    std::string colunas, literais;
    for (const auto& [c, v] : valores) {
        if (!colunas.empty()) {
            colunas += ", ";
            literais += ", ";
        }
        colunas += c;
        literais += v;
    }
    Sql("INSERT INTO " + tabela + " (" + colunas + ") VALUES (" + literais + ")");
}

void ExportacaoBancoBase::Participante(const std::string& codigo, const std::string& nome, const std::string& tipo,
                                       const std::string& documento, const std::string& inscricao, const std::string& cep,
                                       const std::string& pais) {
    Insere(Tab("ENTIDADE"), {{"CODCLI", T(codigo)}, {"NOME", T(nome)}, {"TIPO", T(tipo)}, {"CNPJ", T(documento)},
                             {"INSCRICAO", T(inscricao)}, {"COD_PAIS", T(pais)}, {"ENDERECO", T("AVENIDA BRASIL")},
                             {"NUM_END", T("100")}, {"COMPLEMENTO", T("")}, {"BAIRRO", T("JARDIM")}, {"CEP", T(cep)}});
}

void ExportacaoBancoBase::Insere(const Natureza& n) {
    Insere(Tab("NATUREZA"), {{"NATUREZA", T(n.codigo)}, {"DESCRICAO", T(n.descricao)}, {"CFOP", T(n.cfop)},
                             {"TIPO", T(n.tipo)}, {"TP_BASE", T(n.tpBase)}, {"DUPLI", T(n.dupli)},
                             {"NAT_CONT", T(n.natCont)}, {"ALIQ_PIS", N(n.aliqPis)}, {"ALIQ_COFINS", N(n.aliqCofins)},
                             {"COMP_BASE_PICO", T(n.compBasePico)}});
}

void ExportacaoBancoBase::Insere(const NotaSaida& n) {
    Insere(Tab("NOTA"), {{"FATURA", T(n.fatura)}, {"SERIE", T(n.serie)}, {"CODCLI", T(n.codcli)},
                         {"TIPO_FISCAL", n.modelo.empty() ? "NULL" : T("M" + n.modelo)}, {"DT_EMISSAO", T(n.emissao)},
                         {"DT_SAIDA", T(n.saida)}, {"IMPRESSO", T(n.impresso)}, {"TIPFAT", T(n.tipfat)},
                         {"BAI_EST", T(n.baiEst)}, {"CIF", T(n.cif)}, {"CHAVE_NFE", T(n.chave)}, {"DOCTO", T(n.docto)},
                         {"BASE_CALC", N(n.baseCalc)}, {"VALOR", N(n.valor)}, {"VAL_PRODUTOS", N(n.valProdutos)},
                         {"VAL_FRETE", N(n.frete)}, {"VAL_SEGURO", N(n.seguro)}, {"VAL_ICMS", N(n.valIcms)},
                         {"VAL_IPI", N(n.valIpi)}, {"DESCONTO", N(n.desconto)}, {"DESPESAS", N(n.despesas)},
                         {"VAL_PIS", N(n.valPis)}, {"VAL_COFINS", N(n.valCofins)}, {"VAL_SUBST", N(n.valSubst)},
                         {"BASE_SUBST", N(n.baseSubst)}});
    int item = 0;
    for (const ItemSaida& i : n.itens)
        Insere(Tab("NOTAITEN"), {{"FATURA", T(n.fatura)}, {"ITEM", std::to_string(++item)}, {"CODIGO", T(i.codigo)},
                                 {"COR", T(i.cor)}, {"DESCRICAO", T(i.descricao)}, {"TIPO_IT", T(i.tipoIt)},
                                 {"UNIDADE", T(i.unidade)}, {"NATUREZA", T(i.natureza)}, {"CODSPED", T(i.codsped)},
                                 {"CLA_TRIB", T(i.claTrib)}, {"TRIB_PIS", T(i.tribPis)},
                                 {"TRIB_COFINS", T(i.tribCofins)}, {"TRIB_IPI", T(i.tribIpi)}, {"EMPENHO", T(i.empenho)},
                                 {"QTDE", N(i.qtde)}, {"PRECO", N(i.valor / (i.qtde ? i.qtde : 1))}, {"VALOR", N(i.valor)},
                                 {"BASE_ICMS", N(i.baseIcms)}, {"PERC_ICMS", N(i.percIcms)}, {"BASE_IPI", N(i.baseIpi)},
                                 {"PERC_IPI", N(i.percIpi)}, {"BASE_PIS", N(i.basePis)}, {"PERC_PIS", N(i.percPis)},
                                 {"BASE_COFINS", N(i.baseCofins)}, {"PERC_COFINS", N(i.percCofins)},
                                 {"VALOR_ST", N(i.valorSt)}, {"BASE_ST", N(i.baseSt)}});
}

void ExportacaoBancoBase::Insere(const NotaEntrada& n) {
    Insere(Tab("NOTA_ENTRA"), {{"NOTAFISCAL", T(n.notafiscal)}, {"CREDOR", T(n.credor)}, {"SERIE", T(n.serie)},
                               {"TIPO", T("M" + n.modelo)}, {"DT_EMISSAO", T(n.emissao)}, {"DT_ENTRADA", T(n.entrada)},
                               {"BASE_ICM", N(n.baseIcm)}, {"VALOR", N(n.valor)}, {"VAL_PRODUTOS", N(n.valProdutos)},
                               {"FRETENF", N(n.frete)}, {"SEGURO", N(n.seguro)}, {"VALOR_ICM", N(n.valorIcm)},
                               {"VALOR_IPI", N(n.valorIpi)}, {"DESCONTO", N(n.desconto)}, {"DESPESA", N(n.despesa)},
                               {"PIS", N(n.pis)}, {"COFINS", N(n.cofins)}, {"PIS_RET", N(n.pisRet)},
                               {"COFINS_RET", N(n.cofinsRet)}, {"VALOR_ISS", N(n.valorIss)}, {"VALOR_ST", N(n.valorSt)},
                               {"BASE_ST", N(n.baseSt)}, {"NSU", T(n.nsu)}, {"TP_FRETE", T(n.tpFrete)},
                               {"DOCTO", T(n.docto)}});
    int item = 0;
    for (const ItemEntrada& i : n.itens)
        Insere(Tab("NF_ENTRA_ITEN"), {{"NUMERO", T(n.notafiscal)}, {"CODCRE", T(n.credor)}, {"SERIE", T(n.serie)},
                                      {"ITEM", std::to_string(++item)}, {"CODIGO", T(i.codigo)}, {"COR", T(i.cor)},
                                      {"DESCRICAO", T(i.descricao)}, {"TIPO", T(i.tipo)}, {"UNIDADE", T(i.unidade)},
                                      {"NATUREZA", T(i.natureza)}, {"CODSPED", T(i.codsped)},
                                      {"CLATRIB", T(i.claTrib)}, {"TRIB_PIS", T(i.tribPis)},
                                      {"TRIB_COFINS", T(i.tribCofins)}, {"TRIB_IPI", T(i.tribIpi)},
                                      {"ESTOQUE", T(i.estoque)}, {"QTDE", N(i.qtde)}, {"VALOR", N(i.valor)},
                                      {"VALOR_TOT", N(i.valorTot)}, {"VAL_DESC", N(i.valDesc)},
                                      {"BASE_ICMS", N(i.baseIcms)}, {"ICMS", N(i.icms)}, {"VAL_ICMS", N(i.valIcms)},
                                      {"BASE_IPI", N(i.baseIpi)}, {"VLR_IPI", N(i.vlrIpi)},
                                      {"VALOR_ST", N(i.valorSt)}, {"BASE_ST", N(i.baseSt)}});
}

void ExportacaoBancoBase::Produto(const std::string& codigo, const std::string& unidade, const std::string& codsped,
                                  const std::string& codfis, double icms) {
    Insere(Tab("PRODUTO"), {{"CODIGO", T(codigo)}, {"DESCRICAO", T("PRODUTO " + codigo)}, {"UNIDADE", T(unidade)},
                            {"CODSPED", T(codsped)}, {"CODFIS", T(codfis)}, {"ICMS", N(icms)}});
}

void ExportacaoBancoBase::Material(const std::string& codigo, const std::string& unidade, const std::string& codsped,
                                   const std::string& codfis) {
    Insere(Tab("MATERIAL"), {{"CODIGO", T(codigo)}, {"DESCRICAO", T("MATERIAL " + codigo)}, {"UNIDADE", T(unidade)},
                             {"CODSPED", T(codsped)}, {"CODFIS", T(codfis)}});
}

void ExportacaoBancoBase::Servico(const std::string& codigo, const std::string& unidade, const std::string& codsped) {
    Insere(Tab("SERVICO"), {{"CODIGO", T(codigo)}, {"DESCRICAO", T("SERVICO " + codigo)}, {"UNIDADE", T(unidade)},
                            {"CODSPED", T(codsped)}});
}

void ExportacaoBancoBase::ContaContabil(const std::string& codigo, const std::string& grupo, const std::string& descricao,
                                const std::string& conta2, const std::string& ctResult) {
    Insere(Tab("CONTA_CONT"), {{"CODIGO", T(codigo)}, {"CONTA", T(codigo)}, {"GRUPO", grupo}, {"DESCRICAO", T(descricao)},
                               {"CONTA2", T(conta2)}, {"CT_RESULT", T(ctResult)}});
}

void ExportacaoBancoBase::NatConta(const std::string& codigo, const std::string& contaC, const std::string& contaD) {
    Insere(Tab("NAT_CONTA"), {{"CODIGO", T(codigo)}, {"TIPO", T("VF")}, {"CONTA_C", T(contaC)}, {"CONTA_D", T(contaD)}});
}

void ExportacaoBancoBase::Contabil(int id, const std::string& numero, const std::string& codcli,
                                   const std::string& contaC, const std::string& contaD) {
    Insere(Tab("CONTABIL"), {{"ID", std::to_string(id)}, {"NUMERO", T(numero)}, {"CODCLI", T(codcli)},
                             {"CONTA_C", T(contaC)}, {"CONTA_D", T(contaD)}, {"VALOR", "0"}});
}

void ExportacaoBancoBase::Parametro(const std::string& tipo, int codigo, const std::string& valor) {
    Insere("EMP_PARAM", {{"TIPO", T(tipo)}, {"CODIGO", std::to_string(codigo)}, {"EMPRESA", T("001")},
                         {"VALOR", T(valor)}});
}

void ExportacaoBancoBase::Recebimento(int id, const std::string& pagamento, double juros) {
    Insere(Tab("RECEBERB"), {{"ID", std::to_string(id)}, {"DOCUMENTO", T("R" + std::to_string(id))},
                             {"CODCLI", T("00001")}, {"DT_PAGTO", T(pagamento)}, {"VALOR", "100"}, {"JUROS", N(juros)}});
}

exportacao::TEntradasExportacao ExportacaoBancoBase::Entradas() const {
    exportacao::TEntradasExportacao e;
    e.empresa = kEntradaEmpresa;
    e.dtEntIni = util::Data::FromYMD(2012, 1, 1);
    e.dtEntFim = util::Data::FromYMD(2012, 1, 31);
    e.EdtArq = "SPED_Contribuicoes_0112.txt";
    e.EdtLocal = pasta_.Path().string();
    e.cbZerado = true;
    e.config.EdtContador = "09999";
    return e;
}

ArquivoGerado ExportacaoBancoBase::Exporta(const exportacao::TEntradasExportacao& e, int antecipacao) {
    db_.Transacao().CommitRetaining();
    erpdata::TContextoERP ctx(db_);
    ctx.CarregaArqLocal();
    InterfaceTeste ui;
    exportacao::TExportacao exportacao(ctx, ui);
    if (antecipacao > 0) exportacao.DocumentosAntecipacao(antecipacao);
    ArquivoGerado a;
    a.relatorio = exportacao.Executa(e);
    a.mensagens = ui.mensagens;
    EXPECT_EQ(ui.cursor, 0) << "o cursor de espera ficou ligado";
    if (a.relatorio.resultado != exportacao::TResultadoExportacao::Gerado) return a;
    EXPECT_EQ(ConfereArquivoEFD(a.relatorio.arquivo), std::vector<std::string>{});
    std::vector<std::string> problemas;
    a.linhas = LeArquivoEFD(LeBytes(a.relatorio.arquivo), problemas).linhas;
    return a;
}

}  // namespace teste
