// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/form/form.h"

namespace quarvel::ui {

inline constexpr std::string_view kContactAddress = "quarvel@example.org";

// "Aide": the help text, with where the configuration is saved.
class HelpPage : public form::Part {
public:
    HelpPage(form::Form& window, const std::string& configPath);
    form::Memo& memoAide;
};

// "A propos": the picture, the address to write to, and the button that
// opens the other pages.
class AboutPage : public form::Part {
public:
    AboutPage(form::Form& window, std::function<void(const std::string&)> openUrl);
    // "Lancer le programme": set by the window.
    std::function<void()> run;

    form::Label& labMail;
    form::Button& bbRun;

private:
    std::function<void(const std::string&)> m_openUrl;
};

}  // namespace quarvel::ui
