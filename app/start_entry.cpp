#include "app/start_entry.h"

#include <algorithm>

namespace quelvarinox::app {

std::size_t draw_start_entry(detail::RandomSource& random, std::size_t count)
{
    random.reseed();
    // A value just below 1 times count can round up to count itself.
    const auto below = static_cast<std::size_t>(random.uniform() * static_cast<double>(count));
    return 1 + std::min(below, count - 1);
}

}  // namespace quelvarinox::app
