// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form.h"

#include <algorithm>

#include "config/settings.h"
#include "core/errors.h"
#include "core/optics.h"
#include "ui/messages.h"
#include "ui/names.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

namespace {

std::vector<std::string> pageCaptions() {
    std::vector<std::string> captions(kPageCount);
    captions[indexOf(Page::Parametrage)] = "Paramètrage";
    captions[indexOf(Page::DessinCapteur)] = "Dessin capteur";
    captions[indexOf(Page::Calculs)] = "Calculs";
    captions[indexOf(Page::Imagerie)] = "Imagerie";
    captions[indexOf(Page::DessinPlanete)] = "Dessin planète";
    captions[indexOf(Page::ChampPhoto)] = "Champ photo";
    captions[indexOf(Page::Aide)] = "Aide";
    captions[indexOf(Page::APropos)] = "A propos";
    return captions;
}

// Keeps each start-up failure once, to be shown when the window is up.
class StartupReporter : public form::ErrorReporter {
public:
    void report(const core::Message& message) override {
        const std::string text = message.text();
        if (std::find(texts.begin(), texts.end(), text) != texts.end()) return;
        texts.push_back(text);
        messages.push_back(message);
    }
    std::vector<std::string> texts;
    std::vector<core::Message> messages;
};

}  // namespace

MainForm::MainForm(Guard& guard, ModalHost& host, Dialogs dialogs, Environment environment, Session& session,
                   EquipmentEditor& equipment, std::vector<core::Message> equipmentProblems)
    : Form("fUtil", "Quarvel", guard),
      TabbedNotebook1(add<form::Notebook>("TabbedNotebook1", pageCaptions())),
      pMasqueOnglets(add<form::Label>("pMasqueOnglets")),
      bbRAZ(add<Button>("bbRAZ", "Effacer champs")),
      bbChargeConfig(add<Button>("bbChargeConfig", "Charge config")),
      bbSauveConfig(add<Button>("bbSauveConfig", "Sauve config")),
      bbQuit(add<Button>("bbQuit", "Quitter")),
      labStatut(add<form::Label>("labStatut")),
      bModeNuit(add<Button>("bModeNuit", "Mode nuit")),
      parametrage(*this, session, equipment.catalogue(), host, dialogs.telescopes, dialogs.cameras, dialogs.dslrs,
                  environment.configPath),
      sensorDrawing(*this, equipment.catalogue()),
      planetDrawing(*this, equipment.catalogue(), session, [this](int row) { imagerie.selectObject(row); }),
      photo(*this, equipment.catalogue(), session, environment.dataFolders),
      calculs(*this, session),
      imagerie(*this, session, host, dialogs.date, environment.configPath),
      help(*this, environment.configPath),
      about(*this, environment.openUrl),
      m_host(host),
      m_quit(dialogs.quit),
      m_today(environment.today),
      m_closeProgram(environment.closeProgram),
      m_session(session),
      m_tabs(equipment.catalogue(), session, parametrage, sensorDrawing, planetDrawing, photo),
      m_equipmentProblems(std::move(equipmentProblems)) {
    const std::pair<Button*, const char*> hints[] = {
        {&bbRAZ, "Effacer les champs de la page affichée"},
        {&bbChargeConfig, "Relire la configuration sauvegardée"},
        {&bbSauveConfig, "Sauvegarder l'instrument et le capteur (Ctrl+S)"},
        {&bbQuit, "Quitter le programme (Ctrl+Q)"},
        {&bModeNuit, "Rouge sur fond noir, pour garder la vision de nuit (Ctrl+N)"},
    };
    for (const auto& [button, hint] : hints) button->setHint(hint);
    parametrage.recompute = [this] { recompute(); };
    parametrage.telescopeRenamed = [this] { planetDrawing.showTelescope(); };
    m_tabs.recompute = [this] { recompute(); };
    about.run = [this] { run(); };
    m_equipmentChanges = equipment.onChange([this, &equipment] {
        parametrage.cbCapteurs.setItems(listItems(equipment.catalogue().mainSensorEntries()));
        m_tabs.refreshLists();
    });

    TabbedNotebook1.onUserSwitch = [this] { tabSwitch(); };
    bbQuit.onClick = [this] { quit(); };
    bbRAZ.onClick = [this] { reset(); };
    bbChargeConfig.onClick = [this] {
        parametrage.load();
        recompute();
        imagerie.recompute();
    };
    bbSauveConfig.onClick = [this] { saveConfiguration(); };
    bModeNuit.setCheckable(true);
    bModeNuit.onClick = [this] { switchNightMode(); };
}

std::vector<core::Message> MainForm::start() {
    StartupReporter startup;
    const form::ReporterSwap swap(guard(), startup);

    // The About page alone, behind the tab mask, until "Lancer le programme".
    TabbedNotebook1.setActivePage(indexOf(Page::APropos));
    pMasqueOnglets.setVisible(true);
    TabbedNotebook1.setEnabled(false);  // the mask keeps the tabs out of reach
    for (Button* button : {&bbRAZ, &bbChargeConfig, &bbSauveConfig}) button->setEnabled(false);

    // Each step that can fail is reported on its own, and start-up goes on.
    for (const auto& problem : m_equipmentProblems) startup.report(problem);
    guard().run([this] { parametrage.load(); });
    const config::Settings preferences = config::readSettings(config::IniDocument(parametrage.configPath()));
    bModeNuit.setChecked(preferences.nightMode == 1);
    guard().run([this] { parametrage.showStartSensor(); });
    parametrage.checkTypedFields();
    guard().run([this] { parametrage.reportIncompleteSavedSensor(); });
    guard().run([this, &preferences] {
        imagerie.start(m_today ? m_today() : form::CalendarDate{2000, 1, 1}, preferences.seeingArcsec,
                       preferences.binning);
        planetDrawing.pmPlanetes.check(rowOf(ephem::Body::Jupiter));
    });
    guard().run([this] { m_tabs.showStart(); });
    return startup.messages;
}

// Every result of the instrument and the sensor, on every page.
void MainForm::recompute() {
    m_tabs.follow();
    if (!parametrage.instrumentFilled()) return;
    // Computed once, shown by each page in its order: a failure ends the
    // showing where its value comes, as the calculation itself would.
    const setup::Results results = setup::compute(m_session, imagerie.options());
    parametrage.showInstrumentResults(results);
    if (!parametrage.sensorFilled()) return;
    parametrage.showSensorSize(results);
    m_session.samplingArcsec = results.samplingArcsec.get();
    imagerie.showPlanetaryAdvice(results);
    parametrage.showSamplingAndField(results);
    planetDrawing.showField(results);
    imagerie.showDeepSkyAdvice(results);
}

// A save that went well says so in the status line; one that failed has
// said why in its box.
void MainForm::saveConfiguration() {
    if (parametrage.eDiam.empty() || parametrage.eFocale.empty()) return;
    parametrage.save();
    labStatut.setMessage(core::Message(messages::kSavedIn, {core::Message::data(parametrage.configPath())}));
}

void MainForm::switchNightMode() {
    config::updateFile(parametrage.configPath(),
                       [this](config::IniDocument& file) { config::writeNightMode(file, bModeNuit.checked()); });
}

void MainForm::run() {
    for (Button* button : {&bbRAZ, &bbChargeConfig, &bbSauveConfig}) button->setEnabled(true);
    TabbedNotebook1.setActivePage(indexOf(Page::Parametrage));
    pMasqueOnglets.setVisible(false);
    TabbedNotebook1.setEnabled(true);
}

void MainForm::tabSwitch() {
    const auto page = static_cast<Page>(TabbedNotebook1.activePage());
    if (page == Page::Parametrage || page == Page::Calculs || page == Page::Imagerie) bbRAZ.setEnabled(true);
    if (page == Page::DessinPlanete || page == Page::ChampPhoto) bbRAZ.setEnabled(false);
    bbChargeConfig.setEnabled(page == Page::Parametrage);
    bbSauveConfig.setEnabled(page == Page::Parametrage);
    if (page == Page::DessinCapteur) m_tabs.showSensorPage();
    if (page == Page::Imagerie) imagerie.recompute();
    if (page == Page::DessinPlanete) planetDrawing.show();
    if (page == Page::ChampPhoto) m_tabs.showPhotoPage();
}

// A save that fails keeps the program open, on the page it was on.
void MainForm::quit() {
    const auto save = m_quit.ask(m_host);
    if (!save) return;
    if (*save) parametrage.save();
    if (m_closeProgram) m_closeProgram();
}

void MainForm::reset() {
    const auto page = static_cast<Page>(TabbedNotebook1.activePage());
    if (page == Page::Parametrage) parametrage.clear();
    if (page == Page::Parametrage || page == Page::Calculs) calculs.clear();
}

}  // namespace quarvel::ui
