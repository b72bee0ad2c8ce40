#pragma once

#include <string>
#include <vector>

#include "engine/grammar_loader.h"

namespace quelvarinox::detail {

// A file's bytes, or the errno of a read that failed (EISDIR for a folder).
struct FileText {
    std::string text;
    int error = 0;
};

// The bytes of the file at `path`, or of the standard input for "-": at most
// one past the loader's limit, so that a file too long is seen to be so and an
// endless one (a device, a pipe) costs no more than that.
FileText read_bounded_file(const std::string& path);

// The grammar of the file at `path`, read as above: the one door through which
// the tool and the library read a grammar file. A file that cannot be read
// gives its errno in `unreadable` and one mistake without a place that says why.
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
