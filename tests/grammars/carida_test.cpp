#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Carida, OnlyTheSecondWordTakesAnApostrophePrefix)
{
    // The prefix draw is made for the first word too, and a 1 there gives nothing.
    EXPECT_TRUE(builds(generator_of("carida"), "R 18:0 11:1 28:0 58:1 52:1 55:1", "Der"));
    EXPECT_TRUE(builds(generator_of("carida"),
                       "R 18:7 11:0 28:0 58:1 52:1 55:1 11:1 28:7 58:43 52:0 55:36 58:15 52:14 55:0", "Der th'To"));
}

TEST(Carida, TopWordCountsEndTwoWordsWithIII)
{
    EXPECT_TRUE(builds(generator_of("carida"),
                       "R 18:17 11:2 28:8 58:54 52:37 55:35 58:0 52:52 55:0 11:0 28:24 58:50 52:32 55:28 "
                       "58:53 52:36 55:33 58:55 52:38 55:37",
                       "Screohnsa Chaecktreetha III"));
    EXPECT_TRUE(builds(generator_of("carida"), "R 18:18 11:11 28:0 58:1 52:1 55:1 11:1 28:0 58:0 52:5 55:5 58:1 52:1 55:1",
                       "Der 'Der III"));
}

TEST(Carida, ManyNamesKeepThePrefixOnTheSecondWordAndIIILast)
{
    int prefixed = 0;
    for (const std::string& name : many_names(generator_of("carida"), 20000)) {
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        ASSERT_TRUE(starts_with_capital(words[0])) << name;
        ASSERT_EQ(words[0].find('\''), std::string_view::npos) << name;
        if (words.size() == 3) {
            ASSERT_EQ(words[2], "III") << name;
        }
        if (words.size() >= 2) {
            const auto apostrophe = words[1].find('\'');
            if (apostrophe != std::string_view::npos) {
                ++prefixed;
                ASSERT_LE(apostrophe, 3u) << name;
                ASSERT_TRUE(starts_with_capital(words[1].substr(apostrophe + 1))) << name;
            } else {
                ASSERT_TRUE(starts_with_capital(words[1])) << name;
            }
        }
    }
    EXPECT_GT(prefixed, 0);
}

}  // namespace
}  // namespace quelvarinox
