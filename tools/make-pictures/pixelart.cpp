// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "pixelart.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace makepictures {

const Palette& facePalette() {
    static const Palette palette = {
        {'.', qRgba(0, 0, 0, 0)},    // transparent
        {'k', qRgb(0, 0, 0)},        // black
        {'n', qRgb(0, 0, 128)},      // navy, the strip's text colour
        {'N', qRgb(0, 0, 72)},       // deep navy
        {'b', qRgb(40, 84, 204)},    // blue
        {'B', qRgb(132, 164, 236)},  // light blue
        {'w', qRgb(255, 255, 255)},  // white
        {'W', qRgb(226, 232, 242)},  // cool off-white
        {'l', qRgb(196, 196, 196)},  // light grey
        {'g', qRgb(140, 140, 140)},  // grey
        {'G', qRgb(84, 84, 84)},     // dark grey
        {'r', qRgb(218, 36, 30)},    // red
        {'R', qRgb(136, 0, 0)},      // dark red
        {'p', qRgb(250, 128, 112)},  // light red
        {'y', qRgb(255, 212, 0)},    // yellow
        {'Y', qRgb(255, 242, 160)},  // pale yellow
        {'o', qRgb(244, 138, 0)},    // orange
        {'O', qRgb(184, 76, 0)},     // dark orange
        {'u', qRgb(112, 76, 40)},    // brown, the horizon
        {'e', qRgb(28, 156, 60)},    // green
        {'E', qRgb(8, 96, 32)},      // dark green
        {'s', qRgb(150, 158, 172)},  // steel
        {'S', qRgb(84, 92, 108)},    // dark steel
        {'h', qRgb(220, 226, 234)},  // steel highlight
    };
    return palette;
}

QImage fromArt(const Art& rows, const Palette& palette) {
    if (rows.empty()) {
        throw std::invalid_argument("empty picture");
    }
    const int width = int(rows.front().size());
    QImage image(width, int(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const std::string& row = rows[y];
        if (int(row.size()) != width) {
            throw std::invalid_argument("ragged picture row " + std::to_string(y));
        }
        for (int x = 0; x < width; ++x) {
            const auto colour = palette.find(row[x]);
            if (colour == palette.end()) {
                throw std::invalid_argument(std::string("unknown pixel '") + row[x] + "'");
            }
            image.setPixel(x, y, colour->second);
        }
    }
    return image;
}

namespace {

// '#' is ink. Capitals stand five rows high; small letters four, with one row below the
// line for descenders.
const std::map<char, Art>& letters() {
    // clang-format off
    static const std::map<char, Art> font = {
        {'T', {"#####",
               "..#..",
               "..#..",
               "..#..",
               "..#..",
               "....."}},
        {'Y', {"#...#",
               "#...#",
               ".#.#.",
               "..#..",
               "..#..",
               "....."}},
        {'r', {"....",
               "#.##",
               "##..",
               "#...",
               "#...",
               "...."}},
        {'a', {"....",
               ".##.",
               "...#",
               ".###",
               "#.##",
               "...."}},
        {'y', {"....",
               "#..#",
               "#..#",
               ".###",
               "...#",
               ".##."}},
    };
    // clang-format on
    return font;
}

}  // namespace

Art lettering(std::string_view word, char ink) {
    Art rows(6);
    for (char letter : word) {
        const auto glyph = letters().find(letter);
        if (glyph == letters().end()) {
            throw std::invalid_argument(std::string("no letter '") + letter + "'");
        }
        for (std::size_t y = 0; y < rows.size(); ++y) {
            if (!rows[y].empty()) {
                rows[y] += '.';
            }
            for (char pixel : glyph->second[y]) {
                rows[y] += pixel == '#' ? ink : '.';
            }
        }
    }
    while (rows.back().find_first_not_of('.') == std::string::npos) {
        rows.pop_back();
    }
    return rows;
}

QImage mirrored(const QImage& image) {
    QImage out(image.size(), image.format());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            out.setPixel(image.width() - 1 - x, y, image.pixel(x, y));
        }
    }
    return out;
}

void save(const QImage& image, const QString& path, const char* format) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

}  // namespace makepictures
