#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::leaves_result_slot_empty;
using testing::many_names;
using testing::Mode;

TEST(OrdMantell, PlainFormsHaveOneOrTwoWords)
{
    // Onset value 42 gives "s" like 26; 41 gives nothing.
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:1 19:0 43:42 34:25 40:24", "Suytt"));
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:2 19:7 43:41 34:0 40:0 19:8 43:26 34:23 40:20 43:39 34:24 40:0",
                       "A Sayffthee"));
}

TEST(OrdMantell, McSurnameIsGluedAndCapitalised)
{
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:8 19:0 43:35 34:1 40:1 19:0 43:1 34:10 40:7", "Cren McLol"));
}

TEST(OrdMantell, InitialIsTheFirstLetterOfItsOnsetOrL)
{
    // The initial's syllable count is drawn but it keeps one syllable, whose
    // vowel and coda are drawn and dropped.
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:9 19:0 43:4 34:9 40:6 19:19 43:39 34:25 40:24 19:0 43:16 34:15 40:12",
                       "Len T 'Bor"));
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:9 19:0 43:4 34:9 40:6 19:0 43:41 34:1 40:1 19:0 43:16 34:15 40:12",
                       "Len L 'Bor"));
}

TEST(OrdMantell, InitialsFormEndsWithThreeDottedLetters)
{
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:11 19:0 43:13 34:26 40:0 19:15 43:0 34:1 40:1 19:0 43:43 34:34 40:40 "
                                    "19:0 43:36 34:20 40:21",
                       "Ma L.L.D."));
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:12 19:0 43:5 34:10 40:1 19:0 43:38 34:0 40:0 19:0 43:42 34:0 40:0 "
                                    "19:0 43:33 34:0 40:0",
                       "Non S.S.X."));
}

TEST(OrdMantell, CompoundEndsOneWordForValueTenAndInTheAlternativeMode)
{
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:10 19:0 43:1 34:1 40:0 R 54:40 45:42", "Le Skywalker"));
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:11 19:0 43:1 34:1 40:0 R 54:15 45:39", "Le Fivesuns", Mode::alternative));
    EXPECT_TRUE(builds(generator_of("ordm"), "R 12:8 19:0 43:0 34:0 40:0 R 54:41 45:25", "A Starider", Mode::alternative));
}

TEST(OrdMantell, ResultSlotIsEmptyAfterTheCompound)
{
    EXPECT_TRUE(leaves_result_slot_empty(generator_of("ordm"), "R 12:10 19:0 43:1 34:1 40:0 R 54:40 45:42"));
}

TEST(OrdMantell, ManyNamesTakeOneOfTheForms)
{
    const std::regex normal("[A-Z][a-z]*( [A-Z][a-z]*)?|[A-Z][a-z]* Mc[A-Z][a-z]*|"
                            "[A-Z][a-z]* [A-Z] '[A-Z][a-z]*|[A-Z][a-z]* [A-Z]\\.[A-Z]\\.[A-Z]\\.");
    for (const std::string& name : many_names(generator_of("ordm"), 5000))
        ASSERT_TRUE(std::regex_match(name, normal)) << name;
    const std::regex alternative("[A-Z][a-z]* [A-Z][a-z]*");
    for (const std::string& name : many_names(generator_of("ordm"), 2000, Mode::alternative))
        ASSERT_TRUE(std::regex_match(name, alternative)) << name;
}

}  // namespace
}  // namespace quelvarinox
