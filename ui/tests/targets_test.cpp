// SPDX-License-Identifier: GPL-3.0-or-later
// Tonight's targets: a small catalogue ranked in the order the stated score
// gives, the filters at work and kept after a restart, a row chosen framed
// and added to the night.
#include <algorithm>
#include <cmath>

#include "catalogues/objects.h"
#include "config/tests/ini_test_support.h"
#include "ui/targets.h"
#include "ui/tests/program_fixture.h"

using namespace quarvel;
using namespace quarvel::ui;
using namespace quarvel::ui::testing;

namespace {

catalogues::DeepSkyObject object(const std::string& ngc, const std::string& type, double ra, double dec,
                                 std::optional<double> major) {
    catalogues::DeepSkyObject o;
    o.ngc = ngc;
    o.type = type;
    o.raDeg = ra;
    o.decDeg = dec;
    o.majorArcmin = major;
    o.minorArcmin = major;
    return o;
}

// Paris on 9 December 2026: a frame of 60' x 40', the Moon 1 % lit.
TEST(TargetScore, ASmallCatalogueRanksAsTheScoreSays) {
    const night::Site paris{"Paris", 48.85, 2.35, 60};
    const night::ManyTargets night(paris, night::siteNoon(paris, 2026, 12, 9), 30);
    const std::vector<catalogues::DeepSkyObject> objects{
        object("NGC 1", "galaxy", 10.68, 41.27, 20),           // high all evening, a third of the frame
        object("NGC 2", "galaxy", 10.68, 41.27, 4),            // the same place, small in the frame
        object("NGC 3", "hii region", 83.82, -5.39, 70),       // the Orion Nebula's place, a 2 x 2 mosaic
        object("NGC 4", "open cluster", 120, -70, 20),         // never above 30° from Paris
        object("NGC 5", "dark nebula", 56.75, 24.12, std::nullopt),  // no size
    };
    const auto all = judgeTargets(objects, {60, 40}, night);
    ASSERT_EQ(all.size(), 5u);
    for (const Target& t : all) {
        const double expected = targetScore(t.night.darkHours, t.fillPercent, t.mosaic, night.moonIllumination(),
                                            t.night.moonDistanceDeg);
        EXPECT_DOUBLE_EQ(t.score, expected);
    }
    // The stated score: hours x framing x Moon.
    EXPECT_NEAR(all[1].score / all[0].score, (4.0 / 40 * 100 / 30) / std::min(1.0, 20.0 / 40 * 100 / 30), 0.05);
    EXPECT_EQ(all[3].night.darkHours, 0);
    TargetFilters filters;
    filters.fillFromPercent = 0;
    filters.leastHours = 0.5;
    filters.largestMosaic = 2;
    const auto kept = keptTargets(all, objects, filters);
    std::vector<std::string> order;
    for (const Target& t : kept) order.push_back(objects[t.row].ngc);
    // NGC 4 never rises high enough; the rest by score.
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order.front(), "NGC 1");
    for (std::size_t i = 1; i < kept.size(); ++i) EXPECT_GE(kept[i - 1].score, kept[i].score);
    filters.kind = TargetKind::Galaxies;
    EXPECT_EQ(keptTargets(all, objects, filters).size(), 2u);
    filters.largestMosaic = 1;
    filters.kind = TargetKind::BrightNebulae;
    EXPECT_TRUE(keptTargets(all, objects, filters).empty());
}

// Through the dialog: the list for the night, a filter that is no number
// said, the filters kept after a restart, and a row chosen.
TEST_F(ProgramTest, TonightsTargetsAreFilteredKeptAndChosen) {
    dataFolders = {QUARVEL_SOURCE_DIR};
    MainForm* f = &start();
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
    EXPECT_FALSE(f->night.bbCibles.enabled());
    f->userTypes(f->night.eSiteLatitude, "48.85");
    f->userTypes(f->night.eSiteLongitude, "2.35");
    ASSERT_TRUE(f->night.bbCibles.enabled());
    TargetsForm& targets = program->targetsForm;
    std::string shown, count, kept, chosen;
    host.scripts.push_back([&](form::Form& dialog) {
        ASSERT_EQ(dialog.name(), "fCibles");
        ASSERT_FALSE(targets.tabCibles.rows().empty());
        shown = targets.tabCibles.rows().front()[0];
        count = targets.labCibles.caption();
        // Galaxies alone, two hours at least, from a Messier number.
        dialog.userPicks(targets.cbTypeCibles, 1);
        dialog.userTypes(targets.eHeuresCibles, "2");
        dialog.userLeaves(targets.eHeuresCibles);
        dialog.userTypes(targets.eLuneCibles, "abc");
        dialog.userLeaves(targets.eLuneCibles);
        dialog.userPicks(targets.cbCatalogueCibles, 1);
        kept = targets.labCibles.caption();
        // The list in the order of its magnitude column, brightest first on a second click.
        dialog.userSorts(targets.tabCibles, 3);
        dialog.userSorts(targets.tabCibles, 3);
        const auto& rows = targets.tabCibles.rows();
        ASSERT_GE(rows.size(), 2u);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            if (!rows[i][3].empty()) EXPECT_LE(std::stod(rows[i - 1][3]), std::stod(rows[i][3]));
        }
        chosen = rows.front()[0].substr(0, rows.front()[0].find(" —"));
        dialog.userActivates(targets.tabCibles, 0);
    });
    f->userClicks(f->night.bbCibles);
    EXPECT_FALSE(shown.empty());
    EXPECT_TRUE(count.find(" cibles sur 6323 — Tous, au moins 1 h de nuit, remplissage de 10 à 100 %") != std::string::npos)
        << count;
    EXPECT_TRUE(kept.find("— Galaxies, au moins 2 h de nuit") != std::string::npos && kept.ends_with("catalogue : Messier"))
        << kept;
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"« abc » : ce filtre prend un nombre de 0 à 180"});
    // The object chosen framed on the photo page, and its night shown.
    EXPECT_TRUE(f->photo.labPhoto.caption().starts_with(chosen + " — ")) << f->photo.labPhoto.caption() << " / " << chosen;
    const bool added = std::any_of(f->night.labCiblesNuit.begin(), f->night.labCiblesNuit.end(), [&](const form::Label* row) {
        return row->caption().starts_with("▸ " + chosen + " — ");
    });
    EXPECT_TRUE(added);

    // Quit and start again: the filters are those left.
    const std::string ini = config::testing::readBytes(iniPath);
    EXPECT_NE(ini.find("CiblesType=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("CiblesHeures=2"), std::string::npos);
    EXPECT_NE(ini.find("CiblesCatalogue=M"), std::string::npos);
    f = &start();
    f->userSwitches(f->TabbedNotebook1, indexOf(Page::Nuit));
    f->userTypes(f->night.eSiteLatitude, "48.85");
    f->userTypes(f->night.eSiteLongitude, "2.35");
    host.scripts.push_back([this](form::Form&) {
        const TargetsForm& again = program->targetsForm;
        EXPECT_EQ(again.cbTypeCibles.selected(), 1);
        EXPECT_EQ(again.eHeuresCibles.text(), "2");
        EXPECT_EQ(again.cbCatalogueCibles.text(), "Messier");
    });
    f->userClicks(f->night.bbCibles);
}

}  // namespace
