// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// bench-events-model FILE FIRST LAST [ZONE]: gives FILE to an events model for the days FIRST
// to LAST (ISO dates, both included) and prints, on one line: the time from the bytes given
// to the index in place, the longest gap between turns of the event loop meanwhile (a 1 ms
// timer; what a window would have waited), the time to ask every day of the range for its
// events, the occurrences indexed, and the resident memory before and after.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "events_model.h"

namespace {

long residentKilobytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: bench-events-model FILE FIRST LAST [ZONE]\n");
        return 2;
    }
    QFile file(arguments[1]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    const QDate first = QDate::fromString(arguments[2], Qt::ISODate);
    const QDate last = QDate::fromString(arguments[3], Qt::ISODate);

    solvane::events::EventsModel model;
    model.setLocalZone({arguments.value(4, "Europe/Berlin").toStdString(), 0});
    model.setRange(first, last);
    const long residentBefore = residentKilobytes();

    QElapsedTimer sinceTick;
    qint64 longestGapNs = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapNs = std::max(longestGapNs, sinceTick.nsecsElapsed());
        sinceTick.start();
    });
    QElapsedTimer loading;
    qint64 loadNs = 0;
    QObject::connect(&model, &solvane::events::EventsModel::idle, [&] {
        loadNs = loading.nsecsElapsed();
        longestGapNs = std::max(longestGapNs, sinceTick.nsecsElapsed());
        application.quit();
    });
    QTimer::singleShot(0, [&] {
        ticker.start(1);
        sinceTick.start();
        loading.start();
        model.setCalendar({"bench", "Bench", "#3050c0", false, true, bytes});
    });
    application.exec();
    ticker.stop();

    QElapsedTimer asking;
    asking.start();
    std::size_t shown = 0;
    for (QDate day = first; day <= last; day = day.addDays(1))
        shown += model.events(day).size();
    const qint64 askNs = asking.nsecsElapsed();
    std::printf(
        "load_ms=%.1f longest_stall_ms=%.1f ask_all_days_ms=%.1f day_events=%zu "
        "occurrences=%d rss_before_kb=%ld rss_after_kb=%ld\n",
        loadNs / 1e6, longestGapNs / 1e6, askNs / 1e6, shown, model.state("bench").occurrences,
        residentBefore, residentKilobytes());
    return 0;
}
