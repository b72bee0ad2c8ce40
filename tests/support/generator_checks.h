#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/draw_log.h"
#include "core/generation_context.h"
#include "engine/grammar_engine.h"
#include "tests/support/scripted_random.h"

namespace quelvarinox::detail::testing {

// Succeeds when `run`, given a context on the scripted draws (see ScriptedRandom),
// made exactly those draws and reseeds, in that order, and returned `expected`.
template <class Run>
::testing::AssertionResult draws_then_gives(std::string_view script, Run&& run, std::string_view expected)
{
    ScriptedRandom random(script);
    DrawLog log;
    GenerationContext ctx(random, &log);
    const std::string built = run(ctx);
    const std::string made = log.trace();
    if (made != script)
        return ::testing::AssertionFailure() << "draws differ\n  scripted: " << script << "\n  made:     " << made
                                             << "\n  (built \"" << built << "\")";
    if (built != expected)
        return ::testing::AssertionFailure() << "built \"" << built << "\", expected \"" << expected << "\"";
    return ::testing::AssertionSuccess();
}

// draws_then_gives for a name of `grammar`.
inline ::testing::AssertionResult grammar_draws_then_gives(const Grammar& grammar, std::string_view script,
                                                           std::string_view expected)
{
    const auto make = [&](GenerationContext& ctx) {
        std::string name;
        make_grammar_name(grammar, ctx, name);
        return name;
    };
    return draws_then_gives(script, make, expected);
}

}  // namespace quelvarinox::detail::testing
