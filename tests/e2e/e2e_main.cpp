// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The program as it starts for a user, built for end-to-end tests: the same window, dialog
// and start-up order, on a clock fixed by the first argument, with message boxes that print
// a line "BOX <kind>: <text>" and return at once instead of waiting for a click. It runs the
// event loop for a while (second argument, milliseconds), prints what the window shows, then
// clicks the next-year button as a user would and prints the view again.
//
// Usage: solvane-e2e YYYY-MM-DDTHH:MM[:SS] [milliseconds]

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "platform.h"
#include "program.h"
#include "system_zone.h"
#include "tcalendar.h"
#include "tpanel.h"

namespace {

class FixedClock final : public solvane::Clock {
public:
    explicit FixedClock(const QDateTime& now) : now_(now) {}
    QDateTime now() const override { return now_; }

private:
    QDateTime now_;
};

class PrintedBoxes final : public solvane::MessageBoxes {
public:
    void error(const QString& text) override { print("error", text); }
    void warning(const QString& text) override { print("warning", text); }
    void message(const QString& text) override { print("message", text); }

private:
    static void print(const char* kind, const QString& text) {
        std::printf("BOX %s: %s\n", kind, qPrintable(text));
        std::fflush(stdout);
    }
};

QString caption(const solvane::TCalendar& calendar, const char* panel) {
    return calendar.findChild<solvane::TPanel*>(QLatin1String(panel))->Caption();
}

QString text(const solvane::TCalendar& calendar, const char* label) {
    return calendar.findChild<QLabel*>(QLatin1String(label))->text();
}

void printState(const char* when, const solvane::TCalendar& calendar) {
    std::printf("STATE %s visible: %s\n", when, calendar.isVisible() ? "yes" : "no");
    std::printf("STATE %s caption: %s\n", when, qPrintable(calendar.windowTitle()));
    std::printf("STATE %s first month: %s\n", when, qPrintable(caption(calendar, "Panel30")));
    std::printf("STATE %s last month: %s\n", when, qPrintable(caption(calendar, "Panel41")));
    std::printf("STATE %s sunrise: %s\n", when, qPrintable(text(calendar, "Label3")));
    std::printf("STATE %s sunset: %s\n", when, qPrintable(text(calendar, "Label4")));
    std::fflush(stdout);
}

// A loop of its own: quitting the application's loop would close every window.
void runEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    solvane::prefs::keepLocalTimeFromBlocking();
    QApplication application(argc, argv);
    const QDateTime now = argc > 1
                              ? QDateTime::fromString(QString::fromLocal8Bit(argv[1]), Qt::ISODate)
                              : QDateTime();
    if (!now.isValid()) {
        std::fputs("usage: solvane-e2e YYYY-MM-DDTHH:MM[:SS] [milliseconds]\n", stderr);
        return 2;
    }
    const int milliseconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1500;

    FixedClock clock(now);
    PrintedBoxes boxes;
    solvane::setPlatform(solvane::Platform{&clock, &boxes, nullptr, nullptr});

    // The start-up of the program itself.
    QApplication::setApplicationName(QStringLiteral("Solvane"));
    const solvane::Program program(application);
    solvane::TCalendar& calendar = program.window();

    runEventLoop(milliseconds);
    printState("start", calendar);

    QTest::mouseClick(calendar.findChild<QToolButton*>(QStringLiteral("SpeedButton9")),
                      Qt::LeftButton);
    runEventLoop(200);
    printState("next", calendar);

    return calendar.isVisible() ? 0 : 1;
}
