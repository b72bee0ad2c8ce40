#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/name_set.h"

namespace quelvarinox::cli {

// The bounds of a --excluir file. A name is a few dozen bytes at most; the
// bounds leave room for a list of millions of them, and keep the memory a run
// takes within a few hundred megabytes whatever file it is given.
inline constexpr std::size_t max_list_line_bytes = 256;
inline constexpr std::uint64_t max_list_lines = 10'000'000;
inline constexpr std::uint64_t max_list_bytes = std::uint64_t{256} << 20;

// A list of names as its file is read, a chunk at a time: one name a line,
// UTF-8, within the bounds above. A line is judged as soon as it can be no
// name, before its end comes, so that an endless file takes neither memory
// nor time.
class NameListReader {
public:
    // `path` names the file in the messages.
    explicit NameListReader(std::string_view path) : path_(path) {}

    // Takes the file's next bytes; false at the first fault, which error() tells.
    bool take(std::string_view bytes);
    // The end of the file, which ends its last line; false if that line is at fault.
    bool finish();

    // A Spanish message for the first fault; empty if there was none.
    const std::string& error() const { return error_; }
    NameSet& names() { return names_; }

private:
    bool end_line();
    bool refuse(std::string error);
    std::string not_a_list() const;

    std::string path_;
    NameSet names_;
    std::string line_;
    std::uint64_t lines_ = 0;
    std::uint64_t bytes_ = 0;
    std::string error_;
};

}  // namespace quelvarinox::cli
