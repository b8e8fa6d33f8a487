// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The pictures as the program finds them in its resources: the 28 moon pictures, the strip
// texture, the button faces and the window icon.

#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>
#include <array>
#include <cmath>

namespace {

constexpr QRgb kGrey = qRgb(191, 191, 191);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kLightGrey = qRgb(211, 211, 211);
constexpr QRgb kLightBlue = qRgb(128, 128, 255);

struct Span {
    int first;
    int last;
};
constexpr std::array<Span, 15> kDisc = {{{6, 10},
                                         {4, 12},
                                         {3, 13},
                                         {2, 14},
                                         {2, 14},
                                         {1, 15},
                                         {1, 15},
                                         {1, 15},
                                         {1, 15},
                                         {1, 15},
                                         {2, 14},
                                         {2, 14},
                                         {3, 13},
                                         {4, 12},
                                         {6, 10}}};

QString moonPath(int n) {
    return QStringLiteral(":/moon/%1.bmp").arg(n);
}

QImage moon(int n) {
    const QImage image(moonPath(n));
    if (image.isNull()) {
        qFatal("cannot load %s", qPrintable(moonPath(n)));
    }
    return image;
}

QRgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000;
}

// A pixel counts as lit when it is white or the light grey of a mostly lit terminator pixel.
bool isLit(QRgb pixel) {
    return pixel == kWhite || pixel == kLightGrey;
}

int litArea(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isLit(rgbAt(image, x, y));
    return count;
}

// Bits per pixel from a BMP file's info header.
int bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM"))
        return -1;
    return qFromLittleEndian<quint16>(header.constData() + 28);
}

double luminance(QRgb rgb) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double meanColumnDifference(const QImage& image, int left, int right, int rows) {
    double sum = 0;
    for (int y = 0; y < rows; ++y) {
        const QRgb a = image.pixel(left, y);
        const QRgb b = image.pixel(right, y);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    }
    return sum / rows;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void moonPicture_data() {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 28; ++n)
            QTest::addRow("picture %d", n) << n;
    }
    void moonPicture() {
        QFETCH(int, n);
        QCOMPARE(bmpBitsPerPixel(moonPath(n)), 24);
        const QImage image = moon(n);
        QCOMPARE(image.size(), QSize(16, 16));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = rgbAt(image, x, y);
                const bool inDisc = y < 15 && x >= kDisc[y].first && x <= kDisc[y].last;
                QVERIFY2(inDisc != (pixel == kGrey),
                         qPrintable(QStringLiteral("(%1, %2) %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(inDisc ? "is background inside the disc"
                                                    : "is not background")));
                QVERIFY2(pixel == kGrey || pixel == kWhite || pixel == kBlack ||
                             pixel == kLightGrey || pixel == kLightBlue,
                         qPrintable(QStringLiteral("(%1, %2) has colour %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(QColor(pixel).name())));
            }
        }
    }

    void litAreaFollowsTheCycle() {
        std::array<int, 29> area{};
        for (int n = 1; n <= 28; ++n)
            area[n] = litArea(moon(n));
        for (int n = 2; n <= 14; ++n)
            QVERIFY2(area[n] > area[n - 1], qPrintable(QStringLiteral("%1 lit in %2, %3 in %4")
                                                           .arg(area[n - 1])
                                                           .arg(n - 1)
                                                           .arg(area[n])
                                                           .arg(n)));
        for (int n = 15; n <= 27; ++n)
            QVERIFY2(area[n] < area[n - 1], qPrintable(QStringLiteral("%1 lit in %2, %3 in %4")
                                                           .arg(area[n - 1])
                                                           .arg(n - 1)
                                                           .arg(area[n])
                                                           .arg(n)));
        QVERIFY(area[1] > 0);
        QCOMPARE(area[14], 177);  // the whole disc
        QCOMPARE(area[28], 0);
    }

    // Waxing pictures are lit on the right, waning ones on the left, and picture n and
    // 28 - n are mirror images of each other about the disc's middle column 8.
    void litSide_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("crescentOrQuarter");
        for (int n = 1; n <= 13; ++n)
            QTest::addRow("pictures %d and %d", n, 28 - n) << n << (n <= 7);
    }
    void litSide() {
        QFETCH(int, n);
        QFETCH(bool, crescentOrQuarter);
        const QImage waxing = moon(n);
        const QImage waning = moon(28 - n);
        for (int y = 0; y < 15; ++y) {
            for (int x = kDisc[y].first; x <= kDisc[y].last; ++x) {
                QCOMPARE(rgbAt(waning, 16 - x, y), rgbAt(waxing, x, y));
                if (crescentOrQuarter && x < 8)
                    QVERIFY2(!isLit(rgbAt(waxing, x, y)),
                             qPrintable(QStringLiteral("(%1, %2) lit").arg(x).arg(y)));
            }
        }
    }

    void quartersShowHalfTheDisc() {
        const QImage first = moon(7);
        const QImage last = moon(21);
        for (int y = 0; y < 15; ++y) {
            for (int x = kDisc[y].first; x <= kDisc[y].last; ++x) {
                if (x == 8)
                    continue;  // the terminator column
                QCOMPARE(isLit(rgbAt(first, x, y)), x > 8);
                QCOMPARE(isLit(rgbAt(last, x, y)), x < 8);
            }
        }
    }

    // Tiled along the strip, only the top 23 rows show; the seam between two tiles must be
    // no rougher than the texture itself, and navy text must stand out everywhere.
    void stripTexture() {
        const QString path = QStringLiteral(":/texture/strip.bmp");
        QCOMPARE(bmpBitsPerPixel(path), 24);
        const QImage texture(path);
        QCOMPARE(texture.size(), QSize(64, 64));
        double roughest = 0;
        for (int x = 1; x < 64; ++x)
            roughest = std::max(roughest, meanColumnDifference(texture, x - 1, x, 23));
        QVERIFY2(meanColumnDifference(texture, 63, 0, 23) <= roughest,
                 qPrintable(QStringLiteral("seam %1, texture up to %2")
                                .arg(meanColumnDifference(texture, 63, 0, 23))
                                .arg(roughest)));
        const double navy = luminance(qRgb(0, 0, 128));
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < 64; ++x) {
                const double contrast = (luminance(texture.pixel(x, y)) + 0.05) / (navy + 0.05);
                QVERIFY2(
                    contrast >= 7,
                    qPrintable(QStringLiteral("(%1, %2) contrast %3").arg(x).arg(y).arg(contrast)));
            }
        }
    }

    void face_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("holder");  // the button or image that shows it
        QTest::addRow("sunrise") << "sunrise" << QSize(16, 15) << QSize(16, 15);
        QTest::addRow("sunset") << "sunset" << QSize(16, 15) << QSize(16, 15);
        QTest::addRow("previous year") << "left" << QSize(7, 13) << QSize(25, 19);
        QTest::addRow("next year") << "right" << QSize(7, 13) << QSize(25, 19);
        QTest::addRow("compact") << "compact" << QSize(26, 13) << QSize(32, 19);
        QTest::addRow("year entry") << "yearentry" << QSize(13, 13) << QSize(25, 19);
        QTest::addRow("compact width") << "width" << QSize(14, 14) << QSize(21, 19);
        QTest::addRow("close") << "close" << QSize(12, 12) << QSize(48, 19);
        QTest::addRow("week numbers") << "weeknumbers" << QSize(15, 11) << QSize(29, 19);
        QTest::addRow("parameters") << "parameters" << QSize(15, 15) << QSize(29, 19);
        QTest::addRow("always on top") << "ontop" << QSize(13, 13) << QSize(29, 19);
        QTest::addRow("tray") << "tray" << QSize(20, 11) << QSize(29, 19);
    }
    void face() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QSize, holder);
        const QImage image(QStringLiteral(":/faces/%1.png").arg(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
        QCOMPARE(image.size(), size);
        QVERIFY(size.width() <= holder.width() && size.height() <= holder.height());
        QVERIFY(image.hasAlphaChannel());
        // Crisp: every pixel is either fully transparent or fully opaque.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(qAlpha(image.pixel(x, y)) == 0 || qAlpha(image.pixel(x, y)) == 255);
    }

    void icons() {
        const QImage icon(QStringLiteral(":/icons/solvane-32.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.hasAlphaChannel());
        QFile svg(QStringLiteral(":/icons/solvane.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.startsWith("<svg"));
        QVERIFY(text.contains("viewBox=\"0 0 256 256\""));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
