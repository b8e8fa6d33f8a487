// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One running Solvane per user and display: the first start listens on a Unix-domain socket,
// and a later start that reaches it hands over (the running window comes to the front) and
// ends. A plain socket with a notifier keeps Qt's network module out of the program. The
// socket lives in a folder only this user can enter (the runtime folder, or one made in the
// shared temporary folder and checked to be the user's), and a start hands over only to a
// program of the same user, as the kernel reports it: another user can neither stop a start
// nor receive it. (The session bus would do the same where there is one; under su, sudo or a
// plain container there is none, and the folder works everywhere.)

#include <sys/types.h>
#include <QObject>
#include <QString>
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

    // Hands over to a running instance if one answers; otherwise starts listening, removing
    // whatever socket a crashed run left behind.
    Start start();

    // Runs for each later start that handed over to this one.
    std::function<void()> onSecondLaunch;

private:
    // Who answered on the path: nobody, this user's running instance, or another user's
    // program, which is never handed over to.
    enum class Answer { Nobody, Same, Stranger };
    Answer handOver() const;
    bool listen();
    void acceptLaunches();

    QString path_;
    int listener_ = -1;
    std::optional<std::pair<dev_t, ino_t>> boundFile_;  // the socket file this run made
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace solvane
