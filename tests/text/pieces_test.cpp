#include <string>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"
#include "text/compuesto.h"
#include "text/pideletra.h"

namespace quelvarinox {
namespace {

enum class Helper { compuesto, pideletra, capital_letter };

struct PieceCase {
    Helper helper;
    const char* script;
    const char* expected;
};

std::string run(Helper helper, GenerationContext& ctx)
{
    switch (helper) {
    case Helper::compuesto: Compuesto(ctx); return ctx.LabelOut;
    case Helper::pideletra: Pideletra(ctx); return ctx.LabelOut;
    case Helper::capital_letter: return capital_letter(ctx);
    }
    return {};
}

class Pieces : public ::testing::TestWithParam<PieceCase> {};

TEST_P(Pieces, ComeFromTheirDraws)
{
    const PieceCase& c = GetParam();
    EXPECT_TRUE(testing::draws_then_gives(c.script, [&](GenerationContext& ctx) { return run(c.helper, ctx); },
                                          c.expected));
}

using enum Helper;
INSTANTIATE_TEST_SUITE_P(Text, Pieces, ::testing::Values(
    // A capitalised first part and a second part, behind a space.
    PieceCase{compuesto, "R 54:40 45:42", " Skywalker"},
    // "peace" and "stock" own an inner value and the top one.
    PieceCase{compuesto, "R 54:34 45:35", " Peacestock"},
    PieceCase{compuesto, "R 54:54 45:45", " Peacestock"},
    // Number words make the second part plural; "one" is none of them.
    PieceCase{compuesto, "R 54:47 45:39", " Twosuns"},
    PieceCase{compuesto, "R 54:15 45:21", " Fivemans"},
    PieceCase{compuesto, "R 54:32 45:42", " Onewalker"},
    // The last letter of the first part merges with an equal first letter.
    PieceCase{compuesto, "R 54:41 45:25", " Starider"},
    PieceCase{compuesto, "R 54:9 45:16", " Darkiller"},
    // A second part refused after its first part redraws the whole pair.
    PieceCase{compuesto, "R 54:21 45:6 54:21 45:7", " Highdreamer"},
    PieceCase{compuesto, "R 54:13 45:6 54:26 45:6 54:12 45:6", " Eastdown"},
    PieceCase{compuesto, "R 54:29 45:8 54:28 45:8", " Moonfar"},
    PieceCase{compuesto, "R 54:24 45:19 54:24 45:20 54:24 45:18", " Lightlet"},
    PieceCase{compuesto, "R 54:47 45:24 54:47 45:42", " Twowalkers"},
    // Equal parts are drawn again.
    PieceCase{compuesto, "R 54:28 45:22 54:28 45:21", " Moonman"},
    // Pideletra's uneven table: "z" at 0, "a" at 25 and 26.
    PieceCase{pideletra, "R 26:0", "z"},
    PieceCase{pideletra, "R 26:13", "n"},
    PieceCase{pideletra, "R 26:24", "y"},
    PieceCase{pideletra, "R 26:26", "a"},
    PieceCase{capital_letter, "R 26:10", "K"}));

}  // namespace
}  // namespace quelvarinox
