#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Adumar, TwoWordsStandEitherSideOfTheDrawnJoiner)
{
    EXPECT_TRUE(builds(generator_of("adumar"),
                       "R 18:7 18:3 31:6 67:29 68:1 74:0 67:8 68:50 74:15 31:6 67:49 68:50 74:0 67:1 68:16 74:9",
                       "Pesal ke Tharis"));
    EXPECT_TRUE(builds(generator_of("adumar"), "R 18:4 18:14 31:0 67:60 68:44 74:0 31:0 67:61 68:45 74:38",
                       "Zya ya Greiuns"));
    EXPECT_TRUE(builds(generator_of("adumar"), "R 18:18 18:18 31:0 67:62 68:42 74:37 31:0 67:7 68:41 74:36",
                       "Phioff Reaz"));
}

TEST(Adumar, OneWordNameStillConsumesTheJoinerDraw)
{
    EXPECT_TRUE(builds(generator_of("adumar"), "R 18:3 18:0 31:31 67:0 68:0 74:0 67:13 68:26 74:35 67:14 68:31 74:74 "
                                      "67:18 68:46 74:33",
                       "Asoxbaebac"));
}

TEST(Adumar, CapitalFallsOnTheVowelWhenTheFirstOnsetIsEmpty)
{
    EXPECT_TRUE(builds(generator_of("adumar"), "R 18:0 18:0 31:4 67:63 68:45 74:1", "Eiun"));
    EXPECT_TRUE(builds(generator_of("adumar"), "R 18:0 18:0 31:4 67:67 68:68 74:74", "A"));
}

TEST(Adumar, EveryRangeEdgeGivesItsPiece)
{
    // Onset, vowel and coda at the lower and upper end of their ranges.
    EXPECT_TRUE(builds(generator_of("adumar"), "R 18:0 18:0 31:20 67:51 68:15 74:8 67:52 68:16 74:14", "Thencis"));
    EXPECT_TRUE(builds(generator_of("adumar"), "R 18:0 18:0 31:21 67:58 68:37 74:28 67:59 68:38 74:29 67:24 68:40 74:39",
                       "Shiardshussny"));
}

TEST(Adumar, ManyNamesHaveOneOrTwoCapitalisedWordsAndNoLooseSpaces)
{
    for (const std::string& name : many_names(generator_of("adumar"), 20000)) {
        ASSERT_FALSE(name.empty());
        ASSERT_NE(name.back(), ' ') << name;
        ASSERT_NE(name.front(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_TRUE(words.size() == 1 || words.size() == 2 || words.size() == 3) << name;
        if (words.size() == 3) {
            ASSERT_TRUE(words[1] == "ke" || words[1] == "ya") << name;
        }
        ASSERT_TRUE(starts_with_capital(words.front())) << name;
        ASSERT_TRUE(starts_with_capital(words.back())) << name;
        for (std::string_view word : words) {
            for (std::size_t i = 1; i < word.size(); ++i)
                ASSERT_FALSE(word[i] >= 'A' && word[i] <= 'Z') << name;
        }
    }
}

}  // namespace
}  // namespace quelvarinox
