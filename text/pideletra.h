#pragma once

#include "core/generation_context.h"

namespace quelvarinox {

// One lower-case letter, left in ctx.LabelOut. "z" comes up half as often as most
// letters and "a" one and a half times as often. Reseeds the shared random source.
void Pideletra(GenerationContext& ctx);

}  // namespace quelvarinox
