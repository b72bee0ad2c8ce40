#include <algorithm>

#include <QKeyEvent>

#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

constexpr std::uint64_t seed = 77;

// Every reseed starts the same stream again, so a generator gives the same name at every call: what changes between
// two calls is only what the window passes.
class RepeatingRandom final : public PcgSource {
public:
    RepeatingRandom() { reseed(); }
    void reseed() override { seed_engine(seed, ~seed); }
};

// The name a generator gives on a source that repeats itself, in one mode.
QString name_in_mode(const Category& category, const char* huevo)
{
    RepeatingRandom random;
    GenerationContext ctx(random);
    ctx.huevo = huevo;
    std::string name;
    category.generator(ctx, name);
    return QString::fromStdString(name);
}

using AlternativeMode = WindowTest;

// With the focus on the picture, the space bar and Enter click it too. Another button, a click beside it, another key
// or a key held down do nothing.
TEST_F(AlternativeMode, EachClickOrKeyOnThePictureTogglesTheFlagAndNothingElse)
{
    write_every_picture();
    open_window();
    WindowState expected = state();
    const auto expect_mode = [&](const char* huevo) {
        expected.huevo = huevo;
        EXPECT_TRUE(state() == expected) << huevo;
    };
    click("Image1");
    expect_mode("1");
    press(Qt::Key_Space);
    expect_mode("0");
    press(Qt::Key_Return);
    expect_mode("1");
    press(Qt::Key_Enter, Qt::KeypadModifier);
    expect_mode("0");
    click("Image1", Qt::RightButton);
    QTest::mouseClick(control("Image1"), Qt::LeftButton, {}, QPoint(control("Image1")->width() + 5, 1));
    press(Qt::Key_A);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(control("Image1"), &held);
    expect_mode("0");
    EXPECT_EQ(dispatches(), 0);
}

// On a source that repeats itself each generator gives one name per mode: the window's names show which mode it
// handed over.
TEST_F(AlternativeMode, GeneratorsThatReadTheFlagGetTheWindowsMode)
{
    open_window(std::make_unique<RepeatingRandom>());
    bool some_reader_changes = false;
    for (const Category& category : category_table()) {
        paste_into_combo(text_of(category.display_text));
        const QString off = name_in_mode(category, "0");
        EXPECT_EQ(name(), off) << category.display_text;

        click("Image1");
        click("Command1");
        const QString on = name_in_mode(category, "1");
        EXPECT_EQ(name(), on) << category.display_text;
        if (!category.reads_huevo) {
            EXPECT_EQ(on, off) << category.display_text;
        }
        some_reader_changes = some_reader_changes || (category.reads_huevo && on != off);
        click("Image1");
    }
    EXPECT_EQ(some_reader_changes, std::ranges::any_of(category_table(), &Category::reads_huevo));
}

}  // namespace
}  // namespace quelvarinox::testing
