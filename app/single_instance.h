// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One running Solvane per user: the first start listens on a local socket, and a later start
// that reaches it hands over (the running window comes to the front) and ends.

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace solvane {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start { First, HandedOver };

    // The socket's name; the default is per user and display, and empty (every start is the
    // first) on a platform without a screen. Needs the application object.
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    static QString defaultName();

    // Hands over to a running instance if one answers; otherwise starts listening, removing
    // whatever socket a crashed run left behind.
    Start start();

    // Runs for each later start that handed over to this one.
    std::function<void()> onSecondLaunch;

private:
    bool handOver() const;
    bool listen();
    void acceptLaunches();

    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace solvane
