#pragma once

#include <string>

#include "core/generation_context.h"

namespace quelvarinox {

// Planet, moon and system names: one to three invented words in one of fourteen
// forms (prefixes, suffix words, numerals, Greek letters, single capitals), or a
// catalogue designation of capitals and digits.
void Nombre_planeta(GenerationContext& ctx, std::string& Text1);

}  // namespace quelvarinox
