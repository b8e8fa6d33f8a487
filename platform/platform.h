// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The places where the program touches the desktop and the system: the clock, message
// boxes, the mouse pointer and the executable's folder. Each has a real implementation;
// tests install fakes through setPlatform().

#include <QByteArray>
#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QString>

namespace solvane {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;  // local date and time
    QDate today() const { return now().date(); }
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // The application's general error box: the error text and an OK button.
    virtual void error(const QString& text) = 0;
    // Title "Warning", warning symbol, one "OK" button.
    virtual void warning(const QString& text) = 0;
    // A plain notice with one OK button.
    virtual void message(const QString& text) = 0;
    // A question with Yes and No, No the default: true for Yes. Boxes that cannot ask answer
    // No, so that nothing is done unasked.
    virtual bool question(const QString& text) {
        (void)text;
        return false;
    }
};

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void moveTo(QPoint screenPoint) = 0;
    // Size of the whole (virtual) desktop.
    virtual QSize desktopSize() const = 0;
};

class ExecutableDir {
public:
    virtual ~ExecutableDir() = default;
    // The folder that holds the running executable, without a trailing separator.
    virtual QString path() const = 0;
};

struct Platform {
    Clock* clock = nullptr;
    MessageBoxes* boxes = nullptr;
    Pointer* pointer = nullptr;
    ExecutableDir* executableDir = nullptr;
};

// A name for the folder with the native name `folder` through which QFile reaches it, also
// when the name is not valid UTF-8; empty when the folder cannot be reached.
QString usableFolderName(const QByteArray& folder);

// The platform in use: the real one unless a test installed another.
Platform& platform();
// Replaces every non-null member; returns the previous platform.
Platform setPlatform(const Platform& replacement);

inline Clock& clock() {
    return *platform().clock;
}
inline MessageBoxes& boxes() {
    return *platform().boxes;
}
inline Pointer& pointer() {
    return *platform().pointer;
}
inline QString executableDir() {
    return platform().executableDir->path();
}

}  // namespace solvane
