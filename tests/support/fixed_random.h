#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "core/random_source.h"

namespace quelvarinox::detail::testing {

// Hands out the given uniform values in order, for tests of the draw itself.
class FixedRandom final : public RandomSource {
public:
    FixedRandom(std::initializer_list<double> values) : values_(values) {}
    void reseed() override { ++reseeds; }
    double uniform() override { return values_.at(next_++); }

    int reseeds = 0;

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

}  // namespace quelvarinox::detail::testing
