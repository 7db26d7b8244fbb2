// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include "catalogues/telescopes.h"
#include "core/checked.h"
#include "core/number_format.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "core/search.h"
#include "ui/messages.h"
#include "ui/names.h"

namespace quarvel::ui {

using form::ModalResult;

QuitForm::QuitForm(Guard& guard)
    : Form("fQuit", "Quitter", guard),
      rgSauveConfig(add<RadioGroup>("rgSauveConfig", " Sauver la configuration ",
                                    std::vector<std::string>{"Oui", "Non"}, 2)),
      bbQuitOK(add<Button>("bbQuitOK", "OK", ModalResult::Ok)),
      bbQuitCancel(add<Button>("bbQuitCancel", "Annuler", ModalResult::Cancel)) {
    rgSauveConfig.select(kYesRow);
}

std::optional<bool> QuitForm::ask(ModalHost& host) {
    if (host.showModal(*this) != ModalResult::Ok) return std::nullopt;
    return rgSauveConfig.selected() == kYesRow;
}

namespace {

// The rows whose names hold every word typed in the filter.
std::vector<ListControl::Item> filtered(std::vector<ListControl::Item> items, const std::string& query) {
    std::erase_if(items, [&query](const ListControl::Item& item) { return !core::matchesEveryWord(item.id, query); });
    return items;
}

// A model's row, with its sensor's numbers as its hint.
std::vector<ListControl::Item> modelEntries(ModelListForm::Kind kind, const catalogues::Catalogue& catalogue,
                                            const std::string& query) {
    const bool cameras = kind == ModelListForm::Kind::Cameras;
    auto items = filtered(listItems(cameras ? catalogue.cameraEntries() : catalogue.dslrEntries()), query);
    for (auto& item : items) {
        const auto mapped = cameras ? catalogue.mapCamera(item.id) : catalogue.mapDslr(item.id);
        const auto* sensor = mapped ? catalogue.findSensor(mapped->sensorName) : nullptr;
        if (!sensor) continue;
        const core::SensorValues& v = sensor->values;
        item.hint = core::Message(messages::kSensorHint,
                                  {core::Message::data(sensor->name), core::Message::data(std::to_string(v.pixelsX)),
                                   core::Message::data(std::to_string(v.pixelsY)),
                                   core::Message::data(core::shortest(v.pixelWidthUm))});
    }
    return items;
}

// A telescope's row, with its diameter, focal length and f/D as its hint.
std::vector<ListControl::Item> telescopeEntries(const catalogues::Catalogue& catalogue, const std::string& query) {
    auto items = filtered(listItems(catalogue.telescopeEntries()), query);
    for (auto& item : items) {
        const auto row = catalogue.findTelescopeRow(item.id);
        const auto& optics = catalogue.telescopes()[static_cast<std::size_t>(*row)].optics;
        if (!optics || !(optics->diameterMm > 0)) continue;
        item.hint = core::Message(messages::kTelescopeHint,
                                  {core::Message::data(core::shortest(optics->diameterMm)),
                                   core::Message::data(core::shortest(optics->focalMm)),
                                   core::Message::data(core::fixed(optics->focalMm / optics->diameterMm, 5, 1))});
    }
    return items;
}

}  // namespace

ModelListForm::ModelListForm(Kind kind, Guard& guard, EquipmentEditor& equipment, const Session& session)
    : Form(kind == Kind::Cameras ? "fCameras" : "fAPN",
           kind == Kind::Cameras ? "Liste de caméras" : "Liste d'appareils photos numériques", guard),
      list(add<ListControl>(kind == Kind::Cameras ? "lbCameras" : "lbAPN",
                            [&equipment, kind] { return modelEntries(kind, equipment.catalogue(), {}); })),
      eFiltre(add<EditField>(kind == Kind::Cameras ? "eFiltreCam" : "eFiltreAPN")),
      bbOK(add<Button>(kind == Kind::Cameras ? "bbOKCam" : "bbOKAPN", "OK", ModalResult::Ok)),
      bbCancel(add<Button>(kind == Kind::Cameras ? "bbCancelCam" : "bbCancelAPN", "Annuler", ModalResult::Cancel)),
      bbAjouter(add<Button>(kind == Kind::Cameras ? "bbAjouterCam" : "bbAjouterAPN", "Ajouter…")),
      bbSupprimer(add<Button>(kind == Kind::Cameras ? "bbSupprimerCam" : "bbSupprimerAPN", "Supprimer")),
      m_kind(kind),
      m_equipment(equipment),
      m_session(session) {
    bbAjouter.setHint(kind == Kind::Cameras ? "Ajouter le capteur actuel comme caméra personnelle"
                                            : "Ajouter le capteur actuel comme appareil photo personnel");
    bbSupprimer.setHint("Supprimer un équipement personnel (marqué ★)");
    eFiltre.setHint("Taper des mots du nom pour ne montrer que les modèles qui les contiennent");
    eFiltre.onChange = [this] { refresh(); };
    bbOK.onClick = [this] { ok(); };
    bbAjouter.onClick = [this] { addModel(); };
    bbSupprimer.onClick = [this] { removeModel(); };
    list.onChange = [this] { updateRemoveButton(); };
    m_subscription = equipment.onChange([this] { refresh(); });
    updateRemoveButton();
}

catalogues::Kind ModelListForm::catalogueKind() const {
    return m_kind == Kind::Cameras ? catalogues::Kind::Camera : catalogues::Kind::Dslr;
}

std::optional<ModelChoice> ModelListForm::choose(ModalHost& host) {
    eFiltre.setText("");
    m_choice.reset();
    updateRemoveButton();
    host.showModal(*this);
    return std::exchange(m_choice, std::nullopt);
}

void ModelListForm::ok() {
    const int row = core::checkListIndex(list.selected(), list.count());
    ModelChoice choice;
    choice.model = list.id(row);
    const auto& catalogue = m_equipment.catalogue();
    const auto mapped = m_kind == Kind::Cameras ? catalogue.mapCamera(choice.model) : catalogue.mapDslr(choice.model);
    if (mapped) {
        choice.sensorInCatalogue = mapped->inCatalogue();
        choice.sensorName = choice.sensorInCatalogue ? std::string(mapped->sensorName) : std::string(kUnknown);
    }
    m_choice = std::move(choice);
}

void ModelListForm::addModel() {
    const auto name = m_equipment.addModel(catalogueKind(), m_session);
    if (!name) return;
    if (const auto row = list.rowOf(*name)) list.select(*row);
    updateRemoveButton();
}

void ModelListForm::removeModel() {
    m_equipment.removeModel(catalogueKind(), std::string(list.selectedId()));
}

void ModelListForm::refresh() {
    list.setItems(modelEntries(m_kind, m_equipment.catalogue(), eFiltre.text()));
    updateRemoveButton();
}

// Only the user's own rows can be removed.
void ModelListForm::updateRemoveButton() {
    bbSupprimer.setEnabled(list.selected() >= 0 &&
                           m_equipment.catalogue().isUserRow(catalogueKind(), list.selectedId()));
}

DateForm::DateForm(Guard& guard, std::function<form::CalendarDate()> today)
    : Form("fDate", "Nouvelle date", guard),
      MonthCalendar1(add<Calendar>("MonthCalendar1", form::CalendarDate{1600, 1, 1}, form::CalendarDate{2800, 12, 31})),
      bbDateOK(add<Button>("bbDateOK", "OK", ModalResult::Ok)),
      bbDateCancel(add<Button>("bbDateCancel", "Annuler", ModalResult::Cancel)),
      bbNow(add<Button>("bbNow", "Aujourd'hui")),
      m_today(std::move(today)) {
    bbDateOK.onClick = [this] {
        if (m_apply) m_apply(MonthCalendar1.date());
    };
    bbNow.onClick = [this] {
        const form::CalendarDate date = this->today();
        if (m_apply) m_apply(date);
    };
}

form::CalendarDate DateForm::today() {
    const form::CalendarDate date = m_today();
    MonthCalendar1.setDate(date);
    return date;
}

void DateForm::choose(ModalHost& host, std::function<void(form::CalendarDate)> apply) {
    m_apply = std::move(apply);
    host.showModal(*this);
    m_apply = nullptr;
}

TelescopesForm::TelescopesForm(Guard& guard, EquipmentEditor& equipment, const Session& session)
    : Form("fTelescopes", "Telescopes", guard),
      lbTelescopes(add<ListControl>("lbTelescopes", [&equipment] { return telescopeEntries(equipment.catalogue(), {}); })),
      eFiltreTel(add<EditField>("eFiltreTel")),
      cbRedMult(add<ListControl>("cbRedMult", catalogues::focalFactorComboItems())),
      eAutreRM(add<EditField>("eAutreRM")),
      bbOK(add<Button>("bbOK", "OK", ModalResult::Ok)),
      bbCancel(add<Button>("bbCancel", "Annuler", ModalResult::Cancel)),
      bbAjouterTel(add<Button>("bbAjouterTel", "Ajouter…")),
      bbSupprimerTel(add<Button>("bbSupprimerTel", "Supprimer")),
      m_equipment(equipment),
      m_session(session) {
    bbAjouterTel.setHint("Ajouter le diamètre et la focale actuels comme télescope personnel");
    bbSupprimerTel.setHint("Supprimer un télescope personnel (marqué ★)");
    cbRedMult.select(kNoFactorRow);
    eAutreRM.setVisible(false);
    eAutreRM.acceptDecimalComma();
    cbRedMult.onChange = [this] { eAutreRM.setVisible(cbRedMult.selected() == kOtherFactorRow); };
    bbOK.onClick = [this] { ok(); };
    bbAjouterTel.onClick = [this] { addTelescope(); };
    bbSupprimerTel.onClick = [this] { removeTelescope(); };
    lbTelescopes.onChange = [this] { updateRemoveButton(); };
    const auto refresh = [this] {
        lbTelescopes.setItems(telescopeEntries(m_equipment.catalogue(), eFiltreTel.text()));
        updateRemoveButton();
    };
    eFiltreTel.setHint("Taper des mots du nom pour ne montrer que les télescopes qui les contiennent");
    eFiltreTel.onChange = refresh;
    m_subscription = equipment.onChange(refresh);
    updateRemoveButton();
}

std::optional<TelescopeChoice> TelescopesForm::choose(ModalHost& host, const std::string& current) {
    // A name that no row carries, from an edited configuration file, opens
    // the list on the personal configuration.
    eFiltreTel.setText("");
    lbTelescopes.select(lbTelescopes.rowOf(current).value_or(kPersonalTelescopeRow));
    updateRemoveButton();
    m_choice.reset();
    host.showModal(*this);
    return std::exchange(m_choice, std::nullopt);
}

void TelescopesForm::ok() {
    core::checkListIndex(lbTelescopes.selected(), lbTelescopes.count());
    // The catalogue's row of the one chosen: the list may be filtered and sorted.
    const int row = m_equipment.catalogue().findTelescopeRow(lbTelescopes.selectedId()).value_or(kPersonalTelescopeRow);
    const auto& telescope = m_equipment.catalogue().telescopes()[static_cast<std::size_t>(row)];
    TelescopeChoice choice{row, telescope.name, telescope.optics, cbRedMult.selected(), 1, {}};
    eAutreRM.setVisible(choice.factorRow == kOtherFactorRow);
    if (choice.factorRow == kOtherFactorRow) {
        choice.factor = core::parseReal(eAutreRM.text());
        choice.factorLabel = eAutreRM.text();
    } else if (choice.factorRow >= 0) {
        const auto& factor = catalogues::kFocalFactors[static_cast<std::size_t>(choice.factorRow)];
        choice.factor = factor.factor;
        choice.factorLabel = std::string(factor.label);
    }
    m_choice = std::move(choice);
}

int TelescopesForm::showSaved(core::InstrumentSettings& instrument) {
    if (const auto row = catalogues::focalFactorRowForLabel(instrument.focalFactorLabel)) {
        cbRedMult.select(*row);
        instrument.focalFactor = catalogues::kFocalFactors[static_cast<std::size_t>(*row)].factor;
    } else if (const auto typed = core::tryParseReal(instrument.focalFactorLabel)) {
        // A factor typed under "Autre" comes back as "Autre" with its number.
        cbRedMult.select(kOtherFactorRow);
        eAutreRM.setText(instrument.focalFactorLabel);
        eAutreRM.setVisible(true);
        instrument.focalFactor = *typed;
    } else if (instrument.focalFactor == 0) {
        // Nothing usable and no factor yet: none, rather than a focal length of 0.
        cbRedMult.select(kNoFactorRow);
        instrument.focalFactor = 1.0;
        instrument.focalFactorLabel = std::string(catalogues::kFocalFactors[0].label);
    }
    if (const auto row = lbTelescopes.rowOf(instrument.telescopeName)) lbTelescopes.select(*row);
    return cbRedMult.selected();
}

void TelescopesForm::addTelescope() {
    const auto& instrument = m_session.instrument;
    const auto name = m_equipment.addTelescope({instrument.diameterMm, instrument.baseFocalMm});
    if (!name) return;
    if (const auto row = lbTelescopes.rowOf(*name)) lbTelescopes.select(*row);
    updateRemoveButton();
}

void TelescopesForm::removeTelescope() {
    if (lbTelescopes.selected() < 0) return;
    m_equipment.removeTelescope(std::string(lbTelescopes.selectedId()));
}

// Only the user's own rows can be removed.
void TelescopesForm::updateRemoveButton() {
    bbSupprimerTel.setEnabled(lbTelescopes.selected() >= 0 &&
                              m_equipment.catalogue().isUserRow(catalogues::Kind::Telescope,
                                                                lbTelescopes.selectedId()));
}

NameForm::NameForm(Guard& guard)
    : Form("fNomEquipement", "Nouvel équipement", guard),
      labNomEquipement(add<form::Label>("labNomEquipement")),
      eNomEquipement(add<EditField>("eNomEquipement")),
      eDiamEquipement(add<EditField>("eDiamEquipement")),
      eFocaleEquipement(add<EditField>("eFocaleEquipement")),
      eNbPixelsXEquipement(add<EditField>("eNbPixelsXEquipement")),
      eNbPixelsYEquipement(add<EditField>("eNbPixelsYEquipement")),
      eTaillePixelsXEquipement(add<EditField>("eTaillePixelsXEquipement")),
      eTaillePixelsYEquipement(add<EditField>("eTaillePixelsYEquipement")),
      bbNomOK(add<Button>("bbNomOK", "OK", ModalResult::Ok)),
      bbNomCancel(add<Button>("bbNomCancel", "Annuler", ModalResult::Cancel)) {
    labNomEquipement.setCaption("Nom :");
    for (EditField* real : {&eDiamEquipement, &eFocaleEquipement, &eTaillePixelsXEquipement,
                            &eTaillePixelsYEquipement}) {
        real->acceptDecimalComma();
    }
    // A digital camera's pixels are square: one size, shown twice.
    eTaillePixelsXEquipement.onChange = [this] {
        if (m_kind == catalogues::Kind::Dslr) eTaillePixelsYEquipement.setText(eTaillePixelsXEquipement.text());
    };
    bbNomOK.onClick = [this] {
        setModalResult(ModalResult::None);
        NewEquipment answer = read();
        if (m_check) m_check(answer);
        m_answer = std::move(answer);
        setModalResult(ModalResult::Ok);
    };
}

std::optional<NewEquipment> NameForm::ask(ModalHost& host, catalogues::Kind kind, const NewEquipment& shown,
                                          const std::function<void(const NewEquipment&)>& check) {
    m_kind = kind;
    m_check = check;
    m_answer.reset();
    const bool telescope = kind == catalogues::Kind::Telescope;
    for (EditField* field : {&eDiamEquipement, &eFocaleEquipement}) field->setVisible(telescope && !m_nameOnly);
    for (EditField* field : {&eNbPixelsXEquipement, &eNbPixelsYEquipement, &eTaillePixelsXEquipement,
                             &eTaillePixelsYEquipement}) {
        field->setVisible(!telescope && !m_nameOnly);
    }
    eTaillePixelsYEquipement.setEnabled(kind != catalogues::Kind::Dslr);
    const auto real = [](double value) { return value > 0 ? core::shortest(value) : std::string(); };
    const auto whole = [](std::int32_t value) { return value > 0 ? std::to_string(value) : std::string(); };
    eNomEquipement.setText(shown.name);
    eDiamEquipement.setText(real(shown.optics.diameterMm));
    eFocaleEquipement.setText(real(shown.optics.focalMm));
    eNbPixelsXEquipement.setText(whole(shown.sensor.pixelsX));
    eNbPixelsYEquipement.setText(whole(shown.sensor.pixelsY));
    eTaillePixelsXEquipement.setText(real(shown.sensor.pixelWidthUm));
    eTaillePixelsYEquipement.setText(real(shown.sensor.pixelHeightUm));
    const bool added = host.showModal(*this) == ModalResult::Ok;
    m_check = nullptr;
    if (!added) return std::nullopt;
    return std::exchange(m_answer, std::nullopt);
}

std::optional<std::string> NameForm::askName(ModalHost& host, const std::function<void(const std::string&)>& check) {
    m_nameOnly = true;
    const auto answer = ask(host, catalogues::Kind::Telescope, {},
                            [&check](const NewEquipment& named) { check(named.name); });
    m_nameOnly = false;
    if (!answer) return std::nullopt;
    return answer->name;
}

// The fields that the kind shows, read as the main window reads its own.
NewEquipment NameForm::read() const {
    NewEquipment answer;
    std::string name = eNomEquipement.text();
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.erase(name.begin());
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    answer.name = name;
    if (m_nameOnly) return answer;
    if (m_kind == catalogues::Kind::Telescope) {
        answer.optics = {core::parseReal(eDiamEquipement.text()), core::parseReal(eFocaleEquipement.text())};
    } else {
        answer.sensor.pixelsX = core::parseInteger(eNbPixelsXEquipement.text());
        answer.sensor.pixelsY = core::parseInteger(eNbPixelsYEquipement.text());
        answer.sensor.pixelWidthUm = core::parseReal(eTaillePixelsXEquipement.text());
        answer.sensor.pixelHeightUm = core::parseReal(eTaillePixelsYEquipement.text());
    }
    return answer;
}

ConfirmForm::ConfirmForm(Guard& guard)
    : Form("fConfirmation", "Supprimer", guard),
      labConfirmation(add<form::Label>("labConfirmation")),
      bbOui(add<Button>("bbOui", "Oui", ModalResult::Ok)),
      bbNon(add<Button>("bbNon", "Non", ModalResult::Cancel)) {}

bool ConfirmForm::ask(ModalHost& host, const core::Message& question) {
    labConfirmation.setMessage(question);
    return host.showModal(*this) == ModalResult::Ok;
}

EquipmentQuestions equipmentQuestions(NameForm& name, ConfirmForm& confirm, ModalHost& host) {
    return {[&name, &host](catalogues::Kind kind, const NewEquipment& shown, const EquipmentQuestions::Check& check) {
                return name.ask(host, kind, shown, check);
            },
            [&name, &host](const std::function<void(const std::string&)>& check) { return name.askName(host, check); },
            [&confirm, &host](const core::Message& question) { return confirm.ask(host, question); }};
}

}  // namespace quarvel::ui
