// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

namespace solvane {

// Property writers store a value and repaint only when it differs from the stored one:
// `if (assignIfChanged(color_, colour)) update();`.
template <typename T, typename U>
bool assignIfChanged(T& field, U&& value) {
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}

}  // namespace solvane
