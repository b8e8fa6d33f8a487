// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "subscription_url.h"

namespace solvane::calendars {

QUrl subscriptionUrl(const QString& text) {
    QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return QUrl();
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("webcal") || scheme == QLatin1String("webcals"))
        url.setScheme(QStringLiteral("https"));
    else if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QUrl();
    return url;
}

}  // namespace solvane::calendars
