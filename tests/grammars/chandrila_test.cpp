#include <cstddef>
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

TEST(Chandrila, DuIsFusedToTheCapitalisedSecondWord)
{
    EXPECT_TRUE(builds(generator_of("chandrila"), "R 33:32 58:0 121:1 117:1 122:1 58:0 121:14 117:32 122:23", "Ren DuLol"));
    EXPECT_TRUE(builds(generator_of("chandrila"), "R 33:33 58:0 121:1 117:1 122:0 58:0 121:0 117:52 122:0", "Re DuI"));
}

TEST(Chandrila, PlainFormsAndRangeEdges)
{
    EXPECT_TRUE(builds(generator_of("chandrila"),
                       "R 33:5 58:11 121:114 117:78 122:72 121:115 117:79 122:73 58:57 121:96 117:67 122:53 "
                       "121:1 117:1 122:1 121:13 117:31 122:22 121:0 117:0 122:0",
                       "Truillsa Thythrenrena"));
    // The apostrophe vowel on an onset-less first syllable leaves the word without a capital.
    EXPECT_TRUE(builds(generator_of("chandrila"), "R 33:4 58:10 121:0 117:71 122:1", "'n"));
}

bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }

TEST(Chandrila, ManyNamesHaveOneOrTwoWordsAndDuOnlyOnTheSecond)
{
    int du_names = 0;
    for (const std::string& name : many_names(generator_of("chandrila"), 20000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 2u) << name;
        for (std::size_t w = 0; w < words.size(); ++w) {
            const std::string_view word = words[w];
            // A capital, or the apostrophe vowel that spent it.
            ASSERT_TRUE(starts_with_capital(word) || word.front() == '\'') << name;
            for (std::size_t i = 1; i < word.size(); ++i) {
                if (!is_upper(word[i]))
                    continue;
                // The only capital inside a word is that of the word fused to "Du".
                ASSERT_TRUE(w == 1 && i == 2 && word.starts_with("Du")) << name;
                ++du_names;
            }
        }
    }
    EXPECT_GT(du_names, 0);
}

}  // namespace
}  // namespace quelvarinox
