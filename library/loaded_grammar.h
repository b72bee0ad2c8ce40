#pragma once

#include <memory>
#include <string>
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
    // Every mistake of the text, in its order, or the one that says why the file could not be read.
    std::vector<GrammarMistake> mistakes;
    // The errno of a file that could not be read; 0 when it was read.
    int unreadable = 0;
    // What the messages call the file, which starts each of them; empty for a text.
    std::string file_name;
};

GrammarReading read_grammar(std::string_view text);
GrammarReading read_grammar_file(const std::string& path);

}  // namespace quelvarinox::detail
