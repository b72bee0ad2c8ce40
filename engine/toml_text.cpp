#include "engine/toml_text.h"

#include <algorithm>
#include <charconv>

namespace quelvarinox::detail {

std::string toml_string(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escaped[8];
                const auto end = std::to_chars(escaped, escaped + sizeof escaped, static_cast<unsigned>(c), 16).ptr;
                out += "\\u";
                out.append(static_cast<std::size_t>(4 - (end - escaped)), '0');
                out.append(escaped, end);
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

std::string toml_key(std::string_view key)
{
    const bool bare = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
    return bare ? std::string(key) : toml_string(key);
}

}  // namespace quelvarinox::detail
