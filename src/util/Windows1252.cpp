#include "util/Windows1252.h"

#include <cstdint>
#include <cstring>

namespace util {
namespace {

// Characters of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char32_t kAlto[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ByteDe(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0xA0 && cp <= 0xFF) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kAlto[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at s[i]; returns the code point and advances i.
// An invalid sequence yields U+FFFD and consumes one byte.
char32_t Decodifica(std::string_view s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) { ++i; return b0; }
    int len = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; }
    else { ++i; return 0xFFFD; }
    if (i + static_cast<size_t>(len) > s.size()) { ++i; return 0xFFFD; }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80) { ++i; return 0xFFFD; }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms and surrogates are not characters.
    if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<size_t>(len);
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

void AppendWindows1252(std::string& out, std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        // Runs of plain ASCII, the usual case, are copied as they are; the run's end
        // is found eight bytes at a time.
        size_t j = i;
        while (j + 8 <= utf8.size()) {
            uint64_t x;
            std::memcpy(&x, utf8.data() + j, 8);
            if (x & 0x8080808080808080ULL) break;
            j += 8;
        }
        while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) < 0x80) ++j;
        out.append(utf8.data() + i, j - i);
        i = j;
        if (i < utf8.size()) out.push_back(ByteDe(Decodifica(utf8, i)));
    }
}

std::string ParaWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    AppendWindows1252(out, utf8);
    return out;
}

std::string DeWindows1252(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) out.push_back(c);
        else if (b < 0xA0 && kAlto[b - 0x80] != 0) AppendUtf8(out, kAlto[b - 0x80]);
        else AppendUtf8(out, b);
    }
    return out;
}

size_t ContaCaracteresUtf8(std::string_view utf8) {
    size_t n = 0;
    for (size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) ++i;
        else Decodifica(utf8, i);
        ++n;
    }
    return n;
}

size_t BytesDosPrimeirosCaracteres(std::string_view utf8, size_t n) {
    size_t i = 0;
    for (size_t k = 0; k < n && i < utf8.size(); ++k) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) ++i;
        else Decodifica(utf8, i);
    }
    return i;
}

}  // namespace util
