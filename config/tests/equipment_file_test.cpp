// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/equipment_file.h"

#include <gtest/gtest.h>

#include "config/tests/ini_test_support.h"

using namespace quarvel::config;
using namespace quarvel::config::testing;

namespace {

// Rows written under accented names read back with the same numbers, the
// file's encoding kept; a name the file holds, capitals aside, is never
// written over.
TEST(EquipmentFile, RowsRoundTripAndNamesTheFileHoldsStay) {
    TemporaryDirectory dir;
    const std::string path = equipmentPathFor(dir.file("Quarvel.ini"));
    EXPECT_EQ(path, dir.file("Quarvel-equipements.ini"));
    const quarvel::core::SensorValues sensor{3000, 2000, 2.25, 4.5};
    EXPECT_FALSE(addSections(path, {telescopeSection("Lunette à réducteur", {101.6, 714.25}),
                                   sensorSection("Caméra perso", sensor), cameraSection("Caméra perso", "Caméra perso"),
                                   dslrSection("Réflex défiltré", sensor)}));
    EXPECT_EQ(addSections(path, {telescopeSection("LUNETTE À RÉDUCTEUR", {1, 1})}),
              std::optional<std::string>("Télescope LUNETTE À RÉDUCTEUR"));
    const IniDocument file(path);
    const auto sections = file.sections();
    ASSERT_EQ(sections.size(), 4u);
    EXPECT_EQ(sections[0].name, "Télescope Lunette à réducteur");
    const auto optics = readTelescope(sections[0]);
    ASSERT_TRUE(optics);
    EXPECT_EQ(optics->diameterMm, 101.6);
    EXPECT_EQ(optics->focalMm, 714.25);
    EXPECT_EQ(readSensor(sections[1]), sensor);
    EXPECT_EQ(readCameraSensor(sections[2]), "Caméra perso");
    EXPECT_EQ(readDslr(sections[3]), (quarvel::core::SensorValues{3000, 2000, 2.25, 2.25}));
    EXPECT_NE(readBytes(path).find("[T\xE9lescope Lunette \xE0 r\xE9" "ducteur]\r\nDiam\xE8tre=101.6\r\n"),
              std::string::npos);

    Settings setup;
    setup.diameterMm = 203.2;
    setup.sensorX = "1500";
    setup.sensorY = "1000";
    setup.pixelX = setup.pixelY = "3.76";
    EXPECT_TRUE(readableSetup(setup));
    EXPECT_FALSE(addSetup(path, "Été", setup));
    EXPECT_TRUE(addSetup(path, "ÉTÉ", setup));
    const auto again = IniDocument(path).sections();
    EXPECT_TRUE(readableSetup(again.back()));
    EXPECT_EQ(readSettings(IniDocument(path), again.back().name).diameterMm, 203.2);
    setup.pixelY = "";
    EXPECT_FALSE(readableSetup(setup));
    removeSections(path, {"Montage été"});
    EXPECT_EQ(IniDocument(path).sections().size(), 4u);
}

}  // namespace
