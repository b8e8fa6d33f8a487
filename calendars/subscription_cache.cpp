// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "subscription_cache.h"

#include <QIODevice>
#include <memory>

namespace solvane::calendars {
namespace {

// Room for many subscriptions at the download cap; Qt evicts the least recently used beyond.
constexpr qint64 kCacheSize = 512LL * 1024 * 1024;
const QByteArray kEtag = QByteArrayLiteral("ETag");

}  // namespace

SubscriptionCache::SubscriptionCache(const QString& folder) {
    cache_.setCacheDirectory(folder);
    cache_.setMaximumCacheSize(kCacheSize);
}

std::optional<CachedCopy> SubscriptionCache::validators(const QUrl& url) {
    const QNetworkCacheMetaData meta = cache_.metaData(url);
    if (!meta.isValid())
        return std::nullopt;
    CachedCopy copy;
    for (const auto& [name, value] : meta.rawHeaders()) {
        if (name.compare(kEtag, Qt::CaseInsensitive) == 0)
            copy.etag = value;
    }
    copy.lastModified = meta.lastModified();
    return copy;
}

std::optional<CachedCopy> SubscriptionCache::copy(const QUrl& url, qint64 cap) {
    std::optional<CachedCopy> copy = validators(url);
    if (!copy)
        return std::nullopt;
    const std::unique_ptr<QIODevice> data(cache_.data(url));
    if (!data)
        return std::nullopt;
    copy->bytes = data->read(cap + 1);
    if (copy->bytes.size() > cap)
        return std::nullopt;
    return copy;
}

bool SubscriptionCache::store(const QUrl& url, const CachedCopy& copy) {
    QNetworkCacheMetaData meta;
    meta.setUrl(url);
    meta.setSaveToDisk(true);
    QNetworkCacheMetaData::RawHeaderList headers;
    if (!copy.etag.isEmpty())
        headers.append({kEtag, copy.etag});
    meta.setRawHeaders(headers);
    meta.setLastModified(copy.lastModified);
    QIODevice* device = cache_.prepare(meta);
    if (!device)
        return false;
    if (device->write(copy.bytes) != copy.bytes.size()) {
        cache_.remove(url);
        return false;
    }
    cache_.insert(device);
    return true;
}

void SubscriptionCache::drop(const QUrl& url) {
    cache_.remove(url);
}

}  // namespace solvane::calendars
