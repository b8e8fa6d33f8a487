// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include <cmath>
#include <limits>

#include "place.h"

using namespace solvane::astro;

namespace {

const double kNotANumber = std::numeric_limits<double>::quiet_NaN();
const QByteArray kDegree = "\xC2\xB0";

QByteArray place(const char* hemisphere, const char* number) {
    return QByteArray(hemisphere) + kDegree + number;
}

// The expected value, or NaN for "not a number".
void compareNumber(const std::optional<double>& actual, double expected) {
    if (std::isnan(expected)) {
        QVERIFY2(!actual, qPrintable(QString("read as %1").arg(actual.value_or(0))));
        return;
    }
    QVERIFY2(actual.has_value(), "refused as not a number");
    QCOMPARE(*actual, expected);
}

}  // namespace

class TestPlace : public QObject {
    Q_OBJECT

private slots:
    void latitude_data();
    void latitude();
    void longitude_data();
    void longitude();
    void rounding_data();
    void rounding();
};

void TestPlace::latitude_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("north") << place("N", "40.75") << 40.75;
    QTest::addRow("south letter") << place("S", "33.87") << -33.87;
    QTest::addRow("lower-case south letter") << place("s", "33.87") << -33.87;
    QTest::addRow("south letter and a negative number") << place("S", "-33.87") << -33.87;
    QTest::addRow("negative number") << place("N", "-33.87") << -33.87;
    QTest::addRow("east letter means nothing here") << place("E", "40.75") << 40.75;
    QTest::addRow("south word") << place("South", "33.87") << -33.87;
    QTest::addRow("upper-case south word") << place("SOUTH", "33.87") << -33.87;
    QTest::addRow("blank before the letter") << place(" s", "33.87") << -33.87;
    QTest::addRow("north word") << place("North", "40.75") << 40.75;
    QTest::addRow("a later s is no hemisphere") << place("Nos", "40.75") << 40.75;
    QTest::addRow("bare number") << QByteArray("40.75") << 40.75;
    QTest::addRow("blanks around the number") << place("N", "  40.75 \t") << 40.75;
    QTest::addRow("empty text") << QByteArray() << 0.0;
    QTest::addRow("nothing after the sign") << place("N", "   ") << 0.0;
    QTest::addRow("plus sign, no leading digit") << place("N", "+.5") << 0.5;
    QTest::addRow("exponent") << place("N", "4.075e1") << 40.75;
    QTest::addRow("rounded on the decimal text") << place("N", "0.285") << 0.29;
    QTest::addRow("halves away from zero, south") << place("S", "0.285") << -0.29;
    QTest::addRow("a second degree sign")
        << QByteArray(place("N", "40.75") + " " + kDegree) << kNotANumber;
    QTest::addRow("hundred characters after the sign are read")
        << place("N", "40.75" + QByteArray(95, ' ') + "x") << 40.75;
    QTest::addRow("within the hundred characters")
        << place("N", "40.75" + QByteArray(94, ' ') + "x") << kNotANumber;
    QTest::addRow("no degree sign") << QByteArray("N40.75") << kNotANumber;
    QTest::addRow("8-bit degree sign is no sign") << QByteArray(
                                                         "N\xB0"
                                                         "40.75")
                                                  << kNotANumber;
    QTest::addRow("decimal comma") << place("N", "40,75") << kNotANumber;
    QTest::addRow("trailing letter") << place("N", "40.75N") << kNotANumber;
    QTest::addRow("degrees and minutes") << place("N", "40 45") << kNotANumber;
    QTest::addRow("lone point") << place("N", ".") << kNotANumber;
    QTest::addRow("exponent without digits") << place("N", "4e") << kNotANumber;
    QTest::addRow("out of range") << place("N", "1e400") << kNotANumber;
    QTest::addRow("too small for a double is 0") << place("N", "1e-400") << 0.0;
    QTest::addRow("too small, south") << place("S", "-1e-999999999999999") << 0.0;
    QTest::addRow("eighty zeros after the point")
        << place("N", "0." + QByteArray(80, '0') + "1") << 0.0;
    QTest::addRow("nan") << place("N", "nan") << kNotANumber;
    QTest::addRow("infinity") << place("N", "inf") << kNotANumber;
}

void TestPlace::latitude() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    compareNumber(latitudeFromText(text.toStdString()), expected);
}

// The longitude number is west positive; the sun computation negates it.
void TestPlace::longitude_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("west") << place("W", "73.99") << 73.99;
    QTest::addRow("east letter") << place("E", "151.21") << -151.21;
    QTest::addRow("lower-case east letter") << place("e", "151.21") << -151.21;
    QTest::addRow("negative number means east") << place("W", "-151.21") << -151.21;
    QTest::addRow("north letter means nothing here") << place("N", "73.99") << 73.99;
    QTest::addRow("south letter means nothing here") << place("S", "73.99") << 73.99;
    QTest::addRow("east word") << place("East", "151.21") << -151.21;
    QTest::addRow("lower-case east word") << place("east", "151.21") << -151.21;
    QTest::addRow("a later e is no hemisphere") << place("West", "73.99") << 73.99;
    QTest::addRow("upper-case west word") << place("WEST", "73.99") << 73.99;
    QTest::addRow("bare number") << QByteArray("0.12") << 0.12;
    QTest::addRow("empty text") << QByteArray() << 0.0;
    QTest::addRow("no degree sign") << QByteArray("W73.99") << kNotANumber;
    QTest::addRow("two points") << place("W", "73.9.9") << kNotANumber;
}

void TestPlace::longitude() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    compareNumber(longitudeNumberFromText(text.toStdString()), expected);
}

void TestPlace::rounding_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<QString>("text");

    QTest::addRow("zero") << 0.0 << 0.0 << "0";
    QTest::addRow("negative zero") << -0.0 << 0.0 << "0";
    QTest::addRow("whole negative") << -5.0 << -5.0 << "-5";
    QTest::addRow("one decimal") << 5.5 << 5.5 << "5.5";
    QTest::addRow("one decimal, negative") << -3.5 << -3.5 << "-3.5";
    QTest::addRow("two decimals kept") << 40.75 << 40.75 << "40.75";
    QTest::addRow("half up although the double lies below") << 0.285 << 0.29 << "0.29";
    QTest::addRow("half away from zero") << -0.285 << -0.29 << "-0.29";
    QTest::addRow("1.005 up") << 1.005 << 1.01 << "1.01";
    QTest::addRow("2.675 up") << 2.675 << 2.68 << "2.68";
    QTest::addRow("below the half") << 0.284999 << 0.28 << "0.28";
    QTest::addRow("carry into the whole part") << 89.995 << 90.0 << "90";
    QTest::addRow("carry into a new digit") << -9.999 << -10.0 << "-10";
    QTest::addRow("small negative to zero") << -0.004 << 0.0 << "0";
    QTest::addRow("half a hundredth") << -0.005 << -0.01 << "-0.01";
    QTest::addRow("half-hour zone") << -3.5 << -3.5 << "-3.5";
    QTest::addRow("large") << 1e20 << 1e20 << "100000000000000000000";
}

void TestPlace::rounding() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QFETCH(QString, text);
    QCOMPARE(roundTo2Decimals(value), rounded);
    QCOMPARE(QString::fromStdString(twoDecimalText(value)), text);
}

QTEST_APPLESS_MAIN(TestPlace)
#include "tst_place.moc"
