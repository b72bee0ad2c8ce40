#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

TEST(Kegan, PrefixIsVUpTo9AndOFrom10)
{
    EXPECT_TRUE(builds(generator_of("kegan"), "R 20:0 21:0 42:1 35:1 37:1", "V-Nan"));
    EXPECT_TRUE(builds(generator_of("kegan"), "R 20:9 21:6 42:36 35:22 37:10", "V-Thyarz"));
    EXPECT_TRUE(builds(generator_of("kegan"), "R 20:10 21:7 42:0 35:0 37:37 42:35 35:35 37:11", "O-Ibri"));
    EXPECT_TRUE(builds(generator_of("kegan"), "R 20:20 21:21 42:37 35:23 37:9 42:34 35:16 37:6", "O-Izzied"));
}

TEST(Kegan, ManyNamesAreOneCapitalisedWordBehindThePrefix)
{
    const std::regex shape("[VO]-[A-Z][a-z]*");
    for (const std::string& name : many_names(generator_of("kegan"), 5000))
        ASSERT_TRUE(std::regex_match(name, shape)) << name;
}

}  // namespace
}  // namespace quelvarinox
