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
      m_tabs{{sensorPage.cbCapteursPict, sensorPage.sensor},
             {planetPage.cbCapteursPla, planetPage.sensor},
             {photoPage.cbCapteursPhoto, photoPage.sensor}} {
    for (const Tab& tab : m_tabs) tab.list.onChange = [this, &list = tab.list] { change(list); };
}

void SensorTabs::refreshLists() {
    for (const Tab& tab : m_tabs) tab.list.setItems(listItems(m_catalogue.tabSensorEntries()));
}

// "Saisie manuelle" is the parameter page's current sensor, a sensor's row
// that sensor; no row, nothing.
void SensorTabs::lookup(const Tab& tab) {
    if (tab.list.selected() == kManualTabRow) {
        tab.sensor = m_session.sensor;
    } else if (const auto* row = m_catalogue.findSensor(tab.list.selectedId())) {
        tab.sensor = row->values;
    }
}

void SensorTabs::showStart() {
    showSensorPage();
    lookup(m_tabs[1]);
    m_sensorPage.draw(m_planetPage.sensor, m_planetPage.cbCapteursPla.selectedId());
    lookup(m_tabs[2]);
}

// The same reaction for the three lists, in the order each page takes its steps.
void SensorTabs::change(ListControl& list) {
    if (list.selected() < 0) list.select(kManualTabRow);
    const int row = list.selected();
    if (&list == &m_tabs[0].list) {
        lookup(m_tabs[0]);
        m_sensorPage.draw(m_sensorPage.sensor, list.selectedId());
    } else if (&list == &m_tabs[1].list) {
        lookup(m_tabs[1]);
        m_sensorPage.draw(m_planetPage.sensor, list.selectedId());
        static_cast<core::SensorValues&>(m_session.sensor) = m_planetPage.sensor;
    } else {
        lookup(m_tabs[2]);
        static_cast<core::SensorValues&>(m_session.sensor) = m_photoPage.sensor;
        m_photoPage.reloadPhotograph();
        m_photoPage.drawFrame();
    }
    followRow(list, row);
    // Drawn after the recompute, at the new sensor's sampling.
    if (&list == &m_tabs[1].list) {
        m_planetPage.draw();
        m_planetPage.showSensorName();
    }
    if (&list == &m_tabs[2].list) m_photoPage.showNames();
}

// The other lists and the parameter page follow a list's row.
void SensorTabs::followRow(const ListControl& changed, int row) {
    for (const Tab& tab : m_tabs) {
        if (&tab.list == &changed) continue;
        tab.list.select(row);
        lookup(tab);
        if (&tab.list != &m_tabs[2].list) m_sensorPage.draw(tab.sensor, tab.list.selectedId());
    }
    m_parametrage.followTabRow(row);
    recompute();
}

void SensorTabs::showSensorPage() {
    follow();
    m_sensorPage.draw(m_sensorPage.sensor, m_sensorPage.cbCapteursPict.selectedId());
}

void SensorTabs::showPhotoPage() {
    m_photoPage.reloadPhotograph();
    lookup(m_tabs[2]);
    m_photoPage.drawFrame();
}

// The drawing pages follow the parameter page's sensor: a catalogue row is
// the same sensor there, any command row their "Saisie manuelle", which
// copies the current numbers.
void SensorTabs::follow() {
    const int row = std::max(kManualTabRow, catalogues::tabRowForMainRow(m_parametrage.sensorRow()));
    for (const Tab& tab : m_tabs) {
        tab.list.select(row);
        lookup(tab);
    }
}

}  // namespace quarvel::ui
