// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// For the end-to-end scripts: the pixels of a screenshot far redder than they are green or
// blue (the holiday ink), optionally only those that were not so in an earlier screenshot.
// Prints their count and the rectangle around them: "COUNT X Y WIDTH HEIGHT".
// Usage: e2e-red-pixels IMAGE [EARLIER]

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cstdio>

namespace {

bool red(const QImage& image, int x, int y) {
    if (image.isNull() || !image.rect().contains(x, y))
        return false;
    const QColor c = image.pixelColor(x, y);
    return c.red() > std::max(c.green(), c.blue()) + 64;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: e2e-red-pixels IMAGE [EARLIER]\n", stderr);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    const QImage earlier = argc == 3 ? QImage(QString::fromLocal8Bit(argv[2])) : QImage();
    if (image.isNull() || (argc == 3 && earlier.isNull())) {
        std::fputs("e2e-red-pixels: cannot read an image\n", stderr);
        return 2;
    }
    long count = 0;
    QRect around;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (red(image, x, y) && !red(earlier, x, y)) {
                ++count;
                around |= QRect(x, y, 1, 1);
            }
        }
    }
    std::printf("%ld %d %d %d %d\n", count, around.x(), around.y(), around.width(),
                around.height());
    return 0;
}
