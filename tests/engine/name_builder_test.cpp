#include <string>

#include <gtest/gtest.h>

#include "engine/name_builder.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox::detail {
namespace {

constexpr auto onset = pieces<1>({{0, 0, "th"}}, {{1, 1}}, nothing);

// A name's text starts with room for 256 bytes and grows when a name needs
// more, by a table's piece or by a text. Where the builder puts capitals,
// separators and compounds, the scripted cases of the grammars and the
// programs pin, in every name they build.
TEST(NameBuilder, GrowsPastItsFirstRoom)
{
    const std::string expected = std::string(250, 'a') + "ththththththththththth" + std::string(300, 'b');
    EXPECT_TRUE(testing::draws_then_gives("R", [](GenerationContext& ctx) {
        std::string text;
        NameBuilder name(ctx, text);
        name.append(std::string(250, 'a'));
        for (int piece = 0; piece < 11; ++piece)
            name.append(onset[0]);
        name.append(std::string(300, 'b'));
        name.hand_over();
        return text;
    }, expected));
}

}  // namespace
}  // namespace quelvarinox::detail
