// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "single_instance.h"

#include <unistd.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include "guard.h"

namespace solvane {
namespace {

// A running instance answers a connect at once, even while busy: the kernel queues it.
constexpr int kConnectTimeoutMs = 1000;

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

QString SingleInstance::defaultName() {
    // Without a screen there is no window to bring forward, and runs without one (tests,
    // scripts) must never meet each other.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    // One instance per display: a start on another display (a second seat, a virtual
    // display) opens a window there.
    QString display = qEnvironmentVariable(
        platform.startsWith(QLatin1String("wayland")) ? "WAYLAND_DISPLAY" : "DISPLAY");
    for (QChar& c : display) {
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    }
    // The user's runtime folder is theirs alone; in the shared temporary folder another user
    // could take the name first.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/solvane-%1.socket").arg(display);
    return QStringLiteral("solvane-%1-%2").arg(getuid()).arg(display);
}

SingleInstance::Start SingleInstance::start() {
    if (name_.isEmpty())
        return Start::First;
    if (handOver())
        return Start::HandedOver;
    if (listen())
        return Start::First;
    // Another start may have begun listening between the two steps; it wins.
    if (handOver())
        return Start::HandedOver;
    // Nobody answers on the socket: a crashed run left it behind. (Listening with an access
    // option already replaces such a file; this covers a system where it does not.)
    QLocalServer::removeServer(name_);
    if (!listen())
        qWarning("solvane: cannot listen on %s: later starts open windows of their own",
                 qPrintable(name_));
    return Start::First;
}

bool SingleInstance::handOver() const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write("show\n");
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptLaunches);
    }
    return server_->listen(name_);
}

void SingleInstance::acceptLaunches() {
    // The connection itself is the request; what the later start wrote needs no reading.
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (onSecondLaunch)
            guarded(onSecondLaunch);
    }
}

}  // namespace solvane
