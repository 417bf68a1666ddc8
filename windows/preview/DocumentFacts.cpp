#include "windows/preview/DocumentFacts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>

namespace windows {
namespace {

QString line(const char* name, const QString& value)
{
    return QString::fromLatin1(name) + QStringLiteral(": ") + value;
}

// Dates as the report pages write them.
QString dateText(const QDateTime& when)
{
    return QLocale(QLocale::English).toString(when, QStringLiteral("dd MMMM yyyy, hh:mm:ss"));
}

QString sizeText(qint64 bytes)
{
    return QLocale(QLocale::English).toString(bytes) + (bytes == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes"));
}

QString typeText(const QFileInfo& file)
{
    if (file.isDir())
        return QStringLiteral("folder");
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    return type.comment() + QStringLiteral(" (") + type.name() + QLatin1Char(')');
}

// What the user may do, then the owner's, group's and others' rights as "rwxr-x---".
QString permissionText(const QFileInfo& file)
{
    const QString may = file.isReadable() && file.isWritable() ? QStringLiteral("read and write")
                      : file.isReadable()                      ? QStringLiteral("read only")
                      : file.isWritable()                      ? QStringLiteral("write only")
                                                               : QStringLiteral("no access");
    static const QFileDevice::Permission bits[] = {
        QFileDevice::ReadOwner, QFileDevice::WriteOwner, QFileDevice::ExeOwner,
        QFileDevice::ReadGroup, QFileDevice::WriteGroup, QFileDevice::ExeGroup,
        QFileDevice::ReadOther, QFileDevice::WriteOther, QFileDevice::ExeOther,
    };
    QString marks;
    const QFileDevice::Permissions granted = file.permissions();
    for (int i = 0; i < 9; ++i)
        marks += granted.testFlag(bits[i]) ? QLatin1Char("rwx"[i % 3]) : QLatin1Char('-');
    return may + QStringLiteral(" (") + marks + QLatin1Char(')');
}

// Type, size and dates of a file that is there.
QStringList storedFacts(const QFileInfo& file)
{
    QStringList facts{line("Type", typeText(file))};
    if (file.isFile())
        facts << line("Size", sizeText(file.size()));
    const QDateTime created = file.birthTime();
    if (created.isValid())
        facts << line("Created", dateText(created));
    facts << line("Modified", dateText(file.lastModified()));
    return facts;
}

QString protocolName(const QString& scheme)
{
    if (scheme == QLatin1String("file"))
        return QStringLiteral("File");
    if (scheme == QLatin1String("http"))
        return QStringLiteral("HyperText Transfer Protocol");
    if (scheme == QLatin1String("https"))
        return QStringLiteral("HyperText Transfer Protocol with Privacy");
    return scheme.toUpper();
}

} // namespace

QStringList fileFacts(const QString& path)
{
    const QFileInfo file(path);
    QStringList facts{line("Name", file.fileName()), line("Folder", QDir::toNativeSeparators(file.absolutePath()))};
    if (!file.exists())
        return facts << line("Type", QStringLiteral("the file is not there"));
    return facts + storedFacts(file) << line("Permissions", permissionText(file));
}

QStringList pageFacts(const QString& title, const QUrl& address)
{
    QStringList facts{line("Title", title.isEmpty() ? QStringLiteral("(none)") : title),
                      line("Address", address.toDisplayString()), line("Protocol", protocolName(address.scheme()))};
    if (address.isLocalFile()) {
        const QFileInfo file(address.toLocalFile());
        if (file.exists())
            facts += storedFacts(file);
    }
    return facts;
}

} // namespace windows
