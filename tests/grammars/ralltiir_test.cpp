#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

TEST(Ralltiir, ThreeWordNamesHaveAHyphenBeforeTheLastWord)
{
    EXPECT_TRUE(builds(generator_of("ralltiir"), "R 13:12 19:0 39:1 33:1 38:1 19:6 39:36 33:23 38:25 39:0 33:0 38:0 "
                                        "19:18 39:32 33:15 38:24 39:33 33:16 38:26 39:39 33:33 38:38",
                       "Rar Tryelle-Klaybbkreae"));
    EXPECT_TRUE(builds(generator_of("ralltiir"), "R 13:13 19:5 39:35 33:22 38:23 19:0 39:37 33:19 38:0 19:0 39:6 33:7 38:5",
                       "Shoiz Ii-Jin"));
}

TEST(Ralltiir, ShorterNamesAreSpaced)
{
    EXPECT_TRUE(builds(generator_of("ralltiir"), "R 13:11 19:0 39:10 33:12 38:9 19:0 39:13 33:24 38:13", "Pos Tek"));
    EXPECT_TRUE(builds(generator_of("ralltiir"), "R 13:7 19:17 39:28 33:20 38:18 39:29 33:21 38:19", "Diodgoeg"));
}

TEST(Ralltiir, ManyNamesHaveTheirHyphenOnlyBetweenTheSecondAndThirdWords)
{
    const std::regex shape("[A-Z][a-z]*( [A-Z][a-z]*)?|[A-Z][a-z]* [A-Z][a-z]*-[A-Z][a-z]*");
    for (const std::string& name : many_names(generator_of("ralltiir"), 5000))
        ASSERT_TRUE(std::regex_match(name, shape)) << name;
}

}  // namespace
}  // namespace quelvarinox
