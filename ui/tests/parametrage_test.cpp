// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

TEST_F(ProgramTest, StartsFromTheDefaultsWithoutAFile) {
    MainForm& f = start();
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(texts({&f.eDiam, &f.eFocale, &f.eNomCamera, &f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX,
                     &f.eTaillePixelsY}),
              (Strings{"212", "2628", "HiSis-22", "768", "512", "9", "9"}));
    EXPECT_EQ(f.rgFiltre.selected(), 0);
    EXPECT_EQ(f.rgPixelC.selected(), 0);
    EXPECT_EQ(f.cbCapteurs.text(), "Saisie manuelle");
    EXPECT_EQ(texts({&f.eFD, &f.ePR, &f.ePS, &f.eTaillePixelsMMX, &f.eTaillePixelsMMY, &f.eTaillePixelsMMD,
                     &f.eEchant, &f.eChampHor, &f.eChampVer, &f.eChampPlaH, &f.eChampPlaV}),
              (Strings{"12.40", "0.83", "0.57", "6.91", "4.61", "8.31", "0.71", "9.04", "6.03", "9.04", "6.03"}));
    EXPECT_FALSE(f.eNbPixelsX.enabled());
    EXPECT_FALSE(f.pMasqueOnglets.visible());
    EXPECT_EQ(f.TabbedNotebook1.activePage(), 0);
    for (const auto* b : {&f.bbRAZ, &f.bbChargeConfig, &f.bbSauveConfig, &f.bbQuit}) EXPECT_TRUE(b->enabled());
    EXPECT_FALSE(closed);
    EXPECT_NE(f.memoAide.text().find("La configuration est enregistrée dans le fichier " + iniPath + "."),
              std::string::npos);
}

TEST_F(ProgramTest, TheFilterChangesTheResolvingPower) {
    MainForm& f = start();
    f.userSelects(f.rgFiltre, 1);
    EXPECT_EQ(f.ePR.text(), "0.42");
}

TEST_F(ProgramTest, ChoosingACatalogueSensorShowsItReadOnly) {
    MainForm& f = start();
    f.userPicks(f.cbCapteurs, 14);  // "ICX285"
    EXPECT_EQ(f.cbCapteurs.text(), "ICX285");
    EXPECT_EQ(texts({&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eTaillePixelsY, &f.eNomCamera}),
              (Strings{"1392", "1040", "6.45", "6.45", "Inconnu"}));
    EXPECT_EQ(f.rgPixelC.selected(), 0);
    for (const auto* e : {&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eTaillePixelsY}) {
        EXPECT_FALSE(e->enabled());
    }
    EXPECT_EQ(f.sensorName, "ICX285");
    EXPECT_EQ(f.cbCapteursPict.selected(), 11);
    EXPECT_EQ(f.eTaillePixelsMMX.text(), "8.98");

    f.userPicks(f.cbCapteurs, 21);  // "ICX429"
    EXPECT_EQ(f.rgPixelC.selected(), 1);
    EXPECT_EQ(texts({&f.eTaillePixelsX, &f.eTaillePixelsY}), (Strings{"8.6", "8.3"}));
    EXPECT_EQ(f.eEchant.text(), "0.67");  // 206.265 x 8.6 / 2628 = 0.67499: the width alone

    // Each of the four sensor fields' recomputes divides by the focal length
    // 0: one pick, one box.
    f.userTypes(f.eFocale, "0.0");
    reporter.messages.clear();
    f.userPicks(f.cbCapteurs, 14);
    EXPECT_EQ(reporter.messages, Strings{"Division par zéro en virgule flottante"});
}

TEST_F(ProgramTest, HandEntryTurnsCommasIntoPoints) {
    MainForm& f = start();
    f.userPicks(f.cbCapteurs, 0);
    EXPECT_EQ(texts({&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eTaillePixelsY, &f.eNomCamera}),
              (Strings{"", "", "", "", "Inconnu"}));
    EXPECT_TRUE(f.eNbPixelsX.enabled());
    EXPECT_TRUE(f.eTaillePixelsX.enabled());
    EXPECT_TRUE(f.eNomCamera.enabled());
    EXPECT_FALSE(f.eTaillePixelsY.enabled());
    f.userTypes(f.eTaillePixelsX, "8,6");
    EXPECT_EQ(texts({&f.eTaillePixelsX, &f.eTaillePixelsY}), (Strings{"8.6", "8.6"}));
    f.userTypes(f.eNbPixelsX, "1000");
    f.userTypes(f.eNbPixelsY, "800");
    EXPECT_EQ(f.eTaillePixelsMMX.text(), "8.60");
    f.userSelects(f.rgPixelC, 1);
    f.userTypes(f.eTaillePixelsY, "8.3");
    EXPECT_EQ(f.eEchant.text(), "0.67");
    EXPECT_EQ(f.eTaillePixelsMMY.text(), "6.64");

    // Editing the instrument keeps the hand-entered sensor and recomputes.
    f.userTypes(f.eDiam, "200");
    f.userTypes(f.eFocale, "1000");
    EXPECT_EQ(texts({&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eTaillePixelsY, &f.eEchant}),
              (Strings{"1000", "800", "8.6", "8.3", "1.77"}));
}

TEST_F(ProgramTest, ACameraFromTheListSetsItsSensor) {
    MainForm& f = start();
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 19);  // "Atik 16"
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.bbCameras);
    EXPECT_EQ(host.opened, Strings{"fCameras"});
    EXPECT_EQ(f.sensorName, "ICX429");
    EXPECT_EQ(f.cbCapteurs.selected(), 21);
    EXPECT_EQ(f.eNomCamera.text(), "Atik 16");
    EXPECT_EQ(texts({&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eTaillePixelsY}),
              (Strings{"752", "582", "8.6", "8.3"}));
    EXPECT_EQ(f.rgPixelC.selected(), 1);

    // An instrument edit keeps the camera; another sensor row resets it.
    f.userTypes(f.eDiam, "200");
    EXPECT_EQ(f.eNomCamera.text(), "Atik 16");
    EXPECT_EQ(f.eFD.text(), "13.14");
    f.userPicks(f.cbCapteurs, 14);
    EXPECT_EQ(f.eNomCamera.text(), "Inconnu");
}

TEST_F(ProgramTest, TheDialogKeepsItsChoiceAndShortcutsPreselect) {
    MainForm& f = start();
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 5);
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.bbCameras);
    whenOpened<ModelListForm>([](ModelListForm& d) {
        EXPECT_EQ(d.list.selected(), 5);
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.bbCameras);
    f.userPresses(f.cbCapteurs, 'p');
    EXPECT_EQ(f.cbCapteurs.selected(), 3);
    EXPECT_EQ(program->dslrsForm.list.text(), "Canon EOS 1D Mark II");
}

TEST_F(ProgramTest, ADslrFillsTheSensorSizeEvenWithoutAnInstrument) {
    MainForm& f = start();
    f.userTypes(f.eDiam, "");
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 37);  // "Nikon D40"
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.bbAPN);
    EXPECT_EQ(f.sensorName, "APS-C Canon 6.3 Mp");
    EXPECT_EQ(texts({&f.eNbPixelsX, &f.eTaillePixelsX, &f.eTaillePixelsMMX, &f.eTaillePixelsMMY}),
              (Strings{"3072", "7.4", "22.73", "15.16"}));
    EXPECT_EQ(f.rgPixelC.selected(), 0);
}

TEST_F(ProgramTest, ACameraWhoseSensorIsNotInTheCatalogueAsksForItsNumbers) {
    MainForm& f = start();
    f.userPicks(f.cbCapteurs, 14);  // "ICX285": a previous catalogue result
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, rowOf(d.list, "Basler 2500-14"));
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.bbCameras);
    EXPECT_EQ(program->camerasForm.list.text(), "Basler 2500-14");
    EXPECT_EQ(f.eNomCamera.text(), "Basler 2500-14");
    EXPECT_EQ(f.sensorName, "Inconnu");
    EXPECT_EQ(f.cbCapteurs.selected(), 0);
    EXPECT_EQ(texts({&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eTaillePixelsY, &f.eTaillePixelsMMX}),
              (Strings{"", "", "", "", ""}));
    EXPECT_TRUE(f.eNbPixelsX.enabled());
}

TEST_F(ProgramTest, OkWithNoModelChosenReportsTheIndexAndCloses) {
    MainForm& f = start();
    whenOpened<ModelListForm>([](ModelListForm& d) { d.userClicks(d.bbOK); });
    f.userClicks(f.bbCameras);
    EXPECT_EQ(reporter.messages, Strings{"Indice de liste hors limites (-1)"});
    EXPECT_EQ(f.eNomCamera.text(), "HiSis-22");
}

TEST_F(ProgramTest, CancelInTheListReloadsTheSavedConfiguration) {
    writeIni("[parametres]\r\nCapteur=ICX285\r\nCam\xE9ra=Atik 16HR\r\nCapteurX=1392\r\nCapteurY=1040\r\n"
             "CapteurPxX=6.45\r\nCapteurPxY=6.45\r\n");
    MainForm& f = start();
    f.userPicks(f.cbCapteurs, 21);
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 19);
        d.userClicks(d.bbCancel);
    });
    f.userClicks(f.bbCameras);
    EXPECT_EQ(f.cbCapteurs.text(), "ICX285");
    EXPECT_EQ(f.eNomCamera.text(), "Atik 16HR");
    EXPECT_EQ(f.eTaillePixelsX.text(), "6.45");
    EXPECT_TRUE(reporter.messages.empty());
}

// Whatever leaves a list without a choice brings the saved sensor back
// exactly, a hand-entered one editable again.
TEST_F(ProgramTest, NoChoiceInTheListsBringsTheSavedHandEnteredSensorBack) {
    writeIni("[parametres]\r\nCapteur=Inconnu\r\nCam\xE9ra=Ma cam\xE9ra\r\nCapteurX=1000\r\nCapteurY=800\r\n"
             "CapteurPxX=5\r\nCapteurPxY=6\r\nPixelCarr\xE9=1\r\n");
    MainForm& f = start();
    const auto shown = [&] {
        return texts({&f.eNbPixelsX, &f.eNbPixelsY, &f.eTaillePixelsX, &f.eTaillePixelsY, &f.eNomCamera, &f.eEchant});
    };
    const Strings saved{"1000", "800", "5", "6", "Ma caméra", "0.39"};
    EXPECT_EQ(shown(), saved);
    const std::function<void(ModelListForm&)> endings[] = {
        [](ModelListForm& d) { d.userClicks(d.bbCancel); },
        [](ModelListForm& d) { d.userClicks(d.bbOK); },  // nothing chosen
        [](ModelListForm&) {},                          // the close box
    };
    for (const auto& ending : endings) {
        for (Button* button : {&f.bbCameras, &f.bbAPN}) {
            whenOpened<ModelListForm>(ending);
            f.userClicks(*button);
            EXPECT_EQ(shown(), saved);
            EXPECT_EQ(f.rgPixelC.selected(), 1);
            EXPECT_TRUE(f.eNbPixelsX.enabled());
            EXPECT_TRUE(f.eTaillePixelsY.enabled());
        }
    }
    f.userClicks(f.bbSauveConfig);
    EXPECT_NE(iniBytes().find("CapteurX=1000\r\n"), std::string::npos);
}

}  // namespace
