// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "guard.h"

namespace solvane {
namespace {

// The address of `path`, or none when the path does not fit into one.
std::optional<sockaddr_un> addressOf(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.isEmpty() || size_t(bytes.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    return address;
}

// Closes the descriptor when it goes out of scope, unless released.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

}  // namespace

SingleInstance::SingleInstance(QString path, QObject* parent)
    : QObject(parent), path_(std::move(path)) {}

SingleInstance::~SingleInstance() {
    if (listener_ < 0)
        return;
    ::close(listener_);
    // The socket was this run's: a later start finds nothing rather than a socket nobody
    // answers on.
    QFile::remove(path_);
}

QString SingleInstance::defaultPath() {
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
    // The user's runtime folder is theirs alone; in the shared temporary folder the name
    // carries the user's number.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/solvane-%1.socket").arg(display);
    return QDir::tempPath() + QStringLiteral("/solvane-%1-%2.socket").arg(getuid()).arg(display);
}

SingleInstance::Start SingleInstance::start() {
    if (path_.isEmpty())
        return Start::First;
    if (handOver())
        return Start::HandedOver;
    if (listen())
        return Start::First;
    // Another start may have begun listening between the two steps; it wins.
    if (handOver())
        return Start::HandedOver;
    // Nobody answers on the path: a crashed run left its socket behind.
    QFile::remove(path_);
    if (!listen())
        qWarning("solvane: cannot listen on %s: later starts open windows of their own",
                 qPrintable(path_));
    return Start::First;
}

// The connection itself is the request: nothing is written, so nothing can fail half-way.
bool SingleInstance::handOver() const {
    const std::optional<sockaddr_un> address = addressOf(path_);
    if (!address)
        return false;
    const Descriptor socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (socket.fd < 0)
        return false;
    // A listening instance is answered by the kernel at once, even while it is busy; a file
    // nobody listens on is refused at once.
    int result;
    do {
        result =
            ::connect(socket.fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(sockaddr_un));
    } while (result < 0 && errno == EINTR);
    return result == 0;
}

bool SingleInstance::listen() {
    const std::optional<sockaddr_un> address = addressOf(path_);
    if (!address)
        return false;
    Descriptor socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)};
    if (socket.fd < 0)
        return false;
    // Only this user may connect, in whatever folder the socket lies.
    const mode_t previousMask = ::umask(0077);
    const int bound =
        ::bind(socket.fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(sockaddr_un));
    ::umask(previousMask);
    if (bound < 0)
        return false;
    if (::listen(socket.fd, SOMAXCONN) < 0) {
        QFile::remove(path_);
        return false;
    }
    listener_ = socket.release();
    notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::acceptLaunches);
    return true;
}

void SingleInstance::acceptLaunches() {
    for (;;) {
        const Descriptor connection{::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)};
        if (connection.fd < 0)
            return;  // none left (EAGAIN), or one that went away before it was taken
        if (onSecondLaunch)
            guarded(onSecondLaunch);
    }
}

}  // namespace solvane
