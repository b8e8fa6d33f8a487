// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The dialog's controls and its rows: one row a calendar, with its swatch, its shown switch,
// its holidays mark and its state, kept in step with the list.

#include "calendars_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calendar_state_text.h"
#include "guard.h"
#include "user_calendars.h"

namespace solvane {
namespace {

enum Column { NameColumn, HolidaysColumn, StateColumn };
constexpr int kIdRole = Qt::UserRole;
constexpr int kSwatch = 14;  // pixels, the swatch's side at the default font

QIcon swatch(quint32 rgb) {
    QPixmap picture(kSwatch, kSwatch);
    picture.fill(QColor::fromRgb(rgb));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSwatch - 1, kSwatch - 1);
    return QIcon(picture);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    const QString& accessibleName) {
    auto* control = new QPushButton(text, parent);
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessibleName);
    control->setAutoDefault(false);
    return control;
}

}  // namespace

CalendarsDialog::CalendarsDialog(UserCalendars& calendars, QWidget* parent)
    : QDialog(parent), calendars_(calendars) {
    setObjectName(QStringLiteral("CalendarsDialog"));
    setWindowTitle(tr("Calendars"));
    createList();
    createButtons();
    connectList();
    showRows();
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    showSelection();
}

void CalendarsDialog::createList() {
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("CalendarList"));
    list_->setAccessibleName(tr("Calendars"));
    list_->setHeaderLabels({tr("Calendar"), tr("Holidays"), tr("State")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("CalendarState"));
    state_->setWordWrap(true);
    state_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    state_->setFocusPolicy(Qt::StrongFocus);
    state_->setAccessibleName(tr("State of the selected calendar"));
    // The Delete key removes the selected calendar, after asking.
    auto* remove = new QShortcut(QKeySequence::Delete, list_, nullptr, nullptr, Qt::WidgetShortcut);
    remove->setObjectName(QStringLiteral("CalendarRemoveKey"));
    connect(remove, &QShortcut::activated, this, guard(this, &CalendarsDialog::removeSelected));
}

void CalendarsDialog::createButtons() {
    addFile_ = button(this, "CalendarAddFile", tr("Add &File..."), tr("Add file"));
    addAddress_ = button(this, "CalendarAddUrl", tr("Add &URL..."), tr("Add URL"));
    remove_ = button(this, "CalendarRemove", tr("&Remove"), tr("Remove"));
    rename_ = button(this, "CalendarRename", tr("Rena&me..."), tr("Rename"));
    colour_ = button(this, "CalendarColour", tr("C&olour..."), tr("Colour"));
    refresh_ = button(this, "CalendarRefresh", tr("Refresh No&w"), tr("Refresh now"));
    shown_ = new QCheckBox(tr("&Shown"), this);
    shown_->setObjectName(QStringLiteral("CalendarShown"));
    shown_->setAccessibleName(tr("Shown"));
    holidays_ = new QCheckBox(tr("&Holidays"), this);
    holidays_->setObjectName(QStringLiteral("CalendarHolidays"));
    holidays_->setAccessibleName(tr("Holidays"));
    close_ = button(this, "CalendarClose", tr("Close"), tr("Close"));
    layOut();
    connectButtons();
}

// The list on the left with its label and the selected calendar's state under it; the buttons
// in a column on the right, in the Tab order of reading.
void CalendarsDialog::layOut() {
    auto* label = new QLabel(tr("&Calendars:"), this);
    label->setBuddy(list_);
    auto* left = new QVBoxLayout;
    left->addWidget(label);
    left->addWidget(list_, 1);
    left->addWidget(state_);
    auto* right = new QVBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{addFile_, addAddress_, remove_, rename_,
                                                            colour_, refresh_, shown_, holidays_})
        right->addWidget(control);
    right->addStretch(1);
    right->addWidget(close_);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right);

    QWidget* const order[] = {list_,   state_,   addFile_, addAddress_, remove_, rename_,
                              colour_, refresh_, shown_,   holidays_,   close_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CalendarsDialog::connectButtons() {
    connect(addFile_, &QPushButton::clicked, this, guard(this, &CalendarsDialog::addFile));
    connect(addAddress_, &QPushButton::clicked, this, guard(this, &CalendarsDialog::addAddress));
    connect(remove_, &QPushButton::clicked, this, guard(this, &CalendarsDialog::removeSelected));
    connect(rename_, &QPushButton::clicked, this, guard(this, &CalendarsDialog::renameSelected));
    connect(colour_, &QPushButton::clicked, this, guard(this, &CalendarsDialog::recolourSelected));
    connect(refresh_, &QPushButton::clicked, this, guard(this, &CalendarsDialog::refreshSelected));
    connect(shown_, &QCheckBox::clicked, this,
            [this](bool on) { calendars_.list().setShown(selectedId(), on); });
    connect(holidays_, &QCheckBox::clicked, this,
            [this](bool on) { calendars_.list().setHolidays(selectedId(), on); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void CalendarsDialog::connectList() {
    calendars::CalendarList& list = calendars_.list();
    for (auto signal :
         {&calendars::CalendarList::sourceAdded, &calendars::CalendarList::sourceRemoved,
          &calendars::CalendarList::sourceChanged, &calendars::CalendarList::stateChanged})
        connect(&list, signal, this, guard(this, &CalendarsDialog::showRows));
    connect(&list, &calendars::CalendarList::saveFailed, this,
            guard(this, &CalendarsDialog::saveFailed));
    connect(&calendars_.events(), &events::EventsModel::stateChanged, this,
            guard(this, &CalendarsDialog::showRows));
    connect(list_, &QTreeWidget::currentItemChanged, this,
            guard(this, &CalendarsDialog::showSelection));
    connect(list_, &QTreeWidget::itemChanged, this, &CalendarsDialog::rowChecked);
}

QString CalendarsDialog::selectedId() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(NameColumn, kIdRole).toString() : QString();
}

void CalendarsDialog::select(const QString& id) {
    if (QTreeWidgetItem* item = row(id))
        list_->setCurrentItem(item);
}

QTreeWidgetItem* CalendarsDialog::row(const QString& id) const {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        if (list_->topLevelItem(i)->data(NameColumn, kIdRole).toString() == id)
            return list_->topLevelItem(i);
    }
    return nullptr;
}

// The rows are the list's, in its order; the selection stays on its calendar, or moves to
// the row that took the place of a removed one.
void CalendarsDialog::showRows() {
    const QString selected = selectedId();
    const int selectedRow =
        list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    {
        const QSignalBlocker quiet(list_);
        const QList<calendars::CalendarSource>& sources = calendars_.list().sources();
        while (list_->topLevelItemCount() > sources.size())
            delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
        for (qsizetype i = 0; i < sources.size(); ++i) {
            QTreeWidgetItem* item = list_->topLevelItem(int(i));
            if (!item)
                item = new QTreeWidgetItem(list_);
            item->setData(NameColumn, kIdRole, sources[i].id);
            showRow(item);
        }
        if (QTreeWidgetItem* item = row(selected))
            list_->setCurrentItem(item);
        else if (list_->topLevelItemCount() > 0)
            list_->setCurrentItem(
                list_->topLevelItem(std::clamp(selectedRow, 0, list_->topLevelItemCount() - 1)));
    }
    // Every column whole: the list is as wide as its rows need.
    int width = 2 * list_->frameWidth();
    for (int column = NameColumn; column <= StateColumn; ++column)
        width += std::max(static_cast<const QAbstractItemView*>(list_)->sizeHintForColumn(column),
                          list_->header()->sectionSizeHint(column));
    list_->setMinimumWidth(width + list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    showSelection();
}

void CalendarsDialog::showRow(QTreeWidgetItem* item) {
    const QString id = item->data(NameColumn, kIdRole).toString();
    const std::optional<calendars::CalendarSource> source = calendars_.list().source(id);
    if (!source)
        return;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setText(NameColumn, source->name);
    item->setIcon(NameColumn, swatch(source->rgb));
    item->setCheckState(NameColumn, source->shown ? Qt::Checked : Qt::Unchecked);
    item->setToolTip(NameColumn, source->location);
    item->setData(NameColumn, Qt::AccessibleDescriptionRole,
                  tr("%1, colour %2").arg(source->location, colourName(source->rgb)));
    item->setText(HolidaysColumn, source->holidays ? tr("Holidays") : QString());
    const QString state = CalendarStateText::summary(*source, calendars_.events().state(id),
                                                     calendars_.sources().isFetching(id));
    item->setText(StateColumn, state);
    item->setToolTip(StateColumn, state);
}

void CalendarsDialog::showSelection() {
    const std::optional<calendars::CalendarSource> source = calendars_.list().source(selectedId());
    for (QWidget* control :
         std::initializer_list<QWidget*>{remove_, rename_, colour_, refresh_, shown_, holidays_})
        control->setEnabled(source.has_value());
    shown_->setChecked(source && source->shown);
    holidays_->setChecked(source && source->holidays);
    if (!source) {
        state_->setText(calendars_.list().sources().isEmpty()
                            ? tr("No calendars yet: add a calendar file or the address of one.")
                            : QString());
        return;
    }
    state_->setText(CalendarStateText::details(*source, calendars_.events().state(source->id),
                                               calendars_.sources().isFetching(source->id)));
}

// The row's check box is the calendar's shown switch.
void CalendarsDialog::rowChecked(QTreeWidgetItem* item, int column) {
    if (column != NameColumn)
        return;
    guarded([&] {
        calendars_.list().setShown(item->data(NameColumn, kIdRole).toString(),
                                   item->checkState(NameColumn) == Qt::Checked);
    });
}

}  // namespace solvane
