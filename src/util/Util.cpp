#include "util/Util.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "util/FormatoDecimal.h"
#include "util/Sistema.h"

namespace util {

std::string LimpaPontuacao(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case ' ': case '(': case ')': case ',': case '-': case '.': case '/':
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

std::string MascaraDecimal(int decimals, bool thousands) {
    if (decimals <= 0) return "0";
    std::string mask = thousands ? ",0." : "0.";
    mask.append(static_cast<size_t>(decimals), '0');
    return mask;
}

std::string FormataDecimal(double value, std::string_view mask) {
    std::string defaultMask;
    if (mask.empty()) {
        defaultMask = MascaraDecimal(2, true);
        mask = defaultMask;
    }
    const Mascara m = ParseMascara(mask);
    std::string out;
    AppendDecimal(out, value, m.decimais, ',', m.milhar ? '.' : '\0');
    return out;
}

void GravaArquivoTexto(const std::string& fileName, std::string_view data, bool append,
                       bool addLineBreak, bool forceFolders) {
    if (fileName.empty()) return;
    namespace fs = std::filesystem;
    const fs::path path(fileName);
    std::error_code ec;
    const bool exists = fs::exists(path, ec);
    if (exists && data.empty()) return;
    if (!exists && forceFolders && path.has_parent_path()) {
        fs::create_directories(path.parent_path(), ec);
        if (ec)
            throw std::runtime_error("Não foi possível criar a pasta \"" + path.parent_path().string() +
                                     "\": " + ec.message());
    }
    std::FILE* f = std::fopen(fileName.c_str(), (append && exists) ? "ab" : "wb");
    if (!f)
        throw std::runtime_error("Não foi possível criar o arquivo \"" + fileName + "\": " +
                                 DescricaoErroSistema(errno));
    // The batch goes out in one write: a stdio buffer would only be allocated (and
    // copied through) for nothing.
    std::setvbuf(f, nullptr, _IONBF, 0);
    errno = 0;
    bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
    if (ok && addLineBreak) ok = std::fwrite("\r\n", 1, 2, f) == 2;
    int erro = ok ? 0 : errno;
    // A full disk often shows only when the buffered bytes reach it, at close.
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        erro = errno;
    }
    if (!ok)
        throw std::runtime_error("Erro ao gravar o arquivo \"" + fileName + "\": " +
                                 DescricaoErroSistema(erro ? erro : EIO));
}

}  // namespace util
