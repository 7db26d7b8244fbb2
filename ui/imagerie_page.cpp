// SPDX-License-Identifier: GPL-3.0-or-later
// The "Imagerie" page: the planetary panel with its apparent diameters and
// exposure limit, the deep-sky panel, and the ephemeris date.
#include "ui/imagerie_page.h"

#include "night/night.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "config/file_io.h"
#include "config/settings.h"
#include "ui/messages.h"

#include "core/checked.h"
#include "core/imaging.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/names.h"
#include "ui/result_table.h"

namespace quarvel::ui {

using form::Control;

namespace {

constexpr std::string_view kSecondsSign = "\"";
// Captions of copied lines that no result row holds.
constexpr std::string_view kSeeingCaption = "Turbulence (FWHM)";
constexpr std::string_view kDeepSkyCaption = "Ciel profond";
constexpr std::string_view kMinutesSign = "'";

ephem::EphemerisDate ephemerisDateOf(form::CalendarDate date) {
    return {static_cast<std::uint16_t>(date.day), static_cast<std::uint16_t>(date.month),
            static_cast<std::uint16_t>(date.year)};
}

bool shownInMinutes(std::optional<ephem::Body> body) {
    return body == ephem::Body::Sun || body == ephem::Body::Moon || body == ephem::Body::Pleiades;
}

}  // namespace

std::string dateText(form::CalendarDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%d", date.day, date.month, date.year);
    return text;
}

ImageriePage::ImageriePage(Form& window, Session& session, ModalHost& host, DateForm& date)
    : Part(window),
      rgPlaCP(add<RadioGroup>("rgPlaCP", "Type d'imagerie", std::vector<std::string>{"Planétaire", "Ciel profond"})),
      rgPlanetes(add<RadioGroup>("rgPlanetes", " Planète ",
                                 std::vector<std::string>{"Soleil", "Lune", "Mercure", "Vénus", "Mars", "Jupiter",
                                                          "Saturne", "Uranus", "Neptune", "Pléiades",
                                                          "Valeur manuelle"})),
      pImaPla(add<form::Label>("pImaPla")),
      pImaCP(add<form::Label>("pImaCP")),
      labCompoDiamApp(add<form::Label>("labCompoDiamApp")),
      eDiamApp(add<EditField>("eDiamApp")),
      labDiamAppSec(add<form::Label>("labDiamAppSec")),
      labDateDiam(add<form::Label>("labDateDiam")),
      eDate(add<EditField>("eDate")),
      bbDate(add<Button>("bbDate", "Changer date")),
      labAnneaux(add<form::Label>("labAnneaux")),
      eDiamAnnSat(add<EditField>(std::string(kRings.field))),
      labDiamAppSec2(add<form::Label>("labDiamAppSec2")),
      labInclinaison(add<form::Label>("labInclinaison")),
      eDiamCapt(add<EditField>(std::string(kOnSensor.field))),
      labPixCapt(add<form::Label>("labPixCapt")),
      labTolerance(add<form::Label>("labTolerance")),
      eTolBouge(add<EditField>("eTolBouge")),
      labPixelB(add<form::Label>("labPixelB")),
      labTps(add<form::Label>("labTps")),
      eTps(add<EditField>(std::string(kExposure.field))),
      labTpsSec(add<form::Label>("labTpsSec")),
      labConseilTPL(add<form::Label>("labConseilTPL")),
      cbSurEch(add<ListControl>("cbSurEch", std::vector<std::string>{"1", "1.5", "2", "2.5", "3", "3.5", "4"})),
      eFDAct(add<EditField>(std::string(kCurrentRatio.field))),
      eFDOpti(add<EditField>(std::string(kOptimalRatio.field))),
      eCoefMulti(add<EditField>(std::string(kRatioMultiplier.field))),
      eFocAct2(add<EditField>(std::string(kCurrentFocal.field))),
      eEchCP(add<EditField>(std::string(kDeepSkySampling.field))),
      eEchConsCP(add<EditField>(std::string(kFinestSampling.field))),
      eFocConsCP(add<EditField>(std::string(kFinestFocal.field))),
      eFocCalcCP(add<EditField>(std::string(kWantedFocal.field))),
      eCoefCP(add<EditField>(std::string(kWantedCoefficient.field))),
      TrackBar1(add<form::TrackBar>("TrackBar1", 0, 25, 15)),
      eFWHM(add<EditField>("eFWHM")),
      cbBinning(add<ListControl>("cbBinning", std::vector<std::string>{"1x1", "2x2", "3x3", "4x4"})),
      eEchBinning(add<EditField>(std::string(kBinnedSampling.field))),
      labVerdict(add<form::Label>("labVerdict")),
      labRegleEch(add<form::Label>("labRegleEch")),
      m_session(session),
      m_host(host),
      m_date(date) {
    showsResults({&eFDAct, &eFDOpti, &eCoefMulti, &eFocAct2, &eEchCP, &eEchConsCP, &eFocConsCP,
                              &eFocCalcCP, &eCoefCP, &eDate, &eDiamAnnSat, &eDiamCapt, &eTps, &eEchBinning});
    m_advice.add(kCurrentRatio, eFDAct);
    m_advice.add(kOptimalRatio, eFDOpti);
    m_advice.add(kRatioMultiplier, eCoefMulti);
    m_deepSky.add(kDeepSkySampling, eEchCP);
    m_deepSky.add(kCurrentFocal, eFocAct2);
    m_deepSky.add(kFinestSampling, eEchConsCP);
    m_deepSky.add(kFinestFocal, eFocConsCP);
    m_wanted.add(kWantedFocal, eFocCalcCP);
    m_wanted.add(kWantedCoefficient, eCoefCP);
    rgPlaCP.select(kPlanetaryRow);
    cbSurEch.setText("2");
    cbSurEch.setVisible(false);
    bbDate.setHint("Changer la date ; un clic droit prend la date du jour");
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
    for (EditField* real : {&eDiamApp, &eTolBouge, &eFWHM}) real->acceptDecimalComma();
    eDiamApp.takesNumbers(core::NumberDomain::positiveReals());
    eTolBouge.takesNumbers({false, 0});
    eFWHM.takesNumbers(config::kSeeingDomain);
    eFWHM.setText("2.5");
    cbBinning.select(0);
    eFWHM.setHint("Turbulence du site : largeur à mi-hauteur des étoiles (FWHM), en secondes d'arc");
    for (Control* ring : std::initializer_list<Control*>{&labAnneaux, &eDiamAnnSat, &labDiamAppSec2, &labInclinaison}) {
        ring->setVisible(false);
    }

    rgPlanetes.onClick = [this] { objectClick(); };
    labCompoDiamApp.onClick = [this] { unitClick(); };
    eDiamApp.onChange = [this] {
        if (eDiamApp.empty()) {
            eDiamCapt.setText("");
            eTps.setText("");
            return;
        }
        // Typed by hand, the diameter says itself what is wrong with it.
        if (rgPlanetes.selected() == kManualValueRow) core::parseReal(eDiamApp.text());
        recompute();
    };
    eTolBouge.onChange = [this] {
        if (!eTolBouge.empty()) m_tolerancePx = core::parseReal(eTolBouge.text());
        recompute();
    };
    rgPlaCP.onClick = [this] { imagingModeClick(); };
    TrackBar1.onChange = [this] { showWantedFocal(compute()); };
    bbDate.onClick = [this] { chooseDate(); };
    bbDate.onRightRelease = [this] { showDate(m_date.today()); };
    eFWHM.onChange = [this] { seeingChange(); };
    eFWHM.onCommit = [this] { rememberSeeing(); };
    cbBinning.onChange = [this] { binningChange(); };
}

// A seeing that reads is judged with at once; one that does not is said,
// and the verdict waits for a good one.
void ImageriePage::seeingChange() {
    double seeing = 0;  // none: no verdict
    if (!eFWHM.empty()) {
        seeing = core::parseReal(eFWHM.text());
        if (!config::acceptableSeeing(seeing)) core::throwBadSeeing(eFWHM.text());
    }
    m_session.preferences.seeingArcsec = seeing;
    showSky();
}

// Remembered once typed in full, not at each key on the way.
void ImageriePage::rememberSeeing() {
    const double seeing = m_session.preferences.seeingArcsec;
    if (!config::acceptableSeeing(seeing) || seeing == m_rememberedSeeingArcsec) return;
    // Tried once: a file that cannot be written says so once, not at each
    // change of window.
    m_rememberedSeeingArcsec = seeing;
    if (remember) remember(config::kKeySeeing);
}

void ImageriePage::useSeeing(double arcsec) {
    // A tenth of an arc-second, written as a typed seeing is shown again.
    eFWHM.setText(core::shortest(std::round(arcsec * 10) / 10));
    rememberSeeing();
}

void ImageriePage::binningChange() {
    const int binning = cbBinning.selected() + 1;
    if (!config::acceptableBinning(binning)) return;
    m_session.preferences.binning = binning;
    if (remember) remember(config::kKeyBinning);
    showSky();
}

// The verdict for the sky as it now is, here and on the pages that compare.
void ImageriePage::showSky() {
    showVerdict(compute());
    if (skyChanged) skyChanged();
}

void ImageriePage::shareObject() {
    const int row = rgPlanetes.selected();
    m_session.objectRow = row;
    m_session.objectName = row >= 0 ? rgPlanetes.items()[static_cast<std::size_t>(row)] : std::string();
    m_session.apparentDiameterArcsec = m_apparentDiameter.arcsec;
}

setup::Options ImageriePage::options() const {
    setup::Options o;
    o.overSampling = core::tryParseReal(cbSurEch.text()).value_or(0);
    o.wantedSamplingPosition = TrackBar1.position();
    const int row = rgPlanetes.selected();
    const auto body = bodyOfRow(row);
    o.apparentDiameterArcsec = m_apparentDiameter.arcsec;
    if (body) {
        o.ringsOverGlobe = ephem::factsOf(*body).ringsOverGlobe;
        o.rotationPeriodMinutes = ephem::factsOf(*body).rotationPeriodMinutes;
    }
    o.tolerancePx = m_tolerancePx;
    o.seeingFwhmArcsec = m_session.preferences.seeingArcsec;
    o.binning = m_session.preferences.binning;
    return o;
}

void ImageriePage::start(form::CalendarDate today) {
    {
        // Shown as remembered, not written again.
        const auto onSeeing = std::exchange(eFWHM.onChange, nullptr);
        eFWHM.setText(core::shortest(m_session.preferences.seeingArcsec));
        m_rememberedSeeingArcsec = m_session.preferences.seeingArcsec;
        cbBinning.select(m_session.preferences.binning - 1);
        eFWHM.onChange = onSeeing;
    }
    // The window's first results came before the remembered sky: judged again with it.
    showVerdict(compute());
    pImaPla.setVisible(true);
    pImaCP.setVisible(false);
    m_unit = ephem::DiameterUnit::Seconds;
    m_date.MonthCalendar1.setDate(today);
    m_session.date = ephemerisDateOf(today);
    eDate.setText(dateText(today));
    rgPlanetes.select(rowOf(ephem::Body::Jupiter));
}

void ImageriePage::objectClick() {
    const auto body = bodyOfRow(rgPlanetes.selected());
    for (Control* ring : std::initializer_list<Control*>{&labAnneaux, &eDiamAnnSat, &labDiamAppSec2, &labInclinaison}) {
        ring->setVisible(body && ephem::factsOf(*body).ringsOverGlobe > 0);
    }
    eDiamApp.setEnabled(rgPlanetes.selected() == kManualValueRow);
    if (shownInMinutes(body)) {
        const bool minutes = m_unit == ephem::DiameterUnit::Minutes;
        labDiamAppSec.setCaption(std::string(minutes ? kMinutesSign : kSecondsSign));
    } else {
        m_unit = ephem::DiameterUnit::Seconds;
        labDiamAppSec.setCaption(std::string(kSecondsSign));
    }
    refreshApparentDiameter();
    recompute();
}

void ImageriePage::refreshApparentDiameter() {
    const auto body = bodyOfRow(rgPlanetes.selected());
    if (body) ephem::computeApparentDiameter(m_session.date, *body, m_apparentDiameter);
    const bool minutes = m_unit == ephem::DiameterUnit::Minutes;
    eDiamApp.setText(core::fixed(minutes ? m_apparentDiameter.arcmin : m_apparentDiameter.arcsec, 10, 1));
    eDiamAnnSat.setText(core::fixed(m_apparentDiameter.arcsec * ephem::kRingsOverGlobe, 10, 1));
    // The rings' tilt, for the body that shows its rings.
    if (body && ephem::factsOf(*body).ringsOverGlobe > 0) {
        const auto& date = m_session.date;
        const double tilt = night::saturnRingTiltDeg(night::julianDateUtc(date.year, date.month, date.day));
        labInclinaison.setMessage(core::Message(messages::kRingTilt, {core::Message::data(core::fixed(tilt, 10, 1))}));
    }
    shareObject();
}

void ImageriePage::unitClick() {
    const auto body = bodyOfRow(rgPlanetes.selected());
    const bool toMinutes =
        (body == ephem::Body::Sun || body == ephem::Body::Moon) && m_unit == ephem::DiameterUnit::Seconds;
    m_unit = toMinutes ? ephem::DiameterUnit::Minutes : ephem::DiameterUnit::Seconds;
    labDiamAppSec.setCaption(std::string(toMinutes ? kMinutesSign : kSecondsSign));
    eDiamApp.setText(core::fixed(toMinutes ? m_apparentDiameter.arcmin : m_apparentDiameter.arcsec, 5, 1));
}

void ImageriePage::showPlanetaryRows(bool planet, bool dated) {
    for (Control* control : std::initializer_list<Control*>{&labDateDiam, &eDate, &bbDate}) {
        control->setVisible(dated);
    }
    for (Control* control : std::initializer_list<Control*>{&labTolerance, &eTolBouge, &labPixelB, &labTps,
                                                            &labTpsSec, &eTps, &labConseilTPL}) {
        control->setVisible(planet);
    }
}

void ImageriePage::recompute() {
    const int row = rgPlanetes.selected();
    const auto body = bodyOfRow(row);
    // A diameter typed by hand is the object's, once it reads.
    if (row == kManualValueRow && !eDiamApp.held()) {
        if (const auto typed = core::tryParseReal(eDiamApp.text())) m_apparentDiameter.arcsec = *typed;
    }
    shareObject();
    const setup::Results& results = compute();
    // The page's first step is the sampling: a setup without one stops here.
    results.samplingArcsec.get();
    if (body && ephem::factsOf(*body).ringsOverGlobe > 0) eDiamAnnSat.setText(*resultText(kRings, results));
    if (!body && row != kManualValueRow) return;
    // A planet turns: the exposure is limited by the blur it allows.
    const bool planet = body && ephem::factsOf(*body).rotationPeriodMinutes > 0;
    showPlanetaryRows(planet, body && ephem::factsOf(*body).dated);
    if (body == ephem::Body::Sun || body == ephem::Body::Moon) eTps.setText("");
    if (m_session.sensorIncomplete()) {
        // No pixel size (reported at start for a saved sensor): nothing to
        // show on the sensor, and nothing to say again at every visit.
        eDiamCapt.setText("");
        eTps.setText("");
        return;
    }
    eDiamCapt.setText(*resultText(kOnSensor, results));
    labPixCapt.setCaption(std::to_string(m_session.sensor.pixelsY));
    if (!planet) return;
    eTps.setText(resultText(kExposure, results).value_or(std::string()));
}

void ImageriePage::imagingModeClick() {
    const bool planetary = rgPlaCP.selected() == kPlanetaryRow;
    rgPlanetes.setVisible(planetary);
    pImaPla.setVisible(planetary);
    if (!planetary) pImaCP.setLeft(24);
    pImaCP.setVisible(!planetary);
}

void ImageriePage::chooseDate() {
    m_date.choose(m_host, [this](form::CalendarDate date) { showDate(date); });
}

void ImageriePage::showDate(form::CalendarDate date) {
    m_session.date = ephemerisDateOf(date);
    eDate.setText(dateText(date));
    refreshApparentDiameter();
    recompute();
    if (dateChanged) dateChanged();
}

void ImageriePage::showPlanetaryAdvice(const setup::Results& results) { m_advice.show(results); }

void ImageriePage::showDeepSkyAdvice(const setup::Results& results) {
    m_deepSky.show(results);
    showWantedFocal(results);
    showVerdict(results);
}

// The binned sampling against the seeing, the verdict, and the rule in words.
void ImageriePage::showVerdict(const setup::Results& results) {
    const auto options = this->options();
    if (results.binnedSamplingArcsec.failed() || !results.verdict) {
        eEchBinning.setText("");
        labVerdict.setMessage(core::Message());
        labRegleEch.setMessage(core::Message());
        return;
    }
    const double binned = results.binnedSamplingArcsec.get();
    eEchBinning.setText(*resultText(kBinnedSampling, results));
    labVerdict.setMessage(core::Message(verdictText(*results.verdict)));
    const auto number = [](double value) { return core::Message::data(core::fixed(value, 10, 2)); };
    labRegleEch.setMessage(core::Message(
        messages::kSamplingRule,
        {number(binned), core::Message::data(cbBinning.text()), number(options.seeingFwhmArcsec / 3),
         number(options.seeingFwhmArcsec / 2), core::Message::data(core::fixed(options.seeingFwhmArcsec, 10, 1))}));
}

void ImageriePage::showWantedFocal(const setup::Results& results) {
    m_wanted.show(results);
}

std::vector<ResultLine> ImageriePage::resultLines() const {
    std::vector<ResultLine> lines;
    const auto add = [&lines](std::string_view caption, const EditField& field, core::Message unit) {
        if (field.empty() || !field.visible()) return;
        lines.push_back({core::Message(caption), {core::Message::data(field.text())}, std::move(unit)});
    };
    if (rgPlaCP.selected() == kPlanetaryRow) {
        add(labCompoDiamApp.caption(), eDiamApp, core::Message(labDiamAppSec.caption()));
        for (const auto& [row, field] : {std::pair{&kRings, &eDiamAnnSat}, {&kOnSensor, &eDiamCapt}, {&kExposure, &eTps}}) {
            add(row->caption, *field, core::Message(row->unit));
        }
        m_advice.appendLines(lines);
        return lines;
    }
    m_deepSky.appendLines(lines);
    m_wanted.appendLines(lines);
    add(kSeeingCaption, eFWHM, core::Message("\""));
    add(kBinnedSampling.caption, eEchBinning, core::Message(kBinnedSampling.unit));
    if (const auto& verdict = labVerdict.message(); verdict && !verdict->text().empty()) {
        lines.push_back({core::Message(kDeepSkyCaption), {*verdict}, core::Message::data(cbBinning.text())});
    }
    return lines;
}


}  // namespace quarvel::ui
