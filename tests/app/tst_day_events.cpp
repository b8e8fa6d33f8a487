// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A day's events as the user meets them on the year view: the tooltip over the day, the box
// under it after a click, Return or Space, and the cell's name and description for assistive
// technology. Days without events behave exactly as they did before there were calendars.

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "events_model.h"
#include "keyboard_user.h"

using namespace solvane;
using namespace solvane::test;

namespace {

// Christmas from a holiday calendar, a trip and a dentist on the 9th, and a summary that looks
// like markup on the 11th, each its own calendar.
QByteArray icsOf(const QByteArray& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane tests//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}
QByteArray event(const QByteArray& uid, const QByteArray& start, const QByteArray& end,
                 const QByteArray& summary) {
    return "BEGIN:VEVENT\r\nUID:" + uid + "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART" + start +
           "\r\nDTEND" + end + "\r\nSUMMARY:" + summary + "\r\nEND:VEVENT\r\n";
}

void addCalendar(events::EventsModel& model, const QString& id, const QString& name, bool holidays,
                 const QByteArray& events) {
    events::CalendarInput input;
    input.id = id;
    input.name = name;
    input.colour = QStringLiteral("#00a000");
    input.holidays = holidays;
    input.bytes = icsOf(events);
    model.setCalendar(input);
}

// The tooltip's and the popup's rich text of one line, as escaped.
QString html(const char* line) {
    return QStringLiteral("<qt><div style=\"white-space:pre\">%1</div></qt>")
        .arg(QString::fromUtf8(line));
}

// A keyboard and mouse user in front of December 2026 with the three calendars read.
struct EventsUser : KeyboardUser {
    EventsUser() {
        calendar->setEvents(&model);
        addCalendar(model, "h", "Holidays", true,
                    event("x", ";VALUE=DATE:20261225", ";VALUE=DATE:20261226", "Christmas Day"));
        addCalendar(model, "d", "Home", false,
                    event("d", ":20261209T100000Z", ":20261209T110000Z", "Dentist") +
                        event("t", ";VALUE=DATE:20261209", ";VALUE=DATE:20261210", "Trip"));
        addCalendar(
            model, "m", "Odd", false,
            event("m", ";VALUE=DATE:20261211", ";VALUE=DATE:20261212", "<img src=x>&amp;</qt>"));
        QTRY_VERIFY_WITH_TIMEOUT(model.hasEvents(QDate(2026, 12, 25)) && !model.busy(),
                                 kHangCheckMs);
    }
    ~EventsUser() { calendar->setEvents(nullptr); }

    QPoint cellCentre(int day) const { return month(12)->dayRect(QDate(2026, 12, day)).center(); }
    // The tooltip the window system asks for with the pointer resting on the day.
    QString tooltipOver(int day) const {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("(never hidden)");
        const QPoint at = cellCentre(day);
        QHelpEvent help(QEvent::ToolTip, at, month(12)->mapToGlobal(at));
        QCoreApplication::sendEvent(month(12), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    QAccessibleInterface* cell(int day) const {
        const QPoint at = month(12)->mapToGlobal(cellCentre(day));
        return QAccessible::queryAccessibleInterface(month(12))->childAt(at.x(), at.y());
    }
    QWidget* popup() const { return month(12)->findChild<QWidget*>(QStringLiteral("DayPopup")); }
    bool popupShown() const { return popup() && popup()->isVisible(); }

    events::EventsModel model;
};

}  // namespace

class TestDayEvents : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::English); }
    void tooltip_data();
    void tooltip();
    void tooltipWithoutEventsAsBefore();
    void cellName_data();
    void cellName();
    void activationShowsEvents_data();
    void activationShowsEvents();
    void popupCloses_data();
    void popupCloses();
    void screenReaderIsTold();
};

void TestDayEvents::tooltip_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("tip");
    QTest::addRow("holiday") << 25 << html("all day: Christmas Day (Holidays)");
    QTest::addRow("all day first, then timed")
        << 9 << html("all day: Trip (Home)<br>10:00 AM – 11:00 AM: Dentist (Home)");
    QTest::addRow("markup shown as written")
        << 11 << html("all day: &lt;img src=x&gt;&amp;amp;&lt;/qt&gt; (Odd)");
}

void TestDayEvents::tooltip() {
    QFETCH(int, day);
    QFETCH(QString, tip);
    const EventsUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QCOMPARE(user.tooltipOver(day), tip);
    // Once the day's hint is set (a click), it follows the events.
    clickDay(user.month(12), day);
    QVERIFY(user.popupShown());
    QTest::keyClick(user.month(12), Qt::Key_Right);
    const QString hint = user.month(12)->Hint();
    QVERIFY(!hint.isEmpty());
    QCOMPARE(user.tooltipOver(day), tip.chopped(11) + "<br>" + hint + "</div></qt>");
}

// The tips a user finds over days without events: before a click, and after a click has set
// the month's hint.
static QStringList tipsWithoutEvents(const KeyboardUser& user) {
    const auto tipOver = [&user](int day) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("(never hidden)");
        const QPoint at = user.month(12)->dayRect(QDate(2026, 12, day)).center();
        QHelpEvent help(QEvent::ToolTip, at, user.month(12)->mapToGlobal(at));
        QCoreApplication::sendEvent(user.month(12), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QStringLiteral("(none)");
    };
    QStringList tips{tipOver(8)};
    clickDay(user.month(12), 8);
    tips << tipOver(8) << tipOver(10);
    if (user.month(12)->findChild<QWidget*>(QStringLiteral("DayPopup")))
        tips << QStringLiteral("a popup");
    return tips;
}

// A day without events shows the hint, or nothing, with calendars as without.
void TestDayEvents::tooltipWithoutEventsAsBefore() {
    QStringList before;
    {
        const KeyboardUser plain;
        QVERIFY(QTest::qWaitForWindowActive(plain.calendar.get()));
        before = tipsWithoutEvents(plain);
    }
    const EventsUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QCOMPARE(tipsWithoutEvents(user), before);
    QCOMPARE(before, QStringList({"(none)", "26.342", "26.342"}));
}

void TestDayEvents::cellName_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("name");
    QTest::addRow("holiday") << 25 << "Friday 25 December 2026, Christmas Day";
    QTest::addRow("two events") << 9 << "Wednesday 9 December 2026, Trip, Dentist at 10:00 AM";
    QTest::addRow("no events: as before") << 8 << "Tuesday 8 December 2026";
    QTest::addRow("today, no events: as before") << 7 << "Monday 7 December 2026, today";
}

void TestDayEvents::cellName() {
    QFETCH(int, day);
    QFETCH(QString, name);
    const EventsUser user;
    QCOMPARE(user.cell(day)->text(QAccessible::Name), name);
    QCOMPARE(user.cell(day)->text(QAccessible::Description), QString());
}

void TestDayEvents::activationShowsEvents_data() {
    QTest::addColumn<QString>("how");  // "click" or a key
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("text");  // of the box under the day; empty: none shown
    const QString christmas = html("all day: Christmas Day (Holidays)");
    QTest::addRow("click on a holiday") << "click" << 25 << christmas;
    QTest::addRow("Return on a holiday") << "Return" << 25 << christmas;
    QTest::addRow("Space on a day of two events")
        << "Space" << 9 << html("all day: Trip (Home)<br>10:00 AM – 11:00 AM: Dentist (Home)");
    QTest::addRow("click on a day without events") << "click" << 8 << "";
    QTest::addRow("Return on a day without events") << "Return" << 8 << "";
}

// What a click or key did before stays: the ordinal date as hint and caption, the day count.
void TestDayEvents::activationShowsEvents() {
    QFETCH(QString, how);
    QFETCH(int, day);
    QFETCH(QString, text);
    const EventsUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    TMonthCalendar* december = user.month(12);
    if (how == "click") {
        clickDay(december, day);
    } else {
        QVERIFY(user.selectDay(12, day));
        user.press(how);
    }
    const QString ordinal = QStringLiteral("26.%1").arg(334 + day);
    QCOMPARE(december->Hint(), ordinal);
    QVERIFY(user.calendar->windowTitle().contains(ordinal));
    QCOMPARE(user.popupShown(), !text.isEmpty());
    if (text.isEmpty())
        return;
    auto* label = qobject_cast<QLabel*>(user.popup());
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    // Under the day, where the user is looking.
    const QRect cell(december->mapToGlobal(december->dayRect(QDate(2026, 12, day)).topLeft()),
                     december->dayRect(QDate(2026, 12, day)).size());
    const QRect box = label->geometry();
    QVERIFY(box.left() <= cell.right() && box.right() >= cell.left());
    QVERIFY(box.top() > cell.bottom() || box.bottom() < cell.top());
}

void TestDayEvents::popupCloses_data() {
    QTest::addColumn<QString>("then");
    QTest::addColumn<bool>("stays");
    QTest::addRow("next key") << "Right" << false;
    QTest::addRow("End") << "End" << false;
    QTest::addRow("a modifier alone") << "Shift" << true;
    QTest::addRow("pointer moved off the day") << "move off" << false;
    QTest::addRow("pointer moved within the day") << "move within" << true;
    QTest::addRow("another click") << "click" << false;
}

void TestDayEvents::popupCloses() {
    QFETCH(QString, then);
    QFETCH(bool, stays);
    const EventsUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    TMonthCalendar* december = user.month(12);
    clickDay(december, 25);
    QVERIFY(user.popupShown());
    const QPoint centre = user.cellCentre(25);
    if (then == "move off")
        QTest::mouseMove(december, user.cellCentre(18));
    else if (then == "move within")
        QTest::mouseMove(december, centre + QPoint(1, 1));
    else if (then == "click")
        QTest::mouseClick(december, Qt::LeftButton, {}, user.cellCentre(18));
    else if (then == "Shift")
        QTest::keyClick(december, Qt::Key_Shift);
    else
        QTest::keyClick(december, QKeySequence::fromString(then)[0].key());
    QCOMPARE(user.popupShown(), stays);
    QCOMPARE(december->dayEventsShown().isValid(), stays);
}

// Shown and closed, the day's description changes; where a screen reader listens (never on
// the offscreen platform, which has no accessibility bridge) the change is sent for the cell.
void TestDayEvents::screenReaderIsTold() {
    static QList<int> sent;  // the cells whose description changed
    sent.clear();
    QAccessible::setActive(true);
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        // The month's own description is its hint, which a click changes as well.
        if (event->type() == QAccessible::DescriptionChanged && event->child() >= 0)
            sent.append(event->child());
    });
    const bool listening = QAccessible::isActive();
    {
        const EventsUser user;
        QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
        QVERIFY(user.selectDay(12, 25));
        user.press(QStringLiteral("Space"));
        const int cell = user.month(12)->grid().cellOf(QDate(2026, 12, 25));
        QCOMPARE(user.cell(25)->text(QAccessible::Description),
                 QStringLiteral("all day: Christmas Day (Holidays)"));
        QCOMPARE(sent.size(), listening ? 1 : 0);
        QTest::keyClick(user.month(12), Qt::Key_Left);
        QCOMPARE(user.cell(25)->text(QAccessible::Description), QString());
        QCOMPARE(sent.size(), listening ? 2 : 0);
        QVERIFY(std::all_of(sent.begin(), sent.end(), [cell](int c) { return c == cell; }));
    }
    QAccessible::installUpdateHandler(previous);
    QAccessible::setActive(false);
}

QTEST_MAIN(TestDayEvents)
#include "tst_day_events.moc"
