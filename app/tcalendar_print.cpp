// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Print: Qt's print preview of the months in view (the year, or the compact window's months),
// with paper, orientation and printer chosen in Qt's own dialogs. Without a print system the
// printer writes a PDF file, so printing always gives the page.

#include <QDir>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "guard.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "year_page_input.h"

namespace solvane {

void TCalendar::paintPrintedPage(QPrinter& printer) {
    const QDate shown = MonthCalendar(1)->Date();
    const print::YearPageInput input =
        yearPageInput(QDate(shown.year(), shown.month(), 1), model_.monthsInView(), settings_,
                      QLocale(), MonthCalendar(1)->WeekNumbers(), events_);
    // The page is laid out in points from the paper's corner, its own margins included.
    printer.setFullPage(true);
    QPainter painter(&printer);
    const double scale = printer.resolution() / 72.0;
    if (scale != 1.0)
        painter.scale(scale, scale);
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Point).size();
    print::paintYearPage(painter, print::layOutYearPage(input, paper));
}

void TCalendar::printView() {
    QPrinter printer(QPrinter::HighResolution);
    // Points as units: the page's fonts are sized in points on a device of 72 dots per inch.
    printer.setResolution(72);
    printer.setPageOrientation(model_.compactMode() ? QPageLayout::Portrait
                                                    : QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                      ? QPageSize::Letter
                                      : QPageSize::A4));
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(
            QDir::home().filePath(tr("Solvane %1.pdf").arg(MonthCalendar(1)->Date().year())));
    }
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { guarded([&] { paintPrintedPage(*target); }); });
    showModally(dialog);
}

}  // namespace solvane
