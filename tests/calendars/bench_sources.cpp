// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// What the calendar sources cost, for scripts/bench-sources.sh: a subscription of a given
// size fetched over HTTPS on 127.0.0.1 (200), fetched again (304 by ETag), handed out from the
// disk cache at the next start without the network, and the CPU time and wake-ups of the
// program's threads while it waits for the next refresh. Prints one "name: value" line each.

#include <sys/resource.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "https_server.h"
#include "sources_fixture.h"

using namespace solvane::test;

namespace {

// A calendar body of about `bytes` bytes: events of a plausible size, one after another.
QByteArray calendarOf(qint64 bytes) {
    QByteArray body = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n";
    for (int n = 0; body.size() < bytes; ++n)
        body += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(n) +
                "@bench\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20260101\r\n"
                "SUMMARY:Event number " +
                QByteArray::number(n) + " of the benchmark\r\nEND:VEVENT\r\n";
    return body + "END:VCALENDAR\r\n";
}

// Voluntary and involuntary context switches of every thread of this process: a thread that
// sleeps until an event adds one per wake-up.
qint64 switches() {
    qint64 total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.contains("ctxt_switches:"))
                total += line.split(':').value(1).trimmed().toLongLong();
        }
    }
    return total;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall-clock and CPU time of one step, for a machine that may be busy with other work.
class Step {
public:
    Step() : cpu_(cpuSeconds()) { clock_.start(); }
    void print(const char* name) const {
        std::printf("%s: %.1f ms (CPU %.1f ms)\n", name, double(clock_.nsecsElapsed()) / 1e6,
                    (cpuSeconds() - cpu_) * 1000);
    }

private:
    QElapsedTimer clock_;
    double cpu_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 size = qEnvironmentVariableIntValue("SIZE_BYTES") > 0
                            ? qEnvironmentVariableIntValue("SIZE_BYTES")
                            : 4700000;
    const int idleSeconds = qEnvironmentVariableIntValue("IDLE_SECONDS") > 0
                                ? qEnvironmentVariableIntValue("IDLE_SECONDS")
                                : 10;
    HttpsServer server(testCertificate("trusted"), testKey("trusted"));
    if (!server.listenOnLoopback())
        return 1;
    const QByteArray body = calendarOf(size);
    Route route;
    route.body = body;
    route.etag = "\"v1\"";
    server.route("/cal.ics", route);
    QTemporaryDir root;
    SourcesOptions options = testOptions(root.filePath(QStringLiteral("cache")));
    options.limits = solvane::calendars::FetchLimits{};  // the program's own limits
    std::printf("calendar: %lld bytes\n", qint64(body.size()));
    {
        Run run(root.path(), options);
        run.list.addUrl(server.url("/cal.ics").toString(), QStringLiteral("B"), 0);
        Step first;
        run.sources.start();
        if (!run.settle() || run.lastContent() != body)
            return 1;
        first.print("fetch over https, 200 (server and client on one thread)");
        Step again;
        run.sources.refresh(run.onlyId());
        if (!run.settle() || server.statusesOf("/cal.ics").value(1) != 304)
            return 1;
        again.print("fetch again, 304 by ETag");
    }
    Run run(root.path(), options);
    Step handOut;
    run.sources.start();  // hands out the cached copy before it returns
    handOut.print("start-up hand-out from the cache");
    if (run.content.size() != 1 || run.lastContent() != body)
        return 1;
    if (!run.settle())
        return 1;
    const double cpu = cpuSeconds();
    const qint64 woken = switches();
    // An event loop that sleeps until its one timer (QTest::qWait would poll every 10 ms).
    QEventLoop idle;
    QTimer::singleShot(idleSeconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    std::printf("idle CPU time in %d s: %.1f ms\n", idleSeconds, (cpuSeconds() - cpu) * 1000);
    std::printf("idle wake-ups in %d s: %lld\n", idleSeconds, switches() - woken);
    std::printf("next refresh in: %lld s\n", run.sources.nextWake() / 1000);
    return 0;
}
