#include "tests/support/scripted_cases.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quelvarinox::detail::testing {

std::vector<ScriptedCase> read_scripted_cases(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<ScriptedCase> cases;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text.starts_with('#'))
            continue;
        ScriptedCase c;
        c.file = path;
        c.line = line;
        std::string mode;
        std::istringstream fields(text);
        if (!std::getline(fields, c.key, '\t') || !std::getline(fields, mode, '\t') ||
            !std::getline(fields, c.script, '\t') || !std::getline(fields, c.expected, '\t') ||
            !std::getline(fields, c.rule) || (mode != "normal" && mode != "alternativo"))
            throw std::runtime_error(path + ":" + std::to_string(line) + ": not key, mode, draws, name and rule");
        c.alternative = mode == "alternativo";
        cases.push_back(std::move(c));
    }
    return cases;
}

void PrintTo(const ScriptedCase& c, std::ostream* out) { *out << c.file << ":" << c.line << " (" << c.rule << ")"; }

}  // namespace quelvarinox::detail::testing
