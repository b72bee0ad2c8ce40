#include <gtest/gtest.h>

#include "tests/support/fixed_random.h"
#include "text/mayusculiza.h"
#include "text/utf8.h"

namespace quelvarinox::detail {
namespace {

using Case = std::pair<std::string_view, std::string_view>;  // a piece and its capitalised form

TEST(Mayusculiza, RaisesOnlyTheFirstOfTheTwentySevenLettersAndDrawsNothing)
{
    const Case cases[] = {
        {"a", "A"},     {"z", "Z"},     {"m", "M"},       {"é", "É"},       {"th", "Th"},   {"sh", "Sh"},
        {"éa", "Éa"},   {"eiu", "Eiu"}, {"á", "á"},       {"ñ", "ñ"},       {"ü", "ü"},     {"í", "í"},
        {"A", "A"},     {"Du", "Du"},   {"'", "'"},       {"'a", "'a"},     {"-", "-"},     {" ke ", " ke "},
        {"ánd", "ánd"}, {"É", "É"},     {"aB", "AB"},     {"1a", "1a"},     {"ea", "Ea"},
    };
    testing::FixedRandom random{};
    GenerationContext ctx(random);
    for (const auto& [piece, capitalised] : cases) {
        ctx.LabelOut = "whatever was there";
        mayusculiza(ctx, piece);
        EXPECT_EQ(ctx.LabelOut, capitalised) << piece;
    }
    EXPECT_EQ(random.reseeds, 0);
}

TEST(Utf8, CountsCharactersAndRejectsMalformedBytes)
{
    EXPECT_EQ(utf8_length("Corelia"), 7u);
    EXPECT_EQ(utf8_length("ésta"), 4u);
    EXPECT_EQ(utf8_length("\xE2\x82\xAC\xF0\x9F\x8C\x8D"), 2u);
    EXPECT_EQ(utf8_length(""), 0u);
    for (std::string_view broken : {"\x80", "a\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80",
                                    "\xE2\x82", "\xF4\x90\x80\x80", "\xC3("})
        EXPECT_FALSE(utf8_length(broken)) << broken.size();
    EXPECT_EQ(first_utf8_character("\xC3\xA9x")->code, U'é');
    EXPECT_EQ(first_utf8_character("\xF0\x9F\x8C\x8D")->bytes, 4u);
}

}  // namespace
}  // namespace quelvarinox::detail
