#include <gtest/gtest.h>

#include "grammars/name_builder.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::draws_then_gives;

constexpr auto onset = pieces<4>({{1, 1, "th"}, {2, 2, "'"}, {3, 3, "é"}}, {{0, 0}, {4, 4}}, nothing);
constexpr auto vowel = pieces<4>({{1, 1, "e"}, {2, 2, "'"}}, {{0, 0}, {3, 4}}, nothing);  // 0, 3, 4: an empty vowel
constexpr auto coda = pieces<2>({{1, 1, "n"}}, {{0, 0}, {2, 2}}, nothing);
constexpr auto syllables = counts<2>({{0, 0, 1}, {1, 1, 2}, {2, 2, 3}});

// One word of plain syllables from the little tables above.
::testing::AssertionResult word_of(std::string_view script, std::string_view expected, bool capitalized = true)
{
    return draws_then_gives(
        "R " + std::string(script),
        [&](GenerationContext& ctx) {
            std::string text;
            NameBuilder name(ctx, text);
            name.word(syllables, [&](int) { name.syllable(onset, vowel, coda); }, capitalized);
            return text;
        },
        expected);
}

TEST(NameBuilder, TheCapitalGoesToTheFirstNonEmptyOnsetOrVowel)
{
    EXPECT_TRUE(word_of("2:0 4:1 4:1 2:1", "Then"));
    EXPECT_TRUE(word_of("2:0 4:0 4:1 2:0", "E"));
    EXPECT_TRUE(word_of("2:0 4:3 4:1 2:0", "Ée"));
    EXPECT_TRUE(word_of("2:1 4:0 4:1 2:0 4:1 4:1 2:0", "Ethe"));
}

TEST(NameBuilder, AnEmptyVowelLeavesTheCapitalForTheNextSyllable)
{
    EXPECT_TRUE(word_of("2:1 4:0 4:0 2:0 4:1 4:1 2:0", "The"));
    EXPECT_TRUE(word_of("2:2 4:0 4:4 2:0 4:0 4:3 2:0 4:0 4:1 2:1", "En"));
}

TEST(NameBuilder, ACodaNeverTakesTheCapital)
{
    // The word's only letter is a coda: it stays lower case, and the flag stays set
    // for the onset of the next syllable.
    EXPECT_TRUE(word_of("2:1 4:0 4:0 2:1 4:1 4:1 2:0", "nThe"));
}

TEST(NameBuilder, AnApostropheSpendsTheCapitalUnchanged)
{
    EXPECT_TRUE(word_of("2:1 4:2 4:1 2:0 4:1 4:1 2:0", "'ethe"));
    EXPECT_TRUE(word_of("2:0 4:0 4:2 2:1", "'n"));
}

TEST(NameBuilder, AWordCanKeepItsLowerCase)
{
    EXPECT_TRUE(word_of("2:0 4:1 4:1 2:1", "then", false));
}

TEST(NameBuilder, TrimRemovesExactlyOneTrailingSeparator)
{
    testing::ScriptedRandom random("");
    GenerationContext ctx(random);
    std::string text;
    NameBuilder name(ctx, text);
    name.append("Pesal  ");
    name.trim_one(' ');
    EXPECT_EQ(text, "Pesal ");
    name.trim_one('-');
    EXPECT_EQ(text, "Pesal ");
    name.append("-/");
    name.trim_one_of(" -/");
    EXPECT_EQ(text, "Pesal -");
    name.trim_one_of("/");
    EXPECT_EQ(text, "Pesal -");
}

TEST(NameBuilder, ACompoundIsAppendedAndTheResultSlotEmptied)
{
    EXPECT_TRUE(draws_then_gives(
        "R R 54:40 45:42",
        [](GenerationContext& ctx) {
            std::string text;
            NameBuilder name(ctx, text);
            name.append("Pesal");
            name.compound();
            return text + "|" + ctx.LabelOut;
        },
        "Pesal Skywalker|"));
}

TEST(NameBuilder, StartsFromAnEmptyName)
{
    testing::ScriptedRandom random("");
    GenerationContext ctx(random);
    std::string text = "the previous name";
    NameBuilder name(ctx, text);
    EXPECT_EQ(text, "");
}

}  // namespace
}  // namespace quelvarinox
