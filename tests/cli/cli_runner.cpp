#include "tests/cli/cli_runner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace quelvarinox::detail::testing {

namespace {

std::string slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

CliResult run_shell(const std::string& command)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("quelvarinox-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto out = folder / "out";
    const auto err = folder / "err";
    const auto script = folder / "run.sh";
    std::ofstream(script) << "NOMBRES='" QUELVARINOX_NOMBRES "'\n{ " << command << "\n} > '" << out.string()
                          << "' 2> '" << err.string() << "'\n";
    const int wait_status = std::system(("bash '" + script.string() + "'").c_str());
    CliResult result;
    result.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
    result.out = slurp(out);
    result.err = slurp(err);
    std::filesystem::remove_all(folder);
    return result;
}

CliResult run_cli(const std::string& arguments) { return run_shell("\"$NOMBRES\" " + arguments); }

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace quelvarinox::detail::testing
