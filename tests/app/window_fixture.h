#pragma once

#include <memory>
#include <string_view>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "categories/category_table.h"
#include "core/random_source.h"

namespace quelvarinox::testing {

inline QString text_of(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Each test runs in an empty directory of its own, made the current one, so that
// the window reads whatever pictures the test puts in its dibujos folder.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // A picture of the given size at dibujos/plnt_<key>.jpg of the test's directory.
    void write_picture(std::string_view picture_key, QSize size);
    // One picture for every category, each of its own size (see picture_size).
    void write_every_picture();
    static QSize picture_size(const Category& category);
    // The size of the copy of a picture built into the program.
    static QSize built_in_size(std::string_view picture_key);
    QString picture_path(std::string_view picture_key) const;

    // Opens the window on `random` (a seeded source unless a test gives another),
    // shown, active and counting its dispatches from then on.
    Form1& open_window(std::unique_ptr<RandomSource> random = nullptr);

    template <class Widget>
    Widget* control(const char* name) const
    {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* combo() const { return control<QComboBox>("Combo1"); }
    QString name() const { return control<QLineEdit>("Text1")->text(); }
    QSize shown_picture_size() const;
    int dispatches() const { return static_cast<int>(dispatch_spy_->count()); }

    // Picks an item from the open list with the mouse, as a user does.
    void pick_with_mouse(const QString& text);
    // Selects all of Combo1's text and pastes `text` over it: one edit.
    void paste_into_combo(const QString& text);
    void choose_menu(const char* name);

    const Category& category(std::string_view display_text) const;

    QTemporaryDir directory_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<Form1> window_;
    std::unique_ptr<QSignalSpy> dispatch_spy_;

private:
    QString previous_directory_;
};

}  // namespace quelvarinox::testing
