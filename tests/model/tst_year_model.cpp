// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The year view's rules without a window: dating, stepping by year and by month at the ends
// of the calendars' range, the compact row, the year button's turns, the countdown and
// midnight.

#include <QSignalSpy>
#include <QTest>

#include "year_model.h"

using namespace solvane;

namespace {

const QDate kToday(2026, 12, 7);
const QDate kNone;

// A model in compact mode of the given width, laid out as the compact button leaves it; the
// width button is pressed while the row shows `shown`.
void makeCompact(YearModel& model, int width, const CompactRow& shown = {}) {
    model.enterCompactMode();
    while (model.compactWidth() != width)
        model.nextCompactWidth(shown);
    model.layOutCompactRow();
}

}  // namespace

Q_DECLARE_METATYPE(RedateMode)
Q_DECLARE_METATYPE(YearButtonText)
Q_DECLARE_METATYPE(CompactRow)

class YearModelTest : public QObject {
    Q_OBJECT

private slots:
    void redating_data() {
        QTest::addColumn<RedateMode>("mode");
        QTest::addColumn<QDate>("firstShown");
        QTest::addColumn<QDate>("january");  // null: the first calendar stays
        QTest::addColumn<int>("anchor");
        QTest::addRow("from today")
            << RedateMode::FromToday << QDate(2030, 6, 15) << QDate(2026, 1, 1) << 2026;
        QTest::addRow("from the first calendar's year")
            << RedateMode::FromFirstYear << QDate(2030, 6, 15) << QDate(2030, 1, 1) << 2030;
        QTest::addRow("kept as it stands")
            << RedateMode::KeepFirst << QDate(2030, 6, 15) << kNone << 0;
    }
    void redating() {
        QFETCH(RedateMode, mode);
        QFETCH(QDate, firstShown);
        QFETCH(QDate, january);
        QFETCH(int, anchor);
        YearModel model;
        model.setRedateMode(mode);
        QCOMPARE(model.redate(firstShown, kToday).value_or(QDate()), january);
        QCOMPARE(model.anchorYear(), anchor);
        QCOMPARE(model.anchorJanuary(), anchor ? QDate(anchor, 1, 1) : QDate());
        QCOMPARE(model.redateMode(), RedateMode::FromToday);  // for the next activation
    }

    void monthsCountFromTheFirst_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("k");
        QTest::addColumn<QDate>("month");
        QTest::addRow("31 Jan 2027, month 2") << QDate(2027, 1, 31) << 2 << QDate(2027, 2, 28);
        QTest::addRow("31 Jan 2027, month 3 keeps the 31st")
            << QDate(2027, 1, 31) << 3 << QDate(2027, 3, 31);
        QTest::addRow("31 Jan 2028, leap day") << QDate(2028, 1, 31) << 2 << QDate(2028, 2, 29);
        QTest::addRow("31 Jan 2100, no leap day") << QDate(2100, 1, 31) << 2 << QDate(2100, 2, 28);
        QTest::addRow("year wrap") << QDate(2026, 12, 1) << 2 << QDate(2027, 1, 1);
        QTest::addRow("beyond 9999, held at its last month")
            << QDate(9999, 12, 1) << 2 << QDate(9999, 12, 1);
    }
    void monthsCountFromTheFirst() {
        QFETCH(QDate, first);
        QFETCH(int, k);
        QFETCH(QDate, month);
        QCOMPARE(YearModel::monthOfView(first, k), month);
    }

    void steps_data() {
        QTest::addColumn<int>("width");  // 0: the full year
        QTest::addColumn<int>("sign");
        QTest::addColumn<QDate>("firstShown");
        QTest::addColumn<QDate>("first");  // null: refused
        QTest::addRow("full, next") << 0 << 1 << QDate(2026, 12, 7) << QDate(2027, 1, 1);
        QTest::addRow("full, previous") << 0 << -1 << QDate(2026, 3, 15) << QDate(2025, 1, 1);
        QTest::addRow("full, next beyond 9999") << 0 << 1 << QDate(9999, 1, 1) << kNone;
        QTest::addRow("full, previous before 1601") << 0 << -1 << QDate(1601, 1, 1) << kNone;
        QTest::addRow("full, previous into 1601")
            << 0 << -1 << QDate(1602, 5, 1) << QDate(1601, 1, 1);
        QTest::addRow("compact, next from 31 January")
            << 2 << 1 << QDate(2027, 1, 31) << QDate(2027, 2, 28);
        QTest::addRow("compact, previous over New Year")
            << 2 << -1 << QDate(2026, 1, 1) << QDate(2025, 12, 1);
        QTest::addRow("compact of 2, next would show January 10000")
            << 2 << 1 << QDate(9999, 11, 1) << kNone;
        QTest::addRow("compact of 1, next into December 9999")
            << 1 << 1 << QDate(9999, 11, 1) << QDate(9999, 12, 1);
        QTest::addRow("compact, previous before 1601") << 3 << -1 << QDate(1601, 1, 1) << kNone;
    }
    void steps() {
        QFETCH(int, width);
        QFETCH(int, sign);
        QFETCH(QDate, firstShown);
        QFETCH(QDate, first);
        YearModel model;
        if (width)
            makeCompact(model, width);
        QCOMPARE(model.step(sign, firstShown).value_or(QDate()), first);
    }

    void compactRowAfterItsLayout_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<CompactRow>("saved");
        QTest::addColumn<QDate>("firstShown");
        QTest::addColumn<CompactRow>("row");  // all null: the dating stays
        const CompactRow none{};
        QTest::addRow("first entry, current year: from the current month")
            << 2 << none << QDate(2026, 1, 1)
            << CompactRow{QDate(2026, 12, 1), QDate(2027, 1, 1), QDate(2027, 2, 1)};
        QTest::addRow("first entry, another year: January stays")
            << 2 << none << QDate(2030, 1, 1) << none;
        const CompactRow saved{QDate(2027, 3, 17), QDate(2027, 4, 1), QDate(2027, 5, 1)};
        QTest::addRow("later entries: the row last left, its clicked day kept")
            << 3 << saved << QDate(2026, 1, 1) << saved;
        QTest::addRow("December 9999 with two months: November and December")
            << 2 << CompactRow{QDate(9999, 12, 1), QDate(9999, 12, 1), QDate(9999, 12, 1)}
            << QDate(9999, 1, 1)
            << CompactRow{QDate(9999, 11, 1), QDate(9999, 12, 1), QDate(9999, 12, 1)};
    }
    void compactRowAfterItsLayout() {
        QFETCH(int, width);
        QFETCH(CompactRow, saved);
        QFETCH(QDate, firstShown);
        QFETCH(CompactRow, row);
        YearModel model;
        model.enterCompactMode();
        model.leaveCompactMode(saved);
        makeCompact(model, width, saved);
        QCOMPARE(model.compactRowAfterLayout(firstShown, kToday).value_or(CompactRow{}), row);
    }

    // Compact mode and its width: what each change leaves for the next activation and the
    // year button.
    void compactModeChanges_data() {
        QTest::addColumn<QString>("presses");  // c: compact on/off, w: width, y: year button
        QTest::addColumn<bool>("compact");
        QTest::addColumn<int>("width");
        QTest::addColumn<YearButtonText>("button");
        QTest::addColumn<RedateMode>("mode");
        QTest::addRow("start") << "" << false << 2 << YearButtonText::Year << RedateMode::FromToday;
        QTest::addRow("compact") << "c" << true << 2 << YearButtonText::JanuaryOfYear
                                 << RedateMode::FromFirstYear;
        QTest::addRow("compact, year button: back to January")
            << "cy" << true << 2 << YearButtonText::MonthOfYear << RedateMode::FromFirstYear;
        QTest::addRow("compact, year button twice")
            << "cyy" << true << 2 << YearButtonText::JanuaryOfYear << RedateMode::FromFirstYear;
        QTest::addRow("widths 3, 1, 2")
            << "cw" << true << 3 << YearButtonText::JanuaryOfYear << RedateMode::FromFirstYear;
        QTest::addRow("width twice")
            << "cww" << true << 1 << YearButtonText::JanuaryOfYear << RedateMode::FromFirstYear;
        QTest::addRow("width three times")
            << "cwww" << true << 2 << YearButtonText::JanuaryOfYear << RedateMode::FromFirstYear;
        QTest::addRow("compact and back")
            << "cc" << false << 2 << YearButtonText::Year << RedateMode::FromFirstYear;
    }
    void compactModeChanges() {
        QFETCH(QString, presses);
        QFETCH(bool, compact);
        QFETCH(int, width);
        QFETCH(YearButtonText, button);
        QFETCH(RedateMode, mode);
        YearModel model;
        QSignalSpy buttonTexts(&model, &YearModel::yearButtonTextChanged);
        for (const QChar press : presses) {
            if (press == u'c' && !model.compactMode()) {
                model.enterCompactMode();
                model.layOutCompactRow();
            } else if (press == u'c') {
                model.leaveCompactMode({});
            } else if (press == u'w') {
                model.nextCompactWidth({});
                model.layOutCompactRow();
            } else {
                model.yearButtonPressed();
            }
        }
        QCOMPARE(model.compactMode(), compact);
        QCOMPARE(model.compactWidth(), width);
        QCOMPARE(model.yearButtonText(), button);
        QCOMPARE(model.redateMode(), mode);
        QCOMPARE(model.monthsInView(), compact ? width : 12);
        if (!presses.isEmpty())
            QCOMPARE(buttonTexts.last().at(0).value<YearButtonText>(), button);
    }

    void sunCountdown_data() {
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<int>("ticksToToday");  // 0: never
        QTest::addRow("at start: the first tick") << false << false << 1;
        QTest::addRow("a day shown: 300 ticks") << true << false << 300;
        QTest::addRow("a computation waiting in a box") << false << true << 0;
    }
    void sunCountdown() {
        QFETCH(bool, started);
        QFETCH(bool, busy);
        QFETCH(int, ticksToToday);
        YearModel model;
        if (started)
            model.startSunDisplay();
        int ticks = 0;
        bool today = false;
        while (!today && ticks < 400) {
            ++ticks;
            today = model.countDownSunDisplay(busy);
        }
        QCOMPARE(today ? ticks : 0, ticksToToday);
        QCOMPARE(model.sunDisplayCountdown(), today ? -1 : 0);
        QVERIFY(!model.countDownSunDisplay(busy));  // once only
    }

    void midnight_data() {
        QTest::addColumn<bool>("dated");
        QTest::addColumn<QDate>("newDay");
        QTest::addColumn<int>("anchor");
        QTest::addRow("New Year's Day") << true << QDate(2027, 1, 1) << 2027;
        QTest::addRow("the next day") << true << QDate(2026, 12, 8) << 2026;
        QTest::addRow("a view never dated stays so") << false << QDate(2027, 1, 1) << 0;
    }
    void midnight() {
        QFETCH(bool, dated);
        QFETCH(QDate, newDay);
        QFETCH(int, anchor);
        YearModel model;
        if (dated)
            model.redate(QDate(2030, 5, 1), kToday);
        model.dayPassed(newDay);
        QCOMPARE(model.anchorYear(), anchor);
    }

    void weekNumbersAreAnnounced() {
        YearModel model;
        QSignalSpy changes(&model, &YearModel::weekNumbersChanged);
        model.setWeekNumbersShown(true);
        model.setWeekNumbersShown(false);
        QCOMPARE(changes.count(), 2);
        QVERIFY(!model.weekNumbersShown());
    }
};

QTEST_GUILESS_MAIN(YearModelTest)
#include "tst_year_model.moc"
