// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "platform.h"

#include <QCoreApplication>
#include <QCursor>
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
        QMessageBox::warning(nullptr, QStringLiteral("Warning"), text, QMessageBox::Ok);
    }
    void message(const QString& text) override {
        QMessageBox::information(nullptr, QCoreApplication::applicationName(), text,
                                 QMessageBox::Ok);
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

class ApplicationDir final : public ExecutableDir {
public:
    QString path() const override { return QCoreApplication::applicationDirPath(); }
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
