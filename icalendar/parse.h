// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Bytes to libical components, line by line, so that a file cut short still gives what was
// complete (libical's one-call parse returns nothing for it) and several VCALENDARs each come
// out whole.

#include <string_view>
#include <vector>

#include "owners.h"

namespace solvane::ical {

struct Parsed {
    std::vector<ComponentOwner> roots;  // VCALENDARs, or bare VEVENTs as some tools write
    bool truncated = false;             // the last component was still open at the end
};

Parsed parseComponents(std::string_view bytes);

}  // namespace solvane::ical
