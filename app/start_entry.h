#pragma once

#include <cstddef>

#include "core/random_source.h"

namespace quelvarinox::app {

// The category the window opens with: reseeds and draws a position from 1 to
// `count`, each equally likely.
std::size_t draw_start_entry(detail::RandomSource& random, std::size_t count);

}  // namespace quelvarinox::app
