// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The dialog's event handlers: the offset list, the restart flag, hints, the six colours
// applied to the year view at once, and Save.

#include <QCheckBox>
#include <QComboBox>

#include "hints.h"
#include "offset_list.h"
#include "platform.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "year_view_targets.h"

namespace solvane {
namespace {

constexpr int kMonthCount = 12;

void paintCalendars(QWidget* view, TMonthCalendar::CalColor slot, TColor colour) {
    for (int k = 1; k <= kMonthCount; ++k) {
        if (TMonthCalendar* calendar = yearview::monthCalendar(view, k)) {
            calendar->setCalColors(slot, colour);
        }
    }
}

void paintPanels(QWidget* view, int first, int last, void (TPanel::*write)(TColor), TColor colour) {
    for (int n = first; n <= last; ++n) {
        if (TPanel* panel = yearview::panel(view, n))
            (panel->*write)(colour);
    }
}

// The month-number boxes and arrow covers over each month's title bar, and the Date Panels
// over each month's own title.
constexpr int kFirstTitleCover = 1, kLastTitleCover = 24;
constexpr int kFirstDatePanel = 30, kLastDatePanel = 41;
// The strips between the rows of months.
constexpr int kUpperStrip = 0, kLowerStrip = 26;

}  // namespace

THome::Handler THome::colourHandler(int k) {
    static constexpr Handler handlers[kColourCount] = {
        &THome::ColorComboBox1Change, &THome::ColorComboBox2Change, &THome::ColorComboBox3Change,
        &THome::ColorComboBox4Change, &THome::ColorComboBox5Change, &THome::ColorComboBox6Change,
    };
    return handlers[k - 1];
}

void THome::FormActivate() {
    RestartNeeded = 0;
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

void THome::CurrencyEditGMT3Enter() {
    // The offset is only ever chosen from the list.
    ComboBox1->setFocus();
}

void THome::Edit1Change() {
    RestartNeeded = 1;
}

void THome::CheckBox1Click() {
    RestartNeeded = 1;
}

void THome::CheckBox2Click() {
    ActivateHint();
}

void THome::ActivateHint() {
    const bool on = CheckBox2->isChecked();
    for (QWidget* control : yearview::hintControls(yearView_)) {
        // The month calendars keep their hints: they carry the clicked day's ordinal date.
        if (!on && control->objectName().contains(QLatin1String("MonthCalendar")))
            continue;
        if (auto* calendar = qobject_cast<TMonthCalendar*>(control)) {
            calendar->setShowHint(on);
        } else {
            setShowHint(control, on);
        }
    }
}

void THome::ColorComboBox1Change() {
    const TColor colour = ColorComboBox1->ColorValue();
    paintCalendars(yearView_, TMonthCalendar::TitleBackColor, colour);
    paintPanels(yearView_, kFirstTitleCover, kLastTitleCover, &TPanel::setColor, colour);
    paintPanels(yearView_, kFirstDatePanel, kLastDatePanel, &TPanel::setColor, colour);
}

void THome::ColorComboBox2Change() {
    const TColor colour = ColorComboBox2->ColorValue();
    paintCalendars(yearView_, TMonthCalendar::TitleTextColor, colour);
    // The Date Panels keep their own text colour.
    paintPanels(yearView_, kFirstTitleCover, kLastTitleCover, &TPanel::setFontColor, colour);
}

void THome::ColorComboBox3Change() {
    paintCalendars(yearView_, TMonthCalendar::MonthBackColor, ColorComboBox3->ColorValue());
}

void THome::ColorComboBox4Change() {
    paintCalendars(yearView_, TMonthCalendar::TextColor, ColorComboBox4->ColorValue());
}

void THome::ColorComboBox5Change() {
    paintCalendars(yearView_, TMonthCalendar::TrailingTextColor, ColorComboBox5->ColorValue());
}

void THome::ColorComboBox6Change() {
    const TColor colour = ColorComboBox6->ColorValue();
    yearview::setWindowColour(yearView_, colour);
    paintPanels(yearView_, kUpperStrip, kUpperStrip, &TPanel::setColor, colour);
    paintPanels(yearView_, kLowerStrip, kLowerStrip, &TPanel::setColor, colour);
}

void THome::SpeedButton54Click() {
    // A failed save raises here: the dialog stays open and no notice follows.
    SavePreferences();
    if (RestartNeeded == 1) {
        const QSize desktop = pointer().desktopSize();
        pointer().moveTo(QPoint(desktop.width() / 2 + 10, desktop.height() / 2 + 30));
        boxes().warning(
            QStringLiteral("The program must be restarted for this option to take effect."));
    }
    accept();
}

}  // namespace solvane
