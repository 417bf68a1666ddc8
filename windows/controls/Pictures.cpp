#include "windows/controls/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace windows {
namespace {

QString sharpPath(const QString& path)
{
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral("@2x.") + file.suffix());
}

} // namespace

QPixmap loadPicture(const QString& path, qreal ratio)
{
    if (ratio <= 0)
        ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        QPixmap sharp(sharpPath(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

QIcon loadIcon(const QString& path)
{
    QIcon icon(path);
    if (QFileInfo::exists(sharpPath(path)))
        icon.addFile(sharpPath(path));
    return icon;
}

} // namespace windows
