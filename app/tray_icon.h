// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What the notification-area icon does beyond being there: a left click brings the window
// to the front or hides it, its menu offers Show/Hide, Parameters, Calendars, Print and Exit, its
// hint tells today's date with today's sunrise and sunset, and a window hidden in the notification
// area comes back when the notification area goes away.

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace solvane {

class TCalendar;

class TrayIcon : public QObject {
    Q_OBJECT

public:
    // Takes over the calendar's icon and works the calendar through its public slots; the
    // calendar owns this object.
    explicit TrayIcon(TCalendar& calendar);

    QMenu* menu() const { return menu_; }
    // Left click: a window in front hides, a hidden or covered one comes to the front.
    void iconClicked();
    // The icon's hint for today, recomputed from the clock and the place.
    QString todaysHint() const;
    void updateHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu();
    bool windowInFront() const;
    void checkNotificationArea();
    void queueHintUpdate();
    QString todaysSunLine() const;

    TCalendar& calendar_;
    QSystemTrayIcon* icon_;
    QMenu* menu_ = nullptr;
    QAction* showHide_ = nullptr;
    // Runs only while the window is hidden in the notification area.
    QTimer* hostWatch_ = nullptr;
    bool closed_ = false;
    // A click on the icon may take the activation from the window just before it arrives.
    QElapsedTimer sinceDeactivated_;
};

}  // namespace solvane
