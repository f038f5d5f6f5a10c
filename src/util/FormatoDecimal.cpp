#include "util/FormatoDecimal.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace util {
namespace {

constexpr std::array<uint64_t, 19> kPow10 = {
    1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL, 10000000ULL,
    100000000ULL, 1000000000ULL, 10000000000ULL, 100000000000ULL, 1000000000000ULL,
    10000000000000ULL, 100000000000000ULL, 1000000000000000ULL, 10000000000000000ULL,
    100000000000000000ULL, 1000000000000000000ULL};

// Writes the digit text `digits` (no sign) as integer part + separator + the last
// `decimals` digits, inserting thousands separators when asked. `digits` holds at
// least decimals + minInt digits (the caller pads with leading zeros).
void AppendDigits(std::string& out, std::string_view digits, int decimals, char decimalSep,
                  char thousandsSep) {
    const size_t intLen = digits.size() - static_cast<size_t>(decimals);
    if (thousandsSep == '\0' && digits.size() < 64) {
        // The common case builds the field in a stack buffer and appends it once.
        char buf[72];
        std::memcpy(buf, digits.data(), intLen);
        size_t n = intLen;
        if (decimals > 0) {
            buf[n++] = decimalSep;
            std::memcpy(buf + n, digits.data() + intLen, static_cast<size_t>(decimals));
            n += static_cast<size_t>(decimals);
        }
        out.append(buf, n);
        return;
    }
    for (size_t i = 0; i < intLen; ++i) {
        if (thousandsSep != '\0' && i > 0 && (intLen - i) % 3 == 0) out.push_back(thousandsSep);
        out.push_back(digits[i]);
    }
    if (decimals > 0) {
        out.push_back(decimalSep);
        out.append(digits.data() + intLen, static_cast<size_t>(decimals));
    }
}

constexpr char kPares[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Digit text of `n`, left-padded with zeros to at least `minLen` characters.
// Two digits per division: this runs for every amount of every line.
std::string_view UIntDigits(char* buf, size_t bufLen, uint64_t n, size_t minLen) {
    char* end = buf + bufLen;
    char* p = end;
    while (n >= 100) {
        const size_t par = static_cast<size_t>(n % 100) * 2;
        n /= 100;
        *--p = kPares[par + 1];
        *--p = kPares[par];
    }
    if (n >= 10) {
        const size_t par = static_cast<size_t>(n) * 2;
        *--p = kPares[par + 1];
        *--p = kPares[par];
    } else {
        *--p = static_cast<char>('0' + n);
    }
    while (static_cast<size_t>(end - p) < minLen) *--p = '0';
    return {p, static_cast<size_t>(end - p)};
}

// Appends `n` read as a number with `decimals` implied decimals (1250 with 2 is
// "12,50"), at least `minInteiros` integer digits, a minus sign when asked. The
// field is built backwards in a stack buffer and appended once: every amount of
// every line passes here.
void AppendEscalado(std::string& out, uint64_t n, int decimals, int minInteiros, bool negativo, char decimalSep) {
    char buf[48];
    char* const end = buf + sizeof buf;
    char* p = end;
    int d = decimals;
    for (; d >= 2; d -= 2) {  // two digits per division
        const size_t par = static_cast<size_t>(n % 100) * 2;
        n /= 100;
        *--p = kPares[par + 1];
        *--p = kPares[par];
    }
    if (d == 1) {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (decimals > 0) *--p = decimalSep;
    char* const inicioInteiros = p;
    while (n >= 100) {
        const size_t par = static_cast<size_t>(n % 100) * 2;
        n /= 100;
        *--p = kPares[par + 1];
        *--p = kPares[par];
    }
    if (n >= 10) {
        const size_t par = static_cast<size_t>(n) * 2;
        *--p = kPares[par + 1];
        *--p = kPares[par];
    } else if (n > 0 || minInteiros > 0) {
        *--p = static_cast<char>('0' + n);
    }
    while (inicioInteiros - p < minInteiros) *--p = '0';
    if (negativo) *--p = '-';
    out.append(p, static_cast<size_t>(end - p));
}

}  // namespace

// The exact path: round the 18-significant-digit expansion digit by digit.
void AppendDecimalExato(std::string& out, double value, int decimals, char decimalSep,
                        char thousandsSep) {
    if (decimals < 0) decimals = 0;
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // "d.ddddddddddddddddde+XX": 18 significant digits and the decimal exponent.
    char sci[40];
    auto res = std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, 17);
    assert(res.ec == std::errc());
    std::string_view text(sci, static_cast<size_t>(res.ptr - sci));
    const size_t ePos = text.find('e');
    std::string mantissa;
    mantissa.reserve(18);
    for (size_t i = 0; i < ePos; ++i)
        if (text[i] != '.') mantissa.push_back(text[i]);
    int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());

    // Digits kept: those whose place value is at least 10^-decimals.
    const int keep = exponent + decimals + 1;
    std::string kept;
    if (keep < 0) {
        kept = "0";
    } else if (keep >= static_cast<int>(mantissa.size())) {
        kept = mantissa;
        kept.append(static_cast<size_t>(keep) - mantissa.size(), '0');
    } else {
        kept = mantissa.substr(0, static_cast<size_t>(keep));
        if (mantissa[static_cast<size_t>(keep)] >= '5') {  // ties and above go away from zero
            int i = static_cast<int>(kept.size()) - 1;
            while (i >= 0 && kept[static_cast<size_t>(i)] == '9') kept[static_cast<size_t>(i--)] = '0';
            if (i >= 0) ++kept[static_cast<size_t>(i)];
            else kept.insert(kept.begin(), '1');
        }
        if (kept.empty()) kept = "0";
    }
    // At least one integer digit.
    const size_t minLen = static_cast<size_t>(decimals) + 1;
    if (kept.size() < minLen) kept.insert(0, minLen - kept.size(), '0');
    // Strip superfluous leading zeros of the integer part.
    size_t lead = 0;
    while (kept.size() - lead > minLen && kept[lead] == '0') ++lead;
    std::string_view digits(kept.data() + lead, kept.size() - lead);

    const bool isZero = digits.find_first_not_of('0') == std::string_view::npos;
    if (negative && !isZero) out.push_back('-');
    AppendDigits(out, digits, decimals, decimalSep, thousandsSep);
}

void AppendDecimal(std::string& out, double value, int decimals, char decimalSep, char thousandsSep) {
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) {  // no fiscal amount is infinite; keep the text readable
        out.append(std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF"));
        return;
    }
    // Fast path: scale in double and round, unless the scaled value sits so close to
    // a half that the 18-digit expansion could decide differently; those rare values
    // (0.5, 2.675, ...) take the exact path.
    if (decimals <= 6) {
        const double scaled = std::fabs(value) * static_cast<double>(kPow10[static_cast<size_t>(decimals)]);
        if (scaled < 1e15) {
            const double whole = std::floor(scaled);
            const double frac = scaled - whole;
            if (std::fabs(frac - 0.5) > scaled * 1e-15 + 1e-300) {
                const uint64_t n = static_cast<uint64_t>(whole) + (frac > 0.5 ? 1 : 0);
                if (thousandsSep == '\0') {
                    AppendEscalado(out, n, decimals, 1, n != 0 && std::signbit(value), decimalSep);
                    return;
                }
                char buf[32];
                std::string_view digits = UIntDigits(buf, sizeof buf, n, static_cast<size_t>(decimals) + 1);
                if (n != 0 && std::signbit(value)) out.push_back('-');
                AppendDigits(out, digits, decimals, decimalSep, thousandsSep);
                return;
            }
        }
    }
    AppendDecimalExato(out, value, decimals, decimalSep, thousandsSep);
}

Mascara ParseMascara(std::string_view mask) {
    Mascara m;
    m.minInteiros = 0;
    const size_t dot = mask.find('.');
    std::string_view intPart = mask.substr(0, dot);
    for (char c : intPart) {
        if (c == '0') ++m.minInteiros;
        else if (c == ',') m.milhar = true;
    }
    if (dot != std::string_view::npos)
        for (char c : mask.substr(dot + 1))
            if (c == '0' || c == '#') ++m.decimais;
    return m;
}

void AppendCurrency(std::string& out, Currency value, const Mascara& mask, char decimalSep,
                    char thousandsSep) {
    // Amounts carry four decimals; fewer decimals round half away from zero on the
    // exact fixed-point value, more decimals are zeros.
    const int64_t raw = value.Raw();
    uint64_t magnitude = raw < 0 ? static_cast<uint64_t>(-(raw + 1)) + 1 : static_cast<uint64_t>(raw);
    const int decimals = mask.decimais;
    uint64_t scaled;
    if (decimals < 4) {
        const uint64_t div = kPow10[static_cast<size_t>(4 - decimals)];
        scaled = magnitude / div + ((magnitude % div) * 2 >= div ? 1 : 0);
    } else {
        scaled = magnitude * kPow10[static_cast<size_t>(decimals - 4)];
    }
    if (!mask.milhar && mask.minInteiros >= 1) {
        AppendEscalado(out, scaled, decimals, mask.minInteiros, raw < 0 && scaled != 0, decimalSep);
        return;
    }
    char buf[48];
    const size_t minLen = static_cast<size_t>(decimals + mask.minInteiros);
    std::string_view digits = UIntDigits(buf, sizeof buf, scaled, minLen == 0 ? 1 : minLen);
    // With no compulsory integer digit ("#.00"), a zero integer part is left out.
    if (mask.minInteiros == 0 && digits.size() > static_cast<size_t>(decimals) && digits[0] == '0' &&
        digits.size() == static_cast<size_t>(decimals) + 1)
        digits.remove_prefix(1);
    if (raw < 0 && scaled != 0) out.push_back('-');
    AppendDigits(out, digits, decimals, decimalSep, mask.milhar ? thousandsSep : '\0');
}

}  // namespace util
