#include "support/WindowHarness.h"

#include "windows/main/DataFrm.h"

#include <QMouseEvent>

namespace fs = std::filesystem;

namespace testing_support {

WindowHarness::WindowHarness()
{
    state.ProgramFolder = folder.path();
    fs::copy(fs::path(BRINDLECASE_ASSETS) / "pictures", folder.path() / "pictures");
    owner = std::make_unique<windows::WindowOwner>(state, fakes.services());
}

WindowHarness::~WindowHarness()
{
    owner.reset();
}

void WindowHarness::writeSettings(const std::string& lines)
{
    folder.write("settings.txt", lines);
}

windows::DataFrm& WindowHarness::openData(const std::string& fileBytes, const std::string& name)
{
    state.DataFilePath = folder.write(name, fileBytes);
    state.FileEncrypted = false;
    windows::DataFrm& main = owner->dataFrm();
    main.show();
    main.LoadDataFile(state.DataFilePath);
    return main;
}

windows::DataFrm& WindowHarness::openFile(const std::string& name, const std::string& password, bool encrypted)
{
    state.DataFilePath = folder.file(name);
    state.FileEncrypted = encrypted;
    state.FilePassword = password;
    windows::DataFrm& main = owner->dataFrm();
    main.show();
    main.LoadDataFile(state.DataFilePath);
    return main;
}

void WindowHarness::click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void WindowHarness::hover(QWidget* control)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(control->rect().center()), QPointF(control->mapToGlobal(control->rect().center())),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

void WindowHarness::type(QWidget* control, const QString& text)
{
    for (const QChar c : text) {
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
