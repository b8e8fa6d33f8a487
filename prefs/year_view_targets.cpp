// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "year_view_targets.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane::yearview {
namespace {

// The widgets directly inside `parent` that belong to the same window.
QList<QWidget*> ownChildren(QWidget* parent) {
    QList<QWidget*> result;
    for (QObject* object : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && !widget->isWindow())
            result << widget;
    }
    return result;
}

bool isQtInternal(const QWidget* widget) {
    return widget->objectName().startsWith(QLatin1String("qt_"));
}

}  // namespace

QWidget* findControl(QWidget* view, const QString& name) {
    // Breadth first: the controls sought lie directly in the window or one level below.
    QList<QWidget*> level = ownChildren(view);
    while (!level.isEmpty()) {
        QList<QWidget*> next;
        for (QWidget* widget : level) {
            if (widget->objectName() == name)
                return widget;
            next << ownChildren(widget);
        }
        level = next;
    }
    return nullptr;
}

TMonthCalendar* monthCalendar(QWidget* view, int k) {
    return qobject_cast<TMonthCalendar*>(
        findControl(view, QStringLiteral("MonthCalendar%1").arg(k)));
}

TPanel* panel(QWidget* view, int n) {
    return qobject_cast<TPanel*>(findControl(view, QStringLiteral("Panel%1").arg(n)));
}

void setWindowColour(QWidget* view, TColor colour) {
    if (view->autoFillBackground() && view->property("Color") == QVariant(colour))
        return;
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    view->setPalette(palette);
    view->setAutoFillBackground(true);
    // The palette holds the resolved colour; the value itself is kept for reading back,
    // since a system colour (a negative value) cannot be recovered from its RGB.
    view->setProperty("Color", colour);
}

TColor windowColour(const QWidget* view) {
    const QVariant stored = view->property("Color");
    return stored.isValid() ? stored.toInt() : fromQColor(view->palette().color(QPalette::Window));
}

QList<QWidget*> hintControls(QWidget* view) {
    QList<QWidget*> result{view};
    for (qsizetype i = 0; i < result.size(); ++i) {
        QWidget* widget = result.at(i);
        if (widget != view && qobject_cast<TMonthCalendar*>(widget))
            continue;
        for (QWidget* child : ownChildren(widget)) {
            if (!isQtInternal(child))
                result << child;
        }
    }
    return result;
}

}  // namespace solvane::yearview
