#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Garos, ThreeSyllablesComeOnlyFromValue31)
{
    EXPECT_TRUE(builds(generator_of("garos"), "R 21:0 33:31 63:62 56:33 61:35 63:1 56:34 61:36 63:0 56:56 61:61",
                       "Triosttaa"));
    EXPECT_TRUE(builds(generator_of("garos"), "R 21:5 33:30 63:63 56:0 61:0 63:57 56:1 61:1", "Abren"));
    EXPECT_TRUE(builds(generator_of("garos"), "R 21:6 33:9 63:8 56:11 61:8 33:32 63:13 56:18 61:15 63:50 56:24 61:21 "
                                     "63:54 56:32 61:28 63:56 56:27 61:34",
                       "Cir Doshaydjiickzeess"));
}

TEST(Garos, ManyNamesHaveOneOrTwoCapitalisedWords)
{
    for (const std::string& name : many_names(generator_of("garos"), 5000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 2u) << name;
        for (std::string_view word : words)
            ASSERT_TRUE(starts_with_capital(word)) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
