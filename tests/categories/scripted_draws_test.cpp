#include <string>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "tests/support/generator_checks.h"
#include "tests/support/scripted_cases.h"

namespace quelvarinox::detail::testing {
namespace {

// The scripted cases of the grammar files and of the three programs.
constexpr const char* case_files[] = {"grammars/scripted_cases.tsv", "programs/planet_cases.tsv",
                                      "programs/order_cases.tsv"};

std::vector<ScriptedCase> cases_of(const char* file)
{
    return read_scripted_cases(std::string(QUELVARINOX_SOURCE_DIR "/tests/") + file);
}

class ScriptedDraws : public ::testing::TestWithParam<ScriptedCase> {};

// The generator makes exactly the scripted draws, in order, and builds the name.
TEST_P(ScriptedDraws, BuildTheirName)
{
    const ScriptedCase& c = GetParam();
    const Category* category = find_category_by_name(c.key);
    ASSERT_TRUE(category && category->picture_key == c.key) << "no category has the picture key " << c.key;
    EXPECT_TRUE(draws_then_gives(
        c.script,
        [&](GenerationContext& ctx) {
            ctx.huevo = c.alternative ? "1" : "0";
            std::string name = "previous name";
            make_name(*category, ctx, name);
            return name;
        },
        c.expected))
        << c.rule;
}

std::string name_of(const ::testing::TestParamInfo<ScriptedCase>& info)
{
    return info.param.key + "_" + std::to_string(info.param.line);
}

INSTANTIATE_TEST_SUITE_P(Grammars, ScriptedDraws, ::testing::ValuesIn(cases_of(case_files[0])), name_of);
INSTANTIATE_TEST_SUITE_P(Planets, ScriptedDraws, ::testing::ValuesIn(cases_of(case_files[1])), name_of);
INSTANTIATE_TEST_SUITE_P(Orders, ScriptedDraws, ::testing::ValuesIn(cases_of(case_files[2])), name_of);

}  // namespace
}  // namespace quelvarinox::detail::testing
