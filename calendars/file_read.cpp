// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace solvane::calendars {
namespace {

using Kind = SourceError::Kind;

FileRead failure(Kind kind, const QString& detail) {
    return FileRead{QByteArray(), SourceError{kind, detail}};
}

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What kind of thing stands at a path that could not be opened as a regular file.
FileRead refusedType(mode_t mode) {
    if (S_ISDIR(mode))
        return failure(Kind::Directory, QStringLiteral("it is a folder"));
    if (S_ISFIFO(mode))
        return failure(Kind::NotRegularFile, QStringLiteral("it is a named pipe"));
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return failure(Kind::NotRegularFile, QStringLiteral("it is a device"));
    if (S_ISSOCK(mode))
        return failure(Kind::NotRegularFile, QStringLiteral("it is a socket"));
    return failure(Kind::NotRegularFile, QStringLiteral("it is not a regular file"));
}

FileRead openFailure(const QByteArray& name, int error) {
    if (error != ENOENT)
        return failure(Kind::Unreadable, reason(error));
    struct stat link {};
    if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
        return failure(Kind::DanglingLink, QStringLiteral("the link's target is missing"));
    return failure(Kind::NotFound, reason(error));
}

// Reads at most cap + 1 bytes, so that a file growing while it is read is still refused.
FileRead readOpen(int fd, qint64 size, qint64 cap) {
    QByteArray bytes;
    bytes.reserve(qsizetype(size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(Kind::Unreadable, reason(errno));
        if (n == 0)
            break;
        bytes.append(chunk, qsizetype(n));
        if (bytes.size() > cap)
            return failure(Kind::TooLarge, QStringLiteral("more than %1 bytes").arg(cap));
    }
    return FileRead{bytes, SourceError{}};
}

}  // namespace

FileRead readRegularFile(const QString& path, qint64 cap) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return failure(Kind::NotFound, QStringLiteral("no path"));
    // Whatever is not a regular file is refused before it is opened: opening a device can have
    // effects of its own. The fstat after the open catches a swap between the two looks; a FIFO
    // put there in between opens at once thanks to O_NONBLOCK, and is refused unread.
    struct stat before {};
    if (::stat(name.constData(), &before) == 0 && !S_ISREG(before.st_mode))
        return refusedType(before.st_mode);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return openFailure(name, errno);
    struct stat st {};
    FileRead result;
    if (::fstat(fd, &st) != 0)
        result = failure(Kind::Unreadable, reason(errno));
    else if (!S_ISREG(st.st_mode))
        result = refusedType(st.st_mode);
    else if (st.st_size > cap)
        result = failure(
            Kind::TooLarge,
            QStringLiteral("%1 bytes, more than %2 bytes").arg(qint64(st.st_size)).arg(cap));
    else
        result = readOpen(fd, qint64(st.st_size), cap);
    ::close(fd);
    return result;
}

}  // namespace solvane::calendars
