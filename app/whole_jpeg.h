#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace quelvarinox::app {

// Whether `bytes` are a JPEG of at most `max_pixels` pixels that libjpeg
// decodes to its last row without a warning. A JPEG cut short still decodes,
// its missing rows drawn grey, whatever its bytes end with: the decoder's
// warning is the only sign of it.
bool is_whole_jpeg(QByteArrayView bytes, std::uint64_t max_pixels);

}  // namespace quelvarinox::app
