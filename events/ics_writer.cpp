// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "ics_writer.h"

namespace solvane::events {
namespace {

constexpr int kLineOctets = 75;  // without the CRLF

bool continuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

QString escapedText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' || c == u';' || c == u',') {
            escaped += u'\\';
            escaped += c;
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\n");
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c.unicode() < 0x20 && c != u'\t') {
            continue;  // other control characters are not allowed in TEXT
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QByteArray foldedLine(const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    QByteArray folded;
    int begin = 0;
    int room = kLineOctets;
    while (utf8.size() - begin > room) {
        int cut = begin + room;
        while (cut > begin && continuationByte(utf8.at(cut)))
            --cut;
        folded += utf8.mid(begin, cut - begin);
        folded += "\r\n ";
        begin = cut;
        room = kLineOctets - 1;  // the leading space counts
    }
    folded += utf8.mid(begin);
    folded += "\r\n";
    return folded;
}

}  // namespace solvane::events
