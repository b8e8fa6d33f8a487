// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"

#include <QFile>
#include <QLocale>

namespace solvane::test {

FakePlatform::FakePlatform(const QDateTime& now) : now_(now) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    previous_ = setPlatform(Platform{this, this, this, this});
}

FakePlatform::~FakePlatform() {
    setPlatform(previous_);
}

void FakePlatform::writePrefs(const QStringList& lines) const {
    QFile file(prefsPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write prefs.cal");
    for (const QString& line : lines)
        file.write(line.toLatin1() + "\r\n");
}

QStringList FakePlatform::boxTexts() const {
    QStringList texts;
    for (const Box& box : boxes)
        texts << box.text;
    return texts;
}

}  // namespace solvane::test
