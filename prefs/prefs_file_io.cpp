// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Reading and writing prefs.cal on the file system. Everything works on the path's native
// bytes, so a folder whose name is not valid UTF-8 is reached as it is.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include "error.h"
#include "prefs_file.h"

namespace solvane::prefs {
namespace {

// A save writes ".prefs.cal.solvane-XXXXXX" first: hidden, and a name no user gives a copy of
// the file ("prefs.cal.backup", "prefs.cal.2026v1"), so that clearing leftovers never takes one.
constexpr char kTemporaryPrefix = '.';
constexpr char kTemporaryInfix[] = ".solvane-";
constexpr int kTemporarySuffixLength = 6;

// The path as the user knows it. A folder reached through an open descriptor (its name is not
// valid UTF-8) is shown by its real name, with the undecodable bytes marked.
QString shown(const QString& path) {
    static const QRegularExpression descriptor(QStringLiteral("^/proc/self/fd/\\d+(?=/)"));
    const QRegularExpressionMatch match = descriptor.match(path);
    if (match.hasMatch()) {
        QByteArray link(4096, '\0');
        const QByteArray name = QFile::encodeName(match.captured());
        const ssize_t n = ::readlink(name.constData(), link.data(), size_t(link.size()));
        if (n > 0 && n < link.size())
            return QString::fromUtf8(link.left(n)) + path.mid(match.capturedLength());
    }
    return QDir::toNativeSeparators(path);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void cannotOpen(const QString& path, const QString& reason = QString()) {
    throw Error(
        reason.isEmpty()
            ? QCoreApplication::translate("PrefsFile", "Cannot open file %1").arg(shown(path))
            : QCoreApplication::translate("PrefsFile", "Cannot open file %1: %2")
                  .arg(shown(path), reason));
}

[[noreturn]] void cannotCreate(const QString& path, const QString& reason) {
    throw Error(QCoreApplication::translate("PrefsFile", "Cannot create file %1: %2")
                    .arg(shown(path), reason));
}

// Reasons, after "Cannot open file %1:" or "Cannot create file %1:".
QString notRegular() {
    return QCoreApplication::translate("PrefsFile", "it is not a regular file");
}
QString tooLarge() {
    return QCoreApplication::translate("PrefsFile", "it is larger than 1 MiB");
}

// Closes the descriptor when the scope ends, however it ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

QByteArray readAllOf(int fd, const QString& path) {
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            cannotOpen(path, systemReason(errno));
        if (n == 0)
            return bytes;
        bytes.append(buffer, n);
        if (bytes.size() > kMaxFileSize)  // it grew since it was looked at
            cannotOpen(path, tooLarge());
    }
}

// The folder part and the name part of a native path.
QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}
QByteArray nameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a save replaces: the path itself, or the regular file a link at the path leads to.
QByteArray saveTarget(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat entry;
    if (::lstat(native.constData(), &entry) != 0)
        return native;  // a new file; creating it tells whether the folder can be written
    if (S_ISREG(entry.st_mode))
        return native;
    if (!S_ISLNK(entry.st_mode))
        cannotCreate(path, notRegular());
    struct stat target;
    if (::stat(native.constData(), &target) != 0)
        cannotCreate(path,
                     QCoreApplication::translate("PrefsFile", "it is a link to a missing file"));
    if (!S_ISREG(target.st_mode))
        cannotCreate(path,
                     QCoreApplication::translate(
                         "PrefsFile", "it is a link to something that is not a regular file"));
    char resolved[PATH_MAX];
    if (!::realpath(native.constData(), resolved))
        cannotCreate(path, systemReason(errno));
    return QByteArray(resolved);
}

QByteArray temporaryStem(const QByteArray& name) {
    return kTemporaryPrefix + name + kTemporaryInfix;
}

bool isTemporaryOf(const QByteArray& entry, const QByteArray& name) {
    const QByteArray stem = temporaryStem(name);
    if (entry.size() != stem.size() + kTemporarySuffixLength || !entry.startsWith(stem))
        return false;
    for (const char c : entry.right(kTemporarySuffixLength)) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// A save killed between creating its temporary file and renaming it leaves that file behind;
// the next save clears the regular files of that name pattern that this user owns; nothing
// else in the folder is touched.
void removeLeftovers(const QByteArray& target) {
    const QByteArray folder = folderOf(target);
    const QByteArray name = nameOf(target);
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        if (!isTemporaryOf(entryName, name))
            continue;
        const QByteArray leftover = folder + '/' + entryName;
        struct stat info;
        if (::lstat(leftover.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid()) {
            ::unlink(leftover.constData());
        }
    }
    ::closedir(dir);
}

// A new temporary file ".<name>.solvane-XXXXXX" beside the target, created with the usual mode.
int createTemporary(const QByteArray& target, QByteArray& temporary) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folderOf(target) + '/' + temporaryStem(nameOf(target));
        for (int i = 0; i < kTemporarySuffixLength; ++i)
            temporary += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

}  // namespace

QByteArray readBytes(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    // Looked at before opening: opening a device can have effects of its own.
    struct stat info;
    if (::stat(native.constData(), &info) != 0)
        cannotOpen(path);
    if (!S_ISREG(info.st_mode))
        cannotOpen(path, notRegular());
    if (info.st_size > kMaxFileSize)
        cannotOpen(path, tooLarge());
    // Non-blocking, and checked again on the open file, in case the path changed meanwhile.
    Descriptor file{::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0)
        cannotOpen(path);
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        cannotOpen(path, notRegular());
    return readAllOf(file.fd, path);
}

QStringList readFile(const QString& path) {
    return splitLines(readBytes(path));
}

void writeFile(const QString& path, const QStringList& lines) {
    // Past a file size limit the system sends SIGXFSZ, which would end the program; ignored,
    // the write fails with "File too large" and the save reports it.
    static const bool fileSizeSignalIgnored = (std::signal(SIGXFSZ, SIG_IGN), true);
    Q_UNUSED(fileSizeSignalIgnored);

    const QByteArray target = saveTarget(path);
    removeLeftovers(target);
    QByteArray temporary;
    Descriptor file{createTemporary(target, temporary)};
    if (file.fd < 0)
        cannotCreate(path, systemReason(errno));
    struct stat old;
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(file.fd, old.st_mode & 07777);
    const QByteArray bytes = joinLines(lines);
    const bool written = writeAll(file.fd, bytes) && ::fsync(file.fd) == 0;
    const int writeError = errno;
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (!written || closed != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
        const int error = !written ? writeError : errno;
        ::unlink(temporary.constData());
        cannotCreate(path, systemReason(error));
    }
}

}  // namespace solvane::prefs
