#pragma once

#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "windows/WindowOwner.h"
#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <map>

namespace testing_support {

// A program folder of its own (with the program's pictures), the shared state, fake
// platform services and the window owner: everything a window test drives.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    // Writes settings.txt into the program folder.
    void writeSettings(const std::string& lines) { folder.write("settings.txt", lines); }

    // Writes a data file into the program folder and opens it as the start window
    // does: the main window is shown and loads it.
    windows::DataFrm& openData(const std::string& fileBytes, const std::string& name = "work.bcn");

    // Opens an existing file of the program folder, enciphered when a password is given.
    windows::DataFrm& openFile(const std::string& name, const std::string& password = std::string(),
                               bool encrypted = false);

    // The start window, shown; a click on one of its files; a click on button Label1_INDEX.
    windows::StartUpFrm& startUp();
    void chooseFile(const QString& name);
    void startButton(int index) { click(label(&startUp(), QStringLiteral("Label1_%1").arg(index))); }

    template <typename T = QWidget>
    T* find(QWidget* parent, const QString& name)
    {
        T* found = parent->findChild<T*>(name);
        if (!found)
            throw std::runtime_error("no control " + name.toStdString());
        return found;
    }
    windows::TagLabel* label(QWidget* parent, const QString& name) { return find<windows::TagLabel>(parent, name); }

    // Controls of the main window, however it was opened.
    template <typename T = QWidget>
    T* control(const QString& name)
    {
        if (!owner->isDataFrmLoaded())
            throw std::runtime_error("the main window is not open for control " + name.toStdString());
        return find<T>(&owner->dataFrm(), name);
    }
    windows::TagLabel* label(const QString& name) { return control<windows::TagLabel>(name); }
    // The captions of PREFIX_0 .. PREFIX_(count - 1).
    QStringList captions(const QString& prefix, int count);
    windows::TagLabel* command(int index) { return label(QStringLiteral("Label1_%1").arg(index)); }
    QPlainTextEdit* note() { return control<QPlainTextEdit>("FileNote"); }
    QLineEdit* status() { return control<QLineEdit>("StatusTxt"); }
    QScrollBar* bar(const char* name) { return control<QScrollBar>(name); }
    // A scroll bar of the main window as "hidden" or "1..2 at 1" (its range and value).
    std::string scrolling(const char* name)
    {
        const QScrollBar* b = bar(name);
        return b->isVisible() ? QStringLiteral("%1..%2 at %3").arg(b->minimum()).arg(b->maximum()).arg(b->value()).toStdString()
                              : "hidden";
    }
    // Types into the search box (a whole text at once, as a paste).
    void search(const QString& text) { control<QLineEdit>("SearchTxt")->setText(text); }
    // Clicks a row and lets the note display finish.
    void select(const QString& row) { click(label(row)); finishNote(); }
    // Searches and chooses the first master found.
    void chooseMaster(const QString& searched) { search(searched); select("Res_0"); }
    // Types a text at the end of the note, then "save changes".
    void save(const QString& typed = QString())
    {
        if (!typed.isEmpty())
            type(note(), typed);
        click(command(6));
        finishNote();
    }
    void finishNote();
    // The text of the last message shown, or nothing.
    std::string lastMessage() const { return fakes.messages.texts.empty() ? "" : fakes.messages.texts.back().toStdString(); }

    // The loaded windows in a fixed order, each marked "+" when shown and "-" when
    // hidden, e.g. "start- newfile+".
    std::string loadedWindows();
    // Every regular file of a folder (the program folder when none is given) with its bytes.
    std::map<std::string, std::string> filesIn(const std::filesystem::path& where = {});

    // A real left click in the middle of a control.
    static void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center()); }
    // The pointer moving over a control with no button held.
    static void hover(QWidget* control);
    // Types into a box at its end key by key, letters beyond ASCII included and a
    // line break as the Return key.
    static void type(QWidget* control, const QString& text);

    TempFolder folder;
    store::AppState state;
    FakePlatform fakes;
    std::unique_ptr<windows::WindowOwner> owner;
    windows::DataFrm* window = nullptr;
};

} // namespace testing_support
