// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "config/settings.h"
#include "core/optics.h"
#include "ephem/ephemeris.h"
#include "setup/setup.h"

namespace quarvel::ui {

// The name saved for a sensor or camera the lists do not know.
inline constexpr std::string_view kUnknown = "Inconnu";

// What the pages share: the instrument with its focal factor and names, the
// sensor and its names, the sampling they give, and the ephemeris date.
// The setup itself (instrument and sensor) is the session's base: the pages
// compute from it as it is.
struct Session : setup::Setup {
    std::string sensorName{kUnknown};
    std::string cameraName{kUnknown};
    // Per pixel: the last one the window could compute, for the pages that
    // measure with it.
    double samplingArcsec = 0;
    // The focal length as typed: the separation page shows it and needs it
    // in whole millimetres.
    std::string focalText;
    ephem::EphemerisDate date;
    // The object of the Imagerie page: its row, its name and its apparent
    // diameter on the date, for the planet drawing.
    int objectRow = -1;
    std::string objectName;
    double apparentDiameterArcsec = 0;
    // The user's preferences, remembered in Quarvel.ini as they change: the
    // night mode, the seeing's FWHM in arc-seconds (0: none typed) and the
    // binning.
    config::Settings preferences;


    // A sensor with a zero number: nothing can be drawn or sized on it.
    bool sensorIncomplete() const {
        return sensor.pixelsX == 0 || sensor.pixelsY == 0 || sensor.pixelWidthUm == 0 || sensor.pixelHeightUm == 0;
    }
};

}  // namespace quarvel::ui
