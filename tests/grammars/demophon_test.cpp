#include <string>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::Mode;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Demophon, WordCountGivesOneOrTwoWords)
{
    EXPECT_TRUE(builds(generator_of("demophon"), "R 14:1 24:5 50:1 42:1 45:1", "Ler"));
    EXPECT_TRUE(builds(generator_of("demophon"), "R 14:2 24:6 50:43 42:31 45:31 50:44 42:32 45:32 24:0 50:5 42:10 45:8",
                       "Skoasska Ler"));
    EXPECT_TRUE(builds(generator_of("demophon"), "R 14:12 24:24 50:0 42:0 45:0 50:38 42:26 45:28 24:0 50:6 42:11 45:9",
                       "Abliuhr Dis"));
}

TEST(Demophon, TopWordCountValuesAddACompound)
{
    EXPECT_TRUE(builds(generator_of("demophon"), "R 14:13 24:0 50:6 42:11 45:9 R 54:40 45:42", "Dis Skywalker"));
    EXPECT_TRUE(builds(generator_of("demophon"), "R 14:14 24:0 50:42 42:21 45:21 R 54:40 45:42", "Shuck Skywalker"));
}

TEST(Demophon, AlternativeModeGivesOneWordAndACompoundAfterTheWordCountDraw)
{
    EXPECT_TRUE(builds(generator_of("demophon"), "R 14:2 24:24 50:50 42:42 45:45 50:0 42:0 45:0 R 54:40 45:42",
                       "Aa Skywalker", Mode::alternative));
    EXPECT_TRUE(builds(generator_of("demophon"), "R 14:0 24:0 50:1 42:1 45:0 R 54:40 45:42", "Le Skywalker",
                       Mode::alternative));
}

TEST(Demophon, CompoundLeavesTheResultSlotEmpty)
{
    EXPECT_TRUE(testing::draws_then_gives(
        "R 14:13 24:0 50:6 42:11 45:9 R 54:40 45:42",
        [](GenerationContext& ctx) {
            std::string name;
            generator_of("demophon")(ctx, name);
            return name + "|" + ctx.LabelOut;
        },
        "Dis Skywalker|"));
}

TEST(Demophon, ManyNamesHaveOneOrTwoCapitalisedWords)
{
    for (const std::string& name : many_names(generator_of("demophon"), 20000)) {
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 2u) << name;
        for (std::string_view word : words)
            ASSERT_TRUE(starts_with_capital(word)) << name;
    }
}

TEST(Demophon, ManyAlternativeNamesAreOneWordAndACompound)
{
    SeededRandom random(7);
    GenerationContext ctx(random);
    ctx.huevo = "1";
    std::string name;
    for (int i = 0; i < 5000; ++i) {
        generator_of("demophon")(ctx, name);
        const auto words = words_of(name);
        ASSERT_EQ(words.size(), 2u) << name;
        ASSERT_TRUE(starts_with_capital(words[1])) << name;
        ASSERT_TRUE(ctx.LabelOut.empty()) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
