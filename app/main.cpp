// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdio>

#include "ui/command_line.h"
#include "ui/measure_command.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    // Answered before Qt looks for a display.
    const std::string locale = quarvel::ui::messagesLocale();
    const auto command = quarvel::ui::readCommandLine(argc, argv, locale);
    if (command.kind == quarvel::ui::CommandLine::Kind::Answer) {
        std::fputs(command.text.c_str(), command.exitCode == 0 ? stdout : stderr);
        return command.exitCode;
    }
    if (command.kind == quarvel::ui::CommandLine::Kind::Measure) {
        const auto measured = quarvel::ui::measureCommand(command, locale);
        std::fputs(measured.text.c_str(), measured.exitCode == 0 ? stdout : stderr);
        return measured.exitCode;
    }
    QApplication app(argc, argv);
    const auto started = quarvel::ui::startQuarvel();
    return app.exec();
}
