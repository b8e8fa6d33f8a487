// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The contents of the user's calendars, kept current: files are read at start and again when
// they change on disk; subscriptions show their last copy from the disk cache at once (no
// network needed), are fetched at start and then again when due, every few hours. Whenever a
// calendar's bytes are new they come out in contentChanged; a failed read or fetch comes out in
// failed and is recorded in the list. A subscription that fails keeps its last copy in force.
//
// One single-shot timer waits for the next refresh that is due, and none runs when nothing is
// due: an idle program is not woken.
//
// In use:  CalendarList list(configFolder);  list.load();
//          CalendarSources sources(list, SourcesOptions{cacheFolder});
//          connect(&sources, &CalendarSources::contentChanged, reader, ...);
//          sources.start();

#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "calendar_list.h"
#include "fetch.h"
#include "file_read.h"
#include "file_watch.h"
#include "subscription_cache.h"

namespace solvane::calendars {

struct SourcesOptions {
    QString cacheFolder;  // the subscriptions' disk cache; the program's cache folder in use
    std::chrono::milliseconds refreshInterval{std::chrono::hours(4)};
    std::chrono::milliseconds retryInterval{std::chrono::minutes(30)};  // after a failed fetch
    std::chrono::milliseconds fileSettle{std::chrono::milliseconds(250)};
    FetchLimits limits;
    std::optional<QSslConfiguration> tls;  // none: the system's authorities
    FileReader readFile;                   // none: readRegularFile
    std::function<QDateTime()> now;        // none: the system clock, in UTC
};

class CalendarSources : public QObject {
    Q_OBJECT

public:
    CalendarSources(CalendarList& list, SourcesOptions options, QObject* parent = nullptr);
    ~CalendarSources() override;

    // Hands out every calendar's content in hand (files read, subscriptions' cached copies),
    // then fetches the subscriptions. Calendars added to the list later are taken up at once.
    void start();
    // "Refresh now": reads the file or fetches the subscription, whatever its schedule.
    void refresh(const QString& id);
    void refreshAll();

    bool isFetching(const QString& id) const;
    // Milliseconds until the timer wakes for the next refresh, or -1 when it is not running.
    qint64 nextWake() const;

signals:
    void contentChanged(const QString& id, const QByteArray& bytes);
    void failed(const QString& id, const solvane::calendars::SourceError& error);

private:
    struct State {
        // The bytes last handed out, shared with those who read them: comparing them with
        // new ones costs a pass of memcmp, where a hash of a large file held up the window.
        std::optional<QByteArray> handedOut;
        QDateTime lastAttempt;
        bool lastFailed = false;
        Fetch* fetch = nullptr;
        QString path;  // a file's, while it is watched
    };

    void takeUp(const QString& id);
    void forget(const QString& id);
    void readFile(const CalendarSource& source);
    void fileChanged(const QString& path);
    void showCachedCopy(const CalendarSource& source);
    void fetch(const CalendarSource& source);
    void fetched(const QString& id, const QUrl& url, const FetchResult& result);
    void handOut(const QString& id, const QByteArray& bytes);
    void report(const QString& id, const SourceError& error);
    void refreshDue();
    void schedule();
    QDateTime now() const;

    CalendarList& list_;
    SourcesOptions options_;
    // Made at the first fetch: a network manager costs more than a megabyte of memory, which a
    // user without subscriptions should not pay for.
    std::unique_ptr<QNetworkAccessManager> manager_;
    SubscriptionCache cache_;
    FileWatch watch_;
    QTimer wake_;
    QHash<QString, State> states_;
    bool started_ = false;
};

}  // namespace solvane::calendars
