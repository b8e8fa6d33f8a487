// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The yardstick for Solvane's start-up time: a bare Qt window holding twelve month calendars
// in three rows of four, and nothing else. scripts/bench-idle.sh times both.

#include <QApplication>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BareYearWindow"));
    auto* grid = new QGridLayout(&window);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int k = 0; k < 12; ++k) {
        auto* month = new QCalendarWidget(&window);
        month->setFixedSize(197, 153);
        grid->addWidget(month, k / 4, k % 4);
    }
    window.show();
    return app.exec();
}
