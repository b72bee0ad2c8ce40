#include "app/picture_reader.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "app/whole_jpeg.h"

namespace quelvarinox::app {

namespace {

// A category picture is a few kilobytes; these bounds leave ample room for a
// larger one while refusing what no picture of the window needs.
constexpr qint64 max_file_bytes = 4 * 1024 * 1024;
constexpr int max_decoded_megabytes = 16;

// Qt's reader gives a picture of four bytes a pixel.
constexpr std::uint64_t max_pixels = std::uint64_t{max_decoded_megabytes} * 1024 * 1024 / 4;

}  // namespace

QImage read_picture(const QString& path)
{
    // A fifo or a device would block or never end: only regular files are read.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > max_file_bytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(max_file_bytes + 1);
    // A JPEG cut short comes out of Qt's reader half grey, with a warning on
    // the console alone: it is decoded once first to see that it is whole.
    if (bytes.size() > max_file_bytes || !is_whole_jpeg(bytes, max_pixels))
        return {};

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(max_decoded_megabytes);
    return reader.read();
}

}  // namespace quelvarinox::app
