#pragma once

#include <string_view>

#include "core/generation_context.h"

namespace quelvarinox::detail {

// Gives a piece its capital: only the first character changes, and only when it is
// one of "a" to "z" or "é". The capitalised piece is left in ctx.LabelOut, which
// the caller reads at once.
void mayusculiza(GenerationContext& ctx, std::string_view piece);

}  // namespace quelvarinox::detail
