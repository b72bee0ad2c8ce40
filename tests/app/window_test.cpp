#include <cmath>
#include <functional>
#include <string>

#include "app/start_entry.h"
#include "tests/app/window_fixture.h"
#include "tests/support/fixed_random.h"
#include "version/version.h"

namespace quelvarinox::app::testing {
namespace {

using Window = WindowTest;

// The start is drawn evenly over the list: seed 2 opens on its first item, 28 on Alderaan (the fallback). Controls
// stand in pixels, 15 twips to a pixel; a missing design font gives way to our plain fallbacks, never a symbol font.
// Each pick, typed or chosen, even of the selected item, dispatches once; Return and focus leaving the box do not.
TEST_F(Window, OpensOnTheDrawnCategoryAndShowsEachOnePickedOrTypedAfreshOnce)
{
    const std::size_t entries = detail::category_table().size();
    const auto total = static_cast<double>(entries);
    for (std::size_t n = 0; n < entries; ++n) {
        detail::testing::FixedRandom random{static_cast<double>(n) / total, std::nextafter(static_cast<double>(n + 1) / total, 0.0)};
        EXPECT_EQ(draw_start_entry(random, entries), n + 1) << n << " low";
        EXPECT_EQ(draw_start_entry(random, entries), n + 1) << n << " high";
        EXPECT_EQ(random.reseeds, 2);
    }
    for (const auto& [seed, start] : {std::pair(2, &detail::category_table().front()), {28, detail::find_category("Alderaan")}}) {
        open_window(std::make_unique<detail::SeededRandom>(seed));
        EXPECT_EQ(state(), showing(*start)) << seed;
    }
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("QUELVARINOX " QUELVARINOX_VERSION));
    EXPECT_FALSE(window_->windowIcon().isNull());
    for (const Category& category : detail::category_table())
        EXPECT_EQ(combo()->itemText(static_cast<int>(position_of(category)) - 1), text_of(category.display_text));
    const std::pair<const char*, QRect> placements[] = {
        {"Combo1", {8, 8, 129, 21}},     {"Command1", {152, 8, 97, 33}}, {"Text1", {8, 48, 257, 19}},
        {"DescrLab", {8, 32, 249, 121}}, {"Label1", {48, 72, 169, 33}},  {"Ayu1", {8, 8, 289, 73}},
        {"Ayu2", {8, 80, 289, 137}},     {"Acer1", {8, 7, 289, 81}},     {"Acer2", {8, 87, 289, 33}},
        {"Acer3", {8, 116, 289, 17}},
    };
    for (const auto& [which, pixels] : placements)
        EXPECT_EQ(control(which)->geometry(), pixels) << which;
    EXPECT_EQ(control("Image1")->pos(), QPoint(272, 8));
    for (const char* address : {"Label1", "Acer3"})
        EXPECT_EQ(control(address)->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << address;
    for (const auto& [which, design_font] : {std::pair("Command1", "Impact"), {"Label1", "MS Sans Serif"}}) {
        const QFont font = control(which)->font();
        EXPECT_EQ(font.families().front(), QLatin1String(design_font)) << which;
        EXPECT_TRUE(font.families().contains(QFontInfo(font).family())) << which;
        EXPECT_EQ(font.styleHint(), QFont::SansSerif) << which << ": past our fallbacks, fontconfig's sans face";
    }
    // "Generar" in large letters, as the help says.
    auto* button = control<QPushButton>("Command1");
    EXPECT_EQ(button->text(), QStringLiteral("Generar"));
    EXPECT_EQ(button->accessibleName(), button->text());
    EXPECT_GT(QFontInfo(button->font()).pointSizeF(), QFontInfo(window_->font()).pointSizeF() * 1.4);
    auto controls = window_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* each : controls << window_->menuBar())
        EXPECT_FALSE(each->accessibleName().isEmpty() || each->accessibleDescription().isEmpty())
            << qPrintable(each->objectName());

    QString previous_name = name();
    const auto expect_showing = [&](const Category& shown, int count = 1) {
        EXPECT_EQ(dispatches_, count) << shown.display_text;
        EXPECT_EQ(state(), showing(shown)) << shown.display_text;
        EXPECT_NE(name(), previous_name) << shown.display_text;
        previous_name = name();
        dispatches_ = 0;
    };
    choose_menu("Mnu_Descr");
    for (const Category& picked : detail::category_table()) {
        pick_with_mouse(text_of(picked.display_text));
        expect_showing(picked);
    }
    pick_with_mouse(combo()->currentText());
    expect_showing(detail::category_table().back());
    choose_menu("Mnu_Ppal");
    paste_into_combo(text_of(detail::category_table().front().display_text));
    expect_showing(detail::category_table().front());
    press(Qt::Key_Down);
    expect_showing(detail::category_table()[1]);
    control("Text1")->setFocus();
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dispatches_, 0);

    // A category's name with a letter taken away or put after it names nothing: the text becomes "Alderaan", whose
    // own change runs a whole dispatch inside this one.
    const Category& alderaan = *detail::find_category("Alderaan");
    for (const Qt::Key edit : {Qt::Key_Backspace, Qt::Key_X}) {
        paste_into_combo(text_of(detail::category_table().front().display_text));
        expect_showing(detail::category_table().front());
        press(Qt::Key_End);
        press(edit);
        expect_showing(alderaan, 2);
    }

    // Each press of "Generar" reads the picture again. A name wider than the box shows from its first letter.
    write_picture(alderaan.picture_key, QSize(61, 17));
    auto* box = control<QLineEdit>("Text1");
    box->resize(box->height(), box->height());
    click("Command1");
    EXPECT_EQ(dispatches_, 1);
    EXPECT_EQ(control("Image1")->size(), QSize(61, 17));
    ASSERT_GT(QFontMetrics(box->font()).horizontalAdvance(name()), box->width()) << name().toStdString();
    EXPECT_EQ(box->cursorPosition(), 0);
}

// A grammar file opened in the window joins the list after the 35 categories for the session, with its names, its
// description and the program's own picture; opened again after an edit it gives way to itself, and a file that is
// wrong, or that names itself like a category of the list, is refused with why, leaving the list as it was.
TEST_F(Window, OpensGrammarFilesIntoTheListForTheSession)
{
    open_window();
    const auto write = [](const char* file, const QString& text) { write_bytes(QString::fromLatin1(file), text.toUtf8()); };
    const QString grammar = QString::fromUtf8("nombre = \"Mi lengua\"\nclave = \"mi-lengua\"\ndescripcion = \"Una lengua.\"\n"
                                "[forma]\nfija = { palabras = 1 }\n[silabas]\npesos = [[1, 2]]\n"
                                "[ataque.pesos]\nk = 1\n[vocal.pesos]\na = 1\n[coda.pesos]\n\"\" = 1\n");
    write("mia.toml", grammar);
    const int builtins = combo()->count();
    const QSize planet_picture = built_in_size("planeta");
    for (const char* description : {"Una lengua.", "Otra descripción."}) {
        write("mia.toml", QString(grammar).replace(QStringLiteral("Una lengua."), QString::fromUtf8(description)));
        window_->open_grammar(QStringLiteral("mia.toml"));
        EXPECT_EQ(state(), (WindowState{QStringLiteral("Mi lengua"), QStringLiteral("Kaka"),
                                        QString::fromUtf8(description), planet_picture, "0"}));
        EXPECT_EQ(combo()->count(), builtins + 1);
        EXPECT_EQ(combo()->currentIndex(), builtins);
    }
    pick_with_mouse(QStringLiteral("Kuat"));
    pick_with_mouse(QStringLiteral("Mi lengua"));
    EXPECT_EQ(state().name, QStringLiteral("Kaka"));

    write("mal.toml", QStringLiteral("nombre = \"Mal\"\n"));
    write("tatooine.toml", QString(grammar).replace(QStringLiteral("Mi lengua"), QStringLiteral("Tatooine")));
    const std::pair<const char*, const char*> refused[] = {
        {"mal.toml", "mal.toml:1:1: falta «clave» al principio del fichero"},
        {"tatooine.toml", "La gramática «Tatooine» se llama como una categoría de la lista"},
        {"no-existe.toml", "No se puede leer la gramática «no-existe.toml»: no existe."},
    };
    for (const auto& [file, why] : refused) {
        const WindowState before = state();
        window_->open_grammar(QString::fromLatin1(file));
        auto* box = window_->findChild<QMessageBox*>(QStringLiteral("GrammarMistakes"));
        ASSERT_TRUE(box) << file;
        EXPECT_TRUE(box->informativeText().startsWith(QString::fromUtf8(why))) << box->informativeText().toStdString();
        box->done(0);
        QApplication::processEvents();
        EXPECT_EQ(state(), before) << file;
        EXPECT_EQ(combo()->count(), builtins + 1) << file;
    }
}

// In the order of the menu bar; the outer sizes are the design's twips, 15 to a pixel.
const struct ExpectedView {
    const char* menu;
    QSize outer_pixels;
    QStringList shown;
} views[] = {
    {"Mnu_Ppal", {380, 150}, {"Combo1", "Command1", "Text1", "Label1", "Image1"}},
    {"Mnu_Ayuda", {320, 275}, {"Ayu1", "Ayu2"}},
    {"Mnu_Descr", {380, 217}, {"Combo1", "Image1", "DescrLab"}},
    {"Mnu_Acerca", {320, 186}, {"Acer1", "Acer2", "Acer3"}},
};

// Tab runs through the main view; the picture shows its focus, and a click, Space or Enter on it toggles the mode and
// nothing else. A view change changes only the view; focus on a hidden control moves to a shown one or the window,
// where no key does anything, and back in the main view the name box has it.
TEST_F(Window, TheKeyboardReachesOnlyWhatTheViewShows)
{
    open_window();
    EXPECT_EQ(focus(), control("Text1"));
    QWidget* picture = control("Image1");
    const QImage unfocused_picture = picture->grab().toImage();
    for (const char* next : {"Command1", "Combo1", "Image1", "Text1", "Command1"}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focus(), control(next)) << next;
        EXPECT_EQ(picture->grab().toImage() == unfocused_picture, focus() != picture) << next;
    }
    press(Qt::Key_Space);

    const char modes[] = "101000001";  // after each action
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    const std::function<void()> actions[] = {
        [&] { click("Image1"); }, [&] { press(Qt::Key_Space); }, [&] { press(Qt::Key_Return); },
        [&] { press(Qt::Key_Enter, Qt::KeypadModifier); }, [&] { click("Image1", Qt::RightButton); },
        [&] { QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(picture->width() + 5, 1)); },
        [&] { press(Qt::Key_A); }, [&] { QApplication::sendEvent(picture, &held); }, [&] { click("Image1"); },
    };
    WindowState expected = state();
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        actions[i]();
        expected.huevo = modes[i];
        EXPECT_EQ(state(), expected) << i;
    }

    const auto expect_view = [this](const ExpectedView& view, const std::string& how) {
        EXPECT_EQ(window_->frameGeometry().size(), view.outer_pixels) << how;
        for (const QWidget* w : window_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_EQ(w->isVisible(), view.shown.contains(w->objectName())) << how << qPrintable(w->objectName());
        // Every command stays on the bar, however narrow the view, and opens no menu of its own.
        const QMenuBar* bar = window_->menuBar();
        for (QAction* command : bar->actions())
            EXPECT_TRUE(!command->menu() && bar->contentsRect().contains(bar->actionGeometry(command))) << how;
    };
    expect_view(views[0], "start");
    for (const ExpectedView& first : views)
        for (const ExpectedView& second : views)
            for (const char* focused : {"Text1", "Command1", "Combo1", "Image1"}) {
                const std::string how = std::string(focused) + ", " + first.menu + " then " + second.menu;
                choose_menu("Mnu_Ppal");
                control(focused)->setFocus();
                choose_menu(first.menu);
                choose_menu(second.menu);
                expect_view(second, how);
                ASSERT_TRUE(focus() && focus()->isVisible()) << how;
                if (focus() == window_.get()) {
                    for (const auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Down, Qt::Key_Backspace})
                        press(key);
                    choose_menu("Mnu_Ppal");
                    EXPECT_EQ(focus(), control("Text1")) << how;
                    choose_menu(second.menu);
                }
                choose_menu(second.menu);
                expect_view(second, how + " twice");
                EXPECT_EQ(state(), expected) << how;
            }

    // Each caption reads as designed; choose_menu has used its key for Alt. "Salir" leaves the event loop at once,
    // with status 0.
    QStringList captions;
    for (QAction* command : window_->menuBar()->actions())
        captions << QString(command->text()).remove(QLatin1Char('&'));
    EXPECT_EQ(captions.join(QLatin1Char('|')), QStringLiteral("Principal|Ayuda|Descripcion|Acerca de|Salir"));
    QTimer::singleShot(0, window_.get(), [this] { choose_menu("Mnu_Salir"); });
    QTimer::singleShot(5000, window_.get(), [] { QApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(dispatches_, 1);  // the space bar on the button
}

// Without a display, or with one that cannot be opened, the program says so in Spanish and ends with status 1
// (an empty variable counts as not set); with one it can use, it opens its window and stays.
TEST(DisplayCheck, TheProgramOpensOnADisplayItCanUseAndExplainsAnyOther)
{
    const char* const missing = "no están definidas ni DISPLAY (X11) ni WAYLAND_DISPLAY (Wayland)";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"HOME", "/root", missing},
        {"DISPLAY", "", missing},
        {"DISPLAY", ":9999", "no se ha podido abrir la ventana en la pantalla (DISPLAY=:9999, WAYLAND_DISPLAY=(sin"},
        {"WAYLAND_DISPLAY", "wayland-9999", "WAYLAND_DISPLAY=wayland-9999, QT_QPA_PLATFORM=(sin definir))"},
        {"QT_QPA_PLATFORM", "ninguna", "QT_QPA_PLATFORM=ninguna).\nComprueba"},
        {"QT_QPA_PLATFORM", "offscreen", nullptr},
    };
    for (const auto& [variable, value, explanation] : cases) {
        QProcessEnvironment environment;
        environment.insert(QString::fromLatin1(variable), QString::fromLatin1(value));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUELVARINOX_WINDOW), {});
        EXPECT_EQ(process.waitForFinished(explanation ? 20000 : 1500), explanation != nullptr) << value;
        process.kill();
        process.waitForFinished();
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(!explanation || errors.contains(QString::fromUtf8(explanation))) << errors.toStdString();
        EXPECT_TRUE(!explanation || process.exitCode() == 1) << variable << " ends with " << process.exitCode();
    }
}

}  // namespace
}  // namespace quelvarinox::app::testing

// The window tests run on Qt's offscreen platform, with or without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
