#include "erpdata/Firebird.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include "erpdata/Erros.h"

#ifdef ERPDATA_COM_FBCLIENT
#include <ibase.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif

namespace erpdata {

namespace {

#ifdef ERPDATA_COM_FBCLIENT
std::string MensagemStatus(const ISC_STATUS* status) {
    std::string msg;
    char buf[1024];
    const ISC_STATUS* p = status;
    while (fb_interpret(buf, sizeof buf, &p)) {
        if (!msg.empty()) msg += "\n";
        msg += buf;
    }
    return msg;
}
#endif

void DefineSeAusente(const char* nome, const std::string& valor) {
    if (std::getenv(nome)) return;
#ifdef _WIN32
    _putenv_s(nome, valor.c_str());
#else
    setenv(nome, valor.c_str(), 0);
#endif
}

}  // namespace

void PreparaFirebirdEmbutido() {
    static std::once_flag uma;
    std::call_once(uma, [] {
#ifndef _WIN32
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::path tmp = fs::temp_directory_path(ec);
        if (ec) tmp = "/tmp";
        // The engine keeps its lock tables in /tmp/firebird, created by whoever came
        // first with mode 0770: another user then cannot open any database at all.
        fs::path padrao = "/tmp/firebird";
        bool padraoServe = !fs::exists(padrao, ec) || ::access(padrao.c_str(), R_OK | W_OK | X_OK) == 0;
        if (!padraoServe) {
            fs::path propria = tmp / ("firebird-" + std::to_string(::getuid()));
            fs::create_directories(propria, ec);
            DefineSeAusente("FIREBIRD_LOCK", propria.string());
        }
        DefineSeAusente("FIREBIRD_TMP", tmp.string());
#endif
    });
}

void CriaBancoFirebird(const std::string& arquivo, const std::string& usuario, const std::string& senha) {
#ifdef ERPDATA_COM_FBCLIENT
    PreparaFirebirdEmbutido();
    auto aspas = [](const std::string& s) {
        std::string r = "'";
        for (char c : s) { r += c; if (c == '\'') r += '\''; }
        return r + "'";
    };
    std::string sql = "CREATE DATABASE " + aspas(arquivo);
    if (!usuario.empty()) sql += " USER " + aspas(usuario);
    if (!senha.empty()) sql += " PASSWORD " + aspas(senha);
    sql += " PAGE_SIZE 4096 DEFAULT CHARACTER SET UTF8";
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sql.c_str(), 3, nullptr))
        throw EDatabaseError("Não foi possível criar o banco Firebird " + arquivo + ": " + MensagemStatus(status));
    isc_detach_database(status, &db);
#else
    (void)usuario; (void)senha;
    throw EDatabaseError("Não foi possível criar o banco Firebird " + arquivo +
                         ": programa compilado sem a biblioteca cliente do Firebird (fbclient)");
#endif
}

#ifdef ERPDATA_COM_FBCLIENT
namespace {

// The connection's handle as Qt's QIBASE driver hands it out.
isc_db_handle HandleDe(const void* handleConexao) {
    isc_db_handle h;
    std::memcpy(&h, handleConexao, sizeof h);
    return h;
}

void Cancela(isc_db_handle h) {
    ISC_STATUS_ARRAY status{};
    fb_cancel_operation(status, &h, fb_cancel_raise);
}

}  // namespace
#endif

void CancelaOperacaoFirebird(const void* handleConexao) {
#ifdef ERPDATA_COM_FBCLIENT
    if (handleConexao) Cancela(HandleDe(handleConexao));
#else
    (void)handleConexao;
#endif
}

struct CanceladorFirebird::Estado {
    std::mutex m;
    std::condition_variable cv;
    bool terminou = false;
    std::atomic<bool> disparou{false};
    std::thread vigia;
};

CanceladorFirebird::CanceladorFirebird(const void* handleConexao, int ms) {
#ifdef ERPDATA_COM_FBCLIENT
    if (!handleConexao || ms <= 0) return;
    estado_ = std::make_shared<Estado>();
    estado_->vigia = std::thread([e = estado_, h = HandleDe(handleConexao), ms] {
        std::unique_lock lk(e->m);
        if (e->cv.wait_for(lk, std::chrono::milliseconds(ms), [&] { return e->terminou; })) return;
        e->disparou = true;
        Cancela(h);
    });
#else
    (void)handleConexao; (void)ms;
#endif
}

CanceladorFirebird::~CanceladorFirebird() {
    if (!estado_) return;
    {
        std::lock_guard lk(estado_->m);
        estado_->terminou = true;
    }
    estado_->cv.notify_all();
    if (estado_->vigia.joinable()) estado_->vigia.join();
}

bool CanceladorFirebird::Disparou() const { return estado_ && estado_->disparou; }

}  // namespace erpdata
