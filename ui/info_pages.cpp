// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info_pages.h"

#include "core/errors.h"
#include "ui/help_text.h"
#include "ui/messages.h"

namespace quarvel::ui {

HelpPage::HelpPage(form::Form& window, const std::string& configPath)
    : Part(window), memoAide(add<form::Memo>("memoAide")) {
    memoAide.setText(std::string(kHelpText) + core::compose(messages::kConfigurationSentence, {configPath}));
}

AboutPage::AboutPage(form::Form& window, std::function<void(const std::string&)> openUrl)
    : Part(window),
      labMail(add<form::Label>("labMail")),
      bbRun(add<form::Button>("bbRun", "Lancer le programme")),
      m_openUrl(std::move(openUrl)) {
    labMail.setCaption(std::string(kContactAddress));
    labMail.setHint("Double-cliquer pour envoyer un mail");
    bbRun.setHint("Accéder aux onglets du programme");
    bbRun.onClick = [this] {
        if (run) run();
    };
    labMail.onDoubleClick = [this] {
        if (m_openUrl) m_openUrl("mailto:" + std::string(kContactAddress) + "?subject=A propos de Quarvel&body=");
    };
}

}  // namespace quarvel::ui
