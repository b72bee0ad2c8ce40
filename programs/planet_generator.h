#pragma once

#include <string>

#include "core/generation_context.h"

namespace quelvarinox::detail {

// The names of planets and star systems: a program, not a syllable grammar.
void Nombre_planeta(GenerationContext& ctx, std::string& Text1);

}  // namespace quelvarinox::detail
