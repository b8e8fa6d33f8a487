// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A numeric edit holding a floating-point Value. Its edit text is the number with at most
// two decimals (none when 0: an empty text); while it does not have the focus it shows Value
// through its display format ("0" or "00.00", halves rounded away from zero).

#include <QLineEdit>

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

    double value_ = 0;
    QString text_;
    QString displayFormat_ = QStringLiteral("0");
};

}  // namespace solvane
