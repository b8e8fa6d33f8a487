// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The windows in the language installed: what the user reads and what a screen reader says,
// in German and French, and exactly the English source texts under English.

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "app_fixture.h"
#include "hints.h"
#include "language.h"

using namespace solvane;
using namespace solvane::test;

namespace {

QString spokenName(QObject* object) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
    return node ? node->text(QAccessible::Name) : QString();
}

}  // namespace

class TestWindowLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { translations::install(QString(), QString()); }

    void windowSpeaksTheLanguage_data();
    void windowSpeaksTheLanguage();
};

void TestWindowLanguage::windowSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("onTopHint");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QStringList>("trayMenu");
    QTest::addColumn<QString>("dialogTitle");
    QTest::addRow("English") << QString()
                             << "Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341"
                             << "Always on top (Alt+T)"
                             << "Latitude" << QStringList{"Hide",     "Parameters", "Calendars...",
                                                          "Print...", "",           "Exit"}
                             << "Parameters";
    QTest::addRow("German") << "de"
                            << "Solvane     Heute:  (12) Dec 07, 2026     Ordinaldatum: 26.341"
                            << "Immer im Vordergrund (Alt+T)"
                            << "Breitengrad"
                            << QStringList{"Ausblenden", "Einstellungen", "Kalender …", "Drucken …",
                                           "",           "Beenden"}
                            << "Einstellungen";
    QTest::addRow("French") << "fr"
                            << "Solvane     Aujourd’hui :  (12) Dec 07, 2026     Quantième : 26.341"
                            << "Toujours au premier plan (Alt+T)"
                            << "Latitude" << QStringList{"Masquer",   "Paramètres", "Calendriers…",
                                                         "Imprimer…", "",           "Quitter"}
                            << "Paramètres";
}

void TestWindowLanguage::windowSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, onTopHint);
    QFETCH(QString, latitude);
    QFETCH(QStringList, trayMenu);
    QFETCH(QString, dialogTitle);
    translations::install(language, language);

    AppFixture app;
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    QCOMPARE(app.calendar->windowTitle(), caption);
    auto* onTop = child<QWidget>(*app.calendar, QStringLiteral("SpeedButton1"));
    QCOMPARE(hint(onTop), onTopHint);

    auto* menu = child<QMenu>(*app.calendar, QStringLiteral("TrayMenu"));
    emit menu->aboutToShow();
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text();
    QCOMPARE(items, trayMenu);

    THome* home = app.home();
    QCOMPARE(home->windowTitle(), dialogTitle);
    QCOMPARE(spokenName(child<QLineEdit>(*home, QStringLiteral("Edit1"))), latitude);
}

QTEST_MAIN(TestWindowLanguage)
#include "tst_window_language.moc"
