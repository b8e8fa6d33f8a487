// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The last good copy of each subscription, kept in Qt's disk cache under the address the user
// subscribed to, with the validators (ETag, Last-Modified) that make the next fetch a
// conditional one. The sources write the entries themselves rather than letting Qt Network
// cache every answer: only a complete, accepted body may replace a copy (not a redirect, an
// error page or a cut-off download), and it must be found again under the subscribed address
// even when the server redirects. A cache file that cannot be read counts as no copy.

#include <QByteArray>
#include <QDateTime>
#include <QNetworkDiskCache>
#include <QUrl>
#include <optional>

namespace solvane::calendars {

struct CachedCopy {
    QByteArray bytes;
    QByteArray etag;         // empty when the server sent none
    QDateTime lastModified;  // invalid when the server sent none
};

class SubscriptionCache {
public:
    explicit SubscriptionCache(const QString& folder);

    // The copy for `url`, or nothing when there is none, it cannot be read or it is over `cap`.
    std::optional<CachedCopy> copy(const QUrl& url, qint64 cap);
    // The copy's validators alone, without its body (which a conditional request needs not).
    std::optional<CachedCopy> validators(const QUrl& url);
    bool store(const QUrl& url, const CachedCopy& copy);
    void drop(const QUrl& url);

private:
    QNetworkDiskCache cache_;
};

}  // namespace solvane::calendars
