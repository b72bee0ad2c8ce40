#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar_loader.h"

namespace quelvarinox::detail {

// What is wrong with a text that a grammar puts into names, if anything, said
// of the text ("tiene un carácter de control; …"): it must be well-formed UTF-8
// without control characters (line breaks only where `multiline`) or controls
// of the text's direction.
std::optional<std::string> text_problem(std::string_view text, bool multiline = false);

// The same for a text of at most `limit` bytes.
std::optional<std::string> bounded_text_problem(std::string_view text, std::size_t limit, bool multiline = false);

// Where a file stops being UTF-8 text, if it does: a binary file, a NUL byte.
std::optional<GrammarMistake> encoding_problem(std::string_view file);

// The known key a misspelt one most likely stands for, if any is close.
std::optional<std::string_view> closest_key(std::string_view key, const std::vector<std::string_view>& known);

// «a», «b» y «c».
std::string key_list(const std::vector<std::string_view>& keys);

}  // namespace quelvarinox::detail
