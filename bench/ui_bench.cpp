// What the main window costs: creating it until its first frame is shown, next to an empty
// QMainWindow in the same run, and a preset from the menu with every widget refreshed.

#include "ui/dialogs/user_dialogs.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

quarvel::ui::UserDialogs& dialogs = quarvel::ui::silentDialogs();

template <typename MakeWindow> void untilFirstFrame(benchmark::State& state, MakeWindow make) {
    for (auto _ : state) {
        QMainWindow* window = make();
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            state.SkipWithError("the window was never shown");
        }
        window->repaint(); // the first frame, drawn now rather than at the next update

        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void EmptyMainWindowFirstFrame(benchmark::State& state) {
    untilFirstFrame(state, [] { return new QMainWindow; });
}
BENCHMARK(EmptyMainWindowFirstFrame)->Unit(benchmark::kMillisecond);

void MainWindowFirstFrame(benchmark::State& state) {
    untilFirstFrame(state, [] {
        auto* window = new quarvel::ui::MainWindow(dialogs);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    });
}
BENCHMARK(MainWindowFirstFrame)->Unit(benchmark::kMillisecond);

void PresetFromMenu(benchmark::State& state) {
    quarvel::ui::MainWindow window(dialogs);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    auto* highFps = window.findChild<QAction*>(QStringLiteral("mnuPreFPS"));
    auto* defaults = window.findChild<QAction*>(QStringLiteral("mnuPreDefault"));
    for (auto _ : state) {
        highFps->trigger();
        defaults->trigger();
        QApplication::processEvents();
    }
    state.SetLabel("High FPS then Default");
}
BENCHMARK(PresetFromMenu)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
