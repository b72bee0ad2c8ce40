#pragma once

namespace quelvarinox::dibujos {

// Every picture measures 88 × 75 pixels; it is painted four times larger and
// then scaled down smoothly, so that thin lines and small dots stay soft.
inline constexpr int canvas_width = 88;
inline constexpr int canvas_height = 75;
inline constexpr int oversampling = 4;

}  // namespace quelvarinox::dibujos
