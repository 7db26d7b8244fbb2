// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quarvel::core {

// Angle conversions, used exactly as written (pi to 12 decimals).
inline constexpr double kPi = 3.141592653589;
inline constexpr double kDegreesToRadians = kPi / 180;
inline constexpr double kRadiansToDegrees = 57.2957795131;

// Arc-seconds per radian over 1000: turns micrometres / millimetres into arc-seconds.
inline constexpr double kArcsecPerUmPerMm = 206.265;
// 206.265 / 60 rounded to three decimals: micrometres / millimetres into arc-minutes.
inline constexpr double kArcminPerUmPerMm = 3.438;
// 1.22 x 206.265: the Airy radius in arc-seconds for a wavelength in micrometres over D in mm.
inline constexpr double kResolvingConstant = 251.6433;
// Dawes-like separating power, arc-seconds x mm.
inline constexpr double kSeparatingConstant = 120;
// Micrometres per millimetre.
inline constexpr double kUmPerMm = 1000;

}  // namespace quarvel::core
