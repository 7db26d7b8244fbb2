// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/targets_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "config/file_io.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "sky/coordinates.h"
#include "ui/messages.h"

namespace quarvel::ui {

namespace {

using core::Message;

// The catalogues' names in the filter's list, after "Tous", in kTargetCatalogues' order.
constexpr std::string_view kCatalogueNames[] = {"Messier", "Caldwell", "NGC", "IC", "Sharpless", "Barnard", "LDN",
                                                "LBN", "van den Bergh", "Arp", "Collinder", "Melotte"};
static_assert(std::size(kCatalogueNames) == std::size(kTargetCatalogues));

enum Column { kName, kType, kSize, kMagnitude, kHours, kFill, kMosaic, kMoon, kScore, kColumns };

std::vector<Message> headings() {
    std::vector<Message> out;
    for (std::string_view heading : messages::kTargetHeadings) out.emplace_back(heading);
    return out;
}

std::string hoursText(double hours) {
    const long minutes = std::lround(hours * 60);
    char text[16];
    std::snprintf(text, sizeof text, "%ld h %02ld", minutes / 60, minutes % 60);
    return text;
}

std::string sizeText(const catalogues::DeepSkyObject& object) {
    const auto shape = catalogues::shapeOf(object);
    if (!shape) return {};
    const auto arcmin = [](double a) { return core::fixed(a, 10, a < 10 ? 1 : 0) + "'"; };
    return shape->minorArcmin == shape->majorArcmin ? arcmin(shape->majorArcmin)
                                                    : arcmin(shape->majorArcmin) + " x " + arcmin(shape->minorArcmin);
}

// The value a column sorts by: the number it shows, a name by its text.
double sortKey(const Target& t, const catalogues::DeepSkyObject& o, int column) {
    switch (column) {
        case kSize: return catalogues::shapeOf(o) ? catalogues::shapeOf(o)->majorArcmin : -1;
        case kMagnitude: return o.magnitude.value_or(99);
        case kHours: return t.night.darkHours;
        case kFill: return t.fillPercent.value_or(-1);
        case kMosaic: return t.mosaic ? t.mosaic->x * t.mosaic->y : 99;
        case kMoon: return t.night.moonDistanceDeg;
        default: return t.score;
    }
}

// All the designations of an object, as the CSV lists them.
std::string designations(const catalogues::DeepSkyObject& o) {
    std::string out;
    for (const std::string* d : {&o.m, &o.c, &o.ngc, &o.ic}) {
        if (!d->empty()) out += (out.empty() ? "" : ";") + *d;
    }
    for (const std::string& d : o.other) out += (out.empty() ? "" : ";") + d;
    return out;
}

std::string csvField(std::string text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

TargetsForm::TargetsForm(form::Guard& guard)
    : Form("fCibles", "Cibles de la nuit", guard),
      cbTypeCibles(add<form::ListControl>("cbTypeCibles", std::vector<std::string>(std::begin(messages::kTargetKinds),
                                                                                    std::end(messages::kTargetKinds)))),
      cbCatalogueCibles(add<form::ListControl>("cbCatalogueCibles", [] {
          std::vector<std::string> names{std::string(messages::kTargetKinds[0])};
          names.insert(names.end(), std::begin(kCatalogueNames), std::end(kCatalogueNames));
          return names;
      }())),
      eHeuresCibles(add<form::EditField>("eHeuresCibles")),
      eRemplissageMin(add<form::EditField>("eRemplissageMin")),
      eRemplissageMax(add<form::EditField>("eRemplissageMax")),
      eMosaiqueCibles(add<form::EditField>("eMosaiqueCibles")),
      eLuneCibles(add<form::EditField>("eLuneCibles")),
      labCibles(add<form::Label>("labCibles")),
      tabCibles(add<form::Table>("tabCibles", headings())),
      bbCopierCibles(add<form::Button>("bbCopierCibles", "Copier")),
      bbExporterCibles(add<form::Button>("bbExporterCibles", "Exporter…")),
      bbFermerCibles(add<form::Button>("bbFermerCibles", "Fermer", form::ModalResult::Cancel)) {
    cbCatalogueCibles.setDataFromRow(1);
    eHeuresCibles.setHint("Heures au moins au-dessus de l'altitude minimale, en nuit astronomique");
    eRemplissageMin.setHint("Part du champ (ou de la mosaïque) que l'objet occupe au moins, en pour cent");
    eRemplissageMax.setHint("Part du champ (ou de la mosaïque) que l'objet occupe au plus, en pour cent");
    eMosaiqueCibles.setHint("La plus grande mosaïque permise, en panneaux de côté : 1 à 5");
    eLuneCibles.setHint("Distance à la Lune au moins, en degrés, à la meilleure heure de l'objet");
    for (form::EditField* field : {&eHeuresCibles, &eRemplissageMin, &eRemplissageMax, &eLuneCibles}) {
        field->acceptDecimalComma();
    }
    cbTypeCibles.onChange = [this] {
        m_preferences->targetKind = std::max(0, cbTypeCibles.selected());
        if (remember) remember(config::kKeyTargetKind);
        refilter();
    };
    cbCatalogueCibles.onChange = [this] {
        const int row = cbCatalogueCibles.selected();
        m_preferences->targetCatalogue = row >= 1 ? std::string(kTargetCatalogues[static_cast<std::size_t>(row - 1)]) : "";
        if (remember) remember(config::kKeyTargetCatalogue);
        refilter();
    };
    eHeuresCibles.onCommit = [this] {
        commitNumber(eHeuresCibles, m_preferences->targetHours, 0, 24, config::kKeyTargetHours);
    };
    eRemplissageMin.onCommit = [this] {
        commitNumber(eRemplissageMin, m_preferences->targetFillFromPercent, 0, 1000, config::kKeyTargetFillFrom);
    };
    eRemplissageMax.onCommit = [this] {
        commitNumber(eRemplissageMax, m_preferences->targetFillToPercent, 0, 1000, config::kKeyTargetFillTo);
    };
    eLuneCibles.onCommit = [this] { commitNumber(eLuneCibles, m_preferences->targetMoonDeg, 0, 180, config::kKeyTargetMoon); };
    eMosaiqueCibles.onCommit = [this] {
        double side = m_preferences->targetMosaic;
        commitNumber(eMosaiqueCibles, side, 1, catalogues::kMaxPanels, {});
        if (static_cast<int>(side) != m_preferences->targetMosaic && side == std::floor(side)) {
            m_preferences->targetMosaic = static_cast<int>(side);
            if (remember) remember(config::kKeyTargetMosaic);
            refilter();
        }
    };
    tabCibles.onSort = [this] { show(); };
    tabCibles.onActivate = [this](int row) {
        m_chosen = m_kept[static_cast<std::size_t>(row)].row;
        closeWith(form::ModalResult::Ok);
    };
    bbCopierCibles.onClick = [this] {
        if (copyText) copyText(csv());
    };
    bbExporterCibles.onClick = [this] {
        if (!askCsvPath) return;
        if (const auto path = askCsvPath("Cibles de la nuit.csv")) config::replaceFile(*path, csv());
    };
}

// A number typed in full: kept, remembered and applied; one out of its
// range or that is no number is said, and the field shows the last good one.
void TargetsForm::commitNumber(form::EditField& field, double& value, double low, double high, std::string_view key) {
    const auto typed = core::tryParseReal(field.text());
    if (!typed || !(*typed >= low && *typed <= high)) {
        const std::string text = field.text();
        field.setText(core::shortest(value));
        guard().reporter().report(Message(messages::kBadTargetNumber, {Message::data(core::quotedText(text)),
                                                                       Message::data(core::shortest(low)),
                                                                       Message::data(core::shortest(high))}));
        return;
    }
    if (*typed == value) return;
    value = *typed;
    if (!key.empty() && remember) remember(key);
    if (!key.empty()) refilter();
}

std::optional<std::size_t> TargetsForm::choose(form::ModalHost& host, const Night& night, config::Settings& preferences) {
    m_night = night;
    m_preferences = &preferences;
    m_chosen.reset();
    cbTypeCibles.select(std::clamp(preferences.targetKind, 0, static_cast<int>(std::size(messages::kTargetKinds)) - 1));
    const auto catalogue = std::find(std::begin(kTargetCatalogues), std::end(kTargetCatalogues), preferences.targetCatalogue);
    cbCatalogueCibles.select(catalogue == std::end(kTargetCatalogues) ? 0 : static_cast<int>(catalogue - std::begin(kTargetCatalogues)) + 1);
    eHeuresCibles.setText(core::shortest(preferences.targetHours));
    eRemplissageMin.setText(core::shortest(preferences.targetFillFromPercent));
    eRemplissageMax.setText(core::shortest(preferences.targetFillToPercent));
    eMosaiqueCibles.setText(std::to_string(preferences.targetMosaic));
    eLuneCibles.setText(core::shortest(preferences.targetMoonDeg));
    m_all = night.objects && night.night ? judgeTargets(*night.objects, night.frame, *night.night) : std::vector<Target>{};
    tabCibles.sortBy(kScore, true);
    refilter();
    if (host.showModal(*this) != form::ModalResult::Ok) return std::nullopt;
    return m_chosen;
}

void TargetsForm::refilter() {
    if (!m_night.objects) return;
    const auto& p = *m_preferences;
    TargetFilters filters{static_cast<TargetKind>(p.targetKind), p.targetHours, p.targetFillFromPercent,
                          p.targetFillToPercent, p.targetCatalogue, p.targetMosaic, p.targetMoonDeg};
    m_kept = keptTargets(m_all, *m_night.objects, filters);
    const int kind = std::clamp(p.targetKind, 0, static_cast<int>(std::size(messages::kTargetKinds)) - 1);
    const auto catalogue = cbCatalogueCibles.selected();
    labCibles.setMessage(Message(
        messages::kTargetsShown,
        {Message::data(std::to_string(m_kept.size())), Message::data(std::to_string(m_all.size())),
         Message(messages::kTargetKinds[static_cast<std::size_t>(kind)]),
         Message::data(core::shortest(p.targetHours)), Message::data(core::shortest(p.targetFillFromPercent)),
         Message::data(core::shortest(p.targetFillToPercent)), Message::data(std::to_string(p.targetMosaic)),
         Message::data(core::shortest(p.targetMoonDeg)),
         catalogue >= 1 ? Message::data(kCatalogueNames[static_cast<std::size_t>(catalogue - 1)])
                        : Message(messages::kTargetKinds[0])}));
    show();
}

// The rows in the column's order, its sense as the user asked.
void TargetsForm::show() {
    const int column = tabCibles.sortColumn();
    const bool descending = tabCibles.descending();
    const auto& objects = *m_night.objects;
    std::stable_sort(m_kept.begin(), m_kept.end(), [&](const Target& a, const Target& b) {
        const auto& oa = objects[a.row];
        const auto& ob = objects[b.row];
        if (column == kName || column == kType) {
            const std::string ka = column == kName ? catalogues::designation(oa) : oa.type;
            const std::string kb = column == kName ? catalogues::designation(ob) : ob.type;
            return descending ? kb < ka : ka < kb;
        }
        const double ka = sortKey(a, oa, column), kb = sortKey(b, ob, column);
        if (ka == kb) return a.night.bestAltitudeDeg > b.night.bestAltitudeDeg;
        return descending ? ka > kb : ka < kb;
    });
    std::vector<std::vector<std::string>> rows;
    for (const Target& t : m_kept) {
        const auto& o = objects[t.row];
        rows.push_back({catalogues::objectLabel(o, m_night.french), o.type, sizeText(o),
                        o.magnitude ? core::fixed(*o.magnitude, 10, 1) : "", hoursText(t.night.darkHours),
                        t.fillPercent ? core::fixed(*t.fillPercent, 10, 0) + " %" : "",
                        t.mosaic ? std::to_string(t.mosaic->x) + " x " + std::to_string(t.mosaic->y) : "",
                        core::fixed(t.night.moonDistanceDeg, 10, 0) + "°", core::fixed(t.score, 10, 2)});
    }
    tabCibles.setRows(std::move(rows));
}

std::string TargetsForm::csv() const {
    std::string out = "name,designations,ra,dec,type,size,dark_hours,fill_percent,moon_distance_deg\r\n";
    if (!m_night.objects) return out;
    // In the order shown.
    for (const Target& t : m_kept) {
        const auto& o = (*m_night.objects)[t.row];
        out += csvField(catalogues::objectLabel(o, m_night.french)) + "," + csvField(designations(o)) + "," +
               csvField(sky::formatRightAscension(o.raDeg)) + "," + csvField(sky::formatDeclination(o.decDeg)) + "," +
               csvField(o.type) + "," + csvField(sizeText(o)) + "," + core::fixed(t.night.darkHours, 10, 2) + "," +
               (t.fillPercent ? core::fixed(*t.fillPercent, 10, 0) : "") + "," +
               core::fixed(t.night.moonDistanceDeg, 10, 0) + "\r\n";
    }
    return out;
}

}  // namespace quarvel::ui
