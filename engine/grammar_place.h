#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::detail {

// Where a grammar's text comes from, for its messages and for the grammar it
// names in `hereda`.
struct GrammarPlace {
    // What messages call it: a path, "(entrada estándar)", a built-in key; empty
    // for a text that is no file.
    std::string name;
    // Where a relative path in its `hereda` starts; empty for the current directory.
    std::string directory;
    // What tells it apart from every other grammar in a chain of `hereda`: a
    // file's canonical path, a built-in's key; empty for a text.
    std::string identity;
    // Whether its `hereda` may name a file, or only a built-in grammar.
    bool reads_files = true;

    // A file at `path`; "-" is the standard input, whose `hereda` starts from
    // the current directory.
    static GrammarPlace of_file(const std::string& path);
    // The text of a built-in grammar.
    static GrammarPlace of_builtin(std::string_view key);
};

}  // namespace quelvarinox::detail
