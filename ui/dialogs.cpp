// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include "catalogues/telescopes.h"

namespace quarvel::ui {

using form::ModalResult;

namespace {

}  // namespace

QuitForm::QuitForm(Guard& guard)
    : Form("fQuit", "Quitter", guard),
      rgSauveConfig(add<RadioGroup>("rgSauveConfig", " Sauver la configuration ",
                                    std::vector<std::string>{"Oui", "Non"}, 2)),
      bbQuitOK(add<Button>("bbQuitOK", "OK", ModalResult::Ok)),
      bbQuitCancel(add<Button>("bbQuitCancel", "Annuler", ModalResult::Cancel)) {
    rgSauveConfig.select(0);
}

ModelListForm::ModelListForm(Kind kind, Guard& guard, const catalogues::Catalogue& catalogue)
    : Form(kind == Kind::Cameras ? "fCameras" : "fAPN",
           kind == Kind::Cameras ? "Liste de caméras" : "Liste d'appareils photos numériques", guard),
      list(add<ListControl>(kind == Kind::Cameras ? "lbCameras" : "lbAPN",
                            kind == Kind::Cameras ? catalogue.cameraEntries() : catalogue.dslrEntries())),
      bbOK(add<Button>(kind == Kind::Cameras ? "bbOKCam" : "bbOKAPN", "OK", ModalResult::Ok)),
      bbCancel(add<Button>(kind == Kind::Cameras ? "bbCancelCam" : "bbCancelAPN", "Annuler", ModalResult::Cancel)),
      bbAjouter(add<Button>(kind == Kind::Cameras ? "bbAjouterCam" : "bbAjouterAPN", "Ajouter…")),
      bbSupprimer(add<Button>(kind == Kind::Cameras ? "bbSupprimerCam" : "bbSupprimerAPN", "Supprimer")),
      m_kind(kind) {
    bbAjouter.setHint(kind == Kind::Cameras ? "Ajouter le capteur actuel comme caméra personnelle"
                                            : "Ajouter le capteur actuel comme appareil photo personnel");
    bbSupprimer.setHint("Supprimer un équipement personnel (marqué ★)");
}

DateForm::DateForm(Guard& guard)
    : Form("fDate", "Nouvelle date", guard),
      MonthCalendar1(add<Calendar>("MonthCalendar1", form::CalendarDate{1600, 1, 1}, form::CalendarDate{2800, 12, 31})),
      bbDateOK(add<Button>("bbDateOK", "OK", ModalResult::Ok)),
      bbDateCancel(add<Button>("bbDateCancel", "Annuler", ModalResult::Cancel)),
      bbNow(add<Button>("bbNow", "Aujourd'hui")) {}

TelescopesForm::TelescopesForm(Guard& guard, const catalogues::Catalogue& catalogue)
    : Form("fTelescopes", "Telescopes", guard),
      lbTelescopes(add<ListControl>("lbTelescopes", catalogue.telescopeEntries())),
      cbRedMult(add<ListControl>("cbRedMult", catalogues::focalFactorComboItems())),
      eAutreRM(add<EditField>("eAutreRM")),
      bbOK(add<Button>("bbOK", "OK", ModalResult::Ok)),
      bbCancel(add<Button>("bbCancel", "Annuler", ModalResult::Cancel)),
      bbAjouterTel(add<Button>("bbAjouterTel", "Ajouter…")),
      bbSupprimerTel(add<Button>("bbSupprimerTel", "Supprimer")) {
    bbAjouterTel.setHint("Ajouter le diamètre et la focale actuels comme télescope personnel");
    bbSupprimerTel.setHint("Supprimer un télescope personnel (marqué ★)");
    cbRedMult.select(catalogues::kNoFactorRow);
    eAutreRM.setVisible(false);
    cbRedMult.onChange = [this] { eAutreRM.setVisible(cbRedMult.text() == catalogues::kOtherFactorText); };
}

NameForm::NameForm(Guard& guard)
    : Form("fNomEquipement", "Nouvel équipement", guard),
      labNomEquipement(add<form::Label>("labNomEquipement")),
      eNomEquipement(add<EditField>("eNomEquipement")),
      bbNomOK(add<Button>("bbNomOK", "OK", ModalResult::Ok)),
      bbNomCancel(add<Button>("bbNomCancel", "Annuler", ModalResult::Cancel)) {
    labNomEquipement.setCaption("Nom :");
}

ConfirmForm::ConfirmForm(Guard& guard)
    : Form("fConfirmation", "Supprimer", guard),
      labConfirmation(add<form::Label>("labConfirmation")),
      bbOui(add<Button>("bbOui", "Oui", ModalResult::Ok)),
      bbNon(add<Button>("bbNon", "Non", ModalResult::Cancel)) {}

}  // namespace quarvel::ui
