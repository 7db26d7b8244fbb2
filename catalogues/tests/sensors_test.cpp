// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/sensors.h"

#include <gtest/gtest.h>

#include "catalogues/catalogue.h"

#include <set>

using namespace quarvel::catalogues;
using quarvel::core::SensorValues;

namespace {

TEST(SensorCatalogue, NamesAreUniqueAndSizesPositive) {
    std::set<std::string_view> names;
    for (const auto& row : kSensors) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_GT(row.pixelsX, 0) << row.name;
        EXPECT_GT(row.pixelsY, 0) << row.name;
        EXPECT_GT(row.pixelWidthUm, 0) << row.name;
        EXPECT_GT(row.pixelHeightUm, 0) << row.name;
    }
    EXPECT_EQ(kSensors.size(), 98u);
}

struct FindCase {
    const char* name;
    SensorValues expected;
};

TEST(SensorCatalogue, FindsTheRowsOtherFeaturesRelyOn) {
    const FindCase cases[] = {
        {"KAF0400", {768, 512, 9, 9}},
        {"KAF040x", {768, 512, 9, 9}},
        {"ICX285", {1392, 1040, 6.45, 6.45}},
        {"ICX429", {752, 582, 8.6, 8.3}},
        {"ICX405", {500, 582, 9.8, 6.3}},
        {"KAI0340", {640, 480, 7.4, 5.5}},
        {"ICX261", {512, 512, 20, 20}},
        {"KAF4301", {2048, 2048, 24, 24}},
        {"APS-C Canon 18 Mp", {5184, 3456, 4.3, 4.3}},
        {"APS-C Sony 14.2 Mp", {4610, 3080, 5.12, 5.12}},
        {"Full frame Nikon 36.3 Mp", {7360, 4912, 4.9, 4.9}},
    };
    for (const auto& c : cases) {
        const auto row = findSensor(c.name);
        ASSERT_TRUE(row.has_value()) << c.name;
        EXPECT_EQ(row->values(), c.expected) << c.name;
    }
}

TEST(SensorCatalogue, MatchesNamesExactly) {
    for (const char* name : {"kaf8300", "KAF8300 ", " KAF8300", "CMV2000", "Inconnu", ""}) {
        EXPECT_FALSE(findSensor(name).has_value()) << '"' << name << '"';
    }
    EXPECT_TRUE(findSensor("KAF8300").has_value());
}

TEST(SensorLookup, FindsTheCatalogueRowsOnly) {
    const Catalogue builtIn;
    EXPECT_EQ(builtIn.findSensor("Inconnu"), nullptr);
    EXPECT_EQ(builtIn.findSensor("MT9P031"), nullptr);
    ASSERT_NE(builtIn.findSensor("ICX285"), nullptr);
    EXPECT_EQ(builtIn.findSensor("ICX285")->values, (SensorValues{1392, 1040, 6.45, 6.45}));
}

TEST(SensorLists, KeepTheOffsetOfThree) {
    const Catalogue builtIn;
    const auto main = builtIn.mainSensorEntries();
    const auto tab = builtIn.tabSensorEntries();
    ASSERT_EQ(main.size(), 101u);
    ASSERT_EQ(tab.size(), 98u);
    EXPECT_EQ(main[0], "Saisie manuelle");
    EXPECT_EQ(main[1], "Données sauvegardées");
    EXPECT_EQ(main[2], "Liste caméras");
    EXPECT_EQ(main[3], "Liste appareils photos numériques");
    EXPECT_EQ(main[4], "CMOSIS CMV2000");
    EXPECT_EQ(main[100], "Full frame Nikon 36.3 Mp");
    EXPECT_EQ(tab[0], "Saisie manuelle");
    for (int mainRow = 4; mainRow < 101; ++mainRow) {
        EXPECT_EQ(tab[static_cast<std::size_t>(tabRowForMainRow(mainRow))], main[static_cast<std::size_t>(mainRow)]);
    }
    EXPECT_EQ(main[44], "KAI0340");
    EXPECT_EQ(tabRowForMainRow(44), 41);
    EXPECT_EQ(tabRowForMainRow(3), 0);
    EXPECT_EQ(tabRowForMainRow(2), -1);
    EXPECT_EQ(tabRowForMainRow(-1), -1);
    EXPECT_EQ(main[21], "ICX429");
    EXPECT_EQ(main[72], "APS-C Canon 18 Mp");
}

TEST(SensorLists, FactsMarkTheirFewRows) {
    int nonSquare = 0, large = 0, regions = 0;
    for (const auto& row : kSensors) {
        nonSquare += row.facts.nonSquarePixels ? 1 : 0;
        large += row.facts.largerThanFullFrame ? 1 : 0;
        regions += row.facts.regionsOfInterest ? 1 : 0;
    }
    EXPECT_EQ(nonSquare, 4);
    EXPECT_EQ(large, 4);
    EXPECT_EQ(regions, 1);
    EXPECT_TRUE(findSensor("ICX259")->facts.nonSquarePixels);
    EXPECT_TRUE(findSensor("KAF16803")->facts.largerThanFullFrame);
    EXPECT_TRUE(findSensor("MT9M001")->facts.regionsOfInterest);
}

}  // namespace
