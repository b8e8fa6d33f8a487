// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A click event for widgets that have none, such as an edit field: the handler runs, guarded,
// when the left mouse button is released over the widget.

#include <functional>

class QWidget;

namespace solvane {

void installClickHandler(QWidget* widget, std::function<void()> handler);

}  // namespace solvane
