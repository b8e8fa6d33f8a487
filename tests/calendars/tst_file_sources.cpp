// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Calendar files: what is read and what is refused (with its typed error), and the watch that
// follows an editor's save, a replacement by rename, a deletion and a re-creation.

#include <sys/stat.h>
#include <QTemporaryDir>

#include "file_read.h"
#include "sources_fixture.h"

using namespace solvane::test;
using solvane::calendars::FileRead;
using solvane::calendars::readRegularFile;
using Kind = SourceError::Kind;

namespace {

constexpr qint64 kCap = 4096;  // bytes; the reader's cap in these tests
const QByteArray kCalendar = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

SourcesOptions cappedOptions(const QString& root) {
    SourcesOptions options = testOptions(QDir(root).filePath(QStringLiteral("cache")));
    options.readFile = [](const QString& path) { return readRegularFile(path, kCap); };
    return options;
}

// How a row prepares the calendar's path inside `dir`.
enum class Make { File, Nothing, Folder, Fifo, DanglingLink, LinkToFile, OverCap, Device };

QString make(Make what, const QDir& dir) {
    const QString path = dir.filePath(QStringLiteral("calendar.ics"));
    const QString target = dir.filePath(QStringLiteral("target.ics"));
    switch (what) {
        case Make::File:
            write(path, kCalendar);
            break;
        case Make::Nothing:
            break;
        case Make::Folder:
            dir.mkdir(QStringLiteral("calendar.ics"));
            break;
        case Make::Fifo:
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
            break;
        case Make::DanglingLink:
            QFile::link(target, path);
            break;
        case Make::LinkToFile:
            write(target, kCalendar);
            QFile::link(target, path);
            break;
        case Make::OverCap:
            write(path, QByteArray(kCap + 1, 'x'));
            break;
        case Make::Device:
            return QStringLiteral("/dev/null");
    }
    return path;
}

}  // namespace

Q_DECLARE_METATYPE(Make)

class TestFileSources : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void watching_data();
    void watching();
};

void TestFileSources::reading_data() {
    QTest::addColumn<Make>("what");
    QTest::addColumn<Kind>("error");

    QTest::addRow("regular file") << Make::File << Kind::None;
    QTest::addRow("link to a file") << Make::LinkToFile << Kind::None;
    QTest::addRow("missing") << Make::Nothing << Kind::NotFound;
    QTest::addRow("directory") << Make::Folder << Kind::Directory;
    QTest::addRow("FIFO without a writer") << Make::Fifo << Kind::NotRegularFile;
    QTest::addRow("dangling link") << Make::DanglingLink << Kind::DanglingLink;
    QTest::addRow("device") << Make::Device << Kind::NotRegularFile;
    QTest::addRow("over the size cap") << Make::OverCap << Kind::TooLarge;
}

// Read at start through the sources; what is refused is refused before a byte is read, so a
// FIFO or a device cannot hang the program.
void TestFileSources::reading() {
    QFETCH(Make, what);
    QFETCH(Kind, error);
    QTemporaryDir root;
    const QString path = make(what, QDir(root.path()));
    Run run(root.path(), cappedOptions(root.path()));
    const QString id = run.list.addFile(path, QStringLiteral("Mine"), 0);
    run.sources.start();
    QCOMPARE(run.lastError().kind, error);
    QVERIFY(error == Kind::None || !run.lastError().detail.isEmpty());
    QCOMPARE(run.lastContent(), error == Kind::None ? kCalendar : QByteArray());
    QCOMPARE(run.list.source(id)->lastError.kind, error);
}

// One step of a row: what is done to the file, and what the sources must say of it.
struct Step {
    enum class Do { WriteInPlace, ReplaceByRename, Delete } action;
    QByteArray bytes;  // written, or expected (empty: NotFound expected)
};
using Steps = QList<Step>;
Q_DECLARE_METATYPE(Steps)

void TestFileSources::watching_data() {
    QTest::addColumn<Steps>("steps");
    using Do = Step::Do;

    QTest::addRow("change in place") << Steps{{Do::WriteInPlace, "B"}, {Do::WriteInPlace, "C"}};
    QTest::addRow("replace by rename, then in place")
        << Steps{{Do::ReplaceByRename, "B"}, {Do::WriteInPlace, "C"}};
    QTest::addRow("replace by rename twice")
        << Steps{{Do::ReplaceByRename, "B"}, {Do::ReplaceByRename, "C"}};
    QTest::addRow("delete and re-create")
        << Steps{{Do::Delete, {}}, {Do::WriteInPlace, "B"}, {Do::WriteInPlace, "C"}};
    QTest::addRow("re-created with the same bytes")
        << Steps{{Do::Delete, {}}, {Do::WriteInPlace, "A"}};
}

void TestFileSources::watching() {
    QFETCH(Steps, steps);
    QTemporaryDir root;
    const QDir dir(root.path());
    const QString path = dir.filePath(QStringLiteral("calendar.ics"));
    QVERIFY(write(path, "A"));
    Run run(root.path(), cappedOptions(root.path()));
    run.list.addFile(path, QStringLiteral("Mine"), 0);
    run.sources.start();
    QCOMPARE(run.lastContent(), QByteArray("A"));
    int contents = 1, failures = 0;
    for (const Step& step : steps) {
        const QString temporary = dir.filePath(QStringLiteral(".calendar.ics.swp"));
        switch (step.action) {
            case Step::Do::WriteInPlace:
                QVERIFY(write(path, step.bytes));
                break;
            case Step::Do::ReplaceByRename:
                QVERIFY(write(temporary, step.bytes));
                QVERIFY(::rename(QFile::encodeName(temporary), QFile::encodeName(path)) == 0);
                break;
            case Step::Do::Delete:
                QVERIFY(QFile::remove(path));
                break;
        }
        if (step.bytes.isEmpty()) {
            ++failures;
            QTRY_COMPARE_WITH_TIMEOUT(run.failed.size(), failures, kHangCheck);
            QCOMPARE(run.lastError().kind, Kind::NotFound);
        } else {
            ++contents;
            QTRY_COMPARE_WITH_TIMEOUT(run.content.size(), contents, kHangCheck);
            QCOMPARE(run.lastContent(), step.bytes);
        }
    }
    // Nothing more comes of the last step.
    QTest::qWait(200);
    QCOMPARE(run.content.size(), contents);
    QCOMPARE(run.failed.size(), failures);
}

QTEST_GUILESS_MAIN(TestFileSources)
#include "tst_file_sources.moc"
