#pragma once

#include <string>

#include "core/generation_context.h"
#include "engine/grammar.h"

namespace quelvarinox::detail {

// Makes one name of `grammar` in `name`, drawing in the order grammars/README.md
// writes down: reseed, form, joiner, then word by word and syllable by syllable.
void make_grammar_name(const Grammar& grammar, GenerationContext& ctx, std::string& name);

}  // namespace quelvarinox::detail
