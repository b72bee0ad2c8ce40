#include <gtest/gtest.h>

#include "tests/support/fixed_random.h"
#include "text/mayusculiza.h"

namespace quelvarinox {
namespace {

struct Case {
    std::string_view piece;
    std::string_view capitalised;
};

TEST(Mayusculiza, RaisesOnlyTheFirstOfTheTwentySevenLetters)
{
    const Case cases[] = {
        {"a", "A"},     {"z", "Z"},     {"m", "M"},       {"é", "É"},       {"th", "Th"},   {"sh", "Sh"},
        {"éa", "Éa"},   {"eiu", "Eiu"}, {"á", "á"},       {"ñ", "ñ"},       {"ü", "ü"},     {"í", "í"},
        {"A", "A"},     {"Du", "Du"},   {"'", "'"},       {"'a", "'a"},     {"-", "-"},     {" ke ", " ke "},
        {"ánd", "ánd"}, {"É", "É"},     {"aB", "AB"},     {"1a", "1a"},     {"ea", "Ea"},
    };
    testing::FixedRandom random{};
    GenerationContext ctx(random);
    for (const Case& c : cases) {
        ctx.LabelOut = "whatever was there";
        mayusculiza(ctx, c.piece);
        EXPECT_EQ(ctx.LabelOut, c.capitalised) << c.piece;
    }
}

TEST(Mayusculiza, DrawsNothing)
{
    testing::FixedRandom random{};
    GenerationContext ctx(random);
    mayusculiza(ctx, "th");
    EXPECT_EQ(random.reseeds, 0);
}

}  // namespace
}  // namespace quelvarinox
