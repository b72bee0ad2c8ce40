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

TEST(Dathomir, OnlyTheFirstWordCanHaveMoreThanOneSyllable)
{
    EXPECT_TRUE(builds(generator_of("dathomir"), "R 29:21 30:20 79:1 72:1 72:1 79:10 72:17 72:8 79:11 72:18 72:9",
                       "Renrennil"));
    // Later words draw their syllable counts and keep one syllable.
    EXPECT_TRUE(builds(generator_of("dathomir"), "R 29:22 30:3 79:70 72:49 72:26 30:30 79:71 72:50 72:27", "Thyonn A"));
    EXPECT_TRUE(builds(generator_of("dathomir"), "R 29:27 30:4 79:19 72:25 72:12 79:25 72:26 72:13 30:20 79:26 72:33 72:16",
                       "Lilloth Both"));
    EXPECT_TRUE(builds(generator_of("dathomir"), "R 29:28 30:0 79:66 72:43 72:0 30:4 79:67 72:0 72:0 30:20 79:68 72:0 72:0",
                       "Djau Gha Gta"));
    EXPECT_TRUE(builds(generator_of("dathomir"), "R 29:29 30:19 79:0 72:0 72:0 79:79 72:72 72:72 30:0 79:63 72:34 72:17 "
                                        "30:0 79:64 72:38 72:19",
                       "Aa Shyall Shyall"));
}

TEST(Dathomir, ManyNamesHaveOneToThreeCapitalisedWords)
{
    for (const std::string& name : many_names(generator_of("dathomir"), 20000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        for (std::string_view word : words)
            ASSERT_TRUE(starts_with_capital(word)) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
