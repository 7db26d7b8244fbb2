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
    double widthArcmin = 0;         // the image's field
    double heightArcmin = 0;
    double rotationDeg = 0;         // the top side's position angle, north through east, 0 to below 360
    bool mirrored = false;          // east and west swapped, as through a diagonal
    std::optional<double> fwhmPixels;  // the stars' median width, sensor pixels
};

// Called about ten times a second with the seconds spent; false cancels.
using Progress = std::function<bool(double seconds)>;

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
// the centre, scale and top side's angle from the CD matrix about CRPIX.
Measure measureOf(const Wcs& wcs, int width, int height, int binning);

}  // namespace quarvel::image
