#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::leaves_result_slot_empty;
using testing::many_names;
using testing::Mode;
using testing::starts_with_capital;
using testing::words_of;

TEST(Agamar, SeparatorIsDrawnBeforeEverySyllableAndKeptOnlyInsideAWord)
{
    // The first syllable's separator draw of 1 is made and dropped.
    EXPECT_TRUE(builds(generator_of("agamar"),
                       "R 16:0 25:24 25:1 49:1 43:1 41:0 25:1 49:6 43:10 41:1 25:2 49:10 43:17 41:0",
                       "Ne-lin'bo"));
    // Nor does the second word's first separator stand before it.
    EXPECT_TRUE(builds(generator_of("agamar"),
                       "R 16:5 25:8 25:2 49:13 43:30 41:14 25:0 49:16 43:24 41:19 25:0 25:1 49:19 43:27 41:26",
                       "Dadgyath Churt"));
}

TEST(Agamar, ApostropheVowelTakesTheCapitalUnchanged)
{
    EXPECT_TRUE(builds(generator_of("agamar"), "R 16:4 25:7 25:1 49:0 43:26 41:1", "'n"));
    // A separator apostrophe before an onset-less apostrophe vowel gives two in a row.
    EXPECT_TRUE(builds(generator_of("agamar"), "R 16:4 25:8 25:0 49:1 43:29 41:0 25:2 49:49 43:26 41:25", "Nou''ns"));
}

TEST(Agamar, RangeEdgesGiveTheirPieces)
{
    EXPECT_TRUE(builds(generator_of("agamar"), "R 16:0 25:23 25:9 49:45 43:29 41:26 25:3 49:46 43:30 41:27", "Stourta"));
}

TEST(Agamar, TopWordCountsEndOneWordWithACompound)
{
    EXPECT_TRUE(builds(generator_of("agamar"), "R 16:15 25:0 25:3 49:45 43:28 41:21 R 54:40 45:42", "Stayk Skywalker"));
    EXPECT_TRUE(builds(generator_of("agamar"), "R 16:16 25:0 25:25 49:44 43:0 41:0 R 54:0 45:0", "Hra Anglearm"));
}

TEST(Agamar, AlternativeModeGivesOneWordAndACompoundAfterTheWordCountDraw)
{
    EXPECT_TRUE(builds(generator_of("agamar"), "R 16:5 25:0 25:0 49:36 43:43 41:9 R 54:41 45:25", "Can Starider",
                       Mode::alternative));
}

TEST(Agamar, ResultSlotIsEmptyAfterTheCompound)
{
    EXPECT_TRUE(leaves_result_slot_empty(generator_of("agamar"), "R 16:15 25:0 25:3 49:1 43:1 41:0 R 54:40 45:42"));
}

TEST(Agamar, ManyNamesKeepHyphensInsideTheirWords)
{
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : many_names(generator_of("agamar"), 10000, mode)) {
            const auto words = words_of(name);
            if (mode == Mode::alternative) {
                ASSERT_EQ(words.size(), 2u) << name;
                ASSERT_TRUE(starts_with_capital(words[1])) << name;
            } else {
                ASSERT_LE(words.size(), 2u) << name;
            }
            for (std::string_view word : words) {
                ASSERT_FALSE(word.empty()) << name;
                ASSERT_NE(word.front(), '-') << name;
                ASSERT_NE(word.back(), '-') << name;
                // Only the onset-less apostrophe vowel opens a word without a capital.
                ASSERT_TRUE(starts_with_capital(word) || word.front() == '\'') << name;
            }
        }
    }
}

}  // namespace
}  // namespace quelvarinox
