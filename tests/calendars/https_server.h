// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A small HTTPS server on 127.0.0.1 for the subscription tests, run on the test's own event
// loop: each path answers as its route says (a body with validators, a status, a redirect, a
// stall, an endless body, or a body that drips a byte at a time), and every request is logged with
// the status it got.

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QUrl>

namespace solvane::test {

struct Route {
    enum class Kind { Body, Status, Redirect, Stall, Endless, Drip };
    Kind kind = Kind::Body;
    QByteArray body;
    QByteArray etag;         // sent, and compared with If-None-Match, when not empty
    QDateTime lastModified;  // sent, and compared with If-Modified-Since, when valid
    int status = 200;        // for Status and Redirect
    QByteArray location;     // for Redirect
    QByteArray type = "text/calendar";
    QByteArray encoding;  // Content-Encoding of the body, when not empty
};

struct Logged {
    QByteArray path;
    int status = 0;                         // 0 when the answer never ended (stall, endless body)
    QHash<QByteArray, QByteArray> headers;  // lower-case names
};

class HttpsServer : public QTcpServer {
    Q_OBJECT

public:
    HttpsServer(const QSslCertificate& certificate, const QSslKey& key);

    bool listenOnLoopback();
    QUrl url(const QByteArray& path, const QByteArray& scheme = "https") const;
    void route(const QByteArray& path, const Route& route) { routes_.insert(path, route); }
    const QList<Logged>& log() const { return log_; }
    QList<int> statusesOf(const QByteArray& path) const;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void answer(QSslSocket* socket, const QByteArray& request);

    QSslCertificate certificate_;
    QSslKey key_;
    QHash<QByteArray, Route> routes_;
    QList<Logged> log_;
};

}  // namespace solvane::test
