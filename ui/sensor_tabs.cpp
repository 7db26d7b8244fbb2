// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sensor_tabs.h"

#include <algorithm>

#include "ui/names.h"

namespace quarvel::ui {

SensorTabs::SensorTabs(const catalogues::Catalogue& catalogue, Session& session, ParametragePage& parametrage,
                       SensorDrawingPage& sensorPage, PlanetDrawingPage& planetPage, PhotoPage& photoPage)
    : m_catalogue(catalogue),
      m_session(session),
      m_parametrage(parametrage),
      m_sensorPage(sensorPage),
      m_planetPage(planetPage),
      m_photoPage(photoPage),
      m_lists{&sensorPage.cbCapteursPict, &planetPage.cbCapteursPla, &photoPage.cbCapteursPhoto} {
    for (ListControl* list : m_lists) list->onChange = [this, list] { change(*list); };
}

void SensorTabs::refreshLists() {
    for (ListControl* list : m_lists) list->setItems(listItems(m_catalogue.tabSensorEntries()));
}

core::SensorValues SensorTabs::sensorOf(const ListControl& list) const {
    return tabSensor(list, m_catalogue, m_session);
}

void SensorTabs::showStart() {
    showSensorPage();
    const ListControl& planetList = m_planetPage.cbCapteursPla;
    m_sensorPage.draw(sensorOf(planetList), planetList.selectedId());
}

// The same reaction for the three lists, in the order each page takes its steps.
void SensorTabs::change(ListControl& list) {
    if (list.selected() < 0) list.select(kManualTabRow);
    const int row = list.selected();
    const core::SensorValues sensor = sensorOf(list);
    if (&list == m_lists[0]) {
        m_sensorPage.draw(sensor, list.selectedId());
    } else if (&list == m_lists[1]) {
        m_sensorPage.draw(sensor, list.selectedId());
        static_cast<core::SensorValues&>(m_session.sensor) = sensor;
    } else {
        static_cast<core::SensorValues&>(m_session.sensor) = sensor;
        m_photoPage.reloadPhotograph();
        m_photoPage.drawFrame();
    }
    followRow(list, row);
    // Drawn after the recompute, at the new sensor's sampling.
    if (&list == m_lists[1]) {
        m_planetPage.draw();
        m_planetPage.showSensorName();
    }
    if (&list == m_lists[2]) m_photoPage.showNames();
}

// The other lists and the parameter page follow a list's row.
void SensorTabs::followRow(const ListControl& changed, int row) {
    for (ListControl* list : m_lists) {
        if (list == &changed) continue;
        list->select(row);
        if (list != m_lists[2]) m_sensorPage.draw(sensorOf(*list), list->selectedId());
    }
    m_parametrage.followTabRow(row);
    recompute();
}

void SensorTabs::showSensorPage() {
    follow();
    const ListControl& list = m_sensorPage.cbCapteursPict;
    m_sensorPage.draw(sensorOf(list), list.selectedId());
}

void SensorTabs::showPhotoPage() {
    m_photoPage.reloadPhotograph();
    m_photoPage.drawFrame();
}

// The drawing pages follow the parameter page's sensor: a catalogue row is
// the same sensor there, any command row their "Saisie manuelle", which
// shows the current numbers.
void SensorTabs::follow() {
    const int row = std::max(kManualTabRow, catalogues::tabRowForMainRow(m_parametrage.sensorRow()));
    for (ListControl* list : m_lists) list->select(row);
}

}  // namespace quarvel::ui
