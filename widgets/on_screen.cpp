// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "on_screen.h"

#include <QVariant>
#include <QWidget>

namespace solvane {
namespace {

constexpr const char* kKeptAway = "solvaneKeptFromAssistiveTechnology";

// Whether a control stacked above `widget` among its siblings hides all of `shown`, a part
// of it in the parent's coordinates: the compact window's strip lies over the second row.
bool coveredBySibling(const QWidget* widget, const QRect& shown) {
    const QObjectList& siblings = widget->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(widget)) + 1; i < siblings.size();
         ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings.at(i));
        if (sibling && !sibling->isWindow() && sibling->isVisible() &&
            sibling->geometry().contains(shown)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool withinWindow(const QWidget* widget) {
    if (!widget->isVisible())
        return false;
    QRect shown = widget->rect();
    for (const QWidget* w = widget; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        shown = shown.translated(w->pos()) & w->parentWidget()->rect();
        if (shown.isEmpty() || coveredBySibling(w, shown))
            return false;
    }
    return true;
}

void keepFromAssistiveTechnology(QWidget* widget) {
    widget->setProperty(kKeptAway, true);
}

bool keptFromAssistiveTechnology(const QWidget* widget) {
    return widget->property(kKeptAway).toBool();
}

}  // namespace solvane
