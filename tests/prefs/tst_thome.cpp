// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The Parameters dialog on its own: its layout, the restart notice and the offset list. The
// colours and hint switch it announces are checked where they land, in the year view.

#include <QLabel>

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
    void offsetListSetsTheOffset_data();
    void offsetListSetsTheOffset();
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
    QCOMPARE(tabStops,
             (QStringList{"CheckBox1", "CheckBox2", "CheckBox3", "ColorComboBox1", "ColorComboBox2",
                          "ColorComboBox3", "ColorComboBox4", "ColorComboBox5", "ColorComboBox6",
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

QTEST_MAIN(TestTHome)
#include "tst_thome.moc"
