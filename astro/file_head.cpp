// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "file_head.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace solvane::astro {

namespace {

// A descriptor that closes itself.
class OpenFile {
public:
    // Without O_NONBLOCK, opening a FIFO for reading waits for a writer that may never come.
    explicit OpenFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) {}
    ~OpenFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    FileKind kind() const {
        struct stat status {};
        if (fd_ < 0) {
            return FileKind::Missing;
        }
        return ::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode) ? FileKind::Regular
                                                                     : FileKind::Other;
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FileKind fileKind(const std::string& path) {
    return OpenFile(path).kind();
}

// The descriptor's own read rather than stdio: stdio cannot open without blocking, and the
// program reads only a few small files once.
std::optional<std::string> readFileHead(const std::string& path, std::size_t limit) {
    const OpenFile file(path);
    if (file.kind() != FileKind::Regular) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 16 * 1024> chunk;
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(chunk.size(), limit - bytes.size());
        const ssize_t got = ::read(file.fd(), chunk.data(), wanted);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return bytes;
}

std::string firstLine(const std::string& path) {
    const std::optional<std::string> head = readFileHead(path, kMaxLineLength);
    if (!head) {
        return {};
    }
    return head->substr(0, head->find('\n'));
}

bool isZoneFile(const std::string& path) {
    const std::optional<std::string> head = readFileHead(path, 4);
    return head && *head == "TZif";
}

}  // namespace solvane::astro
