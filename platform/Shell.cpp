#include "platform/Shell.h"

#include "platform/MailLauncher.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <unistd.h>

namespace platform {
namespace {

// "https:", "mailto:" and the like; a single letter and a colon is a drive.
bool isAddress(const QString& target, QString& scheme)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const auto match = pattern.match(target);
    if (!match.hasMatch())
        return false;
    scheme = match.captured(1).toLower();
    return true;
}

// Asks the desktop which program opens a MIME type; an empty answer means none.
// Without the desktop's tool there is no way to ask, and opening is left to try.
bool desktopHasProgramFor(const QString& mimeType)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return true;
    QProcess query;
    query.start(tool, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(3000))
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool canLaunch()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
}

// Web addresses also open in the system's browser when no program is registered
// for their scheme, as the desktop's opener falls back to it.
bool browserOpens(const QString& mimeType)
{
    if (mimeType != QLatin1String("x-scheme-handler/http") && mimeType != QLatin1String("x-scheme-handler/https"))
        return false;
    return !qEnvironmentVariableIsEmpty("BROWSER") || !QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty()
        || !QStandardPaths::findExecutable(QStringLiteral("www-browser")).isEmpty();
}

} // namespace

QString ShellErrorText(int code)
{
    switch (code) {
    case 2: return QStringLiteral("File not found");
    case 3: return QStringLiteral("Path not found");
    case 5: return QStringLiteral("Access denied");
    case 8: return QStringLiteral("Out of memory");
    case 11: return QStringLiteral("Invalid EXE file or error in EXE image");
    case 26: return QStringLiteral("A sharing violation occurred");
    case 27: return QStringLiteral("Incomplete or invalid file association");
    case 28: return QStringLiteral("DDE Time out");
    case 29: return QStringLiteral("DDE transaction failed");
    case 30: return QStringLiteral("DDE busy");
    case 31: return QStringLiteral("No association for file extension");
    case 32: return QStringLiteral("DLL not found");
    default: return QStringLiteral("Unknown error");
    }
}

int shellResult(const TargetFacts& facts)
{
    if (!facts.isAddress) {
        if (!facts.folderExists)
            return shell::kPathNotFound;
        if (!facts.exists)
            return shell::kFileNotFound;
        if (!facts.readable)
            return shell::kAccessDenied;
    }
    if (!facts.hasProgram)
        return shell::kNoAssociation;
    return facts.launched ? shell::kOpened : shell::kUnknownError;
}

int DesktopLauncher::ShellOpen(const QString& target)
{
    TargetFacts facts;
    QString scheme;
    QUrl url;
    if (isAddress(target, scheme) && scheme != QLatin1String("file")) {
        facts.isAddress = true;
        facts.hasProgram = hasProgramFor(QStringLiteral("x-scheme-handler/") + scheme);
        url = QUrl(target, QUrl::TolerantMode);
    } else {
        const QString path = scheme == QLatin1String("file") ? QUrl(target).toLocalFile() : target;
        const QFileInfo info(path);
        facts.exists = info.exists();
        facts.folderExists = info.absoluteDir().exists();
        facts.readable = facts.exists && ::access(QFile::encodeName(info.absoluteFilePath()).constData(), R_OK) == 0;
        if (facts.exists && facts.readable) {
            const QString type = info.isDir() ? QStringLiteral("inode/directory")
                                              : QMimeDatabase().mimeTypeForFile(info).name();
            facts.hasProgram = hasProgramFor(type);
        }
        url = QUrl::fromLocalFile(info.absoluteFilePath());
    }
    if (shellResult(facts) == shell::kUnknownError) // everything checked: try it
        facts.launched = openUrl(url);
    return shellResult(facts);
}

bool DesktopLauncher::hasProgramFor(const QString& mimeType)
{
    return canLaunch() && (desktopHasProgramFor(mimeType) || browserOpens(mimeType));
}

bool DesktopLauncher::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void DesktopLauncher::openMail(const QString& address)
{
    // The address is written "mailto: " and the address; a mail program wants no
    // blank after the colon. The e-mail group separates its members with ";", mail
    // programs expect the "," of the mailto standard.
    QString url = address;
    url.replace(QRegularExpression(QStringLiteral("^mailto:\\s*"), QRegularExpression::CaseInsensitiveOption),
                QStringLiteral("mailto:"));
    const qsizetype query = url.indexOf(QLatin1Char('?'));
    for (qsizetype i = 0; i < (query < 0 ? url.size() : query); ++i) {
        if (url[i] == QLatin1Char(';'))
            url[i] = QLatin1Char(',');
    }
    openUrl(QUrl(url, QUrl::TolerantMode));
}

void DesktopLauncher::composeMail(const QString& address, const QString& attachment)
{
    SystemMailDesktop desktop;
    MailLauncher(desktop).send(address, attachment);
}

void OpenLink(const QString& target, Launcher& launcher, MessageBoxes& messages, QWidget* parent)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int result = launcher.ShellOpen(target);
    QApplication::restoreOverrideCursor();
    if (result <= 32)
        messages.information(parent, QStringLiteral("Brindlecase"), ShellErrorText(result));
}

} // namespace platform
