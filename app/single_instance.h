// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One running Solvane per user and display: the first start listens on a Unix-domain socket,
// and a later start that reaches it hands over its arguments (the calendars it was given) and
// ends; the running window takes them up and comes to the front. A plain socket with a notifier
// keeps Qt's network module out of the program. The socket lives in a folder only this user can
// enter (the runtime folder, or one made in the shared temporary folder and checked to be the
// user's), and a start hands over only to a program of the same user, as the kernel reports it:
// another user can neither stop a start nor receive it. (The session bus would do the same where
// there is one; under su, sudo or a plain container there is none, and the folder works
// everywhere.)

#include <sys/types.h>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

class QSocketNotifier;

namespace solvane {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start { First, HandedOver };

    // The socket's path; the default is per user and display, and empty (every start is the
    // first) on a platform without a screen. Needs the application object.
    explicit SingleInstance(QString path = defaultPath(), QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    static QString defaultPath();

    // Hands over to a running instance if one answers, with `arguments`; otherwise starts
    // listening, removing whatever socket a crashed run left behind.
    Start start(const QStringList& arguments = {});

    // Runs for each later start that handed over to this one, with the arguments it sent: none
    // when it sent none, or when its message did not arrive whole in time.
    std::function<void(const QStringList&)> onSecondLaunch;

    // How long a later start may take to send its message; past it, it counts with none.
    void setMessageTimeout(int milliseconds) { messageTimeoutMs_ = milliseconds; }
    // The most a message may hold; a longer one counts as none.
    static constexpr qsizetype kMaxMessage = 1 << 20;

private:
    // Who answered on the path: nobody, this user's running instance, or another user's
    // program, which is never handed over to.
    enum class Answer { Nobody, Same, Stranger };
    Answer handOver(const QStringList& arguments) const;
    bool listen();
    void acceptLaunches();

    QString path_;
    int listener_ = -1;
    std::optional<std::pair<dev_t, ino_t>> boundFile_;  // the socket file this run made
    QSocketNotifier* notifier_ = nullptr;
    int messageTimeoutMs_ = 10'000;
};

// The message of a start: each argument's bytes followed by a NUL, which no argument holds.
QByteArray launchMessage(const QStringList& arguments);
// The arguments of a message: only those whose NUL arrived.
QStringList launchArguments(const QByteArray& message);

}  // namespace solvane
