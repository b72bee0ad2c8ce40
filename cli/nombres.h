#pragma once

#include <ostream>

namespace quelvarinox::cli {

// The whole command-line tool: reads argv, writes names to `out_fd` and messages
// to `err`, and returns the exit status (0 done, 1 failed on the way, 2 bad
// input). A progress line is shown only when `err_is_a_terminal`.
int run_nombres(int argc, char** argv, int out_fd, std::ostream& err, bool err_is_a_terminal);

}  // namespace quelvarinox::cli
