// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "note_editor.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace solvane {
namespace {

constexpr int kMaxTextLength = 1000;  // a note, not a letter: other programs show one line
constexpr int kMaxDays = 366;

}  // namespace

NoteEditor::NoteEditor(const QDate& day, const QString& text, int days, bool existing,
                       QWidget* parent)
    : QDialog(parent), day_(day) {
    setObjectName(QStringLiteral("NoteEditor"));
    setWindowTitle(existing ? tr("Edit Note") : tr("Add Note"));
    auto* heading = new QLabel(QLocale().toString(day, QLocale::LongFormat), this);
    heading->setObjectName(QStringLiteral("NoteDay"));

    text_ = new QLineEdit(text, this);
    text_->setObjectName(QStringLiteral("NoteText"));
    text_->setAccessibleName(tr("Note"));
    text_->setMaxLength(kMaxTextLength);
    text_->setMinimumWidth(text_->fontMetrics().averageCharWidth() * 40);
    days_ = new QSpinBox(this);
    days_->setObjectName(QStringLiteral("NoteDays"));
    days_->setAccessibleName(tr("Days"));
    days_->setRange(1, kMaxDays);
    days_->setValue(std::clamp(days, 1, kMaxDays));
    auto* form = new QFormLayout;
    form->addRow(tr("&Note:"), text_);
    form->addRow(tr("&Days:"), days_);

    auto* buttons = new QDialogButtonBox(this);
    save_ = buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole);
    save_->setObjectName(QStringLiteral("NoteSave"));
    save_->setAccessibleName(tr("Save"));
    save_->setDefault(true);
    if (existing) {
        QPushButton* remove = buttons->addButton(tr("&Remove"), QDialogButtonBox::DestructiveRole);
        remove->setObjectName(QStringLiteral("NoteRemove"));
        remove->setAccessibleName(tr("Remove"));
        connect(remove, &QPushButton::clicked, this, &NoteEditor::removeRequested);
    }
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("NoteCancel"));
    cancel->setAccessibleName(tr("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A note without text is no note: Save waits for one.
    connect(text_, &QLineEdit::textChanged, this,
            [this] { save_->setEnabled(!this->text().isEmpty()); });
    save_->setEnabled(!this->text().isEmpty());
    connect(save_, &QPushButton::clicked, this,
            [this] { emit saveRequested(this->text(), this->days()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(buttons);
    text_->setFocus();
}

QString NoteEditor::text() const {
    return text_->text().trimmed();
}

int NoteEditor::days() const {
    return days_->value();
}

}  // namespace solvane
