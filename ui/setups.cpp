// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setups.h"

#include "catalogues/telescopes.h"
#include "core/number_format.h"
#include "core/parse.h"

namespace quarvel::ui {

setup::Setup setupOf(const config::Settings& s) {
    setup::Setup setup;
    core::InstrumentSettings& in = setup.instrument;
    in.telescopeName = s.telescope;
    in.telescopeLabel = s.telescope;
    in.focalFactorLabel = s.barlow;
    in.diameterMm = s.diameterMm;
    in.baseFocalMm = s.focalMm;
    in.focalFactor = catalogues::focalFactorOfLabel(s.barlow).value_or(1.0);
    in.focalMm = core::roundHalfEven(s.focalMm * in.focalFactor);
    in.filterIndex = s.filter >= 0 && s.filter < static_cast<std::int32_t>(core::kFilters.size()) ? s.filter : 0;
    setup.sensor.name = s.sensor;
    setup.sensor.pixelsX = core::tryParseInteger(s.sensorX).value_or(0);
    setup.sensor.pixelsY = core::tryParseInteger(s.sensorY).value_or(0);
    setup.sensor.pixelWidthUm = core::tryParseReal(s.pixelX).value_or(0);
    setup.sensor.pixelHeightUm = core::tryParseReal(s.pixelY).value_or(0);
    return setup;
}

}  // namespace quarvel::ui
