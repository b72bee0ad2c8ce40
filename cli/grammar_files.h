#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "categories/category_table.h"
#include "engine/grammar.h"

namespace quelvarinox::cli {

// A grammar file given with --gramatica or --comprobar, read and checked; "-"
// is the standard input, for which a terminal gets a hint on `err`. `errors`
// holds every message, each as "file:line:column: ..." or, for a file that
// cannot be read, after the tool's name; with none, `category` makes the
// grammar's names.
struct GrammarFile {
    std::unique_ptr<const detail::Grammar> grammar;
    detail::Category category{};
    std::vector<std::string> errors;
};
GrammarFile read_grammar_file(const std::string& path, std::ostream& err);

// The text of a grammar for --exportar: a built-in category's file as it is,
// or a grammar file written out whole, with everything it inherits and no
// `hereda`; or what keeps it from being written, as read_grammar_file's errors.
struct ExportedGrammar {
    std::string text;
    std::vector<std::string> errors;
};
ExportedGrammar export_grammar(const std::string& category_or_file);

}  // namespace quelvarinox::cli
