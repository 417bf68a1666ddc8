#include "platform/Browser.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

// A scheme has two letters at least, so that "C:" reads as a drive, not a scheme.
QUrl browserUrl(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch())
        return QUrl(target, QUrl::TolerantMode);
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

} // namespace platform
