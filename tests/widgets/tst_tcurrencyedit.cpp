// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "error.h"
#include "fakeplatform.h"
#include "tcurrencyedit.h"

using namespace solvane;

class TestCurrencyEdit : public QObject {
    Q_OBJECT

private slots:
    void init() {
        platform_ = std::make_unique<test::FakePlatform>();
        edit_ = std::make_unique<TCurrencyEdit>();
    }
    void cleanup() {
        edit_.reset();
        platform_.reset();
    }

    void editText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero is empty") << 0.0 << "";
        QTest::addRow("whole number") << -5.0 << "-5";
        QTest::addRow("one decimal") << 5.5 << "5.5";
        QTest::addRow("negative half hour") << -3.5 << "-3.5";
        QTest::addRow("two decimals") << 40.75 << "40.75";
        QTest::addRow("decimal half rounds up, not the binary value") << 2.675 << "2.68";
        QTest::addRow("negative half away from zero") << -0.285 << "-0.29";
        QTest::addRow("trailing zeros dropped") << 73.9901 << "73.99";
        QTest::addRow("carry into the whole part") << 9.996 << "10";
        QTest::addRow("rounds to zero") << 0.004 << "";
        QTest::addRow("negative rounds to zero") << -0.004 << "";
        QTest::addRow("smallest shown") << 0.005 << "0.01";
        QTest::addRow("large") << 123456.125 << "123456.13";
    }
    void editText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(TCurrencyEdit::editText(value), text);
    }

    void formatValue_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::addRow("0: half up") << 5.5 << "0"
                                    << "6";
        QTest::addRow("0: negative half away from zero") << -3.5 << "0"
                                                         << "-4";
        QTest::addRow("0: below half") << 5.49 << "0"
                                       << "5";
        QTest::addRow("0: zero") << 0.0 << "0"
                                 << "0";
        QTest::addRow("0: small negative is no -0") << -0.4 << "0"
                                                    << "0";
        QTest::addRow("00.00: padded") << 5.5 << "00.00"
                                       << "05.50";
        QTest::addRow("00.00: wide whole part") << 123.456 << "00.00"
                                                << "123.46";
        QTest::addRow("00.00: negative") << -3.5 << "00.00"
                                         << "-03.50";
        QTest::addRow("00.00: zero") << 0.0 << "00.00"
                                     << "00.00";
    }
    void formatValue() {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QCOMPARE(TCurrencyEdit::formatValue(value, format), text);
    }

    void setValueRaisesOnChangeWhenTheTextChanges() {
        QSignalSpy spy(edit_.get(), &TCurrencyEdit::OnChange);
        edit_->setValue(5.5);
        QCOMPARE(spy.count(), 1);
        edit_->setValue(5.5);
        QCOMPARE(spy.count(), 1);
        edit_->setValue(5.501);  // same text "5.5"
        QCOMPARE(spy.count(), 1);
        edit_->setValue(0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(edit_->Text(), QString());
    }

    // Reading Value back gives the number of the edit text: two decimals.
    void valueIsReadBackRounded() {
        edit_->setValue(40.456);
        QCOMPARE(edit_->Value(), 40.46);
    }

    void setText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("error");
        QTest::addRow("number") << "5.50" << 5.5 << "";
        QTest::addRow("negative") << "-3.5" << -3.5 << "";
        QTest::addRow("blanks around") << " 7 " << 7.0 << "";
        QTest::addRow("empty means zero") << "" << 0.0 << "";
        QTest::addRow("letters") << "abc" << 1.25 << "'abc' is not a valid floating point value";
        QTest::addRow("group separator")
            << "1,000" << 1.25 << "'1,000' is not a valid floating point value";
        QTest::addRow("two points")
            << "1.2.3" << 1.25 << "'1.2.3' is not a valid floating point value";
        QTest::addRow("huge text quoted in part")
            << QString(100000, u'9') + "x" << 1.25
            << "'" + QString(80, u'9') + QChar(0x2026) + "' is not a valid floating point value";
    }
    void setText() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, error);
        edit_->setValue(1.25);
        QString raised;
        try {
            edit_->setText(text);
        } catch (const Error& e) {
            raised = e.text();
        }
        QCOMPARE(raised, error);
        QCOMPARE(edit_->Value(), value);
    }

    // Unfocused the field shows Value through its display format, focused the edit text;
    // neither change of what is shown raises OnChange.
    void focusSwitchesWhatIsShown() {
        QWidget window;
        auto* edit = new TCurrencyEdit(&window);
        auto* other = new TCurrencyEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        edit->setValue(5.5);
        QCOMPARE(edit->QLineEdit::text(), QStringLiteral("6"));
        edit->setDisplayFormat(QStringLiteral("00.00"));
        QCOMPARE(edit->QLineEdit::text(), QStringLiteral("05.50"));
        QSignalSpy changes(edit, &TCurrencyEdit::OnChange);
        QSignalSpy enters(edit, &TCurrencyEdit::OnEnter);
        edit->setFocus();
        QCOMPARE(enters.count(), 1);
        QCOMPARE(edit->QLineEdit::text(), QStringLiteral("5.5"));
        other->setFocus();
        QCOMPARE(edit->QLineEdit::text(), QStringLiteral("05.50"));
        QCOMPARE(changes.count(), 0);
    }

    // The dialog moves the focus on as soon as the field receives it.
    void enterHandlerMayMoveTheFocusAway() {
        QWidget window;
        auto* edit = new TCurrencyEdit(&window);
        auto* other = new TCurrencyEdit(&window);
        other->move(0, 40);
        edit->setValue(-3.5);
        connect(edit, &TCurrencyEdit::OnEnter, other, [&] { other->setFocus(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        edit->setFocus();
        QVERIFY(other->hasFocus());
        QCOMPARE(edit->QLineEdit::text(), QStringLiteral("-4"));
    }

    void typedTextBecomesValueOnLeaving() {
        QWidget window;
        auto* edit = new TCurrencyEdit(&window);
        auto* other = new TCurrencyEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QSignalSpy changes(edit, &TCurrencyEdit::OnChange);
        QTest::keyClicks(edit, QStringLiteral("2.50"));
        QVERIFY(changes.count() > 0);
        other->setFocus();
        QCOMPARE(edit->Value(), 2.5);
        QCOMPARE(edit->Text(), QStringLiteral("2.5"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("x"));
        other->setFocus();
        QCOMPARE(edit->Value(), 2.5);
        QCOMPARE(edit->Text(), QStringLiteral("2.5"));
    }

    // Text that arrives other than by keys: the offset field takes only a number from -24 to 24
    // with at most two decimals. It never has the focus in the dialog, so the text is taken
    // (or refused) at once.
    void everyInputPathKeepsANumber_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("written");
        // The middle button pastes the selection where the platform has one (X11).
        QStringList paths{"paste", "drop"};
        if (QGuiApplication::clipboard()->supportsSelection())
            paths << "middle-click";
        for (const QString& path : paths) {
            QTest::addRow("%s of an offset", qPrintable(path)) << path << "-3.5" << -3.5 << "-3.5";
            QTest::addRow("%s of two numbers", qPrintable(path)) << path << "99-5" << 0.0 << "";
            QTest::addRow("%s of a huge number", qPrintable(path)) << path << "1e300" << 0.0 << "";
            QTest::addRow("%s beyond a day", qPrintable(path)) << path << "30" << 0.0 << "";
            QTest::addRow("%s of three decimals", qPrintable(path)) << path << "5.555" << 0.0 << "";
        }
    }
    void everyInputPathKeepsANumber() {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, written);
        QWidget window;
        auto* edit = new TCurrencyEdit(&window);
        auto* other = new TCurrencyEdit(&window);
        other->move(0, 40);
        edit->setRange(-24, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (path == "paste") {
            clipboard->setText(text);
            edit->selectAll();
            edit->paste();
        } else if (path == "middle-click") {
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(edit, Qt::MiddleButton);
            other->setFocus();
        } else {
            QMimeData data;
            data.setText(text);
            const QPointF at(1, edit->height() / 2);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::NoButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &drop);
        }
        QCOMPARE(edit->Value(), value);
        QCOMPARE(edit->Text(), written);
        QCOMPARE(edit->QLineEdit::text(), edit->displayText());
    }

private:
    std::unique_ptr<test::FakePlatform> platform_;
    std::unique_ptr<TCurrencyEdit> edit_;
};

QTEST_MAIN(TestCurrencyEdit)
#include "tst_tcurrencyedit.moc"
