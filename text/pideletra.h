#pragma once

#include <string>

#include "core/generation_context.h"

namespace quelvarinox::detail {

// One lower-case letter, left in ctx.LabelOut. "z" comes up half as often as most
// letters and "a" one and a half times as often. Reseeds the shared random source.
void Pideletra(GenerationContext& ctx);

// Pideletra's letter raised to its capital by mayusculiza, for initials.
std::string capital_letter(GenerationContext& ctx);

}  // namespace quelvarinox::detail
