// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "doublesize.h"

namespace makepictures {
namespace {

// Outside the picture a pixel's neighbour is the pixel itself, which never matches a rule.
QRgb at(const QImage& picture, int x, int y, QRgb fallback) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return fallback;
    return picture.pixel(x, y);
}

}  // namespace

QImage doubledPixelArt(const QImage& source) {
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    QImage out(picture.width() * 2, picture.height() * 2, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const QRgb above = at(picture, x, y - 1, p);
            const QRgb right = at(picture, x + 1, y, p);
            const QRgb left = at(picture, x - 1, y, p);
            const QRgb below = at(picture, x, y + 1, p);
            const bool leftAbove = left == above && left != below && above != right;
            const bool aboveRight = above == right && above != left && right != below;
            const bool belowLeft = below == left && below != right && left != above;
            const bool rightBelow = right == below && right != above && below != left;
            out.setPixel(2 * x, 2 * y, leftAbove ? above : p);
            out.setPixel(2 * x + 1, 2 * y, aboveRight ? right : p);
            out.setPixel(2 * x, 2 * y + 1, belowLeft ? left : p);
            out.setPixel(2 * x + 1, 2 * y + 1, rightBelow ? below : p);
        }
    }
    return out;
}

}  // namespace makepictures
