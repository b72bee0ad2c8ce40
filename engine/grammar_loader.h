#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar.h"

namespace quelvarinox::detail {

// Something wrong in a grammar file, at its line and column (from 1).
struct GrammarError {
    int line;
    int column;
    std::string message;
};

// A grammar read from its text, or what is wrong with the text.
struct GrammarLoad {
    std::unique_ptr<const Grammar> grammar;
    std::vector<GrammarError> errors;
};

// Reads and checks a grammar file's text. A built-in grammar and a user's file
// go through the same checks and limits; on any error, `grammar` is empty and
// `errors` holds every mistake found, in the order of the text.
GrammarLoad load_grammar(std::string_view text);

// "file:line:column: message", as compilers and editors read it.
std::string describe_error(std::string_view file_name, const GrammarError& error);

}  // namespace quelvarinox::detail
