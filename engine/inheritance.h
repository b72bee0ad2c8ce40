#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar_place.h"
#include "engine/toml.h"

namespace quelvarinox::detail {

// How deep one `hereda` may lead to another.
inline constexpr std::size_t inheritance_depth = 16;

// The grammar that a `hereda` names: its text and its place, or why there is
// none (a program, an unknown key, a file that cannot be read, a cycle).
struct ParentText {
    std::string text;
    GrammarPlace place;
    std::string mistake;
};

// The grammars that lead to the one being read, from the first: a `hereda` may
// name none of them again.
using InheritanceChain = std::vector<GrammarPlace>;

// Finds what `value`, the text of a `hereda` in the grammar at `child`, names:
// a built-in grammar by its key when `value` is written like one, otherwise a
// file, by a path relative to the child's directory.
ParentText find_parent(std::string_view value, const GrammarPlace& child, const InheritanceChain& chain);

// Moves into `child` every part of `parent` that `child` does not write: a
// key at the top, a table, the table's own keys of [ataque], [vocal] and [coda]
// and each of their first- and last-syllable tables, each class of [clases].
// `nombre` and `clave` are each file's own, and `hereda` is not passed on.
void inherit_parts(toml::table& child, toml::table& parent);

}  // namespace quelvarinox::detail
