// SPDX-License-Identifier: GPL-3.0-or-later
// The "Nuit" page through its fields: a site added and kept after a
// restart, bad input refused with nothing changed, and M 31's night from the
// Pic du Midi as the reference gives it.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "config/equipment_file.h"
#include "config/tests/ini_test_support.h"
#include "ui/tests/program_fixture.h"

using namespace quarvel;
using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using config::testing::readBytes;

namespace {

class NightPageTest : public ProgramTest {
protected:
    void chooseDate(form::CalendarDate date) { ProgramTest::chooseDate(date, program->mainForm.night.bbDateNuit); }
};

TEST_F(NightPageTest, ASiteIsKeptAndM31sNightIsTheReferences) {
    dataFolders = {QUARVEL_SOURCE_DIR};
    MainForm* f = &start();
    NightPage* n = &f->night;
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
    EXPECT_EQ(n->labNuitAstro.caption(), "Aucun site : taper sa latitude et sa longitude, ou en choisir un");

    // Each field that does not read says why, and nothing is kept.
    const std::string equipment = config::equipmentPathFor(iniPath);
    const std::tuple<form::EditField*, const char*, const char*> bad[] = {
        {&n->eSiteLatitude, "48°51'E",
         "« 48°51'E » : latitude non reconnue ; taper des degrés nord de -90 à 90, par exemple 48.85 ou 48°51'N"},
        {&n->eSiteLongitude, "200",
         "« 200 » : longitude non reconnue ; taper des degrés est de -180 à 180, par exemple 2.35 ou 2°21'E"},
        {&n->eSiteAltitude, "9 km", "« 9 km » : l'altitude du site se donne en mètres, de -500 à 9000"},
        {&n->eAltitudeMin, "95", "« 95 » : l'altitude minimale se donne en degrés, de 0 à 89"},
    };
    for (const auto& [field, typed, said] : bad) {
        reporter.messages.clear();
        f->userTypes(*field, typed);
        f->userLeaves(*field);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{said}) << typed;
    }
    EXPECT_EQ(n->eAltitudeMin.text(), "30");
    reporter.messages.clear();
    f->userClicks(n->bbAjouterSite);
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(equipment));

    // The Pic du Midi, typed as an observer copies it, added and chosen.
    f->userTypes(n->eSiteNom, "Pic du Midi");
    f->userTypes(n->eSiteLatitude, "42°56'24\"N");
    f->userTypes(n->eSiteLongitude, "0,14");
    f->userTypes(n->eSiteAltitude, "2877");
    reporter.messages.clear();
    f->userClicks(n->bbAjouterSite);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(readBytes(equipment), "[Site Pic du Midi]\r\nLatitude=42.94\r\nLongitude=0.14\r\nAltitude=2877\r\n");
    // A second of the same name, its case aside, is refused.
    f->userTypes(n->eSiteNom, "pic du midi");
    f->userClicks(n->bbAjouterSite);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"Équipement ignoré : « pic du midi » : nom déjà dans les listes"});

    // Quit and start again: the site is there, chosen.
    f = &start();
    n = &f->night;
    EXPECT_EQ(n->cbSites.items(), std::vector<std::string>{"Pic du Midi"});
    EXPECT_EQ(n->cbSites.text(), "Pic du Midi");
    EXPECT_EQ(n->eSiteLatitude.text(), "42.94");

    // M 31 framed, on 12/02/1990: PyEphem gives its rising at 05:23:58 UTC,
    // its transit at 15:12:00 and its setting at 00:56:05, the
    // astronomical night from 19:02:01 to 05:24:50 (the desktop at UTC+1).
    // Up already at sunset, it is said so before its rising in the morning.
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::ChampPhoto));
    f->userTypes(f->photo.eObjet, "M 31");
    f->userPressesEnter(f->photo.eObjet);
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
    chooseDate({1990, 2, 12});
    EXPECT_EQ(n->eDateNuit.text(), "12/02/1990");
    EXPECT_EQ(n->cbCible.text(), "M 31");
    EXPECT_EQ(n->labLever.caption(), "Lever : déjà levé au coucher du Soleil, de nouveau à 06:24");
    EXPECT_EQ(n->labPassage.caption(), "Passage : 16:12 à 88°");
    EXPECT_EQ(n->labCoucher.caption(), "Coucher : 01:56");
    EXPECT_EQ(n->labNuitAstro.caption(), "Nuit astronomique : 20:02 – 06:25");
    EXPECT_EQ(n->labFuseau.caption(), "Heures du bureau, UTC+01:00");
    EXPECT_FALSE(n->vueNuit.chart().empty());

    // Above the Arctic circle in June, the page says the Sun does not set.
    f->userTypes(n->eSiteLatitude, "69.65");
    f->userTypes(n->eSiteLongitude, "18.96");
    chooseDate({2030, 6, 21});
    EXPECT_EQ(n->labNuitAstro.caption(), "Le Soleil ne se couche pas");
    EXPECT_EQ(n->labHeuresUtiles.caption(), "Au-dessus de 30° en nuit astronomique : 0 h 00");
}

// Summer time ends in the night of 24 October 2026 at 45° N 5° E: each time
// is the clock's at its instant, the chart's hours too, and the change is said.
TEST_F(NightPageTest, ANightAcrossTheEndOfSummerTimeIsToldInBothOffsets) {
    // Paris: UTC+2 until 25 October 2026 at 01:00 UTC, then UTC+1.
    const double change = 2461338.5 + 1.0 / 24;
    zone = [change](double jd) { return jd < change ? 120 : 60; };
    MainForm* f = &start();
    NightPage* n = &f->night;
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
    f->userTypes(n->eSiteLatitude, "45");
    f->userTypes(n->eSiteLongitude, "5");
    chooseDate({2026, 10, 24});
    EXPECT_EQ(n->labNuitAstro.caption(), "Nuit astronomique : 20:19 – 05:30");
    EXPECT_EQ(n->labFuseau.caption(), "Heures du bureau, UTC+02:00 puis UTC+01:00 à partir de 02:00");
    std::vector<int> hours;
    for (const auto& mark : n->vueNuit.chart().hours) hours.push_back(mark.hour);
    const auto two = std::search_n(hours.begin(), hours.end(), 2, 2);
    ASSERT_NE(two, hours.end()) << ::testing::PrintToString(hours);
    EXPECT_EQ(*(two - 1), 1);
    EXPECT_EQ(*(two + 2), 3);
}

// A site saved with a tiny longitude reads back into its field, as do the
// numbers with an exponent older files hold.
TEST_F(NightPageTest, ASitesNumbersAreWrittenAsTheFieldsReadThem) {
    const std::string equipment = config::equipmentPathFor(iniPath);
    std::ofstream(equipment, std::ios::binary) << "[Site Ancien]\r\nLatitude=4.5E1\r\nLongitude=1E-6\r\nAltitude=0\r\n";
    MainForm* f = &start();
    NightPage* n = &f->night;
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
    f->userPicks(n->cbSites, 0);
    EXPECT_EQ(n->eSiteLatitude.text(), "45");
    EXPECT_EQ(n->eSiteLongitude.text(), "0.000001");
    EXPECT_EQ(n->labNuitAstro.caption().find("Aucun site"), std::string::npos) << n->labNuitAstro.caption();
    f->userTypes(n->eSiteNom, "Greenwich");
    f->userTypes(n->eSiteLatitude, "51.4769");
    f->userTypes(n->eSiteLongitude, "-0.0000005");
    f->userClicks(n->bbAjouterSite);
    EXPECT_NE(readBytes(equipment).find("[Site Greenwich]\r\nLatitude=51.4769\r\nLongitude=-0.0000005\r\n"),
              std::string::npos)
        << readBytes(equipment);
    f = &start();
    n = &f->night;
    EXPECT_EQ(n->cbSites.text(), "Greenwich");
    EXPECT_EQ(n->eSiteLongitude.text(), "-0.0000005");
    EXPECT_TRUE(reporter.messages.empty());
}

// Sites are read at start in a time that grows with their number, not its
// square: a file of the largest size read, 16,000 sites, in a fraction of a second.
TEST_F(NightPageTest, ManySitesStartInATimeThatGrowsWithTheirNumber) {
    const auto startWith = [this](int sites) {
        std::string file;
        for (int i = 0; i < sites; ++i) {
            file += "[Site S" + std::to_string(100000 + i) + "]\r\nLatitude=4" + std::to_string(i % 10) +
                    ".1\r\nLongitude=5.1\r\nAltitude=" + std::to_string(i % 3000) + "\r\n";
        }
        std::ofstream(config::equipmentPathFor(iniPath), std::ios::binary) << file;
        const std::clock_t before = std::clock();
        start();
        EXPECT_EQ(static_cast<int>(program->mainForm.night.cbSites.count()), sites);
        return static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    };
    const double quarter = startWith(4000), whole = startWith(16000);
    std::printf("4,000 sites: %.3f s, 16,000 sites: %.3f s\n", quarter, whole);
    EXPECT_LT(whole, 8 * std::max(quarter, 0.01));
    EXPECT_LT(whole, 1.0);
}

// Five targets on one night, from a northern and a southern site: each
// one's rising, transit and setting where PyEphem puts them
// (ui/tests/night_targets_reference.csv, tools/night_targets_reference.py),
// within a minute; a rising before dusk is said as "already up".
TEST_F(NightPageTest, FiveTargetsOnOneNightAreThoseOfTheReference) {
    dataFolders = {QUARVEL_SOURCE_DIR};
    std::ifstream in(QUARVEL_SOURCE_DIR "/ui/tests/night_targets_reference.csv");
    std::string line;
    std::getline(in, line);
    std::map<std::string, std::vector<std::vector<std::string>>> bySite;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
        fields.resize(8);
        bySite[fields[0]].push_back(fields);
    }
    ASSERT_EQ(bySite.size(), 2u);
    // The last "hh:mm" of a text, in minutes; none when it has no time.
    const auto minutesIn = [](const std::string& text) -> std::optional<int> {
        const auto at = text.rfind(':');
        if (at == std::string::npos || at < 2 || at + 3 > text.size() || !std::isdigit(text[at + 1])) return std::nullopt;
        return std::stoi(text.substr(at - 2, 2)) * 60 + std::stoi(text.substr(at + 1, 2));
    };
    // The reference's instant on the desktop's clock (UTC+1), in minutes.
    const auto clock = [](const std::string& jd) {
        const double day = std::fmod(std::stod(jd) + 0.5 + 1.0 / 24, 1.0);
        return static_cast<int>(std::lround(day * 1440)) % 1440;
    };
    for (const auto& [site, rows] : bySite) {
        SCOPED_TRACE(site);
        MainForm* f = &start();
        NightPage* n = &f->night;
        f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
        f->userTypes(n->eSiteLatitude, rows[0][1]);
        f->userTypes(n->eSiteLongitude, rows[0][2]);
        f->userTypes(n->eSiteAltitude, rows[0][3]);
        chooseDate({2026, 12, 9});
        for (const char* typed : {"M 31", "M 42", "NGC 7000"}) {
            f->userTypes(n->eCibleNuit, typed);
            f->userPressesEnter(n->eCibleNuit);
        }
        for (const char* planet : {"Jupiter", "Saturne"}) {
            f->userPicks(n->cbCible, *n->cbCible.rowOf(planet));
            f->userClicks(n->bbAjouterCible);
        }
        const auto lines = n->resultLines();
        ASSERT_EQ(lines.size(), 5u);  // the default target, Jupiter, was first
        for (const auto& row : rows) {
            SCOPED_TRACE(row[4]);
            // NGC 7000 goes by its Caldwell number.
            const std::string shown = row[4] == "NGC 7000" ? "C 20" : row[4];
            const auto found = std::find_if(lines.begin(), lines.end(), [&](const ResultLine& l) { return l.caption.text() == shown; });
            ASSERT_NE(found, lines.end());
            const auto near = [&](const std::string& shown, const std::string& reference) {
                const auto minutes = minutesIn(shown);
                if (reference.empty()) {
                    EXPECT_FALSE(minutes) << shown;
                    return;
                }
                if (!minutes) return;  // a rising before dusk: "already up"
                const int gap = std::abs(*minutes - clock(reference));
                EXPECT_LE(std::min(gap, 1440 - gap), 1) << shown;
            };
            near(found->values[0].text(), row[5]);
            near(found->values[1].text().substr(0, found->values[1].text().rfind(" à")), row[6]);
            near(found->values[2].text(), row[7]);
        }
    }
}

// The year runs from the chosen month: from December, to November next
// year; tonight's chart marks the moment it is.
TEST_F(NightPageTest, TheYearRunsFromTheChosenMonth) {
    dataFolders = {QUARVEL_SOURCE_DIR};
    nowJd = 2461383.5 + 22.0 / 24;  // 9 December 2026, 22:00 UTC
    MainForm* f = &start();
    NightPage* n = &f->night;
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::ChampPhoto));
    f->userTypes(f->photo.eObjet, "M 42");
    f->userPressesEnter(f->photo.eObjet);
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
    f->userTypes(n->eSiteLatitude, "45");
    f->userTypes(n->eSiteLongitude, "5");
    chooseDate({2026, 12, 9});
    EXPECT_TRUE(n->labAnnee.caption().ends_with("de décembre 2026 à novembre 2027")) << n->labAnnee.caption();
    EXPECT_TRUE(n->labMois1.caption().starts_with("décembre : ")) << n->labMois1.caption();
    EXPECT_NE(n->labMois2.caption().find("novembre : "), std::string::npos) << n->labMois2.caption();
    ASSERT_TRUE(n->vueNuit.chart().now);
    EXPECT_DOUBLE_EQ(*n->vueNuit.chart().now, nowJd);
    chooseDate({2026, 12, 10});
    EXPECT_FALSE(n->vueNuit.chart().now);
}

}  // namespace
