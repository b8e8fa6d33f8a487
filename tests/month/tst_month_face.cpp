// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A month's texts as the screen and the page write them: which cells are written, and in
// which ink each day stands.

#include <QTest>

#include "month_face.h"

using namespace solvane;

namespace {

const QColor kInk(Qt::darkBlue), kNeighbour(Qt::gray), kHoliday(Qt::red), kSelected(Qt::yellow);

enum class Look { Screen, DisabledScreen, Page };

// May 2027 from Monday: 5 May (a Wednesday) a holiday, 12 May selected on the screen.
std::vector<PlacedText> may2027(Look look, bool weekNumbers, QDate first = QDate(2027, 5, 1)) {
    MonthStyle style;
    style.ink = kInk;
    style.neighbourInk = kNeighbour;
    style.holidayInk = kHoliday;
    style.selectedInk = kSelected;
    style.neighbourDays = look != Look::Page;
    style.weekendsInHolidayInk = look == Look::Page;
    style.enabled = look != Look::DisabledScreen;
    if (look != Look::Page)
        style.selected = QDate(2027, 5, 12);
    style.weekdayName = [](int day) { return QString::number(day); };
    style.number = [](int n) { return QString::number(n); };
    style.holiday = [](const QDate& date) { return date == QDate(2027, 5, 5); };
    style.weekend = [](int day) { return day >= Qt::Saturday; };
    const MonthGrid grid(first, Qt::Monday, QRect(0, 0, 700, 700), weekNumbers,
                         look == Look::Page ? MonthGrid::FirstRow::WithTheFirst
                                            : MonthGrid::FirstRow::AfterTheMonthBefore);
    return monthTexts(grid, Qt::Monday, style);
}

}  // namespace

class MonthFaceTest : public QObject {
    Q_OBJECT

private slots:
    void inkOfADay_data() {
        QTest::addColumn<int>("look");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QColor>("ink");  // invalid: not written
        const QDate holiday(2027, 5, 5), saturday(2027, 5, 8), plain(2027, 5, 6);
        const QDate selected(2027, 5, 12), april(2027, 4, 30);
        QTest::newRow("screen: holiday") << int(Look::Screen) << holiday << kHoliday;
        QTest::newRow("screen: weekend as any day") << int(Look::Screen) << saturday << kInk;
        QTest::newRow("screen: neighbour day") << int(Look::Screen) << april << kNeighbour;
        QTest::newRow("screen: selected") << int(Look::Screen) << selected << kSelected;
        QTest::newRow("disabled: holiday") << int(Look::DisabledScreen) << holiday << kNeighbour;
        QTest::newRow("disabled: plain day") << int(Look::DisabledScreen) << plain << kNeighbour;
        QTest::newRow("disabled: selected") << int(Look::DisabledScreen) << selected << kSelected;
        QTest::newRow("page: holiday") << int(Look::Page) << holiday << kHoliday;
        QTest::newRow("page: weekend") << int(Look::Page) << saturday << kHoliday;
        QTest::newRow("page: plain day") << int(Look::Page) << plain << kInk;
        QTest::newRow("page: nothing selected") << int(Look::Page) << selected << kInk;
        QTest::newRow("page: neighbour day left out") << int(Look::Page) << april << QColor();
    }
    void inkOfADay() {
        QFETCH(int, look);
        QFETCH(QDate, date);
        QFETCH(QColor, ink);
        QColor found;
        for (const PlacedText& text : may2027(Look(look), false))
            if (text.kind == PlacedText::Kind::Day && text.date == date) {
                QVERIFY2(!found.isValid(), "the day is written twice");
                found = text.colour;
                QCOMPARE(text.text, QString::number(date.day()));
            }
        QCOMPARE(found, ink);
    }

    // The headings from the first day of the week, the week numbers where asked, and the days
    // of the six weeks or of the month's own weeks.
    void cellsWritten_data() {
        QTest::addColumn<int>("look");
        QTest::addColumn<bool>("weekNumbers");
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<int>("days");
        QTest::newRow("screen, May") << int(Look::Screen) << false << QDate(2027, 5, 1) << 0 << 42;
        QTest::newRow("screen with week numbers, May")
            << int(Look::Screen) << true << QDate(2027, 5, 1) << 6 << 42;
        QTest::newRow("page, May") << int(Look::Page) << false << QDate(2027, 5, 1) << 0 << 31;
        QTest::newRow("page with week numbers, May")
            << int(Look::Page) << true << QDate(2027, 5, 1) << 6 << 31;
        QTest::newRow("page with week numbers, February in four weeks")
            << int(Look::Page) << true << QDate(2027, 2, 1) << 4 << 28;
    }
    void cellsWritten() {
        QFETCH(int, look);
        QFETCH(bool, weekNumbers);
        QFETCH(QDate, month);
        QFETCH(int, weeks);
        QFETCH(int, days);
        const std::vector<PlacedText> texts = may2027(Look(look), weekNumbers, month);
        QStringList headings;
        int weekTexts = 0, dayTexts = 0;
        for (const PlacedText& text : texts) {
            headings += text.kind == PlacedText::Kind::Weekday ? text.text : QString();
            weekTexts += text.kind == PlacedText::Kind::WeekNumber ? 1 : 0;
            dayTexts += text.kind == PlacedText::Kind::Day ? 1 : 0;
            QCOMPARE(text.flags, int(Qt::AlignCenter));
        }
        headings.removeAll(QString());
        QCOMPARE(headings.join(u' '), QStringLiteral("1 2 3 4 5 6 7"));
        QCOMPARE(weekTexts, weeks);
        QCOMPARE(dayTexts, days);
        // The headings come first: the page relies on the order.
        QCOMPARE(texts.front().kind, PlacedText::Kind::Weekday);
    }
};

QTEST_MAIN(MonthFaceTest)
#include "tst_month_face.moc"
