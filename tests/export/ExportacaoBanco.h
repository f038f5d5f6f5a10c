#pragma once
// The export run on a real ERP database holding a small hand-made fixture: one
// company, a few participants, natures and fiscal types, and whatever documents a
// test inserts. The run is TExportacao itself, in-process; the file it writes is
// read back and each line's fields can be read by their layout names.
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BancoTeste.h"
#include "GeradorERP.h"
#include "common/ConfereArquivoEFD.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/TIQuery.h"
#include "export/Exportacao.h"
#include "util/Data.h"

#ifdef BANCO_PG
#define ExportacaoBanco ExportacaoPG
#define ConfiguracoesBanco ConfiguracoesPG
#else
#define ExportacaoBanco ExportacaoFB
#define ConfiguracoesBanco ConfiguracoesFB
#endif

namespace teste {

// SQL literals.
inline std::string T(const std::string& texto) { return erpdata::TContextoERP::Aspas(texto); }
inline std::string N(double valor) {
    char b[64];
    std::snprintf(b, sizeof b, "%.6f", valor);
    return b;
}

// Participants of the fixture: a company (TIPO 2), a person (TIPO 1), the accountant.
inline const std::string kCnpjEmpresa = "11.222.333/0001-81";
inline const std::string kEntradaEmpresa = "0001 - EMPRESA TESTE LTDA";

// An item line of an outgoing invoice (NOTAITEN). PIS and COFINS base and rate are
// the item's own.
struct ItemSaida {
    std::string codigo = "P01";
    std::string descricao = "PRODUTO UM";
    std::string unidade = "UN";
    std::string natureza = "5102";
    std::string tipoIt = "P";
    std::string claTrib = "000";
    std::string tribPis = "01", tribCofins = "01", tribIpi = "50";
    std::string empenho = "N";
    std::string cor;
    std::string codsped;
    double qtde = 1, valor = 100;
    double baseIcms = 0, percIcms = 0, baseIpi = 0, percIpi = 0;
    double basePis = 100, percPis = 1.65, baseCofins = 100, percCofins = 7.6;
    double valorSt = 0, baseSt = 0;
};

// An outgoing invoice (NOTA). `modelo` picks the fiscal type whose ABREVI it is;
// empty leaves TIPO_FISCAL null (the query then reads model 55).
struct NotaSaida {
    std::string fatura = "1";
    std::string serie = "1";
    std::string codcli = "00001";
    std::string modelo = "55";
    std::string emissao = "2012-01-10", saida = "2012-01-11";
    std::string impresso = "S", tipfat, baiEst = "S", cif = "1", chave, docto;
    double valor = 100, valProdutos = 100, desconto = 0, frete = 0, seguro = 0, despesas = 0;
    double baseCalc = 0, valIcms = 0, valIpi = 0, valPis = 1.65, valCofins = 7.6, valSubst = 0, baseSubst = 0;
    std::vector<ItemSaida> itens;
};

// An item line of an incoming invoice (NF_ENTRA_ITEN). Its PIS/COFINS base is
// VALOR_TOT - VAL_DESC and its rates come from the nature.
struct ItemEntrada {
    std::string codigo = "M01";
    std::string descricao = "MATERIAL UM";
    std::string unidade = "KG";
    std::string natureza = "1102";
    std::string tipo = "M";
    std::string claTrib = "000";
    std::string tribPis = "50", tribCofins = "50", tribIpi = "49";
    std::string estoque = "S", cor, codsped;
    double qtde = 1, valor = 100, valorTot = 100, valDesc = 0;
    double baseIcms = 0, icms = 0, valIcms = 0, baseIpi = 0, vlrIpi = 0, valorSt = 0, baseSt = 0;
};

// An incoming invoice (NOTA_ENTRA).
struct NotaEntrada {
    std::string notafiscal = "5001";
    std::string credor = "00001";
    std::string serie = "1";
    std::string modelo = "55";
    std::string emissao = "2012-01-05", entrada = "2012-01-06";
    std::string nsu, tpFrete = "3", docto;
    double valor = 100, valProdutos = 100, desconto = 0, frete = 0, seguro = 0, despesa = 0;
    double baseIcm = 0, valorIcm = 0, valorIpi = 0, pis = 1.65, cofins = 7.6;
    double pisRet = 0, cofinsRet = 0, valorIss = 0, valorSt = 0, baseSt = 0;
    std::vector<ItemEntrada> itens;
};

// An operation nature (NATUREZA).
struct Natureza {
    std::string codigo;
    std::string descricao;
    std::string cfop;
    std::string tpBase = "0";      // "1": output operation
    std::string tipo = "E";        // "D": a return
    std::string dupli = "S";
    std::string natCont;
    double aliqPis = 1.65, aliqCofins = 7.6;
    std::string compBasePico;      // "S" in third place: ICMS excluded from the base
};

// Messages and focus of the run, as the window would show them.
class InterfaceTeste : public exportacao::TInterfaceExportacao {
public:
    void Mensagem(const std::string& texto) override { mensagens.push_back(texto); }
    void Foca(exportacao::TControle c) override { focos.push_back(c); }
    void CursorEspera(bool ligado) override { cursor += ligado ? 1 : -1; }
    std::vector<std::string> mensagens;
    std::vector<exportacao::TControle> focos;
    int cursor = 0;
};

// The written file, line by line, with its fields readable by name.
struct ArquivoGerado {
    exportacao::TRelatorioExportacao relatorio;
    std::vector<std::string> mensagens;
    std::vector<std::string> linhas;   // Windows-1252 bytes, without CR LF

    std::vector<std::string> Registros(const std::string& reg) const {
        std::vector<std::string> r;
        for (const auto& l : linhas)
            if (CodigoDaLinha(l) == reg) r.push_back(l);
        return r;
    }
    size_t Conta(const std::string& reg) const { return Registros(reg).size(); }
    // The first line of a register, or "" when the file has none.
    std::string Primeiro(const std::string& reg) const {
        const auto r = Registros(reg);
        return r.empty() ? std::string() : r.front();
    }
    // The registers in file order, e.g. "C100 C170 C170 C100 C170".
    std::string Sequencia(const std::vector<std::string>& regs) const;
};

// The fields of a line, REG first.
std::vector<std::string> CamposDaLinha(const std::string& linha);
// A field of a line by its layout name ("C170", "VL_PIS").
std::string Campo(const std::string& linha, const std::string& nome);
// Several fields of a line joined by "|", for compact expectations.
std::string Campos(const std::string& linha, const std::vector<std::string>& nomes);

class ExportacaoBancoBase : public BancoTeste {
protected:
    void SetUp() override;
    void TearDown() override;

    // One statement, executed at once.
    void Sql(const std::string& comando);
    // "INSERT INTO tabela (c1, ...) VALUES (v1, ...)" from (column, SQL literal) pairs.
    void Insere(const std::string& tabela, const std::vector<std::pair<std::string, std::string>>& valores);

    void Participante(const std::string& codigo, const std::string& nome, const std::string& tipo,
                      const std::string& documento, const std::string& inscricao = "",
                      const std::string& cep = "01001-000", const std::string& pais = "1058");
    void Insere(const Natureza& n);
    void Insere(const NotaSaida& n);
    void Insere(const NotaEntrada& n);
    void Produto(const std::string& codigo, const std::string& unidade, const std::string& codsped,
                 const std::string& codfis, double icms);
    void Material(const std::string& codigo, const std::string& unidade, const std::string& codsped,
                  const std::string& codfis);
    void Servico(const std::string& codigo, const std::string& unidade, const std::string& codsped);
    void ContaContabil(const std::string& codigo, const std::string& grupo, const std::string& descricao,
               const std::string& conta2, const std::string& ctResult = "S");
    void NatConta(const std::string& codigo, const std::string& contaC, const std::string& contaD);
    void Contabil(int id, const std::string& numero, const std::string& codcli, const std::string& contaC,
                  const std::string& contaD);
    void Parametro(const std::string& tipo, int codigo, const std::string& valor);
    void Recebimento(int id, const std::string& pagamento, double juros);

    // The window's inputs for January 2012 and the fixture's company, with the
    // accountant typed and documents of any PIS/COFINS value.
    exportacao::TEntradasExportacao Entradas() const;
    // Runs the export and reads the file back (it must be consistent: block 9,
    // closing counts, CR LF).
    // `antecipacao` > 0 writes block C ahead every that many documents.
    ArquivoGerado Exporta(const exportacao::TEntradasExportacao& e, int antecipacao = 0);
    ArquivoGerado Exporta() { return Exporta(Entradas()); }

    // Physical name of a per-company table.
    static std::string Tab(const std::string& logico) { return fixture::NomeFisico(logico, "0001"); }
};

}  // namespace teste
