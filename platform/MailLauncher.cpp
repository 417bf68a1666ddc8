#include "platform/MailLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QUrl mailUrl(const QString& address)
{
    return QUrl(address, QUrl::TolerantMode);
}

void MailLauncher::send(const QString& address, const QString& attachment)
{
    const QUrl url = mailUrl(address);
    if (!attachment.isEmpty()) {
        const QString xdgEmail = desktop_.findProgram(QStringLiteral("xdg-email"));
        if (!xdgEmail.isEmpty()
            && desktop_.startProgram(xdgEmail, {QStringLiteral("--attach"), attachment,
                                                url.toString(QUrl::FullyEncoded)})) {
            return;
        }
    }
    desktop_.openAddress(url);
}

QString SystemMailDesktop::findProgram(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

bool SystemMailDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool SystemMailDesktop::openAddress(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}

} // namespace platform
