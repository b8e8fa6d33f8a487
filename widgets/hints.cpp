// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "hints.h"

#include <QVariant>
#include <QWidget>

namespace solvane {
namespace {

constexpr const char* kHint = "Hint";
constexpr const char* kShowHint = "ShowHint";

void refreshToolTip(QWidget* widget) {
    const QString text = showHint(widget) ? hint(widget) : QString();
    if (widget->toolTip() != text)
        widget->setToolTip(text);
}

}  // namespace

void setHint(QWidget* widget, const QString& text) {
    if (hint(widget) == text)
        return;
    widget->setProperty(kHint, text);
    widget->setAccessibleDescription(text);
    refreshToolTip(widget);
}

QString hint(const QWidget* widget) {
    return widget->property(kHint).toString();
}

void setShowHint(QWidget* widget, bool on) {
    if (widget->property(kShowHint).isValid() && showHint(widget) == on)
        return;
    widget->setProperty(kShowHint, on);
    refreshToolTip(widget);
}

bool showHint(const QWidget* widget) {
    return widget->property(kShowHint).toBool();
}

}  // namespace solvane
