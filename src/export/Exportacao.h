#pragma once
// One export run: checks the output name, queries the company's documents of the
// period, walks the rows through one builder per register family, totals block M
// and writes the file. The window and the command line drive the same run; they
// pass the values of their controls and receive messages, progress and data checks
// through TInterfaceExportacao.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "efd/GeradorEFD.h"
#include "export/ConfiguracoesSped.h"
#include "util/Data.h"

namespace erpdata {
class TContextoERP;
class TTIQuery;
class TTIField;
}  // namespace erpdata

namespace exportacao {

// The run's inputs: the values of the window's controls.
struct TEntradasExportacao {
    std::string empresa;          // CbEmpresa: EMP_PAT + " - " + EMP_NOME
    util::Data dtEntIni;          // first day of the period
    util::Data dtEntFim;          // last day of the period
    std::string EdtArq;           // output file name
    std::string EdtLocal;         // output folder
    std::string EdtNota;          // one document number, or empty
    bool CbF100 = false;          // "Demais operações de contribuições e créditos (F100)"
    bool cbZerado = false;        // "Gerar registros com PIS/COFINS zerado"
    bool CbItensNFCe = false;     // "Itens Nota Fiscal para NFCe (C170) "
    bool cbC175 = false;          // "Registro Analítico NFCe (C175)"
    TConfiguracoesSped config;    // the settings tab
};

enum class TControle { EdtArq, EdtLocal };

// What the run asks of its front end.
class TInterfaceExportacao {
public:
    virtual ~TInterfaceExportacao() = default;
    // A plain message box titled with the window caption; returns when closed.
    virtual void Mensagem(const std::string& texto) = 0;
    virtual void Foca(TControle) {}
    // The database-wait pointer on or off.
    virtual void CursorEspera(bool) {}
    // The documents are being fetched (rows so far): the interface may repaint.
    virtual void BuscandoLinhas(int64_t /*linhas*/) {}
    // True when BuscandoLinhas should be heard all through the documents query, also
    // while the server works out its first row: the query then runs on a second
    // connection in a worker thread.
    virtual bool BuscaEmSegundoPlano() const { return false; }
    // A batch of the file's lines was written: the interface may repaint.
    virtual void GravandoArquivo() {}
    virtual void IniciaProgresso(int64_t /*maximo*/) {}
    // One row done: advance the progress bar and let the interface process input.
    virtual void AvancaProgresso() {}
    // A data check of the writer (CNPJ, CPF, dates...); never stops the run.
    virtual void AvisoDados(const std::string&) {}
};

enum class TResultadoExportacao { Gerado, Cancelado };

struct TRelatorioExportacao {
    TResultadoExportacao resultado = TResultadoExportacao::Cancelado;
    std::string arquivo;                 // full path of the file written
    std::vector<std::string> avisos;     // the writer's data checks, in order
    int64_t linhasConsulta = 0;          // rows of the documents query
};

// The window caption, title of the run's message boxes.
inline constexpr const char* kTituloJanela = " Exportação SPED Contribuições - Norvale Sistemas ";

class TExportacao {
public:
    // Complete goods documents kept in memory before block C is written ahead
    // (tests lower it to exercise the writing ahead on small data).
    static constexpr int kDocumentosAntecipacao = 2000;
    void DocumentosAntecipacao(int n) { documentosAntecipacao_ = n; }

    TExportacao(erpdata::TContextoERP& ctx, TInterfaceExportacao& ui);
    ~TExportacao();

    // The whole run. Every run starts from empty tables, an empty key list and a
    // fresh writer. Errors (database, writer, file) propagate as exceptions; the
    // previous output file is then left as it was.
    TRelatorioExportacao Executa(const TEntradasExportacao& entradas);

private:
    struct Colunas;        // the documents query's columns, resolved once
    struct Estado;         // the run state and in-memory tables
    struct DocumentoC100;  // a goods document opened in the file
    struct DocumentoA100;  // a service document opened in the file

    // Run steps.
    void MontaSQL();
    void LeEmpresa();
    void CriaRegistrosAbertura();
    void ProcessaLinha();

    // Builders, one per register family.
    void GeraC100();
    void GeraC170(DocumentoC100& doc, bool exclusaoIcms);
    void GeraC175(DocumentoC100& doc);
    void EscreveC175(DocumentoC100& doc);
    void FechaDocumentos();
    void AntecipaBlocoCSeGrande();
    void GeraC500();
    void GeraBlocoA();
    void GeraD100();
    void GeraD500();
    void GeraF100();
    void AcumulaBlocoM();
    void GeraRegistrosBlocoM();
    void GeraRegistro0100();
    void GeraC110(DocumentoC100& doc);
    void GeraRegistro1010();
    void GeraRegistro1011();

    // Block 0 master data.
    void AdicionaParticipante();
    void AdicionaItem(const std::string& codigo);
    std::string LeNcmDaCor(const std::string& cor);
    void AdicionaUnidade(const std::string& codigo);
    void AdicionaNatureza(const std::string& codigo);
    void AdicionaInformacaoComplementar();

    // Accounts.
    void CarregaContas();
    std::string ResolveConta(const std::string& tipo, const std::string& direcao, const std::string& participante,
                             const std::string& documento, const std::string& contaNatureza);
    std::string ResolveContaDaLinha();
    void GeraRegistro0500(const std::string& conta);

    erpdata::TContextoERP& ctx_;
    TInterfaceExportacao& ui_;
    const TEntradasExportacao* e_ = nullptr;
    std::unique_ptr<efd::TGeradorEFD> sped_;
    std::unique_ptr<erpdata::TTIQuery> QryNota;
    std::unique_ptr<erpdata::TTIQuery> QryAux;
    std::unique_ptr<erpdata::TTIQuery> QryReceber;
    std::unique_ptr<erpdata::TTIQuery> QryCtaNatureza;
    std::unique_ptr<erpdata::TTIQuery> QryCtaContabil;
    std::unique_ptr<Colunas> col_;
    std::unique_ptr<Estado> st_;
    int documentosAntecipacao_ = kDocumentosAntecipacao;
};

}  // namespace exportacao
