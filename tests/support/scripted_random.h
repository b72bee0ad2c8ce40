#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/random_source.h"

namespace quelvarinox::detail::testing {

// A random source that plays back a trace written in the command-line tool's
// notation: "R" for a reseed, "N:v" for a Tirada(N) that is to give v, "u:v" for
// a planet number prefix v; "Xp", the mark of a rejected attempt, draws nothing.
// Each draw returns the uniform value that makes its multiplier give v, so a
// generator that asks with another multiplier, in another order or without its
// reseed leaves a draw log that differs from the script.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::string_view script);

    void reseed() override;
    double uniform() override;

private:
    struct Step {
        bool reseed;
        double uniform;
    };
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

}  // namespace quelvarinox::detail::testing
