// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "platform.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace solvane {
namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class DesktopMessageBoxes final : public MessageBoxes {
public:
    void error(const QString& text) override {
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    }
    void warning(const QString& text) override {
        QMessageBox::warning(nullptr, QCoreApplication::translate("MessageBoxes", "Warning"), text,
                             QMessageBox::Ok);
    }
    void message(const QString& text) override {
        QMessageBox::information(nullptr, QCoreApplication::applicationName(), text,
                                 QMessageBox::Ok);
    }
    bool question(const QString& text) override {
        return QMessageBox::question(nullptr, QCoreApplication::applicationName(), text,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
};

class DesktopPointer final : public Pointer {
public:
    // Wayland lets no client move the pointer, and Qt warns at every try.
    void moveTo(QPoint screenPoint) override {
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            QCursor::setPos(screenPoint);
    }
    QSize desktopSize() const override {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->virtualGeometry().size() : QSize();
    }
};

// The folder of the running program as the system names it, in native bytes.
QByteArray programFolderBytes() {
    QByteArray link(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", link.data(), size_t(link.size()));
    if (n <= 0 || n >= link.size())
        return QFile::encodeName(QCoreApplication::applicationDirPath());
    link.truncate(n);
    const qsizetype slash = link.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : link.left(slash);
}

class ApplicationDir final : public ExecutableDir {
public:
    // Found once: the program's folder does not move while it runs.
    QString path() const override {
        static const QString folder = usableFolderName(programFolderBytes());
        return folder;
    }
};

Platform& current() {
    static SystemClock clock;
    static DesktopMessageBoxes boxes;
    static DesktopPointer pointer;
    static ApplicationDir dir;
    static Platform platform{&clock, &boxes, &pointer, &dir};
    return platform;
}

}  // namespace

QString usableFolderName(const QByteArray& folder) {
    if (folder.isEmpty())
        return QString();
    const QString decoded = QFile::decodeName(folder);
    if (QFile::encodeName(decoded) == folder)
        return decoded;
    // A name that is not valid UTF-8 has no QString that leads back to it. The folder is kept
    // open for the program's life and reached through the descriptor's name, which is ASCII.
    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return QString();
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

Platform& platform() {
    return current();
}

Platform setPlatform(const Platform& replacement) {
    Platform previous = current();
    Platform& p = current();
    if (replacement.clock)
        p.clock = replacement.clock;
    if (replacement.boxes)
        p.boxes = replacement.boxes;
    if (replacement.pointer)
        p.pointer = replacement.pointer;
    if (replacement.executableDir)
        p.executableDir = replacement.executableDir;
    return previous;
}

}  // namespace solvane
