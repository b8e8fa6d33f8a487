// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Where the settings live, for an install the user can write and for one that is read-only.

#include <QDir>
#include <QFile>
#include <QtTest>

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
    if (configThere) {
        QVERIFY(QDir().mkpath(home.path() + "/solvane"));
        write(config, kEarlier);
    }
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
}

void TestSettingsLocation::configHome_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("folder");
    QTest::addRow("set") << QByteArray("/srv/conf") << "/srv/conf";
    QTest::addRow("unset") << QByteArray() << QDir::homePath() + "/.config";
    QTest::addRow("relative is ignored") << QByteArray("conf") << QDir::homePath() + "/.config";
}

void TestSettingsLocation::configHome() {
    QFETCH(QByteArray, xdg);
    QFETCH(QString, folder);
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    if (xdg.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", xdg);
    const QString found = prefs::configHome();
    qputenv("XDG_CONFIG_HOME", previous);
    QCOMPARE(found, folder);
}

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settings_location.moc"
