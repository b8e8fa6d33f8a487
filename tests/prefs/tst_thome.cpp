// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The Parameters dialog on its own: its layout, the restart notice and the offset list. The
// colours and hint switch it announces are checked where they land, in the year view.

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "fakeplatform.h"
#include "prefs_file.h"
#include "system_zone_for_test.h"
#include "thome_helpers.h"

using namespace solvane;
using namespace solvane::test;

class TestTHome : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void everyVisibleFieldIsATabStop();
    void everyColourNameFitsItsBox();
    void offsetListSetsTheOffset_data();
    void offsetListSetsTheOffset();
    void offsetListFollowsALoadedOffset_data();
    void offsetListFollowsALoadedOffset();
    void offsetFieldPassesTheFocusOn();
    void saveTellsWhenARestartIsNeeded_data();
    void saveTellsWhenARestartIsNeeded();
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
    QTest::addRow("CheckBox3") << "CheckBox3" << QRect(7, 129, 177, 17)
                               << "Use the system time zone";
    QTest::addRow("Label5") << "Label5" << QRect(7, 4, -1, -1) << "Title Bar Color";
    QTest::addRow("Label8") << "Label8" << QRect(7, 86, -1, -1) << " Backgnd Color";
    QTest::addRow("Label11") << "Label11" << QRect(104, 86, -1, -1) << "Outline Color";
    QTest::addRow("ColorComboBox4") << "ColorComboBox4" << QRect(103, 20, 85, 20) << "";
    QTest::addRow("ColorComboBox6") << "ColorComboBox6" << QRect(103, 102, 85, 20) << "";
    QTest::addRow("Panel2") << "Panel2" << QRect(110, 158, 182, 26) << "";
    QTest::addRow("Save") << "SpeedButton54" << QRect(0, 0, 62, 23) << "Save";
}

// The box draws its swatch, a gap of 4 and then its text, uncut only when the text fits.
void TestTHome::everyColourNameFitsItsBox() {
    test::FakePlatform fake;
    const SystemZoneForTest noZone;
    THome home(nullptr);
    for (int k = 1; k <= 6; ++k) {
        auto* box = child<QComboBox>(home, "ColorComboBox" + QString::number(k));
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.iconSize = box->iconSize();
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, box);
        const int room = field.width() - box->iconSize().width() - 4 - 2;
        for (int i = 0; i < box->count(); ++i) {
            const int needed = box->fontMetrics().horizontalAdvance(box->itemText(i));
            QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                                                    .arg(box->itemText(i))
                                                    .arg(needed)
                                                    .arg(room)));
        }
    }
}

void TestTHome::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    test::FakePlatform fake;
    const SystemZoneForTest noZone;  // the list then shows no zone's offset
    THome home(nullptr);
    QCOMPARE(home.windowTitle(), "Parameters");
    QCOMPARE(home.size(), QSize(401, 186));
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

void TestTHome::everyVisibleFieldIsATabStop() {
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
    QCOMPARE(tabStops, (QStringList{"CalendarsButton", "CheckBox1", "CheckBox2", "CheckBox3",
                                    "ColorComboBox1", "ColorComboBox2", "ColorComboBox3",
                                    "ColorComboBox4", "ColorComboBox5", "ColorComboBox6",
                                    "ComboBox1", "CurrencyEditGMT3", "Edit1", "Edit2", "Panel2"}));
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

void TestTHome::offsetListFollowsALoadedOffset_data() {
    QTest::addColumn<int>("picked");
    QTest::addColumn<QString>("offsetLine");
    QTest::addColumn<int>("shown");  // the entry the list shows, -1 for none
    QTest::addRow("another offset loaded") << 87 << "-5" << 0;
    QTest::addRow("half hour loaded") << 0 << "9.5" << 85;
    QTest::addRow("offset 0 loaded") << 87 << "" << 23;
    QTest::addRow("offset of no entry") << 87 << "5.75" << -1;
    QTest::addRow("picked entry still matches") << 89 << "10" << 89;
}

// The user picks an entry, then the file is loaded again with another offset (changed by
// hand, or by the activation of the year view).
void TestTHome::offsetListFollowsALoadedOffset() {
    QFETCH(int, picked);
    QFETCH(QString, offsetLine);
    QFETCH(int, shown);
    test::FakePlatform fake;
    fake.writePrefs(kDefaults);
    THome home(nullptr);
    home.LoadPreferences();
    typeOffset(home, offsetList(home)->itemText(picked));
    fake.writePrefs(withLine(kDefaults, 3, offsetLine));
    home.LoadPreferences();
    QCOMPARE(offsetList(home)->currentIndex(), shown);
    QCOMPARE(offsetList(home)->currentText(),
             shown >= 0 ? offsetList(home)->itemText(shown) : QString());
    QCOMPARE(offsetList(home)->lineEdit()->cursorPosition(), 0);  // the entry's start shows
}

void TestTHome::offsetFieldPassesTheFocusOn() {
    test::FakePlatform fake;
    const SystemZoneForTest noZone;  // a followed zone greys the field
    THome home(nullptr);
    home.show();
    QCOMPARE(home.focusWidget(), child<QWidget>(home, "Edit1"));
    home.activateWindow();
    if (!QTest::qWaitForWindowActive(&home))
        QSKIP("the platform cannot activate windows");
    QTest::mouseClick(offsetField(home), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), offsetList(home));
    home.hide();
}

void TestTHome::saveTellsWhenARestartIsNeeded_data() {
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("military");  // 24-hour times in force after the save
    QTest::addRow("colour only") << "00"
                                 << "colour" << false << false;
    QTest::addRow("hints only") << "00"
                                << "hints" << false << false;
    QTest::addRow("nothing") << "00"
                             << "" << false << false;
    QTest::addRow("offset from the list") << "00"
                                          << "offset" << false << false;
    QTest::addRow("latitude typed and restored") << "00"
                                                 << "latitude" << false << false;
    QTest::addRow("longitude") << "00"
                               << "longitude" << false << false;
    QTest::addRow("24-hour times on at once") << "00"
                                              << "military" << false << true;
    QTest::addRow("24-hour times off") << "10"
                                       << "military" << true << true;
    QTest::addRow("24-hour times off and on again") << "10"
                                                    << "military twice" << false << true;
}

// Everything a save writes takes effect at once, except 24-hour times switched off: they
// stay in force until the program starts again.
void TestTHome::saveTellsWhenARestartIsNeeded() {
    QFETCH(QString, flags);
    QFETCH(QString, change);
    QFETCH(bool, notice);
    QFETCH(bool, military);
    test::FakePlatform fake;
    THome home(nullptr);
    fake.writePrefs(withLine(withLine(withLine(kDefaults, 0, flags), 2, "N°40"), 3, "-5"));
    home.LoadPreferences();
    home.show();
    if (change == "colour")
        pickAnotherColour(colourBox(home, 3));
    if (change == "hints")
        QTest::mouseClick(checkBox(home, 2), Qt::LeftButton);
    if (change == "offset")
        typeOffset(home, offsetList(home)->itemText(48));
    if (change == "latitude") {
        QTest::keyClick(edit(home, "Edit1"), Qt::Key_Space);
        QTest::keyClick(edit(home, "Edit1"), Qt::Key_Backspace);
    }
    if (change == "longitude")
        QTest::keyClicks(edit(home, "Edit2"), "74");
    if (change.startsWith("military"))
        QTest::mouseClick(checkBox(home, 1), Qt::LeftButton);
    if (change == "military twice")
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
    QCOMPARE(home.preferences().militaryTime, military);
}

QTEST_MAIN(TestTHome)
#include "tst_thome.moc"
