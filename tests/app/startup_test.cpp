#include <cmath>
#include <set>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

#include "app/start_entry.h"
#include "categories/descriptions.h"
#include "tests/app/window_fixture.h"
#include "tests/support/fixed_random.h"

namespace quelvarinox::testing {
namespace {

using StartUp = WindowTest;

TEST_F(StartUp, ListHoldsEveryCategoryInTableOrderAndNeverCompletesOrInserts)
{
    open_window();
    QComboBox* list = combo();
    ASSERT_EQ(list->count(), static_cast<int>(category_table().size()));
    int index = 0;
    for (const Category& category : category_table())
        EXPECT_EQ(list->itemText(index++), text_of(category.display_text));
    EXPECT_TRUE(list->isEditable());
    EXPECT_EQ(list->completer(), nullptr);
    EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
}

TEST_F(StartUp, OpensOnOneCategoryWithItsPictureANameAndItsDescription)
{
    write_every_picture();
    Form1& window = open_window();
    const Category* start = find_category(combo()->currentText().toStdString());
    ASSERT_NE(start, nullptr) << combo()->currentText().toStdString();
    EXPECT_FALSE(name().isEmpty());
    EXPECT_EQ(shown_picture_size(), picture_size(*start));
    EXPECT_EQ(control<QLabel>("Image1")->size(), picture_size(*start));
    EXPECT_EQ(control<QLabel>("DescrLab")->text(), text_of(category_description(start->picture_key)));
    EXPECT_EQ(window.huevo(), "0");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("QUELVARINOX 2.1"));
}

TEST_F(StartUp, EachStartIsOneOfTheCategories)
{
    std::set<QString> starts;
    for (int run = 0; run < 40; ++run) {
        window_.reset();
        open_window(std::make_unique<ClockRandom>());
        EXPECT_NE(find_category(combo()->currentText().toStdString()), nullptr);
        starts.insert(combo()->currentText());
    }
    EXPECT_GT(starts.size(), 1U);
}

// Position n + 1 takes the uniform values [n/35, (n+1)/35): each of the 35
// categories is as likely as any other, and every one can come up.
TEST(StartEntry, SplitsTheUniformRangeIntoEqualShares)
{
    constexpr std::size_t count = 35;
    for (std::size_t n = 0; n < count; ++n) {
        const double low = static_cast<double>(n) / count;
        const double high = std::nextafter(static_cast<double>(n + 1) / count, 0.0);
        FixedRandom random{low, high};
        EXPECT_EQ(draw_start_entry(random, count), n + 1) << low;
        EXPECT_EQ(draw_start_entry(random, count), n + 1) << high;
        EXPECT_EQ(random.reseeds, 2);
    }
    FixedRandom top{std::nextafter(1.0, 0.0)};
    EXPECT_EQ(draw_start_entry(top, 1000003), 1000003U);
}

struct Placement {
    const char* control;
    QRect pixels;
};

// The design's twips, 15 to a pixel.
TEST_F(StartUp, ControlsStandWhereTheDesignPutsThem)
{
    open_window();
    const Placement placements[] = {
        {"Combo1", {8, 8, 129, 21}},    {"Command1", {152, 8, 97, 33}}, {"Text1", {8, 48, 257, 19}},
        {"DescrLab", {8, 32, 249, 121}}, {"Label1", {48, 72, 169, 33}}, {"Ayu1", {8, 8, 289, 73}},
        {"Ayu2", {8, 80, 289, 137}},    {"Acer1", {8, 7, 289, 81}},     {"Acer2", {8, 87, 289, 33}},
        {"Acer3", {8, 116, 289, 17}},
    };
    for (const Placement& placement : placements)
        EXPECT_EQ(control<QWidget>(placement.control)->geometry(), placement.pixels) << placement.control;
    EXPECT_EQ(control<QWidget>("Image1")->pos(), QPoint(272, 8));
}

TEST_F(StartUp, FontsColoursAndTexts)
{
    open_window();
    const QFont button = control<QPushButton>("Command1")->font();
    EXPECT_EQ(button.family(), QStringLiteral("Impact"));
    EXPECT_DOUBLE_EQ(button.pointSizeF(), 14.25);
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Generar"));
    const QFont address = control<QLabel>("Label1")->font();
    EXPECT_EQ(address.family(), QStringLiteral("MS Sans Serif"));
    // Where the design's font is missing, the face shown is one of our plain
    // fallbacks, never whatever the system offers in its place (a symbol font).
    for (const QFont& font : {button, address}) {
        const QString shown = QFontInfo(font).family();
        EXPECT_TRUE(font.families().contains(shown)) << shown.toStdString();
    }
    for (const char* blue : {"Label1", "Acer3"}) {
        auto* label = control<QLabel>(blue);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << blue;
        EXPECT_TRUE(label->text().startsWith(QStringLiteral("http://"))) << blue;
    }
    for (const char* wrapping : {"DescrLab", "Label1", "Ayu1", "Ayu2", "Acer1", "Acer2", "Acer3"})
        EXPECT_TRUE(control<QLabel>(wrapping)->wordWrap()) << wrapping;
    EXPECT_TRUE(control<QLabel>("Ayu1")->text().startsWith(QStringLiteral("Este programa, Quelvarinox, es un")));
    EXPECT_TRUE(control<QLabel>("Ayu2")->text().endsWith(QStringLiteral("Y si presionas \"Salir\", apagas el invento.")));
}

TEST_F(StartUp, TabOrderRunsFromTheNameBoxToTheButtonToTheList)
{
    open_window();
    auto* name_box = control<QLineEdit>("Text1");
    EXPECT_EQ(QApplication::focusWidget(), name_box);
    QTest::keyClick(name_box, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), combo());
}

}  // namespace
}  // namespace quelvarinox::testing
