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

TEST(Corulag, WordCountGivesOneOrTwoWords)
{
    EXPECT_TRUE(builds(generator_of("corulag"), "R 23:9 35:0 71:1 65:1 70:1", "Din"));
    EXPECT_TRUE(builds(generator_of("corulag"), "R 23:10 35:0 71:69 65:50 70:45 35:32 71:0 65:0 70:0 71:70 65:51 70:46 "
                                       "71:71 65:65 70:70",
                       "Styettz Aaa"));
    EXPECT_TRUE(builds(generator_of("corulag"), "R 23:21 35:7 71:6 65:14 70:11 35:8 71:7 65:15 70:12 71:11 65:27 70:17",
                       "Din Berber"));
}

TEST(Corulag, SuffixFollowsTheTrimmedTwoWordName)
{
    EXPECT_TRUE(builds(generator_of("corulag"), "R 23:22 35:0 71:12 65:28 70:18 35:0 71:16 65:38 70:22", "Los Los III"));
    EXPECT_TRUE(builds(generator_of("corulag"), "R 23:23 35:35 71:59 65:39 70:43 71:60 65:43 70:44 71:61 65:44 70:0 "
                                       "35:0 71:62 65:45 70:45",
                       "Frullnfruttscay Brayttz III"));
}

TEST(Corulag, ManyNamesHaveTheSuffixOnlyAfterTwoWords)
{
    int with_suffix = 0;
    for (const std::string& name : many_names(generator_of("corulag"), 20000)) {
        ASSERT_NE(name.back(), ' ') << name;
        auto words = words_of(name);
        if (words.back() == "III") {
            words.pop_back();
            ASSERT_EQ(words.size(), 2u) << name;
            ++with_suffix;
        }
        ASSERT_LE(words.size(), 2u) << name;
        for (std::string_view word : words)
            ASSERT_TRUE(starts_with_capital(word)) << name;
    }
    EXPECT_GT(with_suffix, 0);
}

}  // namespace
}  // namespace quelvarinox
