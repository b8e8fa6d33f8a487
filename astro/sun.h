// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Sunrise and sunset by an hourly scan of the sun's altitude over 24 hours that start at
// local noon. The sun's position comes from the low-precision series of van Flandern and
// Pulkkinen (1979). Pure: the date, place and offset are arguments; messages come back as
// values for the caller to show.

#include <optional>
#include <string>
#include <vector>

#include "dates.h"

namespace solvane::astro {

inline constexpr const char* kSunUpOrDownAllDay = "Sun up or down all day";
inline constexpr const char* kNoSunrise = "No sunrise this date";
inline constexpr const char* kNoSunset = "No sunset this date";

enum EventKind { Sunrise = 1, Sunset = 2 };

// The observer's place and what the scan derives from the place alone, so that a run of
// dates at one place works it out once. latitude: degrees, north positive; longitude:
// degrees, east positive.
struct Observer {
    Observer(double latitude, double longitude);
    bool configured() const { return latitude != 0 && longitude != 0; }  // a 0 means unset

    double latitude;
    double longitude;
    double sinLatitude;
    double cosLatitude;
};

// An event's time as the scan finds it: whole hours counted from local noon, and minutes.
struct EventTime {
    double hours;
    double minutes;
};

// What one scan found, before any of it becomes text.
struct SunEvents {
    bool scanned = false;              // false when the place is not configured
    std::optional<EventTime> sunrise;  // the last sunrise-kind event of the scan
    std::optional<EventTime> sunset;   // the last sunset-kind event of the scan
    // An hour whose altitude touched zero exactly, before any clear rise or set, gave its
    // time to the kind the scan started with: a scan from the other kind differs.
    bool startKindDecided = false;
    int messageCount = 0;
    const char* messages[2] = {};  // in the order they are shown
    // Neither a rise nor a set: 1 when the sun stayed up all day, -1 when it stayed down.
    int allDay = 0;
};

// One scan, as sunRiseSet below, without texts.
SunEvents scanSunEvents(const Observer& observer, const Date& date, double gmtOffset,
                        EventKind initialKind);

// The text of an event ("6:42A", "7:05P", "06:42", "19:05"), written at `out`; returns the
// end. Needs at most kMaxEventTextSize characters.
inline constexpr int kMaxEventTextSize = 48;
char* writeEventText(char* out, EventKind kind, const EventTime& time, bool military);

struct SunScan {
    bool scanned = false;                    // false when the place is not configured (a 0)
    std::optional<std::string> sunriseText;  // the last sunrise-kind text written by the scan
    std::optional<std::string> sunsetText;   // the last sunset-kind text written by the scan
    std::vector<std::string> messages;       // in the order they are shown
    int allDay = 0;                          // as SunEvents::allDay
};

// One scan. latitude: degrees, north positive; longitude: degrees, east positive;
// gmtOffset: hours of local time ahead of GMT. initialKind is the event kind the scan starts
// with (it decides the text of an event whose ends touch zero exactly). military selects the
// 24-hour texts ("06:42", "19:05") over the 12-hour ones ("6:42A", "7:05P").
SunScan sunRiseSet(const Date& date, double latitude, double longitude, double gmtOffset,
                   EventKind initialKind, bool military);

// The two scans of one sun computation, the first started as a sunrise and the second as a
// sunset; the second is the first over again unless the start kind decided a text.
struct SunScanPair {
    SunEvents first;
    SunEvents second;
};
SunScanPair scanSunTwice(const Observer& observer, const Date& date, double gmtOffset);

// The two scans of one sun computation, with the texts kept from one computation to the
// next: a label keeps showing the last time of its kind found, or nothing.
class SunTexts {
public:
    struct Shown {
        std::string sunrise;                // for the sunrise label
        std::string sunset;                 // for the sunset label
        std::vector<std::string> messages;  // the first scan's, then the second's
        int allDay = 0;                     // as SunEvents::allDay, of either scan
    };
    Shown compute(const Date& date, double latitude, double longitude, double gmtOffset,
                  bool military);

    std::string SunriseText;
    std::string SunsetText;
};

}  // namespace solvane::astro
