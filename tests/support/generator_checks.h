#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "core/draw_log.h"
#include "core/generation_context.h"
#include "tests/support/scripted_random.h"

namespace quelvarinox::detail::testing {

// The category with this picture key; fails the test when there is none.
const Category& category_of(std::string_view picture_key);

// Succeeds when `run`, given a context on the scripted draws (see ScriptedRandom),
// made exactly those draws and reseeds, in that order, and returned `expected`.
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

// Whether the last reseed of `script` opens Compuesto's draws.
bool ends_with_compound(std::string_view script);

// The same as draws_then_gives for a whole generator in the given mode; a name whose
// draws end with Compuesto's must also leave the result slot empty.
::testing::AssertionResult builds(const Category& category, std::string_view script, std::string_view expected,
                                  bool alternative = false);

}  // namespace quelvarinox::detail::testing
