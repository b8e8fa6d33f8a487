// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tcolorcombobox.h"

#include <QPainter>
#include <QPixmap>

#include "guard.h"

namespace solvane {
namespace {

struct NamedColour {
    const char* name;
    TColor value;
};

constexpr NamedColour kColours[] = {
    {"Black", cl::Black},   {"Maroon", cl::Maroon},   {"Green", cl::Green}, {"Olive", cl::Olive},
    {"Navy", cl::Navy},     {"Purple", cl::Purple},   {"Teal", cl::Teal},   {"Gray", cl::Gray},
    {"Silver", cl::Silver}, {"Red", cl::Red},         {"Lime", cl::Lime},   {"Yellow", cl::Yellow},
    {"Blue", cl::Blue},     {"Fuchsia", cl::Fuchsia}, {"Aqua", cl::Aqua},   {"White", cl::White},
};

QIcon swatch(TColor colour, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(toQColor(colour));
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

}  // namespace

TColorComboBox::TColorComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    // A square swatch leaves the dialog's 85-pixel box room for its longest name, "Fuchsia".
    setIconSize(QSize(12, 12));
    for (const NamedColour& colour : kColours)
        addItem(swatch(colour.value, iconSize()), QString::fromLatin1(colour.name), colour.value);
    setCurrentIndex(findData(value_));
    // Only a pick by the user raises OnChange here; writes of ColorValue raise it themselves.
    connect(this, &QComboBox::activated, this, [this](int index) {
        guarded([&] {
            value_ = itemData(index).toInt();
            emit OnChange();
        });
    });
}

void TColorComboBox::setColorValue(TColor colour) {
    const bool changed = colour != value_ || currentIndex() < 0;
    value_ = colour;
    setCurrentIndex(findData(colour));
    if (changed)
        emit OnChange();
}

}  // namespace solvane
