// sped-contribuicoes: the exporter's window.
//
//   sped-contribuicoes [--config ARQUIVO.ini] [--captura IMAGEM.png]
//
// Without --config the connection comes from "TI.ini", else "Velmora.ini", beside
// the program. --captura saves a picture of the window once it is on screen and
// ends the program (for the documentation). SPED_DATA_HOJE=DD/MM/AAAA fixes today's
// date, and with it the default period.
#include <QApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <string>

#include "JanelaPrincipal.h"
#include "erpdata/LogSQL.h"
#include "export/Inicializacao.h"

namespace {

constexpr const char* kUso = "uso: sped-contribuicoes [--config ARQUIVO.ini] [--captura IMAGEM.png]\n";

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    exportacao::FixaHojePeloAmbiente();
    // The SQL log names the window that was active when a statement failed.
    erpdata::DefineNomeJanelaAtiva([] {
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) return std::string();
        const QWidget* ativa = QApplication::activeWindow();
        return ativa ? ativa->objectName().toStdString() : std::string();
    });

    janela::TOpcoesJanela opcoes;
    QString captura;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool temValor = i + 1 < args.size();
        if (a == QLatin1String("--config") && temValor) {
            opcoes.arquivoConfig = std::filesystem::path(args[++i].toStdString());
        } else if (a == QLatin1String("--captura") && temValor) {
            captura = args[++i];
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUso, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "sped-contribuicoes: opção desconhecida ou sem valor: %s\n%s",
                         a.toLocal8Bit().constData(), kUso);
            return 2;
        }
    }

    janela::TForm1 form(opcoes);
    form.FormCreate();
    form.show();
    if (!captura.isEmpty()) {
        QTimer::singleShot(500, &form, [&form, captura] {
            const bool ok = form.grab().save(captura, "PNG");
            if (!ok) std::fprintf(stderr, "sped-contribuicoes: não foi possível gravar %s\n", captura.toLocal8Bit().constData());
            QCoreApplication::exit(ok ? 0 : 1);
        });
    }
    return app.exec();
}
