#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Elrood, RangeEdgesGiveTheirPiecesAndAnEmptyOnsetPutsTheCapitalOnTheVowel)
{
    EXPECT_TRUE(builds(generator_of("elrood"), "R 20:7 33:10 73:1 64:1 66:1 73:70 64:43 66:40 33:0 73:0 64:0 66:0",
                       "Lelthyolls A"));
    EXPECT_TRUE(builds(generator_of("elrood"), "R 20:6 33:32 73:71 64:44 66:41 73:9 64:15 66:9 73:10 64:16 66:10 "
                                      "73:44 64:39 66:38",
                       "Aleldinchainn"));
    EXPECT_TRUE(builds(generator_of("elrood"), "R 20:20 33:9 73:73 64:64 66:66 33:26 73:68 64:42 66:39 73:17 64:26 66:19 "
                                      "73:16 64:27 66:18",
                       "A Gweirfgirdon"));
}

TEST(Elrood, ManyNamesHaveOneOrTwoCapitalisedWords)
{
    for (const std::string& name : many_names(generator_of("elrood"), 5000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 2u) << name;
        for (std::string_view word : words)
            ASSERT_TRUE(starts_with_capital(word)) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
