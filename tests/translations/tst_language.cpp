// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QTest>

#include "language.h"

using namespace solvane;

namespace {

// The languages the build compiles in, as translations/CMakeLists.txt lists them.
QStringList offered() {
    QStringList languages = QStringLiteral(SOLVANE_LANGUAGE_LIST).split(u' ', Qt::SkipEmptyParts);
    languages.sort();
    return languages;
}

const QStringList kOffered = offered();

QString programText(const char* source) {
    return QCoreApplication::translate("solvane::TCalendar", source);
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void programSpeaksItsLanguages();
    void englishIsTheSourceText_data();
    void englishIsTheSourceText();
    void qtDialogsFollowTheDesktop();
    void pluralsFollowTheLanguage_data();
    void pluralsFollowTheLanguage();
    void desktopLanguage();
};

void TestLanguage::choose_data() {
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    QTest::addRow("German desktop") << QStringList{"de-DE", "de"} << "de";
    QTest::addRow("Austrian German") << QStringList{"de-AT"} << "de";
    QTest::addRow("Swiss French") << QStringList{"fr-CH", "fr"} << "fr";
    QTest::addRow("Flemish") << QStringList{"nl-BE"} << "nl";
    QTest::addRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::addRow("Portuguese of Portugal") << QStringList{"pt-PT", "pt"} << "pt_BR";
    QTest::addRow("Czech") << QStringList{"cs-CZ"} << "cs";
    QTest::addRow("English before German") << QStringList{"en-US", "de-DE"} << "";
    QTest::addRow("British English") << QStringList{"en-GB"} << "";
    QTest::addRow("untranslated, then French") << QStringList{"ja-JP", "fr-FR"} << "fr";
    QTest::addRow("untranslated only") << QStringList{"ja-JP", "ko"} << "";
    QTest::addRow("C locale") << QStringList{"C"} << "";
    QTest::addRow("nothing") << QStringList{} << "";
    QTest::addRow("nonsense tag") << QStringList{"x-qq-123", "pl"} << "pl";
}

void TestLanguage::choose() {
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(translations::choose(desktop, kOffered), chosen);
}

void TestLanguage::programSpeaksItsLanguages() {
    QCOMPARE(translations::available(), kOffered);
}

// English installs nothing: every text is the source text, whatever was installed before.
void TestLanguage::englishIsTheSourceText_data() {
    QTest::addColumn<QString>("before");
    QTest::addRow("at start") << QString();
    QTest::addRow("after German") << QStringLiteral("de");
    QTest::addRow("after Polish") << QStringLiteral("pl");
}

void TestLanguage::englishIsTheSourceText() {
    QFETCH(QString, before);
    translations::install(before, before);
    translations::install(QString(), QString());
    QCOMPARE(programText("Always on top"), QStringLiteral("Always on top"));
    QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"),
             QStringLiteral("Print Preview"));
}

void TestLanguage::qtDialogsFollowTheDesktop() {
    translations::install(QStringLiteral("de"), QStringLiteral("de"));
    QCOMPARE(programText("Always on top"), QStringLiteral("Immer im Vordergrund"));
    if (QCoreApplication::translate("QPrintPreviewDialog", "Print Preview") == "Print Preview")
        QSKIP("Qt's own translations (qt6-translations-l10n) are not installed");
    QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"),
             QStringLiteral("Druckvorschau"));
    translations::install(QString(), QString());
}

void TestLanguage::pluralsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::addRow("English one") << "" << 1 << "and 1 more";
    QTest::addRow("German one") << "de" << 1 << "und 1 weiterer";
    QTest::addRow("German three") << "de" << 3 << "und 3 weitere";
    QTest::addRow("French one") << "fr" << 1 << "et 1 autre";
    QTest::addRow("French two") << "fr" << 2 << "et 2 autres";
    QTest::addRow("Czech two") << "cs" << 2 << "a 2 další";
    QTest::addRow("Czech five") << "cs" << 5 << "a 5 dalších";
}

void TestLanguage::pluralsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(QString, text);
    translations::install(language, QString());
    QCOMPARE(QCoreApplication::translate("YearPage", "and %n more", "holidays not listed", count),
             text);
    translations::install(QString(), QString());
}

// Run by CTest under a desktop's LANG, LC_ALL and LANGUAGE, with the word for "Exit" the
// program should then show.
void TestLanguage::desktopLanguage() {
    if (!qEnvironmentVariableIsSet("SOLVANE_EXPECTED_EXIT"))
        QSKIP("run under a desktop's locale by the tst_language_desktop_* tests");
    translations::installForDesktop();
    const QString exit = qEnvironmentVariable("SOLVANE_EXPECTED_EXIT");
    QCOMPARE(programText("Exit"), exit);
    // Qt's own dialogs are English exactly when the program is.
    if (exit == QLatin1String("Exit"))
        QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"),
                 QStringLiteral("Print Preview"));
    translations::install(QString(), QString());
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
