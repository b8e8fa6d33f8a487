// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "fetch.h"

#include <QLocale>
#include <QNetworkRequest>
#include <QSslError>

namespace solvane::calendars {
namespace {

using Kind = SourceError::Kind;

// RFC 9110's IMF-fixdate, always in English and GMT.
QByteArray httpDate(const QDateTime& when) {
    return QLocale::c()
        .toString(when.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

// Whether a body can be a calendar at all: an iCalendar object begins with a BEGIN line (after
// a byte-order mark or blank lines, as some producers write). A network's login page or an
// empty answer sent with status 200 must not take the place of the last good copy.
bool mayBeCalendar(const QByteArray& body) {
    QByteArrayView rest(body);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    rest = rest.trimmed();
    return rest.size() >= 6 && rest.first(6).compare("BEGIN:", Qt::CaseInsensitive) == 0;
}

QString seconds(std::chrono::milliseconds duration) {
    return QString::number(double(duration.count()) / 1000.0, 'g', 3);
}

}  // namespace

Fetch::Fetch(QNetworkAccessManager& manager, const QUrl& url,
             const std::optional<CachedCopy>& known, const FetchLimits& limits,
             const std::optional<QSslConfiguration>& tls, QObject* parent)
    : QObject(parent), manager_(manager), url_(url), limits_(limits), tls_(tls) {
    if (known) {
        etag_ = known->etag;
        lastModified_ = known->lastModified;
    }
    deadline_.setSingleShot(true);
    stall_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        fail(
            Kind::Timeout,
            QStringLiteral("no complete answer within %1 s").arg(seconds(limits_.transferTimeout)));
    });
    connect(&stall_, &QTimer::timeout, this, [this] {
        fail(Kind::Stalled,
             QStringLiteral("nothing arrived for %1 s").arg(seconds(limits_.stallTimeout)));
    });
}

Fetch::~Fetch() {
    dropReply();
}

void Fetch::start() {
    visited_.insert(url_);
    deadline_.start(limits_.transferTimeout);
    send(url_);
}

// Every hop carries the validators: only the server that finally answers compares them.
void Fetch::send(const QUrl& url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Accept", "text/calendar, */*;q=0.5");
    if (!etag_.isEmpty())
        request.setRawHeader("If-None-Match", etag_);
    if (lastModified_.isValid())
        request.setRawHeader("If-Modified-Since", httpDate(lastModified_));
    if (tls_)
        request.setSslConfiguration(*tls_);
    body_.clear();
    reply_ = manager_.get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &Fetch::received);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &Fetch::headersIn);
    connect(reply_, &QNetworkReply::finished, this, &Fetch::answered);
    // The errors are kept for the message and never ignored: the handshake then fails.
    connect(reply_, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) {
        for (const QSslError& e : errors)
            tlsErrors_.append(e.errorString());
    });
    stall_.start(limits_.stallTimeout);
}

void Fetch::headersIn() {
    stall_.start(limits_.stallTimeout);
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > limits_.sizeCap)
        fail(Kind::TooLarge, QStringLiteral("the server announced %1 bytes, more than %2")
                                 .arg(length.toLongLong())
                                 .arg(limits_.sizeCap));
}

void Fetch::received() {
    stall_.start(limits_.stallTimeout);
    body_ += reply_->read(limits_.sizeCap + 1 - body_.size());
    if (body_.size() > limits_.sizeCap)
        fail(Kind::TooLarge, QStringLiteral("more than %1 bytes").arg(limits_.sizeCap));
}

void Fetch::answered() {
    if (done_ || !reply_)
        return;
    received();
    if (done_)
        return;
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant target = reply_->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (!tlsErrors_.isEmpty() || reply_->error() == QNetworkReply::SslHandshakeFailedError) {
        fail(Kind::Tls, tlsErrors_.isEmpty() ? reply_->errorString() : tlsErrors_.join(u"; "));
    } else if (status >= 400 || (status > 0 && status < 200)) {
        const QString reason =
            reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        fail(Kind::Http, QStringLiteral("%1 %2").arg(status).arg(reason).trimmed());
    } else if (reply_->error() == QNetworkReply::UnknownContentError) {
        // Qt's only content error: a compressed body that does not unpack, or unpacks so far
        // beyond its size that Qt takes it for a decompression bomb.
        fail(Kind::NotCalendar, QStringLiteral("the compressed answer could not be unpacked (%1)")
                                    .arg(reply_->errorString()));
    } else if (reply_->error() != QNetworkReply::NoError) {
        fail(Kind::Network, reply_->errorString());
    } else if (status == 304 && etag_.isEmpty() && !lastModified_.isValid()) {
        fail(Kind::Http, QStringLiteral("304 Not Modified, for a copy never asked about"));
    } else if (status == 304) {
        finish(FetchResult{FetchResult::Outcome::NotModified, {}, {}, redirects_});
    } else if (status >= 300 && target.isValid()) {
        redirect(reply_->url().resolved(target.toUrl()));
    } else if (status >= 300) {
        fail(Kind::Http, QStringLiteral("%1 without a new address").arg(status));
    } else if (!mayBeCalendar(body_)) {
        const QString type = reply_->header(QNetworkRequest::ContentTypeHeader).toString();
        fail(Kind::NotCalendar, body_.isEmpty()
                                    ? QStringLiteral("the answer was empty")
                                    : QStringLiteral("the answer is %1, %2 bytes")
                                          .arg(type.isEmpty() ? QStringLiteral("untyped") : type)
                                          .arg(body_.size()));
    } else {
        CachedCopy copy{body_, reply_->rawHeader("ETag"),
                        reply_->header(QNetworkRequest::LastModifiedHeader).toDateTime()};
        finish(FetchResult{FetchResult::Outcome::New, copy, {}, redirects_});
    }
}

void Fetch::redirect(const QUrl& target) {
    const QString scheme = target.scheme().toLower();
    if (scheme != QLatin1String("https") && scheme != QLatin1String("http"))
        fail(Kind::BadUrl, target.toDisplayString());
    else if (reply_->url().scheme() == QLatin1String("https") && scheme == QLatin1String("http"))
        fail(Kind::InsecureRedirect, target.toDisplayString());
    else if (visited_.contains(target))
        fail(Kind::RedirectLoop, target.toDisplayString());
    else if (redirects_ >= limits_.maxRedirects)
        fail(Kind::TooManyRedirects, QStringLiteral("more than %1").arg(limits_.maxRedirects));
    else {
        ++redirects_;
        visited_.insert(target);
        dropReply();
        send(target);
    }
}

void Fetch::fail(Kind kind, const QString& detail) {
    finish(FetchResult{FetchResult::Outcome::Failed, {}, SourceError{kind, detail}, redirects_});
}

void Fetch::finish(const FetchResult& result) {
    if (done_)
        return;
    done_ = true;
    deadline_.stop();
    stall_.stop();
    dropReply();
    emit finished(result);
}

// Stops a transfer without hearing from it again; the reply goes when the event loop is back.
void Fetch::dropReply() {
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}

}  // namespace solvane::calendars
