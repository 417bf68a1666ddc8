#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace windows {

// What the properties of a file tell, one "Name: value" line each: its name,
// folder, type, size, when it was created and last changed (where the file system
// keeps that) and what the user may do with it. A file that is not there says so.
QStringList fileFacts(const QString& path);

// What the properties of the page shown tell: its title, address and protocol,
// and for a local file its type, size and dates as above.
QStringList pageFacts(const QString& title, const QUrl& address);

} // namespace windows
