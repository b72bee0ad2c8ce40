#pragma once

#include <memory>
#include <ostream>
#include <string>

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "app/picture_reader.h"
#include "categories/category_table.h"

namespace quelvarinox::app::testing {

inline QString text_of(std::string_view utf8) { return QString::fromUtf8(utf8.data(), std::ssize(utf8)); }

// A real JPEG of a gradient, whose scan is most of the file.
inline QByteArray jpeg_of(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, x * y % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    picture.save(&buffer, "JPEG");
    return bytes;
}

inline void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << qPrintable(path);
}

// What the dispatch and the picture click leave behind.
struct WindowState {
    QString category, name, description;
    QSize picture;
    std::string huevo;
    bool operator==(const WindowState&) const = default;
};

// So that a failed comparison shows both states whole.
inline void PrintTo(const WindowState& state, std::ostream* out)
{
    *out << "{category \"" << state.category.toStdString() << "\", name \"" << state.name.toStdString()
         << "\", picture " << state.picture.width() << "x" << state.picture.height() << ", huevo \"" << state.huevo
         << "\", description \"" << state.description.toStdString() << "\"}";
}

// Each test runs in an empty directory of its own, made the current one, whose dibujos folder holds each category's
// picture at a size of its own: the size shown tells which file was read.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        EXPECT_TRUE(QDir::setCurrent(directory_.path()) && QDir().mkdir(QStringLiteral("dibujos")));
        for (const Category& category : detail::category_table())
            write_picture(category.picture_key, picture_size(category));
    }
    ~WindowTest() override { QDir::setCurrent(previous_directory_); }

    static QString picture_path(std::string_view key) { return "dibujos/plnt_" + text_of(key) + ".jpg"; }
    static QSize built_in_size(std::string_view key) { return read_picture(":/" + picture_path(key)).size(); }
    static QSize picture_size(const Category& category) { return QSize(40, 20) + position_of(category) * QSize(1, 1); }
    static void write_picture(std::string_view key, QSize size) { write_bytes(picture_path(key), jpeg_of(size)); }

    // Opens the window on `random`, shown, active and counting its dispatches from then on.
    void open_window(std::unique_ptr<detail::RandomSource> random = std::make_unique<detail::SeededRandom>(2026))
    {
        window_.reset();
        random_ = std::move(random);
        window_ = std::make_unique<Form1>(*random_);
        QObject::connect(window_.get(), &Form1::dispatched, window_.get(), [this] { ++dispatches_; });
        dispatches_ = 0;
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    template <class Widget = QWidget>
    Widget* control(const char* name) const { return window_->findChild<Widget*>(QString::fromLatin1(name)); }
    QComboBox* combo() const { return control<QComboBox>("Combo1"); }
    QString name() const { return control<QLineEdit>("Text1")->text(); }
    WindowState state() const
    {
        return {combo()->currentText(), name(), control<QLabel>("DescrLab")->text(),
                control<QLabel>("Image1")->pixmap().size(), window_->huevo()};
    }
    // What `category` shows in the off mode, with the name on show.
    WindowState showing(const Category& category) const
    {
        return {text_of(category.display_text), name(), text_of(category.description), picture_size(category), "0"};
    }
    static QWidget* focus() { return QApplication::focusWidget(); }

    // A key typed as a user types it: to the window, which hands it to the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(window_->windowHandle(), key, with); }
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(control(name), button); }
    // Picks an item from the open list with the mouse, as a user does.
    void pick_with_mouse(const QString& text)
    {
        combo()->showPopup();
        QAbstractItemView* list = combo()->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QModelIndex item = list->model()->index(combo()->findText(text), 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    }
    // Selects all of Combo1's text and pastes `text` over it: one edit.
    void paste_into_combo(const QString& text)
    {
        QApplication::clipboard()->setText(text);
        combo()->lineEdit()->setFocus();
        QTest::keyClick(combo()->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(combo()->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    }
    // Chooses a menu command with its Alt key.
    void choose_menu(const char* name)
    {
        const QKeySequence key = QKeySequence::mnemonic(control<QAction>(name)->text());
        ASSERT_EQ(key.count(), 1) << name;
        press(key[0].key(), key[0].keyboardModifiers());
    }

    QTemporaryDir directory_;
    std::unique_ptr<detail::RandomSource> random_;
    std::unique_ptr<Form1> window_;
    int dispatches_ = 0;

private:
    QString previous_directory_ = QDir::currentPath();
};

}  // namespace quelvarinox::app::testing
