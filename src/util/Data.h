#pragma once
// A calendar date with an explicit "no date" state (the ERP's null date and the
// writer's zero date). Time of day is never written to the file, so none is kept.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace util {

class Data {
public:
    constexpr Data() = default;  // no date

    // An invalid calendar date (31/02/2012) gives no date.
    static Data FromYMD(int year, unsigned month, unsigned day);
    static Data FromSysDays(std::chrono::sys_days days) { return Data(days.time_since_epoch().count()); }
    // "DD/MM/AAAA" (also "D/M/AAAA"); nullopt when the text is not a valid date.
    static std::optional<Data> Parse(std::string_view ddmmaaaa);
    // "AAAA-MM-DD", optionally followed by a time part, as databases hand out dates.
    static std::optional<Data> ParseIso(std::string_view aaaammdd);

    constexpr bool Vazia() const { return dias_ == kVazia; }
    int Ano() const;
    unsigned Mes() const;
    unsigned Dia() const;
    std::chrono::sys_days SysDays() const { return std::chrono::sys_days(std::chrono::days(dias_)); }

    // Last day of the same month.
    Data UltimoDiaDoMes() const;
    Data MaisDias(int n) const { return Vazia() ? *this : Data(dias_ + n); }

    // Mask tokens: "dd", "mm", "yyyy" ("aaaa" too), "yy"; any other character is copied.
    // No date gives an empty text.
    std::string Formata(std::string_view mask) const;
    void AppendFormatado(std::string& out, std::string_view mask) const;

    // Today's date from the process clock; tests and the command line can fix it.
    static Data Hoje();
    static void FixaHoje(std::optional<Data> fixed);

    // No date sorts before every date, as the writer's zero date does.
    constexpr auto operator<=>(const Data&) const = default;

private:
    static constexpr int32_t kVazia = INT32_MIN;
    constexpr explicit Data(int32_t dias) : dias_(dias) {}
    int32_t dias_ = kVazia;
};

}  // namespace util
