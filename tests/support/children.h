// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Controls as tests find them: by object name, as Qt's own tests do.

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace solvane::test {

// The child of that object name; the test stops at once when there is none.
template <typename T = QObject>
T* child(const QObject& parent, const QString& name) {
    auto* found = parent.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

}  // namespace solvane::test
