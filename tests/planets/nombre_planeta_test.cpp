#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;

// Draws of two one-syllable words, "Len" and "Dos".
const std::string len = " 2908:0 6545:0 6507:0 6541:0";
const std::string dos = " 2908:0 6545:1530 6507:1106 6541:1374";

struct Case {
    std::string script;
    std::string_view name;
};

template <std::size_t K>
void expect_names(const Case (&cases)[K])
{
    for (const Case& each : cases)
        EXPECT_TRUE(builds(generator_of("planeta"), each.script, each.name)) << each.script;
}

TEST(NombrePlaneta, PlainWordsAreJoinedByTheirSeparator)
{
    expect_names({
        Case{"R 2879:1280" + len, "Len"},
        Case{"R 2879:2879" + len, "Len"},
        Case{"R 2879:0" + len + dos, "Len Dos"},
        Case{"R 2879:598" + len + dos, "Len Dos"},
        Case{"R 2879:1133" + len + dos, "Len-Dos"},
        Case{"R 2879:1165" + len + dos, "Len-Dos"},
        Case{"R 2879:1222" + len + dos + len, "Len-Dos-Len"},
        Case{"R 2879:1276" + len + dos, "Len/Dos"},
        Case{"R 2879:1277" + len + dos + len, "Len Dos Len"},
        Case{"R 2879:1278" + dos + len + dos, "Dos/Len/Dos"},
    });
}

TEST(NombrePlaneta, PrefixRowsGiveWordsTitlesLettersAndNumbers)
{
    expect_names({
        Case{"R 2879:1098 67:0" + len, "New Len"},
        Case{"R 2879:1132 67:1" + len, "Mon Len"},
        Case{"R 2879:1098 67:34" + len, "Outer Len"},
        Case{"R 2879:1098 67:45" + len, "Inner Len"},
        Case{"R 2879:1098 67:67" + len, "New Len"},
        Case{"R 2879:1098 67:35 2:1" + len, "Prince Len"},
        Case{"R 2879:1098 67:35 2:0" + len, "Prince's Len"},
        Case{"R 2879:1098 67:36 2:1" + len, "Princess' Len"},
        Case{"R 2879:1098 67:37 2:2" + len, "Empress Len"},
        Case{"R 2879:1098 67:38 2:1" + len, "Emperor's Len"},
        Case{"R 2879:1098 67:43 2:0" + len, "King Len"},
        Case{"R 2879:1098 67:44 2:1" + len, "Queen's Len"},
        // The letter stays in lower case; Pideletra's reseed comes before the word.
        Case{"R 2879:1098 67:46 R 26:10" + len, "k'Len"},
        Case{"R 2879:1098 67:47 u:1" + len, "1 Len"},
        Case{"R 2879:1098 67:47 u:101" + dos, "101 Dos"},
        Case{"R 2879:1275 67:8" + len + dos, "Mon Len Dos"},
        Case{"R 2879:1166" + len, "Ord Len"},
        Case{"R 2879:1197" + dos, "Ord Dos"},
    });
}

TEST(NombrePlaneta, SuffixWordsFollowTheWordWithoutItsSeparator)
{
    expect_names({
        Case{"R 2879:955" + len + " 78:0", "Len Prime"},
        Case{"R 2879:1032" + len + " 78:78", "Len Prime"},
        Case{"R 2879:955" + len + " 78:51", "Len of the Gods"},
        Case{"R 2879:955" + len + " 78:53", "Len Relocation Colonies"},
        Case{"R 2879:955" + len + " 78:13", "Len's World"},
        Case{"R 2879:955" + dos + " 78:17", "Dos' World"},
        Case{"R 2879:955" + dos + " 78:38", "Dos' Donn"},
        Case{"R 2879:955" + len + " 78:44", "Len's Planet"},
        Case{"R 2879:955" + dos + " 78:37", "Dos Planet"},
    });
}

TEST(NombrePlaneta, MinorAndMajorLeadOnToARomanNumeral)
{
    expect_names({
        Case{"R 2879:955" + len + " 78:1 365:0", "Len Minor IV"},
        Case{"R 2879:955" + dos + " 78:12 365:361", "Dos Minor XXII"},
        Case{"R 2879:955" + len + " 78:23 365:362", "Len Major III"},
        Case{"R 2879:955" + len + " 78:26 365:228", "Len Major V"},
    });
}

TEST(NombrePlaneta, RomanNumeralsNumbersAndNumberWords)
{
    expect_names({
        Case{"R 2879:599" + len + " 365:89", "Len IV"},
        Case{"R 2879:954" + len + " 365:90", "Len III"},
        Case{"R 2879:599" + len + " 365:353", "Len XIII"},
        Case{"R 2879:599" + len + " 365:362", "Len III"},
        Case{"R 2879:599" + len + " 365:365", "Len III"},
        Case{"R 2879:1033" + len + " 65:0", "Len 5"},
        Case{"R 2879:1033" + len + " 65:1", "Len 3"},
        Case{"R 2879:1097" + len + " 65:50", "Len 10"},
        Case{"R 2879:1033" + len + " 65:65", "Len 5"},
        Case{"R 2879:1198" + len + " 24:0", "Len Two"},
        Case{"R 2879:1198" + len + " 24:1", "Len Four"},
        Case{"R 2879:1221" + len + " 24:18", "Len Three"},
        Case{"R 2879:1198" + len + " 24:24", "Len Two"},
    });
}

TEST(NombrePlaneta, DigitStringsNeverStartWithZero)
{
    expect_names({
        Case{"R 2879:1255" + len + " 9:1 10:0 10:0", "Len-10"},
        Case{"R 2879:1263" + len + " 9:1 10:10 10:0", "Len-100"},
        Case{"R 2879:1266" + len + " 9:2 10:3 10:10 10:0 10:9", "Len 31009"},
        Case{"R 2879:1267" + len + " 9:0 10:5 10:0 10:7", "Len 507"},
        Case{"R 2879:1255" + len + " 9:9 10:1 10:2 10:3", "Len-123"},
    });
}

TEST(NombrePlaneta, GreekLettersAndCapitalsStandBeforeOrAfterTheWord)
{
    expect_names({
        Case{"R 2879:1264 24:0" + len, "Alpha Len"},
        Case{"R 2879:1265 24:24" + len, "Omega Len"},
        Case{"R 2879:1270 24:7" + len, "Len-Theta"},
        Case{"R 2879:1271 24:23" + len, "Len-Omega"},
        Case{"R 2879:1279 R 26:0" + len, "Z-Len"},
        Case{"R 2879:1268" + len + " R 26:26", "Len-A"},
        Case{"R 2879:1274" + dos + " R 26:13", "Dos N"},
    });
}

TEST(NombrePlaneta, FormThirteenDecidesBeforeItsTwoWords)
{
    expect_names({
        Case{"R 2879:1272 3:0" + len + dos + " 78:0", "Len Dos Prime"},
        Case{"R 2879:1273 3:3" + len + dos + " 78:13", "Len Dos' World"},
        Case{"R 2879:1272 3:0" + len + dos + " 78:1 365:160", "Len Dos Minor II"},
        Case{"R 2879:1272 3:1 24:3" + len + dos, "Len Dos Gamma"},
        Case{"R 2879:1273 3:2" + len + dos + " R 26:4", "Len Dos E"},
    });
}

TEST(NombrePlaneta, DesignationsAreCapitalsThenNumbersWithRareInnerHyphens)
{
    expect_names({
        // Three positions: only the middle one can become "-".
        Case{"R 2879:1244 13:5 R 26:1 40:1 3:2 R 26:25 40:1 3:2 R 26:0 40:1 3:0", "B-Z"},
        // Once a Tirada(3) below 2 ends the capitals they stay ended; a 10 is two characters.
        Case{"R 2879:1254 13:1 R 26:10 40:0 3:1 10:10 40:0 3:2 10:0 40:1 3:2 10:7 40:1 3:0", "K10-7"},
        Case{"R 2879:1244 13:0 R 26:2 40:2 3:2 R 26:3 40:40 3:0 10:4 40:0 3:2 10:0 40:3 3:1 "
             "10:10 40:1 3:3",
             "CD4010"},
        Case{"R 2879:1244 13:6 R 26:19 40:0 3:3 R 26:21 40:0 3:2 R 26:8 40:0 3:0 10:1 40:0 3:0 "
             "10:2 40:0 3:0 10:3 40:0 3:0 10:4 40:0 3:0",
             "TVI1234"},
    });
}

TEST(NombrePlaneta, ManyNamesEndWithoutASeparatorAndStartWellFormed)
{
    int designations = 0;
    for (const std::string& name : many_names(generator_of("planeta"), 60000)) {
        ASSERT_FALSE(name.empty());
        const char last = name.back();
        ASSERT_TRUE(last != ' ' && last != '-' && last != '/') << name;
        ASSERT_EQ(name.find("  "), std::string::npos) << name;
        ASSERT_NE(name.front(), ' ') << name;
        const bool letter_prefix = name.size() > 2 && name[0] >= 'a' && name[0] <= 'z' && name[1] == '\'';
        const bool number_prefix = name[0] >= '1' && name[0] <= '9';
        ASSERT_TRUE(letter_prefix || number_prefix || (name[0] >= 'A' && name[0] <= 'Z')) << name;
        if (name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-") == std::string::npos) {
            ++designations;
            ASSERT_GE(name.size(), 3u) << name;
            ASSERT_NE(name.front(), '-') << name;
            ASSERT_EQ(name.find("--"), std::string::npos) << name;
        }
    }
    EXPECT_GT(designations, 0);
}

}  // namespace
}  // namespace quelvarinox
