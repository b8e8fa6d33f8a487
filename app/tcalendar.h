// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window: twelve months in three rows of four under title covers of the program's
// own, and the textured tool strip. The class spans several source files, one per concern:
// layout, activation, day clicks, year navigation, sun display, compact mode, the timer and
// the window modes.

#include <QDate>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "colors.h"
#include "day_facts.h"
#include "ordinal.h"
#include "preferences.h"
#include "sun.h"
#include "system_zone.h"
#include "year_model.h"

class QLabel;
class QMenu;
class QAction;
class QDialog;
class QEventLoopLocker;
class QPrinter;
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
class UserCalendars;
class CalendarsDialog;
class NoteEditor;
namespace events {
class EventsModel;
}
namespace prefs {
class Settings;
}

// The year view's state as it stands: the model's, and where the window stood.
struct YearViewState {
    bool FirstActivated = false;
    solvane::RedateMode RedateMode = RedateMode::FromToday;
    int YearAnchor = 0;  // the year of the last dating; 0 before the first
    bool CompactMode = false;
    int CompactWidth = 2;
    bool YearButtonToJanuary = false;
    std::array<QDate, 3> SavedCompactDates{};  // a null date means none
    QPoint CompactPos;                         // Left, Top
    QPoint FullPos;                            // Left, Top
    int WeekNumbersShown = 0;
    int SunDisplayCountdown = 0;
};

class TCalendar : public QWidget {
    Q_OBJECT

public:
    explicit TCalendar(QWidget* parent = nullptr);
    ~TCalendar() override;

    // The settings the window runs with: it loads them on every activation, follows their
    // colours and hint switch and reads the place from them. The Parameters dialog that edits
    // them is made when it is first opened. Without settings nothing is loaded or computed.
    void setSettings(prefs::Settings* settings);
    // The user's calendars the days show (tcalendar_events.cpp): the model is told the days in
    // view on every navigation and the zone of the settings in force. Null: none.
    void setEvents(events::EventsModel* events);
    // The user's calendars: their events on the days, their dialog, and the notes on days
    // (tcalendar_events.cpp, tcalendar_notes.cpp). Null: none.
    void setCalendars(UserCalendars* calendars);
    // The Calendars dialog, made on first use; null without calendars.
    CalendarsDialog* calendarsDialog();
    // The editor of a note on a day while it is open, else null.
    NoteEditor* noteEditor() const { return noteEditor_; }

    // The Parameters dialog, made on first use; null without settings.
    THome* parametersDialog();

    // The year view's state as it stands, for reading.
    YearViewState state() const;
    const YearModel& model() const { return model_; }

    // Sets how the next activation dates the first month, and runs it.
    void redate(solvane::RedateMode mode);

    // One tick of the 10 ms timer Timer1 (tcalendar_timer.cpp).
    void Timer1Timer();

    // The notification-area icon; its picture is the program's once the window is up.
    QSystemTrayIcon* trayIcon() const { return RxTrayIcon1; }
    // The facts of a day at the settings in force, as the strip shows them.
    DayFacts& dayFacts() { return dayFacts_; }

    // True while a sun computation waits in one of its message boxes; another computation
    // started meanwhile (a timer tick, a click) returns at once.
    bool sunBusy() const { return sunComputationRunning_; }

    // Test seams.
    // Shows the Parameters dialog modally; tests replace it so that nothing blocks.
    std::function<void(QDialog&)> showModally;
    // Whether the desktop has a notification area to hide the window into; tests replace it.
    std::function<bool()> trayAvailable;

public slots:
    // Shows the window hidden in the notification area, or brings a covered one to the front,
    // as it was left: a second start of the program and the notification-area icon ask for it.
    void bringToFront();
    // Hides the window into the notification area, hints left as they are.
    void hideToNotificationArea();
    // Opens the Parameters dialog over the window.
    void showParameters();
    // Opens the print preview of the months in view (tcalendar_print.cpp).
    void printView();
    // Opens the Calendars dialog over the window (or over the Parameters dialog).
    void showCalendars();
    // Opens the editor of the day's first note, or of a new note when the day has none.
    void editNote(const QDate& day);

signals:
    // The place numbers the sun computation read from the place texts, in degrees, rounded to
    // two decimals (the longitude's sign as the text has it).
    void placeNumbersRead(double latitude, double longitude);
    // After every sun computation of the strip (a load, a saved place, a click, the return to
    // today) and after the Parameters dialog closes: the settings in force may have changed.
    void sunShown();
    // The date passed midnight (or the clock jumped to another day).
    void todayChanged(const QDate& today);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Handlers and the operations they share, named as the program's design names them.
    // --- start-up and activation (tcalendar_create.cpp, tcalendar_activate.cpp)
    void FormCreate();
    void FormActivate();
    void LoadPreferences();  // the dialog's load, then today's sun
    void CalcJulianDate(const QDate& date);
    void CalcSun(const QDate& date);

    // --- year navigation and day clicks (tcalendar_navigation.cpp, tcalendar_day_click.cpp,
    // tcalendar_year_entry.cpp)
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

    // --- compact mode (tcalendar_compact.cpp)
    void BitBtn1Click();
    void BitBtn7Click();
    void SmallCal();

    // --- timer and window modes (tcalendar_timer.cpp, tcalendar_window_modes.cpp)
    void SpeedButton1Click();  // always on top
    void SpeedButton2Click();  // to the notification area
    void Tray1Click();
    void popUpWidthMenu(QPoint at);  // the right mouse button on SpeedButton7
    void RxTrayIcon1Click();
    void SpeedButton3Click();  // exit
    void SpeedButton4Click();  // Parameters
    void SpeedButton5Click();  // week numbers

    // --- start-up, layout, activation, sun display, navigation and day clicks
    // (tcalendar_create.cpp, tcalendar_layout.cpp, tcalendar_activate.cpp, tcalendar_sun.cpp,
    // tcalendar_day_click.cpp, tcalendar_navigation.cpp, tcalendar_year_entry.cpp)

    // The year view's state and rules; the window shows what it says.
    YearModel model_;
    // Where the window stood: at the first activation, and where the compact window was left.
    bool FirstActivated = false;
    QPoint CompactPos;
    QPoint FullPos;

    // Ordinal dates, spans and the sun texts kept between computations.
    astro::OrdinalDates Julian;
    astro::SunTexts Sun;
    DayFacts dayFacts_;

    prefs::Settings* settings_ = nullptr;
    events::EventsModel* events_ = nullptr;
    bool eventsWired_ = false;         // the pages' and settings' signals reach the model
    bool eventsRangePending_ = false;  // a page changed: the days in view are told once
    void scheduleEventsRange();
    void tellEventsRange();
    // The printed page of the months in view, onto the preview's or the chosen printer.
    void paintPrintedPage(QPrinter& printer);
    // A window of its own, not a child of the year view; made when first opened.
    std::unique_ptr<THome> Home;
    UserCalendars* calendars_ = nullptr;
    std::unique_ptr<CalendarsDialog> calendarsDialog_;

    // tcalendar_notes.cpp: the day's menu and the note editor.
    void createDayMenus();
    void popUpDayMenu(const QDate& day, const QPoint& globalPos);
    void openNoteEditor(const QDate& day, const QString& uid);
    // Each true once the notes file holds the change; false, with a message, when not.
    bool saveNote(const QString& uid, const QDate& day, const QString& text, int days);
    bool removeNote(const QString& uid, const QString& text);
    QMenu* dayMenu_ = nullptr;
    NoteEditor* noteEditor_ = nullptr;

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

    // The strip as the full-year window lays it out: Panel28, JPanelTexture1 and the Lefts
    // of the speed buttons.
    void placeFullYearStrip();

    // Moves the pointer to a point given from the window's outer top-left corner, frame and
    // title bar included.
    void movePointerFromCorner(int dx, int dy);

    // Shows the window again after a change of its window flags, without the activation
    // that a show from hidden runs.
    void showAgainWithoutActivation();

    TMonthCalendar* MonthCalendar(int k) const {
        return monthCalendars_[size_t(k - 1)];
    }  // 1 .. 12
    // Controls by what they are (tcalendar.h keeps the numbering in one place).
    TPanel* monthNumberBox(int k) const { return panels_[size_t(2 * k - 1)]; }  // 1 .. 12
    TPanel* arrowCover(int k) const { return panels_[size_t(2 * k)]; }
    TPanel* datePanel(int k) const { return panels_[size_t(29 + k)]; }
    TPanel* upperStrip() const { return panels_[0]; }
    TPanel* lowerStrip() const { return panels_[26]; }
    TPanel* yearEntryBox() const { return panels_[25]; }  // null until first opened
    TPanel* yearEntry();                                  // made when first opened
    TPanel* toolStripFrame() const { return panels_[28]; }
    TPanel* okFrame() const { return panels_[29]; }

    // tcalendar_settings.cpp
    prefs::Preferences preferences() const;
    void paintColour(prefs::Colour which, TColor colour);
    void paintCalendars(int slot, TColor colour);
    void paintTitleCovers(void (TPanel::*write)(TColor), TColor colour);
    void setWindowColour(TColor colour);
    void showHints(bool on);
    void showTodaysSun();

    // tcalendar_layout.cpp
    void createMonths();
    void createStrips();
    void createToolStrip();
    void createSunAndMoon();
    void completeOnFirstShow();
    void putFacesOn();
    void widenSunLabels();
    void createSpeedButtons();
    void createTrayAndTimer();
    void createYearEntry();
    void createDatePanels();
    void connectHandlers();
    void createShortcuts();        // shortcuts.cpp
    void refreshStripStates();     // shortcuts.cpp: hints with keys, the switches' pressed look
    void hideButtonsBeyondEdge();  // shortcuts.cpp
    void createAccessibility();    // accessibility.cpp

    // tcalendar_create.cpp, tcalendar_activate.cpp
    // The caption with today's date and the ordinal date of the day last asked about.
    QString plainCaption(const QDate& today) const;
    // The caption's sentence in the program's language.
    static std::string captionPattern();
    // Writes the new date into the caption's "Today:" and the year into the year button.
    void showToday(const QDate& today);
    void centreOnDesktop();
    void watchForTheFrame();
    // Until the frame is known: gone with the window, before its QWidget part is left alone.
    QPointer<QObject> frameWatch_;
    void pointToCloseButton();  // the first activation's pointer
    void dateFirstCalendar();
    void dateTwelveMonths();

    // tcalendar_sun.cpp
    void showSun(const Facts& facts);
    void warnOfPlaceTexts(const Facts& facts);
    void showMoonPicture(const Facts& facts);
    // tcalendar_sun_place.cpp: the sun labels' hints name the zone's city while the times
    // are for it.
    void showWhereTheTimesAreFor(const astro::ZonePlace* city);

    // tcalendar_navigation.cpp
    void stepView(int sign);
    void clearCompactMonthBoxes();
    // The date itself, or the nearest the calendars can hold (the first of December 9999
    // beyond their end), for a calendar out of sight past either end of the range.
    void refuseViewOutsideRange() const;
    void showYearButton();

    // The day the caption and the year button show as today.
    QDate todayShown_;
    bool sunComputationRunning_ = false;
    bool activateOnShow_ = true;
    bool centredOnce_ = false;
    // The place texts already reported as unreadable (true: latitude), each reported once.
    QSet<std::pair<bool, QString>> badPlaceTextsShown_;

    std::array<TMonthCalendar*, 12> monthCalendars_{};
    std::array<TPanel*, 42> panels_{};
    // The strip's pictures by control, read from their files at the first show.
    std::vector<std::pair<QWidget*, QString>> faces_;

    // compact mode, timer and window modes
    // Called once by the constructor after the controls exist: the timer's wake-up sources and
    // the notification-area icon (tcalendar_timer.cpp, tcalendar_window_modes.cpp).
    void setUpTimerAndWindowModes();
    // Timer1 ticks only while a tick could change something, and sleeps otherwise. Whatever
    // may make a tick useful calls wake(): a calendar's date or page changing, CalcSun setting
    // the countdown, the date passing midnight. The same check runs whenever the event loop is
    // about to wait, so no change made by a handler (a hint, say) is missed.
    void wake();
    bool tickCanChangeSomething() const;
    // Fires at the next local midnight (at the latest a minute from now): a new date goes into
    // the caption, the year button and today's ring, and the timer is re-checked; its object
    // name is "MidnightTimer".
    QTimer* midnightTimer = nullptr;

private:
    struct MonthTitle {  // the "mmmm yyyy" caption last written to a Date Panel
        int year = 0;
        int month = 0;
        QString caption;
    };
    void setUpTodayTimer();
    void midnightPassed();
    void countDownSunDisplay();
    bool showsWholeYear() const;
    bool anyCalendarHolds(const QDate& day) const;
    void layOutYearAgain();
    bool yearIsLaidOut(const QDate& january) const;
    bool monthTitleIsCurrent(int k, const QDate& date) const;
    void setMonthTitle(int k, const QDate& date);
    void armMidnightTimer();
    void showWeekNumbers(bool on);  // as the model announces it
    void enterCompactMode();
    void leaveCompactMode();
    void applyStripLayout(int width);  // the compact layout of 1, 2 or 3 months
    void showCompactRow(const CompactRow& row);
    CompactRow compactRowShown() const;
    void pointerToStripButton(const QToolButton* button, int dx);
    void hideToTray();
    std::array<MonthTitle, 12> monthTitles_{};
    // Held while the window is hidden in the notification area: closing a message box then
    // closes the last visible window, which must not end the program.
    std::shared_ptr<QEventLoopLocker> keepRunningWhileHidden_;
};

}  // namespace solvane
