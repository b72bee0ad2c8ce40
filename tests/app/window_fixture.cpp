#include "tests/app/window_fixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTest>

#include "app/picture_reader.h"

namespace quelvarinox::testing {

WindowTest::WindowTest() : previous_directory_(QDir::currentPath())
{
    EXPECT_TRUE(directory_.isValid());
    EXPECT_TRUE(QDir(directory_.path()).mkdir(QStringLiteral("dibujos")));
    EXPECT_TRUE(QDir::setCurrent(directory_.path()));
}

WindowTest::~WindowTest()
{
    dispatch_spy_.reset();
    window_.reset();
    QDir::setCurrent(previous_directory_);
}

QString WindowTest::picture_path(std::string_view picture_key) const
{
    return directory_.filePath(QStringLiteral("dibujos/plnt_") + text_of(picture_key) + QStringLiteral(".jpg"));
}

void WindowTest::write_picture(std::string_view picture_key, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(picture_path(picture_key), "JPEG"));
}

QSize WindowTest::picture_size(const Category& category)
{
    const int position = static_cast<int>(position_of(category));
    return {40 + position, 20 + position};
}

void WindowTest::write_every_picture()
{
    for (const Category& category : category_table())
        write_picture(category.picture_key, picture_size(category));
}

QSize WindowTest::built_in_size(std::string_view picture_key)
{
    return read_picture(QStringLiteral(":/dibujos/plnt_") + text_of(picture_key) + QStringLiteral(".jpg")).size();
}

Form1& WindowTest::open_window(std::unique_ptr<RandomSource> random)
{
    random_ = random ? std::move(random) : std::make_unique<SeededRandom>(2026);
    window_ = std::make_unique<Form1>(*random_);
    dispatch_spy_ = std::make_unique<QSignalSpy>(window_.get(), &Form1::dispatched);
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
}

QSize WindowTest::shown_picture_size() const
{
    auto* picture = control<QLabel>("Image1");
    return picture->pixmap().isNull() ? QSize() : picture->pixmap().size();
}

void WindowTest::pick_with_mouse(const QString& text)
{
    QComboBox* list = combo();
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << text.toStdString();
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

void WindowTest::paste_into_combo(const QString& text)
{
    QApplication::clipboard()->setText(text);
    QLineEdit* edit = combo()->lineEdit();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void WindowTest::choose_menu(const char* name)
{
    auto* command = window_->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(command, nullptr) << name;
    command->trigger();
}

const Category& WindowTest::category(std::string_view display_text) const
{
    const Category* found = find_category(display_text);
    EXPECT_NE(found, nullptr) << display_text;
    return found ? *found : category_table().front();
}

}  // namespace quelvarinox::testing
