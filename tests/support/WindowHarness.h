#pragma once

#include "store/AppState.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "windows/WindowOwner.h"
#include "windows/controls/TagLabel.h"

#include <QTest>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>

namespace testing_support {

// A program folder of its own (with the program's pictures), the shared state, fake
// platform services and the window owner: everything a window test drives.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    // Writes settings.txt into the program folder.
    void writeSettings(const std::string& lines);

    // Writes a data file into the program folder and opens it as the start window
    // does: the main window is shown and loads it.
    windows::DataFrm& openData(const std::string& fileBytes, const std::string& name = "work.bcn");

    // Opens an existing file of the program folder, enciphered when a password is given.
    windows::DataFrm& openFile(const std::string& name, const std::string& password = std::string(),
                               bool encrypted = false);

    template <typename T = QWidget>
    T* find(QWidget* window, const QString& name)
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            throw std::runtime_error("no control " + name.toStdString());
        return found;
    }

    windows::TagLabel* label(QWidget* window, const QString& name) { return find<windows::TagLabel>(window, name); }

    // A real left click in the middle of a control.
    static void click(QWidget* control);
    // The pointer moving over a control with no button held.
    static void hover(QWidget* control);
    // Types text into a control key by key, letters beyond ASCII included.
    static void type(QWidget* control, const QString& text);

    TempFolder folder;
    store::AppState state;
    FakePlatform fakes;
    std::unique_ptr<windows::WindowOwner> owner;
};

} // namespace testing_support
