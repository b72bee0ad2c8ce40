#include <string>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"
#include "text/compuesto.h"
#include "text/pideletra.h"
#include "text/shown.h"

namespace quelvarinox::detail {
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

TEST(TextPieces, ComeFromTheirDraws)
{
    using enum Helper;
    const PieceCase cases[] = {
        // The scripted cases of the programs draw the common pairs: "Skywalker", "Twosuns", "Starider".
        // "peace" and "stock" own an inner value and the top one.
        {compuesto, "R 54:34 45:35", " Peacestock"},
        {compuesto, "R 54:54 45:45", " Peacestock"},
        // "five" makes the second part plural; "one" does not.
        {compuesto, "R 54:15 45:21", " Fivemans"},
        {compuesto, "R 54:32 45:42", " Onewalker"},
        // A second part refused after its first part redraws the whole pair.
        {compuesto, "R 54:21 45:6 54:21 45:7", " Highdreamer"},
        {compuesto, "R 54:13 45:6 54:26 45:6 54:12 45:6", " Eastdown"},
        {compuesto, "R 54:29 45:8 54:28 45:8", " Moonfar"},
        {compuesto, "R 54:24 45:19 54:24 45:20 54:24 45:18", " Lightlet"},
        // Pideletra's uneven table: "z" at 0, "a" at 25 and 26.
        {pideletra, "R 26:0", "z"},
        {pideletra, "R 26:13", "n"},
        {pideletra, "R 26:24", "y"},
        {pideletra, "R 26:26", "a"},
        {capital_letter, "R 26:10", "K"}};
    for (const auto& [helper, script, expected] : cases)
        EXPECT_TRUE(testing::draws_then_gives(script, [&](GenerationContext& ctx) { return run(helper, ctx); },
                                              expected));
}

// A value stands in a message on one line, as it would be typed: whatever could
// break the line, hide or reorder what follows is written as its bytes.
TEST(Shown, WritesWhatALineCannotShowAsItsBytes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Tatooine é", "«Tatooine é»"},
        {"a\nb\tc\x7f", "«a\\x0Ab\\x09c\\x7F»"},
        {"\xc2\x85\xc2\xa0", "«\\xC2\\x85\xc2\xa0»"},
        {"abc\xe2\x80\xae" "fed", "«abc\\xE2\\x80\\xAEfed»"},
        {"\xe2\x81\xa6x\xe2\x81\xa9\xd8\x9c\xe2\x80\x8f", "«\\xE2\\x81\\xA6x\\xE2\\x81\\xA9\\xD8\\x9C\\xE2\\x80\\x8F»"},
        {"\xff" "a\xed\xa0\x80", "«\\xFFa\\xED\\xA0\\x80»"},
        {std::string(61, 'x'), "«" + std::string(60, 'x') + "…»"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(shown(value), expected);
}

}  // namespace
}  // namespace quelvarinox::detail
