// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarvel::ui {

inline constexpr std::string_view kVersion = "1.0.0";

// What the command line asks, read before any window (so with no
// display), its texts in the language of the desktop's locale settings:
// English for "en…", French otherwise.
struct CommandLine {
    enum class Kind {
        Window,   // no option of the program's: the window opens
        Answer,   // "--help", "--version", or a command line in error: `text` printed, `exitCode` returned
        Measure,  // "--mesurer IMAGE" ("--measure"), hinted by "--echantillonnage X" ("--sampling")
    };
    Kind kind = Kind::Window;
    std::string text;
    int exitCode = 0;  // 0 on the standard output, 2 (a usage error) on the error output
    std::string imagePath;
    std::optional<double> arcsecPerPixel;
    bool solve = false;  // "--resoudre" ("--solve"): solved even when the file holds a solution
};
// A command line in error says why in French, then the usage in the
// locale's language; Qt's own options (-platform, -style…) open the window.
CommandLine readCommandLine(int argc, const char* const* argv, std::string_view locale);

// The locale of the messages from the environment: LC_ALL, LC_MESSAGES, then
// LANG, the first that is set.
std::string messagesLocale();

}  // namespace quarvel::ui
