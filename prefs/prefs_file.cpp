// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "prefs_file.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <cmath>
#include <limits>

#include "error.h"
#include "platform.h"

namespace solvane::prefs {

QString filePath() {
    return executableDir() + QStringLiteral("/prefs.cal");
}

QStringList splitLines(const QByteArray& bytes) {
    QStringList lines;
    qsizetype start = 0;
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
    return bytes;
}

QString oneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
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
    throw Error(QStringLiteral("'%1' is not a valid integer value").arg(line));
}

double readOffset(const QString& line) {
    // A grouping separator would let "1,5" mean fifteen under an English locale; refuse it.
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = locale.toDouble(line, &ok);
    if (!ok)
        value = c.toDouble(line, &ok);
    return ok && std::isfinite(value) ? value : 0.0;
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

QStringList readFile(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        throw Error(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    }
    return splitLines(bytes);
}

void writeFile(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    const QByteArray bytes = joinLines(lines);
    // Unbuffered, so a short write (a full disk, a file size limit) shows in write() itself:
    // a buffered QSaveFile can lose a failure that happens while commit() flushes, and then
    // renames a truncated file over the old one. Without a commit the temporary file goes.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size();
    if (!written || !file.commit()) {
        throw Error(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
    }
}

}  // namespace solvane::prefs
