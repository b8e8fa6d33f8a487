// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The year view follows the Parameters dialog: a colour picked there paints its targets in
// the window at once, and the Hints box switches the window's hints.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "app_fixture.h"
#include "hints.h"
#include "moon_picture.h"
#include "system_zone_for_test.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"

using namespace solvane;
using namespace solvane::test;

namespace {

TPanel* panel(const AppFixture& app, int n) {
    return app.calendar->findChild<TPanel*>(QStringLiteral("Panel%1").arg(n));
}

QWidget* control(const AppFixture& app, const char* name) {
    return app.calendar->findChild<QWidget*>(QLatin1String(name));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Steps a colour box of the dialog to its next colour by key, as a user does.
TColor pickAnotherColour(const AppFixture& app, int k) {
    auto* box = app.home()->findChild<TColorComboBox*>(QStringLiteral("ColorComboBox%1").arg(k));
    const TColor before = box->ColorValue();
    QTest::keyClick(box, Qt::Key_Down);
    if (box->ColorValue() == before)
        QTest::keyClick(box, Qt::Key_Up);
    return box->ColorValue();
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void colourReachesItsTargets_data();
    void colourReachesItsTargets();
    void hintsOffKeepTheCalendarsHints();
    void dialogOpensOnTheSettingsInForce_data();
    void dialogOpensOnTheSettingsInForce();
    void saveShowsTheNewSunAtOnce_data();
    void saveShowsTheNewSunAtOnce();
};

void TestSettings::colourReachesItsTargets_data() {
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
void TestSettings::colourReachesItsTargets() {
    QFETCH(int, box);
    QFETCH(int, calendarSlot);
    QFETCH(QList<int>, panelColours);
    QFETCH(QList<int>, panelTexts);
    QFETCH(bool, window);
    AppFixture app;
    app.activate();
    openYearEntry(*app.calendar);  // its box keeps its own colours
    QList<TColor> colours, texts, calendarColours;
    for (int n = 0; n <= 41; ++n) {
        colours << panel(app, n)->Color();
        texts << panel(app, n)->FontColor();
    }
    for (int slot = 1; slot <= 5; ++slot)
        calendarColours << app.month(1)->CalColors(slot);
    const QColor windowBefore = app.calendar->palette().color(QPalette::Window);
    const QByteArray savedBefore = fileBytes(app.platform.prefsPath());

    const TColor picked = pickAnotherColour(app, box);
    QCOMPARE_NE(picked, prefs::kDefaultColours[box - 1]);
    for (int k = 1; k <= 12; ++k) {
        for (int slot = 1; slot <= 5; ++slot) {
            QCOMPARE(app.month(k)->CalColors(slot),
                     slot == calendarSlot ? picked : calendarColours[slot - 1]);
        }
    }
    for (int n = 0; n <= 41; ++n) {
        QCOMPARE(panel(app, n)->Color(), panelColours.contains(n) ? picked : colours[n]);
        QCOMPARE(panel(app, n)->FontColor(), panelTexts.contains(n) ? picked : texts[n]);
    }
    QCOMPARE(app.calendar->palette().color(QPalette::Window),
             window ? toQColor(picked) : windowBefore);
    QCOMPARE(app.home()->preferences().colours[box - 1], picked);
    QCOMPARE(fileBytes(app.platform.prefsPath()), savedBefore);  // picking saves nothing
}

void TestSettings::hintsOffKeepTheCalendarsHints() {
    AppFixture app;
    app.home()->show();
    auto* hints = app.home()->findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
    QTest::mouseClick(hints, Qt::LeftButton);
    for (int k = 1; k <= 12; ++k)
        QVERIFY(app.month(k)->ShowHint());
    QVERIFY(showHint(panel(app, 0)) && showHint(control(app, "SpeedButton5")));
    QVERIFY(showHint(app.calendar.get()));
    QVERIFY(!showHint(app.home()->findChild<QWidget*>(QStringLiteral("Edit1"))));

    QTest::mouseClick(hints, Qt::LeftButton);
    for (int k = 1; k <= 12; ++k)
        QVERIFY(app.month(k)->ShowHint());
    QVERIFY(!showHint(panel(app, 0)) && !showHint(control(app, "SpeedButton5")));
    app.home()->hide();
}

void TestSettings::saveShowsTheNewSunAtOnce_data() {
    QTest::addColumn<QStringList>("prefs");
    QTest::addColumn<QString>("latitude");  // typed over the field's text; null: left alone
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<int>("offsetEntry");  // picked from the Offset List; -1: none
    QTest::addColumn<bool>("clickMilitary");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<int>("moon");  // the picture after the save
    const QStringList newYork = placePrefs("00", "W°73.99", "N°40.75", "-5");
    const QStringList london = placePrefs("00", "W°0.12", "N°51.5", "");
    QTest::addRow("New York to London") << newYork << "51.5"
                                        << "0.12" << 23 << false << "6:06A"
                                        << "5:34P" << false << 14;
    QTest::addRow("offset only") << london << QString() << QString() << 24 << false << "7:06A"
                                 << "6:34P" << false << 14;
    QTest::addRow("24-hour times on") << london << QString() << QString() << -1 << true << "06:06"
                                      << "17:34" << false << 14;
    QTest::addRow("24-hour times off wait for a restart")
        << placePrefs("10", "W°0.12", "N°51.5", "") << QString() << QString() << -1 << true
        << "06:06"
        << "17:34" << true << 14;
}

// The strip shows today's sun for what was saved as soon as the dialog closes; only what
// cannot take effect before the next start brings the restart notice.
void TestSettings::saveShowsTheNewSunAtOnce() {
    QFETCH(QStringList, prefs);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(int, offsetEntry);
    QFETCH(bool, clickMilitary);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(bool, notice);
    QFETCH(int, moon);
    AppFixture app(QDateTime(QDate(2001, 10, 3), QTime(10, 0)), prefs);
    app.activate();
    app.home()->show();
    for (const auto& [name, text] : {std::pair{"Edit1", latitude}, std::pair{"Edit2", longitude}}) {
        if (text.isNull())
            continue;
        auto* field = app.home()->findChild<QLineEdit*>(QLatin1String(name));
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    if (offsetEntry >= 0) {
        auto* list = app.home()->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), list->itemText(offsetEntry));
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    }
    if (clickMilitary)
        QTest::mouseClick(app.home()->findChild<QCheckBox*>(QStringLiteral("CheckBox1")),
                          Qt::LeftButton);
    QTest::mouseClick(app.home()->findChild<QToolButton*>(QStringLiteral("SpeedButton54")),
                      Qt::LeftButton);
    QVERIFY(app.home()->isHidden());
    QCOMPARE(labelText(*app.calendar, "Label3"), sunrise);
    QCOMPARE(labelText(*app.calendar, "Label4"), sunset);
    // Today's moon at 6 PM on the new clock: from -5 to London's 0 it moves five hours back,
    // from just past the full moon (picture 15) to the full moon itself.
    QCOMPARE(app.calendar->findChild<QLabel*>("Image3")->pixmap().toImage(),
             moonPicture(moon).toImage());
    QCOMPARE(app.platform.boxTexts(),
             notice ? QStringList{"The program must be restarted for this option to take effect."}
                    : QStringList{});
}

QTEST_MAIN(TestSettings)
// The dialog is made when the user first opens it, after any number of loads: it shows the
// settings in force then, as a dialog that had followed every load would.
void TestSettings::dialogOpensOnTheSettingsInForce_data() {
    QTest::addColumn<QList<QStringList>>("files");  // loaded in turn, one per activation
    QTest::addColumn<bool>("military");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("offsetEntry");
    QTest::addColumn<int>("titleBar");
    const QString north = QString::fromUtf8("N°40.75");
    const QString west = QString::fromUtf8("W°73.99");
    QStringList red = placePrefs("11", west, north, "-5");
    red[4] = "255";
    QTest::addRow("one load") << QList<QStringList>{red} << true << true << north
                              << "Eastern         (-5:00)" << 255;
    // The file no longer asks for 24-hour times or hints: both stay on until the next start.
    QTest::addRow("switches stay on")
        << QList<QStringList>{red, placePrefs("00", west, north, "5.5")} << true << true << north
        << "India (+05:30) Bombay, Calcutta, Madras, New Delhi" << int(cl::Blue);
    // A bad colour line ends the load: the colours before it hold, the place texts are read.
    QStringList broken = placePrefs("00", west, QString::fromUtf8("S°33.87"), "10");
    broken[4] = "128";
    broken[5] = "abc";
    QTest::addRow("a load cut short")
        << QList<QStringList>{red, broken} << true << true << QString::fromUtf8("S°33.87")
        << "Eastern         (-5:00)" << 128;
    QTest::addRow("nothing loaded")
        << QList<QStringList>{} << false << false << QString() << QString() << int(cl::Blue);
}

void TestSettings::dialogOpensOnTheSettingsInForce() {
    QFETCH(QList<QStringList>, files);
    QFETCH(bool, military);
    QFETCH(bool, hints);
    QFETCH(QString, latitude);
    QFETCH(QString, offsetEntry);
    QFETCH(int, titleBar);
    const SystemZoneForTest noZone;  // the fixed offset is shown
    AppFixture app(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), {});
    for (const QStringList& file : files) {
        app.platform.writePrefs(file);
        app.activate();
    }
    app.platform.boxes.clear();
    app.calendar->showModally = [](QDialog&) {};
    clickButton(*app.calendar, "SpeedButton4");
    const THome* dialog = app.home();
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked(), military);
    QCOMPARE(dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->isChecked(), hints);
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), latitude);
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText(),
             offsetEntry);
    QCOMPARE(dialog->findChild<TColorComboBox*>(QStringLiteral("ColorComboBox1"))->ColorValue(),
             titleBar);
    QVERIFY(app.platform.boxes.isEmpty());
}

#include "tst_settings.moc"
