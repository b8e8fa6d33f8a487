// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Year navigation, the year entry box and clicks on days.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"
#include "umedit.h"

using namespace solvane;
using namespace solvane::test;

namespace {

const QString kYearWarning = QStringLiteral("Year must be between 1700 and 3000");

QStringList hints(const AppFixture& app) {
    QStringList all;
    for (int k = 1; k <= 12; ++k)
        all << app.month(k)->Hint();
    return all;
}

QStringList noHints() {
    return QStringList(12, QString());
}

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void yearSteps_data();
    void yearSteps();
    void yearsAtTheEdges_data();
    void yearsAtTheEdges();
    void compactSteps_data();
    void compactSteps();
    void yearEntryOpens();
    void yearEntry_data();
    void yearEntry();
    void yearEntryClickSelectsAll();
    void dayClick();
    void dayClickWithTheMouse();
    void trailingDayReturnsToThisYear();
    void spanOfTwoClicks_data();
    void spanOfTwoClicks();
};

void TestNavigation::yearSteps_data() {
    QTest::addColumn<QString>("buttons");  // p previous, n next, y year button
    QTest::addColumn<int>("year");
    QTest::addRow("previous") << "p" << 2025;
    QTest::addRow("previous, next") << "pn" << 2026;
    QTest::addRow("next twice") << "nn" << 2028;
    QTest::addRow("next, year button") << "nny" << 2026;
    QTest::addRow("year button from the past") << "pppy" << 2026;
}

void TestNavigation::yearSteps() {
    QFETCH(QString, buttons);
    QFETCH(int, year);
    AppFixture app;
    app.activate();
    app.month(4)->setHint(QStringLiteral("26.100"));
    for (QChar button : buttons) {
        QToolButton* pressed = button == 'p'   ? child<QToolButton>(*app.calendar, "SpeedButton11")
                               : button == 'n' ? child<QToolButton>(*app.calendar, "SpeedButton9")
                                               : child<QToolButton>(*app.calendar, "SpeedButton10");
        pressed->click();
    }
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(app.month(k)->Date(), QDate(year, k, 1));
    QCOMPARE(app.title(1), QStringLiteral("January %1").arg(year));
    QCOMPARE(child<QToolButton>(*app.calendar, "SpeedButton10")->text(), QStringLiteral("2026"));
    QCOMPARE(hints(app), noHints());
    QCOMPARE(app.calendar->state().RedateMode, RedateMode::FromToday);
    QVERIFY(app.platform.boxes.isEmpty());
}

void TestNavigation::yearsAtTheEdges_data() {
    QTest::addColumn<int>("year");
    QTest::addRow("1700") << 1700;
    QTest::addRow("3000") << 3000;
}

void TestNavigation::yearsAtTheEdges() {
    QFETCH(int, year);
    AppFixture app;
    app.activate();
    showYear(*app.calendar, year);
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(app.month(k)->Date(), QDate(year, k, 1));
        QCOMPARE(app.title(k), QDate(year, k, 1).toString(QStringLiteral("MMMM yyyy")));
    }
}

void TestNavigation::compactSteps_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<bool>("toJanuary");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("expectedFirst");
    QTest::addColumn<QDate>("expectedSecond");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("expectedToJanuary");
    QTest::addRow("next from December 2026")
        << QDate(2026, 12, 1) << true << "n" << QDate(2027, 1, 1) << QDate(2027, 2, 1) << "Dec 2026"
        << false;
    QTest::addRow("previous from January 2026")
        << QDate(2026, 1, 1) << false << "p" << QDate(2025, 12, 1) << QDate(2026, 1, 1)
        << "Dec 2026" << false;
    QTest::addRow("year button to January")
        << QDate(2026, 12, 1) << true << "y" << QDate(2026, 1, 1) << QDate(2026, 2, 1) << "Dec 2026"
        << false;
    QTest::addRow("year button to this month")
        << QDate(2027, 3, 1) << false << "y" << QDate(2026, 12, 1) << QDate(2027, 1, 1)
        << "Jan 2026" << true;
}

// Compact mode itself is switched elsewhere; here only the navigation's own compact branches.
void TestNavigation::compactSteps() {
    QFETCH(QDate, first);
    QFETCH(bool, toJanuary);
    QFETCH(QString, button);
    QFETCH(QDate, expectedFirst);
    QFETCH(QDate, expectedSecond);
    QFETCH(QString, caption);
    QFETCH(bool, expectedToJanuary);
    AppFixture app;
    app.activate();
    clickButton(*app.calendar, "SpeedButton8");  // compact mode, year button to January
    QVERIFY(app.state().CompactMode && app.state().YearButtonToJanuary);
    if (!toJanuary)
        clickButton(*app.calendar, "SpeedButton10");
    QCOMPARE(app.state().YearButtonToJanuary, toJanuary);
    app.month(1)->setDate(first);
    app.calendar->redate(RedateMode::KeepFirst);
    if (button == "n")
        child<QToolButton>(*app.calendar, "SpeedButton9")->click();
    if (button == "p")
        child<QToolButton>(*app.calendar, "SpeedButton11")->click();
    if (button == "y")
        child<QToolButton>(*app.calendar, "SpeedButton10")->click();
    QCOMPARE(app.month(1)->Date(), expectedFirst);
    QCOMPARE(app.month(2)->Date(), expectedSecond);
    QCOMPARE(app.title(2), expectedSecond.toString(QStringLiteral("MMMM yyyy")));
    QCOMPARE(child<QToolButton>(*app.calendar, "SpeedButton10")->text(), caption);
    QCOMPARE(app.calendar->state().YearButtonToJanuary, expectedToJanuary);
    for (int n : {1, 3, 5})
        QCOMPARE(panel(*app.calendar, n)->Caption(), QString());
    QCOMPARE(panel(*app.calendar, 7)->Caption(), QStringLiteral("4 "));
}

void TestNavigation::yearEntryOpens() {
    AppFixture app;
    app.activate();
    app.platform.pointerMoves.clear();
    app.month(2)->setHint(QStringLiteral("26.040"));
    child<QToolButton>(*app.calendar, "SpeedButton6")->click();
    QVERIFY(panel(*app.calendar, 25)->isVisibleTo(app.calendar.get()));
    QCOMPARE(hints(app), noHints());
    // Over "OK": the vertical sum takes Panel29's Left (47), not its Top.
    QCOMPARE(app.platform.pointerMoves, QVector<QPoint>{app.corner() + QPoint(413, 284)});
}

void TestNavigation::yearEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enterKey");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<int>("year");  // 0: the view keeps 2026
    QTest::addColumn<bool>("warned");
    QTest::addRow("1700") << "1700" << false << "1700" << 1700 << false;
    QTest::addRow("3000") << "3000" << false << "3000" << 3000 << false;
    QTest::addRow("1699 warns") << "1699" << false << "1699" << 0 << true;
    QTest::addRow("3001 warns") << "3001" << false << "3001" << 0 << true;
    QTest::addRow("00 warns") << "00" << false << "00" << 0 << true;
    QTest::addRow("Enter acts as OK") << "1999" << true << "1999" << 1999 << false;
    QTest::addRow("Enter on a bad year warns") << "999" << true << "999" << 0 << true;
    QTest::addRow("letters and minus never arrive")
        << "-2a0b3c0" << false << "2030" << 2030 << false;
    QTest::addRow("leading zero") << "02001" << false << "02001" << 2001 << false;
    QTest::addRow("empty closes") << "" << false << "" << 0 << false;
    QTest::addRow("0 closes") << "0" << true << "0" << 0 << false;
}

void TestNavigation::yearEntry() {
    QFETCH(QString, typed);
    QFETCH(bool, enterKey);
    QFETCH(QString, fieldText);
    QFETCH(int, year);
    QFETCH(bool, warned);
    AppFixture app;
    app.activate();
    child<QToolButton>(*app.calendar, "SpeedButton6")->click();
    TumNumberEdit* field = child<TumNumberEdit>(*app.calendar, "umNumberEdit1");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), fieldText);
    app.platform.pointerMoves.clear();
    if (enterKey)
        QTest::keyClick(field, Qt::Key_Return);
    else
        child<QToolButton>(*app.calendar, "SpeedButton54")->click();

    const bool open = panel(*app.calendar, 25)->isVisibleTo(app.calendar.get());
    QCOMPARE(open, warned);
    QCOMPARE(app.month(1)->Date(), QDate(year ? year : 2026, 1, 1));
    QCOMPARE(app.month(12)->Date(), QDate(year ? year : 2026, 12, 1));
    if (warned) {
        const QVector<Box> warning{{Box::Warning, kYearWarning}};
        QCOMPARE(app.platform.boxes, warning);
        // Desktop 1920 x 1080: its centre plus (10, 37).
        QCOMPARE(app.platform.pointerMoves, QVector<QPoint>{QPoint(970, 577)});
    } else {
        QVERIFY(app.platform.boxes.isEmpty());
        // Back over the year entry button.
        QCOMPARE(app.platform.pointerMoves, QVector<QPoint>{app.corner() + QPoint(426, 467)});
    }
}

void TestNavigation::yearEntryClickSelectsAll() {
    AppFixture app;
    app.calendar->show();
    QTRY_VERIFY(app.calendar->state().FirstActivated);
    child<QToolButton>(*app.calendar, "SpeedButton6")->click();
    TumNumberEdit* field = child<TumNumberEdit>(*app.calendar, "umNumberEdit1");
    field->setText(QStringLiteral("1984"));
    field->deselect();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(field->selectedText(), QStringLiteral("1984"));
    QTest::keyClicks(field, QStringLiteral("2001"));
    QCOMPARE(field->text(), QStringLiteral("2001"));
}

void TestNavigation::dayClick() {
    AppFixture app;
    app.activate();
    app.month(3)->setHint(QStringLiteral("26.060"));
    app.month(5)->setDate(QDate(2026, 5, 15));
    app.month(12)->setDate(QDate(2026, 12, 7));
    clickDay(app.month(12), 7);

    QStringList expected = noHints();
    expected[11] = QStringLiteral("26.341");
    QCOMPARE(hints(app), expected);
    QCOMPARE(app.month(12)->Date(), QDate(2026, 12, 7));
    for (int k = 1; k <= 11; ++k)
        QCOMPARE(app.month(k)->Date(), QDate(2026, k, 1));
    QCOMPARE(app.calendar->windowTitle(),
             QStringLiteral("Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341"));
    QCOMPARE(child<QLabel>(*app.calendar, "Label3")->palette().color(QPalette::WindowText),
             toQColor(cl::Maroon));
    QCOMPARE(child<QLabel>(*app.calendar, "Label4")->palette().color(QPalette::WindowText),
             toQColor(cl::Maroon));
    QCOMPARE(app.calendar->state().SunDisplayCountdown, 300);
}

void TestNavigation::dayClickWithTheMouse() {
    AppFixture app(
        QDateTime(QDate(2026, 12, 7), QTime(10, 0)),
        placePrefs("00", QString::fromUtf8("W°73.99"), QString::fromUtf8("N°40.75"), "-5"));
    app.calendar->show();
    QTRY_VERIFY(app.calendar->state().FirstActivated);
    showYear(*app.calendar, 1992);
    clickDay(app.month(6), 19);
    QCOMPARE(app.month(6)->Date(), QDate(1992, 6, 19));
    QCOMPARE(app.month(6)->Hint(), QStringLiteral("92.171"));
    QCOMPARE(child<QLabel>(*app.calendar, "Label3")->text(), QStringLiteral("4:24A"));
    QCOMPARE(child<QLabel>(*app.calendar, "Label4")->text(), QStringLiteral("7:30P"));
    QCOMPARE(app.calendar->windowTitle(),
             QStringLiteral("Solvane     Today:  (12) Dec 07, 2026     Julian: 92.171"));
}

void TestNavigation::trailingDayReturnsToThisYear() {
    AppFixture app;
    app.calendar->show();
    QTRY_VERIFY(app.calendar->state().FirstActivated);
    QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    child<QToolButton>(*app.calendar, "SpeedButton9")->click();
    QCOMPARE(app.title(1), QStringLiteral("January 2027"));
    // January 2027 ends on a Sunday: the grid's last rows show February's first days.
    clickDay(app.month(1), 3, true);
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(app.month(k)->Date(), QDate(2026, k, 1));
    QCOMPARE(hints(app), noHints());
    QCOMPARE(app.calendar->windowTitle(),
             QStringLiteral("Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341"));
    // No calendar keeps the keyboard focus.
    QCOMPARE(QApplication::focusWidget(), panel(*app.calendar, 1));
}

void TestNavigation::spanOfTwoClicks_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("caption");
    QTest::addRow("forward in June 1992")
        << QDate(1992, 6, 19) << QDate(1992, 6, 25)
        << "Solvane     Today:  (12) Dec 07, 2026     Julian: 92.177     6/19/92 > 6/25/92 = 7";
    QTest::addRow("same day twice")
        << QDate(2026, 12, 7) << QDate(2026, 12, 7)
        << "Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341     12/7/26 > 12/7/26 = 1";
    // Mended: counted between the dates clicked, not both moved into today's century.
    QTest::addRow("across centuries, mended")
        << QDate(1999, 12, 31) << QDate(2000, 1, 1)
        << "Solvane     Today:  (12) Dec 07, 2026     Julian: 00.001     12/31/99 > 1/1/00 = 2";
    QTest::addRow("backwards over a leap day")
        << QDate(2024, 3, 1) << QDate(2024, 2, 28)
        << "Solvane     Today:  (12) Dec 07, 2026     Julian: 24.059     3/1/24 > 2/28/24 = 3";
}

void TestNavigation::spanOfTwoClicks() {
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QString, caption);
    AppFixture app;
    app.activate();
    for (const QDate& day : {first, second}) {
        showYear(*app.calendar, day.year());
        clickDay(app.month(day.month()), day.day());
    }
    QCOMPARE(app.calendar->windowTitle(), caption);
    // The third click opens a new span.
    clickDay(app.month(second.month()), second.day());
    QVERIFY(!app.calendar->windowTitle().contains(QStringLiteral(" > ")));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
