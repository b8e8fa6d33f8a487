// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "events.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "subdaily.h"

namespace solvane::ical {

namespace {

std::string textOr(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

Date dateOf(const icaltimetype& wall) {
    return {wall.year, wall.month, wall.day};
}

// One calendar: its VTIMEZONEs and the zone its floating and (Google) UTC times are read in.
struct CalendarContext {
    icalcomponent* calendar = nullptr;  // null for a bare VEVENT
    int index = 0;
    Zone floating;
    std::optional<Zone> calendarZone;  // X-WR-TIMEZONE
    std::set<std::string> unknownZones;
};

// A time as written: a date, or a wall time in a zone.
struct Stamp {
    icaltimetype wall;
    Zone zone;
    bool floating = false;  // no TZID, no Z: read in the local zone
    bool isDate() const { return wall.is_date != 0; }
    std::int64_t instant() const { return zone.instantOf(wall); }
    // What a RECURRENCE-ID is matched on: the instant, or the day for dates.
    std::int64_t key() const {
        return isDate() ? daySerial(dateOf(wall)) * 2 + 1 : zone.instantOf(wall) * 2;
    }
};

std::optional<Stamp> stampOf(icalproperty* property, icaltimetype wall, CalendarContext& calendar,
                             FileContext& file, const std::string& uid) {
    if (icaltime_is_null_time(wall) || !icaltime_is_valid_time(wall)) {
        return std::nullopt;
    }
    if (wall.is_date) {
        wall.zone = nullptr;
        return Stamp{wall, Zone::utc()};
    }
    if (icaltime_is_utc(wall)) {
        wall.zone = nullptr;
        if (!calendar.calendarZone) {
            return Stamp{wall, Zone::utc()};
        }
        // Google writes UTC times and names the zone they recur in once for the calendar.
        const std::int64_t instant = Zone::utc().instantOf(wall);
        icaltimetype local = calendar.calendarZone->wallOf(instant);
        local.zone = nullptr;
        return Stamp{local, *calendar.calendarZone};
    }
    wall.zone = nullptr;
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* name = tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
    if (name == nullptr || *name == '\0') {
        return Stamp{wall, calendar.floating, true};
    }
    const ZoneResolution resolved = resolveTzid(name, calendar.calendar, calendar.floating);
    if (!resolved.known && calendar.unknownZones.insert(name).second) {
        file.problem(ProblemKind::UnknownZone, uid, name);
    }
    return Stamp{wall, resolved.zone};
}

std::optional<Stamp> propertyStamp(icalproperty* property, CalendarContext& calendar,
                                   FileContext& file, const std::string& uid) {
    if (property == nullptr) {
        return std::nullopt;
    }
    icalvalue* value = icalproperty_get_value(property);
    if (value == nullptr) {
        return std::nullopt;
    }
    const icalvalue_kind valueKind = icalvalue_isa(value);
    if (valueKind != ICAL_DATE_VALUE && valueKind != ICAL_DATETIME_VALUE) {
        return std::nullopt;
    }
    return stampOf(property, icalvalue_get_datetime(value), calendar, file, uid);
}

// The times of an RDATE or EXDATE property (one value each in libical's tree).
std::optional<Stamp> listStamp(icalproperty* property, CalendarContext& calendar, FileContext& file,
                               const std::string& uid) {
    if (icalproperty_isa(property) == ICAL_EXDATE_PROPERTY) {
        return stampOf(property, icalproperty_get_exdate(property), calendar, file, uid);
    }
    const icaldatetimeperiodtype value = icalproperty_get_rdate(property);
    const icaltimetype wall = icaltime_is_null_time(value.time) ? value.period.start : value.time;
    return stampOf(property, wall, calendar, file, uid);
}

// The properties of an event that the reading looks at, gathered in one walk of its list.
struct EventProperties {
    icalproperty *start = nullptr, *end = nullptr, *duration = nullptr, *recurrenceId = nullptr;
    icalproperty *sequence = nullptr, *status = nullptr;
    icalproperty *uid = nullptr, *summary = nullptr, *location = nullptr;
    std::vector<icalproperty*> rules, dates, errors;  // RRULE; RDATE and EXDATE; X-LIC-ERROR
};

EventProperties propertiesOf(icalcomponent* event) {
    EventProperties found;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_ANY_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(event, ICAL_ANY_PROPERTY)) {
        icalproperty** slot = nullptr;
        switch (icalproperty_isa(p)) {
            case ICAL_DTSTART_PROPERTY:
                slot = &found.start;
                break;
            case ICAL_DTEND_PROPERTY:
                slot = &found.end;
                break;
            case ICAL_DURATION_PROPERTY:
                slot = &found.duration;
                break;
            case ICAL_RECURRENCEID_PROPERTY:
                slot = &found.recurrenceId;
                break;
            case ICAL_SEQUENCE_PROPERTY:
                slot = &found.sequence;
                break;
            case ICAL_STATUS_PROPERTY:
                slot = &found.status;
                break;
            case ICAL_UID_PROPERTY:
                slot = &found.uid;
                break;
            case ICAL_SUMMARY_PROPERTY:
                slot = &found.summary;
                break;
            case ICAL_LOCATION_PROPERTY:
                slot = &found.location;
                break;
            case ICAL_RRULE_PROPERTY:
                found.rules.push_back(p);
                break;
            case ICAL_RDATE_PROPERTY:
            case ICAL_EXDATE_PROPERTY:
                found.dates.push_back(p);
                break;
            case ICAL_XLICERROR_PROPERTY:
                found.errors.push_back(p);
                break;
            default:
                break;
        }
        // The first of each, as libical's own getters take it.
        if (slot != nullptr && *slot == nullptr) {
            *slot = p;
        }
    }
    return found;
}

// An event as the expansion needs it.
struct EventItem {
    icalcomponent* event = nullptr;
    EventProperties properties;
    std::string uid, summary, location;
    Stamp start;
    std::int64_t seconds = 0;  // timed: the length of each instance
    std::int64_t days = 1;     // all day: the number of days
    int sequence = 0;
};

std::int64_t durationSeconds(icalproperty* property) {
    if (property == nullptr) {
        return 0;
    }
    const icaldurationtype duration = icalproperty_get_duration(property);
    return std::max<std::int64_t>(0, icaldurationtype_as_int(duration));
}

void measure(EventItem& item, CalendarContext& calendar, FileContext& file) {
    const auto end = propertyStamp(item.properties.end, calendar, file, item.uid);
    if (item.start.isDate()) {
        if (end) {
            // DTEND is exclusive; a date-time DTEND (Thunderbird's holidays) ends on its
            // date, or on the next one when it is past midnight.
            std::int64_t last = daySerial(dateOf(end->wall));
            const icaltimetype& wall = end->wall;
            last += !end->isDate() && (wall.hour != 0 || wall.minute != 0 || wall.second != 0);
            item.days = last - daySerial(dateOf(item.start.wall));
        } else {
            item.days =
                (durationSeconds(item.properties.duration) + kSecondsPerDay - 1) / kSecondsPerDay;
        }
        item.days = std::max<std::int64_t>(1, item.days);
        return;
    }
    item.seconds = end ? std::max<std::int64_t>(0, end->instant() - item.start.instant())
                       : durationSeconds(item.properties.duration);
}

// The expansion of one event: instances found, kept in order of the rule.
class Expansion {
public:
    Expansion(const EventItem& item, CalendarContext& calendar, FileContext& file,
              const std::set<std::int64_t>& overridden)
        : item_(item), calendar_(calendar), file_(file), overridden_(overridden) {}

    void exclude(const Stamp& stamp) {
        if (stamp.isDate()) {
            excludedDays_.insert(daySerial(dateOf(stamp.wall)));
        } else if (item_.start.floating) {
            // A floating series with exceptions in UTC (python-icalendar's recurrence.ics):
            // the exception names the wall time of the instance it removes.
            excludedInstants_.insert(item_.start.zone.instantOf(stamp.wall));
        } else {
            excludedInstants_.insert(stamp.instant());
        }
    }

    // Offers an instance at `wall` in the event's zone; false once the range is passed.
    bool offer(icaltimetype wall) {
        const Stamp stamp{wall, item_.start.zone};
        if (item_.start.isDate()) {
            const Date first = dateOf(wall);
            const std::int64_t day = daySerial(first);
            if (day >= daySerial(file_.request.until)) {
                return false;
            }
            if (day + item_.days <= daySerial(file_.request.first) || excludedDays_.count(day) ||
                overridden_.count(stamp.key())) {
                return true;
            }
            return keep(first, dateOfSerial(day + item_.days));
        }
        const std::int64_t start = stamp.instant();
        if (start >= file_.rangeEnd) {
            return false;
        }
        const std::int64_t end = start + item_.seconds;
        const bool inRange = end > file_.rangeStart || (end == start && start >= file_.rangeStart);
        if (!inRange || excludedInstants_.count(start) ||
            excludedDays_.count(daySerial(dateOf(wall))) || overridden_.count(stamp.key())) {
            return true;
        }
        return keep(start, end);
    }

    bool full() const { return kept_ >= file_.request.limits.occurrencesPerEvent; }

    // A day a rule under a day touches; false once the cap is reached.
    bool mark(std::int64_t start, std::int64_t end) {
        if (full()) {
            return capReached();
        }
        emitTimed(start, end, Timing::RepeatsWithinDay);
        return true;
    }

    void emitTimed(std::int64_t start, std::int64_t end, Timing timing) {
        Occurrence occurrence = base(timing);
        occurrence.start = start;
        occurrence.end = end;
        occurrence.startDate = dateOf(file_.local.wallOf(start));
        occurrence.endDate = dateOf(file_.local.wallOf(end));
        file_.result.occurrences.push_back(std::move(occurrence));
        ++kept_;
    }

    bool recurring = false;

private:
    Occurrence base(Timing timing) const {
        Occurrence occurrence;
        occurrence.timing = timing;
        occurrence.summary = item_.summary;
        occurrence.location = item_.location;
        occurrence.uid = item_.uid;
        occurrence.calendar = calendar_.index;
        occurrence.recurring = recurring;
        return occurrence;
    }

    bool keep(const Date& first, const Date& until) {
        if (!seenDays_.insert(daySerial(first)).second) {
            return true;
        }
        if (full()) {
            return capReached();
        }
        Occurrence occurrence = base(Timing::AllDay);
        occurrence.startDate = first;
        occurrence.endDate = until;
        occurrence.start = localMidnight(first);
        occurrence.end = localMidnight(until);
        file_.result.occurrences.push_back(std::move(occurrence));
        ++kept_;
        return true;
    }

    bool keep(std::int64_t start, std::int64_t end) {
        if (!seenInstants_.insert(start).second) {
            return true;
        }
        if (full()) {
            return capReached();
        }
        emitTimed(start, end, Timing::Timed);
        return true;
    }

    bool capReached() {
        file_.problem(ProblemKind::OccurrenceCap, item_.uid);
        return false;
    }

    std::int64_t localMidnight(const Date& date) const {
        icaltimetype wall = icaltime_null_time();
        wall.year = date.year;
        wall.month = date.month;
        wall.day = date.day;
        return file_.local.instantOf(wall);
    }

    const EventItem& item_;
    CalendarContext& calendar_;
    FileContext& file_;
    const std::set<std::int64_t>& overridden_;
    std::set<std::int64_t> excludedInstants_, excludedDays_, seenInstants_, seenDays_;
    int kept_ = 0;
};

// Takes one step of libical's iterator from the file's budget; null time when it is spent.
icaltimetype step(icalrecur_iterator* iterator, FileContext& file, const std::string& uid) {
    if (file.stepsLeft <= 0) {
        if (file.stepsLeft == 0) {
            file.problem(ProblemKind::StepBudget, uid);
            file.stepsLeft = -1;
        }
        return icaltime_null_time();
    }
    --file.stepsLeft;
    ++file.result.steps;
    return icalrecur_iterator_next(iterator);
}

void expandRule(const icalrecurrencetype& rule, const EventItem& item, Expansion& expansion,
                FileContext& file) {
    icaltimetype dtstart = item.start.wall;
    dtstart.zone = item.start.zone.libicalZone();
    IteratorOwner iterator(icalrecur_iterator_new(rule, dtstart));
    if (!iterator) {
        file.problem(ProblemKind::BadRule, item.uid);
        return;
    }
    // Without COUNT the iterator may start just before the range; with it libical must count
    // from DTSTART.
    if (rule.count == 0) {
        const std::int64_t margin =
            item.start.isDate() ? (item.days + 1) * kSecondsPerDay : item.seconds + kSecondsPerDay;
        const std::int64_t from = file.rangeStart - margin;
        if (from > item.start.instant()) {
            icaltimetype wall = item.start.zone.wallOf(from);
            wall.zone = dtstart.zone;
            if (item.start.isDate()) {
                wall.is_date = 1;
                wall.hour = wall.minute = wall.second = 0;
            }
            icalrecur_iterator_set_start(iterator.get(), wall);
        }
    }
    for (icaltimetype wall = step(iterator.get(), file, item.uid); !icaltime_is_null_time(wall);
         wall = step(iterator.get(), file, item.uid)) {
        wall.zone = nullptr;
        if (!expansion.offer(wall)) {
            break;
        }
    }
}

bool isCancelled(const EventItem& item) {
    return item.properties.status != nullptr &&
           icalproperty_get_status(item.properties.status) == ICAL_STATUS_CANCELLED;
}

void reportError(icalproperty* p, FileContext& file, const std::string& uid) {
    const std::string text = textOr(icalproperty_get_xlicerror(p));
    // libical's note on each component a cut-short file left open; Truncated says it.
    if (text.rfind("Missing END tag", 0) != 0) {
        file.problem(ProblemKind::BadValue, uid, text);
    }
}

std::optional<EventItem> itemOf(icalcomponent* event, CalendarContext& calendar,
                                FileContext& file) {
    EventItem item;
    item.event = event;
    item.properties = propertiesOf(event);
    const EventProperties& properties = item.properties;
    item.uid = properties.uid != nullptr ? textOr(icalproperty_get_uid(properties.uid)) : "";
    for (icalproperty* error : properties.errors) {
        reportError(error, file, item.uid);
    }
    const auto start = propertyStamp(properties.start, calendar, file, item.uid);
    if (!start) {
        file.problem(ProblemKind::MissingStart, item.uid);
        return std::nullopt;
    }
    item.start = *start;
    item.summary = properties.summary != nullptr
                       ? textOr(icalproperty_get_summary(properties.summary))
                       : std::string();
    item.location = properties.location != nullptr
                        ? textOr(icalproperty_get_location(properties.location))
                        : std::string();
    if (properties.sequence != nullptr) {
        item.sequence = icalproperty_get_sequence(properties.sequence);
    }
    measure(item, calendar, file);
    return item;
}

void expandMaster(const EventItem& item, CalendarContext& calendar, FileContext& file,
                  const std::set<std::int64_t>& overridden) {
    Expansion expansion(item, calendar, file, overridden);
    std::vector<icalrecurrencetype> rules;
    for (icalproperty* p : item.properties.rules) {
        rules.push_back(icalproperty_get_rrule(p));
    }
    std::vector<Stamp> extra;
    for (icalproperty* p : item.properties.dates) {
        const icalproperty_kind kind = icalproperty_isa(p);
        if (const auto stamp = listStamp(p, calendar, file, item.uid)) {
            if (kind == ICAL_EXDATE_PROPERTY) {
                expansion.exclude(*stamp);
            } else {
                extra.push_back(*stamp);
            }
        }
    }
    expansion.recurring = !rules.empty() || !extra.empty();
    // Rules under a day are marked on the days they touch instead.
    const auto subDaily = std::find_if(rules.begin(), rules.end(), isSubDaily);
    if (subDaily != rules.end()) {
        markSubDaily(
            *subDaily, item.start.zone, item.start.wall, item.seconds, file,
            [&](std::int64_t start, std::int64_t end) { return expansion.mark(start, end); });
        return;
    }
    // DTSTART is the first instance even where the rule would not give it.
    expansion.offer(item.start.wall);
    for (const icalrecurrencetype& rule : rules) {
        expandRule(rule, item, expansion, file);
    }
    for (Stamp stamp : extra) {
        // An RDATE in another zone than DTSTART's means the same instant.
        if (!item.start.isDate() && !stamp.isDate()) {
            stamp.wall = item.start.zone.wallOf(stamp.instant());
        }
        stamp.wall.zone = nullptr;
        expansion.offer(stamp.wall);
    }
}

void emitOverride(const EventItem& item, CalendarContext& calendar, FileContext& file) {
    static const std::set<std::int64_t> kNone;
    Expansion expansion(item, calendar, file, kNone);
    expansion.recurring = true;
    expansion.offer(item.start.wall);
}

CalendarContext contextOf(icalcomponent* root, int index, FileContext& file) {
    CalendarContext calendar;
    calendar.index = index;
    calendar.floating = file.local;
    if (icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT) {
        return calendar;
    }
    calendar.calendar = root;
    std::string name;
    for (icalproperty* p = icalcomponent_get_first_property(root, ICAL_ANY_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(root, ICAL_ANY_PROPERTY)) {
        const char* propertyName = icalproperty_get_property_name(p);
        const std::string value = textOr(icalproperty_get_value_as_string(p));
        if (propertyName == nullptr) {
            continue;
        }
        if (std::strcmp(propertyName, "X-WR-TIMEZONE") == 0) {
            const ZoneResolution resolved = resolveTzid(value, root, file.local);
            if (resolved.known) {
                calendar.calendarZone = resolved.zone;
                calendar.floating = resolved.zone;
            } else {
                file.problem(ProblemKind::UnknownZone, {}, value);
            }
        } else if (std::strcmp(propertyName, "X-WR-CALNAME") == 0 ||
                   (std::strcmp(propertyName, "NAME") == 0 && name.empty())) {
            name = value;
        }
    }
    file.result.calendars[static_cast<std::size_t>(index)].name = name;
    return calendar;
}

}  // namespace

void FileContext::problem(ProblemKind kind, const std::string& uid, const std::string& detail) {
    // A cap or a budget is said once per event, not once per instance.
    if (!result.problems.empty()) {
        const Problem& last = result.problems.back();
        if (last.kind == kind && last.uid == uid && last.detail == detail) {
            return;
        }
    }
    result.problems.push_back({kind, uid, detail});
}

void readCalendarEvents(icalcomponent* root, int index, FileContext& file) {
    CalendarContext calendar = contextOf(root, index, file);
    for (icalproperty* p = icalcomponent_get_first_property(root, ICAL_XLICERROR_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(root, ICAL_XLICERROR_PROPERTY)) {
        reportError(p, file, {});
    }
    std::vector<icalcomponent*> events;
    if (icalcomponent_isa(root) == ICAL_VEVENT_COMPONENT) {
        events.push_back(root);
    }
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
        events.push_back(c);
    }
    file.result.events += static_cast<int>(events.size());
    // Overrides by UID and RECURRENCE-ID; of duplicates the highest SEQUENCE, then the last.
    std::vector<EventItem> masters;
    std::map<std::pair<std::string, std::int64_t>, EventItem> overrides;
    for (icalcomponent* event : events) {
        auto item = itemOf(event, calendar, file);
        if (!item) {
            continue;
        }
        const auto recurrence =
            propertyStamp(item->properties.recurrenceId, calendar, file, item->uid);
        if (!recurrence) {
            masters.push_back(std::move(*item));
            continue;
        }
        const auto key = std::make_pair(item->uid, recurrence->key());
        const auto found = overrides.find(key);
        if (found == overrides.end() || found->second.sequence <= item->sequence) {
            overrides.insert_or_assign(key, std::move(*item));
        }
    }
    std::map<std::string, std::set<std::int64_t>> overriddenByUid;
    for (const auto& [key, item] : overrides) {
        overriddenByUid[key.first].insert(key.second);
        if (!isCancelled(item)) {
            emitOverride(item, calendar, file);
        }
    }
    static const std::set<std::int64_t> kNone;
    for (const EventItem& item : masters) {
        if (isCancelled(item)) {
            continue;
        }
        const auto found = overriddenByUid.find(item.uid);
        expandMaster(item, calendar, file, found != overriddenByUid.end() ? found->second : kNone);
    }
}

}  // namespace solvane::ical
