// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The language the program speaks: its own texts from the translations built into it, and
// the texts of Qt's own dialogs (print, file) from the system's Qt translations.

#include <QString>
#include <QStringList>

namespace solvane::translations {

// The languages the program is translated into, as its translation files name them ("de",
// "pt_BR"). English is the language of the source texts and is not among them.
QStringList available();

// The first of the desktop's languages (BCP 47 tags, best first, as QLocale::uiLanguages
// gives them) that `offered` holds, by full name ("pt_BR") or by language ("de" for "de-AT").
// Empty for English: a desktop that puts English before any offered language gets English.
QString choose(const QStringList& uiLanguages, const QStringList& offered);

// Installs the program's translator for `language` (one of available(); empty for English)
// and Qt's own for `qtLanguage`, replacing what an earlier call installed. English installs
// nothing, so the program's texts are the source texts byte for byte.
void install(const QString& language, const QString& qtLanguage);

// install() with the desktop's choice: QLocale().uiLanguages() against the program's
// languages and against Qt's translations in QLibraryInfo::TranslationsPath. Under the C
// locale it is English, even where LANGUAGE names other languages, as gettext has it.
void installForDesktop();

}  // namespace solvane::translations
