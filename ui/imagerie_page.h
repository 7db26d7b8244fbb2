// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "ephem/ephemeris.h"
#include "ui/dialogs.h"
#include "ui/form/drawing_controls.h"
#include "ui/result_table.h"
#include "ui/session.h"

namespace quarvel::ui {

// "Imagerie": the planetary panel with its apparent diameters and exposure
// limit, the deep-sky panel, and the ephemeris date.
class ImageriePage : public form::Part {
public:
    ImageriePage(Form& window, Session& session, ModalHost& host, DateForm& date);

    // An object chosen elsewhere, as the planet drawing's menu does.
    void selectObject(int row) { rgPlanetes.select(row); }
    // The seeing or the binning changed: set by the window.
    std::function<void()> skyChanged;
    // The date's dialog, as "Changer date" opens it; a date chosen is shown
    // here and said by `dateChanged`, set by the window.
    void chooseDate();
    std::function<void()> dateChanged;
    // Keeps the session's preference of that key in Quarvel.ini: set by the window.
    std::function<void(std::string_view key)> remember;
    // The current setup's results with the page's options: set by the
    // window, which computes them.
    std::function<const setup::Results&()> compute;
    // What the page adds to a setup's computation; the typed tolerance and
    // manual diameter where they read as numbers.
    setup::Options options() const;

    // The page as it starts: the date, Jupiter, and the session's seeing and
    // binning.
    void start(form::CalendarDate today);
    void recompute();
    void showDate(form::CalendarDate date);
    // The parts of the window's recompute shown here.
    void showPlanetaryAdvice(const setup::Results& results);
    void showDeepSkyAdvice(const setup::Results& results);
    // The results of the mode shown, as "Copier les résultats" gives them.
    std::vector<ResultLine> resultLines() const;

    RadioGroup& rgPlaCP;
    RadioGroup& rgPlanetes;
    form::Label& pImaPla;
    form::Label& pImaCP;
    form::Label& labCompoDiamApp;
    EditField& eDiamApp;
    form::Label& labDiamAppSec;
    form::Label& labDateDiam;
    EditField& eDate;
    Button& bbDate;
    form::Label& labAnneaux;
    EditField& eDiamAnnSat;
    form::Label& labDiamAppSec2;
    // The tilt of Saturn's rings towards the Earth on the date.
    form::Label& labInclinaison;
    EditField& eDiamCapt;
    form::Label& labPixCapt;
    form::Label& labTolerance;
    EditField& eTolBouge;
    form::Label& labPixelB;
    form::Label& labTps;
    EditField& eTps;
    form::Label& labTpsSec;
    form::Label& labConseilTPL;
    ListControl& cbSurEch;
    EditField& eFDAct;
    EditField& eFDOpti;
    EditField& eCoefMulti;
    EditField& eFocAct2;
    EditField& eEchCP;
    EditField& eEchConsCP;
    EditField& eFocConsCP;
    EditField& eFocCalcCP;
    EditField& eCoefCP;
    form::TrackBar& TrackBar1;
    // The user's sky: the seeing's FWHM and the binning, the binned sampling
    // and what it is for that seeing, with the rule applied.
    EditField& eFWHM;
    // A seeing measured elsewhere (a solved image's stars), in arc-seconds:
    // shown in the field, judged with and remembered as if typed.
    void useSeeing(double arcsec);
    ListControl& cbBinning;
    EditField& eEchBinning;
    form::Label& labVerdict;
    form::Label& labRegleEch;

private:
    void seeingChange();
    void rememberSeeing();
    void binningChange();
    void showSky();
    void showVerdict(const setup::Results& results);
    void objectClick();
    void refreshApparentDiameter();
    void unitClick();
    void imagingModeClick();
    void showPlanetaryRows(bool planet, bool dated);
    void showWantedFocal(const setup::Results& results);
    // The object's row, name and apparent diameter, for the other pages.
    void shareObject();

    ShownResults m_advice;
    ShownResults m_deepSky;
    ShownResults m_wanted;
    Session& m_session;
    ModalHost& m_host;
    DateForm& m_date;
    ephem::ApparentDiameter m_apparentDiameter;
    ephem::DiameterUnit m_unit = ephem::DiameterUnit::Seconds;
    // The tolerance as last read well, and the seeing the file holds.
    double m_tolerancePx = 1;
    double m_rememberedSeeingArcsec = 2.5;
};


// A date as the page shows it: DD/MM/YYYY.
std::string dateText(form::CalendarDate date);

}  // namespace quarvel::ui
