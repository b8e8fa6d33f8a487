// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The dialog's controls: the place and time group, the colour group and the Save button,
// at their pixel places, with their texts, colours and tab stops.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QToolButton>
#include <algorithm>

#include "face_colours.h"
#include "fonts.h"
#include "guard.h"
#include "offset_list.h"
#include "on_screen.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "thome.h"
#include "tpanel.h"

namespace solvane {
namespace {

constexpr QSize kClientSize{401, 186};

void setBackground(QWidget* widget, TColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <typename T>
T* make(QWidget* parent, const char* name, QRect place) {
    auto* control = new T(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

QLabel* makeLabel(QWidget* parent, const char* name, QPoint place, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(place);
    label->adjustSize();
    setTextColour(label, cl::Navy);
    return label;
}

TPanel* makePanel(QWidget* parent, const char* name, QRect place, TPanel::Bevel outer,
                  TPanel::Bevel inner, TColor colour) {
    auto* panel = make<TPanel>(parent, name, place);
    panel->setBevelOuter(outer);
    panel->setBevelInner(inner);
    panel->setColor(colour);
    return panel;
}

TCurrencyEdit* makeNumberEdit(QWidget* parent, const char* name, QRect place, const char* format) {
    auto* edit = make<TCurrencyEdit>(parent, name, place);
    edit->setDisplayFormat(QLatin1String(format));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColour(edit, cl::Navy);
    return edit;
}

// The fields take the focus when clicked; the keyboard access (thome_keys.cpp) then puts them
// in the Tab chain in reading order.
void clickFocusOnly(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls)
        control->setFocusPolicy(Qt::ClickFocus);
}

}  // namespace

THome::THome(QWidget* yearView, QWidget* parent) : THome(*new prefs::Settings, yearView, parent) {
    settings_.setParent(this);
}

THome::THome(prefs::Settings& settings, QWidget* yearView, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      yearView_(yearView) {
    setObjectName(QStringLiteral("Home"));
    setWindowTitle(tr("Parameters"));
    setFixedSize(kClientSize);
    setBackground(this, kParchment);
    setFont(classicSansFont());

    createPlaceGroup();
    createColourGroup();
    createSaveButton();
    createCalendarsButton();
    connectHandlers();
    createKeyboardAccess();
    showSettings();
    connect(&settings_, &prefs::Settings::colourChanged, this, &THome::colourChanged);
    connect(&settings_, &prefs::Settings::hintsChanged, this, &THome::hintsChanged);
    connect(&settings_, &prefs::Settings::loaded, this, &THome::showReading);
}

void THome::createPlaceGroup() {
    Panel3 = makePanel(this, "Panel3", {5, 5, 193, 151}, TPanel::bvLowered, TPanel::bvRaised,
                       kParchment);
    createPlaceTexts();
    createOffsetControls();
    createSwitches();
    createZoneSwitch();
    clickFocusOnly({Edit1, Edit2, CurrencyEditGMT3, ComboBox1, CheckBox1, CheckBox2, CheckBox3});
}

void THome::createPlaceTexts() {
    // The sun computation's number fields lie hidden under the two place texts.
    CurrencyEditN1 = makeNumberEdit(Panel3, "CurrencyEditN1", {63, 8, 121, 21}, "00.00");
    CurrencyEditW2 = makeNumberEdit(Panel3, "CurrencyEditW2", {63, 32, 121, 21}, "00.00");
    for (TCurrencyEdit* hidden : {CurrencyEditN1, CurrencyEditW2}) {
        hidden->setFocusPolicy(Qt::NoFocus);
        hidden->hide();
        keepFromAssistiveTechnology(hidden);  // a screen reader has no "00.00" field to find
    }

    Label2 = makeLabel(Panel3, "Label2", {22, 12}, QStringLiteral("N°'/ S°'"));
    Edit1 = make<QLineEdit>(Panel3, "Edit1", {63, 8, 121, 21});
    Edit1->setAccessibleName(tr("Latitude"));
    Label2->setBuddy(Edit1);
    Label1 = makeLabel(Panel3, "Label1", {20, 36}, QStringLiteral("W°'/ E°'"));
    Edit2 = make<QLineEdit>(Panel3, "Edit2", {63, 32, 121, 21});
    Edit2->setAccessibleName(tr("Longitude"));
    Label1->setBuddy(Edit2);
    // One character more than a save takes: a longer paste, which the field cuts, is then
    // refused on Save instead of being saved cut without a word.
    for (QLineEdit* place : {Edit1, Edit2})
        place->setMaxLength(prefs::kMaxPlaceTextLength + 1);
}

void THome::createOffsetControls() {
    Label3 = makeLabel(Panel3, "Label3", {5, 61}, tr("GMT Offset"));
    CurrencyEditGMT3 = makeNumberEdit(Panel3, "CurrencyEditGMT3", {63, 57, 121, 21}, "0");
    CurrencyEditGMT3->setRange(-24, 24);
    CurrencyEditGMT3->setAccessibleName(tr("GMT Offset"));
    Label3->setBuddy(CurrencyEditGMT3);

    Label4 = makeLabel(Panel3, "Label4", {13, 85}, tr("Offset List"));
    ComboBox1 = make<QComboBox>(Panel3, "ComboBox1", {63, 81, 121, 21});
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (const OffsetEntry& entry : offsetList())
        ComboBox1->addItem(QLatin1String(entry.text));
    ComboBox1->setCurrentIndex(-1);
    // The entries are much wider than the field; the open list shows them whole.
    ComboBox1->view()->setMinimumWidth(ComboBox1->view()->sizeHintForColumn(0));
    ComboBox1->setAccessibleName(tr("Offset List"));
    setTextColour(ComboBox1, cl::Navy);
    Label4->setBuddy(ComboBox1);
    // A chosen entry shows from its start, as the list does.
    connect(ComboBox1, &QComboBox::currentIndexChanged, ComboBox1->lineEdit(),
            [edit = ComboBox1->lineEdit()] { edit->setCursorPosition(0); });
}

void THome::createSwitches() {
    CheckBox1 = make<QCheckBox>(Panel3, "CheckBox1", {7, 107, 109, 17});
    //: 24-hour clock; the box is narrow
    CheckBox1->setText(tr("Display military time"));
    setTextColour(CheckBox1, cl::Navy);
    // The style's check mark may be wider than the desktop's own; the text then takes the
    // room up to the Hints box rather than being cut.
    constexpr int kRoomBeforeHints = 139 - 7 - 3;
    CheckBox1->resize(std::clamp(CheckBox1->sizeHint().width(), 109, kRoomBeforeHints), 17);
    CheckBox2 = make<QCheckBox>(Panel3, "CheckBox2", {139, 107, 45, 17});
    //: Tooltips on or off; the box has room for about eight letters
    CheckBox2->setText(tr("Hints"));
    setTextColour(CheckBox2, cl::Navy);
    // A word longer than the box has room for takes the room left of it, up to the clock's
    // switch; the right edge stays where it is.
    QStyleOptionButton option;
    option.initFrom(CheckBox2);
    const int room =
        CheckBox2->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, CheckBox2).width();
    if (const int more = CheckBox2->fontMetrics().horizontalAdvance(CheckBox2->text()) - room;
        more > 0) {
        constexpr int kHintsRight = 139 + 45;
        const int width =
            std::min(45 + more, kHintsRight - (CheckBox1->x() + CheckBox1->width()) - 3);
        CheckBox2->setGeometry(kHintsRight - width, 107, width, 17);
    }
}

// The zone switch takes a row of its own under the other two; the note under both groups
// shows only while a first start has no place of its own.
void THome::createZoneSwitch() {
    CheckBox3 = make<QCheckBox>(Panel3, "CheckBox3", {7, 129, 177, 17});
    CheckBox3->setText(tr("Use the system time zone"));
    CheckBox3->setChecked(settings_.preferences().useSystemZone);
    setTextColour(CheckBox3, cl::Navy);
    Label12 = makeLabel(this, "Label12", {8, 158}, QString());
    Label12->setWordWrap(true);
    Label12->setFixedWidth(kClientSize.width() - 16);
    Label12->hide();
}

void THome::createColourGroup() {
    Panel4 = makePanel(this, "Panel4", {202, 5, 195, 151}, TPanel::bvLowered, TPanel::bvRaised,
                       kParchment);
    struct Row {
        const char* labelName;
        QPoint labelPlace;
        const char* text;
        QPoint boxPlace;
    };
    // Colour box k is named ColorComboBox<k>; its label's names skip Label7.
    static constexpr Row rows[kColourCount] = {
        {"Label5", {7, 4}, QT_TR_NOOP("Title Bar Color"), {7, 20}},
        {"Label6", {7, 45}, QT_TR_NOOP("Title Text Color"), {7, 61}},
        {"Label8", {7, 86}, QT_TR_NOOP(" Backgnd Color"), {7, 102}},
        {"Label9", {103, 4}, QT_TR_NOOP("Text Color"), {103, 20}},
        // Trail text: the days of the months before and after, in each month's grid.
        {"Label10", {103, 45}, QT_TR_NOOP("Trail Text Color"), {103, 61}},
        {"Label11", {104, 86}, QT_TR_NOOP("Outline Color"), {103, 102}},
    };
    for (int k = 1; k <= kColourCount; ++k) {
        const Row& row = rows[k - 1];
        const QString text = tr(row.text);
        QLabel* label = makeLabel(Panel4, row.labelName, row.labelPlace, text);
        const QByteArray boxName = "ColorComboBox" + QByteArray::number(k);
        auto* box =
            make<TColorComboBox>(Panel4, boxName.constData(), {row.boxPlace, QSize(85, 20)});
        box->setColorValue(prefs::kDefaultColours[size_t(k - 1)]);
        box->setFocusPolicy(Qt::StrongFocus);
        box->setAccessibleName(text.trimmed());
        label->setBuddy(box);
        colourLabels_[size_t(k - 1)] = label;
        colourBoxes_[size_t(k - 1)] = box;
    }
    // A colour's name longer than the boxes were drawn for widens them into the columns'
    // margins; the English names fit as they are.
    const int boxWidth = colorBox(1)->widthForEveryName();
    for (TColorComboBox* box : colourBoxes_)
        box->resize(boxWidth, box->height());
}

void THome::createSaveButton() {
    Panel2 =
        makePanel(this, "Panel2", {110, 158, 182, 26}, TPanel::bvNone, TPanel::bvNone, kParchment);
    Panel2->setFocusPolicy(Qt::StrongFocus);
    Panel2->setAccessibleName(tr("Save"));
    Panel1 =
        makePanel(Panel2, "Panel1", {60, 2, 62, 23}, TPanel::bvNone, TPanel::bvNone, kButtonFrame);
    SpeedButton54 = make<QToolButton>(Panel1, "SpeedButton54", {0, 0, 62, 23});
    SpeedButton54->setText(tr("Save"));
    SpeedButton54->setAutoRaise(true);
    SpeedButton54->setFocusPolicy(Qt::NoFocus);
    SpeedButton54->setAccessibleName(tr("Save"));
    setTextColour(SpeedButton54, cl::Navy);

    setTabOrder(Panel2, colorBox(1));
    for (int k = 1; k < kColourCount; ++k)
        setTabOrder(colorBox(k), colorBox(k + 1));
}

// The user's calendars are kept apart from the ten settings; their dialog is a button away,
// in the room right of the Save frame.
void THome::createCalendarsButton() {
    CalendarsButton = new QPushButton(tr("&Calendars..."), this);
    CalendarsButton->setObjectName(QStringLiteral("CalendarsButton"));
    CalendarsButton->setAccessibleName(tr("Calendars"));
    CalendarsButton->setAutoDefault(false);
    setTextColour(CalendarsButton, cl::Navy);
    placeCalendarsButton();
    connect(CalendarsButton, &QPushButton::clicked, this, &THome::calendarsRequested);
}

void THome::placeCalendarsButton() {
    constexpr int kMargin = 4;
    const int left = Panel2->geometry().right() + 1 + kMargin;
    const int width =
        std::max(CalendarsButton->sizeHint().width(), kClientSize.width() - kMargin - left);
    CalendarsButton->setGeometry(std::min(left, kClientSize.width() - kMargin - width),
                                 Panel2->y() + 2, width, 23);
}

void THome::connectHandlers() {
    connect(Edit1, &QLineEdit::textChanged, this, guard(this, &THome::Edit1Change));
    connect(Edit2, &QLineEdit::textChanged, this, guard(this, &THome::Edit1Change));
    connect(CurrencyEditGMT3, &TCurrencyEdit::OnChange, this, guard(this, &THome::Edit1Change));
    // The sun computation uses the offset the dialog shows, saved or not.
    connect(CurrencyEditGMT3, &TCurrencyEdit::OnChange, this,
            [this] { settings_.setOffset(CurrencyEditGMT3->Value()); });
    connect(CurrencyEditGMT3, &TCurrencyEdit::OnChange, this,
            guard(this, &THome::showMatchingOffsetEntry));
    connect(CurrencyEditGMT3, &TCurrencyEdit::OnEnter, this,
            guard(this, &THome::CurrencyEditGMT3Enter));
    // activated: a pick from the list, or Enter on a text that is an entry.
    connect(ComboBox1, &QComboBox::activated, this, guard(this, &THome::ComboBox1Change));
    // toggled follows every change of the check mark, the user's click and the load's alike.
    connect(CheckBox1, &QCheckBox::toggled, this, guard(this, &THome::CheckBox1Click));
    connect(CheckBox2, &QCheckBox::toggled, this, guard(this, &THome::CheckBox2Click));
    connect(CheckBox3, &QCheckBox::toggled, this, guard(this, &THome::CheckBox3Click));
    for (int k = 1; k <= kColourCount; ++k) {
        connect(colorBox(k), &TColorComboBox::OnChange, this, guard(this, colourHandler(k)));
    }
    connect(SpeedButton54, &QToolButton::clicked, this, guard(this, &THome::SpeedButton54Click));
}

}  // namespace solvane
