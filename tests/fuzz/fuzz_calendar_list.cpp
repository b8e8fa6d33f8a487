// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Reads arbitrary bytes as the list of calendars ("calendars.json"). Whatever the bytes, the
// read gives calendars that the list accepts, or an error; an error without a reason, a
// calendar with an empty id or two with the same id, a crash or a hang is a fault. What was
// read must survive a write: its bytes read back, without error, as the same calendars.

#include <QByteArray>
#include <QSet>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "list_file.h"

namespace {

using solvane::calendars::decodeList;
using solvane::calendars::encodeList;
using solvane::calendars::ListRead;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz_calendar_list: %s\n", what);
    std::abort();
}

void checkRead(const ListRead& read) {
    if (read.error.isError() && read.error.detail.isEmpty())
        fail("an error without a reason");
    QSet<QString> ids;
    for (const auto& source : read.sources) {
        if (source.id.isEmpty() || ids.contains(source.id))
            fail("an empty or repeated id");
        ids.insert(source.id);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ListRead read =
        decodeList(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkRead(read);
    const ListRead again = decodeList(encodeList(read.sources));
    if (again.error.isError() || again.sources != read.sources)
        fail("what was read does not read back the same after a write");
    return 0;
}
