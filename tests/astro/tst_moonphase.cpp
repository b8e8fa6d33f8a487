// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include <cmath>

#include "moonphase.h"

using namespace solvane::astro;

Q_DECLARE_METATYPE(solvane::astro::DateTime)

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The bucket bounds as the picture table was drawn up.
constexpr double kThresholds[57] = {
    0.0,
    0.267971686242562,
    0.467071686242562,
    0.606871686242562,
    0.722671686242562,
    0.824971686242562,
    0.918271686242562,
    1.00537168624256,
    1.08787168624256,
    1.16697168624256,
    1.24347168624256,
    1.31807168624256,
    1.39117168624256,
    1.46337168624256,
    1.53507168624256,
    1.60647168624256,
    1.67807168624256,
    1.75027168624256,
    1.82347168624256,
    1.89797168624256,
    1.97447168624256,
    2.05357168624256,
    2.13607168624256,
    2.22317168624256,
    2.31657168624256,
    2.41887168624256,
    2.53467168624256,
    2.67437168624256,
    2.87347168624256,
    3.40957168624256,
    3.60867168624256,
    3.74847168624256,
    3.86427168624256,
    3.96657168624256,
    4.05987168624256,
    4.14697168624256,
    4.22947168624256,
    4.30857168624256,
    4.38507168624256,
    4.45967168624256,
    4.53277168624256,
    4.60497168624256,
    4.74807168624256,
    4.81967168624256,
    4.89187168624256,
    4.96497168624256,
    5.03957168624256,
    5.11607168624256,
    5.19517168624256,
    5.27767168624256,
    5.36477168624256,
    5.45817168624256,
    5.56037168624256,
    5.67627168624256,
    5.81597168624256,
    6.01507168624256,
    10.0,
};

}  // namespace

class TestMoonPhase : public QObject {
    Q_OBJECT

private slots:
    void angle_data();
    void angle();
    void leapDayAndFirstOfMarch();
    void thresholdsBelongToNoBucket();
    void thresholdsFollowTheLitFraction();
    void pictureOfBucket_data();
    void pictureOfBucket();
    void anglesOutsideTheTable();
};

// The expected angles are the moon's elongation from the sun as PyEphem gives it (see
// scripts/make-moon-references.py), to the precision of the two theories.
void TestMoonPhase::angle_data() {
    QTest::addColumn<DateTime>("moment");
    QTest::addColumn<int>("offset");  // seconds ahead of UT
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<int>("bucket");
    QTest::addColumn<int>("picture");

    constexpr int newYork = -5 * 3600;
    QTest::addRow("19 Jun 1992 6 PM at -5, waning gibbous")
        << DateTime{{1992, 6, 19}, 18} << newYork << 4.061990 << 0.003 << 35 << 17;
    QTest::addRow("7 Dec 2026 6 PM at -5, two days before the new moon")
        << DateTime{{2026, 12, 7}, 18} << newYork << 6.076029 << 0.003 << 56 << 28;
    QTest::addRow("24 Dec 2026 6 PM at -5, the full moon")
        << DateTime{{2026, 12, 24}, 18} << newYork << 3.365292 << 0.003 << 29 << 14;
    QTest::addRow("3 Oct 2001 1:02:13 PM UT, full moon")
        << DateTime{{2001, 10, 3}, 13, 2, 13} << 0 << 3.331496 << 0.003 << 29 << 14;
    // Just before conjunction the angle nears a full turn from below: it is never 0.
    QTest::addRow("the new moon of 9 December 2026, 00:51:47 UT, is a full turn")
        << DateTime{{2026, 12, 9}, 0, 51, 47} << 0 << kTwoPi << 0.003 << 56 << 28;
    QTest::addRow("the same moment at +10 is ten hours earlier")
        << DateTime{{2001, 10, 3}, 23, 2, 13} << 36000 << 3.331496 << 0.003 << 29 << 14;
    // Far from the present the lunar theories part by a few degrees.
    QTest::addRow("first day of the calendar")
        << DateTime{{1, 1, 1}, 18} << 0 << 4.369686 << 0.07 << 38 << 18;
    QTest::addRow("last day of the calendar")
        << DateTime{{9999, 12, 31}, 18} << 0 << 0.440224 << 0.07 << 2 << 1;
}

void TestMoonPhase::angle() {
    QFETCH(DateTime, moment);
    QFETCH(int, offset);
    QFETCH(double, angle);
    QFETCH(double, tolerance);
    QFETCH(int, bucket);
    QFETCH(int, picture);
    const double actual = moonPhaseAngle(moment, offset);
    QVERIFY2(std::fabs(actual - angle) < tolerance,
             qPrintable(QString::number(actual, 'f', 6) + " != " + QString::number(angle, 'f', 6)));
    QVERIFY(actual > 0 && actual <= kTwoPi);
    QCOMPARE(moonBucket(actual), bucket);
    QCOMPARE(moonPicture(actual), picture);
}

// A true moon moves on by about 0.21 radians a day, on 29 February as on any other day.
void TestMoonPhase::leapDayAndFirstOfMarch() {
    const double leapDay = moonPhaseAngle({{2028, 2, 29}, 18}, 0);
    const double firstOfMarch = moonPhaseAngle({{2028, 3, 1}, 18}, 0);
    const double secondOfMarch = moonPhaseAngle({{2028, 3, 2}, 18}, 0);
    QVERIFY2(firstOfMarch - leapDay > 0.17 && firstOfMarch - leapDay < 0.26,
             qPrintable(QString::number(firstOfMarch - leapDay)));
    QVERIFY2(secondOfMarch - firstOfMarch > 0.17 && secondOfMarch - firstOfMarch < 0.26,
             qPrintable(QString::number(secondOfMarch - firstOfMarch)));
}

void TestMoonPhase::thresholdsBelongToNoBucket() {
    for (int k = 0; k <= 56; ++k) {
        QCOMPARE(moonBucket(kThresholds[k]), 0);
        QCOMPARE(moonPicture(kThresholds[k]), 0);
        if (k > 0) {
            QCOMPARE(moonBucket(std::nextafter(kThresholds[k], 0.0)), k);
        }
        if (k < 56) {
            QCOMPARE(moonBucket(std::nextafter(kThresholds[k], 100.0)), k + 1);
        }
    }
}

// Waxing, the lit fraction (1 - cos angle) / 2 crosses 1/56, 3/56, ... 55/56 at the bounds;
// waning mirrors them about pi without the mirror of 29/56.
void TestMoonPhase::thresholdsFollowTheLitFraction() {
    const auto bucketAtFraction = [](double fraction, bool waning, double nudge) {
        const double angle = std::acos(1 - 2 * fraction);
        return moonBucket((waning ? kTwoPi - angle : angle) + nudge);
    };
    for (int k = 1; k <= 28; ++k) {
        const double fraction = (2.0 * k - 1) / 56;
        QCOMPARE(bucketAtFraction(fraction, false, -1e-3), k);
        QCOMPARE(bucketAtFraction(fraction, false, +1e-3), k + 1);
        if (k != 15) {
            const int waning = k > 15 ? 57 - k : 56 - k;  // the index of the mirrored bound
            QCOMPARE(bucketAtFraction(fraction, true, -1e-3), waning);
            QCOMPARE(bucketAtFraction(fraction, true, +1e-3), waning + 1);
        }
    }
}

void TestMoonPhase::pictureOfBucket_data() {
    QTest::addColumn<int>("firstBucket");
    QTest::addColumn<int>("lastBucket");
    QTest::addColumn<int>("picture");
    const int table[][3] = {{1, 1, 28},   {2, 2, 1},    {3, 4, 2},    {5, 6, 3},    {7, 8, 4},
                            {9, 12, 5},   {13, 14, 6},  {15, 16, 7},  {17, 19, 8},  {20, 21, 9},
                            {22, 24, 10}, {25, 26, 11}, {27, 27, 12}, {28, 28, 13}, {29, 29, 14},
                            {30, 31, 15}, {32, 33, 16}, {34, 35, 17}, {36, 38, 18}, {39, 40, 19},
                            {41, 42, 20}, {43, 45, 21}, {46, 48, 22}, {49, 50, 23}, {51, 52, 24},
                            {53, 53, 25}, {54, 54, 26}, {55, 55, 27}, {56, 56, 28}};
    for (const auto& [first, last, picture] : table) {
        QTest::addRow("buckets %d-%d", first, last) << first << last << picture;
    }
}

void TestMoonPhase::pictureOfBucket() {
    QFETCH(int, firstBucket);
    QFETCH(int, lastBucket);
    QFETCH(int, picture);
    for (int bucket = firstBucket; bucket <= lastBucket; ++bucket) {
        QCOMPARE(moonPictureForBucket(bucket), picture);
        const double middle = (kThresholds[bucket - 1] + kThresholds[bucket]) / 2;
        QCOMPARE(moonPicture(middle), picture);
    }
}

void TestMoonPhase::anglesOutsideTheTable() {
    QCOMPARE(moonBucket(-0.1), 0);
    QCOMPARE(moonBucket(10.5), 0);
    QCOMPARE(moonBucket(std::nan("")), 0);
    QCOMPARE(moonPictureForBucket(0), 0);
    QCOMPARE(moonPictureForBucket(57), 0);
}

QTEST_APPLESS_MAIN(TestMoonPhase)
#include "tst_moonphase.moc"
