// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The running window as assistive technology reads it, through Qt's accessibility tree: names
// of what is seen, the sun's times, the moon's phase in words, the switches' state, nothing of
// what lies hidden; and the Parameters fields' contrast on a dark desktop.

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "keyboard_user.h"
#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "tmoon.h"

using namespace solvane;
using namespace solvane::test;

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everythingSeenHasAName_data();
    void everythingSeenHasAName();
    void hiddenPartsAreNotExposed();
    void yearWindowIsAWindow();
    void dayCellsNameTheirDate();
    void buttonsBeyondTheNarrowWindowAreNotExposed();
    void sunTimesAreRead();
    void moonPhaseInWords_data();
    void moonPhaseInWords();
    void switchesExposeTheirState_data();
    void switchesExposeTheirState();
    void parametersReadableOnDarkDesktop_data();
    void parametersReadableOnDarkDesktop();
    void onlyWhatIsOnScreenIsShowing_data();
    void onlyWhatIsOnScreenIsShowing();
    void focusRestsOnANamedNumberBox_data();
    void focusRestsOnANamedNumberBox();
    void parametersNodesSayWhatTheyAre();
};

namespace {

const QStringList kNewYork =
    placePrefs("00", QString::fromUtf8("W°73.99"), QString::fromUtf8("N°40.75"), "-5");

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Every exposed node under `root` that is not invisible, with its path of object names; the
// inside of a month control is left to the control's own tests.
void collectShown(QAccessibleInterface* node, const QString& path,
                  QList<QPair<QString, QAccessibleInterface*>>& shown) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->object() ? child->object()->objectName() : QString();
        const QString childPath = path + QLatin1Char('/') + name;
        shown << qMakePair(childPath, child);
        if (!qobject_cast<TMonthCalendar*>(child->object()))
            collectShown(child, childPath, shown);
    }
}

QStringList shownPaths(QWidget* window) {
    QList<QPair<QString, QAccessibleInterface*>> shown;
    collectShown(accessible(window), window->objectName(), shown);
    QStringList paths;
    for (const auto& [path, node] : shown)
        paths << path;
    return paths;
}

}  // namespace

void TestAccessibility::everythingSeenHasAName_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addRow("full year") << QStringList();
    QTest::addRow("year entry open") << QStringList{"Alt+Y"};
    QTest::addRow("compact view") << QStringList{"Alt+C"};
    QTest::addRow("Parameters") << QStringList{"Ctrl+,"};
}

void TestAccessibility::everythingSeenHasAName() {
    QFETCH(QStringList, keys);
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press(keys);
    QWidget* window =
        user.home()->isVisible() ? static_cast<QWidget*>(user.home()) : user.calendar.get();
    QList<QPair<QString, QAccessibleInterface*>> shown;
    collectShown(accessible(window), window->objectName(), shown);
    QVERIFY(shown.size() > 10);
    for (const auto& [path, node] : shown)
        QVERIFY2(!node->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(path));
}

void TestAccessibility::hiddenPartsAreNotExposed() {
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    const QStringList paths = shownPaths(user.calendar.get());
    QVERIFY(paths.contains(QStringLiteral("Calendar/Panel30")));  // a month title
    QCOMPARE(accessible(user.month(12))->text(QAccessible::Name), QStringLiteral("December 2026"));
    // The moon control above the strip, the bare strips and covers, the closed year entry.
    for (const char* hidden :
         {"/Moon1", "/Panel0", "/Panel2", "/Panel26", "/Panel27", "/Panel25"}) {
        const auto endsThere = [hidden](const QString& path) {
            return path.endsWith(QLatin1String(hidden));
        };
        QVERIFY2(std::none_of(paths.begin(), paths.end(), endsThere), hidden);
    }
}

// Screen readers find an application's windows among its frames, and read their titles.
void TestAccessibility::yearWindowIsAWindow() {
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QAccessibleInterface* window = accessible(user.calendar.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QVERIFY(window->text(QAccessible::Name).contains(QStringLiteral("Julian")));
    QCOMPARE(window->parent()->role(), QAccessible::Application);
}

// The one-month window cuts the strip short: what lies past its edge is not offered, and its
// key still works.
void TestAccessibility::buttonsBeyondTheNarrowWindowAreNotExposed() {
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press({"Alt+C", "Alt+W", "Alt+W"});
    QCOMPARE(qRound(user.calendar->width() / 199.0), 1);
    const QStringList paths = shownPaths(user.calendar.get());
    QVERIFY(paths.contains(QStringLiteral("Calendar/Panel28/JPanelTexture1/SpeedButton9")));
    QVERIFY(!paths.contains(QStringLiteral("Calendar/Panel28/JPanelTexture1/SpeedButton3")));
    user.press(QStringLiteral("Alt+C"));
    QVERIFY(shownPaths(user.calendar.get())
                .contains(QStringLiteral("Calendar/Panel28/JPanelTexture1/SpeedButton3")));
    user.press({"Alt+C", "Alt+W", "Alt+W", "Ctrl+Q"});
    QVERIFY(!user.calendar->isVisible());
}

// The day a keyboard user moves to is read with its full date, today's with "today".
void TestAccessibility::dayCellsNameTheirDate() {
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QVERIFY(user.selectDay(12, 9));
    TMonthCalendar* december = user.month(12);
    const auto cellName = [december](QDate date) {
        const QPoint at = december->mapToGlobal(december->dayRect(date).center());
        QAccessibleInterface* cell = accessible(december)->childAt(at.x(), at.y());
        return cell ? cell->text(QAccessible::Name) : QString();
    };
    QCOMPARE(cellName(QDate(2026, 12, 9)), QStringLiteral("Wednesday 9 December 2026, selected"));
    QCOMPARE(cellName(QDate(2026, 12, 7)), QStringLiteral("Monday 7 December 2026, today"));
}

// The time labels are read with their meaning and follow every new time.
void TestAccessibility::sunTimesAreRead() {
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QCOMPARE(accessible(child<QLabel>(*user.calendar, QStringLiteral("Label3")))
                 ->text(QAccessible::Name),
             QStringLiteral("Sunrise 7:07A"));
    QCOMPARE(accessible(child<QLabel>(*user.calendar, QStringLiteral("Label4")))
                 ->text(QAccessible::Name),
             QStringLiteral("Sunset 4:28P"));

    QVERIFY(user.selectDay(6, 19));
    user.press(QStringLiteral("Return"));
    QCOMPARE(accessible(child<QLabel>(*user.calendar, QStringLiteral("Label3")))
                 ->text(QAccessible::Name),
             QStringLiteral("Sunrise 4:24A"));
}

void TestAccessibility::moonPhaseInWords_data() {
    QTest::addColumn<int>("day");  // of December 2026, seen at 6 PM
    QTest::addColumn<QString>("description");
    QTest::addRow("2nd") << 2 << "last quarter, 32% of the disc lit";
    QTest::addRow("6th") << 6 << "waning crescent, 4% of the disc lit";
    QTest::addRow("9th") << 9 << "new moon, 1% of the disc lit";
    QTest::addRow("14th") << 14 << "waxing crescent, 28% of the disc lit";
    QTest::addRow("17th") << 17 << "first quarter, 58% of the disc lit";
    QTest::addRow("21st") << 21 << "waxing gibbous, 93% of the disc lit";
    QTest::addRow("24th") << 24 << "full moon, 99% of the disc lit";
    QTest::addRow("28th") << 28 << "waning gibbous, 69% of the disc lit";
}

void TestAccessibility::moonPhaseInWords() {
    QFETCH(int, day);
    QFETCH(QString, description);
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QVERIFY(user.selectDay(12, day));
    user.press(QStringLiteral("Space"));
    QAccessibleInterface* moon =
        accessible(child<QLabel>(*user.calendar, QStringLiteral("Image3")));
    QCOMPARE(moon->role(), QAccessible::Graphic);
    QCOMPARE(moon->text(QAccessible::Name), QStringLiteral("Moon phase"));
    QCOMPARE(moon->text(QAccessible::Description), description);
}

void TestAccessibility::switchesExposeTheirState_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    QTest::addRow("always on top") << "SpeedButton1"
                                   << "Alt+T";
    QTest::addRow("week numbers") << "SpeedButton5"
                                  << "Alt+N";
}

void TestAccessibility::switchesExposeTheirState() {
    QFETCH(QString, button);
    QFETCH(QString, key);
    KeyboardUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    auto* control = user.calendar->findChild<QToolButton*>(button);
    QAccessibleInterface* node = accessible(control);
    QVERIFY(node->state().checkable);
    QVERIFY(!node->state().checked);
    user.press(key);
    QVERIFY(node->state().checked);
    QVERIFY(control->isChecked());  // drawn pressed
    user.press(key);
    QVERIFY(!node->state().checked);
}

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkDesktop() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    return dark;
}

}  // namespace

void TestAccessibility::parametersReadableOnDarkDesktop_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"Edit1", "Edit2", "CurrencyEditGMT3", "ComboBox1", "CheckBox1",
                             "CheckBox2", "CheckBox3", "ColorComboBox1", "ColorComboBox6"})
        QTest::addRow("%s", name) << QString::fromLatin1(name);
}

void TestAccessibility::parametersReadableOnDarkDesktop() {
    QFETCH(QString, field);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkDesktop());
    KeyboardUser user(kNewYork);
    user.press(QStringLiteral("Ctrl+,"));
    auto* control = user.home()->findChild<QWidget*>(field);
    QVERIFY(control);
    QList<QWidget*> drawn{control};
    if (auto* list = qobject_cast<QComboBox*>(control))
        drawn << list->view();  // the open list too
    for (const QWidget* part : drawn) {
        const QPalette& colours = part->palette();
        const double ratio = contrast(colours.color(QPalette::Text), colours.color(QPalette::Base));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(field).arg(ratio)));
    }
    QApplication::setPalette(before);
}

// Only what lies inside the window is announced as showing: the compact window's row, not
// the months and titles beyond its edge or under its strip.
void TestAccessibility::onlyWhatIsOnScreenIsShowing_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("months");  // the month tables shown
    QTest::addRow("full year") << QStringList() << QStringList{"1", "2", "3", "4",  "5",  "6",
                                                               "7", "8", "9", "10", "11", "12"};
    QTest::addRow("compact, two months") << QStringList{"Alt+C"} << QStringList{"1", "2"};
    QTest::addRow("compact, three months")
        << QStringList{"Alt+C", "Alt+W"} << QStringList{"1", "2", "3"};
    QTest::addRow("compact, one month")
        << QStringList{"Alt+C", "Alt+W", "Alt+W"} << QStringList{"1"};
}

void TestAccessibility::onlyWhatIsOnScreenIsShowing() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, months);
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press(keys);
    QList<QPair<QString, QAccessibleInterface*>> shown;
    collectShown(accessible(user.calendar.get()), user.calendar->objectName(), shown);
    const QRect window = accessible(user.calendar.get())->rect();
    QStringList tables;
    for (const auto& [path, node] : shown) {
        QVERIFY2(window.intersects(node->rect()), qPrintable(path));
        if (path.startsWith(QLatin1String("Calendar/MonthCalendar")))
            tables << path.mid(int(std::strlen("Calendar/MonthCalendar")));
    }
    QCOMPARE(tables, months);
}

// The focus that no calendar may keep rests on the first month's number box, named and
// shown, in the compact window as in the full year.
void TestAccessibility::focusRestsOnANamedNumberBox_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("name");
    QTest::addRow("full year") << QStringList{"PgDown"} << "1";
    QTest::addRow("compact view") << QStringList{"Alt+C"} << "12";
    QTest::addRow("compact, next month") << QStringList{"Alt+C", "PgDown"} << "1";
    QTest::addRow("compact, three months") << QStringList{"Alt+C", "Alt+W"} << "12";
    QTest::addRow("full year again") << QStringList{"Alt+C", "Alt+C"} << "1";
}

void TestAccessibility::focusRestsOnANamedNumberBox() {
    QFETCH(QStringList, keys);
    QFETCH(QString, name);
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press(keys);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), QStringLiteral("Panel1"));
    QAccessibleInterface* node = accessible(focus);
    QCOMPARE(node->text(QAccessible::Name).trimmed(), name);
    QVERIFY(!node->state().invisible);
}

// Every node of the Parameters dialog, shown or not: one "Save", the colour boxes by their
// labels with the colour as the value, and no hidden number field.
void TestAccessibility::parametersNodesSayWhatTheyAre() {
    KeyboardUser user(kNewYork);
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press(QStringLiteral("Ctrl+,"));
    QList<QAccessibleInterface*> nodes;
    QList<QAccessibleInterface*> pending{accessible(user.home())};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface* child = node->child(i)) {
                nodes << child;
                pending << child;
            }
        }
    }
    int saves = 0;
    for (QAccessibleInterface* node : nodes) {
        const QString name = node->object() ? node->object()->objectName() : QString();
        QVERIFY2(!name.startsWith(QLatin1String("CurrencyEditN1")) &&
                     !name.startsWith(QLatin1String("CurrencyEditW2")),
                 qPrintable(name));
        QVERIFY2(node->text(QAccessible::Value) != QLatin1String("00.00"), qPrintable(name));
        saves += node->text(QAccessible::Name) == QLatin1String("Save") ? 1 : 0;
    }
    QCOMPARE(saves, 1);
    const QStringList labels{"Title Bar Color", "Title Text Color", "Backgnd Color",
                             "Text Color",      "Trail Text Color", "Outline Color"};
    const QStringList colours{"Blue", "Yellow", "White", "Navy", "Silver", "Silver"};
    for (int k = 1; k <= 6; ++k) {
        auto* box = user.home()->findChild<QComboBox*>("ColorComboBox" + QString::number(k));
        QVERIFY(box);
        QCOMPARE(accessible(box)->text(QAccessible::Name), labels.at(k - 1));
        QCOMPARE(accessible(box)->text(QAccessible::Value), colours.at(k - 1));
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
