// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "source.h"

#include <array>
#include <utility>

namespace solvane::calendars {
namespace {

using Kind = SourceError::Kind;

const std::array<std::pair<Kind, const char*>, 19> kNames{{
    {Kind::None, "none"},
    {Kind::NotFound, "not-found"},
    {Kind::DanglingLink, "dangling-link"},
    {Kind::Directory, "directory"},
    {Kind::NotRegularFile, "not-regular-file"},
    {Kind::TooLarge, "too-large"},
    {Kind::Unreadable, "unreadable"},
    {Kind::BadUrl, "bad-url"},
    {Kind::Network, "network"},
    {Kind::Tls, "tls"},
    {Kind::Http, "http"},
    {Kind::NotCalendar, "not-calendar"},
    {Kind::Timeout, "timeout"},
    {Kind::Stalled, "stalled"},
    {Kind::TooManyRedirects, "too-many-redirects"},
    {Kind::RedirectLoop, "redirect-loop"},
    {Kind::InsecureRedirect, "insecure-redirect"},
    {Kind::Corrupt, "corrupt"},
    {Kind::Unwritable, "unwritable"},
}};

}  // namespace

QString errorKindName(Kind kind) {
    for (const auto& [k, name] : kNames) {
        if (k == kind)
            return QString::fromLatin1(name);
    }
    return QStringLiteral("none");
}

Kind errorKindFromName(const QString& name) {
    for (const auto& [k, text] : kNames) {
        if (name == QLatin1String(text))
            return k;
    }
    return Kind::None;
}

}  // namespace solvane::calendars
