#include "util/Currency.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace util {

Currency Currency::FromDouble(double value) {
    // Fast path: the product in double is within a few units in the last place of
    // the exact one, so unless it lies that close to a half, rounding it gives the
    // same integer as rounding the exact product.
    const double produto = value * 10000.0;
    if (std::fabs(produto) < 4e15) {
        const double inteiro = std::floor(produto);
        const double fracao = produto - inteiro;
        if (std::fabs(fracao - 0.5) > std::fabs(produto) * 1e-15 + 1e-9)
            return FromRaw(static_cast<int64_t>(inteiro) + (fracao > 0.5 ? 1 : 0));
    }
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
