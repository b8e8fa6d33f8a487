// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The user's calendars from their list in a temporary configuration folder to the year view's
// day facts: what the list says reaches the events model, and the window tells the model the
// days it shows as the user moves through the years.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "app_fixture.h"
#include "calendar_list.h"
#include "events_model.h"
#include "tmonthcalendar.h"
#include "user_calendars.h"

using namespace solvane;
using namespace solvane::test;

namespace {

const QDate kChristmas(2026, 12, 25);
const QDate kNextChristmas(2027, 12, 25);

QByteArray christmases() {
    QByteArray ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane tests//EN\r\n";
    for (const char* day : {"20261225", "20271225"}) {
        ics += QByteArray("BEGIN:VEVENT\r\nUID:christmas-") + day +
               "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:" + day +
               "\r\nSUMMARY:Christmas Day\r\nEND:VEVENT\r\n";
    }
    return ics + "END:VCALENDAR\r\n";
}

// A configuration folder whose list holds one calendar file, or none.
struct Folders {
    explicit Folders(bool withCalendar = true, quint32 rgb = 0xc00000, bool holidays = false,
                     bool shown = true) {
        QFile file(home.filePath(QStringLiteral("christmas.ics")));
        if (!file.open(QIODevice::WriteOnly) || file.write(christmases()) < 0)
            qFatal("cannot write the calendar file");
        file.close();
        if (!withCalendar)
            return;
        calendars::CalendarList list(config());
        id = list.addFile(file.fileName(), QStringLiteral("Holidays"), rgb);
        list.setHolidays(id, holidays);
        list.setShown(id, shown);
    }
    QString config() const { return home.filePath(QStringLiteral("config/solvane/")); }
    QString cache() const { return home.filePath(QStringLiteral("cache/solvane/")); }

    QTemporaryDir home;
    QString id;
};

}  // namespace

class TestUserCalendars : public QObject {
    Q_OBJECT

private slots:
    void listReachesTheModel_data();
    void listReachesTheModel();
    void viewTellsTheDaysShown();
    void marksOnTheGrid_data();
    void marksOnTheGrid();
    void colourName();
};

void TestUserCalendars::listReachesTheModel_data() {
    QTest::addColumn<QString>("change");  // made to the list after its content was read
    QTest::addColumn<bool>("hasEvents");
    QTest::addColumn<bool>("holiday");
    QTest::addColumn<QString>("calendarName");
    QTest::addRow("as listed") << "" << true << false << "Holidays";
    QTest::addRow("marked as holidays") << "holidays" << true << true << "Holidays";
    QTest::addRow("hidden") << "hide" << false << false << "";
    QTest::addRow("renamed: its events stay") << "rename" << true << false << "Feasts";
    QTest::addRow("recoloured: its events stay") << "recolour" << true << false << "Holidays";
    QTest::addRow("removed") << "remove" << false << false << "";
}

void TestUserCalendars::listReachesTheModel() {
    QFETCH(QString, change);
    QFETCH(bool, hasEvents);
    QFETCH(bool, holiday);
    QFETCH(QString, calendarName);
    const Folders folders;
    QVERIFY(!folders.id.isEmpty());
    UserCalendars calendars(folders.config(), folders.cache());
    events::EventsModel& model = calendars.events();
    model.setLocalZone({"UTC", 0});
    model.setRange(QDate(2026, 1, 1), QDate(2026, 12, 31));
    calendars.start();
    QTRY_VERIFY_WITH_TIMEOUT(model.hasEvents(kChristmas), kHangCheckMs);

    calendars::CalendarList& list = calendars.list();
    if (change == "holidays")
        QVERIFY(list.setHolidays(folders.id, true));
    else if (change == "hide")
        QVERIFY(list.setShown(folders.id, false));
    else if (change == "rename")
        QVERIFY(list.rename(folders.id, QStringLiteral("Feasts")));
    else if (change == "recolour")
        QVERIFY(list.recolour(folders.id, 0x00ff00));
    else if (change == "remove")
        QVERIFY(list.remove(folders.id));
    // A change that would read again must not lose the bytes meanwhile.
    QTRY_VERIFY_WITH_TIMEOUT(!model.busy(), kHangCheckMs);

    QCOMPARE(model.hasEvents(kChristmas), hasEvents);
    QCOMPARE(model.isHoliday(kChristmas), holiday);
    if (hasEvents) {
        const std::vector<events::DayEvent> events = model.events(kChristmas);
        QCOMPARE(events.size(), size_t(1));
        QCOMPARE(events[0].summary, QStringLiteral("Christmas Day"));
        QCOMPARE(events[0].calendarName, calendarName);
        QCOMPARE(events[0].colour,
                 change == "recolour" ? QStringLiteral("#00ff00") : QStringLiteral("#c00000"));
    }
}

// The window shows 2026 on its fixed clock: the next Christmas is read only once the user
// moves to 2027, and the day facts the strip shows carry it.
void TestUserCalendars::viewTellsTheDaysShown() {
    const Folders folders;
    AppFixture app;
    app.activate();
    UserCalendars calendars(folders.config(), folders.cache());
    app.calendar->setEvents(&calendars.events());
    calendars.start();
    events::EventsModel& model = calendars.events();
    QTRY_VERIFY_WITH_TIMEOUT(model.hasEvents(kChristmas), kHangCheckMs);
    QVERIFY(!model.hasEvents(kNextChristmas));

    showYear(*app.calendar, 2027);
    QTRY_VERIFY_WITH_TIMEOUT(model.hasEvents(kNextChristmas), kHangCheckMs);
    QVERIFY(!model.hasEvents(kChristmas));
    QCOMPARE(app.calendar->dayFacts().of(kNextChristmas).events.size(), size_t(1));

    app.calendar->setEvents(nullptr);
    QVERIFY(app.calendar->dayFacts().of(kNextChristmas).events.empty());
}

// Pixels of the cell far redder than they are green or blue: the holiday ink, not the black,
// grey or white of an unmarked day.
int redPixels(const QImage& image, const QRect& cell) {
    int count = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > c.green() + 60 && c.red() > c.blue() + 60;
        }
    }
    return count;
}

void TestUserCalendars::marksOnTheGrid_data() {
    QTest::addColumn<bool>("withCalendar");
    QTest::addColumn<bool>("holidays");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("looks");  // "as before", "red number" or "mark"
    QTest::addRow("no calendar: as before") << false << false << true << "as before";
    QTest::addRow("hidden calendar: as before") << true << true << false << "as before";
    QTest::addRow("holiday: red number") << true << true << true << "red number";
    QTest::addRow("event: a mark in its colour") << true << false << true << "mark";
}

void TestUserCalendars::marksOnTheGrid() {
    QFETCH(bool, withCalendar);
    QFETCH(bool, holidays);
    QFETCH(bool, shown);
    QFETCH(QString, looks);
    const quint32 green = 0x00a000;
    const Folders folders(withCalendar, green, holidays, shown);
    AppFixture app;
    app.activate();
    TMonthCalendar* december = app.month(12);
    QCOMPARE(december->monthShown(), 12);
    const QImage before = december->grab().toImage();
    const QRect cell = dayCell(december, 25, false);
    QCOMPARE(redPixels(before, cell), 0);

    UserCalendars calendars(folders.config(), folders.cache());
    app.calendar->setEvents(&calendars.events());
    calendars.start();
    events::EventsModel& model = calendars.events();
    if (withCalendar)
        QTRY_VERIFY_WITH_TIMEOUT(model.state(folders.id).known, kHangCheckMs);
    QTRY_VERIFY_WITH_TIMEOUT(!model.busy(), kHangCheckMs);
    QCoreApplication::processEvents();
    const QImage after = december->grab().toImage();

    if (looks == "as before") {
        QCOMPARE(after, before);
    } else if (looks == "red number") {
        QVERIFY(redPixels(after, cell) > 0);
        // Only the holiday's cell changed.
        QImage elsewhere = after;
        QPainter painter(&elsewhere);
        painter.drawImage(cell, before, cell);
        painter.end();
        QCOMPARE(elsewhere, before);
    } else {
        QCOMPARE(redPixels(after, cell), 0);
        const QPoint mark(cell.center().x(), cell.bottom() - 1);
        QCOMPARE(after.pixelColor(mark), QColor(QRgb(green)));
        QVERIFY(before.pixelColor(mark) != QColor(QRgb(green)));
    }
}

void TestUserCalendars::colourName() {
    QCOMPARE(solvane::colourName(0x3465a4), QStringLiteral("#3465a4"));
    QCOMPARE(solvane::colourName(0x000001), QStringLiteral("#000001"));
}

QTEST_MAIN(TestUserCalendars)
#include "tst_user_calendars.moc"
