#include "efd/ArquivoTXT.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "util/Sistema.h"
#include "util/Util.h"
#include "util/Windows1252.h"

namespace efd {
namespace {

bool EhControle(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
}

std::string_view Apara(std::string_view s) {
    size_t ini = 0, fim = s.size();
    while (ini < fim && static_cast<unsigned char>(s[ini]) <= 32) ++ini;
    while (fim > ini && static_cast<unsigned char>(s[fim - 1]) <= 32) --fim;
    return s.substr(ini, fim - ini);
}

// Pads on the left (or cuts) `text` to `size` characters and appends it.
void AppendAjustado(std::string& out, std::string_view text, int size, char caracter, bool aDireita) {
    if (size <= 0) {
        out.append(text);
        return;
    }
    const size_t alvo = static_cast<size_t>(size);
    const size_t n = util::ContaCaracteresUtf8(text);
    if (n > alvo) {
        out.append(text.substr(0, util::BytesDosPrimeirosCaracteres(text, alvo)));
    } else if (aDireita) {
        out.append(text);
        out.append(alvo - n, caracter);
    } else {
        out.append(alvo - n, caracter);
        out.append(text);
    }
}


bool MascaraDeMoeda(std::string_view mascara) { return !mascara.empty() && mascara != "#"; }

}  // namespace

std::string TLinhas::Texto() const {
    std::string out;
    out.reserve(dados_.size() + 2 * fim_.size());
    for (size_t i = 0; i < Count(); ++i) {
        out.append((*this)[i]);
        out.append("\r\n");
    }
    return out;
}

std::string FormataMensagem(std::string_view fmt, const std::vector<std::string>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] == '%' && i + 1 < fmt.size()) {
            const char k = fmt[i + 1];
            if (k == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
            if (k == 's' || k == 'd') {
                if (next < args.size()) out.append(args[next]);
                ++next;
                ++i;
                continue;
            }
        }
        out.push_back(fmt[i]);
    }
    return out;
}

void TArquivoTXT::LinhasBuffer(int value) {
    if (value <= 0) value = 0;
    if (value != FLinhasBuffer) FLinhasBuffer = value;
}

void TArquivoTXT::CurMascara(std::string value) {
    FCurMascara = std::move(value);
    FCurMascaraParsed = util::ParseMascara(FCurMascara);
}

void TArquivoTXT::Delimitador(std::string value) {
    FDelimitador = std::move(value);
    FDelimitadorUnico = FDelimitador.size() == 1 ? FDelimitador[0] : '\0';
    AtualizaClasses();
}

void TArquivoTXT::ReplaceDelimitador(bool value) {
    FReplaceDelimitador = value;
    AtualizaClasses();
}

void TArquivoTXT::AtualizaClasses() {
    for (int c = 0; c < 256; ++c) FClasse[c] = EhControle(static_cast<char>(c)) ? 1 : 0;
    if (FReplaceDelimitador && !FDelimitador.empty()) FClasse[static_cast<unsigned char>(FDelimitador[0])] = 1;
}

std::string_view TArquivoTXT::PreparaTexto(std::string_view value, std::string& scratch,
                                           bool stripDelimiter) const {
    // One table look-up per byte tells whether the text holds anything to change
    // (the table marks the delimiter only while it is stripped, and the text fills
    // strip it exactly then); almost every value goes straight through.
    unsigned char marcas = 0;
    for (char c : value) marcas |= FClasse[static_cast<unsigned char>(c)];
    std::string_view t = value;
    if (marcas != 0) {
        scratch.assign(value);
        if (stripDelimiter && !FDelimitador.empty()) {
            for (size_t p = scratch.find(FDelimitador); p != std::string::npos; p = scratch.find(FDelimitador, p))
                scratch.erase(p, FDelimitador.size());
        }
        for (char& c : scratch)
            if (EhControle(c)) c = ' ';
        t = scratch;
    }
    if (FTrimString) t = Apara(t);
    return t;
}

void TArquivoTXT::AppendLFillTexto(std::string& out, std::string_view value, int size, bool nulo,
                                   char caracter) const {
    AppendDelimitador(out);
    if (nulo && value.empty()) return;
    std::string scratch;
    AppendAjustado(out, PreparaTexto(value, scratch, FReplaceDelimitador), size, caracter, false);
}

void TArquivoTXT::AppendLFillInteiro(std::string& out, int64_t value, int size, bool nulo, char caracter) const {
    if (nulo && value == 0) {
        AppendDelimitador(out);
        return;
    }
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    AppendLFillTexto(out, std::string_view(buf, static_cast<size_t>(r.ptr - buf)), size, false, caracter);
}

void TArquivoTXT::AppendMoedaComMascara(std::string& out, util::Currency value, std::string_view mascara) const {
    AppendDelimitador(out);
    // The component's own mask was parsed once when it was set.
    if (mascara.empty() || mascara.data() == FCurMascara.data())
        util::AppendCurrency(out, value, FCurMascaraParsed);
    else
        util::AppendCurrency(out, value, util::ParseMascara(mascara));
}

void TArquivoTXT::AppendDecimaisImplicitos(std::string& out, double value, int size, int decimal, bool nulo,
                                           char caracter) const {
    // "12,50" without its separator is "1250": the digits of value * 10^decimal.
    std::string texto;
    util::AppendDecimal(texto, value, decimal, ',');
    if (decimal > 0) texto.erase(texto.size() - static_cast<size_t>(decimal) - 1, 1);
    if (nulo) {
        int64_t n = 0;
        std::from_chars(texto.data(), texto.data() + texto.size(), n);
        AppendLFillInteiro(out, n, size, true, caracter);
    } else {
        AppendLFillTexto(out, texto, size, false, caracter);
    }
}

void TArquivoTXT::AppendLFillNumero(std::string& out, double value, int size, int decimal, bool nulo,
                                    char caracter, std::string_view mascara) const {
    const std::string_view mask = mascara.empty() ? std::string_view(FCurMascara) : mascara;
    if (nulo && value == 0) {
        AppendDelimitador(out);
        return;
    }
    if (MascaraDeMoeda(mask))
        AppendMoedaComMascara(out, util::Currency::FromDouble(value), mask);
    else
        AppendDecimaisImplicitos(out, value, size, decimal, nulo, caracter);
}

void TArquivoTXT::AppendLFillMoeda(std::string& out, util::Currency value, int size, int decimal, bool nulo,
                                   char caracter, std::string_view mascara) const {
    const std::string_view mask = mascara.empty() ? std::string_view(FCurMascara) : mascara;
    if (nulo && value.IsZero()) {
        AppendDelimitador(out);
        return;
    }
    if (MascaraDeMoeda(mask)) {
        AppendMoedaComMascara(out, value, mask);
        return;
    }
    // An amount is an exact four-decimal number: round it in fixed point, halves away
    // from zero, so 2.6750 with two implied decimals is 268 and never 267.
    util::Mascara m;
    m.minInteiros = 1;
    m.decimais = decimal < 0 ? 0 : decimal;
    std::string texto;
    util::AppendCurrency(texto, value, m, ',', '\0');
    if (m.decimais > 0) texto.erase(texto.size() - static_cast<size_t>(m.decimais) - 1, 1);
    if (nulo) {
        int64_t n = 0;
        std::from_chars(texto.data(), texto.data() + texto.size(), n);
        AppendLFillInteiro(out, n, size, true, caracter);
    } else {
        AppendLFillTexto(out, texto, size, false, caracter);
    }
}

void TArquivoTXT::AppendLFillData(std::string& out, util::Data value, std::string_view mask, bool nulo) const {
    AppendDelimitador(out);
    if (nulo && value.Vazia()) return;
    value.AppendFormatado(out, mask);
}

void TArquivoTXT::AppendDFill(std::string& out, double value, int decimal, bool nulo) const {
    AppendDelimitador(out);
    if (nulo && value == 0) return;
    util::AppendDecimal(out, value, decimal, ',');
}

void TArquivoTXT::AppendVDFill(std::string& out, Variante value, int decimal) const {
    AppendDelimitador(out);
    if (!value) return;
    util::AppendDecimal(out, *value, decimal, ',');
}

void TArquivoTXT::AppendVLFill(std::string& out, Variante value, int size, int decimal, char caracter,
                               std::string_view mascara) const {
    if (!value) {
        AppendDelimitador(out);
        return;
    }
    AppendLFillNumero(out, *value, size, decimal, false, caracter, mascara);
}

std::string TArquivoTXT::LFill(std::string_view Value, int Size, bool Nulo, char Caracter) const {
    std::string out;
    AppendLFillTexto(out, Value, Size, Nulo, Caracter);
    return out;
}

std::string TArquivoTXT::LFill(double Value, int Size, int Decimal, bool Nulo, char Caracter,
                               std::string_view Mascara) const {
    std::string out;
    AppendLFillNumero(out, Value, Size, Decimal, Nulo, Caracter, Mascara);
    return out;
}

std::string TArquivoTXT::LFill(util::Currency Value, int Size, int Decimal, bool Nulo, char Caracter,
                               std::string_view Mascara) const {
    std::string out;
    AppendLFillMoeda(out, Value, Size, Decimal, Nulo, Caracter, Mascara);
    return out;
}

std::string TArquivoTXT::LFill(int64_t Value, int Size, bool Nulo, char Caracter) const {
    std::string out;
    AppendLFillInteiro(out, Value, Size, Nulo, Caracter);
    return out;
}

std::string TArquivoTXT::LFill(util::Data Value, std::string_view Mask, bool Nulo) const {
    std::string out;
    AppendLFillData(out, Value, Mask, Nulo);
    return out;
}

std::string TArquivoTXT::RFill(std::string_view Value, int Size, char Caracter) const {
    std::string scratch;
    std::string texto;
    AppendAjustado(texto, PreparaTexto(Value, scratch, false), Size, Caracter, true);
    if (Caracter == '?')
        for (char& c : texto)
            if (c == ' ') c = '?';
    return FDelimitador + texto;
}

std::string TArquivoTXT::DFill(double Value, int Decimal, bool Nulo) const {
    std::string out;
    AppendDFill(out, Value, Decimal, Nulo);
    return out;
}

std::string TArquivoTXT::VDFill(Variante Value, int Decimal) const {
    std::string out;
    AppendVDFill(out, Value, Decimal);
    return out;
}

std::string TArquivoTXT::VLFill(Variante Value, int Size, int Decimal, char Caracter,
                                std::string_view Mascara) const {
    std::string out;
    AppendVLFill(out, Value, Size, Decimal, Caracter, Mascara);
    return out;
}

std::string TArquivoTXT::VLFill(std::string_view Value, int Size, int Decimal, char Caracter,
                                std::string_view Mascara) const {
    if (Value.empty()) return FDelimitador;
    std::string texto(Value);
    for (char& c : texto)
        if (c == ',') c = '.';
    double numero = 0;
    auto r = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
    if (r.ec != std::errc() || r.ptr != texto.data() + texto.size())
        throw EArquivoTXTErro("Parâmetro \"Value\" não possui um valor numérico.");
    return VLFill(Variante(numero), Size, Decimal, Caracter, Mascara);
}

int TArquivoTXT::Add(std::string_view AString, bool AddDelimiter) {
    std::string_view linha = FTrimString ? Apara(AString) : AString;
    if (linha.empty()) return -1;
    const int indice = static_cast<int>(FConteudo.Count());
    FConteudo.Add(linha, AddDelimiter ? std::string_view(FDelimitador) : std::string_view());
    if (FLinhasBuffer > 0 && FConteudo.Count() >= static_cast<size_t>(FLinhasBuffer)) WriteBuffer();
    return indice;
}

void TArquivoTXT::WriteBuffer() {
    if (FNomeArquivo.empty()) throw EArquivoTXTErro("\"NomeArquivo\" não especificado");
    FBufferArquivo.clear();
    for (size_t i = 0; i < FConteudo.Count(); ++i) {
        util::AppendWindows1252(FBufferArquivo, FConteudo[i]);
        FBufferArquivo.append("\r\n");
    }
    // A missing file is created (even for no lines); an existing one is appended to.
    util::GravaArquivoTexto(FNomeArquivo, FBufferArquivo, /*append=*/true);
    if (FLinhasBuffer > 0) FConteudo.Clear();
    if (FAoGravarLote) FAoGravarLote();
}

void TArquivoTXT::LoadFromFile() {
    if (FNomeArquivo.empty()) throw EArquivoTXTErro("\"Nome do Arquivo\" não especificado");
    std::ifstream in(std::filesystem::path(FNomeArquivo), std::ios::binary);
    if (!in)
        throw EArquivoTXTErro("Não foi possível abrir o arquivo \"" + FNomeArquivo + "\": " + util::DescricaoErroSistema(errno));
    std::ostringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    FConteudo.Clear();
    size_t ini = 0;
    while (ini < bytes.size()) {
        size_t fim = bytes.find('\n', ini);
        if (fim == std::string::npos) fim = bytes.size();
        size_t ate = fim;
        if (ate > ini && bytes[ate - 1] == '\r') --ate;
        FConteudo.Add(util::DeWindows1252(std::string_view(bytes).substr(ini, ate - ini)));
        ini = fim + 1;
    }
}

void TArquivoTXT::Reset() {
    FConteudo.Clear();
    if (FNomeArquivo.empty()) return;
    std::error_code ec;
    const std::filesystem::path p(FNomeArquivo);
    if (std::filesystem::exists(p, ec) && !std::filesystem::remove(p, ec) && ec)
        throw EArquivoTXTErro("Não foi possível excluir o arquivo \"" + FNomeArquivo + "\": " + ec.message());
}

void TArquivoTXT::Check(bool Condicao, std::string_view Msg) const {
    if (!Condicao && FOnError) FOnError(std::string(Msg));
}

void TArquivoTXT::Check(bool Condicao, std::string_view Msg, const std::vector<std::string>& Fmt) const {
    const std::string texto = FormataMensagem(Msg, Fmt);
    Check(Condicao, texto);
}

}  // namespace efd
