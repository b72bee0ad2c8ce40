#include <algorithm>
#include <string>
#include <vector>

#include <QFontMetrics>
#include <QMenuBar>
#include <QTimer>

#include "app/fit_text.h"
#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

struct ExpectedView {
    const char* menu;
    QSize outer_pixels;
    std::vector<std::string_view> shown;
};

// In the order of the menu bar; the outer sizes are the design's twips, 15 to a pixel.
const ExpectedView views[] = {
    {"Mnu_Ppal", {380, 150}, {"Combo1", "Command1", "Text1", "Label1", "Image1"}},
    {"Mnu_Ayuda", {320, 275}, {"Ayu1", "Ayu2"}},
    {"Mnu_Descr", {380, 217}, {"Combo1", "Image1", "DescrLab"}},
    {"Mnu_Acerca", {320, 186}, {"Acer1", "Acer2", "Acer3"}},
};

class Views : public WindowTest {
protected:
    void expect_view(const ExpectedView& view, const std::string& how)
    {
        EXPECT_EQ(window_->frameGeometry().size(), view.outer_pixels) << how;
        for (const QWidget* control : window_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const std::string name = control->objectName().toStdString();
            EXPECT_EQ(control->isVisible(), std::ranges::find(view.shown, name) != view.shown.end()) << how << name;
        }
        // Every command stays on the bar, however narrow the view.
        const QMenuBar* bar = window_->menuBar();
        for (QAction* command : bar->actions())
            EXPECT_TRUE(bar->contentsRect().contains(bar->actionGeometry(command))) << how;
        EXPECT_EQ(window_->windowTitle(), QStringLiteral("QUELVARINOX 2.1")) << how;
    }
};

// Nothing but the view changes: not the category, picture, name, description or mode.
TEST_F(Views, EveryViewLooksTheSameWhateverCameBeforeIt)
{
    write_every_picture();
    open_window();
    click("Image1");
    const WindowState before = state();
    expect_view(views[0], "start");
    for (const ExpectedView& first : views)
        for (const ExpectedView& second : views) {
            choose_menu(first.menu);
            choose_menu(second.menu);
            expect_view(second, std::string(first.menu) + " then " + second.menu);
            choose_menu(second.menu);
            expect_view(second, std::string(second.menu) + " twice");
        }
    EXPECT_TRUE(state() == before);
    EXPECT_EQ(dispatches(), 0);

    // Each caption reads as designed; choose_menu has used its key for Alt.
    QStringList captions;
    for (QAction* command : window_->menuBar()->actions()) {
        EXPECT_EQ(command->menu(), nullptr);
        captions << QString(command->text()).remove(QLatin1Char('&'));
    }
    EXPECT_EQ(captions.join(QLatin1Char('|')), QStringLiteral("Principal|Ayuda|Descripcion|Acerca de|Salir"));
}

// The list still works there, and still writes a name into the hidden box.
TEST_F(Views, TheDescriptionViewShowsTheSelectedCategorysDescription)
{
    write_every_picture();
    open_window();
    choose_menu("Mnu_Descr");
    const QString before = name();
    pick_with_mouse(text_of(category_table().back().display_text));
    EXPECT_EQ(control<QLabel>("DescrLab")->text(), description_of(category_table().back()));
    EXPECT_EQ(shown_picture_size(), picture_size(category_table().back()));
    EXPECT_NE(name(), before);
}

// Whatever the desktop's font, no text runs past its label: no paragraph, address or description.
TEST_F(Views, EveryLabelShowsAllItsText)
{
    open_window();
    const auto expect_whole = [](const QLabel* label) {
        const QRect room(0, 0, label->width(), 100000);
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, wrap, label->text());
        EXPECT_TRUE(QRect(QPoint(), label->size()).contains(needed)) << label->objectName().toStdString();
    };
    for (const QLabel* label : window_->centralWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        expect_whole(label);
    for (const Category& category : category_table()) {
        paste_into_combo(text_of(category.display_text));
        expect_whole(control<QLabel>("DescrLab"));
    }
}

// What no window text reaches: a text too long for any legible size stops at six points, in its family.
TEST(FitText, StopsAtSixPointsInTheGivenFamily)
{
    QLabel label(QStringList(1000, QStringLiteral("xxxx")).join(QLatin1Char(' ')));
    label.setWordWrap(true);
    label.resize(100, 20);
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPointSizeF(10);
    fit_text(label, base);
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 6.0);
    EXPECT_EQ(label.font().family(), base.family());
}

// "Salir" leaves the event loop at once, with status 0.
TEST_F(Views, SalirEndsTheProgram)
{
    open_window();
    QTimer::singleShot(0, window_.get(), [this] { choose_menu("Mnu_Salir"); });
    QTimer::singleShot(5000, window_.get(), [] { QApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(dispatches(), 0);
}

}  // namespace
}  // namespace quelvarinox::testing
