// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Loading the preferences file into the dialog and saving it back, and the dialog's
// activation.

#include "thome.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>

#include "error.h"
#include "guard.h"
#include "prefs_file.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"

namespace solvane {

void THome::LoadPreferences() {
    settings_.load();
}

// The dialog as it opens for the first time: the settings in force.
void THome::showSettings() {
    const prefs::Preferences& shown = settings_.preferences();
    {
        const QSignalBlocker quiet(CheckBox1);
        CheckBox1->setChecked(shown.militaryTime);
    }
    {
        const QSignalBlocker quiet(CheckBox2);
        CheckBox2->setChecked(settings_.hintsOn());
    }
    for (int k = 1; k <= kColourCount; ++k)
        colorBox(k)->setColorValue(shown.colours[size_t(k - 1)]);
    Edit1->setText(shown.latitude);
    Edit2->setText(shown.longitude);
    CurrencyEditGMT3->setValue(shown.offset);
    if (!settings_.lines().isEmpty())  // settings read from a file show their offset's entry
        showMatchingOffsetEntry();
    {
        const QSignalBlocker quiet(CheckBox3);
        CheckBox3->setChecked(shown.useSystemZone);
    }
    showZoneInForce();
}

// A load shows in the controls as the user's edits would: the switches it asks for, the
// colours read, and, when the file was read whole, the place texts, offset and zone switch.
// The settings have announced the colours and hints already.
void THome::showReading(const prefs::Reading& reading) {
    const prefs::Preferences& read = reading.preferences;
    if (read.militaryTime)
        CheckBox1->setChecked(true);
    if (read.hints()) {
        const QSignalBlocker quiet(CheckBox2);
        CheckBox2->setChecked(true);
    }
    for (int k = 1; k <= reading.coloursRead; ++k)
        colorBox(k)->setColorValue(read.colours[size_t(k - 1)]);
    if (!reading.complete())
        return;
    Edit2->setText(read.longitude);
    Edit1->setText(read.latitude);
    CurrencyEditGMT3->setValue(read.offset);
    CheckBox3->setChecked(read.useSystemZone);
    showZoneInForce();
}

void THome::SavePreferences() {
    refuseUnsavablePlace();
    prefs::Preferences saved = settings_.preferences();
    saved.flags = prefs::withZoneFlag(
        prefs::withFlags(saved.flags, CheckBox1->isChecked(), CheckBox2->isChecked()),
        CheckBox3->isChecked());
    saved.longitude = prefs::oneLine(Edit2->text());
    saved.latitude = prefs::oneLine(Edit1->text());
    if (!zoneOffsetShown_)  // the zone's offset of today is no setting
        saved.offset = CurrencyEditGMT3->Value();
    {
        // A place saved ends the first start, even when the write fails.
        const auto showZone = qScopeGuard([this] { showZoneInForce(); });
        settings_.save(saved);
    }
    // 24-hour times switched on take effect with the save, as the next load would make them;
    // switched off, they stay until the program starts again.
    if (CheckBox1->isChecked())
        settings_.switchOnMilitaryTime();
}

// A place text that the file cannot hold, or that the sun computation cannot read, is refused
// before anything is written; otherwise it would be saved cut or changed, or warned about at
// every computation of the sun.
void THome::refuseUnsavablePlace() {
    const std::pair<QLineEdit*, QLabel*> fields[] = {{Edit1, Label2}, {Edit2, Label1}};
    for (const auto& [edit, label] : fields) {
        const std::optional<QString> refusal =
            prefs::placeTextRefusal(prefs::oneLine(edit->text()), label->text(), edit == Edit1);
        if (refusal) {
            edit->setFocus();
            edit->selectAll();
            throw Error(*refusal);
        }
    }
}

void THome::showPlaceNumbers(double latitude, double longitude) {
    CurrencyEditN1->setValue(latitude);
    CurrencyEditW2->setValue(longitude);
}

void THome::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen();
    guarded([this] { FormActivate(); });
}

// The dialog opens in the middle of the screen the year view is on, not over the year view.
void THome::centreOnScreen() {
    const QScreen* shown = yearView_ ? yearView_->screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return;
    const QRect desktop = shown->geometry();
    move(desktop.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace solvane
