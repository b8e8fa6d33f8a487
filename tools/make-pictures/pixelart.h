// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Pictures written pixel by pixel: each picture is a block of text rows in which one
// character stands for one pixel, looked up in a palette. Small faces stay crisp because
// nothing is scaled or smoothed on the way to the file.

#include <QtGui/qrgb.h>
#include <QImage>
#include <QString>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace makepictures {

using Palette = std::map<char, QRgb>;
using Art = std::vector<std::string>;

// The colours every face shares; '.' is transparent.
const Palette& facePalette();

// Builds an ARGB32 picture from text rows; throws on ragged rows or an unknown character.
QImage fromArt(const Art& rows, const Palette& palette = facePalette());

// A word in the faces' own letters, five pixels high with one more row for descenders,
// drawn with the pixel character `ink`; throws on a letter it does not have.
Art lettering(std::string_view word, char ink);

// The picture mirrored left to right.
QImage mirrored(const QImage& image);

// Writes a picture, creating the folder; throws when the file cannot be written.
void save(const QImage& image, const QString& path, const char* format);

}  // namespace makepictures
