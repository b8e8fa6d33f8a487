// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The dialog's event handlers: the offset list, the restart flag, hints, the six colours
// announced to the year view at once, and Save.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "offset_list.h"
#include "platform.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "thome.h"
#include "tpanel.h"

namespace solvane {

THome::Handler THome::colourHandler(int k) {
    static constexpr Handler handlers[kColourCount] = {
        &THome::ColorComboBox1Change, &THome::ColorComboBox2Change, &THome::ColorComboBox3Change,
        &THome::ColorComboBox4Change, &THome::ColorComboBox5Change, &THome::ColorComboBox6Change,
    };
    return handlers[k - 1];
}

void THome::FormActivate() {
    RestartNeeded = 0;
    sunSettingsEdited_ = false;
    showZoneInForce();  // today's offset of the zone, which may have changed since
    // The first field, a plain text, has the focus: a keyboard user starts typing at once,
    // and no numeric field shows its edit text instead of its display.
    Edit1->setFocus();
}

void THome::ComboBox1Change() {
    const int index = ComboBox1->currentIndex();
    // Text typed into the edit part that is no entry leaves the offset alone.
    if (index < 0 || index >= kOffsetEntryCount)
        return;
    if (ComboBox1->currentText() != ComboBox1->itemText(index))
        return;
    CurrencyEditGMT3->setValue(offsetList()[index].hours);
}

// The list shows an entry whose offset is the field's, or none: a load or a reload that
// changes the offset never leaves an entry beside it that says otherwise.
void THome::showMatchingOffsetEntry() {
    const double hours = CurrencyEditGMT3->Value();
    const int current = ComboBox1->currentIndex();
    if (current >= 0 && current < kOffsetEntryCount && offsetList()[current].hours == hours &&
        ComboBox1->currentText() == ComboBox1->itemText(current)) {
        return;
    }
    int match = -1;
    for (int i = 0; i < kOffsetEntryCount && match < 0; ++i) {
        if (offsetList()[i].hours == hours)
            match = i;
    }
    ComboBox1->setCurrentIndex(match);
    showListText(match >= 0 ? ComboBox1->itemText(match) : QString());
}

// The entries are wider than the field: a text put there shows from its start.
void THome::showListText(const QString& text) {
    ComboBox1->setEditText(text);
    ComboBox1->lineEdit()->setCursorPosition(0);
}

void THome::CurrencyEditGMT3Enter() {
    // The offset is only ever chosen from the list.
    ComboBox1->setFocus();
}

void THome::Edit1Change() {
    sunSettingsEdited_ = true;
}

// Only switching 24-hour times off while they are in force waits for a restart; everything
// else a save writes takes effect at once.
void THome::CheckBox1Click() {
    sunSettingsEdited_ = true;
    RestartNeeded = settings_.preferences().militaryTime && !CheckBox1->isChecked() ? 1 : 0;
}

void THome::CheckBox2Click() {
    ActivateHint();
}

void THome::ActivateHint() {
    settings_.setHints(CheckBox2->isChecked());
}

void THome::announceColour(int k) {
    settings_.setColour(prefs::Colour(k - 1), colorBox(k)->ColorValue());
}

void THome::ColorComboBox1Change() {
    announceColour(1);
}

void THome::ColorComboBox2Change() {
    announceColour(2);
}

void THome::ColorComboBox3Change() {
    announceColour(3);
}

void THome::ColorComboBox4Change() {
    announceColour(4);
}

void THome::ColorComboBox5Change() {
    announceColour(5);
}

void THome::ColorComboBox6Change() {
    announceColour(6);
}

void THome::SpeedButton54Click() {
    // A refused or failed save raises here: the dialog stays open and nothing follows.
    SavePreferences();
    if (sunSettingsEdited_)
        emit sunSettingsSaved();
    if (RestartNeeded == 1) {
        const QSize desktop = pointer().desktopSize();
        pointer().moveTo(QPoint(desktop.width() / 2 + 10, desktop.height() / 2 + 30));
        boxes().warning(tr("The program must be restarted for this option to take effect."));
    }
    accept();
}

}  // namespace solvane
