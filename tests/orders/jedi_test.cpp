#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::Mode;
using testing::starts_with_capital;
using testing::words_of;

struct Case {
    const char* script;
    const char* name;
};

void expect_all(const std::initializer_list<Case>& cases, Mode mode = Mode::normal)
{
    for (const Case& each : cases)
        EXPECT_TRUE(builds(generator_of("jedi"), each.script, each.name, mode));
}

TEST(Jedi, EveryPatternHasItsShapeAtTheEdgesOfItsRows)
{
    expect_all({
        {"R 331:0 33:18 1140:0 1076:0 1086:0", "Nin"},
        {"R 331:85 33:0 1140:1140 1076:1076 1086:1086", "Ra"},
        {"R 331:86 33:0 1140:89 1076:165 1086:142 33:19 1140:178 1076:166 1086:143 1140:1039 1076:331 1086:516",
         "Nin Derro"},
        {"R 331:317 33:0 1140:263 1076:468 1086:214 33:0 1140:347 1076:540 1086:273 33:0 1140:417 1076:568 1086:331",
         "Lul Tys Siam"},
        {"R 331:276 33:0 1140:487 1076:584 1086:349 33:0 1140:547 1076:599 1086:365 33:0 1140:607 1076:609 1086:379",
         "Keek-Maat Jayd"},
        {"R 331:294 33:0 1140:656 1076:618 1086:391 33:0 1140:696 1076:627 1086:401 33:0 1140:734 1076:635 1086:411",
         "Boop-Vaeth Gyann"},
        {"R 331:303 33:0 1140:764 1076:643 1086:419 33:0 1140:791 1076:650 1086:426 33:0 1140:817 1076:657 1086:431",
         "Haic-Weig Piev"},
        {"R 331:318 33:0 1140:842 1076:664 1086:436 33:0 1140:865 1076:670 1086:441", "Cyoll-Ram"},
        {"R 331:323 33:0 1140:866 1076:671 1086:446 33:0 1140:886 1076:676 1086:447", "Fau-Cheyss"},
        {"R 331:328 33:0 1140:938 1076:689 1086:464 33:0 1140:947 1076:691 1086:467 33:0 1140:956 1076:693 1086:470",
         "Droub-Quix-Truoj"},
    });
}

TEST(Jedi, SecondWordOfTheLowerCasePatternKeepsItsLowerCase)
{
    expect_all({
        {"R 331:327 33:0 1140:901 1076:680 1086:452 33:0 1140:915 1076:685 1086:456 33:0 1140:928 1076:687 1086:460",
         "Shiock-ziuh Thoaf"},
    });
}

TEST(Jedi, InitialsComeFromTheLetterPickerAndTheWordFromItsReseededSource)
{
    expect_all({
        // The bare initials lose the space after their second point.
        {"R 331:329 R 26:1 R 26:26", "B.A."},
        {"R 331:330 R 26:0 R 26:13 33:0 1140:964 1076:695 1086:473", "Z.N. Xyurr"},
        {"R 331:331 R 26:25 R 26:24 33:33 1140:972 1076:698 1086:476 1140:978 1076:699 1086:479 1140:983 1076:700 "
         "1086:481",
         "A.Y. Braoshrhaoiphlleahn"},
    });
}

TEST(Jedi, EpithetFollowsTheWordOrStandsAloneAfterAnOptionalArticle)
{
    expect_all({
        {"R 331:295 33:0 1140:987 1076:701 1086:483 R 54:40 45:42", "Greoln Skywalker"},
        // A refused pair is drawn again.
        {"R 331:302 33:0 1140:990 1076:702 1086:485 R 54:32 45:24 54:47 45:39", "Cliieng Twosuns"},
        {"R 331:324 R 54:40 45:42 3:1", "The Skywalker"},
        {"R 331:326 R 54:9 45:16 3:0", "Darkiller"},
        {"R 331:325 R 54:41 45:25 3:3", "Starider"},
    });
}

TEST(Jedi, OneApostropheInAName)
{
    expect_all({
        // The apostrophe spends the capital, so the word stays in lower case.
        {"R 331:0 33:19 1140:90 1076:683 1086:0 1140:178 1076:684 1086:516", "'nda"},
        // Once used, even in an earlier word, its values give "a".
        {"R 331:86 33:0 1140:178 1076:683 1086:516 33:0 1140:263 1076:684 1086:0", "D' Lan"},
    });
}

TEST(Jedi, EmptyVowelLeavesTheCapitalToTheNextOnsetOrVowel)
{
    expect_all({
        {"R 331:0 33:19 1140:90 1076:697 1086:0 1140:178 1076:0 1086:516", "nDi"},
        {"R 331:0 33:19 1140:177 1076:697 1086:516 1140:90 1076:166 1086:0", "En"},
    });
}

TEST(Jedi, AWordOfEmptyPiecesLeavesNoStraySeparator)
{
    expect_all({
        {"R 331:86 33:0 1140:0 1076:0 1086:0 33:0 1140:90 1076:697 1086:516", "Nin"},
        {"R 331:86 33:0 1140:90 1076:697 1086:516 33:0 1140:0 1076:0 1086:0", "Nin"},
        {"R 331:328 33:0 1140:0 1076:0 1086:0 33:0 1140:90 1076:697 1086:516 33:0 1140:178 1076:0 1086:0", "Nin-Din"},
        // The epithet then stands alone, without its space, and draws no article.
        {"R 331:295 33:0 1140:90 1076:697 1086:516 R 54:40 45:42", "Skywalker"},
        // Nothing can stand in for the only word: the call is made again.
        {"R 331:0 33:0 1140:90 1076:697 1086:516 R 331:0 33:0 1140:0 1076:0 1086:0", "Nin"},
    });
}

TEST(Jedi, AlternativeModeGivesOneWordAndItsEpithetWhateverThePattern)
{
    expect_all({
        {"R 331:0 33:0 1140:0 1076:0 1086:0 R 54:40 45:42", "Nin Skywalker"},
        {"R 331:329 33:0 1140:0 1076:0 1086:0 R 54:40 45:42", "Nin Skywalker"},
        {"R 331:324 33:0 1140:0 1076:0 1086:0 R 54:40 45:42", "Nin Skywalker"},
    },
               Mode::alternative);
}

TEST(Jedi, ManyNamesHoldAtMostOneApostropheAndNoLooseSeparator)
{
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : many_names(generator_of("jedi"), 20000, mode)) {
            ASSERT_FALSE(name.empty());
            ASSERT_LE(std::ranges::count(name, '\''), 1) << name;
            ASSERT_NE(name.front(), ' ') << name;
            ASSERT_NE(name.back(), ' ') << name;
            ASSERT_NE(name.back(), '-') << name;
            ASSERT_EQ(name.find("  "), std::string::npos) << name;
            ASSERT_EQ(name.find("--"), std::string::npos) << name;
            if (mode == Mode::alternative) {
                const auto words = words_of(name);
                ASSERT_LE(words.size(), 2u) << name;
                ASSERT_TRUE(starts_with_capital(words.back())) << name;
            }
        }
    }
}

TEST(Jedi, ResultSlotIsEmptyAfterAnEpithet)
{
    SeededRandom random(5);
    GenerationContext ctx(random);
    ctx.huevo = "1";
    std::string name;
    for (int call = 0; call < 200; ++call) {
        generator_of("jedi")(ctx, name);
        ASSERT_TRUE(ctx.LabelOut.empty()) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
