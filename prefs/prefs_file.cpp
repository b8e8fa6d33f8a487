// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "prefs_file.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <limits>

#include "error.h"
#include "platform.h"
#include "settings_location.h"
#include "tcurrencyedit.h"

namespace solvane::prefs {

namespace {
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
}  // namespace

QString filePath() {
    const QString programDir = executableDir();
    // An empty folder would make "/prefs.cal" of it, a file at the root of the system.
    if (programDir.isEmpty())
        throw Error(
            QCoreApplication::translate("PrefsFile", "Cannot find the folder of the program"));
    // The configuration folder is looked for only when it is needed.
    return settingsFile(programDir, settingsBesideProgram(programDir) ? QString() : configHome());
}

QStringList splitLines(const QByteArray& bytes) {
    QStringList lines;
    // An editor may put a UTF-8 byte-order mark first; it is no part of the flags line.
    qsizetype start = bytes.startsWith(kByteOrderMark) ? 3 : 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines << QString::fromLatin1(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines << QString::fromLatin1(bytes.mid(start));
    return lines;
}

QByteArray joinLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    // A first line that itself begins with the bytes of a byte-order mark ("ï»¿" in Latin-1)
    // would lose them to the reader, which skips one such mark: a mark of its own in front
    // keeps the line whole.
    if (bytes.startsWith(kByteOrderMark))
        bytes.prepend(kByteOrderMark);
    return bytes;
}

QString oneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

bool isLatin1(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

QString quoted(const QString& text) {
    if (text.size() <= kMaxQuotedLength)
        return text;
    return text.left(kMaxQuotedLength) + QChar(0x2026);
}

std::optional<TColor> parseColour(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    if (i == text.size())
        return std::nullopt;
    for (qsizetype d = i; d < text.size(); ++d) {
        if (text.at(d) < u'0' || text.at(d) > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<TColor>::min() ||
        value > std::numeric_limits<TColor>::max()) {
        return std::nullopt;
    }
    return static_cast<TColor>(value);
}

TColor readColour(const QString& line) {
    if (const auto colour = parseColour(line))
        return *colour;
    throw Error(QCoreApplication::translate("PrefsFile", "'%1' is not a valid integer value")
                    .arg(quoted(line)));
}

double readOffset(const QString& line) {
    // A grouping separator would let "1,5" mean fifteen under an English locale.
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = locale.toDouble(line, &ok);
    if (!ok)
        value = c.toDouble(line, &ok);
    // A file saved under a decimal-comma locale reads the same everywhere: its one comma is
    // the decimal point, never a thousands separator (an offset has no thousands).
    if (!ok && line.count(u',') == 1 && !line.contains(u'.'))
        value = c.toDouble(QString(line).replace(u',', u'.'), &ok);
    // An offset beyond a day (a pasted "99" or "1e300") is as unreadable as a word.
    return ok && std::isfinite(value) && std::fabs(value) <= 24 ? value : 0.0;
}

QString offsetLine(double hours) {
    QString text = TCurrencyEdit::editText(hours);
    const QString localPoint = QLocale().decimalPoint();
    if (localPoint != QStringLiteral("."))
        text.replace(localPoint, QStringLiteral("."));
    return text;
}

QString withFlags(QString flags, bool militaryTime, bool hints) {
    while (flags.size() < 2)
        flags += u'0';
    flags[0] = militaryTime ? u'1' : u'0';
    flags[1] = hints ? u'1' : u'0';
    return flags;
}

bool flagSet(const QString& flags, int position) {
    return position >= 1 && position <= flags.size() && flags.at(position - 1) == u'1';
}

}  // namespace solvane::prefs
