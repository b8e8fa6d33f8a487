// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "month_calendar_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <array>

#include "on_screen.h"
#include "platform.h"
#include "tmonthcalendar.h"

namespace solvane {
namespace {

constexpr int kCells = MonthGrid::kWeeks * MonthGrid::kDays;

QString dayName(const TMonthCalendar& calendar, QDate date) {
    //: How a screen reader names a day: a QLocale date format (dddd weekday, d day, MMMM
    //: month, yyyy year)
    QString name = calendar.locale().toString(
        date, QCoreApplication::translate("MonthCalendar", "dddd d MMMM yyyy"));
    // The day's events follow its date: "Friday 25 December 2026, Christmas Day".
    if (const QString events = calendar.dayTexts(date).spoken; !events.isEmpty())
        //: A day's name as a screen reader says it, then what happens on that day
        name = QCoreApplication::translate("MonthCalendar", "%1, %2").arg(name, events);
    const bool today = date == clock().today();
    const bool selected = date == calendar.Date();
    if (today && selected)
        return QCoreApplication::translate("MonthCalendar", "%1, today, selected").arg(name);
    if (today)
        return QCoreApplication::translate("MonthCalendar", "%1, today").arg(name);
    if (selected)
        return QCoreApplication::translate("MonthCalendar", "%1, selected").arg(name);
    return name;
}

// One day of the grid, by its place: the date it holds follows the month shown.
class DayCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DayCell(TMonthCalendar* calendar, int cell) : calendar_(calendar), cell_(cell) {}

    bool isValid() const override { return !calendar_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(calendar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}

    QDate date() const { return calendar_->grid().dateAt(rowIndex(), columnIndex()); }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return dayName(*calendar_, date());
        // While the day's events are shown under it, they are its description too: the change
        // of description is how a screen reader is told of them.
        if (t == QAccessible::Description && date() == calendar_->dayEventsShown())
            return calendar_->dayTexts(date()).lines.join(QLatin1Char('\n'));
        return {};
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect local = calendar_->dayRect(date());
        return QRect(calendar_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        s.focused = s.selected && calendar_->hasFocus();
        s.disabled = !calendar_->isEnabled();
        s.invisible = !withinWindow(calendar_);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return isValid() && date() == calendar_->Date(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_ % MonthGrid::kDays; }
    int rowIndex() const override { return cell_ / MonthGrid::kDays; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<TMonthCalendar> calendar_;
    int cell_;
};

// The month as a table of six weeks of seven days.
class MonthTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit MonthTable(TMonthCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::Table) {}
    ~MonthTable() override {
        for (QAccessible::Id id : cells_) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    TMonthCalendar* calendar() const { return static_cast<TMonthCalendar*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QDate first(calendar()->yearShown(), calendar()->monthShown(), 1);
        return calendar()->locale().toString(first, QStringLiteral("MMMM yyyy"));
    }
    // A month beyond the edge of the compact window is not on screen.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || !withinWindow(calendar());
        return s;
    }
    int childCount() const override { return kCells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kCells)
            return nullptr;
        QAccessible::Id& id = cells_[size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new DayCell(calendar(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int k = 0; k < kCells; ++k) {
            if (cells_[size_t(k)] && QAccessible::accessibleInterface(cells_[size_t(k)]) == child)
                return k;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int cell = calendar()->grid().cellAt(calendar()->mapFromGlobal(QPoint(x, y)));
        return cell < 0 ? nullptr : child(cell);
    }
    QAccessibleInterface* focusChild() const override {
        return calendar()->hasFocus() ? child(selectedIndex()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int selectedIndex() const { return calendar()->grid().cellOf(calendar()->Date()); }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= MonthGrid::kWeeks || column < 0 || column >= MonthGrid::kDays)
            return nullptr;
        return child(row * MonthGrid::kDays + column);
    }
    int selectedCellCount() const override { return selectedIndex() < 0 ? 0 : 1; }
    QList<QAccessibleInterface*> selectedCells() const override {
        const int index = selectedIndex();
        return index < 0 ? QList<QAccessibleInterface*>() : QList{child(index)};
    }
    QString columnDescription(int column) const override {
        const int day = (int(calendar()->firstDayOfWeek()) - 1 + column) % 7 + 1;
        return calendar()->locale().dayName(day);
    }
    // The week's ISO number, as the week-number column shows it.
    QString rowDescription(int row) const override {
        return QCoreApplication::translate("MonthCalendar", "Week %1")
            .arg(calendar()->grid().weekNumber(row));
    }
    int columnCount() const override { return MonthGrid::kDays; }
    int rowCount() const override { return MonthGrid::kWeeks; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessible::Id, kCells> cells_{};
};

QAccessibleInterface* monthCalendarFactory(const QString& className, QObject* object) {
    auto* calendar = qobject_cast<TMonthCalendar*>(object);
    if (!calendar || className != QLatin1String(calendar->metaObject()->className()))
        return nullptr;
    return new MonthTable(calendar);
}

}  // namespace

void installMonthCalendarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(monthCalendarFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void notifySelection(TMonthCalendar* calendar) {
    if (!QAccessible::isActive())
        return;
    const int cell = calendar->grid().cellOf(calendar->Date());
    if (cell < 0)
        return;
    QAccessibleEvent selection(calendar, QAccessible::Selection);
    selection.setChild(cell);
    QAccessible::updateAccessibility(&selection);
    if (calendar->hasFocus()) {
        QAccessibleEvent focus(calendar, QAccessible::Focus);
        focus.setChild(cell);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace solvane
