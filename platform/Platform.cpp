#include "platform/Platform.h"

#include "platform/PrintDialogs.h"
#include "platform/Shell.h"
#include "platform/WebEngineBrowser.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSoundEffect>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <array>
#include <vector>

namespace platform {
namespace {

class QtMessageBoxes : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    int ask(QWidget* parent, const QString& title, const QString& text, const QStringList& answers) override
    {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
        std::vector<QAbstractButton*> buttons;
        for (qsizetype i = 0; i < answers.size(); ++i) {
            const bool last = i + 1 == answers.size();
            buttons.push_back(box.addButton(answers[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
        }
        if (!buttons.empty()) {
            box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
            box.setEscapeButton(buttons.back());
        }
        box.exec();
        const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
        return chosen == buttons.end() ? static_cast<int>(answers.size()) - 1
                                       : static_cast<int>(chosen - buttons.begin());
    }
};

class QtTrayIcon : public TrayIcon {
public:
    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

    void add(const QIcon& icon, const QString& tip, std::function<void(int)> onMessage) override
    {
        icon_ = std::make_unique<QSystemTrayIcon>(icon);
        icon_->setToolTip(tip);
        QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                         [onMessage](QSystemTrayIcon::ActivationReason reason) {
                             if (const int code = trayCode(reason))
                                 onMessage(code);
                         });
        icon_->show();
    }

    void remove() override { icon_.reset(); }
    bool isShown() const override { return icon_ != nullptr; }

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
};

class QtClickSounds : public ClickSounds {
public:
    explicit QtClickSounds(const QString& programFolder) : folder_(programFolder) {}

    void play(int sound) override
    {
        if (sound < 1 || sound > 3)
            return;
        const QString file = QDir(folder_).filePath(QStringLiteral("s%1.wav").arg(sound));
        if (!QFileInfo::exists(file))
            return;
        auto& effect = effects_[static_cast<std::size_t>(sound - 1)];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(file));
        }
        effect->stop(); // every click plays from the start
        effect->play();
    }

private:
    QString folder_;
    std::array<std::unique_ptr<QSoundEffect>, 3> effects_;
};

class SystemClock : public Clock {
public:
    QDate currentDate() override { return QDate::currentDate(); }
    QTime currentTime() override { return QTime::currentTime(); }
};

} // namespace

int trayCode(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: return TrayIcon::kLeftButtonUp;
    case QSystemTrayIcon::DoubleClick: return TrayIcon::kDoubleClick;
    case QSystemTrayIcon::Context: return TrayIcon::kRightButtonUp;
    default: return 0;
    }
}

DesktopServices::DesktopServices(const QString& programFolder)
    : messages_(std::make_unique<QtMessageBoxes>()),
      tray_(std::make_unique<QtTrayIcon>()),
      sounds_(std::make_unique<QtClickSounds>(programFolder)),
      clock_(std::make_unique<SystemClock>()),
      launcher_(std::make_unique<DesktopLauncher>()),
      browsers_(std::make_unique<WebEngineBrowserFactory>()),
      printing_(std::make_unique<DesktopPrintDialogs>())
{
}

DesktopServices::~DesktopServices() = default;

Services DesktopServices::services()
{
    return {*messages_, *tray_, *sounds_, *clock_, *launcher_, *browsers_, *printing_};
}

void SetWindowOpacity(QWidget* window, int level)
{
    window->setWindowOpacity(std::clamp(level, 0, 255) / 255.0);
}

HandPointer::HandPointer(const QString& programFolder)
    : picture_(QDir(programFolder).filePath(QStringLiteral("HandPointer3232.ico")))
{
    loaded_ = !picture_.isNull();
}

void HandPointer::applyTo(QWidget* widget) const
{
    if (loaded_)
        widget->setCursor(QCursor(picture_, 6, 0));
}

} // namespace platform
