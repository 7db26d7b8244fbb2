// SPDX-License-Identifier: GPL-3.0-or-later
// The "Champ photo" page's deep-sky objects: any object by name, its picture
// or outline at true scale, and the sensor's frame or mosaic turned on it.
#include <cmath>

#include "config/file_io.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/optics.h"
#include "core/parse.h"
#include "ui/drawing_pages.h"
#include "ui/drawings/jpeg.h"
#include "ui/messages.h"
#include "sky/coordinates.h"
#include "sky/mosaic.h"

namespace quarvel::ui {

namespace {

// The catalogue holds a few thousand rows: a file far larger is damaged.
constexpr std::size_t kMaxObjectFileBytes = 4 << 20;
constexpr std::size_t kProposals = 12;
// The pictures are made 480 pixels at most across the page's canvas, and
// JPEGs of a few tens of kilobytes.
constexpr int kMaxPicturePx = 1024;
constexpr std::size_t kMaxPictureBytes = 2 << 20;

// A picture is a file of the pictures' own folder, named alone.
bool pictureFileName(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find_first_of("/\\") == std::string_view::npos;
}

// The first of the places a data file may be, in the data folders: where
// the program installs it, then where it is kept in the sources.
std::string findFirst(const std::vector<std::string>& folders, std::initializer_list<const char*> relatives) {
    for (const char* relative : relatives) {
        if (std::string found = findData(folders, relative); !found.empty()) return found;
    }
    return {};
}

}  // namespace

const catalogues::ObjectCatalogue& PhotoPage::objects() {
    if (m_objects) return *m_objects;
    m_objects.emplace();
    const std::string path = findFirst(m_dataFolders, {"objects/objects.csv", "data/objects/objects.csv"});
    const config::FileRead file = config::readBounded(path, kMaxObjectFileBytes);
    if (file.status != config::ReadStatus::Read) {
        guard().reporter().report(core::errorMessageOf(
            core::ErrorCode::CannotOpen, core::Message::data(path.empty() ? "objects/objects.csv" : path),
            file.status == config::ReadStatus::TooLarge ? core::Message(messages::kFileTooLarge, {core::Message::data("4")})
                                                        : config::readFailure(file)));
        return *m_objects;
    }
    catalogues::ObjectsRead read = catalogues::readObjects(path, file.bytes);
    // The lines left out, in one box: one a line.
    if (!read.problems.empty()) {
        guard().reporter().report(core::Message(messages::kObjectsLeftOut, {core::joinedLines(std::move(read.problems))}));
    }
    m_objects.emplace(std::move(read.rows));
    // The large nebulae's outlines, beside the catalogue; without them, ellipses.
    const std::string outlines = findFirst(m_dataFolders, {"objects/outlines.csv", "data/objects/outlines.csv"});
    if (const config::FileRead file = config::readBounded(outlines, kMaxObjectFileBytes);
        file.status == config::ReadStatus::Read) {
        m_outlines = catalogues::readOutlines(file.bytes);
    }
    // The pictures: designation, file, size and scale; a line that does not
    // read leaves its object with its outline alone.
    const std::string index = findData(m_dataFolders, "images/objects/index.csv");
    const config::FileRead pictures = config::readBounded(index, kMaxObjectFileBytes);
    if (pictures.status == config::ReadStatus::Read) {
        const std::string folder = index.substr(0, index.rfind('/') + 1);
        catalogues::readCsv(index, pictures.bytes, {"designation", "file", "width_px", "height_px", "arcmin_per_px"},
                            [&](const std::vector<std::string>& f) {
                                const auto width = core::tryParseInteger(f[2]), height = core::tryParseInteger(f[3]);
                                const auto scale = core::tryParseReal(f[4]);
                                if (!pictureFileName(f[1]) || !width || !height || !scale || !(*scale > 0) ||
                                    *width <= 0 || *height <= 0 || *width > kMaxPicturePx || *height > kMaxPicturePx) {
                                    return false;
                                }
                                m_pictures[f[0]] = {folder + f[1], *width, *height, *scale, nullptr};
                                return true;
                            });
    }
    return *m_objects;
}

// The stars, read the first time the chart is drawn: a file that cannot be
// read leaves the chart without stars and says why in its legend, once.
const catalogues::StarCatalogue* PhotoPage::stars() {
    if (!m_starsRead) {
        m_starsRead = true;
        const std::string path = findFirst(m_dataFolders, {"stars/stars.bin", "data/stars/stars.bin"});
        const core::Message shown = core::Message::data(path.empty() ? "stars/stars.bin" : path);
        const config::FileRead file = config::readBounded(path, catalogues::kMostStarFileBytes);
        if (file.status == config::ReadStatus::Read) {
            m_stars = catalogues::StarCatalogue::read(file.bytes);
            if (!m_stars) m_starsMissing = core::Message(messages::kStarsMissing, {shown, core::Message(messages::kNotAStarFile)});
        } else {
            m_starsMissing = core::Message(
                messages::kStarsMissing,
                {shown, file.status == config::ReadStatus::TooLarge ? core::Message(messages::kFileTooLarge, {core::Message::data("4")})
                                                                     : config::readFailure(file)});
        }
    }
    return m_stars ? &*m_stars : nullptr;
}

std::vector<std::string> PhotoPage::proposals(const std::string& typed) {
    std::vector<std::string> labels;
    const auto& catalogue = objects();
    for (const int row : catalogue.search(typed, kProposals)) {
        labels.push_back(catalogues::objectLabel(catalogue.rows()[static_cast<std::size_t>(row)], frenchNames));
    }
    return labels;
}

std::optional<PhotoPage::NamedPlace> PhotoPage::objectNamed(const std::string& typed) {
    auto row = objects().find(typed);
    if (!row) {
        const auto found = objects().search(typed, 1);
        if (!found.empty()) row = found.front();
    }
    if (!row) return std::nullopt;
    const auto& object = objects().rows()[static_cast<std::size_t>(*row)];
    return NamedPlace{catalogues::designation(object), {object.raDeg, object.decDeg}};
}

void PhotoPage::frameRow(std::size_t row) {
    if (row >= objects().rows().size()) return;
    eObjet.setText(catalogues::designation(objects().rows()[row]));
    chooseObject();
}

// The object the text names; else the first the text finds ("andromede",
// "C 14" of the two clusters), so that Enter always shows what the list
// proposed first.
void PhotoPage::chooseObject() {
    auto row = objects().find(eObjet.text());
    if (!row) {
        const auto found = objects().search(eObjet.text(), 1);
        if (!found.empty()) row = found.front();
    }
    if (!row) {
        // Nothing of the last object stays to be taken for this one.
        m_object.reset();
        m_place.reset();
        labPhoto.setCaption("");
        labCentre.setCaption("");
        clearPanels();
        bbAngleConseille.setVisible(false);
        vueObjet.setVisible(false);
        PhotoObjet.setVisible(false);
        labCadrage.setMessage(core::Message(messages::kUnknownObject, {core::Message::data(eObjet.text())}));
        return;
    }
    m_object = row;
    // The frame on the object, the chart at the scale that shows them.
    m_frameCentre.reset();
    m_place.reset();
    m_zoom = 1;
    labPhoto.setShowsData(true);
    labPhoto.setCaption(catalogues::objectLabel(objects().rows()[static_cast<std::size_t>(*row)], frenchNames));
    drawObject();
}

// The typed numbers as last read well, on the current sensor's frame.
catalogues::Framing PhotoPage::framing() const {
    catalogues::Framing framing = m_typed;
    const double focal = m_session.instrument.focalMm;
    const core::SensorValues sensor = this->sensor();
    framing.frame = {core::horizontalFieldArcmin(sensor, focal), core::verticalFieldArcmin(sensor, focal)};
    catalogues::mosaicField(framing);  // a frame of no size is said here
    return framing;
}

// The object's picture, read and decoded the first time it is shown: a file
// that is not a regular one, too large, no JPEG of the size its line gives,
// or that memory cannot hold is no picture, and the outline is drawn.
std::optional<drawings::ObjectPicture> PhotoPage::shownPicture(const std::string& designation) {
    const auto found = m_pictures.find(designation);
    if (found == m_pictures.end()) return std::nullopt;
    drawings::ObjectPicture& picture = found->second;
    if (!picture.pixels) {
        const config::FileRead file = config::readBounded(picture.path, kMaxPictureBytes);
        auto pixels = std::make_shared<drawings::Bitmap>(
            file.status == config::ReadStatus::Read
                ? drawings::decodeJpeg(file.bytes, picture.widthPx, picture.heightPx)
                : drawings::Bitmap());
        // Only the picture shown is kept decoded.
        for (auto& [name, other] : m_pictures) other.pixels.reset();
        picture.pixels = std::move(pixels);
    }
    if (picture.pixels->width() != picture.widthPx || picture.pixels->height() != picture.heightPx) return std::nullopt;
    return picture;
}

void PhotoPage::setChartSize(int width, int height) {
    width = std::max(width, kFramingWidth);
    height = std::max(height, kFramingHeight);
    if (width == m_chartWidth && height == m_chartHeight) return;
    m_chartWidth = width;
    m_chartHeight = height;
    if (vueObjet.visible()) drawObject();
}

// No object: the chart is about the place.
void PhotoPage::chartPlace(const catalogues::SkyPoint& place) {
    m_place = place;
    m_frameCentre.reset();
    m_zoom = 1;
    labPhoto.setShowsData(true);
    labPhoto.setCaption(sky::formatEquatorial({place.raDeg, place.decDeg}));
}

std::optional<catalogues::DeepSkyObject> PhotoPage::chartObject() {
    if (m_object) return objects().rows()[static_cast<std::size_t>(*m_object)];
    if (!m_place) return std::nullopt;
    catalogues::DeepSkyObject place;
    place.raDeg = m_place->raDeg;
    place.decDeg = m_place->decDeg;
    return place;
}

catalogues::SkyPoint PhotoPage::frameCentre() {
    if (m_frameCentre) return *m_frameCentre;
    const auto object = chartObject();
    return object ? catalogues::SkyPoint{object->raDeg, object->decDeg} : catalogues::SkyPoint{};
}

void PhotoPage::drawObject() {
    const auto chosen = chartObject();
    if (!chosen) return;
    const catalogues::DeepSkyObject& object = *chosen;
    const catalogues::Framing shown = framing();
    // A frame moved far from the object (beyond what the chart shows about
    // it, or where its plane does not reach) takes the chart with it: the
    // object is then one of the objects around, if in view.
    const catalogues::SkyPoint frameAt = frameCentre();
    const bool recentred = sky::separationDeg({object.raDeg, object.decDeg}, {frameAt.raDeg, frameAt.decDeg}) > kFarthestFrameDeg;
    catalogues::DeepSkyObject about;
    about.raDeg = frameAt.raDeg;
    about.decDeg = frameAt.decDeg;
    const catalogues::DeepSkyObject& tangent = recentred ? about : object;
    m_chartCentre = catalogues::SkyPoint{tangent.raDeg, tangent.decDeg};
    const auto picture = m_object && !recentred ? shownPicture(catalogues::designation(object)) : std::nullopt;
    // The compared setups' frames, as on the photographs; one with no field has none.
    std::vector<catalogues::SkyExtent> compared;
    std::vector<std::size_t> drawn;
    for (const ComparedField& field : m_compared) {
        try {
            compared.push_back({core::horizontalFieldArcmin(field.sensor, field.focalMm),
                                core::verticalFieldArcmin(field.sensor, field.focalMm)});
            drawn.push_back(compared.size() - 1);
        } catch (const core::QuarvelError&) {
            compared.push_back({0, 0});
        }
    }
    showLegend(drawn);
    const auto outline = m_object && !recentred ? m_outlines.find(catalogues::designation(object)) : m_outlines.end();
    drawings::ChartOptions chart;
    chart.frameCentre = frameAt;
    chart.catalogue = &objects().rows();
    if (m_object && !recentred) chart.objectRow = static_cast<std::size_t>(*m_object);
    const auto outlineOf = outline == m_outlines.end() ? nullptr : &outline->second;
    chart.zoom = m_zoom;
    chart.stars = stars();
    chart.starsMissing = m_starsMissing;
    if (m_solved) {
        chart.imageCorners = imageCornersOf(*m_solved);
        chart.imagePicture = m_solved->preview;
    }
    auto scene = drawings::framingScene(tangent, shown, picture, m_chartWidth, m_chartHeight, compared, outlineOf, chart);
    // From twice the frame to 60° across, whatever the wheel asks: the scale
    // is the fitted one times the zoom.
    const double fitScale = scene.pxPerArcmin / m_zoom;
    const double widest = m_chartWidth / (60.0 * 60 * fitScale);
    const double closest = std::max(1.0, m_chartWidth / (2 * shown.frame.widthArcmin * fitScale));
    m_zoom = std::clamp(m_zoom, std::min(widest, 1.0), closest);
    if (m_zoom != chart.zoom) {
        chart.zoom = m_zoom;
        scene = drawings::framingScene(tangent, shown, picture, m_chartWidth, m_chartHeight, compared, outlineOf, chart);
    }
    vueObjet.setScene(std::move(scene));
    // Whether it fits, and at which angle it would.
    m_advisedAngle.reset();
    if (m_object) {
        core::Message line = catalogues::fitLine(object, shown);
        const auto fit = catalogues::fitObject(object, shown);
        if (fit && !fit->fits) m_advisedAngle = catalogues::fittingAngle(object, shown);
        if (m_advisedAngle) {
            line = core::Message(messages::kFitsAtAngle,
                                 {std::move(line), core::Message::data(core::fixed(*m_advisedAngle, 10, 0))});
        }
        labCadrage.setMessage(std::move(line));
    } else {
        labCadrage.setMessage(core::Message());
    }
    bbAngleConseille.setVisible(m_advisedAngle.has_value());
    labCentre.setCaption(sky::formatEquatorial({chart.frameCentre->raDeg, chart.frameCentre->decDeg}));
    showPanels();
    showMeasure();
    eChampPhotoH.setText(core::fixed(shown.frame.heightArcmin, 10, 2));
    eChampPhotoV.setText(core::fixed(shown.frame.widthArcmin, 10, 2));
    showNames();
    PhotoObjet.setVisible(false);
    vueObjet.setVisible(true);
}

namespace {

sky::MosaicPlan planOf(const catalogues::Framing& framing, const catalogues::SkyPoint& centre) {
    return {{centre.raDeg, centre.decDeg},
            framing.frame.widthArcmin / 60,
            framing.frame.heightArcmin / 60,
            framing.rotationDeg,
            framing.panelsX,
            framing.panelsY,
            framing.overlapPercent};
}

}  // namespace

std::string PhotoPage::framedName() {
    const auto object = chartObject();
    return m_object && object ? catalogues::designation(*object) : labPhoto.caption();
}

std::string PhotoPage::chartName() {
    std::string name = framedName();
    if (!m_session.instrument.telescopeLabel.empty()) name += " - " + m_session.instrument.telescopeLabel;
    // A name, not a path.
    for (char& c : name) {
        if (c == '/' || c == '\\') c = '-';
    }
    return name;
}

std::vector<PhotoPage::NamedPlace> PhotoPage::framedPlaces() {
    if (!chartObject()) return {};
    const std::string name = framedName();
    const catalogues::SkyPoint centre = frameCentre();
    std::vector<NamedPlace> places{{name, {centre.raDeg, centre.decDeg}}};
    const auto panels = sky::mosaicPanels(planOf(framing(), centre));
    if (panels.size() < 2) return places;
    for (const sky::Panel& panel : panels) {
        places.push_back({name + ", " + std::to_string(panel.number) + "/" + std::to_string(panels.size()), panel.centre});
    }
    return places;
}

// One line a panel: its number, centre and rotation; kept as the export and
// the copy give them, named after what they frame.
void PhotoPage::showPanels() {
    const catalogues::Framing shown = framing();
    const auto panels = sky::mosaicPanels(planOf(shown, frameCentre()));
    std::vector<std::string> lines;
    // The columns of a Telescopius mosaic plan, which N.I.N.A.'s sequencer
    // imports by their names ("Pane", "RA", "DEC", "Position Angle (East)"),
    // reading the numbers out of the coordinates and the angle with a point.
    m_panelsCsv = "Pane, RA, DEC, Position Angle (East), Pane width (arcmins), Pane height (arcmins), Overlap, Row, Column\r\n";
    for (const sky::Panel& panel : panels) {
        lines.push_back(std::to_string(panel.number) + "   " + sky::formatEquatorial(panel.centre) + "   " +
                        core::fixed(panel.rotationDeg, 10, 1) + "°");
        m_panelsCsv += "Pane " + std::to_string(panel.number) + ", " + sky::formatRightAscension(panel.centre.raDeg) +
                       ", " + sky::formatDeclination(panel.centre.decDeg) + ", " + core::fixed(panel.rotationDeg, 10, 2) +
                       ", " + core::fixed(shown.frame.widthArcmin, 10, 2) + ", " +
                       core::fixed(shown.frame.heightArcmin, 10, 2) + ", " + core::shortest(shown.overlapPercent) +
                       "%, " + std::to_string(panel.row) + ", " + std::to_string(panel.column) + "\r\n";
    }
    m_panelsName = labPhoto.caption().empty() ? std::string("Quarvel") : labPhoto.caption();
    tabPanneaux.setItems(std::move(lines));
}

// Nothing framed, no panels: none shown, none to export or copy.
void PhotoPage::clearPanels() {
    tabPanneaux.setItems(std::vector<std::string>{});
    m_panelsCsv.clear();
}

}  // namespace quarvel::ui
