// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "moonpictures.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <stdexcept>

#include "pixelart.h"

namespace makepictures {
namespace {

constexpr QRgb kBackground = qRgb(191, 191, 191);
constexpr QRgb kLit = qRgb(255, 255, 255);
constexpr QRgb kDark = qRgb(0, 0, 0);
constexpr QRgb kMostlyLit = qRgb(211, 211, 211);   // terminator pixel, more light than shade
constexpr QRgb kMostlyDark = qRgb(128, 128, 255);  // terminator pixel, more shade than light

struct Span {
    int first;
    int last;
};

// The disc, rows 0 .. 14 from the top; column 0 and row 15 stay background.
// clang-format off
constexpr std::array<Span, 15> kDisc = {{
    {6, 10}, {4, 12}, {3, 13}, {2, 14}, {2, 14},
    {1, 15}, {1, 15}, {1, 15}, {1, 15}, {1, 15},
    {2, 14}, {2, 14}, {3, 13}, {4, 12}, {6, 10}}};
// clang-format on
constexpr int kDiscPixels = 177;
constexpr double kDiscCentre = 8.5;  // the middle of column 8, in pixel-edge coordinates
constexpr double kFullCoverage = 0.9;
constexpr double kNoCoverage = 0.1;

// A waxing moon (0 < angle <= pi) is lit right of the terminator, which crosses each row at
// cos(angle) times the row's half width from the centre: the terminator is an ellipse
// through the poles. Returns the lit share (0 .. 1) of the pixel's width.
double litShare(double angle, int row, int column) {
    const Span span = kDisc[row];
    const double halfWidth = (span.last + 1 - span.first) / 2.0;
    const double terminator = kDiscCentre + std::cos(angle) * halfWidth;
    const double lit = column + 1 - std::max<double>(column, terminator);
    return std::clamp(lit, 0.0, 1.0);
}

template <typename F>
void forEachDiscPixel(F&& f) {
    for (int row = 0; row < int(kDisc.size()); ++row) {
        for (int column = kDisc[row].first; column <= kDisc[row].last; ++column) {
            f(row, column);
        }
    }
}

// A 16-pixel moon cannot show a crescent a fifth of a pixel wide, so pixels count as lit
// from a threshold chosen per picture: the one whose lit count comes nearest the moon's
// illuminated fraction of the disc, keeping at least one lit and one dark pixel before full
// moon. Ties go to the lit side, so the quarter shows its terminator column in light grey.
double litThreshold(int n, double angle) {
    const double target = kDiscPixels * (1 - std::cos(angle)) / 2;
    std::set<double> levels;
    forEachDiscPixel([&](int row, int column) { levels.insert(litShare(angle, row, column)); });
    const int fewest = n == 14 ? kDiscPixels : 1;
    const int most = n == 14 ? kDiscPixels : kDiscPixels - 1;
    double best = 2;
    double bestDistance = 1e9;
    for (double level : levels) {
        int count = 0;
        forEachDiscPixel(
            [&](int row, int column) { count += litShare(angle, row, column) >= level; });
        const double distance = std::abs(count - target);
        if (count >= fewest && count <= most && distance < bestDistance - 1e-9) {
            best = level;
            bestDistance = distance;
        }
    }
    return best;
}

// A lit pixel on the bright limb stays white even when the crescent covers it only in part:
// the pictures are shown with their grey made transparent, and a crescent drawn in light grey
// alone would vanish against the tool strip.
QRgb pixelColour(double share, double threshold, bool onLimb) {
    if (share >= threshold) {
        return share >= kFullCoverage || onLimb ? kLit : kMostlyLit;
    }
    return share <= kNoCoverage ? kDark : kMostlyDark;
}

// Pictures 1 .. 14; the waning ones are their mirror images.
QImage waxingPicture(int n) {
    QImage image(16, 16, QImage::Format_RGB888);
    image.fill(kBackground);
    const double angle = 2 * std::numbers::pi * n / kMoonPictures;
    const double threshold = litThreshold(n, angle);
    forEachDiscPixel([&](int row, int column) {
        const bool onLimb = column == kDisc[row].last;  // a waxing moon is lit from the right
        image.setPixel(column, row, pixelColour(litShare(angle, row, column), threshold, onLimb));
    });
    return image;
}

QImage newMoon() {
    QImage image(16, 16, QImage::Format_RGB888);
    image.fill(kBackground);
    forEachDiscPixel([&](int row, int column) { image.setPixel(column, row, kDark); });
    return image;
}

// Mirrors about column 8, the disc's middle column; column 0 stays background.
QImage mirroredDisc(const QImage& waxing) {
    QImage image = waxing.copy();
    forEachDiscPixel(
        [&](int row, int column) { image.setPixel(column, row, waxing.pixel(16 - column, row)); });
    return image;
}

// The 2x pictures: 32 x 32, a disc 30 pixels across centred where the 1x disc is (in
// pixel-edge coordinates (17, 15), radius 15), so both show the same moon in the same place.
// At this size the terminator needs no per-picture threshold: a pixel takes the colour of
// its lit share, and the bright limb stays white so that thin crescents still show.
constexpr int kSharpSize = 32;
constexpr double kSharpCentreX = 17;
constexpr double kSharpCentreY = 15;
constexpr double kSharpRadius = 15;

QRgb sharpColour(double share, bool onLimb) {
    if (share >= kFullCoverage || (onLimb && share > 0))
        return kLit;
    if (share >= 0.5)
        return kMostlyLit;
    return share > kNoCoverage ? kMostlyDark : kDark;
}

// Picture `waxing` of 0 (new moon) to 14 (full): lit right of the terminator.
QImage sharpWaxingPicture(int waxing) {
    const double angle = 2 * std::numbers::pi * waxing / kMoonPictures;
    QImage image(kSharpSize, kSharpSize, QImage::Format_RGB888);
    image.fill(kBackground);
    for (int row = 0; row < kSharpSize; ++row) {
        const double dy = row + 0.5 - kSharpCentreY;
        if (std::abs(dy) >= kSharpRadius)
            continue;
        const double halfWidth = std::sqrt(kSharpRadius * kSharpRadius - dy * dy);
        const int first = int(std::ceil(kSharpCentreX - halfWidth - 0.5));
        const int last = int(std::floor(kSharpCentreX + halfWidth - 0.5));
        const double terminator = kSharpCentreX + std::cos(angle) * halfWidth;
        for (int column = first; column <= last; ++column) {
            double share = std::clamp(column + 1 - std::max<double>(column, terminator), 0.0, 1.0);
            if (waxing == 0 || waxing == 14)
                share = waxing == 14 ? 1.0 : 0.0;
            image.setPixel(column, row, sharpColour(share, column == last));
        }
    }
    return image;
}

// Mirrors about the disc's middle, pixel-edge column 17.
QImage sharpMirrored(const QImage& waxing) {
    QImage image = waxing.copy();
    for (int row = 0; row < kSharpSize; ++row) {
        for (int column = 2; column < kSharpSize; ++column)
            image.setPixel(column, row, waxing.pixel(33 - column, row));
    }
    return image;
}

}  // namespace

QImage moonPicture2x(int n) {
    if (n < 1 || n > kMoonPictures) {
        throw std::out_of_range("moon picture " + std::to_string(n));
    }
    if (n == kMoonPictures) {
        return sharpWaxingPicture(0);
    }
    return n <= 14 ? sharpWaxingPicture(n) : sharpMirrored(sharpWaxingPicture(kMoonPictures - n));
}

QImage moonPicture(int n) {
    if (n < 1 || n > kMoonPictures) {
        throw std::out_of_range("moon picture " + std::to_string(n));
    }
    if (n == kMoonPictures) {
        return newMoon();
    }
    return n <= 14 ? waxingPicture(n) : mirroredDisc(waxingPicture(kMoonPictures - n));
}

int litPixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y) | 0xff000000;
            count += pixel == kLit || pixel == kMostlyLit;
        }
    }
    return count;
}

void writeMoonPictures(const QString& folder) {
    int previous = 0;
    for (int n = 1; n <= kMoonPictures; ++n) {
        const QImage picture = moonPicture(n);
        const int lit = litPixels(picture);
        if (n <= 14 && lit <= previous) {
            throw std::logic_error("moon picture " + std::to_string(n) + " is no brighter");
        }
        previous = lit;
        save(picture, QDir(folder).filePath(QString::number(n) + QStringLiteral(".bmp")), "BMP");
        save(moonPicture2x(n),
             QDir(folder).filePath(QString::number(n) + QStringLiteral("@2x.bmp")), "BMP");
    }
}

}  // namespace makepictures
