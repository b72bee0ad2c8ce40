#include "app/picture_reader.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace quelvarinox {

namespace {

// A category picture is a few kilobytes; these bounds leave ample room for a
// larger one while refusing what no picture of the window needs.
constexpr qint64 max_file_bytes = 4 * 1024 * 1024;
constexpr int max_decoded_megabytes = 16;

// A JPEG cut short still decodes, the part that is missing drawn grey, and the
// reader says nothing of it: the data of a whole one reaches the end-of-image
// marker after its last scan. A 0xFF byte inside a scan is always followed by
// 0x00 or a restart marker, so neither marker can occur by chance in one.
bool is_cut_short_jpeg(const QByteArray& bytes)
{
    if (!bytes.startsWith(QByteArrayView("\xFF\xD8")))
        return false;
    const qsizetype last_scan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA"));
    return last_scan < 0 || bytes.indexOf(QByteArrayView("\xFF\xD9"), last_scan) < 0;
}

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
    if (bytes.size() > max_file_bytes || is_cut_short_jpeg(bytes))
        return {};

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(max_decoded_megabytes);
    return reader.read();
}

}  // namespace quelvarinox
