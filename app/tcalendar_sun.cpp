// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The strip's sunrise and sunset for one date at the place of the preferences, and the moon
// picture of that date.

#include <QLabel>
#include <QScopedValueRollback>

#include "datetext.h"
#include "moon_picture.h"
#include "moonphase.h"
#include "place.h"
#include "platform.h"
#include "tcalendar.h"
#include "timezone_sun.h"
#include "tmoon.h"

namespace solvane {
namespace {

// How long the strip shows a computed day before the timer brings today back, in ticks.
constexpr int kSunDisplayTicks = 300;

}  // namespace

// Reads one coordinate of the place; a text that is not a number is used with the last good
// number. Save refuses such texts, so only a hand-edited file holds one: it is reported the
// first time it is read, not at every computation of the sun.
double TCalendar::placeNumber(const QString& text, bool latitude, double* previous) {
    const std::string utf8 = text.toUtf8().toStdString();
    const std::optional<double> number =
        latitude ? astro::latitudeFromText(utf8) : astro::longitudeNumberFromText(utf8);
    if (!number) {
        if (!badPlaceTextsShown_.contains({latitude, text})) {
            badPlaceTextsShown_.insert({latitude, text});
            boxes().warning(
                QString::fromLatin1(latitude ? astro::kInvalidLatitude : astro::kInvalidLongitude));
        }
        return *previous;
    }
    *previous = astro::roundTo2Decimals(*number);
    return *previous;
}

void TCalendar::CalcSun(const QString& dateText) {
    // One computation at a time: a tick or a click while this one waits in a message box
    // would otherwise start the same computation, and the same box, again and again.
    if (sunComputationRunning_)
        return;
    const QScopedValueRollback<bool> running(sunComputationRunning_, true);

    const QDate date = readDate(dateText);
    double latitude = 0;
    double longitudeNumber = 0;
    double offset = 0;
    bool military = false;
    prefs::SunClock sunClock;
    if (settings_) {
        const prefs::Preferences settings = preferences();
        sunClock = prefs::sunClock(settings);
        if (sunClock.city) {
            latitude = sunClock.city->latitude;
            longitudeNumber = -sunClock.city->longitude;
        } else {
            latitude = placeNumber(settings.latitude, true, &latitudeNumber_);
            longitudeNumber = placeNumber(settings.longitude, false, &longitudeNumber_);
            emit placeNumbersRead(latitude, longitudeNumber);
        }
        offset = astro::roundTo2Decimals(settings.offset);
        military = settings.militaryTime;
    }
    showWhereTheTimesAreFor(sunClock.city);
    // A longitude number without sign means west; the computation counts east positive.
    const astro::SunTexts::Shown shown =
        sunClock.zone
            ? astro::computeSunInZone(Sun, toAstro(date), latitude, -longitudeNumber,
                                      prefs::noonOffsets(*sunClock.zone, toAstro(date)), military)
            : Sun.compute(toAstro(date), latitude, -longitudeNumber, offset, military);
    Label3->setText(QString::fromStdString(shown.sunrise));
    Label4->setText(QString::fromStdString(shown.sunset));
    for (const std::string& message : shown.messages)
        boxes().message(QString::fromStdString(message));

    setTextColour(Label3, cl::Maroon);
    setTextColour(Label4, cl::Maroon);
    SunDisplayCountdown = kSunDisplayTicks;
    wake();  // the timer counts it down
    showMoonPicture(dateText);
}

// The moon as it stands at 6 PM local time of the date.
void TCalendar::showMoonPicture(const QString& dateText) {
    Moon1->SetCustomTime(dateText + QStringLiteral(" 6:00:00 PM"));
    Moon1->CalcPhase();
    const int bucket = astro::moonBucket(Moon1->Phase());
    if (bucket == 0)
        return;  // the angle lies on a threshold: the picture stays
    Image3->setPixmap(moonPicture(astro::moonPictureForBucket(bucket)));
}

}  // namespace solvane
