// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Single-line edit fields: TumEdit shows its text right-aligned or centred while it does not
// have the focus; TumNumberEdit holds a non-negative whole number typed in decimal,
// hexadecimal or binary, drops keystrokes that are not digits of its kind and rolls back
// any change that leaves the text invalid.

#include <QLineEdit>

namespace solvane {

enum TAlignment : quint8 { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TumNumberEditKind : quint8 { neDec = 0, neHex = 1, neBin = 2 };

class TumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TumEdit(QWidget* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    bool Focused() const { return focused_; }

signals:
    // A left-button click in the field.
    void OnClick();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyAlignment();

    TAlignment alignment_ = taLeftJustify;
    bool focused_ = false;
};

class TumNumberEdit : public TumEdit {
    Q_OBJECT

public:
    explicit TumNumberEdit(QWidget* parent = nullptr);

    TumNumberEditKind Kind() const { return kind_; }
    void setKind(TumNumberEditKind kind);
    QString ValidChars() const { return validChars_; }

    qint32 Value() const { return value_; }
    void setValue(qint32 value);  // clamped to 0 .. MaxValue
    qint32 MaxValue() const { return maxValue_; }
    void setMaxValue(qint32 maxValue);

    QString LastText() const { return lastText_; }
    int LastSelStart() const { return lastSelStart_; }

    // The number-to-text and text-to-number rules of each kind.
    static QString numberToText(qint32 value, TumNumberEditKind kind);
    static bool textToNumber(const QString& text, TumNumberEditKind kind, qint32* value);

signals:
    // Raised at the end of every validation of the text.
    void OnChange(QObject* sender);
    // Key-down: every key pressed in the field, Enter included, as its Qt::Key code
    // (Qt::Key_Return or Qt::Key_Enter for Enter), before the key filter drops anything.
    void OnKeyDown(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void validate();
    bool withinBound(const QString& text, qint32 number) const;

    TumNumberEditKind kind_ = neDec;
    QString validChars_ = QStringLiteral("0123456789");
    qint32 value_ = 0;
    qint32 maxValue_ = 0;
    QString lastText_;
    int lastSelStart_ = 0;
};

}  // namespace solvane
