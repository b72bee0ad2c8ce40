#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quelvarinox::detail::testing {

// One line of a scripted-case file: a category key, a mode, the draws in the
// tool's trace notation, the name they must build and the rule it pins.
struct ScriptedCase {
    std::string file;
    int line = 0;
    std::string rule;
    std::string key;
    bool alternative = false;
    std::string script;
    std::string expected;
};

// Every case of a file of tab-separated lines, "#" lines aside. A malformed
// line fails the read, naming it.
std::vector<ScriptedCase> read_scripted_cases(const std::string& path);

void PrintTo(const ScriptedCase& c, std::ostream* out);

}  // namespace quelvarinox::detail::testing
