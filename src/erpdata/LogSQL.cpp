#include "erpdata/LogSQL.h"

#include <fstream>
#include <mutex>

#include <QHostAddress>
#include <QNetworkInterface>
#include <QSysInfo>

#include "erpdata/TIDatabase.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace erpdata {

namespace fs = std::filesystem;

namespace {

std::mutex& Trava() {
    static std::mutex m;
    return m;
}
fs::path& PastaDefinida() {
    static fs::path p;
    return p;
}
std::function<std::string()>& JanelaAtiva() {
    static std::function<std::string()> f;
    return f;
}

// The one OS-specific call: where the running executable lives.
fs::path PastaDoExecutavel() {
#ifdef _WIN32
    wchar_t buf[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
    return fs::path(std::wstring(buf, n)).parent_path();
#else
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
#endif
}

}  // namespace

fs::path PastaPrograma() {
    std::lock_guard lk(Trava());
    if (PastaDefinida().empty()) PastaDefinida() = PastaDoExecutavel();
    return PastaDefinida();
}

void DefinePastaPrograma(const fs::path& pasta) {
    std::lock_guard lk(Trava());
    PastaDefinida() = pasta;
}

void DefineNomeJanelaAtiva(std::function<std::string()> f) {
    std::lock_guard lk(Trava());
    JanelaAtiva() = std::move(f);
}

std::string NomeComputador() { return QSysInfo::machineHostName().toStdString(); }

std::string EnderecoIPLocal() {
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) return a.toString().toStdString();
    return "127.0.0.1";
}

std::string NomeArquivoLog(std::string_view maquina, const util::Data& data) {
    std::string nome = maquina.empty() ? std::string("MaqDesconhecida") : std::string(maquina);
    return nome + "-" + data.Formata("yyyymmdd") + ".log";
}

std::string TextoParaLog(std::string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (size_t i = 0; i < texto.size(); ++i) {
        char c = texto[i];
        if (c == '\r') {
            if (i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
            r += ' ';
        } else if (c == '\n') {
            r += ' ';
        } else if (c == '|') {
            r += "\xC3\x9F";  // ß
        } else {
            r += c;
        }
    }
    size_t i = 0, f = r.size();
    while (i < f && (r[i] == ' ' || r[i] == '\t')) ++i;
    while (f > i && (r[f - 1] == ' ' || r[f - 1] == '\t')) --f;
    return r.substr(i, f - i);
}

std::string DataHoraLog(std::time_t instante) {
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &instante);
#else
    localtime_r(&instante, &tm);
#endif
    char buf[32];
    std::strftime(buf, sizeof buf, "%d/%m/%y %H:%M:%S", &tm);
    return buf;
}

std::string LinhaLog(std::string_view ip, std::string_view janela, std::string_view usuario,
                     std::string_view dataHora, std::string_view texto) {
    std::string r = "|";
    r.append(ip).append("|").append(janela).append("|").append(usuario).append("|").append(dataHora).append("|");
    r.append(TextoParaLog(texto)).append("|");
    return r;
}

void GravaLogSQL(const TTIDatabase* db, std::string_view texto, bool dadosDaConexao) {
    try {
        std::string maquina, ip;
        if (dadosDaConexao && db && db->DadosGravaLog()) {
            maquina = db->DadosGravaLog()->NmMaquina;
            ip = db->DadosGravaLog()->NrIP;
        } else {
            maquina = NomeComputador();
            ip = EnderecoIPLocal();
        }
        // Called outside the lock: the window's function may do anything, including
        // asking for the program's folder.
        std::function<std::string()> nomeJanela;
        {
            std::lock_guard lk(Trava());
            nomeJanela = JanelaAtiva();
        }
        std::string janela = nomeJanela ? nomeJanela() : std::string();
        fs::path base = PastaPrograma();
        fs::path pasta = base / "Logs";
        std::error_code ec;
        fs::create_directories(pasta, ec);
        if (ec || !fs::is_directory(pasta)) pasta = base;
        std::time_t agora = std::time(nullptr);
        std::tm tm{};
#ifdef _WIN32
        localtime_s(&tm, &agora);
#else
        localtime_r(&agora, &tm);
#endif
        util::Data hoje = util::Data::FromYMD(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
        std::ofstream out(pasta / NomeArquivoLog(maquina, hoje), std::ios::binary | std::ios::app);
        out << LinhaLog(ip, janela, db ? db->NmUsuario : std::string(), DataHoraLog(agora), texto) << "\r\n";
    } catch (...) {
    }
}

}  // namespace erpdata
