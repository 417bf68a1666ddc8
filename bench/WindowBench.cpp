// One keystroke in the main window's search box over a file at the format's limit:
// the store searched, the result list rebuilt and the window repainted.

#include "bench/GeneratedStore.h"
#include "platform/Shell.h"
#include "platform/WebEngineBrowser.h"
#include "store/AppState.h"
#include "store/DataFile.h"
#include "windows/WindowOwner.h"
#include "windows/main/DataFrm.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class QuietMessages : public platform::MessageBoxes {
public:
    void information(QWidget*, const QString&, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    int ask(QWidget*, const QString&, const QString&, const QStringList& answers) override
    {
        return static_cast<int>(answers.size()) - 1;
    }
};
class NoTray : public platform::TrayIcon {
public:
    bool isAvailable() const override { return false; }
    void add(const QIcon&, const QString&, std::function<void(int)>) override {}
    void remove() override {}
    bool isShown() const override { return false; }
};
class NoSounds : public platform::ClickSounds {
public:
    void play(int) override {}
};
class FixedClock : public platform::Clock {
public:
    QDate currentDate() override { return QDate(2026, 12, 6); }
    QTime currentTime() override { return QTime(12, 0); }
};

struct OpenWindow {
    fs::path folder;
    store::AppState state;
    QuietMessages messages;
    NoTray tray;
    NoSounds sounds;
    FixedClock clock;
    platform::DesktopLauncher launcher;
    platform::WebEngineBrowserFactory browsers;
    std::unique_ptr<windows::WindowOwner> owner;
    windows::DataFrm* window = nullptr;
    QLineEdit* search = nullptr;

    OpenWindow()
    {
        char pattern[] = "/tmp/brindlecase-window-bench-XXXXXX";
        folder = ::mkdtemp(pattern);
        state.ProgramFolder = folder;
        state.Settings.ColourScheme = 5;
        state.Records = bench::generateStore();
        state.DataFilePath = folder / "limit.bcn";
        store::SaveDataFile(state);
        owner = std::make_unique<windows::WindowOwner>(state, platform::Services{messages, tray, sounds, clock, launcher, browsers});
        window = &owner->dataFrm();
        window->show();
        window->LoadDataFile(state.DataFilePath);
        search = window->findChild<QLineEdit*>(QStringLiteral("SearchTxt"));
    }
    ~OpenWindow()
    {
        owner.reset();
        fs::remove_all(folder);
    }
};

// Made by main() inside the application's lifetime, so the window goes before it.
OpenWindow* theWindow = nullptr;

OpenWindow& openWindow()
{
    return *theWindow;
}

// Alternates between two texts so that every keystroke changes the box.
void BM_WindowSearchKeystroke(benchmark::State& run, const char* first, const char* second)
{
    OpenWindow& open = openWindow();
    bool flip = false;
    for (auto _ : run) {
        open.search->setText(QString::fromLatin1(flip ? second : first));
        open.window->repaint();
        flip = !flip;
    }
}

BENCHMARK_CAPTURE(BM_WindowSearchKeystroke, gar, "ga", "gar")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_WindowSearchKeystroke, nomatch, "qx", "qxz")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_WindowSearchKeystroke, common, "e", "a")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    {
        OpenWindow window;
        theWindow = &window;
        benchmark::RunSpecifiedBenchmarks();
        theWindow = nullptr;
    }
    benchmark::Shutdown();
    std::printf("\ntarget: one search keystroke in the window under 16 ms\n");
    return 0;
}
