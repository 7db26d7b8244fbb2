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
#include "ui/subscription.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

using form::Button;
using form::Calendar;
using form::EditField;
using form::Form;
using form::Guard;
using form::ListControl;
using form::ModalHost;
using form::RadioGroup;

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
    EditField& eFiltre;
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
    Subscription m_subscription;
};

// "Nouvelle date".
class DateForm : public Form {
public:
    DateForm(Guard& guard, std::function<form::CalendarDate()> today);
    // Shows the dialog; `apply` takes each date as it is applied: the
    // calendar's with OK, today's at once with "Aujourd'hui", the dialog
    // staying open.
    void choose(ModalHost& host, std::function<void(form::CalendarDate)> apply);
    // Today's date, also shown by the calendar.
    form::CalendarDate today();

    Calendar& MonthCalendar1;
    Button& bbDateOK;
    Button& bbDateCancel;
    Button& bbNow;

private:
    std::function<form::CalendarDate()> m_today;
    std::function<void(form::CalendarDate)> m_apply;
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
    EditField& eFiltreTel;
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
    Subscription m_subscription;
};

// "Nouvel équipement": the name and the numbers of a telescope, camera or
// digital camera the user adds, shown before they are added and editable.
class NameForm : public Form {
public:
    explicit NameForm(Guard& guard);
    // What the user leaves in the fields, the name without spaces around it;
    // nothing when cancelled. OK keeps the dialog open until `check` and the
    // numbers' reading pass, each failure said with its message.
    std::optional<NewEquipment> ask(ModalHost& host, catalogues::Kind kind, const NewEquipment& shown,
                                    const std::function<void(const NewEquipment&)>& check);
    // The name alone, for a setup.
    std::optional<std::string> askName(ModalHost& host, const std::function<void(const std::string&)>& check);

    form::Label& labNomEquipement;
    EditField& eNomEquipement;
    EditField& eDiamEquipement;
    EditField& eFocaleEquipement;
    EditField& eNbPixelsXEquipement;
    EditField& eNbPixelsYEquipement;
    EditField& eTaillePixelsXEquipement;
    EditField& eTaillePixelsYEquipement;
    Button& bbNomOK;
    Button& bbNomCancel;

private:
    NewEquipment read() const;

    catalogues::Kind m_kind = catalogues::Kind::Telescope;
    bool m_nameOnly = false;
    std::function<void(const NewEquipment&)> m_check;
    std::optional<NewEquipment> m_answer;
};

// "Supprimer": the user confirms a removal.
class ConfirmForm : public Form {
public:
    explicit ConfirmForm(Guard& guard);
    bool ask(ModalHost& host, const core::Message& question);

    form::Label& labConfirmation;
    Button& bbOui;
    Button& bbNon;
};

// The equipment's questions, asked with these dialogs.
EquipmentQuestions equipmentQuestions(NameForm& name, ConfirmForm& confirm, ModalHost& host);

}  // namespace quarvel::ui
