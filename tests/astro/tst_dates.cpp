// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include "dates.h"

using namespace solvane::astro;

Q_DECLARE_METATYPE(solvane::astro::Date)
Q_DECLARE_METATYPE(solvane::astro::DateTime)
Q_DECLARE_METATYPE(std::optional<solvane::astro::Date>)
Q_DECLARE_METATYPE(std::optional<solvane::astro::DateTime>)

namespace {

QString text(const Date& date) {
    return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day);
}

QString text(const std::optional<DateTime>& value) {
    if (!value) {
        return QStringLiteral("none");
    }
    return text(value->date) + QString::asprintf(" %02d:%02d:%02d.%03d", value->hour, value->minute,
                                                 value->second, value->msec);
}

QString text(const std::optional<Date>& value) {
    return value ? text(*value) : "none";
}

}  // namespace

class TestDates : public QObject {
    Q_OBJECT

private slots:
    void serial_data();
    void serial();
    void serialSweep();
    void monthAddition_data();
    void monthAddition();
    void format_data();
    void format();
    void parseDate_data();
    void parseDate();
    void parseDateTime_data();
    void parseDateTime();
    void dateTimeTextReadsBack();
};

void TestDates::serial_data() {
    QTest::addColumn<Date>("date");
    QTest::addColumn<qlonglong>("serial");

    QTest::addRow("epoch") << Date{1899, 12, 30} << 0LL;
    QTest::addRow("day before the epoch") << Date{1899, 12, 29} << -1LL;
    QTest::addRow("1 March 1900, no leap day before") << Date{1900, 3, 1} << 61LL;
    QTest::addRow("2 May 2000") << Date{2000, 5, 2} << 36648LL;
    QTest::addRow("first day") << Date{1, 1, 1} << -693593LL;
    QTest::addRow("last day") << Date{9999, 12, 31} << 2958465LL;
}

void TestDates::serial() {
    QFETCH(Date, date);
    QFETCH(qlonglong, serial);
    QCOMPARE(daySerial(date), serial);
    QCOMPARE(text(dateFromSerial(serial)), text(date));
}

// Every day from 1 January 1 to 31 December 9999 follows the one before.
void TestDates::serialSweep() {
    Date expected{1, 1, 1};
    for (long long serial = daySerial({1, 1, 1}); serial <= daySerial({9999, 12, 31}); ++serial) {
        const Date date = dateFromSerial(serial);
        if (date != expected || daySerial(date) != serial) {
            QFAIL(qPrintable(QString("serial %1 gives %2, expected %3")
                                 .arg(serial)
                                 .arg(text(date), text(expected))));
        }
        expected.day += 1;
        if (expected.day > daysInMonth(expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

void TestDates::monthAddition_data() {
    QTest::addColumn<Date>("from");
    QTest::addColumn<int>("months");
    QTest::addColumn<Date>("to");

    QTest::addRow("31 Jan 2027 + 1 month") << Date{2027, 1, 31} << 1 << Date{2027, 2, 28};
    QTest::addRow("31 Jan 2027 + 2 months") << Date{2027, 1, 31} << 2 << Date{2027, 3, 31};
    QTest::addRow("31 Jan 2028 + 1 month, leap") << Date{2028, 1, 31} << 1 << Date{2028, 2, 29};
    QTest::addRow("29 Feb 2028 + 12 months") << Date{2028, 2, 29} << 12 << Date{2029, 2, 28};
    QTest::addRow("31 Mar 2027 - 1 month") << Date{2027, 3, 31} << -1 << Date{2027, 2, 28};
    QTest::addRow("31 Dec 2026 + 11 months") << Date{2026, 12, 31} << 11 << Date{2027, 11, 30};
    QTest::addRow("15 Nov 2026 + 2 months, year wrap")
        << Date{2026, 11, 15} << 2 << Date{2027, 1, 15};
    QTest::addRow("15 Jan 2027 - 1 month, year wrap")
        << Date{2027, 1, 15} << -1 << Date{2026, 12, 15};
    QTest::addRow("15 Jan 2027 - 25 months") << Date{2027, 1, 15} << -25 << Date{2024, 12, 15};
    QTest::addRow("no months") << Date{2027, 1, 31} << 0 << Date{2027, 1, 31};
}

void TestDates::monthAddition() {
    QFETCH(Date, from);
    QFETCH(int, months);
    QFETCH(Date, to);
    QCOMPARE(text(addMonths(from, months)), text(to));
    const DateTime moved = addMonths(DateTime{from, 18, 30, 15, 250}, months);
    QCOMPARE(text(std::optional(moved)), text(std::optional(DateTime{to, 18, 30, 15, 250})));
}

void TestDates::format_data() {
    QTest::addColumn<Date>("date");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::addRow("short date") << Date{2026, 12, 7} << "m/d/yy"
                                << "12/7/26";
    QTest::addRow("short date, small fields") << Date{2000, 1, 1} << "m/d/yy"
                                              << "1/1/00";
    QTest::addRow("fixed fields") << Date{1992, 6, 19} << "mm/dd/yyyy"
                                  << "06/19/1992";
    QTest::addRow("caption date") << Date{1992, 6, 19} << "(m) mmm dd, yyyy"
                                  << "(6) Jun 19, 1992";
    QTest::addRow("month title") << Date{2026, 9, 1} << "mmmm yyyy"
                                 << "September 2026";
    QTest::addRow("upper-case letters") << Date{2026, 9, 1} << "MMMM D"
                                        << "September 1";
    QTest::addRow("five m: full name then number") << Date{2026, 9, 1} << "mmmmm"
                                                   << "September9";
    QTest::addRow("early year") << Date{5, 3, 4} << "yyyy yy"
                                << "0005 05";
    QTest::addRow("other characters literal") << Date{1992, 6, 19} << "dd-mm, at x"
                                              << "19-06, at x";
}

void TestDates::format() {
    QFETCH(Date, date);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(formatDate(date, pattern.toStdString())), expected);
}

void TestDates::parseDate_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("todayYear");
    QTest::addColumn<std::optional<Date>>("expected");
    const std::optional<Date> none;

    QTest::addRow("short date") << "12/7/26" << 2026 << std::optional(Date{2026, 12, 7});
    QTest::addRow("two-digit year in today's century")
        << "6/19/92" << 2026 << std::optional(Date{2092, 6, 19});
    QTest::addRow("two-digit year, today in 1992")
        << "6/19/92" << 1992 << std::optional(Date{1992, 6, 19});
    QTest::addRow("fixed fields") << "06/19/1992" << 2026 << std::optional(Date{1992, 6, 19});
    QTest::addRow("one-digit year") << "1/1/5" << 2026 << std::optional(Date{2005, 1, 1});
    QTest::addRow("three-digit year as is") << "1/1/123" << 2026 << std::optional(Date{123, 1, 1});
    QTest::addRow("29 Feb 2000") << "2/29/00" << 2026 << std::optional(Date{2000, 2, 29});
    QTest::addRow("29 Feb 1900 does not exist") << "2/29/00" << 1950 << none;
    QTest::addRow("blanks around") << " 12/7/26 " << 2026 << std::optional(Date{2026, 12, 7});
    QTest::addRow("empty") << "" << 2026 << none;
    QTest::addRow("separators only") << "//" << 2026 << none;
    QTest::addRow("no year") << "12/7" << 2026 << none;
    QTest::addRow("empty year") << "12/7/" << 2026 << none;
    QTest::addRow("dashes") << "12-7-26" << 2026 << none;
    QTest::addRow("month 13") << "13/1/26" << 2026 << none;
    QTest::addRow("month 0") << "0/1/26" << 2026 << none;
    QTest::addRow("day 32") << "12/32/26" << 2026 << none;
    QTest::addRow("year 0") << "1/1/0000" << 2026 << none;
    QTest::addRow("five-digit year") << "1/1/12345" << 2026 << none;
    QTest::addRow("huge month") << "99999999999999999999/1/1" << 2026 << none;
    QTest::addRow("trailing text") << "12/7/26x" << 2026 << none;
    QTest::addRow("letters") << "a/b/c" << 2026 << none;
    QTest::addRow("negative day") << "12/-7/26" << 2026 << none;
}

void TestDates::parseDate() {
    QFETCH(QString, input);
    QFETCH(int, todayYear);
    QFETCH(std::optional<Date>, expected);
    QCOMPARE(text(parseDateText(input.toStdString(), todayYear)), text(expected));
}

void TestDates::parseDateTime_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<std::optional<DateTime>>("expected");
    const std::optional<DateTime> none;
    const auto at = [](Date date, int h, int m, int s = 0, int ms = 0) {
        return std::optional(DateTime{date, h, m, s, ms});
    };

    QTest::addRow("layout custom time") << "10/3/01 1:02:13 PM" << at({2001, 10, 3}, 13, 2, 13);
    QTest::addRow("six in the evening") << "12/07/2026 6:00:00 PM" << at({2026, 12, 7}, 18, 0);
    QTest::addRow("12 AM is midnight") << "1/1/26 12:00:00 AM" << at({2026, 1, 1}, 0, 0);
    QTest::addRow("12 PM is noon") << "1/1/26 12:30 PM" << at({2026, 1, 1}, 12, 30);
    QTest::addRow("lower case, no blank") << "1/1/26 9:05pm" << at({2026, 1, 1}, 21, 5);
    QTest::addRow("24-hour time") << "1/1/26 23:59:59" << at({2026, 1, 1}, 23, 59, 59);
    QTest::addRow("milliseconds") << "1/1/26 23:59:59.250" << at({2026, 1, 1}, 23, 59, 59, 250);
    QTest::addRow("tenths") << "1/1/26 0:00:01.5" << at({2026, 1, 1}, 0, 0, 1, 500);
    QTest::addRow("date alone") << "1/1/26" << at({2026, 1, 1}, 0, 0);
    QTest::addRow("hour 25") << "1/1/26 25:00" << none;
    QTest::addRow("13 PM") << "1/1/26 13:00 PM" << none;
    QTest::addRow("0 AM") << "1/1/26 0:00 AM" << none;
    QTest::addRow("minute 60") << "1/1/26 1:60" << none;
    QTest::addRow("hour alone") << "1/1/26 1" << none;
    QTest::addRow("unknown marker") << "1/1/26 1:00 XM" << none;
    QTest::addRow("trailing text") << "1/1/26 1:00:00 PM extra" << none;
    QTest::addRow("time glued to the date") << "1/1/261:00" << none;
    QTest::addRow("invalid date") << "2/30/26 1:00" << none;
    QTest::addRow("dangling point") << "1/1/26 1:00:00." << none;
}

void TestDates::parseDateTime() {
    QFETCH(QString, input);
    QFETCH(std::optional<DateTime>, expected);
    QCOMPARE(text(parseDateTimeText(input.toStdString(), 2026)), text(expected));
}

// The moon control keeps its time as text and reads it back: every hour must survive.
void TestDates::dateTimeTextReadsBack() {
    QCOMPARE(QString::fromStdString(dateTimeText({{2001, 10, 3}, 13, 2, 13})),
             QStringLiteral("10/3/2001 1:02:13 PM"));
    QCOMPARE(QString::fromStdString(dateTimeText({{2026, 1, 1}, 0, 5, 9})),
             QStringLiteral("1/1/2026 12:05:09 AM"));
    for (int hour = 0; hour < 24; ++hour) {
        const DateTime moment{{1583, 2, 28}, hour, 59, 1};
        QCOMPARE(text(parseDateTimeText(dateTimeText(moment), 2026)), text(std::optional(moment)));
    }
    QCOMPARE(QString::fromStdString(ordinalText("26", 5)), QStringLiteral("26.005"));
}

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
