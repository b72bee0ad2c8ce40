#pragma once

#include <QRect>

namespace quelvarinox::app {

// Lengths of the window's design are in twips, 15 to a pixel at 96 dots per inch.
inline constexpr int twips_per_pixel = 15;

// Never defined: reached only while the compiler evaluates a design length that
// falls between two pixels, where it stops the build.
void design_length_is_not_a_whole_number_of_pixels();

// A length of the design, in pixels. Nearly every design length is a whole
// number of pixels, so one that is not is a typing error and does not build;
// the few drawn between two pixels go through nearest_pixel() instead.
struct DesignLength {
    int pixels;

    consteval DesignLength(int twips) : pixels(twips / twips_per_pixel)
    {
        if (twips % twips_per_pixel != 0)
            design_length_is_not_a_whole_number_of_pixels();
    }
};

consteval DesignLength nearest_pixel(int twips)
{
    return {(twips * 2 + twips_per_pixel) / (2 * twips_per_pixel) * twips_per_pixel};
}

consteval QRect twips_rect(DesignLength left, DesignLength top, DesignLength width, DesignLength height)
{
    return {left.pixels, top.pixels, width.pixels, height.pixels};
}

}  // namespace quelvarinox::app
