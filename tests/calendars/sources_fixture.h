// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One run of the program's calendar sources over a configuration folder and a cache folder
// that outlive it, so that a test can stop the program and start it again. The clock is
// fixed, the limits are small so that the hostile servers are given up on quickly, and the
// only authority trusted is the test server's certificate.

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTest>
#include <memory>

#include "calendar_list.h"
#include "calendar_sources.h"

namespace solvane::test {

using namespace std::chrono_literals;
using calendars::CalendarList;
using calendars::CalendarSources;
using calendars::SourceError;
using calendars::SourcesOptions;

inline const QDateTime kNow(QDate(2026, 12, 9), QTime(6, 0), Qt::UTC);
constexpr int kHangCheck = 60000;  // ms; a generous bound, not a speed claim

inline QSslCertificate testCertificate(const char* name) {
    QFile file(QStringLiteral(SOLVANE_TEST_CERTS "/%1.pem").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return QSslCertificate();
    return QSslCertificate(file.readAll());
}

inline QSslKey testKey(const char* name) {
    QFile file(QStringLiteral(SOLVANE_TEST_CERTS "/%1.key").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return QSslKey();
    return QSslKey(file.readAll(), QSsl::Rsa);
}

inline SourcesOptions testOptions(const QString& cacheFolder) {
    SourcesOptions options;
    options.cacheFolder = cacheFolder;
    options.fileSettle = 50ms;
    options.limits.transferTimeout = 4s;
    options.limits.stallTimeout = 1500ms;
    options.limits.sizeCap = 256 * 1024;
    options.limits.maxRedirects = 3;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates({testCertificate("trusted")});
    options.tls = tls;
    options.now = [] { return kNow; };
    return options;
}

struct Run {
    explicit Run(const QString& root, SourcesOptions options)
        : list(QDir(root).filePath(QStringLiteral("config"))),
          sources(list, std::move(options)),
          content(&sources, &CalendarSources::contentChanged),
          failed(&sources, &CalendarSources::failed) {
        list.load();
    }
    explicit Run(const QString& root)
        : Run(root, testOptions(QDir(root).filePath(QStringLiteral("cache")))) {}

    QString onlyId() const { return list.sources().value(0).id; }
    // Waits for the fetch in flight to end; false when it hangs.
    bool settle() {
        return QTest::qWaitFor([this] { return !sources.isFetching(onlyId()); }, kHangCheck);
    }
    QByteArray lastContent() const {
        return content.isEmpty() ? QByteArray() : content.last().at(1).toByteArray();
    }
    SourceError lastError() const {
        return failed.isEmpty() ? SourceError{} : failed.last().at(1).value<SourceError>();
    }

    CalendarList list;
    CalendarSources sources;
    QSignalSpy content;
    QSignalSpy failed;
};

}  // namespace solvane::test
