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
      m_kind(kind) {}

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
      bbCancel(add<Button>("bbCancel", "Annuler", ModalResult::Cancel)) {
    cbRedMult.select(catalogues::kNoFactorRow);
    eAutreRM.setVisible(false);
    cbRedMult.onChange = [this] { eAutreRM.setVisible(cbRedMult.text() == catalogues::kOtherFactorText); };
}

}  // namespace quarvel::ui
