// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the tabs, the bottom buttons, quitting, and bad input.
#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

TEST_F(ProgramTest, StartsMaskedOnTheAboutPage) {
    program = std::make_unique<Program>(reporter, host, Environment{iniPath, {}, {}, {}, {}, {}, {}, {}});
    MainForm& f = program->mainForm;
    f.start();
    EXPECT_EQ(f.TabbedNotebook1.activePage(), indexOf(Page::APropos));
    EXPECT_TRUE(f.pMasqueOnglets.visible());
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::Parametrage));
    EXPECT_EQ(f.TabbedNotebook1.activePage(), indexOf(Page::APropos));
    for (const auto* b : {&f.bbRAZ, &f.bbChargeConfig, &f.bbSauveConfig}) EXPECT_FALSE(b->enabled());
    EXPECT_TRUE(f.bbQuit.enabled());
}

TEST_F(ProgramTest, TabSwitchesEnableTheBottomButtons) {
    MainForm& f = start();
    struct Step {
        Page page;
        bool raz, load, save;
    };
    const Step steps[] = {
        {Page::DessinPlanete, false, false, false}, {Page::DessinCapteur, false, false, false},
        {Page::Calculs, true, false, false},        {Page::DessinCapteur, true, false, false},
        {Page::Parametrage, true, true, true},      {Page::ChampPhoto, false, false, false},
        {Page::Imagerie, true, false, false},       {Page::Comparer, false, false, false},
        {Page::Imagerie, true, false, false},       {Page::Nuit, false, false, false},
        {Page::Imagerie, true, false, false},       {Page::Aide, true, false, false},
        {Page::APropos, true, false, false},
    };
    for (const auto& s : steps) {
        f.userSwitches(f.TabbedNotebook1, indexOf(s.page));
        EXPECT_EQ(f.bbRAZ.enabled(), s.raz) << indexOf(s.page);
        EXPECT_EQ(f.bbChargeConfig.enabled(), s.load) << indexOf(s.page);
        EXPECT_EQ(f.bbSauveConfig.enabled(), s.save) << indexOf(s.page);
    }
}

TEST_F(ProgramTest, ThePlanetPageNamesObjectSensorAndTelescope) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    f.imagerie.rgPlanetes.select(quarvel::ui::rowOf(quarvel::ephem::Body::Jupiter));
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::DessinPlanete));
    EXPECT_EQ(f.planetDrawing.labDessinPlaNom.caption(), "Jupiter");
    EXPECT_EQ(f.planetDrawing.labDessinPlaCapteur.caption(), "ICX285");
    EXPECT_EQ(f.planetDrawing.labDessinPlaTelescope.caption(), "Takahashi CN-212");
}

TEST_F(ProgramTest, QuitWithOuiSavesAndWithNonTouchesNothing) {
    MainForm& f = start();
    f.userTypes(f.parametrage.eFocale, "");
    whenOpened<QuitForm>([](QuitForm& d) {
        d.userSelects(d.rgSauveConfig, 1);
        d.userClicks(d.bbQuitOK);
    });
    f.userClicks(f.bbQuit);
    EXPECT_TRUE(closed);
    EXPECT_EQ(iniBytes(), "");

    closed = false;
    whenOpened<QuitForm>([](QuitForm& d) {
        EXPECT_EQ(d.rgSauveConfig.selected(), 1);  // the last choice stays
        d.userClicks(d.bbQuitCancel);
    });
    f.userClicks(f.bbQuit);
    EXPECT_FALSE(closed);

    whenOpened<QuitForm>([](QuitForm& d) {
        d.userSelects(d.rgSauveConfig, 0);
        d.userClicks(d.bbQuitOK);
    });
    f.userClicks(f.bbQuit);
    EXPECT_TRUE(closed);
    // Saved without the empty-field test; the focal length stored is the base one.
    EXPECT_EQ(iniBytes(),
              "[parametres]\r\nT\xE9lescope=Takahashi CN-212\r\nBarlow=Aucune\r\nDiam\xE8tre=212\r\nFocale=2628\r\n"
              "Filtre=0\r\nCam\xE9ra=HiSis-22\r\nCapteur=KAF0400\r\nCapteurX=768\r\nCapteurY=512\r\n"
              "CapteurPxX=9\r\nCapteurPxY=9\r\nPixelCarr\xE9=0\r\n");
}

// Every value is checked before the file is touched; a failed save in the
// quit dialog leaves the program open where it was.
TEST_F(ProgramTest, AFailedSaveLeavesTheFileAsItWasAndDoesNotQuit) {
    const std::string before = "[parametres]\r\nDiam\xE8tre=200\r\n";
    writeIni(before);
    MainForm& f = start();
    for (const char* diameter : {"2O3", "1e999", "o212", ""}) {
        f.userTypes(f.parametrage.eDiam, diameter);
        reporter.messages.clear();
        f.userClicks(f.bbSauveConfig);
        whenOpened<QuitForm>([](QuitForm& d) { d.userClicks(d.bbQuitOK); });
        f.userClicks(f.bbQuit);
        EXPECT_FALSE(closed) << diameter;
        EXPECT_EQ(f.TabbedNotebook1.activePage(), indexOf(Page::Parametrage));
        EXPECT_EQ(iniBytes(), before) << diameter;
        const std::string message = "'" + std::string(diameter) + "' n'est pas une valeur en virgule flottante correcte";
        // An empty diameter: "Sauve config" does nothing, the quit dialog saves.
        const Strings expected = *diameter ? Strings{message, message} : Strings{message};
        EXPECT_EQ(reporter.messages, expected) << diameter;
    }
}

TEST_F(ProgramTest, EffacerChampsClearsThePageShown) {
    MainForm& f = start();
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::Calculs));
    for (auto* e : {&f.calculs.eObjet1X, &f.calculs.eObjet1Y, &f.calculs.eObjet2X, &f.calculs.eObjet2Y})
        f.userTypes(*e, "5");
    f.userClicks(f.bbRAZ);
    EXPECT_EQ(texts({&f.calculs.eObjet1X, &f.calculs.eObjet1Y, &f.calculs.eObjet2X, &f.calculs.eObjet2Y}),
              (Strings{"", "", "", ""}));
    EXPECT_EQ(f.parametrage.eDiam.text(), "212");

    f.userSwitches(f.TabbedNotebook1, indexOf(Page::Imagerie));
    f.userClicks(f.bbRAZ);
    EXPECT_EQ(f.parametrage.eDiam.text(), "212");
    EXPECT_EQ(f.imagerie.eFDAct.text(), "12.40");

    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "ICX285"));
    f.userSelects(f.parametrage.rgFiltre, 2);
    f.userSwitches(f.TabbedNotebook1, indexOf(Page::Parametrage));
    f.userClicks(f.bbRAZ);
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale, &f.parametrage.eFD, &f.parametrage.ePR,
                     &f.parametrage.ePS, &f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY,
                     &f.parametrage.eTaillePixelsX, &f.parametrage.eTaillePixelsY, &f.parametrage.eTaillePixelsMMX,
                     &f.parametrage.eTaillePixelsMMY, &f.parametrage.eTaillePixelsMMD, &f.parametrage.eEchant,
                     &f.parametrage.eChampHor, &f.parametrage.eChampVer}),
              Strings(15, ""));
    EXPECT_EQ(f.parametrage.rgFiltre.selected(), 0);
    EXPECT_EQ(f.parametrage.cbCapteurs.selected(), kManualRow);
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), 0);
    EXPECT_FALSE(f.parametrage.eNbPixelsX.enabled());  // texts only: the mode stays
    EXPECT_EQ(f.session().sensorName, "ICX285");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ProgramTest, TheMailLinkCarriesTheSubject) {
    MainForm& f = start();
    f.userDoubleClicks(f.about.labMail);
    EXPECT_EQ(openedUrls, Strings{"mailto:quarvel@example.org?subject=A propos de Quarvel&body="});
}

TEST_F(ProgramTest, FocalZeroStopsQuietlyAndZeroPointZeroReportsDivision) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, rowOf(f.parametrage.cbCapteurs, "KAF040x"));
    // Zero is the start of 0.5 while typing: it is judged when the user leaves the field.
    f.userTypes(f.parametrage.eFocale, "0");
    f.userLeaves(f.parametrage.eFocale);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(f.parametrage.eFD.text(), "12.40");
    f.userTypes(f.parametrage.eFocale, "0.0");
    EXPECT_TRUE(reporter.messages.empty());
    f.userPressesEnter(f.parametrage.eFocale);
    EXPECT_EQ(reporter.messages, Strings{"Division par zéro en virgule flottante"});
    EXPECT_EQ(texts({&f.parametrage.eFD, &f.parametrage.eTaillePixelsMMX, &f.parametrage.eEchant}),
              (Strings{"0.00", "6.91", "0.71"}));
    f.userTypes(f.parametrage.eFocale, "2628");
    f.userTypes(f.parametrage.eDiam, "0");
    f.userLeaves(f.parametrage.eDiam);
    EXPECT_EQ(reporter.messages.back(), "Division par zéro en virgule flottante");
    EXPECT_EQ(f.parametrage.eFD.text(), "12.40");
}

struct BadInput {
    const char* field;
    const char* text;
    const char* message;
};

// Every parsed field of the page, given text that is no number: the exact
// message, the text stays, and no other field changes.
TEST_F(ProgramTest, BadTextInEveryParsedFieldGivesItsMessageAndChangesNothingElse) {
    const BadInput cases[] = {
        {"eDiam", "2OO", "'2OO' n'est pas une valeur en virgule flottante correcte"},
        {"eFocale", "1000mm", "'1000mm' n'est pas une valeur en virgule flottante correcte"},
        {"eNbPixelsX", "12.5", "'12.5' n'est pas une valeur entière correcte"},
        {"eNbPixelsY", "-", "'-' n'est pas une valeur entière correcte"},
        {"eNbPixelsY", "99999999999", "'99999999999' n'est pas une valeur entière correcte"},
        {"eTaillePixelsX", "8.6.1", "'8.6.1' n'est pas une valeur en virgule flottante correcte"},
        {"eTaillePixelsY", "abc", "'abc' n'est pas une valeur en virgule flottante correcte"},
        {"eTaillePixelsX", "1e999", "'1e999' n'est pas une valeur en virgule flottante correcte"},
    };
    for (const auto& c : cases) {
        reporter.messages.clear();
        MainForm& f = start();
        f.userPicks(f.parametrage.cbCapteurs, kManualRow);
        f.userTypes(f.parametrage.eNbPixelsX, "1000");
        f.userTypes(f.parametrage.eNbPixelsY, "800");
        f.userSelects(f.parametrage.rgPixelC, 1);
        f.userTypes(f.parametrage.eTaillePixelsX, "5");
        f.userTypes(f.parametrage.eTaillePixelsY, "6");
        std::vector<std::string> before;
        for (auto* control : f.controls()) {
            if (auto* e = dynamic_cast<form::EditField*>(control)) before.push_back(e->name() + "=" + e->text());
        }
        const auto instrument = f.session().instrument;
        const auto sensor = f.session().sensor;
        auto& field = f.get<form::EditField>(c.field);
        f.userTypes(field, c.text);
        EXPECT_EQ(reporter.messages, Strings{c.message}) << c.field;
        EXPECT_EQ(field.text(), c.text);
        std::size_t i = 0;
        for (auto* control : f.controls()) {
            auto* e = dynamic_cast<form::EditField*>(control);
            if (!e) continue;
            if (e != &field) {
                EXPECT_EQ(e->name() + "=" + e->text(), before[i]) << c.field;
            }
            ++i;
        }
        EXPECT_EQ(f.session().instrument.diameterMm, instrument.diameterMm);
        EXPECT_EQ(f.session().instrument.focalMm, instrument.focalMm);
        EXPECT_EQ(static_cast<const quarvel::core::SensorValues&>(f.session().sensor),
                  static_cast<const quarvel::core::SensorValues&>(sensor));
    }
}

}  // namespace
