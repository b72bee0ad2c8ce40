#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

#include <QSize>

#include "app/twips.h"

namespace quelvarinox::app {

// The eleven controls whose visibility a view sets, in the order it sets them.
enum class ViewControl { Combo1, Text1, Label1, Command1, Image1, DescrLab, Ayu1, Ayu2, Acer1, Acer2, Acer3 };
inline constexpr std::size_t view_control_count = 11;

// A view: the window's outer size (caption, menu bar and borders included) and
// which of the eleven controls it shows; it hides the others.
struct View {
    QSize outer_size;
    std::array<bool, view_control_count> shown{};

    consteval View(DesignLength width, DesignLength height, std::initializer_list<ViewControl> shown_controls)
        : outer_size(width.pixels, height.pixels)
    {
        for (const ViewControl control : shown_controls)
            shown[static_cast<std::size_t>(control)] = true;
    }
};

namespace views {
using enum ViewControl;
inline constexpr View main{5700, 2250, {Combo1, Text1, Label1, Command1, Image1}};
inline constexpr View description{5700, 3255, {Combo1, Image1, DescrLab}};
inline constexpr View help{4800, 4125, {Ayu1, Ayu2}};
inline constexpr View about{4800, 2790, {Acer1, Acer2, Acer3}};
}  // namespace views

}  // namespace quelvarinox::app
