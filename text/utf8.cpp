#include "text/utf8.h"

namespace quelvarinox::detail {

std::optional<Utf8Character> first_utf8_character(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t bytes = 1;
    char32_t code = lead;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        bytes = 2;
        code = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        bytes = 3;
        code = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        bytes = 4;
        code = lead & 0x07u;
        smallest = 0x10000;
    } else if (lead >= 0x80) {
        return std::nullopt;
    }
    if (text.size() < bytes)
        return std::nullopt;
    for (std::size_t i = 1; i < bytes; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0u) != 0x80u)
            return std::nullopt;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{code, bytes};
}

std::optional<std::size_t> utf8_length(std::string_view text)
{
    std::size_t characters = 0;
    while (!text.empty()) {
        const auto character = first_utf8_character(text);
        if (!character)
            return std::nullopt;
        text.remove_prefix(character->bytes);
        ++characters;
    }
    return characters;
}

}  // namespace quelvarinox::detail
