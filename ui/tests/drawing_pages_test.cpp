// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing pages through user events: their sensor lists, menus and pictures.
#include <unistd.h>

#include <filesystem>

#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// Runs in a fresh working directory holding a copy of the photographs.
class DrawingPagesTest : public ProgramTest {
protected:
    void SetUp() override {
        m_previous = fs::current_path();
        fs::copy(QUARVEL_SOURCE_DIR "/images", dir.file("images"));
        fs::current_path(dir.path());
    }
    void TearDown() override { fs::current_path(m_previous); }

    int redPixels() const {
        const auto& picture = program->mainForm.photo.PhotoObjet.picture();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == drawings::kRed;
        }
        return count;
    }

private:
    fs::path m_previous;
};

TEST_F(DrawingPagesTest, ATabListMovesTheOtherListsAndTheParameterPage) {
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinCapteur));
    f.userPicks(f.sensorDrawing.cbCapteursPict, rowOf(f.sensorDrawing.cbCapteursPict, "ICX285"));
    EXPECT_EQ(f.planetDrawing.cbCapteursPla.text(), "ICX285");
    EXPECT_EQ(f.photo.cbCapteursPhoto.text(), "ICX285");
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "ICX285");
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eTaillePixelsX, &f.parametrage.eNomCamera}),
              (Strings{"1392", "6.45", "Inconnu"}));
    EXPECT_EQ(f.sensorDrawing.labTailleMMCapt.caption(), "9 x 6.7 mm");
    EXPECT_EQ(f.sensorDrawing.pCapteurs2.width(), 90);

    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinPlanete));
    f.userPicks(f.planetDrawing.cbCapteursPla, rowOf(f.planetDrawing.cbCapteursPla, "KAF4301"));
    EXPECT_EQ(f.sensorDrawing.cbCapteursPict.text(), "KAF4301");
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "KAF4301");
    EXPECT_EQ(f.planetDrawing.labDessinPlaCapteur.caption(), "KAF4301");
    EXPECT_TRUE(f.sensorDrawing.pCapteurs3.visible());
    EXPECT_FALSE(f.sensorDrawing.labTailleRefV.visible());
    EXPECT_EQ(f.planetDrawing.pbDessinPla.height(), 360);

    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    f.userPicks(f.photo.cbCapteursPhoto, rowOf(f.photo.cbCapteursPhoto, "KAF8300"));
    EXPECT_EQ(f.planetDrawing.cbCapteursPla.text(), "KAF8300");
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "KAF8300");
    EXPECT_EQ(f.photo.labPhotoCapteur.caption(), "KAF8300");
    EXPECT_EQ(texts({&f.photo.eChampPhotoV, &f.photo.eChampPhotoH}), (Strings{"23.50", "17.69"}));
    EXPECT_TRUE(reporter.messages.empty());
}

// Every way the sensor changes reaches the drawing pages.
TEST_F(DrawingPagesTest, TheDrawingPagesFollowTheCurrentSensor) {
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinCapteur));
    EXPECT_EQ(f.sensorDrawing.labTailleMMCapt.caption(), "6.9 x 4.6 mm");  // the default hand-entered 768 x 512 of 9 um
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    EXPECT_EQ(f.photo.eChampPhotoV.text(), "9.04");
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::Parametrage));
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    whenOpened<ModelListForm>([&](ModelListForm& d) {
        d.userPicks(d.list, rowOf(d.list, "Atik 16"));
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbCameras);
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    EXPECT_EQ(f.photo.cbCapteursPhoto.text(), "ICX429");
    EXPECT_EQ(f.photo.eChampPhotoV.text(), "8.46");

    // The planet is drawn at the new sensor's sampling right after the pick.
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinPlanete));
    f.userPicks(f.planetDrawing.cbCapteursPla, rowOf(f.planetDrawing.cbCapteursPla, "ICX285"));
    f.userPicks(f.planetDrawing.cbCapteursPla, rowOf(f.planetDrawing.cbCapteursPla, "ICX261"));
    const auto picked = f.planetDrawing.pbDessinPla.drawing().shapes;
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::Parametrage));
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinPlanete));
    ASSERT_FALSE(picked.empty());
    EXPECT_EQ(picked.front().box.right - picked.front().box.left,
              f.planetDrawing.pbDessinPla.drawing().shapes.front().box.right -
                  f.planetDrawing.pbDessinPla.drawing().shapes.front().box.left);
}

TEST_F(DrawingPagesTest, ThePhotographsAreFoundBesideTheProgram) {
    fs::remove_all("images");
    dataFolders = {QUARVEL_SOURCE_DIR};
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(f.photo.PhotoObjet.picture().width(), 360);
}

TEST_F(DrawingPagesTest, AHandTypedFortyMillimetreSensorIsDrawnOverTheFrame) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, kManualRow);
    f.userTypes(f.parametrage.eNbPixelsX, "4000");
    f.userTypes(f.parametrage.eNbPixelsY, "4000");
    f.userTypes(f.parametrage.eTaillePixelsX, "10");
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinCapteur));
    f.userPicks(f.sensorDrawing.cbCapteursPict, kManualTabRow);  // "Saisie manuelle"
    EXPECT_EQ(f.sensorDrawing.labTailleMMCapt.caption(), "40 x 40 mm");
    EXPECT_EQ(f.sensorDrawing.pCapteurs2.left(), 64);
    EXPECT_EQ(f.sensorDrawing.pCapteurs2.width(), 400);
    EXPECT_FALSE(f.sensorDrawing.pCapteurs3.visible());  // not one of the four named sensors
    // Hand entry opens no dialog and keeps what was typed.
    EXPECT_TRUE(host.opened.empty());
    EXPECT_EQ(f.parametrage.cbCapteurs.selected(), kManualRow);
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eTaillePixelsX}), (Strings{"4000", "10"}));
    EXPECT_EQ(f.parametrage.eTaillePixelsMMX.text(), "40.00");
}

TEST_F(DrawingPagesTest, RegionItemsResizeTheBoxAndMoveTheCheckMark) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "MT9M001"));
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinPlanete));
    EXPECT_TRUE(f.planetDrawing.regionMenuOpens(true));
    EXPECT_FALSE(f.planetDrawing.regionMenuOpens(false));
    const int heights[] = {288, 270, 270, 270, 360, 270};
    for (int item = 5; item >= 0; --item) {
        f.userChooses(f.planetDrawing.pmDessinPla, item);
        EXPECT_EQ(f.planetDrawing.pmDessinPla.checkedIndex(), item);
        EXPECT_EQ(f.planetDrawing.pbDessinPla.height(), heights[item]) << item;
    }
    EXPECT_EQ(f.session().sensor.pixelsX, 1280);
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    EXPECT_FALSE(f.planetDrawing.regionMenuOpens(true));
}

TEST_F(DrawingPagesTest, TheObjectMenuSelectsTheRowAndRedraws) {
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinPlanete));
    EXPECT_EQ(f.planetDrawing.pmPlanetes.checkedIndex(), 3);
    f.userChooses(f.planetDrawing.pmPlanetes, 4);
    EXPECT_EQ(f.imagerie.rgPlanetes.selected(), 4);
    EXPECT_EQ(f.planetDrawing.labDessinPlaNom.caption(), "Saturne");
    EXPECT_EQ(f.planetDrawing.pbDessinPla.drawing().shapes.size(), 3u);  // disc, rings, disc
    f.userChooses(f.planetDrawing.pmPlanetes, 5);
    EXPECT_EQ(f.planetDrawing.pbDessinPla.drawing().shapes.size(), 10u);
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "3600.0");
    f.userSelects(f.imagerie.rgPlanetes, 2);  // the Imagerie page does not move the check mark
    EXPECT_EQ(f.planetDrawing.pmPlanetes.checkedIndex(), 5);
}

TEST_F(DrawingPagesTest, ChoosingTheSamePhotographTwiceLeavesOneFrame) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    EXPECT_EQ(f.photo.labPhoto.caption(), "M 31 (5°)");
    const int once = redPixels();
    EXPECT_GT(once, 0);
    f.userChooses(f.photo.pmPhotos, 0);  // M 13
    EXPECT_EQ(f.photo.labPhoto.caption(), "M 13 (1°)");
    const int m13 = redPixels();
    f.userChooses(f.photo.pmPhotos, 0);
    EXPECT_EQ(redPixels(), m13);
    f.userChooses(f.photo.pmPhotos, 2);
    EXPECT_EQ(redPixels(), once);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(DrawingPagesTest, AZeroFocalLengthReportsTheDivision) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    f.userTypes(f.parametrage.eFocale, "0");
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    EXPECT_EQ(reporter.messages, Strings{"Division par zéro en virgule flottante"});
}

TEST_F(DrawingPagesTest, AMissingFolderKeepsTheBuiltInPictureWithoutAFrame) {
    fs::remove_all("images");
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Impossible d'ouvrir le fichier \"" +
                                        (fs::current_path() / "images/m31_5d_360x240.bmp").string() +
                                        "\". No such file or directory");
    EXPECT_EQ(f.photo.PhotoObjet.picture().width(), 363);
    EXPECT_EQ(redPixels(), 0);
    EXPECT_EQ(f.photo.eChampPhotoV.text(), "");
}

TEST_F(DrawingPagesTest, ABadBitmapIsReportedAndThePreviousPictureStays) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    const int frame = redPixels();
    for (const char* bytes : {"", "BM garbage", "not a bitmap at all"}) {
        quarvel::config::testing::writeBytes("images/m13_1d_360x240.bmp", bytes);
        reporter.messages.clear();
        f.userChooses(f.photo.pmPhotos, 0);
        EXPECT_EQ(reporter.messages, Strings{"Image bitmap incorrecte"});
        EXPECT_EQ(f.photo.labPhoto.caption(), "M 13 (1°)");
        EXPECT_EQ(redPixels(), frame);  // the M 31 picture and its frame stay
    }
    // A truncated photograph.
    const std::string good = quarvel::config::testing::readBytes("images/m42_2d_360x240.bmp");
    quarvel::config::testing::writeBytes("images/m42_2d_360x240.bmp", good.substr(0, good.size() / 2));
    reporter.messages.clear();
    f.userChooses(f.photo.pmPhotos, 3);
    EXPECT_EQ(reporter.messages, Strings{"Image bitmap incorrecte"});
    // A photograph that cannot be read at all.
    fs::remove("images/m13_1d_360x240.bmp");
    fs::create_directory("images/m13_1d_360x240.bmp");
    reporter.messages.clear();
    f.userChooses(f.photo.pmPhotos, 0);
    EXPECT_EQ(reporter.messages, Strings{"Impossible d'ouvrir le fichier \"" +
                                         (fs::current_path() / "images/m13_1d_360x240.bmp").string() +
                                         "\". n'est pas un fichier ordinaire"});
    EXPECT_EQ(redPixels(), frame);
}

}  // namespace
