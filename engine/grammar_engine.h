#pragma once

#include <string>

#include "core/generation_context.h"
#include "engine/grammar.h"

namespace quelvarinox::detail {

// How many times [rechazo] may reject one name before the name is not given.
inline constexpr int rejection_attempts = 1000;

// A name that [rechazo] kept from being given: every one of its attempts was
// rejected, most often by pattern `pattern` (from 1), `times` times.
struct Refusal {
    int pattern = 0;
    int times = 0;

    explicit operator bool() const { return pattern != 0; }
};

// Why a name was refused, to follow what names it: "[rechazo] lo ha rechazado
// 1000 veces seguidas, 812 de ellas por el patrón 2, «{vocal}{vocal}{vocal}»".
std::string refusal_text(const Grammar& grammar, const Refusal& refusal);

// Makes one name of `grammar` in `name`, drawing in the order grammars/README.md
// writes down: reseed, form, joiner, then word by word and syllable by
// syllable; a name that contains a pattern of the grammar's [rechazo] is made
// again, its draws going on. When rejection_attempts attempts were all
// rejected, `name` holds the last and the refusal says why.
Refusal make_grammar_name(const Grammar& grammar, GenerationContext& ctx, std::string& name);

}  // namespace quelvarinox::detail
