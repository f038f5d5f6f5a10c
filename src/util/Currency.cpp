#include "util/Currency.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace util {

Currency Currency::FromDouble(double value) {
    // The product is taken in extended precision so that the decision between two
    // neighbours is made on the value as typed, not on a product already rounded to
    // 53 bits; nearbyint uses the default rounding mode, halves to even.
    const long double scaled = static_cast<long double>(value) * 10000.0L;
    // Beyond +-922 trillion the amount does not fit; no fiscal figure comes close.
    if (!(std::fabs(scaled) < 9.2e18L))
        throw std::overflow_error("Valor fora da faixa permitida para moeda: " + std::to_string(value));
    return FromRaw(static_cast<int64_t>(std::nearbyintl(scaled)));
}

}  // namespace util
