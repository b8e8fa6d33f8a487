// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The main window's construction: the window itself, its controls, and what creation sets
// before the window is first shown.

#include <QIcon>
#include <QToolButton>

#include "accessibility.h"
#include "calendars_dialog.h"
#include "datetext.h"
#include "fonts.h"
#include "note_editor.h"
#include "pictures.h"
#include "platform.h"
#include "tcalendar.h"
#include "thome.h"
#include "tjpaneltexture.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "window_size.h"

namespace solvane {
namespace {

// Where the window stands while it is created, before it is first shown and centred.
constexpr QPoint kLayoutPosition(91, 122);

}  // namespace

TCalendar::TCalendar(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    installAccessibleInterfaces();  // before any control exists: Qt keeps what it makes first
    setObjectName(QStringLiteral("Calendar"));
    setWindowTitle(QStringLiteral(" "));
    setFont(classicSansFont());
    // The outline colour of the preferences replaces this once they are loaded.
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(cl::Maroon));
    setPalette(background);
    setAutoFillBackground(true);
    // Fixed size: the frame and title bar are the window manager's, so only the client
    // area can be fixed; the outer size follows from the decorations.
    setFixedSize(window::kFullClientSize);
    move(kLayoutPosition);

    createMonths();
    createStrips();
    createToolStrip();
    createDatePanels();
    connectHandlers();
    createShortcuts();
    createDayMenus();
    createAccessibility();
    FormCreate();
    setUpTimerAndWindowModes();
}

// The frame's watch and an open note editor call back into this window: they go first, while
// it is whole, as the QWidget part's destruction (its hide, its children) would reach them.
TCalendar::~TCalendar() {
    delete frameWatch_.data();
    delete noteEditor_;
}

void TCalendar::FormCreate() {
    // Date texts are written month first, "m/d/yy", by datetext; the hint timings are the
    // application's (installed at start-up); the size is fixed by the constructor.
    placeFullYearStrip();
    CompactPos = pos();
    const QDate today = clock().today();
    todayShown_ = today;
    // The view follows what the model announces.
    connect(&model_, &YearModel::yearButtonTextChanged, this, &TCalendar::showYearButton);
    connect(&model_, &YearModel::weekNumbersChanged, this, &TCalendar::showWeekNumbers);
    showYearButton();

    CalcJulianDate(today);  // not yet activated: no caption from it
    const std::string ordinal = astro::ordinalText(Julian.YearText, Julian.DayOfYear);
    MonthCalendar(1)->setHint(QString::fromStdString(ordinal));
    setWindowTitle(plainCaption(today));
}

QString TCalendar::plainCaption(const QDate& today) const {
    return QString::fromStdString(astro::plainCaption(
        toAstro(today), Julian.YearText, Julian.DayOfYear, localeMonthNames(), captionPattern()));
}

std::string TCalendar::captionPattern() {
    //: The window title: %1 is today's date, "(12) Dec 07, 2026", %2 the ordinal ("Julian")
    //: date, year.day of the year, of the day last clicked. Keep the wide spaces.
    return tr("Solvane     Today:  %1     Julian: %2").toStdString();
}

void TCalendar::showToday(const QDate& today) {
    // The caption opens with today's date; what follows it (the ordinal date of the day last
    // asked about, and a span of two clicked days) stays as it is.
    const QString head = plainCaption(todayShown_);
    const QString caption = windowTitle();
    if (caption.startsWith(head))
        setWindowTitle(plainCaption(today) + caption.mid(head.size()));
    todayShown_ = today;

    // The year button names the current year in the form the mode gave it.
    showYearButton();
}

void TCalendar::placeFullYearStrip() {
    TPanel* strip = toolStripFrame();
    strip->setGeometry(strip->x(), 428, 795, strip->height());
    JPanelTexture1->resize(window::kFullClientSize.width(), JPanelTexture1->height());
    const auto setLeft = [](QWidget* button, int left) { button->move(left, button->y()); };
    setLeft(SpeedButton11, 236);
    setLeft(SpeedButton10, 265);
    setLeft(SpeedButton9, 344);
    setLeft(SpeedButton8, 378);
    setLeft(SpeedButton6, 412);
    setLeft(SpeedButton3, 446);
    setLeft(SpeedButton1, 701);
    setLeft(SpeedButton2, 732);
    setLeft(SpeedButton4, 670);
    setLeft(SpeedButton5, 639);  // where the layout put it; compact mode moves it
}

}  // namespace solvane
