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
#include <QScreen>
#include <QShowEvent>

#include "error.h"
#include "guard.h"
#include "prefs_file.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"

namespace solvane {

// Setting a control that changes raises its change notification, so the load runs the same
// handlers as the user's edits; the dialog's activation forgets them again.
void THome::LoadPreferences() {
    const prefs::Reading reading = prefs::readPreferences(prefs::filePath(), preferences_);
    Memo1 = reading.lines;
    const prefs::Preferences& read = reading.preferences;
    preferences_.flags = read.flags;
    preferences_.longitude = read.longitude;
    preferences_.latitude = read.latitude;
    applyFlags(read);
    // A bad colour line ends the load here; the colours before it stay applied.
    for (int k = 1; k <= reading.coloursRead; ++k) {
        colorBox(k)->setColorValue(read.colours[size_t(k - 1)]);
        (this->*colourHandler(k))();
    }
    reading.raiseIfIncomplete();
    Edit2->setText(read.longitude);
    Edit1->setText(read.latitude);
    CurrencyEditGMT3->setValue(read.offset);
    preferences_.offset = read.offset;
    preferences_.useSystemZone = read.useSystemZone;
    CheckBox3->setChecked(read.useSystemZone);
    showZoneInForce();
}

// Neither switch is ever turned off by the file: 24-hour times stay on until the program
// starts again, and hints stay as they are.
void THome::applyFlags(const prefs::Preferences& read) {
    if (read.militaryTime) {
        CheckBox1->setChecked(true);
        preferences_.militaryTime = true;
    }
    if (read.hints()) {
        CheckBox2->setChecked(true);
        ActivateHint();
    }
}

void THome::SavePreferences() {
    refuseUnsavablePlace();
    preferences_.flags = prefs::withZoneFlag(
        prefs::withFlags(preferences_.flags, CheckBox1->isChecked(), CheckBox2->isChecked()),
        CheckBox3->isChecked());
    preferences_.longitude = prefs::oneLine(Edit2->text());
    preferences_.latitude = prefs::oneLine(Edit1->text());
    if (!zoneOffsetShown_)  // the zone's offset of today is no setting
        preferences_.offset = CurrencyEditGMT3->Value();
    showZoneInForce();  // a place saved ends the first start
    // The line buffer holds the new lines even when the write fails.
    Memo1 = prefs::toLines(preferences_);
    prefs::writeFile(prefs::filePath(), Memo1);
    // 24-hour times switched on take effect with the save, as the next load would make them;
    // switched off, they stay until the program starts again.
    if (CheckBox1->isChecked())
        preferences_.militaryTime = true;
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
