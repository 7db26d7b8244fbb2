// SPDX-License-Identifier: GPL-3.0-or-later
// Where an image points and how it sits on the sky, as astrometry.net finds
// it: its centre, its scale, the position angle of its top side and whether
// it is mirrored, beside the median width of its stars.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "image/fits.h"
#include "image/image.h"
#include "sky/coordinates.h"

namespace quarvel::image {

struct SolveHints {
    // The setup's sampling, arc-seconds per sensor pixel: searched within 15 %.
    std::optional<double> arcsecPerPixel;
    // Where the image is thought to point: searched around it.
    std::optional<sky::Equatorial> near;
    int timeLimitSeconds = 120;
    // Hints that may be wrong (the setup's, for an image taken with another):
    // when the search about them fails in half the time, the rest of it
    // searches every scale and place.
    bool mayBeWrong = false;
};

struct Measure {
    sky::Equatorial centre;         // the image's middle, J2000
    double arcsecPerPixel = 0;      // per pixel of the sensor
    // The image's field on the sky: the separation of the midpoints of its
    // left and right sides, and of its top and bottom, as solve-field's
    // "Field size" gives it; wider than width x scale for a wide field.
    double widthArcmin = 0;
    double heightArcmin = 0;
    double rotationDeg = 0;         // the top side's position angle, north through east, 0 to below 360
    bool mirrored = false;          // east and west swapped, as through a diagonal
    std::optional<double> fwhmPixels;  // the stars' median width, sensor pixels
};

// Where the search is: about the hinted place at the hinted scale, about
// the place at any scale, or everywhere at any scale.
enum class SolveStage { Hinted, PlaceOnly, Blind };
struct SolveStatus {
    SolveStage stage = SolveStage::Blind;
    double seconds = 0;      // spent since the solve began
    double limitSeconds = 0;  // the whole solve's limit
};
// Called about ten times a second; false cancels.
using Progress = std::function<bool(const SolveStatus& status)>;

// True when astrometry.net's solve-field and index files are installed.
bool solverInstalled();

// The image solved by astrometry.net's solve-field, run as a process of its
// own in a folder of its own, stopped at the time limit or when `progress`
// cancels; it ends with the program however the program ends. Fails with
// the packages to install when astrometry.net or its index files are
// missing, and with "n'a pas pu être résolue" and the reason otherwise: no
// solution in the time it took, cancelled, the solver's own last words when
// it failed, or a solution whose values are not a place and a scale;
// `path` names the image in the messages.
Measure solveImage(const Image& image, const std::string& path, const SolveHints& hints, const Progress& progress = {});

// The measure a solution's WCS gives for an image of that size, binned so:
// the centre, scale and top side's angle from the CD matrix about CRPIX,
// the field from the sides' midpoints taken to the sky through the
// gnomonic (TAN) projection the solution is written in.
// Reference: Calabretta & Greisen (2002), A&A 395, 1077, "Representations
// of celestial coordinates in FITS", sect. 5.1.3 (TAN); the CD matrix,
// Greisen & Calabretta (2002), A&A 395, 1061, sect. 2.1.2. SIP distortion
// terms, when a solution has them, are neglected: under a pixel for the
// fields this program measures.
Measure measureOf(const Wcs& wcs, int width, int height, int binning);

// The measure of the solution an image's file already holds, when its
// values are those of a place and a scale; no stars' width (the solver's
// list of stars gives it).
std::optional<Measure> measureOfSolved(const Image& image);

}  // namespace quarvel::image
