// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The printed year: twelve months on one page, the way a wall calendar hangs, with the place,
// its zone, the moon's principal phases and the sun of the 1st and 15th of each month. The page
// is fed by values, so that the window, the command line and the tests give it the same input,
// and it is laid out into rectangles before it is painted, so that a test can check that no text
// overlaps another or leaves the page.

#include <QColor>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <vector>

#include "holiday_ink.h"
#include "month_face.h"

class QPainter;

namespace solvane::print {

enum class MoonPhase { New, FirstQuarter, Full, LastQuarter };

struct Holiday {
    QDate date;
    QString name;  // "Christmas Day"
};

struct MoonMark {
    QDate localDate;  // the day of the phase on the clock of the place's zone
    MoonPhase phase = MoonPhase::New;
};

struct SunOfDay {
    QString sunrise;  // "7:12", as the window shows it; empty when the sun does not rise
    QString sunset;
};

struct YearPageInput {
    int year = 2000;
    // The months on the page: twelve from January, or the compact window's one to three, which
    // may run into the next year.
    int firstMonth = 1;
    int months = 12;
    QString place;  // "Berlin" or "52.52N 13.40E"
    QString zone;   // "Europe/Berlin" or "UTC+01:00"
    QLocale locale;
    bool weekNumbers = false;
    bool dayOfYear = false;
    std::vector<Holiday> holidays;
    std::vector<MoonMark> moon;
    // The 1st of each month shown in turn, then the 15th of each; fewer print no sun lines.
    std::vector<SunOfDay> sun;
    QString fontFamily = QStringLiteral("DejaVu Sans");
    QColor ink = Qt::black;
    QColor holidayInk = solvane::holidayInk();
};

// One piece of text on the page, in points from the page's top left corner; a month's texts
// say which cell of its grid they write.
using PlacedText = solvane::PlacedText;

struct PlacedGlyph {
    QRectF rect;
    QDate date;
    MoonPhase phase = MoonPhase::New;
};

struct YearPageLayout {
    QRectF page;
    std::vector<PlacedText> texts;
    std::vector<PlacedGlyph> glyphs;
};

// Lays the year out on a page of `pageSize` points (its printable rect).
YearPageLayout layOutYearPage(const YearPageInput& input, const QSizeF& pageSize);

// Paints a laid-out page; `painter` draws in points from the page's top left corner.
void paintYearPage(QPainter& painter, const YearPageLayout& layout);

// The page as a one-page PDF, vector text in embedded fonts.
QByteArray yearPdf(const YearPageInput& input, const QPageLayout& page);
// Writes that PDF to `fileName`; false when the file cannot be written.
bool writeYearPdf(const QString& fileName, const YearPageInput& input, const QPageLayout& page);

}  // namespace solvane::print
