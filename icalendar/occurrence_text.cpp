// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "occurrence_text.h"

#include <cstdio>

#include "zones.h"

namespace solvane::ical {

namespace {

std::string dateText(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string instantText(std::int64_t instant) {
    const std::int64_t days = (instant >= 0 ? instant : instant - 86399) / 86400;
    const std::int64_t second = instant - days * 86400;
    char text[16];
    std::snprintf(text, sizeof text, "T%02d:%02d:%02dZ", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    return dateText(dateOfSerial(days)) + text;
}

}  // namespace

std::string occurrenceLine(const Occurrence& occurrence) {
    switch (occurrence.timing) {
        case Timing::AllDay:
            return dateText(occurrence.startDate) + '\t' + dateText(occurrence.endDate) + '\t' +
                   occurrence.summary;
        case Timing::RepeatsWithinDay:
            return dateText(occurrence.startDate) + "~\t\t" + occurrence.summary;
        case Timing::Timed:
            break;
    }
    return instantText(occurrence.start) + '\t' + instantText(occurrence.end) + '\t' +
           occurrence.summary;
}

const char* problemName(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::FileMissing:
            return "FileMissing";
        case ProblemKind::FileNotRegular:
            return "FileNotRegular";
        case ProblemKind::FileTooLarge:
            return "FileTooLarge";
        case ProblemKind::FileUnreadable:
            return "FileUnreadable";
        case ProblemKind::NoCalendar:
            return "NoCalendar";
        case ProblemKind::Truncated:
            return "Truncated";
        case ProblemKind::BadValue:
            return "BadValue";
        case ProblemKind::MissingStart:
            return "MissingStart";
        case ProblemKind::UnknownZone:
            return "UnknownZone";
        case ProblemKind::UnknownLocalZone:
            return "UnknownLocalZone";
        case ProblemKind::BadRule:
            return "BadRule";
        case ProblemKind::OccurrenceCap:
            return "OccurrenceCap";
        case ProblemKind::StepBudget:
            return "StepBudget";
    }
    return "?";
}

}  // namespace solvane::ical
