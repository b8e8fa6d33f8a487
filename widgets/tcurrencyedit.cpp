// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tcurrencyedit.h"

#include <QLocale>
#include <QRegularExpression>
#include <QValidator>
#include <cmath>

#include "error.h"
#include "guard.h"

namespace solvane {
namespace {

// The user's number texts: the locale's decimal point, no group separators.
QLocale numberLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return locale;
}

// Adds one unit in the last place of a digit string; a carry out of the first digit
// lengthens it ("99" gives "100") and moves the decimal point one place to the right.
void incrementDigits(QString& digits, int& pointPosition) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
    ++pointPosition;
}

struct DecimalText {
    bool negative = false;
    QString whole;     // at least one digit
    QString fraction;  // exactly the requested number of digits
    bool isZero() const {
        return whole.count(u'0') == whole.size() && fraction.count(u'0') == fraction.size();
    }
};

// Rounds |value| to `decimals` places on its decimal text of 15 significant digits, halves
// away from zero, as a user reading the number expects (2.675 gives 2.68, not 2.67).
DecimalText roundDecimal(double value, int decimals) {
    DecimalText result;
    if (!std::isfinite(value))
        value = 0;  // no text for what is not a number
    result.negative = std::signbit(value);
    // "d.dddddddddddddde±XX": the 15 significant digits and the exponent.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    QString significant = scientific.left(1) + scientific.mid(2, e - 2);
    int pointPosition = scientific.mid(e + 1).toInt() + 1;  // digits before the point
    const int keep = pointPosition + decimals;
    QString digits;
    if (keep >= 0) {
        digits = significant.left(keep).leftJustified(keep, u'0');
        if (keep < significant.size() && significant[keep] >= u'5')
            incrementDigits(digits, pointPosition);
    }
    if (digits.isEmpty()) {  // nothing survives the rounding
        pointPosition = 1;
        digits = QString(1 + decimals, u'0');
    }
    if (pointPosition <= 0) {
        digits.prepend(QString(1 - pointPosition, u'0'));
        pointPosition = 1;
    }
    result.whole = digits.left(pointPosition);
    result.fraction = digits.mid(pointPosition);
    if (result.isZero())
        result.negative = false;
    return result;
}

QString joined(const DecimalText& number, int minimumWholeDigits) {
    QString text = number.negative ? QStringLiteral("-") : QString();
    text += number.whole.rightJustified(minimumWholeDigits, u'0');
    if (!number.fraction.isEmpty())
        text += numberLocale().decimalPoint() + number.fraction;
    return text;
}

// At most this many characters of a bad text are quoted in a conversion error.
constexpr int kMaxQuotedLength = 80;

QString quoted(const QString& text) {
    return text.size() <= kMaxQuotedLength ? text : text.left(kMaxQuotedLength) + QChar(0x2026);
}

// Every change of the text by the user passes here: the line edit undoes what is Invalid.
class NumberValidator final : public QValidator {
public:
    explicit NumberValidator(const TCurrencyEdit* edit) : QValidator(nullptr), edit_(edit) {}

    State validate(QString& input, int&) const override {
        const QString text = input.trimmed();
        if (text.isEmpty())
            return Acceptable;
        if (text == QStringLiteral("-") || text == QStringLiteral("+"))
            return Intermediate;
        const QString point = QRegularExpression::escape(numberLocale().decimalPoint());
        const QRegularExpression shape(QStringLiteral("^[-+]?[0-9]*(%1[0-9]{0,2})?$").arg(point));
        if (!shape.match(text).hasMatch())
            return Invalid;
        bool ok = false;
        const double value = numberLocale().toDouble(text, &ok);
        if (!ok || !std::isfinite(value))
            return text.back().isDigit() ? Invalid : Intermediate;  // "5." while typing
        return value >= edit_->minimum() && value <= edit_->maximum() ? Acceptable : Invalid;
    }

private:
    const TCurrencyEdit* edit_;
};

}  // namespace

TCurrencyEdit::TCurrencyEdit(QWidget* parent) : QLineEdit(parent) {
    QLineEdit::setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* numbers = new NumberValidator(this);
    numbers->setParent(this);
    setValidator(numbers);
    // What the user types is the edit text; it becomes Value when the field is left.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& typed) {
        guarded([&] {
            if (typed == text_)
                return;
            int position = 0;
            QString checked = typed;
            if (QLineEdit::validator()->validate(checked, position) != QValidator::Acceptable) {
                // Only a sign so far: the value stays; a field without the focus (a drop)
                // shows its value again at once.
                if (!hasFocus())
                    showCurrent();
                return;
            }
            text_ = typed;
            emit OnChange();
            if (!hasFocus())  // dropped in: nothing else will take the text in
                takeTypedText();
        });
    });
    showCurrent();
}

void TCurrencyEdit::setValue(double value) {
    const QString text = editText(value);
    value_ = text.isEmpty() ? 0.0 : numberLocale().toDouble(text);
    if (text != text_) {
        text_ = text;
        showCurrent();
        emit OnChange();
    } else {
        showCurrent();
    }
}

void TCurrencyEdit::setText(const QString& text) {
    if (text.trimmed().isEmpty()) {
        setValue(0);
        return;
    }
    bool ok = false;
    const double value = numberLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw Error(tr("'%1' is not a valid floating point value").arg(quoted(text)));
    setValue(value);
}

void TCurrencyEdit::setRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void TCurrencyEdit::setDisplayFormat(const QString& format) {
    if (format == displayFormat_)
        return;
    displayFormat_ = format;
    showCurrent();
}

QString TCurrencyEdit::displayText() const {
    return formatValue(value_, displayFormat_);
}

QString TCurrencyEdit::editText(double value) {
    DecimalText number = roundDecimal(value, 2);
    if (number.isZero())
        return QString();
    while (number.fraction.endsWith(u'0'))
        number.fraction.chop(1);
    return joined(number, 1);
}

// Display formats of zeros with an optional point: the zeros before the point are the least
// number of whole digits, those after it the number of decimals ("0", "00.00").
QString TCurrencyEdit::formatValue(double value, const QString& format) {
    const qsizetype point = format.indexOf(u'.');
    const QString wholePart = point < 0 ? format : format.left(point);
    const QString fractionPart = point < 0 ? QString() : format.mid(point + 1);
    const int decimals = int(fractionPart.count(u'0'));
    const int wholeDigits = qMax(1, int(wholePart.count(u'0')));
    return joined(roundDecimal(value, decimals), wholeDigits);
}

void TCurrencyEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    showCurrent();
    // The handler may move the focus on at once; nothing may run after it that assumes focus.
    emit OnEnter();
}

void TCurrencyEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    takeTypedText();
}

void TCurrencyEdit::takeTypedText() {
    bool ok = text_.trimmed().isEmpty();
    const double typed = ok ? 0.0 : numberLocale().toDouble(text_.trimmed(), &ok);
    // A typed text that is no number is dropped: the field goes back to its Value.
    if (ok && std::isfinite(typed)) {
        setValue(typed);
        return;
    }
    const QString restored = editText(value_);
    const bool changed = restored != text_;
    text_ = restored;
    showCurrent();
    if (changed)
        emit OnChange();
}

void TCurrencyEdit::showCurrent() {
    const QString shown = hasFocus() ? text_ : displayText();
    if (QLineEdit::text() != shown)
        QLineEdit::setText(shown);
}

}  // namespace solvane
