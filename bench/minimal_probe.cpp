// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of start-up: a window holding one notebook of eight pages.
#include <QApplication>
#include <QTabWidget>

#include "bench/exposed.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTabWidget tabs;
    for (int i = 0; i < 8; ++i) tabs.addTab(new QWidget, QString("Page %1").arg(i));
    tabs.show();
    quitWhenExposed(&tabs);
    return app.exec();
}
