// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/cameras.h"

#include <gtest/gtest.h>

#include "catalogues/catalogue.h"

#include <set>

#include "catalogues/sensors.h"

using namespace quarvel::catalogues;

namespace {

template <std::size_t N>
void expectUniqueModelsOfKnownSensors(const std::array<ModelRow, N>& rows) {
    std::set<std::string_view> models;
    for (const auto& row : rows) {
        EXPECT_TRUE(models.insert(row.model).second) << row.model;
        if (!row.sensor.empty()) {
            EXPECT_TRUE(findSensor(row.sensor).has_value()) << row.model << " -> " << row.sensor;
        }
    }
}

TEST(ModelLists, HaveUniqueModelsMappedToCatalogueSensors) {
    EXPECT_EQ(kCameras.size(), 161u);
    EXPECT_EQ(kDslrs.size(), 71u);
    expectUniqueModelsOfKnownSensors(kCameras);
    expectUniqueModelsOfKnownSensors(kDslrs);
    EXPECT_EQ(kCameras.front().model, "Apogee 11M");
    EXPECT_EQ(kCameras.back().model, "Vesta Pro");
    EXPECT_EQ(kDslrs.front().model, "Canon EOS 1D Mark II");
    EXPECT_EQ(kDslrs.back().model, "Pentax K-x");
}

struct MappingCase {
    const char* model;
    const char* sensor;  // "" for a sensor the catalogue lacks
};

TEST(ModelLists, MapTheModelsThatMatter) {
    const Catalogue builtIn;
    const MappingCase cameras[] = {
        {"Atik 16", "ICX429"},         {"QHY12", "APS-C Sony 14.2 Mp"}, {"SBig ST9", "ICX261"},
        {"HiSis-22", "KAF040x"},       {"Sbig ST7", "KAF040x"},         {"Apogee F1", "KAF040x"},
        {"QSI 504", "KAF040x"},        {"QSI 604", "KAF040x"},          {"Sbig ST-40x", "KAF040x"},
        {"MT9J003", "MT9J003"},        {"Apogee A4050", "KAI04050"},    {"Lumenera LT225", "CMOSIS CMV2000"},
        {"Lumenera LT425", "CMOSIS CMV4000"}, {"Grasshopper 3-41C6", "CMOSIS CMV4000"},
        {"Basler 1920-25", ""},        {"Basler 2500-14", ""},          {"Basler 4600-10", ""},
        {"Grasshopper 3-23S6", ""},    {"Firefly MV-13", ""},
    };
    for (const auto& c : cameras) {
        const auto mapped = builtIn.mapCamera(c.model);
        ASSERT_TRUE(mapped.has_value()) << c.model;
        EXPECT_EQ(mapped->sensorName, c.sensor) << c.model;
        EXPECT_EQ(mapped->inCatalogue(), *c.sensor != '\0') << c.model;
    }
    const MappingCase dslrs[] = {
        {"Nikon D40", "APS-C Canon 6.3 Mp"},
        {"Canon EOS 550D / Rebel T2i", "APS-C Canon 18 Mp"},
        {"Canon EOS 600D / Rebel T3i", "APS-C Canon 18 Mp"},
        {"Pentax K-5", "APS-C Pentax 16.2 Mp"},
        {"Pentax K-3", "APS-C Pentax 24.1 Mp"},
    };
    for (const auto& c : dslrs) {
        const auto mapped = builtIn.mapDslr(c.model);
        ASSERT_TRUE(mapped.has_value()) << c.model;
        EXPECT_EQ(mapped->sensorName, c.sensor) << c.model;
    }
}

TEST(ModelLists, MatchModelsExactly) {
    const Catalogue builtIn;
    EXPECT_FALSE(builtIn.mapCamera("SBig ST7").has_value());
    EXPECT_FALSE(builtIn.mapCamera("Sbig ST9").has_value());
    EXPECT_FALSE(builtIn.mapCamera("atik 16").has_value());
    EXPECT_FALSE(builtIn.mapCamera("Atik 16 ").has_value());
    EXPECT_FALSE(builtIn.mapCamera("").has_value());
    EXPECT_FALSE(builtIn.mapCamera("Nikon D40").has_value());  // a DSLR, not a camera of the other list
    EXPECT_FALSE(builtIn.mapDslr("Atik 16").has_value());
}

TEST(ModelLists, EverySensorRowAModelCouldNeedIsReached) {
    std::set<std::string_view> reached;
    for (const auto& row : kCameras) reached.insert(row.sensor);
    for (const auto& row : kDslrs) reached.insert(row.sensor);
    for (const char* name : {"CMOSIS CMV2000", "CMOSIS CMV4000", "KAI04050", "APS-C Pentax 16.2 Mp",
                             "APS-C Pentax 24.1 Mp"}) {
        EXPECT_TRUE(reached.count(name)) << name;
    }
}

}  // namespace
