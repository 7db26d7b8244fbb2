// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Quarvel as main() does and quits as soon as its window is exposed.
#include <QApplication>
#include <QTemporaryDir>

#include "bench/exposed.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const auto started = quarvel::ui::startQuarvel((dir.path() + "/Quarvel.ini").toStdString());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "fUtil") quitWhenExposed(w);
    }
    return app.exec();
}
