#include "core/random_source.h"

#include <chrono>
#include <random>

namespace quelvarinox::detail {

void PcgSource::seed_engine(std::uint64_t high, std::uint64_t low)
{
    engine_.seed((pcg_extras::pcg128_t(high) << 64) | low);
}

void SeededRandom::start_name(std::uint64_t stream, std::uint64_t index)
{
    name_seed_ = splitmix64(splitmix64(seed_ ^ stream) + index);
    reseeds_ = 0;
}

void SeededRandom::reseed()
{
    const std::uint64_t seed = name_seed_ + reseeds_++ * 0x9e3779b97f4a7c15ULL;
    seed_engine(splitmix64(seed), splitmix64(~seed));
}

std::uint64_t random_run_seed()
{
    std::random_device entropy;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return splitmix64(ticks ^ (std::uint64_t{entropy()} << 32 | entropy()));
}

}  // namespace quelvarinox::detail
