// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Compact mode: entering and leaving it, the row of months it shows, its three widths.

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"
#include "tjpaneltexture.h"

using namespace solvane;
using namespace solvane::test;

namespace {

struct StartedApp : AppFixture {
    StartedApp() { activate(); }
    TCalendar& c = *calendar;
    QStringList row() const { return {title(1), title(2), title(3)}; }
    QList<int> stripLefts() const {
        QList<int> lefts;
        for (QToolButton* b :
             {child<QToolButton>(c, "SpeedButton11"), child<QToolButton>(c, "SpeedButton10"),
              child<QToolButton>(c, "SpeedButton9"), child<QToolButton>(c, "SpeedButton8"),
              child<QToolButton>(c, "SpeedButton7"), child<QToolButton>(c, "SpeedButton3"),
              child<QToolButton>(c, "SpeedButton6"), child<QToolButton>(c, "SpeedButton5"),
              child<QToolButton>(c, "SpeedButton1"), child<QToolButton>(c, "SpeedButton2")})
            lefts << b->x();
        return lefts;
    }
};

const QStringList kDecJanFeb{QStringLiteral("December 2026"), QStringLiteral("January 2027"),
                             QStringLiteral("February 2027")};

}  // namespace

class CompactModeTest : public QObject {
    Q_OBJECT

private slots:
    void firstEntryStartsAtTheCurrentMonth() {
        StartedApp app;
        child<QToolButton>(app.c, "SpeedButton8")->click();
        QVERIFY(app.c.state().CompactMode);
        QCOMPARE(app.row(), kDecJanFeb);
        QCOMPARE(child<QToolButton>(app.c, "SpeedButton10")->text(), QStringLiteral("Jan 2026"));
        for (int n : {1, 3, 5})
            QCOMPARE(panel(app.c, n)->Caption(), QString());
        for (int k = 1; k <= 12; ++k)
            QCOMPARE(app.month(k)->isEnabled(), k <= 3);
        for (int n : {34, 35, 36})
            QVERIFY(panel(app.c, n)->isHidden());
        for (QWidget* w : std::initializer_list<QWidget*>{
                 child<QLabel>(app.c, "Image1"), child<QLabel>(app.c, "Image2"),
                 child<QLabel>(app.c, "Image3"), child<QLabel>(app.c, "Label3"),
                 child<QLabel>(app.c, "Label4"), child<QToolButton>(app.c, "SpeedButton6")})
            QVERIFY(w->isHidden());
        QVERIFY(!child<QToolButton>(app.c, "SpeedButton7")->isHidden());
        QCOMPARE(app.c.pos(), app.c.state().CompactPos);
        // Last over the compact button at its new place, after the width button.
        const QPoint corner = app.corner();
        QCOMPARE(app.platform.pointerMoves.mid(app.platform.pointerMoves.size() - 2),
                 (QVector<QPoint>{corner + QPoint(-1 + 207 + 13, 142 + 2 + 37),
                                  corner + QPoint(-1 + 173 + 20, 142 + 2 + 37)}));
    }

    void firstEntryInAnotherYearStartsInJanuary() {
        StartedApp app;
        child<QToolButton>(app.c, "SpeedButton11")->click();
        child<QToolButton>(app.c, "SpeedButton8")->click();
        QCOMPARE(app.title(1), QStringLiteral("January 2025"));
        QCOMPARE(app.title(2), QStringLiteral("February 2025"));
        QCOMPARE(child<QToolButton>(app.c, "SpeedButton10")->text(), QStringLiteral("Jan 2026"));
    }

    void yearButtonAlternatesThenNextStepsAMonth() {
        StartedApp app;
        child<QToolButton>(app.c, "SpeedButton8")->click();
        child<QToolButton>(app.c, "SpeedButton10")->click();
        QCOMPARE(app.row().mid(0, 2),
                 (QStringList{QStringLiteral("January 2026"), QStringLiteral("February 2026")}));
        QCOMPARE(child<QToolButton>(app.c, "SpeedButton10")->text(), QStringLiteral("Dec 2026"));
        child<QToolButton>(app.c, "SpeedButton10")->click();
        QCOMPARE(app.row(), kDecJanFeb);
        QCOMPARE(child<QToolButton>(app.c, "SpeedButton10")->text(), QStringLiteral("Jan 2026"));
        child<QToolButton>(app.c, "SpeedButton9")->click();
        QCOMPARE(app.row().mid(0, 2),
                 (QStringList{QStringLiteral("January 2027"), QStringLiteral("February 2027")}));
    }

    void widthCyclesKeepingTheRow_data() {
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("width");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("stripWidth");
        QTest::addColumn<int>("textureWidth");
        QTest::addColumn<QList<int>>("lefts");  // SpeedButton11, 10, 9, 8, 7, 3, 6, 5, 1, 2
        QTest::addRow("2 months") << 0 << 2 << QSize(396, 167) << 398 << 397
                                  << QList<int>{33, 62, 141, 173, 207, 238, 412, 287, 317, 347};
        QTest::addRow("3 months") << 1 << 3 << QSize(594, 166) << 595 << 810
                                  << QList<int>{130, 159, 238, 270, 304, 333, 356, 382, 412, 442};
        QTest::addRow("1 month") << 2 << 1 << QSize(197, 166) << 205 << 203
                                 << QList<int>{0, 27, 104, 131, 165, 266, 356, 639, 412, 349};
        QTest::addRow("2 months again")
            << 3 << 2 << QSize(396, 167) << 398 << 397
            << QList<int>{33, 62, 141, 173, 207, 238, 356, 287, 317, 347};
    }
    void widthCyclesKeepingTheRow() {
        QFETCH(int, presses);
        QFETCH(int, width);
        QFETCH(QSize, client);
        QFETCH(int, stripWidth);
        QFETCH(int, textureWidth);
        QFETCH(QList<int>, lefts);
        StartedApp app;
        child<QToolButton>(app.c, "SpeedButton8")->click();
        for (int i = 0; i < presses; ++i)
            child<QToolButton>(app.c, "SpeedButton7")->click();
        QCOMPARE(app.c.state().CompactWidth, width);
        QCOMPARE(app.row(), kDecJanFeb);
        QCOMPARE(app.c.size(), client);
        QCOMPARE(app.c.minimumSize(), client);  // fixed size
        QCOMPARE(app.c.maximumSize(), client);
        QCOMPARE(panel(app.c, 28)->geometry(), QRect(-1, 142, stripWidth, 25));
        QCOMPARE(child<QWidget>(app.c, "JPanelTexture1")->width(), textureWidth);
        QCOMPARE(app.stripLefts(), lefts);
        QCOMPARE(child<QAction>(app.c, "Tray1")->isVisible(), width == 1);
    }

    void leavingShowsTheWholeYearOfTheRow() {
        StartedApp app;
        child<QToolButton>(app.c, "SpeedButton8")->click();
        child<QToolButton>(app.c, "SpeedButton9")->click();  // January to March 2027
        app.c.move(300, 200);
        child<QToolButton>(app.c, "SpeedButton8")->click();
        QVERIFY(!app.c.state().CompactMode);
        for (int k = 1; k <= 12; ++k) {
            QCOMPARE(app.month(k)->Date(), QDate(2027, k, 1));
            QCOMPARE(panel(app.c, 2 * k - 1)->Caption(),
                     k < 10 ? QStringLiteral("%1 ").arg(k) : QString::number(k));
            QVERIFY(app.month(k)->isEnabled());
        }
        QCOMPARE(app.c.size(), QSize(794, 453));
        QCOMPARE(panel(app.c, 28)->geometry(), QRect(-1, 428, 795, 25));
        QCOMPARE(app.stripLefts(), (QList<int>{236, 265, 344, 378, 207, 446, 412, 639, 701, 732}));
        for (int n : {34, 35, 36})
            QVERIFY(!panel(app.c, n)->isHidden());
        QVERIFY(!child<QToolButton>(app.c, "SpeedButton6")->isHidden());
        QVERIFY(child<QToolButton>(app.c, "SpeedButton7")->isHidden());
        QCOMPARE(child<QToolButton>(app.c, "SpeedButton10")->text(), QStringLiteral("2026"));
        QCOMPARE(app.c.state().CompactPos, QPoint(300, 200));
        QCOMPARE(app.c.pos(), app.c.state().FullPos);

        // The next entry shows the row it was left with.
        child<QToolButton>(app.c, "SpeedButton8")->click();
        QCOMPARE(app.row(),
                 (QStringList{QStringLiteral("January 2027"), QStringLiteral("February 2027"),
                              QStringLiteral("March 2027")}));
        QCOMPARE(app.c.pos(), QPoint(300, 200));
    }

    void weekNumbersGoOffAtEverySwitch() {
        StartedApp app;
        for (int i = 0; i < 2; ++i) {
            child<QToolButton>(app.c, "SpeedButton5")->click();
            QVERIFY(app.month(7)->WeekNumbers());
            child<QToolButton>(app.c, "SpeedButton8")->click();
            QCOMPARE(app.c.state().WeekNumbersShown, 0);
            for (int k = 1; k <= 12; ++k)
                QVERIFY(!app.month(k)->WeekNumbers());
        }
    }
};

QTEST_MAIN(CompactModeTest)
#include "tst_compact_mode.moc"
