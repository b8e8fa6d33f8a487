// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The Calendars dialog: the user's list of calendars, each with its colour, whether it is
// shown, whether it holds holidays and how its last read or fetch went, and the buttons that
// add, remove, rename, colour and refresh them. A view over the list and the sources: every
// change goes to the list, which saves it and tells the model; the rows follow the list's
// signals.
//
// The file and colour choosers and the questions for an address or a name are small seams,
// so that tests give their answers without a modal dialog.

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace solvane {

class UserCalendars;

struct CalendarsDialogChoosers {
    // An absolute path, or empty when cancelled.
    std::function<QString(QWidget* parent)> file;
    // The address typed, or nothing when cancelled.
    std::function<std::optional<QString>(QWidget* parent)> address;
    std::function<std::optional<QString>(QWidget* parent, const QString& current)> name;
    std::function<std::optional<QColor>(QWidget* parent, const QColor& current)> colour;
};

// Qt's own modal dialogs.
CalendarsDialogChoosers desktopChoosers();

class CalendarsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CalendarsDialog(UserCalendars& calendars, QWidget* parent = nullptr);

    CalendarsDialogChoosers choosers = desktopChoosers();

    // The id of the selected calendar, or empty.
    QString selectedId() const;
    void select(const QString& id);

    // The actions of the buttons.
    void addFile();
    void addAddress();
    void removeSelected();
    void renameSelected();
    void recolourSelected();
    void refreshSelected();

private:
    void createList();
    void createButtons();
    void layOut();
    void connectButtons();
    void connectList();
    void showRows();
    void showRow(QTreeWidgetItem* item);
    void showSelection();
    void rowChecked(QTreeWidgetItem* item, int column);
    void saveFailed();
    QTreeWidgetItem* row(const QString& id) const;

    UserCalendars& calendars_;
    QTreeWidget* list_ = nullptr;
    QLabel* state_ = nullptr;
    QPushButton* addFile_ = nullptr;
    QPushButton* addAddress_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* colour_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QCheckBox* shown_ = nullptr;
    QCheckBox* holidays_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace solvane
