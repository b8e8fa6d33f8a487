// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "day_popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

namespace solvane {
namespace {

bool isModifierKey(int key) {
    return key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock;
}

}  // namespace

QString linesHtml(const QStringList& lines) {
    QStringList escaped;
    for (QString line : lines)
        escaped.append(line.replace(QLatin1Char('\n'), QLatin1Char(' ')).toHtmlEscaped());
    // Rich text said so outright: a summary that looks like markup is shown as written. Each
    // event keeps to its line; the box is as wide as the longest.
    return QStringLiteral("<qt><div style=\"white-space:pre\">") +
           escaped.join(QStringLiteral("<br>")) + QStringLiteral("</div></qt>");
}

DayPopup::DayPopup(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassGraphicsProxyWidget),
      owner_(owner) {
    setObjectName(QStringLiteral("DayPopup"));
    // The tooltip's look, so that hovering and clicking show the same kind of box.
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

DayPopup::~DayPopup() {
    qApp->removeEventFilter(this);
}

void DayPopup::showUnder(const QRect& cell, const QString& html) {
    cell_ = cell;
    setText(html);
    adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(cell.center());
    const QRect room = screen ? screen->availableGeometry() : QRect();
    QPoint at(cell.left(), cell.bottom() + 2);
    if (room.isValid()) {
        if (at.y() + height() > room.bottom())
            at.setY(cell.top() - 2 - height());  // above the cell at the bottom of the screen
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
    }
    move(at);
    qApp->installEventFilter(this);
    show();
    raise();
}

void DayPopup::dismiss() {
    if (isVisible())
        hide();
}

void DayPopup::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
    emit closed();
}

// Looks only: every event goes on to where it was going.
bool DayPopup::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (!isModifierKey(static_cast<QKeyEvent*>(event)->key()))
                dismiss();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            dismiss();
            break;
        case QEvent::MouseMove:
            if (!cell_.contains(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()))
                dismiss();
            break;
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            if (watched == owner_->window())
                dismiss();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace solvane
