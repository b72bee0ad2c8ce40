#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

// A real JPEG of a gradient, whose scan is most of the file.
QByteArray jpeg_of(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, x * y % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG");
    return bytes;
}

// Three quarters of a JPEG: Qt's reader warns, and gives the picture with its missing rows grey.
QByteArray cut_in_its_scan()
{
    const QByteArray whole = jpeg_of(QSize(120, 90));
    return whole.left(whole.size() * 3 / 4);
}

// A whole JPEG with zeros after its end, `size` bytes in all; the reader takes files up to 4 MiB.
QByteArray padded_jpeg(qsizetype size)
{
    const QByteArray whole = jpeg_of(QSize(64, 48));
    return whole + QByteArray(size - whole.size(), '\0');
}
constexpr qsizetype largest_file = 4 * 1024 * 1024;

void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const struct BrokenFile {
    const char* what;
    void (*make)(const QString& path);
} broken_files[] = {
    {"empty file", [](const QString& path) { write_bytes(path, {}); }},
    {"not a picture", [](const QString& path) { write_bytes(path, QByteArray(5000, 'x')); }},
    {"cut short", [](const QString& path) { write_bytes(path, cut_in_its_scan()); }},
    {"claims 5000 × 4000 pixels, more than the reader lets a picture take", [](const QString& path) {
         QByteArray bytes = jpeg_of(QSize(8, 8));
         write_bytes(path, bytes.replace(bytes.indexOf("\xFF\xC0") + 5, 4, "\x0F\xA0\x13\x88"));
     }},
    {"larger than any picture", [](const QString& path) { write_bytes(path, padded_jpeg(largest_file + 1)); }},
    {"a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
    {"a fifo nobody writes to", [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path), 0600), 0); }},
};

using Pictures = WindowTest;

// Without the folder every category shows the copy built into the program.
TEST_F(Pictures, AStartFromAnotherDirectoryShowsTheBuiltInPictures)
{
    ASSERT_TRUE(QDir(directory_.path()).rmdir(QStringLiteral("dibujos")));
    open_window();
    for (const Category& category : category_table()) {
        paste_into_combo(text_of(category.display_text));
        EXPECT_FALSE(built_in_size(category.picture_key).isEmpty()) << category.picture_key;
        EXPECT_EQ(shown_picture_size(), built_in_size(category.picture_key)) << category.picture_key;
        EXPECT_EQ(control("Image1")->size(), built_in_size(category.picture_key));
    }
}

// The window goes on with the name and the description, showing the built-in picture.
TEST_F(Pictures, ABrokenPictureFileGivesWayToTheBuiltInOne)
{
    open_window();
    const Category& shown = category_table()[static_cast<std::size_t>(combo()->currentIndex())];
    for (const BrokenFile& broken : broken_files) {
        const QString path = picture_path(shown.picture_key);
        QFile::remove(path);
        QDir().rmdir(path);
        broken.make(path);
        const QString before = name();
        click("Command1");
        EXPECT_EQ(shown_picture_size(), built_in_size(shown.picture_key)) << broken.what;
        EXPECT_NE(name(), before) << broken.what;
    }
}

// Bytes after the end of a whole picture do not make it broken, up to the largest file. Qt's reader alone
// does take a JPEG cut short for a whole picture.
TEST(PictureReader, ReadsAPictureOfAnySensibleSize)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("picture.jpg"));
    for (const QSize size : {QSize(88, 75), QSize(1, 1), QSize(1200, 900)}) {
        write_bytes(path, jpeg_of(size) + QByteArray(100, '\0'));
        EXPECT_EQ(read_picture(path).size(), size);
    }
    write_bytes(path, padded_jpeg(largest_file));
    EXPECT_EQ(read_picture(path).size(), QSize(64, 48));
    QByteArray cut = cut_in_its_scan();
    QBuffer buffer(&cut);
    EXPECT_FALSE(QImageReader(&buffer).read().isNull());
}

}  // namespace
}  // namespace quelvarinox::testing
