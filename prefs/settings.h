// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The settings the program runs with, as one live object: the Preferences value, loaded from
// prefs.cal on every activation of the year view and saved by the Parameters dialog, with an
// announcement for each change. The year view paints itself from the announcements and the
// dialog shows what a load read, so the dialog need not exist until it is first opened.

#include <QObject>
#include <QStringList>

#include "colors.h"
#include "preferences.h"

namespace solvane::prefs {

class Settings : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Reads "prefs.cal" beside the executable and applies flags, colours, place texts and
    // offset, in that order, announcing the hint switch and each colour read. Raises
    // solvane::Error on a missing file (nothing changes) or a bad colour line (after applying
    // what came before it).
    void load();
    // Makes `saved` the value in force and writes its ten lines through a temporary file renamed
    // over the old one; raises solvane::Error("Cannot create file ...") when it cannot. The line
    // buffer holds the new lines even then.
    void save(const Preferences& saved);

    const Preferences& preferences() const { return preferences_; }
    // The line buffer: the file as last read, or the ten lines last saved.
    const QStringList& lines() const { return lines_; }
    // Whether hints are on: a load switches them on, only the user switches them off.
    bool hintsOn() const { return hintsOn_; }
    // Whether the place in force came from a load that a bad colour line ended, with no whole
    // load or save before it: the offset, which comes after the colours, was never read.
    bool onlyPartlyRead() const { return onlyPartlyRead_; }

    // The user's changes that take effect at once, saved or not.
    void setColour(Colour which, TColor colour);
    void setHints(bool on);
    void setOffset(double hours);
    void setUseSystemZone(bool on);
    // 24-hour times take effect when a save or a load asks for them, and stay until the
    // program starts again.
    void switchOnMilitaryTime() { preferences_.militaryTime = true; }

signals:
    void colourChanged(solvane::prefs::Colour which, solvane::TColor colour);
    void hintsChanged(bool on);
    // What a load read, once it has been applied, also when a bad colour line ends it; the
    // reading's coloursRead tells how far it went.
    void loaded(const solvane::prefs::Reading& reading);

private:
    Preferences preferences_;
    QStringList lines_;
    bool hintsOn_ = false;
    bool onlyPartlyRead_ = false;
    bool readWhole_ = false;  // a load read a whole file, or a save wrote one
};

}  // namespace solvane::prefs
