// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "tray_icon.h"

#include <QAction>
#include <QEvent>
#include <QLocale>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

#include "datetext.h"
#include "guard.h"
#include "place.h"
#include "platform.h"
#include "sun.h"
#include "tcalendar.h"
#include "thome.h"

namespace solvane {
namespace {

// How often a window hidden in the notification area checks that the area is still there.
constexpr int kHostWatchMs = 250;
// A deactivation this recent was caused by the click on the icon itself.
constexpr qint64 kClickDeactivationMs = 400;

}  // namespace

TrayIcon::TrayIcon(TCalendar& calendar) : QObject(&calendar), calendar_(calendar) {
    createMenu();
    hostWatch_ = new QTimer(this);
    hostWatch_->setInterval(kHostWatchMs);
    connect(hostWatch_, &QTimer::timeout, this,
            [this] { guarded([&] { checkNotificationArea(); }); });
    connect(calendar_.RxTrayIcon1, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // The right button opens the menu by itself.
                if (reason == QSystemTrayIcon::Trigger)
                    guarded([&] { iconClicked(); });
            });
    if (calendar_.midnightTimer)
        connect(calendar_.midnightTimer, &QTimer::timeout, this, &TrayIcon::updateHint);
    calendar_.installEventFilter(this);
    updateHint();
}

void TrayIcon::createMenu() {
    menu_ = new QMenu(&calendar_);
    menu_->setObjectName(QStringLiteral("TrayMenu"));
    showHide_ = menu_->addAction(tr("Show"));
    showHide_->setObjectName(QStringLiteral("TrayShowHide"));
    QAction* parameters = menu_->addAction(tr("Parameters"));
    parameters->setObjectName(QStringLiteral("TrayParameters"));
    menu_->addSeparator();
    QAction* exit = menu_->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("TrayExit"));

    connect(menu_, &QMenu::aboutToShow, this, [this] {
        showHide_->setText(calendar_.isVisible() ? tr("Hide") : tr("Show"));
        updateHint();
    });
    connect(showHide_, &QAction::triggered, this, [this] {
        guarded(
            [&] { calendar_.isVisible() ? calendar_.Tray1Click() : calendar_.RxTrayIcon1Click(); });
    });
    // The dialog opens over the window, so the window comes out first.
    connect(parameters, &QAction::triggered, this, [this] {
        guarded([&] {
            calendar_.RxTrayIcon1Click();
            calendar_.SpeedButton4Click();
        });
    });
    connect(exit, &QAction::triggered, this,
            [this] { guarded([&] { calendar_.SpeedButton3Click(); }); });
    calendar_.RxTrayIcon1->setContextMenu(menu_);
}

void TrayIcon::iconClicked() {
    if (windowInFront())
        calendar_.Tray1Click();
    else
        calendar_.RxTrayIcon1Click();
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
    if (watched == watchedHome_ && type == QEvent::Hide)
        queueHintUpdate();  // the Parameters dialog closed: the place may have moved
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
        calendar_.RxTrayIcon1Click();
}

void TrayIcon::updateHint() {
    if (calendar_.Home && calendar_.Home.get() != watchedHome_) {
        watchedHome_ = calendar_.Home.get();
        watchedHome_->installEventFilter(this);
    }
    const QString hint = todaysHint();
    if (calendar_.RxTrayIcon1->toolTip() != hint)
        calendar_.RxTrayIcon1->setToolTip(hint);
}

QString TrayIcon::todaysHint() const {
    QString hint =
        QStringLiteral("Solvane\n") + QLocale().toString(clock().today(), QLocale::LongFormat);
    const QString sun = todaysSunLine();
    if (!sun.isEmpty())
        hint += QLatin1Char('\n') + sun;
    return hint;
}

// Today's sunrise and sunset at the place of the preferences, as the strip writes them; a
// place text that is not a number falls back to the last numbers the strip used.
QString TrayIcon::todaysSunLine() const {
    if (!calendar_.settings_)
        return {};
    const prefs::Preferences settings = calendar_.preferences();
    const auto number = [](const QString& text, bool latitude, double lastGood) {
        const std::string utf8 = text.toUtf8().toStdString();
        const std::optional<double> parsed =
            latitude ? astro::latitudeFromText(utf8) : astro::longitudeNumberFromText(utf8);
        return parsed ? astro::roundTo2Decimals(*parsed) : lastGood;
    };
    const double latitude = number(settings.latitude, true, calendar_.latitudeNumber_);
    const double longitudeNumber = number(settings.longitude, false, calendar_.longitudeNumber_);
    const double offset = astro::roundTo2Decimals(settings.offset);
    astro::SunTexts sun;
    // A longitude number without sign means west; the computation counts east positive.
    const astro::SunTexts::Shown shown = sun.compute(
        toAstro(clock().today()), latitude, -longitudeNumber, offset, settings.militaryTime);
    if (shown.sunrise.empty() && shown.sunset.empty())
        return {};
    return tr("Sunrise %1, sunset %2")
        .arg(QString::fromStdString(shown.sunrise), QString::fromStdString(shown.sunset));
}

}  // namespace solvane
