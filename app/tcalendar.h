// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window: twelve months in three rows of four under title covers of the program's
// own, and the textured tool strip. The class spans several source files, one per concern:
// layout, activation, day clicks, year navigation, sun display, compact mode, the timer and
// the window modes.

#include <QDate>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>

#include "ordinal.h"
#include "sun.h"

class QLabel;
class QMenu;
class QAction;
class QSystemTrayIcon;
class QTimer;
class QToolButton;

namespace solvane {

class TMonthCalendar;
class TPanel;
class TJPanelTexture;
class TumNumberEdit;
class TMoon;
class THome;

enum class RedateMode { FromToday, KeepFirst, FromFirstYear };

class TCalendar : public QWidget {
    Q_OBJECT

public:
    explicit TCalendar(QWidget* parent = nullptr);
    ~TCalendar() override;

    // The Parameters dialog, created right after this window and before its first activation.
    void setHome(THome* home) { Home = home; }

    // Controls by number, as the layout names them.
    TMonthCalendar* MonthCalendar(int k) const { return monthCalendars_[k - 1]; }  // 1 .. 12
    TPanel* Panel(int n) const { return panels_[n]; }                          // 0 .. 41

    // --- start-up and activation (calendar_create.cpp, calendar_activate.cpp)
    void FormCreate();
    void FormActivate();
    void LoadPreferences();  // the dialog's load, then today's sun
    void CalcJulianDate(const QDate& date);
    void CalcSun(const QString& dateText);  // "mm/dd/yyyy"

    // --- year navigation and day clicks (navigation.cpp, day_click.cpp, year_entry.cpp)
    void ResetCalendarHints();
    void ResetAllCalendar(int k);
    void MonthCalendarClick(int k);  // the shared body of MonthCalendar1Click .. 12Click
    void BitBtn2Click();             // previous
    void BitBtn3Click();             // next
    void BitBtn4Click();             // year button
    void BitBtn6Click();             // year entry
    void umNumberEdit1Click();
    void umNumberEdit1KeyDown(int key);
    void SpeedButton54Click();  // "OK" of the year entry

    // --- compact mode (compact_mode.cpp)
    void BitBtn1Click();
    void BitBtn7Click();
    void SmallCal();

    // --- timer and window modes (today_timer.cpp, window_modes.cpp)
    void Timer1Timer();
    void SpeedButton1Click();  // always on top
    void SpeedButton2Click();  // to the notification area
    void Tray1Click();
    void RxTrayIcon1Click();
    void SpeedButton3Click();  // exit
    void SpeedButton4Click();  // Parameters
    void SpeedButton5Click();  // week numbers

    // --- year-view state
    bool FirstActivated = false;
    solvane::RedateMode RedateMode = RedateMode::FromToday;
    QString YearAnchor;
    bool CompactMode = false;
    int CompactWidth = 2;
    bool YearButtonToJanuary = false;
    std::array<QDate, 3> SavedCompactDates{};  // a null date means none
    QPoint CompactPos;                          // Left, Top
    QPoint FullPos;                             // Left, Top
    int WeekNumbersShown = 0;
    int SunDisplayCountdown = 0;

    // Ordinal dates, spans and the sun texts kept between computations.
    astro::OrdinalDates Julian;
    astro::SunTexts Sun;

    THome* Home = nullptr;

    // --- the tool strip and the year entry box
    TJPanelTexture* JPanelTexture1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image3 = nullptr;
    TMoon* Moon1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QLabel* Label1 = nullptr;
    TumNumberEdit* umNumberEdit1 = nullptr;
    QToolButton* SpeedButton54 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Tray1 = nullptr;
    QSystemTrayIcon* RxTrayIcon1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // calendar_layout.cpp
    void createMonths();
    void createStrips();
    void createToolStrip();
    void createYearEntry();
    void connectHandlers();

    std::array<TMonthCalendar*, 12> monthCalendars_{};
    std::array<TPanel*, 42> panels_{};
};

}  // namespace solvane
