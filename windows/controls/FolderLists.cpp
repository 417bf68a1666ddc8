#include "windows/controls/FolderLists.h"

#include <QDir>
#include <QListWidget>
#include <QStorageInfo>

namespace windows {

QStringList driveRoots()
{
    QStringList roots = {QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !roots.contains(root)
            && (root.startsWith(QStringLiteral("/media")) || root.startsWith(QStringLiteral("/mnt"))
                || root.startsWith(QStringLiteral("/home"))))
            roots.push_back(root);
    }
    return roots;
}

QString driveOf(const QString& folder, const QStringList& roots)
{
    QString best = QDir::rootPath();
    for (const QString& root : roots) {
        if (folder.startsWith(root) && root.size() > best.size())
            best = root;
    }
    return best;
}

void fillFolderList(QListWidget* list, const QString& folder)
{
    list->clear();
    const QDir dir(folder);
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), list);
        up->setData(Qt::UserRole, QStringLiteral(".."));
    }
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(name, list);
        item->setData(Qt::UserRole, name);
    }
}

void fillFileList(QListWidget* list, const QString& folder, const QStringList& patterns)
{
    list->clear();
    list->addItems(QDir(folder).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void onFolderActivated(QListWidget* folders, const std::function<QString()>& current,
                       const std::function<void(const QString&)>& enter)
{
    QObject::connect(folders, &QListWidget::itemActivated, folders, [current, enter](QListWidgetItem* item) {
        enter(QDir(current()).absoluteFilePath(item->data(Qt::UserRole).toString()));
    });
}

void onFileChosen(QListWidget* files, const std::function<void()>& chosen)
{
    QObject::connect(files, &QListWidget::itemClicked, files, [chosen](QListWidgetItem*) { chosen(); });
    QObject::connect(files, &QListWidget::currentItemChanged, files, [chosen](QListWidgetItem* now) {
        if (now)
            chosen();
    });
}

QString filePath(const QString& folder, const QString& name)
{
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + name;
}

} // namespace windows
