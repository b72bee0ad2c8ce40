#pragma once

#include <span>

namespace quelvarinox::detail {

// The Jensen–Shannon divergence, in bits (0 to 1), between two distributions
// given as counts over the same outcomes, position by position. A side with no
// count at all is as far as can be from the other.
double jensen_shannon_bits(std::span<const double> p, std::span<const double> q);

}  // namespace quelvarinox::detail
