// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing pages through user events: their sensor lists, menus and pictures.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>

#include "image/solve.h"
#include "sky/coordinates.h"
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
    void TearDown() override {
        fs::current_path(m_previous);
        if (!m_path.empty()) ::setenv("PATH", m_path.c_str(), 1);
        for (const char* name : {"FAKE_SOLVE", "FAKE_CD", "FAKE_CRPIX1", "FAKE_CRPIX2"}) ::unsetenv(name);
    }

    // The "Champ photo" page, for a sensor of 6248 x 4176 pixels of 3.76 um
    // at that focal length, with the shipped catalogue.
    PhotoPage& photoPageAt(const std::string& focalMm) {
        dataFolders = {QUARVEL_SOURCE_DIR};
        MainForm& f = start();
        f.userTypes(f.parametrage.eFocale, focalMm);
        f.userPicks(f.parametrage.cbCapteurs, kManualRow);
        f.userTypes(f.parametrage.eNbPixelsX, "6248");
        f.userTypes(f.parametrage.eNbPixelsY, "4176");
        f.userTypes(f.parametrage.eTaillePixelsX, "3.76");
        f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
        return f.photo;
    }

    // astrometry.net's solve-field replaced on the PATH by the tests' fake,
    // until the test ends.
    void useFakeSolver() {
        const std::string bin = dir.file("bin");
        fs::create_directory(bin);
        fs::create_symlink(QUARVEL_SOURCE_DIR "/image/tests/fake_solve_field.sh", bin + "/solve-field");
        m_path = std::getenv("PATH");
        ::setenv("PATH", (bin + ":" + m_path).c_str(), 1);
    }

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
    std::string m_path;
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
    EXPECT_EQ(f.planetDrawing.pmPlanetes.checkedIndex(), quarvel::ui::rowOf(quarvel::ephem::Body::Jupiter));
    f.userChooses(f.planetDrawing.pmPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Saturn));
    EXPECT_EQ(f.imagerie.rgPlanetes.selected(), quarvel::ui::rowOf(quarvel::ephem::Body::Saturn));
    EXPECT_EQ(f.planetDrawing.labDessinPlaNom.caption(), "Saturne");
    EXPECT_EQ(f.planetDrawing.pbDessinPla.drawing().shapes.size(), 3u);  // disc, rings, disc
    f.userChooses(f.planetDrawing.pmPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Pleiades));
    EXPECT_EQ(f.planetDrawing.pbDessinPla.drawing().shapes.size(), 10u);
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "3600.0");
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Mars));  // the Imagerie page does not move the check mark
    EXPECT_EQ(f.planetDrawing.pmPlanetes.checkedIndex(), quarvel::ui::rowOf(quarvel::ephem::Body::Pleiades));
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
    f.userLeaves(f.parametrage.eFocale);
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

namespace {

// The length of a side of a drawn quad, in canvas pixels.
double side(const drawings::Quad& quad, std::size_t from) {
    const auto& a = quad[from];
    const auto& b = quad[(from + 1) % 4];
    return std::hypot(b.x - a.x, b.y - a.y);
}

// A JPEG whose header claims another size, its pixels unchanged.
std::string claimingSize(std::string jpeg, int width, int height) {
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = static_cast<char>(height >> 8), jpeg[i + 6] = static_cast<char>(height & 0xFF);
            jpeg[i + 7] = static_cast<char>(width >> 8), jpeg[i + 8] = static_cast<char>(width & 0xFF);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

// Pictures that name a path out of their folder, a device, a pipe, or claim
// a size no memory holds: each object is drawn by its outline, at once.
TEST_F(DrawingPagesTest, AHostilePictureIsNoPicture) {
    const std::string folder = dir.file("images/objects/");
    fs::create_directories(folder);
    const std::string m31 = quarvel::config::testing::readBytes(QUARVEL_SOURCE_DIR "/images/objects/m31.jpg");
    fs::copy_file(QUARVEL_SOURCE_DIR "/images/objects/m31.jpg", folder + "m31.jpg");
    quarvel::config::testing::writeBytes(folder + "index.csv",
                                         "designation,file,width_px,height_px,arcmin_per_px\n"
                                         "M 27,../../../../dev/zero,480,480,0.05\nM 13,zero.jpg,480,480,0.1\n"
                                         "M 42,fifo.jpg,480,480,0.5\nM 31,huge.jpg,480,480,0.5\n"
                                         "M 45,giant.jpg,480,480,0.5\nM 33,m31.jpg,480,480,0.5\n");
    fs::create_symlink("/dev/zero", folder + "zero.jpg");
    ASSERT_EQ(mkfifo((folder + "fifo.jpg").c_str(), 0600), 0);
    quarvel::config::testing::writeBytes(folder + "huge.jpg", claimingSize(m31, 30000, 30000));
    quarvel::config::testing::writeBytes(folder + "giant.jpg", claimingSize(m31, 65500, 65500));
    dataFolders = {dir.path(), QUARVEL_SOURCE_DIR};
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    for (const char* object : {"M 27", "M 13", "M 42", "M 31", "M 45", "M 33"}) {
        f.userTypes(f.photo.eObjet, object);
        f.userPressesEnter(f.photo.eObjet);
        const auto& scene = f.photo.vueObjet.scene();
        EXPECT_EQ(scene.picture.has_value(), std::string(object) == "M 33") << object;
        EXPECT_TRUE(scene.outline || !scene.contours.empty()) << object;  // its ellipse or contours
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(DrawingPagesTest, AnyObjectIsFramedTurnedAndTiled) {
    // 6248 x 4176 pixels of 3.76 um at 840 mm: a field of 96.2' x 64.3'.
    PhotoPage& p = photoPageAt("840");
    MainForm& f = program->mainForm;
    EXPECT_EQ(p.proposals("andromede").front(), "M 31 — NGC 224 — Galaxie d'Andromède");
    const auto frame = [&] { return p.vueObjet.scene().mosaic; };

    f.userTypes(p.eObjet, "m31");
    f.userPressesEnter(p.eObjet);
    EXPECT_TRUE(p.vueObjet.visible());
    EXPECT_FALSE(p.PhotoObjet.visible());
    EXPECT_EQ(p.labPhoto.caption(), "M 31 — NGC 224 — Galaxie d'Andromède");
    EXPECT_EQ(p.labCadrage.caption(), "M 31 : 178' x 70' — champ 96' x 64' — ne tient pas : mosaïque 2 x 3 conseillée");
    // The picture's scale sets the frame's: 96.2' across at the scale that
    // shows the object's 177.8' with a margin in 240 - 8 pixels.
    const double scale = 232 / (177.8 * 1.2);
    EXPECT_NEAR(p.vueObjet.scene().pxPerArcmin, scale, 1e-3);
    EXPECT_NEAR(side(frame(), 0), 6248 * 3.76 / 840 * 206.265 / 60 * scale, 0.05);
    EXPECT_NEAR(side(frame(), 1), 4176 * 3.76 / 840 * 206.265 / 60 * scale, 0.05);
    ASSERT_TRUE(p.vueObjet.scene().picture);
    EXPECT_TRUE(p.vueObjet.scene().picture->path.ends_with("images/objects/m31.jpg"));

    // Turned along the galaxy (its axis 35° east of north, the frame's top
    // side turned 125° counter-clockwise), two frames across hold its
    // length, and two down its width.
    // A drag from the top of the frame to its left turns it a quarter turn
    // counter-clockwise, from the rotation it had.
    f.userPresses(p.vueObjet, {180, 20});
    f.userDrags(p.vueObjet, {100, 120});
    EXPECT_EQ(p.eRotation.text(), "90.0");
    f.userTypes(p.eRotation, "125");
    EXPECT_TRUE(p.labCadrage.caption().ends_with("ne tient pas : mosaïque 2 x 2 conseillée")) << p.labCadrage.caption();
    EXPECT_NEAR(frame()[1].y - frame()[0].y, -side(frame(), 0) * std::sin(125 * std::numbers::pi / 180), 0.01);
    f.userTypes(p.eRecouvrement, "0");
    f.userTypes(p.eMosaiqueX, "2");
    f.userTypes(p.eMosaiqueY, "2");
    EXPECT_EQ(p.vueObjet.scene().panels.size(), 4u);
    EXPECT_TRUE(p.labCadrage.caption().ends_with("mosaïque 2 x 2 : 192' x 129' — tient dans la mosaïque (remplissage 92 %)"))
        << p.labCadrage.caption();

    // What does not read is said with the field's range, and the drawing
    // stays; the other fields still take what is typed; an unknown name is
    // said on the page, without a box, and nothing of the last object stays.
    EXPECT_TRUE(reporter.messages.empty());
    f.userTypes(p.eMosaiqueX, "9");
    EXPECT_EQ(reporter.messages,
              Strings{"« 9 » : le champ Mosaïque prend un nombre entier de panneaux de 1 à 5"});
    EXPECT_EQ(p.vueObjet.scene().panels.size(), 4u);
    f.userTypes(p.eRecouvrement, "100");
    EXPECT_EQ(reporter.messages.back(),
              "« 100 » : le champ Recouvrement prend un pourcentage d'au moins 0 et de moins de 100");
    f.userTypes(p.eRecouvrement, "1");
    f.userTypes(p.eRecouvrement, "15");
    EXPECT_EQ(reporter.messages.size(), 2u);
    EXPECT_EQ(p.vueObjet.scene().panels.size(), 4u);
    EXPECT_TRUE(p.labCadrage.caption().find("mosaïque 2 x 2 : 178' x 119'") != std::string::npos) << p.labCadrage.caption();
    f.userTypes(p.eRecouvrement, "10");
    reporter.messages.clear();
    f.userTypes(p.eMosaiqueX, "1");
    f.userTypes(p.eMosaiqueY, "1");
    f.userTypes(p.eRotation, "0");
    f.userTypes(p.eObjet, "Zorglub");
    f.userPressesEnter(p.eObjet);
    EXPECT_EQ(p.labCadrage.caption(), "« Zorglub » : objet inconnu ; taper par exemple M 31, NGC 7000, C 14 ou un nom");
    EXPECT_EQ(p.labPhoto.caption(), "");
    EXPECT_FALSE(p.vueObjet.visible());
    EXPECT_TRUE(reporter.messages.empty());

    // The targets imagers frame most, at the size they frame: the Rosette,
    // the Elephant's Trunk's whole nebula, the western Veil, the Heart.
    const std::pair<const char*, const char*> others[] = {
        {"M 27", "M 27 : 6.7' — champ 96' x 64' — tient dans le champ (remplissage 10 %)"},
        {"ngc7000", "C 20 : 120' x 30', orientation inconnue — champ 96' x 64' — ne tient pas : mosaïque 2 x 2 conseillée"},
        {"C 14", "C 14 : 50' — champ 96' x 64' — tient dans le champ (remplissage 78 %)"},
        {"NGC 2237", "C 49 : 80' x 50', orientation inconnue — champ 96' x 64' — ne tient pas : mosaïque 1 x 2 conseillée"},
        {"IC 1396", "IC 1396 : 170' x 140', orientation inconnue — champ 96' x 64' — ne tient pas : mosaïque 2 x 3 conseillée"},
        {"NGC 6960", "C 34 : 90' x 30', orientation inconnue — champ 96' x 64' — ne tient pas : mosaïque 1 x 2 conseillée"},
        {"Cœur", "IC 1805 : 150' — champ 96' x 64' — ne tient pas : mosaïque 2 x 3 conseillée"},
    };
    for (const auto& [typed, line] : others) {
        f.userTypes(p.eObjet, typed);
        f.userPressesEnter(p.eObjet);
        EXPECT_EQ(p.labCadrage.caption(), line);
    }
    // A large nebula without a picture is drawn by its own contours, which
    // span about its size at the scene's scale (the California Nebula, 160' long).
    f.userTypes(p.eObjet, "NGC 1499");
    f.userPressesEnter(p.eObjet);
    const auto& california = p.vueObjet.scene();
    EXPECT_FALSE(california.picture);
    EXPECT_FALSE(california.outline);
    ASSERT_FALSE(california.contours.empty());
    double left = 1e9, right = -1e9;
    for (const auto& contour : california.contours) {
        for (const auto& point : contour) left = std::min(left, point.x), right = std::max(right, point.x);
    }
    EXPECT_GT(right - left, 0.6 * 160 * california.pxPerArcmin);
    EXPECT_LT(right - left, 1.5 * 160 * california.pxPerArcmin);
    // The menu's photographs are as they were.
    f.userChooses(p.pmPhotos, 2);
    EXPECT_FALSE(p.vueObjet.visible());
    EXPECT_TRUE(p.PhotoObjet.visible());
    EXPECT_EQ(p.labPhoto.caption(), "M 31 (5°)");
    EXPECT_EQ(p.labCadrage.caption(), "");
}

// The chart about M 31: its neighbours, the frame dragged onto M 110 over a
// sky that stays, coordinates typed, the angle at which the galaxy fits, and
// a 2 x 2 mosaic's panels exported as capture programs import them.
TEST_F(DrawingPagesTest, TheFrameGoesAnywhereAndItsPanelsAreExported) {
    // At 450 mm: a field of 179.5' x 120.0'.
    PhotoPage& p = photoPageAt("450");
    MainForm& f = program->mainForm;
    const auto neighbour = [&p](const std::string& name) {
        for (const auto& n : p.vueObjet.scene().neighbours) {
            if (n.label == name) return n.centre;
        }
        ADD_FAILURE() << name << " not drawn";
        return drawings::Point{};
    };
    // A place typed with no object chosen: the chart is about it, the
    // Orion Nebula among the objects around.
    f.userTypes(p.eCentre, "83.82 -5.39");
    f.userPressesEnter(p.eCentre);
    EXPECT_TRUE(p.vueObjet.visible());
    EXPECT_EQ(p.labPhoto.caption(), "05h35m16.8s -05°23'24\"");
    EXPECT_EQ(p.labCentre.caption(), p.labPhoto.caption());
    EXPECT_EQ(p.labCadrage.caption(), "");
    neighbour("M 42");
    f.userTypes(p.eObjet, "M 31");
    f.userPressesEnter(p.eObjet);
    EXPECT_EQ(p.labCentre.caption(), "00h42m44.4s +41°16'09\"");
    const drawings::Point m110 = neighbour("M 110");
    neighbour("M 32");

    // At 0° the galaxy, 35° east of north, does not fit; it fits with the
    // most room at 96°, its axis 29° from the frame's long side.
    EXPECT_EQ(p.labCadrage.caption(), "M 31 : 178' x 70' — champ 179' x 120' — ne tient pas : mosaïque 1 x 2 "
                                      "conseillée ; tient à 96°");
    ASSERT_TRUE(p.bbAngleConseille.visible());
    f.userClicks(p.bbAngleConseille);
    EXPECT_EQ(p.eRotation.text(), "96");
    EXPECT_FALSE(p.bbAngleConseille.visible());
    EXPECT_NE(p.labCadrage.caption().find("tient dans le champ"), std::string::npos) << p.labCadrage.caption();

    // The frame's up side is marked: above its centre at 0°, to its left
    // (east) at 90°, the position angle turning counter-clockwise.
    const auto upMark = [&p] {
        const auto& scene = p.vueObjet.scene();
        return drawings::Point{scene.up[2].x - scene.frameCentre.x, scene.up[2].y - scene.frameCentre.y};
    };
    f.userTypes(p.eRotation, "90");
    EXPECT_LT(upMark().x, 0);
    EXPECT_NEAR(upMark().y, 0, 1e-9);
    f.userTypes(p.eRotation, "0");
    EXPECT_NEAR(upMark().x, 0, 1e-9);
    EXPECT_LT(upMark().y, 0);
    // The wheel zooms from twice the frame (or the scale that shows the
    // object, if closer) to 60° across, and no further.
    const double fitted = p.vueObjet.scene().pxPerArcmin;
    f.userZooms(p.vueObjet, 100);
    EXPECT_NEAR(PhotoPage::kFramingWidth / p.vueObjet.scene().pxPerArcmin, std::min(2 * 179.48, 360 / fitted), 0.5);
    f.userZooms(p.vueObjet, 1e-6);
    EXPECT_NEAR(PhotoPage::kFramingWidth / p.vueObjet.scene().pxPerArcmin, 3600, 1e-6);
    f.userZooms(p.vueObjet, 1e6);
    EXPECT_NEAR(p.vueObjet.scene().pxPerArcmin, fitted, 1e-9);
    f.userTypes(p.eRotation, "96");

    // Dragged from its centre onto M 110: the frame's centre is M 110's place
    // and the sky, M 110 with it, stays where it was drawn.
    const drawings::Point from = p.vueObjet.scene().frameCentre;
    f.userPresses(p.vueObjet, from);
    f.userDrags(p.vueObjet, {(from.x + m110.x) / 2, (from.y + m110.y) / 2});
    f.userDrags(p.vueObjet, m110);
    EXPECT_EQ(p.eRotation.text(), "96");
    EXPECT_NEAR(neighbour("M 110").x, m110.x, 1e-9);
    EXPECT_NEAR(p.vueObjet.scene().frameCentre.x, m110.x, 1e-6);
    EXPECT_NEAR(p.vueObjet.scene().frameCentre.y, m110.y, 1e-6);
    const auto centre = quarvel::sky::parseEquatorial(p.labCentre.caption());
    ASSERT_TRUE(centre);
    // M 110 in the catalogue: 00h40m22.1s +41°41'07".
    EXPECT_LT(quarvel::sky::separationDeg(*centre, *quarvel::sky::parseEquatorial("00h40m22.1s +41°41'07\"")), 2.0 / 3600)
        << p.labCentre.caption();

    // Typed: the frame goes there; a text that is no position is said, in
    // French, and the frame stays.
    f.userTypes(p.eCentre, "0:41:00 +41.5");
    EXPECT_TRUE(reporter.messages.empty());
    f.userTypes(p.eCentre, "0:41:00 +41:30:00");
    f.userPressesEnter(p.eCentre);
    EXPECT_EQ(p.labCentre.caption(), "00h41m00.0s +41°30'00\"");
    f.userTypes(p.eCentre, "M 110");
    f.userPressesEnter(p.eCentre);
    EXPECT_EQ(reporter.messages, Strings{"« M 110 » : coordonnées J2000 non reconnues ; taper par exemple "
                                         "05h35m17s -05°23'28\" ou 83.82 -5.39"});
    EXPECT_EQ(p.labCentre.caption(), "00h41m00.0s +41°30'00\"");
    reporter.messages.clear();

    // Four panels, listed and exported as a Telescopius mosaic plan; a
    // folder that cannot be written is said, and nothing is left half-written.
    f.userTypes(p.eRotation, "0");
    f.userTypes(p.eMosaiqueX, "2");
    f.userTypes(p.eMosaiqueY, "2");
    ASSERT_EQ(p.tabPanneaux.count(), 4);
    EXPECT_EQ(p.tabPanneaux.items()[0].substr(0, 4), "1   ");
    const std::string path = dir.file("M 31 - panneaux.csv");
    std::string suggested;
    p.askPanelsPath = [&](const std::string& name) -> std::optional<std::string> {
        suggested = name;
        return path;
    };
    f.userClicks(p.bbExporterPanneaux);
    EXPECT_EQ(suggested, "M 31 — NGC 224 — Galaxie d'Andromède - panneaux.csv");
    std::ifstream in(path, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, p.panelsCsv());
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < written.size();) {
        const std::size_t end = written.find("\r\n", at);
        lines.push_back(written.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Pane, RA, DEC, Position Angle (East), Pane width (arcmins), Pane height (arcmins), Overlap, "
                        "Row, Column");
    // The top left panel: north-east of the centre, a little turned by the meridians.
    EXPECT_TRUE(lines[1].starts_with("Pane 1, 00h")) << lines[1];
    EXPECT_TRUE(lines[1].ends_with(", 179.48, 119.96, 10%, 1, 1")) << lines[1];
    EXPECT_TRUE(lines[4].ends_with(", 2, 2")) << lines[4];
    std::string copied;
    p.copyText = [&copied](const std::string& text) { copied = text; };
    f.userClicks(p.bbCopierPanneaux);
    EXPECT_EQ(copied, written);
    p.askPanelsPath = [&](const std::string&) -> std::optional<std::string> { return dir.file("none/x.csv"); };
    ::chmod(dir.path().c_str(), 0500);
    f.userClicks(p.bbExporterPanneaux);
    ::chmod(dir.path().c_str(), 0700);
    if (::geteuid() != 0) {
        EXPECT_EQ(reporter.messages.size(), 1u);
    }
}

}  // namespace

namespace {

// A measure and the chart never mislead: a long thin image is drawn, a
// solution that is no place is refused with its message, the panels
// exported are the ones shown, and a frame sent where the chart about its
// object cannot reach takes the chart with it.
TEST_F(DrawingPagesTest, TheChartAndThePanelsShowOnlyWhatIsThere) {
    PhotoPage& p = photoPageAt("400");
    MainForm& f = program->mainForm;
    f.userTypes(p.eObjet, "M 42");
    f.userPressesEnter(p.eObjet);
    if (quarvel::image::solverInstalled()) {
        const std::string thin = dir.file("thin.fits");
        ASSERT_EQ(std::system(("'" QUARVEL_DAMAGED_FITS "' '" + thin + "' 64x70000").c_str()), 0);
        useFakeSolver();
        p.askImagePath = [&thin] { return thin; };
        ::setenv("FAKE_SOLVE", "solve", 1);
        ::setenv("FAKE_CRPIX1", "32.5", 1);
        ::setenv("FAKE_CRPIX2", "35000.5", 1);
        f.userClicks(p.bbMesurerImage);
        EXPECT_TRUE(p.labMesure.caption().starts_with("thin.fits : centre 05h35m17")) << p.labMesure.caption();
        ASSERT_TRUE(p.vueObjet.scene().imagePicture);
        EXPECT_EQ(p.vueObjet.scene().imagePicture->width(), 1);
        ::setenv("FAKE_SOLVE", "huge", 1);
        f.userClicks(p.bbMesurerImage);
        EXPECT_EQ(reporter.messages, Strings{"« " + thin + " » n'a pas pu être résolue : la solution rendue par "
                                             "solve-field est incorrecte (CD = INF\"/pixel)"});
        EXPECT_EQ(p.labMesure.caption().find("INF"), std::string::npos);
        reporter.messages.clear();
    }
    // A photograph of the menu in the object's place: no panels to export or copy.
    ASSERT_EQ(p.tabPanneaux.count(), 1);
    f.userChooses(p.pmPhotos, 4);  // M 45
    int asked = 0;
    p.askPanelsPath = [&asked](const std::string&) -> std::optional<std::string> {
        ++asked;
        return std::nullopt;
    };
    std::string copied = "none";
    p.copyText = [&copied](const std::string& text) { copied = text; };
    f.userClicks(p.bbExporterPanneaux);
    f.userClicks(p.bbCopierPanneaux);
    EXPECT_EQ(p.tabPanneaux.count(), 0);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(copied, "none");
    // M 31, then the south pole typed as the frame's centre: the chart is
    // about the pole, where M 31 is not.
    f.userTypes(p.eObjet, "M 31");
    f.userPressesEnter(p.eObjet);
    f.userTypes(p.eCentre, "0 -90");
    f.userPressesEnter(p.eCentre);
    const auto& scene = p.vueObjet.scene();
    EXPECT_EQ(p.labCentre.caption(), "00h00m00.0s -90°00'00\"");
    EXPECT_NEAR(scene.frameCentre.x, scene.width / 2.0, 1e-9);
    EXPECT_NEAR(scene.frameCentre.y, scene.height / 2.0, 1e-9);
    EXPECT_FALSE(scene.outline);
    EXPECT_TRUE(scene.contours.empty());
    EXPECT_FALSE(scene.picture);
    for (const auto& n : scene.neighbours) EXPECT_NE(n.label, "M 31");
    f.userClicks(p.bbCopierPanneaux);
    EXPECT_TRUE(copied.find("Pane 1, ") != std::string::npos && copied.find("-90°00'00\"") != std::string::npos) << copied;
}

// A catalogue with hundreds of bad lines says so in one box, its first
// lines listed, and frames what it could read.
TEST_F(DrawingPagesTest, ADamagedCatalogueSaysSoOnce) {
    fs::create_directory(dir.file("objects"));
    std::ofstream csv(dir.file("objects/objects.csv"), std::ios::binary);
    csv << "m,c,ngc,ic,other,name_en,name_fr,type,vmag,bmag,major,minor,pa,ra,dec\n";
    for (int i = 0; i < 301; ++i) csv << ",,NGC " << i + 1 << ",,,,,galaxy,12,,huge,2,,1.8,27.7\n";
    csv << "M 31,,NGC 224,,,,,galaxy,3.4,,178,70,35,10.6847,41.2690\n";
    csv.close();
    dataFolders = {dir.path()};
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
    f.userTypes(f.photo.eObjet, "M 31");
    f.userPressesEnter(f.photo.eObjet);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(reporter.messages[0].starts_with("Objets du ciel profond ignorés :\n" + dir.file("objects/objects.csv") +
                                                 ", ligne 2 : colonne \"major\" : « huge » incorrect\n"))
        << reporter.messages[0];
    EXPECT_TRUE(reporter.messages[0].ends_with(" : … et 291 autres lignes ignorées")) << reporter.messages[0];
    EXPECT_TRUE(f.photo.vueObjet.visible());
}

// A star file missing, cut short, too large, of garbage or no regular file:
// the chart has no stars and says why in its legend, and never in a box.
TEST_F(DrawingPagesTest, AStarFileThatCannotBeReadLeavesAChartWithoutStars) {
    fs::copy(QUARVEL_SOURCE_DIR "/data/objects", dir.file("objects"));
    const std::string stars = dir.file("stars/stars.bin");
    std::string bytes;
    {
        std::ifstream in(QUARVEL_SOURCE_DIR "/data/stars/stars.bin", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] {}, "Pas d'étoiles : « stars/stars.bin » ne se lit pas (No such file or directory)"},
        {[&] { std::ofstream(stars, std::ios::binary) << bytes.substr(0, bytes.size() / 3); },
         "Pas d'étoiles : « " + stars + " » ne se lit pas (ce n'est pas un fichier d'étoiles de Quarvel)"},
        {[&] { std::ofstream(stars, std::ios::binary) << std::string(5000, '*'); },
         "Pas d'étoiles : « " + stars + " » ne se lit pas (ce n'est pas un fichier d'étoiles de Quarvel)"},
        {[&] {
             std::ofstream(stars, std::ios::binary) << bytes.substr(0, 100);
             ASSERT_EQ(::truncate(stars.c_str(), 5 << 20), 0);
         },
         "Pas d'étoiles : « " + stars + " » ne se lit pas (Fichier de plus de 4 Mo)"},
        {[&] { ASSERT_EQ(::mkfifo(stars.c_str(), 0600), 0); },
         "Pas d'étoiles : « " + stars + " » ne se lit pas (n'est pas un fichier ordinaire)"},
    };
    for (const auto& [make, note] : cases) {
        fs::remove_all(dir.file("stars"));
        fs::create_directory(dir.file("stars"));
        make();
        dataFolders = {dir.path()};
        MainForm& f = start();
        f.userSwitches(f.TabbedNotebook1, indexOf(Page::ChampPhoto));
        f.userTypes(f.photo.eObjet, "M 45");
        f.userPressesEnter(f.photo.eObjet);
        f.userZooms(f.photo.vueObjet, 0.5);
        EXPECT_TRUE(f.photo.vueObjet.scene().stars.empty());
        EXPECT_EQ(f.photo.vueObjet.scene().starsNote.text(), note);
        EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front();
    }
}

// The user's image measured as it is: the search's stage shown while it
// solves, an image of another setup told as such with its own numbers, a
// cancel that is no failure, and a FITS that holds its solution measured on
// it until a solve is asked.
TEST_F(DrawingPagesTest, AnImageIsMeasuredForWhatItIs) {
    if (!quarvel::image::solverInstalled()) GTEST_SKIP() << "the index files of astrometry.net are not installed";
    PhotoPage& p = photoPageAt("400");
    MainForm& f = program->mainForm;
    f.userTypes(p.eObjet, "M 42");
    f.userPressesEnter(p.eObjet);
    const std::string image = dir.file("m42.fits"), solved = dir.file("solved.fits");
    ASSERT_EQ(std::system(("'" QUARVEL_DAMAGED_FITS "' '" + image + "'").c_str()), 0);
    ASSERT_EQ(std::system(("'" QUARVEL_DAMAGED_FITS "' '" + solved + "' 800x600 --wcs 83.8221 -5.3911 2.5").c_str()), 0);
    useFakeSolver();
    ::setenv("FAKE_CRPIX1", "256.5", 1);
    ::setenv("FAKE_CRPIX2", "256.5", 1);
    std::string chosen = image;
    p.askImagePath = [&chosen] { return chosen; };
    std::vector<std::string> said;
    bool cancel = false;
    p.runAway = [&](const std::string& name, const quarvel::core::Message&, std::function<void(const quarvel::image::Progress&)> work,
                    std::function<void()> done) {
        work([&](const quarvel::image::SolveStatus& status) {
            said.push_back(PhotoPage::solvingText(name, status).text());
            return !cancel;
        });
        done();
    };
    // The setup's sampling, 1.94"/px, and the image's 2"/px: the same setup.
    ::setenv("FAKE_SOLVE", "solve", 1);
    f.userClicks(p.bbMesurerImage);
    ASSERT_FALSE(said.empty());
    EXPECT_TRUE(said.front().starts_with("Résolution de m42.fits : autour du cadre, à l'échantillonnage du montage\n0 s "
                                         "écoulées, au plus 120 s encore")) << said.front();
    EXPECT_NE(p.labMesure.caption().find("Rotation 0.0° (le haut de l'image, du nord vers l'est)"), std::string::npos)
        << p.labMesure.caption();
    EXPECT_NE(p.labMesure.caption().find("calcul 1.94\"/px (+3.2 %)"), std::string::npos) << p.labMesure.caption();
    // At 10"/px: another setup's image, its own numbers.
    ::setenv("FAKE_CD", "0.00277777777777778", 1);
    f.userClicks(p.bbMesurerImage);
    EXPECT_TRUE(p.labMesure.caption().starts_with("m42.fits : image d'un autre montage (échantillonnage différent de "
                                                  "plus de 20 %) ; centre 05h35m17")) << p.labMesure.caption();
    EXPECT_NE(p.labMesure.caption().find("Échantillonnage 10.00\"/px\nChamp 85.3' x 85.3'"), std::string::npos)
        << p.labMesure.caption();
    // Cancelled: said, and no failure.
    ::setenv("FAKE_SOLVE", "hang", 1);
    cancel = true;
    f.userClicks(p.bbMesurerImage);
    EXPECT_EQ(p.labMesure.caption(), "Résolution de m42.fits annulée");
    EXPECT_TRUE(reporter.messages.empty());
    // A solved FITS: measured on its own solution, the solver never asked.
    cancel = false;
    ::setenv("FAKE_SOLVE", "fail", 1);
    said.clear();
    chosen = solved;
    f.userClicks(p.bbMesurerImage);
    EXPECT_TRUE(said.empty());
    EXPECT_TRUE(p.labMesure.caption().ends_with("Solution lue dans le fichier (WCS), non résolue")) << p.labMesure.caption();
    ASSERT_TRUE(p.bbResoudreImage.visible());
    // Asked to solve it all the same, the solver does, and says it failed.
    f.userClicks(p.bbResoudreImage);
    EXPECT_FALSE(said.empty());
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(reporter.messages[0].starts_with("« " + solved + " » n'a pas pu être résolue : solve-field a échoué"))
        << reporter.messages[0];
}

}  // namespace
