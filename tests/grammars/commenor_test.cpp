#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Commenor, AlwaysTwoWordsWithNoWordCountDraw)
{
    EXPECT_TRUE(builds(generator_of("commenor"), "R 26:0 51:1 47:1 47:1 26:24 51:46 47:33 47:26 51:0 47:0 47:0 "
                                        "51:47 47:34 47:27",
                       "Don Drueethaa"));
    EXPECT_TRUE(builds(generator_of("commenor"), "R 26:6 51:44 47:23 47:25 26:7 51:39 47:29 47:0 51:40 47:32 47:22",
                       "Xyorr Jayqiod"));
}

TEST(Commenor, EveryRangeEdgeGivesItsPiece)
{
    // Onset 7|8 and 45|46, vowel 10|11 and 33|34, coda 10|11 and 26|27.
    EXPECT_TRUE(builds(generator_of("commenor"), "R 26:23 51:7 47:10 47:10 51:8 47:11 47:11 26:26 51:45 47:33 47:26 "
                                        "51:46 47:34 47:27 51:18 47:17 47:18",
                       "Donler Brueethdratim"));
}

TEST(Commenor, CapitalFallsOnTheVowelWhenTheFirstOnsetIsEmpty)
{
    EXPECT_TRUE(builds(generator_of("commenor"), "R 26:0 51:0 47:0 47:24 26:0 51:51 47:31 47:20", "Az Eys"));
}

TEST(Commenor, ManyNamesAreTwoCapitalisedWords)
{
    for (const std::string& name : many_names(generator_of("commenor"), 20000)) {
        const auto words = words_of(name);
        ASSERT_EQ(words.size(), 2u) << name;
        for (std::string_view word : words) {
            ASSERT_TRUE(starts_with_capital(word)) << name;
            for (std::size_t i = 1; i < word.size(); ++i)
                ASSERT_FALSE(word[i] >= 'A' && word[i] <= 'Z') << name;
        }
    }
}

}  // namespace
}  // namespace quelvarinox
