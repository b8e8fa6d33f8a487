// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The preferences file's text helpers and the Offset List table.

#include <QRegularExpression>
#include <QtTest>

#include "error.h"
#include "error_of.h"
#include "offset_list.h"
#include "prefs_file.h"

using namespace solvane;
using solvane::test::errorOf;

namespace {}  // namespace

class TestPrefsFile : public QObject {
    Q_OBJECT

private slots:
    void splitLines_data();
    void splitLines();
    void joinLinesWritesLatin1WithCrLf();
    void parseColour_data();
    void parseColour();
    void readColourNamesTheLine();
    void readOffset_data();
    void readOffset();
    void withFlags_data();
    void withFlags();
    void oneLineKeepsTheFileInStep();
    void boundedQuote();
    void offsetLineUsesAPoint_data();
    void offsetLineUsesAPoint();
    void isLatin1_data();
    void isLatin1();
    void offsetListSpotChecks_data();
    void offsetListSpotChecks();
    void offsetListAgreesWithItsTexts();
};

void TestPrefsFile::splitLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::addRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::addRow("CR alone") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::addRow("mixed ends") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
    QTest::addRow("text after the last break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::addRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::addRow("LF then CR are two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::addRow("empty file") << QByteArray() << QStringList{};
    QTest::addRow("byte-order mark skipped") << QByteArray(
                                                    "\xEF\xBB\xBF"
                                                    "11\r\nx")
                                             << QStringList{"11", "x"};
    QTest::addRow("degree sign byte") << QByteArray(
                                             "40\xB0"
                                             "30'N\r\n")
                                      << QStringList{QStringLiteral("40°30'N")};
}

void TestPrefsFile::splitLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(prefs::splitLines(bytes), lines);
}

void TestPrefsFile::joinLinesWritesLatin1WithCrLf() {
    const QStringList lines{"01", QStringLiteral("73°59'W"), "", "-3.5"};
    QCOMPARE(prefs::joinLines(lines), QByteArray("01\r\n73\xB0"
                                                 "59'W\r\n\r\n-3.5\r\n"));
    QCOMPARE(prefs::splitLines(prefs::joinLines(lines)), lines);
    // A flags line that begins with the characters of a byte-order mark reads back whole.
    const QStringList marked{QStringLiteral("\u00EF\u00BB\u00BF1"), "x"};
    QCOMPARE(prefs::splitLines(prefs::joinLines(marked)), marked);
}

void TestPrefsFile::parseColour_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::addRow("blue") << "16711680" << true << 16711680;
    QTest::addRow("system colour") << "-16777201" << true << -16777201;
    QTest::addRow("plus sign") << "+255" << true << 255;
    QTest::addRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::addRow("largest") << "2147483647" << true << 2147483647;
    QTest::addRow("one past the largest") << "2147483648" << false << 0;
    QTest::addRow("one below the smallest") << "-2147483649" << false << 0;
    QTest::addRow("empty") << "" << false << 0;
    QTest::addRow("sign alone") << "-" << false << 0;
    QTest::addRow("word") << "abc" << false << 0;
    QTest::addRow("leading blank") << " 255" << false << 0;
    QTest::addRow("trailing blank") << "255 " << false << 0;
    QTest::addRow("hexadecimal") << "$FF" << false << 0;
    QTest::addRow("C hexadecimal") << "0x10" << false << 0;
    QTest::addRow("exponent") << "1e3" << false << 0;
    QTest::addRow("trailing letters") << "12abc" << false << 0;
    QTest::addRow("other script digits") << QStringLiteral("\u0663") << false << 0;
}

void TestPrefsFile::parseColour() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = prefs::parseColour(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestPrefsFile::readColourNamesTheLine() {
    QCOMPARE(errorOf([] { prefs::readColour("abc"); }), "'abc' is not a valid integer value");
    QCOMPARE(errorOf([] { prefs::readColour(""); }), "'' is not a valid integer value");
}

void TestPrefsFile::readOffset_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("hours");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::addRow("empty is 0") << english << "" << 0.0;
    QTest::addRow("whole hours") << english << "-5" << -5.0;
    QTest::addRow("half hour") << english << "-3.5" << -3.5;
    QTest::addRow("blanks around") << english << " 5.5 " << 5.5;
    QTest::addRow("word is 0") << english << "abc" << 0.0;
    QTest::addRow("a comma is a decimal point, not grouping") << english << "1,5" << 1.5;
    QTest::addRow("saved under a comma locale, read under a point one")
        << english << "-3,5" << -3.5;
    QTest::addRow("two commas are no number") << english << "1,000,5" << 0.0;
    QTest::addRow("not a number is 0") << english << "nan" << 0.0;
    QTest::addRow("infinity is 0") << english << "inf" << 0.0;
    QTest::addRow("comma locale") << german << "-3,5" << -3.5;
    QTest::addRow("point under a comma locale") << german << "-3.5" << -3.5;
    QTest::addRow("a full day") << english << "-24" << -24.0;
    QTest::addRow("beyond a day is 0") << english << "99" << 0.0;
    QTest::addRow("huge is 0") << english << "1e300" << 0.0;
}

void TestPrefsFile::readOffset() {
    QFETCH(QLocale, locale);
    QFETCH(QString, line);
    QFETCH(double, hours);
    const QLocale previous;
    QLocale::setDefault(locale);
    const double read = prefs::readOffset(line);
    QLocale::setDefault(previous);
    QCOMPARE(read, hours);
}

void TestPrefsFile::withFlags_data() {
    QTest::addColumn<QString>("flags");
    QTest::addColumn<bool>("military");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<QString>("written");
    QTest::addRow("never loaded") << "" << false << false << "00";
    QTest::addRow("one character") << "1" << true << true << "11";
    QTest::addRow("further characters kept") << "10ab" << false << true << "01ab";
}

void TestPrefsFile::withFlags() {
    QFETCH(QString, flags);
    QFETCH(bool, military);
    QFETCH(bool, hints);
    QFETCH(QString, written);
    QCOMPARE(prefs::withFlags(flags, military, hints), written);
    QCOMPARE(prefs::flagSet(written, 1), military);
    QCOMPARE(prefs::flagSet(written, 2), hints);
    QVERIFY(!prefs::flagSet("1", 2));
}

void TestPrefsFile::oneLineKeepsTheFileInStep() {
    QCOMPARE(prefs::oneLine("40\r\n30\rN\n"), "40  30 N ");
}

void TestPrefsFile::boundedQuote() {
    const QString huge(10000, u'x');
    QCOMPARE(errorOf([&] { prefs::readColour(huge); }),
             "'" + QString(80, u'x') + QChar(0x2026) + "' is not a valid integer value");
    QCOMPARE(prefs::quoted(QString(80, u'y')), QString(80, u'y'));
}

void TestPrefsFile::offsetLineUsesAPoint_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("line");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale french(QLocale::French, QLocale::France);
    QTest::addRow("zero is empty") << french << 0.0 << "";
    QTest::addRow("whole hours") << french << -5.0 << "-5";
    QTest::addRow("comma locale writes a point") << french << -3.5 << "-3.5";
    QTest::addRow("point locale") << english << 5.75 << "5.75";
}

void TestPrefsFile::offsetLineUsesAPoint() {
    QFETCH(QLocale, locale);
    QFETCH(double, hours);
    QFETCH(QString, line);
    const QLocale previous;
    QLocale::setDefault(locale);
    const QString written = prefs::offsetLine(hours);
    QLocale::setDefault(QLocale::c());
    const double readBack = prefs::readOffset(written);
    QLocale::setDefault(previous);
    QCOMPARE(written, line);
    QCOMPARE(readBack, hours);
}

void TestPrefsFile::isLatin1_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addRow("degree sign") << QStringLiteral("N°40.75") << true;
    QTest::addRow("accented Latin-1") << QStringLiteral("Bogotá ÿ") << true;
    QTest::addRow("Polish letters") << QStringLiteral("Łódź") << false;
    QTest::addRow("euro sign") << QStringLiteral("€") << false;
}

void TestPrefsFile::isLatin1() {
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QCOMPARE(prefs::isLatin1(text), fits);
    if (fits)
        QCOMPARE(prefs::splitLines(prefs::joinLines({text})), QStringList{text});
}

void TestPrefsFile::offsetListSpotChecks_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("hours");
    QTest::addRow("first, padded") << 0 << "Eastern         (-5:00)" << -5.0;
    QTest::addRow("no blank before the offset") << 6 << "Mountain DT(-6:00)" << -6.0;
    QTest::addRow("Hawaii") << 10 << "Hawaii       (-10:00)" << -10.0;
    QTest::addRow("GMT 0:00") << 23 << "GMT (0:00)" << 0.0;
    QTest::addRow("Newfoundland") << 48 << "Newfoundland (-03:30) Newfoundland" << -3.5;
    QTest::addRow("GMT with a point")
        << 53 << "GMT (0.00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London" << 0.0;
    QTest::addRow("India") << 74 << "India (+05:30) Bombay, Calcutta, Madras, New Delhi" << 5.5;
    QTest::addRow("China, two blanks")
        << 78 << "China  (+08:00) Beijing, Chongqing, Hong Kong, Urumqi" << 8.0;
    QTest::addRow("Singapore, trailing blank") << 79 << "Singapore  (+08:00) Singapore " << 8.0;
    QTest::addRow("Taipei, trailing blank") << 80 << "Taipei (+08:00) Taipei " << 8.0;
    QTest::addRow("last") << 92 << "Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia"
                          << 11.0;
}

void TestPrefsFile::offsetListSpotChecks() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(double, hours);
    QCOMPARE(offsetList().size(), 93u);
    QCOMPARE(QLatin1String(offsetList()[index].text), text);
    QCOMPARE(offsetList()[index].hours, hours);
}

// The table is written out by hand; check each offset against the hours and minutes its text
// prints in its first parentheses, and that the half hours are exactly the expected ones.
void TestPrefsFile::offsetListAgreesWithItsTexts() {
    static const QRegularExpression printed(R"(\(([-+]?)(\d+)[:.](\d\d)\))");
    QList<int> halfHours;
    for (int i = 0; i < kOffsetEntryCount; ++i) {
        const QString text = QLatin1String(offsetList()[i].text);
        const QRegularExpressionMatch m = printed.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        const double magnitude = m.captured(2).toInt() + m.captured(3).toInt() / 60.0;
        const double hours = m.captured(1) == "-" ? -magnitude : magnitude;
        QVERIFY2(offsetList()[i].hours == hours, qPrintable(text));
        if (hours != int(hours))
            halfHours << i;
    }
    QCOMPARE(halfHours, (QList<int>{48, 68, 71, 74, 85, 86}));
}

QTEST_MAIN(TestPrefsFile)
#include "tst_prefs_file.moc"
