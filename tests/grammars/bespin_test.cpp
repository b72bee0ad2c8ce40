#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::leaves_result_slot_empty;
using testing::many_names;
using testing::Mode;
using testing::starts_with_capital;
using testing::words_of;

TEST(Bespin, ApostrophePrefixConsumesItsVowelAndCodaAndIsNoSyllable)
{
    // Two syllables after the prefix "d'", whose vowel and coda draws leave no trace.
    EXPECT_TRUE(builds(generator_of("bespin"),
                       "R 39:0 61:21 61:1 121:39 112:1 114:1 121:1 112:24 114:13 121:13 112:43 114:0", "d'Lorri"));
    // Without an onset the prefix is the apostrophe alone.
    EXPECT_TRUE(builds(generator_of("bespin"), "R 39:0 61:0 61:1 121:0 112:79 114:69 121:0 112:0 114:0", "'A"));
}

TEST(Bespin, McFormWritesTheSecondWordInLowerCaseUnlessItIsPrefixed)
{
    EXPECT_TRUE(builds(generator_of("bespin"), "R 39:38 61:0 61:2 121:1 112:1 114:1 61:0 61:61 121:23 112:24 114:0",
                       "Len Mcmo"));
    EXPECT_TRUE(builds(generator_of("bespin"),
                       "R 39:39 61:0 61:0 121:1 112:1 114:1 61:0 61:1 121:106 112:5 114:5 121:31 112:86 114:69",
                       "Len Mcth'Tuecss"));
}

TEST(Bespin, PlainAndHyphenForms)
{
    EXPECT_TRUE(builds(generator_of("bespin"),
                       "R 39:35 61:20 61:60 121:12 112:87 114:70 61:50 61:2 121:109 112:86 114:69 121:0 112:0 "
                       "114:114",
                       "La Thruecssa"));
    EXPECT_TRUE(builds(generator_of("bespin"),
                       "R 39:37 61:0 61:0 121:1 112:1 114:0 61:0 61:0 121:13 112:24 114:0 61:0 61:0 121:23 "
                       "112:43 114:0",
                       "Le-Ro Mi"));
}

TEST(Bespin, ApostropheVowelOnAnOnsetLessFirstSyllableLeavesNoCapital)
{
    EXPECT_TRUE(builds(generator_of("bespin"), "R 39:0 61:0 61:0 121:110 112:79 114:1", "'n"));
}

TEST(Bespin, CompoundFormAndAlternativeModeEndOneWordWithACompound)
{
    EXPECT_TRUE(builds(generator_of("bespin"), "R 39:36 61:0 61:0 121:109 112:0 114:0 R 54:9 45:16", "Thra Darkiller"));
    EXPECT_TRUE(builds(generator_of("bespin"), "R 39:17 61:0 61:0 121:108 112:112 114:68 R 54:9 45:16", "Strats Darkiller",
                       Mode::alternative));
}

TEST(Bespin, ResultSlotIsEmptyAfterTheCompound)
{
    EXPECT_TRUE(leaves_result_slot_empty(generator_of("bespin"), "R 39:36 61:0 61:0 121:1 112:1 114:1 R 54:40 45:42"));
}

bool has_upper_case(std::string_view text)
{
    for (char c : text)
        if (c >= 'A' && c <= 'Z')
            return true;
    return false;
}

TEST(Bespin, ManyNamesHaveTheShapeOfTheirForm)
{
    int mc_names = 0;
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : many_names(generator_of("bespin"), 20000, mode)) {
            ASSERT_NE(name.back(), ' ') << name;
            ASSERT_EQ(name.find("  "), std::string::npos) << name;
            const auto words = words_of(name);
            if (mode == Mode::alternative) {
                ASSERT_EQ(words.size(), 2u) << name;
                ASSERT_EQ(name.find('-'), std::string::npos) << name;
                continue;
            }
            ASSERT_LE(words.size(), 2u) << name;
            if (words.size() == 2 && words[1].starts_with("Mc")) {
                ++mc_names;
                // Lower case after "Mc", but for the capital a prefix brings after its apostrophe.
                const std::string_view rest = words[1].substr(2);
                const auto apostrophe = rest.find('\'');
                if (has_upper_case(rest)) {
                    ASSERT_TRUE(apostrophe != std::string_view::npos &&
                                !has_upper_case(rest.substr(0, apostrophe)))
                        << name;
                }
            }
            const auto hyphen = name.find('-');
            if (hyphen != std::string::npos) {
                ASSERT_EQ(words.size(), 2u) << name;
                ASSERT_LT(hyphen, name.find(' ')) << name;
            }
        }
    }
    EXPECT_GT(mc_names, 0);
}

}  // namespace
}  // namespace quelvarinox
