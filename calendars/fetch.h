// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One fetch of a subscription: a conditional GET that follows at most a few redirects by
// itself (so that a loop is seen as one, and https never falls back to http), gives up on a
// server that stalls or takes too long, cuts off a body over the size cap, and refuses every
// TLS error. The answer is the new body, "not modified", or a typed error.

#include <QByteArray>
#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSslConfiguration>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <optional>

#include "source.h"
#include "subscription_cache.h"

namespace solvane::calendars {

struct FetchLimits {
    std::chrono::milliseconds transferTimeout{std::chrono::minutes(2)};  // the whole fetch
    std::chrono::milliseconds stallTimeout{std::chrono::seconds(30)};    // between two bytes
    qint64 sizeCap = 32LL * 1024 * 1024;  // bytes of the body, after decompression
    int maxRedirects = 5;
};

struct FetchResult {
    enum class Outcome { New, NotModified, Failed };
    Outcome outcome = Outcome::Failed;
    CachedCopy copy;  // the body and its validators, for New
    SourceError error;
    int redirects = 0;
};

class Fetch : public QObject {
    Q_OBJECT

public:
    // `known` gives the validators of the copy in hand, if any. `tls`, when given, replaces
    // the system's configuration (a test trusts its own authority this way).
    Fetch(QNetworkAccessManager& manager, const QUrl& url, const std::optional<CachedCopy>& known,
          const FetchLimits& limits, const std::optional<QSslConfiguration>& tls,
          QObject* parent = nullptr);
    ~Fetch() override;

    void start();

signals:
    void finished(const solvane::calendars::FetchResult& result);

private:
    void send(const QUrl& url);
    void received();
    void headersIn();
    void answered();
    void redirect(const QUrl& target);
    void fail(SourceError::Kind kind, const QString& detail);
    void finish(const FetchResult& result);
    void dropReply();

    QNetworkAccessManager& manager_;
    QUrl url_;
    QByteArray etag_;
    QDateTime lastModified_;
    FetchLimits limits_;
    std::optional<QSslConfiguration> tls_;
    QPointer<QNetworkReply> reply_;
    QByteArray body_;
    QStringList tlsErrors_;
    QSet<QUrl> visited_;
    int redirects_ = 0;
    bool done_ = false;
    QTimer deadline_;
    QTimer stall_;
};

}  // namespace solvane::calendars
