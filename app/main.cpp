#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "store/AppState.h"
#include "windows/WindowOwner.h"
#include "windows/start/StartUpFrm.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Whether the process runs in a container (Docker, Podman, LXC, Kubernetes), where
// the kernel features the browser engine's sandbox needs are usually withheld.
bool inContainer()
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    if (fs::exists("/.dockerenv", ignored) || fs::exists("/run/.containerenv", ignored))
        return true;
    std::ifstream cgroups("/proc/1/cgroup");
    for (std::string line; std::getline(cgroups, line);) {
        for (const char* word : {"docker", "lxc", "kubepods", "containerd", "libpod"}) {
            if (line.find(word) != std::string::npos)
                return true;
        }
    }
    return false;
}

// The embedded browser runs its pages in a sandbox. Chromium refuses to start that
// sandbox as root, and inside containers it lacks the namespaces it is built on, so
// the browser windows would stay empty. Only there is it switched off; a user who
// set the variable keeps their choice.
void allowBrowserWithoutSandboxWhereNeeded()
{
    if (::geteuid() == 0 || inContainer())
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
}

} // namespace

int main(int argc, char** argv)
{
    allowBrowserWithoutSandboxWhereNeeded();
    // The embedded browser shares its drawing contexts with the windows; this must
    // be said before the application object exists. The browser itself starts only
    // when a window that shows one opens.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlecase"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brindlecase.Brindlecase"));
    QApplication::setQuitOnLastWindowClosed(false);

    store::AppState state;
    state.ProgramFolder = platform::chooseProgramFolder(platform::programFolderPlaces());
    platform::DesktopServices desktop(QString::fromStdString(state.ProgramFolder.string()));
    windows::WindowOwner owner(state, desktop.services());

    windows::StartUpFrm& start = owner.startUp();
    start.show();
    start.activateWindow();
    // Closing the start window before a file is open ends the program; once the main
    // window is up, "shut-down" ends it.
    QObject::connect(&application, &QApplication::lastWindowClosed, &application, [&owner] {
        if (!owner.isDataFrmLoaded())
            QApplication::quit();
    });
    return application.exec();
}
