// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "export_pdf.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <cstdio>
#include <cstring>
#include <variant>

#include "error.h"
#include "events_model.h"
#include "events_zone.h"
#include "page_holidays.h"
#include "platform.h"
#include "settings.h"
#include "settings_location.h"
#include "year_page_input.h"

namespace solvane {
namespace {

// The messages of the command line, in a context of their own.
struct ExportPdf {
    Q_DECLARE_TR_FUNCTIONS(ExportPdf)
};

const char kOption[] = "--export-pdf";

struct Request {
    QString file;
    int year = 0;
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    bool weekNumbers = false;
    bool dayOfYear = false;
};

std::optional<QPageSize::PageSizeId> paperNamed(const QString& name) {
    if (name == QLatin1String("a4"))
        return QPageSize::A4;
    if (name == QLatin1String("a3"))
        return QPageSize::A3;
    if (name == QLatin1String("letter"))
        return QPageSize::Letter;
    if (name == QLatin1String("legal"))
        return QPageSize::Legal;
    return std::nullopt;
}

// The request, or the message that refuses it.
std::variant<Request, QString> parse(const QStringList& arguments) {
    Request request;
    request.year = clock().today().year();
    request.paper = QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                               : QPageSize::A4;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String(kOption) && hasValue) {
            request.file = arguments[++i];
        } else if (argument == QLatin1String("--year") && hasValue) {
            bool ok = false;
            request.year = arguments[++i].toInt(&ok);
            if (!ok || request.year < 1 || request.year > 9999)
                return ExportPdf::tr("The year %1 is not a year from 1 to 9999.").arg(arguments[i]);
        } else if (argument == QLatin1String("--paper") && hasValue) {
            const std::optional<QPageSize::PageSizeId> paper = paperNamed(arguments[++i]);
            if (!paper)
                return ExportPdf::tr("The paper %1 is not one of a4, a3, letter and legal.")
                    .arg(arguments[i]);
            request.paper = *paper;
        } else if (argument == QLatin1String("--portrait")) {
            request.orientation = QPageLayout::Portrait;
        } else if (argument == QLatin1String("--week-numbers")) {
            request.weekNumbers = true;
        } else if (argument == QLatin1String("--day-of-year")) {
            request.dayOfYear = true;
        } else {
            return ExportPdf::tr("The argument %1 is not understood.").arg(argument);
        }
    }
    if (request.file.isEmpty())
        return ExportPdf::tr("The option --export-pdf needs the name of the file to write.");
    return request;
}

void complain(const QString& message) {
    std::fprintf(stderr, "solvane: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

bool asksForPdf(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], kOption) == 0)
            return true;
    return false;
}

int exportPdf(const QStringList& arguments) {
    const std::variant<Request, QString> parsed = parse(arguments);
    if (const QString* message = std::get_if<QString>(&parsed)) {
        complain(*message);
        return 2;
    }
    const Request& request = std::get<Request>(parsed);
    prefs::Settings settings;
    try {
        settings.load();
    } catch (const Error& error) {
        // The page is still worth having: without the file it shows the zone's city, if any.
        complain(error.text());
    }
    // The holidays of the user's holiday calendars, read as the window reads them at start.
    events::EventsModel holidays;
    if (const QString config = prefs::configHome(); !config.isEmpty()) {
        const QString cache = prefs::cacheHome();
        const HolidayFolders folders{
            config + QStringLiteral("/solvane/"),
            cache.isEmpty() ? QString() : cache + QStringLiteral("/solvane/")};
        if (!readHolidayCalendars(
                holidays, folders,
                eventsZone(settings.preferences(), clock().now().toSecsSinceEpoch()),
                QDate(request.year, 1, 1), QDate(request.year, 12, 31)))
            complain(ExportPdf::tr(
                "The holiday calendars took too long to read; the page has what was read."));
    }
    print::YearPageInput input =
        yearPageInput(request.year, &settings, QLocale(), request.weekNumbers, &holidays);
    input.dayOfYear = request.dayOfYear;
    const QPageLayout page(QPageSize(request.paper), request.orientation, QMarginsF());
    if (!print::writeYearPdf(request.file, input, page)) {
        complain(ExportPdf::tr("The file %1 cannot be written.").arg(request.file));
        return 2;
    }
    return 0;
}

}  // namespace solvane
