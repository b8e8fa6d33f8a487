// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "file_head.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace solvane::astro {

// C's stdio rather than a file stream: the program reads a few small files once, and the
// streams' locale machinery would cost more memory than the files themselves.
std::optional<std::string> readFileHead(const std::string& path, std::size_t limit) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 16 * 1024> chunk;
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(chunk.size(), limit - bytes.size());
        const std::size_t got = std::fread(chunk.data(), 1, wanted, file.get());
        bytes.append(chunk.data(), got);
        if (got < wanted) {
            break;
        }
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

}  // namespace solvane::astro
