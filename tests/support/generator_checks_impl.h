#pragma once

#include "core/draw_log.h"
#include "tests/support/scripted_random.h"

namespace quelvarinox::testing {

::testing::AssertionResult compare_run(std::string_view script, const DrawLog& log, std::string_view built,
                                       std::string_view expected);

template <class Run>
::testing::AssertionResult draws_then_gives(std::string_view script, Run&& run, std::string_view expected)
{
    ScriptedRandom random(script);
    DrawLog log;
    GenerationContext ctx(random, &log);
    const std::string built = run(ctx);
    return compare_run(script, log, built, expected);
}

}  // namespace quelvarinox::testing
