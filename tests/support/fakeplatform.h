// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The platform as tests see it: a clock that stands still where the test puts it, message
// boxes that are recorded instead of shown, pointer moves that are recorded, and a temporary
// folder as the executable's folder. Installing it also pins the English locale.

#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include "platform.h"

namespace solvane::test {

struct Box {
    enum Kind { Error, Warning, Message, Question } kind;
    QString text;
    bool operator==(const Box&) const = default;
};

class FakePlatform final : public Clock, public MessageBoxes, public Pointer, public ExecutableDir {
public:
    // Installs itself; the previous platform comes back when it is destroyed.
    explicit FakePlatform(const QDateTime& now = QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    ~FakePlatform() override;

    QDateTime now() const override { return now_; }
    void setNow(const QDateTime& now) { now_ = now; }
    void setToday(const QDate& date) { now_.setDate(date); }

    void error(const QString& text) override { boxes.append({Box::Error, text}); }
    void warning(const QString& text) override { boxes.append({Box::Warning, text}); }
    void message(const QString& text) override { boxes.append({Box::Message, text}); }
    // Recorded, and answered with `answer`.
    bool question(const QString& text) override {
        boxes.append({Box::Question, text});
        return answer;
    }
    bool answer = false;

    void moveTo(QPoint point) override { pointerMoves.append(point); }
    QSize desktopSize() const override { return QSize(1920, 1080); }

    QString path() const override { return dir_.path(); }
    // Writes prefs.cal into the temporary executable folder, each line ending in CR LF.
    void writePrefs(const QStringList& lines) const;
    QString prefsPath() const { return dir_.filePath(QStringLiteral("prefs.cal")); }

    QStringList boxTexts() const;
    QVector<Box> boxes;
    QVector<QPoint> pointerMoves;

private:
    QDateTime now_;
    QTemporaryDir dir_;
    Platform previous_;
};

}  // namespace solvane::test
