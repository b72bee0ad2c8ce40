#pragma once

#include <string>

#include "learning/learned_tables.h"

namespace quelvarinox::detail {

// The text of a grammar file with the learned tables, in the format of
// grammars/README.md, weights and all: each table after a comment that says
// what it was counted from, what was left out and whether its counts were
// scaled down.
std::string write_grammar(const LearnedTables& tables);

}  // namespace quelvarinox::detail
