// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include "ordinal.h"

using namespace solvane::astro;

Q_DECLARE_METATYPE(solvane::astro::Date)
Q_DECLARE_METATYPE(std::vector<solvane::astro::Date>)

namespace {

const Date kToday{2026, 12, 7};
const QString kTodayCaption = "Solvane     Today:  (12) Dec 07, 2026     Julian: ";

}  // namespace

class TestOrdinal : public QObject {
    Q_OBJECT

private slots:
    void dayOfYear_data();
    void dayOfYear();
    void plainCaptionText();
    void spans_data();
    void spans();
    void callBeforeActivationLeavesTheSpan();
    void februaryFollowsTheLastDate();
};

void TestOrdinal::dayOfYear_data() {
    QTest::addColumn<Date>("date");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("hint");

    QTest::addRow("1 January") << Date{2026, 1, 1} << 1 << "26.001";
    QTest::addRow("worked example") << Date{1992, 6, 19} << 171 << "92.171";
    QTest::addRow("7 December 2026") << Date{2026, 12, 7} << 341 << "26.341";
    QTest::addRow("31 December, leap year") << Date{1992, 12, 31} << 366 << "92.366";
    QTest::addRow("31 December, common year") << Date{1993, 12, 31} << 365 << "93.365";
    QTest::addRow("29 February 1992") << Date{1992, 2, 29} << 60 << "92.060";
    QTest::addRow("1 March 2000, leap by 400") << Date{2000, 3, 1} << 61 << "00.061";
    QTest::addRow("1 March 1900, no leap by 100") << Date{1900, 3, 1} << 60 << "00.060";
    QTest::addRow("1 March 2100, no leap by 100") << Date{2100, 3, 1} << 60 << "00.060";
    QTest::addRow("single-digit year") << Date{2005, 1, 5} << 5 << "05.005";
}

void TestOrdinal::dayOfYear() {
    QFETCH(Date, date);
    QFETCH(int, day);
    QFETCH(QString, hint);
    QCOMPARE(solvane::astro::dayOfYear(date), day);
    QCOMPARE(QString::fromStdString(ordinalText(yearText(date), day)), hint);

    OrdinalDates dates;
    dates.CalcJulianDate(date, kToday, false);
    QCOMPARE(dates.DayOfYear, day);
    QCOMPARE(QString::fromStdString(dates.YearText), hint.left(2));
}

void TestOrdinal::plainCaptionText() {
    QCOMPARE(QString::fromStdString(plainCaption(kToday, "26", 341)),
             QStringLiteral("Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341"));
    QCOMPARE(QString::fromStdString(plainCaption({1992, 6, 19}, "92", 5)),
             QStringLiteral("Solvane     Today:  (6) Jun 19, 1992     Julian: 92.005"));
}

// Clicks in turn; each row lists the captions after every click.
void TestOrdinal::spans_data() {
    QTest::addColumn<std::vector<Date>>("clicks");
    QTest::addColumn<QStringList>("captions");

    QTest::addRow("a week, forward")
        << std::vector<Date>{{1992, 6, 19}, {1992, 6, 25}}
        << QStringList{kTodayCaption + "92.171",
                       kTodayCaption + "92.177     6/19/92 > 6/25/92 = 7"};
    QTest::addRow("a week, backward")
        << std::vector<Date>{{1992, 6, 25}, {1992, 6, 19}}
        << QStringList{kTodayCaption + "92.177",
                       kTodayCaption + "92.171     6/25/92 > 6/19/92 = 7"};
    QTest::addRow("the same day twice")
        << std::vector<Date>{kToday, kToday}
        << QStringList{kTodayCaption + "26.341",
                       kTodayCaption + "26.341     12/7/26 > 12/7/26 = 1"};
    QTest::addRow("across a century, forward")
        << std::vector<Date>{{1999, 12, 31}, {2000, 1, 1}}
        << QStringList{kTodayCaption + "99.365",
                       kTodayCaption + "00.001     12/31/99 > 1/1/00 = 2"};
    QTest::addRow("across a century, backward")
        << std::vector<Date>{{2000, 1, 1}, {1999, 12, 31}}
        << QStringList{kTodayCaption + "00.001",
                       kTodayCaption + "99.365     1/1/00 > 12/31/99 = 2"};
    QTest::addRow("over 1900's missing leap day")
        << std::vector<Date>{{1900, 2, 28}, {1900, 3, 1}}
        << QStringList{kTodayCaption + "00.059", kTodayCaption + "00.060     2/28/00 > 3/1/00 = 2"};
    QTest::addRow("a third click opens a new span")
        << std::vector<Date>{{2026, 1, 1}, {2026, 12, 31}, {2027, 1, 1}, {2027, 1, 2}}
        << QStringList{kTodayCaption + "26.001",
                       kTodayCaption + "26.365     1/1/26 > 12/31/26 = 365",
                       kTodayCaption + "27.001", kTodayCaption + "27.002     1/1/27 > 1/2/27 = 2"};
}

void TestOrdinal::spans() {
    QFETCH(std::vector<Date>, clicks);
    QFETCH(QStringList, captions);
    OrdinalDates dates;
    QStringList actual;
    for (const Date& click : clicks) {
        actual << QString::fromStdString(dates.CalcJulianDate(click, kToday, true));
    }
    QCOMPARE(actual, captions);
    QVERIFY(dates.SpanEndText.empty());
}

void TestOrdinal::callBeforeActivationLeavesTheSpan() {
    OrdinalDates dates;
    QCOMPARE(dates.CalcJulianDate({2026, 12, 1}, kToday, false), std::string());
    QVERIFY(dates.SpanStartText.empty());
    QCOMPARE(dates.LastDateText, std::string("12/1/26"));

    dates.CalcJulianDate({2026, 12, 5}, kToday, true);
    QCOMPARE(dates.SpanStartText, std::string("12/5/26"));
    QCOMPARE(dates.CalcJulianDate({2026, 12, 25}, kToday, false), std::string());
    QCOMPARE(dates.SpanStartText, std::string("12/5/26"));
    QCOMPARE(dates.DayOfYear, 359);

    const std::string caption = dates.CalcJulianDate({2026, 12, 7}, kToday, true);
    QCOMPARE(QString::fromStdString(caption), kTodayCaption + "26.341     12/5/26 > 12/7/26 = 3");
    QCOMPARE(dates.SpanDaysText, std::string("3"));
    QVERIFY(dates.SpanStartText.empty());
}

void TestOrdinal::februaryFollowsTheLastDate() {
    OrdinalDates dates;
    dates.CalcJulianDate({2000, 7, 1}, kToday, false);
    QCOMPARE(dates.MonthDays[1], 29);
    dates.CalcJulianDate({1900, 7, 1}, kToday, false);
    QCOMPARE(dates.MonthDays[1], 28);
    dates.CalcJulianDate({2028, 7, 1}, kToday, false);
    QCOMPARE(dates.MonthDays[1], 29);
}

QTEST_APPLESS_MAIN(TestOrdinal)
#include "tst_ordinal.moc"
