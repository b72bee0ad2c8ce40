#pragma once

#include "core/generation_context.h"

namespace quelvarinox::detail {

// A compound epithet of two English words, such as " Skywalker" or " Twosuns",
// left in ctx.LabelOut with its leading space. Reseeds the shared random source.
void Compuesto(GenerationContext& ctx);

}  // namespace quelvarinox::detail
