// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// Reads an iCalendar file with libical and reports what the library found wrong: every
// X-LIC-ERROR property it added while parsing or checking the properties each component
// must and may have. Prints "VEVENT N" and exits 0 when there is none, 1 otherwise.

#include <libical/ical.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

int reportErrors(icalcomponent* component) {
    int errors = 0;
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        std::printf("X-LIC-ERROR in %s: %s\n",
                    icalcomponent_kind_to_string(icalcomponent_isa(component)),
                    icalproperty_get_xlicerror(p));
        ++errors;
    }
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        errors += reportErrors(c);
    }
    return errors;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: ics_libical_check FILE\n", stderr);
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    icalcomponent* root = icalparser_parse_string(text.c_str());
    if (root == nullptr || icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT) {
        std::printf("not one VCALENDAR: %s\n", icalerror_strerror(icalerrno));
        return 1;
    }
    icalrestriction_check(root);
    const int errors = reportErrors(root);
    std::printf("VEVENT %d\n", icalcomponent_count_components(root, ICAL_VEVENT_COMPONENT));
    icalcomponent_free(root);
    return errors == 0 ? 0 : 1;
}
