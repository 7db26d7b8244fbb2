// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Quarvel as main() does and quits as soon as its window is exposed.
// Its configuration is in a fresh folder, or in the folder given.
#include <QApplication>
#include <QTemporaryDir>

#include "bench/exposed.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = argc > 1 ? QString(argv[1]) : dir.path();
    const auto started = quarvel::ui::startQuarvel((folder + "/Quarvel.ini").toStdString());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "fUtil") quitWhenExposed(w);
    }
    return app.exec();
}
