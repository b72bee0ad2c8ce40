#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "app/picture_reader.h"
#include "categories/category_table.h"

namespace quelvarinox::testing {

inline QString text_of(std::string_view utf8) { return QString::fromUtf8(utf8.data(), std::ssize(utf8)); }
inline QString description_of(const Category& category) { return text_of(category.description); }

// What the dispatch and the picture click leave behind.
struct WindowState {
    QString category;
    QString name;
    QString description;
    QSize picture;
    std::string huevo;
    bool operator==(const WindowState&) const = default;
};

// Each test runs in an empty directory of its own, made the current one, so that the window reads whatever pictures
// the test puts in its dibujos folder.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        EXPECT_TRUE(QDir(directory_.path()).mkdir(QStringLiteral("dibujos")));
        EXPECT_TRUE(QDir::setCurrent(directory_.path()));
    }
    ~WindowTest() override { QDir::setCurrent(previous_directory_); }

    // dibujos/plnt_<key>.jpg of the test's directory, or of the pictures built into the program.
    static QString picture_path(std::string_view key, const char* folder = "dibujos/")
    {
        return QString::fromLatin1(folder) + QStringLiteral("plnt_") + text_of(key) + QStringLiteral(".jpg");
    }
    static QSize built_in_size(std::string_view key) { return read_picture(picture_path(key, ":/dibujos/")).size(); }
    // Each category's picture of a size of its own: the size shown tells which file was read.
    static QSize picture_size(const Category& category)
    {
        const int position = static_cast<int>(position_of(category));
        return {40 + position, 20 + position};
    }
    static void write_picture(std::string_view key, QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(picture_path(key), "JPEG"));
    }
    static void write_every_picture()
    {
        for (const Category& category : category_table())
            write_picture(category.picture_key, picture_size(category));
    }

    // Opens the window on `random`, or on a seeded source, shown, active and counting its dispatches from then on.
    Form1& open_window(std::unique_ptr<RandomSource> random = std::make_unique<SeededRandom>(2026))
    {
        dispatch_spy_.reset();
        window_.reset();
        random_ = std::move(random);
        window_ = std::make_unique<Form1>(*random_);
        dispatch_spy_ = std::make_unique<QSignalSpy>(window_.get(), &Form1::dispatched);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }

    template <class Widget = QWidget>
    Widget* control(const char* name) const
    {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* combo() const { return control<QComboBox>("Combo1"); }
    QString name() const { return control<QLineEdit>("Text1")->text(); }
    QSize shown_picture_size() const { return control<QLabel>("Image1")->pixmap().size(); }
    WindowState state() const
    {
        return {combo()->currentText(), name(), control<QLabel>("DescrLab")->text(), shown_picture_size(),
                window_->huevo()};
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    int dispatches() const { return static_cast<int>(dispatch_spy_->count()); }

    // A key typed as a user types it: to the window, which hands it to the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(window_->windowHandle(), key, with); }
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(control(name), button); }
    // Picks an item from the open list with the mouse, as a user does.
    void pick_with_mouse(const QString& text)
    {
        const int index = combo()->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << text.toStdString();
        combo()->showPopup();
        QAbstractItemView* list = combo()->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QModelIndex item = list->model()->index(index, 0);
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
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<Form1> window_;
    std::unique_ptr<QSignalSpy> dispatch_spy_;

private:
    QString previous_directory_ = QDir::currentPath();
};

}  // namespace quelvarinox::testing
