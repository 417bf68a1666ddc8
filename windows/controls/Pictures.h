#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace windows {

// A picture of the program's folder, drawn sharp on the screen it shows on: on a
// screen scaled to 150% or more the twice-as-large "NAME@2x.png" beside
// "NAME.png" is taken when there is one, shown at the same size. `ratio` is the
// screen's device pixel ratio (the largest of the screens unless given).
QPixmap loadPicture(const QString& path, qreal ratio = 0);

// The same picture as an icon holding both sizes (the window and tray icon).
QIcon loadIcon(const QString& path);

} // namespace windows
