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

TEST(Coruscant, WordCountGivesOneToFourWords)
{
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:25 180:0 417:1 374:1 384:1", "Den"));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:26 180:0 417:35 374:73 384:46 180:29 417:36 374:74 384:47",
                       "Den Lir"));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:99 180:0 417:1 374:1 384:1 180:0 417:1 374:1 384:1", "Den Den"));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:101 180:0 417:0 374:0 384:0 180:0 417:0 374:0 384:0 "
                                         "180:0 417:0 374:0 384:0",
                       "A A A"));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:102 180:0 417:0 374:0 384:0 180:0 417:0 374:0 384:0 "
                                         "180:0 417:0 374:0 384:0 180:0 417:0 374:0 384:0",
                       "A A A A"));
}

TEST(Coruscant, TopWordCountValuesAddACompound)
{
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:104 180:0 417:1 374:1 384:0 R 54:40 45:42", "De Skywalker"));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:105 180:0 417:385 374:258 384:198 R 54:40 45:42",
                       "Styotsn Skywalker"));
}

TEST(Coruscant, AlternativeModeGivesOneWordAndACompoundAfterTheWordCountDraw)
{
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:99 180:30 417:385 374:258 384:197 417:386 374:259 384:199 "
                                         "R 54:40 45:42",
                       "Styonnla Skywalker", Mode::alternative));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:0 180:0 417:1 374:1 384:0 R 54:40 45:42", "De Skywalker",
                       Mode::alternative));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:104 180:0 417:1 374:1 384:0 R 54:40 45:42", "De Skywalker",
                       Mode::alternative));
}

TEST(Coruscant, RepeatedPiecesAndRangeEdges)
{
    // "pr" also at 381 and "e" also at 249-250; three syllables from 139, four from 177.
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:25 180:139 417:381 374:249 384:0 417:364 374:250 384:0 "
                                         "417:366 374:0 384:198",
                       "Preprepratsn"));
    EXPECT_TRUE(builds(generator_of("coruscant"), "R 105:25 180:177 417:380 374:257 384:196 417:372 374:248 384:182 "
                                         "417:373 374:1 384:183 417:417 374:374 384:384",
                       "Phouxxllyaqqewa"));
}

TEST(Coruscant, CompoundLeavesTheResultSlotEmpty)
{
    EXPECT_TRUE(testing::draws_then_gives(
        "R 105:104 180:0 417:1 374:1 384:0 R 54:40 45:42",
        [](GenerationContext& ctx) {
            std::string name;
            generator_of("coruscant")(ctx, name);
            return name + "|" + ctx.LabelOut;
        },
        "De Skywalker|"));
}

TEST(Coruscant, ManyNamesHaveUpToFourCapitalisedWords)
{
    for (const std::string& name : many_names(generator_of("coruscant"), 20000)) {
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 4u) << name;
        for (std::string_view word : words)
            ASSERT_TRUE(starts_with_capital(word)) << name;
    }
}

TEST(Coruscant, ManyAlternativeNamesAreOneWordAndACompound)
{
    SeededRandom random(7);
    GenerationContext ctx(random);
    ctx.huevo = "1";
    std::string name;
    for (int i = 0; i < 5000; ++i) {
        generator_of("coruscant")(ctx, name);
        const auto words = words_of(name);
        ASSERT_EQ(words.size(), 2u) << name;
        ASSERT_TRUE(starts_with_capital(words[1])) << name;
        ASSERT_TRUE(ctx.LabelOut.empty()) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
