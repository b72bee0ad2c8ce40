#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

TEST(ObroaSkai, HyphenFormHasTwoLowerCaseSyllablesBeforeItsWord)
{
    // The first two syllable counts are drawn but give one syllable whatever
    // their value; the third word keeps the count it draws.
    EXPECT_TRUE(builds(generator_of("obroa"), "R 10:9 14:14 35:29 28:17 33:0 14:12 35:0 28:18 33:21 "
                                     "14:4 35:33 28:1 33:20 35:7 28:8 33:19",
                       "brei-oss-Tlannjels"));
    EXPECT_TRUE(builds(generator_of("obroa"), "R 10:10 14:3 35:0 28:0 33:33 14:0 35:23 28:15 33:18 14:0 35:0 28:16 33:22",
                       "o-krialk-Ia"));
}

TEST(ObroaSkai, SpaceFormsCapitaliseEveryWord)
{
    EXPECT_TRUE(builds(generator_of("obroa"), "R 10:8 14:0 35:32 28:14 33:1 14:0 35:34 28:7 33:3", "Sten An"));
    EXPECT_TRUE(builds(generator_of("obroa"), "R 10:4 14:11 35:1 28:28 33:17 35:35 28:27 33:0", "Bocko"));
}

TEST(ObroaSkai, ManyNamesAreSpacedCapitalisedWordsOrOneHyphenatedName)
{
    const std::regex spaced("[A-Z][a-z]*( [A-Z][a-z]*)?");
    const std::regex hyphenated("[a-z]+-[a-z]+-[A-Z][a-z]*");
    for (const std::string& name : many_names(generator_of("obroa"), 5000))
        ASSERT_TRUE(std::regex_match(name, spaced) || std::regex_match(name, hyphenated)) << name;
}

}  // namespace
}  // namespace quelvarinox
