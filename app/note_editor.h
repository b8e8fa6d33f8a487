// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The small editor of a note on a day: its text (a short note, or the name of an all-day
// event) and how many days it covers. It only asks; the window writes the note and closes the
// editor once the note is safe, so that a note that could not be written stays in the editor.

#include <QDate>
#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace solvane {

class NoteEditor : public QDialog {
    Q_OBJECT

public:
    // `existing`: the note is already kept, and can be removed.
    NoteEditor(const QDate& day, const QString& text, int days, bool existing,
               QWidget* parent = nullptr);

    QDate day() const { return day_; }
    QString text() const;
    int days() const;

signals:
    void saveRequested(const QString& text, int days);
    void removeRequested();

private:
    QDate day_;
    QLineEdit* text_ = nullptr;
    QSpinBox* days_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace solvane
