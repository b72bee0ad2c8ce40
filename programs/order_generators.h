#pragma once

#include <string>

#include "core/generation_context.h"

namespace quelvarinox::detail {

// The names of the two orders, each a program of its own.
void Nombre_jedi(GenerationContext& ctx, std::string& Text1);
void Nombre_varkh(GenerationContext& ctx, std::string& Text1);

}  // namespace quelvarinox::detail
