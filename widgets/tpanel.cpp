// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tpanel.h"

#include <QPainter>

#include "changed.h"

namespace solvane {
namespace {

void drawBevel(QPainter& painter, QRect& r, TPanel::Bevel bevel) {
    if (bevel == TPanel::bvNone)
        return;
    const QColor light = bevel == TPanel::bvRaised ? Qt::white : QColor(128, 128, 128);
    const QColor dark = bevel == TPanel::bvRaised ? QColor(128, 128, 128) : Qt::white;
    painter.setPen(light);
    painter.drawLine(r.left(), r.top(), r.right(), r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
    painter.setPen(dark);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    r.adjust(1, 1, -1, -1);
}

}  // namespace

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
    // A panel can take the keyboard focus when asked to, so that no calendar or button keeps it.
    setFocusPolicy(Qt::ClickFocus);
}

void TPanel::setCaption(const QString& caption) {
    if (!assignIfChanged(caption_, caption))
        return;
    setAccessibleName(caption);
    update();
}

void TPanel::setColor(TColor colour) {
    if (assignIfChanged(color_, colour))
        update();
}

void TPanel::setFontColor(TColor colour) {
    if (assignIfChanged(fontColor_, colour))
        update();
}

void TPanel::setBevelOuter(Bevel bevel) {
    if (assignIfChanged(bevelOuter_, bevel))
        update();
}

void TPanel::setBevelInner(Bevel bevel) {
    if (assignIfChanged(bevelInner_, bevel))
        update();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPlainPanel(painter);
}

void TPanel::paintPlainPanel(QPainter& painter) {
    QRect r = rect();
    painter.fillRect(r, toQColor(color_));
    drawBevel(painter, r, bevelOuter_);
    drawBevel(painter, r, bevelInner_);
    if (!caption_.isEmpty()) {
        painter.setPen(toQColor(fontColor_));
        painter.setFont(font());
        painter.drawText(r, Qt::AlignCenter, caption_);
    }
}

}  // namespace solvane
