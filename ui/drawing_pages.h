// SPDX-License-Identifier: GPL-3.0-or-later
// The three drawing pages, and their sensor lists, which keep every page on
// the same sensor.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "catalogues/catalogue.h"
#include "catalogues/object_framing.h"
#include "catalogues/object_search.h"
#include "catalogues/stars.h"
#include "image/image.h"
#include "image/solve.h"
#include "sky/coordinates.h"
#include "ui/form/drawing_controls.h"
#include "ui/form/form.h"
#include "ui/results.h"
#include "ui/session.h"

namespace quarvel::ui {

using form::EditField;
using form::Label;
using form::ListControl;


// "Dessin capteur": the sensor against the 24 x 36 mm frame.
class SensorDrawingPage : public form::Part {
public:
    SensorDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue);
    // A sensor drawn, and its list entry, which says whether it is larger than the frame.
    void draw(const core::SensorValues& values, std::string_view sensorName);

    ListControl& cbCapteursPict;
    Label& pCapteurs1;
    Label& pCapteurs2;
    Label& pCapteurs3;
    Label& labTailleRefH;
    Label& labTailleRefV;
    Label& labTailleMMCapt;

private:
    const catalogues::Catalogue& m_catalogue;
};

// "Dessin planète": the object to scale on the sensor.
class PlanetDrawingPage : public form::Part {
public:
    PlanetDrawingPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
                      std::function<void(int row)> chooseObject);
    void show();
    void draw();
    // The field of view, as the parameter page shows it.
    void showField(const setup::Results& results);
    void showTelescope();
    void showSensorName();
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

private:
    const catalogues::Catalogue& m_catalogue;
    Session& m_session;
    // The menu's object goes to the Imagerie page, whose choice it is.
    std::function<void(int row)> m_chooseObject;
};

// "Champ photo": the sensor's field over a photograph.
class PhotoPage : public form::Part {
public:
    PhotoPage(form::Form& window, const catalogues::Catalogue& catalogue, Session& session,
              std::vector<std::string> dataFolders);
    void show();
    void reloadPhotograph();
    void drawFrame();
    // The sensor's and the telescope's names under the picture.
    void showNames();
    // The sensor's field across and down, as "Copier les résultats" gives them.
    std::vector<ResultLine> resultLines() const;
    // The setups compared with the current one: their frames too, each in
    // its colour, named in the legend.
    struct ComparedField {
        std::string name;
        core::SensorValues sensor;
        double focalMm = 0;
    };
    void setCompared(std::vector<ComparedField> fields) { m_compared = std::move(fields); }

    // Any deep-sky object, by name: what the completer proposes for a text
    // typed, best first ("M 31 — NGC 224 — Galaxie d'Andromède").
    std::vector<std::string> proposals(const std::string& typed);
    // Names in French, or in English: set by the view for its language.
    bool frenchNames = true;
    // The chart's canvas: as large as the photographs, or as the view makes
    // it when the window grows.
    static constexpr int kFramingWidth = 360;
    static constexpr int kFramingHeight = 240;
    // Set by the view as it resizes; the chart shown is drawn again at that size.
    void setChartSize(int width, int height);

    ListControl& cbCapteursPhoto;
    EditField& eChampPhotoV;
    EditField& eChampPhotoH;
    Label& labPhoto;
    form::PopupMenu& pmPhotos;
    form::Picture& PhotoObjet;
    Label& labPhotoCapteur;
    Label& labPhotoTelescope;
    Label& labLegende;
    // The object framed: its name typed, the frame's rotation in degrees,
    // the mosaic's panels and their overlap in percent, the line that says
    // whether it fits, and the drawing.
    EditField& eObjet;
    EditField& eRotation;
    EditField& eMosaiqueX;
    EditField& eMosaiqueY;
    EditField& eRecouvrement;
    Label& labCadrage;
    form::FramingBox& vueObjet;
    // The frame's centre: typed (J2000), else the object's or where the frame
    // was dragged; always shown.
    EditField& eCentre;
    Label& labCentre;
    // Turns the frame to the angle the fit line proposes.
    form::Button& bbAngleConseille;
    // The mosaic's panels, one line each, and their export for capture programs.
    ListControl& tabPanneaux;
    form::Button& bbExporterPanneaux;
    form::Button& bbCopierPanneaux;
    // Set by the view: where to write the panels (nothing when the user
    // cancels), and the clipboard.
    std::function<std::optional<std::string>(const std::string& suggestedName)> askPanelsPath;
    std::function<void(const std::string& text)> copyText;

    // The user's own image: solved, measured beside the setup's numbers and
    // drawn on the chart at its place.
    form::Button& bbMesurerImage;
    Label& labMesure;
    // The frame's centre and rotation set to the image's; the stars' width
    // put in the Imagerie page's seeing.
    form::Button& bbReprendreCadrage;
    form::Button& bbFwhmTurbulence;
    // Solves an image measured on its file's own solution.
    form::Button& bbResoudreImage;
    // Set by the view: the image to open (nothing when the user cancels),
    // and where the solving runs: `work`
    // away from the window while the time spent shows with a button that
    // cancels, then `done` in the window. Unset, both run at once.
    std::function<std::optional<std::string>()> askImagePath;
    std::function<void(const std::string& name, const core::Message& warning,
                       std::function<void(const image::Progress&)> work, std::function<void()> done)>
        runAway;
    // What the solving dialog says: the image, the search's stage, the
    // seconds spent and the most left.
    static core::Message solvingText(const std::string& name, const image::SolveStatus& status);
    // An image whose sampling differs more than this, in per cent, from the
    // setup's was taken with another setup.
    static constexpr double kOtherSetupPercent = 20;
    // Set by the main form: the seeing measured, in arc-seconds.
    std::function<void(double arcsec)> useSeeing;
    // The image solved, as the chart draws it.
    struct SolvedImage {
        std::string name;
        image::Measure measure;
        int width = 0;
        int height = 0;
        std::shared_ptr<const drawings::Bitmap> preview;
        // How many of the chart's stars fall on it, when they could be read.
        std::optional<std::size_t> catalogueStars{};
        std::string path;
        // Measured on the solution its file holds, not solved.
        bool fromFile = false;
    };
    const std::optional<SolvedImage>& solvedImage() const { return m_solved; }
    // Where the frame points, named after the object (or the place typed),
    // then each panel's centre when the mosaic has several ("M 31, 2/4");
    // none when nothing is framed.
    struct NamedPlace {
        std::string name;
        sky::Equatorial position;
    };
    std::vector<NamedPlace> framedPlaces();
    // The catalogue's object a typed text names, as Enter in "Objet" would
    // choose it, by its designation; nothing for a text that names none.
    std::optional<NamedPlace> objectNamed(const std::string& typed);
    // The catalogue, read the first time it is needed; an object of it framed
    // as if its name were typed in "Objet".
    const std::vector<catalogues::DeepSkyObject>& catalogueObjects() { return objects().rows(); }
    void frameRow(std::size_t row);
    // The chart's name as a file is named after it: the object's designation
    // (or the place typed) and the telescope, "M 31 - Lunette 80".
    std::string chartName();
    // The panels shown, as capture programs import them: the columns of a
    // Telescopius mosaic plan, one line per panel; empty when none is shown.
    const std::string& panelsCsv() const { return m_panelsCsv; }

private:
    void loadPhotograph(const std::string& file);
    // The catalogue and its pictures, read the first time they are needed.
    const catalogues::ObjectCatalogue& objects();
    const catalogues::StarCatalogue* stars();
    bool m_starsRead = false;
    std::optional<catalogues::StarCatalogue> m_stars;
    core::Message m_starsMissing;
    void chooseObject();
    void drawObject();
    catalogues::Framing framing() const;
    std::optional<drawings::ObjectPicture> shownPicture(const std::string& designation);
    void showLegend(const std::vector<std::size_t>& drawn);

    // The sensor of the page's list.
    core::SensorValues sensor() const;

    std::vector<ComparedField> m_compared;
    std::optional<catalogues::ObjectCatalogue> m_objects;
    std::map<std::string, drawings::ObjectPicture> m_pictures;  // by designation
    catalogues::Outlines m_outlines;
    std::optional<int> m_object;  // its row
    // The rotation, panels and overlap last typed in full; the frame is the sensor's.
    catalogues::Framing m_typed;
    // A drag inside the frame moves it; outside, it turns the frame from the
    // rotation it had when the mouse was pressed.
    bool m_dragMoves = false;
    double m_dragFromDeg = 0;
    double m_rotationFromDeg = 0;
    catalogues::SkyPoint m_pressedAt{};
    catalogues::SkyPoint m_frameAtPress{};
    // Where the frame is when the user moved it; the object's place otherwise.
    std::optional<catalogues::SkyPoint> m_frameCentre;
    // A place typed with no object chosen: the chart is about it.
    std::optional<catalogues::SkyPoint> m_place;
    // The chart's own centre: the object's place, or the frame's when the
    // frame is farther than this from the object.
    static constexpr double kFarthestFrameDeg = 30;
    catalogues::SkyPoint m_chartCentre{};
    double m_zoom = 1;
    int m_chartWidth = kFramingWidth;
    int m_chartHeight = kFramingHeight;
    std::optional<double> m_advisedAngle;
    // The object the chart is about: the chosen one, or a place typed alone.
    std::optional<catalogues::DeepSkyObject> chartObject();
    // Its designation, or the place typed as shown.
    std::string framedName();
    catalogues::SkyPoint frameCentre();
    void showPanels();
    void clearPanels();
    std::string m_panelsCsv;
    std::string m_panelsName;
    void measureImage();
    void startMeasure(bool solve);
    bool m_measuring = false;
    void showMeasure();
    // The chart about a place, with no object chosen.
    void chartPlace(const catalogues::SkyPoint& place);
    std::optional<SolvedImage> m_solved;

    const catalogues::Catalogue& m_catalogue;
    Session& m_session;
    std::vector<std::string> m_dataFolders;
    double m_photoFieldArcmin = 300;  // the built-in M 31 picture's field
};

// The corners on the sky of an image solved, its top side first.
std::array<catalogues::SkyPoint, 4> imageCornersOf(const PhotoPage::SolvedImage& solved);

// The sensor a drawing page's list shows: "Saisie manuelle" the session's
// own, a sensor's row that sensor; a row the catalogue no longer has, the
// session's.
core::SensorValues tabSensor(const ListControl& list, const catalogues::Catalogue& catalogue, const Session& session);

// Where the program's data is looked for: beside the program, in its
// install's share/quarvel, then in the system's.
std::vector<std::string> dataFoldersOf(const std::string& programFolder);
// The program's data `relative` to the first of the folders that holds it;
// empty when none does.
std::string findData(const std::vector<std::string>& folders, const std::string& relative);

}  // namespace quarvel::ui
