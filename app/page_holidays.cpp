// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "page_holidays.h"

#include <QEventLoop>
#include <QTimer>

#include "calendar_list.h"
#include "events_model.h"
#include "fetch.h"
#include "file_read.h"
#include "subscription_cache.h"
#include "subscription_url.h"
#include "user_calendars.h"

namespace solvane {
namespace {

// The calendar's bytes as the window would show them at start-up: the file, or the last copy
// of the subscription. A calendar that cannot be had gives no bytes and so no holidays.
QByteArray bytesOf(const calendars::CalendarSource& source, const QString& cacheFolder) {
    if (source.kind == calendars::SourceKind::File)
        return calendars::readRegularFile(source.location).bytes;
    const QUrl url = calendars::subscriptionUrl(source.location);
    if (cacheFolder.isEmpty() || !url.isValid())
        return {};
    calendars::SubscriptionCache cache(cacheFolder);
    const auto copy = cache.copy(url, calendars::FetchLimits().sizeCap);
    return copy ? copy->bytes : QByteArray();
}

}  // namespace

std::vector<print::Holiday> pageHolidays(const events::EventsModel& events, const QDate& first,
                                         const QDate& end) {
    std::vector<print::Holiday> holidays;
    for (QDate date = first; date < end; date = date.addDays(1))
        for (const QString& name : events.holidayNames(date))
            holidays.push_back({date, name});
    return holidays;
}

bool readHolidayCalendars(events::EventsModel& events, const HolidayFolders& folders,
                          const ical::LocalZone& zone, const QDate& first, const QDate& last,
                          std::chrono::milliseconds patience) {
    calendars::CalendarList list(folders.config);
    list.load();
    events.setLocalZone(zone);
    events.setRange(first, last);
    for (const calendars::CalendarSource& source : list.sources()) {
        if (!source.holidays || !source.shown)
            continue;
        events::CalendarInput input;
        input.id = source.id;
        input.name = source.name;
        input.colour = colourName(source.rgb);
        input.holidays = true;
        input.bytes = bytesOf(source, folders.cache);
        events.setCalendar(input);
    }
    if (!events.busy())
        return true;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&events, &events::EventsModel::idle, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(patience);
    loop.exec();
    return !events.busy();
}

}  // namespace solvane
