// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The yardsticks for Solvane's start-up time and memory: a bare Qt window of twelve months in
// three rows of four, and nothing else. scripts/bench-idle.sh times it beside Solvane.
//
// Usage: bench-bare-window [calendars|frames]
//   calendars (default)  twelve QCalendarWidgets, window title "BareYearWindow"
//   frames               twelve empty frames in their place, the least any Qt window of this
//                        shape can cost, window title "BareFrameWindow"

#include <QApplication>
#include <QCalendarWidget>
#include <QFrame>
#include <QGridLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool frames = argc > 1 && qstrcmp(argv[1], "frames") == 0;
    QWidget window;
    window.setWindowTitle(frames ? QStringLiteral("BareFrameWindow")
                                 : QStringLiteral("BareYearWindow"));
    auto* grid = new QGridLayout(&window);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int k = 0; k < 12; ++k) {
        QWidget* month = nullptr;
        if (frames) {
            auto* frame = new QFrame(&window);
            frame->setFrameShape(QFrame::Box);
            month = frame;
        } else {
            month = new QCalendarWidget(&window);
        }
        month->setFixedSize(197, 153);
        grid->addWidget(month, k / 4, k % 4);
    }
    window.show();
    return app.exec();
}
