// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Loading the preferences file into the dialog's controls and saving them back, and the
// dialog's activation.

#include "thome.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>

#include "guard.h"
#include "prefs_file.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"

namespace solvane {

TColorComboBox* THome::colorBox(int k) const {
    TColorComboBox* const boxes[kColourCount] = {ColorComboBox1, ColorComboBox2, ColorComboBox3,
                                                 ColorComboBox4, ColorComboBox5, ColorComboBox6};
    return boxes[k - 1];
}

// Setting a control that changes raises its change notification, so the load runs the same
// handlers as the user's edits: checking "Display military time" or changing a place text or
// the offset counts as a change that needs a restart.
void THome::LoadPreferences() {
    Memo1 = prefs::readFile(prefs::filePath());
    PreferenceFlags = memoLine(prefs::kFlagsLine);
    // Neither switch is ever turned off by the file: 24-hour times stay on until the program
    // starts again, and hints stay as they are.
    if (prefs::flagSet(PreferenceFlags, 1)) {
        CheckBox1->setChecked(true);
        MilitaryTimeFlag = 1;
    }
    if (prefs::flagSet(PreferenceFlags, 2)) {
        CheckBox2->setChecked(true);
        ActivateHint();
    }
    // A bad colour line ends the load here; the colours before it stay applied.
    for (int k = 1; k <= kColourCount; ++k) {
        colorBox(k)->setColorValue(prefs::readColour(memoLine(prefs::kFirstColourLine + k - 1)));
        (this->*colourHandler(k))();
    }
    Edit2->setText(memoLine(prefs::kLongitudeLine));
    Edit1->setText(memoLine(prefs::kLatitudeLine));
    CurrencyEditGMT3->setValue(prefs::readOffset(memoLine(prefs::kOffsetLine)));
}

void THome::SavePreferences() {
    PreferenceFlags =
        prefs::withFlags(PreferenceFlags, CheckBox1->isChecked(), CheckBox2->isChecked());
    Memo1 = QStringList{PreferenceFlags, prefs::oneLine(Edit2->text()),
                        prefs::oneLine(Edit1->text()), CurrencyEditGMT3->Text()};
    for (int k = 1; k <= kColourCount; ++k)
        Memo1 << QString::number(colorBox(k)->ColorValue());
    prefs::writeFile(prefs::filePath(), Memo1);
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
