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

// The text of a built-in grammar for --exportar, or a Spanish message saying
// why the category has none.
struct ExportedGrammar {
    std::string text;
    std::string error;
};
ExportedGrammar export_grammar(const std::string& category_name);

}  // namespace quelvarinox::cli
