// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/drawings/bitmap.h"
#include "ui/drawings/framing.h"
#include "ui/drawings/night_chart.h"
#include "ui/drawings/planet_drawing.h"
#include "ui/form/controls.h"

#include <functional>

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

// A paint box that holds an object framed by the sensor, for its view to
// paint; the mouse pressed and dragged on it, in the canvas's pixels, moves
// or turns the frame, and the wheel zooms.
class FramingBox : public Label {
public:
    using Label::Label;
    std::function<void(drawings::Point at)> onPress;
    std::function<void(drawings::Point at)> onDrag;
    std::function<void(double factor)> onZoom;
    const drawings::FramingScene& scene() const { return m_scene; }
    void setScene(drawings::FramingScene scene) {
        m_scene = std::move(scene);
        changed();
    }

private:
    drawings::FramingScene m_scene;
};

// A paint box that holds the night's altitude chart.
class NightBox : public Label {
public:
    using Label::Label;
    const drawings::NightChart& chart() const { return m_chart; }
    void setChart(drawings::NightChart chart) {
        m_chart = std::move(chart);
        changed();
    }

private:
    drawings::NightChart m_chart;
};

// An image control: the picture its view shows.
class Picture : public Label {
public:
    using Label::Label;
    const drawings::Bitmap& picture() const {
        if (m_source) {
            m_picture = m_source();
            m_source = nullptr;
        }
        return m_picture;
    }
    void setPicture(drawings::Bitmap picture) {
        m_source = nullptr;
        m_picture = std::move(picture);
        changed();
    }
    // A picture decoded the first time it is asked for.
    void setPicture(std::function<drawings::Bitmap()> source) {
        m_source = std::move(source);
        changed();
    }

private:
    mutable drawings::Bitmap m_picture;
    mutable std::function<drawings::Bitmap()> m_source;
};

}  // namespace quarvel::ui::form
