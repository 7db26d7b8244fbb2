// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto started = quarvel::ui::startQuarvel();
    return app.exec();
}
