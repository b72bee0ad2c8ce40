#include <set>
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

struct Case {
    const char* script;
    const char* name;
};

void expect_all(const std::initializer_list<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_TRUE(builds(generator_of("corelia"), c.script, c.name));
}

TEST(Corelia, PlainFormHasOneToThreeWords)
{
    expect_all({
        {"R 195:52 316:79 623:585 595:1 634:376", "Ckerth"},
        {"R 195:53 316:0 623:1 595:126 634:1 316:0 623:60 595:218 634:74", "Ron Nir"},
        {"R 195:181 316:0 623:1 595:126 634:1 316:0 623:60 595:218 634:74", "Ron Nir"},
        {"R 195:182 316:0 623:110 595:0 634:0 316:0 623:157 595:306 634:0 316:0 623:199 595:334 634:0", "La Du Ty"},
        {"R 195:183 316:0 623:110 595:0 634:0 316:0 623:157 595:306 634:0 316:0 623:199 595:334 634:0", "La Du Ty"},
    });
}

TEST(Corelia, ApostropheFormPutsTheThirdWordBehindAnApostrophe)
{
    // The second word has one syllable whatever its count draw gives.
    expect_all({
        {"R 195:184 316:80 623:233 595:1 634:134 623:264 595:126 634:0 316:316 623:295 595:218 634:0 "
         "316:0 623:325 595:306 634:181",
         "Belso Ki 'Mus"},
        {"R 195:188 316:0 623:0 595:0 634:0 316:80 623:1 595:1 634:0 316:80 623:0 595:126 634:0 623:1 595:1 634:0",
         "A Re 'Ore"},
    });
}

TEST(Corelia, FusedFormRunsAOneSyllableSecondWordIntoTheThird)
{
    expect_all({
        {"R 195:189 316:0 623:355 595:0 634:0 316:313 623:384 595:126 634:0 316:0 623:409 595:1 634:1", "Ga PoVen"},
        {"R 195:190 316:0 623:355 595:0 634:0 316:0 623:0 595:0 634:0 316:0 623:0 595:0 634:0", "Ga AA"},
    });
}

TEST(Corelia, HyphenFormJoinsTheLastTwoWords)
{
    // Its second word keeps the syllable count it draws.
    expect_all({
        {"R 195:191 316:0 623:434 595:0 634:0 316:0 623:454 595:0 634:0 316:0 623:473 595:0 634:0", "Fa Ca-Ja"},
        {"R 195:192 316:0 623:434 595:0 634:0 316:80 623:454 595:0 634:0 623:473 595:0 634:0 "
         "316:0 623:491 595:0 634:0",
         "Fa Caja-Ha"},
    });
}

TEST(Corelia, McFormGluesALowerCaseSecondWordToMc)
{
    expect_all({
        {"R 195:193 316:0 623:504 595:0 634:0 316:0 623:514 595:1 634:0", "Za Mcshe"},
        {"R 195:193 316:0 623:0 595:0 634:0 316:80 623:0 595:126 634:1 623:524 595:0 634:0", "A Mcontha"},
    });
}

TEST(Corelia, VowelParticleFormDropsTheMiddleWordsOnsetAndCoda)
{
    // The middle word's count, onset and coda are all drawn; only its vowel shows,
    // in lower case.
    expect_all({
        {"R 195:194 316:0 623:534 595:0 634:0 316:316 623:540 595:354 634:1 316:0 623:545 595:0 634:0", "Wa ia Fla"},
        {"R 195:195 316:0 623:549 595:0 634:0 316:0 623:0 595:402 634:0 316:0 623:553 595:0 634:0", "Gra ' Bla"},
        {"R 195:195 316:0 623:556 595:0 634:0 316:80 623:1 595:1 634:1 316:0 623:559 595:0 634:0", "Kra e Tra"},
    });
}

TEST(Corelia, OnsetGapAndRepeatedTr)
{
    // 559 and 580-581 give "tr"; 573-579 and 590 onwards give nothing.
    expect_all({
        {"R 195:0 316:313 623:559 595:0 634:0 623:573 595:0 634:0 623:579 595:0 634:0 623:580 595:0 634:0",
         "Traaatra"},
        {"R 195:0 316:313 623:581 595:0 634:0 623:572 595:0 634:0 623:582 595:0 634:0 623:589 595:0 634:0",
         "Trathrasnadra"},
        {"R 195:0 316:0 623:590 595:1 634:0", "E"},
        {"R 195:0 316:0 623:623 595:422 634:0", "Yoo"},
    });
}

TEST(Corelia, VowelAndCodaEdges)
{
    expect_all({
        {"R 195:0 316:280 623:1 595:401 634:376 623:1 595:404 634:377 623:1 595:423 634:634", "Reyrthraera"},
        {"R 195:0 316:0 623:1 595:595 634:372", "Ralch"},
    });
}

TEST(Corelia, AnApostropheVowelSpendsTheCapitalOfItsWord)
{
    expect_all({{"R 195:0 316:80 623:0 595:402 634:1 623:1 595:1 634:0", "'nre"}});
}

const std::set<std::string_view>& vowel_groups()
{
    static const std::set<std::string_view> groups{
        "e",  "o",  "i",  "u",  "y",  "ia", "ie", "ya", "aa", "ai", "ee", "ay", "ea", "ei", "ey", "'",
        "ae", "au", "io", "oo", "ue", "yo", "ao", "eu", "ii", "oa", "ye", "aeo", "yoo", "a"};
    return groups;
}

TEST(Corelia, ManyNamesKeepTheShapesOfTheirForms)
{
    int lower_case_middles = 0;
    int mc_names = 0;
    int hyphen_names = 0;
    for (const std::string& name : many_names(generator_of("corelia"), 20000)) {
        ASSERT_NE(name.back(), ' ') << name;
        ASSERT_EQ(name.find("  "), std::string::npos) << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        ASSERT_TRUE(starts_with_capital(words.front()) || words.front().front() == '\'') << name;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string_view word = words[i];
            if (word.front() >= 'a' && word.front() <= 'z') {
                ASSERT_EQ(words.size(), 3u) << name;
                ASSERT_EQ(i, 1u) << name;
                ASSERT_TRUE(vowel_groups().contains(word)) << name;
                ++lower_case_middles;
            }
        }
        if (name.find(" Mc") != std::string::npos) {
            ASSERT_EQ(words.size(), 2u) << name;
            for (char c : words[1].substr(2))
                ASSERT_FALSE(c >= 'A' && c <= 'Z') << name;
            ++mc_names;
        }
        if (name.find('-') != std::string::npos) {
            ASSERT_EQ(words.size(), 2u) << name;
            ++hyphen_names;
        }
    }
    EXPECT_GT(lower_case_middles, 0);
    EXPECT_GT(mc_names, 0);
    EXPECT_GT(hyphen_names, 0);
}

}  // namespace
}  // namespace quelvarinox
