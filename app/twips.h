#pragma once

#include <QRect>

namespace quelvarinox {

// Lengths of the window's design are in twips: 15 to a pixel at 96 dots per inch,
// rounded to the nearest pixel.
constexpr int pixels(int twips) { return (twips * 2 + 15) / 30; }

constexpr QRect twips_rect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

}  // namespace quelvarinox
