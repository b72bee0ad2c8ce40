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

TEST(Bakura, OnsetNComesFromTwoRangesAndTheFallbackVowelIsE)
{
    EXPECT_TRUE(builds(generator_of("bakura"), "R 42:0 55:9 131:21 119:0 124:0 131:54 119:119 124:71", "Nenerth"));
    EXPECT_TRUE(builds(generator_of("bakura"), "R 42:21 55:0 131:29 119:90 124:0 55:0 131:47 119:91 124:70",
                       "Nyeo Nennt"));
}

TEST(Bakura, TopWordCountsEndOneWordWithACompound)
{
    EXPECT_TRUE(builds(generator_of("bakura"),
                       "R 42:41 55:54 131:118 119:25 124:69 131:0 119:26 124:72 131:119 119:90 124:0 "
                       "131:1 119:1 124:1 R 54:47 45:39",
                       "Schallsiyeotan Twosuns"));
}

TEST(Bakura, AlternativeModeGivesOneWordAndACompoundAfterTheWordCountDraw)
{
    EXPECT_TRUE(builds(generator_of("bakura"), "R 42:21 55:0 131:1 119:1 124:1 R 54:46 45:24 54:46 45:25",
                       "Tan Threeriders", Mode::alternative));
}

TEST(Bakura, ResultSlotIsEmptyAfterTheCompound)
{
    EXPECT_TRUE(leaves_result_slot_empty(generator_of("bakura"), "R 42:42 55:0 131:1 119:1 124:1 R 54:40 45:42"));
}

TEST(Bakura, ManyNamesHaveCapitalisedWordsAndNoLooseSpaces)
{
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : many_names(generator_of("bakura"), 10000, mode)) {
            ASSERT_NE(name.back(), ' ') << name;
            ASSERT_NE(name.front(), ' ') << name;
            const auto words = words_of(name);
            if (mode == Mode::alternative) {
                ASSERT_EQ(words.size(), 2u) << name;
            } else {
                ASSERT_LE(words.size(), 2u) << name;
            }
            for (std::string_view word : words)
                ASSERT_TRUE(starts_with_capital(word)) << name;
        }
    }
}

}  // namespace
}  // namespace quelvarinox
