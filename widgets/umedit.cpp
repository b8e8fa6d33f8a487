// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "umedit.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <algorithm>

#include "guard.h"

namespace solvane {
namespace {

QString validCharsOf(TumNumberEditKind kind) {
    switch (kind) {
        case neHex:
            return QStringLiteral("0123456789abcdefABCDEF");
        case neBin:
            return QStringLiteral("01");
        case neDec:
            break;
    }
    return QStringLiteral("0123456789");
}

int hexDigitValue(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return 0;  // only typing is filtered; anything else that arrives is worth nothing
}

// Keys that edit without typing a character of their own; the clipboard keys among them
// are those without a letter (Shift+Insert, Ctrl+Insert, Shift+Delete).
bool isEditingKey(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return true;
        default:
            break;
    }
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

// Ctrl with a letter types a control character (Ctrl+C is code 3, Ctrl+V code 22). No such
// character is a digit, so the field drops it like any other: copy, cut and paste by Ctrl
// and a letter do nothing here. AltGr arrives as Ctrl+Alt and types ordinary characters.
bool typesControlCharacter(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
           event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z;
}

}  // namespace

// TumEdit --------------------------------------------------------------------------------

TumEdit::TumEdit(QWidget* parent) : QLineEdit(parent) {
    applyAlignment();
}

void TumEdit::setAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    applyAlignment();
    update();
}

// While the field has the focus the text is edited left-aligned; otherwise it shows as
// Alignment says. Qt mirrors left and right for right-to-left layouts.
void TumEdit::applyAlignment() {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (!focused_ && alignment_ == taRightJustify)
        horizontal = Qt::AlignRight;
    if (!focused_ && alignment_ == taCenter)
        horizontal = Qt::AlignHCenter;
    QLineEdit::setAlignment(horizontal | Qt::AlignVCenter);
}

void TumEdit::focusInEvent(QFocusEvent* event) {
    focused_ = true;
    applyAlignment();
    QLineEdit::focusInEvent(event);
}

void TumEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    focused_ = false;
    applyAlignment();
    update();
}

void TumEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick();
}

// TumNumberEdit --------------------------------------------------------------------------

TumNumberEdit::TumNumberEdit(QWidget* parent) : TumEdit(parent) {
    // The initial text is not validated: Value stays 0 and LastText empty.
    QLineEdit::setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, guard(this, &TumNumberEdit::validate));
}

void TumNumberEdit::setKind(TumNumberEditKind kind) {
    kind_ = kind;
    validChars_ = validCharsOf(kind);
}

void TumNumberEdit::setValue(qint32 value) {
    if (value < 0) {
        value = 0;
    } else if (maxValue_ != 0 && value > maxValue_) {
        value = maxValue_;
    }
    value_ = value;
    setText(numberToText(value, kind_));
}

void TumNumberEdit::setMaxValue(qint32 maxValue) {
    maxValue_ = maxValue;
    if (maxValue != 0 && maxValue < value_)
        setValue(maxValue);
}

QString TumNumberEdit::numberToText(qint32 value, TumNumberEditKind kind) {
    // Hexadecimal and binary show the 32 bits without leading zeros: -1 is "FFFFFFFF".
    switch (kind) {
        case neHex:
            return QString::number(quint32(value), 16).toUpper();
        case neBin:
            return QString::number(quint32(value), 2);
        case neDec:
            break;
    }
    return QString::number(value);
}

bool TumNumberEdit::textToNumber(const QString& text, TumNumberEditKind kind, qint32* value) {
    if (kind == neDec) {
        static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
        if (!decimal.match(text).hasMatch())
            return false;
        bool ok = false;
        const qint32 number = text.toInt(&ok, 10);
        if (ok)
            *value = number;
        return ok;
    }
    // Hexadecimal and binary sum their digits in 32 bits and wrap; they never fail.
    const quint32 base = kind == neHex ? 16 : 2;
    quint32 sum = 0;
    quint32 weight = 1;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const quint32 digit = kind == neHex ? quint32(hexDigitValue(text[i])) : text[i] == u'1';
        sum += digit * weight;
        weight *= base;
    }
    *value = qint32(sum);
    return true;
}

void TumNumberEdit::keyPressEvent(QKeyEvent* event) {
    // Key-down handlers see every key, Enter included, before anything is dropped.
    emit OnKeyDown(event->key());
    // Only a key that types a character marks the text to go back to: moving the caret, or
    // pasting with Shift+Insert, leaves the last good text as it was.
    if (!event->text().isEmpty()) {
        lastText_ = text();
        lastSelStart_ = hasSelectedText() ? selectionStart() : cursorPosition();
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // Enter is for the key-down handlers only
        return;
    }
    if (typesControlCharacter(event)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool typesValidCharacters =
        !typed.isEmpty() &&
        std::all_of(typed.begin(), typed.end(), [&](QChar c) { return validChars_.contains(c); });
    if (typed.isEmpty() || isEditingKey(event) || typesValidCharacters) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();  // a character the field does not take: dropped
    }
}

bool TumNumberEdit::withinBound(const QString& text, qint32 number) const {
    if (maxValue_ == 0)
        return true;
    if (number > maxValue_ || number < 0)
        return false;
    const QString bound = numberToText(maxValue_, kind_);
    if (text.size() != bound.size())
        return text.size() < bound.size();
    // At equal length the digit texts compare as the numbers do. Upper case, because the
    // bound is written in upper case and "ff" is as much 255 as "FF" is.
    return text.toUpper() <= bound;
}

void TumNumberEdit::validate() {
    const QString current = text();
    if (current.isEmpty()) {
        value_ = 0;
    } else if (qint32 number = 0;
               textToNumber(current, kind_, &number) && withinBound(current, number)) {
        value_ = number;
        lastText_ = current;
    } else {
        // Setting the text back validates the restored text too (it raises OnChange itself).
        setText(lastText_);
        setCursorPosition(qBound(0, lastSelStart_, int(text().size())));
    }
    emit OnChange(this);
}

}  // namespace solvane
