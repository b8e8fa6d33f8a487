// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The Calendars dialog as a user works it, with the choosers answered by the test: each button
// changes the list as it says, refused addresses are refused with a message, removing asks
// first, a calendar's state is told in words, everything is reached by keys, and the dialog
// opens from its key, the Parameters dialog and the notification-area menu.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "calendar_state_text.h"
#include "calendars_dialog.h"
#include "keyboard_user.h"
#include "shortcuts.h"
#include "tray_icon.h"
#include "user_calendars.h"

using namespace solvane;
using namespace solvane::test;
using Kind = calendars::SourceError::Kind;

namespace {

const QByteArray kOneEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane tests//EN\r\nBEGIN:VEVENT\r\n"
    "UID:a\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20261225\r\nSUMMARY:Christmas "
    "Day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// The folders of one user, a calendar file among them, and the dialog over their calendars
// with choosers that give what the test put in.
struct DialogUser {
    DialogUser() : calendars(config(), home.filePath("cache/"), home.filePath("data/")) {
        QFile out(calendarFile());
        if (!out.open(QIODevice::WriteOnly) || out.write(kOneEvent) < 0)
            qFatal("cannot write the calendar file");
        out.close();
        calendars.events().setLocalZone({"UTC", 0});
        calendars.events().setRange(QDate(2026, 1, 1), QDate(2026, 12, 31));
        calendars.start();
        dialog = std::make_unique<CalendarsDialog>(calendars);
        dialog->choosers.file = [this](QWidget*) { return file; };
        dialog->choosers.address = [this](QWidget*) { return address; };
        dialog->choosers.name = [this](QWidget*, const QString&) { return name; };
        dialog->choosers.colour = [this](QWidget*, const QColor&) { return colour; };
    }
    QString config() const { return home.filePath(QStringLiteral("config/")); }
    QString calendarFile() const { return home.filePath(QStringLiteral("holidays.ics")); }
    const QList<calendars::CalendarSource>& sources() { return calendars.list().sources(); }
    template <typename T = QWidget>
    T* control(const char* name) const {
        return child<T>(*dialog, QLatin1String(name));
    }
    void click(const char* name) const {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    QString addFile() {
        file = calendarFile();
        click("CalendarAddFile");
        return sources().isEmpty() ? QString() : sources().back().id;
    }

    FakePlatform platform;
    QTemporaryDir home;
    UserCalendars calendars;
    std::unique_ptr<CalendarsDialog> dialog;
    // The choosers' answers.
    QString file;
    std::optional<QString> address, name;
    std::optional<QColor> colour;
};

}  // namespace

class TestCalendarsDialog : public QObject {
    Q_OBJECT

private slots:
    void addFile_data();
    void addFile();
    void addAddress_data();
    void addAddress();
    void editSelected_data();
    void editSelected();
    void removeAsks_data();
    void removeAsks();
    void stateInWords_data();
    void stateInWords();
    void stateOfAMissingFile();
    void byKeyboardOnly_data();
    void byKeyboardOnly();
    void everyControlIsNamed();
    void fitsItsContent();
    void opensFrom_data();
    void opensFrom();
};

void TestCalendarsDialog::addFile_data() {
    QTest::addColumn<QString>("path");  // "<file>": the calendar file
    QTest::addColumn<int>("twice");     // how often it is chosen
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("boxKind");  // -1: no message
    QTest::addRow("a calendar file") << "<file>" << 1 << 1 << -1;
    QTest::addRow("the same file again") << "<file>" << 2 << 1 << int(Box::Message);
    QTest::addRow("a path that is not whole") << "holidays.ics" << 1 << 0 << int(Box::Warning);
    QTest::addRow("cancelled") << "" << 1 << 0 << -1;
}

void TestCalendarsDialog::addFile() {
    QFETCH(QString, path);
    QFETCH(int, twice);
    QFETCH(int, listed);
    QFETCH(int, boxKind);
    DialogUser user;
    user.file = path == "<file>" ? user.calendarFile() : path;
    for (int k = 0; k < twice; ++k)
        user.click("CalendarAddFile");
    QCOMPARE(user.sources().size(), listed);
    QCOMPARE(user.platform.boxes.size(), boxKind < 0 ? 0 : 1);
    if (boxKind >= 0)
        QCOMPARE(int(user.platform.boxes[0].kind), boxKind);
    if (listed == 0)
        return;
    const calendars::CalendarSource& added = user.sources()[0];
    QCOMPARE(added.kind, calendars::SourceKind::File);
    QCOMPARE(added.location, user.calendarFile());
    QCOMPARE(added.name, QStringLiteral("holidays"));
    QCOMPARE(user.dialog->selectedId(), added.id);
    // The list is on disk, in its own file.
    QVERIFY(QFile::exists(user.calendars.list().filePath()));
    auto* list = user.control<QTreeWidget>("CalendarList");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("holidays"));
}

void TestCalendarsDialog::addAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("name");
    QTest::addRow("https") << "https://127.0.0.1:9/feasts.ics" << true << "feasts";
    QTest::addRow("http") << "http://127.0.0.1:9/feasts.ics" << true << "feasts";
    QTest::addRow("webcal, which means https")
        << "webcal://127.0.0.1:9/feasts.ics" << true << "feasts";
    QTest::addRow("spaces around") << "  https://127.0.0.1:9/a/b.ics \n" << true << "b";
    QTest::addRow("no file name: the host") << "https://127.0.0.1:9/" << true << "127.0.0.1";
    QTest::addRow("ftp refused") << "ftp://example.org/feasts.ics" << false << "";
    QTest::addRow("file refused") << "file:///etc/passwd" << false << "";
    QTest::addRow("javascript refused") << "javascript:alert(1)" << false << "";
    QTest::addRow("no scheme refused") << "example.org/feasts.ics" << false << "";
    QTest::addRow("no host refused") << "https:///feasts.ics" << false << "";
}

void TestCalendarsDialog::addAddress() {
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    QFETCH(QString, name);
    DialogUser user;
    user.address = typed;
    user.click("CalendarAddUrl");
    QCOMPARE(user.sources().size(), taken ? 1 : 0);
    if (!taken) {
        QCOMPARE(user.platform.boxes.size(), 1);
        QCOMPARE(user.platform.boxes[0].kind, Box::Warning);
        QVERIFY2(user.platform.boxes[0].text.contains("http://, https:// or webcal://"),
                 qPrintable(user.platform.boxes[0].text));
        return;
    }
    QCOMPARE(user.platform.boxTexts(), QStringList());
    QCOMPARE(user.sources()[0].kind, calendars::SourceKind::Url);
    QCOMPARE(user.sources()[0].location, typed.trimmed());
    QCOMPARE(user.sources()[0].name, name);
}

void TestCalendarsDialog::editSelected_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<std::optional<QString>>("name");
    QTest::addColumn<std::optional<QColor>>("colour");
    QTest::addColumn<QString>("nameAfter");
    QTest::addColumn<quint32>("rgbAfter");  // 0: the first colour given
    QTest::addColumn<bool>("shownAfter");
    QTest::addColumn<bool>("holidaysAfter");
    const std::optional<QString> noName;
    const std::optional<QColor> noColour;
    QTest::addRow("rename") << "CalendarRename" << std::optional<QString>("Feasts") << noColour
                            << "Feasts" << 0u << true << false;
    QTest::addRow("rename with spaces") << "CalendarRename" << std::optional<QString>(" Feasts ")
                                        << noColour << "Feasts" << 0u << true << false;
    QTest::addRow("rename to nothing keeps the name")
        << "CalendarRename" << std::optional<QString>("  ") << noColour << "holidays" << 0u << true
        << false;
    QTest::addRow("rename cancelled")
        << "CalendarRename" << noName << noColour << "holidays" << 0u << true << false;
    QTest::addRow("colour") << "CalendarColour" << noName
                            << std::optional<QColor>(QColor(255, 0, 0)) << "holidays" << 0xff0000u
                            << true << false;
    QTest::addRow("colour cancelled")
        << "CalendarColour" << noName << noColour << "holidays" << 0u << true << false;
    QTest::addRow("hide") << "CalendarShown" << noName << noColour << "holidays" << 0u << false
                          << false;
    QTest::addRow("mark as holidays")
        << "CalendarHolidays" << noName << noColour << "holidays" << 0u << true << true;
}

void TestCalendarsDialog::editSelected() {
    QFETCH(QString, control);
    QFETCH(std::optional<QString>, name);
    QFETCH(std::optional<QColor>, colour);
    QFETCH(QString, nameAfter);
    QFETCH(quint32, rgbAfter);
    QFETCH(bool, shownAfter);
    QFETCH(bool, holidaysAfter);
    DialogUser user;
    const QString id = user.addFile();
    QVERIFY(!id.isEmpty());
    const quint32 firstColour = user.sources()[0].rgb;
    user.name = name;
    user.colour = colour;
    user.click(control.toLatin1().constData());
    const calendars::CalendarSource after = user.calendars.list().source(id).value();
    QCOMPARE(after.name, nameAfter);
    QCOMPARE(after.rgb, rgbAfter ? rgbAfter : firstColour);
    QCOMPARE(after.shown, shownAfter);
    QCOMPARE(after.holidays, holidaysAfter);
    // The row shows what the list holds.
    QTreeWidgetItem* row = user.control<QTreeWidget>("CalendarList")->topLevelItem(0);
    QCOMPARE(row->text(0), nameAfter);
    QCOMPARE(row->checkState(0), shownAfter ? Qt::Checked : Qt::Unchecked);
    QCOMPARE(row->text(1), holidaysAfter ? QStringLiteral("Holidays") : QString());
    // And the list file holds it too: a new list read from it agrees.
    calendars::CalendarList reread(user.config());
    reread.load();
    QCOMPARE(reread.sources().size(), 1);
    QCOMPARE(reread.sources()[0].name, nameAfter);
    QCOMPARE(reread.sources()[0].shown, shownAfter);
}

void TestCalendarsDialog::removeAsks_data() {
    QTest::addColumn<bool>("byDeleteKey");
    QTest::addColumn<bool>("answer");
    QTest::addRow("button, yes") << false << true;
    QTest::addRow("button, no") << false << false;
    QTest::addRow("Delete key, yes") << true << true;
    QTest::addRow("Delete key, no") << true << false;
}

void TestCalendarsDialog::removeAsks() {
    QFETCH(bool, byDeleteKey);
    QFETCH(bool, answer);
    DialogUser user;
    QVERIFY(!user.addFile().isEmpty());
    user.platform.answer = answer;
    if (byDeleteKey) {
        user.dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(user.dialog.get()));
        user.control("CalendarList")->setFocus();
        QTest::keyClick(user.control("CalendarList"), Qt::Key_Delete);
    } else {
        user.click("CalendarRemove");
    }
    QCOMPARE(user.platform.boxes.size(), 1);
    QCOMPARE(user.platform.boxes[0].kind, Box::Question);
    QVERIFY(user.platform.boxes[0].text.contains("\"holidays\""));
    QCOMPARE(user.sources().size(), answer ? 0 : 1);
    QCOMPARE(user.control<QTreeWidget>("CalendarList")->topLevelItemCount(), answer ? 0 : 1);
    // The user's file is only ever read.
    QVERIFY(QFile::exists(user.calendarFile()));
    QCOMPARE(user.control("CalendarRemove")->isEnabled(), !answer);
}

void TestCalendarsDialog::stateInWords_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("fetching");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("events");
    QTest::addColumn<QDateTime>("lastRefresh");
    QTest::addColumn<QString>("expected");  // the row's line, and what the text under the
                                            // list adds to it
    const QDateTime never;
    const QDateTime morning(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);
    QTest::addRow("missing file") << int(Kind::NotFound) << "" << false << false << 0 << never
                                  << "The file is not there.";
    QTest::addRow("refused certificate, with the reason")
        << int(Kind::Tls) << "The certificate is self-signed, and untrusted" << false << true << 3
        << morning
        << "The server's certificate was refused; nothing was fetched. (The certificate is "
           "self-signed, and untrusted)\nShown meanwhile: 3 events read, last refreshed 12/7/26 "
           "9:30 AM";
    QTest::addRow("server error") << int(Kind::Http) << "500 Internal Server Error" << false
                                  << false << 0 << never
                                  << "The server answered with an error. (500 Internal Server "
                                     "Error)";
    QTest::addRow("a pipe") << int(Kind::NotRegularFile) << "" << false << false << 0 << never
                            << "This is not a regular file (a pipe or a device); it is not read.";
    QTest::addRow("fetching") << int(Kind::None) << "" << true << false << 0 << never
                              << "Fetching...";
    QTest::addRow("not read yet") << int(Kind::None) << "" << false << false << 0 << never
                                  << "Not read yet";
    QTest::addRow("one event, never refreshed")
        << int(Kind::None) << "" << false << true << 1 << never << "1 event read";
    QTest::addRow("events and the last refresh")
        << int(Kind::None) << "" << false << true << 12 << morning
        << "12 events read, last refreshed 12/7/26 9:30 AM";
}

void TestCalendarsDialog::stateInWords() {
    QFETCH(int, error);
    QFETCH(QString, detail);
    QFETCH(bool, fetching);
    QFETCH(bool, read);
    QFETCH(int, events);
    QFETCH(QDateTime, lastRefresh);
    QFETCH(QString, expected);
    FakePlatform platform;
    calendars::CalendarSource source;
    source.lastError = {Kind(error), detail};
    source.lastRefresh = lastRefresh;
    events::CalendarState state;
    state.known = true;
    state.read = read;
    state.events = events;
    const QStringList lines = expected.split('\n');
    QCOMPARE(CalendarStateText::summary(source, state, fetching).replace(QChar(0x202f), ' '),
             lines[0]);
    QCOMPARE(CalendarStateText::details(source, state, fetching).replace(QChar(0x202f), ' '),
             expected);
}

// A calendar whose file goes away says so in its row and under the list.
void TestCalendarsDialog::stateOfAMissingFile() {
    DialogUser user;
    QVERIFY(!user.addFile().isEmpty());
    auto* list = user.control<QTreeWidget>("CalendarList");
    QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItem(0)->text(2).left(13),
                              QStringLiteral("1 event read,"), kHangCheckMs);
    QVERIFY(QFile::remove(user.calendarFile()));
    user.click("CalendarRefresh");
    QTRY_VERIFY_WITH_TIMEOUT(list->topLevelItem(0)->text(2).startsWith("The file is not there."),
                             kHangCheckMs);
    QVERIFY(user.control<QLabel>("CalendarState")->text().startsWith("The file is not there."));
}

// Tab to the control and press Space, or its Alt letter: each reaches the same action.
void TestCalendarsDialog::byKeyboardOnly_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("mnemonic");
    QTest::addColumn<QString>("expected");  // what changed
    QTest::addRow("Add File by Tab") << "CalendarAddFile"
                                     << ""
                                     << "added";
    QTest::addRow("Add File by Alt+F") << ""
                                       << "Alt+F"
                                       << "added";
    QTest::addRow("Add URL by Alt+U") << ""
                                      << "Alt+U"
                                      << "subscribed";
    QTest::addRow("Rename by Tab") << "CalendarRename"
                                   << ""
                                   << "renamed";
    QTest::addRow("Rename by Alt+M") << ""
                                     << "Alt+M"
                                     << "renamed";
    QTest::addRow("Colour by Alt+O") << ""
                                     << "Alt+O"
                                     << "recoloured";
    QTest::addRow("Shown by Tab") << "CalendarShown"
                                  << ""
                                  << "hidden";
    QTest::addRow("Shown by Alt+S") << ""
                                    << "Alt+S"
                                    << "hidden";
    QTest::addRow("Holidays by Alt+H") << ""
                                       << "Alt+H"
                                       << "holidays";
    QTest::addRow("Remove by Alt+R") << ""
                                     << "Alt+R"
                                     << "removed";
    QTest::addRow("Refresh by Alt+W") << ""
                                      << "Alt+W"
                                      << "refreshed";
    QTest::addRow("Close by Tab") << "CalendarClose"
                                  << ""
                                  << "closed";
}

void TestCalendarsDialog::byKeyboardOnly() {
    QFETCH(QString, control);
    QFETCH(QString, mnemonic);
    QFETCH(QString, expected);
    DialogUser user;
    QVERIFY(!user.addFile().isEmpty());
    user.platform.answer = true;
    user.name = QStringLiteral("Feasts");
    user.colour = QColor(0, 128, 0);
    user.address = QStringLiteral("webcal://127.0.0.1:9/feasts.ics");
    user.file = user.home.filePath("other.ics");
    user.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(user.dialog.get()));
    user.control("CalendarList")->setFocus();
    if (!control.isEmpty()) {
        QWidget* target = user.control(control.toLatin1().constData());
        for (int k = 0; k < 20 && QApplication::focusWidget() != target; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_Space);
    } else {
        const QKeyCombination key = QKeySequence::fromString(mnemonic)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    // A mnemonic presses its button for a moment before the click.
    const auto buttons = user.dialog->findChildren<QAbstractButton*>();
    QTRY_VERIFY(std::none_of(buttons.begin(), buttons.end(),
                             [](const QAbstractButton* b) { return b->isDown(); }));
    const calendars::CalendarSource first = user.sources().value(0);
    if (expected == "added") {
        QCOMPARE(user.sources().size(), 2);
    } else if (expected == "subscribed") {
        QCOMPARE(user.sources().size(), 2);
        QCOMPARE(user.sources()[1].kind, calendars::SourceKind::Url);
    } else if (expected == "renamed") {
        QCOMPARE(first.name, QStringLiteral("Feasts"));
    } else if (expected == "recoloured") {
        QCOMPARE(first.rgb, 0x008000u);
    } else if (expected == "hidden") {
        QVERIFY(!first.shown);
    } else if (expected == "holidays") {
        QVERIFY(first.holidays);
    } else if (expected == "removed") {
        QCOMPARE(user.sources().size(), 0);
    } else if (expected == "refreshed") {
        QCOMPARE(user.platform.boxTexts(), QStringList());
        QCOMPARE(user.sources().size(), 1);
    } else if (expected == "closed") {
        QTRY_VERIFY(!user.dialog->isVisible());
    }
}

void TestCalendarsDialog::everyControlIsNamed() {
    DialogUser user;
    QVERIFY(!user.addFile().isEmpty());
    QStringList unnamed;
    for (QWidget* control : user.dialog->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(user.dialog.get()) &&
            control->accessibleName().isEmpty() && !control->objectName().startsWith("qt_"))
            unnamed << control->metaObject()->className() + QStringLiteral(" ") +
                           control->objectName();
    }
    QCOMPARE(unnamed, QStringList());
    // The state under the list is read out with its text.
    QAccessibleInterface* state =
        QAccessible::queryAccessibleInterface(user.control("CalendarState"));
    QVERIFY(state);
    QVERIFY(!state->text(QAccessible::Name).isEmpty());
}

// At the default font, no button text and no column of the list is cut.
void TestCalendarsDialog::fitsItsContent() {
    DialogUser user;
    QVERIFY(!user.addFile().isEmpty());
    // A port nobody listens on: the fetch fails at once, with no network reached.
    user.address = QStringLiteral("webcal://127.0.0.1:9/a/very-long-name-of-a-feed-of-feasts.ics");
    user.click("CalendarAddUrl");
    user.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(user.dialog.get()));
    for (QAbstractButton* button : user.dialog->findChildren<QAbstractButton*>()) {
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
    }
    auto* list = user.control<QTreeWidget>("CalendarList");
    for (int column = 0; column < list->columnCount(); ++column) {
        int needed = list->header()->sectionSizeHint(column);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QModelIndex index = list->model()->index(row, column);
            needed = std::max(
                needed, list->itemDelegate()->sizeHint(QStyleOptionViewItem(), index).width());
        }
        QVERIFY2(list->header()->sectionSize(column) >= needed,
                 qPrintable(QStringLiteral("column %1: %2 < %3")
                                .arg(column)
                                .arg(list->header()->sectionSize(column))
                                .arg(needed)));
    }
    // The state column changes when the fetch fails, and the dialog widens a turn later.
    QTRY_VERIFY(list->header()->length() <= list->viewport()->width());
}

void TestCalendarsDialog::opensFrom_data() {
    QTest::addColumn<QString>("from");
    QTest::addRow("its key") << "key";
    QTest::addRow("the Parameters dialog") << "parameters";
    QTest::addRow("the notification-area menu") << "tray";
}

void TestCalendarsDialog::opensFrom() {
    QFETCH(QString, from);
    QTemporaryDir home;
    KeyboardUser user;
    UserCalendars calendars(home.filePath("config/"), home.filePath("cache/"),
                            home.filePath("data/"));
    user.calendar->setCalendars(&calendars);
    calendars.start();
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    if (from == "key") {
        user.press(QKeySequence(kCalendarsKey).toString());
    } else if (from == "parameters") {
        user.press(QStringLiteral("Ctrl+,"));
        THome* parameters = user.home();
        QTRY_VERIFY(parameters->isVisible());
        QTest::mouseClick(child<QPushButton>(*parameters, "CalendarsButton"), Qt::LeftButton);
    } else {
        auto* tray = user.calendar->findChild<TrayIcon*>();
        QVERIFY(tray);
        child<QAction>(*tray->menu(), "TrayCalendars")->trigger();
    }
    CalendarsDialog* dialog = user.calendar->calendarsDialog();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    // Over whatever is open, and taking the keys.
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!dialog->isVisible());
}

QTEST_MAIN(TestCalendarsDialog)
#include "tst_calendars_dialog.moc"
