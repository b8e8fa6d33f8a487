// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The Parameters dialog. Its controls are the program's store of the settings: the
// preferences file is loaded into them, the sun computation reads the place from the line
// buffer Memo1 and the offset from CurrencyEditGMT3, and the colour and hint handlers
// apply the settings to the year view at once.

#include <QDialog>
#include <QStringList>

#include "colors.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace solvane {

class TColorComboBox;
class TCurrencyEdit;
class TPanel;

class THome : public QDialog {
    Q_OBJECT

public:
    // yearView is the main window; the colour and hint handlers reach its controls by their
    // object names (MonthCalendar1 .. 12, Panel0 .. Panel41).
    explicit THome(QWidget* yearView, QWidget* parent = nullptr);

    // Reads "prefs.cal" beside the executable into Memo1 and applies flags, colours, place
    // texts and offset. Raises solvane::Error on a missing file or a bad colour line, after
    // applying what came before it. The caller computes today's sun afterwards.
    void LoadPreferences();
    // Writes the ten lines (through a temporary file renamed over the old one); raises
    // solvane::Error("Cannot create file ...") when it cannot.
    void SavePreferences();

    // Line i of the line buffer, empty beyond its end.
    QString memoLine(int index) const { return index < Memo1.size() ? Memo1.at(index) : QString(); }

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

    // State.
    int RestartNeeded = 0;
    QString PreferenceFlags;
    int MilitaryTimeFlag = 0;
    QStringList Memo1;

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
    TCurrencyEdit* CurrencyEditN1 = nullptr;
    TCurrencyEdit* CurrencyEditW2 = nullptr;
    TPanel* Panel4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    TColorComboBox* ColorComboBox1 = nullptr;
    TColorComboBox* ColorComboBox2 = nullptr;
    TColorComboBox* ColorComboBox3 = nullptr;
    TColorComboBox* ColorComboBox4 = nullptr;
    TColorComboBox* ColorComboBox5 = nullptr;
    TColorComboBox* ColorComboBox6 = nullptr;
    TPanel* Panel2 = nullptr;
    TPanel* Panel1 = nullptr;
    QToolButton* SpeedButton54 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // thome_layout.cpp
    void createPlaceGroup();
    void createColourGroup();
    void createSaveButton();
    void connectHandlers();
    void createKeyboardAccess();  // thome_keys.cpp
    void keepFieldsReadable();    // thome_keys.cpp

    static constexpr int kColourCount = 6;
    using Handler = void (THome::*)();
    TColorComboBox* colorBox(int k) const;  // 1 .. kColourCount
    static Handler colourHandler(int k);    // ColorComboBox<k>Change
    void centreOnScreen();

    QWidget* yearView_;
};

}  // namespace solvane
