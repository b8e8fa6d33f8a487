// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "calendar_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>
#include <algorithm>
#include <iterator>

#include "file_read.h"
#include "list_file.h"
#include "subscription_url.h"

namespace solvane::calendars {
namespace {

constexpr quint32 kColours[] = {0x3465a4, 0x4e9a06, 0x75507b, 0xce5c00,
                                0x06989a, 0xc4a000, 0x8f5902, 0x555753};

using Kind = SourceError::Kind;

const QString kFileName = QStringLiteral("calendars.json");
constexpr int kMaxAsideCopies = 100;

}  // namespace

CalendarList::CalendarList(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder) {}

QString CalendarList::filePath() const {
    return QDir(folder_).filePath(kFileName);
}

SourceError CalendarList::load() {
    sources_.clear();
    protectFile_ = false;
    const FileRead file = readRegularFile(filePath(), kMaxListFileSize);
    if (file.error.kind == Kind::NotFound) {
        loadError_ = SourceError{};
        return loadError_;
    }
    if (file.error.isError()) {
        loadError_ = file.error;
        protectFile_ = true;
        return loadError_;
    }
    const ListRead read = decodeList(file.bytes);
    sources_ = read.sources;
    loadError_ = read.error;
    protectFile_ = read.error.isError();
    return loadError_;
}

std::optional<CalendarSource> CalendarList::source(const QString& id) const {
    for (const CalendarSource& s : sources_) {
        if (s.id == id)
            return s;
    }
    return std::nullopt;
}

CalendarSource* CalendarList::find(const QString& id) {
    for (CalendarSource& s : sources_) {
        if (s.id == id)
            return &s;
    }
    return nullptr;
}

QString CalendarList::addFile(const QString& path, const QString& name, quint32 rgb) {
    if (!QDir::isAbsolutePath(path) || path.contains(QChar(0)))
        return QString();
    return add(SourceKind::File, QDir::cleanPath(path), name, rgb);
}

QString CalendarList::addUrl(const QString& address, const QString& name, quint32 rgb) {
    if (!subscriptionUrl(address).isValid())
        return QString();
    return add(SourceKind::Url, address.trimmed(), name, rgb);
}

QString CalendarList::add(SourceKind kind, const QString& location, const QString& name,
                          quint32 rgb) {
    for (const CalendarSource& s : sources_) {
        if (s.kind == kind && s.location == location)
            return s.id;
    }
    CalendarSource source;
    source.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    source.kind = kind;
    source.location = location;
    source.name = name;
    source.rgb = rgb & 0xffffff;
    sources_.append(source);
    save();
    emit sourceAdded(source.id);
    return source.id;
}

bool CalendarList::remove(const QString& id) {
    for (qsizetype i = 0; i < sources_.size(); ++i) {
        if (sources_[i].id == id) {
            sources_.removeAt(i);
            save();
            emit sourceRemoved(id);
            return true;
        }
    }
    return false;
}

template <typename Field, typename Value>
bool CalendarList::change(const QString& id, Field CalendarSource::*field, const Value& value) {
    CalendarSource* source = find(id);
    if (!source)
        return false;
    if (source->*field != value) {
        source->*field = value;
        save();
        emit sourceChanged(id);
    }
    return true;
}

bool CalendarList::rename(const QString& id, const QString& name) {
    return change(id, &CalendarSource::name, name);
}

bool CalendarList::recolour(const QString& id, quint32 rgb) {
    return change(id, &CalendarSource::rgb, quint32(rgb & 0xffffff));
}

bool CalendarList::setShown(const QString& id, bool shown) {
    return change(id, &CalendarSource::shown, shown);
}

bool CalendarList::setHolidays(const QString& id, bool holidays) {
    return change(id, &CalendarSource::holidays, holidays);
}

bool CalendarList::recordRefresh(const QString& id, const QDateTime& when,
                                 const SourceError& error) {
    CalendarSource* source = find(id);
    if (!source)
        return false;
    const QDateTime lastRefresh = when.isValid() ? when.toUTC() : source->lastRefresh;
    if (source->lastRefresh != lastRefresh || source->lastError != error) {
        source->lastRefresh = lastRefresh;
        source->lastError = error;
        // A list file that was not read whole is the user's to replace: the state waits in
        // memory for the next change the user makes.
        if (!protectFile_)
            save();
        emit stateChanged(id);
    }
    return true;
}

// Keeps the file that could not be read under a name of its own, never over an earlier copy.
bool CalendarList::moveAside() {
    const QString path = filePath();
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    for (int n = 1; n <= kMaxAsideCopies; ++n) {
        const QString aside = path + QStringLiteral(".unreadable") +
                              (n == 1 ? QString() : QStringLiteral(".%1").arg(n));
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
            continue;
        return QFile::rename(path, aside);
    }
    return false;
}

void CalendarList::save() {
    saveError_ = SourceError{};
    if (!QDir().mkpath(folder_)) {
        saveError_ = SourceError{Kind::Unwritable, QStringLiteral("cannot create the folder")};
    } else if (protectFile_ && !moveAside()) {
        saveError_ = SourceError{Kind::Unwritable,
                                 QStringLiteral("cannot move the unreadable list file aside")};
    } else {
        protectFile_ = false;
        QSaveFile file(filePath());
        const QByteArray bytes = encodeList(sources_);
        // Unbuffered, so that a short write on a full disk shows here: Qt 6.4's commit() of a
        // buffered write renames a file cut short over the old one and reports success.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            file.write(bytes) != bytes.size() || !file.commit())
            saveError_ = SourceError{Kind::Unwritable, file.errorString()};
    }
    if (saveError_.isError())
        emit saveFailed(saveError_);
}

quint32 CalendarList::unusedColour() const {
    for (quint32 rgb : kColours) {
        if (std::none_of(sources_.begin(), sources_.end(),
                         [rgb](const CalendarSource& source) { return source.rgb == rgb; }))
            return rgb;
    }
    return kColours[size_t(sources_.size()) % std::size(kColours)];
}

}  // namespace solvane::calendars
