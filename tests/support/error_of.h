// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

#include "error.h"

namespace solvane::test {

// The text of the error that `action` raises, or an empty text when it raises none.
inline QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.text();
    }
    return QString();
}

}  // namespace solvane::test
