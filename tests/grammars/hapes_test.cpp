#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Hapes, OnsetRComesFromThreePlaces)
{
    EXPECT_TRUE(builds(generator_of("hapes"), "R 18:0 24:20 54:33 46:1 52:0 54:34 46:12 52:0 54:42 46:13 52:0",
                       "Rereri"));
}

TEST(Hapes, EachFormHasItsWords)
{
    // 15: two plain words; 16: three plain words; 17-18: the second word behind an apostrophe.
    EXPECT_TRUE(builds(generator_of("hapes"), "R 18:15 24:0 54:11 46:46 52:52 24:0 54:10 46:23 52:31", "Ba Lill"));
    EXPECT_TRUE(builds(generator_of("hapes"), "R 18:16 24:6 54:50 46:0 52:1 54:1 46:33 52:33 24:19 54:43 46:29 52:20 "
                                     "54:48 46:24 52:22 24:0 54:41 46:31 52:32",
                       "Ansush Dryttshoc Ziang"));
    EXPECT_TRUE(builds(generator_of("hapes"), "R 18:17 24:0 54:49 46:34 52:34 24:5 54:0 46:35 52:35", "Treeth 'A"));
    EXPECT_TRUE(builds(generator_of("hapes"), "R 18:18 24:0 54:45 46:0 52:0 24:0 54:47 46:1 52:30", "Gha 'Kheck"));
}

TEST(Hapes, ManyNamesKeepTheApostropheOnTheSecondOfTwoWords)
{
    for (const std::string& name : many_names(generator_of("hapes"), 5000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        ASSERT_TRUE(starts_with_capital(words[0])) << name;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const bool apostrophe = words[i].starts_with('\'');
            ASSERT_TRUE(!apostrophe || words.size() == 2) << name;
            ASSERT_TRUE(starts_with_capital(words[i].substr(apostrophe ? 1 : 0))) << name;
        }
    }
}

}  // namespace
}  // namespace quelvarinox
