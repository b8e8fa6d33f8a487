// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "guard.h"

#include <QCoreApplication>

namespace solvane {

void reportError(const std::exception& e) {
    if (auto* own = dynamic_cast<const Error*>(&e)) {
        boxes().error(own->text());
    } else {
        boxes().error(QString::fromLocal8Bit(e.what()));
    }
}

void reportUnknownError() {
    boxes().error(QCoreApplication::translate("Guard", "Unknown error"));
}

}  // namespace solvane
