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
using testing::words_of;

TEST(Alderaan, ThreeWordNamesAreSpacedOrEndInAHyphenatedPair)
{
    EXPECT_TRUE(builds(generator_of("alderaan"),
                       "R 90:86 154:0 337:1 294:1 315:1 154:0 337:32 294:55 315:47 154:0 337:57 294:95 315:0",
                       "Len Nor Ti"));
    EXPECT_TRUE(builds(generator_of("alderaan"),
                       "R 90:88 154:0 337:1 294:1 315:1 154:0 337:32 294:55 315:47 154:0 337:57 294:95 315:0",
                       "Len Nor-Ti"));
}

TEST(Alderaan, CodaValue164GivesNothingWhileShHasTwoPlaces)
{
    EXPECT_TRUE(builds(generator_of("alderaan"),
                       "R 90:0 154:153 337:81 294:1 315:164 337:81 294:1 315:153 337:81 294:1 315:180 "
                       "337:81 294:1 315:163",
                       "Rereshreshrecht"));
    EXPECT_TRUE(builds(generator_of("alderaan"), "R 90:20 154:40 337:0 294:178 315:165", "'s"));
}

TEST(Alderaan, RangeEdgesGiveTheirPieces)
{
    EXPECT_TRUE(builds(generator_of("alderaan"),
                       "R 90:85 154:41 337:314 294:187 315:181 337:315 294:188 315:315 154:127 337:313 294:186 "
                       "315:0 337:337 294:294 315:1",
                       "Thryiea Scrieean"));
}

TEST(Alderaan, ManyNamesHoldAHyphenOnlyBetweenTheLastTwoOfThreeWords)
{
    int hyphenated = 0;
    for (const std::string& name : many_names(generator_of("alderaan"), 20000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        const auto hyphen = name.find('-');
        if (hyphen != std::string::npos) {
            ++hyphenated;
            ASSERT_EQ(words.size(), 2u) << name;
            ASSERT_EQ(name.find('-', hyphen + 1), std::string::npos) << name;
            const std::string_view last = words[1].substr(words[1].find('-') + 1);
            ASSERT_TRUE(starts_with_capital(last) || last.front() == '\'') << name;
        }
        for (std::string_view word : words)
            ASSERT_TRUE(starts_with_capital(word) || word.front() == '\'') << name;
    }
    EXPECT_GT(hyphenated, 0);
}

}  // namespace
}  // namespace quelvarinox
