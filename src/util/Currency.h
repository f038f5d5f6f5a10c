#pragma once
// Money as the file needs it: a signed count of ten-thousandths (four decimals),
// so sums and comparisons are exact and never drift like binary doubles.
#include <cstdint>
#include <compare>

namespace util {

class Currency {
public:
    constexpr Currency() = default;

    // A number becomes an amount by multiplying by 10000 and rounding to the
    // nearest integer, halves to even. The decision is made on the double as
    // stored: 0.00005 is a little above the half and gives 0.0001, 0.00015 a
    // little below it and also gives 0.0001; only an exact tie goes to even.
    static Currency FromDouble(double value);
    static constexpr Currency FromRaw(int64_t tenThousandths) { Currency c; c.raw_ = tenThousandths; return c; }

    constexpr int64_t Raw() const { return raw_; }
    double ToDouble() const { return static_cast<double>(raw_) / 10000.0; }
    constexpr bool IsZero() const { return raw_ == 0; }

    constexpr Currency operator+(Currency o) const { return FromRaw(raw_ + o.raw_); }
    constexpr Currency operator-(Currency o) const { return FromRaw(raw_ - o.raw_); }
    constexpr Currency operator-() const { return FromRaw(-raw_); }
    Currency& operator+=(Currency o) { raw_ += o.raw_; return *this; }
    Currency& operator-=(Currency o) { raw_ -= o.raw_; return *this; }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    int64_t raw_ = 0;
};

}  // namespace util
