// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
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

// Whether `folder` is a folder of this user's that nobody else may enter: only there can no
// other user have bound the socket's name first.
bool isPrivateFolder(const QByteArray& folder, bool followLink) {
    struct stat info;
    const int looked =
        followLink ? ::stat(folder.constData(), &info) : ::lstat(folder.constData(), &info);
    return looked == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

// The folder for the socket: the user's runtime folder, or else a folder of the user's own in
// the shared temporary folder, made here; empty when neither is safely the user's, and the
// program then starts alone rather than trust a name another user may hold.
QString privateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime, true))
        return QFile::decodeName(runtime);
    const QByteArray shared = QFile::encodeName(QDir::tempPath()) + "/solvane-" +
                              QByteArray::number(qulonglong(::geteuid()));
    if (::mkdir(shared.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    // Never through a link: another user could point one at a folder of theirs.
    return isPrivateFolder(shared, false) ? QFile::decodeName(shared) : QString();
}

// The device and inode of the socket file at `path`, or none when there is no socket there.
std::optional<std::pair<dev_t, ino_t>> socketFileAt(const QString& path) {
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISSOCK(info.st_mode))
        return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
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

// Sends the whole message, for at most a few seconds: a running instance reads as it comes,
// and one that does not is not waited for.
bool sendAll(int fd, const QByteArray& message) {
    const timeval limit{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    qsizetype sent = 0;
    while (sent < message.size()) {
        const ssize_t n =
            ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return ::shutdown(fd, SHUT_WR) == 0;
}

// One later start's message, read as it comes and never waited for: the event loop goes on
// meanwhile, and a start that stalls or sends too much counts with no arguments.
class Incoming : public QObject {
public:
    Incoming(int fd, int timeoutMs, std::function<void(const QStringList&)> done, QObject* parent)
        : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read), done_(std::move(done)) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Incoming::readable);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { finish(false); });
        timer_.start(timeoutMs);
        readable();  // what came before the notifier was made
    }
    ~Incoming() override { ::close(fd_); }

private:
    void readable() {
        char chunk[4096];
        for (;;) {
            const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
            if (n > 0 && bytes_.size() + n > SingleInstance::kMaxMessage)
                return finish(false);
            if (n > 0) {
                bytes_.append(chunk, n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;             // more to come
            return finish(n == 0);  // the end of the message, or a start gone wrong
        }
    }
    void finish(bool whole) {
        if (finished_)
            return;
        finished_ = true;
        notifier_.setEnabled(false);
        timer_.stop();
        deleteLater();
        if (done_)
            guarded([&] { done_(whole ? launchArguments(bytes_) : QStringList()); });
    }

    int fd_;
    QSocketNotifier notifier_;
    QTimer timer_;
    QByteArray bytes_;
    std::function<void(const QStringList&)> done_;
    bool finished_ = false;
};

}  // namespace

QByteArray launchMessage(const QStringList& arguments) {
    QByteArray message;
    for (const QString& argument : arguments)
        message += QFile::encodeName(argument) + '\0';
    return message;
}

QStringList launchArguments(const QByteArray& message) {
    QStringList arguments;
    qsizetype from = 0;
    for (qsizetype end = message.indexOf('\0'); end >= 0; end = message.indexOf('\0', from)) {
        arguments.append(QFile::decodeName(message.mid(from, end - from)));
        from = end + 1;
    }
    return arguments;
}

SingleInstance::SingleInstance(QString path, QObject* parent)
    : QObject(parent), path_(std::move(path)) {}

SingleInstance::~SingleInstance() {
    if (listener_ < 0)
        return;
    // A later start finds nothing rather than a socket nobody answers on. The file at the path
    // is removed only while it is still the one this run bound: if it went and another start
    // listens there now, that one keeps it.
    if (socketFileAt(path_) == boundFile_)
        ::unlink(QFile::encodeName(path_).constData());
    ::close(listener_);
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
    const QString folder = privateFolder();
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/solvane-%1.socket").arg(display);
}

SingleInstance::Start SingleInstance::start(const QStringList& arguments) {
    if (path_.isEmpty())
        return Start::First;
    Answer answer = handOver(arguments);
    if (answer == Answer::Same)
        return Start::HandedOver;
    if (answer == Answer::Nobody && listen())
        return Start::First;
    // Another start may have begun listening between the two steps; it wins.
    if (answer == Answer::Nobody)
        answer = handOver(arguments);
    if (answer == Answer::Same)
        return Start::HandedOver;
    if (answer == Answer::Stranger) {
        qWarning("solvane: %s is held by another user: this start runs alone", qPrintable(path_));
        return Start::First;
    }
    // Nobody answers on the path: a crashed run left its socket behind.
    QFile::remove(path_);
    if (!listen())
        qWarning("solvane: cannot listen on %s: later starts open windows of their own",
                 qPrintable(path_));
    return Start::First;
}

// The connection itself is the request to come to the front; the arguments follow it. It
// counts only when the program that accepted it runs as this user, which the kernel tells:
// nothing is sent before that.
SingleInstance::Answer SingleInstance::handOver(const QStringList& arguments) const {
    const std::optional<sockaddr_un> address = addressOf(path_);
    if (!address)
        return Answer::Nobody;
    const Descriptor socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (socket.fd < 0)
        return Answer::Nobody;
    // A listening instance is answered by the kernel at once, even while it is busy; a file
    // nobody listens on is refused at once.
    int result;
    do {
        result =
            ::connect(socket.fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(sockaddr_un));
    } while (result < 0 && errno == EINTR);
    if (result != 0)
        return Answer::Nobody;
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(socket.fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        peer.uid != ::geteuid()) {
        return Answer::Stranger;
    }
    if (!sendAll(socket.fd, launchMessage(arguments)))
        qWarning("solvane: the running Solvane did not take the calendars given");
    return Answer::Same;
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
    boundFile_ = socketFileAt(path_);
    if (::listen(socket.fd, SOMAXCONN) < 0) {
        ::unlink(QFile::encodeName(path_).constData());
        return false;
    }
    listener_ = socket.release();
    notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::acceptLaunches);
    return true;
}

void SingleInstance::acceptLaunches() {
    for (;;) {
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            return;  // none left (EAGAIN), or one that went away before it was taken
        new Incoming(connection, messageTimeoutMs_, onSecondLaunch, this);
    }
}

}  // namespace solvane
