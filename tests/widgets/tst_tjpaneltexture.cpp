// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QTest>

#include "fakeplatform.h"
#include "tjpaneltexture.h"

using namespace solvane;

Q_DECLARE_METATYPE(solvane::TJPanelTextureStyle)

namespace {

// A texture whose every pixel tells where in the texture it is.
QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 3 % 256, y * 3 % 256, 99));
    return image;
}

class CountingPanel : public TJPanelTexture {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TJPanelTexture::paintEvent(event);
    }
};

}  // namespace

class TestJPanelTexture : public QObject {
    Q_OBJECT

private slots:
    void init() { platform_ = std::make_unique<test::FakePlatform>(); }
    void cleanup() { platform_.reset(); }

    void centerRect_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("texture");
        QTest::addColumn<QRect>("target");
        QTest::addRow("64 x 64 in 100 x 30")
            << QRect(0, 0, 100, 30) << QSize(64, 64) << QRect(18, 0, 64, 30);
        QTest::addRow("smaller both ways")
            << QRect(0, 0, 31, 20) << QSize(10, 10) << QRect(10, 5, 10, 10);
        QTest::addRow("larger both ways: top-left part")
            << QRect(0, 0, 40, 20) << QSize(64, 64) << QRect(0, 0, 40, 20);
        QTest::addRow("equal width is not centred")
            << QRect(0, 0, 64, 100) << QSize(64, 10) << QRect(0, 45, 64, 10);
    }
    void centerRect() {
        QFETCH(QRect, area);
        QFETCH(QSize, texture);
        QFETCH(QRect, target);
        QCOMPARE(TJPanelTexture::centerRect(area, texture), target);
    }

    // Without a texture to lay, the panel is painted exactly as a plain panel.
    void plainPanelWithoutTexture_data() {
        QTest::addColumn<TJPanelTextureStyle>("style");
        QTest::addColumn<QImage>("texture");
        QTest::addRow("txNone with a texture") << txNone << gradient(64, 64);
        QTest::addRow("txTile without a texture") << txTile << QImage();
        QTest::addRow("txCenter with a zero-size texture")
            << txCenter << QImage(0, 0, QImage::Format_RGB32);
    }
    void plainPanelWithoutTexture() {
        QFETCH(TJPanelTextureStyle, style);
        QFETCH(QImage, texture);
        TPanel plain;
        TJPanelTexture panel;
        for (TPanel* p : {&plain, static_cast<TPanel*>(&panel)}) {
            p->resize(120, 30);
            p->setCaption(QStringLiteral("Caption"));
            p->setColor(cl::Silver);
        }
        panel.setJStyleTexture(style);
        panel.setJTexture(texture);
        QCOMPARE(panel.grab().toImage(), plain.grab().toImage());
    }

    // Whole tiles from the top-left corner, cut only where they pass the right or bottom
    // edge; a textured style covers everything: no caption, no bevels.
    void tilesCoverThePanel_data() {
        QTest::addColumn<QSize>("size");
        QTest::addRow("tool strip 794 x 23: 13 tiles, the last 26 wide") << QSize(794, 23);
        QTest::addRow("reduced strip 203 x 23: the last tile 11 wide") << QSize(203, 23);
        QTest::addRow("exact fit, no cut") << QSize(128, 64);
        QTest::addRow("two rows, both cut") << QSize(100, 100);
    }
    void tilesCoverThePanel() {
        QFETCH(QSize, size);
        TJPanelTexture panel;
        panel.resize(size);
        panel.setCaption(QStringLiteral("never seen"));
        panel.setJStyleTexture(txTile);
        panel.setJTransparent(true);
        const QImage texture = gradient(64, 64);
        panel.setJTexture(texture);
        const QImage painted = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(painted.size(), size);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (painted.pixel(x, y) != texture.pixel(x % 64, y % 64))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
    }

    void centredTextureAndItsMargins_data() {
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<TColor>("margin");
        QTest::addRow("margins in Color") << false << cl::Silver;
        QTest::addRow("margins in JTransColor") << true << cl::Gray;
    }
    void centredTextureAndItsMargins() {
        QFETCH(bool, transparent);
        QFETCH(TColor, margin);
        TJPanelTexture panel;
        panel.resize(100, 30);
        panel.setColor(cl::Silver);
        panel.setJStyleTexture(txCenter);
        panel.setJTransparent(transparent);
        const QImage texture = gradient(64, 64);
        panel.setJTexture(texture);
        const QImage painted = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(painted.pixelColor(17, 10), toQColor(margin));
        QCOMPARE(painted.pixel(18, 0), texture.pixel(0, 0));
        QCOMPARE(painted.pixel(81, 29), texture.pixel(63, 29));
        QCOMPARE(painted.pixelColor(82, 10), toQColor(margin));
    }

    void stretchedTextureFillsThePanel() {
        TJPanelTexture panel;
        panel.resize(128, 128);
        panel.setJStyleTexture(txStretch);
        QImage texture(2, 2, QImage::Format_RGB32);
        texture.setPixel(0, 0, qRgb(255, 0, 0));
        texture.setPixel(1, 0, qRgb(0, 255, 0));
        texture.setPixel(0, 1, qRgb(0, 0, 255));
        texture.setPixel(1, 1, qRgb(255, 255, 0));
        panel.setJTexture(texture);
        const QImage painted = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(painted.pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(painted.pixel(117, 10), qRgb(0, 255, 0));
        QCOMPARE(painted.pixel(10, 117), qRgb(0, 0, 255));
        QCOMPARE(painted.pixel(117, 117), qRgb(255, 255, 0));
    }

    void writesRepaintOnlyOnChange() {
        CountingPanel panel;
        panel.resize(100, 30);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QImage texture = gradient(64, 64);
        auto paintsAfter = [&](auto write) {
            QCoreApplication::processEvents();
            panel.paints = 0;
            write();
            QCoreApplication::processEvents();
            return panel.paints;
        };
        QVERIFY(paintsAfter([&] { panel.setJStyleTexture(txTile); }) > 0);
        QCOMPARE(paintsAfter([&] { panel.setJStyleTexture(txTile); }), 0);
        QVERIFY(paintsAfter([&] { panel.setJTransparent(true); }) > 0);
        QCOMPARE(paintsAfter([&] { panel.setJTransparent(true); }), 0);
        QVERIFY(paintsAfter([&] { panel.setJTransColor(cl::Navy); }) > 0);
        QCOMPARE(paintsAfter([&] { panel.setJTransColor(cl::Navy); }), 0);
        QVERIFY(paintsAfter([&] { panel.setJTexture(texture); }) > 0);
        QVERIFY(paintsAfter([&] { panel.setJTexture(texture); }) > 0);
    }

private:
    std::unique_ptr<test::FakePlatform> platform_;
};

QTEST_MAIN(TestJPanelTexture)
#include "tst_tjpaneltexture.moc"
