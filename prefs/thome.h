// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The Parameters dialog. It shows and edits the settings the program runs with (a live
// prefs::Settings object, which the year view loads from prefs.cal on every activation), saves
// them on its Save button, and passes each colour and the hint switch on as they change, so
// that the year view can paint itself at once.

#include <QDialog>
#include <QStringList>
#include <QTimeZone>
#include <array>

#include "colors.h"
#include "preferences.h"
#include "settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace solvane {

class TColorComboBox;
class TCurrencyEdit;
class TPanel;

class THome : public QDialog {
    Q_OBJECT

public:
    // The dialog opens centred on the screen that `yearView` is on, showing `settings` and
    // following each load of them.
    THome(prefs::Settings& settings, QWidget* yearView, QWidget* parent = nullptr);
    // A dialog with settings of its own.
    explicit THome(QWidget* yearView, QWidget* parent = nullptr);

    // Loads the settings from "prefs.cal" (see prefs::Settings::load) and shows what was read.
    // The caller computes today's sun afterwards.
    void LoadPreferences();
    // Writes the ten lines (through a temporary file renamed over the old one); raises
    // solvane::Error("Cannot create file ...") when it cannot. A place text that cannot be
    // saved (see prefs::placeTextRefusal) is refused with solvane::Error before anything
    // changes, and its field takes the focus.
    void SavePreferences();

    // The settings in force: the place texts as last loaded or saved, the offset as the
    // dialog shows it, the colours as chosen, and the 24-hour switch.
    const prefs::Preferences& preferences() const { return settings_.preferences(); }
    // The line buffer: the file as last read, or the ten lines last saved.
    const QStringList& lines() const { return settings_.lines(); }

    // Shows the place numbers the sun computation read, in the dialog's hidden two-decimal
    // fields.
    void showPlaceNumbers(double latitude, double longitude);

signals:
    void colourChanged(solvane::prefs::Colour which, solvane::TColor colour);
    void hintsChanged(bool on);
    // Save wrote a place text, offset or 24-hour switch that was changed since the dialog
    // opened: today's sun is to be shown again with them.
    void sunSettingsSaved();
    // The "Calendars..." button: the user's calendars are to be shown over this dialog.
    void calendarsRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Handlers.
    void FormActivate();
    void ComboBox1Change();
    void CurrencyEditGMT3Enter();
    void Edit1Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void ActivateHint();
    void ColorComboBox1Change();
    void ColorComboBox2Change();
    void ColorComboBox3Change();
    void ColorComboBox4Change();
    void ColorComboBox5Change();
    void ColorComboBox6Change();
    void SpeedButton54Click();
    void CheckBox3Click();  // "Use the system time zone"

    // thome_layout.cpp
    void createPlaceGroup();
    void createPlaceTexts();
    void createOffsetControls();
    void createSwitches();
    void createColourGroup();
    void createSaveButton();
    void createCalendarsButton();
    void placeCalendarsButton();  // beside the Save frame, wherever the note moves it
    void createZoneSwitch();
    void connectHandlers();
    void createKeyboardAccess();  // thome_keys.cpp
    void keepFieldsReadable();    // thome_keys.cpp

    // thome_zone.cpp: the offset in force, shown from the system zone while it is followed.
    void showZoneInForce();
    void showZoneOffset(const QTimeZone& zone);
    void showFixedOffset();
    void showFirstStartNote(const QString& note);

    static constexpr int kColourCount = prefs::kColourCount;
    using Handler = void (THome::*)();
    TColorComboBox* colorBox(int k) const { return colourBoxes_[size_t(k - 1)]; }  // 1 .. 6
    static Handler colourHandler(int k);  // ColorComboBox<k>Change
    void announceColour(int k);
    void showSettings();
    void showReading(const prefs::Reading& reading);
    void refuseUnsavablePlace();
    void showMatchingOffsetEntry();
    void showListText(const QString& text);
    void centreOnScreen();

    // State. RestartNeeded is 1 when a change since the dialog opened takes effect only at the
    // next start: 24-hour times switched off while they are in force.
    int RestartNeeded = 0;
    bool sunSettingsEdited_ = false;
    prefs::Settings& settings_;
    // While the zone's offset is shown, the fixed offset stays in preferences_ and the list's
    // own choice is kept here to come back when the zone is no longer followed.
    bool zoneOffsetShown_ = false;
    int listIndexBeforeZone_ = -1;
    QString listTextBeforeZone_;

    // Controls.
    TPanel* Panel3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label3 = nullptr;
    TCurrencyEdit* CurrencyEditGMT3 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QLabel* Label12 = nullptr;  // the first start's note: for where the times are
    TCurrencyEdit* CurrencyEditN1 = nullptr;
    TCurrencyEdit* CurrencyEditW2 = nullptr;
    TPanel* Panel4 = nullptr;
    std::array<QLabel*, kColourCount> colourLabels_{};
    std::array<TColorComboBox*, kColourCount> colourBoxes_{};
    TPanel* Panel2 = nullptr;
    TPanel* Panel1 = nullptr;
    QToolButton* SpeedButton54 = nullptr;
    QPushButton* CalendarsButton = nullptr;

    QWidget* yearView_;
};

}  // namespace solvane
