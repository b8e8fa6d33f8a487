// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "launch_calendars.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <utility>
#include <variant>

#include "calendar_list.h"
#include "subscription_url.h"

namespace solvane {
namespace {

// The context of these texts for translators.
struct LaunchWords {
    Q_DECLARE_TR_FUNCTIONS(LaunchWords)
};

constexpr auto kHolidaysOption = QLatin1String("--holidays");

bool isWebAddress(const QString& argument) {
    const QString scheme = QUrl(argument).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("webcal") || scheme == QLatin1String("webcals");
}

// One argument as a calendar, or the sentence that says why not.
std::variant<CalendarRequest, QString> requestOf(const QString& argument,
                                                 const QString& workingFolder) {
    if (isWebAddress(argument)) {
        if (!calendars::subscriptionUrl(argument).isValid())
            return LaunchWords::tr("%1 is not an address to subscribe to.").arg(argument);
        return CalendarRequest{argument.trimmed(), true, false};
    }
    QString path = argument;
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (!url.isLocalFile())
            return LaunchWords::tr("%1 is not a file on this computer.").arg(argument);
        path = url.toLocalFile();
    } else if (argument.startsWith(QLatin1Char('-'))) {
        return LaunchWords::tr("%1 is not an option of Solvane.").arg(argument);
    }
    const QFileInfo file(QDir(workingFolder), path);
    if (!file.exists())
        return LaunchWords::tr("%1: no such file.").arg(argument);
    return CalendarRequest{QDir::cleanPath(file.absoluteFilePath()), false, false};
}

QString nameOf(const CalendarRequest& request) {
    if (!request.url)
        return QFileInfo(request.location).completeBaseName();
    const QUrl url = calendars::subscriptionUrl(request.location);
    const QString file = QFileInfo(url.path()).completeBaseName();
    return file.isEmpty() ? url.host() : file;
}

QString existingId(const calendars::CalendarList& list, const CalendarRequest& request) {
    if (!request.url)
        return {};
    const QUrl wanted = calendars::subscriptionUrl(request.location);
    for (const calendars::CalendarSource& source : list.sources()) {
        if (source.kind == calendars::SourceKind::Url &&
            calendars::subscriptionUrl(source.location) == wanted)
            return source.id;
    }
    return {};
}

}  // namespace

LaunchCalendars launchCalendars(const QStringList& arguments, const QString& workingFolder) {
    LaunchCalendars result;
    bool holidays = false;
    for (const QString& argument : arguments) {
        if (argument == kHolidaysOption) {
            holidays = true;
            continue;
        }
        auto request = requestOf(argument, workingFolder);
        if (auto* refused = std::get_if<QString>(&request)) {
            result.refused.append(*refused);
        } else {
            std::get<CalendarRequest>(request).holidays = std::exchange(holidays, false);
            result.calendars.append(std::get<CalendarRequest>(request));
        }
    }
    if (holidays)
        result.refused.append(LaunchWords::tr("--holidays names no calendar after it."));
    return result;
}

QStringList asArguments(const QList<CalendarRequest>& calendars) {
    QStringList arguments;
    for (const CalendarRequest& request : calendars) {
        if (request.holidays)
            arguments.append(kHolidaysOption);
        arguments.append(request.location);
    }
    return arguments;
}

QStringList addToList(calendars::CalendarList& list, const QList<CalendarRequest>& calendars) {
    QStringList ids;
    for (const CalendarRequest& request : calendars) {
        const quint32 colour = list.unusedColour();
        QString id = existingId(list, request);
        if (id.isEmpty()) {
            id = request.url ? list.addUrl(request.location, nameOf(request), colour)
                             : list.addFile(request.location, nameOf(request), colour);
        }
        if (!id.isEmpty() && request.holidays)
            list.setHolidays(id, true);
        ids.append(id);
    }
    return ids;
}

}  // namespace solvane
