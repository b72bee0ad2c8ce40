#pragma once

#include <string>

#include "core/generation_context.h"

// The human-name grammars of the planets, one file each in this folder.
namespace quelvarinox {

void Nombre_adumar(GenerationContext& ctx, std::string& Text1);

}  // namespace quelvarinox
