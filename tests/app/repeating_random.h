#pragma once

#include <cstdint>

#include "core/random_source.h"

namespace quelvarinox::testing {

// Every reseed starts the same stream again, so a generator gives the same name
// at every call: what changes between two calls is only what the window passes.
class RepeatingRandom final : public PcgSource {
public:
    explicit RepeatingRandom(std::uint64_t seed) : seed_(seed) { reseed(); }
    void reseed() override { seed_engine(seed_, ~seed_); }

private:
    std::uint64_t seed_;
};

}  // namespace quelvarinox::testing
