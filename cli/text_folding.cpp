#include "cli/text_folding.h"

#include "text/utf8.h"

namespace quelvarinox::cli {

namespace {

// U+00C0 to U+00FF, each as the letter it folds to; "." keeps the character.
constexpr std::string_view latin1_letters = "aaaaaa.ceeeeiiii.nooooo.ouuuuy..aaaaaa.ceeeeiiii.nooooo.ouuuuy.y";
static_assert(latin1_letters.size() == 0x100 - 0xC0);

}  // namespace

std::string folded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto character = detail::first_utf8_character(text);
        const std::size_t bytes = character ? character->bytes : 1;
        const char32_t code = character ? character->code : 0;
        if (code >= 'A' && code <= 'Z') {
            out += static_cast<char>(code - 'A' + 'a');
        } else if (code >= 0xC0 && code <= 0xFF && latin1_letters[code - 0xC0] != '.') {
            out += latin1_letters[code - 0xC0];
        } else {
            out += text.substr(0, bytes);
        }
        text.remove_prefix(bytes);
    }
    return out;
}

}  // namespace quelvarinox::cli
