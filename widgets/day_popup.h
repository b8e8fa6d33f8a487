// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The day's events where the user is looking, after a click, Return or Space: a tooltip-like
// window under the day's cell that stays until the next key, button or pointer move away from
// the cell (a QToolTip would close on the release of the very key that opened it).

#include <QLabel>
#include <QRect>

namespace solvane {

// The lines as rich text, each escaped: the events' summaries are the calendar's, not markup.
QString linesHtml(const QStringList& lines);

class DayPopup : public QLabel {
    Q_OBJECT

public:
    explicit DayPopup(QWidget* owner);
    ~DayPopup() override;

    // Shows `html` under `cell` (global coordinates), on the screen that holds the cell.
    void showUnder(const QRect& cell, const QString& html);
    // Hides it if shown; `closed` follows.
    void dismiss();

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* owner_;
    QRect cell_;
};

}  // namespace solvane
