// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the main window opens. Each owns its buttons' handling and
// gives its opener a typed answer: nothing when the user cancels.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "catalogues/catalogue.h"
#include "ui/form/form.h"
#include "ui/session.h"

namespace quarvel::ui {

using form::Button;
using form::Calendar;
using form::EditField;
using form::Form;
using form::Guard;
using form::ListControl;
using form::ModalHost;
using form::RadioGroup;

class EquipmentEditor;

// "Quitter": whether to save before the program ends.
class QuitForm : public Form {
public:
    explicit QuitForm(Guard& guard);
    // Whether to save; nothing when the user stays.
    std::optional<bool> ask(ModalHost& host);

    RadioGroup& rgSauveConfig;
    Button& bbQuitOK;
    Button& bbQuitCancel;
};

// A model of a camera list, as the user chose it.
struct ModelChoice {
    std::string model;                     // the list's name for it, without the user's mark
    std::optional<std::string> sensorName;  // its sensor's name; none: the sensor stays as it was
    bool sensorInCatalogue = true;          // false: its sensor is to be entered by hand
};

// "Liste de caméras" and "Liste d'appareils photos numériques": a model list
// and its buttons, with the user's own models added and removed there.
class ModelListForm : public Form {
public:
    enum class Kind { Cameras, Dslrs };
    ModelListForm(Kind kind, Guard& guard, EquipmentEditor& equipment, const Session& session);
    Kind kind() const { return m_kind; }
    std::optional<ModelChoice> choose(ModalHost& host);
    // The first row chosen, as a key press in the sensor list asks.
    void startAtFirstRow() { list.select(0); }

    ListControl& list;
    Button& bbOK;
    Button& bbCancel;
    Button& bbAjouter;
    Button& bbSupprimer;

private:
    void ok();
    void addModel();
    void removeModel();
    void refresh();
    void updateRemoveButton();
    catalogues::Kind catalogueKind() const;

    Kind m_kind;
    EquipmentEditor& m_equipment;
    const Session& m_session;
    std::optional<ModelChoice> m_choice;
};

// "Nouvelle date".
class DateForm : public Form {
public:
    DateForm(Guard& guard, std::function<form::CalendarDate()> today);
    // The date chosen with OK, or with "Aujourd'hui" before the user leaves.
    std::optional<form::CalendarDate> choose(ModalHost& host);
    // Today's date, also shown by the calendar.
    form::CalendarDate today();

    Calendar& MonthCalendar1;
    Button& bbDateOK;
    Button& bbDateCancel;
    Button& bbNow;

private:
    std::function<form::CalendarDate()> m_today;
    std::optional<form::CalendarDate> m_choice;
};

// A telescope and a focal factor, as the user chose them.
struct TelescopeChoice {
    int row = 0;  // of the telescope list
    std::string name;
    std::optional<catalogues::TelescopeOptics> optics;  // none: the instrument's numbers stay
    int factorRow = -1;                                 // -1: the factor stays
    double factor = 1;
    std::string factorLabel;
};

// "Telescopes": the telescope list and the reducer or Barlow, with the
// user's own telescopes added and removed there.
class TelescopesForm : public Form {
public:
    TelescopesForm(Guard& guard, EquipmentEditor& equipment, const Session& session);
    // Opens on the telescope named, or on the first row.
    std::optional<TelescopeChoice> choose(ModalHost& host, const std::string& current);
    // The saved factor and telescope shown: sets the instrument's factor and
    // label from the saved label, and returns the factor's row.
    int showSaved(core::InstrumentSettings& instrument);

    ListControl& lbTelescopes;
    ListControl& cbRedMult;
    EditField& eAutreRM;
    Button& bbOK;
    Button& bbCancel;
    Button& bbAjouterTel;
    Button& bbSupprimerTel;

private:
    void ok();
    void addTelescope();
    void removeTelescope();
    void updateRemoveButton();

    EquipmentEditor& m_equipment;
    const Session& m_session;
    std::optional<TelescopeChoice> m_choice;
};

// "Nouvel équipement": the name of a telescope, camera or digital camera the
// user adds.
class NameForm : public Form {
public:
    explicit NameForm(Guard& guard);
    // The name typed, without spaces around it; nothing when cancelled.
    std::optional<std::string> ask(ModalHost& host);

    form::Label& labNomEquipement;
    EditField& eNomEquipement;
    Button& bbNomOK;
    Button& bbNomCancel;
};

// "Supprimer": the user confirms a removal.
class ConfirmForm : public Form {
public:
    explicit ConfirmForm(Guard& guard);
    bool ask(ModalHost& host, const std::string& question);

    form::Label& labConfirmation;
    Button& bbOui;
    Button& bbNon;
};

}  // namespace quarvel::ui
