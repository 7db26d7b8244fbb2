// SPDX-License-Identifier: GPL-3.0-or-later
// The three drawing pages: the sensor against the 24 x 36 mm frame, the planet
// to scale, the sensor's field over a photograph, and their sensor lists.
#include "ui/drawing_pages.h"

#include <algorithm>
#include <filesystem>

#include "catalogues/sensors.h"
#include "core/number_format.h"
#include "ui/drawings/photo_overlay.h"
#include "ui/drawings/planet_drawing.h"
#include "ui/drawings/sensor_drawing.h"
#include "ui/imagerie_page.h"
#include "ui/names.h"
#include "ui/parametrage_page.h"

namespace quarvel::ui {

namespace {

// The paint box's place on its page.
constexpr int kPlanetBoxLeft = 90;
constexpr int kPlanetBoxTop = 80;

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

}  // namespace

SensorDrawingPage::SensorDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue)
    : Part(window),
      cbCapteursPict(add<ListControl>("cbCapteursPict", catalogue.tabSensorEntries())),
      pCapteurs1(add<Label>("pCapteurs1")),
      pCapteurs2(add<Label>("pCapteurs2")),
      pCapteurs3(add<Label>("pCapteurs3")),
      labTailleRefH(add<Label>("labTailleRefH")),
      labTailleRefV(add<Label>("labTailleRefV")),
      labTailleMMCapt(add<Label>("labTailleMMCapt")),
      m_catalogue(catalogue) {
    const auto& frame = drawings::kReferenceFrame;
    pCapteurs1.setBounds(frame.left, frame.top, frame.width(), frame.height());
    pCapteurs2.setBounds(231, 225, 69, 46);
    pCapteurs3.setBounds(frame.left, frame.top, frame.width(), frame.height());
    pCapteurs3.setCaption("24 x 36 mm");
    pCapteurs3.setVisible(false);
    labTailleRefH.setCaption("36 mm");
    labTailleRefV.setCaption("24 mm");
    labTailleMMCapt.setCaption("... x ... mm");
}

void SensorDrawingPage::draw(const core::SensorValues& values, const std::string& entryText) {
    const auto* row = m_catalogue.findSensor(catalogues::nameOfEntry(entryText));
    const auto drawing = drawings::drawSensorComparison(values, row && row->facts && row->facts->largerThanFullFrame);
    labTailleRefV.setVisible(!drawing.frameOverSensor);
    pCapteurs3.setVisible(drawing.frameOverSensor);
    pCapteurs2.setBounds(drawing.sensor.left, drawing.sensor.top, drawing.sensor.width(), drawing.sensor.height());
    labTailleMMCapt.setCaption(drawing.sizeText);
}

PlanetDrawingPage::PlanetDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
                                     ImageriePage& imagerie)
    : Part(window),
      cbCapteursPla(add<ListControl>("cbCapteursPla", catalogue.tabSensorEntries())),
      eChampPlaH(add<EditField>("eChampPlaH")),
      eChampPlaV(add<EditField>("eChampPlaV")),
      pbDessinPla(add<form::PlanetBox>("pbDessinPla")),
      pmDessinPla(add<form::PopupMenu>("pmDessinPla", regionItems())),
      labDessinPlaNom(add<Label>("labDessinPlaNom")),
      pmPlanetes(add<form::PopupMenu>("pmPlanetes", objectItems())),
      labDessinPlaCapteur(add<Label>("labDessinPlaCapteur")),
      labDessinPlaTelescope(add<Label>("labDessinPlaTelescope")),
      m_catalogue(catalogue),
      m_session(session),
      m_imagerie(imagerie) {
    showsResults({&eChampPlaH, &eChampPlaV});
    for (Label* name : {&labDessinPlaCapteur, &labDessinPlaTelescope}) name->setShowsData(true);
    pbDessinPla.setBounds(kPlanetBoxLeft, kPlanetBoxTop, 360, 240);
    pmDessinPla.onChoose = [this](int index) {
        m_session.sensor.pixelsX = drawings::kRegions[index].pixelsX;
        m_session.sensor.pixelsY = drawings::kRegions[index].pixelsY;
        pmDessinPla.check(index);
        draw();
    };
    pmPlanetes.onChoose = [this](int index) {
        pmPlanetes.check(index);
        m_imagerie.selectObject(index);
        labDessinPlaNom.setCaption(m_imagerie.objectName());
        draw();
    };
}

bool PlanetDrawingPage::regionMenuOpens(bool rightButton) const {
    const auto* row = m_catalogue.findSensor(m_session.sensorName);
    return rightButton && row && row->facts && row->facts->regionsOfInterest;
}

void PlanetDrawingPage::draw() {
    if (m_session.sensorIncomplete()) {
        // An empty sensor, said once at start: an empty box, no message.
        pbDessinPla.setDrawing(drawings::PlanetDrawing{});
        return;
    }
    drawings::PlanetInputs in;
    in.sensor = m_session.sensor;
    in.sampling = m_session.samplingArcsec;
    in.diameterArcsec = m_imagerie.apparentDiameterArcsec();
    in.body = bodyOfRow(m_imagerie.objectRow());
    in.year = m_session.date.year;
    in.month = m_session.date.month;
    const auto drawing = drawings::drawPlanet(in);
    pbDessinPla.setBounds(kPlanetBoxLeft, kPlanetBoxTop, drawing.width, drawing.height);
    pbDessinPla.setDrawing(drawing);
    labDessinPlaNom.setBounds(kPlanetBoxLeft, kPlanetBoxTop + drawing.nameTop, 361, 0);
    labDessinPlaCapteur.setBounds(kPlanetBoxLeft, kPlanetBoxTop + drawing.sensorTop, 361, 0);
    labDessinPlaTelescope.setBounds(kPlanetBoxLeft, kPlanetBoxTop + drawing.telescopeTop, 361, 0);
}

void PlanetDrawingPage::show() {
    draw();
    labDessinPlaNom.setCaption(m_imagerie.objectName());
    labDessinPlaCapteur.setCaption(m_session.sensorName);
    showTelescope();
}

void PlanetDrawingPage::showField(const std::string& horizontal, const std::string& vertical) {
    eChampPlaH.setText(horizontal);
    eChampPlaV.setText(vertical);
}

void PlanetDrawingPage::showTelescope() { labDessinPlaTelescope.setCaption(m_session.instrument.telescopeLabel); }

PhotoPage::PhotoPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
                     std::vector<std::string> dataFolders)
    : Part(window),
      cbCapteursPhoto(add<ListControl>("cbCapteursPhoto", catalogue.tabSensorEntries())),
      eChampPhotoV(add<EditField>("eChampPhotoV")),
      eChampPhotoH(add<EditField>("eChampPhotoH")),
      labPhoto(add<Label>("labPhoto")),
      pmPhotos(add<form::PopupMenu>("pmPhotos", photoItems())),
      PhotoObjet(add<form::Picture>("PhotoObjet")),
      labPhotoCapteur(add<Label>("labPhotoCapteur")),
      labPhotoTelescope(add<Label>("labPhotoTelescope")),
      m_session(session),
      m_dataFolders(std::move(dataFolders)) {
    showsResults({&eChampPhotoV, &eChampPhotoH});
    for (Label* name : {&labPhotoCapteur, &labPhotoTelescope}) name->setShowsData(true);
    labPhoto.setCaption("M 31 (5°)");
    PhotoObjet.setPicture(std::function<drawings::Bitmap()>(drawings::startPicture));
    pmPhotos.onChoose = [this](int index) {
        const auto& photo = drawings::kPhotographs[index];
        labPhoto.setCaption(photo.label);
        loadPhotograph(photo.file);
        m_photoFieldArcmin = photo.fieldArcmin;
        drawFrame();
    };
}

void PhotoPage::loadPhotograph(const std::string& file) {
    // The working directory first, then the program's data folders; a file
    // found nowhere is reported where it was looked for first.
    std::string path = file;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        if (std::string found = findData(m_dataFolders, file); !found.empty()) path = std::move(found);
    }
    PhotoObjet.setPicture(drawings::loadBitmap(path));
}

void PhotoPage::reloadPhotograph() {
    if (const auto* photo = drawings::photographFor(m_photoFieldArcmin)) loadPhotograph(photo->file);
}

void PhotoPage::drawFrame() {
    const auto frame = drawings::photoFrame(sensor, m_session.instrument.focalMm, m_photoFieldArcmin);
    eChampPhotoH.setText(core::fixed(frame.fieldYArcmin, 10, 2));
    eChampPhotoV.setText(core::fixed(frame.fieldXArcmin, 10, 2));
    drawings::Bitmap picture = PhotoObjet.picture();
    drawings::drawFrame(picture, frame.frame);
    PhotoObjet.setPicture(std::move(picture));
    labPhotoCapteur.setCaption(m_session.sensorName);
    labPhotoTelescope.setCaption(m_session.instrument.telescopeLabel);
}

SensorTabs::SensorTabs(const catalogues::Catalogue& catalogue, Session& session, ParametragePage& parametrage,
                       SensorDrawingPage& sensorPage, PlanetDrawingPage& planetPage, PhotoPage& photoPage)
    : m_catalogue(catalogue),
      m_session(session),
      m_parametrage(parametrage),
      m_sensorPage(sensorPage),
      m_planetPage(planetPage),
      m_photoPage(photoPage),
      m_tabs{{sensorPage.cbCapteursPict, sensorPage.sensor},
             {planetPage.cbCapteursPla, planetPage.sensor},
             {photoPage.cbCapteursPhoto, photoPage.sensor}} {
    for (const Tab& tab : m_tabs) tab.list.onChange = [this, &list = tab.list] { change(list); };
}

void SensorTabs::refreshLists() {
    for (const Tab& tab : m_tabs) tab.list.setItems(m_catalogue.tabSensorEntries());
}

// "Saisie manuelle" is the parameter page's current sensor, a sensor's row
// that sensor; no row, nothing.
void SensorTabs::lookup(const Tab& tab) {
    if (tab.list.selected() == kManualTabRow) {
        tab.sensor = m_session.sensor;
    } else if (const auto* row = m_catalogue.findSensor(catalogues::nameOfEntry(tab.list.text()))) {
        tab.sensor = row->values;
    }
}

void SensorTabs::showStart() {
    showSensorPage();
    lookup(m_tabs[1]);
    m_sensorPage.draw(m_planetPage.sensor, m_planetPage.cbCapteursPla.text());
    lookup(m_tabs[2]);
}

// The same reaction for the three lists, in the order each page takes its steps.
void SensorTabs::change(ListControl& list) {
    if (list.selected() < 0) list.select(kManualTabRow);
    const int row = list.selected();
    if (&list == &m_tabs[0].list) {
        lookup(m_tabs[0]);
        m_sensorPage.draw(m_sensorPage.sensor, list.text());
    } else if (&list == &m_tabs[1].list) {
        lookup(m_tabs[1]);
        m_sensorPage.draw(m_planetPage.sensor, list.text());
        static_cast<core::SensorValues&>(m_session.sensor) = m_planetPage.sensor;
    } else {
        lookup(m_tabs[2]);
        static_cast<core::SensorValues&>(m_session.sensor) = m_photoPage.sensor;
        m_photoPage.reloadPhotograph();
        m_photoPage.drawFrame();
    }
    followRow(list, row);
    // Drawn after the recompute, at the new sensor's sampling.
    if (&list == &m_tabs[1].list) {
        m_planetPage.draw();
        m_planetPage.labDessinPlaCapteur.setCaption(m_session.sensorName);
    }
    if (&list == &m_tabs[2].list) {
        m_photoPage.labPhotoCapteur.setCaption(m_session.sensorName);
        m_photoPage.labPhotoTelescope.setCaption(m_session.instrument.telescopeLabel);
    }
}

// The other lists and the parameter page follow a list's row.
void SensorTabs::followRow(const ListControl& changed, int row) {
    for (const Tab& tab : m_tabs) {
        if (&tab.list == &changed) continue;
        tab.list.select(row);
        lookup(tab);
        if (&tab.list != &m_tabs[2].list) m_sensorPage.draw(tab.sensor, tab.list.text());
    }
    m_parametrage.followTabRow(row);
    recompute();
}

void SensorTabs::showSensorPage() {
    follow();
    m_sensorPage.draw(m_sensorPage.sensor, m_sensorPage.cbCapteursPict.text());
}

void SensorTabs::showPhotoPage() {
    m_photoPage.reloadPhotograph();
    lookup(m_tabs[2]);
    m_photoPage.drawFrame();
}

// The drawing pages follow the parameter page's sensor: a catalogue row is
// the same sensor there, any command row their "Saisie manuelle", which
// copies the current numbers.
void SensorTabs::follow() {
    const int row = std::max(kManualTabRow, catalogues::tabRowForMainRow(m_parametrage.sensorRow()));
    for (const Tab& tab : m_tabs) {
        tab.list.select(row);
        lookup(tab);
    }
}

std::vector<std::string> dataFoldersOf(const std::string& programFolder) {
    return {programFolder, programFolder + "/../share/quarvel", "/usr/share/quarvel"};
}

std::string findData(const std::vector<std::string>& folders, const std::string& relative) {
    std::error_code error;
    for (const std::string& folder : folders) {
        if (std::filesystem::exists(folder + "/" + relative, error)) return folder + "/" + relative;
    }
    return {};
}

}  // namespace quarvel::ui
