#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/random_source.h"

namespace quelvarinox::detail {
namespace {

std::vector<double> stream(RandomSource& random, int length)
{
    std::vector<double> values;
    for (int i = 0; i < length; ++i)
        values.push_back(random.uniform());
    return values;
}

// A name's draws depend on the seed and its place alone, not on what was made
// before it; every reseed inside the name moves on to a new stream.
TEST(SeededRandom, ANamesDrawsDependOnlyOnTheSeedAndItsPlace)
{
    SeededRandom fresh(7);
    fresh.start_name(3, 1000);
    fresh.reseed();
    const auto first = stream(fresh, 8);
    fresh.reseed();
    const auto second = stream(fresh, 8);
    EXPECT_NE(first, second);

    SeededRandom used(7);
    for (int index = 1; index < 50; ++index) {
        used.start_name(3, static_cast<std::uint64_t>(index));
        used.reseed();
        stream(used, 3);
    }
    used.start_name(3, 1000);
    used.reseed();
    EXPECT_EQ(stream(used, 8), first);
    used.reseed();
    EXPECT_EQ(stream(used, 8), second);

    for (const auto& [seed, place, index] : {std::tuple{8, 3, 1000}, {7, 4, 1000}, {7, 3, 1001}}) {
        SeededRandom other(static_cast<std::uint64_t>(seed));
        other.start_name(static_cast<std::uint64_t>(place), static_cast<std::uint64_t>(index));
        other.reseed();
        EXPECT_NE(stream(other, 8), first) << seed << " " << place << " " << index;
    }
}

}  // namespace
}  // namespace quelvarinox::detail
