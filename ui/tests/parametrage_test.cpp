// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

TEST_F(ProgramTest, StartsFromTheDefaultsWithoutAFile) {
    MainForm& f = start();
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale, &f.parametrage.eNomCamera, &f.parametrage.eNbPixelsX,
                     &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX, &f.parametrage.eTaillePixelsY}),
              (Strings{"212", "2628", "HiSis-22", "768", "512", "9", "9"}));
    EXPECT_EQ(f.parametrage.rgFiltre.selected(), 0);
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), 0);
    // The default sensor, which no list offers, is the saved data's: its
    // fields read-only, as the row says.
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "Données sauvegardées");
    EXPECT_EQ(texts({&f.parametrage.eFD, &f.parametrage.ePR, &f.parametrage.ePS, &f.parametrage.eTaillePixelsMMX,
                     &f.parametrage.eTaillePixelsMMY, &f.parametrage.eTaillePixelsMMD, &f.parametrage.eEchant,
                     &f.parametrage.eChampHor, &f.parametrage.eChampVer, &f.planetDrawing.eChampPlaH,
                     &f.planetDrawing.eChampPlaV}),
              (Strings{"12.40", "0.83", "0.57", "6.91", "4.61", "8.31", "0.71", "9.04", "6.03", "9.04", "6.03"}));
    EXPECT_FALSE(f.parametrage.eNbPixelsX.enabled());
    EXPECT_FALSE(f.pMasqueOnglets.visible());
    EXPECT_EQ(f.TabbedNotebook1.activePage(), indexOf(Page::Parametrage));
    for (const auto* b : {&f.bbRAZ, &f.bbChargeConfig, &f.bbSauveConfig, &f.bbQuit}) EXPECT_TRUE(b->enabled());
    EXPECT_FALSE(closed);
    EXPECT_NE(f.help.memoAide.text().find("La configuration est enregistrée dans le fichier " + iniPath + "."),
              std::string::npos);
    // The help names every page by its tab and what the window offers today.
    const std::string& help = f.help.memoAide.text();
    for (const std::string& page : f.TabbedNotebook1.pages()) {
        EXPECT_NE(help.find("Onglet " + page + " :"), std::string::npos) << page;
    }
    for (const char* told : {"\"Objet :\"", "\"Rotation\"", "\"Mosaïque\"", "\"Recouvrement\"",
                             "\"Enregistrer le montage…\"", "\"Turbulence (FWHM)\"", "binning", "\"Mode nuit\"",
                             "\"Copier les résultats\"", "Ctrl+N", "F1"}) {
        EXPECT_NE(help.find(told), std::string::npos) << told;
    }
}

TEST_F(ProgramTest, TheFilterChangesTheResolvingPower) {
    MainForm& f = start();
    f.userSelects(f.parametrage.rgFiltre, 1);
    EXPECT_EQ(f.parametrage.ePR.text(), "0.42");
}

TEST_F(ProgramTest, ChoosingACatalogueSensorShowsItReadOnly) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));  // "ICX285"
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "ICX285");
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                     &f.parametrage.eTaillePixelsY, &f.parametrage.eNomCamera}),
              (Strings{"1392", "1040", "6.45", "6.45", "Inconnu"}));
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), 0);
    for (const auto* e : {&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                          &f.parametrage.eTaillePixelsY}) {
        EXPECT_FALSE(e->enabled());
    }
    EXPECT_EQ(f.session().sensorName, "ICX285");
    EXPECT_EQ(f.sensorDrawing.cbCapteursPict.selected(), 11);
    EXPECT_EQ(f.parametrage.eTaillePixelsMMX.text(), "8.98");

    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX429"));  // "ICX429"
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), 1);
    EXPECT_EQ(texts({&f.parametrage.eTaillePixelsX, &f.parametrage.eTaillePixelsY}), (Strings{"8.6", "8.3"}));
    EXPECT_EQ(f.parametrage.eEchant.text(), "0.67");  // 206.265 x 8.6 / 2628 = 0.67499: the width alone

    // Each of the four sensor fields' recomputes divides by the focal length
    // 0: one pick, one box.
    f.userTypes(f.parametrage.eFocale, "0.0");
    f.userLeaves(f.parametrage.eFocale);
    reporter.messages.clear();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    EXPECT_EQ(reporter.messages, Strings{"Division par zéro en virgule flottante"});
}

// A French decimal comma is the "." of every field of real numbers.
TEST_F(ProgramTest, EveryRealFieldTakesADecimalComma) {
    MainForm& f = start();
    f.userSelects(f.calculs.rgSaisieSep, kSeparationYesRow);
    f.userSelects(f.imagerie.rgPlanetes, kManualValueRow);
    for (EditField* field : {&f.parametrage.eDiam, &f.parametrage.eFocale, &f.calculs.eSepManuelle,
                             &f.imagerie.eDiamApp, &f.imagerie.eTolBouge, &program->telescopesForm.eAutreRM,
                             &program->nameForm.eDiamEquipement, &program->nameForm.eTaillePixelsXEquipement}) {
        f.userTypes(*field, "1234,5");
        EXPECT_EQ(field->text(), "1234.5") << field->name();
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ProgramTest, HandEntryTurnsCommasIntoPoints) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, kManualRow);
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                     &f.parametrage.eTaillePixelsY, &f.parametrage.eNomCamera}),
              (Strings{"", "", "", "", "Inconnu"}));
    EXPECT_TRUE(f.parametrage.eNbPixelsX.enabled());
    EXPECT_TRUE(f.parametrage.eTaillePixelsX.enabled());
    EXPECT_TRUE(f.parametrage.eNomCamera.enabled());
    EXPECT_FALSE(f.parametrage.eTaillePixelsY.enabled());
    // A sign alone is the start of a number; a key that saves judges it first.
    f.userTypes(f.parametrage.eNbPixelsX, "+");
    EXPECT_TRUE(reporter.messages.empty());
    f.userClicks(f.bbSauveConfig);
    EXPECT_EQ(reporter.messages, Strings{"'+' n'est pas une valeur entière correcte"});
    reporter.messages.clear();
    f.userTypes(f.parametrage.eTaillePixelsX, "8,6");
    EXPECT_EQ(texts({&f.parametrage.eTaillePixelsX, &f.parametrage.eTaillePixelsY}), (Strings{"8.6", "8.6"}));
    f.userTypes(f.parametrage.eNbPixelsX, "1000");
    f.userTypes(f.parametrage.eNbPixelsY, "800");
    EXPECT_EQ(f.parametrage.eTaillePixelsMMX.text(), "8.60");
    f.userSelects(f.parametrage.rgPixelC, 1);
    f.userTypes(f.parametrage.eTaillePixelsY, "8.3");
    EXPECT_EQ(f.parametrage.eEchant.text(), "0.67");
    EXPECT_EQ(f.parametrage.eTaillePixelsMMY.text(), "6.64");

    // Editing the instrument keeps the hand-entered sensor and recomputes.
    f.userTypes(f.parametrage.eDiam, "200");
    f.userTypes(f.parametrage.eFocale, "1000");
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                     &f.parametrage.eTaillePixelsY, &f.parametrage.eEchant}),
              (Strings{"1000", "800", "8.6", "8.3", "1.77"}));
}

TEST_F(ProgramTest, ACameraFromTheListSetsItsSensor) {
    MainForm& f = start();
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 19);  // "Atik 16"
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(host.opened, Strings{"fCameras"});
    EXPECT_EQ(f.session().sensorName, "ICX429");
    EXPECT_EQ(f.parametrage.cbCapteurs.selected(), 21);
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "Atik 16");
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                     &f.parametrage.eTaillePixelsY}),
              (Strings{"752", "582", "8.6", "8.3"}));
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), 1);

    // An instrument edit keeps the camera; another sensor row resets it.
    f.userTypes(f.parametrage.eDiam, "200");
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "Atik 16");
    EXPECT_EQ(f.parametrage.eFD.text(), "13.14");
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "Inconnu");
}

TEST_F(ProgramTest, TheDialogKeepsItsChoiceAndShortcutsPreselect) {
    MainForm& f = start();
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 5);
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbCameras);
    whenOpened<ModelListForm>([](ModelListForm& d) {
        EXPECT_EQ(d.list.selected(), 5);
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbCameras);
    const int sensorRow = f.parametrage.cbCapteurs.selected();
    for (const char key : {'p', 'P'}) {
        whenOpened<ModelListForm>([](ModelListForm& d) {
            EXPECT_EQ(d.list.text(), "Canon EOS 1D Mark II");
            d.userClicks(d.bbCancel);
        });
        EXPECT_TRUE(f.userPresses(f.parametrage.cbCapteurs, key));
        EXPECT_EQ(f.parametrage.cbCapteurs.selected(), sensorRow);
    }
    EXPECT_FALSE(f.userPresses(f.parametrage.cbCapteurs, 'i'));  // left to the list's own typing
}

TEST_F(ProgramTest, ADslrFillsTheSensorSizeEvenWithoutAnInstrument) {
    MainForm& f = start();
    f.userTypes(f.parametrage.eDiam, "");
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 37);  // "Nikon D40"
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbAPN);
    EXPECT_EQ(f.session().sensorName, "APS-C Canon 6.3 Mp");
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eTaillePixelsX, &f.parametrage.eTaillePixelsMMX,
                     &f.parametrage.eTaillePixelsMMY}),
              (Strings{"3072", "7.4", "22.73", "15.16"}));
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), 0);
}

TEST_F(ProgramTest, ACameraWhoseSensorIsNotInTheCatalogueAsksForItsNumbers) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs,
                rowOf(f.parametrage.cbCapteurs, "ICX285"));  // "ICX285": a previous catalogue result
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, rowOf(d.list, "Basler 2500-14"));
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(program->camerasForm.list.text(), "Basler 2500-14");
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "Basler 2500-14");
    EXPECT_EQ(f.session().sensorName, "Inconnu");
    EXPECT_EQ(f.parametrage.cbCapteurs.selected(), kManualRow);
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                     &f.parametrage.eTaillePixelsY, &f.parametrage.eTaillePixelsMMX}),
              (Strings{"", "", "", "", ""}));
    EXPECT_TRUE(f.parametrage.eNbPixelsX.enabled());
}

TEST_F(ProgramTest, OkWithNoModelChosenReportsTheIndexAndCloses) {
    MainForm& f = start();
    whenOpened<ModelListForm>([](ModelListForm& d) { d.userClicks(d.bbOK); });
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(reporter.messages, Strings{"Indice de liste hors limites (-1)"});
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "HiSis-22");
}

TEST_F(ProgramTest, CancelInTheListKeepsTheSensorShown) {
    writeIni("[parametres]\r\nCapteur=ICX285\r\nCam\xE9ra=Atik 16HR\r\nCapteurX=1392\r\nCapteurY=1040\r\n"
             "CapteurPxX=6.45\r\nCapteurPxY=6.45\r\n");
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX429"));
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 19);
        d.userClicks(d.bbCancel);
    });
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "ICX429");
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "Inconnu");
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), kNoRow);
    EXPECT_EQ(f.parametrage.eTaillePixelsX.text(), "8.6");
    EXPECT_TRUE(reporter.messages.empty());
}

// Whatever leaves a list without a choice brings the saved sensor back
// exactly, a hand-entered one editable again.
TEST_F(ProgramTest, NoChoiceInTheListsBringsTheSavedHandEnteredSensorBack) {
    writeIni("[parametres]\r\nCapteur=Inconnu\r\nCam\xE9ra=Ma cam\xE9ra\r\nCapteurX=1000\r\nCapteurY=800\r\n"
             "CapteurPxX=5\r\nCapteurPxY=6\r\nPixelCarr\xE9=1\r\n");
    MainForm& f = start();
    const auto shown = [&] {
        return texts({&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                      &f.parametrage.eTaillePixelsY, &f.parametrage.eNomCamera, &f.parametrage.eEchant});
    };
    const Strings saved{"1000", "800", "5", "6", "Ma caméra", "0.39"};
    EXPECT_EQ(shown(), saved);
    const std::function<void(ModelListForm&)> endings[] = {
        [](ModelListForm& d) { d.userClicks(d.bbCancel); },
        [](ModelListForm& d) { d.userClicks(d.bbOK); },  // nothing chosen
        [](ModelListForm&) {},                          // the close box
    };
    for (const auto& ending : endings) {
        for (Button* button : {&f.parametrage.bbCameras, &f.parametrage.bbAPN}) {
            whenOpened<ModelListForm>(ending);
            f.userClicks(*button);
            EXPECT_EQ(shown(), saved);
            EXPECT_EQ(f.parametrage.rgPixelC.selected(), 1);
            EXPECT_TRUE(f.parametrage.eNbPixelsX.enabled());
            EXPECT_TRUE(f.parametrage.eTaillePixelsY.enabled());
        }
    }
    f.userClicks(f.bbSauveConfig);
    EXPECT_NE(iniBytes().find("CapteurX=1000\r\n"), std::string::npos);
}

}  // namespace
