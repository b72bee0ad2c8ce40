#include "learning/divergence.h"

#include <cmath>
#include <numeric>

namespace quelvarinox::detail {

double jensen_shannon_bits(std::span<const double> p, std::span<const double> q)
{
    const double p_total = std::accumulate(p.begin(), p.end(), 0.0);
    const double q_total = std::accumulate(q.begin(), q.end(), 0.0);
    if (p_total <= 0 || q_total <= 0)
        return 1;
    // Each side's share of what it has in common with the mean of both.
    const auto toward_mean = [](double share, double mean) { return share > 0 ? share * std::log2(share / mean) : 0.0; };
    double divergence = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const double a = p[i] / p_total;
        const double b = q[i] / q_total;
        const double mean = (a + b) / 2;
        divergence += (toward_mean(a, mean) + toward_mean(b, mean)) / 2;
    }
    return divergence;
}

}  // namespace quelvarinox::detail
