#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "engine/grammar.h"

namespace quelvarinox::detail {

// A grammar file built into the programs, with its name in the sources.
struct BuiltinGrammarText {
    std::string_view file_name;
    std::string_view text;
};

// Every grammar file of grammars/, in the order of their names.
std::span<const BuiltinGrammarText> builtin_grammar_texts();

// The built-in grammar whose key is `key`, or nullptr. The files are read
// once, all together, the first time any is asked for.
const Grammar* builtin_grammar(std::string_view key);

// The text of the built-in grammar whose key is `key`, or nullptr.
const BuiltinGrammarText* builtin_grammar_text(std::string_view key);

// The keys of the built-in grammars, in the order of their files.
std::vector<std::string_view> builtin_grammar_keys();

}  // namespace quelvarinox::detail
