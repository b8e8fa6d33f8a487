// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "calendar_sources.h"

#include "subscription_url.h"

namespace solvane::calendars {
namespace {

using Kind = SourceError::Kind;
using std::chrono::milliseconds;

constexpr qint64 kMaxTimer = 24LL * 3600 * 1000;  // ms; a longer wait is re-armed on waking

}  // namespace

CalendarSources::CalendarSources(CalendarList& list, SourcesOptions options, QObject* parent)
    : QObject(parent),
      list_(list),
      options_(std::move(options)),
      cache_(options_.cacheFolder),
      watch_(options_.fileSettle) {
    if (!options_.readFile)
        options_.readFile = [](const QString& path) { return readRegularFile(path); };
    if (!options_.now)
        options_.now = [] { return QDateTime::currentDateTimeUtc(); };
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::VeryCoarseTimer);
    connect(&wake_, &QTimer::timeout, this, &CalendarSources::refreshDue);
    connect(&watch_, &FileWatch::changed, this, &CalendarSources::fileChanged);
    connect(&list_, &CalendarList::sourceAdded, this, [this](const QString& id) {
        if (started_)
            takeUp(id);
    });
    connect(&list_, &CalendarList::sourceRemoved, this, &CalendarSources::forget);
}

CalendarSources::~CalendarSources() {
    for (const State& state : std::as_const(states_))
        delete state.fetch;
}

QDateTime CalendarSources::now() const {
    return options_.now();
}

void CalendarSources::start() {
    if (started_)
        return;
    started_ = true;
    for (const CalendarSource& source : list_.sources())
        takeUp(source.id);
    schedule();
}

void CalendarSources::takeUp(const QString& id) {
    const auto source = list_.source(id);
    if (!source || states_.contains(id))
        return;
    states_.insert(id, State{});
    if (source->kind == SourceKind::File) {
        states_[id].path = source->location;
        watch_.watch(source->location);
        readFile(*source);
    } else {
        showCachedCopy(*source);
        fetch(*source);
    }
}

void CalendarSources::forget(const QString& id) {
    const auto it = states_.find(id);
    if (it == states_.end())
        return;
    delete it->fetch;
    if (!it->path.isEmpty())
        watch_.unwatch(it->path);  // the list holds each path once
    states_.erase(it);
    schedule();
}

void CalendarSources::refresh(const QString& id) {
    const auto source = list_.source(id);
    if (!source || !states_.contains(id))
        return;
    if (source->kind == SourceKind::File)
        readFile(*source);
    else
        fetch(*source);
    schedule();
}

void CalendarSources::refreshAll() {
    for (const CalendarSource& source : list_.sources())
        refresh(source.id);
}

bool CalendarSources::isFetching(const QString& id) const {
    const auto it = states_.constFind(id);
    return it != states_.constEnd() && it->fetch;
}

qint64 CalendarSources::nextWake() const {
    return wake_.isActive() ? wake_.remainingTime() : -1;
}

void CalendarSources::readFile(const CalendarSource& source) {
    const FileRead read = options_.readFile(source.location);
    if (read.error.isError()) {
        // The file is gone or refused: when it comes back its bytes are new again.
        states_[source.id].handedOut.reset();
        report(source.id, read.error);
        return;
    }
    list_.recordRefresh(source.id, now(), SourceError{});
    handOut(source.id, read.bytes);
}

void CalendarSources::fileChanged(const QString& path) {
    for (const CalendarSource& source : list_.sources()) {
        if (source.kind == SourceKind::File && source.location == path &&
            states_.contains(source.id))
            readFile(source);
    }
}

void CalendarSources::showCachedCopy(const CalendarSource& source) {
    const QUrl url = subscriptionUrl(source.location);
    if (!url.isValid())
        return;
    if (const auto copy = cache_.copy(url, options_.limits.sizeCap))
        handOut(source.id, copy->bytes);
}

void CalendarSources::fetch(const CalendarSource& source) {
    State& state = states_[source.id];
    if (state.fetch)
        return;
    const QUrl url = subscriptionUrl(source.location);
    state.lastAttempt = now();
    if (!url.isValid()) {
        state.lastFailed = true;
        report(source.id, SourceError{Kind::BadUrl, source.location});
        return;
    }
    // A copy that is not being shown (none was handed out) must not be revalidated: a 304
    // would leave the calendar empty.
    std::optional<CachedCopy> known;
    if (state.handedOut)
        known = cache_.validators(url);
    if (!manager_)
        manager_ = std::make_unique<QNetworkAccessManager>();
    state.fetch = new Fetch(*manager_, url, known, options_.limits, options_.tls, this);
    const QString id = source.id;
    connect(state.fetch, &Fetch::finished, this,
            [this, id, url](const FetchResult& result) { fetched(id, url, result); });
    state.fetch->start();
}

void CalendarSources::fetched(const QString& id, const QUrl& url, const FetchResult& result) {
    const auto it = states_.find(id);
    if (it == states_.end())
        return;
    it->fetch->deleteLater();
    it->fetch = nullptr;
    it->lastFailed = result.outcome == FetchResult::Outcome::Failed;
    if (result.outcome == FetchResult::Outcome::Failed) {
        report(id, result.error);
    } else {
        if (result.outcome == FetchResult::Outcome::New) {
            cache_.store(url, result.copy);
            handOut(id, result.copy.bytes);
        }
        list_.recordRefresh(id, now(), SourceError{});
    }
    schedule();
}

void CalendarSources::handOut(const QString& id, const QByteArray& bytes) {
    const auto it = states_.find(id);  // gone when a slot removed the calendar meanwhile
    if (it == states_.end() || (it->handedOut && *it->handedOut == bytes))
        return;
    it->handedOut = bytes;
    emit contentChanged(id, bytes);
}

void CalendarSources::report(const QString& id, const SourceError& error) {
    list_.recordRefresh(id, QDateTime(), error);
    emit failed(id, error);
}

void CalendarSources::refreshDue() {
    const QDateTime current = now();
    for (const CalendarSource& source : list_.sources()) {
        const auto it = states_.constFind(source.id);
        if (source.kind != SourceKind::Url || it == states_.constEnd() || it->fetch)
            continue;
        const milliseconds wait =
            it->lastFailed ? options_.retryInterval : options_.refreshInterval;
        if (!it->lastAttempt.isValid() || it->lastAttempt.addMSecs(wait.count()) <= current)
            fetch(source);
    }
    schedule();
}

// Arms the timer for the earliest refresh due, or stops it when no subscription waits.
void CalendarSources::schedule() {
    const QDateTime current = now();
    qint64 earliest = -1;
    for (const CalendarSource& source : list_.sources()) {
        const auto it = states_.constFind(source.id);
        if (source.kind != SourceKind::Url || it == states_.constEnd() || it->fetch)
            continue;
        const milliseconds wait =
            it->lastFailed ? options_.retryInterval : options_.refreshInterval;
        const qint64 due =
            it->lastAttempt.isValid()
                ? std::max<qint64>(0, current.msecsTo(it->lastAttempt.addMSecs(wait.count())))
                : 0;
        earliest = earliest < 0 ? due : std::min(earliest, due);
    }
    if (earliest < 0)
        wake_.stop();
    else
        wake_.start(int(std::min(earliest, kMaxTimer)));
}

}  // namespace solvane::calendars
