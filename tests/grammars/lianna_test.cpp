#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Lianna, VowelAComesFromBothEndsOfItsTable)
{
    EXPECT_TRUE(builds(generator_of("lianna"), "R 17:0 26:23 53:1 47:0 52:0 53:6 47:14 52:33 53:10 47:33 52:32",
                       "Ralanthtackk"));
    EXPECT_TRUE(builds(generator_of("lianna"), "R 17:6 26:8 53:51 47:15 52:0 53:53 47:47 52:52", "Ia"));
}

TEST(Lianna, EachFormHasItsWords)
{
    // 14: two plain words; 15: three plain words; 16-17: the second word behind an apostrophe.
    EXPECT_TRUE(builds(generator_of("lianna"), "R 17:14 26:0 53:42 47:24 52:24 26:0 53:43 47:28 52:25", "Git Hov"));
    EXPECT_TRUE(builds(generator_of("lianna"), "R 17:15 26:7 53:45 47:24 52:30 26:8 53:47 47:25 52:29 53:48 47:29 52:27 "
                                      "26:26 53:51 47:31 52:1 53:53 47:30 52:52 53:44 47:28 52:28",
                       "Blivv Hlorlphiaff Ioniazonn"));
    EXPECT_TRUE(builds(generator_of("lianna"), "R 17:16 26:0 53:50 47:15 52:31 26:22 53:0 47:32 52:0 53:49 47:47 52:34",
                       "Snitz 'Iosha"));
    EXPECT_TRUE(builds(generator_of("lianna"), "R 17:17 26:0 53:5 47:0 52:0 26:0 53:40 47:15 52:0", "Ra 'Thi"));
}

TEST(Lianna, ManyNamesKeepTheApostropheOnTheSecondOfTwoWords)
{
    for (const std::string& name : many_names(generator_of("lianna"), 5000)) {
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
