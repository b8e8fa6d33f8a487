// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A drop-down list of sixteen named colours, each drawn as a swatch and its name.

#include <QComboBox>

#include "colors.h"

namespace solvane {

class TColorComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TColorComboBox(QWidget* parent = nullptr);

    // Writing a listed colour selects it; any other value selects no item but is kept.
    TColor ColorValue() const { return value_; }
    void setColorValue(TColor colour);

    // The width at which every colour's name shows whole in the field, at least the width the
    // box has: names in other languages may be longer than the English ones it was drawn for.
    int widthForEveryName() const;

signals:
    // When the user picks a colour, and when ColorValue is written with a value other than
    // the current one or while no item is selected.
    void OnChange();

private:
    TColor value_ = cl::Black;
};

}  // namespace solvane
