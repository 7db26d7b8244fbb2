// SPDX-License-Identifier: GPL-3.0-or-later
// The three drawing pages: the sensor against the 24 x 36 mm frame, the planet
// to scale, the sensor's field over a photograph, and their sensor lists,
// which keep every page on the same sensor.
#include <algorithm>
#include <filesystem>

#include "catalogues/sensors.h"
#include "core/number_format.h"
#include "ephem/ephemeris.h"
#include "ui/drawings/photo_overlay.h"
#include "ui/drawings/sensor_drawing.h"
#include "ui/main_form.h"

namespace quarvel::ui {

namespace {

constexpr int kManualTabRow = 0;
// The paint box's place on its page.
constexpr int kPlanetBoxLeft = 90;
constexpr int kPlanetBoxTop = 80;

}  // namespace

void MainForm::wireDrawingPages() {
    pCapteurs1.setBounds(drawings::kReferenceFrame.left, drawings::kReferenceFrame.top,
                         drawings::kReferenceFrame.width(), drawings::kReferenceFrame.height());
    pCapteurs2.setBounds(231, 225, 69, 46);
    pCapteurs3.setBounds(drawings::kReferenceFrame.left, drawings::kReferenceFrame.top,
                         drawings::kReferenceFrame.width(), drawings::kReferenceFrame.height());
    pCapteurs3.setCaption("24 x 36 mm");
    pCapteurs3.setVisible(false);
    labTailleRefH.setCaption("36 mm");
    labTailleRefV.setCaption("24 mm");
    labTailleMMCapt.setCaption("... x ... mm");
    pbDessinPla.setBounds(kPlanetBoxLeft, kPlanetBoxTop, 360, 240);
    labPhoto.setCaption("M 31 (5°)");

    cbCapteursPict.onChange = [this] { tabSensorChange(cbCapteursPict); };
    cbCapteursPla.onChange = [this] { tabSensorChange(cbCapteursPla); };
    cbCapteursPhoto.onChange = [this] { tabSensorChange(cbCapteursPhoto); };

    pmDessinPla.onChoose = [this](int index) {
        sensor.pixelsX = drawings::kRegions[index].pixelsX;
        sensor.pixelsY = drawings::kRegions[index].pixelsY;
        pmDessinPla.check(index);
        drawPlanet();
    };
    pmPlanetes.onChoose = [this](int index) {
        pmPlanetes.check(index);
        rgPlanetes.select(index);
        labDessinPlaNom.setCaption(rgPlanetes.items()[static_cast<std::size_t>(index)]);
        drawPlanet();
    };
    pmPhotos.onChoose = [this](int index) {
        const auto& photo = drawings::kPhotographs[index];
        labPhoto.setCaption(photo.label);
        loadPhotograph(photo.file);
        photoFieldArcmin = photo.fieldArcmin;
        drawPhotoFrame();
    };
}

bool MainForm::regionMenuOpens(bool rightButton) const { return rightButton && sensorName == "MT9M001"; }

void MainForm::lookupTab(ListControl& list, core::SensorValues& values) {
    if (const auto found = m_catalogue.tabSensor(list.text(), sensor)) values = *found;
}

// Start-up: the sensor page's steps, then the planet and photo lists' lookups.
void MainForm::followMainSensorRow() {
    showSensorPage();
    lookupTab(cbCapteursPla, planetSensor);
    drawSensorComparison(planetSensor, cbCapteursPla.text());
    lookupTab(cbCapteursPhoto, photoSensor);
}

// The same reaction for the three lists, in the order each page takes its steps.
void MainForm::tabSensorChange(ListControl& list) {
    if (list.selected() < 0) list.select(kManualTabRow);
    const int row = list.selected();
    if (&list == &cbCapteursPict) {
        lookupTab(cbCapteursPict, drawingSensor);
        drawSensorComparison(drawingSensor, cbCapteursPict.text());
    } else if (&list == &cbCapteursPla) {
        lookupTab(cbCapteursPla, planetSensor);
        drawSensorComparison(planetSensor, cbCapteursPla.text());
        static_cast<core::SensorValues&>(sensor) = planetSensor;
    } else {
        lookupTab(cbCapteursPhoto, photoSensor);
        static_cast<core::SensorValues&>(sensor) = photoSensor;
        reloadPhotograph();
        drawPhotoFrame();
    }
    followTabRow(list, row);
    // Drawn after the recompute, at the new sensor's sampling.
    if (&list == &cbCapteursPla) drawPlanet();
    if (&list == &cbCapteursPla) labDessinPlaCapteur.setCaption(sensorName);
    if (&list == &cbCapteursPhoto) {
        labPhotoCapteur.setCaption(sensorName);
        labPhotoTelescope.setCaption(instrument.telescopeLabel);
    }
}

// The other lists and the parameter page follow a tab list's row.
void MainForm::followTabRow(ListControl& changed, int tabRow) {
    const std::pair<ListControl*, core::SensorValues*> tabs[] = {
        {&cbCapteursPict, &drawingSensor}, {&cbCapteursPla, &planetSensor}, {&cbCapteursPhoto, &photoSensor}};
    for (const auto& [other, values] : tabs) {
        if (other == &changed) continue;
        other->select(tabRow);
        lookupTab(*other, *values);
        if (other != &cbCapteursPhoto) drawSensorComparison(*values, other->text());
    }
    if (tabRow == kManualTabRow) {
        // "Saisie manuelle" keeps the sensor typed on the parameter page: its
        // list shows hand entry, and nothing there is cleared.
        cbCapteurs.select(0);
        recompute();
        return;
    }
    cbCapteurs.select(tabRow + catalogues::kTabListOffset);
    m_catalogue.lookupSensor(catalogues::nameOfEntry(cbCapteurs.text()), catalogueSensor);
    cameraName = std::string(kUnknown);
    eNomCamera.setText(cameraName);
    applySensorChoice();
    recompute();
}

void MainForm::drawSensorComparison(const core::SensorValues& values, const std::string& entryText) {
    const auto drawing = drawings::drawSensorComparison(values, entryText);
    labTailleRefV.setVisible(!drawing.frameOverSensor);
    pCapteurs3.setVisible(drawing.frameOverSensor);
    pCapteurs2.setBounds(drawing.sensor.left, drawing.sensor.top, drawing.sensor.width(), drawing.sensor.height());
    labTailleMMCapt.setCaption(drawing.sizeText);
}

bool MainForm::sensorIncomplete() const {
    return sensor.pixelsX == 0 || sensor.pixelsY == 0 || sensor.pixelWidth == 0 || sensor.pixelHeight == 0;
}

void MainForm::drawPlanet() {
    if (sensorIncomplete()) {
        // An empty sensor, said once at start: an empty box, no message.
        pbDessinPla.setDrawing(drawings::PlanetDrawing{});
        return;
    }
    drawings::PlanetInputs in;
    in.sensor = sensor;
    in.sampling = sampling;
    in.diameterArcsec = apparentDiameter.arcsec;
    in.object = rgPlanetes.selected();
    in.year = ephemerisDate.year;
    in.month = ephemerisDate.month;
    const auto drawing = drawings::drawPlanet(in);
    pbDessinPla.setBounds(kPlanetBoxLeft, kPlanetBoxTop, drawing.width, drawing.height);
    pbDessinPla.setDrawing(drawing);
    labDessinPlaNom.setBounds(kPlanetBoxLeft, kPlanetBoxTop + drawing.nameTop, 361, 0);
    labDessinPlaCapteur.setBounds(kPlanetBoxLeft, kPlanetBoxTop + drawing.sensorTop, 361, 0);
    labDessinPlaTelescope.setBounds(kPlanetBoxLeft, kPlanetBoxTop + drawing.telescopeTop, 361, 0);
}

void MainForm::loadPhotograph(const std::string& file) {
    // The working directory first, then the program's data folders; a file
    // found nowhere is reported where it was looked for first.
    std::string path = file;
    std::error_code error;
    if (!m_env.programFolder.empty() && !std::filesystem::exists(file, error)) {
        if (std::string found = findData(m_env.programFolder, file); !found.empty()) path = std::move(found);
    }
    PhotoObjet.setPicture(drawings::loadBitmap(path));
}

void MainForm::reloadPhotograph() {
    if (const auto* photo = drawings::photographFor(photoFieldArcmin)) loadPhotograph(photo->file);
}

void MainForm::drawPhotoFrame() {
    const auto frame = drawings::photoFrame(photoSensor, instrument.focal, photoFieldArcmin);
    photoSensorFieldX = frame.fieldXArcmin;
    photoSensorFieldY = frame.fieldYArcmin;
    eChampPhotoH.setText(core::fixed(photoSensorFieldY, 10, 2));
    eChampPhotoV.setText(core::fixed(photoSensorFieldX, 10, 2));
    drawings::Bitmap picture = PhotoObjet.picture();
    drawings::drawFrame(picture, frame.frame);
    PhotoObjet.setPicture(std::move(picture));
    labPhotoCapteur.setCaption(sensorName);
    labPhotoTelescope.setCaption(instrument.telescopeLabel);
}

void MainForm::showSensorPage() {
    syncTabLists();
    drawSensorComparison(drawingSensor, cbCapteursPict.text());
}

// The drawing pages follow the parameter page's sensor: a catalogue row is
// the same sensor there, any command row their "Saisie manuelle", which
// copies the current numbers.
void MainForm::syncTabLists() {
    const int tabRow = std::max(kManualTabRow, catalogues::tabRowForMainRow(cbCapteurs.selected()));
    const std::pair<ListControl*, core::SensorValues*> tabs[] = {
        {&cbCapteursPict, &drawingSensor}, {&cbCapteursPla, &planetSensor}, {&cbCapteursPhoto, &photoSensor}};
    for (const auto& [list, values] : tabs) {
        list->select(tabRow);
        lookupTab(*list, *values);
    }
}

void MainForm::showPlanetPage() {
    drawPlanet();
    const int object = rgPlanetes.selected();
    labDessinPlaNom.setCaption(object >= 0 ? rgPlanetes.items()[static_cast<std::size_t>(object)] : "");
    labDessinPlaCapteur.setCaption(sensorName);
    labDessinPlaTelescope.setCaption(instrument.telescopeLabel);
}

void MainForm::showPhotoPage() {
    reloadPhotograph();
    lookupTab(cbCapteursPhoto, photoSensor);
    drawPhotoFrame();
}

}  // namespace quarvel::ui
