// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The readers of date texts and place texts over arbitrary bytes. Besides not crashing, what
// they accept must be a real date or time, must read back the same after formatting, and
// place numbers must be finite.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dates.h"
#include "place.h"

namespace {

using namespace solvane::astro;

[[noreturn]] void fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "fuzz_texts: %s for input \"%.*s\"\n", what,
                 static_cast<int>(input.size() > 200 ? 200 : input.size()), input.data());
    std::abort();
}

void checkDate(std::string_view text, int todayYear) {
    const auto date = parseDateText(text, todayYear);
    if (!date)
        return;
    if (!isValid(*date))
        fail("invalid date accepted", text);
    if (parseDateText(formatDate(*date, "m/d/yyyy"), todayYear) != date) {
        fail("date does not read back", text);
    }
    const auto dateTime = parseDateTimeText(text, todayYear);
    if (!dateTime || dateTime->date != *date || dateTime->hour != 0 || dateTime->minute != 0) {
        fail("date text reads differently with time", text);
    }
    (void)formatDate(*date, "mmmm yyyy (m) mmm dd yy");
    (void)shortDateText(*date);
}

void checkDateTime(std::string_view text, int todayYear) {
    const auto dateTime = parseDateTimeText(text, todayYear);
    if (!dateTime)
        return;
    if (!isValid(dateTime->date) || dateTime->hour < 0 || dateTime->hour > 23 ||
        dateTime->minute < 0 || dateTime->minute > 59 || dateTime->second < 0 ||
        dateTime->second > 59 || dateTime->msec < 0 || dateTime->msec > 999) {
        fail("invalid date and time accepted", text);
    }
    DateTime withoutMsec = *dateTime;
    withoutMsec.msec = 0;
    if (parseDateTimeText(dateTimeText(*dateTime), todayYear) != withoutMsec) {
        fail("date and time do not read back", text);
    }
}

void checkPlace(std::string_view text) {
    for (const auto& value : {latitudeFromText(text), longitudeNumberFromText(text)}) {
        if (!value)
            continue;
        if (!std::isfinite(*value))
            fail("place number not finite", text);
        (void)twoDecimalText(*value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first two bytes pick the year of "today" (1 .. 9999) that short years are put near.
    int todayYear = 2026;
    if (size >= 2) {
        todayYear = 1 + (data[0] << 8 | data[1]) % 9999;
        data += 2;
        size -= 2;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkDate(text, todayYear);
    checkDateTime(text, todayYear);
    checkPlace(text);
    return 0;
}
