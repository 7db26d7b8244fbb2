// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogues/catalogue.h"
#include "ui/form/form.h"

namespace quarvel::ui {

using form::Button;
using form::Calendar;
using form::EditField;
using form::Form;
using form::Guard;
using form::ListControl;
using form::RadioGroup;

// "Quitter": whether to save before the program ends.
class QuitForm : public Form {
public:
    explicit QuitForm(Guard& guard);
    RadioGroup& rgSauveConfig;
    Button& bbQuitOK;
    Button& bbQuitCancel;
};

// "Liste de caméras" and "Liste d'appareils photos numériques": a model list
// and its two buttons.
class ModelListForm : public Form {
public:
    enum class Kind { Cameras, Dslrs };
    ModelListForm(Kind kind, Guard& guard, const catalogues::Catalogue& catalogue);
    Kind kind() const { return m_kind; }
    ListControl& list;
    Button& bbOK;
    Button& bbCancel;
    // The user's own models: the current sensor under a name, and removal.
    Button& bbAjouter;
    Button& bbSupprimer;

private:
    Kind m_kind;
};

// "Nouvelle date".
class DateForm : public Form {
public:
    explicit DateForm(Guard& guard);
    Calendar& MonthCalendar1;
    Button& bbDateOK;
    Button& bbDateCancel;
    Button& bbNow;
};

// "Telescopes": the telescope list and the reducer or Barlow.
class TelescopesForm : public Form {
public:
    TelescopesForm(Guard& guard, const catalogues::Catalogue& catalogue);
    ListControl& lbTelescopes;
    ListControl& cbRedMult;
    EditField& eAutreRM;
    Button& bbOK;
    Button& bbCancel;
    // The user's own telescopes: the current instrument under a name, and removal.
    Button& bbAjouterTel;
    Button& bbSupprimerTel;
};

// "Nouvel équipement": the name of a telescope, camera or digital camera the
// user adds.
class NameForm : public Form {
public:
    explicit NameForm(Guard& guard);
    form::Label& labNomEquipement;
    EditField& eNomEquipement;
    Button& bbNomOK;
    Button& bbNomCancel;
};

// "Supprimer": the user confirms a removal.
class ConfirmForm : public Form {
public:
    explicit ConfirmForm(Guard& guard);
    form::Label& labConfirmation;
    Button& bbOui;
    Button& bbNon;
};

}  // namespace quarvel::ui
