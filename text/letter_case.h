#pragma once

#include <optional>
#include <string>

namespace quelvarinox::detail {

// The same letter in the other case, for the letters of the Latin alphabet:
// a to z, the Latin-1 letters (á, ñ, ç, ø, …) and those of Latin Extended-A
// (ā, ł, œ, …) that pair one to one. Any other character has none.
std::optional<char32_t> other_case(char32_t code);

// A character written in UTF-8; `code` is a Unicode scalar value.
std::string utf8_encoded(char32_t code);

}  // namespace quelvarinox::detail
