// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped equipment files: their rows follow the built-in ones in every
// list, a chosen row comes back after a restart, and a damaged file costs
// only its bad rows.
#include <filesystem>

#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

class EquipmentTest : public ProgramTest {
protected:
    void SetUp() override { equipmentFolder = QUARVEL_SOURCE_DIR "/data/equipment"; }
};

TEST_F(EquipmentTest, ShippedRowsFollowTheBuiltInOnes) {
    MainForm& f = start();
    EXPECT_TRUE(reporter.messages.empty());
    // The built-in rows keep their places: every offset and saved name works as before.
    EXPECT_EQ(f.cbCapteurs.items()[14], "ICX285");
    EXPECT_EQ(f.cbCapteurs.items()[101], "IMX178");
    EXPECT_EQ(f.cbCapteursPict.items()[98], "IMX178");
    const auto& cameras = program->camerasForm.list.items();
    EXPECT_EQ(cameras.size(), 161u + 28u);
    EXPECT_EQ(cameras[161], "Atik 383");
    EXPECT_EQ(program->telescopesForm.lbTelescopes.items()[83], "Askar 120APO");

    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, rowOf(d.list, "ZWO ASI2600MC Pro"));
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.bbCameras);
    EXPECT_EQ(f.cbCapteurs.text(), "IMX571");
    EXPECT_EQ(texts({&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eNomCamera}),
              (Strings{"6248", "4176", "3.76", "ZWO ASI2600MC Pro"}));

    // A digital camera gets a sensor row in the built-in style, or the
    // built-in row with the same numbers.
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, rowOf(d.list, "Nikon Z7"));
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.bbAPN);
    EXPECT_EQ(f.cbCapteurs.text(), "Full frame Nikon 45.4 Mp");
    EXPECT_EQ(program->equipment.catalogue.mapDslr("Canon EOS 60Da")->sensorName, "APS-C Canon 18 Mp");

    // Saved by name, back by name after a restart.
    f.userClicks(f.bbSauveConfig);
    MainForm& again = start();
    EXPECT_EQ(again.cbCapteurs.text(), "Full frame Nikon 45.4 Mp");
    EXPECT_EQ(texts({&again.eNbPixelsX, &again.eTaillePixelsX, &again.eNomCamera}),
              (Strings{"8256", "4.35", "Nikon Z7"}));
}

TEST_F(EquipmentTest, ADamagedFileCostsOnlyItsBadRowsAndIsSaidOnce) {
    equipmentFolder = dir.file("equipment");
    std::filesystem::create_directory(equipmentFolder);
    quarvel::config::testing::writeBytes(equipmentFolder + "/sensors.csv",
                                         "name,pixels_x,pixels_y,pixel_um_x,pixel_um_y\n"
                                         "IMX999,100,100,2.9,2.9\nIMX000,abc,1,1,1\nICX285,1,1,1,1\nIMX001,-5,1,1,1\n");
    quarvel::config::testing::writeBytes(equipmentFolder + "/telescopes.csv", "nom,foo\nx,y\n");
    MainForm& f = start();
    EXPECT_EQ(reporter.messages,
              (Strings{"Équipement ignoré : " + equipmentFolder + "/sensors.csv, ligne(s) 3, 5",
                       "Équipement ignoré : " + equipmentFolder + "/telescopes.csv, colonne \"maker\" absente"}));
    EXPECT_EQ(f.cbCapteurs.items().back(), "IMX999");
    EXPECT_EQ(program->equipment.catalogue.findSensor("ICX285")->values.pixelsX, 1392);  // not added twice
}

}  // namespace
