// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Where the settings live, for an install the user can write and for one that is read-only.

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <filesystem>
#include <iterator>

#include "error_of.h"
#include "prefs_file.h"
#include "settings_location.h"

using namespace solvane;

namespace {

// Tests may run as root, who can write everywhere: the folders that count as read-only are
// named here instead of made so.
QStringList readOnly;
bool fakeCanWrite(const QString& path) {
    return !readOnly.contains(path);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

const QByteArray kBeside(
    "11\r\nW\xB0"
    "73.99\r\nN\xB0"
    "40.75\r\n-5\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
const QByteArray kDefaults(
    "00\r\n\r\n\r\n\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n");
const QByteArray kEarlier("10\r\n\r\n\r\n\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");

}  // namespace

class TestSettingsLocation : public QObject {
    Q_OBJECT

private slots:
    void settingsFile_data();
    void settingsFile();
    void configHome_data();
    void configHome();
    void cacheHome_data();
    void cacheHome();
    void configHomeWithoutHome();
    void configHomeThatIsNotUtf8_data();
    void configHomeThatIsNotUtf8();
    void noHomeIsSaid();
};

void TestSettingsLocation::settingsFile_data() {
    QTest::addColumn<bool>("besideThere");
    QTest::addColumn<QString>("readOnlyPlace");  // "", "folder" or "file"
    QTest::addColumn<bool>("configThere");
    QTest::addColumn<bool>("inConfig");
    QTest::addColumn<QByteArray>("content");  // of the file chosen
    QTest::addRow("writable beside the program") << true << "" << false << false << kBeside;
    QTest::addRow("beside wins over an older copy") << true << "" << true << false << kBeside;
    QTest::addRow("none yet, folder writable: beside as before")
        << false << "" << false << false << QByteArray();
    QTest::addRow("system install: seeded from beside")
        << true << "folder" << false << true << kBeside;
    QTest::addRow("system install without prefs.cal: defaults")
        << false << "folder" << false << true << kDefaults;
    QTest::addRow("read-only prefs.cal: seeded from it")
        << true << "file" << false << true << kBeside;
    QTest::addRow("seeded once, then kept") << true << "folder" << true << true << kEarlier;
}

void TestSettingsLocation::settingsFile() {
    QFETCH(bool, besideThere);
    QFETCH(QString, readOnlyPlace);
    QFETCH(bool, configThere);
    QFETCH(bool, inConfig);
    QFETCH(QByteArray, content);
    QTemporaryDir program, home;
    const QString beside = program.filePath("prefs.cal");
    const QString config = home.path() + "/solvane/prefs.cal";
    if (besideThere)
        write(beside, kBeside);
    // The user's own copy beside the settings outlives the seeding and every save.
    const QString copy = home.path() + "/solvane/prefs.cal.backup";
    QVERIFY(QDir().mkpath(home.path() + "/solvane"));
    write(copy, kEarlier);
    if (configThere)
        write(config, kEarlier);
    readOnly.clear();
    if (readOnlyPlace == "folder")
        readOnly << program.path() << beside;
    else if (readOnlyPlace == "file")
        readOnly << beside;

    const QString chosen = prefs::settingsFile(program.path(), home.path(), fakeCanWrite);
    QCOMPARE(chosen, inConfig ? config : beside);
    QCOMPARE(contentOf(chosen), content);
    QCOMPARE(QFileInfo::exists(config), inConfig || configThere);
    // The same ten lines whichever file: a seeded one reads like the one beside the program.
    if (!content.isEmpty())
        QCOMPARE(prefs::readFile(chosen), prefs::splitLines(content));
    QCOMPARE(contentOf(beside), besideThere ? kBeside : QByteArray());
    QCOMPARE(contentOf(copy), kEarlier);
}

void TestSettingsLocation::configHome_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArray>("account");  // the home in the password database
    QTest::addColumn<QString>("folder");
    QTest::addRow("set") << QByteArray("/srv/conf") << QByteArray("/home/a") << QByteArray("/b")
                         << "/srv/conf";
    QTest::addRow("unset") << QByteArray() << QByteArray("/home/a") << QByteArray("/b")
                           << "/home/a/.config";
    QTest::addRow("relative is ignored")
        << QByteArray("conf") << QByteArray("/home/a") << QByteArray("/b") << "/home/a/.config";
    QTest::addRow("home with a final slash")
        << QByteArray() << QByteArray("/home/a/") << QByteArray("/b") << "/home/a/.config";
    QTest::addRow("no HOME: the account's home")
        << QByteArray() << QByteArray() << QByteArray("/var/lib/b") << "/var/lib/b/.config";
    QTest::addRow("relative HOME: the account's home")
        << QByteArray() << QByteArray("a") << QByteArray("/var/lib/b") << "/var/lib/b/.config";
    QTest::addRow("root's home is no root folder")
        << QByteArray() << QByteArray() << QByteArray("/") << "/.config";
    QTest::addRow("no home anywhere") << QByteArray() << QByteArray() << QByteArray() << "";
}

void TestSettingsLocation::configHome() {
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, account);
    QFETCH(QString, folder);
    QCOMPARE(prefs::configHome(xdg, home, account), folder);
}

// The environment as a start without HOME has it: the home comes from the password database,
// never "//.config" at the root.
void TestSettingsLocation::cacheHome_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArray>("account");
    QTest::addColumn<QString>("folder");
    QTest::addRow("set") << QByteArray("/srv/cache") << QByteArray("/home/a") << QByteArray("/b")
                         << "/srv/cache";
    QTest::addRow("unset") << QByteArray() << QByteArray("/home/a") << QByteArray("/b")
                           << "/home/a/.cache";
    QTest::addRow("relative is ignored")
        << QByteArray("cache") << QByteArray("/home/a/") << QByteArray("/b") << "/home/a/.cache";
    QTest::addRow("no HOME: the account's home")
        << QByteArray() << QByteArray() << QByteArray("/var/lib/b") << "/var/lib/b/.cache";
    QTest::addRow("no home anywhere") << QByteArray() << QByteArray() << QByteArray() << "";
}

void TestSettingsLocation::cacheHome() {
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, account);
    QFETCH(QString, folder);
    QCOMPARE(prefs::cacheHome(xdg, home, account), folder);
}

void TestSettingsLocation::configHomeWithoutHome() {
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    const QString found = prefs::configHome();
    qputenv("XDG_CONFIG_HOME", xdg);
    qputenv("HOME", home);
    QVERIFY2(!found.startsWith("//"), qPrintable(found));
    const passwd* account = ::getpwuid(::geteuid());
    QVERIFY(account && account->pw_dir);
    QString expected = QFile::decodeName(QByteArray(account->pw_dir));
    if (expected.endsWith('/'))
        expected.chop(1);
    QCOMPARE(found, expected + "/.config");
}

// A configuration folder named in Latin-1 bytes is the one the settings go to, made when
// missing: not a folder named with U+FFFD in its place.
void TestSettingsLocation::configHomeThatIsNotUtf8_data() {
    QTest::addColumn<bool>("exists");
    QTest::addRow("existing folder") << true;
    QTest::addRow("folder yet to be made") << false;
}

void TestSettingsLocation::configHomeThatIsNotUtf8() {
    QFETCH(bool, exists);
    QTemporaryDir program, home;
    const QByteArray xdg = QFile::encodeName(home.path()) + "/conf\xE9/sub";
    if (exists) {
        QCOMPARE(::mkdir((QFile::encodeName(home.path()) + "/conf\xE9").constData(), 0700), 0);
        QCOMPARE(::mkdir(xdg.constData(), 0700), 0);
    }
    const QString found = prefs::configHome(xdg, "/nowhere", "/nowhere");
    QVERIFY(!found.isEmpty());
    // Every load asks again: the folder is opened once, not once per question.
    QCOMPARE(prefs::configHome(xdg, "/nowhere", "/nowhere"), found);
    readOnly = {program.path()};
    const QString chosen = prefs::settingsFile(program.path(), found, fakeCanWrite);
    QCOMPARE(prefs::readFile(chosen), prefs::splitLines(kDefaults));
    struct stat info;
    QCOMPARE(::stat((xdg + "/solvane/prefs.cal").constData(), &info), 0);
    QCOMPARE(qint64(info.st_size), qint64(kDefaults.size()));
    // Nothing went beside it under another name; then away with the folder Qt cannot name.
    const std::filesystem::path top(QFile::encodeName(home.path()).toStdString());
    QCOMPARE(std::distance(std::filesystem::directory_iterator(top), {}), 1);
    std::filesystem::remove_all(top / "conf\xE9");
}

// With the program's folder read-only and no home to be found, the load says why.
void TestSettingsLocation::noHomeIsSaid() {
    QTemporaryDir program;
    readOnly = {program.path()};
    const QString error =
        test::errorOf([&] { prefs::settingsFile(program.path(), {}, fakeCanWrite); });
    QVERIFY2(error.startsWith("Cannot find the folder for the settings"), qPrintable(error));
    QVERIFY(error.contains("HOME"));
}

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settings_location.moc"
