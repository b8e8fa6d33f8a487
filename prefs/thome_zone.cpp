// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// "Use the system time zone": while the zone is followed, the offset field and the list show
// the zone's offset of today, greyed, and the fixed offset waits in the settings for the day
// the switch goes off. A first start without a place says for where its times are.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

#include "hints.h"
#include "platform.h"
#include "system_zone.h"
#include "tcurrencyedit.h"
#include "thome.h"
#include "tpanel.h"

namespace solvane {
namespace {

// The list's way of writing an offset: "GMT (-5:00)", "GMT (0:00)", "GMT (+5:45)".
QString listText(double hours) {
    const int minutes = int(std::lround(std::abs(hours) * 60));
    const QString sign = minutes == 0 ? QString() : QString(hours < 0 ? u'-' : u'+');
    return QStringLiteral("GMT (%1%2:%3)")
        .arg(sign)
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// Greyed as the desktop greys a control, whatever text colour the dialog gave it.
// Greyed, yet dark enough to read on the fields' white (7:1).
void greyWhenDisabled(QWidget* control) {
    static const QColor readableGrey(0x59, 0x59, 0x59);
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, readableGrey);
    }
    control->setPalette(palette);
}

// "N°40.71", "S°33.87"; "W°74.01", "E°13.41": the way the place fields are written.
QString placeText(double degrees, char positive, char negative) {
    return QStringLiteral("%1°%2")
        .arg(QLatin1Char(degrees < 0 ? negative : positive))
        .arg(std::abs(degrees), 0, 'f', 2);
}

astro::Date today() {
    const QDate date = clock().today();
    return {date.year(), date.month(), date.day()};
}

}  // namespace

void THome::CheckBox3Click() {
    settings_.setUseSystemZone(CheckBox3->isChecked());
    sunSettingsEdited_ = true;
    showZoneInForce();
}

void THome::showZoneInForce() {
    const prefs::SunClock sunClock = prefs::sunClock(settings_.preferences());
    const bool firstStart = sunClock.city != nullptr;
    if (firstStart) {
        // Followed as if switched on; a save then keeps following it.
        settings_.setUseSystemZone(true);
        const QSignalBlocker quiet(CheckBox3);
        CheckBox3->setChecked(true);
    }
    // Without a system zone, or while the first start needs it, the switch cannot change;
    // its hint, which is also what a screen reader says of it, tells why.
    const bool noZone = prefs::systemZone() == nullptr;
    CheckBox3->setEnabled(!noZone && !firstStart);
    setShowHint(CheckBox3, true);  // a greyed switch says why when pointed at
    setHint(CheckBox3, noZone       ? tr("The system names no time zone")
                       : firstStart ? tr("On until you save a place")
                                    : QString());
    showFirstStartNote(firstStart ? prefs::firstStartNoteInParameters(*sunClock.city) : QString());
    // The empty place fields show, greyed, the place the times are for.
    Edit1->setPlaceholderText(firstStart ? placeText(sunClock.city->latitude, 'N', 'S')
                                         : QString());
    Edit2->setPlaceholderText(firstStart ? placeText(sunClock.city->longitude, 'E', 'W')
                                         : QString());
    if (sunClock.zone)
        showZoneOffset(*sunClock.zone);
    else
        showFixedOffset();
}

void THome::showZoneOffset(const QTimeZone& zone) {
    if (!zoneOffsetShown_) {
        listIndexBeforeZone_ = ComboBox1->currentIndex();
        listTextBeforeZone_ = ComboBox1->currentText();
        greyWhenDisabled(CurrencyEditGMT3);
        greyWhenDisabled(ComboBox1);
        greyWhenDisabled(CheckBox3);
    }
    zoneOffsetShown_ = true;
    const double hours = prefs::noonOffsets(zone, today()).date;
    {
        // Not the user's change of the offset: neither stored nor a reason to restart.
        const QSignalBlocker quiet(CurrencyEditGMT3);
        CurrencyEditGMT3->setValue(hours);
    }
    const QString text = listText(hours);
    ComboBox1->setCurrentIndex(ComboBox1->findText(text));
    showListText(text);
    CurrencyEditGMT3->setEnabled(false);
    ComboBox1->setEnabled(false);
}

void THome::showFixedOffset() {
    CurrencyEditGMT3->setEnabled(true);
    ComboBox1->setEnabled(true);
    if (!zoneOffsetShown_)
        return;
    zoneOffsetShown_ = false;
    {
        const QSignalBlocker quiet(CurrencyEditGMT3);
        CurrencyEditGMT3->setValue(settings_.preferences().offset);
    }
    ComboBox1->setCurrentIndex(listIndexBeforeZone_);
    showListText(listTextBeforeZone_);
    showMatchingOffsetEntry();  // the entry picked before, if it still matches the offset
}

// The dialog grows by the note's lines and the Save row moves under it.
void THome::showFirstStartNote(const QString& note) {
    Label12->setText(note);
    Label12->setVisible(!note.isEmpty());
    const int noteHeight = note.isEmpty() ? 0 : Label12->heightForWidth(Label12->width()) + 4;
    Label12->resize(Label12->width(), std::max(noteHeight - 4, 0));
    Panel2->move(Panel2->x(), Label12->y() + noteHeight);
    placeCalendarsButton();
    setFixedSize(width(), Panel2->y() + Panel2->height() + 2);
}

}  // namespace solvane
