// The main window driven offscreen: its defaults, the field events and keys, the
// settings tab on a real embedded Firebird ERP, start-up without a configuration or
// a connection, and "&Gerar" against the command-line exporter.
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GeradorERP.h"
#include "PreparaBanco.h"
#include "app/janela/CampoData.h"
#include "app/janela/JanelaPrincipal.h"
#include "common/PastaTemporaria.h"
#include "erpdata/ConfigBanco.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"

namespace {

namespace fs = std::filesystem;
using janela::TForm1;
using janela::TMensagemJanela;
using Tipo = TMensagemJanela::Tipo;

QApplication& Aplicacao() {
    static int argc = 1;
    static char nome[] = "janela_gui_tests";
    static char* argv[] = {nome, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

std::string S(const QString& s) { return s.toStdString(); }

constexpr const char* kSemContador = "Contador não cadastrado, verifique o parametro 270 do Faturamento.";

class Janela : public ::testing::Test {
protected:
    void SetUp() override {
        Aplicacao();
        FixaHoje(15, 1, 2013);
    }
    void TearDown() override {
        janela_.reset();
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        util::Data::FixaHoje(std::nullopt);
    }

    static void FixaHoje(unsigned dia, unsigned mes, int ano) { util::Data::FixaHoje(util::Data::FromYMD(ano, mes, dia)); }

    // A fresh embedded Firebird ERP filled by the fixture generator (two companies,
    // January 2012); returns the TI.ini that names it.
    fs::path CriaERP() {
        const fs::path ini = pasta_.Path() / "TI.ini";
        teste::GravaBytes(ini, "[Banco]\r\nversao=3.0\r\nBanco=FIREBIRD\r\nServidor=\r\nBase=" +
                                   (pasta_.Path() / "ERP.FDB").string() + "\r\nusuario=\r\nsenha=\r\n");
        erpdata::TTIDatabase db;
        fixture::OpcoesGerador o;
        fixture::PreparaBancoVazio(db, *erpdata::LeConfigBanco(ini));
        fixture::CriaEsquema(db, o.empresas);
        fixture::GeraDados(db, o);
        db.Transacao().Commit();
        db.Desconecta();
        return ini;
    }

    // A statement on a connection of its own, committed.
    static void ExecutaNoERP(const fs::path& ini, const std::string& sql) {
        erpdata::TTIDatabase db;
        ASSERT_TRUE(erpdata::ConectaBanco(db, ini));
        erpdata::TTIQuery q(&db);
        q.SetSQL(sql);
        q.ExecSQL();
        db.Transacao().Commit();
        db.Desconecta();
    }
    static int64_t ContaNoERP(const fs::path& ini, const std::string& sql) {
        erpdata::TTIDatabase db;
        EXPECT_TRUE(erpdata::ConectaBanco(db, ini));
        erpdata::TTIQuery q(&db);
        q.SetSQL(sql);
        q.Open();
        const int64_t n = q.Fields(0).AsInteger();
        db.Desconecta();
        return n;
    }

    std::string PastaPrograma() const { return (pasta_.Path() / "programa").string() + "/"; }

    // The window as the program opens it: created, then shown and active. Message
    // boxes are recorded instead of shown; `aoMostrar_` sees each one as it comes.
    TForm1& Abre(std::optional<fs::path> ini) {
        janela_.reset();
        mensagens_.clear();
        janela::TOpcoesJanela o;
        o.arquivoConfig = std::move(ini);
        o.pastaPrograma = PastaPrograma();
        fs::create_directories(o.pastaPrograma);
        o.apresenta = [this](const TMensagemJanela& m) {
            mensagens_.push_back(m);
            if (aoMostrar_) aoMostrar_(m);
        };
        janela_ = std::make_unique<TForm1>(std::move(o));
        janela_->FormCreate();
        janela_->show();
        janela_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(janela_.get()));
        return *janela_;
    }

    // The focus moves as a click moves it, so the field left runs its exit event.
    static void Foca(QWidget* w) {
        w->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }

    // Types the text key by key, accented letters included.
    static void Digita(QWidget* w, const QString& texto) {
        for (const QChar c : texto) {
            QKeyEvent aperta(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent solta(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &aperta);
            QCoreApplication::sendEvent(w, &solta);
        }
    }

    std::vector<std::string> Textos() const {
        std::vector<std::string> t;
        for (const auto& m : mensagens_) t.push_back(m.texto);
        return t;
    }

    teste::PastaTemporaria pasta_;
    std::unique_ptr<TForm1> janela_;
    std::vector<TMensagemJanela> mensagens_;
    std::function<void(const TMensagemJanela&)> aoMostrar_;
};

TEST_F(Janela, PeriodoEArquivoPadraoPelaDataDeHoje) {
    const fs::path ini = CriaERP();
    struct Caso {
        unsigned dia, mes;
        int ano;
        const char *inicio, *fim, *arquivo;
    };
    const Caso casos[] = {
        {15, 1, 2013, "01/12/2012", "31/12/2012", "SPED_Contribuicoes_1212.txt"},
        {10, 3, 2012, "01/02/2012", "29/02/2012", "SPED_Contribuicoes_0212.txt"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fim);
        FixaHoje(c.dia, c.mes, c.ano);
        TForm1& j = Abre(ini);
        EXPECT_EQ(S(j.dtEntIni->text()), c.inicio);
        EXPECT_EQ(S(j.dtEntFim->text()), c.fim);
        EXPECT_EQ(S(j.EdtArq->text()), c.arquivo);
        EXPECT_TRUE(mensagens_.empty()) << mensagens_.front().texto;
    }

    // The rest of what the window shows when it opens.
    TForm1& j = *janela_;
    EXPECT_EQ(S(j.windowTitle()), " Exportação SPED Contribuições - Norvale Sistemas ");
    EXPECT_EQ(j.size(), QSize(770, 470));
    EXPECT_EQ(j.PageControl1->currentIndex(), 0);
    EXPECT_EQ(S(j.PageControl1->tabText(0)), "Gerar Arquivo");
    EXPECT_EQ(S(j.PageControl1->tabText(1)), "Configurações");
    ASSERT_EQ(j.CbEmpresa->count(), 2);
    EXPECT_EQ(j.CbEmpresa->currentIndex(), 0);
    EXPECT_EQ(S(j.CbEmpresa->currentText()), "0001 - COMERCIAL VELMORA 1 LTDA");
    for (QCheckBox* c : {j.CbF100, j.cbZerado, j.CbItensNFCe, j.cbC175}) EXPECT_FALSE(c->isChecked()) << S(c->text());
    EXPECT_TRUE(j.EdtNota->text().isEmpty());
    EXPECT_EQ(j.FPastaSPED(), PastaPrograma() + "SPED/");
    EXPECT_TRUE(fs::is_directory(j.FPastaSPED()));
    EXPECT_EQ(S(j.EdtLocal->text()), j.FPastaSPED());
    EXPECT_EQ(S(j.BitBtn1->text()), "&Gerar");

    // The first company's settings row is on the second tab.
    EXPECT_EQ(S(j.EdtProcesso->text()), "00123456720114036100");
    EXPECT_EQ(S(j.EdtDataSentenca->text()), "17/10/2011");
    EXPECT_EQ(S(j.CbIndAcao->currentText()).substr(0, 2), "02");
    EXPECT_EQ(j.CbIndicador->currentIndex(), 0);
    EXPECT_EQ(j.CbComplemento->currentIndex(), 1);
}

TEST_F(Janela, InicioSemConfiguracaoOuSemConexaoAbreAJanelaVazia) {
    const fs::path iniRuim = pasta_.Path() / "ruim.ini";
    teste::GravaBytes(iniRuim, "[Banco]\r\nBanco=FIREBIRD\r\nBase=" + (pasta_.Path() / "nao" / "existe.fdb").string() + "\r\n");
    struct Caso {
        const char* nome;
        std::optional<fs::path> ini;
        const char* mensagem;  // start of the one message shown, or "" for none
    };
    const Caso casos[] = {
        {"sem arquivo de configuração", std::nullopt, ""},
        {"banco que não abre", iniRuim, "Erro ao Conectar a Base de Dados\n"},
        {"--config que não existe", pasta_.Path() / "nenhum.ini", "Arquivo de configuração não encontrado:"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        TForm1& j = Abre(c.ini);
        if (*c.mensagem) {
            ASSERT_EQ(mensagens_.size(), 1u);
            EXPECT_EQ(mensagens_[0].tipo, Tipo::Erro);
            EXPECT_EQ(mensagens_[0].texto.rfind(c.mensagem, 0), 0u) << mensagens_[0].texto;
            EXPECT_GT(mensagens_[0].texto.size(), std::string(c.mensagem).size());
        } else {
            EXPECT_TRUE(mensagens_.empty());
        }
        EXPECT_FALSE(j.Conectado());
        EXPECT_TRUE(j.isVisible());
        EXPECT_EQ(j.CbEmpresa->count(), 0);
        EXPECT_EQ(S(j.dtEntIni->text()), "01/12/2012");
        EXPECT_EQ(S(j.EdtLocal->text()), j.FPastaSPED());
        EXPECT_EQ(j.ConfiguracoesDaTela(), exportacao::TConfiguracoesSped{});
    }

    // "&Gerar" on the empty window: the name check first, then the missing
    // connection, which the press tried to open again; the window stays usable.
    TForm1& j = *janela_;
    mensagens_.clear();
    j.EdtArq->clear();
    j.BitBtn1->click();
    ASSERT_EQ(Textos(), std::vector<std::string>{"Arquivo Inválido."});
    EXPECT_EQ(QApplication::focusWidget(), j.EdtArq);

    mensagens_.clear();
    j.EdtArq->setText("SPED.txt");
    j.BitBtn1->click();
    ASSERT_EQ(mensagens_.size(), 1u);
    EXPECT_EQ(mensagens_[0].tipo, Tipo::Erro);
    EXPECT_EQ(mensagens_[0].texto, "Sem conexão com o banco de dados: o arquivo de configuração \"" +
                                       (pasta_.Path() / "nenhum.ini").string() + "\" não foi encontrado.");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(j.isVisible());
    EXPECT_TRUE(j.BitBtn1->isEnabled());
    EXPECT_FALSE(fs::exists(j.FPastaSPED() + "SPED.txt"));
}

TEST_F(Janela, SaidaDosCamposDePeriodoESentencaEDoLocal) {
    TForm1& j = Abre(std::nullopt);

    // Leaving the start date: its month's end and the file name follow, replacing a typed name.
    j.dtEntIni->setText("10/04/2012");
    j.EdtArq->setText("meu_arquivo.txt");
    Foca(j.dtEntIni);
    Foca(j.EdtLocal);
    EXPECT_EQ(S(j.dtEntFim->text()), "30/04/2012");
    EXPECT_EQ(S(j.EdtArq->text()), "SPED_Contribuicoes_0412.txt");

    // Leaving the sentence date of the other tab reads the start date all the same.
    j.dtEntIni->setText("15/02/2012");
    j.PageControl1->setCurrentIndex(1);
    Foca(j.EdtDataSentenca);
    Foca(j.EdtVara);
    EXPECT_EQ(S(j.dtEntFim->text()), "29/02/2012");
    EXPECT_EQ(S(j.EdtArq->text()), "SPED_Contribuicoes_0212.txt");
    j.PageControl1->setCurrentIndex(0);

    // A start date left incomplete has no month: the end and the name stay.
    j.dtEntIni->clear();
    Foca(j.dtEntIni);
    Foca(j.EdtArq);
    EXPECT_EQ(S(j.dtEntFim->text()), "29/02/2012");
    EXPECT_EQ(S(j.EdtArq->text()), "SPED_Contribuicoes_0212.txt");

    // The calendar takes the focus without the field being left; the date picked
    // there counts when the field is left.
    j.dtEntIni->setText("01/01/2012");
    Foca(j.dtEntIni);
    j.dtEntIni->AbreCalendario();
    QCoreApplication::processEvents();
    EXPECT_EQ(S(j.dtEntFim->text()), "29/02/2012");
    emit j.dtEntIni->Calendario()->clicked(QDate(2012, 6, 12));
    QCoreApplication::processEvents();
    EXPECT_EQ(S(j.dtEntIni->text()), "12/06/2012");
    Foca(j.EdtArq);
    EXPECT_EQ(S(j.dtEntFim->text()), "30/06/2012");
    EXPECT_EQ(S(j.EdtArq->text()), "SPED_Contribuicoes_0612.txt");

    // Leaving the folder empty or blank brings the default back; a folder stays.
    struct Caso {
        const char* digitado;
        std::string esperado;
    };
    const Caso casos[] = {{"", j.FPastaSPED()}, {"   ", j.FPastaSPED()}, {"/outra/pasta/", "/outra/pasta/"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string("\"") + c.digitado + "\"");
        Foca(j.EdtLocal);
        j.EdtLocal->setText(c.digitado);
        Foca(j.EdtArq);
        EXPECT_EQ(S(j.EdtLocal->text()), c.esperado);
    }
    EXPECT_TRUE(mensagens_.empty());
}

// What a box showed before it was closed with OK.
struct CaixaVista {
    QString titulo, texto, detalhes;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
};

// Closes the next modal message box as the user would, noting what it showed.
void FechaProximaCaixa(std::optional<CaixaVista>& vista) {
    QTimer::singleShot(0, [&vista] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caixa) return FechaProximaCaixa(vista);
        vista = CaixaVista{caixa->windowTitle(), caixa->text(), caixa->detailedText(), caixa->icon()};
        caixa->button(QMessageBox::Ok)->click();
    });
}

TEST_F(Janela, CaixasDeMensagemComOTituloDaJanela) {
    TForm1& j = Abre(std::nullopt);
    const QString titulo = QString::fromUtf8(" Exportação SPED Contribuições - Norvale Sistemas ");
    struct Caso {
        TMensagemJanela m;
        QMessageBox::Icon icone;
    };
    const Caso casos[] = {
        {{Tipo::Informacao, "Arquivo Gerado.", "(0-0200) aviso um\n(0150) aviso dois\n"}, QMessageBox::Information},
        {{Tipo::Erro, "Erro TIQuery.Open: tabela desconhecida", ""}, QMessageBox::Critical},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.m.texto);
        std::optional<CaixaVista> vista;
        FechaProximaCaixa(vista);
        janela::MostraCaixaMensagem(&j, c.m);
        ASSERT_TRUE(vista.has_value());
        EXPECT_EQ(vista->titulo, titulo);
        EXPECT_EQ(S(vista->texto), c.m.texto);
        EXPECT_EQ(S(vista->detalhes), c.m.detalhes);
        EXPECT_EQ(vista->icone, c.icone);
    }

    // Without a presenter of its own the window shows the run's messages in those boxes.
    j.DefineApresentador({});
    j.EdtArq->clear();
    std::optional<CaixaVista> vista;
    FechaProximaCaixa(vista);
    j.BitBtn1->click();
    ASSERT_TRUE(vista.has_value());
    EXPECT_EQ(vista->titulo, titulo);
    EXPECT_EQ(S(vista->texto), "Arquivo Inválido.");
    EXPECT_TRUE(j.isVisible());
}

TEST_F(Janela, ArquivoEscolhidoNoDialogoSeparaPastaENome) {
    TForm1& j = Abre(std::nullopt);
    struct Caso {
        const char *escolhido, *arquivo, *pasta;
    };
    const Caso casos[] = {
        {"C:\\Saida\\janeiro.txt", "janeiro.txt", "C:\\Saida\\"},
        {"/home/fiscal/saida/janeiro.txt", "janeiro.txt", "/home/fiscal/saida/"},
        {"D:\\janeiro.txt", "janeiro.txt", "D:\\"},
        // A folder named like the file keeps its name.
        {"C:\\janeiro.txt\\janeiro.txt", "janeiro.txt", "C:\\janeiro.txt\\"},
        {"/tmp/a/sped.txt/sped.txt", "sped.txt", "/tmp/a/sped.txt/"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.escolhido);
        j.DefineArquivoEscolhido(QString::fromUtf8(c.escolhido));
        EXPECT_EQ(S(j.EdtArq->text()), c.arquivo);
        EXPECT_EQ(S(j.EdtLocal->text()), c.pasta);
    }
}

TEST_F(Janela, EnterAvancaComoTabQuePulaAsCaixasEANota) {
    TForm1& j = Abre(std::nullopt);
    struct Caso {
        QWidget* de;
        int tecla;
        QWidget* para;
    };
    const Caso casos[] = {
        {j.CbEmpresa, Qt::Key_Return, j.dtEntIni},
        {j.dtEntIni, Qt::Key_Return, j.dtEntFim},
        {j.dtEntFim, Qt::Key_Return, j.EdtArq},  // the four check boxes skipped
        {j.dtEntFim, Qt::Key_Tab, j.EdtArq},
        {j.EdtArq, Qt::Key_Tab, j.EdtLocal},     // EdtNota skipped
        {j.EdtArq, Qt::Key_Enter, j.EdtLocal},   // the keypad's Enter too
        {j.EdtLocal, Qt::Key_Return, j.BitBtn1},
        {j.cbZerado, Qt::Key_Return, j.EdtArq},  // a check box reached by a click
        {j.EdtNota, Qt::Key_Return, j.EdtLocal},
        {j.EdtContador, Qt::Key_Return, j.CbComplemento},
        {j.CbComplemento, Qt::Key_Return, j.EdtProcesso},
        {j.EdtDataSentenca, Qt::Key_Return, j.EdtDescJudicial},
        {j.CbIndicador, Qt::Key_Return, j.BtGravar},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(S(c.de->objectName()) + " -> " + S(c.para->objectName()));
        const bool segundaAba = j.PageControl1->widget(1)->isAncestorOf(c.de);
        j.PageControl1->setCurrentIndex(segundaAba ? 1 : 0);
        Foca(c.de);
        ASSERT_EQ(QApplication::focusWidget(), c.de);
        QTest::keyClick(c.de, static_cast<Qt::Key>(c.tecla), c.tecla == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(), c.para) << S(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "");
    }
    EXPECT_FALSE(j.cbZerado->isChecked());
    EXPECT_TRUE(mensagens_.empty());
}

TEST_F(Janela, ConfiguracoesGravadasVoltamComAEmpresa) {
    const fs::path ini = CriaERP();
    TForm1& j = Abre(ini);
    j.PageControl1->setCurrentIndex(1);

    // The second company has no row: the tab's defaults.
    j.CbEmpresa->setCurrentIndex(1);
    EXPECT_EQ(j.ConfiguracoesDaTela(), exportacao::TConfiguracoesSped{});
    EXPECT_EQ(S(j.CbComplemento->currentText()), "0 - Processo de desconto ICMS");
    EXPECT_EQ(S(j.CbIndAcao->currentText()), "99 -Outros");
    EXPECT_EQ(S(j.CbIndicador->currentText()), "9 -Outros");
    EXPECT_TRUE(j.EdtDataSentenca->TextoDigitado().isEmpty());

    // Typed as a user types: the accountant's name follows the code, the lawsuit
    // number stops at 20 characters, the decision turns upper case.
    Foca(j.EdtContador);
    QTest::keyClicks(j.EdtContador, "90001");
    EXPECT_EQ(S(j.EdtNomeContador->text()), "MARIA CONTADORA DOS SANTOS");
    Foca(j.EdtProcesso);
    QTest::keyClicks(j.EdtProcesso, "1234567890123456789012345");
    EXPECT_EQ(S(j.EdtProcesso->text()), "12345678901234567890");
    j.Edtsecao->setText("SAO PAULO");
    j.EdtVara->setText("3A VARA");
    Foca(j.EdtDataSentenca);
    QTest::keyClick(j.EdtDataSentenca, Qt::Key_Home);
    QTest::keyClicks(j.EdtDataSentenca, "05032011");
    EXPECT_EQ(S(j.EdtDataSentenca->text()), "05/03/2011");
    Foca(j.EdtDescJudicial);
    Digita(j.EdtDescJudicial, QString::fromUtf8("exclusão do icms"));
    EXPECT_EQ(S(j.EdtDescJudicial->text()), "EXCLUSÃO DO ICMS");
    Digita(j.EdtDescJudicial, QString(120, QLatin1Char('x')));
    EXPECT_EQ(j.EdtDescJudicial->text().size(), 100);
    j.CbComplemento->setCurrentIndex(1);
    j.CbIndAcao->setCurrentIndex(4);
    j.CbIndicador->setCurrentIndex(1);
    const exportacao::TConfiguracoesSped gravada = j.ConfiguracoesDaTela();
    j.BtGravar->click();
    ASSERT_TRUE(mensagens_.empty()) << mensagens_.front().texto;

    // Another company, then back: the saved values return, the sentence date included.
    j.CbEmpresa->setCurrentIndex(0);
    EXPECT_EQ(S(j.EdtProcesso->text()), "00123456720114036100");
    j.CbEmpresa->setCurrentIndex(1);
    EXPECT_EQ(j.ConfiguracoesDaTela(), gravada);
    EXPECT_EQ(S(j.EdtDataSentenca->text()), "05/03/2011");
    EXPECT_EQ(S(j.EdtNomeContador->text()), "MARIA CONTADORA DOS SANTOS");
    EXPECT_EQ(S(j.CbIndAcao->currentText()).substr(0, 2), "05");
    EXPECT_EQ(j.CbIndicador->currentIndex(), 1);

    // A sentence date that is no date is saved as NULL and comes back empty.
    j.EdtDataSentenca->setText("31/02/2011");
    j.BtGravar->click();
    ASSERT_TRUE(mensagens_.empty()) << mensagens_.front().texto;
    EXPECT_EQ(ContaNoERP(ini, "SELECT COUNT(*) FROM SPED_CONFIG WHERE EMPRESA = '0002' AND DT_SENTENCA IS NULL"), 1);
    j.CbEmpresa->setCurrentIndex(0);
    j.CbEmpresa->setCurrentIndex(1);
    EXPECT_TRUE(j.EdtDataSentenca->TextoDigitado().isEmpty());
    EXPECT_EQ(S(j.EdtProcesso->text()), "12345678901234567890");

    // No company at all: an empty list, nothing selected, the defaults.
    janela_.reset();
    ExecutaNoERP(ini, "DELETE FROM EMPRESA");
    TForm1& vazia = Abre(ini);
    EXPECT_TRUE(mensagens_.empty()) << mensagens_.front().texto;
    EXPECT_EQ(vazia.CbEmpresa->count(), 0);
    EXPECT_EQ(vazia.CbEmpresa->currentIndex(), -1);
    EXPECT_EQ(vazia.ConfiguracoesDaTela(), exportacao::TConfiguracoesSped{});
}

TEST_F(Janela, GerarGravaOMesmoArquivoQueALinhaDeComando) {
    FixaHoje(10, 2, 2012);
    const fs::path ini = CriaERP();

    // The command-line exporter on the same database, with the window's defaults.
    const fs::path pastaCli = pasta_.Path() / "cli";
    fs::create_directories(pastaCli);
    QProcess cli;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("SPED_DATA_HOJE", "10/02/2012");
    cli.setProcessEnvironment(ambiente);
    cli.start(CLI_SPED, {"--config", QString::fromStdString(ini.string()), "--local",
                         QString::fromStdString(pastaCli.string()), "--arquivo", "SPED_Contribuicoes_0112.txt"});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const std::string esperado = teste::LeBytes(pastaCli / "SPED_Contribuicoes_0112.txt");
    ASSERT_FALSE(esperado.empty());

    TForm1& j = Abre(ini);
    ASSERT_EQ(S(j.EdtArq->text()), "SPED_Contribuicoes_0112.txt");

    // A folder that does not exist: the error in a box, the window usable again.
    j.EdtLocal->setText(QString::fromStdString((pasta_.Path() / "nao" / "existe").string()));
    j.BitBtn1->click();
    ASSERT_EQ(mensagens_.size(), 1u);
    EXPECT_EQ(mensagens_[0].tipo, Tipo::Erro);
    EXPECT_TRUE(j.isVisible());
    EXPECT_TRUE(j.BitBtn1->isEnabled());
    EXPECT_TRUE(j.CbEmpresa->isEnabled());
    EXPECT_TRUE(j.BtGravar->isEnabled());
    EXPECT_FALSE(j.Executando());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The same press again into a real folder: the command line's bytes, then the window closes.
    mensagens_.clear();
    const fs::path pastaJanela = pasta_.Path() / "janela";
    fs::create_directories(pastaJanela);
    j.EdtLocal->setText(QString::fromStdString(pastaJanela.string()));
    j.BitBtn1->click();
    ASSERT_EQ(Textos(), std::vector<std::string>{"Arquivo Gerado."});
    ASSERT_TRUE(j.UltimoRelatorio().has_value());
    std::string avisos;
    for (const auto& a : j.UltimoRelatorio()->avisos) avisos += a + "\n";
    EXPECT_EQ(mensagens_[0].detalhes, avisos);
    EXPECT_FALSE(j.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(j.ProgressBar1->value(), j.ProgressBar1->maximum());
    EXPECT_GT(j.UltimoRelatorio()->linhasConsulta, 0);
    EXPECT_TRUE(teste::LeBytes(pastaJanela / "SPED_Contribuicoes_0112.txt") == esperado);
}

TEST_F(Janela, GerarQueFalhaNaConsultaDeixaAJanelaComoEstava) {
    // The documents query fails on the server (a per-company table is gone) while
    // the wait pointer is on and the bar shows the fetch as busy.
    FixaHoje(10, 2, 2012);
    const fs::path ini = CriaERP();
    ExecutaNoERP(ini, "DROP TABLE NOTAITEN0001");
    TForm1& j = Abre(ini);
    j.EdtLocal->setText(QString::fromStdString(pasta_.Path().string()));
    j.BitBtn1->click();
    ASSERT_EQ(mensagens_.size(), 1u) << testing::PrintToString(Textos());
    EXPECT_EQ(mensagens_[0].tipo, Tipo::Erro);
    EXPECT_EQ(mensagens_[0].texto.rfind("Erro TIQuery.Open: ", 0), 0u) << mensagens_[0].texto;
    EXPECT_TRUE(j.isVisible());
    EXPECT_TRUE(j.BitBtn1->isEnabled());
    EXPECT_FALSE(j.Executando());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(j.ProgressBar1->value(), 0);
    EXPECT_GT(j.ProgressBar1->maximum(), 0) << "the bar is left busy";
    EXPECT_FALSE(fs::exists(pasta_.Path() / "SPED_Contribuicoes_0112.txt"));
}

TEST_F(Janela, GerarNaoComecaOutraRodadaNemFechaDuranteAPrimeira) {
    FixaHoje(10, 2, 2012);
    const fs::path ini = CriaERP();
    TForm1& j = Abre(ini);
    j.EdtLocal->setText(QString::fromStdString(pasta_.Path().string()));
    j.EdtContador->setText("ZZZZZ");  // no such accountant: the run stops for a message midway

    bool conferido = false;
    aoMostrar_ = [&](const TMensagemJanela& m) {
        if (m.texto != kSemContador) return;
        conferido = true;
        EXPECT_TRUE(j.Executando());
        EXPECT_FALSE(j.BitBtn1->isEnabled());
        // The company and the save are locked too: the run's look-ups follow the company.
        EXPECT_FALSE(j.CbEmpresa->isEnabled());
        EXPECT_FALSE(j.BtGravar->isEnabled());
        j.BitBtn1Click();  // a press that reaches the handler anyway
        j.close();         // and the window's close button
        EXPECT_TRUE(j.isVisible());
    };
    j.BitBtn1->click();
    EXPECT_TRUE(conferido);
    EXPECT_EQ(Textos(), (std::vector<std::string>{kSemContador, "Arquivo Gerado."}));
    EXPECT_FALSE(j.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(fs::exists(pasta_.Path() / "SPED_Contribuicoes_0112.txt"));
}

}  // namespace
