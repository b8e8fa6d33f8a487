// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The address a subscription is fetched from. Calendar links are often written webcal://
// (a scheme for "open this in a calendar program"); it means the same address over https.
// Qt Network knows only http and https, so the scheme is rewritten before the fetch.

#include <QString>
#include <QUrl>

namespace solvane::calendars {

// The http or https address for `text` (webcal and webcals become https), or an invalid QUrl
// when the text is not such an address with a host.
QUrl subscriptionUrl(const QString& text);

}  // namespace solvane::calendars
