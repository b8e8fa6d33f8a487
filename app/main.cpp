// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "program.h"

namespace {

// Without a display Qt's default platform plugin aborts with a message that does not say
// what is missing.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("solvane: no display found (set DISPLAY or run under Xvfb)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Solvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/solvane-32.png")));
    const solvane::Program program(application);
    return application.exec();
}
