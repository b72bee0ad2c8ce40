#pragma once

#include <functional>
#include <optional>
#include <string>

#include "learning/learn_grammar.h"

namespace quelvarinox::detail {

// What a list's file is learned with: the grammar's nombre and clave, which
// the file's name gives unless these say otherwise, and the minimum count.
struct FileLearnOptions {
    std::optional<std::string> display_name;
    std::optional<std::string> key;
    int min_count = LearnOptions{}.min_count;
};

// The grammar that the list in the file at `path` ("-": the standard input)
// teaches, or why there is none, said as the tool and the libraries say it: a
// wrong nombre or clave before the file is read, a list's fault after the
// list's name. `before_reading` runs just before the file is read.
struct LearnedFile {
    std::string text;
    std::string error;
    // The errno of a file that could not be read; 0 when it was read.
    int unreadable = 0;
};
LearnedFile learn_grammar_file(const std::string& path, const FileLearnOptions& options,
                               const std::function<void()>& before_reading = {});

}  // namespace quelvarinox::detail
