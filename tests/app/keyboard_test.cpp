#include <string>

#include <QMenuBar>

#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

using Keyboard = WindowTest;

// A view that hides the focused control passes the focus to one it shows, or to the window: then no key changes
// anything, and back in the main view the name box has the focus.
TEST_F(Keyboard, KeysNeverReachAHiddenControl)
{
    write_every_picture();
    open_window();
    for (const char* menu : {"Mnu_Ppal", "Mnu_Descr", "Mnu_Ayuda", "Mnu_Acerca"})
        for (const char* focused : {"Text1", "Command1", "Combo1", "Image1"}) {
            const std::string how = std::string(focused) + " then " + menu;
            choose_menu("Mnu_Ppal");
            control(focused)->setFocus();
            choose_menu(menu);
            ASSERT_NE(focus(), nullptr) << how;
            EXPECT_TRUE(focus()->isVisible()) << how;
            if (focus() != window_.get())
                continue;
            const WindowState before = state();
            dispatch_spy_->clear();
            for (const Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Down, Qt::Key_Backspace})
                press(key);
            choose_menu("Mnu_Ppal");
            EXPECT_EQ(focus(), control("Text1")) << how;
            EXPECT_TRUE(state() == before) << how;
            EXPECT_EQ(dispatches(), 0) << how;
        }
}

// Tab runs from the name box to the button, the list and the picture, which then shows that it has the focus; the
// space bar presses the button.
TEST_F(Keyboard, TheMainViewWorksFromTheKeyboardAlone)
{
    open_window();
    EXPECT_EQ(focus(), control("Text1"));
    const QImage unfocused_picture = control("Image1")->grab().toImage();
    for (const char* next : {"Command1", "Combo1", "Image1", "Text1", "Command1"}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focus(), control(next)) << next;
        if (focus() == control("Image1")) {
            EXPECT_NE(control("Image1")->grab().toImage(), unfocused_picture);
        }
    }
    const QString before = name();
    press(Qt::Key_Space);
    EXPECT_EQ(dispatches(), 1);
    EXPECT_NE(name(), before);
}

TEST_F(Keyboard, EveryControlHasANameAndADescriptionForScreenReaders)
{
    open_window();
    auto controls = window_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls << window_->menuBar()) {
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(control->accessibleDescription().isEmpty()) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace quelvarinox::testing
