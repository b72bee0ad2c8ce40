#include <vector>

#include <QLabel>
#include <QTest>

#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

class Dispatch : public WindowTest {
protected:
    void SetUp() override
    {
        write_every_picture();
        open_window();
    }

    // The category's picture, description and a fresh name are on show.
    void expect_showing(const Category& shown, const QString& previous_name)
    {
        EXPECT_EQ(combo()->currentText(), text_of(shown.display_text));
        EXPECT_EQ(shown_picture_size(), picture_size(shown)) << shown.picture_key;
        EXPECT_EQ(control<QLabel>("DescrLab")->text(), text_of(shown.description));
        EXPECT_FALSE(name().isEmpty());
        EXPECT_NE(name(), previous_name);
    }

    // Some category other than the current one, for picks that change the text.
    const Category& another_category() const
    {
        const auto table = category_table();
        return table[(static_cast<std::size_t>(combo()->currentIndex()) + 1) % table.size()];
    }
};

TEST_F(Dispatch, AMousePickDispatchesOnce)
{
    for (int round = 0; round < 3; ++round) {
        const Category& next = another_category();
        const QString before = name();
        dispatch_spy_->clear();
        pick_with_mouse(text_of(next.display_text));
        EXPECT_EQ(dispatches(), 1) << next.display_text;
        expect_showing(next, before);
    }
}

TEST_F(Dispatch, PickingTheSelectedItemAgainDispatchesOnce)
{
    const QString current = combo()->currentText();
    pick_with_mouse(current);
    EXPECT_EQ(dispatches(), 1);
    EXPECT_EQ(combo()->currentText(), current);
}

TEST_F(Dispatch, AKeyboardPickDispatchesOnce)
{
    combo()->setFocus();
    const Category& next = category_table()[1];
    // Home moves the cursor of the editable box, not the list: start from the
    // first item directly.
    combo()->setCurrentIndex(0);
    dispatch_spy_->clear();
    const QString before = name();
    QTest::keyClick(combo(), Qt::Key_Down);
    EXPECT_EQ(dispatches(), 1);
    expect_showing(next, before);
}

// The paste is one typed change of the text; the end of the editing that
// follows (focus leaving the box) must not add a pick of its own.
TEST_F(Dispatch, ATypedTextThatNamesACategoryDispatchesOnce)
{
    const Category& typed = another_category();
    const QString before = name();
    paste_into_combo(text_of(typed.display_text));
    EXPECT_EQ(dispatches(), 1);
    expect_showing(typed, before);

    control<QLineEdit>("Text1")->setFocus();
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dispatches(), 1);
}

TEST_F(Dispatch, EveryTypedCharacterIsAChange)
{
    if (!find_category("Alderaan"))
        GTEST_SKIP() << "the list has no \"Alderaan\" yet";
    paste_into_combo(text_of(another_category().display_text));
    ASSERT_EQ(dispatches(), 1);
    QTest::keyClick(combo()->lineEdit(), Qt::Key_End);
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Alderaan"));
    EXPECT_EQ(dispatches(), 1 + 2);
}

// A category's name with an "x" typed after it names nothing: the text becomes
// "Alderaan", whose own change runs a whole dispatch inside this one; the outer
// one then writes one more name.
TEST_F(Dispatch, ATextThatNamesNothingBecomesAlderaanThroughANestedDispatch)
{
    if (!find_category("Alderaan"))
        GTEST_SKIP() << "the list has no \"Alderaan\" yet";
    paste_into_combo(text_of(another_category().display_text));
    dispatch_spy_->clear();
    std::vector<QString> names_at_each_end;
    std::vector<QString> texts_at_each_end;
    QObject::connect(window_.get(), &Form1::dispatched, window_.get(), [&] {
        names_at_each_end.push_back(name());
        texts_at_each_end.push_back(combo()->currentText());
    });
    const QString before = name();
    QTest::keyClick(combo()->lineEdit(), Qt::Key_End);
    QTest::keyClick(combo()->lineEdit(), Qt::Key_X);

    EXPECT_EQ(dispatches(), 2);
    ASSERT_EQ(names_at_each_end.size(), 2U);
    EXPECT_EQ(texts_at_each_end, (std::vector<QString>{QStringLiteral("Alderaan"), QStringLiteral("Alderaan")}));
    EXPECT_NE(names_at_each_end[0], before);
    EXPECT_NE(names_at_each_end[1], names_at_each_end[0]);
    expect_showing(category("Alderaan"), names_at_each_end[0]);
}

TEST_F(Dispatch, GenerarKeepsTheCategoryAndGivesANewNameAtEachPress)
{
    const QString category_text = combo()->currentText();
    auto* button = control<QPushButton>("Command1");
    for (int press = 1; press <= 3; ++press) {
        const QString before = name();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(dispatches(), press);
        expect_showing(category(category_text.toStdString()), before);
    }
}

TEST_F(Dispatch, TheSpaceBarPressesGenerarOnceItHasTheFocus)
{
    auto* button = control<QPushButton>("Command1");
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), button);
    dispatch_spy_->clear();
    const QString before = name();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(dispatches(), 1);
    EXPECT_NE(name(), before);
}

TEST_F(Dispatch, PicturesAreReadAgainAtEveryDispatch)
{
    const Category& shown = category(combo()->currentText().toStdString());
    write_picture(shown.picture_key, QSize(61, 17));
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(shown_picture_size(), QSize(61, 17));
    EXPECT_EQ(control<QLabel>("Image1")->size(), QSize(61, 17));
}

TEST_F(Dispatch, ThePicturePathFollowsThePictureKeyNotTheDisplayText)
{
    for (const char* display_text : {"varkhenos", "Garos IV", "planetas", "Draenell's point", "Nam Chorios"}) {
        const Category* entry = find_category(display_text);
        if (!entry)
            continue;
        pick_with_mouse(text_of(entry->display_text));
        EXPECT_EQ(shown_picture_size(), picture_size(*entry)) << display_text;
    }
}

}  // namespace
}  // namespace quelvarinox::testing
