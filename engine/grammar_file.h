#pragma once

#include <string>

#include "engine/grammar_loader.h"

namespace quelvarinox::detail {

// The grammar of the file at `path`, or of the standard input for "-": the one
// door through which the tool and the library read a grammar file. At most one
// byte past the loader's limit is read, so that an endless file (a device, a
// pipe) costs no more than that. A file that cannot be read gives its errno in
// `unreadable` and one mistake without a place that says why.
GrammarLoad load_grammar_file(const std::string& path);

// What messages call the file at `path`: the path, or "(entrada estándar)" for "-".
std::string grammar_file_name(const std::string& path);

}  // namespace quelvarinox::detail
