#pragma once
// What the fault cases share: the command-line exporter (or another program of the
// suite) run as a child process (optionally as another user, with a file-size
// limit, or left running while the test breaks something), a folder's files read
// back whole so that "nothing else was written and the previous file is intact" is
// one comparison, a throw-away PostgreSQL database with the fixture's data for a
// whole suite, and a private PostgreSQL server that a test may stop and start.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "GeradorERP.h"
#include "common/PastaTemporaria.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"

namespace falhas {

namespace fs = std::filesystem;

inline const char* Ambiente(const char* nome) {
    const char* v = std::getenv(nome);
    return v ? v : "";
}

inline bool TemPostgres() { return std::getenv("EFD_PG_PORT") != nullptr; }

// Root ignores permissions, so some cases run the exporter as "nobody". That user
// must reach the program and the test's folders, which a build tree in a private
// home (/root/...) does not let it do: such cases work in a folder of this process
// under the system's temp folder, removed at the end, with a copy of the program.
inline constexpr fs::perms kParaTodos = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec;

inline const fs::path& PastaDeTodos() {
    struct Pasta {
        fs::path caminho;
        Pasta() : caminho(fs::temp_directory_path() / ("efd-falhas-" + std::to_string(::getpid()))) {
            fs::create_directories(caminho);
            fs::permissions(caminho, kParaTodos);
        }
        ~Pasta() {
            std::error_code ec;
            fs::remove_all(caminho, ec);
        }
    };
    static const Pasta pasta;
    return pasta.caminho;
}

// A copy of `programa` that every user may run (made once per process).
inline std::string ProgramaParaTodos(const std::string& programa) {
    static std::map<std::string, std::string> copias;
    std::string& copia = copias[programa];
    if (copia.empty()) {
        const fs::path destino = PastaDeTodos() / "programa" / fs::path(programa).filename();
        fs::create_directories(destino.parent_path());
        fs::copy_file(programa, destino, fs::copy_options::overwrite_existing);
        fs::permissions(destino, kParaTodos);
        copia = destino.string();
    }
    return copia;
}

struct Execucao {
    int codigo = -1;     // exit status; -1 when the process ended on a signal
    int sinal = 0;
    std::string saida;   // stdout
    std::string erros;   // stderr
};

struct OpcoesProcesso {
    const char* programa = CLI_EXPORTADOR;   // the program to run
    std::optional<uid_t> uid;                // run as this user (the test runs as root)
    std::optional<gid_t> gid;
    std::optional<rlim_t> tamanhoMaximoArquivo;  // RLIMIT_FSIZE
    bool ignoraSIGXFSZ = true;  // past the limit a write fails with EFBIG; false: the process is killed
};

// The exporter started in the background; Espera collects its exit and output.
class ProcessoCLI {
public:
    ProcessoCLI(const fs::path& pasta, const std::vector<std::string>& argumentos, const OpcoesProcesso& o = {}) {
        static std::atomic<int> seq{0};
        const std::string n = std::to_string(seq++);
        saida_ = pasta / ("stdout-" + n + ".txt");
        erros_ = pasta / ("stderr-" + n + ".txt");
        const int fdSaida = ::open(saida_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int fdErros = ::open(erros_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> args = {o.uid ? ProgramaParaTodos(o.programa) : std::string(o.programa)};
        args.insert(args.end(), argumentos.begin(), argumentos.end());
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        // "Today" fixed, as in the end-to-end tests. Everything the child needs is
        // ready before fork: after it, only system calls.
        std::vector<std::string> ambiente = {"SPED_DATA_HOJE=15/02/2012"};
        for (char** v = environ; *v; ++v)
            if (std::string_view(*v).rfind("SPED_DATA_HOJE=", 0) != 0) ambiente.emplace_back(*v);
        std::vector<char*> envp;
        for (auto& v : ambiente) envp.push_back(v.data());
        envp.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(fdSaida, STDOUT_FILENO);
            ::dup2(fdErros, STDERR_FILENO);
            if (o.tamanhoMaximoArquivo) {
                if (o.ignoraSIGXFSZ) ::signal(SIGXFSZ, SIG_IGN);
                rlimit r{*o.tamanhoMaximoArquivo, *o.tamanhoMaximoArquivo};
                if (::setrlimit(RLIMIT_FSIZE, &r) != 0) ::_exit(120);
            }
            if (o.gid && (::setgroups(0, nullptr) != 0 || ::setgid(*o.gid) != 0)) ::_exit(121);
            if (o.uid && ::setuid(*o.uid) != 0) ::_exit(122);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        ::close(fdSaida);
        ::close(fdErros);
    }
    ~ProcessoCLI() {
        if (pid_ > 0 && !esperado_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    pid_t Pid() const { return pid_; }

    Execucao Espera() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        esperado_ = true;
        Execucao e;
        if (WIFEXITED(status)) e.codigo = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) e.sinal = WTERMSIG(status);
        e.saida = teste::LeBytes(saida_);
        e.erros = teste::LeBytes(erros_);
        return e;
    }

private:
    pid_t pid_ = -1;
    bool esperado_ = false;
    fs::path saida_, erros_;
};

// Runs a statement that returns one number.
inline int64_t Numero(erpdata::TTIDatabase& db, const std::string& sql) {
    erpdata::TTIQuery q(&db);
    q.SetSQL(sql);
    q.Open();
    return q.IsEmpty() ? 0 : q.Fields(0).AsInteger();
}

// Waits (up to 30 s) for a condition checked every 50 ms.
inline bool Aguarda(const std::function<bool()>& condicao) {
    for (int i = 0; i < 600; ++i) {
        if (condicao()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

inline Execucao RodaCLI(const fs::path& pasta, const std::vector<std::string>& argumentos, const OpcoesProcesso& o = {}) {
    return ProcessoCLI(pasta, argumentos, o).Espera();
}

// The last line of a text, without its line break.
inline std::string UltimaLinha(const std::string& texto) {
    std::string t = texto;
    while (!t.empty() && t.back() == '\n') t.pop_back();
    const size_t n = t.rfind('\n');
    return n == std::string::npos ? t : t.substr(n + 1);
}

// Every regular file under a folder (names relative to it) with its bytes.
using Arquivos = std::map<std::string, std::string>;
inline Arquivos ArquivosDe(const fs::path& pasta) {
    Arquivos r;
    std::error_code ec;
    if (!fs::exists(pasta, ec)) return r;
    for (const auto& e : fs::recursive_directory_iterator(pasta, ec))
        if (e.is_regular_file()) r[fs::relative(e.path(), pasta).string()] = teste::LeBytes(e.path());
    return r;
}

// A previous export's file: what must survive every failed run byte for byte.
inline const std::string kArquivoAnterior = "|0000|arquivo da exportação anterior|\r\n|9999|2|\r\n";

// The test user "nobody", for the cases where the file system's permissions must
// bite (they do not for root).
struct Usuario {
    uid_t uid;
    gid_t gid;
};
inline std::optional<Usuario> UsuarioSemPrivilegios() {
    const passwd* p = ::getpwnam("nobody");
    if (!p) return std::nullopt;
    return Usuario{p->pw_uid, p->pw_gid};
}

inline std::string TextoIni(const std::string& banco, const std::string& servidor, const std::string& base,
                            const std::string& usuario, const std::string& senha) {
    return "[Banco]\r\nversao=3.0\r\nBanco=" + banco + "\r\nServidor=" + servidor + "\r\nBase=" + base +
           "\r\nusuario=" + usuario + "\r\nsenha=" + senha + "\r\n";
}

// A connection to a database of the test PostgreSQL cluster.
inline void ConfiguraPG(erpdata::TTIDatabase& db, const std::string& base) {
    db.DriverID = "PG";
    db.HostName = Ambiente("EFD_PG_HOST");
    db.Port = std::atoi(Ambiente("EFD_PG_PORT"));
    db.User = Ambiente("EFD_PG_USER");
    db.Password = Ambiente("EFD_PG_PASSWORD");
    db.Database = base;
}

// A database of the test cluster with the fixture's data, kept for a whole suite.
class BancoPGCompartilhado {
public:
    void Cria(const std::string& nome, const fixture::OpcoesGerador& o) {
        nome_ = nome;
        erpdata::TTIDatabase adm;
        ConfiguraPG(adm, "postgres");
        adm.Conecta();
        adm.ExecutaForaDaTransacao("CREATE DATABASE " + nome_);
        erpdata::TTIDatabase db;
        ConfiguraPG(db, nome_);
        db.Conecta();
        fixture::CriaEsquema(db, o.empresas);
        fixture::GeraDados(db, o);
        db.Transacao().Commit();
    }
    void Remove() {
        if (nome_.empty()) return;
        try {
            erpdata::TTIDatabase adm;
            ConfiguraPG(adm, "postgres");
            adm.Conecta();
            adm.ExecutaForaDaTransacao("DROP DATABASE IF EXISTS " + nome_ + " WITH (FORCE)");
        } catch (...) {
        }
        nome_.clear();
    }
    const std::string& Nome() const { return nome_; }
    std::string Ini() const {
        return TextoIni("POSTGRES", std::string(Ambiente("EFD_PG_HOST")) + ":" + Ambiente("EFD_PG_PORT"), nome_,
                        Ambiente("EFD_PG_USER"), Ambiente("EFD_PG_PASSWORD"));
    }

private:
    std::string nome_;
};

// A private server (the shared one serves the other tests), which a test may stop
// at once, as a crash would, and start again on the same port.
class ServidorPrivado {
public:
    ServidorPrivado() {
        const std::string saida = Shell("pg_inicia >/dev/null && echo \"$PG_DIR $EFD_PG_PORT\"");
        const size_t espaco = saida.find(' ');
        if (espaco == std::string::npos) return;
        dir_ = saida.substr(0, espaco);
        porta_ = saida.substr(espaco + 1);
        while (!porta_.empty() && (porta_.back() == '\n' || porta_.back() == '\r')) porta_.pop_back();
    }
    ~ServidorPrivado() {
        if (!dir_.empty()) Shell("pg_para");
    }
    bool Ativo() const { return !porta_.empty(); }
    void Derruba() { Shell("pg_derruba"); }
    void Religa() { Shell("pg_religa"); }
    const std::string& Porta() const { return porta_; }

private:
    // Runs the cluster script's function with this server's folder and port.
    std::string Shell(const std::string& comando) {
        const std::string linha = "bash -c 'source \"" PASTA_FONTES "/scripts/pg-cluster.sh\" && PG_DIR=\"" + dir_ +
                                  "\" && EFD_PG_PORT=\"" + porta_ + "\" && " + comando + "'";
        std::string r;
        if (FILE* f = ::popen(linha.c_str(), "r")) {
            char buf[512];
            while (size_t n = std::fread(buf, 1, sizeof buf, f)) r.append(buf, n);
            ::pclose(f);
        }
        return r;
    }
    std::string dir_, porta_;
};

}  // namespace falhas
