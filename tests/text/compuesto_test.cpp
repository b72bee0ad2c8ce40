#include <string>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "tests/support/generator_checks.h"
#include "text/compuesto.h"

namespace quelvarinox {
namespace {

::testing::AssertionResult compound_of(std::string_view script, std::string_view expected)
{
    return testing::draws_then_gives(
        script,
        [](GenerationContext& ctx) {
            Compuesto(ctx);
            return ctx.LabelOut;
        },
        expected);
}

TEST(Compuesto, JoinsACapitalisedFirstPartToASecondPart)
{
    EXPECT_TRUE(compound_of("R 54:40 45:42", " Skywalker"));
    EXPECT_TRUE(compound_of("R 54:0 45:0", " Anglearm"));
    EXPECT_TRUE(compound_of("R 54:53 45:44", " Youngwind"));
}

TEST(Compuesto, DefaultWordsOwnAnInnerValueAndTheTopValue)
{
    EXPECT_TRUE(compound_of("R 54:34 45:35", " Peacestock"));
    EXPECT_TRUE(compound_of("R 54:54 45:45", " Peacestock"));
    EXPECT_TRUE(compound_of("R 54:33 45:36", " Overstone"));
}

TEST(Compuesto, NumberWordsMakeTheSecondPartPlural)
{
    EXPECT_TRUE(compound_of("R 54:47 45:39", " Twosuns"));
    EXPECT_TRUE(compound_of("R 54:46 45:9", " Threeflares"));
    EXPECT_TRUE(compound_of("R 54:17 45:25", " Fouriders"));
    EXPECT_TRUE(compound_of("R 54:15 45:21", " Fivemans"));
    EXPECT_TRUE(compound_of("R 54:32 45:42", " Onewalker"));  // "one" is no number word here
}

TEST(Compuesto, TheLastLetterOfTheFirstPartMergesWithAnEqualFirstLetter)
{
    EXPECT_TRUE(compound_of("R 54:41 45:25", " Starider"));
    EXPECT_TRUE(compound_of("R 54:1 45:28", " Bellsea"));
    EXPECT_TRUE(compound_of("R 54:9 45:16", " Darkiller"));
    EXPECT_TRUE(compound_of("R 54:52 45:7", " Windreamer"));
    EXPECT_TRUE(compound_of("R 54:4 45:7", " Bloodreamer"));
}

TEST(Compuesto, AFailedConditionRedrawsTheWholePair)
{
    EXPECT_TRUE(compound_of("R 54:21 45:6 54:21 45:7", " Highdreamer"));
    EXPECT_TRUE(compound_of("R 54:13 45:6 54:26 45:6 54:12 45:6", " Eastdown"));
    EXPECT_TRUE(compound_of("R 54:29 45:8 54:28 45:8", " Moonfar"));
    EXPECT_TRUE(compound_of("R 54:24 45:19 54:24 45:20 54:24 45:18", " Lightlet"));
    EXPECT_TRUE(compound_of("R 54:47 45:24 54:47 45:42", " Twowalkers"));
    EXPECT_TRUE(compound_of("R 54:32 45:24 54:31 45:24", " Oldone"));
}

TEST(Compuesto, EqualPartsAreDrawnAgain)
{
    EXPECT_TRUE(compound_of("R 54:28 45:22 54:28 45:21", " Moonman"));
    EXPECT_TRUE(compound_of("R 54:45 45:39 54:41 45:34 54:13 45:8 54:14 45:9", " Fireflare"));
}

TEST(Compuesto, ManyCompoundsKeepTheirShape)
{
    SeededRandom random(11);
    GenerationContext ctx(random);
    for (int i = 0; i < 20000; ++i) {
        Compuesto(ctx);
        const std::string piece = ctx.LabelOut;
        ASSERT_GE(piece.size(), 3u);
        ASSERT_EQ(piece[0], ' ');
        ASSERT_TRUE(piece[1] >= 'A' && piece[1] <= 'Z') << piece;
        ASSERT_EQ(piece.find(' ', 1), std::string::npos) << piece;
        for (const char* forbidden : {"Highdown", "Fardown", "Lowdown", "Nearfar", "Lightlighter", "Lightlyte",
                                      "Moonmoon", "Sunsun", "Starstar", "Windwind", "Twoones", "Fiveones"})
            ASSERT_EQ(piece.find(forbidden), std::string::npos) << piece;
        for (const char* number : {" Two", " Three", " Four", " Five"})
            if (piece.starts_with(number)) {
                ASSERT_EQ(piece.back(), 's') << piece;
            }
    }
}

}  // namespace
}  // namespace quelvarinox
