#pragma once

#include <ostream>

#include "cli/options.h"
#include "cli/output.h"

namespace quelvarinox::cli {

// --aprender: reads the list of example names (the standard input for "-"),
// writes the grammar it teaches to `out`, and returns the exit status: 0, or 2
// with a message on `err` when the list cannot be read or taught nothing.
int write_learned_grammar(const Options& options, Output& out, std::ostream& err);

}  // namespace quelvarinox::cli
