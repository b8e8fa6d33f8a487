// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Print: Ctrl+P and the notification-area menu open Qt's print preview of the months in view,
// one page, which Escape closes; printing it to a PDF file writes that page.

#include <QApplication>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include "app_fixture.h"

using namespace solvane;
using namespace solvane::test;

namespace {

struct Opened {
    bool preview = false;
    int pages = 0;
    bool closedByEscape = false;
    qint64 pdfBytes = 0;
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void previewOpensAndClosesByKeyboard_data() {
        QTest::addColumn<bool>("compact");
        QTest::addColumn<bool>("fromTray");
        QTest::newRow("Ctrl+P in the year") << false << false;
        QTest::newRow("Ctrl+P in the compact window") << true << false;
        QTest::newRow("Print in the notification-area menu") << false << true;
    }
    void previewOpensAndClosesByKeyboard() {
        QFETCH(bool, compact);
        QFETCH(bool, fromTray);
        AppFixture app;
        QTemporaryDir dir;
        Opened opened;
        app.calendar->showModally = [&](QDialog& dialog) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
            opened.preview = preview != nullptr;
            if (!preview)
                return;
            dialog.open();
            if (!QTest::qWaitForWindowExposed(&dialog))
                return;
            auto* widget = dialog.findChild<QPrintPreviewWidget*>();
            opened.pages = widget ? widget->pageCount() : 0;
            // What the dialog's print button hands a printer that writes a file.
            QPrinter printer(QPrinter::HighResolution);
            printer.setResolution(72);
            printer.setOutputFormat(QPrinter::PdfFormat);
            const QString file = dir.filePath(QStringLiteral("printed.pdf"));
            printer.setOutputFileName(file);
            emit preview->paintRequested(&printer);
            opened.pdfBytes = QFileInfo(file).size();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            opened.closedByEscape = !dialog.isVisible();
        };
        app.calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
        QTRY_VERIFY(app.calendar->state().FirstActivated);
        if (compact)
            child<QToolButton>(*app.calendar, "SpeedButton8")->click();
        if (fromTray) {
            auto* action = app.calendar->trayIcon()->contextMenu()->findChild<QAction*>(
                QStringLiteral("TrayPrint"));
            QVERIFY(action);
            action->trigger();
        } else {
            QTest::keyClick(app.calendar.get(), Qt::Key_P, Qt::ControlModifier);
        }
        QVERIFY(opened.preview);
        QCOMPARE(opened.pages, 1);
        QVERIFY(opened.closedByEscape);
        QVERIFY2(opened.pdfBytes > 5000, qPrintable(QString::number(opened.pdfBytes)));
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
