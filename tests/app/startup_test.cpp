#include <cmath>

#include <QFontInfo>
#include <QPushButton>
#include <QProcess>
#include <QProcessEnvironment>

#include "app/start_entry.h"
#include "tests/app/window_fixture.h"
#include "tests/support/fixed_random.h"

namespace quelvarinox::testing {
namespace {

using StartUp = WindowTest;

// The window opens on the seeded source's first draw: with these seeds, the first entry (the list's own
// first item) and Alderaan (the text a missing start would fall back to).
TEST_F(StartUp, OpensOnTheDrawnCategoryWithItsPictureANameAndItsDescription)
{
    write_every_picture();
    const auto table = category_table();
    for (const std::uint64_t seed : {16, 13}) {
        Form1& window = open_window(std::make_unique<SeededRandom>(seed));
        SeededRandom twin(seed);
        const Category& start = table[draw_start_entry(twin, table.size()) - 1];
        EXPECT_EQ(combo()->currentText(), text_of(start.display_text));
        EXPECT_FALSE(name().isEmpty());
        EXPECT_EQ(shown_picture_size(), picture_size(start));
        EXPECT_EQ(control("Image1")->size(), picture_size(start));
        EXPECT_EQ(control<QLabel>("DescrLab")->text(), description_of(start));
        EXPECT_EQ(window.huevo(), "0");
        EXPECT_FALSE(window.windowIcon().isNull());
    }
    ASSERT_EQ(combo()->count(), static_cast<int>(table.size()));
    for (const Category& category : table)
        EXPECT_EQ(combo()->itemText(static_cast<int>(position_of(category)) - 1), text_of(category.display_text));
}

// Position n + 1 takes the uniform values [n/count, (n+1)/count): each category is as likely as any other, and every
// one can come up.
TEST(StartEntry, SplitsTheUniformRangeIntoEqualShares)
{
    const std::size_t count = category_table().size();
    for (std::size_t n = 0; n < count; ++n) {
        const double low = static_cast<double>(n) / static_cast<double>(count);
        const double high = std::nextafter(static_cast<double>(n + 1) / static_cast<double>(count), 0.0);
        FixedRandom random{low, high};
        EXPECT_EQ(draw_start_entry(random, count), n + 1) << low;
        EXPECT_EQ(draw_start_entry(random, count), n + 1) << high;
        EXPECT_EQ(random.reseeds, 2);
    }
}

// The design in pixels, 15 twips to a pixel. Where the design's font is missing, the face shown is one of our plain
// fallbacks, never whatever the system offers in its place (a symbol font).
TEST_F(StartUp, ControlsStandWhereTheDesignPutsThem)
{
    open_window();
    const struct {
        const char* control;
        QRect pixels;
    } placements[] = {
        {"Combo1", {8, 8, 129, 21}},     {"Command1", {152, 8, 97, 33}}, {"Text1", {8, 48, 257, 19}},
        {"DescrLab", {8, 32, 249, 121}}, {"Label1", {48, 72, 169, 33}},  {"Ayu1", {8, 8, 289, 73}},
        {"Ayu2", {8, 80, 289, 137}},     {"Acer1", {8, 7, 289, 81}},     {"Acer2", {8, 87, 289, 33}},
        {"Acer3", {8, 116, 289, 17}},
    };
    for (const auto& placement : placements)
        EXPECT_EQ(control(placement.control)->geometry(), placement.pixels) << placement.control;
    EXPECT_EQ(control("Image1")->pos(), QPoint(272, 8));
    for (const char* address : {"Label1", "Acer3"})
        EXPECT_EQ(control(address)->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << address;
    for (const char* name : {"Command1", "Label1"})
        EXPECT_TRUE(control(name)->font().families().contains(QFontInfo(control(name)->font()).family())) << name;
    // "Generar" in large letters, as the help says; a screen reader says what the button says.
    auto* button = control<QPushButton>("Command1");
    EXPECT_EQ(button->text(), QStringLiteral("Generar"));
    EXPECT_EQ(button->accessibleName(), button->text());
    EXPECT_GT(QFontInfo(button->font()).pointSizeF(), QFontInfo(window_->font()).pointSizeF() * 1.4);
}

// Without a display, or with one that cannot be opened, the program says so in Spanish and ends with status 1
// (an empty variable counts as not set); with one it can use, it opens its window and stays.
TEST(DisplayCheck, TheProgramOpensOnADisplayItCanUseAndExplainsAnyOther)
{
    const char* const missing = "no están definidas ni DISPLAY (X11) ni WAYLAND_DISPLAY (Wayland)";
    const struct {
        const char* variable;
        const char* value;
        const char* explanation;
    } cases[] = {
        {"HOME", "/root", missing},
        {"DISPLAY", "", missing},
        {"DISPLAY", ":9999", "no se ha podido abrir la ventana en la pantalla (DISPLAY=:9999, WAYLAND_DISPLAY=(sin"},
        {"WAYLAND_DISPLAY", "wayland-9999", "WAYLAND_DISPLAY=wayland-9999, QT_QPA_PLATFORM=(sin definir))"},
        {"QT_QPA_PLATFORM", "ninguna", "QT_QPA_PLATFORM=ninguna).\nComprueba"},
        {"QT_QPA_PLATFORM", "offscreen", nullptr},
    };
    for (const auto& row : cases) {
        QProcessEnvironment environment;
        environment.insert(QString::fromLatin1(row.variable), QString::fromLatin1(row.value));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUELVARINOX_WINDOW), {});
        EXPECT_EQ(process.waitForFinished(row.explanation ? 20000 : 1500), row.explanation != nullptr) << row.value;
        if (!row.explanation) {
            process.kill();
            process.waitForFinished();
            continue;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << row.variable;
        EXPECT_EQ(process.exitCode(), 1) << row.variable;
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(errors.contains(QString::fromUtf8(row.explanation))) << errors.toStdString();
    }
}

}  // namespace
}  // namespace quelvarinox::testing
