// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace quarvel::ui::drawings {

// A rectangle from (left, top) to (right, bottom), right and bottom excluded,
// in the drawing's pixels.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Box&) const = default;
};

struct Colour {
    int red;
    int green;
    int blue;
    bool operator==(const Colour&) const = default;
};

// An ellipse inscribed in a box, filled and outlined.
struct Ellipse {
    Box box;
    Colour fill;
    Colour outline;
    bool operator==(const Ellipse&) const = default;
};

inline constexpr Colour kTeal{0, 128, 128};
inline constexpr Colour kSkyBlue{166, 202, 240};
inline constexpr Colour kRed{255, 0, 0};
// The frames of the setups compared with the current one, in column order:
// each has its colour and its line, so that they stay apart at night, when
// every colour is red.
inline constexpr Colour kComparedColours[] = {{0, 220, 0}, {0, 200, 255}, {255, 230, 0}};
enum class Line { Solid, Dashes, Dots, DashesAndDots };
inline constexpr Line kComparedLines[] = {Line::Dashes, Line::Dots, Line::DashesAndDots};
inline constexpr Colour kPurple{128, 0, 128};
inline constexpr Colour kMaroon{128, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kGrey{128, 128, 128};

// x div 2 with truncation toward zero.
inline int half(int x) { return x / 2; }

}  // namespace quarvel::ui::drawings
