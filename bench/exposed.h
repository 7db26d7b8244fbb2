// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

// Ends the event loop once the widget's window is on screen.
inline void quitWhenExposed(QWidget* widget) {
    struct Watch : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Expose) QCoreApplication::exit(0);
            return false;
        }
    };
    widget->winId();
    widget->windowHandle()->installEventFilter(new Watch);
}
