#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

TEST(Teyr, CodasStopAtEightAndAreEmptyAbove)
{
    EXPECT_TRUE(builds(generator_of("teyr"), "R 8:4 10:1 26:1 21:1 16:8", "Nitt"));
    EXPECT_TRUE(builds(generator_of("teyr"), "R 8:5 10:2 26:0 21:14 16:9 26:25 21:15 16:7 "
                                    "10:7 26:24 21:13 16:16 26:22 21:0 16:1 26:26 21:21 16:6",
                       "Yshang Rhegnanas"));
}

TEST(Teyr, ManyNamesAreOneOrTwoCapitalisedWords)
{
    const std::regex shape("[A-Z][a-z]*( [A-Z][a-z]*)?");
    for (const std::string& name : many_names(generator_of("teyr"), 5000))
        ASSERT_TRUE(std::regex_match(name, shape)) << name;
}

}  // namespace
}  // namespace quelvarinox
