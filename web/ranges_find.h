#pragma once

// Debian 12's Emscripten (3.1.6) ships a libc++ without the range algorithms.
// The layers call std::ranges::find on whole ranges only; this gives that one
// call over std::find, and steps aside where the library has its own.

#include <algorithm>
#include <iterator>
#include <version>

#ifndef __cpp_lib_ranges
namespace std::ranges {

template <class Range, class Value>
constexpr auto find(Range&& range, const Value& value)
{
    return std::find(std::begin(range), std::end(range), value);
}

}  // namespace std::ranges
#endif
