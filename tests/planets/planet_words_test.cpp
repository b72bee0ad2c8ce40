#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "grammars/name_builder.h"
#include "planets/planet_words.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

::testing::AssertionResult words_of_script(std::string_view script, int count, std::string_view separator,
                                           std::string_view expected)
{
    return testing::draws_then_gives(
        ("R " + std::string(script)).substr(0, script.empty() ? 1 : std::string::npos),
        [&](GenerationContext& ctx) {
            std::string text;
            NameBuilder name(ctx, text);
            append_planet_words(name, count, separator);
            return text;
        },
        expected);
}

// One word of one syllable whose onset, vowel and coda are the drawn values.
std::string syllable_script(int onset, int vowel, int coda)
{
    return "2908:0 6545:" + std::to_string(onset) + " 6507:" + std::to_string(vowel) + " 6541:" +
           std::to_string(coda);
}

TEST(PlanetWords, NoWordsMakeNoDraw)
{
    EXPECT_TRUE(words_of_script("", 0, " ", ""));
}

TEST(PlanetWords, EveryWordIsFollowedByTheSeparator)
{
    EXPECT_TRUE(words_of_script("2908:0 6545:0 6507:0 6541:0 2908:0 6545:1530 6507:1106 6541:1374", 2, "-",
                                "Len-Dos-"));
    EXPECT_TRUE(words_of_script("2908:0 6545:4795 6507:0 6541:0", 1, "/", "Then/"));
    EXPECT_TRUE(words_of_script("2908:0 6545:0 6507:0 6541:0 2908:0 6545:0 6507:0 6541:0 "
                                "2908:0 6545:0 6507:0 6541:0",
                                3, " ", "Len Len Len "));
}

TEST(PlanetWords, TheCapitalFallsOnTheVowelAfterAnEmptyOnset)
{
    EXPECT_TRUE(words_of_script("2908:0 6545:541 6507:4078 6541:0", 1, " ", "Aun "));
    EXPECT_TRUE(words_of_script("2908:349 6545:1049 6507:3416 6541:6541 6545:541 6507:0 6541:0", 1, " ",
                                "Iarten "));
}

TEST(PlanetWords, SyllableCountsFollowTheirRanges)
{
    const std::string one = " 6545:0 6507:0 6541:0";
    EXPECT_TRUE(words_of_script("2908:348" + one, 1, " ", "Len "));
    EXPECT_TRUE(words_of_script("2908:349" + one + one, 1, " ", "Lenlen "));
    EXPECT_TRUE(words_of_script("2908:1906" + one + one + one, 1, " ", "Lenlenlen "));
    EXPECT_TRUE(words_of_script("2908:2906" + one + one + one + one, 1, " ", "Lenlenlenlen "));
    EXPECT_TRUE(words_of_script("2908:2907" + one + one + one + one + one, 1, " ", "Lenlenlenlenlen "));
    EXPECT_TRUE(words_of_script("2908:2908" + one + one + one + one + one, 1, " ", "Lenlenlenlenlen "));
}

struct Edge {
    int onset;
    int vowel;
    int coda;
    std::string_view word;
};

// Table ends, and the first and last value of rows that share their values out
// piece by piece, where a miscounted row would shift every piece after it.
TEST(PlanetWords, RangeEdgesAndSharedRowsGiveTheirPieces)
{
    const Edge edges[] = {
        {0, 0, 0, "Len"}, {6545, 6507, 6541, "Rart"}, {540, 4302, 755, "Lan"},
        {1050, 1105, 756, "Ter"}, {5790, 4333, 3081, "Phruett"}, {5791, 4334, 3082, "Dweiald"},
        {5793, 4335, 3087, "Dweiald"}, {5794, 4336, 3088, "Fwiouq"}, {5808, 4343, 3105, "Yhyysk"},
        {5809, 4344, 3106, "Bhaaelm"}, {5840, 4365, 3120, "Zryyyrl"}, {5841, 4366, 3121, "Bjahl"},
        {5882, 3558, 3148, "Zziay"}, {5883, 3559, 3149, "Ryft"}, {5612, 4077, 3166, "Stiixx"},
        {5627, 4078, 3167, "Staudd"}, {5628, 4301, 3180, "Craurg"}, {5773, 4303, 3181, "Throirt"},
        {5774, 4329, 3183, "Chryirt"}, {5779, 4330, 3184, "Dluesht"}, {5787, 4315, 3189, "Phreuwl"},
        {5746, 4320, 3190, "Zhyebb"}, {5737, 4325, 3251, "Qyizz"}, {5728, 4309, 3252, "Khoyrt"},
        {4795, 3076, 2549, "Thuth"}, {3389, 3415, 2593, "Kuth"}, {4794, 2138, 3061, "Kich"},
    };
    for (const Edge& edge : edges) {
        EXPECT_TRUE(words_of_script(syllable_script(edge.onset, edge.vowel, edge.coda), 1, "",
                                    edge.word))
            << edge.onset << " " << edge.vowel << " " << edge.coda;
    }
}

TEST(PlanetWords, ManyWordsHaveOneCapitalOnTheirFirstLetter)
{
    SeededRandom random(17);
    GenerationContext ctx(random);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        NameBuilder name(ctx, text);
        append_planet_words(name, 3, "/");
        std::size_t start = 0;
        int words = 0;
        for (std::size_t end = text.find('/'); end != std::string::npos; end = text.find('/', start)) {
            const std::string_view word = std::string_view{text}.substr(start, end - start);
            ASSERT_GE(word.size(), 1u) << text;
            ASSERT_TRUE(word[0] >= 'A' && word[0] <= 'Z') << text;
            ASSERT_EQ(word.substr(1).find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string_view::npos)
                << text;
            start = end + 1;
            ++words;
        }
        ASSERT_EQ(words, 3) << text;
        ASSERT_EQ(start, text.size()) << text;
    }
}

}  // namespace
}  // namespace quelvarinox
