// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The main window's controls, created in their stacking order: a control created later is
// drawn over the ones before it, which is how the title covers hide each month's own
// navigation bar and how each row of months hides the bottom of the row above.

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "face_colours.h"
#include "guard.h"
#include "hints.h"
#include "moon_picture.h"
#include "pictures.h"
#include "tcalendar.h"
#include "tjpaneltexture.h"
#include "tmonthcalendar.h"
#include "tmoon.h"
#include "tpanel.h"
#include "umedit.h"
#include "window_size.h"

namespace solvane {
namespace {

constexpr int kCalendarWidth = 197;
constexpr int kCalendarHeight = 153;
constexpr int kColumnStep = 199;  // a 2-pixel gap between columns
constexpr int kRowStep = 143;     // each row covers the bottom 10 pixels of the row above

// Left of each Date Panel; the middle row's last two sit 7 pixels further left.
constexpr int kDatePanelLefts[3][4] = {
    {40, 239, 438, 637}, {40, 239, 431, 630}, {40, 239, 438, 637}};
constexpr int kDatePanelTops[3] = {7, 150, 294};

QFont boldFont(const QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    return font;
}

TPanel* makeCover(QWidget* parent, int number, QRect geometry) {
    auto* panel = new TPanel(parent);
    panel->setObjectName(QStringLiteral("Panel%1").arg(number));
    panel->setGeometry(geometry);
    panel->setBevelOuter(TPanel::bvNone);
    panel->setColor(cl::Blue);
    return panel;
}

TPanel* makeStrip(QWidget* parent, int number, QRect geometry) {
    auto* panel = new TPanel(parent);
    panel->setObjectName(QStringLiteral("Panel%1").arg(number));
    panel->setGeometry(geometry);
    panel->setBevelOuter(TPanel::bvNone);
    return panel;
}

QPixmap face(const QString& name) {
    return picture(QStringLiteral(":/faces/%1.png").arg(name));
}

QLabel* makePicture(QWidget* parent, const QString& name, QRect geometry, const QString& hintText) {
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setAccessibleName(hintText);
    setHint(image, hintText);
    setShowHint(image, false);
    return image;
}

QLabel* makeTimeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& text,
                      const QString& hintText) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    setTextColour(label, cl::Navy);
    label->setAccessibleName(hintText);
    setHint(label, hintText);
    setShowHint(label, false);
    return label;
}

QToolButton* makeSpeedButton(QWidget* parent, const QString& name, QRect geometry,
                             const QString& purpose) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(purpose);
    setShowHint(button, false);
    return button;
}

// A button shows its face as drawn, a label its picture.
void putFace(QWidget* control, const QString& faceName) {
    const QPixmap picture = face(faceName);
    if (auto* button = qobject_cast<QToolButton*>(control)) {
        button->setIcon(picture);
        if (!picture.isNull())
            button->setIconSize(picture.deviceIndependentSize().toSize());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setPixmap(picture);
    }
}

QImage stripTexture() {
    return pictureImage(QStringLiteral(":/texture/strip.bmp"));
}

// The widest text a sun label can be given. The scan writes a sunrise 12 hours either side of
// local noon and a sunset up to 24 hours after it, so the hours run from -12 to 24 in
// 12-hour texts ("-11:10A", "10:04P") and from -12 to 36 in 24-hour ones ("-05:24", "34:29"),
// always with two digits of minutes.
int widestSunText(const QFontMetrics& metrics) {
    QChar widestDigit = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    }
    const QString digits(2, widestDigit);
    const QString clock = QStringLiteral("-") + digits + u':' + digits;
    int widest = 0;
    for (const QString& text : {clock + u'A', clock + u'P', clock}) {
        // Some glyphs reach past their advance; the label must hold the ink as well.
        widest = std::max(
            {widest, metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1});
    }
    return widest;
}

}  // namespace

void TCalendar::createMonths() {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int k = row * 4 + column + 1;
            auto* calendar = new TMonthCalendar(this);
            calendar->setObjectName(QStringLiteral("MonthCalendar%1").arg(k));
            calendar->setGeometry(kColumnStep * column, kRowStep * row, kCalendarWidth,
                                  kCalendarHeight);
            calendar->setCalColors(TMonthCalendar::TextColor, cl::Navy);
            calendar->setCalColors(TMonthCalendar::TitleBackColor, cl::Blue);
            calendar->setCalColors(TMonthCalendar::TitleTextColor, cl::Yellow);
            calendar->setShowHint(true);
            calendar->setDate(QDate(2000, 5, 2));
            monthCalendars_[size_t(k - 1)] = calendar;
        }
        // The row's month-number boxes and arrow covers lie over its four calendars.
        for (int column = 0; column < 4; ++column) {
            const int k = row * 4 + column + 1;
            const QPoint corner(kColumnStep * column, kRowStep * row);
            TPanel* number =
                makeCover(this, 2 * k - 1, QRect(corner + QPoint(2, 4), QSize(28, 23)));
            number->setFont(boldFont(number));
            number->setFontColor(cl::Yellow);
            panels_[size_t(2 * k - 1)] = number;
            panels_[size_t(2 * k)] =
                makeCover(this, 2 * k, QRect(corner + QPoint(163, 4), QSize(33, 23)));
        }
    }
}

void TCalendar::createStrips() {
    panels_[0] = makeStrip(this, 0, QRect(-3, 138, 800, 5));
    panels_[26] = makeStrip(this, 26, QRect(-3, 281, 800, 5));
    panels_[27] = makeStrip(this, 27, QRect(0, 424, 794, 17));
    TPanel* strip = new TPanel(this);
    strip->setObjectName(QStringLiteral("Panel28"));
    strip->setGeometry(-1, 428, 795, 25);
    panels_[28] = strip;
}

void TCalendar::createToolStrip() {
    JPanelTexture1 = new TJPanelTexture(toolStripFrame());
    JPanelTexture1->setObjectName(QStringLiteral("JPanelTexture1"));
    JPanelTexture1->setGeometry(0, 1, 794, 23);
    JPanelTexture1->setJStyleTexture(txTile);
    JPanelTexture1->setJTransparent(false);
    createSunAndMoon();
    createSpeedButtons();
    createTrayAndTimer();
}

void TCalendar::createSunAndMoon() {
    QWidget* strip = JPanelTexture1;
    Image1 = makePicture(strip, QStringLiteral("Image1"), QRect(4, 4, 16, 15), tr("Sunrise"));
    faces_.push_back({Image1, QStringLiteral("sunrise")});
    Label3 = makeTimeLabel(strip, QStringLiteral("Label3"), QRect(24, 5, 28, 13),
                           QStringLiteral("0:00A"), tr("Sunrise"));
    Image2 = makePicture(strip, QStringLiteral("Image2"), QRect(60, 4, 16, 15), tr("Sunset"));
    faces_.push_back({Image2, QStringLiteral("sunset")});
    Label4 = makeTimeLabel(strip, QStringLiteral("Label4"), QRect(80, 5, 28, 13),
                           QStringLiteral("0:00P"), tr("Sunset"));
    Image3 = makePicture(strip, QStringLiteral("Image3"), QRect(118, 4, 16, 15), tr("Moon phase"));

    // The moon control only computes the phase: it lies above the strip's top edge.
    Moon1 = new TMoon(strip);
    Moon1->setObjectName(QStringLiteral("Moon1"));
    Moon1->setGeometry(158, -29, 20, 19);
    Moon1->SetCustomTime(QStringLiteral("10/3/01 1:02:13 PM"));
    Moon1->SetPhase(3.3285272346711317);
    Moon1->SetMoonDisplayType(TMoon::mdtUsePhaseAngle);
}

// The window system's first show needs no more than the window's size. What the first paint
// needs (fonts for measured text, pictures read from their files) is done once the window is
// up, before that paint, as a window that paints everything itself would do it in the paint.
// The notification area's icon, which asks the desktop's services whether there is an area at
// all, waits until then too.
void TCalendar::completeOnFirstShow() {
    widenSunLabels();
    putFacesOn();
    // The program's picture itself: the window's own icon is not yet set when this runs.
    RxTrayIcon1->setIcon(solvane::windowIcon());
    RxTrayIcon1->show();
}

void TCalendar::putFacesOn() {
    JPanelTexture1->setJTexture(stripTexture());
    for (const auto& [control, faceName] : faces_)
        putFace(control, faceName);
    faces_.clear();
    if (!Image3->pixmap().isNull())
        return;                          // the phase is shown already
    Image3->setPixmap(moonPicture(14));  // the full moon of the layout's moon control
}

// The year entry box, an edit field with its own fonts and text layout, is made when the user
// first opens it.
TPanel* TCalendar::yearEntry() {
    if (!yearEntryBox())
        createYearEntry();
    return yearEntryBox();
}

// The layout's 28 pixels cut "10:04P" to "10:04" and "-11:10A" to "-11:1". Each label takes
// the width of the widest time it can show, and what follows it moves right by as much as it
// grew, keeping the layout's gaps (8 pixels after the sunrise, 10 after the sunset).
void TCalendar::widenSunLabels() {
    const int width = std::max(Label3->width(), widestSunText(Label3->fontMetrics()));
    const int grown = width - Label3->width();
    Label3->resize(width, Label3->height());
    Image2->move(Image2->x() + grown, Image2->y());
    Label4->setGeometry(Label4->x() + grown, Label4->y(), width, Label4->height());
    Image3->move(Image3->x() + 2 * grown, Image3->y());
}

void TCalendar::createSpeedButtons() {
    // The full-year Lefts are set by creation; SpeedButton5 keeps the one given here.
    const auto button = [this](const char* name, int left, int width, const char* faceName,
                               const QString& purpose) {
        QToolButton* made = makeSpeedButton(JPanelTexture1, QString::fromLatin1(name),
                                            QRect(left, 2, width, 19), purpose);
        if (*faceName)
            faces_.push_back({made, QString::fromLatin1(faceName)});
        return made;
    };
    SpeedButton11 = button("SpeedButton11", 0, 25, "left", tr("Previous year"));
    SpeedButton10 = button("SpeedButton10", 0, 75, "", tr("Current year"));
    SpeedButton10->setFont(boldFont(SpeedButton10));
    setTextColour(SpeedButton10, cl::Navy);
    SpeedButton9 = button("SpeedButton9", 0, 25, "right", tr("Next year"));
    SpeedButton8 = button("SpeedButton8", 0, 32, "compact", tr("Compact view"));
    SpeedButton6 = button("SpeedButton6", 0, 25, "yearentry", tr("Enter a year"));
    SpeedButton7 = button("SpeedButton7", 0, 21, "width", tr("Compact width"));
    SpeedButton7->hide();
    SpeedButton3 = button("SpeedButton3", 0, 48, "close", tr("Exit"));
    SpeedButton5 = button("SpeedButton5", 639, 29, "weeknumbers", tr("Week numbers"));
    setHint(SpeedButton5, tr("Display week number"));
    SpeedButton4 = button("SpeedButton4", 0, 29, "parameters", tr("Parameters"));
    SpeedButton1 = button("SpeedButton1", 0, 29, "ontop", tr("Always on top"));
    setHint(SpeedButton1, tr("Always on top"));
    //: The button that hides the window to the notification area (system tray)
    SpeedButton2 = button("SpeedButton2", 0, 29, "tray", tr("Tray"));
    setHint(SpeedButton2, tr("Tray"));
}

void TCalendar::createTrayAndTimer() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Tray1 = PopupMenu1->addAction(tr("Tray"));
    Tray1->setObjectName(QStringLiteral("Tray1"));
    // The menu is the width button's context menu, opened by the right mouse button.
    SpeedButton7->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SpeedButton7, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { guarded([&] { popUpWidthMenu(at); }); });

    RxTrayIcon1 = new QSystemTrayIcon(this);
    RxTrayIcon1->setObjectName(QStringLiteral("RxTrayIcon1"));
    RxTrayIcon1->setToolTip(QStringLiteral("Solvane"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
}

void TCalendar::createYearEntry() {
    auto* box = new TPanel(this);
    box->setObjectName(QStringLiteral("Panel25"));
    box->setGeometry(145, 72, 155, 54);
    box->setColor(kParchment);
    box->hide();
    panels_[25] = box;

    //: "Year:", before the field where a year is typed; a short word or abbreviation
    Label1 = new QLabel(tr("YR:"), box);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(4, 10);
    Label1->setFont(boldFont(Label1));
    setTextColour(Label1, cl::Navy);

    umNumberEdit1 = new TumNumberEdit(box);
    umNumberEdit1->setObjectName(QStringLiteral("umNumberEdit1"));
    umNumberEdit1->setGeometry(28, 7, 120, 21);
    umNumberEdit1->setMaxValue(0);
    umNumberEdit1->setValue(0);
    umNumberEdit1->setAccessibleName(tr("Year"));
    Label1->setBuddy(umNumberEdit1);

    auto* okPanel = new TPanel(box);
    okPanel->setObjectName(QStringLiteral("Panel29"));
    okPanel->setGeometry(47, 32, 62, 19);
    okPanel->setBevelOuter(TPanel::bvNone);
    okPanel->setColor(kButtonFrame);
    panels_[29] = okPanel;

    SpeedButton54 = new QToolButton(okPanel);
    SpeedButton54->setObjectName(QStringLiteral("SpeedButton54"));
    SpeedButton54->setGeometry(0, 0, 62, 19);
    SpeedButton54->setAutoRaise(true);
    SpeedButton54->setText(tr("OK"));
    setTextColour(SpeedButton54, cl::Navy);

    Label1->adjustSize();
    // A word longer than "YR:" takes room from the field, which is wide for four digits.
    if (const int labelRight = Label1->x() + Label1->width(); labelRight > 28)
        umNumberEdit1->setGeometry(labelRight + 2, 7, 148 - labelRight - 2, 21);
    // Centred on the outer size the window was laid out for.
    box->move(window::kFullOuterWidth / 2 - box->width() / 2,
              window::kFullOuterHeight / 2 - box->height() / 2);
    box->stackUnder(datePanel(1));  // the Date Panels stay over everything
    box->setAccessibleName(tr("Enter a year"));
    okPanel->setAccessibleName(tr("OK"));
    connect(umNumberEdit1, &TumEdit::OnClick, this, guard(this, &TCalendar::umNumberEdit1Click));
    connect(umNumberEdit1, &TumNumberEdit::OnKeyDown, this,
            [this](int key) { guarded([&] { umNumberEdit1KeyDown(key); }); });
    connect(SpeedButton54, &QToolButton::clicked, this,
            guard(this, &TCalendar::SpeedButton54Click));
}

void TCalendar::createDatePanels() {
    for (int k = 1; k <= 12; ++k) {
        const int row = (k - 1) / 4;
        const int column = (k - 1) % 4;
        TPanel* title = makeCover(
            this, 29 + k, QRect(kDatePanelLefts[row][column], kDatePanelTops[row], 112, 16));
        title->setFont(boldFont(title));
        title->setFontColor(cl::Yellow);
        title->setCaption(QStringLiteral("Date Panel"));
        panels_[size_t(29 + k)] = title;
    }
}

void TCalendar::connectHandlers() {
    for (int k = 1; k <= 12; ++k) {
        connect(MonthCalendar(k), &TMonthCalendar::OnClick, this,
                [this, k] { guarded([&] { MonthCalendarClick(k); }); });
    }
    connect(SpeedButton11, &QToolButton::clicked, this, guard(this, &TCalendar::BitBtn2Click));
    connect(SpeedButton10, &QToolButton::clicked, this, guard(this, &TCalendar::BitBtn4Click));
    connect(SpeedButton9, &QToolButton::clicked, this, guard(this, &TCalendar::BitBtn3Click));
    connect(SpeedButton8, &QToolButton::clicked, this, guard(this, &TCalendar::BitBtn1Click));
    connect(SpeedButton6, &QToolButton::clicked, this, guard(this, &TCalendar::BitBtn6Click));
    connect(SpeedButton7, &QToolButton::clicked, this, guard(this, &TCalendar::BitBtn7Click));
    connect(SpeedButton3, &QToolButton::clicked, this, guard(this, &TCalendar::SpeedButton3Click));
    connect(SpeedButton5, &QToolButton::clicked, this, guard(this, &TCalendar::SpeedButton5Click));
    connect(SpeedButton4, &QToolButton::clicked, this, guard(this, &TCalendar::SpeedButton4Click));
    connect(SpeedButton1, &QToolButton::clicked, this, guard(this, &TCalendar::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, guard(this, &TCalendar::SpeedButton2Click));
    connect(Tray1, &QAction::triggered, this, guard(this, &TCalendar::Tray1Click));

    connect(Timer1, &QTimer::timeout, this, guard(this, &TCalendar::Timer1Timer));
}

}  // namespace solvane
