// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The tool strip's mode buttons: always on top, hiding into the notification area and back,
// week numbers, the Parameters dialog and exit.

#include <QAction>
#include <QEventLoopLocker>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

#include "guard.h"
#include "platform.h"
#include "tcalendar.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "tray_icon.h"

namespace solvane {
namespace {

// Offset of the pointer from the window's centre when the Parameters dialog opens.
constexpr QPoint kParametersPointerOffset{50, 60};

// Calls back once, when the window's frame first differs from what it was at the show; gives
// up if the window is moved before that.
class FrameWatch final : public QObject {
public:
    FrameWatch(QWindow* window, std::function<void()> framed)
        : QObject(window),
          window_(window),
          frameAtShow_(window->frameMargins()),
          insideAtShow_(window->position()),
          framed_(std::move(framed)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent*) override {
        // Qt learns the frame from the window manager's configure event, which may come
        // after the first expose; every event of the window until then looks again.
        const bool moved = window_->position() != insideAtShow_;
        const bool framed = window_->frameMargins() != frameAtShow_;
        if (moved || framed) {
            window_->removeEventFilter(this);
            deleteLater();
            if (framed && !moved)
                guarded(framed_);
        }
        return false;
    }

private:
    QWindow* window_;
    QMargins frameAtShow_;
    QPoint insideAtShow_;
    std::function<void()> framed_;
};

}  // namespace

// A window manager frames the window when it maps it, after the show and, as often as not,
// after the first activation: until then Qt takes the inside's corner for the outer one. The
// centring used the inside's size, FullPos was read from the inside's corner (leaving compact
// mode would put the window back a title bar lower) and the pointer missed the close button.
// Once the frame is known, what was done without it is done again, unless the window has been
// moved meanwhile.
void TCalendar::watchForTheFrame() {
    QWindow* window = windowHandle();
    if (!window)
        return;
    frameWatch_ = new FrameWatch(window, [this] {
        centreOnDesktop();
        if (FirstActivated) {
            FullPos = pos();
            pointToCloseButton();
        }
    });
}

void TCalendar::pointToCloseButton() {
    movePointerFromCorner(SpeedButton3->x() + 35, toolStripFrame()->y() + SpeedButton3->y() + 37);
}

void TCalendar::setUpTimerAndWindowModes() {
    setUpTodayTimer();
    if (!showModally)
        showModally = [](QDialog& dialog) { dialog.exec(); };
    if (!trayAvailable)
        trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    // The icon stays in the notification area from the window's first show to exit, shown or
    // hidden window.
    new TrayIcon(*this);
}

void TCalendar::SpeedButton1Click() {
    ResetCalendarHints();
    // Changing the flags of a shown window hides it; show it again where it stood.
    const bool onTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool shown = isVisible();
    const QPoint where = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, !onTop);
    move(where);
    if (shown)
        showAgainWithoutActivation();
    monthNumberBox(1)->setFocus();
}

void TCalendar::SpeedButton2Click() {
    ResetCalendarHints();
    hideToTray();
}

void TCalendar::Tray1Click() {
    hideToTray();
}

void TCalendar::hideToNotificationArea() {
    Tray1Click();
}

void TCalendar::hideToTray() {
    // Without a notification area there would be no icon to bring the window back.
    if (trayAvailable()) {
        hide();
        keepRunningWhileHidden_ = std::make_shared<QEventLoopLocker>();
        return;
    }
    boxes().message(tr("There is no notification area on this desktop, so Solvane stays visible."));
}

void TCalendar::RxTrayIcon1Click() {
    // The window comes back as it was left: this show is not an activation that dates the
    // view anew.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    showAgainWithoutActivation();
    raise();
    activateWindow();
    keepRunningWhileHidden_.reset();
}

void TCalendar::bringToFront() {
    RxTrayIcon1Click();
}

// The width button's menu holds only "Tray", and shows it only with one month. A menu with
// nothing to show would open as an empty popup, unseen, that takes the next click.
void TCalendar::popUpWidthMenu(QPoint at) {
    const QList<QAction*> items = PopupMenu1->actions();
    if (std::none_of(items.begin(), items.end(), [](const QAction* a) { return a->isVisible(); }))
        return;
    PopupMenu1->popup(SpeedButton7->mapToGlobal(at));
}

void TCalendar::SpeedButton3Click() {
    close();
}

void TCalendar::SpeedButton4Click() {
    ResetCalendarHints();
    const QSize outer = frameGeometry().size();
    movePointerFromCorner(outer.width() / 2 + kParametersPointerOffset.x(),
                          outer.height() / 2 + kParametersPointerOffset.y());
    if (THome* dialog = parametersDialog()) {
        showModally(*dialog);
        emit sunShown();  // an offset or zone switch changed in the dialog applies at once
    }
}

void TCalendar::showParameters() {
    SpeedButton4Click();
}

void TCalendar::SpeedButton5Click() {
    ResetCalendarHints();
    model_.setWeekNumbersShown(!model_.weekNumbersShown());
}

void TCalendar::showWeekNumbers(bool on) {
    for (int k = 1; k <= 12; ++k)
        MonthCalendar(k)->setWeekNumbers(on);
}

}  // namespace solvane
