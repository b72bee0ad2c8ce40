#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::detail {

// `text` as a TOML basic string that reads back as the same bytes: quotes and
// backslashes escaped, control characters as \n, \t or \uXXXX.
std::string toml_string(std::string_view text);

// `key` as a TOML key: bare when it is made of ASCII letters, digits, hyphens
// and underscores, a string otherwise ("", "é").
std::string toml_key(std::string_view key);

}  // namespace quelvarinox::detail
