// SPDX-License-Identifier: GPL-3.0-or-later
// The three drawing pages: the sensor against the 24 x 36 mm frame, the planet
// to scale, the sensor's field over a photograph, and their sensor lists.
#include "ui/drawing_pages.h"

#include "config/file_io.h"
#include "sky/coordinates.h"
#include "sky/projection.h"

#include "ui/messages.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "catalogues/sensors.h"
#include "core/constants.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/drawings/photo_overlay.h"
#include "ui/drawings/planet_drawing.h"
#include "ui/drawings/sensor_drawing.h"
#include "ui/names.h"
#include "ui/result_table.h"

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
    return {{"pumSoleil", "Soleil"},   {"pumLune", "Lune"},       {"pumMercure", "Mercure"},
            {"pumVenus", "Vénus"},     {"pumMars", "Mars"},       {"pumJupiter", "Jupiter"},
            {"pumSaturne", "Saturne"}, {"pumUranus", "Uranus"},   {"pumNeptune", "Neptune"},
            {"pumPleiades", "Pléiades"}};
}

std::vector<form::MenuItem> photoItems() {
    std::vector<form::MenuItem> items;
    for (const auto& photo : drawings::kPhotographs) items.push_back({photo.item, photo.caption, false});
    return items;
}

}  // namespace

SensorDrawingPage::SensorDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue)
    : Part(window),
      cbCapteursPict(add<ListControl>("cbCapteursPict", listItems(catalogue.tabSensorEntries()))),
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

void SensorDrawingPage::draw(const core::SensorValues& values, std::string_view sensorName) {
    const auto* row = m_catalogue.findSensor(sensorName);
    const auto drawing = drawings::drawSensorComparison(values, row && row->facts && row->facts->largerThanFullFrame);
    labTailleRefV.setVisible(!drawing.frameOverSensor);
    pCapteurs3.setVisible(drawing.frameOverSensor);
    pCapteurs2.setBounds(drawing.sensor.left, drawing.sensor.top, drawing.sensor.width(), drawing.sensor.height());
    labTailleMMCapt.setCaption(drawing.sizeText);
}

PlanetDrawingPage::PlanetDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
                                     std::function<void(int row)> chooseObject)
    : Part(window),
      cbCapteursPla(add<ListControl>("cbCapteursPla", listItems(catalogue.tabSensorEntries()))),
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
      m_chooseObject(std::move(chooseObject)) {
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
        m_chooseObject(index);
        labDessinPlaNom.setCaption(m_session.objectName);
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
    in.diameterArcsec = m_session.apparentDiameterArcsec;
    in.body = bodyOfRow(m_session.objectRow);
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
    labDessinPlaNom.setCaption(m_session.objectName);
    labDessinPlaCapteur.setCaption(m_session.sensorName);
    showTelescope();
}

void PlanetDrawingPage::showField(const setup::Results& results) {
    eChampPlaH.setText(core::display(results.fieldHorizontalArcmin.get(), 2));
    eChampPlaV.setText(core::display(results.fieldVerticalArcmin.get(), 2));
}

void PlanetDrawingPage::showTelescope() { labDessinPlaTelescope.setCaption(m_session.instrument.telescopeLabel); }

void PlanetDrawingPage::showSensorName() { labDessinPlaCapteur.setCaption(m_session.sensorName); }

void PhotoPage::showNames() {
    labPhotoCapteur.setCaption(m_session.sensorName);
    labPhotoTelescope.setCaption(m_session.instrument.telescopeLabel);
}

namespace {

// The mouse's angle about the frame's centre, counter-clockwise from up, as
// the frame turns, in degrees.
double mouseAngleDeg(drawings::Point at, drawings::Point centre) {
    return std::atan2(-(at.x - centre.x), -(at.y - centre.y)) * core::kRadiansToDegrees;
}

// Whether a point of the canvas is inside a convex quadrilateral.
bool inside(const drawings::Quad& quad, drawings::Point at) {
    int sign = 0;
    for (std::size_t i = 0; i < quad.size(); ++i) {
        const auto& a = quad[i];
        const auto& b = quad[(i + 1) % quad.size()];
        const double cross = (b.x - a.x) * (at.y - a.y) - (b.y - a.y) * (at.x - a.x);
        const int side = cross > 0 ? 1 : cross < 0 ? -1 : 0;
        if (side != 0 && sign != 0 && side != sign) return false;
        if (side != 0) sign = side;
    }
    return true;
}

// A field's number, `empty` when nothing is typed; one outside the field's
// domain fails with the field's own message, which names its range.
double numberIn(const EditField& field, const core::NumberDomain& domain, double empty,
                void (*refuse)(std::string_view)) {
    if (field.empty()) return empty;
    const auto value = core::tryParseNumber(field.text(), domain);
    if (!value || !domain.contains(*value)) refuse(field.text());
    return *value;
}

}  // namespace

PhotoPage::PhotoPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
                     std::vector<std::string> dataFolders)
    : Part(window),
      cbCapteursPhoto(add<ListControl>("cbCapteursPhoto", listItems(catalogue.tabSensorEntries()))),
      eChampPhotoV(add<EditField>("eChampPhotoV")),
      eChampPhotoH(add<EditField>("eChampPhotoH")),
      labPhoto(add<Label>("labPhoto")),
      pmPhotos(add<form::PopupMenu>("pmPhotos", photoItems())),
      PhotoObjet(add<form::Picture>("PhotoObjet")),
      labPhotoCapteur(add<Label>("labPhotoCapteur")),
      labPhotoTelescope(add<Label>("labPhotoTelescope")),
      labLegende(add<Label>("labLegende")),
      eObjet(add<EditField>("eObjet")),
      eRotation(add<EditField>("eRotation")),
      eMosaiqueX(add<EditField>("eMosaiqueX")),
      eMosaiqueY(add<EditField>("eMosaiqueY")),
      eRecouvrement(add<EditField>("eRecouvrement")),
      labCadrage(add<Label>("labCadrage")),
      vueObjet(add<form::FramingBox>("vueObjet")),
      eCentre(add<EditField>("eCentre")),
      labCentre(add<Label>("labCentre")),
      bbAngleConseille(add<form::Button>("bbAngleConseille", "Appliquer cet angle")),
      tabPanneaux(add<ListControl>("tabPanneaux", std::vector<std::string>{})),
      bbExporterPanneaux(add<form::Button>("bbExporterPanneaux", "Exporter les panneaux…")),
      bbCopierPanneaux(add<form::Button>("bbCopierPanneaux", "Copier les panneaux")),
      bbMesurerImage(add<form::Button>("bbMesurerImage", "Mesurer une image…")),
      labMesure(add<Label>("labMesure")),
      bbReprendreCadrage(add<form::Button>("bbReprendreCadrage", "Reprendre ce cadrage")),
      bbFwhmTurbulence(add<form::Button>("bbFwhmTurbulence", "FWHM vers turbulence")),
      bbResoudreImage(add<form::Button>("bbResoudreImage", "Résoudre l'image")),
      m_catalogue(catalogue),
      m_session(session),
      m_dataFolders(std::move(dataFolders)) {
    showsResults({&eChampPhotoV, &eChampPhotoH});
    eObjet.setHint("Un objet du ciel profond : M 31, NGC 7000, C 14, ou son nom");
    eRotation.setHint(
        "Angle de position du haut du capteur, en degrés du nord vers l'est, comme le donnent la résolution "
        "astrométrique et les logiciels d'acquisition ; ou tirer à la souris hors du cadre");
    eCentre.setHint("Centre du cadre, J2000 : 05h35m17s -05°23'28\", 5:35:17 -5:23:28 ou 83.82 -5.39 ; "
                    "ou tirer le cadre à la souris");
    bbExporterPanneaux.setHint("Enregistrer les panneaux en CSV, colonnes d'un plan de mosaïque Telescopius");
    bbCopierPanneaux.setHint("Copier les panneaux en CSV");
    bbAngleConseille.setHint("Tourner le cadre à l'angle où l'objet tient");
    bbMesurerImage.setHint("Résoudre une de vos images (FITS, brute, TIFF, PNG ou JPEG) avec astrometry.net et la "
                           "comparer au calcul");
    bbReprendreCadrage.setHint("Centrer et tourner le cadre comme l'image");
    bbFwhmTurbulence.setHint("Prendre la FWHM des étoiles de l'image comme turbulence du site (page Imagerie)");
    bbResoudreImage.setHint("Résoudre l'image avec astrometry.net au lieu de la solution que porte son fichier");
    bbReprendreCadrage.setVisible(false);
    bbFwhmTurbulence.setVisible(false);
    bbResoudreImage.setVisible(false);
    bbMesurerImage.onClick = [this] { measureImage(); };
    bbResoudreImage.onClick = [this] { startMeasure(true); };
    bbReprendreCadrage.onClick = [this] {
        if (!m_solved) return;
        const sky::Equatorial centre = m_solved->measure.centre;
        if (!chartObject()) chartPlace({centre.raDeg, centre.decDeg});
        m_frameCentre = catalogues::SkyPoint{centre.raDeg, centre.decDeg};
        eRotation.setText(core::fixed(m_solved->measure.rotationDeg, 10, 1));
        drawObject();
    };
    bbFwhmTurbulence.onClick = [this] {
        if (!m_solved || !m_solved->measure.fwhmPixels || !useSeeing) return;
        useSeeing(*m_solved->measure.fwhmPixels * m_solved->measure.arcsecPerPixel);
    };
    labCentre.setShowsData(true);
    tabPanneaux.setDataFromRow(0);
    bbAngleConseille.setVisible(false);
    eCentre.onEnter = [this] {
        if (eCentre.empty()) {
            m_frameCentre.reset();
        } else {
            const auto typed = sky::parseEquatorial(eCentre.text());
            if (!typed) core::throwBadCoordinates(eCentre.text());
            if (m_object) {
                m_frameCentre = catalogues::SkyPoint{typed->raDeg, typed->decDeg};
            } else {
                chartPlace({typed->raDeg, typed->decDeg});
            }
        }
        drawObject();
    };
    bbAngleConseille.onClick = [this] {
        if (m_advisedAngle) eRotation.setText(core::fixed(*m_advisedAngle, 10, 0));
    };
    bbExporterPanneaux.onClick = [this] {
        if (!askPanelsPath || m_panelsCsv.empty()) return;
        if (const auto path = askPanelsPath(m_panelsName + " - panneaux.csv")) config::replaceFile(*path, m_panelsCsv);
    };
    bbCopierPanneaux.onClick = [this] {
        if (copyText && !m_panelsCsv.empty()) copyText(m_panelsCsv);
    };
    eMosaiqueX.setHint("Nombre de poses en largeur, de 1 à 5");
    eMosaiqueY.setHint("Nombre de poses en hauteur, de 1 à 5");
    eRecouvrement.setHint("Recouvrement des poses voisines, en pour cent");
    eRotation.setText("0");
    eMosaiqueX.setText("1");
    eMosaiqueY.setText("1");
    eRecouvrement.setText("10");
    m_typed.overlapPercent = 10;
    for (EditField* real : {&eRotation, &eRecouvrement}) real->acceptDecimalComma();
    vueObjet.setVisible(false);
    eObjet.onEnter = [this] { chooseObject(); };
    // Each field says what is wrong with its own text, and the frame keeps
    // its last good value meanwhile: a wrong field never stops the others.
    eRotation.takesNumbers(core::NumberDomain::reals());
    eRotation.onChange = [this] {
        m_typed.rotationDeg = eRotation.empty() ? 0 : core::parseReal(eRotation.text());
        drawObject();
    };
    for (EditField* panels : {&eMosaiqueX, &eMosaiqueY}) {
        panels->takesNumbers(catalogues::kPanelsDomain);
        panels->onChange = [this, panels] {
            (panels == &eMosaiqueX ? m_typed.panelsX : m_typed.panelsY) =
                static_cast<int>(numberIn(*panels, catalogues::kPanelsDomain, 1, core::throwBadPanels));
            drawObject();
        };
    }
    vueObjet.onPress = [this](drawings::Point at) {
        const auto& scene = vueObjet.scene();
        m_dragMoves = inside(scene.mosaic, at);
        m_dragFromDeg = mouseAngleDeg(at, scene.frameCentre);
        m_rotationFromDeg = m_typed.rotationDeg;
        if (chartObject()) {
            m_pressedAt = drawings::skyAt(scene, m_chartCentre, at);
            m_frameAtPress = frameCentre();
        }
    };
    vueObjet.onDrag = [this](drawings::Point at) {
        if (m_dragMoves) {
            if (!chartObject()) return;
            // The frame follows the mouse over the sky, which stays: both on
            // the chart's plane.
            const catalogues::SkyPoint now = drawings::skyAt(vueObjet.scene(), m_chartCentre, at);
            const sky::Equatorial centre{m_chartCentre.raDeg, m_chartCentre.decDeg};
            const auto from = sky::project(centre, {m_pressedAt.raDeg, m_pressedAt.decDeg});
            const auto to = sky::project(centre, {now.raDeg, now.decDeg});
            const auto frame = sky::project(centre, {m_frameAtPress.raDeg, m_frameAtPress.decDeg});
            if (!from || !to || !frame) return;
            const sky::Equatorial moved =
                sky::deproject(centre, {frame->x + to->x - from->x, frame->y + to->y - from->y});
            m_frameCentre = catalogues::SkyPoint{moved.raDeg, moved.decDeg};
            drawObject();
            return;
        }
        double turned = std::fmod(m_rotationFromDeg + mouseAngleDeg(at, vueObjet.scene().frameCentre) - m_dragFromDeg, 360.0);
        if (turned < 0) turned += 360;
        eRotation.setText(core::fixed(std::round(turned * 10) / 10, 10, 1));
    };
    vueObjet.onZoom = [this](double factor) {
        if (!(factor > 0)) return;
        m_zoom *= factor;
        drawObject();
    };
    eRecouvrement.takesNumbers(catalogues::kOverlapDomain);
    eRecouvrement.onChange = [this] {
        m_typed.overlapPercent = numberIn(eRecouvrement, catalogues::kOverlapDomain, 0, core::throwBadOverlap);
        drawObject();
    };
    for (Label* name : {&labPhotoCapteur, &labPhotoTelescope}) name->setShowsData(true);
    labPhoto.setCaption("M 31 (5°)");
    PhotoObjet.setPicture(std::function<drawings::Bitmap()>(drawings::startPicture));
    pmPhotos.onChoose = [this](int index) {
        // A photograph of the menu, as it always was: nothing of the chart's
        // framing stays to be exported or measured against.
        m_object.reset();
        m_place.reset();
        m_frameCentre.reset();
        clearPanels();
        labCentre.setCaption("");
        bbAngleConseille.setVisible(false);
        vueObjet.setVisible(false);
        PhotoObjet.setVisible(true);
        labCadrage.setMessage(core::Message());
        labPhoto.setShowsData(false);
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
    if (m_object) {
        drawObject();
        return;
    }
    const auto frame = drawings::photoFrame(sensor(), m_session.instrument.focalMm, m_photoFieldArcmin);
    eChampPhotoH.setText(core::fixed(frame.fieldYArcmin, 10, 2));
    eChampPhotoV.setText(core::fixed(frame.fieldXArcmin, 10, 2));
    drawings::Bitmap picture = PhotoObjet.picture();
    drawings::drawFrame(picture, frame.frame);
    // The compared setups' frames over it, and the legend that names them.
    std::vector<std::size_t> drawn;
    for (std::size_t i = 0; i < m_compared.size() && i < std::size(drawings::kComparedColours); ++i) {
        const ComparedField& field = m_compared[i];
        try {
            drawings::drawFrame(picture, drawings::photoFrame(field.sensor, field.focalMm, m_photoFieldArcmin).frame,
                                drawings::kComparedColours[i], drawings::kComparedLines[i]);
            drawn.push_back(i);
        } catch (const core::QuarvelError&) {
            // a setup with no field: no frame, and no name for it
        }
    }
    showLegend(drawn);
    PhotoObjet.setPicture(std::move(picture));
    showNames();
}

// The left box holds the field across, the right one the field down.
std::vector<ResultLine> PhotoPage::resultLines() const {
    std::vector<ResultLine> lines;
    for (const auto& [row, field] : {std::pair{&kFieldHorizontal, &eChampPhotoV}, {&kFieldVertical, &eChampPhotoH}}) {
        if (field->empty()) continue;
        lines.push_back({core::Message(row->caption), {core::Message::data(field->text())}, core::Message(row->unit)});
    }
    return lines;
}

// "rouge : montage actuel ; vert : <name> ; ...", for the compared frames drawn.
void PhotoPage::showLegend(const std::vector<std::size_t>& drawn) {
    if (drawn.empty()) {
        labLegende.setMessage(core::Message());
        return;
    }
    core::Message joined(messages::kLegendCurrent);
    for (const std::size_t i : drawn) {
        joined = core::Message("%1 ; %2", {std::move(joined), core::Message(messages::kLegendColours[i],
                                                                             {core::Message::data(m_compared[i].name)})});
    }
    labLegende.setMessage(std::move(joined));
}

core::SensorValues PhotoPage::sensor() const { return tabSensor(cbCapteursPhoto, m_catalogue, m_session); }

core::SensorValues tabSensor(const ListControl& list, const catalogues::Catalogue& catalogue, const Session& session) {
    if (list.selected() != kManualTabRow) {
        if (const auto* row = catalogue.findSensor(list.selectedId())) return row->values;
    }
    return session.sensor;
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
