#include <algorithm>
#include <cstdlib>
#include <string>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include "categories/category_table.h"

namespace quelvarinox {
namespace {

// The picture keys in list order.
constexpr const char* picture_keys[] = {
    "adumar", "agamar", "alderaan", "bakura",  "bespin", "brentaal", "carida",   "chandrila", "commenor",
    "corelia", "corulag", "coruscant", "cularin", "dathomir", "demophon", "draenell", "elrood",  "garos",
    "hapes",  "jedi",   "kegan",    "kuat",    "lianna", "varkh",    "naboo",    "namch",     "narsh",
    "obroa",  "onderon", "ordm",    "planeta", "ralltiir", "socorro", "tatooine", "teyr",
};
static_assert(std::size(picture_keys) == 35);

QString picture_path(const char* key)
{
    return QStringLiteral(QUELVARINOX_PICTURES_DIR "/plnt_%1.jpg").arg(QLatin1String(key));
}

QImage decode(const char* key)
{
    QImageReader reader(picture_path(key), "jpeg");
    return reader.read();
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

class CategoryPicture : public testing::TestWithParam<const char*> {};

TEST_P(CategoryPicture, IsAJpegOf88By75Pixels)
{
    QFile file(picture_path(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_TRUE(file.read(3) == QByteArray("\xFF\xD8\xFF", 3)) << "no JPEG signature";
    file.close();

    QImageReader reader(file.fileName());
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(picture.width(), 88);
    EXPECT_EQ(picture.height(), 75);
}

INSTANTIATE_TEST_SUITE_P(EveryCategory, CategoryPicture, testing::ValuesIn(picture_keys),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST(CategoryPictures, EveryCategoryOfTheListHasOne)
{
    for (const Category& category : category_table())
        EXPECT_NE(std::ranges::find(picture_keys, category.picture_key), std::end(picture_keys))
            << category.picture_key;
}

TEST(CategoryPictures, NoTwoLookAlike)
{
    QImage pictures[std::size(picture_keys)];
    for (std::size_t i = 0; i < std::size(picture_keys); ++i) {
        pictures[i] = decode(picture_keys[i]).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(pictures[i].isNull()) << picture_keys[i];
    }
    for (std::size_t i = 0; i < std::size(picture_keys); ++i)
        for (std::size_t j = i + 1; j < std::size(picture_keys); ++j)
            EXPECT_GT(mean_difference(pictures[i], pictures[j]), 8.0) << picture_keys[i] << " and " << picture_keys[j];
}

}  // namespace
}  // namespace quelvarinox
