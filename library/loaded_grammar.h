#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "categories/category_table.h"
#include "engine/grammar_loader.h"

namespace quelvarinox::detail {

// A user's grammar and the category that makes its names. It never changes
// once read: every copy a caller holds shares it, and so does a generator whose
// last name it made, for that name's trace.
class LoadedGrammar {
public:
    explicit LoadedGrammar(std::unique_ptr<const Grammar> grammar);

    const Grammar& grammar() const { return *grammar_; }
    const Category& category() const { return category_; }

private:
    std::unique_ptr<const Grammar> grammar_;
    Category category_;
};

// A grammar read from a text or from a file, or why there is none.
struct GrammarReading {
    std::shared_ptr<const LoadedGrammar> grammar;
    // Every mistake of the text, in its order.
    std::vector<GrammarError> errors;
    // The file's path, which starts each message; empty for a text.
    std::string path;
    // The errno of a file that could not be read; 0 when it was read.
    int unreadable = 0;

    // Every mistake, one a line, or why the file could not be read; empty for a good grammar.
    std::string messages() const;
};

GrammarReading read_grammar(std::string_view text);
// At most one byte past the loader's limit is read, as the tool reads --gramatica.
GrammarReading read_grammar_file(const std::string& path);

// "línea:columna: mensaje", or "ruta:línea:columna: mensaje" when there is a path.
std::string placed_message(std::string_view path, int line, int column, std::string_view message);

}  // namespace quelvarinox::detail
