// SPDX-License-Identifier: GPL-3.0-or-later
// The "Champ photo" page's measure of the user's own image: solved away from
// the window, set beside the setup's numbers, drawn on the chart, and its
// framing and stars' width taken back.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>

#include "core/constants.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/optics.h"
#include "sky/projection.h"
#include "ui/drawing_pages.h"
#include "ui/messages.h"

namespace quarvel::ui {

namespace {

// A preview of the image for the chart: at most this many pixels across.
constexpr int kPreviewSide = 640;

// The image in 8-bit grey, the sky dark and the stars bright: its levels
// from the median to the brightest 0.2 %, under a square root.
std::shared_ptr<const drawings::Bitmap> previewOf(const image::Image& picture) {
    const int step = std::max(1, (std::max(picture.width, picture.height) + kPreviewSide - 1) / kPreviewSide);
    // A long thin image keeps at least one pixel across its short side.
    const int width = std::max(1, picture.width / step), height = std::max(1, picture.height / step);
    std::vector<float> levels;
    levels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) levels.push_back(picture.at(x * step, y * step));
    }
    std::vector<float> sorted = levels;
    const auto rank = [&sorted](double fraction) {
        const auto at = sorted.begin() + static_cast<std::ptrdiff_t>(fraction * static_cast<double>(sorted.size() - 1));
        std::nth_element(sorted.begin(), at, sorted.end());
        return *at;
    };
    const float low = rank(0.5), high = std::max(rank(0.998), low + 1e-6f);
    auto preview = std::make_shared<drawings::Bitmap>(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = preview->mutableRow(y);
        for (int x = 0; x < width; ++x) {
            const float v = std::clamp((levels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                               static_cast<std::size_t>(x)] - low) / (high - low),
                                       0.0f, 1.0f);
            const auto grey = static_cast<std::uint8_t>(std::lround(255 * std::sqrt(v)));
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = grey;
        }
    }
    return preview;
}

core::Message number(double value, int decimals) { return core::Message::data(core::fixed(value, 10, decimals)); }

}  // namespace

// The image's corners on the sky, its top side first: the measure's
// rotation turns the top side from north through east; a mirrored image has
// east on its right when north is up.
std::array<catalogues::SkyPoint, 4> imageCornersOf(const PhotoPage::SolvedImage& solved) {
    const image::Measure& m = solved.measure;
    const double a = m.rotationDeg * core::kDegreesToRadians;
    const double upE = std::sin(a), upN = std::cos(a);
    const double rightE = (m.mirrored ? 1 : -1) * std::cos(a), rightN = (m.mirrored ? -1 : 1) * std::sin(a);
    const double degPerPx = m.widthArcmin / 60 / solved.width;
    const double w = solved.width / 2.0, h = solved.height / 2.0;
    const double corners[4][2] = {{-w, h}, {w, h}, {w, -h}, {-w, -h}};  // right, up
    std::array<catalogues::SkyPoint, 4> out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double right = corners[i][0] * degPerPx, up = corners[i][1] * degPerPx;
        const sky::Equatorial e = sky::deproject(m.centre, {right * rightE + up * upE, right * rightN + up * upN});
        out[i] = {e.raDeg, e.decDeg};
    }
    return out;
}

namespace {

// An angle on the sky as the measure writes it: arc-minutes, or degrees past 2°.
core::Message skyAngle(double arcmin) {
    return core::Message::data(arcmin > 120 ? core::fixed(arcmin / 60, 10, 2) + "°" : core::fixed(arcmin, 10, 1) + "'");
}

// The smallest field the installed Tycho-2 index files cover, in
// arc-minutes: their packages' descriptions (Debian, astrometry-data-tycho2-07:
// the 4107 file, skymarks of 22' to 30'; the set-up's -08 from 30').
double smallestIndexedFieldArcmin() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/share/astrometry", error)) {
        if (entry.path().filename().string().starts_with("index-tycho2-07")) return 22;
    }
    return 30;
}

}  // namespace

core::Message PhotoPage::solvingText(const std::string& name, const image::SolveStatus& status) {
    const std::string_view stage = status.stage == image::SolveStage::Hinted      ? messages::kStageHinted
                                   : status.stage == image::SolveStage::PlaceOnly ? messages::kStagePlaceOnly
                                                                                  : messages::kStageBlind;
    return core::Message(messages::kSolving,
                         {core::Message::data(name), core::Message(stage),
                          core::Message::data(std::to_string(static_cast<int>(status.seconds))),
                          core::Message::data(std::to_string(std::max(0, static_cast<int>(std::ceil(status.limitSeconds - status.seconds)))))});
}

void PhotoPage::measureImage() { startMeasure(false); }

// The image asked, solved away from the window (one at a time), or measured
// on the solution its file holds unless `solve` asks for a solve.
void PhotoPage::startMeasure(bool solve) {
    if (!askImagePath || m_measuring) return;
    const auto path = solve && m_solved ? std::optional<std::string>(m_solved->path) : askImagePath();
    if (!path) return;
    // The setup's hints: the image may have been taken with another.
    image::SolveHints hints;
    hints.mayBeWrong = true;
    const core::SensorValues camera = sensor();
    std::optional<core::Message> uncovered;
    try {
        hints.arcsecPerPixel = core::sampling(camera.pixelWidthUm, m_session.instrument.focalMm);
        // A field smaller than every installed index's is said before the solve.
        const double field = std::min(core::horizontalFieldArcmin(camera, m_session.instrument.focalMm),
                                      core::verticalFieldArcmin(camera, m_session.instrument.focalMm));
        const double smallest = smallestIndexedFieldArcmin();
        if (field < smallest) {
            uncovered = core::Message(messages::kNoIndexForField, {core::Message::data(core::fixed(field, 10, 1)),
                                                                   core::Message::data(core::shortest(smallest))});
        }
    } catch (const core::QuarvelError&) {
        // No setup to hint with: the solver searches every scale.
    }
    if (chartObject()) {
        const catalogues::SkyPoint centre = frameCentre();
        hints.near = sky::Equatorial{centre.raDeg, centre.decDeg};
    }
    struct Outcome {
        std::optional<SolvedImage> solved;
        std::optional<core::QuarvelError> failure;
        bool outOfMemory = false;
        bool cancelled = false;
    };
    auto outcome = std::make_shared<Outcome>();
    const std::string name = std::filesystem::path(*path).filename().string();
    auto work = [outcome, hints, path = *path, name, solve](const image::Progress& progress) {
        try {
            const image::Image picture = image::readImage(path);
            std::optional<image::Measure> measure = solve ? std::nullopt : image::measureOfSolved(picture);
            const bool fromFile = measure.has_value();
            if (!measure) {
                measure = image::solveImage(picture, path, hints, [&](const image::SolveStatus& status) {
                    outcome->cancelled = progress && !progress(status);
                    return !outcome->cancelled;
                });
            }
            outcome->solved = SolvedImage{name, *measure, picture.width, picture.height, previewOf(picture), {}, path, fromFile};
        } catch (const core::QuarvelError& e) {
            outcome->failure = e;
        } catch (const std::bad_alloc&) {
            outcome->outOfMemory = true;
        }
    };
    auto done = [this, outcome, name] {
        m_measuring = false;
        bbMesurerImage.setEnabled(true);
        guard().runUserAction([this, outcome, name] {
            if (outcome->outOfMemory) throw std::bad_alloc();
            // A cancel the user asked for is no failure.
            if (outcome->cancelled) {
                labMesure.setMessage(core::Message(messages::kSolveCancelled, {core::Message::data(name)}));
                return;
            }
            if (outcome->failure) throw *outcome->failure;
            m_solved = std::move(outcome->solved);
            if (const auto* catalogue = stars()) {
                const auto corners = imageCornersOf(*m_solved);
                std::array<sky::Equatorial, 4> onSky;
                for (std::size_t i = 0; i < onSky.size(); ++i) onSky[i] = {corners[i].raDeg, corners[i].decDeg};
                m_solved->catalogueStars = catalogue->countInside(onSky);
            }
            if (!chartObject()) {
                const sky::Equatorial centre = m_solved->measure.centre;
                chartPlace({centre.raDeg, centre.decDeg});
            }
            drawObject();  // which shows the measure too
        });
    };
    m_measuring = true;
    bbMesurerImage.setEnabled(false);
    if (uncovered) labMesure.setMessage(*uncovered);
    if (runAway) {
        runAway(name, uncovered.value_or(core::Message()), std::move(work), std::move(done));
    } else {
        work([](const image::SolveStatus&) { return true; });
        done();
    }
}

// The measure beside the setup: where the image points against the frame,
// its sampling against the calculation, its rotation against the frame's,
// its mirror and its stars' width. An image whose sampling is not the
// setup's (beyond kOtherSetupPercent) is another setup's: its own numbers.
void PhotoPage::showMeasure() {
    if (!m_solved) return;
    const image::Measure& m = m_solved->measure;
    const catalogues::SkyPoint frame = frameCentre();
    std::optional<double> sampling;
    std::optional<std::pair<double, double>> field;
    try {
        const core::SensorValues camera = sensor();
        const double focal = m_session.instrument.focalMm;
        sampling = core::sampling(camera.pixelWidthUm, focal);
        field = {core::horizontalFieldArcmin(camera, focal), core::verticalFieldArcmin(camera, focal)};
    } catch (const core::QuarvelError&) {
        // An incomplete setup: the measure alone.
    }
    const double percent = sampling ? (m.arcsecPerPixel / *sampling - 1) * 100 : 0;
    const bool sameSetup = sampling && std::abs(percent) <= kOtherSetupPercent;
    const core::Message name = core::Message::data(m_solved->name), centre = core::Message::data(sky::formatEquatorial(m.centre));
    std::vector<core::Message> lines;
    if (sameSetup) {
        lines.emplace_back(messages::kImageCentre,
                           std::vector<core::Message>{name, centre,
                                                      skyAngle(sky::separationDeg(m.centre, {frame.raDeg, frame.decDeg}) * 60)});
        lines.emplace_back(messages::kImageSampling,
                           std::vector<core::Message>{number(m.arcsecPerPixel, 2), number(*sampling, 2),
                                                      core::Message::data((percent >= 0 ? "+" : "") + core::fixed(percent, 10, 1))});
        lines.emplace_back(messages::kImageField, std::vector<core::Message>{skyAngle(m.widthArcmin), skyAngle(m.heightArcmin),
                                                                             skyAngle(field->first), skyAngle(field->second)});
    } else {
        lines.emplace_back(messages::kImageOtherSetup,
                           std::vector<core::Message>{name, core::Message::data(core::shortest(kOtherSetupPercent)), centre});
        lines.emplace_back(messages::kImageOwnSampling, std::vector<core::Message>{number(m.arcsecPerPixel, 2)});
        lines.emplace_back(messages::kImageOwnField, std::vector<core::Message>{skyAngle(m.widthArcmin), skyAngle(m.heightArcmin)});
    }
    lines.emplace_back(messages::kImageRotation,
                       std::vector<core::Message>{number(m.rotationDeg, 1), number(m_typed.rotationDeg, 1),
                                                  core::Message(m.mirrored ? messages::kYes : messages::kNo)});
    if (m.fwhmPixels) {
        lines.emplace_back(messages::kImageFwhm,
                           std::vector<core::Message>{number(*m.fwhmPixels, 1), number(*m.fwhmPixels * m.arcsecPerPixel, 1)});
    } else {
        lines.emplace_back(m_solved->fromFile ? messages::kImageFwhmAfterSolve : messages::kImageNoFwhm);
    }
    if (m_solved->catalogueStars) {
        lines.emplace_back(messages::kImageCatalogueStars,
                           std::vector<core::Message>{core::Message::data(std::to_string(*m_solved->catalogueStars))});
    }
    if (m_solved->fromFile) lines.emplace_back(messages::kImageSolutionFromFile);
    labMesure.setMessage(core::joinedLines(std::move(lines)));
    bbReprendreCadrage.setVisible(true);
    bbFwhmTurbulence.setVisible(m.fwhmPixels.has_value());
    bbResoudreImage.setVisible(m_solved->fromFile);
}

}  // namespace quarvel::ui
