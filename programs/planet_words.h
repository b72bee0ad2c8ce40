#pragma once

#include <string_view>

#include "engine/name_builder.h"

namespace quelvarinox::detail {

// The invented words of a planet name: `count` words (0 to 3), each capitalised on
// its first letter and followed by `separator`, the last one included.
void append_planet_words(NameBuilder& name, int count, std::string_view separator);

}  // namespace quelvarinox::detail
