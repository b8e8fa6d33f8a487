// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Every text of every window and dialog, in every language, fits its control at the default
// font: no label, button or list item wider than the room its control gives it, no label
// running into the field it names, and nothing standing out of the fixed-size windows.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"
#include "calendars_dialog.h"
#include "language.h"
#include "note_editor.h"
#include "system_zone_for_test.h"
#include "thome.h"
#include "user_calendars.h"

using namespace solvane;
using namespace solvane::test;

namespace {

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString where(const QWidget* widget) {
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), widget->metaObject()->className());
}

// The room a control gives its text, or -1 for a control whose text is not checked.
int roomForText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const int indent = label->indent() > 0 ? label->indent() : 0;
        return label->contentsRect().width() - 2 * label->margin() - indent;
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    }
    if (const auto* button = qobject_cast<const QToolButton*>(widget)) {
        if (button->toolButtonStyle() == Qt::ToolButtonIconOnly && !button->icon().isNull())
            return -1;
        return button->contentsRect().width() -
               button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    }
    if (qobject_cast<const QAbstractButton*>(widget))
        return widget->contentsRect().width() -
               widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
    return -1;
}

// A text as drawn: the mnemonic's "&" is an underline, "&&" an ampersand.
QString withoutMnemonic(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->textFormat() == Qt::RichText)
            return {};
        return label->buddy() ? withoutMnemonic(label->text()) : label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return withoutMnemonic(button->text());
    return {};
}

// The items of a list box that show whole in its field when chosen; an editable box shows a
// text the user may scroll, and is not checked.
QStringList comboMisfits(const QComboBox* box) {
    QStringList faults;
    if (box->isEditable())
        return faults;
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    const int icon = box->iconSize().width() + 4;  // the icon and the gap Qt leaves after it
    for (int i = 0; i < box->count(); ++i) {
        const int needed = icon + box->fontMetrics().horizontalAdvance(box->itemText(i));
        if (needed > field.width())
            faults << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                          .arg(where(box), box->itemText(i))
                          .arg(needed)
                          .arg(field.width());
    }
    return faults;
}

// What does not fit in `top`, one line per fault.
QStringList misfits(QWidget* top) {
    QStringList faults;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(top) || widget->isWindow() != (widget == top))
            continue;
        if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
            faults << comboMisfits(box);
            if (!box->parentWidget()->rect().contains(box->geometry()))
                faults << QStringLiteral("%1 stands out of its group").arg(where(box));
        }
        const QString text = shownText(widget);
        if (text.trimmed().isEmpty())
            continue;
        const auto* label = qobject_cast<const QLabel*>(widget);
        const int room = roomForText(widget);
        if (label && label->wordWrap()) {
            const int needed = label->heightForWidth(label->contentsRect().width());
            if (needed > label->contentsRect().height())
                faults << QStringLiteral("%1: \"%2\" needs %3 px of height, has %4")
                              .arg(where(widget), text)
                              .arg(needed)
                              .arg(label->contentsRect().height());
        } else if (room >= 0) {
            const int needed = widestLine(widget->fontMetrics(), text);
            if (needed > room)
                faults << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                              .arg(where(widget), text)
                              .arg(needed)
                              .arg(room);
        }
        // Inside its window: a fixed-size window does not grow to show what stands out.
        const QRect inTop(widget->mapTo(top, QPoint(0, 0)), widget->size());
        if (widget != top && !top->rect().contains(inTop))
            faults
                << QStringLiteral("%1: \"%2\" stands out of the window").arg(where(widget), text);
        else if (widget != top && !widget->parentWidget()->rect().contains(widget->geometry()))
            faults << QStringLiteral("%1: \"%2\" stands out of its group").arg(where(widget), text);
        // A label's text ends before the field it names begins.
        if (label && label->buddy() && label->buddy()->parentWidget() == label->parentWidget() &&
            label->buddy()->isVisibleTo(top)) {
            const QRect buddy = label->buddy()->geometry();
            const int textRight = label->x() + label->contentsRect().left() + label->margin() +
                                  widestLine(label->fontMetrics(), text);
            const bool sameRow =
                label->y() < buddy.bottom() && buddy.y() < label->geometry().bottom();
            if (sameRow && label->x() < buddy.x() && textRight > buddy.x())
                faults << QStringLiteral("%1: \"%2\" runs %3 px into %4")
                              .arg(where(widget), text)
                              .arg(textRight - buddy.x())
                              .arg(label->buddy()->objectName());
        }
    }
    return faults;
}

}  // namespace

class TestTextsFit : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { translations::install(QString(), QString()); }

    void everyWindow_data();
    void everyWindow();
};

void TestTextsFit::everyWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::addRow("en") << QString();
    for (const QString& language : translations::available())
        QTest::addRow("%s", qPrintable(language)) << language;
}

void TestTextsFit::everyWindow() {
    QFETCH(QString, language);
    translations::install(language, language);
    QStringList faults;
    const auto check = [&faults](const QString& window, QWidget* top) {
        for (const QString& fault : misfits(top))
            faults << window + QStringLiteral(": ") + fault;
    };

    AppFixture app;
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    check(QStringLiteral("year window"), app.calendar.get());
    openYearEntry(*app.calendar);
    check(QStringLiteral("year entry"), app.calendar.get());
    QTest::keyClick(child<TumNumberEdit>(*app.calendar, QStringLiteral("umNumberEdit1")),
                    Qt::Key_Escape);

    clickButton(*app.calendar, "SpeedButton8");
    check(QStringLiteral("compact window"), app.calendar.get());
    clickButton(*app.calendar, "SpeedButton8");

    THome* home = app.home();
    home->show();
    QVERIFY(QTest::qWaitForWindowExposed(home));
    check(QStringLiteral("Parameters"), home);
    home->hide();

    {
        // A first start without a place: the note under the groups and the greyed switch.
        const SystemZoneForTest zone(QStringLiteral("America/New_York"));
        AppFixture firstStart(QDateTime(QDate(2026, 12, 7), QTime(10, 0)),
                              placePrefs("001", "", "", ""));
        firstStart.activate();
        THome* note = firstStart.home();
        note->show();
        QVERIFY(QTest::qWaitForWindowExposed(note));
        check(QStringLiteral("Parameters at a first start"), note);
    }

    {
        // The Calendars dialog over an empty list, and the editor of a note on a day.
        QTemporaryDir home;
        UserCalendars calendars(home.filePath(QStringLiteral("config/")),
                                home.filePath(QStringLiteral("cache/")),
                                home.filePath(QStringLiteral("data/")));
        AppFixture withCalendars;
        withCalendars.calendar->setCalendars(&calendars);
        CalendarsDialog* dialog = withCalendars.calendar->calendarsDialog();
        QVERIFY(dialog);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        check(QStringLiteral("Calendars"), dialog);
        dialog->hide();
        NoteEditor editor(QDate(2026, 12, 25), QStringLiteral("Christmas"), 1, true);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        check(QStringLiteral("note editor"), &editor);
    }

    auto* menu = child<QMenu>(*app.calendar, QStringLiteral("TrayMenu"));
    emit menu->aboutToShow();
    menu->popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const int screen = menu->screen()->availableGeometry().width();
    if (menu->width() > screen)
        faults << QStringLiteral("tray menu: %1 px wide on a screen of %2")
                      .arg(menu->width())
                      .arg(screen);
    menu->hide();

    // The message boxes the program shows, built as the desktop seam builds them.
    const char* const messages[][2] = {
        {"solvane::THome", "The program must be restarted for this option to take effect."},
        {"solvane::TCalendar",
         "There is no notification area on this desktop, so Solvane stays visible."},
        {"solvane::TCalendar", "Year must be between 1700 and 3000"},
        {"solvane::TCalendar", "Invalid N/S degrees in preferences."},
        {"solvane::TCalendar", "Sun up or down all day"},
    };
    for (const auto& [context, text] : messages) {
        QMessageBox box(QMessageBox::Warning,
                        QCoreApplication::translate("MessageBoxes", "Warning"),
                        QCoreApplication::translate(context, text), QMessageBox::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        check(QStringLiteral("message box"), &box);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestTextsFit)
#include "tst_texts_fit.moc"
