// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "preferences.h"

#include <QCoreApplication>

#include "place.h"
#include "prefs_file.h"

namespace solvane::prefs {
namespace {

QString lineAt(const QStringList& lines, int index) {
    return index < lines.size() ? lines.at(index) : QString();
}

}  // namespace

bool Preferences::hints() const {
    return flagSet(flags, 2);
}

bool Preferences::hasPlace() const {
    return !latitude.trimmed().isEmpty() || !longitude.trimmed().isEmpty();
}

QString withZoneFlag(QString flags, bool on) {
    constexpr int kZoneFlag = 3;
    if (on) {
        while (flags.size() < kZoneFlag)
            flags += QLatin1Char('0');
        flags[kZoneFlag - 1] = QLatin1Char('1');
    } else if (flagSet(flags, kZoneFlag)) {
        flags[kZoneFlag - 1] = QLatin1Char('0');
    }
    return flags;
}

void Reading::raiseIfIncomplete() const {
    if (badColourLine)
        (void)readColour(*badColourLine);  // raises the message for that line
}

Reading readLines(const QStringList& lines, const Preferences& base) {
    Reading reading{lines, base, 0, std::nullopt};
    Preferences& read = reading.preferences;
    read.flags = lineAt(lines, kFlagsLine);
    read.militaryTime = flagSet(read.flags, 1);
    read.useSystemZone = flagSet(read.flags, 3);
    // The place texts count as read even when a colour line is bad: they are the file's lines.
    read.longitude = lineAt(lines, kLongitudeLine);
    read.latitude = lineAt(lines, kLatitudeLine);
    for (int k = 0; k < kColourCount; ++k) {
        const QString line = lineAt(lines, kFirstColourLine + k);
        const std::optional<TColor> colour = parseColour(line);
        if (!colour) {
            reading.badColourLine = line;
            return reading;
        }
        read.colours[size_t(k)] = *colour;
        reading.coloursRead = k + 1;
    }
    read.offset = readOffset(lineAt(lines, kOffsetLine));
    return reading;
}

Reading readPreferences(const QString& path, const Preferences& base) {
    return readLines(readFile(path), base);
}

std::optional<QString> placeTextRefusal(const QString& text, const QString& fieldName,
                                        bool latitude) {
    if (text.size() > kMaxPlaceTextLength) {
        return QCoreApplication::translate(
                   "Preferences", "The %1 text cannot be saved: it is longer than %2 characters.")
            .arg(fieldName, QString::number(kMaxPlaceTextLength));
    }
    if (!isLatin1(text)) {
        return QCoreApplication::translate("Preferences",
                                           "The %1 text \"%2\" cannot be saved: prefs.cal holds "
                                           "only Western European (Latin-1) characters.")
            .arg(fieldName, quoted(text));
    }
    const std::string utf8 = text.toUtf8().toStdString();
    if (latitude && !astro::latitudeFromText(utf8))
        return QCoreApplication::translate("Preferences", "Invalid N/S degrees in preferences.");
    if (!latitude && !astro::longitudeNumberFromText(utf8))
        return QCoreApplication::translate("Preferences", "Invalid W/E degrees in preferences.");
    return std::nullopt;
}

QStringList toLines(const Preferences& preferences) {
    QStringList lines{preferences.flags, oneLine(preferences.longitude),
                      oneLine(preferences.latitude), offsetLine(preferences.offset)};
    for (const TColor colour : preferences.colours)
        lines << QString::number(colour);
    return lines;
}

void writePreferences(const QString& path, const Preferences& preferences) {
    writeFile(path, toLines(preferences));
}

}  // namespace solvane::prefs
