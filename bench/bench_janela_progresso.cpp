// What the progress updates cost on the window's path: the same export, through the
// real window (offscreen) and its "&Gerar", on the database of a configuration file,
// with the updates as shipped (the bar repainted and pending input processed at
// most every 50 ms) and with them off. Prints the seconds of each run, the
// difference, how often the bar was repainted, the longest gap between two repaints
// while the rows go by, and the longest time the window took no input at all.
//
//   bench_janela_progresso ARQUIVO.ini [--periodo MM/AAAA] [--repeticoes N]
//
// Make the data first, for example on embedded Firebird:
//   build/db/erp-fixture --config ARQUIVO.ini --criar --empresas 1 --documentos 20000
// Each mode runs N times (default 2), alternating; the fastest run of each counts.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/janela/JanelaPrincipal.h"
#include "util/Data.h"

namespace {

namespace fs = std::filesystem;

// Times of the bar's paint events. The first paint with the run's range marks the
// start of the row loop: the run sets the range just before it and lets the
// window repaint.
class ContaPinturas : public QObject {
public:
    ContaPinturas(const QElapsedTimer& relogio, const QProgressBar& barra) : relogio_(relogio), barra_(barra) {}
    std::vector<qint64> instantes;  // ns since the clock started
    qint64 inicioLaco = -1;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            instantes.push_back(relogio_.nsecsElapsed());
            if (inicioLaco < 0 && barra_.maximum() > 0 && barra_.maximum() != maximoInicial_) inicioLaco = instantes.back();
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    const QElapsedTimer& relogio_;
    const QProgressBar& barra_;
    const int maximoInicial_ = barra_.maximum();
};

struct Medida {
    double segundos = 0;
    int64_t linhas = 0;
    size_t repinturas = 0;            // paints of the bar during the press
    double maiorIntervaloPinturaMs = 0;  // between two paints, from the loop's start to its end
    double maiorIntervaloPinturaExecucaoMs = 0;  // the same over the whole press (the fetch included)
    double maiorIntervaloPinturaBuscaMs = 0;     // the same while the documents are fetched
    double lacoS = 0;                 // the row loop: from its first repaint to the bar's last step
    double antesS = 0, depoisS = 0;   // the press before the loop (the documents fetched) and after it (the file written)
    double maiorSemEventosMs = 0;     // longest time without an event-loop pass, over the whole press
    double maiorSemEventosLacoMs = 0; // the same during the row loop
};

// Longest difference between consecutive instants of `t` inside [inicio, fim],
// the ends included as instants.
double MaiorIntervaloMs(std::vector<qint64> t, qint64 inicio, qint64 fim) {
    std::vector<qint64> dentro = {inicio, fim};
    for (qint64 x : t)
        if (x >= inicio && x <= fim) dentro.push_back(x);
    std::sort(dentro.begin(), dentro.end());
    qint64 maior = 0;
    for (size_t i = 1; i < dentro.size(); ++i) maior = std::max(maior, dentro[i] - dentro[i - 1]);
    return maior / 1e6;
}

Medida Executa(const fs::path& ini, const fs::path& pasta, bool comProgresso) {
    janela::TOpcoesJanela o;
    o.arquivoConfig = ini;
    o.pastaPrograma = (pasta / "programa").string() + "/";
    o.atualizaProgresso = comProgresso;
    std::vector<std::string> mensagens;
    o.apresenta = [&](const janela::TMensagemJanela& m) { mensagens.push_back(m.texto); };
    fs::create_directories(o.pastaPrograma);

    janela::TForm1 j(o);
    j.FormCreate();
    j.show();
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    if (!j.Conectado() || !mensagens.empty()) {
        std::fprintf(stderr, "bench_janela_progresso: a janela não abriu a base: %s\n",
                     mensagens.empty() ? "sem conexão" : mensagens.front().c_str());
        std::exit(1);
    }
    j.EdtLocal->setText(QString::fromStdString((pasta / "saida").string()));
    j.EdtArq->setText(QStringLiteral("SPED_bench.txt"));
    fs::create_directories(pasta / "saida");

    QElapsedTimer relogio;
    relogio.start();
    ContaPinturas pinturas(relogio, *j.ProgressBar1);
    j.ProgressBar1->installEventFilter(&pinturas);
    qint64 fimLaco = -1;
    QObject::connect(j.ProgressBar1, &QProgressBar::valueChanged, [&](int v) {
        if (v > 0 && v == j.ProgressBar1->maximum()) fimLaco = relogio.nsecsElapsed();
    });
    // A timer that fires whenever the event loop gets a pass: its gaps are the
    // times the window could not take input.
    std::vector<qint64> passagens;
    QTimer sonda;
    QObject::connect(&sonda, &QTimer::timeout, [&] { passagens.push_back(relogio.nsecsElapsed()); });
    sonda.start(1);

    const qint64 inicio = relogio.nsecsElapsed();
    j.BitBtn1->click();
    const qint64 fim = relogio.nsecsElapsed();
    sonda.stop();

    if (mensagens.empty() || mensagens.back() != "Arquivo Gerado.") {
        std::fprintf(stderr, "bench_janela_progresso: a exportação não terminou: %s\n",
                     mensagens.empty() ? "sem mensagem" : mensagens.back().c_str());
        std::exit(1);
    }
    Medida m;
    m.segundos = (fim - inicio) / 1e9;
    m.linhas = j.UltimoRelatorio() ? j.UltimoRelatorio()->linhasConsulta : 0;
    for (qint64 t : pinturas.instantes)
        if (t >= inicio && t <= fim) ++m.repinturas;
    if (pinturas.inicioLaco >= 0 && fimLaco >= pinturas.inicioLaco) {
        m.maiorIntervaloPinturaMs = MaiorIntervaloMs(pinturas.instantes, pinturas.inicioLaco, fimLaco);
        m.maiorSemEventosLacoMs = MaiorIntervaloMs(passagens, pinturas.inicioLaco, fimLaco);
        m.lacoS = (fimLaco - pinturas.inicioLaco) / 1e9;
        m.antesS = (pinturas.inicioLaco - inicio) / 1e9;
        m.maiorIntervaloPinturaBuscaMs = MaiorIntervaloMs(pinturas.instantes, inicio, pinturas.inicioLaco);
        m.depoisS = (fim - fimLaco) / 1e9;
    }
    m.maiorSemEventosMs = MaiorIntervaloMs(passagens, inicio, fim);
    m.maiorIntervaloPinturaExecucaoMs = MaiorIntervaloMs(pinturas.instantes, inicio, fim);
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench_janela_progresso ARQUIVO.ini [--periodo MM/AAAA] [--repeticoes N]\n");
        return 2;
    }
    const fs::path ini = fs::absolute(argv[1]);
    std::string periodo = "01/2012";
    int repeticoes = 2;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--periodo")
            periodo = argv[i + 1];
        else if (a == "--repeticoes")
            repeticoes = std::max(1, std::atoi(argv[i + 1]));
    }
    if (periodo.size() != 7 || periodo[2] != '/') {
        std::fprintf(stderr, "bench_janela_progresso: período deve ser MM/AAAA: %s\n", periodo.c_str());
        return 2;
    }
    // "Today" in the month after the period: the window's default period is the one asked for.
    const auto primeiro = util::Data::FromYMD(std::stoi(periodo.substr(3)), static_cast<unsigned>(std::stoi(periodo.substr(0, 2))), 1);
    util::Data::FixaHoje(primeiro.UltimoDiaDoMes().MaisDias(1));

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const fs::path pasta = fs::temp_directory_path() / ("bench_janela_progresso-" + std::to_string(QCoreApplication::applicationPid()));
    Medida com, sem;
    for (int r = 0; r < repeticoes; ++r) {
        for (bool comProgresso : {true, false}) {
            const Medida m = Executa(ini, pasta, comProgresso);
            std::fprintf(stderr, "rodada %d %s: %.3f s\n", r + 1, comProgresso ? "com progresso" : "sem progresso", m.segundos);
            Medida& melhor = comProgresso ? com : sem;
            if (r == 0 || m.segundos < melhor.segundos) melhor = m;
        }
    }
    std::error_code ec;
    fs::remove_all(pasta, ec);

    std::printf("linhas_consulta=%lld repeticoes=%d\n", static_cast<long long>(com.linhas), repeticoes);
    std::printf("janela_com_progresso_s=%.3f janela_sem_progresso_s=%.3f diferenca_s=%.3f diferenca_pct=%.1f\n", com.segundos,
                sem.segundos, com.segundos - sem.segundos, sem.segundos > 0 ? 100.0 * (com.segundos - sem.segundos) / sem.segundos : 0.0);
    std::printf("repinturas_barra=%zu laco_linhas_s=%.3f maior_intervalo_repintura_ms=%.1f maior_intervalo_eventos_laco_ms=%.1f\n",
                com.repinturas, com.lacoS, com.maiorIntervaloPinturaMs, com.maiorSemEventosLacoMs);
    std::printf("antes_do_laco_s=%.3f depois_do_laco_s=%.3f maior_intervalo_repintura_busca_ms=%.1f "
                "maior_intervalo_repintura_execucao_ms=%.1f\n",
                com.antesS, com.depoisS, com.maiorIntervaloPinturaBuscaMs, com.maiorIntervaloPinturaExecucaoMs);
    std::printf("maior_intervalo_sem_eventos_com_progresso_ms=%.1f maior_intervalo_sem_eventos_sem_progresso_ms=%.1f\n",
                com.maiorSemEventosMs, sem.maiorSemEventosMs);
    return 0;
}
