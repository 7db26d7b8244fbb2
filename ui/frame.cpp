// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook, the bottom buttons, the quit dialog and the About page.
#include "catalogues/sensors.h"
#include "ui/main_form.h"

namespace quarvel::ui {

namespace {

enum Page { kParametrage = 0, kDessinCapteur, kCalculs, kImagerie, kDessinPlanete, kChampPhoto, kAide, kAPropos };

}  // namespace

void MainForm::wireFrame() {
    bbRun.onClick = [this] { run(); };
    TabbedNotebook1.onUserSwitch = [this] { tabSwitch(); };
    bbQuit.onClick = [this] { quit(); };
    bbRAZ.onClick = [this] { reset(); };
    bbChargeConfig.onClick = [this] {
        load();
        recompute();
        recomputePlanetaryPage();
    };
    bbSauveConfig.onClick = [this] {
        if (!eDiam.empty() && !eFocale.empty()) save();
    };
    labMail.onDoubleClick = [this] { mailClick(); };
    m_dialogs.quit.bbQuitOK.onClick = [this] {
        if (m_dialogs.quit.rgSauveConfig.selected() != 0) return;
        try {
            save();
        } catch (...) {
            // The save the user asked for failed: the program stays open.
            m_dialogs.quit.setModalResult(form::ModalResult::Cancel);
            throw;
        }
    };
}

void MainForm::run() {
    bbRAZ.setEnabled(true);
    bbChargeConfig.setEnabled(true);
    bbSauveConfig.setEnabled(true);
    TabbedNotebook1.setActivePage(kParametrage);
    pMasqueOnglets.setVisible(false);
    TabbedNotebook1.setEnabled(true);
}

void MainForm::tabSwitch() {
    const int page = TabbedNotebook1.activePage();
    if (page == kParametrage || page == kCalculs || page == kImagerie) bbRAZ.setEnabled(true);
    if (page == kDessinPlanete || page == kChampPhoto) bbRAZ.setEnabled(false);
    bbChargeConfig.setEnabled(page == kParametrage);
    bbSauveConfig.setEnabled(page == kParametrage);
    if (page == kDessinCapteur) showSensorPage();
    if (page == kImagerie) recomputePlanetaryPage();
    if (page == kDessinPlanete) showPlanetPage();
    if (page == kChampPhoto) showPhotoPage();
}

void MainForm::quit() {
    if (m_host.showModal(m_dialogs.quit) == form::ModalResult::Ok && m_env.closeProgram) m_env.closeProgram();
}

void MainForm::mailClick() {
    if (m_env.openUrl) {
        m_env.openUrl("mailto:" + std::string(kContactAddress) + "?subject=A propos de Quarvel&body=");
    }
}

}  // namespace quarvel::ui
