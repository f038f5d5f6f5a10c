#include "JanelaPrincipal.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <exception>

#include "CampoData.h"
#include "erpdata/ConfigBanco.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/TIDatabase.h"
#include "export/Inicializacao.h"
#include "util/Sistema.h"

namespace janela {

using exportacao::TConfiguracoesSped;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// Everything typed becomes upper case, as the decision text is kept.
class TMaiusculas : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        texto = texto.toUpper();
        return Acceptable;
    }
};

// The run repaints and takes input at most this often; a row every few
// microseconds must not pay for an event loop pass each.
constexpr qint64 kIntervaloProgressoMs = 40;

}  // namespace

std::pair<std::string, std::string> SeparaPastaArquivo(const std::string& caminho) {
    // The folder is everything up to the last separator, so a folder whose name
    // repeats the file's name keeps it.
    const size_t barra = caminho.find_last_of("\\/");
    if (barra == std::string::npos) return {std::string(), caminho};
    return {caminho.substr(0, barra + 1), caminho.substr(barra + 1)};
}

void MostraCaixaMensagem(QWidget* pai, const TMensagemJanela& m) {
    QMessageBox caixa(m.tipo == TMensagemJanela::Tipo::Erro ? QMessageBox::Critical : QMessageBox::Information,
                      QString::fromUtf8(exportacao::kTituloJanela), Q(m.texto), QMessageBox::Ok, pai);
    if (!m.detalhes.empty()) caixa.setDetailedText(Q(m.detalhes));
    caixa.exec();
}

// What the run asks of the window: message boxes, focus, the wait pointer and the
// progress bar, which repaints and lets the window take input while rows go by.
class TForm1::TInterfaceJanela : public exportacao::TInterfaceExportacao {
public:
    explicit TInterfaceJanela(TForm1& f) : f_(f) {}
    ~TInterfaceJanela() override { RestauraCursor(); }

    void Mensagem(const std::string& texto) override { f_.Mostra(TMensagemJanela::Tipo::Informacao, texto); }
    void Foca(exportacao::TControle c) override {
        (c == exportacao::TControle::EdtArq ? f_.EdtArq : f_.EdtLocal)->setFocus(Qt::OtherFocusReason);
    }
    void CursorEspera(bool ligado) override {
        if (ligado) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            ++cursores_;
        } else if (cursores_ > 0) {
            QApplication::restoreOverrideCursor();
            --cursores_;
        }
    }
    // While the documents are fetched the bar shows activity and the window keeps
    // repainting and taking input (the buttons that could start anything are off).
    void BuscandoLinhas(int64_t) override {
        if (!f_.opcoes_.atualizaProgresso) return;
        if (!buscando_) {
            buscando_ = true;
            f_.ProgressBar1->setRange(0, 0);
            Atualiza(true);
            return;
        }
        Atualiza(false);
    }
    bool BuscaEmSegundoPlano() const override { return f_.opcoes_.atualizaProgresso; }
    // While the file is written the bar stays full and the window keeps repainting.
    void GravandoArquivo() override {
        if (f_.opcoes_.atualizaProgresso) Atualiza(false);
    }
    void IniciaProgresso(int64_t maximo) override {
        buscando_ = false;
        if (!f_.opcoes_.atualizaProgresso) return;
        maximo_ = maximo;
        feitos_ = 0;
        // A maximum of zero would turn the bar into a busy indicator.
        f_.ProgressBar1->setRange(0, static_cast<int>(std::clamp<int64_t>(maximo, 1, INT_MAX)));
        f_.ProgressBar1->setValue(0);
        Atualiza(true);
    }
    void AvancaProgresso() override {
        if (!f_.opcoes_.atualizaProgresso) return;
        ++feitos_;
        if (feitos_ < maximo_ && !HoraDeAtualizar()) return;
        f_.ProgressBar1->setValue(static_cast<int>(std::min<int64_t>(feitos_, INT_MAX)));
        Atualiza(true);
    }
    // The report lists the data checks; nothing to do row by row.
    void AvisoDados(const std::string&) override {}

    // Whatever way the run ended, the pointer goes back to normal.
    void RestauraCursor() {
        for (; cursores_ > 0; --cursores_) QApplication::restoreOverrideCursor();
    }

private:
    bool HoraDeAtualizar() const { return !relogio_.isValid() || relogio_.elapsed() >= kIntervaloProgressoMs; }
    // Repaints the bar and takes pending input, at most every kIntervaloProgressoMs
    // unless `agora` (a busy bar, or one whose value did not move, only repaints
    // when asked).
    void Atualiza(bool agora) {
        if (!agora && !HoraDeAtualizar()) return;
        f_.ProgressBar1->update();
        QCoreApplication::processEvents();
        relogio_.start();
    }

    TForm1& f_;
    int cursores_ = 0;
    bool buscando_ = false;
    int64_t maximo_ = 0;
    int64_t feitos_ = 0;
    QElapsedTimer relogio_;
};

TForm1::TForm1(TOpcoesJanela opcoes)
    : QWidget(nullptr),
      opcoes_(std::move(opcoes)),
      TIDatabase1(std::make_unique<erpdata::TTIDatabase>()),
      ctx_(std::make_unique<erpdata::TContextoERP>(*TIDatabase1)) {
    if (opcoes_.pastaPrograma.empty()) opcoes_.pastaPrograma = util::PastaDoPrograma();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(exportacao::kTituloJanela));
    QFont fonte(QStringLiteral("Tahoma"));
    fonte.setPixelSize(13);
    setFont(fonte);
    MontaTela();
}

TForm1::~TForm1() {
    if (!fechada_) FormClose();
}

void TForm1::DefineApresentador(TApresentaMensagem apresenta) { opcoes_.apresenta = std::move(apresenta); }

bool TForm1::Conectado() const { return TIDatabase1->Conectado(); }

// ---------------------------------------------------------------------------
// Layout

void TForm1::MontaTela() {
    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(6, 6, 6, 6);
    principal->setSpacing(6);

    // Top panel: the company.
    auto* painel = new QHBoxLayout;
    auto* rotuloEmpresa = new QLabel(QStringLiteral("Empresa"), this);
    CbEmpresa = new QComboBox(this);
    CbEmpresa->setObjectName(QStringLiteral("CbEmpresa"));
    CbEmpresa->setEditable(false);
    CbEmpresa->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CbEmpresa->setMinimumContentsLength(30);
    rotuloEmpresa->setBuddy(CbEmpresa);
    painel->addWidget(rotuloEmpresa);
    painel->addWidget(CbEmpresa, 1);
    principal->addLayout(painel);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* abaGerar = new QWidget;
    abaGerar->setObjectName(QStringLiteral("TabSheet1"));
    auto* abaConfig = new QWidget;
    abaConfig->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(abaGerar, QStringLiteral("Gerar Arquivo"));
    PageControl1->addTab(abaConfig, QStringLiteral("Configurações"));
    principal->addWidget(PageControl1, 1);

    MontaAbaGerar(abaGerar);
    MontaAbaConfiguracoes(abaConfig);
    DefineOrdemTab();

    // Enter moves on like Tab in edits, combo boxes, check boxes and date fields.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w))
            w->installEventFilter(this);
    }

    connect(CbEmpresa, &QComboBox::currentIndexChanged, this, [this] { CbEmpresaChange(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BtGravar, &QPushButton::clicked, this, [this] { BtGravarClick(); });
    connect(EdtContador, &QLineEdit::textChanged, this, [this] { EdtContadorChange(); });
}

void TForm1::MontaAbaGerar(QWidget* aba) {
    auto* grade = new QGridLayout(aba);
    grade->setColumnStretch(1, 1);

    auto* periodo = new QGroupBox(QStringLiteral("Período Entrada/Saída"), aba);
    auto* lp = new QHBoxLayout(periodo);
    dtEntIni = new TCampoData(periodo);
    dtEntIni->setObjectName(QStringLiteral("dtEntIni"));
    dtEntFim = new TCampoData(periodo);
    dtEntFim->setObjectName(QStringLiteral("dtEntFim"));
    for (TCampoData* d : {dtEntIni, dtEntFim}) d->setFixedWidth(120);
    auto* rotuloDe = new QLabel(QStringLiteral("De"), periodo);
    rotuloDe->setBuddy(dtEntIni);
    auto* rotuloAte = new QLabel(QStringLiteral("Até"), periodo);
    rotuloAte->setBuddy(dtEntFim);
    lp->addWidget(rotuloDe);
    lp->addWidget(dtEntIni);
    lp->addSpacing(12);
    lp->addWidget(rotuloAte);
    lp->addWidget(dtEntFim);
    lp->addStretch(1);
    grade->addWidget(periodo, 0, 0, 1, 3);

    auto caixa = [&](QCheckBox*& c, const char* nome, const char* texto, int linha) {
        c = new QCheckBox(QString::fromUtf8(texto), aba);
        c->setObjectName(QString::fromUtf8(nome));
        c->setChecked(false);
        // Skipped by Tab; a click still reaches it.
        c->setFocusPolicy(Qt::ClickFocus);
        grade->addWidget(c, linha, 0, 1, 3);
    };
    caixa(CbF100, "CbF100", "Demais operações de contribuições e créditos (F100)", 1);
    caixa(cbZerado, "cbZerado", "Gerar registros com PIS/COFINS zerado", 2);
    caixa(CbItensNFCe, "CbItensNFCe", "Itens Nota Fiscal para NFCe (C170) ", 3);
    caixa(cbC175, "cbC175", "Registro Analítico NFCe (C175)", 4);

    auto linhaTexto = [&](QLineEdit*& e, const char* nome, const char* rotulo, int linha) {
        e = new QLineEdit(aba);
        e->setObjectName(QString::fromUtf8(nome));
        auto* r = new QLabel(QString::fromUtf8(rotulo), aba);
        r->setBuddy(e);
        grade->addWidget(r, linha, 0);
        grade->addWidget(e, linha, 1);
    };
    linhaTexto(EdtArq, "EdtArq", "Arquivo", 5);
    linhaTexto(EdtNota, "EdtNota", "Nota", 6);
    EdtNota->setFocusPolicy(Qt::ClickFocus);
    EdtNota->setMaximumWidth(160);
    linhaTexto(EdtLocal, "EdtLocal", "Local", 7);

    SpeedButton1 = new QToolButton(aba);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    SpeedButton1->setToolTip(QStringLiteral("Escolher pasta e nome do arquivo"));
    grade->addWidget(SpeedButton1, 7, 2);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("&Gerar"), aba);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    // A focused button answers Enter as well as Space.
    BitBtn1->setAutoDefault(true);
    BitBtn1->setMinimumWidth(110);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BitBtn1);
    grade->setRowStretch(8, 1);
    grade->addLayout(botoes, 9, 0, 1, 3);

    ProgressBar1 = new QProgressBar(aba);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    grade->addWidget(ProgressBar1, 10, 0, 1, 3);
}

void TForm1::MontaAbaConfiguracoes(QWidget* aba) {
    auto* coluna = new QVBoxLayout(aba);
    coluna->setSpacing(4);

    auto* contador = new QHBoxLayout;
    EdtContador = new QLineEdit(aba);
    EdtContador->setObjectName(QStringLiteral("EdtContador"));
    EdtContador->setMaximumWidth(90);
    EdtNomeContador = new QLineEdit(aba);
    EdtNomeContador->setObjectName(QStringLiteral("EdtNomeContador"));
    EdtNomeContador->setReadOnly(true);
    EdtNomeContador->setEnabled(false);
    auto* rotuloContador = new QLabel(QStringLiteral("Contador"), aba);
    rotuloContador->setBuddy(EdtContador);
    contador->addWidget(rotuloContador);
    contador->addWidget(EdtContador);
    contador->addWidget(EdtNomeContador, 1);
    coluna->addLayout(contador);

    auto lista = [](QComboBox*& c, const char* nome, QWidget* pai, const auto& itens) {
        c = new QComboBox(pai);
        c->setObjectName(QString::fromUtf8(nome));
        c->setEditable(false);
        for (const char* item : itens) c->addItem(QString::fromUtf8(item));
        // The entries are long: the box keeps the window's width, the list shows them whole.
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(20);
    };

    auto* complemento = new QGroupBox(QStringLiteral("Informação Complementar C110"), aba);
    auto* gc = new QGridLayout(complemento);
    lista(CbComplemento, "CbComplemento", complemento, exportacao::kComplementos);
    auto* rotuloComplemento = new QLabel(QStringLiteral("Complemento"), complemento);
    rotuloComplemento->setBuddy(CbComplemento);
    gc->addWidget(rotuloComplemento, 0, 0);
    gc->addWidget(CbComplemento, 0, 1);
    gc->setColumnStretch(1, 1);
    coluna->addWidget(complemento);

    auto* processos = new QGroupBox(QStringLiteral("Processos C111 1010"), aba);
    auto* gp = new QGridLayout(processos);
    gp->setVerticalSpacing(4);
    gp->setColumnStretch(1, 1);
    int linha = 0;
    auto campo = [&](QWidget* w, const char* rotulo) {
        auto* r = new QLabel(QString::fromUtf8(rotulo), processos);
        r->setBuddy(w);
        gp->addWidget(r, linha, 0);
        gp->addWidget(w, linha, 1);
        ++linha;
    };
    auto texto = [&](QLineEdit*& e, const char* nome, const char* rotulo) {
        e = new QLineEdit(processos);
        e->setObjectName(QString::fromUtf8(nome));
        campo(e, rotulo);
    };
    texto(EdtProcesso, "EdtProcesso", "Processo");
    EdtProcesso->setMaxLength(20);
    EdtProcesso->setMaximumWidth(220);
    texto(Edtsecao, "Edtsecao", "Seção Judicial");
    texto(EdtVara, "EdtVara", "Vara");
    EdtDataSentenca = new TCampoData(processos);
    EdtDataSentenca->setObjectName(QStringLiteral("EdtDataSentenca"));
    EdtDataSentenca->setFixedWidth(120);
    campo(EdtDataSentenca, "Sentença");
    texto(EdtDescJudicial, "EdtDescJudicial", "Decisão Judicial");
    EdtDescJudicial->setMaxLength(100);
    EdtDescJudicial->setValidator(new TMaiusculas(EdtDescJudicial));
    lista(CbIndAcao, "CbIndAcao", processos, exportacao::kNaturezasAcao);
    campo(CbIndAcao, "Natureza");
    lista(CbIndicador, "CbIndicador", processos, exportacao::kIndicadores);
    campo(CbIndicador, "Origem");
    coluna->addWidget(processos);
    coluna->addStretch(1);

    BtGravar = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("&Gravar"), aba);
    BtGravar->setObjectName(QStringLiteral("BtGravar"));
    BtGravar->setAutoDefault(true);
    BtGravar->setMinimumWidth(110);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BtGravar);
    coluna->addLayout(botoes);

    MostraConfiguracoes(TConfiguracoesSped{});
}

void TForm1::DefineOrdemTab() {
    // Enter in the company list goes on to the period; the tabs come last.
    const QList<QWidget*> ordem = {CbEmpresa,     dtEntIni,        dtEntFim,    CbF100,      cbZerado,
                                   CbItensNFCe,   cbC175,          EdtArq,      EdtNota,     EdtLocal,
                                   BitBtn1,       EdtContador,     CbComplemento, EdtProcesso, Edtsecao,
                                   EdtVara,       EdtDataSentenca, EdtDescJudicial, CbIndAcao, CbIndicador,
                                   BtGravar,      PageControl1->tabBar()};
    for (qsizetype i = 1; i < ordem.size(); ++i) setTabOrder(ordem[i - 1], ordem[i]);
}

void TForm1::Mostra(TMensagemJanela::Tipo tipo, const std::string& texto, const std::string& detalhes) {
    const TMensagemJanela m{tipo, texto, detalhes};
    // A box shown while the run holds the wait pointer gets the normal one.
    const bool esperando = QApplication::overrideCursor() != nullptr;
    if (esperando) QApplication::setOverrideCursor(Qt::ArrowCursor);
    if (opcoes_.apresenta)
        opcoes_.apresenta(m);
    else
        MostraCaixaMensagem(this, m);
    if (esperando) QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------------------
// Creation and closing

void TForm1::FormCreate() {
    resize(770, 470);
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    // The previous calendar month; should it fail, the fields keep what they hold.
    try {
        const auto [inicio, fim] = exportacao::PeriodoPadrao(util::Data::Hoje());
        dtEntIni->DefineData(inicio);
        dtEntFim->DefineData(fim);
    } catch (const std::exception&) {
    }

    PageControl1->setCurrentIndex(0);
    ctx_->LimpaArqLocal();
    FPastaSPED_ = exportacao::DefinePastaSPED(opcoes_.pastaPrograma);
    EdtLocal->setText(Q(FPastaSPED_));
    // The default name follows the period alone: a window that could not connect
    // has it too, and "&Gerar" there says what is missing, the connection.
    EdtArq->setText(Q(exportacao::NomeArquivoPadrao(dtEntFim->Data())));

    // The file read now is the one every reconnection reads again.
    arquivoConfig_ = opcoes_.arquivoConfig ? *opcoes_.arquivoConfig : erpdata::LocalizaArquivoConfig(opcoes_.pastaPrograma);
    if (opcoes_.arquivoConfig && !std::filesystem::exists(*opcoes_.arquivoConfig)) {
        // Named on the command line: say so instead of opening a silent empty window.
        Mostra(TMensagemJanela::Tipo::Erro,
               "Arquivo de configuração não encontrado:\n" + opcoes_.arquivoConfig->string());
        return;
    }
    const bool conectado = erpdata::ConectaBanco(*TIDatabase1, arquivoConfig_, [this](const std::string& erro) {
        Mostra(TMensagemJanela::Tipo::Erro, erro);
    });
    if (!conectado) return;

    try {
        CarregaDoBanco();
    } catch (const std::exception& erro) {
        Mostra(TMensagemJanela::Tipo::Erro, erro.what());
    }
}

void TForm1::CarregaDoBanco() {
    ctx_->CarregaArqLocal();
    // A reconnection keeps the list and the company chosen in it.
    if (CbEmpresa->count() > 0) return;
    const std::vector<std::string> empresas = exportacao::ListaEmpresas(*ctx_);
    {
        const QSignalBlocker bloqueio(CbEmpresa);
        CbEmpresa->clear();
        for (const std::string& e : empresas) CbEmpresa->addItem(Q(e));
        CbEmpresa->setCurrentIndex(empresas.empty() ? -1 : 0);
    }
    // Also when a run asked for the list, the company's settings are what it uses.
    CarregaConfiguracoesDaEmpresa();
}

bool TForm1::Reconecta() {
    // What is left of the old connection goes first: a lost one may still look open.
    try {
        TIDatabase1->Desconecta();
    } catch (const std::exception&) {
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(arquivoConfig_, ec)) {
        Mostra(TMensagemJanela::Tipo::Erro, "Sem conexão com o banco de dados: o arquivo de configuração \"" +
                                                arquivoConfig_.string() + "\" não foi encontrado.");
        return false;
    }
    std::string erro;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool conectado = erpdata::ConectaBanco(*TIDatabase1, arquivoConfig_, [&erro](const std::string& m) { erro = m; });
    QApplication::restoreOverrideCursor();
    if (!conectado) {
        // ConectaBanco says "Erro ao Conectar a Base de Dados" and the cause; the
        // file vanishing between the check and the read is the one silent failure.
        Mostra(TMensagemJanela::Tipo::Erro,
               erro.empty() ? "Sem conexão com o banco de dados: o arquivo de configuração \"" + arquivoConfig_.string() +
                                  "\" não pôde ser lido."
                            : erro);
        return false;
    }
    try {
        ctx_->CarregaArqLocal();
    } catch (const std::exception& e) {
        Mostra(TMensagemJanela::Tipo::Erro, e.what());
        return false;
    }
    return true;
}

bool TForm1::PreparaConexao() {
    if (!TIDatabase1->Responde() && !Reconecta()) return false;
    if (CbEmpresa->count() == 0) {
        // Opened without a connection, or without the company list: load it now,
        // with the first company's settings, as the start-up would have. The press
        // stops there: the user had no company to choose, and the settings tab has
        // just been filled.
        try {
            CarregaDoBanco();
        } catch (const std::exception& e) {
            Mostra(TMensagemJanela::Tipo::Erro, e.what());
            return false;
        }
        if (CbEmpresa->count() > 0) {
            Mostra(TMensagemJanela::Tipo::Informacao,
                   "Conexão com o banco de dados aberta e empresas carregadas. Confira a empresa e as configurações e "
                   "pressione o botão novamente.");
            return false;
        }
    }
    if (CbEmpresa->currentIndex() < 0) {
        Mostra(TMensagemJanela::Tipo::Erro, "Nenhuma empresa cadastrada: a tabela EMPRESA do banco de dados está vazia.");
        return false;
    }
    return true;
}

void TForm1::FormClose() {
    fechada_ = true;
    ctx_->LimpaArqLocal();
    // What was not committed is rolled back with the connection.
    try {
        if (TIDatabase1->Conectado()) TIDatabase1->Desconecta();
    } catch (const std::exception&) {
    }
}

void TForm1::closeEvent(QCloseEvent* evento) {
    // The run is on the stack below the event loop pass that asked to close:
    // closing now would pull the connection from under it.
    if (executando_) {
        evento->ignore();
        return;
    }
    FormClose();
    evento->accept();
}

// ---------------------------------------------------------------------------
// First tab

bool TForm1::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
        if (enter && (tecla->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    } else if (evento->type() == QEvent::FocusOut) {
        // Leaving the field for another control of the window; a popup (the
        // calendar, a menu) or another window taking over is not leaving it.
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            if (objeto == dtEntIni || objeto == EdtDataSentenca)
                dtEntIniExit();
            else if (objeto == EdtLocal)
                EdtLocalExit();
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void TForm1::dtEntIniExit() {
    // Always the start date, whichever field was left.
    const util::Data inicio = dtEntIni->Data();
    if (inicio.Vazia()) return;  // an incomplete date has no month to take
    const util::Data fim = inicio.UltimoDiaDoMes();
    dtEntFim->DefineData(fim);
    EdtArq->setText(Q(exportacao::NomeArquivoPadrao(fim)));
}

void TForm1::EdtLocalExit() {
    if (EdtLocal->text().trimmed().isEmpty()) EdtLocal->setText(Q(FPastaSPED_));
}

void TForm1::SpeedButton1Click() {
    const QString inicial = QDir(QDir::fromNativeSeparators(EdtLocal->text().trimmed())).filePath(EdtArq->text().trimmed());
    const QString escolhido = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar como"), inicial,
                                                           QStringLiteral("Arquivos texto (*.txt);;Todos os arquivos (*)"));
    if (escolhido.isEmpty()) return;  // cancelled
    DefineArquivoEscolhido(QDir::toNativeSeparators(escolhido));
}

void TForm1::DefineArquivoEscolhido(const QString& caminho) {
    const auto [pasta, arquivo] = SeparaPastaArquivo(S(caminho));
    EdtArq->setText(Q(arquivo));
    EdtLocal->setText(Q(pasta));
}

exportacao::TEntradasExportacao TForm1::EntradasDaTela() const {
    exportacao::TEntradasExportacao e;
    e.empresa = S(CbEmpresa->currentText());
    e.dtEntIni = dtEntIni->Data();
    e.dtEntFim = dtEntFim->Data();
    e.EdtArq = S(EdtArq->text());
    e.EdtLocal = S(EdtLocal->text());
    e.EdtNota = S(EdtNota->text());
    e.CbF100 = CbF100->isChecked();
    e.cbZerado = cbZerado->isChecked();
    e.CbItensNFCe = CbItensNFCe->isChecked();
    e.cbC175 = cbC175->isChecked();
    e.config = ConfiguracoesDaTela();
    return e;
}

void TForm1::BitBtn1Click() {
    // Input is processed while rows go by. A second press must not start a run
    // inside the running one, and the company must not change under it (the run's
    // look-ups name their tables after the selected company); saving the settings
    // would commit in the middle of it.
    if (executando_) return;
    executando_ = true;
    const QList<QWidget*> travados = {BitBtn1, CbEmpresa, BtGravar};
    // Disabling the focused control would hand the focus to the next field (and
    // later run that field's exit event); nothing holds it during the run.
    QWidget* foco = focusWidget();
    const bool focoTravado = foco && travados.contains(foco);
    if (focoTravado) foco->clearFocus();
    for (QWidget* w : travados) w->setEnabled(false);

    bool gerado = false;
    {
        TInterfaceJanela ui(*this);
        try {
            // An empty name or folder is the run's first message; anything else
            // needs a connection that answers (a lost one is replaced here) and a
            // company. PreparaConexao says why when there is none.
            const bool nomesVazios = EdtArq->text().trimmed().isEmpty() || EdtLocal->text().trimmed().isEmpty();
            if (nomesVazios || PreparaConexao()) {
                const exportacao::TEntradasExportacao entradas = EntradasDaTela();
                exportacao::TExportacao exportacao(*ctx_, ui);
                const exportacao::TRelatorioExportacao r = exportacao.Executa(entradas);
                ui.RestauraCursor();
                if (r.resultado == exportacao::TResultadoExportacao::Gerado) {
                    ultimoRelatorio_ = r;
                    gerado = true;
                    std::string detalhes;
                    for (const std::string& aviso : r.avisos) detalhes += aviso + "\n";
                    Mostra(TMensagemJanela::Tipo::Informacao, "Arquivo Gerado.", detalhes);
                }
            }
        } catch (const std::exception& erro) {
            ui.RestauraCursor();
            Mostra(TMensagemJanela::Tipo::Erro, erro.what());
        }
    }

    executando_ = false;
    for (QWidget* w : travados) w->setEnabled(true);
    if (gerado) {
        close();  // one start of the program writes one file
        return;
    }
    // A run that failed while the documents were fetched left a busy bar.
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    if (focoTravado && !focusWidget()) foco->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------
// Settings tab

TConfiguracoesSped TForm1::ConfiguracoesDaTela() const {
    TConfiguracoesSped c;
    c.EdtContador = S(EdtContador->text());
    c.CbComplemento = CbComplemento->currentIndex();
    c.EdtProcesso = S(EdtProcesso->text());
    c.Edtsecao = S(Edtsecao->text());
    c.EdtVara = S(EdtVara->text());
    c.EdtDataSentenca = S(EdtDataSentenca->TextoDigitado());
    c.EdtDescJudicial = S(EdtDescJudicial->text());
    c.CbIndAcao = CbIndAcao->currentIndex();
    c.CbIndicador = CbIndicador->currentIndex();
    return c;
}

void TForm1::MostraConfiguracoes(const TConfiguracoesSped& c) {
    {
        // The name look-up runs once below, even when the code stays the same
        // (another company has another ENTIDADE table).
        const QSignalBlocker bloqueio(EdtContador);
        EdtContador->setText(Q(c.EdtContador));
    }
    CbComplemento->setCurrentIndex(c.CbComplemento);
    CbIndicador->setCurrentIndex(c.CbIndicador);
    EdtProcesso->setText(Q(c.EdtProcesso));
    Edtsecao->setText(Q(c.Edtsecao));
    EdtVara->setText(Q(c.EdtVara));
    EdtDescJudicial->setText(Q(c.EdtDescJudicial).toUpper());
    EdtDataSentenca->setText(Q(c.EdtDataSentenca));
    CbIndAcao->setCurrentIndex(c.CbIndAcao);
    EdtContadorChange();
}

void TForm1::CbEmpresaChange() {
    if (executando_) return;  // the selector is locked during a run
    CarregaConfiguracoesDaEmpresa();
}

void TForm1::CarregaConfiguracoesDaEmpresa() {
    ctx_->EntradaEmpresa = S(CbEmpresa->currentText());
    if (!Conectado()) return;
    if (TIDatabase1->Perdida() && !Reconecta()) return;
    try {
        MostraConfiguracoes(exportacao::CarregaConfiguracoes(*ctx_, ctx_->CodigoEmpresa()));
    } catch (const std::exception& erro) {
        Mostra(TMensagemJanela::Tipo::Erro, erro.what());
    }
}

void TForm1::BtGravarClick() {
    if (executando_) return;  // locked during a run
    // Without a company the row would be saved under an empty code.
    if (!PreparaConexao()) return;
    ctx_->EntradaEmpresa = S(CbEmpresa->currentText());
    try {
        exportacao::GravaConfiguracoes(*ctx_, ctx_->CodigoEmpresa(), ConfiguracoesDaTela());
    } catch (const std::exception& erro) {
        Mostra(TMensagemJanela::Tipo::Erro, erro.what());
    }
}

void TForm1::EdtContadorChange() {
    // No code, or no company whose ENTIDADE to look in: no name.
    // A lost connection is not tried again keystroke by keystroke; the next run
    // or save reconnects.
    if (!Conectado() || TIDatabase1->Perdida() || EdtContador->text().isEmpty() || CbEmpresa->currentIndex() < 0) {
        EdtNomeContador->clear();
        return;
    }
    try {
        EdtNomeContador->setText(Q(exportacao::NomeContador(*ctx_, S(EdtContador->text()))));
    } catch (const std::exception& erro) {
        EdtNomeContador->clear();
        Mostra(TMensagemJanela::Tipo::Erro, erro.what());
    }
}

}  // namespace janela
