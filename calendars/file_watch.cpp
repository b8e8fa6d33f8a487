// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "file_watch.h"

#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>

namespace solvane::calendars {
namespace {

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

qint64 nanoseconds(const struct timespec& t) {
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

}  // namespace

FileWatch::FileWatch(std::chrono::milliseconds settle, QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(settle);
    connect(&settle_, &QTimer::timeout, this, &FileWatch::settled);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileWatch::touched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileWatch::folderTouched);
}

FileWatch::Look FileWatch::look(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return Look{};
    return Look{true,
                qint64(st.st_dev),
                qint64(st.st_ino),
                qint64(st.st_size),
                nanoseconds(st.st_mtim),
                nanoseconds(st.st_ctim)};
}

void FileWatch::watch(const QString& path) {
    if (looks_.contains(path))
        return;
    looks_.insert(path, look(path));
    const QString folder = folderOf(path);
    if (QFileInfo(folder).isDir() && !watcher_.directories().contains(folder))
        watcher_.addPath(folder);
    rewatch(path);
}

void FileWatch::unwatch(const QString& path) {
    if (!looks_.remove(path))
        return;
    pending_.remove(path);
    watcher_.removePath(path);
    const QString folder = folderOf(path);
    for (auto it = looks_.cbegin(); it != looks_.cend(); ++it) {
        if (folderOf(it.key()) == folder)
            return;
    }
    watcher_.removePath(folder);
}

// A file's watch follows its inode, so after a replacement the new file needs one of its own.
void FileWatch::rewatch(const QString& path) {
    if (QFileInfo::exists(path) && !watcher_.files().contains(path))
        watcher_.addPath(path);
}

void FileWatch::touched(const QString& path) {
    if (!looks_.contains(path))
        return;
    pending_.insert(path);
    settle_.start();
}

void FileWatch::folderTouched(const QString& folder) {
    for (auto it = looks_.cbegin(); it != looks_.cend(); ++it) {
        if (folderOf(it.key()) == folder)
            pending_.insert(it.key());
    }
    if (!pending_.isEmpty())
        settle_.start();
}

void FileWatch::settled() {
    const QSet<QString> paths = std::exchange(pending_, {});
    for (const QString& path : paths) {
        auto it = looks_.find(path);
        if (it == looks_.end())
            continue;
        rewatch(path);
        const Look now = look(path);
        if (now == *it)
            continue;
        *it = now;
        emit changed(path);
    }
}

}  // namespace solvane::calendars
