// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/night_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <chrono>
#include <ctime>

#include "config/equipment_file.h"
#include "config/settings.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ephem/ephemeris.h"
#include "night/plan.h"
#include "ui/imagerie_page.h"
#include "ui/messages.h"
#include "ui/names.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

namespace {

using core::Message;

constexpr double kUnixEpochJd = 2440587.5;
// The chart's curves, a point every five minutes.
constexpr double kSampleDays = 5.0 / 1440;

Message asData(const std::string& text) { return Message::data(text); }

// "6 h 05".
Message hoursText(double hours) {
    const long minutes = std::lround(hours * 60);
    char mm[8];
    std::snprintf(mm, sizeof mm, "%02ld", minutes % 60);
    return Message(messages::kHoursMinutes, {asData(std::to_string(minutes / 60)), asData(mm)});
}

// The desktop's offset by the C library, until the window gives its own.
int localOffsetMinutes(double jdUtc) {
    const auto seconds = static_cast<std::time_t>(std::llround((jdUtc - kUnixEpochJd) * 86400));
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return 0;
    return static_cast<int>(local.tm_gmtoff / 60);
}

// The site's fields: each read, and its failure said.
std::optional<double> latitudeOf(const std::string& text) {
    const auto deg = sky::parseAngle(text, "N", "S");
    return deg && config::acceptableLatitude(*deg) ? deg : std::nullopt;
}
std::optional<double> longitudeOf(const std::string& text) {
    const auto deg = sky::parseAngle(text, "E", "OW");
    return deg && config::acceptableLongitude(*deg) ? deg : std::nullopt;
}
// No altitude typed: the sea's level.
std::optional<double> altitudeOf(const std::string& text) {
    const auto metres = text.empty() ? std::optional<double>(0) : core::tryParseReal(text);
    return metres && config::acceptableSiteAltitude(*metres) ? metres : std::nullopt;
}

std::optional<ephem::Body> bodyOf(const NightPage::Target& target) {
    if (target.moon) return ephem::Body::Moon;
    for (const auto& [body, planet] : kNightPlanets) {
        if (target.planet == planet) return body;
    }
    return std::nullopt;
}

}  // namespace

NightPage::NightPage(form::Form& window, Session& session, EquipmentEditor& equipment)
    : Part(window),
      cbSites(add<form::ListControl>("cbSites", std::vector<std::string>{})),
      eSiteNom(add<form::EditField>("eSiteNom")),
      eSiteLatitude(add<form::EditField>("eSiteLatitude")),
      eSiteLongitude(add<form::EditField>("eSiteLongitude")),
      eSiteAltitude(add<form::EditField>("eSiteAltitude")),
      bbAjouterSite(add<form::Button>("bbAjouterSite", "Ajouter le site")),
      bbSupprimerSite(add<form::Button>("bbSupprimerSite", "Supprimer le site")),
      cbCible(add<form::ListControl>("cbCible", std::vector<std::string>{})),
      bbAjouterCible(add<form::Button>("bbAjouterCible", "Ajouter")),
      eCibleNuit(add<form::EditField>("eCibleNuit")),
      bbRetirerCible(add<form::Button>("bbRetirerCible", "Retirer")),
      bbCibles(add<form::Button>("bbCibles", "Cibles de la nuit…")),
      eDateNuit(add<form::EditField>("eDateNuit")),
      bbDateNuit(add<form::Button>("bbDateNuit", "Changer date")),
      eAltitudeMin(add<form::EditField>("eAltitudeMin")),
      vueNuit(add<form::NightBox>("vueNuit")),
      labLever(add<form::Label>("labLever")),
      labPassage(add<form::Label>("labPassage")),
      labCoucher(add<form::Label>("labCoucher")),
      labNuitAstro(add<form::Label>("labNuitAstro")),
      labHeuresUtiles(add<form::Label>("labHeuresUtiles")),
      labLune(add<form::Label>("labLune")),
      labFuseau(add<form::Label>("labFuseau")),
      labAnnee(add<form::Label>("labAnnee")),
      labMois1(add<form::Label>("labMois1")),
      labMois2(add<form::Label>("labMois2")),
      labOppositions(add<form::Label>("labOppositions")),
      m_session(session),
      m_equipment(equipment) {
    utcOffsetMinutes = localOffsetMinutes;
    now = [] {
        const auto seconds = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
        return kUnixEpochJd + seconds / 86400;
    };
    for (std::size_t k = 0; k < labCiblesNuit.size(); ++k) {
        form::Label& row = add<form::Label>("labCibleNuit" + std::to_string(k + 1));
        labCiblesNuit[k] = &row;
        row.onClick = [this, k] {
            if (k >= m_night.size()) return;
            m_shown = static_cast<int>(k);
            recompute();
        };
    }
    bbAjouterCible.setHint("Ajouter la cible choisie à la nuit (cinq au plus)");
    eCibleNuit.setHint("Un autre objet du catalogue pour la nuit : M 31, NGC 7000, ou son nom ; Entrée l'ajoute");
    bbRetirerCible.setHint("Retirer de la nuit la cible dont les détails s'affichent");
    bbAjouterCible.onClick = [this] {
        const int row = cbCible.selected();
        if (row < 0 || row >= static_cast<int>(m_targets.size())) return;
        addTarget(m_targets[static_cast<std::size_t>(row)]);
        recompute();
    };
    eCibleNuit.onEnter = [this] {
        if (eCibleNuit.empty() || !findObject) return;
        const auto found = findObject(eCibleNuit.text());
        if (!found) {
            guard().reporter().report(Message(messages::kUnknownObject, {asData(core::quotedText(eCibleNuit.text()))}));
            return;
        }
        addTarget(*found);
        recompute();
    };
    bbRetirerCible.onClick = [this] { removeTarget(); };
    bbCibles.setHint("Les objets du catalogue classés pour ce montage, ce site et cette nuit");
    bbCibles.onClick = [this] {
        if (openTargets) openTargets();
    };
    cbSites.setDataFromRow(0);
    eDateNuit.setReadOnly(true);
    eSiteLatitude.setHint("Latitude en degrés, positive au nord : 48.85, 48°51'N ou -33°27'");
    eSiteLongitude.setHint("Longitude en degrés, positive à l'est : 2.35, 2°21'E ou 70°40'O");
    eSiteAltitude.setHint("Altitude du site en mètres");
    eAltitudeMin.setHint("Altitude au-dessous de laquelle la cible est trop basse pour l'imager, en degrés");
    bbAjouterSite.setHint("Garder le site tapé sous son nom, dans le fichier de vos équipements");
    bbSupprimerSite.setHint("Retirer le site choisi de vos équipements");
    bbDateNuit.setHint("La date de la page Imagerie : la nuit commence le soir de cette date");
    eSiteAltitude.acceptDecimalComma();
    eAltitudeMin.acceptDecimalComma();
    eAltitudeMin.takesNumbers(config::kMinimumAltitudeDomain);
    // The night follows what the fields read; a field that does not read
    // says why when the user leaves it, and the night stays as it was.
    for (const SiteField& each : siteFields()) {
        form::EditField& field = *each.field;
        field.onChange = [this] {
            if (typedSite()) recompute();
        };
        field.onCommit = [&field, each] {
            if (!field.empty() && !each.read(field.text())) each.raise(field.text());
        };
    }
    eAltitudeMin.onCommit = [this] { commitMinimum(); };
    cbSites.onChange = [this] { pickSite(); };

    bbAjouterSite.onClick = [this] { addSite(); };
    bbSupprimerSite.onClick = [this] { removeSite(); };
    bbDateNuit.onClick = [this] {
        if (chooseDate) chooseDate();
    };
}

void NightPage::start() {
    eAltitudeMin.setText(core::shortest(m_session.preferences.minimumAltitudeDeg));
    showSites();
    if (const auto row = cbSites.rowOf(m_session.preferences.site)) {
        cbSites.select(*row);
        pickSite();
    }
}

void NightPage::showSites() {
    std::vector<std::string> names;
    for (const night::Site& site : m_equipment.sites()) names.push_back(site.name);
    cbSites.setItems(std::move(names));
    bbSupprimerSite.setEnabled(cbSites.selected() >= 0);
}

// The chosen site in the fields, and remembered as the current one.
void NightPage::pickSite() {
    const auto& sites = m_equipment.sites();
    const int row = cbSites.selected();
    bbSupprimerSite.setEnabled(row >= 0);
    if (row < 0 || row >= static_cast<int>(sites.size())) return;
    const night::Site& site = sites[static_cast<std::size_t>(row)];
    eSiteNom.setText(site.name);
    // Written as the fields read them back: never with an exponent.
    eSiteLatitude.setText(core::plainDecimal(site.latitudeDeg));
    eSiteLongitude.setText(core::plainDecimal(site.longitudeDeg));
    eSiteAltitude.setText(core::plainDecimal(site.altitudeM));
    if (m_session.preferences.site != site.name) {
        m_session.preferences.site = site.name;
        if (remember) remember(config::kKeySite);
    }
    recompute();
}

std::array<NightPage::SiteField, 3> NightPage::siteFields() {
    return {{{&eSiteLatitude, latitudeOf, core::throwBadLatitude},
             {&eSiteLongitude, longitudeOf, core::throwBadLongitude},
             {&eSiteAltitude, altitudeOf, core::throwBadSiteAltitude}}};
}

std::optional<night::Site> NightPage::typedSite() const {
    const auto latitude = latitudeOf(eSiteLatitude.text());
    const auto longitude = longitudeOf(eSiteLongitude.text());
    const auto altitude = altitudeOf(eSiteAltitude.text());
    if (!latitude || !longitude || !altitude) return std::nullopt;
    return night::Site{eSiteNom.text(), *latitude, *longitude, *altitude};
}

void NightPage::addSite() {
    // The first field that does not read says why, an empty one too.
    for (const SiteField& each : siteFields()) {
        const std::string& text = each.field->text();
        if (!each.read(text)) each.raise(text);
    }
    const auto site = typedSite();
    m_equipment.addSite(*site);
    showSites();
    if (const auto row = cbSites.rowOf(site->name)) cbSites.select(*row);
    pickSite();
}

void NightPage::removeSite() {
    const std::string name(cbSites.selectedId());
    if (name.empty() || !m_equipment.removeSite(name)) return;
    showSites();
    if (m_session.preferences.site == name) {
        m_session.preferences.site.clear();
        if (remember) remember(config::kKeySite);
    }
}

void NightPage::commitMinimum() {
    const auto minimum = core::tryParseReal(eAltitudeMin.text());
    if (!minimum || !config::acceptableMinimumAltitude(*minimum)) {
        const std::string typed = eAltitudeMin.text();
        eAltitudeMin.setText(core::shortest(m_session.preferences.minimumAltitudeDeg));
        core::throwBadMinimumAltitude(typed);
    }
    if (*minimum == m_session.preferences.minimumAltitudeDeg) return;
    m_session.preferences.minimumAltitudeDeg = *minimum;
    if (remember) remember(config::kKeyMinimumAltitude);
    recompute();
}

void NightPage::show() {
    eDateNuit.setText(dateText({m_session.date.year, m_session.date.month, m_session.date.day}));
    m_targets = targets ? targets() : std::vector<Target>{};
    // Program names first, translated; the user's and the catalogue's after.
    const auto data = std::stable_partition(m_targets.begin(), m_targets.end(),
                                            [](const Target& t) { return t.programName; });
    const int firstData = static_cast<int>(data - m_targets.begin());
    const std::string chosen(cbCible.selectedId());
    std::vector<std::string> names;
    for (const Target& target : m_targets) names.push_back(target.name);
    cbCible.setDataFromRow(firstData);
    cbCible.setItems(names);
    // The framed object by default; the target chosen before while it is offered.
    if (cbCible.selected() < 0 || chosen.empty()) cbCible.select(firstData < cbCible.count() ? firstData : 0);
    // A newly framed object joins the night; a night with no target starts
    // with the first offered.
    if (firstData < static_cast<int>(m_targets.size())) {
        const Target& framed = m_targets[static_cast<std::size_t>(firstData)];
        if (framed.name != m_lastFramed) addTarget(framed);
        m_lastFramed = framed.name;
    } else if (m_night.empty() && !m_targets.empty()) {
        addTarget(m_targets.front());
    }
    recompute();
}

void NightPage::addTarget(const Target& target) {
    const auto same = [&target](const Target& t) { return t.name == target.name; };
    if (const auto found = std::find_if(m_night.begin(), m_night.end(), same); found != m_night.end()) {
            m_shown = static_cast<int>(found - m_night.begin());
        return;
    }
    if (m_night.size() >= kMostTargets) m_night.erase(m_night.begin());
    m_night.push_back(target);
    m_shown = static_cast<int>(m_night.size()) - 1;
}

void NightPage::addNightTarget(const Target& target) {
    addTarget(target);
    recompute();
}

void NightPage::removeTarget() {
    if (m_shown < 0 || m_shown >= static_cast<int>(m_night.size())) return;
    m_night.erase(m_night.begin() + m_shown);
    m_shown = std::max(0, std::min(m_shown, static_cast<int>(m_night.size()) - 1));
    recompute();
}

std::string NightPage::timeText(double jdUtc) const {
    const night::CivilTime local = night::civilTime(jdUtc, utcOffsetMinutes(jdUtc));
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", local.hour, local.minute);
    return text;
}

void NightPage::clearResults(const Message& why) {
    for (form::Label* label : {&labLever, &labPassage, &labCoucher, &labHeuresUtiles, &labLune, &labFuseau, &labAnnee,
                                 &labMois1, &labMois2, &labOppositions}) {
        label->setCaption("");
    }
    for (form::Label* row : labCiblesNuit) row->setCaption("");
    m_lines.clear();
    labNuitAstro.setMessage(why);
    vueNuit.setChart({});
}

void NightPage::recompute() {
    const auto site = typedSite();
    bbCibles.setEnabled(site.has_value());
    if (!site) return clearResults(Message(messages::kNoSite));
    if (m_night.empty()) return clearResults(Message(messages::kNoTarget));
    const auto& date = m_session.date;
    const double noon = night::siteNoon(*site, date.year, date.month, date.day);
    const night::NightTimes times = night::nightTimes(*site, noon);
    const double minimum = m_session.preferences.minimumAltitudeDeg;
    const auto& dark = times.dark;

    // Altitudes as seen, refracted; rising and setting timed as the almanacs
    // do, on the geometric altitude against the standard refraction.
    const auto curveOf = [&](const Target& target, bool refracted) {
        return target.moon     ? night::moonAltitudeCurve(*site, noon, refracted)
               : target.planet ? night::planetAltitudeCurve(*target.planet, *site, noon, refracted)
                               : night::altitudeCurve(target.position, *site, noon, refracted);
    };
    const night::Curve sun = night::sunAltitudeCurve(*site, noon, false);
    const night::Curve moon = night::moonAltitudeCurve(*site, noon);
    const night::Curve moonGeometric = night::moonAltitudeCurve(*site, noon, false);

    // From sunset to sunrise; the whole day when the Sun does not set or rise.
    drawings::NightChart chart;
    chart.from = times.sunset.value_or(noon);
    chart.to = times.sunset ? times.sunrise.value_or(noon + 1) : noon + 1;
    chart.minimumDeg = minimum;
    chart.hours = drawings::clockHours(chart.from, chart.to, utcOffsetMinutes);
    if (const double instant = now ? now() : 0; instant >= chart.from && instant <= chart.to) chart.now = instant;
    const int samples = static_cast<int>(std::ceil((chart.to - chart.from) / kSampleDays));
    std::vector<night::Curve> altitudes;
    for (const Target& target : m_night) {
        altitudes.push_back(curveOf(target, true));
        chart.targets.push_back({target.name, {}});
    }
    for (int i = 0; i <= samples; ++i) {
        const double t = std::min(chart.to, chart.from + i * kSampleDays);
        chart.sun.push_back({t, sun(t)});
        chart.moon.push_back({t, moon(t)});
        for (std::size_t k = 0; k < altitudes.size(); ++k) chart.targets[k].samples.push_back({t, altitudes[k](t)});
    }
    vueNuit.setChart(std::move(chart));
    const double dusk = times.sunset.value_or(noon);

    // Each target's night: a line of the table, and its details when chosen.
    m_lines.clear();
    m_shown = std::clamp(m_shown, 0, static_cast<int>(m_night.size()) - 1);
    for (form::Label* row : labCiblesNuit) row->setCaption("");
    for (std::size_t k = 0; k < m_night.size(); ++k) {
        const Target& target = m_night[k];
        const night::Curve geometric = curveOf(target, false);
        // NaN for none (an optional here trips GCC 12's uninitialised-use warning).
        double rises = night::crossing(geometric, noon, noon + 1, night::kStarHorizonDeg, true).value_or(NAN);
        const auto sets = night::crossing(geometric, noon, noon + 1, night::kStarHorizonDeg, false);
        const double transits = night::highestPoint(geometric, noon, noon + 1);
        const double highest = altitudes[k](transits);
        const bool upAtDusk = geometric(dusk) > night::kStarHorizonDeg;
        const bool alwaysUp = std::isnan(rises) && !sets && highest > night::kStarHorizonDeg;
        const double darkHours = dark ? night::hoursAbove(altitudes[k], dark->from, dark->to, minimum) : 0;
        // A rise before dusk is the next night's: the target is already up.
        if (rises < dusk) rises = NAN;
        const Message never(highest > night::kStarHorizonDeg ? messages::kAlwaysUp : messages::kNeverUp);
        Message rise = std::isnan(rises) ? never : asData(timeText(rises));
        if (upAtDusk && !alwaysUp) {
            rise = std::isnan(rises) ? Message(messages::kUpAtDusk) : Message(messages::kUpAtDuskThen, {asData(timeText(rises))});
        }
        const Message set = sets ? asData(timeText(*sets)) : never;
        const Message transit = asData(timeText(transits)), height = asData(core::fixed(highest, 10, 0));
        const Message name = target.programName ? Message(target.name) : asData(target.name);
        // The table's line, shorter: a target up at dusk is said so alone.
        const Message rowRise = upAtDusk && !alwaysUp ? Message(messages::kUpAtDuskShort) : rise;
        const Message row(messages::kNightRow, {name, rowRise, transit, height, set, hoursText(darkHours)});
        labCiblesNuit[k]->setMessage(static_cast<int>(k) == m_shown ? Message(messages::kNightRowShown, {row}) : row);
        m_lines.push_back({name,
                           {Message(messages::kRises, {rise}), Message(messages::kTransits, {transit, height}),
                            Message(messages::kSets, {set}),
                            Message(messages::kUsefulHours, {asData(core::shortest(minimum)), hoursText(darkHours)})},
                           Message()});
        if (static_cast<int>(k) != m_shown) continue;
        labLever.setMessage(Message(messages::kRises, {rise}));
        labCoucher.setMessage(Message(messages::kSets, {set}));
        labPassage.setMessage(Message(messages::kTransits, {transit, height}));
        labHeuresUtiles.setMessage(Message(messages::kUsefulHours, {asData(core::shortest(minimum)), hoursText(darkHours)}));
        // The Moon in the middle of the night: its rise and set, its lit part, its distance.
        const double middle = dark ? (dark->from + dark->to) / 2 : noon + 0.5;
        const sky::Equatorial place = target.moon     ? night::moonAt(middle)
                                      : target.planet ? night::planetAt(*target.planet, middle).position
                                                      : target.position;
        const auto moonRise = night::crossing(moonGeometric, noon, noon + 1, night::kStarHorizonDeg, true);
        const auto moonSet = night::crossing(moonGeometric, noon, noon + 1, night::kStarHorizonDeg, false);
        const Message moonNever(moonGeometric(dusk) > night::kStarHorizonDeg ? messages::kAlwaysUp : messages::kNeverUp);
        labLune.setMessage(Message(messages::kMoonNight,
                                   {moonRise ? asData(timeText(*moonRise)) : moonNever,
                                    moonSet ? asData(timeText(*moonSet)) : moonNever,
                                    asData(core::fixed(night::moonIllumination(middle) * 100, 10, 0)),
                                    asData(core::fixed(sky::separationDeg(night::moonAt(middle), place), 10, 0))}));
        showYear(target, *site);
    }

    // The astronomical night.
    if (dark && times.astronomicalDusk) {
        labNuitAstro.setMessage(
            Message(messages::kAstronomicalNight, {asData(timeText(dark->from)), asData(timeText(dark->to))}));
    } else if (dark) {
        labNuitAstro.setMessage(Message(messages::kDarkAllDay));
    } else {
        labNuitAstro.setMessage(Message(times.sunUp ? messages::kMidnightSun : messages::kNoAstronomicalNight));
    }
    showTimeZone(vueNuit.chart().from, vueNuit.chart().to);
}

std::vector<ResultLine> NightPage::resultLines() const { return m_lines; }

namespace {

std::string zoneText(int offsetMinutes) {
    char zone[16];
    std::snprintf(zone, sizeof zone, "UTC%c%02d:%02d", offsetMinutes < 0 ? '-' : '+', std::abs(offsetMinutes) / 60,
                  std::abs(offsetMinutes) % 60);
    return zone;
}

}  // namespace

// The desktop's offset from UTC over the night; when summer time begins or
// ends in it, both offsets and the clock's time of the change.
void NightPage::showTimeZone(double from, double to) {
    const int before = utcOffsetMinutes(from), after = utcOffsetMinutes(to);
    if (before == after) {
        labFuseau.setMessage(Message(messages::kTimeZone, {asData(zoneText(before))}));
        return;
    }
    // The instant of the change, to the second.
    double low = from, high = to;
    while (high - low > 1.0 / 86400) {
        const double middle = (low + high) / 2;
        (utcOffsetMinutes(middle) == before ? low : high) = middle;
    }
    labFuseau.setMessage(Message(messages::kTimeZoneChange,
                                 {asData(zoneText(before)), asData(zoneText(after)), asData(timeText(high))}));
}

// Month by month: a target's dark hours above the minimum, with a bar for
// the eye; a planet's diameter and height at transit, its oppositions or
// greatest elongations marked.
void NightPage::showYear(const Target& target, const night::Site& site) {
    // Twelve months from the chosen date's: this year's from it, then next year's.
    const int year = m_session.date.year, first = m_session.date.month;
    const auto monthAt = [&](int i) { return std::pair{first + i > 12 ? year + 1 : year, (first - 1 + i) % 12 + 1}; };
    const Message span(messages::kMonthSpan, {Message(messages::kMonths[first - 1]), asData(std::to_string(year)),
                                              Message(messages::kMonths[(first + 10) % 12]),
                                              asData(std::to_string(first == 1 ? year : year + 1))});
    const double minimum = m_session.preferences.minimumAltitudeDeg;
    std::vector<Message> shown;
    for (form::Label* label : {&labAnnee, &labMois1, &labMois2, &labOppositions}) label->setCaption("");
    if (target.moon) return;
    if (!target.planet) {
        labAnnee.setMessage(Message(messages::kYearHours, {asData(core::shortest(minimum)), span}));
        const auto thisYear = night::monthlyDarkHours(target.position, site, year, minimum);
        const auto nextYear = first == 1 ? thisYear : night::monthlyDarkHours(target.position, site, year + 1, minimum);
        for (int i = 0; i < 12; ++i) {
            const auto [y, m] = monthAt(i);
            const double hours = (y == year ? thisYear : nextYear)[static_cast<std::size_t>(m - 1)];
            std::string bar;
            for (long h = 0; h < std::lround(hours); ++h) bar += "▮";
            shown.push_back(Message(messages::kMonthHours, {Message(messages::kMonths[m - 1]), hoursText(hours), asData(bar)}));
        }
    } else {
        const bool inner = *target.planet == night::Planet::Mercury || *target.planet == night::Planet::Venus;
        labAnnee.setMessage(Message(messages::kYearPlanet, {Message(target.name), span}));
        // Its oppositions or greatest elongations in the twelve months.
        const double from = night::julianDateUtc(year, first, 1), to = night::julianDateUtc(year + 1, first, 1);
        std::vector<night::CivilTime> farthest;
        std::optional<Message> dates;
        for (const int y : {year, year + 1}) {
            for (const double when : night::farthestFromSun(*target.planet, y)) {
                if (when < from || when >= to) continue;
                const night::CivilTime& t = farthest.emplace_back(night::civilTime(when, utcOffsetMinutes(when)));
                const Message day(messages::kDayOfMonth, {asData(std::to_string(t.day)), Message(messages::kMonths[t.month - 1])});
                dates = dates ? Message(messages::kListed, {*dates, day}) : day;
            }
        }
        if (dates) labOppositions.setMessage(Message(inner ? messages::kGreatestElongation : messages::kOpposition, {*dates}));
        const auto body = bodyOf(target);
        for (int i = 0; i < 12; ++i) {
            const auto [y, m] = monthAt(i);
            ephem::ApparentDiameter diameter;
            if (body) {
                ephem::computeApparentDiameter({15, static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(y)}, *body, diameter);
            }
            const double dec = night::planetAt(*target.planet, night::julianDateUtc(y, m, 15)).position.decDeg;
            const double high = 90 - std::abs(site.latitudeDeg - dec);
            const bool marked = std::any_of(farthest.begin(), farthest.end(),
                                            [m = m](const night::CivilTime& t) { return t.month == m; });
            shown.push_back(Message(messages::kMonthPlanet,
                                    {Message(messages::kMonths[m - 1]), asData(core::fixed(diameter.arcsec, 10, 1)),
                                     asData(core::fixed(high, 10, 0)), asData(marked ? " ◆" : "")}));
        }
    }
    labMois1.setMessage(core::joinedLines({shown.begin(), shown.begin() + 6}));
    labMois2.setMessage(core::joinedLines({shown.begin() + 6, shown.end()}));
}

}  // namespace quarvel::ui
