// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "day_facts.h"
#include "event_words.h"
#include "events_model.h"
#include "ics_text.h"
#include "notes_calendar.h"

using namespace solvane;
using namespace solvane::events;

namespace {

constexpr int kHangCheckMs = 60'000;

const QDate kChristmas(2026, 12, 25);

QByteArray holidays() {
    return test::calendar(
        test::event("xmas", ";VALUE=DATE:20261225", ";VALUE=DATE:20261226", "Christmas Day") +
            test::event("ny", ";VALUE=DATE:20270101", ";VALUE=DATE:20270102", "New Year's Day"),
        "Holidays");
}

QByteArray appointments() {
    return test::calendar(
        test::event("lunch", ":20261225T120000Z", ":20261225T130000Z", "Lunch", "LOCATION:Home|") +
            test::event("walk", ":20261225T090000Z", ":20261225T100000Z", "Walk") +
            test::event("trip", ";VALUE=DATE:20261224", ";VALUE=DATE:20261227", "Trip"),
        "Mine");
}

CalendarInput input(const QString& id, const QByteArray& bytes, bool holidays, bool shown = true) {
    return {id, {}, "#c03030", holidays, shown, bytes};
}

void waitIdle(EventsModel& model) {
    QTRY_VERIFY_WITH_TIMEOUT(!model.busy(), kHangCheckMs);
}

QStringList summaries(const std::vector<DayEvent>& events) {
    QStringList names;
    for (const DayEvent& event : events)
        names.append(event.summary);
    return names;
}

void prepare(EventsModel& model) {
    model.setLocalZone({"UTC", 0});
    model.setRange(QDate(2026, 1, 1), QDate(2027, 3, 31));
}

}  // namespace

class TestEventsModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::English); }
    void holidaysAndShown_data();
    void holidaysAndShown();
    void dayOrderAndFields();
    void newBytesReadAgain();
    void staleReadingDropped();
    void oneTurnOfChangesReadOnce_data();
    void oneTurnOfChangesReadOnce();
    void bombDoesNotBlockQueries();
    void notesFeedTheModel();
    void problemsInWords();
    void dayFactsCarryEvents();
};

void TestEventsModel::holidaysAndShown_data() {
    QTest::addColumn<bool>("holidayCalendar");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("holiday");
    QTest::addColumn<QStringList>("events");

    QTest::addRow("holiday calendar, shown")
        << true << true << true << QStringList{"Christmas Day"};
    QTest::addRow("holiday calendar, hidden") << true << false << false << QStringList{};
    QTest::addRow("ordinary calendar, shown")
        << false << true << false << QStringList{"Christmas Day"};
    QTest::addRow("ordinary calendar, hidden") << false << false << false << QStringList{};
}

void TestEventsModel::holidaysAndShown() {
    QFETCH(bool, holidayCalendar);
    QFETCH(bool, shown);
    QFETCH(bool, holiday);
    QFETCH(QStringList, events);

    EventsModel model;
    prepare(model);
    model.setCalendar(input("h", holidays(), holidayCalendar, shown));
    waitIdle(model);
    QCOMPARE(model.isHoliday(kChristmas), holiday);
    QCOMPARE(model.holidayNames(kChristmas), holiday ? events : QStringList{});
    QCOMPARE(summaries(model.events(kChristmas)), events);
    QCOMPARE(model.hasEvents(kChristmas), !events.isEmpty());
    QVERIFY(!model.isHoliday(kChristmas.addDays(1)));

    // Showing or hiding needs no reading.
    QSignalSpy changed(&model, &EventsModel::daysChanged);
    model.setShown("h", !shown);
    QCOMPARE(changed.size(), 1);
    QVERIFY(!model.busy());
    QCOMPARE(model.hasEvents(kChristmas), !shown);
}

// At start the calendars come before the zone and the days in view: each calendar is read
// once, for the days and zone known at the end of the turn, and the view repaints once for it.
void TestEventsModel::oneTurnOfChangesReadOnce_data() {
    QTest::addColumn<bool>("twoCalendars");
    QTest::addRow("a calendar, then the zone and the days") << false;
    QTest::addRow("two calendars, then the zone and the days") << true;
}

void TestEventsModel::oneTurnOfChangesReadOnce() {
    QFETCH(bool, twoCalendars);
    EventsModel model;
    QSignalSpy changed(&model, &EventsModel::daysChanged);
    model.setCalendar(input("h", holidays(), true));
    if (twoCalendars)
        model.setCalendar({"m", "Mine", "#3050c0", false, true, appointments()});
    prepare(model);
    QVERIFY(model.busy());
    QCOMPARE(changed.size(), 0);  // nothing answered from a reading of no days
    waitIdle(model);
    QCOMPARE(changed.size(), twoCalendars ? 2 : 1);
    QVERIFY(model.isHoliday(kChristmas));
    QCOMPARE(summaries(model.events(kChristmas)),
             twoCalendars ? QStringList({"Trip", "Christmas Day", "Walk", "Lunch"})
                          : QStringList{"Christmas Day"});
}

void TestEventsModel::dayOrderAndFields() {
    EventsModel model;
    prepare(model);
    model.setCalendar(input("h", holidays(), true));
    model.setCalendar({"m", "My things", "#3050c0", false, true, appointments()});
    waitIdle(model);

    const std::vector<DayEvent> day = model.events(kChristmas);
    QCOMPARE(summaries(day), (QStringList{"Trip", "Christmas Day", "Walk", "Lunch"}));
    QCOMPARE(model.holidayNames(kChristmas), QStringList{"Christmas Day"});
    QCOMPARE(day[1].calendarName, "Holidays");  // the file's own name
    QCOMPARE(day[3].calendarName, "My things");
    QCOMPARE(day[3].colour, "#3050c0");
    QCOMPARE(day[3].location, "Home");
    QCOMPARE(day[3].start, QDateTime(kChristmas, QTime(12, 0), Qt::UTC));
    QCOMPARE(day[0].firstDay, QDate(2026, 12, 24));
    QCOMPARE(day[0].endDay, QDate(2026, 12, 27));
    QCOMPARE(timeWords(day[0]), "all day");
    QCOMPARE(timeWords(day[3]), "12:00 PM – 1:00 PM");
    QCOMPARE(spokenEvents(model.events(QDate(2026, 12, 26))), "Trip");
    QCOMPARE(spokenEvents({day[1], day[2]}), "Christmas Day, Walk at 9:00 AM");
}

void TestEventsModel::newBytesReadAgain() {
    EventsModel model;
    prepare(model);
    model.setCalendar(input("h", holidays(), true));
    waitIdle(model);
    QCOMPARE(model.state("h").events, 2);

    QSignalSpy changed(&model, &EventsModel::daysChanged);
    model.setCalendarBytes("h", holidays());  // the same bytes: nothing to do
    QVERIFY(!model.busy());
    QCOMPARE(changed.size(), 0);

    model.setCalendarBytes("h", test::calendar(test::event("x", ";VALUE=DATE:20261226",
                                                           ";VALUE=DATE:20261227", "Boxing Day")));
    QVERIFY(model.busy());
    QCOMPARE(model.holidayNames(kChristmas), QStringList{"Christmas Day"});  // until it is back
    waitIdle(model);
    QCOMPARE(changed.size(), 1);
    QVERIFY(!model.isHoliday(kChristmas));
    QCOMPARE(model.holidayNames(kChristmas.addDays(1)), QStringList{"Boxing Day"});

    // A new range reads again; days outside it have nothing.
    model.setRange(QDate(2027, 1, 1), QDate(2027, 12, 31));
    waitIdle(model);
    QVERIFY(!model.hasEvents(kChristmas.addDays(1)));
    model.removeCalendar("h");
    QVERIFY(!model.state("h").known);
}

void TestEventsModel::staleReadingDropped() {
    EventsModel model;
    prepare(model);
    QStringList seen;
    connect(&model, &EventsModel::daysChanged, &model,
            [&] { seen += summaries(model.events(kChristmas)); });
    // Readings given in a burst: only the last may ever be shown.
    for (int i = 0; i < 5; ++i)
        model.setCalendar(
            input("c",
                  test::calendar(test::event("e", ";VALUE=DATE:20261225", ";VALUE=DATE:20261226",
                                             QString("Version %1").arg(i))),
                  false));
    waitIdle(model);
    QCOMPARE(seen, QStringList{"Version 4"});
    QCOMPARE(summaries(model.events(kChristmas)), QStringList{"Version 4"});

    // A calendar removed while it is read stays removed.
    model.setCalendar(input("gone", holidays(), true));
    model.removeCalendar("gone");
    waitIdle(model);
    QTest::qWait(50);
    QVERIFY(!model.isHoliday(kChristmas));

    // Removed while read and added again under the same id with other bytes: the first
    // reading must not pass for the second.
    model.setCalendar(input("again", holidays(), true));
    model.removeCalendar("again");
    model.setCalendar(input("again", appointments(), true));
    waitIdle(model);
    QTest::qWait(50);
    QCOMPARE(model.holidayNames(kChristmas), (QStringList{"Trip", "Walk", "Lunch"}));
}

void TestEventsModel::bombDoesNotBlockQueries() {
    EventsModel model;
    prepare(model);
    ical::Limits limits;
    limits.recurrenceSteps = 300'000;  // about a second of libical here; still a bomb
    model.setLimits(limits);
    model.setCalendar(input("h", holidays(), true));
    waitIdle(model);

    // Many daily rules from long ago: the reader's step budget bounds the work, on the worker.
    QString rules;
    for (int i = 0; i < 400; ++i)
        rules += test::event(QString("bomb%1").arg(i), ":19000101T090000Z", ":19000101T100000Z",
                             "Bomb", "RRULE:FREQ=DAILY;COUNT=100000000|");
    int ticksWhileBusy = 0;
    QStringList answered;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, &model, [&] {
        if (!model.busy())
            return;
        ++ticksWhileBusy;
        answered = model.holidayNames(kChristmas);
    });
    ticker.start(10);
    model.setCalendar(input("bomb", test::calendar(rules), false));
    QVERIFY(model.busy());
    QVERIFY(model.state("bomb").reading);
    waitIdle(model);
    // The event loop kept turning while the reading ran, and the model answered from what it
    // had. A reading on this thread would leave at most one turn before its result.
    QVERIFY2(ticksWhileBusy >= 3, qPrintable(QString::number(ticksWhileBusy)));
    QCOMPARE(answered, QStringList{"Christmas Day"});
    const CalendarState state = model.state("bomb");
    QVERIFY(state.read);
    QCOMPARE(state.events, 400);
    QVERIFY(state.problems.join(' ').contains("took too long"));
}

void TestEventsModel::notesFeedTheModel() {
    QTemporaryDir temporary;
    NotesCalendar notes(temporary.path());
    QVERIFY(notes.load());
    EventsModel model;
    prepare(model);
    model.setCalendar({"notes", "Notes", "#208020", false, true, notes.bytes()});
    connect(&notes, &NotesCalendar::changed, &model,
            [&](const QByteArray& bytes) { model.setCalendarBytes("notes", bytes); });
    const QString uid = notes.add(kChristmas, "Call Grandma, 10:00");
    waitIdle(model);
    QCOMPARE(summaries(model.events(kChristmas)), QStringList{"Call Grandma, 10:00"});
    QVERIFY(notes.change(uid, kChristmas.addDays(1), "Call Grandma"));
    waitIdle(model);
    QVERIFY(!model.hasEvents(kChristmas));
    QCOMPARE(summaries(model.events(kChristmas.addDays(1))), QStringList{"Call Grandma"});
    QVERIFY(notes.remove(uid));
    waitIdle(model);
    QVERIFY(!model.hasEvents(kChristmas.addDays(1)));
    QVERIFY(model.state("notes").problems.isEmpty());
}

void TestEventsModel::problemsInWords() {
    EventsModel model;
    prepare(model);
    model.setCalendar(input("cut",
                            QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\n"
                                       "DTSTART;VALUE=DATE:20261225\r\nSUMMARY:Half"),
                            false));
    model.setCalendar(input("junk", "not a calendar at all", false));
    waitIdle(model);
    QVERIFY(model.state("cut").problems.join(' ').contains("ends too early"));
    QCOMPARE(model.state("junk").problems, QStringList{"No calendar was found in it."});
    QCOMPARE(model.state("junk").occurrences, 0);
    QVERIFY(!model.state("nobody").known);

    ical::Limits small;
    small.fileBytes = 100;
    model.setLimits(small);
    model.setCalendar(
        input("untitled",
              test::calendar(test::event("u", ";VALUE=DATE:20261225", ";VALUE=DATE:20261226", "")),
              true));
    waitIdle(model);
    QCOMPARE(model.state("untitled").problems, QStringList{"The file is too large to be read."});
    QVERIFY(!model.isHoliday(kChristmas));
    model.setLimits({});
    waitIdle(model);
    QCOMPARE(model.holidayNames(kChristmas), QStringList{"Holiday"});
}

void TestEventsModel::dayFactsCarryEvents() {
    DayFacts facts;
    QVERIFY(facts.of(kChristmas).events.empty());  // no model: nothing changes

    EventsModel model;
    prepare(model);
    facts.setEvents(&model);
    QVERIFY(facts.of(kChristmas).holidayNames.isEmpty());  // no calendar: nothing changes
    model.setCalendar(input("h", holidays(), true));
    waitIdle(model);
    const Facts day = facts.of(kChristmas);
    QCOMPARE(day.holidayNames, QStringList{"Christmas Day"});
    QCOMPARE(summaries(day.events), QStringList{"Christmas Day"});
    QVERIFY(facts.of(kChristmas.addDays(-1)).events.empty());
}

QTEST_GUILESS_MAIN(TestEventsModel)
#include "tst_events_model.moc"
