// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "parse.h"

#include <algorithm>
#include <cstring>

namespace solvane::ical {

namespace {

// The text still to be handed to libical's line reader.
struct Cursor {
    std::string_view rest;
    bool lineStart = true;  // libical asks for pieces of long lines too
};

// libical's line generator: copies up to one line (with its newline) into `out`. A NUL byte
// ends a line too, as libical's lines are C strings.
char* nextChunk(char* out, std::size_t size, void* data) {
    auto* cursor = static_cast<Cursor*>(data);
    // Empty lines mean nothing in iCalendar; Mozilla's old files put them inside folded
    // lines ("VERSION", "", " :2.0"), which libical then cannot join.
    while (cursor->lineStart &&
           (cursor->rest.rfind("\r\n", 0) == 0 || cursor->rest.rfind("\n", 0) == 0)) {
        cursor->rest.remove_prefix(cursor->rest.front() == '\r' ? 2 : 1);
    }
    if (cursor->rest.empty() || size < 2) {
        return nullptr;
    }
    std::size_t length = std::min(cursor->rest.size(), size - 1);
    const auto newline = cursor->rest.substr(0, length).find_first_of(std::string_view("\n\0", 2));
    if (newline != std::string_view::npos) {
        length = newline + 1;
    }
    std::memcpy(out, cursor->rest.data(), length);
    if (out[length - 1] == '\0') {
        out[length - 1] = '\n';
    }
    out[length] = '\0';
    cursor->lineStart = out[length - 1] == '\n';
    cursor->rest.remove_prefix(length);
    return out;
}

void keep(Parsed& parsed, icalcomponent* component) {
    if (component == nullptr) {
        return;
    }
    // libical gathers several top-level components under an XROOT.
    if (icalcomponent_isa(component) == ICAL_XROOT_COMPONENT) {
        ComponentOwner root(component);
        while (icalcomponent* child =
                   icalcomponent_get_first_component(root.get(), ICAL_ANY_COMPONENT)) {
            icalcomponent_remove_component(root.get(), child);
            parsed.roots.emplace_back(child);
        }
        return;
    }
    parsed.roots.emplace_back(component);
}

}  // namespace

Parsed parseComponents(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    Parsed parsed;
    ParserOwner parser(icalparser_new());
    if (!parser) {
        return parsed;
    }
    Cursor cursor{bytes};
    icalparser_set_gen_data(parser.get(), &cursor);
    for (;;) {
        LineOwner line(icalparser_get_line(parser.get(), nextChunk));
        if (!line) {
            break;
        }
        if (icalcomponent* done = icalparser_add_line(parser.get(), line.get())) {
            keep(parsed, done);
        }
    }
    // Whatever is still open at the end was cut short: libical closes it as it stands, but
    // keeps it as the parser's own, to be freed with the parser; so a copy is kept.
    if (icalcomponent* rest = icalparser_clean(parser.get())) {
        parsed.truncated = true;
        keep(parsed, icalcomponent_new_clone(rest));
    }
    return parsed;
}

}  // namespace solvane::ical
