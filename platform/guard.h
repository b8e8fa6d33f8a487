// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Every event handler runs inside guarded(): an exception ends the handler and shows its
// text in the general error box, so none ever crosses Qt's event loop.

#include <exception>
#include <utility>

#include "error.h"
#include "platform.h"

namespace solvane {

void reportError(const std::exception& e);
void reportUnknownError();

template <typename F>
void guarded(F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& e) {
        reportError(e);
    } catch (...) {
        reportUnknownError();
    }
}

// Wraps a member handler for connect(): connect(b, &QPushButton::clicked, this, guard(this,
// &X::Y)).
template <typename Obj>
auto guard(Obj* obj, void (Obj::*handler)()) {
    return [obj, handler](auto&&...) { guarded([&] { (obj->*handler)(); }); };
}

}  // namespace solvane
