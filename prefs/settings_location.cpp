// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "error.h"
#include "platform.h"
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

// Makes the folder at the native path `folder` and the folders above it, as `mkdir -p` does.
void makeFolders(const QByteArray& folder) {
    for (qsizetype slash = folder.indexOf('/', 1); slash != -1;
         slash = folder.indexOf('/', slash + 1))
        ::mkdir(folder.left(slash).constData(), 0700);
    ::mkdir(folder.constData(), 0700);
}

// A name QFile reaches the folder `folder` by. The environment holds bytes: a name that is
// not valid UTF-8 would turn into another folder as a QString, so such a folder is made when
// missing and reached through an open descriptor.
// The descriptor is opened once per name: every load and save asks again.
QString reachable(const QByteArray& folder) {
    if (QFile::encodeName(QFile::decodeName(folder)) == folder)
        return QFile::decodeName(folder);
    static QHash<QByteArray, QString> opened;
    if (const auto found = opened.constFind(folder); found != opened.constEnd())
        return *found;
    makeFolders(folder);
    const QString name = usableFolderName(folder);
    if (!name.isEmpty())
        opened.insert(folder, name);
    return name;
}

// The home folder in the password database, for a start without HOME (a service, `env -i`).
QByteArray accountHome() {
    passwd entry{};
    passwd* found = nullptr;
    QByteArray buffer(16384, '\0');
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), size_t(buffer.size()), &found) != 0 ||
        !found || !entry.pw_dir) {
        return {};
    }
    return QByteArray(entry.pw_dir);
}

}  // namespace

bool canWrite(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

namespace {

// The XDG base folder of one kind: the variable's value when it is an absolute path, else the
// home folder's `fallback` (".config", ".cache").
QString baseFolder(const QByteArray& xdgValue, const QByteArray& home,
                   const QByteArray& homeInAccount, const char* fallback) {
    if (xdgValue.startsWith('/'))
        return reachable(xdgValue);
    const QByteArray base = home.startsWith('/') ? home : homeInAccount;
    if (!base.startsWith('/'))
        return {};
    return reachable((base.endsWith('/') ? base.chopped(1) : base) + '/' + fallback);
}

}  // namespace

QString configHome(const QByteArray& xdgConfigHome, const QByteArray& home,
                   const QByteArray& homeInAccount) {
    return baseFolder(xdgConfigHome, home, homeInAccount, ".config");
}

QString configHome() {
    return configHome(qgetenv("XDG_CONFIG_HOME"), qgetenv("HOME"), accountHome());
}

QString cacheHome(const QByteArray& xdgCacheHome, const QByteArray& home,
                  const QByteArray& homeInAccount) {
    return baseFolder(xdgCacheHome, home, homeInAccount, ".cache");
}

QString cacheHome() {
    return cacheHome(qgetenv("XDG_CACHE_HOME"), qgetenv("HOME"), accountHome());
}

QString dataHome(const QByteArray& xdgDataHome, const QByteArray& home,
                 const QByteArray& homeInAccount) {
    return baseFolder(xdgDataHome, home, homeInAccount, ".local/share");
}

QString dataHome() {
    return dataHome(qgetenv("XDG_DATA_HOME"), qgetenv("HOME"), accountHome());
}

bool settingsBesideProgram(const QString& programDir, CanWrite writable) {
    const QString beside = programDir + u'/' + kFileName;
    const bool besideExists = QFileInfo::exists(beside) || QFileInfo(beside).isSymLink();
    return besideExists ? writable(beside) : writable(programDir);
}

QString settingsFile(const QString& programDir, const QString& configHome, CanWrite writable) {
    const QString beside = programDir + u'/' + kFileName;
    if (settingsBesideProgram(programDir, writable))
        return beside;
    if (configHome.isEmpty()) {
        throw Error(QCoreApplication::translate(
            "PrefsFile",
            "Cannot find the folder for the settings: the program's folder cannot be written, "
            "and neither HOME nor the user's account names a home folder"));
    }
    const QString inConfig = configHome + QStringLiteral("/solvane/") + kFileName;
    if (!QFileInfo::exists(inConfig) && !QFileInfo(inConfig).isSymLink())
        seed(inConfig, beside);
    return inConfig;
}

}  // namespace solvane::prefs
