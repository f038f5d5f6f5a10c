#pragma once
// The program's one window: the company selector, the tab "Gerar Arquivo" with the
// run's parameters and the button "&Gerar", and the tab "Configurações" with the
// company's export settings. The event handlers are named methods so that tests
// can drive the real window.
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "export/ConfiguracoesSped.h"
#include "export/Exportacao.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace erpdata {
class TTIDatabase;
class TContextoERP;
}  // namespace erpdata

namespace janela {

class TCampoData;

// A message box of the window: always titled with the window caption.
struct TMensagemJanela {
    enum class Tipo { Informacao, Erro };
    Tipo tipo = Tipo::Informacao;
    std::string texto;
    std::string detalhes;  // offered behind the box's "details" button when not empty
};
// Shows a message and returns when the user closed it. Tests replace it.
using TApresentaMensagem = std::function<void(const TMensagemJanela&)>;

// The window's own presenter: a modal message box over `pai`, titled with the
// window caption, with the details behind its "details" button.
void MostraCaixaMensagem(QWidget* pai, const TMensagemJanela& m);

struct TOpcoesJanela {
    // The configuration file; default: "TI.ini", else "Velmora.ini", beside the program.
    std::optional<std::filesystem::path> arquivoConfig;
    // Folder of the program: where the configuration file is looked for when none is
    // named, and where the default output folder "SPED" is made.
    std::string pastaPrograma;
    // Message boxes; default: a modal QMessageBox.
    TApresentaMensagem apresenta;
    // The progress bar moves and the window takes input while rows go by. Off only
    // to measure what that costs (bench/bench_janela_progresso).
    bool atualizaProgresso = true;
};

// A chosen full path split into its folder (ending in its separator) and file name;
// both "\" and "/" separate.
std::pair<std::string, std::string> SeparaPastaArquivo(const std::string& caminho);

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(TOpcoesJanela opcoes = {});
    ~TForm1() override;

    // Window creation: size, default period, output folder, connection, company
    // list and the first company's settings.
    void FormCreate();
    // Window closing: frees the alias list and closes the connection.
    void FormClose();

    // First tab.
    void dtEntIniExit();
    void EdtLocalExit();
    void SpeedButton1Click();
    // What the folder button does with the path chosen in the dialog.
    void DefineArquivoEscolhido(const QString& caminho);
    void BitBtn1Click();

    // Settings tab.
    void CbEmpresaChange();
    void BtGravarClick();
    void EdtContadorChange();
    // The tab's values, as the run and the save read them, and their display.
    exportacao::TConfiguracoesSped ConfiguracoesDaTela() const;
    void MostraConfiguracoes(const exportacao::TConfiguracoesSped& c);
    // The run's inputs from the controls.
    exportacao::TEntradasExportacao EntradasDaTela() const;

    const std::string& FPastaSPED() const { return FPastaSPED_; }
    // The configuration file the window connects from, chosen at creation.
    const std::filesystem::path& ArquivoConfig() const { return arquivoConfig_; }
    bool Conectado() const;
    bool Executando() const { return executando_; }
    // The report of the last run that reached its end (tests and the demo).
    const std::optional<exportacao::TRelatorioExportacao>& UltimoRelatorio() const { return ultimoRelatorio_; }
    void DefineApresentador(TApresentaMensagem apresenta);

    // Controls, named as the window always named them.
    QComboBox* CbEmpresa = nullptr;
    QTabWidget* PageControl1 = nullptr;
    TCampoData* dtEntIni = nullptr;
    TCampoData* dtEntFim = nullptr;
    QCheckBox* CbF100 = nullptr;
    QCheckBox* cbZerado = nullptr;
    QCheckBox* CbItensNFCe = nullptr;
    QCheckBox* cbC175 = nullptr;
    QLineEdit* EdtArq = nullptr;
    QLineEdit* EdtNota = nullptr;
    QLineEdit* EdtLocal = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    QLineEdit* EdtContador = nullptr;
    QLineEdit* EdtNomeContador = nullptr;
    QComboBox* CbComplemento = nullptr;
    QLineEdit* EdtProcesso = nullptr;
    QLineEdit* Edtsecao = nullptr;
    QLineEdit* EdtVara = nullptr;
    TCampoData* EdtDataSentenca = nullptr;
    QLineEdit* EdtDescJudicial = nullptr;
    QComboBox* CbIndAcao = nullptr;
    QComboBox* CbIndicador = nullptr;
    QPushButton* BtGravar = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    class TInterfaceJanela;

    void MontaTela();
    void MontaAbaGerar(QWidget* aba);
    void MontaAbaConfiguracoes(QWidget* aba);
    void DefineOrdemTab();
    void Mostra(TMensagemJanela::Tipo tipo, const std::string& texto, const std::string& detalhes = {});
    // After a successful connect: the ARQLOCAL aliases, and the company list with
    // the first company's settings when the list is still empty.
    void CarregaDoBanco();
    // A new connection from the configuration file, replacing a lost or closed one;
    // false, after saying why, when it cannot be opened.
    bool Reconecta();
    // Before a run or a save: a connection that answers (reconnecting when it does
    // not) and a company list; false, after saying why, when there is none.
    bool PreparaConexao();
    // The selected company's settings into the tab.
    void CarregaConfiguracoesDaEmpresa();

    TOpcoesJanela opcoes_;
    std::filesystem::path arquivoConfig_;
    std::unique_ptr<erpdata::TTIDatabase> TIDatabase1;
    std::unique_ptr<erpdata::TContextoERP> ctx_;
    std::string FPastaSPED_;
    bool executando_ = false;
    bool fechada_ = false;
    std::optional<exportacao::TRelatorioExportacao> ultimoRelatorio_;
};

}  // namespace janela
