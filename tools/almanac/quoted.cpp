// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "quoted.h"

namespace solvane::almanac {

namespace {

unsigned byteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// The length of the well-formed UTF-8 sequence at `i` and its code point; 0 when malformed.
std::size_t sequenceAt(std::string_view text, std::size_t i, char32_t& codePoint) {
    const unsigned lead = byteAt(text, i);
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned byte = byteAt(text, i + k);
        if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return length;
}

// C0 and C1 controls, DEL, line and paragraph separators and the direction controls.
bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendEscaped(std::string& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char c : bytes) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default: {
                const unsigned byte = static_cast<unsigned char>(c);
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            }
        }
    }
}

}  // namespace

std::string quoted(std::string_view text) {
    std::string out = "\"";
    std::size_t i = 0, shown = 0;
    while (i < text.size()) {
        if (shown++ == kQuotedCharacters) {
            return out + "\"... (" + std::to_string(text.size()) + " bytes)";
        }
        char32_t codePoint = 0;
        const std::size_t length = sequenceAt(text, i, codePoint);
        const std::string_view sequence = text.substr(i, length == 0 ? 1 : length);
        if (length == 0 || isControl(codePoint) || codePoint == '"' || codePoint == '\\') {
            appendEscaped(out, sequence);
        } else {
            out += sequence;
        }
        i += sequence.size();
    }
    return out + '"';
}

}  // namespace solvane::almanac
