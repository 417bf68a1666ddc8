#pragma once

#include <QString>
#include <QStringList>

class QListWidget;

namespace windows {

// The drive, folder and file lists of the start window and the file picker.

// The roots a drive list offers: the file system root and the mounted volumes a
// user keeps files on.
QStringList driveRoots();

// The root of `folder` among `roots` (the longest that contains it).
QString driveOf(const QString& folder, const QStringList& roots);

// The folder list of `folder`: ".." (except at a root) and its sub-folders. Each
// item carries the folder name to go to as its user data.
void fillFolderList(QListWidget* list, const QString& folder);

// The files of `folder` matching `patterns` (any letter case), by name.
void fillFileList(QListWidget* list, const QString& folder, const QStringList& patterns = {});

// A file's path from its folder and name, with a single separator between them
// even at a root.
QString filePath(const QString& folder, const QString& name);

} // namespace windows
