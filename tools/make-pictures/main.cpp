// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Draws every picture the program carries into a resources folder:
//   make-pictures <resources folder>
// The output is checked in; the build never runs this tool.

#include <QDir>
#include <QImage>
#include <cstdio>
#include <exception>

#include "doublesize.h"
#include "faces.h"
#include "icon.h"
#include "moonpictures.h"
#include "pixelart.h"
#include "striptexture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-pictures <resources folder>\n");
        return 2;
    }
    try {
        using namespace makepictures;
        const QDir out(QString::fromLocal8Bit(argv[1]));
        writeMoonPictures(out.filePath(QStringLiteral("moon")));
        save(stripTexture(), out.filePath(QStringLiteral("texture/strip.bmp")), "BMP");
        save(stripTexture2x(), out.filePath(QStringLiteral("texture/strip@2x.bmp")), "BMP");
        for (const Face& face : faces()) {
            save(face.image, out.filePath(QStringLiteral("faces/%1.png").arg(face.name)), "PNG");
            save(doubledPixelArt(face.image),
                 out.filePath(QStringLiteral("faces/%1@2x.png").arg(face.name)), "PNG");
        }
        writeIcons(out.filePath(QStringLiteral("icons")));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
