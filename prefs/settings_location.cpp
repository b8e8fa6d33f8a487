// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "settings_location.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "error.h"
#include "prefs_file.h"

namespace solvane::prefs {
namespace {

const QString kFileName = QStringLiteral("prefs.cal");

// The settings of a fresh install: no flags, no place, offset 0, the dialog's six colours.
const QStringList kDefaultLines{"00",    "",         "",        "",         "16711680",
                                "65535", "16777215", "8388608", "12632256", "12632256"};

// The first look at the configuration folder gives it the settings the program came with.
void seed(const QString& configFile, const QString& besideFile) {
    if (!QDir().mkpath(QFileInfo(configFile).path()))
        return;  // the load and the save then name the file and fail
    QStringList lines = kDefaultLines;
    try {
        lines = readFile(besideFile);
    } catch (const Error&) {
        // No usable prefs.cal beside the program: the defaults stand.
    }
    try {
        writeFile(configFile, lines);
    } catch (const Error&) {
        // Reported by the load that follows, which cannot open the file.
    }
}

}  // namespace

bool canWrite(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

QString configHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString settingsFile(const QString& programDir, const QString& configHome, CanWrite writable) {
    const QString beside = programDir + u'/' + kFileName;
    const bool besideExists = QFileInfo::exists(beside) || QFileInfo(beside).isSymLink();
    if (besideExists ? writable(beside) : writable(programDir))
        return beside;
    const QString inConfig = configHome + QStringLiteral("/solvane/") + kFileName;
    if (!QFileInfo::exists(inConfig) && !QFileInfo(inConfig).isSymLink())
        seed(inConfig, beside);
    return inConfig;
}

}  // namespace solvane::prefs
