// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "list_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <optional>

#include "subscription_url.h"

namespace solvane::calendars {
namespace {

using Kind = SourceError::Kind;

constexpr qsizetype kMaxText = 4096;  // characters of a name, location or error detail

std::optional<quint32> colourFromText(const QString& text) {
    if (text.size() != 7 || !text.startsWith(QLatin1Char('#')))
        return std::nullopt;
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    return ok ? std::optional<quint32>(rgb) : std::nullopt;
}

QString colourText(quint32 rgb) {
    return QStringLiteral("#%1").arg(rgb & 0xffffff, 6, 16, QLatin1Char('0'));
}

bool isText(const QJsonValue& value) {
    return value.isString() && value.toString().size() <= kMaxText;
}

// A location the sources can use: an absolute path, or an address that can be fetched.
bool usableLocation(SourceKind kind, const QString& location) {
    if (kind == SourceKind::File)
        return location.startsWith(QLatin1Char('/')) && !location.contains(QChar(0));
    return subscriptionUrl(location).isValid();
}

std::optional<SourceKind> kindFromText(const QString& text) {
    if (text == QLatin1String("file"))
        return SourceKind::File;
    if (text == QLatin1String("url"))
        return SourceKind::Url;
    return std::nullopt;
}

SourceError errorFromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const Kind kind = errorKindFromName(object.value(QLatin1String("kind")).toString());
    if (kind == Kind::None)
        return SourceError{};
    const QJsonValue detail = object.value(QLatin1String("detail"));
    return SourceError{kind, isText(detail) ? detail.toString() : QString()};
}

// The calendar an entry describes, or nothing when a field it needs is missing or wrong.
// Fields that only record state (last refresh and error) fall back to "never".
std::optional<CalendarSource> sourceFromJson(const QJsonValue& value) {
    const QJsonObject o = value.toObject();
    const auto kind = kindFromText(o.value(QLatin1String("kind")).toString());
    const auto rgb = colourFromText(o.value(QLatin1String("colour")).toString());
    const QJsonValue id = o.value(QLatin1String("id"));
    const QJsonValue location = o.value(QLatin1String("location"));
    const QJsonValue name = o.value(QLatin1String("name"));
    if (!kind || !rgb || !isText(id) || id.toString().isEmpty() || !isText(location) ||
        !isText(name) || !usableLocation(*kind, location.toString()))
        return std::nullopt;
    CalendarSource source;
    source.id = id.toString();
    source.kind = *kind;
    source.location = location.toString();
    source.name = name.toString();
    source.rgb = *rgb;
    source.shown = o.value(QLatin1String("shown")).toBool(true);
    source.holidays = o.value(QLatin1String("holidays")).toBool(false);
    source.lastRefresh =
        QDateTime::fromString(o.value(QLatin1String("lastRefresh")).toString(), Qt::ISODateWithMs);
    if (source.lastRefresh.isValid())
        source.lastRefresh = source.lastRefresh.toUTC();
    source.lastError = errorFromJson(o.value(QLatin1String("lastError")));
    return source;
}

QJsonObject toJson(const CalendarSource& source) {
    QJsonObject o;
    o.insert(QLatin1String("id"), source.id);
    o.insert(QLatin1String("kind"),
             source.kind == SourceKind::File ? QLatin1String("file") : QLatin1String("url"));
    o.insert(QLatin1String("location"), source.location);
    o.insert(QLatin1String("name"), source.name);
    o.insert(QLatin1String("colour"), colourText(source.rgb));
    o.insert(QLatin1String("shown"), source.shown);
    o.insert(QLatin1String("holidays"), source.holidays);
    if (source.lastRefresh.isValid())
        o.insert(QLatin1String("lastRefresh"),
                 source.lastRefresh.toUTC().toString(Qt::ISODateWithMs));
    if (source.lastError.isError()) {
        QJsonObject error;
        error.insert(QLatin1String("kind"), errorKindName(source.lastError.kind));
        error.insert(QLatin1String("detail"), source.lastError.detail.left(kMaxText));
        o.insert(QLatin1String("lastError"), error);
    }
    return o;
}

ListRead corrupt(const QString& detail) {
    return ListRead{{}, SourceError{Kind::Corrupt, detail}, 0};
}

}  // namespace

ListRead decodeList(const QByteArray& bytes) {
    if (bytes.size() > kMaxListFileSize)
        return corrupt(QStringLiteral("the file is larger than %1 bytes").arg(kMaxListFileSize));
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return corrupt(QStringLiteral("%1 at byte %2").arg(parse.errorString()).arg(parse.offset));
    const QJsonObject top = document.object();
    const int format = top.value(QLatin1String("format")).toInt(0);
    if (!document.isObject() || format < 1)
        return corrupt(QStringLiteral("the file is not a list of calendars"));
    if (format > kListFormat)
        return corrupt(QStringLiteral("the list was written in a newer format (%1)").arg(format));
    const QJsonArray entries = top.value(QLatin1String("calendars")).toArray();
    if (entries.size() > kMaxCalendars)
        return corrupt(QStringLiteral("the list holds %1 calendars, more than %2")
                           .arg(entries.size())
                           .arg(kMaxCalendars));
    ListRead read;
    QSet<QString> ids;
    for (const QJsonValue& entry : entries) {
        const auto source = sourceFromJson(entry);
        if (!source || ids.contains(source->id)) {
            ++read.skipped;
            continue;
        }
        ids.insert(source->id);
        read.sources.append(*source);
    }
    if (read.skipped > 0)
        read.error = SourceError{Kind::Corrupt,
                                 QStringLiteral("%1 entries could not be read").arg(read.skipped)};
    return read;
}

QByteArray encodeList(const QList<CalendarSource>& sources) {
    QJsonArray entries;
    for (const CalendarSource& source : sources)
        entries.append(toJson(source));
    QJsonObject top;
    top.insert(QLatin1String("format"), kListFormat);
    top.insert(QLatin1String("calendars"), entries);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

}  // namespace solvane::calendars
