// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "moon_phases.h"

#include <cmath>
#include <numbers>

#include "moon_sky.h"

namespace solvane::astro {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMeanLunation = 29.530589;  // days, new moon to new moon
constexpr double kQuarterTurn = kPi / 2;
constexpr double kEnough = 1e-7;  // days, under a hundredth of a second
constexpr int kMaxSteps = 30;     // the secant method needs four to six

// An angle brought into (-pi, pi].
double nearZero(double angle) {
    angle = std::fmod(angle, 2 * kPi);
    if (angle > kPi) {
        angle -= 2 * kPi;
    } else if (angle <= -kPi) {
        angle += 2 * kPi;
    }
    return angle;
}

double targetOf(PrincipalPhase phase) {
    return static_cast<int>(phase) * kQuarterTurn;
}

PrincipalPhase following(PrincipalPhase phase) {
    return static_cast<PrincipalPhase>((static_cast<int>(phase) + 1) % 4);
}

}  // namespace

// The secant method on the elongation's miss, starting from the mean motion: the elongation
// grows at every point of the orbit, so the miss has one root within half a lunation.
double principalPhaseNear(PrincipalPhase phase, double julianDayUt) {
    const double target = targetOf(phase);
    double t0 = julianDayUt;
    double miss0 = nearZero(moonElongation(t0) - target);
    double t1 = t0 - miss0 / (2 * kPi) * kMeanLunation;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double miss1 = nearZero(moonElongation(t1) - target);
        if (miss1 == miss0) {
            break;
        }
        const double step = miss1 * (t1 - t0) / (miss1 - miss0);
        t0 = t1;
        miss0 = miss1;
        t1 -= step;
        if (std::fabs(step) < kEnough) {
            break;
        }
    }
    return t1;
}

std::vector<PhaseInstant> principalPhasesBetween(double fromJulianDayUt, double toJulianDayUt) {
    std::vector<PhaseInstant> phases;
    if (!(std::isfinite(fromJulianDayUt) && std::isfinite(toJulianDayUt)) ||
        !(fromJulianDayUt < toJulianDayUt)) {
        return phases;
    }
    // The first phase still to come, guessed from the mean motion and then found exactly.
    const double elongation = moonElongation(fromJulianDayUt);
    const int quarter = static_cast<int>(std::floor(elongation / kQuarterTurn));
    auto phase = static_cast<PrincipalPhase>((quarter + 1) % 4);
    const double ahead = (quarter + 1) * kQuarterTurn - elongation;
    double t = principalPhaseNear(phase, fromJulianDayUt + ahead / (2 * kPi) * kMeanLunation);
    if (t < fromJulianDayUt) {  // the moment itself lay on a phase
        phase = following(phase);
        t = principalPhaseNear(phase, t + kMeanLunation / 4);
    }
    while (t < toJulianDayUt) {
        phases.push_back({phase, t});
        phase = following(phase);
        t = principalPhaseNear(phase, t + kMeanLunation / 4);
        if (!(t > phases.back().julianDayUt)) {
            break;  // no progress: never loop for ever on a search gone astray
        }
    }
    return phases;
}

const char* principalPhaseName(PrincipalPhase phase) {
    switch (phase) {
        case PrincipalPhase::NewMoon:
            return "new moon";
        case PrincipalPhase::FirstQuarter:
            return "first quarter";
        case PrincipalPhase::FullMoon:
            return "full moon";
        case PrincipalPhase::LastQuarter:
            return "last quarter";
    }
    return "";
}

}  // namespace solvane::astro
