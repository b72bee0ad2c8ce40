#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quelvarinox/quelvarinox.hpp"
#include "tests/cli/cli_runner.h"

namespace quelvarinox {
namespace {

using testing::lines_of;
using testing::run_cli;

// A seed above 2^63, so that a seed cut to fewer bits shows.
constexpr std::uint64_t seed = 18446744073709551557ULL;
constexpr int names_per_category = 3;

struct ToolName {
    std::string name;
    std::string trace;
};

// The tool's names of every category, each with its trace, in list order.
std::vector<std::vector<ToolName>> tool_names(bool alternative)
{
    const auto result = run_cli("-s " + std::to_string(seed) + " -n " + std::to_string(names_per_category) +
                                " --traza" + (alternative ? " -a" : ""));
    EXPECT_EQ(result.status, 0) << result.err;
    std::vector<std::vector<ToolName>> names(categories().size());
    std::size_t line = 0;
    for (const std::string& text : lines_of(result.out)) {
        const std::size_t name_start = text.find('\t') + 1;
        const std::size_t trace_start = text.find('\t', name_start) + 1;
        names.at(line++ / names_per_category)
            .push_back({text.substr(name_start, trace_start - 1 - name_start), text.substr(trace_start)});
    }
    return names;
}

// Each category keeps its own count while the others are asked for in between:
// its first name comes from name(), the next two from names().
TEST(Generator, GivesTheToolsSeededNamesAndTracesInBothModes)
{
    for (const bool alternative : {false, true}) {
        const auto expected = tool_names(alternative);
        Generator generator(seed);
        ASSERT_EQ(generator.last_trace(), "");
        for (std::size_t i = 0; i < categories().size(); ++i) {
            const CategoryInfo& category = categories()[i];
            EXPECT_EQ(generator.name(category.key, alternative), expected[i][0].name) << category.key;
            EXPECT_EQ(generator.last_trace(), expected[i][0].trace) << category.key;
        }
        for (std::size_t i = 0; i < categories().size(); ++i) {
            const CategoryInfo& category = categories()[i];
            const std::vector<std::string> next = generator.names(category.display_text, 2, alternative);
            EXPECT_EQ(next, (std::vector<std::string>{expected[i][1].name, expected[i][2].name})) << category.key;
            EXPECT_EQ(generator.last_trace(), expected[i][2].trace) << category.key;
            EXPECT_EQ(generator.name_at(category.key, 2, alternative), expected[i][1].name) << category.key;
            EXPECT_EQ(generator.last_trace(), expected[i][1].trace) << category.key;
        }
    }
}

TEST(Generator, DrawnSeedMakesTheSameNamesAgain)
{
    Generator drawn;
    Generator again(drawn.seed());
    EXPECT_NE(Generator().seed(), drawn.seed());
    EXPECT_EQ(drawn.names("jedi", 5), again.names("jedi", 5));
}

TEST(Generator, RejectsUnknownCategoriesAndIndexZeroWithSpanishMessages)
{
    Generator generator(7);
    const std::vector<std::function<void()>> calls = {
        [&] { generator.name("Tatooinex"); },
        [&] { generator.names("", 3); },
        [&] { generator.name_at("nada", 1); },
    };
    for (const auto& call : calls)
        EXPECT_THROW(call(), UnknownCategory);
    try {
        generator.name(" Naboo IV ");
        ADD_FAILURE() << "no exception";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "categoría desconocida: « Naboo IV »");
    }
    EXPECT_THROW(generator.name_at("jedi", 0), std::invalid_argument);
}

TEST(Categories, ListAsTheToolDoes)
{
    const auto listed = lines_of(run_cli("--lista").out);
    ASSERT_EQ(listed.size(), categories().size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const CategoryInfo& category = categories()[i];
        EXPECT_EQ(listed[i], std::to_string(i + 1) + '\t' + std::string(category.display_text) + '\t' +
                                 std::string(category.key) + (category.reads_alternative_mode ? "\tsí" : "\tno"));
        EXPECT_GT(category.description.size(), 80U) << category.key;
    }
}

}  // namespace
}  // namespace quelvarinox
