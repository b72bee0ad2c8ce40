#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar.h"
#include "quelvarinox/grammar_mistake.hpp"

namespace quelvarinox::detail {

// A grammar read from its text, or what is wrong with the text.
struct GrammarLoad {
    std::unique_ptr<const Grammar> grammar;
    std::vector<GrammarMistake> mistakes;
    // The errno of a file that could not be read, whose one mistake says so; 0
    // when there was a text to read.
    int unreadable = 0;
};

// Reads and checks a grammar file's text. A built-in grammar and a user's file
// go through the same checks and limits; on any mistake, `grammar` is empty and
// `mistakes` holds every one found, in the order of the text.
GrammarLoad load_grammar(std::string_view text);

// "file:line:column: message", as compilers and editors read it; without a
// file, "line:column: message", and a mistake with no place is its message.
std::string placed(std::string_view file_name, const GrammarMistake& mistake);
// Every mistake so, one a line, with no line break after the last.
std::string placed(std::string_view file_name, const std::vector<GrammarMistake>& mistakes);

}  // namespace quelvarinox::detail
