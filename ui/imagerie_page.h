// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ephem/ephemeris.h"
#include "ui/dialogs.h"
#include "ui/form/drawing_controls.h"
#include "ui/session.h"

namespace quarvel::ui {

// "Imagerie": the planetary panel with its apparent diameters and exposure
// limit, the deep-sky panel, and the ephemeris date.
class ImageriePage : public form::Part {
public:
    ImageriePage(Form& window, Session& session, ModalHost& host, DateForm& date, const EditField& pixelsDown);

    // The object group's row and its name; the diameter the drawing uses.
    int objectRow() const { return rgPlanetes.selected(); }
    std::string objectName() const;
    double apparentDiameterArcsec() const { return m_apparentDiameter.arcsec; }
    // An object chosen elsewhere, as the planet drawing's menu does.
    void selectObject(int row) { rgPlanetes.select(row); }

    // The page as it starts: the date and Jupiter.
    void start(form::CalendarDate today);
    void recompute();
    void showDate(form::CalendarDate date);
    // The parts of the window's recompute shown here.
    void showPlanetaryAdvice();
    void showDeepSkyAdvice();

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

private:
    void objectClick();
    void refreshApparentDiameter();
    void unitClick();
    void imagingModeClick();
    void showPlanetaryRows(bool planet, bool dated);
    void showWantedFocal();

    Session& m_session;
    ModalHost& m_host;
    DateForm& m_date;
    const EditField& m_pixelsDown;
    ephem::ApparentDiameter m_apparentDiameter;
    ephem::DiameterUnit m_unit = ephem::DiameterUnit::Seconds;
    double m_overSampling = 0;
};

// A date as the page shows it: DD/MM/YYYY.
std::string dateText(form::CalendarDate date);

}  // namespace quarvel::ui
