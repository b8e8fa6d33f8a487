// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "reader.h"

namespace solvane::ical {

namespace {

struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

ReadResult refusal(ProblemKind kind, std::string detail = {}) {
    ReadResult result;
    result.problems.push_back({kind, {}, std::move(detail)});
    return result;
}

}  // namespace

ReadResult readCalendarFile(const std::string& path, const Request& request) {
    // Non-blocking, so that a FIFO with no writer cannot hold the open; fstat then refuses it.
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        const int error = errno;
        return error == ENOENT || error == ENOTDIR || error == ELOOP
                   ? refusal(ProblemKind::FileMissing)
                   : refusal(ProblemKind::FileUnreadable, std::to_string(error));
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) {
        return refusal(ProblemKind::FileUnreadable, std::to_string(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return refusal(ProblemKind::FileNotRegular);
    }
    const std::size_t cap = request.limits.fileBytes;
    if (static_cast<unsigned long long>(status.st_size) > cap) {
        return refusal(ProblemKind::FileTooLarge, std::to_string(status.st_size));
    }
    // The size may change under us: read to the end, but never past the cap.
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() > cap) {
                return refusal(ProblemKind::FileTooLarge, std::to_string(bytes.size()));
            }
            bytes.resize(std::min(cap + 1, bytes.size() * 2 + 4096));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refusal(ProblemKind::FileUnreadable, std::to_string(errno));
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    if (used > cap) {
        return refusal(ProblemKind::FileTooLarge, std::to_string(used));
    }
    bytes.resize(used);
    return readCalendar(bytes, request);
}

}  // namespace solvane::ical
