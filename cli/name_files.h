#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "cli/name_set.h"

namespace quelvarinox::cli {

// The names of a --excluir file, as NameListReader takes them; a missing or
// unreadable file, or one that is not a list of names, gives a Spanish message
// instead.
struct NameList {
    NameSet names;
    std::string error;
};
NameList read_name_list(const std::string& path);

// --anotar: appends every name written to a file that other runs may share.
// Lines are appended whole, under a lock: a run that fails on the way (a full
// disk) takes its unfinished lines back out, so the file never ends in half a
// line.
class NameRecorder {
public:
    // Opens `path` for appending, creating it; `error` says why it could not.
    NameRecorder(const std::string& path, std::string& error);
    ~NameRecorder();
    NameRecorder(const NameRecorder&) = delete;
    NameRecorder& operator=(const NameRecorder&) = delete;

    // Names to append, each followed by "\n".
    void add(std::string_view lines) { pending_ += lines; }
    // Appends what was added since the last time; false, with `error`, if it failed.
    bool append_pending(std::string& error);

    // Whether `path` names this very file, so that what is read from it and
    // what is appended to it are the same list.
    bool is_file(const std::string& path) const;

private:
    std::string path_;
    int fd_ = -1;
    std::string pending_;
};

}  // namespace quelvarinox::cli
