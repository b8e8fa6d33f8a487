// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Everything a pointer does, done with keys alone: the strip's functions, a day, and the
// Parameters dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "keyboard_user.h"
#include "tcurrencyedit.h"

using namespace solvane;
using namespace solvane::test;

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void stripFunctions_data();
    void stripFunctions();
    void hintsNameTheKeys_data();
    void hintsNameTheKeys();
    void dayByKeyboard_data();
    void dayByKeyboard();
    void parametersSavedByKeys();
    void escapeClosesParametersWithoutSaving();
};

namespace {

// What the user sees: the first month's title and the modes that are on.
QString seen(const KeyboardUser& user) {
    const TCalendar& c = *user.calendar;
    QString text = user.title(1);
    if (!child<QWidget>(c, QStringLiteral("SpeedButton7"))->isHidden())
        text += QStringLiteral(" compact %1").arg(qRound(c.width() / 199.0));
    if (user.month(1)->WeekNumbers())
        text += QStringLiteral(" weeks");
    if (c.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        text += QStringLiteral(" on-top");
    const auto* yearEntry = c.findChild<QWidget*>(QStringLiteral("Panel25"));
    if (yearEntry && yearEntry->isVisible())
        text += QStringLiteral(" year-entry");
    if (user.home()->isVisible())
        text += QStringLiteral(" parameters");
    if (!c.isVisible())
        text += QStringLiteral(" hidden");
    return text;
}

}  // namespace

void TestKeyboard::stripFunctions_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("seen");
    const auto row = [](const char* name, const char* keys, const char* seen) {
        QTest::addRow("%s", name) << QString::fromLatin1(keys).split(u' ')
                                  << QString::fromLatin1(seen);
    };
    row("next year", "PgDown", "January 2027");
    row("previous year", "PgUp", "January 2025");
    row("current year again", "PgDown PgDown Home", "January 2026");
    row("week numbers on", "Alt+N", "January 2026 weeks");
    row("week numbers off again", "Alt+N Alt+N", "January 2026");
    row("always on top", "Alt+T", "January 2026 on-top");
    row("year entry opens", "Alt+Y", "January 2026 year-entry");
    row("a typed year", "Alt+Y 1 9 9 9 Return", "January 1999");
    row("Escape closes the year entry", "Alt+Y Escape", "January 2026");
    row("Escape drops a typed year", "Alt+Y 1 9 9 9 Escape", "January 2026");
    row("keys work again after Escape", "Alt+Y Escape PgDown", "January 2027");
    row("compact view", "Alt+C", "December 2026 compact 2");
    row("next month in compact view", "Alt+C PgDown", "January 2027 compact 2");
    row("previous month in compact view", "Alt+C PgUp", "November 2026 compact 2");
    row("compact width", "Alt+C Alt+W", "December 2026 compact 3");
    row("no year entry in compact view", "Alt+C Alt+Y", "December 2026 compact 2");
    row("no width key in the full year", "Alt+W", "January 2026");
    row("full year again", "Alt+C Alt+C", "January 2026");
    row("compact view turns week numbers off", "Alt+N Alt+C", "December 2026 compact 2");
    row("notification area", "Alt+H", "January 2026 hidden");
    row("Parameters", "Ctrl+,", "January 2026 parameters");
    row("exit", "Ctrl+Q", "January 2026 hidden");
}

void TestKeyboard::stripFunctions() {
    QFETCH(QStringList, keys);
    QFETCH(QString, seen);
    KeyboardUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press(keys);
    QCOMPARE(::seen(user), seen);
}

void TestKeyboard::hintsNameTheKeys_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::addRow("previous year") << QStringList() << "SpeedButton11"
                                   << "Previous year (PgUp)";
    QTest::addRow("previous month") << QStringList{"Alt+C"} << "SpeedButton11"
                                    << "Previous month (PgUp)";
    QTest::addRow("Parameters") << QStringList() << "SpeedButton4"
                                << "Parameters (Ctrl+,)";
}

void TestKeyboard::hintsNameTheKeys() {
    QFETCH(QStringList, keys);
    QFETCH(QString, button);
    QFETCH(QString, hint);
    KeyboardUser user(placePrefs("01", QString(), QString(), QString()));  // hints on
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press(keys);
    const auto* control = user.calendar->findChild<QToolButton*>(button);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), hint);
}

void TestKeyboard::dayByKeyboard_data() {
    QTest::addColumn<QString>("secondKey");
    QTest::addRow("Return") << "Return";
    QTest::addRow("Space") << "Space";
    QTest::addRow("Enter") << "Enter";
}

// The keys do what two clicks do: caption, hint, the day's sun, and the span between the two.
void TestKeyboard::dayByKeyboard() {
    QFETCH(QString, secondKey);
    KeyboardUser user(
        placePrefs("00", QString::fromUtf8("W°73.99"), QString::fromUtf8("N°40.75"), "-5"));
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QVERIFY(user.selectDay(6, 19));
    user.press(QStringLiteral("Return"));
    QCOMPARE(user.month(6)->Hint(), QStringLiteral("26.170"));
    QCOMPARE(user.calendar->windowTitle(),
             QStringLiteral("Solvane     Today:  (12) Dec 07, 2026     Julian: 26.170"));
    QVERIFY(user.selectDay(12, 7));
    user.press(secondKey);
    QCOMPARE(user.month(12)->Hint(), QStringLiteral("26.341"));
    QCOMPARE(user.month(6)->Hint(), QString());
    QCOMPARE(user.calendar->windowTitle(),
             QStringLiteral("Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341     "
                            "6/19/26 > 12/7/26 = 172"));
    const auto* sunrise = child<QLabel>(*user.calendar, QStringLiteral("Label3"));
    QCOMPARE(sunrise->text(), QStringLiteral("7:07A"));
    QCOMPARE(sunrise->palette().color(QPalette::WindowText), toQColor(cl::Maroon));
}

namespace {

// The dialog's control that holds the focus (an editable list's own edit field counts as
// the list).
QString focusedControl(const QWidget* dialog) {
    for (const QWidget* w = QApplication::focusWidget(); w && w != dialog; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return QString();
}

}  // namespace

void TestKeyboard::parametersSavedByKeys() {
    KeyboardUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    user.press(QStringLiteral("Ctrl+,"));
    THome& home = *user.home();
    QVERIFY(QTest::qWaitForWindowActive(&home));
    QCOMPARE(focusedControl(&home), QStringLiteral("Edit1"));
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8("N°40.75"));

    QStringList reached;
    const auto tab = [&] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << focusedControl(&home);
    };
    tab();
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8("W°73.99"));
    tab();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));  // read, not typed
    const auto* offset = child<TCurrencyEdit>(home, QStringLiteral("CurrencyEditGMT3"));
    QCOMPARE(offset->Value(), 0.0);
    tab();
    // The list shows the entry of the offset 0; Up to the top reaches the first entry, -5:00.
    for (int k = 0; k < 100; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(offset->Value(), -5.0);
    tab();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    tab();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    for (int k = 1; k <= 8; ++k)
        tab();
    QCOMPARE(reached,
             (QStringList{"Edit2", "CurrencyEditGMT3", "ComboBox1", "CheckBox1", "CheckBox2",
                          "CheckBox3", "ColorComboBox1", "ColorComboBox2", "ColorComboBox3",
                          "ColorComboBox4", "ColorComboBox5", "ColorComboBox6", "Panel2"}));
    QVERIFY(child<QCheckBox>(home, QStringLiteral("CheckBox1"))->isChecked());
    QVERIFY(child<QCheckBox>(home, QStringLiteral("CheckBox2"))->isChecked());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTRY_VERIFY(!home.isVisible());
    QFile saved(user.platform.prefsPath());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(saved.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.mid(0, 4),
             (QStringList{"11", QString::fromUtf8("W°73.99"), QString::fromUtf8("N°40.75"), "-5"}));
    // 24-hour times switched on take effect at once: no restart notice.
    QCOMPARE(user.platform.boxTexts(), QStringList{});
}

void TestKeyboard::escapeClosesParametersWithoutSaving() {
    KeyboardUser user;
    QVERIFY(QTest::qWaitForWindowActive(user.calendar.get()));
    QFile file(user.platform.prefsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    user.press(QStringLiteral("Ctrl+,"));
    QVERIFY(QTest::qWaitForWindowActive(user.home()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("N10"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!user.home()->isVisible());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(user.platform.boxTexts(), QStringList());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
