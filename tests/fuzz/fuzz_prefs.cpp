// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Loads arbitrary bytes as the contents of "prefs.cal" into a Preferences value, as every
// activation of the main window does once the file is read. The bytes go straight to the
// line splitter that reads the file: a round trip through the disk per input would spend the
// fuzzer's time in the kernel, and no byte can make opening the file fail. Whatever the
// bytes, the load either succeeds or reports the one error a file's contents can cause (a bad
// colour line); anything else (another error, a crash, a hang, a read out of bounds) is a
// fault. What loaded must also survive a save: the bytes it writes load again
// into the same ten lines, which a second save writes unchanged.

#include <QByteArray>
#include <QLocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "error.h"
#include "place.h"
#include "preferences.h"
#include "prefs_file.h"

namespace {

using solvane::prefs::Preferences;
using solvane::prefs::Reading;

[[noreturn]] void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "fuzz_prefs: %s: %s\n", what, qPrintable(detail.left(200)));
    std::abort();
}

bool isExpectedError(const QString& text) {
    return text.startsWith(u'\'') && text.endsWith(QLatin1String("' is not a valid integer value"));
}

// What the load read must be lines, and the sun computation's readers of the place texts
// must cope with them.
void checkLoaded(const Reading& reading) {
    for (const QString& line : reading.lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            fail("line break inside a line", line);
    }
    const Preferences& read = reading.preferences;
    if (read.flags != reading.lines.value(0))
        fail("flags differ from line 0", read.flags);
    (void)solvane::astro::latitudeFromText(read.latitude.toStdString());
    (void)solvane::astro::longitudeNumberFromText(read.longitude.toStdString());
}

// Save, then load what was saved: nothing may be lost or refused on the way. The bytes are
// those a save writes; the write itself has tests of its own.
void checkSaveRoundTrip(const Preferences& loaded) {
    const QStringList saved = solvane::prefs::toLines(loaded);
    if (saved.size() != solvane::prefs::kLineCount)
        fail("save did not build ten lines", saved.join(u'|'));
    const Reading again =
        solvane::prefs::readLines(solvane::prefs::splitLines(solvane::prefs::joinLines(saved)));
    if (!again.complete())
        fail("saved preferences do not load", saved.join(u'|'));
    if (again.lines != saved)
        fail("saved lines read back differently", again.lines.join(u'|'));
    // A second save writes the same bytes: the offset's text reads back to itself.
    if (solvane::prefs::toLines(again.preferences) != saved)
        fail("saved value reads back differently", saved.join(u'|'));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The offset is read with the locale's decimal separator, as the tests pin it.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Reading reading = solvane::prefs::readLines(solvane::prefs::splitLines(bytes));
    try {
        reading.raiseIfIncomplete();
    } catch (const solvane::Error& error) {
        if (!isExpectedError(error.text()))
            fail("unexpected error", error.text());
        return 0;
    }
    checkLoaded(reading);
    checkSaveRoundTrip(reading.preferences);
    return 0;
}
