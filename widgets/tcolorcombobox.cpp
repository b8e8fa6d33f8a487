// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tcolorcombobox.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "guard.h"

namespace solvane {
namespace {

struct NamedColour {
    const char* name;
    TColor value;
};

constexpr NamedColour kColours[] = {
    //: Colour names in a box with room for about seven letters
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Black"), cl::Black},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Maroon"), cl::Maroon},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Green"), cl::Green},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Olive"), cl::Olive},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Navy"), cl::Navy},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Purple"), cl::Purple},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Teal"), cl::Teal},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Gray"), cl::Gray},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Silver"), cl::Silver},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Red"), cl::Red},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Lime"), cl::Lime},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Yellow"), cl::Yellow},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Blue"), cl::Blue},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Fuchsia"), cl::Fuchsia},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "Aqua"), cl::Aqua},
    {QT_TRANSLATE_NOOP("solvane::TColorComboBox", "White"), cl::White},
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
        addItem(swatch(colour.value, iconSize()), tr(colour.name), colour.value);
    setCurrentIndex(findData(value_));
    // Only a pick by the user raises OnChange here; writes of ColorValue raise it themselves.
    connect(this, &QComboBox::activated, this, [this](int index) {
        guarded([&] {
            value_ = itemData(index).toInt();
            emit OnChange();
        });
    });
}

int TColorComboBox::widthForEveryName() const {
    QStyleOptionComboBox option;
    option.initFrom(this);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The style draws the swatch at the field's left, then a gap of 4, then the name.
    const int room = field.width() - iconSize().width() - 4;
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    return width() + std::max(0, widest - room);
}

void TColorComboBox::setColorValue(TColor colour) {
    const bool changed = colour != value_ || currentIndex() < 0;
    value_ = colour;
    setCurrentIndex(findData(colour));
    if (changed)
        emit OnChange();
}

}  // namespace solvane
