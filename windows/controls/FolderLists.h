#pragma once

#include <QString>
#include <QStringList>

#include <functional>

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

// Wires a folder list: activating an item (double click, Enter) calls `enter` with
// the folder it leads to from `current()`.
void onFolderActivated(QListWidget* folders, const std::function<QString()>& current,
                       const std::function<void(const QString&)>& enter);

// Wires a file list: a file clicked, or moved to with the arrow keys, calls `chosen`.
void onFileChosen(QListWidget* files, const std::function<void()>& chosen);

// A file's path from its folder and name, with a single separator between them
// even at a root.
QString filePath(const QString& folder, const QString& name);

} // namespace windows
