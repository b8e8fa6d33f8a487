// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The Parameters dialog over a stand-in year view: loading and saving prefs.cal, the restart
// notice, the offset list, hints and the six colours reaching the year view.

#include <sys/resource.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <csignal>
#include <memory>

#include "error.h"
#include "fakeplatform.h"
#include "guard.h"
#include "hints.h"
#include "prefs_file.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "year_view_targets.h"

using namespace solvane;

namespace {

const QStringList kDefaults{"00",    "",         "",        "",         "16711680",
                            "65535", "16777215", "8388608", "12632256", "12632256"};

// The main window as the dialog sees it: twelve month calendars and the panels Panel0 ..
// Panel41 found by name, a tool strip button inside Panel28, and the dialog as a child window.
struct YearView {
    QWidget window;
    std::array<TMonthCalendar*, 12> months{};
    std::array<TPanel*, 42> panels{};
    QToolButton* stripButton = nullptr;
    std::unique_ptr<THome> home;

    YearView() {
        for (int k = 1; k <= 12; ++k) {
            months[k - 1] = new TMonthCalendar(&window);
            months[k - 1]->setObjectName(QStringLiteral("MonthCalendar%1").arg(k));
        }
        for (int n = 0; n <= 41; ++n) {
            panels[n] = new TPanel(&window);
            panels[n]->setObjectName(QStringLiteral("Panel%1").arg(n));
        }
        stripButton = new QToolButton(panels[28]);
        stripButton->setObjectName("SpeedButton5");
        home = std::make_unique<THome>(&window, &window);
    }
    THome& dialog() { return *home; }
};

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
    void everyVisibleFieldIsATabStop();
    void shippedFileHoldsTheDialogDefaults();
    void loadThenSave_data();
    void loadThenSave();
    void loadAppliesTheFile();
    void flagsOnlyEverSwitchOn_data();
    void flagsOnlyEverSwitchOn();
    void badColourLineStopsTheLoad_data();
    void badColourLineStopsTheLoad();
    void missingFileChangesNothing();
    void offsetListSetsTheOffset_data();
    void offsetListSetsTheOffset();
    void offsetFieldPassesTheFocusOn();
    void showingClearsTheRestartFlag();
    void saveTellsWhenARestartIsNeeded_data();
    void saveTellsWhenARestartIsNeeded();
    void colourReachesItsTargets_data();
    void colourReachesItsTargets();
    void hintsOffKeepTheCalendarsHints();
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
    QTest::addRow("Label8") << "Label8" << QRect(7, 86, -1, -1) << " Backgnd Color";
    QTest::addRow("Label11") << "Label11" << QRect(104, 86, -1, -1) << "Outline Color";
    QTest::addRow("ColorComboBox6") << "ColorComboBox6" << QRect(103, 102, 85, 20) << "";
    QTest::addRow("Panel2") << "Panel2" << QRect(110, 136, 182, 26) << "";
    QTest::addRow("Save") << "SpeedButton54" << QRect(0, 0, 62, 23) << "Save";
}

void TestTHome::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    QCOMPARE(home.windowTitle(), "Parameters");
    QCOMPARE(home.size(), QSize(401, 164));
    QCOMPARE(home.minimumSize(), home.maximumSize());
    auto* control = home.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), place.topLeft());
    if (place.width() > 0)
        QCOMPARE(control->size(), place.size());
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    if (auto* box = qobject_cast<QCheckBox*>(control))
        QCOMPARE(box->text(), text);
    if (auto* button = qobject_cast<QToolButton*>(control))
        QCOMPARE(button->text(), text);

    QCOMPARE(home.ComboBox1->count(), 93);
    QCOMPARE(home.ComboBox1->currentIndex(), -1);
    QVERIFY(home.ComboBox1->isEditable());
    QVERIFY(home.CurrencyEditN1->isHidden() && home.CurrencyEditW2->isHidden());
    QCOMPARE(home.CurrencyEditN1->DisplayFormat(), "00.00");
    QCOMPARE(home.CurrencyEditGMT3->DisplayFormat(), "0");
}

void TestTHome::everyVisibleFieldIsATabStop() {
    test::FakePlatform fake;
    YearView view;
    QStringList tabStops;
    for (QWidget* control : view.dialog().findChildren<QWidget*>()) {
        if (control->isVisibleTo(&view.dialog()) && (control->focusPolicy() & Qt::TabFocus) &&
            !control->objectName().isEmpty()) {
            tabStops << control->objectName();
        }
    }
    tabStops.sort();
    QCOMPARE(tabStops,
             (QStringList{"CheckBox1", "CheckBox2", "ColorComboBox1", "ColorComboBox2",
                          "ColorComboBox3", "ColorComboBox4", "ColorComboBox5", "ColorComboBox6",
                          "ComboBox1", "CurrencyEditGMT3", "Edit1", "Edit2", "Panel2"}));
}

// The file installed beside the program loads to exactly what a fresh dialog holds, and a
// save writes it back byte for byte.
void TestTHome::shippedFileHoldsTheDialogDefaults() {
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    QCOMPARE(prefs::splitLines(fileBytes(SOLVANE_DEFAULT_PREFS)), kDefaults);
    home.SavePreferences();
    QCOMPARE(fileBytes(fake.prefsPath()), fileBytes(SOLVANE_DEFAULT_PREFS));
    QCOMPARE(home.Memo1, kDefaults);

    writeBytes(fake.prefsPath(), fileBytes(SOLVANE_DEFAULT_PREFS));
    home.LoadPreferences();
    QVERIFY(!home.CheckBox1->isChecked() && !home.CheckBox2->isChecked());
    QCOMPARE(home.ColorComboBox4->ColorValue(), cl::Navy);
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
    YearView view;
    THome& home = view.dialog();
    writeBytes(fake.prefsPath(), file);
    home.LoadPreferences();
    home.SavePreferences();
    QCOMPARE(home.Memo1, saved);
    QCOMPARE(fileBytes(fake.prefsPath()), prefs::joinLines(saved));
}

void TestTHome::loadAppliesTheFile() {
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    fake.writePrefs({"11", QStringLiteral("73°59'W"), QStringLiteral("40°45'N"), "-3.5", "255",
                     "32768", "8421504", "128", "0", "1234567"});
    home.LoadPreferences();
    QCOMPARE(home.PreferenceFlags, "11");
    QVERIFY(home.CheckBox1->isChecked());
    QCOMPARE(home.MilitaryTimeFlag, 1);
    QVERIFY(home.CheckBox2->isChecked());
    QVERIFY(showHint(view.stripButton));
    QCOMPARE(home.Edit2->text(), QStringLiteral("73°59'W"));
    QCOMPARE(home.Edit1->text(), QStringLiteral("40°45'N"));
    QCOMPARE(home.memoLine(1), QStringLiteral("73°59'W"));
    QCOMPARE(home.memoLine(12), QString());
    QCOMPARE(home.CurrencyEditGMT3->Value(), -3.5);
    QCOMPARE(home.ColorComboBox6->ColorValue(), 1234567);
    QCOMPARE(home.ColorComboBox6->currentIndex(), -1);
    QCOMPARE(yearview::windowColour(&view.window), 1234567);
    QCOMPARE(view.months[11]->CalColors(TMonthCalendar::TrailingTextColor), 0);
    // A load that checks "Display military time" counts as a change, as a click would.
    QCOMPARE(home.RestartNeeded, 1);
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
    YearView view;
    THome& home = view.dialog();
    for (const QString& flags : {first, second}) {
        fake.writePrefs(withLine(kDefaults, 0, flags));
        home.LoadPreferences();
    }
    QCOMPARE(home.MilitaryTimeFlag, military ? 1 : 0);
    QCOMPARE(home.CheckBox1->isChecked(), military);
    QCOMPARE(home.CheckBox2->isChecked(), hints);
    QCOMPARE(showHint(view.panels[27]), hints);
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
    YearView view;
    THome& home = view.dialog();
    const TColor calendarTitle = view.months[0]->CalColors(TMonthCalendar::TitleBackColor);
    const TColor coverText = view.panels[1]->FontColor();
    fake.writePrefs(lines);
    guarded([&] { home.LoadPreferences(); });
    QCOMPARE(fake.boxTexts(), QStringList{error});
    QCOMPARE(home.Memo1, lines);
    QCOMPARE(home.ColorComboBox1->ColorValue(), applied >= 1 ? 255 : cl::Blue);
    QCOMPARE(view.months[0]->CalColors(TMonthCalendar::TitleBackColor),
             applied >= 1 ? 255 : calendarTitle);
    QCOMPARE(view.panels[1]->FontColor(), applied >= 2 ? 128 : coverText);
    QCOMPARE(home.ColorComboBox4->ColorValue(), applied >= 4 ? 255 : cl::Navy);
    QCOMPARE(home.ColorComboBox6->ColorValue(), cl::Silver);
    QCOMPARE(home.Edit1->text(), QString());
    QCOMPARE(home.Edit2->text(), QString());
    QCOMPARE(home.CurrencyEditGMT3->Value(), 0.0);
}

void TestTHome::missingFileChangesNothing() {
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    const QStringList lines{"00", "W", "N", "1", "255", "128", "0", "0", "0", "0"};
    fake.writePrefs(lines);
    home.LoadPreferences();
    QVERIFY(QFile::remove(fake.prefsPath()));
    home.Edit1->setText("edited");
    for (int run = 0; run < 2; ++run) {
        QCOMPARE(errorOf([&] { home.LoadPreferences(); }), "Cannot open file " + fake.prefsPath());
    }
    QCOMPARE(home.Memo1, lines);
    QCOMPARE(home.Edit1->text(), "edited");
    QCOMPARE(home.ColorComboBox1->ColorValue(), 255);
}

void TestTHome::offsetListSetsTheOffset_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addRow("Newfoundland") << 48 << QString() << -3.5 << "-4";
    QTest::addRow("India shows 6") << 74 << QString() << 5.5 << "6";
    QTest::addRow("GMT with a point is 0") << 53 << QString() << 0.0 << "0";
    QTest::addRow("typed text that is no entry") << 74 << "Mars (+05:30)" << 2.0 << "2";
}

void TestTHome::offsetListSetsTheOffset() {
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    home.CurrencyEditGMT3->setValue(2);
    home.ComboBox1->setCurrentIndex(index);
    if (!typed.isNull())
        home.ComboBox1->setEditText(typed);
    home.ComboBox1Change();
    QCOMPARE(home.CurrencyEditGMT3->Value(), value);
    QCOMPARE(home.CurrencyEditGMT3->displayText(), shown);
}

void TestTHome::offsetFieldPassesTheFocusOn() {
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    home.show();
    home.activateWindow();
    if (!QTest::qWaitForWindowActive(&home))
        QSKIP("the platform cannot activate windows");
    home.CurrencyEditGMT3->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), home.ComboBox1);
    home.hide();
}

void TestTHome::showingClearsTheRestartFlag() {
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    home.Edit1->setText("40");
    QCOMPARE(home.RestartNeeded, 1);
    home.show();
    QCOMPARE(home.RestartNeeded, 0);
    QCOMPARE(home.focusWidget(), home.Edit1);
    home.hide();
}

void TestTHome::saveTellsWhenARestartIsNeeded_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("notice");
    QTest::addRow("colour only") << "colour" << false;
    QTest::addRow("hints only") << "hints" << false;
    QTest::addRow("nothing") << "" << false;
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
    YearView view;
    THome& home = view.dialog();
    fake.writePrefs(withLine(withLine(kDefaults, 2, "40N"), 3, "-5"));
    home.LoadPreferences();
    home.FormActivate();
    if (change == "colour")
        home.ColorComboBox3->setColorValue(cl::Aqua);
    if (change == "hints")
        home.CheckBox2->click();
    if (change == "offset" || change == "same offset") {
        home.ComboBox1->setCurrentIndex(change == "offset" ? 48 : 0);
        home.ComboBox1Change();
    }
    if (change == "latitude") {
        home.Edit1->setText("40");
        home.Edit1->setText("40N");
    }
    if (change == "longitude")
        home.Edit2->setText("74W");
    if (change == "military")
        home.CheckBox1->click();
    home.SpeedButton54Click();
    QCOMPARE(home.result(), int(QDialog::Accepted));
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

void TestTHome::colourReachesItsTargets_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("calendarSlot");  // -1: the calendars are not painted
    QTest::addColumn<QList<int>>("panelColours");
    QTest::addColumn<QList<int>>("panelTexts");
    QTest::addColumn<bool>("window");
    QList<int> covers, datePanels;
    for (int n = 1; n <= 24; ++n)
        covers << n;
    for (int n = 30; n <= 41; ++n)
        datePanels << n;
    QTest::addRow("Title Bar Color")
        << 1 << int(TMonthCalendar::TitleBackColor) << covers + datePanels << QList<int>{} << false;
    QTest::addRow("Title Text Color")
        << 2 << int(TMonthCalendar::TitleTextColor) << QList<int>{} << covers << false;
    QTest::addRow("Backgnd Color")
        << 3 << int(TMonthCalendar::MonthBackColor) << QList<int>{} << QList<int>{} << false;
    QTest::addRow("Text Color") << 4 << int(TMonthCalendar::TextColor) << QList<int>{}
                                << QList<int>{} << false;
    QTest::addRow("Trail Text Color")
        << 5 << int(TMonthCalendar::TrailingTextColor) << QList<int>{} << QList<int>{} << false;
    QTest::addRow("Outline Color") << 6 << -1 << QList<int>{0, 26} << QList<int>{} << true;
}

// Picking a colour paints its targets at once, before any save, and nothing else.
void TestTHome::colourReachesItsTargets() {
    QFETCH(int, box);
    QFETCH(int, calendarSlot);
    QFETCH(QList<int>, panelColours);
    QFETCH(QList<int>, panelTexts);
    QFETCH(bool, window);
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    const TColor before = view.panels[25]->Color();
    const TColor beforeText = view.panels[25]->FontColor();
    const TColor windowBefore = yearview::windowColour(&view.window);
    auto* colourBox = home.findChild<TColorComboBox*>(QStringLiteral("ColorComboBox%1").arg(box));
    colourBox->setColorValue(cl::Fuchsia);

    for (TMonthCalendar* calendar : view.months) {
        for (int slot = 1; slot <= 5; ++slot) {
            QCOMPARE(calendar->CalColors(slot) == cl::Fuchsia, slot == calendarSlot);
        }
    }
    for (int n = 0; n <= 41; ++n) {
        QCOMPARE(view.panels[n]->Color(), panelColours.contains(n) ? cl::Fuchsia : before);
        QCOMPARE(view.panels[n]->FontColor(), panelTexts.contains(n) ? cl::Fuchsia : beforeText);
    }
    QCOMPARE(yearview::windowColour(&view.window), window ? cl::Fuchsia : windowBefore);
    // The dialog's own panels of the same names are not the year view's.
    QCOMPARE(home.Panel1->Color(), 9482432);
    QVERIFY(!QFile::exists(fake.prefsPath()));
}

void TestTHome::hintsOffKeepTheCalendarsHints() {
    test::FakePlatform fake;
    YearView view;
    THome& home = view.dialog();
    home.CheckBox2->click();
    for (TMonthCalendar* calendar : view.months)
        QVERIFY(calendar->ShowHint());
    QVERIFY(showHint(view.panels[0]) && showHint(view.stripButton) && showHint(&view.window));
    QVERIFY(!showHint(home.Edit1));

    home.CheckBox2->click();
    for (TMonthCalendar* calendar : view.months)
        QVERIFY(calendar->ShowHint());
    QVERIFY(!showHint(view.panels[0]) && !showHint(view.stripButton));
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
    YearView view;
    THome& home = view.dialog();
    const QStringList old = withLine(kDefaults, 1, "an old longitude text, long enough");
    fake.writePrefs(old);
    home.LoadPreferences();
    home.Edit2->setText("W");
    const QByteArray oldBytes = fileBytes(fake.prefsPath());
    if (folderInTheWay) {
        QVERIFY(QFile::remove(fake.prefsPath()));
        QVERIFY(QDir(fake.path()).mkdir("prefs.cal"));
        guarded([&] { home.SpeedButton54Click(); });
    } else {
        FileSizeLimit limit(8);
        guarded([&] { home.SpeedButton54Click(); });
    }
    QCOMPARE(fake.boxes,
             (QVector<test::Box>{{test::Box::Error, "Cannot create file " + fake.prefsPath()}}));
    QCOMPARE(home.result(), int(QDialog::Rejected));
    QCOMPARE(home.Memo1, withLine(kDefaults, 1, "W"));
    if (folderInTheWay) {
        QVERIFY(QFileInfo(fake.prefsPath()).isDir());
    } else {
        QCOMPARE(fileBytes(fake.prefsPath()), oldBytes);
    }
    QCOMPARE(QDir(fake.path()).entryList(QDir::Files | QDir::Hidden),
             folderInTheWay ? QStringList{} : QStringList{"prefs.cal"});
}

QTEST_MAIN(TestTHome)
#include "tst_thome.moc"
