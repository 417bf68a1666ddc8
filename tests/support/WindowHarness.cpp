#include "support/WindowHarness.h"

#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>

#include <functional>

namespace fs = std::filesystem;

namespace testing_support {

WindowHarness::WindowHarness()
{
    state.ProgramFolder = folder.path();
    fs::copy(fs::path(BRINDLECASE_ASSETS) / "pictures", folder.path() / "pictures");
    owner = std::make_unique<windows::WindowOwner>(state, fakes.services());
}

// Windows unloaded during the test are deleted later; delete them now, while the
// state and the fake services they hold references to are still alive.
WindowHarness::~WindowHarness()
{
    owner.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

windows::DataFrm& WindowHarness::openData(const std::string& fileBytes, const std::string& name)
{
    folder.write(name, fileBytes);
    return openFile(name);
}

windows::DataFrm& WindowHarness::openFile(const std::string& name, const std::string& password, bool encrypted)
{
    state.DataFilePath = folder.file(name);
    state.FileEncrypted = encrypted;
    state.FilePassword = password;
    window = &owner->dataFrm();
    window->show();
    window->LoadDataFile(state.DataFilePath);
    return *window;
}

windows::StartUpFrm& WindowHarness::startUp()
{
    windows::StartUpFrm& start = owner->startUp();
    start.show();
    return start;
}

void WindowHarness::chooseFile(const QString& name)
{
    auto* list = find<QListWidget>(&startUp(), QStringLiteral("File1"));
    const auto found = list->findItems(name, Qt::MatchExactly);
    if (found.size() != 1)
        throw std::runtime_error("no single file " + name.toStdString() + " in the start window");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(found[0]).center());
}

QStringList WindowHarness::captions(const QString& prefix, int count)
{
    QStringList shown;
    for (int i = 0; i < count; ++i)
        shown.push_back(label(QStringLiteral("%1_%2").arg(prefix).arg(i))->text());
    return shown;
}

std::string WindowHarness::loadedWindows()
{
    windows::WindowOwner& o = *owner;
    QStringList shown;
    auto add = [&](bool loaded, const char* name, const std::function<QWidget*()>& window) {
        if (loaded)
            shown << QString::fromLatin1(name) + (window()->isVisible() ? '+' : '-');
    };
    add(o.isStartUpLoaded(), "start", [&] { return &o.startUp(); });
    add(o.isNewFileFrmLoaded(), "newfile", [&] { return &o.newFileFrm(); });
    add(o.isEncryptionFrmLoaded(), "password", [&] { return &o.encryptionFrm(); });
    add(o.isDataFrmLoaded(), "main", [&] { return &o.dataFrm(); });
    return shown.join(QLatin1Char(' ')).toStdString();
}

std::map<std::string, std::string> WindowHarness::filesIn(const std::filesystem::path& where)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(where.empty() ? folder.path() : where)) {
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = readFile(entry.path());
    }
    return files;
}

void WindowHarness::finishNote()
{
    windows::DataFrm& main = owner->dataFrm();
    for (int tick = 0; tick < 10000 && main.isTyping(); ++tick)
        main.Timer1_Timer();
}

void WindowHarness::hover(QWidget* control)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(control->rect().center()), QPointF(control->mapToGlobal(control->rect().center())),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

void WindowHarness::type(QWidget* control, const QString& text)
{
    control->setFocus();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control))
        edit->moveCursor(QTextCursor::End);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(control, Qt::Key_Return);
            continue;
        }
        if (c.unicode() < 0x80) {
            QTest::keyClick(control, c.toLatin1());
            continue;
        }
        for (QEvent::Type kind : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(kind, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(control, &key);
        }
    }
}

} // namespace testing_support
