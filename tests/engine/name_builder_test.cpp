#include <string>

#include <gtest/gtest.h>

#include "engine/name_builder.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox::detail {
namespace {

constexpr auto onset = pieces<4>({{1, 1, "th"}, {2, 2, "'"}, {3, 3, "é"}}, {{0, 0}, {4, 4}}, nothing);
constexpr auto vowel = pieces<4>({{1, 1, "e"}, {2, 2, "'"}}, {{0, 0}, {3, 4}}, nothing);  // 0, 3, 4: an empty vowel
constexpr auto coda = pieces<2>({{1, 1, "n"}}, {{0, 0}, {2, 2}}, nothing);
constexpr auto syllables = counts<2>({{0, 0, 1}, {1, 1, 2}, {2, 2, 3}});

// What a builder handed over, with the result slot after a bar.
template <class Build>
::testing::AssertionResult builds(std::string_view script, Build&& build, std::string_view expected)
{
    return testing::draws_then_gives(
        std::string(script.empty() ? "R" : "R ") + std::string(script),
        [&](GenerationContext& ctx) {
            std::string text = "the previous name";
            NameBuilder name(ctx, text);
            build(name);
            name.hand_over();
            return text + "|" + ctx.LabelOut;
        },
        expected);
}


// The capital goes once to the first non-empty onset or vowel of a word; a coda
// never takes it, an empty vowel leaves it, an apostrophe spends it unchanged.
TEST(NameBuilder, CapitalsFallOnTheFirstPieceThatMayCarryThem)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2:0 4:1 4:1 2:1", "Then|Th"}, {"2:0 4:0 4:1 2:0", "E|E"}, {"2:0 4:3 4:1 2:0", "Ée|É"},
        {"2:1 4:0 4:0 2:0 4:1 4:1 2:0", "The|Th"}, {"2:1 4:0 4:0 2:1 4:1 4:1 2:0", "nThe|Th"},
        {"2:1 4:2 4:1 2:0 4:1 4:1 2:0", "'ethe|'"}, {"2:2 4:0 4:4 2:0 4:0 4:3 2:0 4:0 4:1 2:1", "En|E"}};
    for (const auto& [script, expected] : cases)
        EXPECT_TRUE(builds(script, [](NameBuilder& name) { name.word(syllables, onset, vowel, coda); }, expected));
}

TEST(NameBuilder, WordsAndTheirEnd)
{
    EXPECT_TRUE(builds("2:0 4:1 4:1 2:1", [](NameBuilder& name) {
        name.word(syllables, [&](int) { name.syllable(onset, vowel, coda); }, false);
    }, "then|"));
    // One trailing separator goes, whichever of the given ones it is, and only one.
    EXPECT_TRUE(builds("2:0 4:1 4:1 2:0 2:0 4:0 4:1 2:1", [&](NameBuilder& name) {
        name.word(syllables, onset, vowel, coda);
        name.append(" ");
        name.word(syllables, onset, vowel, coda);
        name.append(" -");
        name.trim_one(' ');
        name.trim_one_of(" -");
        name.trim_one_of(" -");
    }, "The En|E"));
    // An apostrophe prefix draws a whole pass of slots and leaves the capital to the syllable after it.
    EXPECT_TRUE(builds("4:1 4:1 2:1 4:3 4:1 2:0", [&](NameBuilder& name) {
        name.apostrophe_prefix(onset, vowel, coda);
        name.syllable(onset, vowel, coda);
    }, "th'Ée|É"));
    // A compound is appended after the trim, and the result slot is left empty.
    EXPECT_TRUE(builds("2:0 4:1 4:1 2:0 R 54:40 45:42", [&](NameBuilder& name) {
        name.word(syllables, onset, vowel, coda);
        name.append(" ");
        name.finish(true);
    }, "The Skywalker|"));
    EXPECT_TRUE(builds("", [](NameBuilder& name) { name.append(std::string(300, 'a')); }, std::string(300, 'a') + "|"));
}

TEST(NameBuilder, TheAlternativeFormIsReadAfterTheDraw)
{
    constexpr auto forms = counts<1>({{0, 0, 1}, {1, 1, 2}});
    for (const char* mode : {"0", "1"}) {
        EXPECT_TRUE(testing::draws_then_gives("R 1:1", [&](GenerationContext& ctx) {
            ctx.huevo = mode;
            std::string text;
            NameBuilder name(ctx, text);
            return std::to_string(name.draw_form(forms, 7));
        }, mode[0] == '1' ? "7" : "2"));
    }
}

}  // namespace
}  // namespace quelvarinox::detail
