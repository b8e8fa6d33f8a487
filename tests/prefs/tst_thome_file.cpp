// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The Parameters dialog and prefs.cal: what a load applies and announces, what a save writes,
// and what a bad, missing or unwritable file leaves.

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "fakeplatform.h"
#include "guard.h"
#include "prefs_file.h"
#include "thome_helpers.h"

using namespace solvane;
using namespace solvane::test;

class TestTHomeFile : public QObject {
    Q_OBJECT

private slots:
    void shippedFileHoldsTheDialogDefaults();
    void loadThenSave_data();
    void loadThenSave();
    void loadAnnouncesTheFile();
    void flagsOnlyEverSwitchOn_data();
    void flagsOnlyEverSwitchOn();
    void badColourLineStopsTheLoad_data();
    void badColourLineStopsTheLoad();
    void missingFileChangesNothing();
    void offsetIsSavedWithAPoint_data();
    void offsetIsSavedWithAPoint();
    void saveRefusesAPlaceItCannotKeep_data();
    void saveRefusesAPlaceItCannotKeep();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
};

void TestTHomeFile::shippedFileHoldsTheDialogDefaults() {
    test::FakePlatform fake;
    THome home(nullptr);
    // The system time zone is followed; an older file's two flags read as not following it.
    const QStringList shipped = withLine(kDefaults, 0, "001");
    QCOMPARE(prefs::splitLines(fileBytes(SOLVANE_DEFAULT_PREFS)), shipped);
    home.SavePreferences();
    QCOMPARE(fileBytes(fake.prefsPath()), fileBytes(SOLVANE_DEFAULT_PREFS));
    QCOMPARE(home.lines(), shipped);

    writeBytes(fake.prefsPath(), fileBytes(SOLVANE_DEFAULT_PREFS));
    home.LoadPreferences();
    QVERIFY(!checkBox(home, 1)->isChecked() && !checkBox(home, 2)->isChecked());
    QVERIFY(checkBox(home, 3)->isChecked());
    QCOMPARE(colourBox(home, 4)->ColorValue(), cl::Navy);
}

void TestTHomeFile::loadThenSave_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("saved");
    const QStringList place = withLine(
        withLine(withLine(kDefaults, 1, QStringLiteral("W°73.99")), 2, QStringLiteral("N°40.75")),
        3, "-3.5");
    QTest::addRow("round trip, extra flag characters kept")
        << prefs::joinLines(withLine(place, 0, "11xyz")) << withLine(place, 0, "11xyz");
    QTest::addRow("LF alone") << QByteArray(prefs::joinLines(place)).replace("\r\n", "\n") << place;
    QTest::addRow("CR alone") << QByteArray(prefs::joinLines(place)).replace("\r\n", "\r") << place;
    QTest::addRow("no break after the last line") << prefs::joinLines(place).chopped(2) << place;
    QTest::addRow("twelve lines save ten")
        << prefs::joinLines(place + QStringList{"x", "y"}) << place;
    QTest::addRow("offset 0 saved as an empty line")
        << prefs::joinLines(withLine(kDefaults, 3, "0")) << kDefaults;
    QTest::addRow("offset without its trailing zero")
        << prefs::joinLines(withLine(kDefaults, 3, "5.50")) << withLine(kDefaults, 3, "5.5");
    QTest::addRow("offset that is no number saved as 0")
        << prefs::joinLines(withLine(kDefaults, 3, "east")) << kDefaults;
    QTest::addRow("flags of one character")
        << prefs::joinLines(withLine(kDefaults, 0, "1")) << withLine(kDefaults, 0, "10");
    QTest::addRow("empty flags line") << prefs::joinLines(withLine(kDefaults, 0, "")) << kDefaults;
    QTest::addRow("system zone followed")
        << prefs::joinLines(withLine(place, 0, "011")) << withLine(place, 0, "011");
    QTest::addRow("system zone not followed, third flag kept")
        << prefs::joinLines(withLine(place, 0, "100")) << withLine(place, 0, "100");
    QTest::addRow("colour outside the sixteen")
        << prefs::joinLines(withLine(kDefaults, 4, "1234567")) << withLine(kDefaults, 4, "1234567");
    QTest::addRow("system colour") << prefs::joinLines(withLine(kDefaults, 9, "-16777201"))
                                   << withLine(kDefaults, 9, "-16777201");
}

void TestTHomeFile::loadThenSave() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, saved);
    test::FakePlatform fake;
    THome home(nullptr);
    writeBytes(fake.prefsPath(), file);
    home.LoadPreferences();
    home.SavePreferences();
    QCOMPARE(home.lines(), saved);
    QCOMPARE(fileBytes(fake.prefsPath()), prefs::joinLines(saved));
}

void TestTHomeFile::loadAnnouncesTheFile() {
    test::FakePlatform fake;
    THome home(nullptr);
    QSignalSpy colours(&home, &THome::colourChanged);
    QSignalSpy hints(&home, &THome::hintsChanged);
    const QStringList lines{"11",
                            QStringLiteral("W°73.99"),
                            QStringLiteral("N°40.75"),
                            "-3.5",
                            "255",
                            "32768",
                            "8421504",
                            "128",
                            "0",
                            "1234567"};
    fake.writePrefs(lines);
    home.LoadPreferences();
    QCOMPARE(home.lines(), lines);
    QCOMPARE(home.preferences().flags, "11");
    QVERIFY(checkBox(home, 1)->isChecked() && home.preferences().militaryTime);
    QVERIFY(checkBox(home, 2)->isChecked());
    QVERIFY(!hints.isEmpty() && hints.last().at(0).toBool());
    QCOMPARE(edit(home, "Edit2")->text(), QStringLiteral("W°73.99"));
    QCOMPARE(edit(home, "Edit1")->text(), QStringLiteral("N°40.75"));
    QCOMPARE(home.preferences().longitude, QStringLiteral("W°73.99"));
    QCOMPARE(offsetField(home)->Value(), -3.5);
    QCOMPARE(home.preferences().offset, -3.5);
    QCOMPARE(colourBox(home, 6)->ColorValue(), 1234567);
    QCOMPARE(colourBox(home, 6)->currentIndex(), -1);
    // The colours are announced in the order of their lines.
    const QMap<int, TColor> announced = lastAnnounced(colours);
    QCOMPARE(announced.size(), 6);
    for (int k = 0; k < 6; ++k)
        QCOMPARE(announced.value(k), lines.at(4 + k).toInt());
    QCOMPARE(colours.last().at(0).value<prefs::Colour>(), prefs::Colour::Outline);
    QCOMPARE(home.preferences().colour(prefs::Colour::Outline), 1234567);
    // 24-hour times that a load switches on are in force: saving them needs no restart.
    clickSave(home);
    QVERIFY(fake.boxes.isEmpty());
}

void TestTHomeFile::flagsOnlyEverSwitchOn_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("military");
    QTest::addColumn<bool>("hints");
    QTest::addRow("24-hour alone leaves hints") << "10"
                                                << "00" << true << false;
    QTest::addRow("hints alone leave 24-hour") << "01"
                                               << "00" << false << true;
    QTest::addRow("both on stay on") << "11"
                                     << "00" << true << true;
    QTest::addRow("one character") << "1"
                                   << "" << true << false;
}

void TestTHomeFile::flagsOnlyEverSwitchOn() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, military);
    QFETCH(bool, hints);
    test::FakePlatform fake;
    THome home(nullptr);
    QSignalSpy hintSwitch(&home, &THome::hintsChanged);
    for (const QString& flags : {first, second}) {
        fake.writePrefs(withLine(kDefaults, 0, flags));
        home.LoadPreferences();
    }
    QCOMPARE(home.preferences().militaryTime, military);
    QCOMPARE(checkBox(home, 1)->isChecked(), military);
    QCOMPARE(checkBox(home, 2)->isChecked(), hints);
    QCOMPARE(!hintSwitch.isEmpty() && hintSwitch.last().at(0).toBool(), hints);
}

void TestTHomeFile::badColourLineStopsTheLoad_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("applied");  // colours applied before the failure
    QTest::addColumn<QString>("error");
    const QStringList changed{"00", "W", "N", "2", "255", "128", "abc", "255", "255", "255"};
    QTest::addRow("abc on line 6") << changed << 2 << "'abc' is not a valid integer value";
    QTest::addRow("too large on line 4")
        << withLine(changed, 4, "4294967296") << 0 << "'4294967296' is not a valid integer value";
    QTest::addRow("file ends after line 8")
        << withLine(changed, 6, "0").mid(0, 9) << 5 << "'' is not a valid integer value";
}

void TestTHomeFile::badColourLineStopsTheLoad() {
    QFETCH(QStringList, lines);
    QFETCH(int, applied);
    QFETCH(QString, error);
    test::FakePlatform fake;
    THome home(nullptr);
    QSignalSpy colours(&home, &THome::colourChanged);
    fake.writePrefs(lines);
    guarded([&] { home.LoadPreferences(); });
    QCOMPARE(fake.boxTexts(), QStringList{error});
    QCOMPARE(home.lines(), lines);
    QList<int> announced;
    for (int k = 0; k < applied; ++k)
        announced << k;
    QCOMPARE(lastAnnounced(colours).keys(), announced);
    QCOMPARE(colourBox(home, 1)->ColorValue(), applied >= 1 ? 255 : cl::Blue);
    QCOMPARE(colourBox(home, 4)->ColorValue(), applied >= 4 ? 255 : cl::Navy);
    QCOMPARE(colourBox(home, 6)->ColorValue(), cl::Silver);
    QCOMPARE(edit(home, "Edit1")->text(), QString());
    QCOMPARE(edit(home, "Edit2")->text(), QString());
    QCOMPARE(offsetField(home)->Value(), 0.0);
    // The sun computation reads the place texts of the file all the same.
    QCOMPARE(home.preferences().latitude, lines.value(2));
    QCOMPARE(home.preferences().offset, 0.0);
}

void TestTHomeFile::missingFileChangesNothing() {
    test::FakePlatform fake;
    THome home(nullptr);
    const QStringList lines{"00", "W", "N", "1", "255", "128", "0", "0", "0", "0"};
    fake.writePrefs(lines);
    home.LoadPreferences();
    QVERIFY(QFile::remove(fake.prefsPath()));
    edit(home, "Edit1")->setText("edited");
    for (int run = 0; run < 2; ++run) {
        QCOMPARE(errorOf([&] { home.LoadPreferences(); }), "Cannot open file " + fake.prefsPath());
    }
    QCOMPARE(home.lines(), lines);
    QCOMPARE(edit(home, "Edit1")->text(), "edited");
    QCOMPARE(colourBox(home, 1)->ColorValue(), 255);
}

void TestTHomeFile::offsetIsSavedWithAPoint_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("hours");
    QTest::addRow("Newfoundland in French")
        << QLocale(QLocale::French, QLocale::France) << 48 << "-3.5" << -3.5;
    QTest::addRow("India in German")
        << QLocale(QLocale::German, QLocale::Germany) << 74 << "5.5" << 5.5;
    QTest::addRow("Newfoundland in English")
        << QLocale(QLocale::English, QLocale::UnitedStates) << 48 << "-3.5" << -3.5;
}

// Saved under one locale, the offset reads back the same under a point and a comma locale.
void TestTHomeFile::offsetIsSavedWithAPoint() {
    QFETCH(QLocale, locale);
    QFETCH(int, entry);
    QFETCH(QString, line);
    QFETCH(double, hours);
    test::FakePlatform fake;
    fake.writePrefs(kDefaults);
    QLocale::setDefault(locale);
    {
        THome home(nullptr);
        home.LoadPreferences();
        home.show();
        typeOffset(home, offsetList(home)->itemText(entry));
        clickSave(home);
        QVERIFY(home.isHidden());
    }
    QCOMPARE(prefs::splitLines(fileBytes(fake.prefsPath())).value(3), line);
    for (const QLocale& reader :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French)}) {
        QLocale::setDefault(reader);
        THome home(nullptr);
        home.LoadPreferences();
        QCOMPARE(offsetField(home)->Value(), hours);
    }
}

void TestTHomeFile::saveRefusesAPlaceItCannotKeep_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("refusal");  // empty: saved as pasted
    const QString latin1Only = QStringLiteral(
        "cannot be saved: prefs.cal holds only Western European (Latin-1) characters.");
    QTest::addRow("Łódź as latitude") << "Edit1" << QStringLiteral("Łódź")
                                      << QStringLiteral("The N°'/ S°' text \"Łódź\" ") + latin1Only;
    QTest::addRow("Polish name after the longitude")
        << "Edit2" << QStringLiteral("W°19.46 Łódź")
        << QStringLiteral("The W°'/ E°' text \"W°19.46 Łódź\" ") + latin1Only;
    QTest::addRow("latitude without degree sign") << "Edit1"
                                                  << "N40.75"
                                                  << "Invalid N/S degrees in preferences.";
    QTest::addRow("degrees and minutes")
        << "Edit2" << QStringLiteral("73°59'W") << "Invalid W/E degrees in preferences.";
    QTest::addRow("paste longer than the field holds")
        << "Edit1" << QStringLiteral("N°40.75") + QString(40000, u' ')
        << QStringLiteral("The N°'/ S°' text cannot be saved: it is longer than 32767 characters.");
    QTest::addRow("as long as the field holds")
        << "Edit1" << QStringLiteral("N°40.75") + QString(32760, u' ') << "";
    QTest::addRow("accented Latin-1 and a number")
        << "Edit2" << QStringLiteral("Bogotá W°74.08") << "";
    QTest::addRow("empty place reads as none") << "Edit1"
                                               << ""
                                               << "";
}

// A place text is pasted into its field and saved: it is written whole, or refused with a
// message and nothing is written.
void TestTHomeFile::saveRefusesAPlaceItCannotKeep() {
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, refusal);
    test::FakePlatform fake;
    const QStringList old = withLine(withLine(kDefaults, 1, "W°73.99"), 2, "N°40.75");
    fake.writePrefs(old);
    const QByteArray oldBytes = fileBytes(fake.prefsPath());
    THome home(nullptr);
    home.LoadPreferences();
    home.show();
    QLineEdit* place = edit(home, field.toLatin1().constData());
    QGuiApplication::clipboard()->setText(pasted);
    place->selectAll();
    QTest::keyClick(place, Qt::Key_V, Qt::ControlModifier);
    clickSave(home);
    if (refusal.isEmpty()) {
        QVERIFY(fake.boxes.isEmpty());
        const int line = field == "Edit1" ? prefs::kLatitudeLine : prefs::kLongitudeLine;
        QCOMPARE(prefs::splitLines(fileBytes(fake.prefsPath())).value(line), pasted);
        return;
    }
    QCOMPARE(fake.boxes, (QVector<test::Box>{{test::Box::Error, refusal}}));
    QVERIFY(home.isVisible());
    QCOMPARE(home.focusWidget(), place);
    QCOMPARE(fileBytes(fake.prefsPath()), oldBytes);
    QCOMPARE(home.lines(), old);
    home.hide();
}

void TestTHomeFile::failedSaveKeepsTheOldFile_data() {
    QTest::addColumn<bool>("folderInTheWay");
    QTest::addRow("the disk refuses the bytes") << false;
    QTest::addRow("a folder named prefs.cal") << true;
}

void TestTHomeFile::failedSaveKeepsTheOldFile() {
    QFETCH(bool, folderInTheWay);
    test::FakePlatform fake;
    THome home(nullptr);
    const QStringList old = withLine(kDefaults, 1, "an old longitude text, long enough");
    fake.writePrefs(old);
    home.LoadPreferences();
    home.show();
    edit(home, "Edit2")->selectAll();
    QTest::keyClicks(edit(home, "Edit2"), "74");
    const QByteArray oldBytes = fileBytes(fake.prefsPath());
    if (folderInTheWay) {
        QVERIFY(QFile::remove(fake.prefsPath()));
        QVERIFY(QDir(fake.path()).mkdir("prefs.cal"));
        clickSave(home);
    } else {
        FileSizeLimit limit(8);
        clickSave(home);
    }
    const QString reason = folderInTheWay ? "it is not a regular file" : "File too large";
    QCOMPARE(fake.boxes,
             (QVector<test::Box>{
                 {test::Box::Error, "Cannot create file " + fake.prefsPath() + ": " + reason}}));
    QVERIFY(home.isVisible());
    QCOMPARE(home.lines(), withLine(kDefaults, 1, "74"));
    QCOMPARE(home.preferences().longitude, "74");
    if (folderInTheWay) {
        QVERIFY(QFileInfo(fake.prefsPath()).isDir());
    } else {
        QCOMPARE(fileBytes(fake.prefsPath()), oldBytes);
    }
    QCOMPARE(QDir(fake.path()).entryList(QDir::Files | QDir::Hidden),
             folderInTheWay ? QStringList{} : QStringList{"prefs.cal"});
    home.hide();
}

QTEST_MAIN(TestTHomeFile)
#include "tst_thome_file.moc"
