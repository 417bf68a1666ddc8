// One keystroke in the main window's search box over a file at the format's limit:
// the store searched, the result list rebuilt and the window repainted. Then the
// memory the program and its browser engine keep after the help page has been
// opened in the preview window and closed again 50 times.

#include "bench/GeneratedStore.h"
#include "platform/PrintDialogs.h"
#include "platform/Shell.h"
#include "platform/WebEngineBrowser.h"
#include "store/AppState.h"
#include "store/DataFile.h"
#include "windows/WindowOwner.h"
#include "windows/main/DataFrm.h"
#include "windows/preview/PreviewFrm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

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
    platform::DesktopPrintDialogs printing;
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
        owner = std::make_unique<windows::WindowOwner>(state, platform::Services{messages, tray, sounds, clock, launcher, browsers, printing});
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

// A process's resident memory in KiB (0 when it is gone), from /proc/PID/status.
long residentKiB(long pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

// The resident memory of every process this one started, and theirs in turn: the
// browser engine's helper processes.
long helpersKiB()
{
    std::map<long, long> parentOf;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const long pid = std::atol(entry.path().filename().c_str());
        std::ifstream stat(entry.path() / "stat");
        std::string text;
        if (pid <= 0 || !std::getline(stat, text))
            continue;
        const std::size_t close = text.rfind(')');
        long parent = 0;
        if (close != std::string::npos && std::sscanf(text.c_str() + close + 2, "%*c %ld", &parent) == 1)
            parentOf[pid] = parent;
    }
    long total = 0;
    for (const auto& [pid, parent] : parentOf) {
        for (long up = parent; up > 1; up = parentOf.count(up) ? parentOf[up] : 0) {
            if (up == ::getpid()) {
                total += residentKiB(pid);
                break;
            }
        }
    }
    return total;
}

// Opens the help page in the preview window, waits until the browser shows it, and
// closes the window, which is then deleted.
void openAndCloseHelp(windows::WindowOwner& owner)
{
    windows::previewHelpPage(owner);
    windows::PreviewFrm& preview = owner.previewFrm();
    QElapsedTimer waited;
    waited.start();
    while (preview.browser().title() != QLatin1String("Brindlecase 2008 - Help") && waited.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    preview.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void measurePreviewMemory(OpenWindow& open)
{
    const QString help = QString::fromStdString((open.folder / "help").string());
    QDir().mkpath(help);
    for (const QString& name : QDir(QStringLiteral(BRINDLECASE_ASSETS "/help")).entryList(QDir::Files))
        QFile::copy(QStringLiteral(BRINDLECASE_ASSETS "/help/") + name, help + QLatin1Char('/') + name);
    openAndCloseHelp(*open.owner); // the engine starts with the first one
    const long programBefore = residentKiB(::getpid()), helpersBefore = helpersKiB();
    for (int i = 0; i < 50; ++i)
        openAndCloseHelp(*open.owner);
    const long programAfter = residentKiB(::getpid()), helpersAfter = helpersKiB();
    std::printf("\npreview opened and closed 50 times after a first one (resident memory, /proc/PID/status VmRSS):\n"
                "  program          %7.1f MB -> %7.1f MB (%+.1f MB)\n"
                "  engine helpers   %7.1f MB -> %7.1f MB (%+.1f MB)\n",
                programBefore / 1024.0, programAfter / 1024.0, (programAfter - programBefore) / 1024.0,
                helpersBefore / 1024.0, helpersAfter / 1024.0, (helpersAfter - helpersBefore) / 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The browser engine's sandbox cannot start as root or in most containers,
    // where benchmarks usually run.
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    {
        OpenWindow window;
        theWindow = &window;
        benchmark::RunSpecifiedBenchmarks();
        measurePreviewMemory(window);
        theWindow = nullptr;
    }
    benchmark::Shutdown();
    std::printf("\ntarget: one search keystroke in the window under 16 ms\n");
    return 0;
}
