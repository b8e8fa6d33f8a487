// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The year page's layout on every paper and orientation: nothing overlaps, nothing leaves the
// page or its own rectangle, every month and its holidays are there, the glyphs stand on their
// days; and the page written as a PDF.

#include <sys/resource.h>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "year_page.h"

using namespace solvane::print;

namespace {

// `holidays` up to 6 are that many in December (and May Day); more are that many in every
// month, with names longer than a month is wide, as a country's and a religion's calendars
// together give.
YearPageInput sample(const QLocale& locale, bool weekNumbers, bool dayOfYear, int holidays) {
    YearPageInput input;
    input.year = 2027;
    input.place = QStringLiteral("Llanfairpwllgwyngyll-gogerychwyrndrobwll");
    input.zone = QStringLiteral("America/Argentina/ComodRivadavia");
    input.locale = locale;
    input.weekNumbers = weekNumbers;
    input.dayOfYear = dayOfYear;
    const QStringList names{QStringLiteral("Christmas Day"),
                            QStringLiteral("Boxing Day"),
                            QStringLiteral("The Feast of a Saint Whose Name Is Far Too Long"),
                            QStringLiteral("New Year's Eve"),
                            QStringLiteral("One more"),
                            QStringLiteral("And another")};
    for (int i = 0; i < holidays && i < names.size(); ++i)
        input.holidays.push_back({QDate(2027, 12, 25 + i), names[i]});
    for (int month = 1; month <= 12 && holidays > names.size(); ++month)
        for (int i = 0; i < holidays; ++i)
            input.holidays.push_back(
                {QDate(2027, month, 1 + i * 2),
                 QStringLiteral("Commemoration of the %1th Anniversary of Something Memorable")
                     .arg(i + 1)});
    if (holidays > 0)
        input.holidays.push_back({QDate(2027, 5, 1), QStringLiteral("May Day")});
    for (int month = 1; month <= 12; ++month)
        input.moon.push_back({QDate(2027, month, 28), MoonPhase(month % 4)});
    for (int i = 0; i < 24; ++i)
        input.sun.push_back({QStringLiteral("12:59P"), QStringLiteral("12:59A")});
    return input;
}

QSizeF pointsOf(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation) {
    const QSizeF size = QPageSize(paper).size(QPageSize::Point);
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

QSizeF measured(const PlacedText& text) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setDotsPerMeterX(qRound(72 / 0.0254));
    image.setDotsPerMeterY(qRound(72 / 0.0254));
    const QFontMetricsF metrics(text.font, &image);
    return {metrics.horizontalAdvance(text.text), metrics.height()};
}

bool hasText(const YearPageLayout& layout, const QString& text) {
    return std::any_of(layout.texts.begin(), layout.texts.end(),
                       [&](const PlacedText& placed) { return placed.text == text; });
}

}  // namespace

class YearPageTest : public QObject {
    Q_OBJECT

private slots:
    void nothingOverlapsOrIsCut_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("weekNumbers");
        QTest::addColumn<bool>("dayOfYear");
        QTest::addColumn<int>("holidays");
        const QList<std::pair<const char*, QPageSize::PageSizeId>> papers{
            {"A4", QPageSize::A4},
            {"A3", QPageSize::A3},
            {"Letter", QPageSize::Letter},
            {"Legal", QPageSize::Legal}};
        for (const auto& [name, paper] : papers)
            for (const auto orientation : {QPageLayout::Landscape, QPageLayout::Portrait}) {
                const QByteArray row =
                    QByteArray(name) +
                    (orientation == QPageLayout::Landscape ? " landscape" : " portrait");
                QTest::newRow(row + ", plain") << int(paper) << int(orientation)
                                               << QLocale(QLocale::English) << false << false << 0;
                QTest::newRow(row + ", everything in German")
                    << int(paper) << int(orientation) << QLocale(QLocale::German) << true << true
                    << 6;
                QTest::newRow(row + ", week numbers and three holidays in Finnish")
                    << int(paper) << int(orientation) << QLocale(QLocale::Finnish) << true << false
                    << 3;
                QTest::newRow(row + ", nine long holidays every month")
                    << int(paper) << int(orientation) << QLocale(QLocale::English) << true << true
                    << 9;
            }
    }
    void nothingOverlapsOrIsCut() {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(QLocale, locale);
        QFETCH(bool, weekNumbers);
        QFETCH(bool, dayOfYear);
        QFETCH(int, holidays);
        const YearPageLayout layout = layOutYearPage(
            sample(locale, weekNumbers, dayOfYear, holidays),
            pointsOf(QPageSize::PageSizeId(paper), QPageLayout::Orientation(orientation)));
        std::vector<QRectF> boxes;
        for (const PlacedText& text : layout.texts) {
            QVERIFY2(layout.page.contains(text.rect), qPrintable(text.text));
            const QSizeF size = measured(text);
            QVERIFY2(size.width() <= text.rect.width() + 0.01 &&
                         size.height() <= text.rect.height() + 0.01,
                     qPrintable(text.text));
            // Readable on paper: no text below 4 points.
            QVERIFY2(
                text.font.pointSizeF() >= 4,
                qPrintable(
                    QStringLiteral("%1 at %2 points").arg(text.text).arg(text.font.pointSizeF())));
            boxes.push_back(text.rect);
        }
        for (const PlacedGlyph& glyph : layout.glyphs) {
            QVERIFY(layout.page.contains(glyph.rect));
            boxes.push_back(glyph.rect);
        }
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                // Neighbours share an edge: a hundredth of a point of rounding is no overlap.
                QVERIFY2(!boxes[i].adjusted(0.01, 0.01, -0.01, -0.01).intersects(boxes[j]),
                         qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
        for (int month = 1; month <= 12; ++month)
            QVERIFY(hasText(layout, locale.standaloneMonthName(month)));
        QCOMPARE(layout.glyphs.size(), std::size_t(12));
        if (weekNumbers) {
            QVERIFY(hasText(layout, locale.toString(53)));  // 1 January 2027 is a Friday
            QVERIFY(hasText(layout, locale.toString(52)));
        }
        QCOMPARE(hasText(layout, locale.toString(365)), dayOfYear);
    }

    // Each month lists its own holidays by day; more than fit are counted.
    void holidaysAreListedUnderTheirMonth_data() {
        QTest::addColumn<int>("holidays");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("notListed");
        QTest::newRow("none") << 0 << QStringList{} << QStringList{QStringLiteral("1 May Day")};
        QTest::newRow("two") << 2
                             << QStringList{QStringLiteral("25 Christmas Day"),
                                            QStringLiteral("26 Boxing Day"),
                                            QStringLiteral("1 May Day")}
                             << QStringList{QStringLiteral("and 1 more")};
        QTest::newRow("six in December")
            << 6 << QStringList{QStringLiteral("25 Christmas Day"), QStringLiteral("and 3 more")}
            << QStringList{QStringLiteral("29 One more")};
    }
    void holidaysAreListedUnderTheirMonth() {
        QFETCH(int, holidays);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, notListed);
        const YearPageLayout layout = layOutYearPage(
            sample(QLocale(QLocale::English), false, false, holidays), QSizeF(842, 595));
        for (const QString& text : listed)
            QVERIFY2(hasText(layout, text), qPrintable(text));
        for (const QString& text : notListed)
            QVERIFY2(!hasText(layout, text), qPrintable(text));
    }

    // A holiday's number is in the holiday ink, as a weekend's is; a working day's is not.
    void holidayNumbersAreInTheHolidayInk_data() {
        QTest::addColumn<QDate>("holiday");
        QTest::addColumn<int>("moreRed");
        QTest::newRow("Wednesday 3 March") << QDate(2027, 3, 3) << 1;
        QTest::newRow("Sunday 3 January, red anyway") << QDate(2027, 1, 3) << 0;
        QTest::newRow("in another year") << QDate(2028, 3, 3) << 0;
    }
    void holidayNumbersAreInTheHolidayInk() {
        QFETCH(QDate, holiday);
        QFETCH(int, moreRed);
        YearPageInput input = sample(QLocale(QLocale::English), false, false, 0);
        const auto redThrees = [](const YearPageInput& page) {
            const YearPageLayout layout = layOutYearPage(page, QSizeF(842, 595));
            return std::count_if(layout.texts.begin(), layout.texts.end(), [&](const auto& text) {
                return text.text == QLatin1String("3") && text.colour == page.holidayInk;
            });
        };
        const auto before = redThrees(input);
        input.holidays.push_back({holiday, QStringLiteral("Test Day")});
        QCOMPARE(redThrees(input), before + moreRed);
    }

    // Weekdays and the first day of the week follow the locale.
    void weekStartsOnTheLocalesDay_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("firstHeader");
        QTest::newRow("United States: Sunday")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("Sun");
        QTest::newRow("Britain: Monday")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << QStringLiteral("Mon");
    }
    void weekStartsOnTheLocalesDay() {
        QFETCH(QLocale, locale);
        QFETCH(QString, firstHeader);
        const YearPageLayout layout =
            layOutYearPage(sample(locale, false, false, 0), QSizeF(842, 595));
        // The texts after the title and the first month's name: its weekday headers.
        QCOMPARE(layout.texts.at(2).text, firstHeader);
        // The glyph of 28 January stands on that day's cell, right of its number.
        const PlacedText* day28 = nullptr;
        for (const PlacedText& text : layout.texts)
            if (text.text == QLatin1String("28") && !day28)
                day28 = &text;
        QVERIFY(day28);
        const QRectF glyph = layout.glyphs.front().rect;
        QCOMPARE(layout.glyphs.front().date, QDate(2027, 1, 28));
        QVERIFY(glyph.left() >= day28->rect.right());
        QVERIFY(glyph.top() >= day28->rect.top() && glyph.bottom() <= day28->rect.bottom());
    }

    // The compact window's months: one to three, across the turn of the year.
    void compactMonthsFromAnyMonth_data() {
        QTest::addColumn<int>("firstMonth");
        QTest::addColumn<int>("months");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("one") << 6 << 1 << QStringList{QStringLiteral("June")};
        QTest::newRow("three into the next year")
            << 12 << 3
            << QStringList{QStringLiteral("December"), QStringLiteral("January"),
                           QStringLiteral("February")};
    }
    void compactMonthsFromAnyMonth() {
        QFETCH(int, firstMonth);
        QFETCH(int, months);
        QFETCH(QStringList, names);
        YearPageInput input = sample(QLocale(QLocale::English), true, false, 0);
        input.firstMonth = firstMonth;
        input.months = months;
        input.sun.resize(std::size_t(2 * months));
        const YearPageLayout layout = layOutYearPage(input, QSizeF(595, 842));
        for (const QString& name : names)
            QVERIFY2(hasText(layout, name), qPrintable(name));
        QVERIFY(!hasText(layout, QStringLiteral("March")));
        for (const PlacedText& text : layout.texts)
            QVERIFY2(layout.page.contains(text.rect), qPrintable(text.text));
        // Glyphs stand only on days shown; the sample's phases are all in 2027.
        for (const PlacedGlyph& glyph : layout.glyphs)
            QCOMPARE(glyph.date.month(), firstMonth);
    }

    void writesOnePdfPageOrRefuses() {
        QTemporaryDir dir;
        const QPageLayout page(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());
        const YearPageInput input = sample(QLocale(QLocale::English), true, false, 2);
        const QString file = dir.filePath(QStringLiteral("year.pdf"));
        QVERIFY(writeYearPdf(file, input, page));
        const auto bytesOf = [](const QString& path) {
            QFile in(path);
            return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        };
        QVERIFY(bytesOf(file).startsWith("%PDF-"));
        QVERIFY(
            !writeYearPdf(dir.filePath(QStringLiteral("no/such/folder/year.pdf")), input, page));
        // A full disk (a file size limit stops root too): refused, and the old page stays.
        QFile::copy(file, file + QStringLiteral(".before"));
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit full = previous;
        full.rlim_cur = 1000;
        ::setrlimit(RLIMIT_FSIZE, &full);
        const bool written = writeYearPdf(file, input, page);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        QVERIFY(!written);
        QCOMPARE(bytesOf(file), bytesOf(file + QStringLiteral(".before")));
    }
};

QTEST_MAIN(YearPageTest)
#include "tst_year_page.moc"
