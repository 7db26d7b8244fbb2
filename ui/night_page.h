// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ephem/ephemeris.h"
#include "night/night.h"
#include "ui/form/drawing_controls.h"
#include "ui/form/form.h"
#include "ui/results.h"
#include "ui/session.h"

namespace quarvel::ui {

class EquipmentEditor;

// The Imagerie page's planets, as the night follows them.
inline constexpr std::pair<ephem::Body, night::Planet> kNightPlanets[] = {
    {ephem::Body::Mercury, night::Planet::Mercury}, {ephem::Body::Venus, night::Planet::Venus},
    {ephem::Body::Mars, night::Planet::Mars},       {ephem::Body::Jupiter, night::Planet::Jupiter},
    {ephem::Body::Saturn, night::Planet::Saturn},   {ephem::Body::Uranus, night::Planet::Uranus},
    {ephem::Body::Neptune, night::Planet::Neptune},
};

// "Nuit": when a target can be shot from the user's site. The sites kept,
// the one shown; the night of the Imagerie page's date from sunset to
// sunrise, with the target's and the Moon's altitude over the twilights; the
// target's times and hours high enough in the dark; its year month by month.
class NightPage : public form::Part {
public:
    NightPage(form::Form& window, Session& session, EquipmentEditor& equipment);

    // What the night may be computed for: a planet or the Moon of the
    // Imagerie page (a program's name), the framed object and its mosaic's
    // panels (names given by the user or the catalogue).
    struct Target {
        std::string name;
        bool programName = false;
        sky::Equatorial position;
        std::optional<night::Planet> planet;
        bool moon = false;
    };
    // Set by the window: the targets the other pages offer, first the one
    // added by default; and the catalogue's object a typed name gives.
    std::function<std::vector<Target>()> targets;
    std::function<std::optional<Target>(const std::string& typed)> findObject;
    // The night's targets, at most kMostTargets, each in its colour.
    static constexpr std::size_t kMostTargets = 5;
    // The moment it is (a UTC Julian date): the system's clock unless the
    // window sets its own.
    std::function<double()> now;
    // Minutes east of UTC of the desktop's time zone at a UTC instant: the C
    // library's, unless the window sets its own.
    std::function<int(double jdUtc)> utcOffsetMinutes;
    // Set by the window: keeps one of the session's preferences.
    std::function<void(std::string_view key)> remember;
    // Set by the window: the date's dialog, the Imagerie page's.
    std::function<void()> chooseDate;

    // The page as it starts: the remembered site and minimum altitude.
    void start();
    // The targets offered again and the night computed: when the page is
    // shown, and when the date changes while it is.
    void show();
    void recompute();
    // The sites' list follows the equipment file.
    void showSites();
    // The site the fields give; nothing while one of them does not read.
    std::optional<night::Site> site() const { return typedSite(); }
    // A target added to the night and shown, as "Ajouter" does.
    void addNightTarget(const Target& target);
    // Set by the window: "Cibles de la nuit…".
    std::function<void()> openTargets;
    // The night's targets as "Copier les résultats" gives them: a line each,
    // its times and hours.
    std::vector<ResultLine> resultLines() const;

    form::ListControl& cbSites;
    form::EditField& eSiteNom;
    form::EditField& eSiteLatitude;
    form::EditField& eSiteLongitude;
    form::EditField& eSiteAltitude;
    form::Button& bbAjouterSite;
    form::Button& bbSupprimerSite;
    // What can be added to the night: the planets, the Moon, the framed
    // object and its panels; or any object of the catalogue, typed.
    form::ListControl& cbCible;
    form::Button& bbAjouterCible;
    form::EditField& eCibleNuit;
    // The night's targets, a line each in its colour: a click chooses the
    // one whose details show.
    std::array<form::Label*, kMostTargets> labCiblesNuit{};
    form::Button& bbRetirerCible;
    form::Button& bbCibles;
    form::EditField& eDateNuit;
    form::Button& bbDateNuit;
    form::EditField& eAltitudeMin;
    form::NightBox& vueNuit;
    form::Label& labLever;
    form::Label& labPassage;
    form::Label& labCoucher;
    form::Label& labNuitAstro;
    form::Label& labHeuresUtiles;
    form::Label& labLune;
    form::Label& labFuseau;
    // The year: a heading, then a line a month, January to June and July
    // to December.
    form::Label& labAnnee;
    form::Label& labMois1;
    form::Label& labMois2;
    // A planet's oppositions or greatest elongations in the year, their
    // months marked "◆" above.
    form::Label& labOppositions;

private:
    // The site the fields give; nothing while one of them does not read.
    std::optional<night::Site> typedSite() const;
    // The place's fields, each with how it reads and how it says it does not.
    struct SiteField {
        form::EditField* field;
        std::optional<double> (*read)(const std::string& text);
        void (*raise)(std::string_view text);
    };
    std::array<SiteField, 3> siteFields();
    void pickSite();
    void addSite();
    void removeSite();
    void commitMinimum();
    void showTimeZone(double from, double to);
    void clearResults(const core::Message& why);
    std::string timeText(double jdUtc) const;
    void showYear(const Target& target, const night::Site& site);
    void addTarget(const Target& target);
    void removeTarget();

    Session& m_session;
    EquipmentEditor& m_equipment;
    std::vector<Target> m_targets;  // offered
    std::vector<Target> m_night;    // chosen, each in its colour
    int m_shown = 0;                // the one whose details show
    std::string m_lastFramed;       // the framed object when the page was last shown
    std::vector<ResultLine> m_lines;
};

}  // namespace quarvel::ui
