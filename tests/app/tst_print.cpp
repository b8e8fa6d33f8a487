// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Print: Ctrl+P and the notification-area menu open Qt's print preview of the months in view,
// one page, which Escape closes; printing it to a PDF file writes that page, the very page
// solvane --export-pdf writes.

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include "app_fixture.h"
#include "calendar_list.h"
#include "export_pdf.h"
#include "user_calendars.h"

using namespace solvane;
using namespace solvane::test;

namespace {

struct Opened {
    bool preview = false;
    int pages = 0;
    bool closedByEscape = false;
    qint64 pdfBytes = 0;
};

// What a poppler tool prints for `arguments`, or a null text when it fails.
QByteArray poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(kHangCheckMs) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QByteArray pageSize(const QString& pdf) {
    for (const QByteArray& line : poppler(QStringLiteral("pdfinfo"), {pdf}).split('\n'))
        if (line.startsWith("Page size:"))
            return line;
    return {};
}

// The page rendered at 50 dots per inch by poppler.
QImage rendering(const QString& pdf) {
    const QString stem = pdf + QStringLiteral("-page");
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

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

    // The preview's own printer, set to write a file and printed by the preview, as its print
    // button does: the page, holidays included, is the one the command line writes, read back
    // by poppler.
    void printingToAFileGivesTheExportedPage() {
        for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("poppler-utils is not installed");
        QTemporaryDir dir;
        // The user's one holiday calendar: the window reads it into its model as the program
        // does at start, the command line into its own.
        const QString config = dir.filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        qputenv("XDG_CACHE_HOME", dir.filePath(QStringLiteral("cache")).toUtf8());
        const QString holidays = dir.filePath(QStringLiteral("holidays.ics"));
        {
            QFile file(holidays);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(
                "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
                "BEGIN:VEVENT\r\nUID:christmas@test\r\nDTSTAMP:20260101T000000Z\r\n"
                "DTSTART;VALUE=DATE:20261225\r\nSUMMARY:Christmas Day\r\nEND:VEVENT\r\n"
                "END:VCALENDAR\r\n");
            calendars::CalendarList list(config + QStringLiteral("/solvane/"));
            list.setHolidays(list.addFile(holidays, QStringLiteral("Holidays"), 0xcc0000), true);
        }
        UserCalendars calendars(config + QStringLiteral("/solvane/"), QString());
        AppFixture app;
        app.calendar->setEvents(&calendars.events());
        calendars.start();
        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        app.calendar->showModally = [&](QDialog& dialog) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
            if (!preview)
                return;
            dialog.open();
            preview->printer()->setOutputFormat(QPrinter::PdfFormat);
            preview->printer()->setOutputFileName(printed);
            if (auto* widget = dialog.findChild<QPrintPreviewWidget*>())
                widget->print();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        };
        app.calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
        QTRY_VERIFY(app.calendar->state().FirstActivated);
        QTRY_VERIFY_WITH_TIMEOUT(calendars.events().isHoliday(QDate(2026, 12, 25)), kHangCheckMs);
        QTest::keyClick(app.calendar.get(), Qt::Key_P, Qt::ControlModifier);
        const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
        QCOMPARE(exportPdf({QStringLiteral("solvane"), QStringLiteral("--export-pdf"), exported}),
                 0);

        QVERIFY(QFileInfo::exists(printed));
        QVERIFY(!pageSize(exported).isEmpty());
        QCOMPARE(pageSize(printed), pageSize(exported));
        const QStringList toText{QStringLiteral("-layout"), QString(), QStringLiteral("-")};
        const auto text = [&](const QString& pdf) {
            QStringList arguments = toText;
            arguments[1] = pdf;
            return poppler(QStringLiteral("pdftotext"), arguments);
        };
        QVERIFY(text(exported).contains(QByteArray::number(solvane::clock().today().year())));
        QVERIFY(text(printed).contains("25 Christmas Day"));
        QCOMPARE(text(printed), text(exported));
        const QImage printedImage = rendering(printed);
        QVERIFY(!printedImage.isNull());
        QCOMPARE(printedImage, rendering(exported));
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
