#pragma once

#include <string>
#include <vector>

namespace quelvarinox::detail::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built quelvarinox-nombres through the shell with `arguments` (already
// quoted for the shell), capturing its exit status, its output and its messages.
CliResult run_cli(const std::string& arguments);

// Runs a whole shell command line in which $NOMBRES names the built tool.
CliResult run_shell(const std::string& command);

std::vector<std::string> lines_of(const std::string& text);

}  // namespace quelvarinox::detail::testing
