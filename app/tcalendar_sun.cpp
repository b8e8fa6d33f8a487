// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The strip's sunrise and sunset for one date at the place of the preferences, and the moon
// picture of that date, as the day's facts give them.

#include <QLabel>
#include <QScopedValueRollback>

#include "moon_picture.h"
#include "platform.h"
#include "tcalendar.h"
#include "tmoon.h"

namespace solvane {
namespace {

QString sunNoticeText(DayNotice notice) {
    switch (notice) {
        case DayNotice::NoSunrise:
            return TCalendar::tr("No sunrise this date");
        case DayNotice::NoSunset:
            return TCalendar::tr("No sunset this date");
        default:
            return TCalendar::tr("Sun up or down all day");
    }
}

bool isPlaceNotice(DayNotice notice) {
    return notice == DayNotice::InvalidLatitude || notice == DayNotice::InvalidLongitude;
}

}  // namespace

void TCalendar::CalcSun(const QDate& date) {
    // One computation at a time: a tick or a click while this one waits in a message box
    // would otherwise start the same computation, and the same box, again and again.
    if (sunComputationRunning_)
        return;
    const QScopedValueRollback<bool> running(sunComputationRunning_, true);
    showSun(dayFacts_.of(date, Sun));
}

void TCalendar::showSun(const Facts& facts) {
    warnOfPlaceTexts(facts);
    if (settings_ && !facts.zoneCity)
        emit placeNumbersRead(facts.latitude, facts.longitudeNumber);
    showWhereTheTimesAreFor(facts.zoneCity);
    Label3->setText(facts.sunriseText);
    Label4->setText(facts.sunsetText);
    for (const DayNotice notice : facts.notices) {
        if (!isPlaceNotice(notice))
            boxes().message(sunNoticeText(notice));
    }

    setTextColour(Label3, cl::Maroon);
    setTextColour(Label4, cl::Maroon);
    model_.startSunDisplay();
    wake();  // the timer counts it down
    showMoonPicture(facts);
    emit sunShown();
}

// A place text that is not a number is used with the last good number. Save refuses such
// texts, so only a hand-edited file holds one: it is reported the first time it is read, not
// at every computation of the sun.
void TCalendar::warnOfPlaceTexts(const Facts& facts) {
    const prefs::Preferences settings = preferences();
    for (const DayNotice notice : facts.notices) {
        if (!isPlaceNotice(notice))
            continue;
        const bool latitude = notice == DayNotice::InvalidLatitude;
        const QString& text = latitude ? settings.latitude : settings.longitude;
        if (badPlaceTextsShown_.contains({latitude, text}))
            continue;
        badPlaceTextsShown_.insert({latitude, text});
        boxes().warning(latitude ? tr("Invalid N/S degrees in preferences.")
                                 : tr("Invalid W/E degrees in preferences."));
    }
}

// The moon as it stands at 6 PM local time of the date.
void TCalendar::showMoonPicture(const Facts& facts) {
    Moon1->SetPhase(facts.moonAngle, facts.moonLitFraction);
    if (facts.moonPicture == 0)
        return;  // the angle lies on a threshold: the picture stays
    Image3->setPixmap(moonPicture(facts.moonPicture));
}

}  // namespace solvane
