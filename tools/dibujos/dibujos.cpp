// Paints the picture of every category of the table, dibujos/plnt_<key>.jpg,
// into the folder given as the only argument. The output is the same on every run.

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <variant>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include "categories/category_table.h"
#include "tools/dibujos/canvas.h"
#include "tools/dibujos/emblems.h"
#include "tools/dibujos/planet_painter.h"

namespace quelvarinox::dibujos {

namespace {

using Emblem = void (*)(QPainter&, Sky&);

struct Picture {
    std::string_view key;
    std::variant<Look, Emblem> subject;
};

constexpr QPointF middle{44, 37.5};

// One picture per picture key of the category table.
const Picture pictures[] = {
    {"adumar", Look{QColor(40, 90, 160), QColor(60, 130, 60), {}, continents | clouds, middle, 27}},
    {"agamar", Look{QColor(185, 160, 100), QColor(150, 120, 60), {}, fields | moon, {40, 39}, 26}},
    {"alderaan", Look{QColor(50, 110, 200), QColor(150, 175, 120), {}, continents | clouds | ice_caps, middle, 29}},
    {"bakura", Look{QColor(60, 120, 70), QColor(40, 95, 50), {}, continents | rain, middle, 27}},
    {"bespin", Look{QColor(230, 150, 70), QColor(200, 110, 50), QColor(245, 215, 160), bands | storms,
                    {42, 38}, 30}},
    {"brentaal", Look{QColor(120, 110, 95), QColor(90, 80, 70), QColor(255, 200, 90),
                      continents | city_lights | moon, {42, 39}, 27}},
    {"carida", Look{QColor(150, 70, 55), {}, {}, craters, middle, 32}},
    {"chandrila", Look{QColor(90, 150, 200), QColor(120, 170, 90), {}, continents | clouds | moon, {42, 39}, 26}},
    {"commenor", Look{QColor(100, 110, 130), QColor(80, 85, 95), QColor(255, 220, 150),
                      continents | city_lights | station, {38, 34}, 24}},
    {"corelia", Look{QColor(40, 120, 150), QColor(100, 140, 80), {}, continents | clouds | moons, middle, 22}},
    {"corulag", Look{QColor(90, 100, 140), QColor(70, 75, 100), QColor(210, 230, 255),
                     continents | city_lights, middle, 28}},
    {"coruscant", Look{QColor(60, 55, 60), {}, QColor(255, 200, 90), whole_city, middle, 30}},
    {"cularin", Look{QColor(40, 80, 70), QColor(30, 60, 50), QColor(150, 60, 170), continents | nebula | asteroids,
                     middle, 20}},
    {"dathomir", Look{QColor(160, 60, 40), QColor(90, 30, 30), {}, continents | moons, middle, 24}},
    {"demophon", Look{QColor(140, 110, 80), {}, {}, craters | clouds, {42, 40}, 29}},
    {"draenell", Look{QColor(160, 130, 70), QColor(120, 90, 50), {}, continents | station, {30, 30}, 19}},
    {"elrood", Look{QColor(160, 180, 90), QColor(100, 140, 60), {}, fields | clouds, middle, 27}},
    {"garos", Look{QColor(40, 100, 170), QColor(110, 150, 80), {}, continents | clouds | moon, {40, 40}, 27}},
    {"hapes", Look{QColor(130, 90, 170), QColor(90, 60, 140), QColor(210, 120, 220), continents | nebula | clouds,
                   middle, 25}},
    {"jedi", Emblem{paint_jedi}},
    {"kegan", Look{QColor(130, 190, 120), QColor(90, 150, 80), {}, fields | clouds, middle, 24}},
    {"kuat", Look{QColor(60, 130, 80), QColor(110, 160, 90), QColor(120, 200, 255), continents | shipyards,
                  middle, 22}},
    {"lianna", Look{QColor(170, 100, 50), QColor(120, 80, 50), QColor(255, 230, 120),
                    continents | city_lights | clouds, middle, 28}},
    {"varkh", Emblem{paint_varkh}},
    {"naboo", Look{QColor(50, 140, 90), QColor(60, 110, 170), {}, continents | clouds, middle, 28}},
    {"namch", Look{QColor(120, 115, 105), {}, QColor(150, 255, 255), craters | crystals, middle, 28}},
    {"narsh", Look{QColor(95, 85, 75), {}, QColor(120, 255, 140), city_lights | craters | giant_behind,
                   {32, 46}, 20}},
    {"obroa", Look{QColor(70, 80, 160), QColor(110, 120, 190), QColor(255, 255, 255),
                   continents | city_lights | ice_caps, middle, 27}},
    {"onderon", Look{QColor(20, 90, 40), QColor(30, 120, 50), {}, continents | rain | moon, {40, 40}, 27}},
    {"ordm", Look{QColor(150, 95, 60), QColor(110, 70, 45), QColor(255, 150, 40, 230), continents | blasts,
                  middle, 27}},
    {"planeta", Emblem{paint_planeta}},
    {"ralltiir", Look{QColor(210, 190, 130), QColor(180, 160, 100), QColor(255, 255, 220),
                      bands | city_lights, middle, 28}},
    {"socorro", Look{QColor(45, 42, 40), QColor(95, 88, 80), {}, dunes | moon, {42, 40}, 28}},
    {"tatooine", Look{QColor(220, 180, 110), QColor(180, 140, 80), {}, dunes | twin_suns, {50, 44}, 26}},
    {"teyr", Look{QColor(120, 130, 70), QColor(150, 120, 80), {}, continents | fields | ice_caps, middle, 26}},
};

QImage paint(const Picture& picture, unsigned seed)
{
    QImage large(canvas_width * oversampling, canvas_height * oversampling, QImage::Format_RGB32);
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(oversampling, oversampling);
    Sky sky(seed);
    if (const Look* look = std::get_if<Look>(&picture.subject))
        paint_planet(painter, *look, sky);
    else
        std::get<Emblem>(picture.subject)(painter, sky);
    painter.end();
    return large.scaled(canvas_width, canvas_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

const Picture* picture_of(const Category& category)
{
    for (const Picture& picture : pictures)
        if (picture.key == category.picture_key)
            return &picture;
    return nullptr;
}

// Every picture belongs to a category: a key that the table lost or renamed
// would otherwise go on being painted for nothing.
const Picture* picture_without_category()
{
    for (const Picture& picture : pictures) {
        const auto table = category_table();
        if (std::none_of(table.begin(), table.end(),
                         [&](const Category& category) { return category.picture_key == picture.key; }))
            return &picture;
    }
    return nullptr;
}

}  // namespace

}  // namespace quelvarinox::dibujos

int main(int argc, char** argv)
{
    using namespace quelvarinox::detail;
    using namespace quelvarinox::dibujos;
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
        return 2;
    }
    if (const Picture* stray = picture_without_category()) {
        std::fprintf(stderr, "%s: ninguna categoría tiene la clave «%.*s»\n", argv[0],
                     static_cast<int>(stray->key.size()), stray->key.data());
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const Category& category : category_table()) {
        const Picture* picture = picture_of(category);
        if (!picture) {
            std::fprintf(stderr, "%s: no hay dibujo para la categoría «%.*s»\n", argv[0],
                         static_cast<int>(category.display_text.size()), category.display_text.data());
            return 1;
        }
        const QString path = folder.filePath(QString::fromStdString(picture_file_name(category)));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(92);
        // Each picture has its own sky: its stars are seeded by its place in the list.
        if (!writer.write(paint(*picture, static_cast<unsigned>(position_of(category))))) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
