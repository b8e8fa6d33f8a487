// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Moments of the start that scripts/bench-events.sh measures, logged under the category
// "solvane.timing" (off unless QT_LOGGING_RULES turns its info messages on) in milliseconds of
// the monotonic clock, the one a launcher's stopwatch reads: when the calendars begin to be
// read, the days read, and the first paint that shows the user's events. Meanwhile a probe
// of the event loop records the longest turn, what the window would have been unable to
// answer for. Off, none of it exists: no timer, no filter, no message.

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace solvane {

Q_DECLARE_LOGGING_CATEGORY(lcTiming)

// The monotonic clock's milliseconds, as QElapsedTimer and steady_clock read it on Linux.
qint64 monotonicMs();

class MarksTiming : public QObject {
    Q_OBJECT

public:
    // `pages` are the widgets whose paint shows the marks; `hasMarks` says whether the days
    // now answered carry any.
    MarksTiming(std::vector<QWidget*> pages, std::function<bool()> hasMarks, QObject* parent);

    // The model's answers changed, or it has read everything asked.
    void daysChanged();
    void idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();
    void painted();
    void finish();

    std::vector<QPointer<QWidget>> pages_;
    std::function<bool()> hasMarks_;
    QTimer ticker_;
    QElapsedTimer sinceTick_;
    qint64 longestNs_ = 0;            // the longest turn since the first began
    qint64 longestAfterShownNs_ = 0;  // the same, counted from the window's first paint
    bool shown_ = false;              // a page has painted once
    bool armed_ = false;              // marks are answered: the next paint shows them
    bool marksPainted_ = false;
    bool idle_ = false;
};

}  // namespace solvane
