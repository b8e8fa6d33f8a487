// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <csignal>
#include <cstdio>

#include "export_pdf.h"
#include "language.h"
#include "launch_calendars.h"
#include "program.h"
#include "single_instance.h"
#include "system_zone.h"
#include "tcalendar.h"

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
    // Under a file size limit, a write past it raises SIGXFSZ, which ends the program: Qt's
    // first warning into an error log would do so before any window shows. Ignored, such a
    // write fails instead, and a save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
    solvane::prefs::keepLocalTimeFromBlocking();
    // The PDF needs fonts but no display, and no running program is asked to write it.
    const bool pdf = solvane::asksForPdf(argc, argv);
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!displayAvailable()) {
        std::fputs("solvane: no display found (set DISPLAY or run under Xvfb)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Solvane"));
    // Wayland's app_id: what desktops match to the launcher and the icon.
    QApplication::setDesktopFileName(QStringLiteral("org.solvane.Solvane"));
    // Before any text is made: the page and the windows speak the desktop's language.
    solvane::translations::installForDesktop();
    if (pdf)
        return solvane::exportPdf(QApplication::arguments());
    // Calendars given to open, from the command line or a file manager.
    const solvane::LaunchCalendars given =
        solvane::launchCalendars(QApplication::arguments().mid(1), QDir::currentPath());
    for (const QString& refused : given.refused)
        std::fprintf(stderr, "solvane: %s\n", qPrintable(refused));
    solvane::SingleInstance instance;
    if (instance.start(solvane::asArguments(given.calendars)) ==
        solvane::SingleInstance::Start::HandedOver)
        return given.refused.isEmpty() ? 0 : 2;  // the running window took the calendars
    solvane::Program program(application);
    program.addCalendars(given.calendars);
    instance.onSecondLaunch = [&program](const QStringList& arguments) {
        // Paths came absolute: the folder does not matter.
        program.addCalendars(solvane::launchCalendars(arguments, QDir::rootPath()).calendars);
        program.window().bringToFront();
    };
    return application.exec();
}
