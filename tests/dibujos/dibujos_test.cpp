#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <QDir>
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

// The mean difference of two pictures of the same size, in levels (0..255) per channel.
double mean_difference(const QImage& a, const QImage& b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * a.width() * a.height());
}

// Every category has its picture, a JPEG of 88 × 75 pixels, and no two look alike.
TEST(CategoryPictures, EveryCategoryHasAJpegOfItsOwn)
{
    std::vector<QImage> pictures;
    for (const Category& category : category_table()) {
        QImageReader reader(picture_path(category));
        const QByteArray format = reader.format();
        const QImage picture = reader.read();
        ASSERT_FALSE(picture.isNull()) << "no picture for " << category.display_text << ": "
                                       << reader.errorString().toStdString();
        EXPECT_EQ(format, "jpeg") << category.picture_key;
        EXPECT_EQ(picture.size(), QSize(88, 75)) << category.picture_key;
        for (std::size_t i = 0; i < pictures.size(); ++i)
            EXPECT_GT(mean_difference(pictures[i], picture.convertToFormat(QImage::Format_RGB32)), 8.0)
                << category.picture_key << " looks like " << category_table()[i].picture_key;
        pictures.push_back(picture.convertToFormat(QImage::Format_RGB32));
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
