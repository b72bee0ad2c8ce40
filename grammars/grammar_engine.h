#pragma once

#include <string>

#include "core/generation_context.h"
#include "grammars/grammar.h"

namespace quelvarinox {

// Makes one name of `grammar` in `name`, drawing in the order grammars/README.md
// writes down: reseed, form, joiner, then word by word and syllable by syllable.
void make_grammar_name(const Grammar& grammar, GenerationContext& ctx, std::string& name);

}  // namespace quelvarinox
