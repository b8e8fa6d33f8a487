// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The list of calendars and its file: edits that are kept, edits that change nothing and so
// write nothing, list files that cannot be read (refused without loss), refused additions and
// the addresses a subscription is fetched from.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "calendar_list.h"
#include "subscription_url.h"

using namespace solvane::calendars;
using Kind = SourceError::Kind;
using Edit = std::function<bool(CalendarList&, const QString& id)>;
Q_DECLARE_METATYPE(Edit)

namespace {

const QDateTime kWhen(QDate(2026, 12, 9), QTime(6, 0), Qt::UTC);

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray entry(const char* id, const char* location, const char* kind = "file") {
    return QByteArray(R"({"id":")") + id + R"(","kind":")" + kind + R"(","location":")" + location +
           R"(","name":"N","colour":"#112233"})";
}

QByteArray listOf(const QByteArray& entries, int format = 1) {
    return R"({"format":)" + QByteArray::number(format) + R"(,"calendars":[)" + entries + "]}";
}

}  // namespace

class TestCalendarList : public QObject {
    Q_OBJECT

private slots:
    void init();
    void edits_data();
    void edits();
    void noChangeNoWrite_data();
    void noChangeNoWrite();
    void stateKept();
    void fullDiskKeepsTheFile();
    void newCalendarsTakeAnUnusedColour();
    void unreadableFile_data();
    void unreadableFile();
    void refusedAdditions_data();
    void refusedAdditions();
    void subscriptionAddress_data();
    void subscriptionAddress();

private:
    std::unique_ptr<QTemporaryDir> root_;
    QString folder_;
};

void TestCalendarList::init() {
    root_ = std::make_unique<QTemporaryDir>();
    // The folder does not exist yet: the first write makes it.
    folder_ = root_->filePath(QStringLiteral("solvane"));
}

void TestCalendarList::edits_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<CalendarSource>("expected");  // id and location are the ones added

    CalendarSource base;
    base.kind = SourceKind::Url;
    base.name = QStringLiteral("Holidays");
    base.rgb = 0xcc0000;
    auto renamed = base, recoloured = base, hidden = base, holidays = base;
    renamed.name = QStringLiteral("Fêtes");
    recoloured.rgb = 0x00ff00;
    hidden.shown = false;
    holidays.holidays = true;
    const auto rename = [](CalendarList& l, const QString& id) {
        return l.rename(id, QStringLiteral("Fêtes"));
    };
    const auto recolour = [](CalendarList& l, const QString& id) {
        return l.recolour(id, 0xff00ff00);
    };
    const auto hide = [](CalendarList& l, const QString& id) { return l.setShown(id, false); };
    const auto mark = [](CalendarList& l, const QString& id) { return l.setHolidays(id, true); };
    QTest::addRow("rename") << Edit(rename) << renamed;
    QTest::addRow("recolour (alpha dropped)") << Edit(recolour) << recoloured;
    QTest::addRow("hide") << Edit(hide) << hidden;
    QTest::addRow("mark as holidays") << Edit(mark) << holidays;
}

// Each edit is announced, written at once, and read back the same by the next start.
void TestCalendarList::edits() {
    QFETCH(Edit, edit);
    QFETCH(CalendarSource, expected);
    CalendarList list(folder_);
    QCOMPARE(list.load(), SourceError{});
    const QString id = list.addUrl(QStringLiteral("webcal://example.org/h.ics"),
                                   QStringLiteral("Holidays"), 0xcc0000);
    QVERIFY(!id.isEmpty());
    QSignalSpy changed(&list, &CalendarList::sourceChanged);
    QVERIFY(edit(list, id));
    QCOMPARE(changed.size(), 1);
    expected.id = id;
    expected.location = QStringLiteral("webcal://example.org/h.ics");
    QCOMPARE(list.source(id), std::optional(expected));
    CalendarList next(folder_);
    QCOMPARE(next.load(), SourceError{});
    QCOMPARE(next.sources(), QList<CalendarSource>{expected});
    QVERIFY(next.remove(id));
    CalendarList last(folder_);
    last.load();
    QVERIFY(last.sources().isEmpty());
}

void TestCalendarList::noChangeNoWrite_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("found");

    QTest::addRow("same name") << Edit([](CalendarList& l, const QString& id) {
        return l.rename(id, QStringLiteral("Mine"));
    }) << true;
    QTest::addRow("same colour") << Edit([](CalendarList& l, const QString& id) {
        return l.recolour(id, 0x123456);
    }) << true;
    QTest::addRow("shown again") << Edit([](CalendarList& l, const QString& id) {
        return l.setShown(id, true);
    }) << true;
    QTest::addRow("not holidays again")
        << Edit([](CalendarList& l, const QString& id) { return l.setHolidays(id, false); })
        << true;
    QTest::addRow("same file added again") << Edit([](CalendarList& l, const QString& id) {
        return l.addFile(QStringLiteral("/home/u/./mine.ics"), QStringLiteral("X"), 0) == id;
    }) << true;
    QTest::addRow("unknown id") << Edit([](CalendarList& l, const QString&) {
        return l.rename(QStringLiteral("nobody"), QStringLiteral("X"));
    }) << false;
    QTest::addRow("remove unknown id")
        << Edit([](CalendarList& l, const QString&) { return l.remove(QStringLiteral("x")); })
        << false;
    QTest::addRow("same refresh state") << Edit([](CalendarList& l, const QString& id) {
        return l.recordRefresh(id, QDateTime(), SourceError{});
    }) << true;
}

// The file is written only when something changed: with the file deleted behind the list's
// back, an edit that changes nothing does not bring it back.
void TestCalendarList::noChangeNoWrite() {
    QFETCH(Edit, edit);
    QFETCH(bool, found);
    CalendarList list(folder_);
    list.load();
    const QString id =
        list.addFile(QStringLiteral("/home/u/mine.ics"), QStringLiteral("Mine"), 0x123456);
    QVERIFY(QFile::exists(list.filePath()));
    QVERIFY(QFile::remove(list.filePath()));
    QSignalSpy changed(&list, &CalendarList::sourceChanged);
    QSignalSpy state(&list, &CalendarList::stateChanged);
    QCOMPARE(edit(list, id), found);
    QVERIFY(!QFile::exists(list.filePath()));
    QCOMPARE(changed.size() + state.size(), 0);
}

// The last refresh and its error survive a restart; a failure keeps the last good time.
void TestCalendarList::stateKept() {
    CalendarList list(folder_);
    list.load();
    const QString id =
        list.addUrl(QStringLiteral("https://example.org/c.ics"), QStringLiteral("C"), 0);
    QVERIFY(list.recordRefresh(id, kWhen, SourceError{}));
    const SourceError error{Kind::Http, QStringLiteral("503 Service Unavailable")};
    QVERIFY(list.recordRefresh(id, QDateTime(), error));
    CalendarList next(folder_);
    next.load();
    QCOMPARE(next.source(id)->lastRefresh, kWhen);
    QCOMPARE(next.source(id)->lastError, error);
}

// A disk that fills up during a save: the file on disk keeps the list it held, and the failure
// is reported. RLIMIT_FSIZE makes the write fail for root as well.
void TestCalendarList::fullDiskKeepsTheFile() {
    CalendarList list(folder_);
    list.load();
    const QString id = list.addFile(QStringLiteral("/home/u/a.ics"), QStringLiteral("A"), 0);
    const QByteArray before = bytesOf(list.filePath());
    QVERIFY(!before.isEmpty());
    QSignalSpy failed(&list, &CalendarList::saveFailed);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit full = previous;
    full.rlim_cur = rlim_t(before.size());
    ::setrlimit(RLIMIT_FSIZE, &full);
    const bool renamed = list.rename(id, QStringLiteral("A name much longer than the old one"));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    QVERIFY(renamed);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(list.saveError().kind, Kind::Unwritable);
    QCOMPARE(bytesOf(list.filePath()), before);
    QCOMPARE(QDir(folder_).entryList(QDir::Files), QStringList{"calendars.json"});
}

void TestCalendarList::newCalendarsTakeAnUnusedColour() {
    CalendarList list(folder_);
    list.load();
    QList<quint32> given;
    for (int i = 0; i < 9; ++i) {
        const quint32 colour = list.unusedColour();
        given.append(colour);
        list.addFile(QStringLiteral("/home/u/%1.ics").arg(i), QString::number(i), colour);
    }
    // Eight calendars, eight colours; the ninth shares one.
    QCOMPARE(QSet<quint32>(given.begin(), given.begin() + 8).size(), 8);
    QVERIFY(given.mid(0, 8).contains(given[8]));
    // A colour given up is the next one taken.
    list.remove(list.sources().at(2).id);
    QCOMPARE(list.unusedColour(), given[2]);
}

void TestCalendarList::unreadableFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Kind>("error");
    QTest::addColumn<int>("kept");  // calendars read from it

    const QByteArray good = entry("a", "/home/u/a.ics");
    QTest::addRow("not JSON") << QByteArray("calendars = [a.ics]") << Kind::Corrupt << 0;
    QTest::addRow("binary") << QByteArray("\x00\xff\xfe\x01", 4) << Kind::Corrupt << 0;
    QTest::addRow("empty") << QByteArray() << Kind::Corrupt << 0;
    QTest::addRow("an array") << QByteArray("[" + good + "]") << Kind::Corrupt << 0;
    QTest::addRow("no format") << QByteArray(R"({"calendars":[)" + good + "]}") << Kind::Corrupt
                               << 0;
    QTest::addRow("newer format") << listOf(good, 2) << Kind::Corrupt << 0;
    QTest::addRow("cut off") << listOf(good).chopped(3) << Kind::Corrupt << 0;
    QTest::addRow("deep nesting") << QByteArray(100000, '[') << Kind::Corrupt << 0;
    QTest::addRow("over 4 MB") << QByteArray(5 << 20, ' ') << Kind::TooLarge << 0;
    QTest::addRow("one bad entry of two")
        << listOf(good + R"(,{"id":"b","kind":"file"})") << Kind::Corrupt << 1;
    QTest::addRow("duplicate id") << listOf(good + "," + entry("a", "/home/u/b.ics"))
                                  << Kind::Corrupt << 1;
    QTest::addRow("relative path")
        << listOf(good + "," + entry("b", "b.ics")) << Kind::Corrupt << 1;
    QTest::addRow("file: address")
        << listOf(good + "," + entry("b", "file:///etc/passwd", "url")) << Kind::Corrupt << 1;
    QTest::addRow("bad colour")
        << listOf(good + R"(,{"id":"b","kind":"file","location":"/b","name":"","colour":"red"})")
        << Kind::Corrupt << 1;
    QTest::addRow("FIFO") << QByteArray("fifo") << Kind::NotRegularFile << 0;
    QTest::addRow("folder") << QByteArray("folder") << Kind::Directory << 0;
}

// A list file that cannot be read gives an error and what could be read, and stays as it was;
// the user's next change moves it aside before the new list is written.
void TestCalendarList::unreadableFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(Kind, error);
    QFETCH(int, kept);
    QVERIFY(QDir().mkpath(folder_));
    CalendarList list(folder_);
    const QString path = list.filePath();
    if (error == Kind::NotRegularFile)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (error == Kind::Directory)
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(write(path, bytes));

    QCOMPARE(list.load().kind, error);
    QVERIFY(!list.loadError().detail.isEmpty());
    QCOMPARE(list.sources().size(), kept);
    if (kept > 0)  // a refresh of what was read leaves the file alone
        QVERIFY(list.recordRefresh(list.sources().first().id, kWhen, SourceError{}));
    if (error != Kind::NotRegularFile && error != Kind::Directory)
        QCOMPARE(bytesOf(path), bytes);

    QVERIFY(!list.addFile(QStringLiteral("/home/u/new.ics"), QStringLiteral("New"), 0).isEmpty());
    QCOMPARE(list.saveError(), SourceError{});
    const QString aside = path + QStringLiteral(".unreadable");
    QVERIFY(QFileInfo::exists(aside));
    if (error != Kind::NotRegularFile && error != Kind::Directory)
        QCOMPARE(bytesOf(aside), bytes);
    CalendarList next(folder_);
    QCOMPARE(next.load(), SourceError{});
    QCOMPARE(next.sources().size(), kept + 1);
    if (kept > 0)  // the state that waited is written with the user's change
        QCOMPARE(next.sources().first().lastRefresh, kWhen);
}

void TestCalendarList::refusedAdditions_data() {
    QTest::addColumn<bool>("file");
    QTest::addColumn<QString>("location");

    QTest::addRow("relative path") << true << "calendar.ics";
    QTest::addRow("empty path") << true << "";
    QTest::addRow("ftp") << false << "ftp://example.org/c.ics";
    QTest::addRow("file address") << false << "file:///home/u/c.ics";
    QTest::addRow("no host") << false << "https:///c.ics";
    QTest::addRow("not an address") << false << "holidays";
}

void TestCalendarList::refusedAdditions() {
    QFETCH(bool, file);
    QFETCH(QString, location);
    CalendarList list(folder_);
    list.load();
    QSignalSpy added(&list, &CalendarList::sourceAdded);
    const QString id = file ? list.addFile(location, QStringLiteral("X"), 0)
                            : list.addUrl(location, QStringLiteral("X"), 0);
    QVERIFY(id.isEmpty());
    QCOMPARE(added.size(), 0);
    QVERIFY(!QFile::exists(list.filePath()));
}

void TestCalendarList::subscriptionAddress_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fetched");  // empty: refused

    QTest::addRow("https") << "https://example.org/h.ics"
                           << "https://example.org/h.ics";
    QTest::addRow("http") << "http://example.org/h.ics"
                          << "http://example.org/h.ics";
    QTest::addRow("webcal") << "webcal://example.org/h.ics"
                            << "https://example.org/h.ics";
    QTest::addRow("webcals") << "webcals://example.org/h.ics"
                             << "https://example.org/h.ics";
    QTest::addRow("WEBCAL with port") << "WEBCAL://example.org:8443/h.ics?x=1"
                                      << "https://example.org:8443/h.ics?x=1";
    QTest::addRow("spaces around") << "  https://example.org/h.ics\n"
                                   << "https://example.org/h.ics";
    QTest::addRow("ftp") << "ftp://example.org/h.ics"
                         << "";
    QTest::addRow("no scheme") << "example.org/h.ics"
                               << "";
    QTest::addRow("webcal without host") << "webcal:///h.ics"
                                         << "";
}

void TestCalendarList::subscriptionAddress() {
    QFETCH(QString, text);
    QFETCH(QString, fetched);
    QCOMPARE(subscriptionUrl(text).toString(), fetched);
}

QTEST_GUILESS_MAIN(TestCalendarList)
#include "tst_calendar_list.moc"
