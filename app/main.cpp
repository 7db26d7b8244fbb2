// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdio>

#include "ui/command_line.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    // Answered before Qt looks for a display.
    if (const auto answer = quarvel::ui::commandLineAnswer(argc, argv, quarvel::ui::messagesLocale())) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    const auto started = quarvel::ui::startQuarvel();
    return app.exec();
}
