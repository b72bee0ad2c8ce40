#include <string>

#include <gtest/gtest.h>

#include "text/shown.h"

namespace quelvarinox::detail {
namespace {

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
