#pragma once

#include <string_view>

#include "engine/toml.h"
#include "quelvarinox/grammar_mistake.hpp"

namespace quelvarinox::detail {

// What the TOML parser's `failure` on `text` means, in Spanish, at its place:
// what is missing or wrong there, with the key and the line a key redefined
// was first defined on.
GrammarMistake syntax_mistake(std::string_view text, const toml::parse_error& failure);

}  // namespace quelvarinox::detail
