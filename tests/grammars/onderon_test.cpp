#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

TEST(Onderon, TopFormValuesPutKiraAfterOneWord)
{
    EXPECT_TRUE(builds(generator_of("onderon"), "R 15:12 19:0 43:38 35:20 37:17", "Shoatt Kira"));
    EXPECT_TRUE(builds(generator_of("onderon"), "R 15:15 19:4 43:0 35:19 37:0", "Ia Kira"));
}

TEST(Onderon, PlainFormsHaveNoKira)
{
    EXPECT_TRUE(builds(generator_of("onderon"), "R 15:11 19:5 43:35 35:1 37:14 43:1 35:12 37:0 "
                                       "19:17 43:39 35:13 37:15 43:4 35:16 37:16 43:5 35:35 37:37",
                       "Brallma Irbmiskno"));
    // Vowel values 21 to 35 give "o".
    EXPECT_TRUE(builds(generator_of("onderon"), "R 15:7 19:19 43:36 35:17 37:4 43:37 35:18 37:5 43:43 35:21 37:18",
                       "Drengruso"));
}

TEST(Onderon, ManyNamesAreOneOrTwoCapitalisedWords)
{
    const std::regex shape("[A-Z][a-z]*( [A-Z][a-z]*)?");
    for (const std::string& name : many_names(generator_of("onderon"), 5000))
        ASSERT_TRUE(std::regex_match(name, shape)) << name;
}

}  // namespace
}  // namespace quelvarinox
