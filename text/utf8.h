#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quelvarinox::detail {

// One character of well-formed UTF-8 at the start of a text.
struct Utf8Character {
    char32_t code;
    std::size_t bytes;
};

// A control character: C0, DEL or C1.
constexpr bool is_control(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

// A character that sets the direction of the text around it: invisible, and
// able to make a line show its characters in another order than they have.
constexpr bool is_direction_control(char32_t code)
{
    return code == 0x061C || code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069);
}

// The character that `text` starts with, or nothing when its first bytes are
// not well-formed UTF-8 (a stray continuation byte, a truncated or overlong
// sequence, a surrogate, a value past U+10FFFF) or `text` is empty.
std::optional<Utf8Character> first_utf8_character(std::string_view text);

// The number of characters of well-formed UTF-8 text, or nothing when it is not.
std::optional<std::size_t> utf8_length(std::string_view text);

}  // namespace quelvarinox::detail
