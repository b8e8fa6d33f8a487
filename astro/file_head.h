// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Reading the system's small data files (zone files, the zone table) whole, up to a limit.

#include <cstddef>
#include <optional>
#include <string>

namespace solvane::astro {

// The first `limit` bytes of the file at `path` (all of it when it is shorter), or nothing
// when it cannot be opened. Memory grows with what the file holds, not with the limit.
std::optional<std::string> readFileHead(const std::string& path, std::size_t limit);

// The longest first line firstLine() returns.
inline constexpr std::size_t kMaxLineLength = 4096;
// The file's first line without its line end, at most kMaxLineLength bytes; empty when the
// file cannot be read.
std::string firstLine(const std::string& path);

}  // namespace solvane::astro
