// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Tells when a watched file is worth reading again: written in place, replaced by a rename (as
// most editors save), removed, or created again. A watch on a file ends when the file is
// replaced or removed, so each file's folder is watched too and the file's watch is put back
// when the path reappears. Bursts of events (an editor's save is several) settle into one
// "changed", and only when the file's identity, size or time really differ from the last look.

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <chrono>

namespace solvane::calendars {

class FileWatch : public QObject {
    Q_OBJECT

public:
    explicit FileWatch(std::chrono::milliseconds settle, QObject* parent = nullptr);

    void watch(const QString& path);
    void unwatch(const QString& path);

signals:
    void changed(const QString& path);

private:
    struct Look {
        bool exists = false;
        qint64 device = 0, inode = 0, size = 0, modified = 0, statusChanged = 0;  // ns for times
        friend bool operator==(const Look&, const Look&) = default;
    };
    static Look look(const QString& path);
    void rewatch(const QString& path);
    void touched(const QString& path);
    void folderTouched(const QString& folder);
    void settled();

    QFileSystemWatcher watcher_;
    QHash<QString, Look> looks_;
    QSet<QString> pending_;
    QTimer settle_;
};

}  // namespace solvane::calendars
