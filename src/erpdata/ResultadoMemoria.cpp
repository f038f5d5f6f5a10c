#include "erpdata/ResultadoMemoria.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>

#include "erpdata/Erros.h"

namespace erpdata {

namespace {

constexpr size_t kTamanhoBloco = size_t(4) << 20;
constexpr uint8_t kOffsetsLargos = 1;  // row flag: 4-byte text offsets

// Delphi-style date serials (days since 30/12/1899) for numbers read as dates and back.
constexpr int32_t kDias1899a1970 = 25569;

std::string Maiusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string_view Apara(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    return s;
}

template <class T>
T Le(const std::byte* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::string DoisDigitos(int v) {
    std::string r(2, '0');
    r[0] = static_cast<char>('0' + v / 10 % 10);
    r[1] = static_cast<char>('0' + v % 10);
    return r;
}

std::string FormataHora(int64_t segundosNoDia) {
    return DoisDigitos(static_cast<int>(segundosNoDia / 3600)) + ":" + DoisDigitos(static_cast<int>(segundosNoDia / 60 % 60)) +
           ":" + DoisDigitos(static_cast<int>(segundosNoDia % 60));
}

util::Data DataDeDias(int64_t dias) {
    return util::Data::FromSysDays(std::chrono::sys_days(std::chrono::days(dias)));
}

int64_t DivPiso(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Shortest text that reads back as the same double, with a decimal comma as the
// ERP's users write numbers.
std::string FormataReal(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::optional<double> LeReal(std::string_view t) {
    t = Apara(t);
    std::string s(t);
    for (char& c : s)
        if (c == ',') c = '.';
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<int64_t> LeInteiro(std::string_view t) {
    t = Apara(t);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    int64_t v = 0;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
    return v;
}

}  // namespace

ResultadoMemoria::ResultadoMemoria(std::vector<ColunaResultado> colunas) : colunas_(std::move(colunas)) {
    for (size_t i = 0; i < colunas_.size(); ++i) {
        auto& c = colunas_[i];
        porNome_.try_emplace(Maiusculas(c.nome), static_cast<int>(i));
        switch (c.tipo) {
            case TipoColuna::Texto: c.indiceTexto = nTextos_++; break;
            case TipoColuna::Data: c.posicaoFixa = tamanhoFixo_; tamanhoFixo_ += 4; break;
            default: c.posicaoFixa = tamanhoFixo_; tamanhoFixo_ += 8; break;
        }
    }
    bytesNulos_ = static_cast<uint32_t>((colunas_.size() + 7) / 8);
    fixo_.resize(tamanhoFixo_);
    nulos_.resize(bytesNulos_);
    fimTextos_.resize(nTextos_);
}

int ResultadoMemoria::IndiceColuna(std::string_view nome) const {
    auto it = porNome_.find(Maiusculas(nome));
    return it == porNome_.end() ? -1 : it->second;
}

void ResultadoMemoria::Nulo() {
    const auto& c = colunas_[colAtual_];
    nulos_[colAtual_ / 8] |= static_cast<uint8_t>(1u << (colAtual_ % 8));
    if (c.tipo == TipoColuna::Texto) fimTextos_[c.indiceTexto] = static_cast<uint32_t>(textos_.size());
    ++colAtual_;
}

void ResultadoMemoria::Texto(std::string_view utf8) {
    const auto& c = colunas_[colAtual_++];
    if (c.tipo != TipoColuna::Texto) throw EDatabaseError("coluna " + c.nome + " não é de texto");
    textos_.append(utf8);
    fimTextos_[c.indiceTexto] = static_cast<uint32_t>(textos_.size());
}

void ResultadoMemoria::TextoUtf16(const char16_t* s, size_t n) {
    const auto& c = colunas_[colAtual_++];
    for (size_t i = 0; i < n; ++i) {
        uint32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            textos_.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            textos_.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            textos_.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            textos_.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            textos_.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            textos_.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            textos_.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            textos_.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            textos_.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            textos_.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    fimTextos_[c.indiceTexto] = static_cast<uint32_t>(textos_.size());
}

void ResultadoMemoria::Inteiro(int64_t v) {
    const auto& c = colunas_[colAtual_++];
    std::memcpy(fixo_.data() + c.posicaoFixa, &v, 8);
}

void ResultadoMemoria::Real(double v) {
    const auto& c = colunas_[colAtual_++];
    std::memcpy(fixo_.data() + c.posicaoFixa, &v, 8);
}

void ResultadoMemoria::Data(int32_t dias) {
    const auto& c = colunas_[colAtual_++];
    std::memcpy(fixo_.data() + c.posicaoFixa, &dias, 4);
}

void ResultadoMemoria::DataHora(int64_t segundos) { Inteiro(segundos); }
void ResultadoMemoria::Hora(int64_t segundos) { Inteiro(segundos); }

std::byte* ResultadoMemoria::Reserva(size_t n) {
    if (n > livreNoBloco_) {
        size_t tam = std::max(n, kTamanhoBloco);
        blocos_.push_back(std::make_unique_for_overwrite<std::byte[]>(tam));
        bytesBlocos_ += tam;
        cursor_ = blocos_.back().get();
        livreNoBloco_ = tam;
    }
    std::byte* p = cursor_;
    cursor_ += n;
    livreNoBloco_ -= n;
    return p;
}

void ResultadoMemoria::FechaLinha() {
    if (colAtual_ != colunas_.size()) throw EDatabaseError("linha incompleta no resultado");
    bool largos = textos_.size() > 0xFFFF;
    size_t larguraOffset = largos ? 4 : 2;
    size_t total = 1 + bytesNulos_ + tamanhoFixo_ + larguraOffset * nTextos_ + textos_.size();
    std::byte* p = Reserva(total);
    std::byte* q = p;
    *q++ = std::byte{largos ? kOffsetsLargos : uint8_t(0)};
    std::memcpy(q, nulos_.data(), bytesNulos_);
    q += bytesNulos_;
    if (tamanhoFixo_) std::memcpy(q, fixo_.data(), tamanhoFixo_);
    q += tamanhoFixo_;
    for (uint32_t fim : fimTextos_) {
        if (largos) {
            std::memcpy(q, &fim, 4);
            q += 4;
        } else {
            uint16_t f16 = static_cast<uint16_t>(fim);
            std::memcpy(q, &f16, 2);
            q += 2;
        }
    }
    if (!textos_.empty()) std::memcpy(q, textos_.data(), textos_.size());
    linhas_.push_back(p);

    colAtual_ = 0;
    std::fill(nulos_.begin(), nulos_.end(), 0);
    std::fill(fimTextos_.begin(), fimTextos_.end(), 0);
    textos_.clear();
}

bool ResultadoMemoria::IsNull(size_t linha, size_t col) const {
    const std::byte* p = Linha(linha) + 1;
    return (static_cast<uint8_t>(p[col / 8]) >> (col % 8)) & 1u;
}

std::string_view ResultadoMemoria::TextoBruto(size_t linha, size_t col) const {
    const auto& c = colunas_[col];
    const std::byte* p = Linha(linha);
    bool largos = static_cast<uint8_t>(p[0]) & kOffsetsLargos;
    const std::byte* offs = p + 1 + bytesNulos_ + tamanhoFixo_;
    size_t largura = largos ? 4 : 2;
    const char* base = reinterpret_cast<const char*>(offs + largura * nTextos_);
    auto fimDe = [&](uint32_t i) -> uint32_t {
        return largos ? Le<uint32_t>(offs + 4 * i) : Le<uint16_t>(offs + 2 * i);
    };
    uint32_t ini = c.indiceTexto == 0 ? 0 : fimDe(c.indiceTexto - 1);
    uint32_t fim = fimDe(c.indiceTexto);
    return std::string_view(base + ini, fim - ini);
}

void ResultadoMemoria::ErroConversao(size_t col, std::string_view valor, const char* oQue) const {
    throw EDatabaseError("Valor '" + std::string(valor) + "' do campo " + colunas_[col].nome + " não é " + oQue + " válido");
}

std::string ResultadoMemoria::AsString(size_t linha, size_t col) const {
    if (IsNull(linha, col)) return {};
    const auto& c = colunas_[col];
    const std::byte* fixo = Linha(linha) + 1 + bytesNulos_ + c.posicaoFixa;
    switch (c.tipo) {
        case TipoColuna::Texto: return std::string(TextoBruto(linha, col));
        case TipoColuna::Inteiro: return std::to_string(Le<int64_t>(fixo));
        case TipoColuna::Real: return FormataReal(Le<double>(fixo));
        case TipoColuna::Data: return DataDeDias(Le<int32_t>(fixo)).Formata("dd/mm/yyyy");
        case TipoColuna::DataHora: {
            int64_t s = Le<int64_t>(fixo);
            int64_t dias = DivPiso(s, 86400);
            int64_t resto = s - dias * 86400;
            std::string r = DataDeDias(dias).Formata("dd/mm/yyyy");
            if (resto) r += " " + FormataHora(resto);
            return r;
        }
        case TipoColuna::Hora: return FormataHora(Le<int64_t>(fixo));
    }
    return {};
}

double ResultadoMemoria::AsFloat(size_t linha, size_t col) const {
    if (IsNull(linha, col)) return 0;
    const auto& c = colunas_[col];
    const std::byte* fixo = Linha(linha) + 1 + bytesNulos_ + c.posicaoFixa;
    switch (c.tipo) {
        case TipoColuna::Texto: {
            std::string_view t = TextoBruto(linha, col);
            if (Apara(t).empty()) return 0;
            auto v = LeReal(t);
            if (!v) ErroConversao(col, t, "um número");
            return *v;
        }
        case TipoColuna::Inteiro: return static_cast<double>(Le<int64_t>(fixo));
        case TipoColuna::Real: return Le<double>(fixo);
        case TipoColuna::Data: return Le<int32_t>(fixo) + kDias1899a1970;
        case TipoColuna::DataHora: return Le<int64_t>(fixo) / 86400.0 + kDias1899a1970;
        case TipoColuna::Hora: return Le<int64_t>(fixo) / 86400.0;
    }
    return 0;
}

util::Currency ResultadoMemoria::AsCurrency(size_t linha, size_t col) const {
    if (IsNull(linha, col)) return {};
    const auto& c = colunas_[col];
    if (c.tipo == TipoColuna::Inteiro)
        return util::Currency::FromRaw(Le<int64_t>(Linha(linha) + 1 + bytesNulos_ + c.posicaoFixa) * 10000);
    return util::Currency::FromDouble(AsFloat(linha, col));
}

util::Data ResultadoMemoria::AsDate(size_t linha, size_t col) const {
    if (IsNull(linha, col)) return {};
    const auto& c = colunas_[col];
    const std::byte* fixo = Linha(linha) + 1 + bytesNulos_ + c.posicaoFixa;
    switch (c.tipo) {
        case TipoColuna::Data: return DataDeDias(Le<int32_t>(fixo));
        case TipoColuna::DataHora: return DataDeDias(DivPiso(Le<int64_t>(fixo), 86400));
        case TipoColuna::Texto: {
            std::string_view t = Apara(TextoBruto(linha, col));
            if (t.empty()) return {};
            if (auto d = util::Data::Parse(t.substr(0, std::min<size_t>(t.size(), 10)))) return *d;
            if (auto d = util::Data::ParseIso(t)) return *d;
            ErroConversao(col, t, "uma data");
        }
        case TipoColuna::Inteiro:
        case TipoColuna::Real: {
            double v = AsFloat(linha, col);
            if (v == 0) return {};
            return DataDeDias(static_cast<int64_t>(std::floor(v)) - kDias1899a1970);
        }
        case TipoColuna::Hora: return {};
    }
    return {};
}

int64_t ResultadoMemoria::AsInteger(size_t linha, size_t col) const {
    if (IsNull(linha, col)) return 0;
    const auto& c = colunas_[col];
    const std::byte* fixo = Linha(linha) + 1 + bytesNulos_ + c.posicaoFixa;
    switch (c.tipo) {
        case TipoColuna::Inteiro:
        case TipoColuna::DataHora:
        case TipoColuna::Hora: return Le<int64_t>(fixo);
        case TipoColuna::Real: return static_cast<int64_t>(std::nearbyint(Le<double>(fixo)));
        case TipoColuna::Data: return Le<int32_t>(fixo) + kDias1899a1970;
        case TipoColuna::Texto: {
            std::string_view t = TextoBruto(linha, col);
            if (Apara(t).empty()) return 0;
            auto v = LeInteiro(t);
            if (!v) ErroConversao(col, t, "um número inteiro");
            return *v;
        }
    }
    return 0;
}

size_t ResultadoMemoria::BytesUsados() const {
    return bytesBlocos_ + linhas_.capacity() * sizeof(const std::byte*);
}

}  // namespace erpdata
