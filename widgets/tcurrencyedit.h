// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A numeric edit holding a floating-point Value. Its edit text is the number with at most
// two decimals (none when 0: an empty text); while it does not have the focus it shows Value
// through its display format ("0" or "00.00", halves rounded away from zero). Whatever way
// text comes in (keys, paste, the selection's middle-click paste, a drop), the field refuses a
// change that makes it something other than a number with at most two decimals within its
// range; a sign alone may stand while the field is being typed in.

#include <QLineEdit>
#include <limits>

namespace solvane {

class TCurrencyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TCurrencyEdit(QWidget* parent = nullptr);

    double Value() const { return value_; }
    void setValue(double value);

    // The edit text (not what is painted while unfocused).
    QString Text() const { return text_; }
    // Sets Value from a text; a text that is not a number raises solvane::Error with a
    // conversion message and changes nothing. An empty text means 0.
    void setText(const QString& text);

    // The range of numbers the user may enter; unbounded unless set. Values set by the program
    // are not limited.
    void setRange(double minimum, double maximum);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

    QString DisplayFormat() const { return displayFormat_; }
    void setDisplayFormat(const QString& format);
    QString displayText() const;  // Value through the display format

    static QString editText(double value);  // at most two decimals, empty for 0
    static QString formatValue(double value, const QString& format);

signals:
    // When the edit text changes.
    void OnChange();
    // When the field receives the focus.
    void OnEnter();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showCurrent();
    // The edit text becomes Value, or gives way to it when it is no number.
    void takeTypedText();

    double value_ = 0;
    double minimum_ = -std::numeric_limits<double>::infinity();
    double maximum_ = std::numeric_limits<double>::infinity();
    QString text_;
    QString displayFormat_ = QStringLiteral("0");
};

}  // namespace solvane
