// falhas-janela-auxiliar: the main window in a process of its own, for the fault
// cases that must limit the whole process (a full disk, staged as a file-size
// limit, would also cut the test program's own files).
//
//   falhas-janela-auxiliar --config ARQUIVO.ini --programa PASTA --local PASTA --arquivo NOME
//
// Opens the window offscreen, checks the F100 option, presses "&Gerar" once and
// closes each message box as a user would. Prints on stdout one line per box and
// one line with the window's state after the press:
//   caixa|<title>|<erro or informacao>|<text, line breaks as \n>
//   estado|visivel=<0/1>|executando=<0/1>|gerar=<0/1>|cursor=<0/1>
// Exit status 0 when the press came back, 2 for bad arguments.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <map>
#include <string>

#include "app/janela/JanelaPrincipal.h"
#include "export/Inicializacao.h"

namespace {

std::string UmaLinha(const QString& texto) {
    std::string r;
    for (const char c : texto.toStdString()) {
        if (c == '\n')
            r += "\\n";
        else
            r += c;
    }
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> args;
    for (int i = 1; i + 1 < argc; i += 2) args[argv[i]] = argv[i + 1];
    for (const char* obrigatorio : {"--config", "--programa", "--local", "--arquivo"}) {
        if (!args.count(obrigatorio)) {
            std::fprintf(stderr, "falhas-janela-auxiliar: falta %s\n", obrigatorio);
            return 2;
        }
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    exportacao::FixaHojePeloAmbiente();

    // Every box is read and closed with OK as soon as it is the active modal window.
    QTimer leitor;
    QObject::connect(&leitor, &QTimer::timeout, [] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caixa || caixa->property("lida").toBool()) return;
        caixa->setProperty("lida", true);
        std::printf("caixa|%s|%s|%s\n", UmaLinha(caixa->windowTitle()).c_str(),
                    caixa->icon() == QMessageBox::Critical ? "erro" : "informacao", UmaLinha(caixa->text()).c_str());
        std::fflush(stdout);
        caixa->button(QMessageBox::Ok)->click();
    });
    leitor.start(10);

    janela::TOpcoesJanela o;
    o.arquivoConfig = std::filesystem::path(args["--config"]);
    o.pastaPrograma = args["--programa"];
    janela::TForm1 j(o);
    j.FormCreate();
    j.show();
    j.EdtLocal->setText(QString::fromStdString(args["--local"]));
    j.EdtArq->setText(QString::fromStdString(args["--arquivo"]));
    j.CbF100->setChecked(true);
    j.BitBtn1->click();

    std::printf("estado|visivel=%d|executando=%d|gerar=%d|cursor=%d\n", j.isVisible() ? 1 : 0, j.Executando() ? 1 : 0,
                j.BitBtn1->isEnabled() ? 1 : 0, QApplication::overrideCursor() ? 1 : 0);
    std::fflush(stdout);
    return 0;
}
