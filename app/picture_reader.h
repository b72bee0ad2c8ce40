#pragma once

#include <QImage>
#include <QString>

namespace quelvarinox::app {

// Reads the JPEG picture at `path` (a file or a ":/" resource). Gives a null
// image for anything that is not a regular file, is too large, is not a JPEG
// that decodes whole, or does not decode within a small memory budget, so that
// a missing, damaged or hostile file cannot block, crash, exhaust the window
// or show half a picture.
QImage read_picture(const QString& path);

}  // namespace quelvarinox::app
