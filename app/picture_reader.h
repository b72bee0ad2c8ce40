#pragma once

#include <QImage>
#include <QString>

namespace quelvarinox {

// Reads the picture at `path` (a file or a ":/" resource). Gives a null image
// for anything that is not a regular file, is too large, is a JPEG cut short, or
// does not decode within a small memory budget, so that a missing, damaged or
// hostile file cannot block, crash or exhaust the window.
QImage read_picture(const QString& path);

}  // namespace quelvarinox
