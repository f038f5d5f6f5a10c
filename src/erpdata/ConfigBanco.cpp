#include "erpdata/ConfigBanco.h"

#include <charconv>
#include <cstdio>
#include <memory>

#include <ini.h>

#include "erpdata/Erros.h"
#include "erpdata/LogSQL.h"
#include "erpdata/TIDatabase.h"
#include "util/Windows1252.h"

namespace erpdata {

namespace fs = std::filesystem;

namespace {

bool IgualCI(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

bool Utf8Valido(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n;
    }
    return true;
}

// Keys read so far: the first occurrence of a key wins, as Windows reads INI files.
struct LeituraIni {
    ConfigBanco cfg;
    bool visto[6] = {};
};

int TrataLinhaIni(void* user, const char* secao, const char* nome, const char* valor) {
    static std::string ConfigBanco::*const campos[] = {&ConfigBanco::versao, &ConfigBanco::Banco,   &ConfigBanco::Servidor,
                                                       &ConfigBanco::Base,   &ConfigBanco::usuario, &ConfigBanco::senha};
    static const char* const chaves[] = {"versao", "Banco", "Servidor", "Base", "usuario", "senha"};
    auto* e = static_cast<LeituraIni*>(user);
    if (!IgualCI(secao, "Banco")) return 1;
    for (int i = 0; i < 6; ++i) {
        if (!IgualCI(nome, chaves[i]) || e->visto[i]) continue;
        e->visto[i] = true;
        std::string v = valor ? valor : "";
        if (!Utf8Valido(v)) v = util::DeWindows1252(v);  // a file saved by Notepad in ANSI
        e->cfg.*campos[i] = std::move(v);
    }
    return 1;
}

std::string Maiusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return r;
}

// The port part as a number, or the default when it is empty or not a whole number.
int PortaOu(const std::string& parte, int padrao) {
    std::string_view t = parte;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    int v = 0;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size()) return padrao;
    return v;
}

}  // namespace

fs::path LocalizaArquivoConfig(const fs::path& pasta) {
    std::error_code ec;
    fs::path ti = pasta / "TI.ini";
    if (fs::exists(ti, ec)) return ti;
    return pasta / "Velmora.ini";
}

std::optional<ConfigBanco> LeConfigBanco(const fs::path& arquivo) {
    std::error_code ec;
    if (!fs::is_regular_file(arquivo, ec)) return std::nullopt;
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(arquivo.string().c_str(), "rb"), &std::fclose);
    if (!f) return std::nullopt;
    LeituraIni leitura;
    ini_parse_file(f.get(), &TrataLinhaIni, &leitura);
    return leitura.cfg;
}

std::string TipoBanco(std::string_view banco, std::string_view /*versao*/) {
    std::string b = Maiusculas(banco);
    if (b == "ORACLE") return "Ora";
    if (b == "POSTGRES") return "PG";
    return "FB";
}

void AplicaConfigBanco(TTIDatabase& db, const ConfigBanco& cfg) {
    db.DriverID = TipoBanco(cfg.Banco, cfg.versao);
    std::string host, porta;
    size_t dp = cfg.Servidor.find(':');
    if (dp != std::string::npos) {
        host = cfg.Servidor.substr(0, dp);
        porta = cfg.Servidor.substr(dp + 1);
    } else {
        host = cfg.Servidor;
    }
    db.Database = cfg.Base;
    db.SetDatabaseName(host + ":" + cfg.Base);
    db.User = cfg.usuario;
    db.Password = cfg.senha;
    if (db.DriverID == "Ora") {
        db.SetDatabaseName(cfg.Base);
        db.Port = PortaOu(porta, 1521);
    } else if (db.DriverID == "PG") {
        db.Database = cfg.Base;
        db.Port = PortaOu(porta, 5432);
    }
    db.HostName = host;
}

bool ConectaBanco(TTIDatabase& db, const std::optional<fs::path>& arquivo,
                  const std::function<void(const std::string&)>& mostraErro) {
    fs::path caminho = arquivo ? *arquivo : LocalizaArquivoConfig(PastaPrograma());
    std::optional<ConfigBanco> cfg = LeConfigBanco(caminho);
    if (!cfg) return false;
    AplicaConfigBanco(db, *cfg);
    try {
        db.Conecta();
    } catch (const std::exception& e) {
        if (mostraErro) mostraErro(std::string("Erro ao Conectar a Base de Dados\n") + e.what());
        return false;
    }
    return db.Conectado();
}

}  // namespace erpdata
