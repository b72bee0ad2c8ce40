#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar_loader.h"

namespace quelvarinox::detail {

// The bytes of a grammar file, or the errno of what kept it from being read.
// At most one byte past the loader's limit is read, so that an endless file (a
// device, a pipe) costs no more than that; "-" is the standard input.
struct GrammarFileText {
    std::string text;
    int error = 0;
};
GrammarFileText read_grammar_file_text(const std::string& path);

// "No se puede leer la gramática «ruta»: no existe."
std::string unreadable_grammar_message(std::string_view name, int error);

// The grammar of the file at `path`, or of the standard input for "-": the one
// door through which the tool and the library read a grammar file. A file that
// cannot be read gives its errno in `unreadable` and one mistake without a
// place that says why.
GrammarLoad load_grammar_file(const std::string& path);

// The grammar of the file at `path` written out whole, with everything it
// inherits and no `hereda` (see whole_grammar); a file that cannot be read
// gives its errno in `unreadable` and one mistake without a place.
struct WholeGrammarFile {
    std::string text;
    std::vector<GrammarMistake> mistakes;
    int unreadable = 0;
};
WholeGrammarFile whole_grammar_file(const std::string& path);

// What messages call the file at `path`: the path, or "(entrada estándar)" for "-".
std::string grammar_file_name(const std::string& path);

}  // namespace quelvarinox::detail
