// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Notes on days as a user writes them: N on the selected day or the day's menu opens the
// editor, the note goes into notes.ics as an all-day event that an iCalendar reader reads
// back, shows on its day, and is changed or removed the same way. A note that cannot be
// written stays in the editor, and the file keeps what it held.

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "keyboard_user.h"
#include "note_editor.h"
#include "reader.h"
#include "user_calendars.h"

using namespace solvane;
using namespace solvane::test;

namespace {

const QDate kDay(2026, 12, 25);

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file as another calendar program reads it: each event's first day, days and summary.
QStringList readBack(const QByteArray& bytes) {
    const ical::Request request{{2026, 1, 1}, {2028, 1, 1}, {"UTC", 0}, {}};
    const ical::ReadResult result =
        ical::readCalendar(std::string_view(bytes.constData(), size_t(bytes.size())), request);
    QStringList events;
    for (const ical::Occurrence& o : result.occurrences) {
        const QDate first(o.startDate.year, o.startDate.month, o.startDate.day);
        const QDate end(o.endDate.year, o.endDate.month, o.endDate.day);
        events << QStringLiteral("%1 %2 %3 %4")
                      .arg(o.timing == ical::Timing::AllDay ? "all-day" : "timed",
                           first.toString(Qt::ISODate))
                      .arg(first.daysTo(end))
                      .arg(QString::fromStdString(o.summary));
    }
    if (!result.problems.empty())
        events << QStringLiteral("problems");
    return events;
}

struct NotesUser : KeyboardUser {
    NotesUser() : calendars(home.filePath("config/"), home.filePath("cache/"), notesFolder()) {
        calendar->setCalendars(&calendars);
    }
    void start() {
        QVERIFY(QTest::qWaitForWindowActive(calendar.get()));
        calendars.start();
    }
    QString notesFolder() const { return home.filePath(QStringLiteral("data/solvane/")); }
    QString notesFile() const { return notesFolder() + QStringLiteral("notes.ics"); }
    TMonthCalendar* december() const { return month(12); }

    // N on 25 December, selected by keys.
    NoteEditor* pressN() const {
        calendar->activateWindow();  // the offscreen platform does not, once a dialog closes
        if (!QTest::qWaitForWindowActive(calendar.get()) || !selectDay(12, kDay.day()))
            return nullptr;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N);
        NoteEditor* editor = calendar->noteEditor();
        return editor && QTest::qWaitForWindowActive(editor) ? editor : nullptr;
    }
    // The day's menu as the keyboard's menu key asks for it on the selected day.
    QMenu* dayMenu() const {
        calendar->activateWindow();  // the offscreen platform does not, once a dialog closes
        if (!QTest::qWaitForWindowActive(calendar.get()) || !selectDay(12, kDay.day()))
            return nullptr;
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                  december()->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(december(), &request);
        auto* menu = calendar->findChild<QMenu*>(QStringLiteral("DayMenu"));
        return menu && menu->isVisible() ? menu : nullptr;
    }
    QStringList menuEntries(QMenu* menu) const {
        QStringList entries;
        for (const QAction* action : menu->actions())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return entries;
    }
    static void type(NoteEditor* editor, const QString& text, int days = 1) {
        auto* field = child<QLineEdit>(*editor, QStringLiteral("NoteText"));
        field->selectAll();
        QTest::keyClicks(field, text);
        child<QSpinBox>(*editor, QStringLiteral("NoteDays"))->setValue(days);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QStringList eventsOn(const QDate& day) {
        QStringList summaries;
        for (const events::DayEvent& event : calendars.events().events(day))
            summaries << event.calendarName + QStringLiteral(": ") + event.summary;
        return summaries;
    }
    bool modelIdle() { return !calendars.events().busy(); }

    QTemporaryDir home;
    UserCalendars calendars;
};

// Writes beyond `bytes` fail as on a full disk, for root as well, until the object goes.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

}  // namespace

class TestDayNotes : public QObject {
    Q_OBJECT

private slots:
    void roundTrip();
    void dayMenu_data();
    void dayMenu();
    void writeFailureLosesNothing_data();
    void writeFailureLosesNothing();
    void emptyNoteIsNotSaved();
    void rightButtonNotesTheDayUnderThePointer();
};

// Add, edit, remove: each through the keys a user presses, each read back from the file by an
// iCalendar reader and seen on the day.
void TestDayNotes::roundTrip() {
    NotesUser user;
    user.start();
    NoteEditor* editor = user.pressN();
    QVERIFY(editor);
    QTRY_VERIFY(editor->isVisible());
    QCOMPARE(editor->windowTitle(), QStringLiteral("Add Note"));
    NotesUser::type(editor, QStringLiteral("Dinner at Ann's; bring wine"));
    QTRY_VERIFY(!user.calendar->noteEditor());
    QCOMPARE(readBack(contents(user.notesFile())),
             QStringList{"all-day 2026-12-25 1 Dinner at Ann's; bring wine"});
    QTRY_COMPARE_WITH_TIMEOUT(user.eventsOn(kDay),
                              QStringList{"Notes: Dinner at Ann's; bring wine"}, kHangCheckMs);

    editor = user.pressN();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Edit Note"));
    QCOMPARE(child<QLineEdit>(*editor, "NoteText")->text(), "Dinner at Ann's; bring wine");
    NotesUser::type(editor, QStringLiteral("Holiday by the sea"), 3);
    QTRY_VERIFY(!user.calendar->noteEditor());
    QCOMPARE(readBack(contents(user.notesFile())),
             QStringList{"all-day 2026-12-25 3 Holiday by the sea"});
    QTRY_COMPARE_WITH_TIMEOUT(user.eventsOn(kDay.addDays(2)),
                              QStringList{"Notes: Holiday by the sea"}, kHangCheckMs);

    user.platform.answer = true;
    QMenu* menu = user.dayMenu();
    QVERIFY(menu);
    child<QAction>(*menu, "DayRemoveNote")->trigger();
    QCOMPARE(user.platform.boxes.size(), 1);
    QCOMPARE(user.platform.boxes[0].kind, Box::Question);
    QCOMPARE(readBack(contents(user.notesFile())), QStringList());
    QVERIFY(contents(user.notesFile()).startsWith("BEGIN:VCALENDAR"));
    QTRY_COMPARE_WITH_TIMEOUT(user.eventsOn(kDay), QStringList(), kHangCheckMs);
}

void TestDayNotes::dayMenu_data() {
    QTest::addColumn<QStringList>("notes");  // "first day|days|text" already in the file
    QTest::addColumn<QStringList>("entries");
    QTest::addRow("a day without notes")
        << QStringList() << QStringList{"Add Note...", "-", "Calendars..."};
    QTest::addRow("a day with a note")
        << QStringList{"2026-12-25|1|Dentist"}
        << QStringList{"Add Note...", "Edit Note...", "Remove Note", "-", "Calendars..."};
    QTest::addRow("the second day of a longer note")
        << QStringList{"2026-12-24|3|Away"}
        << QStringList{"Add Note...", "Edit Note...", "Remove Note", "-", "Calendars..."};
    QTest::addRow("a note that ended the day before")
        << QStringList{"2026-12-23|2|Away"} << QStringList{"Add Note...", "-", "Calendars..."};
    // In the order the file reads back: by day, then by text.
    QTest::addRow("two notes, named") << QStringList{"2026-12-25|1|Dentist", "2026-12-25|1|Call Bo"}
                                      << QStringList{"Add Note...",
                                                     "Edit Note \"Call Bo\"...",
                                                     "Remove Note \"Call Bo\"",
                                                     "Edit Note \"Dentist\"...",
                                                     "Remove Note \"Dentist\"",
                                                     "-",
                                                     "Calendars..."};
}

void TestDayNotes::dayMenu() {
    QFETCH(QStringList, notes);
    QFETCH(QStringList, entries);
    NotesUser user;
    events::NotesCalendar writer(user.notesFolder());
    for (const QString& note : notes) {
        const QStringList parts = note.split('|');
        QVERIFY(!writer.add(QDate::fromString(parts[0], Qt::ISODate), parts[2], parts[1].toInt())
                     .isEmpty());
    }
    user.start();
    QMenu* menu = user.dayMenu();
    QVERIFY(menu);
    QCOMPARE(user.menuEntries(menu), entries);
    menu->close();
}

void TestDayNotes::writeFailureLosesNothing_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");  // a part of the message shown
    QTest::addRow("a full disk") << "full"
                                 << "could not be saved to";
    QTest::addRow("a read-only folder") << "read-only"
                                        << "could not be saved to";
    QTest::addRow("a file another program wrote") << "foreign"
                                                  << "holds what this program cannot write back";
}

void TestDayNotes::writeFailureLosesNothing() {
    QFETCH(QString, failure);
    QFETCH(QString, message);
    NotesUser user;
    {
        events::NotesCalendar writer(user.notesFolder());
        QVERIFY(!writer.add(kDay, QStringLiteral("Dentist")).isEmpty());
    }
    if (failure == "foreign") {
        QFile file(user.notesFile());
        QVERIFY(file.open(QIODevice::Append));
        file.write(
            "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:t\r\nDTSTART:20261225T090000Z\r\n"
            "SUMMARY:Meeting\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    }
    if (failure == "read-only") {
        if (::geteuid() == 0)
            QSKIP("the system lets root write into a read-only folder");
        QVERIFY(QFile::setPermissions(user.notesFolder(), QFile::ReadOwner | QFile::ExeOwner));
    }
    const QByteArray before = contents(user.notesFile());
    user.start();
    QTRY_VERIFY_WITH_TIMEOUT(!user.eventsOn(kDay).isEmpty(), kHangCheckMs);

    NoteEditor* editor = user.pressN();
    QVERIFY(editor);
    const QString typed = QStringLiteral("Dentist, moved to 10:30 %1").arg(QString(200, 'x'));
    {
        std::optional<FullDisk> full;
        if (failure == "full")
            full.emplace(before.size() + 16);
        NotesUser::type(editor, typed);
    }
    QFile::setPermissions(user.notesFolder(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(user.platform.boxes.size(), 1);
    QCOMPARE(user.platform.boxes[0].kind, Box::Error);
    QVERIFY2(user.platform.boxes[0].text.contains(message),
             qPrintable(user.platform.boxes[0].text));
    // The file holds what it held, the day shows it, and the text typed is still there.
    QCOMPARE(contents(user.notesFile()), before);
    QCOMPARE(QDir(user.notesFolder()).entryList(QDir::Files), QStringList{"notes.ics"});
    QCOMPARE(user.calendar->noteEditor(), editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), typed);
    QTRY_VERIFY_WITH_TIMEOUT(user.modelIdle(), kHangCheckMs);
    QVERIFY(user.eventsOn(kDay).contains(QStringLiteral("Notes: Dentist")));
}

// Save waits for a text: a blank note is not written.
void TestDayNotes::emptyNoteIsNotSaved() {
    NotesUser user;
    user.start();
    NoteEditor* editor = user.pressN();
    QVERIFY(editor);
    auto* save = child<QPushButton>(*editor, QStringLiteral("NoteSave"));
    QVERIFY(!save->isEnabled());
    QTest::keyClicks(child<QLineEdit>(*editor, QStringLiteral("NoteText")), QStringLiteral("   "));
    QVERIFY(!save->isEnabled());
    QTest::keyClick(child<QLineEdit>(*editor, QStringLiteral("NoteText")), Qt::Key_Return);
    QVERIFY(!QFile::exists(user.notesFile()));
    QTest::keyClick(child<QLineEdit>(*editor, QStringLiteral("NoteText")), Qt::Key_Escape);
    QTRY_VERIFY(!user.calendar->noteEditor());
}

// Not the selected day: the one the right mouse button was pressed on.
void TestDayNotes::rightButtonNotesTheDayUnderThePointer() {
    NotesUser user;
    user.start();
    QVERIFY(user.selectDay(12, kDay.day()));
    const QDate christmasEve = kDay.addDays(-1);
    // As the window system asks for the menu of a right-button press: Qt Test's clicks on the
    // offscreen platform make none.
    const QPoint at = user.december()->dayRect(christmasEve).center();
    QContextMenuEvent press(QContextMenuEvent::Mouse, at, user.december()->mapToGlobal(at));
    QApplication::sendEvent(user.december(), &press);
    auto* menu = user.calendar->findChild<QMenu*>(QStringLiteral("DayMenu"));
    QTRY_VERIFY(menu->isVisible());
    child<QAction>(*menu, "DayAddNote")->trigger();
    menu->close();
    QTRY_VERIFY(user.calendar->noteEditor());
    NoteEditor* editor = user.calendar->noteEditor();
    QCOMPARE(editor->day(), christmasEve);
    QVERIFY(QTest::qWaitForWindowActive(editor));
    NotesUser::type(editor, QStringLiteral("Wrap the presents"));
    QTRY_VERIFY(!user.calendar->noteEditor());
    QCOMPARE(readBack(contents(user.notesFile())),
             QStringList{"all-day 2026-12-24 1 Wrap the presents"});
}

QTEST_MAIN(TestDayNotes)
#include "tst_day_notes.moc"
