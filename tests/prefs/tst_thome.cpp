// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The Parameters dialog on its own: loading and saving prefs.cal, the restart notice, the
// offset list, and the colours and hint switch it announces.

#include <sys/resource.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <csignal>

#include "error.h"
#include "fakeplatform.h"
#include "guard.h"
#include "prefs_file.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "thome.h"
#include "tpanel.h"

using namespace solvane;

namespace {

const QStringList kDefaults{"00",    "",         "",        "",         "16711680",
                            "65535", "16777215", "8388608", "12632256", "12632256"};

template <typename T>
T* child(const QWidget& parent, const QString& name) {
    auto* found = parent.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QLineEdit* edit(const THome& home, const char* name) {
    return child<QLineEdit>(home, QLatin1String(name));
}
QCheckBox* checkBox(const THome& home, int k) {
    return child<QCheckBox>(home, QStringLiteral("CheckBox%1").arg(k));
}
TColorComboBox* colourBox(const THome& home, int k) {
    return child<TColorComboBox>(home, QStringLiteral("ColorComboBox%1").arg(k));
}
TCurrencyEdit* offsetField(const THome& home) {
    return child<TCurrencyEdit>(home, QStringLiteral("CurrencyEditGMT3"));
}
QComboBox* offsetList(const THome& home) {
    return child<QComboBox>(home, QStringLiteral("ComboBox1"));
}
// The colour each announcement of the spy's dialog named last, by colour box (0 .. 5).
QMap<int, TColor> lastAnnounced(const QSignalSpy& colours) {
    QMap<int, TColor> last;
    for (const QList<QVariant>& announcement : colours)
        last[int(announcement.at(0).value<prefs::Colour>())] = announcement.at(1).toInt();
    return last;
}

// Steps a colour box to its next colour by key, as a user does.
void pickAnotherColour(TColorComboBox* box) {
    const TColor before = box->ColorValue();
    QTest::keyClick(box, Qt::Key_Down);
    if (box->ColorValue() == before)
        QTest::keyClick(box, Qt::Key_Up);
}

void clickSave(const THome& home) {
    QTest::mouseClick(child<QToolButton>(home, QStringLiteral("SpeedButton54")), Qt::LeftButton);
}

// Types the text into the Offset List's edit part and presses Enter, as a user picks an entry
// by name.
void typeOffset(const THome& home, const QString& text) {
    QLineEdit* line = offsetList(home)->lineEdit();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.text();
    }
    return QString();
}

QStringList withLine(QStringList lines, int index, const QString& text) {
    lines[index] = text;
    return lines;
}

// Makes every write of more than `bytes` bytes to a file fail, until destroyed.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace

class TestTHome : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void onlyPanel2AndTheColourBoxesAreTabStops();
    void shippedFileHoldsTheDialogDefaults();
    void loadThenSave_data();
    void loadThenSave();
    void loadAnnouncesTheFile();
    void flagsOnlyEverSwitchOn_data();
    void flagsOnlyEverSwitchOn();
    void badColourLineStopsTheLoad_data();
    void badColourLineStopsTheLoad();
    void missingFileChangesNothing();
    void offsetListSetsTheOffset_data();
    void offsetListSetsTheOffset();
    void offsetFieldPassesTheFocusOn();
    void saveTellsWhenARestartIsNeeded_data();
    void saveTellsWhenARestartIsNeeded();
    void pickedColourIsAnnouncedAtOnce_data();
    void pickedColourIsAnnouncedAtOnce();
    void hintsSwitchIsAnnounced();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
};

void TestTHome::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::addRow("Edit1") << "Edit1" << QRect(63, 8, 121, 21) << "";
    QTest::addRow("Label2") << "Label2" << QRect(22, 12, -1, -1) << QStringLiteral("N°'/ S°'");
    QTest::addRow("Label1") << "Label1" << QRect(20, 36, -1, -1) << QStringLiteral("W°'/ E°'");
    QTest::addRow("Label3") << "Label3" << QRect(5, 61, -1, -1) << "GMT Offset";
    QTest::addRow("Label4") << "Label4" << QRect(13, 85, -1, -1) << "Offset List";
    QTest::addRow("GMT offset") << "CurrencyEditGMT3" << QRect(63, 57, 121, 21) << "";
    QTest::addRow("Offset List") << "ComboBox1" << QRect(63, 81, 121, 21) << "";
    QTest::addRow("CheckBox1") << "CheckBox1" << QRect(7, 107, -1, -1) << "Display military time";
    QTest::addRow("CheckBox2") << "CheckBox2" << QRect(139, 107, 45, 17) << "Hints";
    QTest::addRow("Label5") << "Label5" << QRect(7, 4, -1, -1) << "Title Bar Color";
    QTest::addRow("Label8") << "Label8" << QRect(7, 86, -1, -1) << " Backgnd Color";
    QTest::addRow("Label11") << "Label11" << QRect(104, 86, -1, -1) << "Outline Color";
    QTest::addRow("ColorComboBox4") << "ColorComboBox4" << QRect(103, 20, 85, 20) << "";
    QTest::addRow("ColorComboBox6") << "ColorComboBox6" << QRect(103, 102, 85, 20) << "";
    QTest::addRow("Panel2") << "Panel2" << QRect(110, 136, 182, 26) << "";
    QTest::addRow("Save") << "SpeedButton54" << QRect(0, 0, 62, 23) << "Save";
}

void TestTHome::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    test::FakePlatform fake;
    THome home(nullptr);
    QCOMPARE(home.windowTitle(), "Parameters");
    QCOMPARE(home.size(), QSize(401, 164));
    QCOMPARE(home.minimumSize(), home.maximumSize());
    auto* control = child<QWidget>(home, name);
    QCOMPARE(control->pos(), place.topLeft());
    if (place.width() > 0)
        QCOMPARE(control->size(), place.size());
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    if (auto* box = qobject_cast<QCheckBox*>(control))
        QCOMPARE(box->text(), text);
    if (auto* button = qobject_cast<QToolButton*>(control))
        QCOMPARE(button->text(), text);

    QCOMPARE(offsetList(home)->count(), 93);
    QCOMPARE(offsetList(home)->currentIndex(), -1);
    QVERIFY(offsetList(home)->isEditable());
    auto* latitudeNumber = child<TCurrencyEdit>(home, "CurrencyEditN1");
    QVERIFY(latitudeNumber->isHidden() && child<QWidget>(home, "CurrencyEditW2")->isHidden());
    QCOMPARE(latitudeNumber->DisplayFormat(), "00.00");
    QCOMPARE(offsetField(home)->DisplayFormat(), "0");
}

void TestTHome::onlyPanel2AndTheColourBoxesAreTabStops() {
    test::FakePlatform fake;
    THome home(nullptr);
    QStringList tabStops;
    for (QWidget* control : home.findChildren<QWidget*>()) {
        if (control->isVisibleTo(&home) && (control->focusPolicy() & Qt::TabFocus) &&
            !control->objectName().isEmpty()) {
            tabStops << control->objectName();
        }
    }
    tabStops.sort();
    QCOMPARE(tabStops,
             (QStringList{"ColorComboBox1", "ColorComboBox2", "ColorComboBox3", "ColorComboBox4",
                          "ColorComboBox5", "ColorComboBox6", "Panel2"}));
}

// The file installed beside the program loads to exactly what a fresh dialog holds, and a
// save writes it back byte for byte.
void TestTHome::shippedFileHoldsTheDialogDefaults() {
    test::FakePlatform fake;
    THome home(nullptr);
    QCOMPARE(prefs::splitLines(fileBytes(SOLVANE_DEFAULT_PREFS)), kDefaults);
    home.SavePreferences();
    QCOMPARE(fileBytes(fake.prefsPath()), fileBytes(SOLVANE_DEFAULT_PREFS));
    QCOMPARE(home.lines(), kDefaults);

    writeBytes(fake.prefsPath(), fileBytes(SOLVANE_DEFAULT_PREFS));
    home.LoadPreferences();
    QVERIFY(!checkBox(home, 1)->isChecked() && !checkBox(home, 2)->isChecked());
    QCOMPARE(colourBox(home, 4)->ColorValue(), cl::Navy);
}

void TestTHome::loadThenSave_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("saved");
    const QStringList place = withLine(
        withLine(withLine(kDefaults, 1, QStringLiteral("73°59'W")), 2, QStringLiteral("40°45'N")),
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
    QTest::addRow("colour outside the sixteen")
        << prefs::joinLines(withLine(kDefaults, 4, "1234567")) << withLine(kDefaults, 4, "1234567");
    QTest::addRow("system colour") << prefs::joinLines(withLine(kDefaults, 9, "-16777201"))
                                   << withLine(kDefaults, 9, "-16777201");
}

void TestTHome::loadThenSave() {
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

void TestTHome::loadAnnouncesTheFile() {
    test::FakePlatform fake;
    THome home(nullptr);
    QSignalSpy colours(&home, &THome::colourChanged);
    QSignalSpy hints(&home, &THome::hintsChanged);
    const QStringList lines{"11",
                            QStringLiteral("73°59'W"),
                            QStringLiteral("40°45'N"),
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
    QCOMPARE(edit(home, "Edit2")->text(), QStringLiteral("73°59'W"));
    QCOMPARE(edit(home, "Edit1")->text(), QStringLiteral("40°45'N"));
    QCOMPARE(home.preferences().longitude, QStringLiteral("73°59'W"));
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
    // A load that checks "Display military time" counts as a change, as a click would.
    clickSave(home);
    QCOMPARE(fake.boxes.size(), 1);
}

void TestTHome::flagsOnlyEverSwitchOn_data() {
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

void TestTHome::flagsOnlyEverSwitchOn() {
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

void TestTHome::badColourLineStopsTheLoad_data() {
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

void TestTHome::badColourLineStopsTheLoad() {
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

void TestTHome::missingFileChangesNothing() {
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

void TestTHome::offsetListSetsTheOffset_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addRow("Newfoundland") << 48 << QString() << -3.5 << "-4";
    QTest::addRow("India shows 6") << 74 << QString() << 5.5 << "6";
    QTest::addRow("GMT with a point is 0") << 53 << QString() << 0.0 << "0";
    QTest::addRow("typed text that is no entry") << 74 << "Mars (+05:30)" << 5.5 << "6";
}

void TestTHome::offsetListSetsTheOffset() {
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    test::FakePlatform fake;
    fake.writePrefs(withLine(kDefaults, 3, "2"));
    THome home(nullptr);
    home.LoadPreferences();
    typeOffset(home, offsetList(home)->itemText(index));
    if (!typed.isNull())
        typeOffset(home, typed);
    QCOMPARE(offsetField(home)->Value(), value);
    QCOMPARE(offsetField(home)->displayText(), shown);
    QCOMPARE(home.preferences().offset, value);
}

void TestTHome::offsetFieldPassesTheFocusOn() {
    test::FakePlatform fake;
    THome home(nullptr);
    home.show();
    QCOMPARE(home.focusWidget(), child<QWidget>(home, "Panel2"));
    home.activateWindow();
    if (!QTest::qWaitForWindowActive(&home))
        QSKIP("the platform cannot activate windows");
    QTest::mouseClick(offsetField(home), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), offsetList(home));
    home.hide();
}

void TestTHome::saveTellsWhenARestartIsNeeded_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("notice");
    QTest::addRow("colour only") << "colour" << false;
    QTest::addRow("hints only") << "hints" << false;
    QTest::addRow("nothing") << "" << false;
    QTest::addRow("typed before the dialog opened") << "before" << false;
    QTest::addRow("offset from the list") << "offset" << true;
    QTest::addRow("the offset already set") << "same offset" << false;
    QTest::addRow("latitude typed and restored") << "latitude" << true;
    QTest::addRow("longitude") << "longitude" << true;
    QTest::addRow("24-hour times") << "military" << true;
}

void TestTHome::saveTellsWhenARestartIsNeeded() {
    QFETCH(QString, change);
    QFETCH(bool, notice);
    test::FakePlatform fake;
    THome home(nullptr);
    fake.writePrefs(withLine(withLine(kDefaults, 2, "40N"), 3, "-5"));
    home.LoadPreferences();
    if (change == "before")
        edit(home, "Edit1")->setText("40");
    home.show();  // opening the dialog forgets earlier changes
    if (change == "colour")
        pickAnotherColour(colourBox(home, 3));
    if (change == "hints")
        QTest::mouseClick(checkBox(home, 2), Qt::LeftButton);
    if (change == "offset" || change == "same offset")
        typeOffset(home, offsetList(home)->itemText(change == "offset" ? 48 : 0));
    if (change == "latitude") {
        QTest::keyClick(edit(home, "Edit1"), Qt::Key_Space);
        QTest::keyClick(edit(home, "Edit1"), Qt::Key_Backspace);
    }
    if (change == "longitude")
        QTest::keyClicks(edit(home, "Edit2"), "74W");
    if (change == "military")
        QTest::mouseClick(checkBox(home, 1), Qt::LeftButton);
    clickSave(home);
    QCOMPARE(home.result(), int(QDialog::Accepted));
    QVERIFY(home.isHidden());
    if (notice) {
        QCOMPARE(fake.boxes, (QVector<test::Box>{{test::Box::Warning,
                                                  "The program must be restarted for this "
                                                  "option to take effect."}}));
        QCOMPARE(fake.pointerMoves, QVector<QPoint>{QPoint(970, 570)});
    } else {
        QVERIFY(fake.boxes.isEmpty());
        QVERIFY(fake.pointerMoves.isEmpty());
    }
}

void TestTHome::pickedColourIsAnnouncedAtOnce_data() {
    QTest::addColumn<int>("box");
    for (int k = 1; k <= 6; ++k)
        QTest::addRow("ColorComboBox%d", k) << k;
}

// Picking a colour announces it at once, before any save, and nothing else.
void TestTHome::pickedColourIsAnnouncedAtOnce() {
    QFETCH(int, box);
    test::FakePlatform fake;
    THome home(nullptr);
    QSignalSpy colours(&home, &THome::colourChanged);
    pickAnotherColour(colourBox(home, box));
    const TColor picked = colourBox(home, box)->ColorValue();
    QCOMPARE_NE(picked, prefs::kDefaultColours[box - 1]);
    QCOMPARE(lastAnnounced(colours), (QMap<int, TColor>{{box - 1, picked}}));
    QCOMPARE(home.preferences().colours[box - 1], picked);
    QVERIFY(!QFile::exists(fake.prefsPath()));
}

void TestTHome::hintsSwitchIsAnnounced() {
    test::FakePlatform fake;
    THome home(nullptr);
    home.show();
    QSignalSpy hints(&home, &THome::hintsChanged);
    QTest::mouseClick(checkBox(home, 2), Qt::LeftButton);
    QTest::mouseClick(checkBox(home, 2), Qt::LeftButton);
    QCOMPARE(hints.count(), 2);
    QCOMPARE(hints.at(0).at(0).toBool(), true);
    QCOMPARE(hints.at(1).at(0).toBool(), false);
    home.hide();
}

void TestTHome::failedSaveKeepsTheOldFile_data() {
    QTest::addColumn<bool>("folderInTheWay");
    QTest::addRow("the disk refuses the bytes") << false;
    QTest::addRow("a folder named prefs.cal") << true;
}

// The new file replaces the old one only once it is written whole: a failure leaves the old
// file byte for byte, reports the path and keeps the dialog open without a notice.
void TestTHome::failedSaveKeepsTheOldFile() {
    QFETCH(bool, folderInTheWay);
    test::FakePlatform fake;
    THome home(nullptr);
    const QStringList old = withLine(kDefaults, 1, "an old longitude text, long enough");
    fake.writePrefs(old);
    home.LoadPreferences();
    home.show();
    edit(home, "Edit2")->selectAll();
    QTest::keyClicks(edit(home, "Edit2"), "W");
    const QByteArray oldBytes = fileBytes(fake.prefsPath());
    if (folderInTheWay) {
        QVERIFY(QFile::remove(fake.prefsPath()));
        QVERIFY(QDir(fake.path()).mkdir("prefs.cal"));
        clickSave(home);
    } else {
        FileSizeLimit limit(8);
        clickSave(home);
    }
    QCOMPARE(fake.boxes,
             (QVector<test::Box>{{test::Box::Error, "Cannot create file " + fake.prefsPath()}}));
    QVERIFY(home.isVisible());
    QCOMPARE(home.lines(), withLine(kDefaults, 1, "W"));
    QCOMPARE(home.preferences().longitude, "W");
    if (folderInTheWay) {
        QVERIFY(QFileInfo(fake.prefsPath()).isDir());
    } else {
        QCOMPARE(fileBytes(fake.prefsPath()), oldBytes);
    }
    QCOMPARE(QDir(fake.path()).entryList(QDir::Files | QDir::Hidden),
             folderInTheWay ? QStringList{} : QStringList{"prefs.cal"});
    home.hide();
}

QTEST_MAIN(TestTHome)
#include "tst_thome.moc"
