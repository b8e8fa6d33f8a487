// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Owners for libical's C objects, so that no early return leaks one.

#include <libical/ical.h>

#include <memory>

namespace solvane::ical {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
struct ParserFree {
    void operator()(icalparser* parser) const { icalparser_free(parser); }
};
struct IteratorFree {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};
struct LineFree {
    void operator()(char* line) const { icalmemory_free_buffer(line); }
};

using ComponentOwner = std::unique_ptr<icalcomponent, ComponentFree>;
using ParserOwner = std::unique_ptr<icalparser, ParserFree>;
using IteratorOwner = std::unique_ptr<icalrecur_iterator, IteratorFree>;
using LineOwner = std::unique_ptr<char, LineFree>;

}  // namespace solvane::ical
