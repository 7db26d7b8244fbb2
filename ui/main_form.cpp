// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form.h"

#include <algorithm>
#include <filesystem>

#include "catalogues/sensors.h"
#include "core/errors.h"
#include "core/parse.h"
#include "ui/drawings/photo_overlay.h"
#include "ui/help_text.h"

namespace quarvel::ui {

namespace {

std::vector<std::string> filterCaptions() {
    std::vector<std::string> captions;
    for (const auto& filter : core::kFilters) captions.emplace_back(filter.caption);
    return captions;
}

std::vector<form::MenuItem> regionItems() {
    std::vector<form::MenuItem> items;
    for (const auto& region : drawings::kRegions) items.push_back({region.name, region.caption, false});
    items.front().checked = true;
    return items;
}

std::vector<form::MenuItem> objectItems() {
    return {{"pumSoleil", "Soleil"}, {"pumLune", "Lune"},       {"pumMars", "Mars"},
            {"pumJupiter", "Jupiter"}, {"pumSaturne", "Saturne"}, {"pumPleiades", "Pléiades"}};
}

std::vector<form::MenuItem> photoItems() {
    std::vector<form::MenuItem> items;
    for (const auto& photo : drawings::kPhotographs) items.push_back({photo.item, photo.caption, false});
    return items;
}

const std::vector<std::string> kPages{"Paramètrage", "Dessin capteur", "Calculs",     "Imagerie",
                                      "Dessin planète", "Champ photo", "Aide", "A propos"};

}  // namespace

MainForm::MainForm(Guard& guard, ModalHost& host, Dialogs dialogs, Environment environment,
                   catalogues::Catalogue& catalogue, std::vector<std::string> catalogueProblems)
    : Form("fUtil", "Quarvel", guard),
      TabbedNotebook1(add<Notebook>("TabbedNotebook1", kPages)),
      pMasqueOnglets(add<Label>("pMasqueOnglets")),
      bbRAZ(add<Button>("bbRAZ", "Effacer champs")),
      bbChargeConfig(add<Button>("bbChargeConfig", "Charge config")),
      bbSauveConfig(add<Button>("bbSauveConfig", "Sauve config")),
      bbQuit(add<Button>("bbQuit", "Quitter")),
      eDiam(add<EditField>("eDiam")),
      eFocale(add<EditField>("eFocale")),
      bbTelescopes(add<Button>("bbTelescopes", "Télescopes")),
      bRetablir(add<Button>("bRetablir", "Rétablir")),
      rgFiltre(add<RadioGroup>("rgFiltre", " Filtre ", filterCaptions())),
      eFD(add<EditField>("eFD")),
      ePR(add<EditField>("ePR")),
      ePS(add<EditField>("ePS")),
      cbCapteurs(add<ListControl>("cbCapteurs", catalogue.mainSensorEntries())),
      bbCameras(add<Button>("bbCameras", "Caméras")),
      bbAPN(add<Button>("bbAPN", "Appareils photos numériques")),
      eNomCamera(add<EditField>("eNomCamera")),
      rgPixelC(add<RadioGroup>("rgPixelC", "Pixel carré", std::vector<std::string>{"Oui", "Non"}, 2)),
      eNbPixelsX(add<EditField>("eNbPixelsX")),
      eNbPixelsY(add<EditField>("eNbPixelsY")),
      eTaillePixelsX(add<EditField>("eTaillePixelsX")),
      eTaillePixelsY(add<EditField>("eTaillePixelsY")),
      eTaillePixelsMMX(add<EditField>("eTaillePixelsMMX")),
      eTaillePixelsMMY(add<EditField>("eTaillePixelsMMY")),
      eTaillePixelsMMD(add<EditField>("eTaillePixelsMMD")),
      eEchant(add<EditField>("eEchant")),
      eChampHor(add<EditField>("eChampHor")),
      eChampVer(add<EditField>("eChampVer")),
      cbCapteursPict(add<ListControl>("cbCapteursPict", catalogue.tabSensorEntries())),
      pCapteurs1(add<Label>("pCapteurs1")),
      pCapteurs2(add<Label>("pCapteurs2")),
      pCapteurs3(add<Label>("pCapteurs3")),
      labTailleRefH(add<Label>("labTailleRefH")),
      labTailleRefV(add<Label>("labTailleRefV")),
      labTailleMMCapt(add<Label>("labTailleMMCapt")),
      cbCapteursPla(add<ListControl>("cbCapteursPla", catalogue.tabSensorEntries())),
      eChampPlaH(add<EditField>("eChampPlaH")),
      eChampPlaV(add<EditField>("eChampPlaV")),
      pbDessinPla(add<form::PlanetBox>("pbDessinPla")),
      pmDessinPla(add<form::PopupMenu>("pmDessinPla", regionItems())),
      labDessinPlaNom(add<Label>("labDessinPlaNom")),
      pmPlanetes(add<form::PopupMenu>("pmPlanetes", objectItems())),
      labDessinPlaCapteur(add<Label>("labDessinPlaCapteur")),
      labDessinPlaTelescope(add<Label>("labDessinPlaTelescope")),
      cbCapteursPhoto(add<ListControl>("cbCapteursPhoto", catalogue.tabSensorEntries())),
      eChampPhotoV(add<EditField>("eChampPhotoV")),
      eChampPhotoH(add<EditField>("eChampPhotoH")),
      labPhoto(add<Label>("labPhoto")),
      pmPhotos(add<form::PopupMenu>("pmPhotos", photoItems())),
      PhotoObjet(add<form::Picture>("PhotoObjet")),
      labPhotoCapteur(add<Label>("labPhotoCapteur")),
      labPhotoTelescope(add<Label>("labPhotoTelescope")),
      eObjet1X(add<EditField>("eObjet1X")),
      eObjet1Y(add<EditField>("eObjet1Y")),
      eObjet2X(add<EditField>("eObjet2X")),
      eObjet2Y(add<EditField>("eObjet2Y")),
      rgSaisieSep(add<RadioGroup>("rgSaisieSep", "Saisie séparation", std::vector<std::string>{"Non", "Oui"}, 2)),
      eSepManuelle(add<EditField>("eSepManuelle")),
      eSepPx(add<EditField>("eSepPx")),
      eSepSec(add<EditField>("eSepSec")),
      eFocTh(add<EditField>("eFocTh")),
      eFocReel(add<EditField>("eFocReel")),
      rgPlaCP(add<RadioGroup>("rgPlaCP", "Type d'imagerie", std::vector<std::string>{"Planétaire", "Ciel profond"})),
      rgPlanetes(add<RadioGroup>("rgPlanetes", " Planète ",
                                 std::vector<std::string>{"Soleil", "Lune", "Mars", "Jupiter", "Saturne", "Pléiades",
                                                          "Valeur manuelle"})),
      pImaPla(add<Label>("pImaPla")),
      pImaCP(add<Label>("pImaCP")),
      labCompoDiamApp(add<Label>("labCompoDiamApp")),
      eDiamApp(add<EditField>("eDiamApp")),
      labDiamAppSec(add<Label>("labDiamAppSec")),
      labDateDiam(add<Label>("labDateDiam")),
      eDate(add<EditField>("eDate")),
      bbDate(add<Button>("bbDate", "Changer date")),
      labAnneaux(add<Label>("labAnneaux")),
      eDiamAnnSat(add<EditField>("eDiamAnnSat")),
      labDiamAppSec2(add<Label>("labDiamAppSec2")),
      eDiamCapt(add<EditField>("eDiamCapt")),
      labPixCapt(add<Label>("labPixCapt")),
      labTolerance(add<Label>("labTolerance")),
      eTolBouge(add<EditField>("eTolBouge")),
      labPixelB(add<Label>("labPixelB")),
      labTps(add<Label>("labTps")),
      eTps(add<EditField>("eTps")),
      labTpsSec(add<Label>("labTpsSec")),
      labConseilTPL(add<Label>("labConseilTPL")),
      cbSurEch(add<ListControl>("cbSurEch", std::vector<std::string>{"1", "1.5", "2", "2.5", "3", "3.5", "4"})),
      eFDAct(add<EditField>("eFDAct")),
      eFDOpti(add<EditField>("eFDOpti")),
      eCoefMulti(add<EditField>("eCoefMulti")),
      eFocAct2(add<EditField>("eFocAct2")),
      eEchCP(add<EditField>("eEchCP")),
      eEchConsCP(add<EditField>("eEchConsCP")),
      eFocConsCP(add<EditField>("eFocConsCP")),
      eFocCalcCP(add<EditField>("eFocCalcCP")),
      eCoefCP(add<EditField>("eCoefCP")),
      TrackBar1(add<TrackBar>("TrackBar1", 0, 25, 15)),
      memoAide(add<Memo>("memoAide")),
      labMail(add<Label>("labMail")),
      bbRun(add<Button>("bbRun", "Lancer le programme")),
      m_host(host),
      m_dialogs(dialogs),
      m_env(std::move(environment)),
      m_catalogue(catalogue),
      m_catalogueProblems(std::move(catalogueProblems)) {
    // Results are shown in read-only, disabled fields.
    for (EditField* result : {&eFD, &ePR, &ePS, &eTaillePixelsMMX, &eTaillePixelsMMY, &eTaillePixelsMMD, &eEchant,
                              &eChampHor, &eChampVer, &eChampPlaH, &eChampPlaV, &eSepPx, &eSepSec, &eFocTh,
                              &eFocReel, &eFDAct, &eFDOpti, &eCoefMulti, &eFocAct2, &eEchCP, &eEchConsCP,
                              &eFocConsCP, &eFocCalcCP, &eCoefCP, &eDate, &eDiamAnnSat, &eDiamCapt, &eTps,
                              &eChampPhotoV, &eChampPhotoH}) {
        result->setReadOnly(true);
        result->setEnabled(false);
    }
    for (EditField* input : {&eNomCamera, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY}) {
        input->setEnabled(false);
    }
    eNomCamera.setText(std::string(kUnknown));
    rgFiltre.select(0);
    rgPixelC.select(0);
    cbCapteurs.select(0);
    rgSaisieSep.select(0);
    eSepManuelle.setEnabled(false);
    rgPlaCP.select(0);
    cbSurEch.setText("2");
    cbSurEch.setVisible(false);
    memoAide.setText(std::string(kHelpText) + "\n\nLa configuration est enregistrée dans le fichier " +
                     m_env.configPath + ".\n");
    labMail.setCaption(std::string(kContactAddress));
    labMail.setHint("Double-cliquer pour envoyer un mail");
    // What each bitmap button does, as its tooltip.
    const std::pair<Button*, const char*> hints[] = {
        {&bbRAZ, "Effacer les champs de la page affichée"},
        {&bbChargeConfig, "Relire la configuration sauvegardée"},
        {&bbSauveConfig, "Sauvegarder l'instrument et le capteur"},
        {&bbQuit, "Quitter le programme"},
        {&bbTelescopes, "Choisir un télescope et un réducteur ou multiplicateur de focale"},
        {&bbCameras, "Choisir une caméra dans la liste de caméras"},
        {&bbAPN, "Choisir un appareil photo numérique dans la liste"},
        {&bbDate, "Changer la date ; un clic droit prend la date du jour"},
        {&bbRun, "Accéder aux onglets du programme"},
    };
    for (const auto& [button, hint] : hints) button->setHint(hint);
    for (EditField* coordinate : {&eObjet1X, &eObjet1Y, &eObjet2X, &eObjet2Y}) {
        coordinate->setHint("Saisir les coordonnées X et Y relevées sur l'image");
    }
    wireParametragePage();
    wireImageriePage();
    wireCalculsPage();
    wireDrawingPages();
    wireTelescopeFlow();
    wireModelLists();
    wireUserEquipment();
    wireFrame();
}

namespace {

// Keeps each start-up failure once, to be shown when the window is up.
class StartupReporter : public form::ErrorReporter {
public:
    void report(const std::string& message) override {
        if (std::find(messages.begin(), messages.end(), message) == messages.end()) messages.push_back(message);
    }
    std::vector<std::string> messages;
};

}  // namespace

std::vector<std::string> MainForm::start() {
    StartupReporter startup;
    form::ErrorReporter& reporter = guard().reporter();
    guard().setReporter(startup);

    // The About page alone, behind the tab mask, until "Lancer le programme".
    TabbedNotebook1.setActivePage(7);
    pMasqueOnglets.setVisible(true);
    TabbedNotebook1.setEnabled(false);  // the mask keeps the tabs out of reach
    bbRAZ.setEnabled(false);
    bbChargeConfig.setEnabled(false);
    bbSauveConfig.setEnabled(false);
    pImaPla.setVisible(true);
    pImaCP.setVisible(false);
    diameterUnit = ephem::DiameterUnit::Seconds;
    photoFieldArcmin = 300;  // the built-in M 31 picture's field
    PhotoObjet.setPicture(std::function<drawings::Bitmap()>(drawings::startPicture));

    // Each step that can fail is reported on its own, and start-up goes on.
    for (const auto& problem : m_catalogueProblems) startup.report(problem);
    guard().run([this] { load(); });
    guard().run([this] {
        selectMainSensorRowOf(sensorName);
        eNomCamera.setText(cameraName);
    });
    const std::pair<EditField*, std::function<void(const std::string&)>> records[] = {
        {&eDiam, [this](const std::string& t) { instrument.diameter = core::parseReal(t); }},
        {&eFocale, [this](const std::string& t) { instrument.focal = core::parseReal(t); }},
        {&eNbPixelsX, [this](const std::string& t) { sensor.pixelsX = core::parseInteger(t); }},
        {&eNbPixelsY, [this](const std::string& t) { sensor.pixelsY = core::parseInteger(t); }},
        {&eTaillePixelsX, [this](const std::string& t) { sensor.pixelWidth = core::parseReal(t); }},
        {&eTaillePixelsY, [this](const std::string& t) { sensor.pixelHeight = core::parseReal(t); }},
    };
    for (const auto& record : records) {
        // An empty field is not a failure: its change handling ignores it too.
        const EditField& field = *record.first;
        const auto& parse = record.second;
        if (!field.empty()) guard().run([&field, &parse] { parse(field.text()); });
    }
    guard().run([this] { reportIncompleteSavedSensor(); });
    guard().run([this] {
        const form::CalendarDate today = m_env.today ? m_env.today() : form::CalendarDate{2000, 1, 1};
        m_dialogs.date.MonthCalendar1.setDate(today);
        ephemerisDate = {static_cast<std::uint16_t>(today.day), static_cast<std::uint16_t>(today.month),
                         static_cast<std::uint16_t>(today.year)};
        eDate.setText(dateText(today));
        rgPlanetes.select(ephem::kJupiter);
        pmPlanetes.check(ephem::kJupiter);
    });
    guard().run([this] { followMainSensorRow(); });
    guard().setReporter(reporter);
    return startup.messages;
}

std::string findData(const std::string& programFolder, const std::string& relative) {
    std::error_code error;
    for (const std::string& folder : {programFolder, programFolder + "/../share/quarvel", std::string("/usr/share/quarvel")}) {
        if (std::filesystem::exists(folder + "/" + relative, error)) return folder + "/" + relative;
    }
    return {};
}

// A sensor saved with empty or zero numbers (edited by hand, or by older
// versions) is said once here; the pages then leave what needs it empty.
void MainForm::reportIncompleteSavedSensor() {
    for (const EditField* field : {&eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY}) {
        const auto value = core::tryParseReal(field->text());
        if (field->empty() || (value && *value == 0)) core::throwIncompleteSensor();
    }
}

}  // namespace quarvel::ui
