// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace solvane::translations {
namespace {

// Where CMake's qt_add_translations puts the compiled files inside the program.
const QString kProgramFolder = QStringLiteral(":/i18n");
const QString kProgramPrefix = QStringLiteral("solvane_");
const QString kQtPrefix = QStringLiteral("qtbase_");

// "solvane_pt_BR.qm" -> "pt_BR" for every file of the folder with that prefix.
QStringList languagesIn(const QString& folder, const QString& prefix) {
    QStringList languages;
    const QStringList files =
        QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

QString qtFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

// One translator per kind, kept for the life of the program: the application holds only a
// pointer to what it installs.
void replace(std::unique_ptr<QTranslator>& slot, const QString& folder, const QString& prefix,
             const QString& language) {
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot.reset();
    if (language.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(prefix + language, folder))
        return;
    QCoreApplication::installTranslator(translator.get());
    slot = std::move(translator);
}

}  // namespace

QStringList available() {
    return languagesIn(kProgramFolder, kProgramPrefix);
}

QString choose(const QStringList& uiLanguages, const QStringList& offered) {
    for (const QString& tag : uiLanguages) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::English)
            return {};
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
            continue;  // "C" or a tag Qt does not know
        // "pt-BR" and "pt" both name pt_BR, Qt's likeliest country for Portuguese.
        const QString name = locale.name();
        if (offered.contains(name))
            return name;
        const QString language = name.section(u'_', 0, 0);
        if (offered.contains(language))
            return language;
        for (const QString& candidate : offered)
            if (candidate.section(u'_', 0, 0) == language)
                return candidate;
    }
    return {};
}

void install(const QString& language, const QString& qtLanguage) {
    static std::unique_ptr<QTranslator> program;
    static std::unique_ptr<QTranslator> qt;
    replace(program, kProgramFolder, kProgramPrefix, language);
    replace(qt, qtFolder(), kQtPrefix, qtLanguage);
}

void installForDesktop() {
    // As gettext does, a C locale ("LANG=C program") means English whatever LANGUAGE lists.
    if (QLocale::system().language() == QLocale::C) {
        install({}, {});
        return;
    }
    const QStringList desktop = QLocale().uiLanguages();
    install(choose(desktop, available()), choose(desktop, languagesIn(qtFolder(), kQtPrefix)));
}

}  // namespace solvane::translations
