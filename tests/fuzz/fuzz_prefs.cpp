// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Loads arbitrary bytes as "prefs.cal" through the Parameters dialog, as every activation of
// the main window does. Whatever the bytes, the load either succeeds or raises one of the two
// errors the user may see; anything else (another error, a crash, a hang, a read out of
// bounds) is a fault. What loaded must also survive Save: the file it writes loads again into
// the same ten lines.

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "error.h"
#include "fakeplatform.h"
#include "place.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace {

struct Harness {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<solvane::test::FakePlatform> platform;
    std::unique_ptr<QWidget> yearView;
    std::unique_ptr<solvane::THome> home;
};

Harness* harness = nullptr;

// The controls of the main window that the dialog paints, found by their object names.
std::unique_ptr<QWidget> makeYearView() {
    auto view = std::make_unique<QWidget>();
    for (int k = 1; k <= 12; ++k) {
        auto* calendar = new solvane::TMonthCalendar(view.get());
        calendar->setObjectName(QStringLiteral("MonthCalendar%1").arg(k));
    }
    for (int n = 0; n <= 41; ++n) {
        auto* panel = new solvane::TPanel(view.get());
        panel->setObjectName(QStringLiteral("Panel%1").arg(n));
    }
    return view;
}

[[noreturn]] void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "fuzz_prefs: %s: %s\n", what, qPrintable(detail.left(200)));
    std::abort();
}

bool isExpectedError(const QString& text) {
    return text.startsWith(QLatin1String("Cannot open file ")) ||
           (text.startsWith(u'\'') &&
            text.endsWith(QLatin1String("' is not a valid integer value")));
}

void writePrefs(const uint8_t* data, size_t size) {
    QFile file(harness->platform->prefsPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail("cannot write", file.fileName());
    if (size > 0 && file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                        static_cast<qint64>(size)) {
        fail("cannot write", file.fileName());
    }
}

// What the load left in the line buffer must be lines, and the sun computation's readers of
// the place texts must cope with them.
void checkLoaded(const solvane::THome& home) {
    for (const QString& line : home.Memo1) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            fail("line break inside a line", line);
    }
    if (home.PreferenceFlags != home.memoLine(0))
        fail("flags differ from line 0", home.PreferenceFlags);
    (void)solvane::astro::latitudeFromText(home.memoLine(2).toStdString());
    (void)solvane::astro::longitudeNumberFromText(home.memoLine(1).toStdString());
}

// Save, then load what was saved: nothing may be lost or refused on the way.
void checkSaveRoundTrip(solvane::THome& home) {
    try {
        home.SavePreferences();
        const QStringList saved = home.Memo1;
        if (saved.size() != 10)
            fail("save did not build ten lines", saved.join(u'|'));
        home.LoadPreferences();
        if (home.Memo1 != saved)
            fail("saved lines read back differently", home.Memo1.join(u'|'));
    } catch (const solvane::Error& error) {
        fail("saved preferences do not load", error.text());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    harness = new Harness;
    harness->app = std::make_unique<QApplication>(*argc, *argv);
    harness->platform = std::make_unique<solvane::test::FakePlatform>();
    harness->yearView = makeYearView();
    harness->home = std::make_unique<solvane::THome>(harness->yearView.get());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writePrefs(data, size);
    solvane::THome& home = *harness->home;
    harness->platform->boxes.clear();
    try {
        home.LoadPreferences();
    } catch (const solvane::Error& error) {
        if (!isExpectedError(error.text()))
            fail("unexpected error", error.text());
        return 0;
    }
    checkLoaded(home);
    checkSaveRoundTrip(home);
    return 0;
}
