// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One running Solvane per user and display: the first start listens on a Unix-domain socket,
// and a later start that reaches it hands over (the running window comes to the front) and
// ends. A plain socket with a notifier keeps Qt's network module out of the program.

#include <QObject>
#include <QString>
#include <functional>

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
    bool handOver() const;
    bool listen();
    void acceptLaunches();

    QString path_;
    int listener_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace solvane
