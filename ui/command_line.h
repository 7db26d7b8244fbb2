// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarvel::ui {

inline constexpr std::string_view kVersion = "1.0.0";

// What "--help" or "--version" asks, answered before any window (so with no
// display), in the language of the desktop's locale settings: English for
// "en…", French otherwise. Nothing for any other command line, which starts
// the program.
std::optional<std::string> commandLineAnswer(int argc, const char* const* argv, std::string_view locale);

// The locale of the messages from the environment: LC_ALL, LC_MESSAGES, then
// LANG, the first that is set.
std::string messagesLocale();

}  // namespace quarvel::ui
