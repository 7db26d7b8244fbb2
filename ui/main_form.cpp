// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form.h"

#include <algorithm>

#include "config/settings.h"
#include "core/errors.h"
#include "core/optics.h"
#include "ui/flag.h"
#include "ui/messages.h"
#include "ui/names.h"
#include "night/targets.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

namespace {

std::vector<std::string> pageCaptions() { return {kPageCaptions.begin(), kPageCaptions.end()}; }

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
      bbCopier(add<Button>("bbCopier", "Copier les résultats")),
      bbCopierImage(add<Button>("bbCopierImage", "Copier l'image")),
      bbEnregistrerImage(add<Button>("bbEnregistrerImage", "Enregistrer l'image…")),
      parametrage(*this, session, equipment, host, dialogs.telescopes, dialogs.cameras, dialogs.dslrs,
                  environment.configPath),
      sensorDrawing(*this, equipment.catalogue()),
      planetDrawing(*this, equipment.catalogue(), session, [this](int row) { imagerie.selectObject(row); }),
      photo(*this, equipment.catalogue(), session, environment.dataFolders),
      night(*this, session, equipment),
      calculs(*this, session),
      imagerie(*this, session, host, dialogs.date),
      comparer(*this),
      help(*this, environment.configPath),
      about(*this, environment.openUrl),
      m_host(host),
      m_quit(dialogs.quit),
      m_targets(dialogs.targets),
      m_today(environment.today),
      m_closeProgram(environment.closeProgram),
      m_session(session),
      m_equipment(equipment),
      m_tabs(equipment.catalogue(), session, parametrage, sensorDrawing, planetDrawing, photo),
      m_equipmentProblems(std::move(equipmentProblems)) {
    const std::pair<Button*, const char*> hints[] = {
        {&bbRAZ, "Effacer les champs de la page affichée"},
        {&bbChargeConfig, "Relire la configuration sauvegardée"},
        {&bbSauveConfig, "Sauvegarder l'instrument et le capteur (Ctrl+S)"},
        {&bbQuit, "Quitter le programme (Ctrl+Q)"},
        {&bModeNuit, "Rouge sur fond noir, pour garder la vision de nuit (Ctrl+N)"},
        {&bbCopier, "Copier les résultats de la page, pour un tableur ou un message (Ctrl+Maj+C)"},
        {&bbCopierImage, "Copier le dessin de la page, deux fois plus grand qu'à l'écran"},
        {&bbEnregistrerImage, "Enregistrer le dessin de la page en PNG, deux fois plus grand qu'à l'écran"},
    };
    for (const auto& [button, hint] : hints) button->setHint(hint);
    parametrage.recomputeWindow = [this] { recompute(); };
    parametrage.setupShown = [this] {
        recompute();
        imagerie.recompute();
    };
    comparer.onChoice = [this] { showComparison(); };
    imagerie.skyChanged = [this] { showComparison(); };
    photo.useSeeing = [this](double arcsec) { imagerie.useSeeing(arcsec); };
    imagerie.remember = [this](std::string_view key) { remember(key); };
    imagerie.compute = [this]() -> const setup::Results& { return computeResults(); };
    parametrage.compute = imagerie.compute;
    showSetupNames();
    parametrage.telescopeRenamed = [this] { planetDrawing.showTelescope(); };
    m_tabs.recompute = [this] { recompute(); };
    about.run = [this] { run(); };
    night.targets = [this] { return nightTargets(); };
    night.openTargets = [this] { openTargets(); };
    m_targets.remember = [this](std::string_view key) { remember(key); };
    night.findObject = [this](const std::string& typed) -> std::optional<NightPage::Target> {
        const auto place = photo.objectNamed(typed);
        if (!place) return std::nullopt;
        return NightPage::Target{place->name, false, place->position, std::nullopt, false};
    };
    if (environment.now) night.now = environment.now;
    if (environment.utcOffsetMinutes) night.utcOffsetMinutes = environment.utcOffsetMinutes;
    night.remember = imagerie.remember;
    night.chooseDate = [this] { imagerie.chooseDate(); };
    imagerie.dateChanged = [this] {
        if (TabbedNotebook1.activePage() == indexOf(Page::Nuit)) night.show();
    };
    m_equipmentChanges = equipment.onChange([this, &equipment] {
        parametrage.cbCapteurs.setItems(listItems(equipment.catalogue().mainSensorEntries()));
        m_tabs.refreshLists();
        showSetupNames();
        night.showSites();
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
    bbCopier.onClick = [this] { copyPageResults(); };
    bbCopierImage.onClick = [this] {
        if (exportDrawing) exportDrawing(false);
    };
    bbEnregistrerImage.onClick = [this] {
        if (exportDrawing) exportDrawing(true);
    };
    for (Button* button : {&bbCopierImage, &bbEnregistrerImage}) button->setEnabled(false);
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
    m_session.preferences = config::readSettings(config::IniDocument(parametrage.configPath()));
    bModeNuit.setChecked(m_session.preferences.nightMode == 1);
    guard().run([this] { parametrage.showStartSensor(); });
    parametrage.checkTypedFields();
    guard().run([this] { parametrage.reportIncompleteSavedSensor(); });
    guard().run([this] {
        imagerie.start(m_today ? m_today() : form::CalendarDate{2000, 1, 1});
        planetDrawing.pmPlanetes.check(rowOf(ephem::Body::Jupiter));
    });
    guard().run([this] { m_tabs.showStart(); });
    guard().run([this] { night.start(); });
    return startup.messages;
}

// Every result of the instrument and the sensor, on every page.
void MainForm::recompute() {
    m_tabs.follow();
    if (comparisonShown()) showComparison();
    if (!parametrage.instrumentFilled()) return;
    // Computed once, shown by each page in its order: a failure ends the
    // showing where its value comes, as the calculation itself would.
    const setup::Results& results = computeResults();
    parametrage.showInstrumentResults(results);
    if (!parametrage.sensorFilled()) return;
    parametrage.showSensorSize(results);
    results.samplingArcsec.get();
    imagerie.showPlanetaryAdvice(results);
    parametrage.showSamplingAndField(results);
    planetDrawing.showField(results);
    imagerie.showDeepSkyAdvice(results);
}

// The current setup's results, computed here alone with the Imagerie page's
// options; the session keeps the last sampling that could be computed.
const setup::Results& MainForm::computeResults() {
    m_results = setup::compute(m_session, imagerie.options());
    if (!m_results.samplingArcsec.failed()) m_session.samplingArcsec = m_results.samplingArcsec.get();
    return m_results;
}

// A save that went well says so in the status line; one that failed has
// said why in its box.
void MainForm::saveConfiguration() {
    if (parametrage.eDiam.empty() || parametrage.eFocale.empty()) return;
    parametrage.save();
    labStatut.setMessage(core::Message(messages::kSavedIn, {core::Message::data(parametrage.configPath())}));
}

std::vector<ResultLine> MainForm::resultLines() const {
    switch (static_cast<Page>(TabbedNotebook1.activePage())) {
        case Page::Parametrage: return parametrage.resultLines();
        case Page::Calculs: return calculs.resultLines();
        case Page::Imagerie: return imagerie.resultLines();
        case Page::ChampPhoto: return photo.resultLines();
        case Page::Comparer: return comparer.resultLines();
        case Page::Nuit: return night.resultLines();
        default: return {};
    }
}

void MainForm::copyPageResults() {
    const auto lines = resultLines();
    if (lines.empty()) {
        labStatut.setMessage(core::Message(messages::kNothingToCopy));
        return;
    }
    if (!copyResults) return;
    copyResults(lines);
    labStatut.setMessage(core::Message(messages::kResultsCopied));
}

void MainForm::switchNightMode() {
    m_session.preferences.nightMode = bModeNuit.checked() ? 1 : 0;
    remember(config::kKeyNightMode);
}

void MainForm::remember(std::string_view key) {
    config::updateFile(parametrage.configPath(),
                       [&](config::IniDocument& file) { config::writePreference(file, key, m_session.preferences); });
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
    if (page == Page::DessinPlanete || page == Page::ChampPhoto || page == Page::Nuit || page == Page::Comparer) {
        bbRAZ.setEnabled(false);
    }
    bbChargeConfig.setEnabled(page == Page::Parametrage);
    bbSauveConfig.setEnabled(page == Page::Parametrage);
    const bool drawing = page == Page::DessinCapteur || page == Page::DessinPlanete || page == Page::ChampPhoto;
    for (Button* button : {&bbCopierImage, &bbEnregistrerImage}) button->setEnabled(drawing);
    if (page == Page::DessinCapteur) m_tabs.showSensorPage();
    if (page == Page::Imagerie) imagerie.recompute();
    if (page == Page::DessinPlanete) planetDrawing.show();
    if (page == Page::Comparer) showComparison();
    if (page == Page::Nuit) night.show();
    if (page == Page::ChampPhoto) {
        showComparison();
        m_tabs.showPhotoPage();
    }
}

// A save that fails keeps the program open, on the page it was on.
void MainForm::quit() {
    const auto save = m_quit.ask(m_host);
    if (!save) return;
    if (*save) parametrage.save();
    if (m_closeProgram) m_closeProgram();
}

void MainForm::showSetupNames() {
    std::vector<std::string> names;
    for (const SavedSetup& setup : m_equipment.setups()) names.push_back(setup.name);
    parametrage.showSetupNames();
    comparer.setSetupNames(names);
    if (comparisonShown()) showComparison();
}

// The comparison is shown by two pages: computed for them alone.
bool MainForm::comparisonShown() const {
    const auto page = static_cast<Page>(TabbedNotebook1.activePage());
    return page == Page::Comparer || page == Page::ChampPhoto;
}

namespace {

// A telescope as a column heads it: its name, and its reducer or Barlow.
std::string telescopeShown(const core::InstrumentSettings& instrument) {
    const auto row = catalogues::focalFactorRowForLabel(instrument.focalFactorLabel);
    if (row == kNoFactorRow) return instrument.telescopeName;
    return instrument.telescopeName + " + " + instrument.focalFactorLabel;
}

std::string cameraShown(const std::string& camera, const std::string& sensor) {
    return camera == kUnknown ? sensor : camera;
}

}  // namespace

void MainForm::showComparison() {
    const auto& date = m_session.date;
    if (date.day != m_dated.date.day || date.month != m_dated.date.month || date.year != m_dated.date.year) {
        ephem::ApparentDiameter diameter;
        ephem::computeApparentDiameter(date, ephem::Body::Jupiter, diameter);
        m_dated.jupiterArcsec = diameter.arcsec;
        ephem::computeApparentDiameter(date, ephem::Body::Moon, diameter);
        m_dated.moonArcsec = diameter.arcsec;
        m_dated.date = date;
    }
    setup::Options options = imagerie.options();
    options.apparentDiameterArcsec = m_dated.jupiterArcsec;
    options.ringsOverGlobe = 0;
    options.rotationPeriodMinutes = ephem::factsOf(ephem::Body::Jupiter).rotationPeriodMinutes;
    const auto column = [&](const setup::Setup& setup, std::string telescope, std::string camera) {
        ComparerPage::Column shown{std::move(telescope), std::move(camera), setup::compute(setup, options), {}};
        shown.moonPx = setup::sizeOnSensorPx(shown.results, m_dated.moonArcsec);
        return shown;
    };
    std::vector<std::optional<ComparerPage::Column>> columns;
    std::vector<PhotoPage::ComparedField> fields;
    columns.push_back(column(m_session, telescopeShown(m_session.instrument),
                             cameraShown(m_session.cameraName, m_session.sensorName)));
    for (int c = 1; c < ComparerPage::kColumns; ++c) {
        const auto name = comparer.setupNameOf(c);
        const auto& setups = m_equipment.setups();
        const auto found = std::find_if(setups.begin(), setups.end(),
                                        [&name](const SavedSetup& setup) { return name && setup.name == *name; });
        if (found == setups.end()) {
            columns.emplace_back();
            continue;
        }
        const setup::Setup saved = setupOf(found->settings);
        columns.push_back(column(saved, telescopeShown(saved.instrument),
                                 cameraShown(found->settings.camera, found->settings.sensor)));
        fields.push_back({found->name, saved.sensor, saved.instrument.focalMm});
    }
    comparer.show(columns);
    photo.setCompared(std::move(fields));
}

// The Imagerie page's Moon or planet, then where the "Champ photo" page's
// frame points.
std::vector<NightPage::Target> MainForm::nightTargets() {
    // The Imagerie page's body first, then the Moon and the planets, then
    // the framed object and its panels.
    std::vector<NightPage::Target> targets;
    const auto& names = imagerie.rgPlanetes.items();
    const auto nameOf = [&names](ephem::Body body) { return names[static_cast<std::size_t>(rowOf(body))]; };
    const auto chosen = bodyOfRow(m_session.objectRow);
    const auto offer = [&](ephem::Body body) {
        if (body == ephem::Body::Moon) {
            targets.push_back({nameOf(body), true, {}, std::nullopt, true});
            return;
        }
        for (const auto& [shown, planet] : kNightPlanets) {
            if (body == shown) targets.push_back({nameOf(body), true, {}, planet, false});
        }
    };
    if (chosen) offer(*chosen);
    if (chosen != ephem::Body::Moon) offer(ephem::Body::Moon);
    for (const auto& [body, planet] : kNightPlanets) {
        if (body != chosen) offer(body);
    }
    for (const auto& place : photo.framedPlaces()) targets.push_back({place.name, false, place.position, std::nullopt, false});
    return targets;
}

void MainForm::openTargets() {
    // Without a site the page says so, and the button is off.
    const auto site = night.site();
    if (!site) return;
    const double focal = m_session.instrument.focalMm;
    const catalogues::SkyExtent frame{core::horizontalFieldArcmin(m_session.sensor, focal),
                                      core::verticalFieldArcmin(m_session.sensor, focal)};
    const auto& date = m_session.date;
    const night::ManyTargets many(*site, night::siteNoon(*site, date.year, date.month, date.day),
                                  m_session.preferences.minimumAltitudeDeg);
    const auto chosen = m_targets.choose(m_host, {&photo.catalogueObjects(), frame, &many, photo.frenchNames},
                                         m_session.preferences);
    if (!chosen) return;
    // Framed on the photo page, and its night shown here.
    photo.frameRow(*chosen);
    const auto& object = photo.catalogueObjects()[*chosen];
    night.addNightTarget({catalogues::designation(object), false, {object.raDeg, object.decDeg}, std::nullopt, false});
}

void MainForm::reset() {
    const auto page = static_cast<Page>(TabbedNotebook1.activePage());
    if (page == Page::Parametrage) parametrage.clear();
    if (page == Page::Parametrage || page == Page::Calculs) calculs.clear();
}

}  // namespace quarvel::ui
