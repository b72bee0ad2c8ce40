#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "tests/support/generator_checks.h"
#include "text/mayusculiza.h"
#include "text/pideletra.h"

namespace quelvarinox {
namespace {

::testing::AssertionResult letter_of(std::string_view script, std::string_view expected)
{
    return testing::draws_then_gives(
        script,
        [](GenerationContext& ctx) {
            Pideletra(ctx);
            return ctx.LabelOut;
        },
        expected);
}

TEST(Pideletra, ReseedsThenDrawsFromItsUnevenTable)
{
    EXPECT_TRUE(letter_of("R 26:0", "z"));
    EXPECT_TRUE(letter_of("R 26:1", "b"));
    EXPECT_TRUE(letter_of("R 26:13", "n"));
    EXPECT_TRUE(letter_of("R 26:24", "y"));
    EXPECT_TRUE(letter_of("R 26:25", "a"));
    EXPECT_TRUE(letter_of("R 26:26", "a"));
}

TEST(Pideletra, GivesEveryLetterWithAMostAndZLeast)
{
    SeededRandom random(3);
    GenerationContext ctx(random);
    std::map<std::string, int> seen;
    for (int i = 0; i < 52000; ++i) {
        Pideletra(ctx);
        ASSERT_EQ(ctx.LabelOut.size(), 1u);
        ASSERT_TRUE(ctx.LabelOut[0] >= 'a' && ctx.LabelOut[0] <= 'z') << ctx.LabelOut;
        ++seen[ctx.LabelOut];
    }
    ASSERT_EQ(seen.size(), 26u);
    const auto by_count = [](const auto& a, const auto& b) { return a.second < b.second; };
    EXPECT_EQ(std::ranges::max_element(seen, by_count)->first, "a");
    EXPECT_EQ(std::ranges::min_element(seen, by_count)->first, "z");
}

TEST(Pideletra, EveryLetterHasACapital)
{
    SeededRandom random(5);
    GenerationContext ctx(random);
    for (int i = 0; i < 2000; ++i) {
        Pideletra(ctx);
        mayusculiza(ctx, std::string(ctx.LabelOut));
        ASSERT_TRUE(ctx.LabelOut[0] >= 'A' && ctx.LabelOut[0] <= 'Z') << ctx.LabelOut;
    }
}

}  // namespace
}  // namespace quelvarinox
