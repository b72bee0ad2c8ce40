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

TEST(Brentaal, EachFormJoinsItsWordsWithItsOwnMark)
{
    EXPECT_TRUE(builds(generator_of("brentaal"), "R 19:4 34:0 71:1 65:1 67:1", "Lel"));
    EXPECT_TRUE(builds(generator_of("brentaal"),
                       "R 19:5 34:6 71:10 65:15 67:8 34:7 71:21 65:43 67:40 71:57 65:44 67:0", "Don Griorskgra"));
    EXPECT_TRUE(builds(generator_of("brentaal"), "R 19:17 34:0 71:60 65:42 67:36 34:0 71:61 65:0 67:67", "Triech-A"));
    EXPECT_TRUE(builds(generator_of("brentaal"),
                       "R 19:18 34:0 71:55 65:39 67:37 34:34 71:58 65:40 67:38 71:59 65:41 67:39 71:0 65:65 67:0",
                       "Wyll'Plaarcsceurna"));
}

TEST(Brentaal, ManyNamesHoldAtMostOneJoinerBetweenTwoCapitalisedWords)
{
    for (const std::string& name : many_names(generator_of("brentaal"), 20000)) {
        const auto joiner = name.find_first_of(" -'");
        ASSERT_TRUE(starts_with_capital(name)) << name;
        if (joiner == std::string::npos)
            continue;
        ASSERT_EQ(name.find_first_of(" -'", joiner + 1), std::string::npos) << name;
        ASSERT_TRUE(starts_with_capital(std::string_view(name).substr(joiner + 1))) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
