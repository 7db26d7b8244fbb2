// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/objects.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "catalogues/object_framing.h"
#include "catalogues/object_search.h"
#include "core/errors.h"

using namespace quarvel::catalogues;
using quarvel::core::QuarvelError;

namespace {

// The shipped list, read once: no test changes it.
const ObjectCatalogue& shipped() {
    static const ObjectCatalogue catalogue = [] {
        std::ifstream file(QUARVEL_SOURCE_DIR "/data/objects/objects.csv", std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        ObjectsRead read = readObjects("objects.csv", text.str());
        EXPECT_TRUE(read.problems.empty());
        return ObjectCatalogue(std::move(read.rows));
    }();
    return catalogue;
}

const DeepSkyObject& named(std::string_view typed) {
    const auto row = shipped().find(typed);
    if (!row) throw std::runtime_error("no row for " + std::string(typed));
    return shipped().rows()[*row];
}

std::vector<std::string> firstFound(std::string_view typed, std::size_t limit) {
    std::vector<std::string> names;
    for (int row : shipped().search(typed, limit)) names.push_back(designation(shipped().rows()[row]));
    return names;
}

TEST(ObjectsFile, KeepsGoodRowsAndSaysWhyEachOtherLineIsSkipped) {
    const ObjectsRead read = readObjects(
        "objets.csv",
        "m,c,ngc,ic,other,name_en,name_fr,type,vmag,bmag,major,minor,pa,ra,dec,notes\r\n"
        "M 27,,NGC 6853,,PK 060-03.1,Dumbbell Nebula;Apple Core Nebula,Nébuleuse du Diabolo,planetary nebula,7.4,7.6,"
        "8,5.6,95,299.9016,22.721,\r\n"
        "M 40,,,,,Winnecke 4,,star,9.65,,,,,185.5522,58.0829,\n"
        ",,NGC 1,,,,,galaxy,12,,3,2,,1.8,27.7\n"
        ",,NGC 2,,,,,galaxy,12,,3;4,2,,1.8,27.7,\n"
        ",,NGC 3,,,,,galaxy,12,,3,2,,,27.7,\n"
        ",,,,,Nameless,,galaxy,12,,3,2,,1.8,27.7,\n"
        ",,NGC 4,,,,,galaxy,12,,1e308,2,,1.8,27.7,\n"
        "\n");
    ASSERT_EQ(read.rows.size(), 2u);
    const DeepSkyObject& m27 = read.rows[0];
    EXPECT_EQ(m27.ngc, "NGC 6853");
    EXPECT_EQ(m27.namesEn, (std::vector<std::string>{"Dumbbell Nebula", "Apple Core Nebula"}));
    EXPECT_EQ(m27.positionAngleDeg, 95);
    EXPECT_EQ(m27.raDeg, 299.9016);
    EXPECT_EQ(read.rows[1].magnitude, 9.65);
    EXPECT_FALSE(read.rows[1].majorArcmin.has_value());
    std::vector<std::string> problems;
    for (const auto& problem : read.problems) problems.push_back(problem.text());
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "objets.csv, ligne 4 : 15 champs au lieu de 16",
                            "objets.csv, ligne 5 : colonne \"major\" : « 3;4 » incorrect",
                            "objets.csv, ligne 6 : colonne \"ra\" vide",
                            "objets.csv, ligne 7 : aucune désignation",
                            "objets.csv, ligne 8 : colonne \"major\" : « 1e308 » incorrect",
                        }));
}

TEST(ObjectsFile, MissingColumnGivesNoRows) {
    const ObjectsRead read = readObjects("objets.csv", "m,c,ngc,ic,other,name_en,name_fr,type,vmag,bmag,major,minor,pa,ra\n"
                                                      "M 1,,,,,,,nebula,8,,8,4,90,83.6\n");
    EXPECT_TRUE(read.rows.empty());
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].text(), "objets.csv, colonne \"dec\" absente");
}

TEST(ObjectsFile, ShippedListHasEveryMessierAndCaldwellNumber) {
    int messier = 0;
    int caldwell = 0;
    for (const auto& row : shipped().rows()) {
        messier += !row.m.empty();
        caldwell += !row.c.empty();
    }
    EXPECT_EQ(messier, 110);
    EXPECT_EQ(caldwell, 109);
}

struct SearchCase {
    const char* typed;
    std::vector<std::string> first;  // the designations of the best matches, in order
};

TEST(ObjectSearch, FindsEachWayOfTypingBestFirst) {
    const SearchCase cases[] = {
        {"M31", {"M 31"}},
        {"M 31", {"M 31"}},
        {"m31", {"M 31"}},
        {"messier 31", {"M 31"}},
        {"M 3", {"M 3", "M 30", "M 31"}},
        {"NGC 7000", {"C 20"}},
        {"ngc7000", {"C 20"}},
        {"C 14", {"C 14"}},  // the Double Cluster, one object
        {"IC 434", {"IC 434"}},
        {"ic434", {"IC 434"}},
        {"Andromeda Galaxy", {"M 31"}},
        {"andromede", {"M 31"}},
        {"GALAXIE D'ANDROMÈDE", {"M 31"}},
        {"voile", {"C 34", "NGC 6979"}},
        {"lagon", {"M 8"}},  // NGC 6523 is M 8
        // Numbers are whole numbers: the Rosette is not PGC 72237's galaxy.
        {"NGC 2237", {"C 49"}},
        {"ngc 2237", {"C 49"}},
        {"M 1", {"M 1", "M 10"}},
        {"heart", {"IC 1805"}},
        {"coeur", {"IC 1805"}},
        {"elephant's trunk", {"IC 1396"}},
        {"sh2-131", {"IC 1396"}},
        {"dentelles du cygne", {"Sh2-103"}},
        {"tete de cheval", {"IC 434"}},
        {"ndromed", {"M 31"}},  // inside a word
        {"sh2 155", {"C 9"}},
        {"31", {"M 31", "C 31"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(firstFound(c.typed, c.first.size()), c.first) << c.typed;
    }
}

TEST(ObjectSearch, DesignationsComeBeforeNames) {
    const auto found = firstFound("ngc 7", 20);
    ASSERT_EQ(found.size(), 20u);
    EXPECT_EQ(named(found[0]).ngc.substr(0, 5), "NGC 7");
    EXPECT_TRUE(firstFound("nothing like it", 5).empty());
    EXPECT_TRUE(firstFound("  ", 5).empty());
}

TEST(ObjectFind, NamesOneObjectExactlyOrNothing) {
    const std::pair<const char*, const char*> found[] = {
        {"M31", "M 31"},
        {" ngc 224 ", "M 31"},
        {"galaxie d'andromede", "M 31"},
        {"M 31 — NGC 224 — Galaxie d'Andromède", "M 31"},
        {"Lagoon Nebula", "M 8"},  // also NGC 6523's name: the Messier row is meant
        {"Sh2-117", "C 20"},
        {"C 14", "C 14"},
        {"NGC 6995", "NGC 6995"},
        {"Sh2-131", "IC 1396"},
    };
    for (const auto& [typed, expected] : found) {
        const auto row = shipped().find(typed);
        ASSERT_TRUE(row.has_value()) << typed;
        EXPECT_EQ(designation(shipped().rows()[*row]), expected) << typed;
    }
    for (const char* typed : {"Veil Nebula", "Androm", "M 311", "Nébuleuse inconnue", "2237", ""}) {
        EXPECT_FALSE(shipped().find(typed).has_value()) << typed;
    }
}

TEST(ObjectLabel, ShowsNumbersThenTheWantedLanguagesName) {
    EXPECT_EQ(objectLabel(named("M 31"), true), "M 31 — NGC 224 — Galaxie d'Andromède");
    EXPECT_EQ(objectLabel(named("M 31"), false), "M 31 — NGC 224 — Andromeda Galaxy");
    EXPECT_EQ(objectLabel(named("NGC 869"), true), "NGC 869 — h Persei");
    EXPECT_EQ(objectLabel(named("Haley's Coronet"), true), "NGC 1532 — Haley's Coronet");  // no French name
}

TEST(Framing, MosaicFieldLosesTheOverlaps) {
    const SkyExtent field = mosaicField({{96, 64}, 0, 2, 2, 20});
    EXPECT_DOUBLE_EQ(field.widthArcmin, 2 * 96 - 0.2 * 96);
    EXPECT_DOUBLE_EQ(field.heightArcmin, 2 * 64 - 0.2 * 64);
    EXPECT_THROW(mosaicField({{96, 64}, 0, 6, 1, 0}), QuarvelError);
    EXPECT_THROW(mosaicField({{96, 64}, 0, 1, 1, 100}), QuarvelError);
    EXPECT_THROW(mosaicField({{0, 64}, 0, 1, 1, 0}), QuarvelError);
}

DeepSkyObject ellipse(double major, double minor, double pa) {
    return {.m = "M 99", .majorArcmin = major, .minorArcmin = minor, .positionAngleDeg = pa};
}

TEST(Framing, RotationTurnsTheObjectAgainstTheFrame) {
    const Framing level{{96, 64}};
    Framing turned = level;
    turned.rotationDeg = 90;
    const auto across = fitObject(ellipse(90, 40, 90), level);
    const auto upright = fitObject(ellipse(90, 40, 90), turned);
    EXPECT_TRUE(across->fits);
    EXPECT_DOUBLE_EQ(across->fill, 90.0 / 96);
    EXPECT_FALSE(upright->fits);
    EXPECT_EQ(upright->advised, (Panels{1, 2}));
    // Without its angle the object may lie any way: framed as a disc.
    EXPECT_FALSE(fitObject({.m = "M 99", .majorArcmin = 90, .minorArcmin = 40}, level)->fits);
}

struct LineCase {
    const char* name;
    DeepSkyObject object;
    Framing framing;
    const char* line;
};

TEST(Framing, LineSaysWhetherTheObjectFits) {
    const LineCase cases[] = {
        {"along its axis", {.m = "M 31", .majorArcmin = 178, .minorArcmin = 63, .positionAngleDeg = 90}, {{96, 64}},
         "M 31 : 178' x 63' — champ 96' x 64' — ne tient pas : mosaïque 2 x 1 conseillée"},
        // M 31 is 177.8' x 69.7' at 35° (OpenNGC).
        {"shipped M 31, frame along it", named("M 31"), {{96, 64}, 125},
         "M 31 : 178' x 70' — champ 96' x 64' — ne tient pas : mosaïque 2 x 2 conseillée"},
        {"shipped M 31 across the frame's diagonal", named("M 31"), {{96, 64}},
         "M 31 : 178' x 70' — champ 96' x 64' — ne tient pas : mosaïque 2 x 3 conseillée"},
        {"small", named("M 27"), {{96, 64}},
         "M 27 : 6.7' — champ 96' x 64' — tient dans le champ (remplissage 10 %)"},
        {"in a mosaic", named("M 31"), {{96, 64}, 125, 2, 2, 0},
         "M 31 : 178' x 70' — champ 96' x 64' — mosaïque 2 x 2 : 192' x 128' — tient dans la mosaïque (remplissage 93 %)"},
        {"overlapping mosaic", named("M 31"), {{96, 64}, 0, 2, 2, 20},
         "M 31 : 178' x 70' — champ 96' x 64' — mosaïque 2 x 2 : 173' x 115' — ne tient pas : mosaïque 2 x 3 conseillée"},
        {"no angle", named("M 8"), {{96, 64}},
         "M 8 : 45' x 30', orientation inconnue — champ 96' x 64' — tient dans le champ (remplissage 70 %)"},
        {"cluster", named("M 45"), {{9.6, 6.4}},
         "M 45 : 150' — champ 9.6' x 6.4' — ne tient pas, même en mosaïque 5 x 5"},
        {"speck", named("M 57"), {{960, 640}},
         "M 57 : 1.3' — champ 960' x 640' — tient dans le champ (remplissage < 1 %)"},
        {"unknown size", named("M 40"), {{96, 64}}, "M 40 : taille inconnue — champ 96' x 64'"},
        // Shapes a source gets wrong: a globular cluster is round, axes given
        // the wrong way round are swapped.
        {"globular",
         {.m = "M 13", .type = "globular cluster", .majorArcmin = 20, .minorArcmin = 7.9, .positionAngleDeg = 150},
         {{20, 15}},
         "M 13 : 20' — champ 20' x 15' — ne tient pas : mosaïque 1 x 2 conseillée"},
        {"axes swapped", {.c = "C 59", .type = "planetary nebula", .majorArcmin = 0.42, .minorArcmin = 0.62}, {{1, 1}},
         "C 59 : 0.6' x 0.4', orientation inconnue — champ 1' x 1' — tient dans le champ (remplissage 62 %)"},
    };
    for (const auto& c : cases) EXPECT_EQ(fitLine(c.object, c.framing).text(), c.line) << c.name;
}

}  // namespace
