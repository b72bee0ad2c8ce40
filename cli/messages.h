#pragma once

#include <ostream>
#include <string_view>

namespace quelvarinox::cli {

// What starts every message of the tool that is not placed in a file.
inline constexpr std::string_view program = "quelvarinox-nombres: ";

// When `path` is "-" and the standard input is a terminal, says on `err` that
// `what` is being read from it and how to end it, so that a run that waits for
// the keyboard does not look hung.
void hint_standard_input(std::string_view path, std::string_view what, std::ostream& err);

}  // namespace quelvarinox::cli
