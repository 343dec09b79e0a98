#include "base/seededrandom.h"

#include <bit>
#include <cmath>

namespace brev {

double unitFromBits(std::uint64_t bits)
{
    constexpr int kMantissa = 53; // the bits a double holds
    const int width = std::bit_width(bits);
    std::uint64_t kept = bits;
    int scale = -64;
    if (width > kMantissa) {
        // Round the bits below the mantissa away by hand: a conversion of a
        // wider integer may round either way.
        const int dropped = width - kMantissa;
        kept = bits >> dropped;
        const std::uint64_t rest = bits & ((std::uint64_t(1) << dropped) - 1);
        const std::uint64_t half = std::uint64_t(1) << (dropped - 1);
        if (rest > half || (rest == half && (kept & 1)))
            ++kept; // at most 2^53, still exact in a double
        scale += dropped;
    }
    const double unit = std::ldexp(double(kept), scale);
    return unit < 1.0 ? unit : std::nextafter(1.0, 0.0);
}

} // namespace brev
