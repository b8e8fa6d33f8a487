// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Reading and saving prefs.cal among the things a file system can hold in its place.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "error.h"
#include "error_of.h"
#include "fakeplatform.h"
#include "prefs_file.h"

using namespace solvane;
using solvane::test::errorOf;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const QStringList kTenLines{"00", "", "", "", "1", "2", "3", "4", "5", "6"};
const QByteArray kTenLinesBytes("00\r\n\r\n\r\n\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");

// Puts at `path` a thing of the named kind, as a hostile or careless set-up would.
void makeKind(const QString& kind, const QString& path, const QString& folder) {
    const QByteArray native = QFile::encodeName(path);
    const QString other = folder + "/elsewhere";
    if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == "FIFO") {
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    } else if (kind == "link to a device") {
        QVERIFY(QFile::link("/dev/zero", path));
    } else if (kind == "link to a FIFO") {
        QCOMPARE(::mkfifo(QFile::encodeName(other).constData(), 0600), 0);
        QVERIFY(QFile::link(other, path));
    } else if (kind == "dangling link") {
        QVERIFY(QFile::link(other, path));
    } else if (kind == "link to a file") {
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old\r\n") == 5);
        QVERIFY(QFile::link(other, path));
    } else if (kind == "over 1 MiB") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(QByteArray(prefs::kMaxFileSize + 1, '1')) > 0);
    }
}
}  // namespace

class TestPrefsFileIo : public QObject {
    Q_OBJECT

private slots:
    void readFileFailsWithThePath_data();
    void readFileFailsWithThePath();
    void writeFileReplacesALongerFile();
    void writeFileThroughLinks_data();
    void writeFileThroughLinks();
    void writeFileNamesTheReason();
    void fileSizeLimitFailsTheSave();
    void saveClearsOnlyItsOwnLeftovers_data();
    void saveClearsOnlyItsOwnLeftovers();
    void folderNameThatIsNotUtf8();
    void noFolderIsNoRootFile();
};

void TestPrefsFileIo::readFileFailsWithThePath_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::addRow("missing") << "missing"
                             << "";
    QTest::addRow("a folder of that name") << "folder"
                                           << ": it is not a regular file";
    QTest::addRow("a FIFO, never waited on") << "FIFO"
                                             << ": it is not a regular file";
    QTest::addRow("a link to an endless device") << "link to a device"
                                                 << ": it is not a regular file";
    QTest::addRow("a file over 1 MiB") << "over 1 MiB"
                                       << ": it is larger than 1 MiB";
}

void TestPrefsFileIo::readFileFailsWithThePath() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    test::FakePlatform fake;
    makeKind(kind, fake.prefsPath(), fake.path());
    QCOMPARE(prefs::filePath(), fake.prefsPath());
    QCOMPARE(errorOf([] { prefs::readFile(prefs::filePath()); }),
             "Cannot open file " + fake.prefsPath() + reason);
}

void TestPrefsFileIo::writeFileReplacesALongerFile() {
    test::FakePlatform fake;
    fake.writePrefs(QStringList(12, QStringLiteral("a long old line")));
    const QStringList lines{"00", "", "", "", "1", "2", "3", "4", "5", "6"};
    prefs::writeFile(fake.prefsPath(), lines);
    QFile file(fake.prefsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("00\r\n\r\n\r\n\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n"));
    QCOMPARE(QDir(fake.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"prefs.cal"});
}

void TestPrefsFileIo::writeFileThroughLinks_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal");  // empty when the save goes through
    QTest::addRow("link to a regular file") << "link to a file"
                                            << "";
    QTest::addRow("link to a device") << "link to a device"
                                      << "it is a link to something that is not a regular file";
    QTest::addRow("link to a FIFO") << "link to a FIFO"
                                    << "it is a link to something that is not a regular file";
    QTest::addRow("dangling link") << "dangling link"
                                   << "it is a link to a missing file";
    QTest::addRow("FIFO") << "FIFO"
                          << "it is not a regular file";
}

void TestPrefsFileIo::writeFileThroughLinks() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    test::FakePlatform fake;
    makeKind(kind, fake.prefsPath(), fake.path());
    const QString elsewhere = fake.path() + "/elsewhere";
    const QStringList before =
        QDir(fake.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
    const QString error = errorOf([&] { prefs::writeFile(fake.prefsPath(), kTenLines); });
    QCOMPARE(QDir(fake.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), before);
    if (refusal.isEmpty()) {
        QCOMPARE(error, QString());
        QVERIFY(QFileInfo(fake.prefsPath()).isSymLink());
        QCOMPARE(contentOf(elsewhere), kTenLinesBytes);
        return;
    }
    QCOMPARE(error, "Cannot create file " + fake.prefsPath() + ": " + refusal);
    QVERIFY(kind == "FIFO" || QFileInfo(fake.prefsPath()).isSymLink());
    QVERIFY(kind != "dangling link" || !QFileInfo::exists(elsewhere));
    QVERIFY(kind != "link to a FIFO" || QFileInfo(elsewhere).isFile() == false);
}

void TestPrefsFileIo::writeFileNamesTheReason() {
    test::FakePlatform fake;
    const QString path = fake.path() + "/gone/prefs.cal";
    QCOMPARE(errorOf([&] { prefs::writeFile(path, kTenLines); }),
             "Cannot create file " + path + ": No such file or directory");
}

// Under a file size limit the save fails with its message and the program goes on; the old
// file stays as it was. Run in a child, as the limit and its signal are the process's.
void TestPrefsFileIo::fileSizeLimitFailsTheSave() {
    test::FakePlatform fake;
    fake.writePrefs({"old"});
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const QString error = errorOf([&] { prefs::writeFile(fake.prefsPath(), kTenLines); });
        const bool kept = contentOf(fake.prefsPath()) == "old\r\n";
        ::_exit(error.endsWith(": File too large") && kept ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(!WIFSIGNALED(status), "the save was killed by a signal");
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(QDir(fake.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"prefs.cal"});
}

void TestPrefsFileIo::saveClearsOnlyItsOwnLeftovers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::addRow("a save cut short") << ".prefs.cal.solvane-Ab12Cd" << true;
    QTest::addRow("the user's backup") << "prefs.cal.backup" << false;
    QTest::addRow("the user's dated copy") << "prefs.cal.2026v1" << false;
    QTest::addRow("six letters after the name") << "prefs.cal.Ab12Cd" << false;
    QTest::addRow("a longer hidden name") << ".prefs.cal.solvane-Ab12Cd7" << false;
    QTest::addRow("another file's leftover") << ".other.solvane-Ab12Cd" << false;
}

void TestPrefsFileIo::saveClearsOnlyItsOwnLeftovers() {
    QFETCH(QString, name);
    QFETCH(bool, removed);
    test::FakePlatform fake;
    fake.writePrefs({"old"});
    const QDir dir(fake.path());
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("a copy\r\n") == 8);
    file.close();
    QVERIFY(dir.mkdir(".prefs.cal.solvane-folder"));
    prefs::writeFile(fake.prefsPath(), kTenLines);
    QCOMPARE(QFileInfo::exists(dir.filePath(name)), !removed);
    QStringList expected{".prefs.cal.solvane-folder", "prefs.cal"};
    if (!removed)
        expected << name;
    expected.sort();
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
    QCOMPARE(contentOf(fake.prefsPath()), kTenLinesBytes);
}

// A folder named in Latin-1 bytes is reached as it is: nothing goes to the root or the
// working folder.
void TestPrefsFileIo::folderNameThatIsNotUtf8() {
    QTemporaryDir temporary;
    const QByteArray folder = QFile::encodeName(temporary.path()) + "/caf\xE9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    const QByteArray inside = folder + "/prefs.cal";
    const int fd = ::open(inside.constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0 && ::write(fd,
                               "11\r\nW\xB0"
                               "5\r\n",
                               8) == 8);
    ::close(fd);

    const QString name = usableFolderName(folder);
    QVERIFY(!name.isEmpty());
    QCOMPARE(prefs::readFile(name + "/prefs.cal"), (QStringList{"11", QStringLiteral("W°5")}));
    prefs::writeFile(name + "/prefs.cal", kTenLines);
    QCOMPARE(contentOf(name + "/prefs.cal"), kTenLinesBytes);
    struct stat info;
    QCOMPARE(::stat(inside.constData(), &info), 0);
    QCOMPARE(qint64(info.st_size), qint64(kTenLinesBytes.size()));
    // Messages name the real folder, not the way the program reaches it.
    const QString error = errorOf([&] { prefs::readFile(name + "/missing.cal"); });
    QVERIFY2(error.startsWith("Cannot open file " + temporary.path() + "/caf"), qPrintable(error));
    QVERIFY2(error.endsWith("/missing.cal"), qPrintable(error));
}

// A program folder that cannot be found is an error, never "/prefs.cal".
void TestPrefsFileIo::noFolderIsNoRootFile() {
    struct NoFolder final : ExecutableDir {
        QString path() const override { return QString(); }
    } noFolder;
    test::FakePlatform fake;
    Platform replacement;
    replacement.executableDir = &noFolder;
    const Platform previous = setPlatform(replacement);
    const QString error = errorOf([] { prefs::filePath(); });
    setPlatform(previous);
    QCOMPARE(error, "Cannot find the folder of the program");
    QCOMPARE(usableFolderName(QByteArray()), QString());
}

QTEST_MAIN(TestPrefsFileIo)
#include "tst_prefs_file_io.moc"
