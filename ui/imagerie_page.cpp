// SPDX-License-Identifier: GPL-3.0-or-later
// The "Imagerie" page: the planetary panel with its apparent diameters and
// exposure limit, the deep-sky panel, and the ephemeris date.
#include <cstdio>

#include "core/checked.h"
#include "core/imaging.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/main_form.h"

namespace quarvel::ui {

using form::Control;

namespace {

constexpr std::string_view kSecondsSign = "\"";
constexpr std::string_view kMinutesSign = "'";

// Rotation periods in minutes, by object.
double rotationPeriodMinutes(int object) {
    switch (object) {
    case ephem::kMars: return 1477;
    case ephem::kJupiter: return 590;
    case ephem::kSaturn: return 632;
    default: return 0;
    }
}

bool isPlanet(int object) { return object >= ephem::kMars && object <= ephem::kSaturn; }
bool isDated(int object) { return object >= ephem::kSun && object <= ephem::kSaturn; }

}  // namespace

std::string dateText(form::CalendarDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%d", date.day, date.month, date.year);
    return text;
}

void MainForm::wireImageriePage() {
    labCompoDiamApp.setCaption("Diamètre Apparent");
    labDiamAppSec.setCaption(std::string(kSecondsSign));
    labDiamAppSec2.setCaption(std::string(kSecondsSign));
    labDateDiam.setCaption("Valeur calculée pour le");
    labAnneaux.setCaption("Diam. app. des anneaux");
    labTolerance.setCaption("Tolérance de bougé");
    labPixelB.setCaption("Pixel");
    labTps.setCaption("Temps de pose limite");
    labTpsSec.setCaption("secondes");
    labConseilTPL.setCaption("Valeur à diviser par le nombre de filtres utilisés pour l'imagerie RVB ou LRVB");
    eDiamApp.setText("15");
    eDiamApp.setEnabled(false);
    eTolBouge.setText("1");
    for (Control* ring : std::initializer_list<Control*>{&labAnneaux, &eDiamAnnSat, &labDiamAppSec2}) {
        ring->setVisible(false);
    }

    rgPlanetes.onClick = [this] { planetClick(); };
    labCompoDiamApp.onClick = [this] { unitClick(); };
    eDiamApp.onChange = [this] {
        if (eDiamApp.empty()) {
            eDiamCapt.setText("");
            eTps.setText("");
        } else {
            recomputePlanetaryPage();
        }
    };
    eTolBouge.onChange = [this] { recomputePlanetaryPage(); };
    rgPlaCP.onClick = [this] { imagingModeClick(); };

    bbDate.onClick = [this] { m_host.showModal(m_dialogs.date); };
    bbDate.onRightRelease = [this] { applyToday(); };
    m_dialogs.date.bbDateOK.onClick = [this] { applyEphemerisDate(m_dialogs.date.MonthCalendar1.date()); };
    m_dialogs.date.bbNow.onClick = [this] { applyToday(); };
}

void MainForm::planetClick() {
    const int object = rgPlanetes.selected();
    for (Control* ring : std::initializer_list<Control*>{&labAnneaux, &eDiamAnnSat, &labDiamAppSec2}) {
        ring->setVisible(object == ephem::kSaturn);
    }
    eDiamApp.setEnabled(object == ephem::kManualValue);
    if (object == ephem::kSun || object == ephem::kMoon || object == ephem::kPleiades) {
        const bool minutes = diameterUnit == ephem::DiameterUnit::Minutes;
        labDiamAppSec.setCaption(std::string(minutes ? kMinutesSign : kSecondsSign));
    } else {
        diameterUnit = ephem::DiameterUnit::Seconds;
        labDiamAppSec.setCaption(std::string(kSecondsSign));
    }
    refreshApparentDiameter();
    recomputePlanetaryPage();
}

void MainForm::refreshApparentDiameter() {
    ephem::computeApparentDiameter(ephemerisDate, rgPlanetes.selected(), apparentDiameter);
    const bool minutes = diameterUnit == ephem::DiameterUnit::Minutes;
    eDiamApp.setText(core::fixed(minutes ? apparentDiameter.arcmin : apparentDiameter.arcsec, 10, 1));
    eDiamAnnSat.setText(core::fixed(apparentDiameter.arcsec * ephem::kRingsOverGlobe, 10, 1));
}

void MainForm::unitClick() {
    const int object = rgPlanetes.selected();
    const bool toMinutes = (object == ephem::kSun || object == ephem::kMoon) &&
                           diameterUnit == ephem::DiameterUnit::Seconds;
    diameterUnit = toMinutes ? ephem::DiameterUnit::Minutes : ephem::DiameterUnit::Seconds;
    labDiamAppSec.setCaption(std::string(toMinutes ? kMinutesSign : kSecondsSign));
    eDiamApp.setText(core::fixed(toMinutes ? apparentDiameter.arcmin : apparentDiameter.arcsec, 5, 1));
}

void MainForm::showPlanetaryRows(bool planet, bool dated) {
    for (Control* control : std::initializer_list<Control*>{&labDateDiam, &eDate, &bbDate}) {
        control->setVisible(dated);
    }
    for (Control* control : std::initializer_list<Control*>{&labTolerance, &eTolBouge, &labPixelB, &labTps,
                                                            &labTpsSec, &eTps, &labConseilTPL}) {
        control->setVisible(planet);
    }
}

void MainForm::recomputePlanetaryPage() {
    const int object = rgPlanetes.selected();
    sampling = core::sampling(sensor.pixelWidth, instrument.focal);
    if (object == ephem::kSaturn) {
        ringDiameter = apparentDiameter.arcsec * ephem::kRingsOverGlobe;
        eDiamAnnSat.setText(core::fixed(ringDiameter, 5, 1));
    }
    if (object < ephem::kSun || object > ephem::kManualValue) return;
    showPlanetaryRows(isPlanet(object), isDated(object));
    if (object == ephem::kSun || object == ephem::kMoon) eTps.setText("");
    double tolerance = 0;
    if (isPlanet(object)) tolerance = core::parseReal(eTolBouge.text());
    if (object == ephem::kManualValue) apparentDiameter.arcsec = core::parseReal(eDiamApp.text());
    if (sensorIncomplete()) {
        // No pixel size (reported at start for a saved sensor): nothing to
        // show on the sensor, and nothing to say again at every visit.
        eDiamCapt.setText("");
        eTps.setText("");
        return;
    }
    diameterOnSensor = core::divide(apparentDiameter.arcsec, sampling);
    eDiamCapt.setText(core::fixed(diameterOnSensor, 5, 1));
    labPixCapt.setCaption(eNbPixelsY.text());
    if (!isPlanet(object)) return;
    const auto limit = core::exposureLimitSeconds(tolerance, diameterOnSensor, rotationPeriodMinutes(object));
    eTps.setText(limit ? core::fixed(*limit, 5, 0) : std::string());
}

void MainForm::imagingModeClick() {
    const bool planetary = rgPlaCP.selected() == 0;
    rgPlanetes.setVisible(planetary);
    pImaPla.setVisible(planetary);
    if (!planetary) pImaCP.setLeft(24);
    pImaCP.setVisible(!planetary);
}

void MainForm::applyEphemerisDate(form::CalendarDate date) {
    ephemerisDate = {static_cast<std::uint16_t>(date.day), static_cast<std::uint16_t>(date.month),
                     static_cast<std::uint16_t>(date.year)};
    eDate.setText(dateText(date));
    refreshApparentDiameter();
    recomputePlanetaryPage();
}

void MainForm::applyToday() {
    const form::CalendarDate today = m_env.today();
    m_dialogs.date.MonthCalendar1.setDate(today);
    applyEphemerisDate(today);
}

}  // namespace quarvel::ui
