// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The year view follows the Parameters dialog: each colour and the hint switch are painted
// here as the dialog announces them.

#include <QLabel>
#include <QPalette>
#include <QVariant>

#include "guard.h"
#include "hints.h"
#include "platform.h"
#include "tcalendar.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane {
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

void TCalendar::setSettings(prefs::Settings* settings) {
    Home.reset();
    if (settings_)
        disconnect(settings_, nullptr, this, nullptr);
    settings_ = settings;
    dayFacts_.setSettings(settings);
    if (!settings_)
        return;
    connect(settings_, &prefs::Settings::colourChanged, this, &TCalendar::paintColour);
    connect(settings_, &prefs::Settings::hintsChanged, this, &TCalendar::showHints);
}

// The dialog costs a window of controls: it is made when the user first asks for it, and
// shows the settings as they stand then.
THome* TCalendar::parametersDialog() {
    if (Home || !settings_)
        return Home.get();
    Home = std::make_unique<THome>(*settings_, this);
    Home->showPlaceNumbers(dayFacts_.lastLatitude(), dayFacts_.lastLongitudeNumber());
    connect(Home.get(), &THome::sunSettingsSaved, this, guard(this, &TCalendar::showTodaysSun));
    connect(this, &TCalendar::placeNumbersRead, Home.get(), &THome::showPlaceNumbers);
    connect(Home.get(), &THome::calendarsRequested, this, guard(this, &TCalendar::showCalendars));
    return Home.get();
}

prefs::Preferences TCalendar::preferences() const {
    return settings_ ? settings_->preferences() : prefs::Preferences{};
}

// A saved place, offset or time format shows at once: today's sunrise, sunset and moon, as
// the strip shows them when no clicked day is on display.
void TCalendar::showTodaysSun() {
    CalcSun(clock().today());
    setTextColour(Label3, cl::Navy);
    setTextColour(Label4, cl::Navy);
    model_.stopSunDisplay();
}

void TCalendar::paintCalendars(int slot, TColor colour) {
    for (TMonthCalendar* calendar : monthCalendars_)
        calendar->setCalColors(slot, colour);
}

void TCalendar::paintTitleCovers(void (TPanel::*write)(TColor), TColor colour) {
    for (int k = 1; k <= 12; ++k) {
        (monthNumberBox(k)->*write)(colour);
        (arrowCover(k)->*write)(colour);
    }
}

void TCalendar::paintColour(prefs::Colour which, TColor colour) {
    using prefs::Colour;
    switch (which) {
        case Colour::TitleBar:
            paintCalendars(TMonthCalendar::TitleBackColor, colour);
            paintTitleCovers(&TPanel::setColor, colour);
            for (int k = 1; k <= 12; ++k)
                datePanel(k)->setColor(colour);
            break;
        case Colour::TitleText:
            paintCalendars(TMonthCalendar::TitleTextColor, colour);
            // The Date Panels keep their own text colour.
            paintTitleCovers(&TPanel::setFontColor, colour);
            break;
        case Colour::Background:
            paintCalendars(TMonthCalendar::MonthBackColor, colour);
            break;
        case Colour::Text:
            paintCalendars(TMonthCalendar::TextColor, colour);
            break;
        case Colour::TrailingText:
            paintCalendars(TMonthCalendar::TrailingTextColor, colour);
            break;
        case Colour::Outline:
            setWindowColour(colour);
            upperStrip()->setColor(colour);
            lowerStrip()->setColor(colour);
            break;
    }
}

void TCalendar::setWindowColour(TColor colour) {
    if (autoFillBackground() && property("Color") == QVariant(colour))
        return;
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(colour));
    setPalette(background);
    setAutoFillBackground(true);
    // The palette holds the resolved colour; the value itself is kept for reading back,
    // since a system colour (a negative value) cannot be recovered from its RGB.
    setProperty("Color", colour);
}

// Every control of the window shows its hint or stops showing it. The month calendars keep
// theirs when hints go off: they carry the clicked day's ordinal date. The inner parts of a
// month calendar are the calendar's own business, as are Qt's internal widgets.
void TCalendar::showHints(bool on) {
    QList<QWidget*> controls{this};
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* control = controls.at(i);
        if (auto* calendar = qobject_cast<TMonthCalendar*>(control)) {
            if (on)
                calendar->setShowHint(true);
            continue;
        }
        setShowHint(control, on);
        for (QWidget* child : ownChildren(control)) {
            if (!isQtInternal(child))
                controls << child;
        }
    }
}

}  // namespace solvane
