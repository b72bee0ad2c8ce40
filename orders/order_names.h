#pragma once

#include <string>

#include "core/generation_context.h"

// The names of the two orders: the Jedi and the Sith lords, one file each in this folder.
namespace quelvarinox {

void Nombre_jedi(GenerationContext& ctx, std::string& Text1);
void Nombre_varkh(GenerationContext& ctx, std::string& Text1);

}  // namespace quelvarinox
