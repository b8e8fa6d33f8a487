// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "icon.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
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
    QRectF box;         // the rectangle, or the circle's bounding box
    double radius = 0;  // corner radius of a rectangle
    QRectF cut;         // the circle taken out of a crescent
    QRgb fill = 0;      // 0: not filled
    QRgb stroke = 0;    // 0: no outline
    double strokeWidth = 0;
};

QRectF circleBox(double cx, double cy, double r) {
    return {cx - r, cy - r, 2 * r, 2 * r};
}

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

// Rectangles land on whole pixels and outlines are whole pixels wide, centred on the edge
// as in the SVG; circles keep their smooth edges.
class PixelPainter {
public:
    PixelPainter(QPainter& painter, int size) : painter_(painter), scale_(size / kCanvas) {}

    void paint(const Shape& s) {
        switch (s.kind) {
            case Shape::Rect:
                paintRect(s);
                break;
            case Shape::Circle:
                paintCircle(s);
                break;
            case Shape::Crescent:
                painter_.setTransform(QTransform::fromScale(scale_, scale_));
                fill(crescentPath(s), s.fill);
                painter_.resetTransform();
                break;
        }
    }

private:
    int pixels(double units) const { return int(std::lround(units * scale_)); }
    int strokePixels(const Shape& s) const { return std::max(1, pixels(s.strokeWidth)); }

    void fill(const QPainterPath& path, QRgb colour) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(colour));
        painter_.drawPath(path);
    }

    static QPainterPath rounded(const QRectF& box, double radius) {
        QPainterPath path;
        path.addRoundedRect(box, std::max(0.0, radius), std::max(0.0, radius));
        return path;
    }

    void paintRect(const Shape& s) {
        const QRect box(QPoint(pixels(s.box.left()), pixels(s.box.top())),
                        QPoint(pixels(s.box.right()) - 1, pixels(s.box.bottom()) - 1));
        const double radius = s.radius * scale_;
        if (s.fill) {
            fill(rounded(box, radius), s.fill);
        }
        if (s.stroke) {
            const int width = strokePixels(s);
            const int out = width / 2;
            const QRectF outer = QRectF(box).adjusted(-out, -out, out, out);
            const QRectF inner = outer.adjusted(width, width, -width, -width);
            fill(rounded(outer, radius + out).subtracted(rounded(inner, radius + out - width)),
                 s.stroke);
        }
    }

    void paintCircle(const Shape& s) {
        const QPointF centre = s.box.center() * scale_;
        const double radius = s.box.width() / 2 * scale_;
        const double half = s.stroke ? s.strokeWidth * scale_ / 2 : 0;
        QPainterPath disc;
        if (s.stroke) {
            disc.addEllipse(centre, radius + half, radius + half);
            fill(disc, s.stroke);
            disc.clear();
        }
        disc.addEllipse(centre, radius - half, radius - half);
        fill(disc, s.fill);
    }

    QPainter& painter_;
    double scale_;
};

QImage rendered(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PixelPainter pixelPainter(painter, size);
    for (const Shape& shape : design()) {
        pixelPainter.paint(shape);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString number(double v) {
    return QString::number(v, 'g', 6);
}
QString colour(QRgb rgb) {
    return QColor(rgb).name();
}

QString paintAttributes(const Shape& s) {
    QString text =
        QStringLiteral(" fill=\"%1\"").arg(s.fill ? colour(s.fill) : QStringLiteral("none"));
    if (s.stroke) {
        text += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                    .arg(colour(s.stroke), number(s.strokeWidth));
    } else {
        text += QStringLiteral(" stroke=\"none\"");
    }
    return text;
}

// Whether an SVG arc from `from` to `to` around `centre` that passes `via` runs the way of
// increasing angle (the sweep flag).
bool sweepsForward(QPointF centre, QPointF from, QPointF via, QPointF to) {
    const auto angle = [&](QPointF p) {
        return std::atan2(p.y() - centre.y(), p.x() - centre.x());
    };
    const auto forward = [&](QPointF p) {
        return std::fmod(angle(p) - angle(from) + 4 * std::numbers::pi, 2 * std::numbers::pi);
    };
    return forward(via) < forward(to);
}

// The crescent as two arcs: the outer circle's far side, then the cut circle's near side.
QString svgCrescentData(const Shape& s) {
    const QPointF c1 = s.box.center();
    const QPointF c2 = s.cut.center();
    const double r1 = s.box.width() / 2;
    const double r2 = s.cut.width() / 2;
    const QPointF axis = c2 - c1;
    const double d = std::hypot(axis.x(), axis.y());
    const QPointF unit = axis / d;
    const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);  // from c1 to the common chord
    const double h = std::sqrt(r1 * r1 - a * a);
    const QPointF chord = c1 + unit * a;
    const QPointF p1 = chord + QPointF(-unit.y(), unit.x()) * h;
    const QPointF p2 = chord - QPointF(-unit.y(), unit.x()) * h;
    const QPointF far = c1 - unit * r1;
    const QPointF near = c2 - unit * r2;
    return QStringLiteral("M%1 %2A%3 %3 0 %4 %5 %6 %7A%8 %8 0 %9 %10 %1 %2Z")
        .arg(number(p1.x()), number(p1.y()), number(r1), QString::number(int(a > 0)),
             QString::number(int(sweepsForward(c1, p1, far, p2))), number(p2.x()), number(p2.y()),
             number(r2), QString::number(int(d - a < 0)))
        .arg(int(sweepsForward(c2, p2, near, p1)));
}

QString svgElement(const Shape& s) {
    switch (s.kind) {
        case Shape::Rect:
            return QStringLiteral(
                       "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>")
                .arg(number(s.box.x()), number(s.box.y()), number(s.box.width()),
                     number(s.box.height()), number(s.radius), paintAttributes(s));
        case Shape::Circle:
            return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>")
                .arg(number(s.box.center().x()), number(s.box.center().y()),
                     number(s.box.width() / 2), paintAttributes(s));
        case Shape::Crescent:
            return QStringLiteral("<path d=\"%1\"%2/>").arg(svgCrescentData(s), paintAttributes(s));
    }
    return {};
}

// Hand-placed small sizes: the design's lines would fall between pixels there.
const Palette& iconPalette() {
    const Colours& c = kColours;
    static const Palette palette = {
        {'.', qRgba(0, 0, 0, 0)}, {'P', c.paper},  {'L', c.outline},
        {'H', c.header},          {'K', c.ring},   {'y', c.sun},
        {'Y', c.sunLight},        {'o', c.sunRim}, {'m', c.moon},
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
            "LPPoooPPPPmmmPPL",
            "LPoyyyoPPmmPPPPL",
            "LPoyyyoPPmmPPPPL",
            "LPoyyyoPPmmPPPPL",
            "LPPoooPPPPmmmPPL",
            "LPPPPPPPPPPPPPPL",
            "LPPPPPPPPPPPPPPL",
            ".LLLLLLLLLLLLLL.",
        },
        iconPalette());
}

// clang-format off
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
// clang-format on

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
