// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The pictures for dense screens: every picture has a version drawn at twice its size, the
// program takes it exactly when the screen asks for more than one pixel per point, and the
// strip paints it point for point where the 1x texture would lie. Run once at scale 1 and
// once with QT_SCALE_FACTOR=2.

#include <QGuiApplication>
#include <QTest>

#include "pictures.h"
#include "tjpaneltexture.h"

using solvane::pictureImage;

namespace {

bool denseScreen() {
    return qGuiApp->devicePixelRatio() > 1.0;
}

// Lit pixels (white or light grey) as a share of the disc (every pixel that is not the
// background grey).
double litShare(const QImage& moon) {
    int lit = 0;
    int disc = 0;
    for (int y = 0; y < moon.height(); ++y) {
        for (int x = 0; x < moon.width(); ++x) {
            const QRgb pixel = moon.pixel(x, y) | 0xff000000;
            disc += pixel != qRgb(191, 191, 191);
            lit += pixel == qRgb(255, 255, 255) || pixel == qRgb(211, 211, 211);
        }
    }
    return disc ? double(lit) / disc : 0;
}

}  // namespace

class TestSharpPictures : public QObject {
    Q_OBJECT
private slots:
    void picture_data() {
        QTest::addColumn<QString>("path");
        QTest::addRow("moon 1, thin crescent") << ":/moon/1.bmp";
        QTest::addRow("moon 14, full") << ":/moon/14.bmp";
        QTest::addRow("moon 26") << ":/moon/26.bmp";
        QTest::addRow("strip texture") << ":/texture/strip.bmp";
        for (const char* face : {"sunrise", "sunset", "left", "right", "compact", "yearentry",
                                 "width", "close", "weeknumbers", "parameters", "ontop", "tray"})
            QTest::addRow("face %s", face) << QStringLiteral(":/faces/%1.png").arg(face);
    }
    // Same size in points at either density; drawn, not merely doubled, where the 1x picture
    // has curves (the moon's limb, the texture's grain).
    void picture() {
        QFETCH(QString, path);
        const QImage plain(path);
        const QImage shown = pictureImage(path);
        QVERIFY(!plain.isNull() && !shown.isNull());
        QCOMPARE(shown.devicePixelRatio(), denseScreen() ? 2.0 : 1.0);
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(plain.size()));
        if (!denseScreen() || path.startsWith(QLatin1String(":/faces")))
            return;
        QVERIFY(shown != plain.scaled(plain.size() * 2).convertToFormat(shown.format()));
        if (path.startsWith(QLatin1String(":/moon")))
            QVERIFY2(qAbs(litShare(shown) - litShare(plain)) < 0.12,
                     qPrintable(QStringLiteral("lit %1 at 2x, %2 at 1x")
                                    .arg(litShare(shown))
                                    .arg(litShare(plain))));
    }

    // Each drawn size is shown as drawn, pixel for pixel, at either density.
    void iconHasEverySize_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void iconHasEverySize() {
        QFETCH(int, size);
        // Compared premultiplied, as a pixmap holds them: going back from there rounds some
        // half-transparent pixels differently on different processors.
        const QImage drawn =
            QImage(QStringLiteral(":/icons/hicolor/%1x%1/apps/solvane.png").arg(size))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage shown = solvane::windowIcon()
                                 .pixmap(QSize(size, size), 1.0)
                                 .toImage()
                                 .convertToFormat(drawn.format());
        QCOMPARE(shown.size(), drawn.size());
        QVERIFY(shown == drawn);
        // Between the drawn sizes the icon is still drawn at the size asked for.
        QCOMPARE(solvane::windowIcon().pixmap(QSize(size + 4, size + 4), 2.0).size(),
                 solvane::windowIcon().actualSize(QSize(size + 4, size + 4)) * 2);
    }

    // The tiled strip shows the texture's own pixels, one tile per 64 points.
    void stripTilesAtItsDensity() {
        solvane::TJPanelTexture strip;
        strip.resize(150, 23);
        strip.setJStyleTexture(solvane::txTile);
        const QImage texture = pictureImage(QStringLiteral(":/texture/strip.bmp"));
        strip.setJTexture(texture);
        const QImage shown = strip.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage pixels = texture.convertToFormat(QImage::Format_RGB32);
        const int ratio = int(texture.devicePixelRatio());
        QCOMPARE(shown.size(), QSize(150, 23) * ratio);
        for (int y = 0; y < 23 * ratio; y += 3) {
            for (int x = 0; x < 150 * ratio; x += 7)
                QCOMPARE(shown.pixel(x, y), pixels.pixel(x % pixels.width(), y));
        }
    }
};

QTEST_MAIN(TestSharpPictures)
#include "tst_sharp_pictures.moc"
