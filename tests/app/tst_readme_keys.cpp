// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The README's table of keys against the program's: every key the window makes is listed,
// and the table lists no key the window does not make.

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "shortcuts.h"

using namespace solvane;

namespace {

// The keys as the README writes them: the desktop's names, paging keys in words.
QString readmeName(const QKeySequence& key) {
    QString name = key.toString(QKeySequence::PortableText);
    name.replace(QLatin1String("PgUp"), QLatin1String("Page Up"));
    name.replace(QLatin1String("PgDown"), QLatin1String("Page Down"));
    return name;
}

// The first cells of the rows of the "Keyboard" section's table, each split at " / ".
QSet<QString> readmeKeys() {
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../README.md"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read README.md");
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QLatin1String("\n## Keyboard\n"));
    const qsizetype end = text.indexOf(QLatin1String("\n## "), start + 1);
    QSet<QString> keys;
    static const QRegularExpression row(QStringLiteral("^\\| ([^|]+) \\|"),
                                        QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& m : row.globalMatch(text.mid(start, end - start))) {
        const QString cell = m.captured(1).trimmed();
        if (cell == QLatin1String("Key") || cell.startsWith(QLatin1Char('-')))
            continue;
        for (const QString& key : cell.split(QStringLiteral(" / ")))
            keys.insert(key.trimmed());
    }
    return keys;
}

QSet<QString> programKeys() {
    QSet<QString> keys;
    for (const StripShortcut& entry : stripShortcuts())
        keys.insert(readmeName(QKeySequence(entry.key)));
    for (const QKeySequence& other :
         {QKeySequence(QKeySequence::Print), QKeySequence(kCalendarsKey), QKeySequence(kNoteKey)})
        keys.insert(readmeName(other));
    return keys;
}

}  // namespace

class TestReadmeKeys : public QObject {
    Q_OBJECT

private slots:
    void tableListsEveryKey() {
        const QSet<QString> listed = readmeKeys();
        const QSet<QString> made = programKeys();
        QStringList missing = (made - listed).values();
        QStringList extra = (listed - made).values();
        missing.sort();
        extra.sort();
        QCOMPARE(missing, QStringList());
        QCOMPARE(extra, QStringList());
    }
};

QTEST_MAIN(TestReadmeKeys)
#include "tst_readme_keys.moc"
