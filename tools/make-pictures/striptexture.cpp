// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "striptexture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace makepictures {
namespace {

int channel(double value) {
    return std::clamp(int(std::lround(value)), 0, 255);
}

constexpr int kSize = 64;
constexpr int kFibreStep = 16;  // lattice spacing of the brushed streaks; divides kSize

// Base colour: a light warm grey, so navy text and the faces keep their contrast.
constexpr double kBaseRed = 218;
constexpr double kBaseGreen = 212;
constexpr double kBaseBlue = 198;

// A deterministic hash of a lattice point (lowbias32), mapped to -1 .. 1.
double noise(int x, int y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 0x9e3779b1u ^ std::uint32_t(y) * 0x85ebca77u ^ seed;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h / double(0xffffffffu) * 2 - 1;
}

int wrap(int value) {
    return (value % kSize + kSize) % kSize;
}

// Smooth noise along a row, periodic in x with the texture's width, so tiles meet cleanly.
// x may fall between pixels: the 2x texture samples it at half steps.
double streak(double x, int row) {
    const int cell = int(x) / kFibreStep;
    const double t = (x - cell * kFibreStep) / kFibreStep;
    const double smooth = t * t * (3 - 2 * t);
    const double left = noise(wrap(cell * kFibreStep), row, 0x51a7e5u);
    const double right = noise(wrap((cell + 1) * kFibreStep), row, 0x51a7e5u);
    return left + (right - left) * smooth;
}

// Brightness offset of a point (x, y) of the 64 x 64 design: streaks that run across a few
// neighbouring rows, a faint two-by-two weave, and the grain, which is given per pixel of the
// picture being drawn so that a 2x texture has a grain of its own size.
double shade(double x, int y, double grain) {
    const double brushed =
        0.5 * streak(x, y) + 0.3 * streak(x, wrap(y - 1)) + 0.2 * streak(x, wrap(y + 1));
    const double weave = ((int(x) / 2 + y / 2) % 2 == 0) ? 1.0 : -1.0;
    return 10.0 * brushed + 2.0 * weave + 2.5 * grain;
}

QRgb colour(double s) {
    return qRgb(channel(kBaseRed + s), channel(kBaseGreen + s), channel(kBaseBlue + 0.9 * s));
}

}  // namespace

QImage stripTexture() {
    QImage image(kSize, kSize, QImage::Format_RGB888);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x)
            image.setPixel(x, y, colour(shade(x, y, noise(x, y, 0x7a11u))));
    }
    return image;
}

QImage stripTexture2x() {
    QImage image(2 * kSize, 2 * kSize, QImage::Format_RGB888);
    for (int y = 0; y < 2 * kSize; ++y) {
        for (int x = 0; x < 2 * kSize; ++x)
            image.setPixel(x, y, colour(shade(x / 2.0, y / 2, noise(x, y, 0x2a11u))));
    }
    return image;
}

}  // namespace makepictures
