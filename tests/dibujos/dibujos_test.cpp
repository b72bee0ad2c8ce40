#include <algorithm>
#include <set>
#include <string>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include "categories/category_table.h"

namespace quelvarinox::detail {
namespace {

QString picture_path(const Category& category)
{
    return QStringLiteral(QUELVARINOX_PICTURES_DIR "/") + QString::fromStdString(picture_file_name(category));
}

// Every category has its picture, a JPEG of 88 × 75 pixels, and no two are copies.
TEST(CategoryPictures, EveryCategoryHasAJpegOfItsOwn)
{
    std::set<QByteArray> files;
    for (const Category& category : category_table()) {
        QFile file(picture_path(category));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << category.picture_key;
        EXPECT_TRUE(files.insert(file.readAll()).second) << category.picture_key << " is a copy of another picture";
        QImageReader reader(picture_path(category));
        EXPECT_EQ(reader.format(), "jpeg") << category.picture_key;
        EXPECT_EQ(reader.read().size(), QSize(88, 75)) << category.picture_key << ": " << reader.errorString().toStdString();
    }
}

// The window builds in every plnt_*.jpg of the folder: none may belong to no category.
TEST(CategoryPictures, TheFolderHoldsNoStrayPicture)
{
    const QStringList files = QDir(QStringLiteral(QUELVARINOX_PICTURES_DIR)).entryList({QStringLiteral("plnt_*.jpg")});
    for (const QString& file : files)
        EXPECT_TRUE(std::ranges::any_of(category_table(), [&](const Category& c) {
            return file.toStdString() == picture_file_name(c);
        })) << file.toStdString();
    EXPECT_EQ(static_cast<std::size_t>(files.size()), category_table().size());
}

}  // namespace
}  // namespace quelvarinox::detail
