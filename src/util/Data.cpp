#include "util/Data.h"

#include <charconv>
#include <ctime>

namespace util {
namespace {
std::optional<Data> gHojeFixo;

bool LeInteiro(std::string_view s, int& out) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

void AppendNumero(std::string& out, int v, int width) {
    char buf[16];
    int n = 0;
    unsigned u = static_cast<unsigned>(v < 0 ? -v : v);
    do {
        buf[n++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (v < 0) out.push_back('-');
    for (int i = n; i < width; ++i) out.push_back('0');
    while (n > 0) out.push_back(buf[--n]);
}
}  // namespace

Data Data::FromYMD(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    if (!ymd.ok()) return Data();
    return FromSysDays(sys_days(ymd));
}

std::optional<Data> Data::Parse(std::string_view text) {
    const size_t a = text.find('/');
    if (a == std::string_view::npos) return std::nullopt;
    const size_t b = text.find('/', a + 1);
    if (b == std::string_view::npos) return std::nullopt;
    int d = 0, m = 0, y = 0;
    if (!LeInteiro(text.substr(0, a), d) || !LeInteiro(text.substr(a + 1, b - a - 1), m) ||
        !LeInteiro(text.substr(b + 1), y) || text.size() - b - 1 != 4)
        return std::nullopt;
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    Data r = FromYMD(y, static_cast<unsigned>(m), static_cast<unsigned>(d));
    if (r.Vazia()) return std::nullopt;
    return r;
}

std::optional<Data> Data::ParseIso(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int y = 0, m = 0, d = 0;
    if (!LeInteiro(text.substr(0, 4), y) || !LeInteiro(text.substr(5, 2), m) || !LeInteiro(text.substr(8, 2), d))
        return std::nullopt;
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    Data r = FromYMD(y, static_cast<unsigned>(m), static_cast<unsigned>(d));
    if (r.Vazia()) return std::nullopt;
    return r;
}

int Data::Ano() const {
    return static_cast<int>(std::chrono::year_month_day(SysDays()).year());
}
unsigned Data::Mes() const {
    return static_cast<unsigned>(std::chrono::year_month_day(SysDays()).month());
}
unsigned Data::Dia() const {
    return static_cast<unsigned>(std::chrono::year_month_day(SysDays()).day());
}

Data Data::UltimoDiaDoMes() const {
    if (Vazia()) return *this;
    using namespace std::chrono;
    const year_month_day ymd(SysDays());
    const year_month_day_last last(ymd.year(), month_day_last(ymd.month()));
    return FromSysDays(sys_days(last));
}

void Data::AppendFormatado(std::string& out, std::string_view mask) const {
    if (Vazia()) return;
    const std::chrono::year_month_day ymd(SysDays());
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
    for (size_t i = 0; i < mask.size();) {
        std::string_view rest = mask.substr(i);
        auto starts = [&](std::string_view tok) {
            if (rest.size() < tok.size()) return false;
            for (size_t k = 0; k < tok.size(); ++k)
                if ((rest[k] | 0x20) != tok[k]) return false;
            return true;
        };
        if (starts("yyyy") || starts("aaaa")) { AppendNumero(out, y, 4); i += 4; }
        else if (starts("yy") || starts("aa")) { AppendNumero(out, y % 100, 2); i += 2; }
        else if (starts("dd")) { AppendNumero(out, d, 2); i += 2; }
        else if (starts("mm")) { AppendNumero(out, m, 2); i += 2; }
        else { out.push_back(mask[i]); ++i; }
    }
}

std::string Data::Formata(std::string_view mask) const {
    std::string out;
    AppendFormatado(out, mask);
    return out;
}

Data Data::Hoje() {
    if (gHojeFixo) return *gHojeFixo;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return FromYMD(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                   static_cast<unsigned>(local.tm_mday));
}

void Data::FixaHoje(std::optional<Data> fixed) { gHojeFixo = fixed; }

}  // namespace util
