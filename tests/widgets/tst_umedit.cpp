// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "fakeplatform.h"
#include "umedit.h"

using namespace solvane;

Q_DECLARE_METATYPE(solvane::TumNumberEditKind)

namespace {

// A shown field with a second one to take the focus away.
struct Window {
    Window() {
        edit = new TumNumberEdit(&widget);
        other = new TumEdit(&widget);
        other->move(0, 40);
        widget.show();
    }
    QWidget widget;
    TumNumberEdit* edit;
    TumEdit* other;
};

}  // namespace

class TestUmEdit : public QObject {
    Q_OBJECT

private slots:
    void init() { platform_ = std::make_unique<test::FakePlatform>(); }
    void cleanup() { platform_.reset(); }

    void numberToText_data() {
        QTest::addColumn<TumNumberEditKind>("kind");
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("dec negative") << neDec << -42 << "-42";
        QTest::addRow("hex zero") << neHex << 0 << "0";
        QTest::addRow("hex 255") << neHex << 255 << "FF";
        QTest::addRow("hex -1, all 32 bits") << neHex << -1 << "FFFFFFFF";
        QTest::addRow("bin 5") << neBin << 5 << "101";
        QTest::addRow("bin zero") << neBin << 0 << "0";
        QTest::addRow("bin lowest bit pattern of -2") << neBin << -2 << QString(31, u'1') + "0";
    }
    void numberToText() {
        QFETCH(TumNumberEditKind, kind);
        QFETCH(qint32, value);
        QFETCH(QString, text);
        QCOMPARE(TumNumberEdit::numberToText(value, kind), text);
    }

    void textToNumber_data() {
        QTest::addColumn<TumNumberEditKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint32>("value");
        QTest::addRow("dec") << neDec << "0300" << true << 300;
        QTest::addRow("dec largest") << neDec << "2147483647" << true << 2147483647;
        QTest::addRow("dec overflow") << neDec << "2147483648" << false << 0;
        QTest::addRow("dec letters") << neDec << "12a" << false << 0;
        QTest::addRow("dec blank inside") << neDec << "1 2" << false << 0;
        QTest::addRow("dec hex prefix") << neDec << "0x10" << false << 0;
        QTest::addRow("hex lower case") << neHex << "ff" << true << 255;
        QTest::addRow("hex mixed case") << neHex << "aB" << true << 171;
        QTest::addRow("hex all bits") << neHex << "FFFFFFFF" << true << -1;
        QTest::addRow("hex nine digits wrap") << neHex << "100000001" << true << 1;
        QTest::addRow("bin") << neBin << "101" << true << 5;
        QTest::addRow("bin 33 ones wrap") << neBin << QString(33, u'1') << true << -1;
    }
    void textToNumber() {
        QFETCH(TumNumberEditKind, kind);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint32, value);
        qint32 number = 0;
        QCOMPARE(TumNumberEdit::textToNumber(text, kind, &number), ok);
        if (ok)
            QCOMPARE(number, value);
    }

    void writingValue_data() {
        QTest::addColumn<TumNumberEditKind>("kind");
        QTest::addColumn<qint32>("maxValue");
        QTest::addColumn<qint32>("written");
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("negative becomes 0") << neDec << 0 << -7 << 0 << "0";
        QTest::addRow("above the bound") << neDec << 99 << 150 << 99 << "99";
        QTest::addRow("no bound") << neDec << 0 << 2026 << 2026 << "2026";
        QTest::addRow("hex") << neHex << 0 << 255 << 255 << "FF";
        QTest::addRow("bin") << neBin << 0 << 5 << 5 << "101";
    }
    void writingValue() {
        QFETCH(TumNumberEditKind, kind);
        QFETCH(qint32, maxValue);
        QFETCH(qint32, written);
        QFETCH(qint32, value);
        QFETCH(QString, text);
        TumNumberEdit edit;
        edit.setKind(kind);
        edit.setMaxValue(maxValue);
        edit.setValue(written);
        QCOMPARE(edit.Value(), value);
        QCOMPARE(edit.text(), text);
    }

    void loweringMaxValueClampsValue() {
        TumNumberEdit edit;
        edit.setValue(500);
        edit.setMaxValue(99);
        QCOMPARE(edit.Value(), 99);
        QCOMPARE(edit.text(), QStringLiteral("99"));
        edit.setMaxValue(1000);
        QCOMPARE(edit.Value(), 99);
    }

    // Each row: the field, its text and caret, the keys typed, and what follows: the text,
    // Value, the caret and how many times OnChange was raised.
    void typing_data() {
        QTest::addColumn<TumNumberEditKind>("kind");
        QTest::addColumn<qint32>("maxValue");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::addColumn<int>("caretAfter");
        QTest::addColumn<int>("changes");
        QTest::addRow("bound 3000: 300 + 0 accepted") << neDec << 3000 << "300" << 3 << "0"
                                                      << "3000" << 3000 << 4 << 1;
        QTest::addRow("bound 3000: 3000 + 0 rolled back, raising OnChange twice")
            << neDec << 3000 << "3000" << 4 << "0"
            << "3000" << 3000 << 4 << 2;
        QTest::addRow("bound 3000: digit inside rolled back, caret where it was")
            << neDec << 3000 << "3000" << 1 << "5"
            << "3000" << 3000 << 1 << 2;
        QTest::addRow("bound 3000: 300 + 1 is above the bound")
            << neDec << 3000 << "300" << 3 << "1"
            << "300" << 300 << 3 << 2;
        QTest::addRow("letter dropped") << neDec << 0 << "12" << 2 << "a"
                                        << "12" << 12 << 2 << 0;
        QTest::addRow("minus dropped") << neDec << 0 << "12" << 0 << "-"
                                       << "12" << 12 << 0 << 0;
        QTest::addRow("blank dropped") << neDec << 0 << "12" << 2 << " "
                                       << "12" << 12 << 2 << 0;
        QTest::addRow("no bound: overflow rolled back") << neDec << 0 << "2147483647" << 10 << "0"
                                                        << "2147483647" << 2147483647 << 10 << 2;
        QTest::addRow("hex: lower case typed") << neHex << 0 << "" << 0 << "ff"
                                               << "ff" << 255 << 2 << 2;
        QTest::addRow("hex: letter outside the digits dropped") << neHex << 0 << "A" << 1 << "g"
                                                                << "A" << 10 << 1 << 0;
        QTest::addRow("hex bound FF: lower case at the bound accepted")
            << neHex << 255 << "f" << 1 << "f"
            << "ff" << 255 << 2 << 1;
        QTest::addRow("hex bound FF: above rolled back") << neHex << 255 << "FF" << 2 << "0"
                                                         << "FF" << 255 << 2 << 2;
        QTest::addRow("bin: 2 dropped") << neBin << 0 << "10" << 2 << "2"
                                        << "10" << 2 << 2 << 0;
        QTest::addRow("bin: 1 accepted") << neBin << 0 << "10" << 2 << "1"
                                         << "101" << 5 << 3 << 1;
    }
    void typing() {
        QFETCH(TumNumberEditKind, kind);
        QFETCH(qint32, maxValue);
        QFETCH(QString, initial);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(qint32, value);
        QFETCH(int, caretAfter);
        QFETCH(int, changes);
        Window window;
        TumNumberEdit* edit = window.edit;
        edit->setKind(kind);
        edit->setMaxValue(maxValue);
        edit->setText(initial);
        edit->setFocus();
        edit->setCursorPosition(caret);
        QSignalSpy spy(edit, &TumNumberEdit::OnChange);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->Value(), value);
        QCOMPARE(edit->cursorPosition(), caretAfter);
        QCOMPARE(spy.count(), changes);
        if (spy.count() > 0)
            QCOMPARE(spy.first().first().value<QObject*>(), edit);
    }

    // Text that arrives other than by typing goes through the same validation.
    void insertedText_data() {
        QTest::addColumn<qint32>("maxValue");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::addRow("0300 within 3000") << 3000 << "12"
                                          << "0300"
                                          << "0300" << 300;
        QTest::addRow("00300 longer than 3000") << 3000 << "12"
                                                << "00300"
                                                << "12" << 12;
        QTest::addRow("not a number") << 0 << "12"
                                      << "abc"
                                      << "12" << 12;
        QTest::addRow("negative, no bound") << 0 << "12"
                                            << "-5"
                                            << "-5" << -5;
        QTest::addRow("negative, bound") << 3000 << "12"
                                         << "-5"
                                         << "12" << 12;
    }
    void insertedText() {
        QFETCH(qint32, maxValue);
        QFETCH(QString, before);
        QFETCH(QString, inserted);
        QFETCH(QString, text);
        QFETCH(qint32, value);
        TumNumberEdit edit;
        edit.setMaxValue(maxValue);
        edit.setText(before);
        edit.selectAll();
        edit.insert(inserted);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), value);
    }

    // Before the first typed character or accepted change LastText is empty: a bad paste into
    // the new field empties it, also after keys that type nothing.
    void badPasteIntoNewFieldEmptiesIt_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::addRow("pasted") << false;
        QTest::addRow("End, then Shift+Insert") << true;
    }
    void badPasteIntoNewFieldEmptiesIt() {
        QFETCH(bool, byKeyboard);
        Window window;
        if (byKeyboard) {
            QGuiApplication::clipboard()->setText(QStringLiteral("x"));
            window.edit->setFocus();
            QTest::keyClick(window.edit, Qt::Key_End);
            QTest::keyClick(window.edit, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            window.edit->selectAll();
            window.edit->insert(QStringLiteral("x"));
        }
        QCOMPARE(window.edit->text(), QString());
        QCOMPARE(window.edit->Value(), 0);
    }

    void emptyingSetsZero() {
        Window window;
        window.edit->setText(QStringLiteral("5"));
        window.edit->setFocus();
        window.edit->setCursorPosition(1);
        QSignalSpy spy(window.edit, &TumNumberEdit::OnChange);
        QTest::keyClick(window.edit, Qt::Key_Backspace);
        QCOMPARE(window.edit->text(), QString());
        QCOMPARE(window.edit->Value(), 0);
        QCOMPARE(spy.count(), 1);
    }

    void keysReachKeyDownBeforeTheFilter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addRow("Enter changes nothing") << int(Qt::Key_Return) << 0 << "2026" << 2;
        QTest::addRow("letter changes nothing") << int(Qt::Key_X) << 0 << "2026" << 2;
        QTest::addRow("Left moves the caret") << int(Qt::Key_Left) << 0 << "2026" << 1;
        QTest::addRow("End moves the caret") << int(Qt::Key_End) << 0 << "2026" << 4;
        QTest::addRow("Delete deletes") << int(Qt::Key_Delete) << 0 << "206" << 2;
        QTest::addRow("Backspace deletes") << int(Qt::Key_Backspace) << 0 << "226" << 1;
        QTest::addRow("Ctrl+K is no character")
            << int(Qt::Key_K) << int(Qt::ControlModifier) << "2026" << 2;
    }
    void keysReachKeyDownBeforeTheFilter() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, caret);
        Window window;
        window.edit->setText(QStringLiteral("2026"));
        window.edit->setFocus();
        window.edit->setCursorPosition(2);
        QSignalSpy keys(window.edit, &TumNumberEdit::OnKeyDown);
        QSignalSpy returns(window.edit, &QLineEdit::returnPressed);
        QTest::keyClick(window.edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(keys.last().first().toInt(), key);  // after any modifier key
        QCOMPARE(window.edit->text(), text);
        QCOMPARE(window.edit->cursorPosition(), caret);
        QCOMPARE(returns.count(), 0);
    }

    // Ctrl with a letter types a control character, which the field drops; the clipboard
    // keys without a letter still work.
    void clipboardKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("copied");
        const auto row = [](const char* name, Qt::Key key, Qt::KeyboardModifier modifier,
                            const char* clipboard, const char* text, const char* copied) {
            QTest::addRow("%s", name) << int(key) << int(modifier) << QString(clipboard)
                                      << QString(text) << QString(copied);
        };
        row("Ctrl+V pastes nothing", Qt::Key_V, Qt::ControlModifier, "1999", "12", "1999");
        row("Ctrl+C copies nothing", Qt::Key_C, Qt::ControlModifier, "7", "12", "7");
        row("Ctrl+X cuts nothing", Qt::Key_X, Qt::ControlModifier, "7", "12", "7");
        row("Shift+Insert pastes", Qt::Key_Insert, Qt::ShiftModifier, "1999", "1999", "1999");
        row("Shift+Insert rolls back a bad paste", Qt::Key_Insert, Qt::ShiftModifier, "19x9", "12",
            "19x9");
        row("Ctrl+Insert copies", Qt::Key_Insert, Qt::ControlModifier, "7", "12", "12");
    }
    void clipboardKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, clipboard);
        QFETCH(QString, text);
        QFETCH(QString, copied);
        Window window;
        QGuiApplication::clipboard()->setText(clipboard);
        window.edit->setText(QStringLiteral("12"));
        window.edit->setFocus();
        window.edit->selectAll();
        QTest::keyClick(window.edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window.edit->text(), text);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    void alignmentShowsOnlyWithoutFocus_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("unfocused");
        QTest::addRow("left") << int(taLeftJustify) << int(Qt::AlignLeft);
        QTest::addRow("right") << int(taRightJustify) << int(Qt::AlignRight);
        QTest::addRow("centre") << int(taCenter) << int(Qt::AlignHCenter);
    }
    void alignmentShowsOnlyWithoutFocus() {
        QFETCH(int, alignment);
        QFETCH(int, unfocused);
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        window.other->setFocus();
        window.edit->setAlignment(TAlignment(alignment));
        QSignalSpy texts(window.edit, &QLineEdit::textChanged);
        QCOMPARE(int(window.edit->alignment() & Qt::AlignHorizontal_Mask), unfocused);
        window.edit->setFocus();
        QVERIFY(window.edit->Focused());
        QCOMPARE(int(window.edit->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignLeft));
        window.other->setFocus();
        QVERIFY(!window.edit->Focused());
        QCOMPARE(int(window.edit->alignment() & Qt::AlignHorizontal_Mask), unfocused);
        QCOMPARE(texts.count(), 0);
    }

    void clickRaisesOnClick() {
        Window window;
        QSignalSpy clicks(window.edit, &TumEdit::OnClick);
        QTest::mouseClick(window.edit, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

private:
    std::unique_ptr<test::FakePlatform> platform_;
};

QTEST_MAIN(TestUmEdit)
#include "tst_umedit.moc"
