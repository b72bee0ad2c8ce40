// The window on Qt's offscreen platform: how long one dispatch takes (a pick from
// the list or a press of "Generar", the picture read again each time), and how
// long the window takes from its construction to its first name on the screen.
#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/form1.h"
#include "categories/category_table.h"
#include "core/random_source.h"

namespace quelvarinox::app {
namespace {

// A directory with a dibujos folder holding every built-in picture, made the
// current one, as when the program is started from its own folder.
class PictureFolder {
public:
    PictureFolder() : previous_(QDir::currentPath())
    {
        QDir(directory_.path()).mkdir(QStringLiteral("dibujos"));
        for (const Category& category : detail::category_table()) {
            const QString file = QString::fromStdString(picture_file_name(category));
            QFile::copy(QStringLiteral(":/dibujos/") + file, directory_.filePath(QStringLiteral("dibujos/") + file));
        }
        QDir::setCurrent(directory_.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous_); }

private:
    QTemporaryDir directory_;
    QString previous_;
};

struct OpenWindow {
    detail::SeededRandom random{detail::random_run_seed()};
    Form1 window{random};

    explicit OpenWindow(benchmark::State& state)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the window never appeared");
    }
};

void BM_GenerarPress(benchmark::State& state)
{
    const PictureFolder pictures;
    OpenWindow open(state);
    auto* button = open.window.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state)
        button->click();
}
BENCHMARK(BM_GenerarPress)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The same from a directory without pictures: each one comes from the program itself.
void BM_GenerarPressWithBuiltInPictures(benchmark::State& state)
{
    OpenWindow open(state);
    auto* button = open.window.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state)
        button->click();
}
BENCHMARK(BM_GenerarPressWithBuiltInPictures)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Each iteration picks the next or the previous item with the arrow keys.
void BM_PickFromTheList(benchmark::State& state)
{
    const PictureFolder pictures;
    OpenWindow open(state);
    auto* list = open.window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    list->setCurrentIndex(0);
    bool down = true;
    for (auto _ : state) {
        QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
        down = !down;
    }
}
BENCHMARK(BM_PickFromTheList)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// From the construction of the window to its first name painted on the screen.
void BM_StartToFirstName(benchmark::State& state)
{
    const PictureFolder pictures;
    for (auto _ : state) {
        detail::SeededRandom random(detail::random_run_seed());
        auto window = std::make_unique<Form1>(random);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("the window never appeared");
        auto* name = window->findChild<QLineEdit*>(QStringLiteral("Text1"));
        name->repaint();
        benchmark::DoNotOptimize(name->text());
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstName)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace quelvarinox::app

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
