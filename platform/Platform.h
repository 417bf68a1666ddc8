#pragma once

#include <QDate>
#include <QPixmap>
#include <QTime>
#include <QString>
#include <QStringList>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class QWidget;
class QIcon;

namespace platform {

// Message boxes with the information icon.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question with the given answers, the first one the default; Escape or the
    // close box takes the last. Returns the index of the answer chosen.
    virtual int ask(QWidget* parent, const QString& title, const QString& text, const QStringList& answers) = 0;
};

// The tray icon of the main window. Its clicks arrive as the codes of the tray
// table: 514 left button up, 515 double click, 517 right button up.
class TrayIcon {
public:
    static constexpr int kLeftButtonUp = 514;
    static constexpr int kDoubleClick = 515;
    static constexpr int kRightButtonUp = 517;

    virtual ~TrayIcon() = default;
    virtual bool isAvailable() const = 0;
    virtual void add(const QIcon& icon, const QString& tip, std::function<void(int code)> onMessage) = 0;
    virtual void remove() = 0;
    virtual bool isShown() const = 0;
};

// The tray table's code for a click on the desktop's tray icon; 0 for a click the
// table has no row for.
int trayCode(QSystemTrayIcon::ActivationReason reason);

// The three click sounds "s1.wav", "s2.wav" and "s3.wav" of the program's folder.
class ClickSounds {
public:
    virtual ~ClickSounds() = default;
    // Plays sound 1, 2 or 3 from its start. A missing file or audio device leaves
    // the sound out quietly.
    virtual void play(int sound) = 0;
};

// The present date and time; each call is a separate reading of the clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate currentDate() = 0;
    virtual QTime currentTime() = 0;
};

// Everything that blocks or leaves the process, gathered for the windows; a test
// hands in fakes.
class Launcher;
class BrowserFactory;
class PrintDialogs;

struct Services {
    MessageBoxes& messages;
    TrayIcon& tray;
    ClickSounds& sounds;
    Clock& clock;
    Launcher& launcher;
    BrowserFactory& browsers;
    PrintDialogs& printing;
};

// The desktop's own implementations.
class DesktopServices {
public:
    explicit DesktopServices(const QString& programFolder);
    ~DesktopServices();
    Services services();

private:
    std::unique_ptr<MessageBoxes> messages_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<ClickSounds> sounds_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Launcher> launcher_;
    std::unique_ptr<BrowserFactory> browsers_;
    std::unique_ptr<PrintDialogs> printing_;
};

// Window opacity from a level 0 (invisible) to 255 (opaque).
void SetWindowOpacity(QWidget* window, int level);

// The hand pointer, the cursor file "HandPointer3232.ico" of the program's folder,
// loaded once and shown over buttons; left out quietly when the file is missing.
class HandPointer {
public:
    explicit HandPointer(const QString& programFolder);
    void applyTo(QWidget* widget) const;
    bool isLoaded() const { return loaded_; }

private:
    QPixmap picture_;
    bool loaded_ = false;
};

} // namespace platform
