// SPDX-License-Identifier: GPL-3.0-or-later
// The three drawing pages, and their sensor lists, which keep every page on
// the same sensor.
#pragma once

#include <functional>
#include <string>

#include "catalogues/catalogue.h"
#include "ui/form/drawing_controls.h"
#include "ui/form/form.h"
#include "ui/session.h"

namespace quarvel::ui {

using form::EditField;
using form::Label;
using form::ListControl;

class ImageriePage;
class ParametragePage;

// "Dessin capteur": the sensor against the 24 x 36 mm frame.
class SensorDrawingPage : public form::Part {
public:
    SensorDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue);
    // A sensor drawn, and its list entry, which says whether it is larger than the frame.
    void draw(const core::SensorValues& values, const std::string& entryText);

    ListControl& cbCapteursPict;
    Label& pCapteurs1;
    Label& pCapteurs2;
    Label& pCapteurs3;
    Label& labTailleRefH;
    Label& labTailleRefV;
    Label& labTailleMMCapt;
    core::SensorValues sensor;  // the sensor of its list's row

private:
    const catalogues::Catalogue& m_catalogue;
};

// "Dessin planète": the object to scale on the sensor.
class PlanetDrawingPage : public form::Part {
public:
    PlanetDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
                      ImageriePage& imagerie);
    void show();
    void draw();
    void showField(const std::string& horizontal, const std::string& vertical);
    void showTelescope();
    // Whether a press on the drawing opens the region menu.
    bool regionMenuOpens(bool rightButton) const;

    ListControl& cbCapteursPla;
    EditField& eChampPlaH;
    EditField& eChampPlaV;
    form::PlanetBox& pbDessinPla;
    form::PopupMenu& pmDessinPla;
    Label& labDessinPlaNom;
    form::PopupMenu& pmPlanetes;
    Label& labDessinPlaCapteur;
    Label& labDessinPlaTelescope;
    core::SensorValues sensor;

private:
    const catalogues::Catalogue& m_catalogue;
    Session& m_session;
    ImageriePage& m_imagerie;
};

// "Champ photo": the sensor's field over a photograph.
class PhotoPage : public form::Part {
public:
    PhotoPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
              std::vector<std::string> dataFolders);
    void show();
    void reloadPhotograph();
    void drawFrame();

    ListControl& cbCapteursPhoto;
    EditField& eChampPhotoV;
    EditField& eChampPhotoH;
    Label& labPhoto;
    form::PopupMenu& pmPhotos;
    form::Picture& PhotoObjet;
    Label& labPhotoCapteur;
    Label& labPhotoTelescope;
    core::SensorValues sensor;

private:
    void loadPhotograph(const std::string& file);

    Session& m_session;
    std::vector<std::string> m_dataFolders;
    double m_photoFieldArcmin = 300;  // the built-in M 31 picture's field
};

// The drawing pages' sensor lists: a row chosen on one page is chosen on the
// others and on the parameter page.
class SensorTabs {
public:
    SensorTabs(const catalogues::Catalogue& catalogue, Session& session, ParametragePage& parametrage,
               SensorDrawingPage& sensorPage, PlanetDrawingPage& planetPage, PhotoPage& photoPage);
    std::function<void()> recompute;

    // The lists follow the parameter page's sensor.
    void follow();
    // The lists show the catalogue as it now is.
    void refreshLists();
    // At start: the sensor page, then the planet and photo lists.
    void showStart();
    void showSensorPage();
    void showPhotoPage();

private:
    struct Tab {
        ListControl& list;
        core::SensorValues& sensor;
    };
    void change(ListControl& list);
    void lookup(const Tab& tab);
    void followRow(const ListControl& changed, int row);

    const catalogues::Catalogue& m_catalogue;
    Session& m_session;
    ParametragePage& m_parametrage;
    SensorDrawingPage& m_sensorPage;
    PlanetDrawingPage& m_planetPage;
    PhotoPage& m_photoPage;
    Tab m_tabs[3];
};

// Where the program's data is looked for: beside the program, in its
// install's share/quarvel, then in the system's.
std::vector<std::string> dataFoldersOf(const std::string& programFolder);
// The program's data `relative` to the first of the folders that holds it;
// empty when none does.
std::string findData(const std::vector<std::string>& folders, const std::string& relative);

}  // namespace quarvel::ui
