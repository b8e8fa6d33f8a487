// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "https_server.h"

#include <QLocale>
#include <QSslSocket>
#include <QTimeZone>
#include <QTimer>
#include <memory>

namespace solvane::test {
namespace {

constexpr qint64 kEndlessChunk = 64 * 1024;
constexpr qint64 kEndlessLimit = 1LL << 30;  // bytes; the client must stop long before
constexpr int kDripInterval = 300;           // ms

QByteArray httpDate(const QDateTime& when) {
    return QLocale::c()
        .toString(when.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

QDateTime fromHttpDate(const QByteArray& text) {
    QDateTime when = QLocale::c().toDateTime(QString::fromLatin1(text).chopped(4),
                                             QStringLiteral("ddd, dd MMM yyyy hh:mm:ss"));
    when.setTimeSpec(Qt::UTC);
    return when;
}

QByteArray reason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 304:
            return "Not Modified";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Answer";
    }
}

QByteArray head(int status, const QList<QByteArray>& lines) {
    QByteArray text = "HTTP/1.1 " + QByteArray::number(status) + " " + reason(status) + "\r\n";
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text + "Connection: close\r\n\r\n";
}

bool notModified(const Route& route, const QHash<QByteArray, QByteArray>& headers) {
    if (headers.contains("if-none-match"))
        return !route.etag.isEmpty() && headers.value("if-none-match") == route.etag;
    if (headers.contains("if-modified-since") && route.lastModified.isValid())
        return route.lastModified <= fromHttpDate(headers.value("if-modified-since"));
    return false;
}

// Writes another chunk each time the last one has gone, until the client hangs up.
void pourEndlessly(QSslSocket* socket) {
    auto sent = std::make_shared<qint64>(0);
    const QByteArray chunk(kEndlessChunk, 'x');
    QObject::connect(socket, &QSslSocket::encryptedBytesWritten, socket, [socket, sent, chunk] {
        if (socket->encryptedBytesToWrite() > 0 || *sent > kEndlessLimit)
            return;
        *sent += socket->write(chunk);
    });
    *sent += socket->write(chunk);
}

// One byte every few hundred milliseconds: never a stall, never the end.
void drip(QSslSocket* socket) {
    auto* timer = new QTimer(socket);
    QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
    timer->start(kDripInterval);
}

}  // namespace

HttpsServer::HttpsServer(const QSslCertificate& certificate, const QSslKey& key)
    : certificate_(certificate), key_(key) {}

bool HttpsServer::listenOnLoopback() {
    return listen(QHostAddress::LocalHost, 0);
}

QUrl HttpsServer::url(const QByteArray& path, const QByteArray& scheme) const {
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(QString::fromLatin1(scheme))
                    .arg(serverPort())
                    .arg(QString::fromLatin1(path)));
}

QList<int> HttpsServer::statusesOf(const QByteArray& path) const {
    QList<int> statuses;
    for (const Logged& entry : log_) {
        if (entry.path == path)
            statuses.append(entry.status);
    }
    return statuses;
}

void HttpsServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(certificate_);
    socket->setPrivateKey(key_);
    socket->setPeerVerifyMode(QSslSocket::VerifyNone);
    auto request = std::make_shared<QByteArray>();
    connect(socket, &QSslSocket::readyRead, socket, [this, socket, request] {
        if (request->endsWith("\r\n\r\n"))
            return;  // answered already
        *request += socket->readAll();
        if (request->contains("\r\n\r\n")) {
            request->truncate(request->indexOf("\r\n\r\n") + 4);
            answer(socket, *request);
        }
    });
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    // A client that refuses the certificate hangs up during the handshake.
    connect(socket, &QSslSocket::errorOccurred, socket, [socket] { socket->close(); });
    socket->startServerEncryption();
}

void HttpsServer::answer(QSslSocket* socket, const QByteArray& request) {
    const QList<QByteArray> lines = request.split('\n');
    Logged entry;
    entry.path = lines.value(0).split(' ').value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            entry.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                 lines[i].mid(colon + 1).trimmed());
    }
    Route missing;
    missing.kind = Route::Kind::Status;
    missing.status = 404;
    const Route route = routes_.value(entry.path, missing);
    QByteArray answer;
    switch (route.kind) {
        case Route::Kind::Body: {
            if (notModified(route, entry.headers)) {
                entry.status = 304;
                answer = head(304, {});
                break;
            }
            QList<QByteArray> lines{"Content-Type: " + route.type,
                                    "Content-Length: " + QByteArray::number(route.body.size())};
            if (!route.etag.isEmpty())
                lines.append("ETag: " + route.etag);
            if (!route.encoding.isEmpty())
                lines.append("Content-Encoding: " + route.encoding);
            if (route.lastModified.isValid())
                lines.append("Last-Modified: " + httpDate(route.lastModified));
            entry.status = 200;
            answer = head(200, lines) + route.body;
            break;
        }
        case Route::Kind::Status:
            entry.status = route.status;
            answer = route.status == 304 ? head(304, {})
                                         : head(route.status, {"Content-Length: 5"}) + "oops\n";
            break;
        case Route::Kind::Redirect:
            entry.status = route.status;
            answer = head(route.status, {"Location: " + route.location, "Content-Length: 0"});
            break;
        case Route::Kind::Stall:
            socket->write(head(200, {"Content-Length: 1000"}) + "BEGIN:VCALENDAR\r\n");
            log_.append(entry);
            return;
        case Route::Kind::Drip:
            socket->write(head(200, {"Content-Length: 100000"}));
            drip(socket);
            log_.append(entry);
            return;
        case Route::Kind::Endless:
            socket->write(head(200, {"Content-Type: text/calendar"}));
            pourEndlessly(socket);
            log_.append(entry);
            return;
    }
    log_.append(entry);
    socket->write(answer);
    socket->disconnectFromHost();
}

}  // namespace solvane::test
