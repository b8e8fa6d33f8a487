// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "icon.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

#include "pixelart.h"

namespace makepictures {
namespace {

constexpr double kCanvas = 256;  // the design's coordinate space

struct Colours {
    QRgb paper = qRgb(253, 250, 242);
    QRgb outline = qRgb(40, 48, 76);
    QRgb header = qRgb(47, 95, 208);
    QRgb ring = qRgb(58, 63, 78);
    QRgb sun = qRgb(255, 198, 26);
    QRgb sunLight = qRgb(255, 236, 150);
    QRgb sunRim = qRgb(228, 122, 0);
    QRgb moon = qRgb(44, 58, 110);
};
const Colours kColours;

// One shape of the design: a (rounded) rectangle, a circle or a crescent, filled, with an
// optional outline.
struct Shape {
    enum Kind { Rect, Circle, Crescent } kind;
    QRectF box;           // the rectangle, or the circle's bounding box
    double radius = 0;    // corner radius of a rectangle
    QRectF cut;           // the circle taken out of a crescent
    QRgb fill = 0;        // 0: not filled
    QRgb stroke = 0;      // 0: no outline
    double strokeWidth = 0;
};

QRectF circleBox(double cx, double cy, double r) { return {cx - r, cy - r, 2 * r, 2 * r}; }

const std::vector<Shape>& design() {
    const Colours& c = kColours;
    static const std::vector<Shape> shapes = {
        {Shape::Rect, {28, 44, 200, 188}, 20, {}, c.paper},
        {Shape::Rect, {28, 44, 200, 64}, 20, {}, c.header},
        {Shape::Rect, {28, 84, 200, 24}, 0, {}, c.header},  // squares the band's lower corners
        {Shape::Rect, {28, 44, 200, 188}, 20, {}, 0, c.outline, 8},
        {Shape::Rect, {66, 22, 20, 48}, 10, {}, c.ring},
        {Shape::Rect, {170, 22, 20, 48}, 10, {}, c.ring},
        {Shape::Circle, circleBox(92, 170, 34), 0, {}, c.sun, c.sunRim, 8},
        {Shape::Crescent, circleBox(170, 170, 38), 0, circleBox(188, 156, 32), c.moon},
    };
    return shapes;
}

QPainterPath crescentPath(const Shape& s) {
    QPainterPath outer;
    outer.addEllipse(s.box);
    QPainterPath cut;
    cut.addEllipse(s.cut);
    return outer.subtracted(cut);
}

void paint(QPainter& painter, const Shape& s) {
    painter.setBrush(s.fill ? QBrush(QColor(s.fill)) : QBrush(Qt::NoBrush));
    painter.setPen(s.stroke ? QPen(QColor(s.stroke), s.strokeWidth) : QPen(Qt::NoPen));
    switch (s.kind) {
        case Shape::Rect:
            painter.drawRoundedRect(s.box, s.radius, s.radius);
            break;
        case Shape::Circle:
            painter.drawEllipse(s.box);
            break;
        case Shape::Crescent:
            painter.drawPath(crescentPath(s));
            break;
    }
}

QImage rendered(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);
    for (const Shape& shape : design()) {
        paint(painter, shape);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString number(double v) { return QString::number(v, 'g', 6); }
QString colour(QRgb rgb) { return QColor(rgb).name(); }

QString paintAttributes(const Shape& s) {
    QString text = QStringLiteral(" fill=\"%1\"").arg(s.fill ? colour(s.fill) : QStringLiteral("none"));
    if (s.stroke) {
        text += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                    .arg(colour(s.stroke), number(s.strokeWidth));
    }
    return text;
}

QString svgPathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo()) {
            const auto c2 = path.elementAt(i + 1);
            const auto end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                          number(end.y));
            i += 2;
        }
    }
    return d + QStringLiteral("Z");
}

QString svgElement(const Shape& s) {
    switch (s.kind) {
        case Shape::Rect:
            return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>")
                .arg(number(s.box.x()), number(s.box.y()), number(s.box.width()),
                     number(s.box.height()), number(s.radius), paintAttributes(s));
        case Shape::Circle:
            return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>")
                .arg(number(s.box.center().x()), number(s.box.center().y()),
                     number(s.box.width() / 2), paintAttributes(s));
        case Shape::Crescent:
            return QStringLiteral("<path d=\"%1\"%2/>")
                .arg(svgPathData(crescentPath(s)), paintAttributes(s));
    }
    return {};
}

// Hand-placed small sizes: the design's lines would fall between pixels there.
const Palette& iconPalette() {
    const Colours& c = kColours;
    static const Palette palette = {
        {'.', qRgba(0, 0, 0, 0)}, {'P', c.paper}, {'L', c.outline}, {'H', c.header},
        {'K', c.ring},           {'y', c.sun},   {'Y', c.sunLight}, {'o', c.sunRim}, {'m', c.moon},
    };
    return palette;
}

QImage icon16() {
    return fromArt(
        {
            "....K......K....",
            "....K......K....",
            ".LLLKLLLLLLKLLL.",
            "LHHHKHHHHHHKHHHL",
            "LHHHHHHHHHHHHHHL",
            "LHHHHHHHHHHHHHHL",
            "LPPPPPPPPPPPPPPL",
            "LPPPPPPPPPPPPPPL",
            "LPPoooPPPPmPPPPL",
            "LPoyyyoPPmmPPPPL",
            "LPoyyyoPPmmPPPPL",
            "LPoyyyoPPmmmPmPL",
            "LPPoooPPPPmmmPPL",
            "LPPPPPPPPPPPPPPL",
            "LPPPPPPPPPPPPPPL",
            ".LLLLLLLLLLLLLL.",
        },
        iconPalette());
}

QImage icon32() {
    return fromArt(
        {
            "................................",
            "................................",
            "........KK............KK........",
            "........KK............KK........",
            "........KK............KK........",
            "....LLLLKKLLLLLLLLLLLLKKLLLL....",
            "...LHHHHKKHHHHHHHHHHHHKKHHHHL...",
            "...LHHHHKKHHHHHHHHHHHHKKHHHHL...",
            "...LHHHHHHHHHHHHHHHHHHHHHHHHL...",
            "...LHHHHHHHHHHHHHHHHHHHHHHHHL...",
            "...LHHHHHHHHHHHHHHHHHHHHHHHHL...",
            "...LHHHHHHHHHHHHHHHHHHHHHHHHL...",
            "...LHHHHHHHHHHHHHHHHHHHHHHHHL...",
            "...LPPPPPPPPPPPPPPPPPPPPPPPPL...",
            "...LPPPPPPPPPPPPPPPPPPPPPPPPL...",
            "...LPPPPPPPPPPPPPPPPPPPPPPPPL...",
            "...LPPPPPPPPPPPPPPPPPPPPPPPPL...",
            "...LPPPPoooooPPPPPPmPPPPPPPPL...",
            "...LPPPoyyyyyoPPPPmmPPPPPPPPL...",
            "...LPPoyYYyyyyoPPmmmPPPPPPPPL...",
            "...LPPoyYyyyyyoPPmmmPPPPPPPPL...",
            "...LPPoyyyyyyyoPPmmmPPPPPPPPL...",
            "...LPPoyyyyyyyoPPmmmmPPPPPPPL...",
            "...LPPoyyyyyyyoPPmmmmmmPPmPPL...",
            "...LPPPoyyyyyoPPPPmmmmmmmPPPL...",
            "...LPPPPoooooPPPPPPmmmmmPPPPL...",
            "...LPPPPPPPPPPPPPPPPPPPPPPPPL...",
            "...LPPPPPPPPPPPPPPPPPPPPPPPPL...",
            "...LPPPPPPPPPPPPPPPPPPPPPPPPL...",
            "....LLLLLLLLLLLLLLLLLLLLLLLL....",
            "................................",
            "................................",
        },
        iconPalette());
}

}  // namespace

QImage icon(int size) {
    if (size == 16) {
        return icon16();
    }
    if (size == 32) {
        return icon32();
    }
    return rendered(size);
}

QByteArray iconSvg() {
    QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n  <title>Solvane</title>\n");
    for (const Shape& shape : design()) {
        svg += QStringLiteral("  ") + svgElement(shape) + QStringLiteral("\n");
    }
    return (svg + QStringLiteral("</svg>\n")).toUtf8();
}

void writeIcons(const QString& folder) {
    const QDir dir(folder);
    for (int size : kIconSizes) {
        const QString sizeName = QStringLiteral("%1x%1").arg(size);
        save(icon(size), dir.filePath(QStringLiteral("hicolor/%1/apps/solvane.png").arg(sizeName)),
             "PNG");
    }
    save(icon(32), dir.filePath(QStringLiteral("solvane-32.png")), "PNG");
    QFile svg(dir.filePath(QStringLiteral("solvane.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(iconSvg()) < 0) {
        throw std::runtime_error("cannot write " + svg.fileName().toStdString());
    }
}

}  // namespace makepictures
