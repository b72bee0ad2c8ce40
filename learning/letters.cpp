#include "learning/letters.h"

#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

constexpr std::u32string_view vowels = U"aeiouyàáâãäåæèéêëìíîïòóôõöøùúûüýÿāăąēĕėęěĩīĭįıōŏőœũūŭůűųŷ";

bool in(std::u32string_view set, char32_t code) { return set.find(code) != std::u32string_view::npos; }

// Latin Extended-A pairs its capitals and small letters as neighbours: the
// capital on the even code point, but for the stretches where it is on the odd one.
bool capital_on_odd_code(char32_t code) { return (code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E); }

bool extended_a_capital(char32_t code)
{
    if (code == 0x130 || code == 0x178)  // İ and Ÿ, whose small letters lie elsewhere
        return true;
    if (code < 0x100 || code > 0x17E || code == 0x131 || code == 0x138)
        return false;
    return (code % 2 == 1) == capital_on_odd_code(code);
}

}  // namespace

bool is_letter(char32_t code)
{
    if (code < 0x80)
        return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
    const bool marks_or_symbols = code < 0xC0 || code == 0xD7 || code == 0xF7 || (code >= 0x2000 && code <= 0x2BFF) ||
                                  (code >= 0x3000 && code <= 0x303F) || (code >= 0xFE00 && code <= 0xFFFF) ||
                                  (code >= 0x1F000 && code <= 0x1FFFF);
    return !marks_or_symbols;
}

bool is_upper_case(char32_t code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7) || extended_a_capital(code);
}

char32_t lower_case(char32_t code)
{
    if (!is_upper_case(code))
        return code;
    if (code < 0x100)
        return code + 0x20;
    if (code == 0x130)
        return U'i';
    if (code == 0x178)
        return U'ÿ';
    return code + 1;
}

bool is_vowel(char32_t code) { return in(vowels, code); }

char32_t first_code(std::string_view text, std::size_t& bytes)
{
    const Utf8Character character = first_utf8_character(text).value_or(Utf8Character{0xFFFD, 1});
    bytes = character.bytes;
    return character.code;
}

void append_utf8(std::string& text, char32_t code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | code >> 18);
        text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace quelvarinox::detail
