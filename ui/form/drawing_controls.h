// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/drawings/bitmap.h"
#include "ui/drawings/planet_drawing.h"
#include "ui/form/controls.h"

namespace quarvel::ui::form {

// A paint box that holds the planet drawing its view paints.
class PlanetBox : public Label {
public:
    using Label::Label;
    const drawings::PlanetDrawing& drawing() const { return m_drawing; }
    void setDrawing(drawings::PlanetDrawing drawing) {
        m_drawing = std::move(drawing);
        changed();
    }

private:
    drawings::PlanetDrawing m_drawing;
};

// An image control: the picture its view shows.
class Picture : public Label {
public:
    using Label::Label;
    const drawings::Bitmap& picture() const { return m_picture; }
    void setPicture(drawings::Bitmap picture) {
        m_picture = std::move(picture);
        changed();
    }

private:
    drawings::Bitmap m_picture;
};

}  // namespace quarvel::ui::form
