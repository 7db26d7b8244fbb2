// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdio>

#include "ui/command_line.h"
#include "ui/measure_command.h"
#include "ui/qt/picture_decoder.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    // Answered before Qt looks for a display.
    const std::string locale = quarvel::ui::messagesLocale();
    if (const auto answer = quarvel::ui::commandLineAnswer(argc, argv, locale)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    if (const auto measured = quarvel::ui::measureCommand(argc, argv, locale, quarvel::ui::qt::decodePicture)) {
        std::fputs(measured->text.c_str(), measured->exitCode == 0 ? stdout : stderr);
        return measured->exitCode;
    }
    QApplication app(argc, argv);
    const auto started = quarvel::ui::startQuarvel();
    return app.exec();
}
