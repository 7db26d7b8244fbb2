// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "catalogues/catalogue.h"
#include "ui/drawing_pages.h"
#include "ui/parametrage_page.h"
#include "ui/session.h"

namespace quarvel::ui {

// The drawing pages' sensor lists: a row chosen on one page is chosen on the
// others and on the parameter page.
class SensorTabs {
public:
    SensorTabs(const catalogues::Catalogue& catalogue, Session& session, ParametragePage& parametrage,
               SensorDrawingPage& sensorPage, PlanetDrawingPage& planetPage, PhotoPage& photoPage);
    std::function<void()> recompute;

    // The lists follow the parameter page's sensor.
    void follow();
    // The lists show the catalogue as it now is.
    void refreshLists();
    // At start: the sensor page, then the planet and photo lists.
    void showStart();
    void showSensorPage();
    void showPhotoPage();

private:
    void change(ListControl& list);
    void followRow(const ListControl& changed, int row);
    // The sensor a list shows.
    core::SensorValues sensorOf(const ListControl& list) const;

    const catalogues::Catalogue& m_catalogue;
    Session& m_session;
    ParametragePage& m_parametrage;
    SensorDrawingPage& m_sensorPage;
    PlanetDrawingPage& m_planetPage;
    PhotoPage& m_photoPage;
    ListControl* m_lists[3];
};

}  // namespace quarvel::ui
