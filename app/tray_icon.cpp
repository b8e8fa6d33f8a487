// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "tray_icon.h"

#include <QAction>
#include <QEvent>
#include <QLocale>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

#include "guard.h"
#include "platform.h"
#include "tcalendar.h"

namespace solvane {
namespace {

// How often a window hidden in the notification area checks that the area is still there.
constexpr int kHostWatchMs = 250;
// A deactivation this recent was caused by the click on the icon itself.
constexpr qint64 kClickDeactivationMs = 400;

}  // namespace

TrayIcon::TrayIcon(TCalendar& calendar)
    : QObject(&calendar), calendar_(calendar), icon_(calendar.trayIcon()) {
    createMenu();
    hostWatch_ = new QTimer(this);
    hostWatch_->setInterval(kHostWatchMs);
    connect(hostWatch_, &QTimer::timeout, this,
            [this] { guarded([&] { checkNotificationArea(); }); });
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // The right button opens the menu by itself.
                if (reason == QSystemTrayIcon::Trigger)
                    guarded([&] { iconClicked(); });
            });
    connect(&calendar_, &TCalendar::todayChanged, this, &TrayIcon::updateHint);
    // A load, a saved place and the closing of the Parameters dialog may move the place.
    connect(&calendar_, &TCalendar::sunShown, this, &TrayIcon::queueHintUpdate);
    calendar_.installEventFilter(this);
    updateHint();
}

void TrayIcon::createMenu() {
    menu_ = new QMenu(&calendar_);
    menu_->setObjectName(QStringLiteral("TrayMenu"));
    showHide_ = menu_->addAction(tr("Show"));
    showHide_->setObjectName(QStringLiteral("TrayShowHide"));
    QAction* parameters = menu_->addAction(tr("Parameters"));
    QAction* calendars = menu_->addAction(tr("Calendars..."));
    calendars->setObjectName(QStringLiteral("TrayCalendars"));
    QAction* print = menu_->addAction(tr("Print..."));
    print->setObjectName(QStringLiteral("TrayPrint"));
    parameters->setObjectName(QStringLiteral("TrayParameters"));
    menu_->addSeparator();
    QAction* exit = menu_->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("TrayExit"));

    connect(menu_, &QMenu::aboutToShow, this, [this] {
        showHide_->setText(calendar_.isVisible() ? tr("Hide") : tr("Show"));
        updateHint();
    });
    connect(showHide_, &QAction::triggered, this, [this] {
        guarded([&] {
            calendar_.isVisible() ? calendar_.hideToNotificationArea() : calendar_.bringToFront();
        });
    });
    // The dialog opens over the window, so the window comes out first.
    connect(parameters, &QAction::triggered, this, [this] {
        guarded([&] {
            calendar_.bringToFront();
            calendar_.showParameters();
        });
    });
    connect(calendars, &QAction::triggered, this, [this] {
        guarded([&] {
            calendar_.bringToFront();
            calendar_.showCalendars();
        });
    });
    connect(print, &QAction::triggered, this, [this] {
        guarded([&] {
            calendar_.bringToFront();
            calendar_.printView();
        });
    });
    connect(exit, &QAction::triggered, this, [this] { guarded([&] { calendar_.close(); }); });
    icon_->setContextMenu(menu_);
}

void TrayIcon::iconClicked() {
    if (windowInFront())
        calendar_.hideToNotificationArea();
    else
        calendar_.bringToFront();
}

bool TrayIcon::windowInFront() const {
    if (!calendar_.isVisible() || calendar_.isMinimized())
        return false;
    return calendar_.isActiveWindow() ||
           (sinceDeactivated_.isValid() && sinceDeactivated_.elapsed() < kClickDeactivationMs);
}

// Touches nothing but this object's own state: the calendar's destruction sends its last
// events here when only its QWidget part is left. Whatever reads the calendar is queued, and
// dropped with this object.
bool TrayIcon::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != &calendar_)
        return false;
    switch (type) {
        case QEvent::WindowDeactivate:
            sinceDeactivated_.start();
            break;
        case QEvent::WindowActivate:
            sinceDeactivated_.invalidate();
            queueHintUpdate();
            break;
        case QEvent::Close:
            closed_ = true;
            hostWatch_->stop();
            break;
        case QEvent::Show:
            closed_ = false;
            hostWatch_->stop();
            queueHintUpdate();
            break;
        case QEvent::Hide:
            if (!closed_)
                hostWatch_->start();
            queueHintUpdate();
            break;
        default:
            break;
    }
    return false;
}

// Behind whatever the event itself queued: a show queues the first activation, which loads
// the place.
void TrayIcon::queueHintUpdate() {
    QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, &TrayIcon::updateHint); });
}

void TrayIcon::checkNotificationArea() {
    // A window shown again after a change of its flags was never in the notification area.
    if (calendar_.isVisible() || closed_) {
        hostWatch_->stop();
        return;
    }
    // With the notification area gone, nothing could bring the window back.
    if (calendar_.trayAvailable && !calendar_.trayAvailable())
        calendar_.bringToFront();
}

void TrayIcon::updateHint() {
    const QString hint = todaysHint();
    if (icon_->toolTip() != hint)
        icon_->setToolTip(hint);
}

QString TrayIcon::todaysHint() const {
    QString hint =
        QStringLiteral("Solvane\n") + QLocale().toString(clock().today(), QLocale::LongFormat);
    const QString sun = todaysSunLine();
    if (!sun.isEmpty())
        hint += QLatin1Char('\n') + sun;
    return hint;
}

// Today's sunrise and sunset as the strip writes them, from the same facts.
QString TrayIcon::todaysSunLine() const {
    const Facts today = calendar_.dayFacts().of(clock().today());
    if (today.sunriseText.isEmpty() && today.sunsetText.isEmpty())
        return {};
    return tr("Sunrise %1, sunset %2").arg(today.sunriseText, today.sunsetText);
}

}  // namespace solvane
