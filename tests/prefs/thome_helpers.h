// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What the Parameters dialog's tests share: its controls by object name, the user's ways of
// changing them, and prefs.cal's bytes.

#include <sys/resource.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <csignal>
#include <functional>

#include "children.h"
#include "error_of.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "thome.h"

namespace solvane::test {

inline const QStringList kDefaults{"00",    "",         "",        "",         "16711680",
                                   "65535", "16777215", "8388608", "12632256", "12632256"};

inline QLineEdit* edit(const THome& home, const char* name) {
    return child<QLineEdit>(home, QLatin1String(name));
}
inline QCheckBox* checkBox(const THome& home, int k) {
    return child<QCheckBox>(home, QStringLiteral("CheckBox%1").arg(k));
}
inline TColorComboBox* colourBox(const THome& home, int k) {
    return child<TColorComboBox>(home, QStringLiteral("ColorComboBox%1").arg(k));
}
inline TCurrencyEdit* offsetField(const THome& home) {
    return child<TCurrencyEdit>(home, QStringLiteral("CurrencyEditGMT3"));
}
inline QComboBox* offsetList(const THome& home) {
    return child<QComboBox>(home, QStringLiteral("ComboBox1"));
}
// The colour each announcement of the spy's dialog named last, by colour box (0 .. 5).
inline QMap<int, TColor> lastAnnounced(const QSignalSpy& colours) {
    QMap<int, TColor> last;
    for (const QList<QVariant>& announcement : colours)
        last[int(announcement.at(0).value<prefs::Colour>())] = announcement.at(1).toInt();
    return last;
}

// Steps a colour box to its next colour by key, as a user does.
inline void pickAnotherColour(TColorComboBox* box) {
    const TColor before = box->ColorValue();
    QTest::keyClick(box, Qt::Key_Down);
    if (box->ColorValue() == before)
        QTest::keyClick(box, Qt::Key_Up);
}

inline void clickSave(const THome& home) {
    QTest::mouseClick(child<QToolButton>(home, QStringLiteral("SpeedButton54")), Qt::LeftButton);
}

// Types the text into the Offset List's edit part and presses Enter, as a user picks an entry
// by name.
inline void typeOffset(const THome& home, const QString& text) {
    QLineEdit* line = offsetList(home)->lineEdit();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

inline QStringList withLine(QStringList lines, int index, const QString& text) {
    lines[index] = text;
    return lines;
}

// Makes every write of more than `bytes` bytes to a file fail, until destroyed.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace solvane::test
