#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

TEST(NamChorios, WordCountTurnsFromOneToTwoAtFour)
{
    EXPECT_TRUE(builds(generator_of("namch"), "R 10:3 15:0 31:1 26:1 29:1", "Nen"));
    EXPECT_TRUE(builds(generator_of("namch"), "R 10:4 15:5 31:29 26:19 29:20 15:6 31:0 26:0 29:0 31:28 26:18 29:19",
                       "Screyrm Athaupp"));
}

TEST(NamChorios, EmptyOnsetsPassTheCapitalToTheVowel)
{
    // Onset values 30 and 31 give nothing, like 0; vowel 20 to 26 give "a".
    EXPECT_TRUE(builds(generator_of("namch"), "R 10:10 15:13 31:30 26:20 29:21 31:14 26:15 29:18 31:31 26:26 29:29 "
                                     "15:15 31:24 26:17 29:0 31:3 26:4 29:4 31:4 26:5 29:5",
                       "Adroocka Ckynenbir"));
}

TEST(NamChorios, ManyNamesAreOneOrTwoCapitalisedWords)
{
    const std::regex shape("[A-Z][a-z]*( [A-Z][a-z]*)?");
    for (const std::string& name : many_names(generator_of("namch"), 5000))
        ASSERT_TRUE(std::regex_match(name, shape)) << name;
}

}  // namespace
}  // namespace quelvarinox
