// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The moon control: computes the moon's phase angle from the clock, from a date-and-time
// text or takes a given angle, and draws the lit part of the moon. The main window uses only
// its phase computation; the drawing is there for a control that is seen.

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <QtGlobal>
#include <functional>

#include "colors.h"

namespace solvane {

class TMoon : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int BackgroundColor READ BackgroundColor WRITE SetBackgroundColor)
    Q_PROPERTY(int BorderSize READ BorderSize WRITE SetBorderSize)
    Q_PROPERTY(QString CustomTime READ CustomTime WRITE SetCustomTime)
    Q_PROPERTY(THemisphere Hemisphere READ Hemisphere WRITE SetHemisphere)
    Q_PROPERTY(int MoonColor READ MoonColor WRITE SetMoonColor)
    Q_PROPERTY(double Phase READ Phase WRITE SetPhase)
    Q_PROPERTY(TMoonDisplayType MoonDisplayType READ MoonDisplayType WRITE SetMoonDisplayType)

public:
    enum THemisphere { heNorthern, heSouthern };
    Q_ENUM(THemisphere)
    // Where the angle comes from: the clock, CustomTime, or Phase as set.
    enum TMoonDisplayType { mdtUseSystemTime, mdtUseCustomTime, mdtUsePhaseAngle };
    Q_ENUM(TMoonDisplayType)

    using ClockFunction = std::function<QDateTime()>;
    // Seconds ahead of UT of the zone in force at a local date and time (the date and time
    // fields are read as wall-clock time, whatever zone the value carries).
    using UtcOffsetFunction = std::function<int(const QDateTime& local)>;

    explicit TMoon(QWidget* parent = nullptr);

    TColor BackgroundColor() const { return backgroundColor_; }
    int BorderSize() const { return borderSize_; }
    const QString& CustomTime() const { return customTime_; }
    THemisphere Hemisphere() const { return hemisphere_; }
    TColor MoonColor() const { return moonColor_; }
    // Radians: 0 new moon, pi/2 first quarter, pi full moon, 3pi/2 last quarter.
    double Phase() const { return phase_; }
    TMoonDisplayType MoonDisplayType() const { return displayType_; }

    void SetBackgroundColor(TColor colour);
    void SetBorderSize(int pixels);
    // Also switches to mdtUseCustomTime.
    void SetCustomTime(const QString& text);
    void SetHemisphere(THemisphere hemisphere);
    void SetMoonColor(TColor colour);
    // Also switches to mdtUsePhaseAngle. Without a lit fraction, the share that the angle
    // alone gives, (1 - cos angle) / 2.
    void SetPhase(double angle);
    void SetPhase(double angle, double litFraction);
    void SetMoonDisplayType(TMoonDisplayType type);

    // The phase angle for the current mode, in (0, 2pi] when computed from a time: the moon's
    // elongation from the sun at that moment, read as local time of the zone in force.
    // Stored in Phase except in mdtUsePhaseAngle. In mdtUseSystemTime CustomTime becomes the
    // clock's time as text, without a change of mode. Throws std::runtime_error when
    // CustomTime is not a date and time (month/day/year order).
    double CalcPhase();

    // The local time that mdtUseSystemTime reads; the system clock unless replaced.
    void setClock(ClockFunction clock);
    // The zone the two time modes read their moment in; the system's unless replaced.
    void setUtcOffset(UtcOffsetFunction offset);
    // The system zone's offset at a local date and time.
    static int systemUtcOffset(const QDateTime& local);

    // The phase in words, as assistive technology reads it: one of the eight names (new moon,
    // waxing crescent, first quarter, waxing gibbous, full moon, waning gibbous, last quarter,
    // waning crescent), each covering the eighth of the cycle centred on its own angle.
    static QString PhaseName(double angle);
    // The share of the disc lit, 0 .. 1: as the moon is in the sky after a computation from a
    // time, (1 - cos Phase) / 2 for an angle as set.
    double LitFraction() const { return litFraction_; }
    // "waxing crescent, 23% of the disc lit" for Phase and LitFraction.
    QString PhaseDescription() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint(double phase);
    QDateTime now() const;

    TColor backgroundColor_ = 0;
    int borderSize_ = 2;
    QString customTime_;
    THemisphere hemisphere_ = heNorthern;
    TColor moonColor_ = 0xFFFFFF;
    double phase_ = 0;
    double litFraction_ = 0;
    TMoonDisplayType displayType_ = mdtUseSystemTime;
    ClockFunction clock_;
    UtcOffsetFunction utcOffset_;
};

}  // namespace solvane
