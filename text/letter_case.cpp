#include "text/letter_case.h"

namespace quelvarinox::detail {

namespace {

// Latin Extended-A pairs a capital with the small letter after it, from an
// even code point in these spans and from an odd one in the others.
bool pairs_from_even(char32_t code) { return (code >= 0x100 && code <= 0x12F) || (code >= 0x132 && code <= 0x137) || (code >= 0x14A && code <= 0x177); }
bool pairs_from_odd(char32_t code) { return (code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E); }

}  // namespace

std::optional<char32_t> other_case(char32_t code)
{
    if (code >= 'a' && code <= 'z')
        return code - 0x20;
    if (code >= 'A' && code <= 'Z')
        return code + 0x20;
    // À..Þ and à..þ, but for × and ÷ between them.
    if (code >= 0xC0 && code <= 0xDE && code != 0xD7)
        return code + 0x20;
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7)
        return code - 0x20;
    if (code == 0xFF)
        return char32_t{0x178};
    if (code == 0x178)
        return char32_t{0xFF};
    if (pairs_from_even(code))
        return code % 2 == 0 ? code + 1 : code - 1;
    if (pairs_from_odd(code))
        return code % 2 == 1 ? code + 1 : code - 1;
    return std::nullopt;
}

std::string utf8_encoded(char32_t code)
{
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

}  // namespace quelvarinox::detail
