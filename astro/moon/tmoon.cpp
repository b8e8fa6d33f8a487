// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tmoon.h"

#include <QColor>
#include <QPainter>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "dates.h"
#include "moon_sky.h"

namespace solvane {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

astro::DateTime toAstro(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {{date.year(), date.month(), date.day()},
            time.hour(),
            time.minute(),
            time.second(),
            time.msec()};
}

QString dateTimeText(const QDateTime& moment) {
    return QString::fromStdString(astro::dateTimeText(toAstro(moment)));
}

// The whole turns taken off, truncating toward zero as the angle's own sign goes.
double withoutTurns(double angle) {
    return angle - std::trunc(angle / kTwoPi) * kTwoPi;
}

// Rectangles and ellipses are given as left, top, right, bottom with the right and bottom
// edges outside the shape, as the original drawing code sets them out: (l, t, r, b) covers
// pixels l .. r - 1 and t .. b - 1. Outline and fill are the same colour, so the shapes are
// filled without an outline.
class Canvas {
public:
    explicit Canvas(QPainter& painter) : painter_(painter) { painter_.setPen(Qt::NoPen); }

    void rectangle(int left, int top, int right, int bottom, TColor colour) {
        painter_.fillRect(box(left, top, right, bottom), toQColor(colour));
    }
    void ellipse(int left, int top, int right, int bottom, TColor colour) {
        painter_.setBrush(toQColor(colour));
        painter_.drawEllipse(box(left, top, right, bottom));
    }

private:
    static QRect box(int left, int top, int right, int bottom) {
        return QRect(std::min(left, right), std::min(top, bottom), std::abs(right - left),
                     std::abs(bottom - top));
    }
    QPainter& painter_;
};

}  // namespace

TMoon::TMoon(QWidget* parent)
    : QWidget(parent), clock_(&QDateTime::currentDateTime), utcOffset_(&TMoon::systemUtcOffset) {
    customTime_ = dateTimeText(now());
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(32, 32);
}

void TMoon::SetBackgroundColor(TColor colour) {
    if (colour != backgroundColor_) {
        backgroundColor_ = colour;
        update();
    }
}

void TMoon::SetBorderSize(int pixels) {
    if (pixels != borderSize_) {
        borderSize_ = pixels;
        update();
    }
}

void TMoon::SetCustomTime(const QString& text) {
    if (text != customTime_ || displayType_ != mdtUseCustomTime) {
        displayType_ = mdtUseCustomTime;
        customTime_ = text;
        update();
    }
}

void TMoon::SetHemisphere(THemisphere hemisphere) {
    if (hemisphere != hemisphere_) {
        hemisphere_ = hemisphere;
        update();
    }
}

void TMoon::SetMoonColor(TColor colour) {
    if (colour != moonColor_) {
        moonColor_ = colour;
        update();
    }
}

void TMoon::SetPhase(double angle) {
    SetPhase(angle, (1 - std::cos(angle)) / 2);
}

void TMoon::SetPhase(double angle, double litFraction) {
    litFraction_ = litFraction;
    if (angle != phase_ || displayType_ != mdtUsePhaseAngle) {
        displayType_ = mdtUsePhaseAngle;
        phase_ = angle;
        update();
    }
}

void TMoon::SetMoonDisplayType(TMoonDisplayType type) {
    if (type != displayType_) {
        displayType_ = type;
        update();
    }
}

void TMoon::setClock(ClockFunction clock) {
    clock_ = std::move(clock);
}

void TMoon::setUtcOffset(UtcOffsetFunction offset) {
    utcOffset_ = std::move(offset);
}

int TMoon::systemUtcOffset(const QDateTime& local) {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    return zone.offsetFromUtc(QDateTime(local.date(), local.time(), zone));
}

QDateTime TMoon::now() const {
    return clock_();
}

double TMoon::CalcPhase() {
    astro::DateTime moment;
    switch (displayType_) {
        case mdtUsePhaseAngle:
            return phase_;
        case mdtUseSystemTime: {
            const QDateTime clockTime = now();
            customTime_ = dateTimeText(clockTime);
            moment = toAstro(clockTime);
            break;
        }
        case mdtUseCustomTime: {
            const auto read =
                astro::parseDateTimeText(customTime_.toStdString(), now().date().year());
            if (!read) {
                throw std::runtime_error("'" + customTime_.toStdString() +
                                         "' is not a valid date and time");
            }
            moment = *read;
            break;
        }
    }
    const QDateTime wallClock(QDate(moment.date.year, moment.date.month, moment.date.day),
                              QTime(moment.hour, moment.minute, moment.second, moment.msec));
    const astro::MoonAspect aspect =
        astro::moonAspect(astro::julianDayUt(moment, utcOffset_(wallClock)));
    phase_ = aspect.elongation;
    litFraction_ = aspect.litFraction;
    return phase_;
}

void TMoon::paintEvent(QPaintEvent*) {
    // Paint events come from the event loop, which no exception may cross: a custom time
    // that cannot be read leaves the control in its background colour instead.
    double phase = 0;
    try {
        phase = CalcPhase();
    } catch (const std::exception&) {
        QPainter painter(this);
        Canvas(painter).rectangle(0, 0, width(), height(), backgroundColor_);
        return;
    }
    Paint(phase);
}

// The disc in MoonColor, then the dark part in BackgroundColor: a half disc and the
// terminator's half ellipse, K pixels wide, added to or taken from the lit half.
void TMoon::Paint(double phase) {
    QPainter painter(this);
    Canvas canvas(painter);
    const int w = width();
    const int b = borderSize_;
    const int half = (w - 2 * b) / 2;
    const int cx = b + half;
    const int bottom = height() - b;

    canvas.rectangle(0, 0, w, height(), backgroundColor_);
    canvas.ellipse(b, b, w - b, bottom, moonColor_);

    double p = withoutTurns(phase);
    if (hemisphere_ == heSouthern) {
        p = withoutTurns(kTwoPi - p);
    }
    const int k = int(std::nearbyint(std::cos(p) * half));  // halves go to even

    if (p < std::numbers::pi / 2) {
        canvas.ellipse(cx - k, b, cx + k, bottom, backgroundColor_);
        canvas.rectangle(b, b, cx, bottom, backgroundColor_);
    } else if (p < std::numbers::pi) {
        canvas.rectangle(b, b, cx, bottom, backgroundColor_);
        canvas.ellipse(cx - k, b, cx + k, bottom, moonColor_);
    } else if (p < 3 * std::numbers::pi / 2) {
        canvas.rectangle(cx + 1, b, w - b, bottom, backgroundColor_);
        canvas.ellipse(cx - k, b, cx + k, bottom, moonColor_);
    } else if (p < kTwoPi) {
        canvas.rectangle(cx + 1, b, w - b, bottom, backgroundColor_);
        canvas.ellipse(cx - k, b, cx + k, bottom, backgroundColor_);
    }
}

QString TMoon::PhaseName(double angle) {
    static const char* const names[] = {
        QT_TR_NOOP("new moon"),       QT_TR_NOOP("waxing crescent"), QT_TR_NOOP("first quarter"),
        QT_TR_NOOP("waxing gibbous"), QT_TR_NOOP("full moon"),       QT_TR_NOOP("waning gibbous"),
        QT_TR_NOOP("last quarter"),   QT_TR_NOOP("waning crescent"),
    };
    const double turn = withoutTurns(angle) + (angle < 0 ? kTwoPi : 0);
    // Shifting by a sixteenth of a turn centres each name on its angle.
    const int eighth = int(std::floor(turn / kTwoPi * 8 + 0.5)) % 8;
    return tr(names[eighth]);
}

QString TMoon::PhaseDescription() const {
    //: the moon phase's name, then the share of the disc that is lit, in per cent
    return tr("%1, %2% of the disc lit")
        .arg(PhaseName(phase_))
        .arg(std::lround(litFraction_ * 100));
}

}  // namespace solvane
