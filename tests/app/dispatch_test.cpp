#include <QFontMetrics>

#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

class Dispatch : public WindowTest {
protected:
    void SetUp() override
    {
        write_every_picture();
        open_window();
        previous_name_ = name();
    }

    // After `count` dispatches, the category's picture, description and a new name are on show.
    void expect_showing(const Category& shown, int count = 1)
    {
        EXPECT_EQ(dispatches(), count) << shown.display_text;
        EXPECT_EQ(combo()->currentText(), text_of(shown.display_text));
        EXPECT_EQ(shown_picture_size(), picture_size(shown)) << shown.picture_key;
        EXPECT_EQ(control<QLabel>("DescrLab")->text(), description_of(shown));
        EXPECT_FALSE(name().isEmpty());
        EXPECT_NE(name(), previous_name_) << shown.display_text;
        previous_name_ = name();
        dispatch_spy_->clear();
    }

    QString previous_name_;
};

// Each pick reads the picture of its own key, whatever the display text; so does a pick of the selected item.
TEST_F(Dispatch, EveryPickAndEveryPressOfGenerarShowsTheCategoryAfresh)
{
    for (const Category& picked : category_table()) {
        pick_with_mouse(text_of(picked.display_text));
        expect_showing(picked);
    }
    pick_with_mouse(combo()->currentText());
    expect_showing(category_table().back());
    // Each press of "Generar" reads the picture again.
    write_picture(category_table().back().picture_key, QSize(61, 17));
    click("Command1");
    EXPECT_EQ(dispatches(), 1);
    EXPECT_EQ(control("Image1")->size(), QSize(61, 17));
    EXPECT_NE(name(), previous_name_);
}

// Typing is a change of the text, a pick with the arrow keys a pick; neither the end of the editing (focus leaving
// the box) nor Return adds another.
TEST_F(Dispatch, AKeyboardPickOrATypedNameDispatchesOnce)
{
    paste_into_combo(text_of(category_table().front().display_text));
    expect_showing(category_table().front());
    press(Qt::Key_Down);
    expect_showing(category_table()[1]);
    control("Text1")->setFocus();
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dispatches(), 0);
}

// A category's name with a letter taken away or put after it names nothing: the text becomes "Alderaan",
// whose own change runs a whole dispatch inside this one.
TEST_F(Dispatch, EveryTypedCharacterThatNamesNothingTurnsTheTextIntoAlderaan)
{
    const Category* alderaan = find_category("Alderaan");
    ASSERT_NE(alderaan, nullptr);
    for (const Qt::Key edit : {Qt::Key_Backspace, Qt::Key_X}) {
        paste_into_combo(text_of(category_table().front().display_text));
        expect_showing(category_table().front());
        press(Qt::Key_End);
        press(edit);
        expect_showing(*alderaan, 2);
    }
}

// A name wider than the box shows from its first letter, not from its end.
TEST_F(Dispatch, ALongNameShowsItsStart)
{
    auto* box = control<QLineEdit>("Text1");
    box->resize(box->height(), box->height());
    click("Command1");
    ASSERT_GT(QFontMetrics(box->font()).horizontalAdvance(name()), box->width()) << name().toStdString();
    EXPECT_EQ(box->cursorPosition(), 0);
}

}  // namespace
}  // namespace quelvarinox::testing
