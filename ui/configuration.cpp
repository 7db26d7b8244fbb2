// SPDX-License-Identifier: GPL-3.0-or-later
// Quarvel.ini: load, save, and the reset of the visible page's fields.
#include "catalogues/sensors.h"
#include "catalogues/telescopes.h"
#include "config/settings.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/main_form.h"

namespace quarvel::ui {

namespace {

constexpr int kFilterCount = static_cast<int>(core::kFilters.size());

// Clears a flag however the scope ends.
class Flag {
public:
    explicit Flag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Flag() { m_flag = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& m_flag;
};

}  // namespace

void MainForm::load() {
    // Re-applying "Données sauvegardées" while loading would load again,
    // inside this load: the outer load's result stands.
    if (m_loading) return;
    const Flag loading(m_loading);
    if (cbCapteurs.selected() < 0) cbCapteurs.select(0);
    const config::IniDocument file(m_env.configPath);
    if (file.status() == config::ReadStatus::TooLarge) {
        // No configuration is that large: the defaults stand, and the next
        // save writes a normal file in its place.
        guard().reporter().report(core::errorMessage(core::ErrorCode::CannotOpen, m_env.configPath,
                                                     "Fichier de plus de 1 Mo : valeurs par défaut utilisées"));
    }
    const config::Settings saved = config::readSettings(file);
    instrument.telescopeName = saved.telescope;
    instrument.telescopeLabel = saved.telescope;
    instrument.focalFactorLabel = saved.barlow;
    eDiam.setText(std::to_string(saved.diameterMm));
    eFocale.setText(std::to_string(saved.focalMm));
    // A row the group does not have is taken as missing.
    rgFiltre.select(saved.filter >= 0 && saved.filter < kFilterCount ? saved.filter : 0);
    cameraName = saved.camera;
    eNomCamera.setText(cameraName);
    sensorName = saved.sensor;

    TelescopesForm& telescopes = m_dialogs.telescopes;
    if (const auto row = catalogues::focalFactorRowForLabel(instrument.focalFactorLabel)) {
        telescopes.cbRedMult.select(*row);
        instrument.focalFactor = catalogues::kFocalFactors[static_cast<std::size_t>(*row)].factor;
    } else if (const auto typed = core::tryParseReal(instrument.focalFactorLabel)) {
        // A factor typed under "Autre" comes back as "Autre" with its number.
        telescopes.cbRedMult.select(catalogues::kOtherFactorRow);
        telescopes.eAutreRM.setText(instrument.focalFactorLabel);
        telescopes.eAutreRM.setVisible(true);
        instrument.focalFactor = *typed;
    } else if (instrument.focalFactor == 0) {
        // Nothing usable and no factor yet: none, rather than a focal length of 0.
        telescopes.cbRedMult.select(catalogues::kNoFactorRow);
        instrument.focalFactor = 1.0;
        instrument.focalFactorLabel = std::string(catalogues::kFocalFactors[0].label);
    }
    eFocale.setItalic(telescopes.cbRedMult.selected() != catalogues::kNoFactorRow);
    instrument.baseFocal = saved.focalMm;
    const std::int32_t focal = core::roundHalfEven(instrument.baseFocal * instrument.focalFactor);
    eFocale.setText(std::to_string(focal));
    instrument.focal = focal;

    selectMainSensorRowOf(sensorName);
    if (const auto row = m_catalogue.findTelescopeRow(instrument.telescopeName)) telescopes.lbTelescopes.select(*row);
    eNomCamera.setText(cameraName);
    eNbPixelsX.setText(saved.sensorX);
    eNbPixelsY.setText(saved.sensorY);
    eTaillePixelsX.setText(saved.pixelX);
    eTaillePixelsY.setText(saved.pixelY);
    rgPixelC.select(saved.squarePixels == 1 ? 1 : 0);
    for (EditField* field : {&eNomCamera, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY}) {
        field->setEnabled(false);
    }
    rgPixelC.setEnabled(false);
    // A sensor no list holds (entered by hand, or the user's own since
    // removed) is editable again, as when it was saved.
    if (!m_catalogue.findSensor(sensorName)) enableHandEntry();
}

void MainForm::save() {
    // Every value is checked and formatted before the file is touched, then
    // the file is replaced once: a bad diameter leaves it as it was, and a
    // crash leaves the old file or the new one.
    const std::string diameter = std::to_string(core::parseInteger(eDiam.text()));
    if (cbCapteurs.selected() < catalogues::kMainCommandRows) cbCapteurs.select(1);
    const std::pair<std::string_view, std::string> values[] = {
        {config::kKeyTelescope, instrument.telescopeName},
        {config::kKeyBarlow, instrument.focalFactorLabel},
        {config::kKeyDiameter, diameter},
        {config::kKeyFocal, core::shortest(instrument.baseFocal)},
        {config::kKeyFilter, std::to_string(instrument.filterIndex)},
        {config::kKeyCamera, cameraName},
        {config::kKeySensor, sensorName},
        {config::kKeySensorX, eNbPixelsX.text()},
        {config::kKeySensorY, eNbPixelsY.text()},
        {config::kKeyPixelX, eTaillePixelsX.text()},
        {config::kKeyPixelY, eTaillePixelsY.text()},
        {config::kKeySquarePixels, std::to_string(rgPixelC.selected())},
    };
    config::IniDocument file(m_env.configPath);
    for (const auto& [key, value] : values) file.setString(config::kSection, key, value);
    file.save();
}

void MainForm::reset() {
    const int page = TabbedNotebook1.activePage();
    if (page == 0) {
        eDiam.setText("");
        eFocale.setText("");
        rgFiltre.select(0);
        for (EditField* field : {&eFD, &ePR, &ePS}) field->setText("");
        cbCapteurs.select(0);
        rgPixelC.select(0);
        for (EditField* field : {&eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY, &eTaillePixelsMMX,
                                 &eTaillePixelsMMY, &eTaillePixelsMMD, &eEchant, &eChampHor, &eChampVer}) {
            field->setText("");
        }
    }
    if (page == 0 || page == 2) {
        for (EditField* field : {&eObjet1X, &eObjet1Y, &eObjet2X, &eObjet2Y, &eSepPx, &eSepSec, &eFocTh, &eFocReel}) {
            field->setText("");
        }
    }
}

}  // namespace quarvel::ui
