// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The strip's sunrise and sunset labels show every time whole, whatever place, offset and
// clock the user has chosen, and overlap nothing.

#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"
#include "sun.h"

using namespace solvane;
using namespace solvane::test;

namespace {

// Every text the sun display can write for one kind of event: both clocks, each whole hour of
// the scan and each minute.
QStringList everyText(astro::EventKind kind) {
    QStringList texts;
    char text[astro::kMaxEventTextSize];
    for (bool military : {false, true}) {
        for (int hours = 0; hours <= 24; ++hours) {
            for (int minutes = 0; minutes < 60; ++minutes) {
                const char* end = astro::writeEventText(
                    text, kind, astro::EventTime{double(hours), double(minutes)}, military);
                texts << QString::fromLatin1(text, end - text);
            }
        }
    }
    return texts;
}

// The texts the label cannot show whole.
QStringList cutOff(const QLabel* label, const QStringList& texts) {
    const QFontMetrics metrics = label->fontMetrics();
    const int room = label->contentsRect().width();
    QStringList cut;
    for (const QString& text : texts) {
        if (metrics.horizontalAdvance(text) > room || metrics.boundingRect(text).right() >= room)
            cut << text;
    }
    return cut;
}

// The visible controls of the strip that a visible label overlaps, and any label that
// reaches past the window's edge.
QStringList overlaps(const TCalendar& calendar, const QLabel* label) {
    QStringList hit;
    if (!label->isVisibleTo(&calendar))
        return hit;
    const QRect inWindow(label->mapTo(&calendar, QPoint(0, 0)), label->size());
    if (!calendar.rect().contains(inWindow))
        hit << QStringLiteral("the window's edge");
    for (const QWidget* other :
         label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != label && other->isVisibleTo(&calendar) &&
            other->geometry().intersects(label->geometry()))
            hit << other->objectName();
    }
    return hit;
}

void verifyWhole(const AppFixture& app) {
    const auto* sunrise = child<QLabel>(*app.calendar, "Label3");
    const auto* sunset = child<QLabel>(*app.calendar, "Label4");
    for (const QLabel* label : {sunrise, sunset}) {
        QCOMPARE(cutOff(label, {label->text()}), QStringList());
        QCOMPARE(overlaps(*app.calendar, label), QStringList());
    }
    QCOMPARE(cutOff(sunrise, everyText(astro::Sunrise)), QStringList());
    QCOMPARE(cutOff(sunset, everyText(astro::Sunset)), QStringList());
}

}  // namespace

class SunLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void timesShowWhole_data();
    void timesShowWhole();
};

void SunLabelsTest::timesShowWhole_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("prefs");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<bool>("throughCompact");  // the three compact widths and back first
    const QStringList london =
        placePrefs("00", QString::fromUtf8("W°0.12"), QString::fromUtf8("N°51.5"), "6");
    QTest::addRow("London at +6: -11:28A and 10:04P") << QDate(2026, 11, 21) << london << "-11:28A"
                                                      << "10:04P" << false;
    QTest::addRow("Reykjavik at +7: -11:10A")
        << QDate(2026, 9, 1)
        << placePrefs("00", QString::fromUtf8("W°21.94"), QString::fromUtf8("N°64.15"), "7")
        << "-11:10A"
        << "15:44P" << false;
    QTest::addRow("Tokyo at -8: -12:28A and 12:40P")
        << QDate(2026, 9, 21)
        << placePrefs("00", QString::fromUtf8("E°139.69"), QString::fromUtf8("N°35.68"), "-8")
        << "-12:28A"
        << "12:40P" << false;
    QTest::addRow("New York at +10, 24-hour: -05:24 and 34:29")
        << QDate(2026, 6, 15)
        << placePrefs("10", QString::fromUtf8("W°73.99"), QString::fromUtf8("N°40.75"), "10")
        << "-05:24"
        << "34:29" << false;
    QTest::addRow("London at +6 after the compact views")
        << QDate(2026, 11, 21) << london << "-11:28A"
        << "10:04P" << true;
}

void SunLabelsTest::timesShowWhole() {
    QFETCH(QDate, today);
    QFETCH(QStringList, prefs);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(bool, throughCompact);
    AppFixture app(QDateTime(today, QTime(10, 0)), prefs);
    app.activate();
    if (throughCompact) {
        clickButton(*app.calendar, "SpeedButton8");
        for (int width : {2, 3, 1}) {
            QCOMPARE(app.state().CompactWidth, width);
            verifyWhole(app);
            clickButton(*app.calendar, "SpeedButton7");
        }
        clickButton(*app.calendar, "SpeedButton8");
        QVERIFY(!app.state().CompactMode);
    }
    QCOMPARE(labelText(*app.calendar, "Label3"), sunrise);
    QCOMPARE(labelText(*app.calendar, "Label4"), sunset);
    verifyWhole(app);
}

QTEST_MAIN(SunLabelsTest)
#include "tst_sun_labels.moc"
