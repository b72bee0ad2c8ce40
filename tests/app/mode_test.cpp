#include <algorithm>

#include <QLabel>
#include <QTest>

#include "tests/app/repeating_random.h"
#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

constexpr std::uint64_t seed = 77;

// The name a generator gives on a source that repeats itself, in one mode.
QString name_in_mode(const Category& category, const char* huevo)
{
    RepeatingRandom random(seed);
    GenerationContext ctx(random);
    ctx.huevo = huevo;
    std::string name;
    category.generator(ctx, name);
    return QString::fromStdString(name);
}

class AlternativeMode : public WindowTest {
protected:
    void click_picture() { QTest::mouseClick(control<QLabel>("Image1"), Qt::LeftButton); }
};

TEST_F(AlternativeMode, EachClickOnThePictureTogglesTheFlagAndNothingElse)
{
    write_every_picture();
    Form1& window = open_window();
    const QString category_text = combo()->currentText();
    const QString shown_name = name();
    const QString description = control<QLabel>("DescrLab")->text();
    const QSize picture = shown_picture_size();

    for (const char* expected : {"1", "0", "1", "0"}) {
        click_picture();
        EXPECT_EQ(window.huevo(), expected);
        EXPECT_EQ(dispatches(), 0);
        EXPECT_EQ(combo()->currentText(), category_text);
        EXPECT_EQ(name(), shown_name);
        EXPECT_EQ(control<QLabel>("DescrLab")->text(), description);
        EXPECT_EQ(shown_picture_size(), picture);
    }
}

TEST_F(AlternativeMode, ARightClickOrAClickBesideThePictureLeavesTheFlag)
{
    Form1& window = open_window();
    auto* picture = control<QLabel>("Image1");
    QTest::mouseClick(picture, Qt::RightButton);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(picture->width() + 5, 1));
    EXPECT_EQ(window.huevo(), "0");
}

// On a source that repeats itself each generator gives one name per mode: the
// window's names show which mode it handed over.
TEST_F(AlternativeMode, GeneratorsThatReadTheFlagGetTheWindowsMode)
{
    open_window(std::make_unique<RepeatingRandom>(seed));
    bool some_reader_changes = false;
    for (const Category& category : category_table()) {
        paste_into_combo(text_of(category.display_text));
        const QString off = name_in_mode(category, "0");
        EXPECT_EQ(name(), off) << category.display_text;

        click_picture();
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
        const QString on = name_in_mode(category, "1");
        EXPECT_EQ(name(), on) << category.display_text;
        if (!category.reads_huevo) {
            EXPECT_EQ(on, off) << category.display_text;
        }
        some_reader_changes = some_reader_changes || (category.reads_huevo && on != off);
        click_picture();
    }
    const bool any_reader =
        std::ranges::any_of(category_table(), [](const Category& category) { return category.reads_huevo; });
    EXPECT_EQ(some_reader_changes, any_reader);
}

}  // namespace
}  // namespace quelvarinox::testing
