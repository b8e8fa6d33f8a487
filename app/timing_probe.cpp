// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "timing_probe.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace solvane {

// Warnings and worse only, unless asked: qCInfo then costs one test of a flag.
Q_LOGGING_CATEGORY(lcTiming, "solvane.timing", QtWarningMsg)

qint64 monotonicMs() {
    QElapsedTimer now;
    now.start();
    return now.msecsSinceReference();
}

MarksTiming::MarksTiming(std::vector<QWidget*> pages, std::function<bool()> hasMarks,
                         QObject* parent)
    : QObject(parent), hasMarks_(std::move(hasMarks)) {
    for (QWidget* page : pages) {
        pages_.emplace_back(page);
        page->installEventFilter(this);
    }
    // A turn of the event loop every millisecond: a gap between two is time the thread was
    // busy with something else.
    ticker_.setTimerType(Qt::PreciseTimer);
    connect(&ticker_, &QTimer::timeout, this, &MarksTiming::tick);
    ticker_.start(1);
    // Counted from the first turn of the event loop, whose posted work (the activation, the
    // start of the calendars) runs before any timer can fire.
    QMetaObject::invokeMethod(
        this, [this] { sinceTick_.start(); }, Qt::QueuedConnection);
    // A calendar without events never ends the watch: a minute is enough for any start.
    QTimer::singleShot(60'000, this, [this] {
        marksPainted_ = idle_ = true;
        finish();
    });
}

void MarksTiming::tick() {
    if (sinceTick_.isValid()) {
        const qint64 gap = sinceTick_.nsecsElapsed();
        longestNs_ = std::max(longestNs_, gap);
        if (shown_)
            longestAfterShownNs_ = std::max(longestAfterShownNs_, gap);
    }
    sinceTick_.start();
}

void MarksTiming::daysChanged() {
    if (!marksPainted_ && !armed_ && hasMarks_())
        armed_ = true;
}

// Only a reading with marks counts: the first, before any bytes have come, reads nothing.
void MarksTiming::idle() {
    if (idle_ || !hasMarks_())
        return;
    idle_ = true;
    qCInfo(lcTiming, "calendars read at %lld ms", monotonicMs());
    finish();
}

// The paint itself is under way when its event comes: what follows it in the queue runs once
// the whole window has painted and gone to the display.
bool MarksTiming::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && (!shown_ || (armed_ && !marksPainted_))) {
        const bool marks = armed_;
        QMetaObject::invokeMethod(
            this,
            [this, marks] {
                if (!shown_) {
                    shown_ = true;
                    qCInfo(lcTiming, "window painted at %lld ms", monotonicMs());
                }
                if (marks && !marksPainted_)
                    painted();
            },
            Qt::QueuedConnection);
        if (marks)
            armed_ = false;  // asked once; marksPainted_ is set when it runs
    }
    return QObject::eventFilter(watched, event);
}

void MarksTiming::painted() {
    marksPainted_ = true;
    qCInfo(lcTiming, "marks painted at %lld ms", monotonicMs());
    finish();
}

// Both seen: the probe stops, so that it costs the idle program nothing.
void MarksTiming::finish() {
    if (!marksPainted_ || !idle_ || !ticker_.isActive())
        return;
    tick();
    ticker_.stop();
    for (const QPointer<QWidget>& page : pages_)
        if (page)
            page->removeEventFilter(this);
    qCInfo(lcTiming, "longest turn of the event loop %.1f ms, %.1f ms after the window painted",
           double(longestNs_) / 1e6, double(longestAfterShownNs_) / 1e6);
}

}  // namespace solvane
