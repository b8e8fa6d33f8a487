// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "click_handler.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "guard.h"

namespace solvane {
namespace {

class ClickFilter final : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> handler)
        : QObject(widget), widget_(widget), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                widget_->rect().contains(mouse->position().toPoint())) {
                // The widget handles the release first (an edit field clears its selection
                // there), so that what the handler does stays.
                static_cast<QObject*>(widget_)->event(event);
                guarded(handler_);
                return true;
            }
        }
        return false;
    }

private:
    QWidget* widget_;
    std::function<void()> handler_;
};

}  // namespace

void installClickHandler(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new ClickFilter(widget, std::move(handler)));
}

}  // namespace solvane
