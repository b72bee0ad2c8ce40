#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::Mode;
using testing::words_of;

struct Case {
    const char* script;
    const char* name;
};

void expect_all(const std::initializer_list<Case>& cases, Mode mode = Mode::normal)
{
    for (const Case& each : cases)
        EXPECT_TRUE(builds(generator_of("varkh"), each.script, each.name, mode));
}

// Each syllable draws onset, apostrophe chance, vowel, apostrophe chance, coda.
TEST(Varkhenos, EveryFormHasItsShapeAtTheEdgesOfItsRows)
{
    expect_all({
        {"R 120:0 170:0 342:1 170:0 300:1 170:0 322:1", "Den"},
        {"R 120:59 170:65 342:0 170:0 300:0 170:0 322:0", "A"},
        {"R 120:60 170:66 342:27 170:0 300:46 170:0 322:31 342:28 170:0 300:47 170:0 322:32 170:143 342:54 170:0 "
         "300:89 170:0 322:55 342:55 170:0 300:90 170:0 322:56",
         "Denror Rornil"},
        {"R 120:104 170:144 342:78 170:0 300:130 170:0 322:74 342:79 170:0 300:131 170:0 322:75 342:99 170:0 "
         "300:146 170:0 322:92 170:167 342:100 170:0 300:155 170:0 322:93 342:119 170:0 300:158 170:0 322:104 "
         "342:120 170:0 300:159 170:0 322:105 342:139 170:0 300:162 170:0 322:111",
         "Nilvusvus Baabhbaabhmiathmiath"},
        {"R 120:105 170:0 342:140 170:0 300:163 170:0 322:112", "Darth Kaum"},
        {"R 120:115 170:170 342:157 170:0 300:165 170:0 322:117 342:158 170:0 300:166 170:0 322:118 342:175 170:0 "
         "300:167 170:0 322:123 342:176 170:0 300:168 170:0 322:124",
         "Darth Kaumsaillsailllaoss"},
        {"R 120:116 170:0 342:192 170:0 300:169 170:0 322:129 170:0 342:193 170:0 300:170 170:0 322:130 170:0 "
         "342:207 170:0 300:171 170:0 322:133",
         "Laoss Giod Giod"},
        {"R 120:117 170:0 342:208 170:0 300:172 170:0 322:134 170:0 342:222 170:0 300:173 170:0 322:137 170:0 "
         "342:223 170:0 300:176 170:0 322:138",
         "Juuz-Juuz Tayg"},
        {"R 120:118 170:0 342:236 170:0 300:177 170:0 322:141 170:0 342:237 170:0 300:178 170:0 322:144",
         "Teic-Piik"},
        {"R 120:120 170:0 342:247 170:0 300:179 170:0 322:147 170:0 342:253 170:0 300:180 170:0 322:150",
         "Ziunn-Woarr"},
    });
}

TEST(Varkhenos, OneApostropheInEachWord)
{
    expect_all({
        // After the first, the other chance and the apostrophe vowel of the word give nothing more.
        {"R 120:0 170:66 342:1 170:1 300:1 170:1 322:1 342:28 170:0 300:175 170:1 322:0", "D'enra"},
        // The next word may have its own.
        {"R 120:60 170:0 342:1 170:0 300:1 170:1 322:0 170:0 342:28 170:1 300:1 170:0 322:0", "De' R'e"},
        // An apostrophe before the first vowel leaves the capital to that vowel...
        {"R 120:0 170:0 342:0 170:1 300:1 170:0 322:1", "'En"},
        // ...while the apostrophe vowel spends it.
        {"R 120:0 170:66 342:0 170:0 300:175 170:0 322:1 342:1 170:0 300:1 170:0 322:0", "'nde"},
    });
}

TEST(Varkhenos, YOnsetTurnsTheVowelsYAndYaIntoA)
{
    expect_all({
        {"R 120:0 170:66 342:258 170:0 300:147 170:0 322:0 342:262 170:0 300:185 170:0 322:0", "Yaya"},
        // The rule holds for its own syllable only.
        {"R 120:0 170:66 342:258 170:0 300:1 170:0 322:0 342:1 170:0 300:154 170:0 322:0", "Yedy"},
        {"R 120:0 170:66 342:258 170:0 300:186 170:0 322:0 342:1 170:0 300:185 170:0 322:0", "Yioudya"},
    });
}

TEST(Varkhenos, EmptyVowelLeavesTheCapitalToTheNextOnsetOrVowel)
{
    expect_all({
        {"R 120:0 170:66 342:0 170:0 300:174 170:0 322:1 342:1 170:0 300:1 170:0 322:0", "nDe"},
    });
}

TEST(Varkhenos, AWordOfEmptyPiecesLeavesNoStraySeparator)
{
    expect_all({
        {"R 120:60 170:0 342:0 170:0 300:174 170:0 322:0 170:0 342:1 170:0 300:1 170:0 322:1", "Den"},
        // A name with nothing in its words, or a bare title, is made again.
        {"R 120:105 170:0 342:0 170:0 300:174 170:0 322:0 R 120:0 170:0 342:1 170:0 300:1 170:0 322:1", "Den"},
        {"R 120:0 170:0 342:0 170:0 300:174 170:0 322:0 R 120:0 170:0 342:1 170:0 300:1 170:0 322:1", "Den"},
    });
}

TEST(Varkhenos, AlternativeModeGivesTheTitleFormWhateverTheDraw)
{
    expect_all({
        {"R 120:60 170:0 342:1 170:0 300:1 170:0 322:1", "Darth Den"},
        {"R 120:118 170:0 342:1 170:0 300:1 170:0 322:1", "Darth Den"},
    },
               Mode::alternative);
}

TEST(Varkhenos, ManyNamesHoldOneApostrophePerWordAndNoLooseSeparator)
{
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : many_names(generator_of("varkh"), 20000, mode)) {
            ASSERT_FALSE(name.empty() || name == "Darth") << name;
            ASSERT_NE(name.back(), ' ') << name;
            ASSERT_NE(name.back(), '-') << name;
            ASSERT_EQ(name.find("  "), std::string::npos) << name;
            std::string words = name;
            std::ranges::replace(words, '-', ' ');
            for (std::string_view word : words_of(words))
                ASSERT_LE(std::ranges::count(word, '\''), 1) << name;
            const bool titled = name.starts_with("Darth ");
            if (mode == Mode::alternative) {
                ASSERT_TRUE(titled) << name;
            }
        }
    }
}

}  // namespace
}  // namespace quelvarinox
