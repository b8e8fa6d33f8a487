// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "guard.h"

namespace solvane {

void reportError(const std::exception& e) {
    if (auto* own = dynamic_cast<const Error*>(&e)) {
        boxes().error(own->text());
    } else {
        boxes().error(QString::fromLocal8Bit(e.what()));
    }
}

void reportUnknownError() {
    boxes().error(QStringLiteral("Unknown error"));
}

}  // namespace solvane
