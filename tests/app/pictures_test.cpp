#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "app/picture_reader.h"
#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

QByteArray jpeg_of(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG");
    return bytes;
}

// A real JPEG whose frame header claims `size`: decoding it in full would
// allocate width × height pixels.
QByteArray jpeg_claiming(QSize size)
{
    QByteArray bytes = jpeg_of(QSize(8, 8));
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    bytes[frame + 5] = static_cast<char>(size.height() >> 8);
    bytes[frame + 6] = static_cast<char>(size.height() & 0xFF);
    bytes[frame + 7] = static_cast<char>(size.width() >> 8);
    bytes[frame + 8] = static_cast<char>(size.width() & 0xFF);
    return bytes;
}

using Pictures = WindowTest;

// Every category's built-in picture must decode, or a start without the
// folder would show nothing.
TEST_F(Pictures, EveryCategoryHasABuiltInPicture)
{
    for (const Category& category : category_table())
        EXPECT_FALSE(built_in_size(category.picture_key).isEmpty()) << category.picture_key;
}

TEST_F(Pictures, AMissingPictureFileGivesWayToTheBuiltInOne)
{
    open_window();
    const Category& shown = category(combo()->currentText().toStdString());
    EXPECT_EQ(shown_picture_size(), built_in_size(shown.picture_key));
    EXPECT_FALSE(name().isEmpty());
}

TEST_F(Pictures, AStartFromAnotherDirectoryShowsTheBuiltInPictures)
{
    ASSERT_TRUE(QDir(directory_.path()).rmdir(QStringLiteral("dibujos")));
    open_window();
    for (const Category& category : category_table()) {
        paste_into_combo(text_of(category.display_text));
        EXPECT_EQ(shown_picture_size(), built_in_size(category.picture_key)) << category.picture_key;
        EXPECT_EQ(control<QLabel>("Image1")->size(), built_in_size(category.picture_key));
    }
}

struct BrokenFile {
    const char* what;
    void (*make)(const QString& path);
};

void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const BrokenFile broken_files[] = {
    {"empty file", [](const QString& path) { write_bytes(path, {}); }},
    {"not a picture", [](const QString& path) { write_bytes(path, QByteArray(5000, 'x')); }},
    {"cut short", [](const QString& path) { write_bytes(path, jpeg_of(QSize(88, 75)).left(40)); }},
    {"claims 5000 x 4000 pixels", [](const QString& path) { write_bytes(path, jpeg_claiming(QSize(5000, 4000))); }},
    {"claims 65000 x 65000 pixels", [](const QString& path) { write_bytes(path, jpeg_claiming(QSize(65000, 65000))); }},
    {"larger than any picture", [](const QString& path) { write_bytes(path, QByteArray(5 * 1024 * 1024, '\xFF')); }},
    {"a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
    {"a fifo nobody writes to", [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
};

TEST(PictureReader, RefusesWhatIsNotASmallRegularPicture)
{
    QTemporaryDir directory;
    for (const BrokenFile& broken : broken_files) {
        const QString path = directory.filePath(QString::fromUtf8(broken.what));
        broken.make(path);
        EXPECT_TRUE(read_picture(path).isNull()) << broken.what;
    }
    EXPECT_TRUE(read_picture(directory.filePath(QStringLiteral("missing.jpg"))).isNull());
    EXPECT_TRUE(read_picture(QStringLiteral(":/dibujos/plnt_missing.jpg")).isNull());
}

TEST(PictureReader, ReadsAPictureOfAnySensibleSize)
{
    QTemporaryDir directory;
    for (const QSize size : {QSize(88, 75), QSize(1, 1), QSize(1200, 900)}) {
        const QString path = directory.filePath(QStringLiteral("picture.jpg"));
        write_bytes(path, jpeg_of(size));
        EXPECT_EQ(read_picture(path).size(), size);
    }
}

// The window goes on with the name and the description, showing the built-in picture.
TEST_F(Pictures, ABrokenPictureFileGivesWayToTheBuiltInOne)
{
    open_window();
    const Category& shown = category(combo()->currentText().toStdString());
    for (const BrokenFile& broken : broken_files) {
        const QString path = picture_path(shown.picture_key);
        QFile::remove(path);
        QDir().rmdir(path);
        broken.make(path);
        const QString before = name();
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
        EXPECT_EQ(shown_picture_size(), built_in_size(shown.picture_key)) << broken.what;
        EXPECT_NE(name(), before) << broken.what;
    }
}

}  // namespace
}  // namespace quelvarinox::testing
