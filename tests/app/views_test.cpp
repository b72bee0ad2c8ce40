#include <algorithm>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "categories/descriptions.h"
#include "tests/app/window_fixture.h"

namespace quelvarinox::testing {
namespace {

struct ExpectedView {
    const char* menu;
    QSize outer_pixels;
    std::vector<const char*> shown;
};

const char* const all_controls[] = {"Combo1", "Command1", "Text1", "Label1", "Image1", "DescrLab",
                                    "Ayu1",   "Ayu2",     "Acer1", "Acer2",  "Acer3"};

// The outer sizes in twips, 15 to a pixel: 5700 × 2250, 5700 × 3255, 4800 × 4125, 4800 × 2790.
const ExpectedView views[] = {
    {"Mnu_Ppal", {380, 150}, {"Combo1", "Command1", "Text1", "Label1", "Image1"}},
    {"Mnu_Descr", {380, 217}, {"Combo1", "Image1", "DescrLab"}},
    {"Mnu_Ayuda", {320, 275}, {"Ayu1", "Ayu2"}},
    {"Mnu_Acerca", {320, 186}, {"Acer1", "Acer2", "Acer3"}},
};

class Views : public WindowTest {
protected:
    void expect_view(const ExpectedView& view, const std::string& how)
    {
        EXPECT_EQ(window_->frameGeometry().size(), view.outer_pixels) << how;
        for (const char* name : all_controls) {
            const bool shown = std::ranges::find(view.shown, std::string_view(name)) != view.shown.end();
            EXPECT_EQ(control<QWidget>(name)->isVisible(), shown) << how << ": " << name;
        }
        EXPECT_EQ(window_->windowTitle(), QStringLiteral("QUELVARINOX 2.1")) << how;
    }
};

TEST_F(Views, TheWindowOpensOnTheMainView)
{
    open_window();
    expect_view(views[0], "start");
}

TEST_F(Views, EveryViewLooksTheSameWhateverCameBeforeIt)
{
    open_window();
    for (const ExpectedView& first : views)
        for (const ExpectedView& second : views) {
            choose_menu(first.menu);
            choose_menu(second.menu);
            expect_view(second, std::string(first.menu) + " then " + second.menu);
            choose_menu(second.menu);
            expect_view(second, std::string(second.menu) + " twice");
        }
}

TEST_F(Views, MenuBarHoldsTheFiveCommandsWithoutSubmenus)
{
    open_window();
    QStringList captions;
    for (QAction* action : window_->menuBar()->actions()) {
        captions << QString(action->text()).remove(QLatin1Char('&'));
        EXPECT_EQ(action->menu(), nullptr);
    }
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Principal"), QStringLiteral("Ayuda"),
                                     QStringLiteral("Descripcion"), QStringLiteral("Acerca de"),
                                     QStringLiteral("Salir")}));
}

TEST_F(Views, TheDescriptionViewShowsTheSelectedCategorysDescription)
{
    write_every_picture();
    open_window();
    const Category& picked = category_table()[category_table().size() / 2];
    paste_into_combo(text_of(picked.display_text));
    choose_menu("Mnu_Descr");
    auto* description = control<QLabel>("DescrLab");
    EXPECT_TRUE(description->isVisible());
    EXPECT_EQ(description->text(), text_of(category_description(picked.picture_key)));

    // The list still works there, and still writes a name into the hidden box.
    const Category& next = category_table().front();
    const QString before = name();
    pick_with_mouse(text_of(next.display_text));
    EXPECT_EQ(description->text(), text_of(category_description(next.picture_key)));
    EXPECT_EQ(shown_picture_size(), picture_size(next));
    EXPECT_NE(name(), before);
    EXPECT_FALSE(control<QLineEdit>("Text1")->isVisible());
}

TEST_F(Views, SwitchingViewsKeepsCategoryPictureNameAndMode)
{
    write_every_picture();
    Form1& window = open_window();
    QTest::mouseClick(control<QLabel>("Image1"), Qt::LeftButton);
    const QString category_text = combo()->currentText();
    const QString shown_name = name();
    const QSize picture = shown_picture_size();
    for (const char* menu : {"Mnu_Ayuda", "Mnu_Acerca", "Mnu_Descr", "Mnu_Ppal"})
        choose_menu(menu);
    EXPECT_EQ(dispatches(), 0);
    EXPECT_EQ(combo()->currentText(), category_text);
    EXPECT_EQ(name(), shown_name);
    EXPECT_EQ(shown_picture_size(), picture);
    EXPECT_EQ(window.huevo(), "1");
}

TEST_F(Views, EveryMenuCommandStaysOnTheBarInEveryView)
{
    open_window();
    QMenuBar* bar = window_->menuBar();
    for (const ExpectedView& view : views) {
        choose_menu(view.menu);
        for (QAction* action : bar->actions()) {
            const QRect place = bar->actionGeometry(action);
            EXPECT_FALSE(place.isEmpty()) << view.menu << ": " << action->text().toStdString();
            EXPECT_LE(place.right(), bar->contentsRect().right()) << view.menu << ": " << action->text().toStdString();
        }
    }
}

// Whatever the desktop's font, no paragraph runs past the bottom of its box.
TEST_F(Views, EveryParagraphFitsItsBox)
{
    open_window();
    const auto expect_fits = [this](const char* name) {
        auto* label = control<QLabel>(name);
        const QRect room(0, 0, label->width(), 100000);
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->height()) << name << ": " << label->text().toStdString();
        EXPECT_EQ(label->font().family(), window_->centralWidget()->font().family()) << name;
    };
    for (const char* paragraph : {"Ayu1", "Ayu2", "Acer1", "Acer2"})
        expect_fits(paragraph);
    for (const Category& category : category_table()) {
        paste_into_combo(text_of(category.display_text));
        expect_fits("DescrLab");
    }
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
