// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "year_page.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "month_face.h"
#include "month_grid.h"

namespace solvane::print {
namespace {

// Lines a month gives to its holidays at most; more are counted on the last of them.
constexpr int kMaxHolidayLines = 4;
// One point per unit: the page is laid out and painted in points.
constexpr int kPointsPerInch = 72;
// The month grid counts in whole units: on the page they are this many to a point, so that
// sharing the grid costs no visible rounding.
constexpr int kGridUnitsPerPoint = 64;

QRect gridUnits(const QRectF& points) {
    const auto units = [](double value) { return qRound(value * kGridUnitsPerPoint); };
    return QRect(QPoint(units(points.left()), units(points.top())),
                 QPoint(units(points.right()) - 1, units(points.bottom()) - 1));
}

QRectF points(const QRect& units) {
    constexpr double scale = 1.0 / kGridUnitsPerPoint;
    return QRectF(units.left() * scale, units.top() * scale, units.width() * scale,
                  units.height() * scale);
}

// The page's texts, in one context with the place text the window gives it.
struct YearPage {
    Q_DECLARE_TR_FUNCTIONS(YearPage)
};

// Fonts are measured on an image of 72 dots per inch, where a point is a pixel, as on the
// page: widths measured on the screen would follow its resolution and hinting.
class Measure {
public:
    Measure() : image_(1, 1, QImage::Format_ARGB32) {
        const int dotsPerMeter = qRound(kPointsPerInch / 0.0254);
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
    }
    QSizeF size(const QFont& font, const QString& text) const {
        const QFontMetricsF metrics(font, &image_);
        return {metrics.horizontalAdvance(text), metrics.height()};
    }
    // The font made small enough for `text` to fit `rect`.
    QFont fitted(QFont font, const QString& text, const QSizeF& room) const {
        for (int step = 0; step < 40; ++step) {
            const QSizeF needed = size(font, text);
            if (needed.width() <= room.width() && needed.height() <= room.height())
                break;
            font.setPointSizeF(font.pointSizeF() * 0.92);
        }
        return font;
    }
    QString elided(const QFont& font, const QString& text, double width) const {
        return QFontMetricsF(font, &image_).elidedText(text, Qt::ElideRight, width);
    }

private:
    QImage image_;
};

class Builder {
public:
    Builder(const YearPageInput& input, const QSizeF& page) : input_(input) {
        layout_.page = QRectF(QPointF(0, 0), page);
    }

    YearPageLayout build() {
        const QSizeF page = layout_.page.size();
        const double margin = 0.045 * std::min(page.width(), page.height());
        const QRectF inner = layout_.page.adjusted(margin, margin, -margin, -margin);
        const double titleHeight = inner.height() * 0.06;
        addText(QRectF(inner.left(), inner.top(), inner.width(), titleHeight), titleText(),
                font(titleHeight * 0.7, true), input_.ink, Qt::AlignCenter);

        const bool landscape = page.width() >= page.height();
        const int count = std::clamp(input_.months, 1, 12);
        const int columns = std::min(count, landscape ? 4 : 3);
        const int rows = (count + columns - 1) / columns;
        const QRectF grid(inner.left(), inner.top() + titleHeight * 1.3, inner.width(),
                          inner.height() - titleHeight * 1.3);
        const double gapX = grid.width() * 0.025;
        const double gapY = grid.height() * 0.02;
        const double blockWidth = (grid.width() - gapX * (columns - 1)) / columns;
        const double blockHeight = (grid.height() - gapY * (rows - 1)) / rows;
        holidayLines_ = 0;
        for (int index = 0; index < count; ++index)
            holidayLines_ = std::max(holidayLines_, int(holidaysOf(monthAt(index)).size()));
        holidayLines_ = std::min(holidayLines_, kMaxHolidayLines);
        for (int index = 0; index < count; ++index) {
            const QRectF block(grid.left() + (index % columns) * (blockWidth + gapX),
                               grid.top() + (index / columns) * (blockHeight + gapY), blockWidth,
                               blockHeight);
            addMonth(block, index, count);
        }
        return layout_;
    }

private:
    QString titleText() const {
        return YearPage::tr("%1 \u2014 %2 (%3)").arg(input_.year).arg(input_.place, input_.zone);
    }

    QFont font(double size, bool bold = false) const {
        QFont font(input_.fontFamily);
        font.setPointSizeF(std::max(size, 1.0));
        // No ligatures: "fi" drawn as one glyph reads back as U+FB01, and the page's text would
        // no longer be found by searching for "Pfingstmontag".
        font.setStyleStrategy(QFont::PreferNoShaping);
        font.setBold(bold);
        return font;
    }

    void addText(const QRectF& rect, const QString& text, const QFont& wanted, const QColor& colour,
                 int flags) {
        PlacedText placed;
        placed.rect = rect;
        placed.text = text;
        placed.font = wanted;
        placed.colour = colour;
        placed.flags = flags;
        addText(placed);
    }
    // `text` with its font made small enough for its rectangle.
    void addText(PlacedText text) {
        if (text.text.isEmpty())
            return;
        text.font = measure_.fitted(text.font, text.text, text.rect.size());
        layout_.texts.push_back(std::move(text));
    }

    // The page's look of a month's texts: the locale's short weekday names and numbers, and
    // weekends and holidays in the holiday ink.
    MonthStyle monthStyle(double textSize) const {
        MonthStyle style;
        style.font = font(textSize);
        style.ink = input_.ink;
        style.weekNumberInk = QColor(0x70, 0x70, 0x70);
        style.holidayInk = input_.holidayInk;
        style.neighbourDays = false;
        style.weekendsInHolidayInk = true;
        style.weekdayName = [this](int day) {
            return input_.locale.dayName(day, QLocale::ShortFormat);
        };
        style.number = [this](int n) { return input_.locale.toString(n); };
        style.holiday = [this](const QDate& date) { return isHoliday(date); };
        style.weekend = [this](int day) { return isWeekend(day); };
        return style;
    }

    // The first day of the `index`th month shown.
    QDate monthAt(int index) const {
        return QDate(input_.year, std::clamp(input_.firstMonth, 1, 12), 1).addMonths(index);
    }

    std::vector<Holiday> holidaysOf(const QDate& first) const {
        std::vector<Holiday> found;
        for (const Holiday& holiday : input_.holidays)
            if (holiday.date.year() == first.year() && holiday.date.month() == first.month())
                found.push_back(holiday);
        std::stable_sort(found.begin(), found.end(),
                         [](const Holiday& a, const Holiday& b) { return a.date < b.date; });
        return found;
    }

    bool isHoliday(const QDate& date) const {
        return std::any_of(input_.holidays.begin(), input_.holidays.end(),
                           [&](const Holiday& holiday) { return holiday.date == date; });
    }

    bool isWeekend(int dayOfWeek) const {
        return !input_.locale.weekdays().contains(Qt::DayOfWeek(dayOfWeek));
    }

    const MoonMark* moonOn(const QDate& date) const {
        for (const MoonMark& mark : input_.moon)
            if (mark.localDate == date)
                return &mark;
        return nullptr;
    }

    void addMonth(const QRectF& block, int index, int count) {
        const QDate first = monthAt(index);
        const int month = first.month();
        // The block in units of one line: the name, the weekdays and six weeks, two sun lines
        // and the holidays' lines.
        const bool sun = input_.sun.size() >= std::size_t(2 * count);
        const double weekUnits = input_.dayOfYear ? 1.8 : 1.25;
        const double units = 1.5 + 7 * weekUnits + (sun ? 2.1 : 0) + holidayLines_ + 0.2;
        const double unit = block.height() / units;
        const double textSize = unit * 0.72;
        double y = block.top();

        addText(QRectF(block.left(), y, block.width(), unit * 1.5),
                input_.locale.standaloneMonthName(month), font(unit * 1.0, true), input_.ink,
                Qt::AlignCenter);
        y += unit * 1.5;

        const double rowHeight = unit * weekUnits;
        addGrid(first, QRectF(block.left(), y, block.width(), 7 * rowHeight), unit, textSize);
        y += 7 * rowHeight + unit * 0.1;

        if (sun) {
            const SunOfDay& on1st = input_.sun[index];
            const SunOfDay& on15th = input_.sun[index + count];
            addText(QRectF(block.left(), y, block.width(), unit),
                    YearPage::tr("1st: sunrise %1, sunset %2")
                        .arg(orDash(on1st.sunrise), orDash(on1st.sunset)),
                    font(textSize * 0.85), input_.ink, Qt::AlignLeft | Qt::AlignVCenter);
            y += unit;
            addText(QRectF(block.left(), y, block.width(), unit),
                    YearPage::tr("15th: sunrise %1, sunset %2")
                        .arg(orDash(on15th.sunrise), orDash(on15th.sunset)),
                    font(textSize * 0.85), input_.ink, Qt::AlignLeft | Qt::AlignVCenter);
            y += unit * 1.1;
        }

        const std::vector<Holiday> holidays = holidaysOf(first);
        const int shown =
            int(holidays.size()) > holidayLines_ ? holidayLines_ - 1 : int(holidays.size());
        for (int line = 0; line < shown; ++line) {
            const QFont lineFont = font(textSize * 0.85);
            const QString text =
                YearPage::tr("%1 %2", "the day of the month and the holiday's name")
                    .arg(input_.locale.toString(holidays[line].date.day()), holidays[line].name);
            addText(QRectF(block.left(), y, block.width(), unit),
                    measure_.elided(lineFont, text, block.width()), lineFont, input_.holidayInk,
                    Qt::AlignLeft | Qt::AlignVCenter);
            y += unit;
        }
        if (shown < int(holidays.size()))
            addText(
                QRectF(block.left(), y, block.width(), unit),
                YearPage::tr("and %n more", "holidays not listed", int(holidays.size()) - shown),
                font(textSize * 0.85), input_.holidayInk, Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The weekday row and the six weeks in `area`, each row as tall as a week, laid out by the
    // screen's month grid and written with its texts, each placed in its cell for paper.
    void addGrid(const QDate& first, const QRectF& area, double unit, double textSize) {
        const Qt::DayOfWeek firstDay = input_.locale.firstDayOfWeek();
        const MonthGrid grid(first, firstDay, gridUnits(area), input_.weekNumbers,
                             MonthGrid::FirstRow::WithTheFirst);
        for (PlacedText text : monthTexts(grid, firstDay, monthStyle(textSize))) {
            const QRectF cell = points(text.rect.toRect());
            switch (text.kind) {
                case PlacedText::Kind::Weekday:
                    // The heading stands on the first week, however tall the rows are.
                    text.rect = QRectF(cell.left(), cell.bottom() - unit, cell.width(), unit);
                    text.font = font(textSize * 0.85, true);
                    break;
                case PlacedText::Kind::WeekNumber:
                    text.rect = QRectF(cell.left(), cell.top(), cell.width(), unit);
                    text.font = font(textSize * 0.8);
                    break;
                default:
                    addDay(text, cell, unit, textSize);
                    continue;
            }
            addText(text);
        }
    }

    static QString orDash(const QString& time) {
        return time.isEmpty() ? QStringLiteral("\u2013") : time;
    }

    // A day's number right in its cell, the moon's glyph beside it, the day of the year below.
    void addDay(PlacedText number, const QRectF& cell, double unit, double textSize) {
        const QDate date = number.date;
        const double glyph = std::min(cell.width() * 0.32, unit * 0.7);
        number.rect =
            QRectF(cell.left(), cell.top(), cell.width() - glyph - cell.width() * 0.06, unit);
        number.flags = Qt::AlignRight | Qt::AlignVCenter;
        addText(number);
        if (const MoonMark* mark = moonOn(date))
            layout_.glyphs.push_back({QRectF(cell.right() - glyph - cell.width() * 0.04,
                                             cell.top() + (unit - glyph) / 2, glyph, glyph),
                                      date, mark->phase});
        if (input_.dayOfYear)
            addText(
                QRectF(cell.left(), cell.top() + unit, cell.width() * 0.94, cell.height() - unit),
                input_.locale.toString(date.dayOfYear()), font(textSize * 0.75),
                QColor(0x70, 0x70, 0x70), Qt::AlignRight | Qt::AlignTop);
    }

    const YearPageInput& input_;
    YearPageLayout layout_;
    Measure measure_;
    int holidayLines_ = 0;
};

// The lit part of the disc as seen from the north: the first quarter lit on the right.
void paintGlyph(QPainter& painter, const PlacedGlyph& glyph, const QColor& ink) {
    const QRectF disc = glyph.rect.adjusted(0.3, 0.3, -0.3, -0.3);
    painter.setPen(QPen(ink, std::max(0.3, disc.width() * 0.08)));
    painter.setBrush(Qt::NoBrush);
    QPainterPath dark;
    switch (glyph.phase) {
        case MoonPhase::New:
            dark.addEllipse(disc);
            break;
        case MoonPhase::FirstQuarter:
            dark.moveTo(disc.center().x(), disc.top());
            dark.arcTo(disc, 90, 180);
            dark.closeSubpath();
            break;
        case MoonPhase::LastQuarter:
            dark.moveTo(disc.center().x(), disc.top());
            dark.arcTo(disc, 90, -180);
            dark.closeSubpath();
            break;
        case MoonPhase::Full:
            break;
    }
    painter.fillPath(dark, ink);
    painter.drawEllipse(disc);
}

}  // namespace

YearPageLayout layOutYearPage(const YearPageInput& input, const QSizeF& pageSize) {
    return Builder(input, pageSize).build();
}

void paintYearPage(QPainter& painter, const YearPageLayout& layout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintTexts(painter, layout.texts);
    for (const PlacedGlyph& glyph : layout.glyphs)
        paintGlyph(painter, glyph, QColor(0x30, 0x30, 0x30));
    painter.restore();
}

QByteArray yearPdf(const YearPageInput& input, const QPageLayout& page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPointsPerInch);
        QPageLayout full = page;
        full.setMinimumMargins(QMarginsF());
        full.setMargins(QMarginsF());
        writer.setPageLayout(full);
        writer.setCreator(QStringLiteral("Solvane"));
        writer.setTitle(YearPage::tr("The year %1").arg(input.year));
        QPainter painter(&writer);
        paintYearPage(painter, layOutYearPage(input, full.fullRect(QPageLayout::Point).size()));
    }
    return buffer.data();
}

// The page is made in memory and the file written through a temporary one: a write that fails
// half-way (a full disc, a special file) leaves no half page and is reported.
bool writeYearPdf(const QString& fileName, const YearPageInput& input, const QPageLayout& page) {
    const QByteArray pdf = yearPdf(input, page);
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit();
}

}  // namespace solvane::print
