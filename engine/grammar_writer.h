#pragma once

#include <string>
#include <string_view>

#include "engine/toml.h"

namespace quelvarinox::detail {

// A grammar's TOML, its inherited parts put in, written out as one file with
// no `hereda` that the loader reads into the same grammar: after `heading`
// (comment lines, each starting with "#"), the identity, then the tables in
// the order the manual lists them, each with its keys in the order they were
// written, so that weights keep theirs. `grammar` is one the loader took.
std::string written_grammar(const toml::table& grammar, std::string_view heading);

}  // namespace quelvarinox::detail
