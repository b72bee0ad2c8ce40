#include <string>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Cularin, PlainFormHasOneOrTwoWords)
{
    EXPECT_TRUE(builds(generator_of("cularin"), "R 36:16 54:0 106:1 101:1 103:1", "Ren"));
    EXPECT_TRUE(builds(generator_of("cularin"), "R 36:17 54:16 106:15 101:23 103:17 54:17 106:16 101:24 103:18 "
                                       "106:24 101:44 103:28",
                       "Ren Nirnir"));
    EXPECT_TRUE(builds(generator_of("cularin"), "R 36:34 54:45 106:25 101:45 103:29 106:32 101:55 103:34 54:46 "
                                       "106:33 101:56 103:35 106:39 101:58 103:39 106:40 101:59 103:40",
                       "Koskos Duldultyk"));
}

TEST(Cularin, ApostropheFormHasTwoOneSyllableWordsAfterTheFirst)
{
    // The second and third words draw their syllable counts and keep one syllable.
    EXPECT_TRUE(builds(generator_of("cularin"), "R 36:35 54:46 106:98 101:70 103:61 106:99 101:71 103:62 106:0 101:0 103:0 "
                                       "54:54 106:93 101:66 103:56 54:17 106:97 101:69 103:59",
                       "Pthyalstaa Blaent 'Wrouth"));
    // The third word's capital lands after the apostrophe, on its vowel when it has no onset.
    EXPECT_TRUE(builds(generator_of("cularin"), "R 36:36 54:0 106:1 101:1 103:0 54:0 106:1 101:1 103:0 54:0 106:0 101:1 103:1",
                       "Re Re 'En"));
}

TEST(Cularin, ManyNamesHoldAnApostropheOnlyBeforeTheThirdWord)
{
    int apostrophe_names = 0;
    for (const std::string& name : many_names(generator_of("cularin"), 20000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        if (words.size() == 3) {
            ASSERT_EQ(words[2].front(), '\'') << name;
            ASSERT_TRUE(starts_with_capital(words[2].substr(1))) << name;
            ++apostrophe_names;
        } else {
            ASSERT_EQ(name.find('\''), std::string::npos) << name;
        }
        ASSERT_TRUE(starts_with_capital(words[0])) << name;
    }
    EXPECT_GT(apostrophe_names, 0);
}

}  // namespace
}  // namespace quelvarinox
