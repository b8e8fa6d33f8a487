// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>

#include "hint_style.h"
#include "single_instance.h"
#include "tcalendar.h"
#include "thome.h"

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
    solvane::installHintTimings(application);
    solvane::SingleInstance instance;
    if (instance.start() == solvane::SingleInstance::Start::HandedOver)
        return 0;  // the running window came to the front

    solvane::TCalendar calendar;
    // The Parameters dialog exists, hidden, before the first activation writes into it. It is
    // a window of its own, not a child of the year view, whose controls its hint option walks.
    const auto home = std::make_unique<solvane::THome>(&calendar);
    calendar.setHome(home.get());
    instance.onSecondLaunch = [&calendar] { calendar.RxTrayIcon1Click(); };
    calendar.show();
    return application.exec();
}
