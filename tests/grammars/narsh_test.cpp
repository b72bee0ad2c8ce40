#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

TEST(NarShaddaa, WordAndSyllableCountsTurnAtTheirEdges)
{
    EXPECT_TRUE(builds(generator_of("narsh"), "R 15:4 23:8 48:0 37:21 46:34", "Uett"));
    EXPECT_TRUE(builds(generator_of("narsh"), "R 15:5 23:9 48:47 37:0 46:35 48:1 37:7 46:33 23:23 48:42 37:22 46:1 "
                                     "48:6 37:8 46:46",
                       "Tharoth Branre"));
}

TEST(NarShaddaa, ManyNamesAreOneOrTwoCapitalisedWords)
{
    const std::regex shape("[A-Z][a-z]*( [A-Z][a-z]*)?");
    for (const std::string& name : many_names(generator_of("narsh"), 5000))
        ASSERT_TRUE(std::regex_match(name, shape)) << name;
}

}  // namespace
}  // namespace quelvarinox
