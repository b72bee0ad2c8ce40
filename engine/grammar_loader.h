#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar.h"
#include "engine/grammar_place.h"
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

// Reads and checks a grammar file's text, from `place`, which says what it is
// called and where the grammar its `hereda` names is looked for (by default,
// a text with no file, whose files are found from the current directory). A
// built-in grammar and a user's file go through the same checks and limits;
// on any mistake, `grammar` is empty and `mistakes` holds every one found, in
// the order of the text. A mistake of a grammar it inherits stands at its
// `hereda`, with the file and the place it has there.
GrammarLoad load_grammar(std::string_view text, const GrammarPlace& place = {});

// The grammar of `text` written out whole: every part it inherits put in, and
// no `hereda`, a file the loader reads into the same grammar. Or its mistakes.
struct WholeGrammar {
    std::string text;
    std::vector<GrammarMistake> mistakes;
};
WholeGrammar whole_grammar(std::string_view text, const GrammarPlace& place = {});

// "file:line:column: message", as compilers and editors read it; without a
// file, "line:column: message", and a mistake with no place is its message.
std::string placed(std::string_view file_name, const GrammarMistake& mistake);
// Every mistake so, one a line, with no line break after the last.
std::string placed(std::string_view file_name, const std::vector<GrammarMistake>& mistakes);

}  // namespace quelvarinox::detail
