#pragma once
// Decimal text of numbers as the file wants it: a comma before the decimals, no
// thousands separator unless asked, and rounding rules fixed here rather than
// taken from the host locale.
#include <string>
#include <string_view>

#include "util/Currency.h"

namespace util {

// Appends `value` with exactly `decimals` decimals (none when decimals <= 0).
// Rounding is to the nearest, ties away from zero, applied to the value's decimal
// expansion to 18 significant digits: 0.5 -> "1", 2.675 (held as the binary
// 2.67499999999999982...) -> "2,67". A result that rounds to zero has no sign.
void AppendDecimal(std::string& out, double value, int decimals,
                   char decimalSep = ',', char thousandsSep = '\0');

// The same without the fast path: every digit decided on the 18-digit expansion.
// AppendDecimal must always agree with it; it exists apart so tests can check that.
void AppendDecimalExato(std::string& out, double value, int decimals,
                        char decimalSep = ',', char thousandsSep = '\0');

// A number mask of the "#0.00" family: '0' is a digit always written, '#' a digit
// written only when significant, '.' marks the decimal separator and ',' asks for
// thousands separators.
struct Mascara {
    int minInteiros = 1;   // integer digits always written
    int decimais = 0;      // decimals written
    bool milhar = false;   // thousands separators
};
Mascara ParseMascara(std::string_view mask);

// Appends a fixed-point amount through a mask; rounding to the mask's decimals is
// to the nearest, ties away from zero (2.6750 with "#0.00" -> "2,68").
void AppendCurrency(std::string& out, Currency value, const Mascara& mask,
                    char decimalSep = ',', char thousandsSep = '.');

}  // namespace util
