#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "store/AppState.h"
#include "windows/WindowOwner.h"
#include "windows/start/StartUpFrm.h"

#include <QApplication>

int main(int argc, char** argv)
{
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
    // Closing the start window before a file is open ends the program; once the main
    // window is up, "shut-down" ends it.
    QObject::connect(&application, &QApplication::lastWindowClosed, &application, [&owner] {
        if (!owner.isDataFrmLoaded())
            QApplication::quit();
    });
    return application.exec();
}
